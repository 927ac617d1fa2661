#include "app/inputbuttonview.h"

#include <QMouseEvent>

namespace kvir {

void InputButtonView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

// Qt delivers the second button-down of a double click as this event instead of a press.
void InputButtonView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

}  // namespace kvir
