#pragma once
// Fitting the main window to the screen: its size at a zoom where the screen has room for it,
// else as much as the screen allows with the scheme area scrolling; the zoom at which the shown
// drawing fits; the places of the list and the help button in a narrower window.

#include <QRect>
#include <QSize>
#include <functional>

namespace kvir {

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

/// Where a window of `frame` (frame included) lies once moved within `available` as little as
/// possible; a window larger than `available` keeps its top left corner in it.
QRect KeptOnScreen(const QRect& frame, const QRect& available);

}  // namespace kvir
