#pragma once
// Ending the program right after its window's first complete paint (--first-paint-exit).

#include <QObject>

class QWidget;

namespace kvir {

/// Ends the program with exit code 0 once `window` has finished its first paint, unless
/// cancel() came first. A child of `window`.
class FirstPaintExit : public QObject {
  Q_OBJECT

 public:
  explicit FirstPaintExit(QWidget& window);

  /// The program ends otherwise (a failure): the first paint no longer ends it.
  void cancel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
};

}  // namespace kvir
