#pragma once
// A scheme's truth table, each row reached through the scheme's own press procedure.

#include <string>
#include <vector>

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

}  // namespace kvir
