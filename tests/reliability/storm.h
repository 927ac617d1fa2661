#pragma once
// A press storm: a seeded run of random presses and re-selections over all sixteen schemes, each
// followed by a check of every cell and of the picture its last redraw gives it against the
// reference model.

#include <cstdint>
#include <functional>
#include <string>

#include "circuit/scheme_set.h"

namespace kvir::reliability {

struct StormOptions {
  uint64_t presses = 10000;  ///< button presses to make (selections come on top)
  uint64_t seed = 1;
  int reselect_one_in = 20;  ///< on average one re-selection per this many actions
};

struct StormReport {
  uint64_t presses = 0;     ///< button presses made
  uint64_t selections = 0;  ///< SelectScheme calls, out-of-range numbers included
  uint64_t indicators_checked = 0;
  std::string failure;  ///< empty when every check passed; else the first fault, described
  bool ok() const { return failure.empty(); }
};

/// Starts the schemes as the program does, lets `tamper` alter them (to prove the storm notices
/// faults), then runs the storm. Stops at the first fault; never throws for a fault of the
/// schemes, which the report describes instead.
StormReport RunStorm(const StormOptions& options,
                     const std::function<void(SchemeSet&)>& tamper = {});

}  // namespace kvir::reliability
