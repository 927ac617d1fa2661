#pragma once
// What the windows beside the main window share: the help, "О схеме" and the truth table.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace kvir {

class SidePlacement;

/// Makes a window a side window of the main window, as `placement` shows it: an ordinary
/// top-level window that never stays above the main window, which Esc closes and in which the
/// main window's shortcuts work; its fonts follow the main window's zoom, and each time it opens
/// it goes beside the main window on the main window's screen (PlaceSideWindow). Owned by the
/// window it serves; `placement` must outlive it.
class SideWindow : public QObject {
  Q_OBJECT

 public:
  SideWindow(QWidget& window, SidePlacement& placement);

  /// Shows the window (placed beside the main window if it was hidden), raised and active.
  void open();
  /// The zoom the window's fonts follow, in percent.
  int zoom() const { return zoom_; }

 signals:
  /// The window's fonts have been scaled to `percent`.
  void zoomed(int percent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void takeMainShortcuts();
  void followZoom(int percent);
  void placeBeside();
  void placeAgainIfFramed();
  void watchForFrame();
  QSize wantedSize() const;

  QWidget& window_;
  SidePlacement& main_;
  qreal plainPoints_;  ///< the window's font size at 100 %
  int zoom_;
  QSize plainSize_;       ///< the window's size at 100 % when first shown
  QMargins placedFrame_;  ///< the window's own frame when it was last placed: none before framed
};

/// Gives `window` its own Ctrl+C, which runs `copy` (the selected text to the clipboard). Made
/// before the window becomes a side window, it keeps the main window's Ctrl+C (its picture) out:
/// a read-only text view leaves the key to its window.
void AddTextCopy(QWidget& window, std::function<void()> copy);

/// Where a side window goes, its frame `wanted` large and no smaller than `least`, beside the
/// main window's frame `main` whose drawing lies at `drawing`, within `available`. The first of
/// these that has room: beside the main window (to its right, left, below, above) at the size
/// wanted; beside the drawing, over the main window's empty margins but never over its list,
/// at that size; else made smaller, down to `least`, in whichever of those rooms leaves it
/// largest; else smaller than `least`, down to 64 pixels either way (its text scrolls), in the
/// largest of them, never over the drawing. Only where no room is even that large (a drawing
/// that fills the screen) does it go to the bottom right corner of `available` at its least size,
/// over the drawing.
QRect PlaceSideWindow(const QRect& main, const QRect& drawing, const QSize& wanted,
                      const QSize& least, const QRect& available);

}  // namespace kvir
