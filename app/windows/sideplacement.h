#pragma once
// What the windows beside the main window know of it: where it lies on the screen, where its
// drawing lies, its zoom and the shortcuts they take over. Never the main window itself.

#include <QList>
#include <QMargins>
#include <QObject>
#include <QRect>

class QAction;
class QScreen;
class QWidget;

namespace kvir {

/// The window that side windows go beside. Whoever makes it keeps it for as long as any side
/// window made with it lives: they are children of owner().
class SidePlacement : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  /// The window the side windows are children of and go beside.
  virtual QWidget& owner() const = 0;
  /// The owner's frame on the screen, frame included.
  virtual QRect frame() const = 0;
  /// The frame a window manager has put around the owner: none before it is first shown.
  virtual QMargins frameMargins() const = 0;
  /// The screen the owner is on, or null.
  virtual QScreen* screen() const = 0;
  /// Where the shown scheme's drawing lies on the screen, as far as the owner shows it.
  virtual QRect drawing() const = 0;
  /// The owner's zoom, in percent; zoomChanged() tells of each change.
  virtual int zoom() const = 0;
  /// The owner's actions, whose shortcuts a side window may take over.
  virtual QList<QAction*> shortcuts() const = 0;

 signals:
  /// The owner's zoom is now `percent`.
  void zoomChanged(int percent);
};

}  // namespace kvir
