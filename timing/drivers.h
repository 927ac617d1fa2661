#pragma once
// The nine scheme drivers the timing benchmark calls: schemes 1 … 9 put into their selection
// state by writing the input cells their rows list and pressing their starting button, IN00.

#include <array>
#include <string>

#include "circuit/scheme_set.h"
#include "timing/timing.h"

namespace kvir {

/// Driver n writes the initial input cells of scheme n (its row's `initial`), in order and
/// without redrawing, then runs PressSchemeNN with the scheme's starting button (its row's
/// `start`, IN00 in schemes 1 … 9). It neither moves panels nor selects. The drivers
/// refer to `set`, which must outlive them; a driver whose scheme has no netlist (not built yet or
/// already freed) throws std::logic_error instead of pressing.
std::array<TimingDriver, kTimingSchemeCount> MakeTimingDrivers(SchemeSet& set);

/// Runs the benchmark over `set` on the timing file in `executable_dir`; its messages are in
/// `language`.
TimingResult RunTimingBeside(SchemeSet& set, const std::string& executable_dir, TimingClock& clock,
                             Language language = Language::kRussian);

}  // namespace kvir
