#pragma once
// The nine scheme drivers the timing benchmark calls: schemes 1 … 9 put into their selection
// state by writing their input cells and pressing IN00.

#include <array>
#include <string>

#include "circuit/scheme_set.h"
#include "timing/timing.h"

namespace kvir {

/// Driver n writes the input cells of scheme n that its row lists, in order and without redrawing,
/// then runs PressSchemeNN with IN00 of scheme n. It neither moves panels nor selects. The drivers
/// refer to `set`, which must outlive them; a driver whose scheme has no netlist (not built yet or
/// already freed) throws std::logic_error instead of pressing.
std::array<TimingDriver, kTimingSchemeCount> MakeTimingDrivers(SchemeSet& set);

/// Runs the benchmark over `set` on the timing file in `executable_dir`.
TimingResult RunTimingBeside(SchemeSet& set, const std::string& executable_dir, TimingClock& clock);

}  // namespace kvir
