#pragma once

#include <ostream>

namespace kvir {

/// Prints scheme n's truth table (learning/truth_table.h): a header of its button names then its
/// OUT names, then one row per reachable button state, values separated by blanks.
void PrintTruthTable(int n, std::ostream& out);

}  // namespace kvir
