#include "app/shell/zoom.h"

#include <algorithm>
#include <cmath>

#include "render/zoom.h"

namespace kvir {

QRect Zoomed(const QRect& rect, int zoom) {
  return QRect(Scaled(rect.x(), zoom), Scaled(rect.y(), zoom), Scaled(rect.width(), zoom),
               Scaled(rect.height(), zoom));
}

int PictureZoom(int zoom, qreal devicePixelRatio) {
  const int dense = static_cast<int>(std::lround(zoom * devicePixelRatio));
  return IsZoomLevel(dense) ? dense : zoom;
}

WindowFit FitWindow(const QSize& wanted, const QSize& available) {
  if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
    return {wanted, false};
  }
  return {wanted.boundedTo(available), true};
}

QRect KeptOnScreen(const QRect& frame, const QRect& available) {
  QRect kept = frame;
  kept.moveRight(std::min(kept.right(), available.right()));
  kept.moveBottom(std::min(kept.bottom(), available.bottom()));
  kept.moveLeft(std::max(kept.left(), available.left()));
  kept.moveTop(std::max(kept.top(), available.top()));
  return kept;
}

}  // namespace kvir
