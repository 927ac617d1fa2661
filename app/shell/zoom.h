#pragma once
// The window's zoom: lengths at 100 % scaled to a level, the zoom its pictures are drawn at on
// the screen it is on, and how a zoomed window fits the screen.

#include <QRect>
#include <QSize>

namespace kvir {

/// `rect`, given at 100 %, at `zoom` percent: each coordinate and length scaled alone.
QRect Zoomed(const QRect& rect, int zoom);

/// The zoom of the pictures for a window at `zoom` on a screen of `devicePixelRatio` device
/// pixels per pixel: the level that gives one picture pixel to a device pixel where there is
/// one (100 % on a screen of ratio 2 gives 200 %), else `zoom` itself.
int PictureZoom(int zoom, qreal devicePixelRatio);

/// How a window that wants `wanted` (its client area) fits `available` (the screen's free area
/// less the window's frame): its size, and whether its scheme area must scroll.
struct WindowFit {
  QSize size;
  bool scrolls = false;
};
WindowFit FitWindow(const QSize& wanted, const QSize& available);

/// Where a window of `frame` (frame included) lies once moved within `available` as little as
/// possible; a window larger than `available` keeps its top left corner in it.
QRect KeptOnScreen(const QRect& frame, const QRect& available);

}  // namespace kvir
