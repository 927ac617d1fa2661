#include "core/routes.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "tests/core/element_bench.h"

namespace kvir {
namespace {

using Map = std::vector<int>;

Map Flatten(const std::vector<Map>& gates) {
  Map map;
  for (const Map& gate : gates) map.insert(map.end(), gate.begin(), gate.end());
  return map;
}

// The maps as the circuit drawings give them, one gate (or bus group) per line.
// clang-format off
const Map kDrawn01 = Flatten({{1, 3, 5, 7}, {2, 3, 6, 7}, {4, 5, 6, 7}});
const Map kDrawn03 = Flatten({{1, 3, 5, 7, 9, 11, 13, 15}, {2, 3, 6, 7, 10, 11, 14, 15},
                              {4, 5, 6, 7, 12, 13, 14, 15}, {8, 9, 10, 11, 12, 13, 14, 15}});
const Map kDrawn06 = Flatten({{2, 4, 6}, {1, 4, 6}, {2, 3, 6}, {1, 3, 6},
                              {2, 4, 5}, {1, 4, 5}, {2, 3, 5}, {1, 3, 5}});
const Map kDrawn07 = Flatten({{1, 3, 5}, {2, 3, 5}, {1, 4, 5}, {2, 4, 5},
                              {1, 3, 6}, {2, 3, 6}, {1, 4, 6}, {2, 4, 6}});
const Map kDrawn08 = Flatten({{2, 4, 6, 8}, {2, 4, 6, 7}, {2, 4, 5, 8}, {2, 4, 5, 7},
                              {2, 3, 6, 8}, {2, 3, 6, 7}, {2, 3, 5, 8}, {2, 3, 5, 7},
                              {1, 4, 6, 8}, {1, 4, 6, 7}, {1, 4, 5, 8}, {1, 4, 5, 7},
                              {1, 3, 6, 8}, {1, 3, 6, 7}, {1, 3, 5, 8}, {1, 3, 5, 7}});
const Map kDrawn09 = Flatten({{1, 3, 5, 7}, {1, 3, 5, 8}, {1, 3, 6, 7}, {1, 3, 6, 8},
                              {1, 4, 5, 7}, {1, 4, 5, 8}, {1, 4, 6, 7}, {1, 4, 6, 8},
                              {2, 3, 5, 7}, {2, 3, 5, 8}, {2, 3, 6, 7}, {2, 3, 6, 8},
                              {2, 4, 5, 7}, {2, 4, 5, 8}, {2, 4, 6, 7}, {2, 4, 6, 8}});
const Map kDrawn12 = {3, 0, 1, 2, 3, 0};
const Map kDrawn14 = {0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 0, 1, 4, 5, 6, 4};
const Map kDrawn15 = Flatten({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6, 7}});
// clang-format on

// Decoder routing: the gate of number `gate` tests input bit `bit` on pair `pair` of bus lines,
// the true line 2·pair + 1 or the complement line just below it.
int DecoderLine(int gate, int bit, int pair, bool true_when_set) {
  const int true_line = 2 * pair + 1;
  return ((gate >> bit) & 1) == static_cast<int>(true_when_set) ? true_line : true_line + 1;
}

Map DecoderRule(int gates, int bits, bool true_when_set, bool msb_first) {
  Map map;
  for (int gate = 0; gate < gates; ++gate) {
    for (int pair = 0; pair < bits; ++pair) {
      map.push_back(DecoderLine(gate, msb_first ? bits - 1 - pair : pair, pair, true_when_set));
    }
  }
  return map;
}

TEST(Routes, DecoderMapsFollowTheirRule) {
  EXPECT_EQ(kDrawn06, DecoderRule(8, 3, true, false));
  EXPECT_EQ(kDrawn07, DecoderRule(8, 3, false, false));
  EXPECT_EQ(kDrawn08, DecoderRule(16, 4, true, true));
  EXPECT_EQ(kDrawn09, DecoderRule(16, 4, false, true));
}

struct RouteCase {
  const char* name;
  TSEProc proc;
  uint8_t inputs;
  std::span<const uint8_t> constant;
  const Map& drawn;
  int first_wired_input = 0;  // the decoders' maps never read input 0, which stays null
};

const RouteCase kRoutes[] = {
    {"01", seRoute01, 8, kRoute01, kDrawn01},    {"03", seRoute03, 16, kRoute03, kDrawn03},
    {"06", seRoute06, 7, kRoute06, kDrawn06, 1}, {"07", seRoute07, 7, kRoute07, kDrawn07, 1},
    {"08", seRoute08, 9, kRoute08, kDrawn08, 1}, {"09", seRoute09, 9, kRoute09, kDrawn09, 1},
    {"12", seRoute12, 4, kRoute12, kDrawn12},    {"14", seRoute14, 7, kRoute14, kDrawn14},
    {"15", seRoute15, 8, kRoute15, kDrawn15}};

TEST(Routes, MapsMatchTheDrawings) {
  for (const RouteCase& route : kRoutes) {
    EXPECT_EQ(Map(route.constant.begin(), route.constant.end()), route.drawn) << route.name;
  }
}

TEST(Routes, OutputJReceivesInputMapJ) {
  for (const RouteCase& route : kRoutes) {
    const auto outputs = static_cast<uint8_t>(route.drawn.size());
    ElementBench bench(route.inputs, outputs, route.proc, route.first_wired_input);
    for (int i = 0; i < route.inputs; ++i) bench.in[i] = 100 + i;
    bench.se.Execute();
    for (int j = 0; j < outputs; ++j) {
      EXPECT_EQ(bench.out[j], 100 + route.drawn[j]) << "route " << route.name << " output " << j;
    }
  }
}

}  // namespace
}  // namespace kvir
