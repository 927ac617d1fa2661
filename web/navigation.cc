#include "web/navigation.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kvir {
namespace {

// The nearest button above (up) or below in `from`'s column.
int InColumn(std::span<const Indicator> all, const Indicator& from, bool up) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    const Indicator& b = all[i];
    if (!b.is_button || b.left != from.left || (up ? b.top >= from.top : b.top <= from.top)) {
      continue;
    }
    if (best < 0 || std::abs(b.top - from.top) < std::abs(all[best].top - from.top)) best = i;
  }
  return best;
}

// In the nearest column on the left (left) or right of `from`, the button nearest in height.
int InNextColumn(std::span<const Indicator> all, const Indicator& from, bool left) {
  const auto distance = [&from](const Indicator& b) {
    return std::pair(std::abs(b.left - from.left), std::abs(b.top - from.top));
  };
  int best = -1;
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    const Indicator& b = all[i];
    if (!b.is_button || (left ? b.left >= from.left : b.left <= from.left)) continue;
    if (best < 0 || distance(b) < distance(all[best])) best = i;
  }
  return best;
}

}  // namespace

std::vector<int> ButtonsInReadingOrder(const Scheme& scheme) {
  const std::span<const Indicator> all = scheme.indicators();
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(all.size()); ++i) {
    if (all[i].is_button) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&all](int a, int b) {
    return std::pair(all[a].top, all[a].left) < std::pair(all[b].top, all[b].left);
  });
  return order;
}

int ArrowTarget(const Scheme& scheme, int from, Arrow arrow) {
  const std::span<const Indicator> all = scheme.indicators();
  const Indicator& origin = all[from];
  switch (arrow) {
    case Arrow::kUp:
      return InColumn(all, origin, true);
    case Arrow::kDown:
      return InColumn(all, origin, false);
    case Arrow::kLeft:
      return InNextColumn(all, origin, true);
    case Arrow::kRight:
      return InNextColumn(all, origin, false);
  }
  return -1;
}

}  // namespace kvir
