// BM_GuiPress/N: the program's window on Qt's offscreen platform; a mouse press on scheme N's
// first input button widget, through the press, until every indicator of the panel has painted.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <vector>

#include "app/inputbuttonview.h"
#include "app/mainwindow.h"
#include "app/schemepanel.h"

namespace kvir::bench {
namespace {

/// How long a paint may take to arrive before the benchmark gives up.
constexpr qint64 kPaintDeadlineMs = 2000;

/// Counts the paint events of the widgets it watches, and stops watching when destroyed.
class PaintCounter : public QObject {
 public:
  ~PaintCounter() override {
    for (QWidget* widget : watched_) widget->removeEventFilter(this);
  }
  void Watch(QWidget* widget) {
    widget->installEventFilter(this);
    watched_.push_back(widget);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;

 private:
  std::vector<QWidget*> watched_;
};

/// The program's main window over its schemes, shown as the program shows it. Both live until
/// the process ends.
struct ShownProgram {
  ShownProgram() : window(new Tfrm00(schemes)) {
    window->show();
    QCoreApplication::processEvents();
  }
  SchemeSet schemes;
  Tfrm00* window;
};

ShownProgram& Program() {
  static ShownProgram* const program = new ShownProgram;
  return *program;
}

/// Watches every indicator widget of `panel`; false when one is missing.
bool WatchIndicators(SchemePanel& panel, PaintCounter& counter) {
  for (const Indicator& indicator : panel.scheme().indicators()) {
    QWidget* view = panel.findChild<QWidget*>(QString::fromStdString(indicator.name),
                                              Qt::FindDirectChildrenOnly);
    if (view == nullptr) return false;
    counter.Watch(view);
  }
  return true;
}

/// Processes events until `counter` has heard `paints` paints; false after the deadline.
bool ProcessUntilPainted(const PaintCounter& counter, int paints) {
  QElapsedTimer timer;
  timer.start();
  while (counter.paints < paints) {
    QCoreApplication::processEvents();
    if (timer.elapsed() > kPaintDeadlineMs) return false;
  }
  return true;
}

void BM_GuiPress(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  ShownProgram& program = Program();
  SelectScheme(program.schemes, *program.window, static_cast<uint8_t>(n));
  auto* panel =
      program.window->findChild<SchemePanel*>(QStringLiteral("pnl%1").arg(n, 2, 10, QChar('0')));
  auto* button = panel ? panel->findChild<InputButtonView*>() : nullptr;
  PaintCounter counter;
  const int indicators = panel ? static_cast<int>(panel->scheme().indicators().size()) : 0;
  if (button == nullptr || !WatchIndicators(*panel, counter) ||
      !ProcessUntilPainted(counter, indicators)) {
    state.SkipWithError("the panel lacks an indicator widget, or they never all paint");
    return;
  }
  const QPointF centre = QRectF(button->rect()).center();
  for (auto _ : state) {
    counter.paints = 0;
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    if (!ProcessUntilPainted(counter, indicators)) {
      state.SkipWithError("the indicators did not all paint after a press");
      break;
    }
  }
  state.counters["decodes"] = indicators;
}

BENCHMARK(BM_GuiPress)->DenseRange(1, kSchemeCount);

}  // namespace
}  // namespace kvir::bench
