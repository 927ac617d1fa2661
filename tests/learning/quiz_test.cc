// "Проверь себя" without a window: questions drawn from the truth tables, the lamps they hide,
// and the checking of the guesses.

#include "learning/quiz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
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

// Each scheme's quiz lamps, worked out once.
const QuizLamps& LampsOf(int n) {
  static std::map<int, QuizLamps> lamps;
  auto found = lamps.find(n);
  if (found == lamps.end()) found = lamps.emplace(n, QuizLamps(n, TableOf(n))).first;
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

// What each scheme's quiz asks and masks: {asked, masked} at the first level, then at the harder.
struct LevelCounts {
  size_t asked, masked, asked_inner, masked_inner;
};
constexpr LevelCounts kCounts[kSchemeCount] = {
    {3, 12, 3, 12},   {3, 12, 3, 12},  {4, 32, 4, 32},  {4, 36, 8, 32},
    {4, 32, 4, 32},   {8, 24, 23, 12}, {8, 24, 23, 12}, {16, 64, 52, 32},
    {16, 64, 52, 32}, {4, 0, 4, 0},    {8, 0, 8, 0},    {8, 0, 8, 0},
    {16, 0, 16, 0},   {8, 0, 19, 0},   {16, 0, 35, 0},  {16, 0, 34, 0},
};

// Each indicator's level in every row of scheme n's truth table, each row posed on `s`.
std::vector<std::vector<int>> ColumnsOf(Scheme& s, int n) {
  const TruthTable& table = TableOf(n);
  std::vector<std::vector<int>> columns(s.indicators().size());
  for (size_t r = 0; r < table.rows.size(); ++r) {
    PoseRow(s, kSchemeTable[n - 1].press, table, r);
    for (size_t i = 0; i < columns.size(); ++i) columns[i].push_back(s.indicators()[i].Tag);
  }
  return columns;
}

std::vector<int> Complement(std::vector<int> column) {
  for (int& level : column) level ^= 1;
  return column;
}

// At either level: the outputs are asked; each input button's level stays readable on a lamp that
// carries it, and no bus line or chip pin that carries an input is covered; no lamp left in sight
// (other than those repeating an input) carries an asked output's level or its complement in
// every row of the truth table; and the lamps asked and masked are as many as the table says.
TEST_P(EverySchemeQuizTest, NoLevelGivesTheAnswerAway) {
  const int n = GetParam();
  BuiltSchemes built;
  Scheme& s = built.Select(n);
  const std::vector<std::vector<int>> columns = ColumnsOf(s, n);
  const std::span<const Indicator> indicators = s.indicators();
  // A lamp carries an input when it shows the button's level in every row, or its complement
  // where no lamp shows the level itself (an active-low input).
  const auto carries = [&](size_t lamp, uint16_t b) {
    const auto shows = [&](const std::vector<int>& column) {
      for (size_t i = 0; i < indicators.size(); ++i) {
        if (!indicators[i].is_button && columns[i] == column) return true;
      }
      return false;
    };
    return columns[lamp] == columns[b] ||
           (!shows(columns[b]) && columns[lamp] == Complement(columns[b]));
  };
  const auto repeats_input = [&](size_t lamp) {
    return std::ranges::any_of(s.buttons, [&](uint16_t b) { return carries(lamp, b); });
  };
  const QuizLamps& lamps = LampsOf(n);
  for (QuizLevel level : {QuizLevel::kOutputs, QuizLevel::kInnerLamps}) {
    const QuizQuestion q(s, lamps, level);
    const std::set<uint16_t> asked(q.hidden().begin(), q.hidden().end());
    std::set<uint16_t> covered(q.masked().begin(), q.masked().end());
    covered.insert(asked.begin(), asked.end());
    const std::string at =
        "scheme " + std::to_string(n) + " level " + std::to_string(static_cast<int>(level)) + ": ";
    for (const std::string& name : TableOf(n).outputs) {
      EXPECT_TRUE(asked.contains(IndexIn(s, s.At(name)))) << at << name << " asked";
    }
    for (uint16_t b : s.buttons) {
      EXPECT_FALSE(covered.contains(b)) << at << indicators[b].name;
      bool readable = false;
      for (size_t i = 0; i < indicators.size(); ++i) {
        readable |= !indicators[i].is_button && !covered.contains(static_cast<uint16_t>(i)) &&
                    carries(i, b);
      }
      EXPECT_TRUE(readable) << at << indicators[b].name << " has a lamp in sight";
    }
    for (size_t i = 0; i < indicators.size(); ++i) {
      const Indicator& lamp = indicators[i];
      if (lamp.is_button || !repeats_input(i)) continue;
      EXPECT_TRUE(lamp.role == Role::kGateInput || !covered.contains(static_cast<uint16_t>(i)))
          << at << lamp.name << " repeats an input";
    }
    for (size_t i = 0; i < indicators.size(); ++i) {
      if (indicators[i].is_button || covered.contains(static_cast<uint16_t>(i)) ||
          repeats_input(i)) {
        continue;
      }
      for (uint16_t output : asked) {
        if (indicators[output].role != Role::kOutput) continue;
        EXPECT_NE(columns[i], columns[output])
            << at << indicators[i].name << " shows " << indicators[output].name;
        EXPECT_NE(columns[i], Complement(columns[output]))
            << at << indicators[i].name << " shows the complement of " << indicators[output].name;
      }
    }
    const LevelCounts& counts = kCounts[n - 1];
    const bool first = level == QuizLevel::kOutputs;
    EXPECT_EQ(q.hidden().size(), first ? counts.asked : counts.asked_inner) << at << "asked";
    EXPECT_EQ(q.masked().size(), first ? counts.masked : counts.masked_inner) << at << "masked";
  }
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
  QuizQuestion q(q6.s, LampsOf(6), QuizLevel::kOutputs);
  const uint16_t y5 = q6.Index("OUT05");
  const LampCard expected[] = {LampCard::kHidden, LampCard::kGuess0, LampCard::kGuess1,
                               LampCard::kGuess0};
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(q.CardOf(y5), expected[i]) << "after " << i << " clicks";
    EXPECT_TRUE(q.CycleGuess(y5));
  }
  EXPECT_FALSE(q.CycleGuess(q6.Index("IN00"))) << "a button";
  EXPECT_FALSE(q.CycleGuess(q6.Index("BUS02"))) << "an inner lamp at the easy level";
  EXPECT_FALSE(q.IsHidden(q6.Index("BUS02")));
  EXPECT_FALSE(q.CycleGuess(q6.Index("AND0000"))) << "a masked gate input";
  const QuizQuestion inner(q6.s, LampsOf(6), QuizLevel::kInnerLamps);
  EXPECT_TRUE(inner.IsHidden(q6.Index("BUS02"))) << "an inverter's output";
  EXPECT_FALSE(inner.IsHidden(q6.Index("BUS01"))) << "X0's own lamp";
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
      {"no guess at all", {}, 0, {{"OUT05", LampCard::kMissed1}, {"OUT04", LampCard::kMissed0}}},
      {"only Y5, right",
       {{"OUT05", 1}},
       1,
       {{"OUT05", LampCard::kRight1}, {"OUT01", LampCard::kMissed0}}},
  };
  for (const Case& c : cases) {
    Scheme6Question q6;
    QuizQuestion q(q6.s, LampsOf(6), QuizLevel::kOutputs);
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

// A masked lamp carries no question: it is covered by the plain card until the check, then shows
// its own level; the concealed lamps are every covered one until the check, none after it.
TEST(QuizQuestionTest, MaskedLampsAreCoveredUntilTheCheck) {
  Scheme6Question q6;
  QuizQuestion q(q6.s, LampsOf(6), QuizLevel::kOutputs);
  const uint16_t gate_input = q6.Index("AND0000");
  ASSERT_NE(std::ranges::find(q.masked(), gate_input), q.masked().end());
  const auto card_of = [&q](uint16_t lamp) {
    for (const auto& [covered, card] : q.Cards()) {
      if (covered == lamp) return std::optional<LampCard>(card);
    }
    return std::optional<LampCard>();
  };
  EXPECT_EQ(card_of(gate_input), LampCard::kMasked);
  EXPECT_EQ(q.Concealed().size(), q.hidden().size() + q.masked().size());
  q.Check(q6.s);
  EXPECT_EQ(card_of(gate_input), std::nullopt);
  EXPECT_EQ(card_of(q6.Index("OUT05")), LampCard::kMissed1);
  EXPECT_TRUE(q.Concealed().empty());
}

// At the harder level the inner lamps count too, each against its own cell.
TEST(QuizQuestionTest, InnerLampsAreCheckedAgainstTheirCells) {
  Scheme6Question q6;
  QuizQuestion q(q6.s, LampsOf(6), QuizLevel::kInnerLamps);
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

// A session's score over several questions, as the mode keeps it: each question counts once, its
// every lamp checked, a lamp left unguessed as wrong, and a second check adds nothing.
TEST(QuizScoreTest, ASessionCountsEachQuestionOnce) {
  BuiltSchemes built;
  Scheme& s = built.Select(6);
  struct Round {
    size_t row;
    bool guess_all;
    int checks;
  };
  const Round rounds[] = {{5, true, 1}, {2, false, 1}, {7, true, 2}};
  QuizScore session;
  for (const Round& round : rounds) {
    PoseRow(s, kSchemeTable[5].press, TableOf(6), round.row);
    QuizQuestion q(s, LampsOf(6), QuizLevel::kOutputs);
    if (round.guess_all) {
      for (uint16_t i : q.hidden()) {
        ASSERT_TRUE(q.CycleGuess(i));  // 0
        if (s.indicators()[i].Tag == 1) {
          ASSERT_TRUE(q.CycleGuess(i));  // 1
        }
      }
    }
    for (int c = 0; c < round.checks; ++c) session += q.Check(s);
  }
  EXPECT_EQ(session.right, 16);
  EXPECT_EQ(session.checked, 24);
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
