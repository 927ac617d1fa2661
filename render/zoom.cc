#include "render/zoom.h"

#include <algorithm>
#include <charconv>

namespace kvir {

int StepZoom(int percent, int steps) {
  const auto at = std::find(kZoomLevels.begin(), kZoomLevels.end(), percent);
  const int index = static_cast<int>(at - kZoomLevels.begin()) + steps;
  return kZoomLevels[static_cast<size_t>(
      std::clamp(index, 0, static_cast<int>(kZoomLevels.size()) - 1))];
}

std::optional<int> ParseZoomLevel(std::string_view text) {
  int percent = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, percent);
  if (text.empty() || error != std::errc() || stop != end || !IsZoomLevel(percent)) {
    return std::nullopt;
  }
  return percent;
}

std::string ZoomLevelList() {
  std::string list;
  for (const int level : kZoomLevels) {
    list += (list.empty() ? "" : ", ") + std::to_string(level);
  }
  return list;
}

}  // namespace kvir
