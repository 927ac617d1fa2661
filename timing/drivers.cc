#include "timing/drivers.h"

#include <stdexcept>
#include <string>

namespace kvir {
namespace {

TimingDriver MakeDriver(Scheme& scheme, PressProc press) {
  Indicator& clicked = scheme.indicators()[scheme.start];
  return [&scheme, &clicked, press] {
    if (!scheme.built()) {
      throw std::logic_error("схема " + std::to_string(scheme.number()) + " не построена");
    }
    ApplyInitialInputs(scheme);
    press(scheme, clicked);
  };
}

}  // namespace

std::array<TimingDriver, kTimingSchemeCount> MakeTimingDrivers(SchemeSet& set) {
  std::array<TimingDriver, kTimingSchemeCount> drivers;
  for (size_t i = 0; i < drivers.size(); ++i) {
    drivers[i] = MakeDriver(set.scheme(static_cast<int>(i) + 1), kSchemeTable[i].press);
  }
  return drivers;
}

TimingResult RunTimingBeside(SchemeSet& set, const std::string& executable_dir,
                             TimingClock& clock) {
  const std::array<TimingDriver, kTimingSchemeCount> drivers = MakeTimingDrivers(set);
  return RunTiming(TimingFilePath(executable_dir), drivers, clock);
}

}  // namespace kvir
