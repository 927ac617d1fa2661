#include "learning/quiz.h"

#include <algorithm>
#include <stdexcept>

namespace kvir {
namespace {

constexpr std::array<std::string_view, kLampCardCount> kCardPictures = {
    "HIDDENPNG", "GUESS0PNG", "GUESS1PNG", "RIGHT0PNG", "RIGHT1PNG", "WRONG0PNG", "WRONG1PNG",
};

constexpr size_t kNone = static_cast<size_t>(-1);

LampCard Revealed(bool right, int level) {
  if (right) return level == 1 ? LampCard::kRight1 : LampCard::kRight0;
  return level == 1 ? LampCard::kWrong1 : LampCard::kWrong0;
}

}  // namespace

bool HiddenAt(QuizLevel level, const Indicator& indicator) {
  if (indicator.is_button) return false;
  switch (indicator.role) {
    case Role::kOutput:
      return true;
    case Role::kBusLine:
    case Role::kGateInput:
    case Role::kChipPin:
      return level == QuizLevel::kInnerLamps;
    case Role::kInput:
    case Role::kEnable:
      break;
  }
  return false;
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
  std::uniform_int_distribution<size_t> pick(0, count - (avoid ? 2 : 1));
  const size_t row = pick(random);
  return avoid && row >= static_cast<size_t>(current) ? row + 1 : row;
}

void PoseRow(Scheme& scheme, PressProc press, const TruthTable& table, size_t row) {
  const std::vector<int>& values = table.rows.at(row);
  ReachInputs(scheme, press, table.inputs,
              std::span<const int>(values.data(), table.inputs.size()));
}

QuizQuestion::QuizQuestion(const Scheme& scheme, QuizLevel level) {
  for (const Indicator& indicator : scheme.indicators()) {
    if (HiddenAt(level, indicator)) hidden_.push_back(IndexIn(scheme, indicator));
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
  if (checked_) return Revealed(guesses_[slot] == levels_[slot], levels_[slot]);
  if (guesses_[slot] < 0) return LampCard::kHidden;
  return guesses_[slot] == 1 ? LampCard::kGuess1 : LampCard::kGuess0;
}

}  // namespace kvir
