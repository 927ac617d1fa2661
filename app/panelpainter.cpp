#include "app/panelpainter.h"

#include <QPainter>
#include <algorithm>

#include "schemes/panel_geometry.h"

namespace kvir {
namespace {

QRect PlaceOf(const Indicator& indicator) {
  return QRect(indicator.left, indicator.top, indicator.shown.width, indicator.shown.height);
}

// Whether `part` lies wholly under one indicator that shows a picture, which paints over it.
bool UnderShownIndicator(const Scheme& scheme, const QRect& part) {
  return std::ranges::any_of(scheme.indicators(), [&part](const Indicator& indicator) {
    return !indicator.shown.empty() && PlaceOf(indicator).contains(part);
  });
}

}  // namespace

QImage ImageOver(const Picture& picture, const QRect& part) {
  if (picture.empty()) return {};
  const QImage::Format format =
      picture.channels == 4 ? QImage::Format_RGBX8888 : QImage::Format_RGB888;
  const QRect area = part.isNull() ? QRect(0, 0, picture.width, picture.height) : part;
  return QImage(picture.pixel(area.x(), area.y()), area.width(), area.height(), picture.stride(),
                format);
}

// Each part of the region is painted once, from beneath: white where no picture lies, the scheme
// picture where no indicator covers it, each part from its own view of the pixels so that no more
// than those parts is ever converted for the screen. After a press the region is the indicators'
// places: only the indicators are drawn.
void PaintPanel(QPainter& painter, const Scheme& scheme, const QRegion& region) {
  const PictureControl& control = scheme.picture;
  const QRect bounds =
      control.picture.empty()
          ? QRect()
          : QRect(control.left, control.top, control.picture.width, control.picture.height);
  for (const QRect& dirty : region) {
    if (UnderShownIndicator(scheme, dirty)) continue;
    for (const QRect& white : QRegion(dirty).subtracted(bounds)) painter.fillRect(white, Qt::white);
    const QRect part = dirty & bounds;
    if (part.isEmpty()) continue;
    painter.drawImage(part.topLeft(),
                      ImageOver(control.picture, part.translated(-bounds.topLeft())));
  }
  for (const Indicator& indicator : scheme.indicators()) {
    if (indicator.shown.empty()) continue;
    const QRect place = PlaceOf(indicator);
    if (region.intersects(place)) painter.drawImage(place.topLeft(), ImageOver(indicator.shown));
  }
}

QImage PanelImage(const Scheme& scheme) {
  QImage image(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  PaintPanel(painter, scheme, QRegion(image.rect()));
  return image;
}

}  // namespace kvir
