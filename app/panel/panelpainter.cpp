#include "app/panel/panelpainter.h"

#include <QPainter>
#include <span>

#include "render/panel_geometry.h"

namespace kvir {
namespace {

// Where `shown` lies on a panel whose pictures are drawn at `zoom`.
QRect PlaceOf(const Indicator& indicator, const Picture& shown, int zoom) {
  const PictureRect place = IndicatorPlace(indicator, zoom);
  return QRect(place.left, place.top, shown.width, shown.height);
}

// Whether `part` lies wholly under one indicator that shows a picture, which paints over it.
bool UnderShownIndicator(const Scheme& scheme, const PanelOverlay* overlay, const QRect& part) {
  const std::span<const Indicator> indicators = scheme.indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Picture& shown = ShownPicture(scheme, overlay, i);
    if (!shown.empty() && PlaceOf(indicators[i], shown, scheme.style.zoom).contains(part)) {
      return true;
    }
  }
  return false;
}

void PaintMarker(QPainter& painter, const Indicator& indicator, int zoom) {
  const QRect outer = MarkerPlace(indicator, zoom);
  const int width = Scaled(kMarkerOutside + kMarkerInside, zoom);
  const QRegion ring = QRegion(outer).subtracted(outer.adjusted(width, width, -width, -width));
  for (const QRect& part : ring) painter.fillRect(part, QColor::fromRgb(kMarkerColour));
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
void PaintPanel(QPainter& painter, const Scheme& scheme, const QRegion& region,
                const PanelOverlay* overlay) {
  const PictureControl& control = scheme.picture;
  const QRect bounds =
      control.picture.empty()
          ? QRect()
          : QRect(control.left, control.top, control.picture.width, control.picture.height);
  for (const QRect& dirty : region) {
    if (UnderShownIndicator(scheme, overlay, dirty)) continue;
    for (const QRect& white : QRegion(dirty).subtracted(bounds)) painter.fillRect(white, Qt::white);
    const QRect part = dirty & bounds;
    if (part.isEmpty()) continue;
    painter.drawImage(part.topLeft(),
                      ImageOver(control.picture, part.translated(-bounds.topLeft())));
  }
  const std::span<const Indicator> indicators = scheme.indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Picture& shown = ShownPicture(scheme, overlay, i);
    if (shown.empty()) continue;
    const QRect place = PlaceOf(indicators[i], shown, scheme.style.zoom);
    if (region.intersects(place)) painter.drawImage(place.topLeft(), ImageOver(shown));
  }
  if (overlay == nullptr) return;
  painter.setClipRegion(region);
  for (uint16_t i : overlay->marked) PaintMarker(painter, indicators[i], scheme.style.zoom);
}

QImage PanelImage(const Scheme& scheme, const PanelOverlay* overlay) {
  const int zoom = scheme.style.zoom;
  QImage image(PanelWidth(zoom), PanelHeight(zoom), QImage::Format_RGB32);
  QPainter painter(&image);
  PaintPanel(painter, scheme, QRegion(image.rect()), overlay);
  return image;
}

QRect MarkerPlace(const Indicator& indicator, int zoom) {
  const PictureRect place = IndicatorPlace(indicator, zoom);
  const int outside = Scaled(kMarkerOutside, zoom);
  return QRect(place.left, place.top, place.width, place.height)
      .adjusted(-outside, -outside, outside, outside);
}

}  // namespace kvir
