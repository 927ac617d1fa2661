#pragma once
// What the truth-table window marks and hides: the input states a student has set since selecting
// a scheme, and the rows shown when the switched-off ones are hidden.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "circuit/scheme.h"
#include "learning/truth_table_view.h"

namespace kvir {

/// The input states set on one scheme since it was selected. Recording one costs a copy of the
/// button cells, so the program records every press whether or not a table is open.
class ReachedStates {
 public:
  /// Forgets every state and starts over on `scheme`, recording its current state.
  void Restart(const Scheme& scheme);
  /// Adds the current state of the scheme given to Restart.
  void Record(const Scheme& scheme);
  /// The number of the scheme recorded, 0 before the first Restart.
  int scheme() const { return scheme_; }
  /// For each row of `view`, the table of the scheme recorded, whether it was reached.
  std::vector<bool> RowsReached(const TruthTableView& view) const;

 private:
  int scheme_ = 0;
  std::vector<std::string> buttons_;  ///< the scheme's buttons, in the order of each state
  std::set<std::vector<int32_t>> states_;
};

/// Whether `view` has enable or strobe inputs, the only ones that can switch a circuit off.
bool CanHideSwitchedOff(const TruthTableView& view);

/// The indices of the rows shown: all of them, or with `hide_switched_off` those in which the
/// enables leave the circuit working.
std::vector<int> ShownRows(const TruthTableView& view, bool hide_switched_off);

}  // namespace kvir
