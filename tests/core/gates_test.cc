#include "core/gates.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/core/element_bench.h"

namespace kvir {
namespace {

struct Fold {
  TSEProc proc;
  bool is_or;
  uint32_t flip;
};
constexpr Fold kFolds[] = {
    {seOr, true, 0}, {seNor, true, 1}, {seAnd, false, 0}, {seNand, false, 1}};

TEST(Gates, FoldsMatchTheirTruthTablesForEveryWidthTheSchemesUse) {
  for (const Fold& fold : kFolds) {
    for (uint8_t width : {1, 3, 4, 8}) {
      ElementBench bench(width, 1, fold.proc);
      const uint32_t all_ones = (1u << width) - 1;
      for (uint32_t pattern = 0; pattern <= all_ones; ++pattern) {
        const uint32_t want = (fold.is_or ? pattern != 0 : pattern == all_ones) ^ fold.flip;
        EXPECT_EQ(bench.RunBits(pattern), want) << "width " << +width << " inputs " << pattern;
      }
    }
  }
}

TEST(Gates, FoldWritesOutputZeroOnly) {
  for (const Fold& fold : kFolds) {
    ElementBench bench(4, 2, fold.proc);
    EXPECT_EQ(bench.Run({1, 0, 1, 1})[1], kUntouched);
  }
}

TEST(Gates, RowsCopyOrInvertEveryInputInIndexOrder) {
  for (auto [row, flip] : {std::pair<TSEProc, int>{seRepeat, 0}, {seInvert, 1}}) {
    for (int width : {1, 16, 255}) {
      ElementBench bench(width, std::min(width + 1, 255), row);
      for (int i = 0; i < width; ++i) bench.in[i] = (i / 2 + i / 5) & 1;
      bench.se.Execute();
      for (int i = 0; i < width; ++i) {
        EXPECT_EQ(bench.out[i], bench.in[i] ^ flip) << "width " << width << " index " << i;
      }
      if (width < 255) {
        EXPECT_EQ(bench.out[width], kUntouched);
      }
    }
  }
  ElementBench not_gate(1, 1, seInvert);
  EXPECT_EQ(not_gate.Run({0}), std::vector<int32_t>{1});
  EXPECT_EQ(not_gate.Run({1}), std::vector<int32_t>{0});
}

TEST(Gates, FanOutsDriveExactlyTheirOutputs) {
  const struct {
    TSEProc proc;
    int count;
    int32_t flip;
  } kFanOuts[] = {{seSplit2, 2, 0}, {seSplit3, 3, 0}, {seSplit4, 4, 0}, {seSplitInv3, 3, 1}};
  for (const auto& fan_out : kFanOuts) {
    for (int32_t level : {0, 1}) {
      ElementBench bench(1, static_cast<uint8_t>(fan_out.count + 1), fan_out.proc);
      std::vector<int32_t> want(fan_out.count, level ^ fan_out.flip);
      want.push_back(kUntouched);
      EXPECT_EQ(bench.Run({level}), want);
    }
  }
}

// Cells shared between an element's inputs and outputs expose the order of reads and writes.

TEST(Gates, RowWritesOutputBeforeReadingTheNextInput) {
  int32_t copy[4] = {1, 0, 0, 0}, flip[4] = {0, 0, 0, 0};
  TSE repeat(3, 3, seRepeat), invert(3, 3, seInvert);
  repeat.FInputs = {&copy[0], &copy[1], &copy[2]};
  repeat.FOutputs = {&copy[1], &copy[2], &copy[3]};
  invert.FInputs = {&flip[0], &flip[1], &flip[2]};
  invert.FOutputs = {&flip[1], &flip[2], &flip[3]};
  repeat.Execute();
  invert.Execute();
  EXPECT_EQ((std::vector<int32_t>(copy, copy + 4)), (std::vector<int32_t>{1, 1, 1, 1}));
  EXPECT_EQ((std::vector<int32_t>(flip, flip + 4)), (std::vector<int32_t>{0, 1, 0, 1}));
}

TEST(Gates, FoldInputAliasingOutputZeroReadsThePartialResult) {
  const struct {
    TSEProc proc;
    int32_t first, second, shared_before, want;
  } kCases[] = {{seOr, 0, 0, 1, 0}, {seNor, 0, 0, 1, 1}, {seAnd, 1, 1, 0, 1}, {seNand, 1, 1, 0, 0}};
  for (const auto& c : kCases) {
    int32_t first = c.first, second = c.second, shared = c.shared_before;
    TSE gate(3, 1, c.proc);
    gate.FInputs = {&first, &second, &shared};
    gate.FOutputs = {&shared};
    gate.Execute();
    EXPECT_EQ(shared, c.want);
  }
}

TEST(Gates, SplitInvReadsInputZeroAfresh) {
  int32_t source = 0, second = kUntouched, third = kUntouched;
  TSE split(1, 3, seSplitInv3);
  split.FInputs = {&source};
  split.FOutputs = {&source, &second, &third};
  split.Execute();
  EXPECT_EQ(source, 1);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(third, 0);
}

}  // namespace
}  // namespace kvir
