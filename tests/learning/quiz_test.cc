// "Проверь себя" without a window: questions drawn from the truth tables, the lamps they hide,
// and the checking of the guesses.

#include "learning/quiz.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "render/loaders.h"
#include "render/resources.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::BuiltSchemes;

// Each scheme's truth table, worked out once for the whole test program.
const TruthTable& TableOf(int n) {
  static std::map<int, TruthTable> tables;
  auto found = tables.find(n);
  if (found == tables.end()) found = tables.emplace(n, ComputeTruthTable(n)).first;
  return found->second;
}

class EverySchemeQuizTest : public ::testing::TestWithParam<int> {};

// Every row (every seventh of the large tables) posed through the press: the buttons hold the
// row's inputs, the outputs its outputs, and the scheme is found in that row.
TEST_P(EverySchemeQuizTest, PosedRowsAreTheTruthTablesRows) {
  const int n = GetParam();
  const TruthTable& table = TableOf(n);
  BuiltSchemes built;
  Scheme& s = built.Select(n);
  const size_t stride = table.rows.size() > 64 ? 7 : 1;
  for (size_t r = 0; r < table.rows.size(); r += stride) {
    PoseRow(s, kSchemeTable[n - 1].press, table, r);
    std::vector<int> row;
    for (const std::vector<std::string>* names : {&table.inputs, &table.outputs}) {
      for (const std::string& name : *names) row.push_back(s.At(name).Tag);
    }
    EXPECT_EQ(row, table.rows[r]) << "scheme " << n << " row " << r;
    EXPECT_EQ(RowOf(table, s), static_cast<int>(r)) << "scheme " << n << " row " << r;
  }
}

// The outputs are hidden at either level, the inner lamps at the harder one, buttons never.
TEST_P(EverySchemeQuizTest, LevelsHideTheirLamps) {
  const int n = GetParam();
  BuiltSchemes built;
  const Scheme& s = built.Select(n);
  const QuizQuestion outputs(s, QuizLevel::kOutputs);
  const QuizQuestion inner(s, QuizLevel::kInnerLamps);
  std::set<std::string> output_names, lamp_names;
  for (uint16_t i : outputs.hidden()) output_names.insert(s.indicators()[i].name);
  for (uint16_t i : inner.hidden()) lamp_names.insert(s.indicators()[i].name);
  const std::vector<std::string>& table_outputs = TableOf(n).outputs;
  EXPECT_EQ(output_names, std::set<std::string>(table_outputs.begin(), table_outputs.end()));
  size_t lamps = 0;
  for (const Indicator& ind : s.indicators()) {
    lamps += !ind.is_button;
    EXPECT_EQ(lamp_names.count(ind.name), ind.is_button ? 0u : 1u) << ind.name;
  }
  EXPECT_EQ(inner.hidden().size(), lamps);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, EverySchemeQuizTest, ::testing::Range(1, kSchemeCount + 1));

TEST(DrawRowTest, DrawsEveryRowButTheCurrentOne) {
  std::mt19937 random(13);
  for (int n : {1, 6, 10, 12}) {
    const TruthTable& table = TableOf(n);
    for (int current : {-1, 0, static_cast<int>(table.rows.size()) - 1}) {
      std::set<size_t> drawn;
      for (int i = 0; i < 400; ++i) drawn.insert(DrawRow(table, current, random));
      EXPECT_EQ(drawn.size(), table.rows.size() - (current >= 0 ? 1 : 0))
          << "scheme " << n << " current " << current;
      EXPECT_EQ(drawn.count(static_cast<size_t>(current)), 0u) << "scheme " << n;
    }
  }
  TruthTable single;
  single.rows = {{1, 0}};
  EXPECT_EQ(DrawRow(single, 0, random), 0u);
}

// Scheme 6 (a three-bit decoder) posed in row 5 (X2 X1 X0 = 1 0 1): Y5 alone is 1.
struct Scheme6Question {
  Scheme6Question() : s(built.Select(6)) { PoseRow(s, kSchemeTable[5].press, TableOf(6), 5); }
  uint16_t Index(const std::string& name) const { return IndexIn(s, s.At(name)); }
  // Sets the guess on `name` to `guess` by clicking it.
  void Guess(QuizQuestion& q, const std::string& name, int guess) const {
    ASSERT_TRUE(q.CycleGuess(Index(name)));
    if (guess == 1) {
      ASSERT_TRUE(q.CycleGuess(Index(name)));
    }
  }
  BuiltSchemes built;
  Scheme& s;
};

TEST(QuizQuestionTest, GuessesCycleOnHiddenLampsOnly) {
  Scheme6Question q6;
  QuizQuestion q(q6.s, QuizLevel::kOutputs);
  const uint16_t y5 = q6.Index("OUT05");
  const LampCard expected[] = {LampCard::kHidden, LampCard::kGuess0, LampCard::kGuess1,
                               LampCard::kGuess0};
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(q.CardOf(y5), expected[i]) << "after " << i << " clicks";
    EXPECT_TRUE(q.CycleGuess(y5));
  }
  EXPECT_FALSE(q.CycleGuess(q6.Index("IN00"))) << "a button";
  EXPECT_FALSE(q.CycleGuess(q6.Index("BUS01"))) << "an inner lamp at the easy level";
  EXPECT_FALSE(q.IsHidden(q6.Index("BUS01")));
  EXPECT_TRUE(QuizQuestion(q6.s, QuizLevel::kInnerLamps).IsHidden(q6.Index("BUS01")));
}

TEST(QuizQuestionTest, CheckScoresEachLampAgainstItsLevel) {
  struct Case {
    const char* what;
    std::map<std::string, int> guesses;
    int right;
    std::map<std::string, LampCard> cards;
  };
  const std::map<std::string, int> all_right = {
      {"OUT00", 0}, {"OUT01", 0}, {"OUT02", 0}, {"OUT03", 0},
      {"OUT04", 0}, {"OUT05", 1}, {"OUT06", 0}, {"OUT07", 0},
  };
  std::map<std::string, int> all_wrong;
  for (const auto& [name, level] : all_right) all_wrong[name] = level ^ 1;
  std::map<std::string, int> one_wrong = all_right;
  one_wrong["OUT05"] = 0;
  const Case cases[] = {
      {"every guess right",
       all_right,
       8,
       {{"OUT05", LampCard::kRight1}, {"OUT00", LampCard::kRight0}}},
      {"Y5 guessed 0", one_wrong, 7, {{"OUT05", LampCard::kWrong1}, {"OUT02", LampCard::kRight0}}},
      {"every guess wrong",
       all_wrong,
       0,
       {{"OUT05", LampCard::kWrong1}, {"OUT07", LampCard::kWrong0}}},
      {"no guess at all", {}, 0, {{"OUT05", LampCard::kWrong1}, {"OUT04", LampCard::kWrong0}}},
      {"only Y5, right",
       {{"OUT05", 1}},
       1,
       {{"OUT05", LampCard::kRight1}, {"OUT01", LampCard::kWrong0}}},
  };
  for (const Case& c : cases) {
    Scheme6Question q6;
    QuizQuestion q(q6.s, QuizLevel::kOutputs);
    for (const auto& [name, guess] : c.guesses) q6.Guess(q, name, guess);
    const QuizScore score = q.Check(q6.s);
    EXPECT_EQ(score.right, c.right) << c.what;
    EXPECT_EQ(score.checked, 8) << c.what;
    EXPECT_TRUE(q.checked()) << c.what;
    for (const auto& [name, card] : c.cards) EXPECT_EQ(q.CardOf(q6.Index(name)), card) << c.what;
    EXPECT_FALSE(q.CycleGuess(q6.Index("OUT05"))) << c.what << ": no guess after the check";
    const QuizScore again = q.Check(q6.s);
    EXPECT_EQ(again.checked, 0) << c.what << ": a second check scores nothing";
  }
}

// At the harder level the inner lamps count too, each against its own cell.
TEST(QuizQuestionTest, InnerLampsAreCheckedAgainstTheirCells) {
  Scheme6Question q6;
  QuizQuestion q(q6.s, QuizLevel::kInnerLamps);
  for (uint16_t i : q.hidden()) {
    const int level = q6.s.indicators()[i].Tag;
    ASSERT_TRUE(q.CycleGuess(i));
    if (level == 1) {
      ASSERT_TRUE(q.CycleGuess(i));
    }
  }
  const QuizScore score = q.Check(q6.s);
  EXPECT_EQ(score.right, static_cast<int>(q.hidden().size()));
  EXPECT_EQ(score.checked, static_cast<int>(q.hidden().size()));
}

TEST(QuizScoreTest, AddsUp) {
  QuizScore session;
  session += {3, 4};
  session += {4, 4};
  EXPECT_EQ(session.right, 7);
  EXPECT_EQ(session.checked, 8);
}

TEST(LampCardTest, EveryCardIsAnEmbeddedLampSizedPicture) {
  std::set<std::string_view> names;
  for (size_t c = 0; c < kLampCardCount; ++c) {
    const std::string_view name = CardPictureName(static_cast<LampCard>(c));
    names.insert(name);
    Picture picture;
    EXPECT_NO_THROW(LoadResourcePicture(name, {24, 24, 3}, picture)) << name;
    EXPECT_EQ(picture.width, 24) << name;
  }
  EXPECT_EQ(names.size(), kLampCardCount);
}

}  // namespace
}  // namespace kvir
