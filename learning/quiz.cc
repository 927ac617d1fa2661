#include "learning/quiz.h"

#include <algorithm>
#include <stdexcept>

#include "circuit/scheme_set.h"
#include "learning/exam.h"

namespace kvir {
namespace {

constexpr std::array<std::string_view, kLampCardCount> kCardPictures = {
    "HIDDENPNG", "GUESS0PNG", "GUESS1PNG",  "RIGHT0PNG",  "RIGHT1PNG",
    "WRONG0PNG", "WRONG1PNG", "MISSED0PNG", "MISSED1PNG", "MASKEDPNG",
};

constexpr size_t kNone = static_cast<size_t>(-1);

LampCard Revealed(int guess, int level) {
  if (guess == level) return level == 1 ? LampCard::kRight1 : LampCard::kRight0;
  if (guess < 0) return level == 1 ? LampCard::kMissed1 : LampCard::kMissed0;
  return level == 1 ? LampCard::kWrong1 : LampCard::kWrong0;
}

/// One indicator's level in each row of a truth table.
using Column = std::vector<int8_t>;

// Every indicator's column over the rows of `table`, each posed on `scheme` through `press`.
std::vector<Column> ColumnsOver(Scheme& scheme, PressProc press, const TruthTable& table) {
  std::vector<Column> columns(scheme.indicators().size());
  for (size_t row = 0; row < table.rows.size(); ++row) {
    PoseRow(scheme, press, table, row);
    for (size_t i = 0; i < columns.size(); ++i) {
      columns[i].push_back(static_cast<int8_t>(scheme.indicators()[i].Tag));
    }
  }
  return columns;
}

bool SameOrComplement(const Column& a, const Column& b) {
  return a == b || std::equal(a.begin(), a.end(), b.begin(), b.end(),
                              [](int8_t x, int8_t y) { return x != y; });
}

// Which indicators carry an input button's level: for each button the lamps whose column is its
// own, or, where no lamp has it (an active-low input), those whose column is its complement.
std::vector<bool> CarryInputs(const Scheme& scheme, const std::vector<Column>& columns) {
  std::vector<bool> carries(columns.size(), false);
  for (uint16_t button : scheme.buttons) {
    for (const bool complement : {false, true}) {
      bool found = false;
      for (size_t i = 0; i < columns.size(); ++i) {
        const bool equal = columns[i] == columns[button];
        if (scheme.indicators()[i].is_button || equal == complement) continue;
        if (complement && !SameOrComplement(columns[i], columns[button])) continue;
        carries[i] = true;
        found = true;
      }
      if (found) break;
    }
  }
  return carries;
}

}  // namespace

QuizLamps::QuizLamps(int n, const TruthTable& table) {
  const SchemeEntry& entry = kSchemeTable.at(static_cast<size_t>(n - 1));
  Scheme scheme(*entry.def);
  entry.build(scheme);
  PressAsSelected(scheme);
  const std::vector<Column> columns = ColumnsOver(scheme, entry.press, table);
  const std::vector<bool> carries_input = CarryInputs(scheme, columns);
  const std::span<const Indicator> indicators = scheme.indicators();
  std::vector<const Column*> outputs;
  for (size_t i = 0; i < indicators.size(); ++i) {
    if (!indicators[i].is_button && indicators[i].role == Role::kOutput) {
      outputs.push_back(&columns[i]);
    }
  }
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Indicator& indicator = indicators[i];
    const auto tells = [&](const Column* output) { return SameOrComplement(*output, columns[i]); };
    if (indicator.is_button) {
      kinds_.push_back(Kind::kInput);
    } else if (indicator.role == Role::kOutput) {
      kinds_.push_back(Kind::kOutput);
    } else if (indicator.role == Role::kGateInput ||
               std::any_of(outputs.begin(), outputs.end(), tells)) {
      kinds_.push_back(carries_input[i] ? Kind::kTellingCopy : Kind::kTelling);
    } else {
      kinds_.push_back(carries_input[i] ? Kind::kInput : Kind::kInner);
    }
  }
}

LampPart QuizLamps::PartAt(QuizLevel level, uint16_t indicator) const {
  // By kind, then by level: the first level, the harder one.
  constexpr LampPart kShown = LampPart::kShown, kAsked = LampPart::kAsked,
                     kMasked = LampPart::kMasked;
  constexpr std::array<std::array<LampPart, 2>, 5> kParts = {{
      {kShown, kShown},    // kInput
      {kAsked, kAsked},    // kOutput
      {kMasked, kAsked},   // kTelling
      {kMasked, kMasked},  // kTellingCopy
      {kShown, kAsked},    // kInner
  }};
  return kParts[static_cast<size_t>(kinds_.at(indicator))][static_cast<size_t>(level)];
}

std::string_view CardPictureName(LampCard card) {
  return kCardPictures.at(static_cast<size_t>(card));
}

QuizScore& QuizScore::operator+=(const QuizScore& other) {
  right += other.right;
  checked += other.checked;
  return *this;
}

int RowOf(const TruthTable& table, const Scheme& scheme) {
  for (size_t r = 0; r < table.rows.size(); ++r) {
    bool same = true;
    for (size_t i = 0; i < table.inputs.size() && same; ++i) {
      same = scheme.At(table.inputs[i]).Tag == table.rows[r][i];
    }
    if (same) return static_cast<int>(r);
  }
  return -1;
}

size_t DrawRow(const TruthTable& table, int current, std::mt19937& random) {
  const size_t count = table.rows.size();
  if (count == 0) throw std::invalid_argument("a truth table without rows");
  const bool avoid = current >= 0 && static_cast<size_t>(current) < count && count > 1;
  // PickBelow, not std::uniform_int_distribution: the same seed draws the same rows with every
  // standard library, the page's included.
  const size_t row = PickBelow(random, avoid ? count - 1 : count);
  return avoid && row >= static_cast<size_t>(current) ? row + 1 : row;
}

void PoseRow(Scheme& scheme, PressProc press, const TruthTable& table, size_t row) {
  const std::vector<int>& values = table.rows.at(row);
  ReachInputs(scheme, press, table.inputs,
              std::span<const int>(values.data(), table.inputs.size()));
}

QuizQuestion::QuizQuestion(const Scheme& scheme, const QuizLamps& lamps, QuizLevel level) {
  for (size_t i = 0; i < scheme.indicators().size(); ++i) {
    const auto index = static_cast<uint16_t>(i);
    const LampPart part = lamps.PartAt(level, index);
    if (part == LampPart::kAsked) hidden_.push_back(index);
    if (part == LampPart::kMasked) masked_.push_back(index);
  }
  guesses_.assign(hidden_.size(), -1);
}

size_t QuizQuestion::Slot(uint16_t indicator) const {
  const auto found = std::find(hidden_.begin(), hidden_.end(), indicator);
  return found == hidden_.end() ? kNone : static_cast<size_t>(found - hidden_.begin());
}

bool QuizQuestion::IsHidden(uint16_t indicator) const {
  return Slot(indicator) != kNone;
}

int QuizQuestion::GuessOf(uint16_t indicator) const {
  const size_t slot = Slot(indicator);
  if (slot == kNone) throw std::invalid_argument("the lamp is not hidden");
  return guesses_[slot];
}

bool QuizQuestion::AnyGuess() const {
  return std::any_of(guesses_.begin(), guesses_.end(), [](int8_t guess) { return guess >= 0; });
}

bool QuizQuestion::CycleGuess(uint16_t indicator) {
  const size_t slot = Slot(indicator);
  if (slot == kNone || checked_) return false;
  guesses_[slot] = guesses_[slot] == 0 ? 1 : 0;
  return true;
}

QuizScore QuizQuestion::Check(const Scheme& scheme) {
  if (checked_) return {};
  checked_ = true;
  QuizScore score;
  for (size_t slot = 0; slot < hidden_.size(); ++slot) {
    levels_.push_back(static_cast<int8_t>(scheme.indicators()[hidden_[slot]].Tag));
    score.right += guesses_[slot] == levels_[slot];
    ++score.checked;
  }
  return score;
}

LampCard QuizQuestion::CardOf(uint16_t indicator) const {
  const size_t slot = Slot(indicator);
  if (slot == kNone) throw std::invalid_argument("the lamp is not hidden");
  if (checked_) return Revealed(guesses_[slot], levels_[slot]);
  if (guesses_[slot] < 0) return LampCard::kHidden;
  return guesses_[slot] == 1 ? LampCard::kGuess1 : LampCard::kGuess0;
}

std::vector<std::pair<uint16_t, LampCard>> QuizQuestion::Cards() const {
  std::vector<std::pair<uint16_t, LampCard>> cards;
  for (uint16_t lamp : hidden_) cards.emplace_back(lamp, CardOf(lamp));
  if (!checked_) {
    for (uint16_t lamp : masked_) cards.emplace_back(lamp, LampCard::kMasked);
  }
  return cards;
}

std::vector<uint16_t> QuizQuestion::Concealed() const {
  if (checked_) return {};
  std::vector<uint16_t> concealed = hidden_;
  concealed.insert(concealed.end(), masked_.begin(), masked_.end());
  return concealed;
}

}  // namespace kvir
