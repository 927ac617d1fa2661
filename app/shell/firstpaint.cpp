#include "app/shell/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace kvir {

FirstPaintExit::FirstPaintExit(QWidget& window) : QObject(&window), window_(window) {
  window.installEventFilter(this);
}

void FirstPaintExit::cancel() {
  window_.removeEventFilter(this);
}

// Queued, so that it runs once this paint pass has finished and reached the screen.
bool FirstPaintExit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Paint) {
    cancel();
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kvir
