#include "render/panel_navigation.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kvir {
namespace {

// The nearest place above (up) or below in `from`'s column.
int InColumn(std::span<const PanelPosition> all, const PanelPosition& from, bool up) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    const PanelPosition& p = all[i];
    if (p.left != from.left || (up ? p.top >= from.top : p.top <= from.top)) continue;
    if (best < 0 || std::abs(p.top - from.top) < std::abs(all[best].top - from.top)) best = i;
  }
  return best;
}

// In the nearest column on the left (left) or right of `from`, the place nearest in height.
int InNextColumn(std::span<const PanelPosition> all, const PanelPosition& from, bool left) {
  const auto distance = [&from](const PanelPosition& p) {
    return std::pair(std::abs(p.left - from.left), std::abs(p.top - from.top));
  };
  int best = -1;
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    const PanelPosition& p = all[i];
    if (left ? p.left >= from.left : p.left <= from.left) continue;
    if (best < 0 || distance(p) < distance(all[best])) best = i;
  }
  return best;
}

}  // namespace

std::vector<int> ReadingOrder(std::span<const PanelPosition> positions) {
  std::vector<int> order(positions.size());
  for (int i = 0; i < static_cast<int>(order.size()); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&positions](int a, int b) {
    return std::pair(positions[a].top, positions[a].left) <
           std::pair(positions[b].top, positions[b].left);
  });
  return order;
}

int ArrowNeighbour(std::span<const PanelPosition> positions, int from, Arrow arrow) {
  const PanelPosition& origin = positions[from];
  switch (arrow) {
    case Arrow::kUp:
      return InColumn(positions, origin, true);
    case Arrow::kDown:
      return InColumn(positions, origin, false);
    case Arrow::kLeft:
      return InNextColumn(positions, origin, true);
    case Arrow::kRight:
      return InNextColumn(positions, origin, false);
  }
  return -1;
}

PanelButtons ButtonsOf(const Scheme& scheme) {
  PanelButtons buttons;
  const std::span<const Indicator> all = scheme.indicators();
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    if (!all[i].is_button) continue;
    buttons.indicators.push_back(i);
    buttons.positions.push_back({all[i].left, all[i].top});
  }
  return buttons;
}

}  // namespace kvir
