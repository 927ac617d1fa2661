#include "app/panel/pictureview.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/panel/panelpainter.h"

namespace kvir {

PictureView::PictureView(const Picture& picture, const Indicator* indicator, QWidget* parent)
    : QWidget(parent), picture_(picture), indicator_(indicator) {
  // Qt then sends the view no paint events while it paints the panel: the panel paints beneath
  // it, and a press costs one paint of the panel instead of one per indicator.
  setUpdatesEnabled(false);
}

void PictureView::paintEvent(QPaintEvent* event) {
  if (picture_.empty()) return;
  const QRect bounds(0, 0, picture_.width, picture_.height);
  QPainter painter(this);
  if (bounds.size() != size()) {  // drawn at another zoom than the panel's
    painter.drawImage(rect(), ImageOver(picture_));
    return;
  }
  for (const QRect& dirty : event->region()) {
    const QRect part = dirty & bounds;
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), ImageOver(picture_, part));
  }
}

}  // namespace kvir
