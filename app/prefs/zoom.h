#pragma once
// The windows' zoom: lengths at 100 % scaled to a level, and the zoom pictures are drawn at on the
// screen a window is on; the frame a window manager puts around a window.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>

class QObject;
class QWidget;

namespace kvir {

/// `rect`, given at 100 %, at `zoom` percent: each coordinate and length scaled alone.
QRect Zoomed(const QRect& rect, int zoom);

/// The zoom of the pictures for a window at `zoom` on a screen of `devicePixelRatio` device
/// pixels per pixel: the level that gives one picture pixel to a device pixel where there is
/// one (100 % on a screen of ratio 2 gives 200 %), else `zoom` itself.
int PictureZoom(int zoom, qreal devicePixelRatio);

/// Whether `frame`, the margins a window manager has put around a window, can be its whole frame
/// on a screen of `screen`: none negative, and together less than a quarter of the screen
/// either way.
bool PlausibleFrame(const QMargins& frame, const QSize& screen);

/// The frame a window manager has put around `window`: none before it is first shown, nor while
/// Qt reports an implausible one. Qt works the frame out when the window manager takes the
/// window into its frame, and keeps it: openbox does so while its frame is still 1 × 1, which
/// gives margins of minus the window's size until the window is next moved.
QMargins FrameMargins(const QWidget& window);

/// Where Qt reports an implausible frame for `window`, has the window manager tell the window's
/// place again (a request for the place it has), after which Qt works the frame out anew.
void AskFrameAgain(QWidget& window);

/// Qt hears of a frame without an event of its own: every 100 ms, `looks` times at most, asks for
/// `window`'s frame again (AskFrameAgain) and calls `look`, until it says the frame has come. The
/// timer belongs to `owner`.
void WatchForFrame(QObject& owner, QWidget& window, int looks, std::function<bool()> look);

}  // namespace kvir
