#include "app/prefs/zoom.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <climits>
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

bool PlausibleFrame(const QMargins& frame, const QSize& screen) {
  return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
         (frame.left() + frame.right()) * 4 < screen.width() &&
         (frame.top() + frame.bottom()) * 4 < screen.height();
}

// Asked of the window's platform window, which works the frame out again after each change the
// window hears of, not of the widget, which keeps what it was told at its last move.
QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  if (handle == nullptr || !window.isVisible()) return {};
  const QMargins margins = handle->frameMargins();
  const QScreen* screen = window.screen();
  const QSize room = screen != nullptr ? screen->size() : QSize(INT_MAX / 4, INT_MAX / 4);
  return PlausibleFrame(margins, room) ? margins : QMargins();
}

void AskFrameAgain(QWidget& window) {
  QWindow* handle = window.windowHandle();
  const QScreen* screen = window.screen();
  if (handle == nullptr || screen == nullptr || !window.isVisible()) return;
  if (!PlausibleFrame(handle->frameMargins(), screen->size())) {
    handle->setGeometry(handle->geometry());
  }
}

void WatchForFrame(QObject& owner, QWidget& window, int looks, std::function<bool()> look) {
  constexpr int kEvery = 100;  // milliseconds
  auto* timer = new QTimer(&owner);
  timer->setInterval(kEvery);
  QObject::connect(timer, &QTimer::timeout, &owner,
                   [&window, timer, left = looks, look = std::move(look)]() mutable {
                     AskFrameAgain(window);
                     if (!look() && --left > 0) return;
                     timer->stop();
                     timer->deleteLater();
                   });
  timer->start();
}

}  // namespace kvir
