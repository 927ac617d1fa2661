#pragma once
// The window's zoom: lengths at 100 % scaled to a level, the zoom its pictures are drawn at on
// the screen it is on, and how a zoomed window fits the screen.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

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

/// The scheme area a window at `zoom` shows below its list where its client area may take
/// `available`: the whole panel where it fits, else what the scrolling area leaves beside its
/// two scroll bars of `scrollBarExtent`.
QSize SchemeViewport(int zoom, const QSize& available, int scrollBarExtent);

/// The largest zoom level at which the drawing, `drawingAt(level)` pixels (the panel without its
/// empty margins), shows whole in the scheme area of a window within `available`; the smallest
/// level where it shows at none.
int FitZoom(const std::function<QSize(int)>& drawingAt, const QSize& available,
            int scrollBarExtent);

/// The places of the scheme list and the help button in a window `width` wide at `zoom`: those
/// at 100 % scaled, the help button moved left as far as a narrower window needs, the list
/// ending where it begins.
struct StripPlaces {
  QRect list;
  QRect help;
};
StripPlaces PlaceStrip(int zoom, int width);

/// The frame a window manager has put around `window`: none before it is first shown.
QMargins FrameMargins(const QWidget& window);

/// Where a window of `frame` (frame included) lies once moved within `available` as little as
/// possible; a window larger than `available` keeps its top left corner in it.
QRect KeptOnScreen(const QRect& frame, const QRect& available);

}  // namespace kvir
