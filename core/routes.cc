#include "core/routes.h"

namespace kvir {
namespace {

// The maps as drawn, gate by gate: the decoders' rule must reproduce them exactly.
constexpr RouteMap<24> kRoute06AsDrawn = {2, 4, 6, 1, 4, 6, 2, 3, 6, 1, 3, 6,
                                          2, 4, 5, 1, 4, 5, 2, 3, 5, 1, 3, 5};
constexpr RouteMap<24> kRoute07AsDrawn = {1, 3, 5, 2, 3, 5, 1, 4, 5, 2, 4, 5,
                                          1, 3, 6, 2, 3, 6, 1, 4, 6, 2, 4, 6};
constexpr RouteMap<64> kRoute08AsDrawn = {
    2, 4, 6, 8, 2, 4, 6, 7, 2, 4, 5, 8, 2, 4, 5, 7, 2, 3, 6, 8, 2, 3, 6, 7, 2, 3, 5, 8, 2, 3, 5, 7,
    1, 4, 6, 8, 1, 4, 6, 7, 1, 4, 5, 8, 1, 4, 5, 7, 1, 3, 6, 8, 1, 3, 6, 7, 1, 3, 5, 8, 1, 3, 5, 7};
constexpr RouteMap<64> kRoute09AsDrawn = {
    1, 3, 5, 7, 1, 3, 5, 8, 1, 3, 6, 7, 1, 3, 6, 8, 1, 4, 5, 7, 1, 4, 5, 8, 1, 4, 6, 7, 1, 4, 6, 8,
    2, 3, 5, 7, 2, 3, 5, 8, 2, 3, 6, 7, 2, 3, 6, 8, 2, 4, 5, 7, 2, 4, 5, 8, 2, 4, 6, 7, 2, 4, 6, 8};
static_assert(kRoute06 == kRoute06AsDrawn);
static_assert(kRoute07 == kRoute07AsDrawn);
static_assert(kRoute08 == kRoute08AsDrawn);
static_assert(kRoute09 == kRoute09AsDrawn);

template <const auto& Map>
void Route(TPIntArr& inputs, TPIntArr& outputs) {
  for (std::size_t j = 0; j < Map.size(); ++j) *outputs[j] = *inputs[Map[j]];
}

}  // namespace

void seRoute01(TPIntArr& in, TPIntArr& out) {
  Route<kRoute01>(in, out);
}
void seRoute03(TPIntArr& in, TPIntArr& out) {
  Route<kRoute03>(in, out);
}
void seRoute06(TPIntArr& in, TPIntArr& out) {
  Route<kRoute06>(in, out);
}
void seRoute07(TPIntArr& in, TPIntArr& out) {
  Route<kRoute07>(in, out);
}
void seRoute08(TPIntArr& in, TPIntArr& out) {
  Route<kRoute08>(in, out);
}
void seRoute09(TPIntArr& in, TPIntArr& out) {
  Route<kRoute09>(in, out);
}
void seRoute12(TPIntArr& in, TPIntArr& out) {
  Route<kRoute12>(in, out);
}
void seRoute14(TPIntArr& in, TPIntArr& out) {
  Route<kRoute14>(in, out);
}
void seRoute15(TPIntArr& in, TPIntArr& out) {
  Route<kRoute15>(in, out);
}

std::span<const RouteEntry> RouteTable() {
  static constexpr RouteEntry kTable[] = {
      {seRoute01, "seRoute01", kRoute01}, {seRoute03, "seRoute03", kRoute03},
      {seRoute06, "seRoute06", kRoute06}, {seRoute07, "seRoute07", kRoute07},
      {seRoute08, "seRoute08", kRoute08}, {seRoute09, "seRoute09", kRoute09},
      {seRoute12, "seRoute12", kRoute12}, {seRoute14, "seRoute14", kRoute14},
      {seRoute15, "seRoute15", kRoute15}};
  return kTable;
}

std::span<const uint8_t> RouteMapOf(TSEProc proc) {
  for (const RouteEntry& entry : RouteTable()) {
    if (entry.proc == proc) return entry.map;
  }
  return {};
}

}  // namespace kvir
