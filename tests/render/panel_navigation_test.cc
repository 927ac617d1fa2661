// The keyboard's moves among a panel's places: Tab's reading order and the arrows, over layouts
// made by hand for each rule and over the input buttons of every scheme.

#include "render/panel_navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "circuit/scheme_set.h"

namespace kvir {
namespace {

constexpr std::array<Arrow, 4> kArrows = {Arrow::kUp, Arrow::kDown, Arrow::kLeft, Arrow::kRight};

std::array<int, 4> ArrowsFrom(std::span<const PanelPosition> positions, int from) {
  std::array<int, 4> targets{};
  for (size_t a = 0; a < kArrows.size(); ++a)
    targets[a] = ArrowNeighbour(positions, from, kArrows[a]);
  return targets;
}

struct LayoutCase {
  std::string what;
  std::vector<PanelPosition> positions;
  std::vector<int> reading_order;
  int from;
  std::array<int, 4> arrows;  // up, down, left, right; -1: none
};

TEST(PanelNavigation, FollowsTheRulesOnHandMadeLayouts) {
  const LayoutCase cases[] = {
      {"a column given out of order", {{10, 50}, {10, 10}, {10, 30}}, {1, 2, 0}, 2, {1, 0, -1, -1}},
      {"one row, right to left", {{50, 10}, {10, 10}, {90, 10}}, {1, 0, 2}, 0, {-1, -1, 1, 2}},
      {"the same corner twice keeps its order", {{5, 5}, {5, 5}}, {0, 1}, 0, {-1, -1, -1, -1}},
      {"up and down stay in the column (same left edge)",
       {{10, 50}, {12, 40}, {10, 0}, {8, 60}, {10, 90}},
       {2, 1, 0, 3, 4},
       0,
       {2, 4, 3, 1}},
      {"the nearest column wins over the nearest height",
       {{100, 100}, {60, 100}, {80, 300}, {140, 100}, {200, 100}},
       {1, 0, 3, 4, 2},
       0,
       {-1, -1, 2, 3}},
      {"in the next column the nearest height, the first of equals",
       {{100, 50}, {50, 60}, {50, 40}, {150, 0}, {150, 51}},
       {3, 2, 0, 4, 1},
       0,
       {-1, -1, 1, 4}},
      {"a single place goes nowhere", {{0, 0}}, {0}, 0, {-1, -1, -1, -1}},
  };
  for (const LayoutCase& c : cases) {
    EXPECT_EQ(ReadingOrder(c.positions), c.reading_order) << c.what;
    EXPECT_EQ(ArrowsFrom(c.positions, c.from), c.arrows) << c.what;
  }
  EXPECT_TRUE(ReadingOrder({}).empty());
}

// Every scheme's buttons: Tab meets each once in reading order, every arrow lands on another
// button of the scheme, Down undoes Up, and from any button the arrows reach every other one.
TEST(PanelNavigation, MovesAmongEverySchemesButtons) {
  SchemeSet set;
  for (int n = 1; n <= kSchemeCount; ++n) {
    const Scheme& scheme = set.scheme(n);
    const PanelButtons buttons = ButtonsOf(scheme);
    const std::span<const Indicator> all = scheme.indicators();
    const auto is_button = [&all](int i) { return all[i].is_button; };
    ASSERT_EQ(buttons.indicators.size(), static_cast<size_t>(std::ranges::count_if(
                                             all, [](const Indicator& i) { return i.is_button; })))
        << n;
    ASSERT_TRUE(std::ranges::all_of(buttons.indicators, is_button)) << n;
    const int count = static_cast<int>(buttons.positions.size());
    ASSERT_GT(count, 0) << n;

    const std::vector<int> order = ReadingOrder(buttons.positions);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), static_cast<size_t>(count)) << n;
    EXPECT_TRUE(std::ranges::is_sorted(order, {}, [&buttons](int i) {
      return std::pair(buttons.positions[i].top, buttons.positions[i].left);
    })) << n;

    for (int from = 0; from < count; ++from) {
      for (Arrow arrow : kArrows) {
        const int to = ArrowNeighbour(buttons.positions, from, arrow);
        EXPECT_TRUE(to == -1 || (to >= 0 && to < count && to != from)) << n << " from " << from;
      }
      const int below = ArrowNeighbour(buttons.positions, from, Arrow::kDown);
      if (below >= 0) {
        EXPECT_EQ(ArrowNeighbour(buttons.positions, below, Arrow::kUp), from) << n << " " << from;
      }
    }

    std::vector<bool> reached(count, false);
    std::vector<int> todo = {order.front()};
    reached[order.front()] = true;
    while (!todo.empty()) {
      const int at = todo.back();
      todo.pop_back();
      for (Arrow arrow : kArrows) {
        const int to = ArrowNeighbour(buttons.positions, at, arrow);
        if (to >= 0 && !reached[to]) {
          reached[to] = true;
          todo.push_back(to);
        }
      }
    }
    EXPECT_TRUE(std::ranges::all_of(reached, [](bool r) { return r; }))
        << "scheme " << n << ": a button the arrows never reach";
  }
}

}  // namespace
}  // namespace kvir
