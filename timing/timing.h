#pragma once
// The developer's benchmark: times the press procedures of schemes 1 to 9 and appends the
// figures to "_timing.txt" beside the executable.

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "timing/timing_clock.h"
#include "timing/timing_file.h"
#include "timing/timing_format.h"

namespace kvir {

// Shape of one run.
constexpr int kTimingSchemeCount = 9;   // schemes 1 … 9, one line each
constexpr int kTimingRepetitions = 10;  // timed driver calls per scheme

/// The file beside the executable that offers the benchmark and receives its figures.
inline constexpr std::string_view kTimingFileName = "_timing.txt";

// Texts.
constexpr std::string_view kTimingCompleteText = "Timing complete!!!";  // shown after a good run

/// Puts one scheme into its selection state and runs its press procedure once.
using TimingDriver = std::function<void()>;

/// The timing file in `executable_dir`, which may end in '/' or not.
std::string TimingFilePath(std::string_view executable_dir);

/// Opens the existing file at `path` for appending, times `drivers` (schemes 1 … 9 in order, each
/// called ten times, each call between two readings of `clock`) and appends one block of twelve
/// CR LF lines. On any failure (the file missing or not writable, a write failing, a driver
/// throwing) nothing is appended, the earlier contents stay and the result names the failure and
/// the file, in `language`. Drivers run only after the file has opened. Shows and prints nothing.
TimingResult RunTiming(const std::string& path,
                       std::span<const TimingDriver, kTimingSchemeCount> drivers,
                       TimingClock& clock, Language language = Language::kRussian);

}  // namespace kvir
