#include "app/panel/inputbuttonview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kvir {

InputButtonView::InputButtonView(const Picture& picture, const Indicator& indicator,
                                 QWidget* parent)
    : PictureView(picture, &indicator, parent) {
  setFocusPolicy(Qt::TabFocus);
}

void InputButtonView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  click();
}

// Qt delivers the second button-down of a double click as this event instead of a press.
void InputButtonView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  click();
}

// A held key repeats; a held mouse button does not, and the key presses as the mouse does.
void InputButtonView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    event->ignore();
    return;
  }
  event->accept();
  if (!event->isAutoRepeat()) click();
}

// A right click on an input button is a press and nothing else: the panel's menu belongs to its
// free area. The menu key still reaches the panel.
void InputButtonView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Mouse) {
    event->accept();
  } else {
    event->ignore();
  }
}

void InputButtonView::focusInEvent(QFocusEvent* event) {
  PictureView::focusInEvent(event);
  emit focusChanged(true);
}

// A popup (the context menu) borrows the focus only for a moment: the frame stays.
void InputButtonView::focusOutEvent(QFocusEvent* event) {
  PictureView::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) emit focusChanged(false);
}

}  // namespace kvir
