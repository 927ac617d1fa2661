// kvir-bench with the Qt figures: a QApplication on the offscreen platform around the run.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryFile>
#include <cstdlib>

int main(int argc, char** argv) {
  // A screen with room for the window at 200 %, so that BM_GuiPress200 paints whole panels.
  QTemporaryFile screen;
  if (!screen.open()) return 1;
  screen.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 3200, "height": 2400,
                   "logicalDpi": 96, "logicalBaseDpi": 96}]})");
  screen.flush();
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.fileName()).toLocal8Bit(), 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
