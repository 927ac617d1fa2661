#include "app/pictureview.h"

#include <QPaintEvent>
#include <QPainter>

namespace kvir {

QImage ImageOver(const Picture& picture, const QRect& part) {
  if (picture.empty()) return {};
  const QImage::Format format =
      picture.channels == 4 ? QImage::Format_RGBX8888 : QImage::Format_RGB888;
  const QRect area = part.isNull() ? QRect(0, 0, picture.width, picture.height) : part;
  return QImage(picture.pixel(area.x(), area.y()), area.width(), area.height(), picture.stride(),
                format);
}

PictureView::PictureView(const Picture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

// Draws only the parts to be painted, each from its own view of the pixels, so that no more than
// those parts is ever converted for the screen.
void PictureView::paintEvent(QPaintEvent* event) {
  if (picture_.empty()) return;
  const QRect bounds(0, 0, picture_.width, picture_.height);
  QPainter painter(this);
  for (const QRect& dirty : event->region()) {
    const QRect part = dirty & bounds;
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), ImageOver(picture_, part));
  }
}

}  // namespace kvir
