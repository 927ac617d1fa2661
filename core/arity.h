#pragma once
// How many inputs and outputs each transfer procedure of the library takes.

#include <string>
#include <string_view>

#include "core/se.h"

namespace kvir {

struct Arity {
  static constexpr int kAny = -1;       ///< one or more
  static constexpr int kAsInputs = -2;  ///< outputs: as many as inputs

  std::string_view proc;  ///< the procedure's name, "seAnd"
  int inputs = 0;
  int outputs = 0;

  /// Whether an element with these counts fits the procedure.
  bool Fits(int input_count, int output_count) const;
  /// "6 inputs and 8 outputs", "one or more inputs and as many outputs".
  std::string Describe() const;
};

/// "1 input", "6 inputs", "one or more inputs", "as many outputs": a count as Arity writes it.
std::string Counted(int n, std::string_view noun);

/// The arity of a library procedure; a routing map takes one input past the highest line it
/// reads and one output per entry. Throws std::invalid_argument for any other procedure.
Arity ArityOf(TSEProc proc);

}  // namespace kvir
