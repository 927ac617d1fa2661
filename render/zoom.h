#pragma once
// The zoom levels of the panels: every length on a panel is given at 100 % and scaled to the
// level in whole pixels.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kvir {

/// The levels, in percent, smallest first; the first is the plain size.
inline constexpr std::array<int, 5> kZoomLevels = {100, 150, 200, 250, 300};
inline constexpr int kPlainZoom = kZoomLevels.front();

/// Whether `percent` is one of kZoomLevels.
constexpr bool IsZoomLevel(int percent) {
  for (int level : kZoomLevels) {
    if (level == percent) return true;
  }
  return false;
}

/// A length or coordinate at 100 % (not negative) at `percent`, rounded to the nearest pixel,
/// halves up: 665 at 150 % is 998.
constexpr int Scaled(int length, int percent) {
  return (length * percent + 50) / 100;
}

/// The level `steps` levels above `percent` (below for negative steps), kept within the first
/// and the last level; `percent` must be a level.
int StepZoom(int percent, int steps);

/// The level `text` names in decimal ("150"), if it is one of kZoomLevels.
std::optional<int> ParseZoomLevel(std::string_view text);

/// The levels as a list for messages: "100, 150, 200, 250, 300".
std::string ZoomLevelList();

}  // namespace kvir
