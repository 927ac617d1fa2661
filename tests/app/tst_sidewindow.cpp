// The windows beside the main window ("О схеме", truth table): where they open, that Esc
// closes them, that the main window's shortcuts work in them, that their fonts follow the zoom
// and that none is kept above the main window. CTest runs the suite on a 1024 × 768 screen
// (projector_screen.json).

#include <QAction>
#include <QScreen>
#include <QTest>

#include "app/panel/panelactions.h"
#include "app/prefs/zoom.h"
#include "app/windows/aboutwindow.h"
#include "app/windows/helpwindow.h"
#include "app/windows/sideplacement.h"
#include "app/windows/sidewindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

struct Side {
  PanelAction opener;
  const char* name;
};
// The help window is not among them: it stays modal and on top (tst_helpwindow).
constexpr Side kSides[] = {{PanelAction::kAboutScheme, "frmAbout"},
                           {PanelAction::kTruthTable, "frmTruthTable"}};

void AddSideRows() {
  QTest::addColumn<PanelAction>("opener");
  QTest::addColumn<QString>("name");
  for (const Side& side : kSides) {
    QTest::newRow(side.name) << side.opener << QString::fromLatin1(side.name);
  }
}

// The side window `name`, opened by `opener` and active; null when it did not come up.
QWidget* OpenSide(ShownMainWindow& shown, PanelAction opener, const QString& name) {
  shown.action(opener)->trigger();
  auto* side = shown.window.findChild<QWidget*>(name);
  if (side == nullptr || !QTest::qWaitForWindowExposed(side)) return nullptr;
  side->activateWindow();
  return QTest::qWaitForWindowActive(side) ? side : nullptr;
}

// A window that is no main window, as the side windows may see one: its frame, its zoom and its
// shortcuts, nothing else.
class PlainPlacement : public SidePlacement {
 public:
  explicit PlainPlacement(QWidget& owner) : SidePlacement(&owner), owner_(owner) {}
  QWidget& owner() const override { return owner_; }
  QRect frame() const override { return owner_.frameGeometry(); }
  QMargins frameMargins() const override { return FrameMargins(owner_); }
  QScreen* screen() const override { return owner_.screen(); }
  QRect drawing() const override { return owner_.geometry(); }
  int zoom() const override { return zoom_; }
  QList<QAction*> shortcuts() const override { return owner_.actions(); }
  void setZoom(int percent) {
    zoom_ = percent;
    emit zoomChanged(percent);
  }

 private:
  QWidget& owner_;
  int zoom_ = 100;
};

}  // namespace

Q_DECLARE_METATYPE(kvir::PanelAction)

class TestSideWindow : public MainWindowTest {
  Q_OBJECT

 private slots:
  void placement_data();
  void placement();
  void opensBesideTheDrawingAndEscCloses_data() { AddSideRows(); }
  void opensBesideTheDrawingAndEscCloses();
  void mainShortcutsWorkInIt_data() { AddSideRows(); }
  void mainShortcutsWorkInIt();
  void fontsFollowTheZoom();
  void servesAnyPlacement();
};

void TestSideWindow::placement_data() {
  QTest::addColumn<QRect>("main");
  QTest::addColumn<QRect>("drawing");
  QTest::addColumn<QSize>("wanted");
  QTest::addColumn<QSize>("least");
  QTest::addColumn<QRect>("available");
  QTest::addColumn<QRect>("placed");
  const QRect wide(0, 0, 1920, 1080);
  const QRect projector(0, 0, 1024, 768);
  QTest::newRow("to the right, level with the main window")
      << QRect(100, 50, 820, 700) << QRect(300, 150, 350, 360) << QSize(500, 400) << QSize(200, 100)
      << wide << QRect(920, 50, 500, 400);
  QTest::newRow("to the left where the right has no room")
      << QRect(1000, 50, 820, 700) << QRect(1200, 150, 350, 360) << QSize(500, 400)
      << QSize(200, 100) << wide << QRect(500, 50, 500, 400);
  QTest::newRow("below where neither side has room")
      << QRect(0, 0, 1900, 500) << QRect(300, 100, 900, 300) << QSize(500, 400) << QSize(200, 100)
      << wide << QRect(0, 500, 500, 400);
  QTest::newRow("its top moved up to stay on the screen")
      << QRect(100, 600, 820, 400) << QRect(300, 650, 350, 300) << QSize(500, 600)
      << QSize(200, 100) << wide << QRect(920, 480, 500, 600);
  QTest::newRow("over the empty margin right of the drawing, clear of the list")
      << QRect(102, 40, 820, 688) << QRect(340, 105, 348, 359) << QSize(281, 181) << QSize(281, 181)
      << projector << QRect(688, 105, 281, 181);
  QTest::newRow("made smaller, down to its least size, beside the main window")
      << QRect(0, 0, 700, 768) << QRect(100, 100, 590, 600) << QSize(500, 700) << QSize(300, 300)
      << projector << QRect(700, 0, 324, 700);
  QTest::newRow("made smaller over the margin, where that leaves it larger")
      << QRect(0, 0, 900, 768) << QRect(100, 100, 400, 600) << QSize(700, 700) << QSize(300, 300)
      << projector << QRect(500, 100, 524, 668);
  QTest::newRow("made smaller than its least rather than over the drawing")
      << QRect(0, 0, 1024, 768) << QRect(70, 78, 870, 675) << QSize(730, 769) << QSize(722, 441)
      << projector << QRect(940, 78, 84, 690);
  QTest::newRow("a truth table at 100 % on a projector: beside the drawing, over the margin")
      << QRect(101, 20, 822, 709) << QRect(338, 216, 348, 359) << QSize(341, 713) << QSize(290, 193)
      << projector << QRect(686, 216, 338, 552);
  QTest::newRow("no room of 64 pixels: at its least size in the screen's corner")
      << QRect(0, 0, 1024, 768) << QRect(1, 89, 1008, 664) << QSize(857, 768) << QSize(600, 400)
      << projector << QRect(424, 368, 600, 400);
}

void TestSideWindow::placement() {
  QFETCH(QRect, main);
  QFETCH(QRect, drawing);
  QFETCH(QSize, wanted);
  QFETCH(QSize, least);
  QFETCH(QRect, available);
  QFETCH(QRect, placed);
  QCOMPARE(PlaceSideWindow(main, drawing, wanted, least, available), placed);
}

// At 100 % on a 1024 × 768 screen the main window leaves no room beside it: each side window
// goes over its empty margins, never over the drawing or the list. Each opening is a new
// placing; a second Esc on a closed window changes nothing.
void TestSideWindow::opensBesideTheDrawingAndEscCloses() {
  QFETCH(PanelAction, opener);
  QFETCH(QString, name);
  const QRect available = shown().window.screen()->availableGeometry();
  if (available.size() != QSize(1024, 768)) QSKIP("a 1024 × 768 screen only");
  QVERIFY(shown().activate());
  for (int opening = 0; opening < 2; ++opening) {
    QWidget* side = OpenSide(shown(), opener, name);
    QVERIFY(side != nullptr);
    QCOMPARE(side->windowType(), Qt::Window);
    QVERIFY(!side->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!side->isModal());
    QVERIFY(available.contains(side->frameGeometry()));
    if (name != QLatin1String("frmTruthTable")) {  // the table is too wide for the margins
      QVERIFY(!side->frameGeometry().intersects(shown().window.drawingOnScreen()));
      QVERIFY(side->frameGeometry().top() >= shown().window.drawingOnScreen().top());
    }
    QTest::keyClick(side, Qt::Key_Escape);
    QVERIFY(!side->isVisible());
    shown().window.move(shown().window.pos() + QPoint(0, 10));
  }
}

// F9 switches the quiz on and off, Ctrl+Plus and Ctrl+0 zoom, from inside the side window;
// keys the window uses itself (Return, Ctrl+C for its own text or table) stay its own.
void TestSideWindow::mainShortcutsWorkInIt() {
  QFETCH(PanelAction, opener);
  QFETCH(QString, name);
  QVERIFY(shown().activate());
  QWidget* side = OpenSide(shown(), opener, name);
  QVERIFY(side != nullptr);
  QAction* quiz = shown().action(PanelAction::kQuiz);
  QTest::keyClick(side, Qt::Key_F9);
  QVERIFY(quiz->isChecked());
  QTest::keyClick(side, Qt::Key_F9);
  QVERIFY(!quiz->isChecked());
  QTest::keyClick(side, Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(shown().window.zoom(), 150);
  QTest::keyClick(side, Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(shown().window.zoom(), 100);
  QVERIFY(!side->actions().contains(shown().action(PanelAction::kCheckAnswers)));
  QVERIFY(!side->actions().contains(shown().action(PanelAction::kCopyPicture)));
}

// The fonts grow with the zoom, in windows made before the change and after it; the help
// window's fixed size with them.
void TestSideWindow::fontsFollowTheZoom() {
  QWidget* about = shown().window.aboutWindow();
  const qreal plain = about->font().pointSizeF();
  shown().window.setZoom(200);
  QCOMPARE(about->font().pointSizeF(), 2 * plain);
  QWidget* help = shown().window.helpWindow();
  QCOMPARE(help->font().pointSizeF(), 16.0);
  QCOMPARE(help->size(), QSize(562, 362));
  shown().action(PanelAction::kTruthTable)->trigger();
  auto* table = shown().window.findChild<QWidget*>(QStringLiteral("frmTruthTable"));
  QCOMPARE(table->font().pointSizeF(), 2 * plain);
  shown().window.setZoom(100);
  QCOMPARE(help->size(), QSize(281, 181));
  QCOMPARE(table->font().pointSizeF(), plain);
}

// A side window needs no main window: any placement serves, and it goes beside that one's frame,
// takes its shortcuts and follows its zoom.
void TestSideWindow::servesAnyPlacement() {
  QWidget owner;
  owner.setGeometry(20, 40, 300, 200);
  auto* find = new QAction(&owner);
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
  owner.addAction(find);
  owner.show();
  QVERIFY(QTest::qWaitForWindowExposed(&owner));
  auto* placement = new PlainPlacement(owner);
  auto* about = new AboutWindow(*placement);
  QCOMPARE(about->parentWidget(), &owner);
  QVERIFY(about->actions().contains(find));
  about->showBeside();
  QVERIFY(QTest::qWaitForWindowExposed(about));
  QVERIFY(!about->frameGeometry().intersects(owner.frameGeometry()));
  const qreal plain = about->font().pointSizeF();
  placement->setZoom(150);
  QCOMPARE(about->font().pointSizeF(), 1.5 * plain);
}

QTEST_MAIN(TestSideWindow)
#include "tst_sidewindow.moc"
