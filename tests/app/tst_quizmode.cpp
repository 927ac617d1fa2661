// "Проверь себя": a question from the truth table with the lamps hidden, the guesses set by
// clicks, the check that reveals the levels, and the session's score.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "app/modes/quizmode.h"
#include "app/panel/inputbuttonview.h"
#include "app/panel/panelactions.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

QRect PlaceOf(const Indicator& ind) {
  return QRect(ind.left, ind.top, 24, 24);
}

QImage Card(LampCard card) {
  return ResourceImage(std::string(CardPictureName(card))).convertToFormat(QImage::Format_RGB32);
}

/// What the window shows at the indicator `name` of scheme n.
QImage Shown(ShownMainWindow& shown, int n, const std::string& name) {
  return ShownSchemeArea(shown.window).copy(PlaceOf(shown.set.scheme(n).At(name)));
}

void Click(ShownMainWindow& shown, int n, const std::string& name,
           Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(shown.panel(n)->findChild<QWidget*>(QString::fromStdString(name)), button);
}

QString LabelText(ShownMainWindow& shown) {
  auto* label = shown.window.findChild<QLabel*>(QStringLiteral("lblQuiz"));
  return label != nullptr && label->isVisible() ? label->text() : QString();
}

std::vector<std::string> Outputs(const Scheme& scheme) {
  std::vector<std::string> names;
  for (const Indicator& ind : scheme.indicators()) {
    if (ind.role == Role::kOutput) names.push_back(ind.name);
  }
  return names;
}

// Clicks the lamp until it shows the guess `level`.
void GuessOn(ShownMainWindow& shown, int n, const std::string& name, int level) {
  Click(shown, n, name);
  if (level == 1) Click(shown, n, name);
}

}  // namespace

class TestQuizMode : public MainWindowTest {
  Q_OBJECT

 public:
  // A fresh window for each way of switching off.
  TestQuizMode() : MainWindowTest({"switchingOffShowsThePlainPanel"}) {}

 private slots:
  void questionHidesTheOutputs_data();
  void questionHidesTheOutputs();
  void clicksCycleTheGuess();
  void enterRevealsAndScores();
  void harderLevelHidesTheInnerLamps();
  void pressMakesTheQuestionAboutItsInputs();
  void switchingOffShowsThePlainPanel();
  void changeOfSchemeAsksThere();
  void screenReadersHearNoHiddenLevel();
};

void TestQuizMode::questionHidesTheOutputs_data() {
  QTest::addColumn<int>("scheme");
  for (int n : {1, 4, 6, 9, 10, 13, 15}) QTest::addRow("scheme %d", n) << n;
}

// Switched on, the quiz sets a row of the truth table other than the one shown; the outputs show
// the question mark, everything else its level; the label says what to do.
void TestQuizMode::questionHidesTheOutputs() {
  QFETCH(int, scheme);
  shown().choose(scheme);
  Scheme& model = shown().set.scheme(scheme);
  const TruthTable table = ComputeTruthTable(scheme);
  const int before = RowOf(table, model);

  shown().action(PanelAction::kQuiz)->trigger();
  const int row = RowOf(table, model);
  QVERIFY(row >= 0);
  QVERIFY(row != before);
  const QImage area = ShownSchemeArea(shown().window);
  const QImage levels = ExpectedPanel(model);
  for (const Indicator& ind : model.indicators()) {
    const QImage want =
        ind.role == Role::kOutput ? Card(LampCard::kHidden) : levels.copy(PlaceOf(ind));
    QVERIFY2(area.copy(PlaceOf(ind)) == want, ind.name.c_str());
  }
  QVERIFY2(LabelText(shown()).contains(QStringLiteral("Enter")), qPrintable(LabelText(shown())));
  QVERIFY(shown().action(PanelAction::kCheckAnswers)->isEnabled());
}

// A left click sets a guess of 0, then changes it between 1 and 0; a click on a lamp that is not
// hidden, or a right click, changes nothing.
void TestQuizMode::clicksCycleTheGuess() {
  shown().choose(6);
  shown().action(PanelAction::kQuiz)->trigger();
  const LampCard cycle[] = {LampCard::kGuess0, LampCard::kGuess1, LampCard::kGuess0};
  for (LampCard card : cycle) {
    Click(shown(), 6, "OUT05");
    QCOMPARE(Shown(shown(), 6, "OUT05"), Card(card));
  }
  const QImage bus = Shown(shown(), 6, "BUS01");
  Click(shown(), 6, "BUS01");
  QCOMPARE(Shown(shown(), 6, "BUS01"), bus);
  Click(shown(), 6, "OUT03", Qt::RightButton);
  CloseMenu();
  QCOMPARE(Shown(shown(), 6, "OUT03"), Card(LampCard::kHidden));
}

// Enter reveals every hidden lamp's level, marked right or wrong, and scores the lamps: a lamp
// without a guess is wrong. Ctrl+N asks again; the score runs on.
void TestQuizMode::enterRevealsAndScores() {
  QVERIFY(shown().activate());
  shown().choose(6);
  QTest::keyClick(&shown().window, Qt::Key_F9);
  Scheme& model = shown().set.scheme(6);
  const std::vector<std::string> outputs = Outputs(model);
  QCOMPARE(outputs.size(), size_t(8));

  // Five right, two wrong, one left without a guess.
  std::map<std::string, LampCard> expected;
  for (size_t i = 0; i < outputs.size(); ++i) {
    const int level = model.At(outputs[i]).Tag;
    const bool right = i < 5;
    if (i < 7) GuessOn(shown(), 6, outputs[i], right ? level : level ^ 1);
    expected[outputs[i]] = right ? (level ? LampCard::kRight1 : LampCard::kRight0)
                                 : (level ? LampCard::kWrong1 : LampCard::kWrong0);
  }
  QTest::keyClick(&shown().window, Qt::Key_Return);
  for (const auto& [name, card] : expected) {
    QVERIFY2(Shown(shown(), 6, name) == Card(card), name.c_str());
  }
  QVERIFY2(LabelText(shown()).contains(QStringLiteral("верно 5 из 8")),
           qPrintable(LabelText(shown())));
  QVERIFY(!shown().action(PanelAction::kCheckAnswers)->isEnabled());
  Click(shown(), 6, outputs[0]);
  QCOMPARE(Shown(shown(), 6, outputs[0]), Card(expected[outputs[0]]));  // no guess after the check

  QTest::keyClick(&shown().window, Qt::Key_N, Qt::ControlModifier);
  for (const std::string& name : outputs) {
    QVERIFY2(Shown(shown(), 6, name) == Card(LampCard::kHidden), name.c_str());
  }
  for (const std::string& name : outputs) GuessOn(shown(), 6, name, model.At(name).Tag);
  QTest::keyClick(&shown().window, Qt::Key_Return);
  QVERIFY2(LabelText(shown()).contains(QStringLiteral("верно 13 из 16")),
           qPrintable(LabelText(shown())));
}

void TestQuizMode::harderLevelHidesTheInnerLamps() {
  shown().choose(8);
  shown().action(PanelAction::kHarder)->trigger();
  shown().action(PanelAction::kQuiz)->trigger();
  Scheme& model = shown().set.scheme(8);
  const QImage area = ShownSchemeArea(shown().window);
  const QImage levels = ExpectedPanel(model);
  for (const Indicator& ind : model.indicators()) {
    const QImage want = ind.is_button ? levels.copy(PlaceOf(ind)) : Card(LampCard::kHidden);
    QVERIFY2(area.copy(PlaceOf(ind)) == want, ind.name.c_str());
  }
  Click(shown(), 8, "AND0102");
  QCOMPARE(Shown(shown(), 8, "AND0102"), Card(LampCard::kGuess0));
}

// A press in the quiz goes to the model; the question is then about the inputs it set.
void TestQuizMode::pressMakesTheQuestionAboutItsInputs() {
  shown().choose(6);
  shown().action(PanelAction::kQuiz)->trigger();
  Scheme& model = shown().set.scheme(6);
  Click(shown(), 6, "OUT00");
  const int32_t x0 = model.At("IN00").Tag;
  shown().panel(6)->findChild<InputButtonView*>(QStringLiteral("IN00"))->click();
  QCOMPARE(model.At("IN00").Tag, x0 ^ 1);
  QCOMPARE(Shown(shown(), 6, "OUT00"), Card(LampCard::kHidden));
  QCOMPARE(Shown(shown(), 6, "IN00"), ExpectedPanel(model).copy(PlaceOf(model.At("IN00"))));
}

// The quiz switched off, or the step mode on, shows the panel as the model holds it.
void TestQuizMode::switchingOffShowsThePlainPanel() {
  for (PanelAction off : {PanelAction::kQuiz, PanelAction::kStepByStep}) {
    ShownMainWindow shown;
    QVERIFY(shown.exposed);
    shown.choose(6);
    shown.action(PanelAction::kQuiz)->trigger();
    Click(shown, 6, "OUT02");
    shown.action(off)->trigger();
    QVERIFY(!shown.action(PanelAction::kQuiz)->isChecked());
    QTRY_COMPARE(ShownSchemeArea(shown.window), ExpectedPanel(shown.set.scheme(6)));
    QCOMPARE(LabelText(shown), QString());
    QVERIFY(!shown.action(PanelAction::kCheckAnswers)->isEnabled());
  }
}

void TestQuizMode::changeOfSchemeAsksThere() {
  shown().action(PanelAction::kQuiz)->trigger();
  QCOMPARE(Shown(shown(), 1, "OUT00"), Card(LampCard::kHidden));
  shown().choose(12);
  QCOMPARE(shown().panel(1)->overlay(), nullptr);
  for (const std::string& name : Outputs(shown().set.scheme(12))) {
    QVERIFY2(Shown(shown(), 12, name) == Card(LampCard::kHidden), name.c_str());
  }
  QVERIFY(!LabelText(shown()).isEmpty());
}

// What a screen reader hears of a hidden lamp is "?", never the level the student is to guess;
// the check reveals it there too, and the lamps not hidden keep their levels throughout.
void TestQuizMode::screenReadersHearNoHiddenLevel() {
  shown().choose(6);
  shown().action(PanelAction::kQuiz)->trigger();
  Scheme& model = shown().set.scheme(6);
  const auto spoken = [&](const std::string& name) {
    QWidget* view = shown().panel(6)->findChild<QWidget*>(QString::fromStdString(name));
    QAccessibleInterface* lamp = QAccessible::queryAccessibleInterface(view);
    return lamp->text(QAccessible::Name) + QLatin1Char('|') + lamp->text(QAccessible::Value);
  };
  const auto level = [&](const std::string& name) { return QString::number(model.At(name).Tag); };
  QVERIFY2(spoken("BUS01").endsWith(level("BUS01") + QLatin1Char('|') + level("BUS01")),
           qPrintable(spoken("BUS01")));
  for (const std::string& name : Outputs(model)) {
    QVERIFY2(spoken(name).endsWith(QStringLiteral(", ?|?")), qPrintable(spoken(name)));
    GuessOn(shown(), 6, name, 1);
    QVERIFY2(spoken(name).endsWith(QStringLiteral(", ?|?")), qPrintable(spoken(name)));
  }
  shown().action(PanelAction::kCheckAnswers)->trigger();
  for (const std::string& name : Outputs(model)) {
    const QString want = QStringLiteral(", %1|%1").arg(level(name));
    QVERIFY2(spoken(name).endsWith(want), qPrintable(spoken(name)));
  }
}

QTEST_MAIN(TestQuizMode)
#include "tst_quizmode.moc"
