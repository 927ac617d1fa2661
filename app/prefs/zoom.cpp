#include "app/prefs/zoom.h"

#include <QWidget>
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

QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

}  // namespace kvir
