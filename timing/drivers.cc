#include "timing/drivers.h"

#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace kvir {
namespace {

/// One input cell a driver writes before its press.
struct CellSetting {
  std::string_view name;
  int32_t value;
};

/// What driver n does: write `settings` of scheme n, then press IN00 through `press`.
struct DriverRow {
  int scheme;
  std::span<const CellSetting> settings;
  PressProc press;
};

constexpr CellSetting kThreeBitDecoder[] = {{"IN00", 1}, {"IN01", 0}, {"IN02", 0}};
constexpr CellSetting kFourBitDecoder[] = {{"IN00", 1}, {"IN01", 0}, {"IN02", 0}, {"IN03", 0}};

// The encoders 01–05 need nothing: their one-hot press sets every input itself.
constexpr DriverRow kDriverRows[] = {
    {1, {}, PressScheme01},
    {2, {}, PressScheme02},
    {3, {}, PressScheme03},
    {4, {}, PressScheme04},
    {5, {}, PressScheme05},
    {6, kThreeBitDecoder, PressScheme06},
    {7, kThreeBitDecoder, PressScheme07},
    {8, kFourBitDecoder, PressScheme08},
    {9, kFourBitDecoder, PressScheme09},
};
static_assert(std::size(kDriverRows) == kTimingSchemeCount);

constexpr std::string_view kPressedButton = "IN00";

TimingDriver MakeDriver(Scheme& scheme, const DriverRow& row) {
  std::vector<std::pair<int32_t*, int32_t>> cells;
  for (const CellSetting& setting : row.settings) {
    cells.emplace_back(&scheme.At(setting.name).Tag, setting.value);
  }
  Indicator& clicked = scheme.At(kPressedButton);
  return [&scheme, &clicked, cells = std::move(cells), press = row.press] {
    if (!scheme.built()) {
      throw std::logic_error("схема " + std::to_string(scheme.number()) + " не построена");
    }
    for (const auto& [cell, value] : cells) *cell = value;
    press(scheme, clicked);
  };
}

}  // namespace

std::array<TimingDriver, kTimingSchemeCount> MakeTimingDrivers(SchemeSet& set) {
  std::array<TimingDriver, kTimingSchemeCount> drivers;
  for (size_t i = 0; i < drivers.size(); ++i) {
    drivers[i] = MakeDriver(set.scheme(kDriverRows[i].scheme), kDriverRows[i]);
  }
  return drivers;
}

TimingResult RunTimingBeside(SchemeSet& set, const std::string& executable_dir,
                             TimingClock& clock) {
  const std::array<TimingDriver, kTimingSchemeCount> drivers = MakeTimingDrivers(set);
  return RunTiming(TimingFilePath(executable_dir), drivers, clock);
}

}  // namespace kvir
