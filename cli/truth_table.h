#pragma once

#include <ostream>

namespace kvir {

/// Prints scheme n's truth table, each row reached through the scheme's press procedure: a
/// header of its button names then its OUT names, then one row per reachable button state.
void PrintTruthTable(int n, std::ostream& out);

}  // namespace kvir
