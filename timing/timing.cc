#include "timing/timing.h"

#include <array>
#include <cstdint>
#include <exception>

#include "circuit/names.h"
#include "io/error_texts.h"

namespace kvir {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

using SchemeRuns = std::array<int64_t, kTimingRepetitions>;
using AllRuns = std::array<SchemeRuns, kTimingSchemeCount>;

/// Calls `driver` ten times and returns how long each call took.
SchemeRuns TimeDriver(const TimingDriver& driver, TimingClock& clock) {
  SchemeRuns runs{};
  for (int64_t& elapsed : runs) {
    const TimingMoment before = clock.Now();
    driver();
    elapsed = ElapsedMs(before, clock.Now());
  }
  return runs;
}

/// "Pnn : |" followed by the ten run times, each closed by a bar.
std::string SchemeLine(int scheme, const SchemeRuns& runs) {
  std::string line = "P";  // appended piece by piece: GCC 12 at -O3 warns falsely on "P" + string
  line += IndicatorNumber(scheme);
  line += " : |";
  for (int64_t elapsed : runs) line += TimingRun(elapsed) + "|";
  return line;
}

/// The twelve lines one run appends, each ended by CR LF.
std::string ComposeBlock(const TimingMoment& start, const TimingMoment& end, const AllRuns& runs) {
  std::string block = "TIMING.B === " + TimingStamp(start) + std::string(kLineEnd);
  for (int i = 0; i < kTimingSchemeCount; ++i) {
    block += SchemeLine(i + 1, runs[i]) + std::string(kLineEnd);
  }
  block += "TTM : " + TimingTotal(ElapsedMs(start, end)) + std::string(kLineEnd);
  block += "TIMING.E === " + TimingStamp(end) + std::string(kLineEnd);
  return block;
}

/// Times every driver in order; a driver that throws ends the run with its message.
TimingResult TimeAll(std::span<const TimingDriver, kTimingSchemeCount> drivers, TimingClock& clock,
                     AllRuns& runs, Language language) {
  const bool english = language == Language::kEnglish;
  for (int i = 0; i < kTimingSchemeCount; ++i) {
    const std::string scheme = IndicatorNumber(i + 1);
    try {
      runs[i] = TimeDriver(drivers[i], clock);
    } catch (const std::exception& error) {
      return {(english ? "The timing of scheme " + scheme + " was interrupted: "
                       : "Замер схемы " + scheme + " прерван: ") +
              ErrorMessage(error, language) + "."};
    } catch (...) {
      return {english ? "The timing of scheme " + scheme + " was interrupted by an unknown error."
                      : "Замер схемы " + scheme + " прерван неизвестной ошибкой."};
    }
  }
  return {};
}

}  // namespace

std::string TimingFilePath(std::string_view executable_dir) {
  std::string path(executable_dir);
  if (!path.empty() && path.back() != '/') path += '/';
  return path + std::string(kTimingFileName);
}

TimingResult RunTiming(const std::string& path,
                       std::span<const TimingDriver, kTimingSchemeCount> drivers,
                       TimingClock& clock, Language language) {
  TimingFile file(path, language);
  if (TimingResult opened = file.Open(); !opened.ok()) return opened;

  const TimingMoment start = clock.Now();
  AllRuns runs{};
  const TimingResult timed = TimeAll(drivers, clock, runs, language);
  const TimingMoment end = clock.Now();
  if (!timed.ok()) {
    return {timed.error + (language == Language::kEnglish
                               ? " The file \"" + path + "\" is unchanged."
                               : " Файл «" + path + "» не изменён.")};
  }

  const TimingResult appended = file.Append(ComposeBlock(start, end, runs));
  const TimingResult closed = file.Close();
  return appended.ok() ? closed : appended;
}

}  // namespace kvir
