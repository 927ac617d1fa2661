#include "timing/drivers.h"

#include <stdexcept>
#include <string>

namespace kvir {
namespace {

// Driver n presses scheme n as selecting it does.
TimingDriver MakeDriver(Scheme& scheme) {
  return [&scheme] {
    if (!scheme.built()) {
      throw std::logic_error("схема " + std::to_string(scheme.number()) + " не построена");
    }
    PressAsSelected(scheme);
  };
}

}  // namespace

std::array<TimingDriver, kTimingSchemeCount> MakeTimingDrivers(SchemeSet& set) {
  std::array<TimingDriver, kTimingSchemeCount> drivers;
  for (size_t i = 0; i < drivers.size(); ++i) {
    drivers[i] = MakeDriver(set.scheme(static_cast<int>(i) + 1));
  }
  return drivers;
}

TimingResult RunTimingBeside(SchemeSet& set, const std::string& executable_dir, TimingClock& clock,
                             Language language) {
  const std::array<TimingDriver, kTimingSchemeCount> drivers = MakeTimingDrivers(set);
  return RunTiming(TimingFilePath(executable_dir), drivers, clock, language);
}

}  // namespace kvir
