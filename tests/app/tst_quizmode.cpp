// "Проверь себя": a question from the truth table with the lamps hidden, the guesses set by
// clicks, the check that reveals the levels, and the session's score.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "app/modes/quizmode.h"
#include "app/panel/focusframe.h"
#include "app/panel/inputbuttonview.h"
#include "app/panel/panelactions.h"
#include "app/panel/schemepanel.h"
#include "session/standalone_session.h"
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
  void keyboardAnswersAndChecks();
  void enterInTheListChecksOnlyAGuessedQuestion();
  void seededQuizAsksAsTheHeadlessSession();
};

void TestQuizMode::questionHidesTheOutputs_data() {
  QTest::addColumn<int>("scheme");
  // Which lamps each scheme's questions hide is the session's (tests/session); here the window
  // shows them, on a one-hot scheme and on scheme 10.
  for (int n : {1, 10}) QTest::addRow("scheme %d", n) << n;
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
  const QuizQuestion& question = *shown().window.findChild<QuizMode*>()->question();
  for (const Indicator& ind : model.indicators()) {
    const uint16_t i = IndexIn(model, ind);
    const bool masked = std::ranges::find(question.masked(), i) != question.masked().end();
    QCOMPARE(question.IsHidden(i), ind.role == Role::kOutput);
    QVERIFY2(!masked || ind.role == Role::kGateInput, ind.name.c_str());
    const QImage want = question.IsHidden(i) ? Card(LampCard::kHidden)
                        : masked             ? Card(LampCard::kMasked)
                                             : levels.copy(PlaceOf(ind));
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
    const LampCard wrong = i < 7 ? (level ? LampCard::kWrong1 : LampCard::kWrong0)
                                 : (level ? LampCard::kMissed1 : LampCard::kMissed0);
    expected[outputs[i]] = right ? (level ? LampCard::kRight1 : LampCard::kRight0) : wrong;
  }
  QTest::keyClick(&shown().window, Qt::Key_Return);
  for (const auto& [name, card] : expected) {
    QVERIFY2(Shown(shown(), 6, name) == Card(card), name.c_str());
  }
  const QImage levels = ExpectedPanel(model);  // the masked gate inputs show their levels now
  for (const Indicator& ind : model.indicators()) {
    if (ind.role == Role::kGateInput) {
      QVERIFY2(Shown(shown(), 6, ind.name) == levels.copy(PlaceOf(ind)), ind.name.c_str());
    }
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
  // The lamps of X3 … X0 (the odd bus lines) and the gate inputs they feed stay readable or are
  // masked; the inverters' outputs, the gate inputs they feed and the outputs are asked.
  const QuizQuestion& question = *shown().window.findChild<QuizMode*>()->question();
  for (const Indicator& ind : model.indicators()) {
    const uint16_t i = IndexIn(model, ind);
    const bool masked = std::ranges::find(question.masked(), i) != question.masked().end();
    const QImage want = question.IsHidden(i) ? Card(LampCard::kHidden)
                        : masked             ? Card(LampCard::kMasked)
                                             : levels.copy(PlaceOf(ind));
    QVERIFY2(area.copy(PlaceOf(ind)) == want, ind.name.c_str());
  }
  for (const char* own : {"BUS01", "BUS03", "BUS05", "BUS07"}) {
    QVERIFY2(!question.IsHidden(IndexIn(model, model.At(own))), own);
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
  QVERIFY2(spoken("AND0000").endsWith(QStringLiteral(", ?|?")), qPrintable(spoken("AND0000")));
  for (const std::string& name : Outputs(model)) {
    QVERIFY2(spoken(name).endsWith(QStringLiteral(", ?|?")), qPrintable(spoken(name)));
    GuessOn(shown(), 6, name, 1);
    QVERIFY2(spoken(name).endsWith(QStringLiteral(", ответ 1|?")), qPrintable(spoken(name)));
  }
  shown().action(PanelAction::kCheckAnswers)->trigger();
  for (const std::string& name : Outputs(model)) {
    const QString want = model.At(name).Tag == 1 ? QStringLiteral(", 1, верно|1")
                                                 : QStringLiteral(", 0, неверно, ответ 1|0");
    QVERIFY2(spoken(name).endsWith(want), qPrintable(spoken(name)));
  }
  QVERIFY2(spoken("AND0000").endsWith(level("AND0000") + QLatin1Char('|') + level("AND0000")),
           qPrintable(spoken("AND0000")));
}

// From the keyboard: Tab leads from the last input button to the first hidden lamp, which takes the
// focus frame; the arrows move among the hidden lamps; Space cycles the focused lamp's guess, and
// Return checks. The masked lamps never take the focus; the quiz's end lets no lamp keep it.
void TestQuizMode::keyboardAnswersAndChecks() {
  QVERIFY(shown().activate());
  shown().choose(1);
  shown().action(PanelAction::kQuiz)->trigger();
  Scheme& model = shown().set.scheme(1);
  SchemePanel* panel = shown().panel(1);
  const QList<QWidget*> order = panel->tabOrder();
  QCOMPARE(order.size(), qsizetype(8 + 3));  // Y0 … Y7, then X2, X1, X0 as the drawing reads
  QCOMPARE(order[8]->objectName(), QStringLiteral("OUT02"));
  QCOMPARE(order[10]->objectName(), QStringLiteral("OUT00"));
  order[7]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), order[8]);
  auto* frame = panel->findChild<FocusFrame*>();
  QVERIFY(frame != nullptr && frame->isVisible());
  QVERIFY(frame->geometry().contains(order[8]->geometry()));

  QTest::keyClick(order[8], Qt::Key_Space);
  QCOMPARE(Shown(shown(), 1, "OUT02"), Card(LampCard::kGuess0));
  QTest::keyClick(order[8], Qt::Key_Down);
  QCOMPARE(QApplication::focusWidget(), order[9]);
  QTest::keyClick(order[9], Qt::Key_Space);
  QTest::keyClick(order[9], Qt::Key_Space);
  QCOMPARE(Shown(shown(), 1, "OUT01"), Card(LampCard::kGuess1));
  QAccessibleInterface* lamp = QAccessible::queryAccessibleInterface(order[9]);
  QVERIFY2(lamp->text(QAccessible::Name).endsWith(QStringLiteral("X1, выход, ответ 1")),
           qPrintable(lamp->text(QAccessible::Name)));
  QCOMPARE(panel->findChild<QWidget*>(QStringLiteral("OR0000"))->focusPolicy(), Qt::NoFocus);

  QTest::keyClick(order[9], Qt::Key_Return);
  QVERIFY(shown().window.findChild<QuizMode*>()->question()->checked());
  const int x1 = model.At("OUT01").Tag;
  QCOMPARE(Shown(shown(), 1, "OUT01"), Card(x1 == 1 ? LampCard::kRight1 : LampCard::kWrong0));

  shown().action(PanelAction::kQuiz)->trigger();
  QCOMPARE(panel->tabOrder().size(), qsizetype(8));
  QVERIFY(!order[9]->hasFocus());
}

// A scheme chosen in the list by the keyboard gets a new question; Enter there is the list's and
// checks nothing. Lamps guessed with the mouse while the list keeps the focus: Enter checks.
void TestQuizMode::enterInTheListChecksOnlyAGuessedQuestion() {
  QVERIFY(shown().activate());
  shown().action(PanelAction::kQuiz)->trigger();
  auto* list = shown().window.findChild<QComboBox*>(QStringLiteral("cbxSelect"));
  list->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(list->currentIndex(), 1);
  auto* quiz = shown().window.findChild<QuizMode*>();
  QVERIFY(quiz->questionOpen());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(quiz->questionOpen());
  QCOMPARE(quiz->score().checked, 0);

  GuessOn(shown(), 2, Outputs(shown().set.scheme(2)).front(), 1);
  QVERIFY(list->isAncestorOf(QApplication::focusWidget()) || list->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(!quiz->questionOpen());
}

// The window's quiz over a seeded session asks the rows, shows the cards and keeps the score of
// the page's session with that seed, driven alike: the keys and clicks of the window, the calls
// of the page.
void TestQuizMode::seededQuizAsksAsTheHeadlessSession() {
  QVERIFY(shown().activate());
  QAction* quiz = shown().action(PanelAction::kQuiz);
  if (quiz->isChecked()) quiz->trigger();  // the score starts afresh with the quiz
  shown().choose(6);
  shown().window.session().Seed(7);
  StandaloneSession page(7);
  QVERIFY(page.Select(6, {}));
  Session& headless = page.session();

  quiz->trigger();
  headless.SetMode(SessionMode::kQuiz);
  Scheme& model = shown().set.scheme(6);
  const TruthTable table = ComputeTruthTable(6);
  const std::vector<std::string> outputs = Outputs(model);
  for (int question = 0; question < 6; ++question) {
    QCOMPARE(RowOf(table, model), RowOf(table, headless.scheme()));
    const std::string& lamp = outputs[static_cast<size_t>(question) % outputs.size()];
    GuessOn(shown(), 6, lamp, 1);
    headless.Guess(IndexIn(headless.scheme(), headless.scheme().At(lamp)));
    headless.Guess(IndexIn(headless.scheme(), headless.scheme().At(lamp)));
    QTest::keyClick(&shown().window, Qt::Key_Return);
    headless.Check();
    for (const std::string& name : outputs) {
      const LampCard card = headless.question()->CardOf(IndexIn(model, model.At(name)));
      QVERIFY2(Shown(shown(), 6, name) == Card(card), name.c_str());
    }
    QCOMPARE(shown().window.findChild<QuizMode*>()->score().right, headless.score().right);
    QTest::keyClick(&shown().window, Qt::Key_N, Qt::ControlModifier);
    headless.Ask();
  }
  QCOMPARE(shown().window.findChild<QuizMode*>()->score().checked, 6 * 8);
  quiz->trigger();
}

QTEST_MAIN(TestQuizMode)
#include "tst_quizmode.moc"
