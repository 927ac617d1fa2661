#pragma once
// "Проверь себя": a question on a scheme's state drawn from its truth table, the lamps hidden
// from the student, the guesses and their checking.

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string_view>
#include <vector>

#include "circuit/scheme.h"
#include "circuit/schemes.h"
#include "learning/truth_table.h"

namespace kvir {

/// Which lamps a question hides.
enum class QuizLevel : uint8_t {
  kOutputs,     ///< the scheme's outputs
  kInnerLamps,  ///< the outputs, and the bus lines, gate inputs and chip pins inside
};

/// Whether a question at `level` hides `indicator`. Input buttons are never hidden.
bool HiddenAt(QuizLevel level, const Indicator& indicator);

/// What a hidden lamp shows: a question mark, the student's guess, or after the check the true
/// level marked right or wrong.
enum class LampCard : uint8_t { kHidden, kGuess0, kGuess1, kRight0, kRight1, kWrong0, kWrong1 };
inline constexpr size_t kLampCardCount = 7;

/// The embedded picture of each card: "HIDDENPNG", "GUESS0PNG", … "WRONG1PNG".
std::string_view CardPictureName(LampCard card);

/// Lamps checked and lamps guessed right; a lamp left without a guess counts as wrong.
struct QuizScore {
  int right = 0;
  int checked = 0;
  QuizScore& operator+=(const QuizScore& other);
};

/// The row of `table` whose inputs hold `scheme`'s button cells now, or -1.
int RowOf(const TruthTable& table, const Scheme& scheme);

/// A row of `table` drawn by `random`, other than `current` when the table has another.
size_t DrawRow(const TruthTable& table, int current, std::mt19937& random);

/// Brings `scheme` into the inputs of row `row` of its truth table `table`, with one press
/// through `press`.
void PoseRow(Scheme& scheme, PressProc press, const TruthTable& table, size_t row);

/// One question on a scheme's present state: the lamps it hides, the guesses, then the check.
class QuizQuestion {
 public:
  /// Hides every lamp of `scheme` that `level` hides.
  QuizQuestion(const Scheme& scheme, QuizLevel level);

  /// The hidden lamps, by index in stacking order.
  const std::vector<uint16_t>& hidden() const { return hidden_; }
  bool IsHidden(uint16_t indicator) const;
  bool checked() const { return checked_; }

  /// Changes the guess on a hidden lamp: none to 0, then 0 and 1 in turn. False (and nothing
  /// changes) when the lamp is not hidden or the question is checked.
  bool CycleGuess(uint16_t indicator);

  /// Compares each guess with the level of its lamp in `scheme`, the scheme the question was made
  /// on; the lamps are then shown as right or wrong with their levels. Counts once: checking
  /// again scores nothing.
  QuizScore Check(const Scheme& scheme);

  /// What hidden lamp `indicator` shows now.
  LampCard CardOf(uint16_t indicator) const;

 private:
  size_t Slot(uint16_t indicator) const;

  std::vector<uint16_t> hidden_;
  std::vector<int8_t> guesses_;  ///< per hidden lamp: -1 for none, else 0 or 1
  std::vector<int8_t> levels_;   ///< per hidden lamp, once checked
  bool checked_ = false;
};

}  // namespace kvir
