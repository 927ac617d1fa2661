// kvir-empty-window: the floor of the start-up measurement. A Qt window of the main window's size
// with nothing in it, shown and ended with 0 once its first paint has finished, exactly as
// `kvir --first-paint-exit` ends: what any Qt program of that size pays before the first paint.

#include <QApplication>
#include <QMetaObject>
#include <QPainter>
#include <QWidget>

#include "app/shell/window_layout.h"

namespace {

class EmptyWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter(this).fillRect(rect(), Qt::white);
    if (painted_) return;
    painted_ = true;
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.setFixedSize(kvir::kWindowWidth, kvir::kWindowHeight);
  window.show();
  return QApplication::exec();
}
