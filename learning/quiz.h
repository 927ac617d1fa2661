#pragma once
// "Проверь себя": a question on a scheme's state drawn from its truth table, the lamps hidden
// from the student, the guesses and their checking.

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "circuit/scheme.h"
#include "circuit/schemes.h"
#include "learning/truth_table.h"

namespace kvir {

/// Which lamps a question hides.
enum class QuizLevel : uint8_t {
  kOutputs,     ///< asks the scheme's outputs
  kInnerLamps,  ///< also asks the lamps inside that do not merely repeat an input's level
};

/// What a question does with one indicator: shows its level, asks it (a card the student guesses
/// on), or masks it (a plain card, no question) until the check.
enum class LampPart : uint8_t { kShown, kAsked, kMasked };

/// What a quiz on one scheme does with each of its indicators at each level, worked out once from
/// the levels every indicator takes over the rows of the scheme's truth table:
/// - input buttons, and the bus lines and chip pins that carry an input button's level in every
///   row (its complement on an active-low input, where no lamp carries the level itself), the
///   question itself, are always shown;
/// - outputs are always asked;
/// - gate inputs, and any other lamp whose level is an output's or its complement in every row,
///   would give the answer away: masked at the first level, asked at the harder one (masked at
///   both when they only carry an input's level, leaving nothing to ask);
/// - the other lamps inside are shown at the first level and asked at the harder one.
class QuizLamps {
 public:
  /// Scheme `n`'s lamps over `table`, its truth table; the rows are posed on a scheme of its own.
  QuizLamps(int n, const TruthTable& table);

  /// What a question at `level` does with `indicator` (by index in stacking order).
  LampPart PartAt(QuizLevel level, uint16_t indicator) const;

 private:
  enum class Kind : uint8_t { kInput, kOutput, kTelling, kTellingCopy, kInner };
  std::vector<Kind> kinds_;
};

/// What a covered lamp shows: a question mark, the student's guess, after the check the true
/// level marked right, wrong (beside the crossed-out guess) or missed (no guess); or, on a masked
/// lamp, a plain card.
enum class LampCard : uint8_t {
  kHidden,
  kGuess0,
  kGuess1,
  kRight0,
  kRight1,
  kWrong0,  ///< the level 0, guessed 1
  kWrong1,  ///< the level 1, guessed 0
  kMissed0,
  kMissed1,
  kMasked,
};
inline constexpr size_t kLampCardCount = 10;

/// The embedded picture of each card: "HIDDENPNG", "GUESS0PNG", … "MASKEDPNG".
std::string_view CardPictureName(LampCard card);

/// Lamps checked and lamps guessed right; a lamp left without a guess counts as wrong.
struct QuizScore {
  int right = 0;
  int checked = 0;
  QuizScore& operator+=(const QuizScore& other);
};

/// The row of `table` whose inputs hold `scheme`'s button cells now, or -1.
int RowOf(const TruthTable& table, const Scheme& scheme);

/// A row of `table` drawn by `random`, other than `current` when the table has another; the same
/// for the same state of `random` with any standard library.
size_t DrawRow(const TruthTable& table, int current, std::mt19937& random);

/// Brings `scheme` into the inputs of row `row` of its truth table `table`, with one press
/// through `press`.
void PoseRow(Scheme& scheme, PressProc press, const TruthTable& table, size_t row);

/// One question on a scheme's present state: the lamps it hides, the guesses, then the check.
class QuizQuestion {
 public:
  /// Asks and masks the lamps of `scheme` as `lamps`, worked out for it, does at `level`.
  QuizQuestion(const Scheme& scheme, const QuizLamps& lamps, QuizLevel level);

  /// The hidden lamps, asked, by index in stacking order.
  const std::vector<uint16_t>& hidden() const { return hidden_; }
  /// The masked lamps, covered without a question until the check, by index in stacking order.
  const std::vector<uint16_t>& masked() const { return masked_; }
  bool IsHidden(uint16_t indicator) const;
  bool checked() const { return checked_; }
  /// The guess on hidden lamp `indicator`: -1 for none, else 0 or 1.
  int GuessOf(uint16_t indicator) const;
  /// Whether the student has guessed any hidden lamp yet.
  bool AnyGuess() const;

  /// Changes the guess on a hidden lamp: none to 0, then 0 and 1 in turn. False (and nothing
  /// changes) when the lamp is not hidden or the question is checked.
  bool CycleGuess(uint16_t indicator);

  /// Compares each guess with the level of its lamp in `scheme`, the scheme the question was made
  /// on; the lamps are then shown as right or wrong with their levels. Counts once: checking
  /// again scores nothing.
  QuizScore Check(const Scheme& scheme);

  /// What hidden lamp `indicator` shows now.
  LampCard CardOf(uint16_t indicator) const;

  /// Every lamp covered now with its card: the hidden ones, and the masked ones until the check.
  std::vector<std::pair<uint16_t, LampCard>> Cards() const;
  /// The lamps whose level the student may not read now: every covered one until the check.
  std::vector<uint16_t> Concealed() const;

 private:
  size_t Slot(uint16_t indicator) const;

  std::vector<uint16_t> hidden_;
  std::vector<uint16_t> masked_;
  std::vector<int8_t> guesses_;  ///< per hidden lamp: -1 for none, else 0 or 1
  std::vector<int8_t> levels_;   ///< per hidden lamp, once checked
  bool checked_ = false;
};

}  // namespace kvir
