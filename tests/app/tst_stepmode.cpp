// "Пошагово": a press changes the model at once, the panel follows stage by stage and ends as the
// model holds it; a new press, a change of scheme or the mode's end first finishes a replay.

#include <QLabel>
#include <QTest>
#include <algorithm>

#include "app/modes/stepmode.h"
#include "app/panel/inputbuttonview.h"
#include "app/panel/panelactions.h"
#include "app/panel/panelpainter.h"
#include "app/shell/window_layout.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

StepMode& StepOf(ShownMainWindow& shown) {
  return *shown.window.findChild<StepMode*>();
}

void Press(ShownMainWindow& shown, int n, const QString& button) {
  shown.panel(n)->findChild<InputButtonView*>(button)->click();
}

/// Scheme n in a model of its own, selected, then `buttons` pressed.
struct PressedModel {
  PressedModel(int n, const QStringList& buttons) : scheme(set.scheme(n)) {
    HeadlessHost host;
    kSchemeTable[n - 1].build(scheme);
    SelectScheme(set, host, static_cast<uint8_t>(n));
    for (const QString& button : buttons) {
      kSchemeTable[n - 1].press(scheme, scheme.At(button.toStdString()));
    }
  }
  SchemeSet set;
  Scheme& scheme;
};

// The scheme area as it must look once scheme n, just selected, has had `buttons` pressed.
QImage ExpectedAfter(int n, const QStringList& buttons) {
  return ExpectedPanel(PressedModel(n, buttons).scheme);
}

// Scheme 8 shown, "Пошагово" on, X3 pressed and its replay `stages` stages on.
void ReplayOnScheme8(ShownMainWindow& shown, int stages) {
  shown.choose(8);
  shown.action(PanelAction::kStepByStep)->trigger();
  Press(shown, 8, QStringLiteral("IN03"));
  for (int i = 0; i < stages; ++i) shown.action(PanelAction::kNextStage)->trigger();
}

// The step line under the panel, or null while none shows.
QLabel* Line(ShownMainWindow& shown) {
  auto* line = shown.window.findChild<QLabel*>(QStringLiteral("lblStep"));
  return line != nullptr && line->isVisible() ? line : nullptr;
}

QImage Area(const QImage& image, const QRect& rect) {
  return image.copy(rect);
}

}  // namespace

class TestStepMode : public MainWindowTest {
  Q_OBJECT

 public:
  // A fresh window for each way of switching off.
  TestStepMode() : MainWindowTest({"switchingOffShowsTheModel"}) {}

 private slots:
  void pressTravelsStageByStage_data();
  void pressTravelsStageByStage();
  void stagesAdvanceOnTheirOwn();
  void speedKeys();
  void changeOfSchemeFinishesTheReplay();
  void switchingOffShowsTheModel();
  void startedPlainlyAPressShowsAtOnce();
  void lineShowsOnlyInTheMode();
  void pauseHoldsTheStages();
};

void TestStepMode::pressTravelsStageByStage_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("stages");
  // The stages of every scheme's presses are the session's (tests/session); here the window
  // shows them.
  QTest::newRow("scheme 8, X3") << 8 << "IN03" << 19;
}

// First the panel as it was; then at each F6 one more stage: the stage's indicators take their
// new pictures inside a marker and those of later stages keep their old ones; at the end the
// panel as the model holds it, with no marker.
void TestStepMode::pressTravelsStageByStage() {
  QFETCH(int, scheme);
  QFETCH(QString, button);
  QFETCH(int, stages);

  QVERIFY(shown().activate());
  shown().choose(scheme);
  QTest::keyClick(&shown().window, Qt::Key_F5);
  QVERIFY(shown().action(PanelAction::kStepByStep)->isChecked());
  Scheme& model = shown().set.scheme(scheme);
  const QImage before = ShownSchemeArea(shown().window);
  const QImage after = ExpectedAfter(scheme, {button});

  Press(shown(), scheme, button);
  QCOMPARE(Cells(model), Cells(PressedModel(scheme, {button}).scheme));  // changed at once
  QVERIFY(StepOf(shown()).replaying());
  QCOMPARE(ShownSchemeArea(shown().window), before);

  QList<QImage> pictures = {before};
  int stage = 0;
  while (StepOf(shown()).replaying()) {
    QTest::keyClick(&shown().window, Qt::Key_F6);
    const QImage now = ShownSchemeArea(shown().window);
    QVERIFY2(now != pictures.back(), qPrintable(QStringLiteral("stage %1").arg(stage + 1)));
    pictures << now;
    if (!StepOf(shown()).replaying()) break;
    ++stage;
    // Each indicator of this stage is marked and shows its new picture; each of the next stage
    // still shows its old one.
    const PanelOverlay* overlay = shown().panel(scheme)->overlay();
    // Those whose level changed in a full marker, those redrawn unchanged in a faint one.
    QVERIFY(overlay != nullptr);
    QVERIFY(!overlay->marked.empty() || !overlay->faint.empty());
    for (const auto& [marked, colour] : {std::pair(&overlay->marked, kMarkerColour),
                                         std::pair(&overlay->faint, kFaintMarkerColour)}) {
      for (uint16_t i : *marked) {
        const Indicator& ind = model.indicators()[i];
        const QRect place(ind.left, ind.top, 24, 24);
        QCOMPARE(Area(now, place.adjusted(2, 2, -2, -2)),
                 Area(after, place.adjusted(2, 2, -2, -2)));
        QCOMPARE(QColor(now.pixel(ind.left - 1, ind.top - 1)),
                 QColor(colour.red, colour.green, colour.blue));
        QVERIFY2((Area(before, place) != Area(after, place)) == (marked == &overlay->marked),
                 ind.name.c_str());
      }
    }
    QVERIFY(Line(shown()) != nullptr);
    QVERIFY2(
        Line(shown())->text().startsWith(QStringLiteral("Шаг %1 из %2").arg(stage).arg(stages)),
        qPrintable(Line(shown())->text()));
    for (size_t i = 0; i < model.indicators().size(); ++i) {
      if (overlay->pictures.at(i) == nullptr) continue;
      const Indicator& ind = model.indicators()[i];
      const QRect place(ind.left, ind.top, 24, 24);
      QCOMPARE(Area(now, place), Area(before, place));
    }
  }
  QCOMPARE(stage, stages);
  QCOMPARE(pictures.back(), after);
  QCOMPARE(pictures.back(), PanelImage(shown().shown(scheme)));
  QCOMPARE(shown().panel(scheme)->overlay(), nullptr);
}

// Without F6 the stages come every 250 ms, faster after F8.
void TestStepMode::stagesAdvanceOnTheirOwn() {
  shown().choose(8);
  shown().action(PanelAction::kStepByStep)->trigger();
  QCOMPARE(StepOf(shown()).interval(), 250);
  for (int i = 0; i < 3; ++i) shown().action(PanelAction::kFaster)->trigger();
  Press(shown(), 8, QStringLiteral("IN03"));
  QImage last = ShownSchemeArea(shown().window);
  int changes = 0;
  while (StepOf(shown()).replaying() && changes < 40) {
    QTRY_VERIFY_WITH_TIMEOUT(ShownSchemeArea(shown().window) != last, 2000);
    last = ShownSchemeArea(shown().window);
    ++changes;
  }
  QVERIFY2(changes >= 3, qPrintable(QString::number(changes)));
  QTRY_VERIFY(!StepOf(shown()).replaying());
  QCOMPARE(ShownSchemeArea(shown().window), ExpectedAfter(8, {QStringLiteral("IN03")}));
}

void TestStepMode::speedKeys() {
  QVERIFY(shown().activate());
  QAction* slower = shown().action(PanelAction::kSlower);
  QVERIFY(!slower->isEnabled());  // only while the mode is on
  QTest::keyClick(&shown().window, Qt::Key_F5);
  QVERIFY(slower->isEnabled());
  StepMode& step = StepOf(shown());
  const int first = step.interval();
  QTest::keyClick(&shown().window, Qt::Key_F7);
  QVERIFY(step.interval() > first);
  QTest::keyClick(&shown().window, Qt::Key_F8);
  QTest::keyClick(&shown().window, Qt::Key_F8);
  QVERIFY(step.interval() < first);
  for (int i = 0; i < 10; ++i) QTest::keyClick(&shown().window, Qt::Key_F8);
  QVERIFY(step.interval() >= 50);
  for (int i = 0; i < 10; ++i) QTest::keyClick(&shown().window, Qt::Key_F7);
  QVERIFY(step.interval() <= 2000);
}

void TestStepMode::changeOfSchemeFinishesTheReplay() {
  ReplayOnScheme8(shown(), 1);
  shown().choose(3);
  QVERIFY(!StepOf(shown()).replaying());
  QCOMPARE(shown().panel(8)->overlay(), nullptr);
  QCOMPARE(PanelImage(shown().shown(8)), ExpectedPanel(shown().set.scheme(8)));
  QTRY_COMPARE(ShownSchemeArea(shown().window), ExpectedAfter(3, {}));
}

// Switching the mode off, or the quiz on, during a replay shows the model at once.
void TestStepMode::switchingOffShowsTheModel() {
  for (PanelAction off : {PanelAction::kStepByStep, PanelAction::kQuiz}) {
    ShownMainWindow shown;
    QVERIFY(shown.exposed);
    ReplayOnScheme8(shown, 1);
    shown.action(off)->trigger();
    QVERIFY(!shown.action(PanelAction::kStepByStep)->isChecked());
    QVERIFY(!StepOf(shown).replaying());
    if (off == PanelAction::kStepByStep) {
      QTRY_COMPARE(ShownSchemeArea(shown.window), ExpectedAfter(8, {QStringLiteral("IN03")}));
      Press(shown, 8, QStringLiteral("IN02"));
      QVERIFY(!StepOf(shown).replaying());
    }
  }
}

void TestStepMode::startedPlainlyAPressShowsAtOnce() {
  shown().choose(8);
  QVERIFY(!shown().action(PanelAction::kStepByStep)->isChecked());
  Press(shown(), 8, QStringLiteral("IN03"));
  QVERIFY(!StepOf(shown()).replaying());
  QCOMPARE(shown().panel(8)->overlay(), nullptr);
  QTRY_COMPARE(ShownSchemeArea(shown().window), ExpectedAfter(8, {QStringLiteral("IN03")}));
}

// The step line shows only while the mode is on, in a strip the window adds under the panel, as
// high as its words need wrapped to the window's width (the Russian keys take two rows): the
// stage, the speed and the keys; F7 and F8 change the speed it names.
void TestStepMode::lineShowsOnlyInTheMode() {
  shown().choose(8);
  QCOMPARE(Line(shown()), nullptr);
  QCOMPARE(shown().window.size(), QSize(kWindowWidth, kWindowHeight));
  shown().action(PanelAction::kStepByStep)->trigger();
  QVERIFY(Line(shown()) != nullptr);
  const int lineHeight = std::max(kStepLineHeight, Line(shown())->heightForWidth(kWindowWidth));
  QCOMPARE(shown().window.size(), QSize(kWindowWidth, kWindowHeight + lineHeight));
  QCOMPARE(Line(shown())->geometry(), QRect(0, kWindowHeight, kWindowWidth, lineHeight));
  QVERIFY(Line(shown())->wordWrap());
  for (const QString& words : {QStringLiteral("250 мс"), QStringLiteral("F6"), QStringLiteral("F7"),
                               QStringLiteral("F8"), QStringLiteral("F5")}) {
    QVERIFY2(Line(shown())->text().contains(words), qPrintable(words));
  }
  shown().action(PanelAction::kSlower)->trigger();
  QVERIFY(Line(shown())->text().contains(QStringLiteral("500 мс")));
  shown().action(PanelAction::kFaster)->trigger();
  shown().choose(3);
  Press(shown(), 3, QStringLiteral("IN05"));  // the panel as before the press: no stage yet
  QVERIFY2(Line(shown())->text().startsWith(QStringLiteral("Шаг 0 из 7")),
           qPrintable(Line(shown())->text()));
  shown().action(PanelAction::kStepByStep)->trigger();
  QCOMPARE(Line(shown()), nullptr);
  QCOMPARE(shown().window.size(), QSize(kWindowWidth, kWindowHeight));
  QCOMPARE(ShownSchemeArea(shown().window), PanelImage(shown().shown(3)));
}

// The Pause key holds the stages: the timer shows none, F6 still shows the next one, and the line
// says so; Pause again lets them come; the mode's end lets the pause go.
void TestStepMode::pauseHoldsTheStages() {
  QVERIFY(shown().activate());
  shown().choose(8);
  QTest::keyClick(&shown().window, Qt::Key_F5);
  QTest::keyClick(&shown().window, Qt::Key_Pause);
  QVERIFY(StepOf(shown()).paused());
  for (int i = 0; i < 10; ++i) QTest::keyClick(&shown().window, Qt::Key_F8);  // 60 ms
  Press(shown(), 8, QStringLiteral("IN03"));
  // No wait for a stage that must not come: paused, no timer waits to bring one.
  QVERIFY(!StepOf(shown()).waiting());
  QVERIFY(Line(shown())->text().startsWith(QStringLiteral("Шаг 0 из 19")));
  QVERIFY(Line(shown())->text().contains(QStringLiteral("Пауза")));
  QTest::keyClick(&shown().window, Qt::Key_F6);
  QVERIFY(!StepOf(shown()).waiting());
  QVERIFY2(Line(shown())->text().startsWith(QStringLiteral("Шаг 1 из 19")),
           qPrintable(Line(shown())->text()));
  QTest::keyClick(&shown().window, Qt::Key_Pause);
  QVERIFY(!StepOf(shown()).paused());
  QVERIFY(StepOf(shown()).waiting());
  QTRY_VERIFY(!StepOf(shown()).replaying());
  QVERIFY(!StepOf(shown()).waiting());
  QTest::keyClick(&shown().window, Qt::Key_Pause);
  QTest::keyClick(&shown().window, Qt::Key_F5);
  QVERIFY(!StepOf(shown()).paused());
  QVERIFY(!shown().action(PanelAction::kPauseSteps)->isChecked());
}

QTEST_MAIN(TestStepMode)
#include "tst_stepmode.moc"
