// BM_GuiPress/N: the program's window on Qt's offscreen platform; a mouse press on scheme N's
// first input button widget, through the press, until the panel has painted its indicators.
// BM_GuiPressClear/N: the same in the clear view; BM_GuiPress200/N: the same at 200 %.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>

#include "app/panel/inputbuttonview.h"
#include "app/panel/schemepanel.h"
#include "app/shell/mainwindow.h"

namespace kvir::bench {
namespace {

/// How long a paint may take to arrive before the benchmark gives up.
constexpr qint64 kPaintDeadlineMs = 2000;

/// Counts the paint events of a widget, keeping the region of the last, and stops watching when
/// destroyed.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
  ~PaintCounter() override { widget_->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    ++paints;
    last = static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  int paints = 0;
  QRegion last;

 private:
  QWidget* widget_;
};

/// The program's main window over its schemes, shown as the program shows it. Both live until
/// the process ends.
struct ShownProgram {
  ShownProgram() : window(new Tfrm00(schemes, pictures)) {
    window->show();
    QCoreApplication::processEvents();
  }
  SchemeSet schemes;
  PanelPictureSet pictures{schemes};
  Tfrm00* window;
};

ShownProgram& Program() {
  static ShownProgram* const program = new ShownProgram;
  return *program;
}

/// Whether `painted` covers every indicator widget of `panel`.
bool CoversIndicators(SchemePanel& panel, const QRegion& painted) {
  for (const Indicator& indicator : panel.scheme().indicators()) {
    QWidget* view = panel.findChild<QWidget*>(QString::fromStdString(indicator.name),
                                              Qt::FindDirectChildrenOnly);
    if (view == nullptr || !painted.contains(view->geometry())) return false;
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

void GuiPress(benchmark::State& state, bool clear, int zoom = kPlainZoom) {
  const int n = static_cast<int>(state.range(0));
  ShownProgram& program = Program();
  program.window->setClearView(clear);
  program.window->setZoom(zoom);
  SelectScheme(program.schemes, *program.window, static_cast<uint8_t>(n));
  SchemePanel* panel = program.window->panel(n);
  auto* button = panel ? panel->findChild<InputButtonView*>() : nullptr;
  if (button == nullptr) {
    state.SkipWithError("the panel lacks an input button widget");
    return;
  }
  PaintCounter counter(panel);
  const QPointF centre = QRectF(button->rect()).center();
  const auto press = [&] {
    counter.paints = 0;
    QMouseEvent event(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
    return ProcessUntilPainted(counter, 1);
  };
  // The panel paints all its indicators in one pass: the first press shows that it does.
  if (!press() || !CoversIndicators(*panel, counter.last)) {
    state.SkipWithError("a press does not repaint every indicator of the panel in one paint");
    return;
  }
  for (auto _ : state) {
    if (!press()) {
      state.SkipWithError("the panel did not paint after a press");
      break;
    }
  }
  const int indicators = static_cast<int>(panel->scheme().indicators().size());
  state.counters["decodes"] = indicators;
}

void BM_GuiPress(benchmark::State& state) {
  GuiPress(state, false);
}

void BM_GuiPressClear(benchmark::State& state) {
  GuiPress(state, true);
}

void BM_GuiPress200(benchmark::State& state) {
  GuiPress(state, false, 200);
}

BENCHMARK(BM_GuiPress)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_GuiPressClear)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_GuiPress200)->DenseRange(1, kSchemeCount);

}  // namespace
}  // namespace kvir::bench
