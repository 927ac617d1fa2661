// The same seed gives the same quiz in the window and the page: two sessions wired as each front
// end wires them, driven alike, pose the same rows, cover the same lamps and keep the same score.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "learning/truth_table_view.h"
#include "tests/session/session_test_util.h"

namespace kvir {
namespace {

using testing::PageWiring;
using testing::WindowWiring;
using testing::Wiring;

// One line per question: the scheme, the row posed, each covered lamp with its card, the score.
std::string Describe(Session& session) {
  std::string line = std::to_string(session.shown()) + " row " +
                     std::to_string(RowOf(session.table(session.shown()), session.scheme()));
  if (const QuizQuestion* question = session.question()) {
    for (const auto& [lamp, card] : question->Cards()) {
      line += ' ' + std::to_string(lamp) + ':' + std::to_string(static_cast<int>(card));
    }
  }
  return line + " score " + std::to_string(session.score().right) + '/' +
         std::to_string(session.score().checked);
}

// A lesson: the quiz on three schemes, guesses (every other hidden lamp 1), checks, next
// questions, a press and the harder level.
std::vector<std::string> Lesson(Wiring& wiring) {
  Session& session = wiring.session();
  std::vector<std::string> log;
  const auto guess_and_check = [&] {
    const std::vector<uint16_t> hidden = session.question()->hidden();
    for (size_t i = 0; i < hidden.size(); i += 2) session.Guess(hidden[i]);
    for (size_t i = 0; i < hidden.size(); i += 4) session.Guess(hidden[i]);
    log.push_back(Describe(session));
    session.Check();
    log.push_back(Describe(session));
  };
  wiring.Select(1);
  session.SetMode(SessionMode::kQuiz);
  for (int n : {1, 6, 9}) {
    if (n != 1) wiring.Select(n);
    for (int question = 0; question < 5; ++question) {
      guess_and_check();
      session.Ask();
    }
  }
  session.Press("IN00");
  guess_and_check();
  session.SetLevel(QuizLevel::kInnerLamps);
  guess_and_check();
  return log;
}

TEST(SameSeedTest, WindowAndPageAskTheSameQuestionsAndScoreAlike) {
  for (uint32_t seed : {1u, 7u, 20261210u}) {
    WindowWiring window(seed);
    PageWiring page(seed);
    const std::vector<std::string> lesson = Lesson(window);
    EXPECT_EQ(lesson, Lesson(page)) << "seed " << seed;
    EXPECT_GT(window.presses, 0) << "the window's own presses were used";
  }
}

TEST(SameSeedTest, AnotherSeedAsksOtherQuestions) {
  WindowWiring one(1);
  WindowWiring other(2);
  EXPECT_NE(Lesson(one), Lesson(other));
}

// std::mt19937 is defined to the bit, and the rows are drawn from it without a library's
// distribution: these rows of the truth table as the student reads it are the same with every
// standard library (the page's module, built with another, is held to them in binding_test.js).
TEST(SameSeedTest, RowsOfASeedAreTheSameOnEveryMachine) {
  PageWiring page(7);
  Session& session = page.session();
  page.Select(6);
  session.SetMode(SessionMode::kQuiz);
  std::vector<int> rows;
  for (int question = 0; question < 8; ++question) {
    rows.push_back(CurrentRow(StudentView(session.scheme(), session.table(6)), session.scheme()));
    session.Ask();
  }
  EXPECT_EQ(rows, (std::vector<int>{3, 7, 3, 4, 2, 5, 7, 4}));
}

}  // namespace
}  // namespace kvir
