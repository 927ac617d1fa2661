#pragma once
// A scheme's truth table, each row reached through the scheme's own press procedure.

#include <span>
#include <string>
#include <vector>

#include "circuit/schemes.h"

namespace kvir {

/// The columns are the scheme's buttons then its OUT lamps, each group in ascending name order.
/// The rows are its reachable button states: one-hot schemes one row per button; toggle schemes
/// every combination, counting with the first button as the most significant bit; scheme 10 no
/// data button or one, each with its toggle 0 and 1.
struct TruthTable {
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;
  std::vector<std::vector<int>> rows;  ///< the inputs' values, then the outputs'
};

/// Scheme n's truth table, from a scheme set of its own.
TruthTable ComputeTruthTable(int n);

/// The cells of the indicators `names` of `scheme`, in that order.
std::vector<int> CellsOf(const Scheme& scheme, const std::vector<std::string>& names);

/// The shortest presses (button names) from `scheme`'s state as selected to the buttons `names`
/// holding `target`, found by trying every button from every state reached. Presses `scheme`
/// (a scheme of its own, no panel listening) and leaves it in some state of the search. Throws
/// std::logic_error where no presses reach `target`.
std::vector<std::string> PressesTo(Scheme& scheme, PressProc press,
                                   const std::vector<std::string>& names,
                                   const std::vector<int>& target);

/// Brings the buttons named `inputs` of `scheme` to `values` (one each, a reachable state) with
/// one press through `press`: every button is set first, the pressed one to the complement, so
/// that the press itself brings the scheme into the state. The press is of the button whose value
/// is 1 on a one-hot scheme, of the toggle on scheme 10, else of the first button.
void ReachInputs(Scheme& scheme, PressProc press, const std::vector<std::string>& inputs,
                 std::span<const int> values);
/// The same with the buttons given as indicators of `scheme`.
void ReachInputs(Scheme& scheme, PressProc press, std::span<Indicator* const> inputs,
                 std::span<const int> values);

}  // namespace kvir
