#include "core/chips.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "tests/core/element_bench.h"

namespace kvir {
namespace {

using Levels = std::vector<int32_t>;

TEST(Chip155IV1, EncodesTheDataInputsHeldLow) {
  const struct {
    std::vector<int> low;
    Levels s_d1_d2_d3;
  } kRows[] = {{{}, {1, 1, 1, 1}},     {{0}, {0, 1, 1, 1}},   {{1}, {0, 1, 1, 0}},
               {{2}, {0, 1, 0, 1}},    {{3}, {0, 1, 0, 0}},   {{4}, {0, 0, 1, 1}},
               {{5}, {0, 0, 1, 0}},    {{6}, {0, 0, 0, 1}},   {{7}, {0, 0, 0, 0}},
               {{2, 5}, {0, 0, 0, 0}}, {{1, 2}, {0, 1, 0, 0}}};
  for (size_t r = 0; r < std::size(kRows); ++r) {
    const auto& row = kRows[r];
    ElementBench chip(9, 4, se155IV1);
    Levels pins(9, 1);
    pins[8] = 0;
    for (int k : row.low) pins[k] = 0;
    EXPECT_EQ(chip.Run(pins), row.s_d1_d2_d3) << "row " << r;
  }
}

// Each code output is low iff any of its four data inputs is low; S iff any data input is.
TEST(Chip155IV1, EveryDataPatternFollowsTheRule) {
  ElementBench chip(9, 4, se155IV1);
  for (uint32_t data = 0; data < 256; ++data) {
    auto all_high = [data](uint32_t mask) { return (data & mask) == mask ? 1u : 0u; };
    const uint32_t want =
        all_high(0xFF) | all_high(0xF0) << 1 | all_high(0xCC) << 2 | all_high(0xAA) << 3;
    EXPECT_EQ(chip.RunBits(data), want) << "data " << data;
    EXPECT_EQ(chip.RunBits(data | 1u << 8), 0xFu) << "disabled, data " << data;
  }
}

TEST(Chip155ID3, SelectsTheAddressedOutputOnlyWhenBothStrobesAreLow) {
  ElementBench chip(6, 16, se155ID3);
  for (uint32_t pins = 0; pins < 64; ++pins) {
    const uint32_t address = pins & 0xF;
    const bool strobed = (pins >> 4) == 0;
    const uint32_t want = strobed ? 0xFFFF & ~(1u << address) : 0xFFFF;
    EXPECT_EQ(chip.RunBits(pins), want) << "address " << address << " strobes " << (pins >> 4);
  }
}

// Input pins of the dual decoder: S1, Ē, A, B, S2, D.
constexpr int kAny = -1;
struct HalfRow {
  int strobe, enable, a, b;
  Levels outputs;
};
constexpr int kPinA = 2, kPinB = 3;

void CheckHalf(std::span<const HalfRow> rows, int strobe_pin, int enable_pin, int first_output) {
  ElementBench chip(6, 8, se155ID4);
  for (const HalfRow& row : rows) {
    for (uint32_t pins = 0; pins < 64; ++pins) {
      auto is = [pins](int pin, int level) {
        return level == kAny || static_cast<int>((pins >> pin) & 1) == level;
      };
      if (!is(strobe_pin, row.strobe) || !is(enable_pin, row.enable) || !is(kPinA, row.a) ||
          !is(kPinB, row.b)) {
        continue;
      }
      const uint32_t bits = chip.RunBits(pins);
      Levels half;
      for (int m = 0; m < 4; ++m) half.push_back((bits >> (first_output + m)) & 1);
      EXPECT_EQ(half, row.outputs) << "pins " << pins;
    }
  }
}

TEST(Chip155ID4, HalvesFollowTheirTables) {
  const HalfRow kHalfE[] = {
      {1, kAny, kAny, kAny, {1, 1, 1, 1}}, {kAny, 1, kAny, kAny, {1, 1, 1, 1}},
      {0, 0, 0, 0, {0, 1, 1, 1}},          {0, 0, 0, 1, {1, 0, 1, 1}},
      {0, 0, 1, 0, {1, 1, 0, 1}},          {0, 0, 1, 1, {1, 1, 1, 0}}};
  const HalfRow kHalfD[] = {
      {1, kAny, kAny, kAny, {1, 1, 1, 1}}, {kAny, 0, kAny, kAny, {1, 1, 1, 1}},
      {0, 1, 0, 0, {0, 1, 1, 1}},          {0, 1, 0, 1, {1, 0, 1, 1}},
      {0, 1, 1, 0, {1, 1, 0, 1}},          {0, 1, 1, 1, {1, 1, 1, 0}}};
  CheckHalf(kHalfE, 0, 1, 0);
  CheckHalf(kHalfD, 4, 5, 4);
  ElementBench chip(6, 8, se155ID4);
  EXPECT_EQ(chip.Run({0, 0, 0, 0, 0, 0}), (Levels{0, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(chip.Run({0, 0, 1, 0, 0, 1}), (Levels{1, 1, 0, 1, 1, 1, 0, 1}));
}

TEST(Chip155ID4, EveryPinCombinationFollowsTheRule) {
  ElementBench chip(6, 8, se155ID4);
  for (uint32_t pins = 0; pins < 64; ++pins) {
    auto pin = [pins](int index) { return (pins >> index) & 1; };
    const uint32_t decoded = 0xF & ~(1u << (2 * pin(kPinA) + pin(kPinB)));
    const uint32_t half_e = pin(0) == 0 && pin(1) == 0 ? decoded : 0xF;
    const uint32_t half_d = pin(4) == 0 && pin(5) == 1 ? decoded : 0xF;
    EXPECT_EQ(chip.RunBits(pins), half_e | half_d << 4) << "pins " << pins;
  }
}

}  // namespace
}  // namespace kvir
