// What the window holds after a tour of zoom levels, schemes and modes: back at 100 % it keeps
// about what it held there before, not the pixels of the largest zoom it passed through.

#include <unistd.h>

#include <QTest>
#include <fstream>

#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// The process's resident memory, in bytes.
size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  size_t total = 0, resident = 0;
  statm >> total >> resident;
  return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

/// Counts the paints of the widget it watches.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

/// Lets every deferred deletion and every paint asked for so far happen: returns once `window`
/// has repainted since the call (it paints its widgets in one pass) and what that let go is gone.
void Settle(QWidget& window) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QWidget* list = window.findChild<QWidget*>(QStringLiteral("cbxSelect"));
  QVERIFY(list != nullptr);
  PaintCounter counter;
  list->installEventFilter(&counter);
  list->update();
  QTRY_VERIFY(counter.paints > 0);
  list->removeEventFilter(&counter);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestMemory : public QObject {
  Q_OBJECT

 private slots:
  void aTourEndsNearWhereItBegan();
};

void TestMemory::aTourEndsNearWhereItBegan() {
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  // Every panel made and shown once at 100 %: what any session at 100 % may hold.
  for (int n = 1; n <= kSchemeCount; ++n) shown.choose(n);
  shown.choose(1);
  Settle(shown.window);
  const size_t before = ResidentBytes();

  for (const int zoom : {150, 200, 250, 300}) {
    shown.window.setZoom(zoom);
    for (const int n : {1, 9, 16}) shown.choose(n);
    Settle(shown.window);
  }
  shown.window.startLearningMode(SessionMode::kQuiz);
  shown.window.setClearView(true);
  shown.window.startLearningMode(SessionMode::kStep);
  shown.window.startLearningMode(SessionMode::kPlain);
  shown.window.setClearView(false);
  shown.window.setZoom(100);
  shown.choose(1);
  Settle(shown.window);
  const size_t after = ResidentBytes();
  qInfo("resident at 100 %%: %.1f MB before the tour, %.1f MB after", before / 1e6, after / 1e6);
  QVERIFY2(
      after <= before * 12 / 10,
      qPrintable(QStringLiteral("%1 MB after, %2 MB before").arg(after / 1e6).arg(before / 1e6)));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
