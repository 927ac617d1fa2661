// The rows a student has reached since selecting a scheme, and the rows left when the switched-off
// ones are hidden, over all sixteen schemes.

#include "learning/reached_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

const TruthTableView& ViewOf(int n) {
  static std::map<int, TruthTableView> cache;
  if (!cache.contains(n)) {
    const Scheme scheme(*kSchemeTable[n - 1].def);
    cache.emplace(n, StudentView(scheme, ComputeTruthTable(n)));
  }
  return cache.at(n);
}

std::set<int> Marked(const std::vector<bool>& reached) {
  std::set<int> rows;
  for (size_t r = 0; r < reached.size(); ++r) {
    if (reached[r]) rows.insert(static_cast<int>(r));
  }
  return rows;
}

class ReachedRowsTest : public ::testing::TestWithParam<int> {
 protected:
  int n() const { return GetParam(); }
  const TruthTableView& view() const { return ViewOf(n()); }
  Scheme& Press(const std::string& button) { return schemes_.Press(n(), button); }

  testing::BuiltSchemes schemes_;
};

TEST_P(ReachedRowsTest, SelectionMarksOnlyTheCurrentRow) {
  Scheme& scheme = schemes_.Select(n());
  ReachedStates reached;
  reached.Restart(scheme);
  EXPECT_EQ(reached.scheme(), n());
  EXPECT_EQ(Marked(reached.RowsReached(view())), std::set<int>{CurrentRow(view(), scheme)});
}

// Each button pressed in turn, twice round: every row passed through is marked, and no other.
TEST_P(ReachedRowsTest, EveryPressMarksTheRowItReaches) {
  Scheme& scheme = schemes_.Select(n());
  ReachedStates reached;
  reached.Restart(scheme);
  std::set<int> passed = {CurrentRow(view(), scheme)};
  for (int round = 0; round < 2; ++round) {
    for (uint16_t b : std::vector<uint16_t>(scheme.buttons)) {
      Press(scheme.indicators()[b].name);
      reached.Record(scheme);
      const int row = CurrentRow(view(), scheme);
      ASSERT_GE(row, 0) << "after " << scheme.indicators()[b].name;
      passed.insert(row);
    }
  }
  EXPECT_EQ(Marked(reached.RowsReached(view())), passed);
}

TEST_P(ReachedRowsTest, RestartForgetsTheRowsReachedBefore) {
  Scheme& scheme = schemes_.Select(n());
  ReachedStates reached;
  reached.Restart(scheme);
  for (uint16_t b : std::vector<uint16_t>(scheme.buttons)) {
    Press(scheme.indicators()[b].name);
    reached.Record(scheme);
  }
  reached.Restart(scheme);
  EXPECT_EQ(Marked(reached.RowsReached(view())), std::set<int>{CurrentRow(view(), scheme)});
}

TEST_P(ReachedRowsTest, HidingLeavesTheRowsTheEnablesKeepWorking) {
  const std::vector<int> all = ShownRows(view(), false);
  ASSERT_EQ(all.size(), view().rows.size());
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  const std::vector<int> working = ShownRows(view(), true);
  const auto off = std::count_if(view().rows.begin(), view().rows.end(),
                                 [](const ViewRow& r) { return r.switched_off; });
  EXPECT_EQ(working.size() + static_cast<size_t>(off), view().rows.size());
  for (int r : working) EXPECT_FALSE(view().rows[r].switched_off) << "row " << r;
  EXPECT_FALSE(working.empty());
  // Only the schemes with enable or strobe inputs can hide rows, and each of them has some.
  EXPECT_EQ(CanHideSwitchedOff(view()), n() >= 10);
  EXPECT_EQ(off > 0, n() >= 10);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ReachedRowsTest, ::testing::Range(1, kSchemeCount + 1));

TEST(ReachedStates, IgnoresThePressesOfAnotherScheme) {
  testing::BuiltSchemes schemes;
  ReachedStates reached;
  reached.Restart(schemes.Select(1));
  schemes.Select(2);
  reached.Record(schemes.Press(2, "IN05"));
  EXPECT_EQ(Marked(reached.RowsReached(ViewOf(1))).size(), 1u);
}

TEST(ReachedStates, MarksNothingBeforeTheFirstRestart) {
  EXPECT_EQ(Marked(ReachedStates().RowsReached(ViewOf(13))), std::set<int>());
}

}  // namespace
}  // namespace kvir
