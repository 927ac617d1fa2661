#pragma once
// Routing elements: fixed copy maps. Output j receives the value of input kRouteNN[j].

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/se.h"

namespace kvir {

template <std::size_t N>
using RouteMap = std::array<uint8_t, N>;

/// Bus lines 0 … 7 to the inputs of the three OR/NAND gates of the three-bit encoders.
inline constexpr RouteMap<12> kRoute01 = {1, 3, 5, 7, 2, 3, 6, 7, 4, 5, 6, 7};

/// Bus lines 0 … 15 to the four eight-input gates of the four-bit encoders.
inline constexpr RouteMap<32> kRoute03 = {1, 3, 5, 7, 9,  11, 13, 15, 2, 3, 6,  7,  10, 11, 14, 15,
                                          4, 5, 6, 7, 12, 13, 14, 15, 8, 9, 10, 11, 12, 13, 14, 15};

/// Three-bit decoders: input 0 is unused; inputs 2b + 1 and 2b + 2 are the true and complement
/// lines of input bit b. Output 3k + b feeds input b of gate k.
constexpr RouteMap<24> DecoderRoute3(bool true_when_set) {
  RouteMap<24> map{};
  for (int k = 0; k < 8; ++k) {
    for (int b = 0; b < 3; ++b) {
      const bool set = (k >> b) & 1;
      map[3 * k + b] = static_cast<uint8_t>(2 * b + (set == true_when_set ? 1 : 2));
    }
  }
  return map;
}

/// Four-bit decoders: input 0 is unused; output 4k + m feeds input m of gate k and tests bit
/// 3 - m of k through the true line 2m + 1 or the complement line 2m + 2.
constexpr RouteMap<64> DecoderRoute4(bool true_when_set) {
  RouteMap<64> map{};
  for (int k = 0; k < 16; ++k) {
    for (int m = 0; m < 4; ++m) {
      const bool set = (k >> (3 - m)) & 1;
      map[4 * k + m] = static_cast<uint8_t>(2 * m + (set == true_when_set ? 1 : 2));
    }
  }
  return map;
}

/// AND decoder: a gate sees the true line where its number has the bit set.
inline constexpr RouteMap<24> kRoute06 = DecoderRoute3(true);
/// NOR decoder: a gate sees the complement line where its number has the bit set.
inline constexpr RouteMap<24> kRoute07 = DecoderRoute3(false);
inline constexpr RouteMap<64> kRoute08 = DecoderRoute4(true);
inline constexpr RouteMap<64> kRoute09 = DecoderRoute4(false);

// The maps below serve one scheme each, yet they stay here with their procedures: an element's
// procedure copies through its map, and core/ knows no scheme rows. A scheme's row in
// circuit/chip_schemes.cc names the procedure in its netlist and the cells it routes; what the
// copies mean is said here.

/// Four lines onto the six pins of the dual two-to-four decoder chip (seRoute12, scheme 12):
/// both strobes from line 3, Ē and D from line 0, A and B from lines 1 and 2.
inline constexpr RouteMap<6> kRoute12 = {3, 0, 1, 2, 3, 0};

/// A bus of seven lines, strobe and six bits (seRoute14, scheme 14): onto seven bus outputs, the
/// six inputs of the first chip and four of the second's.
inline constexpr RouteMap<17> kRoute14 = {0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 0, 1, 4, 5, 6, 4};

/// Eight bits (seRoute15, scheme 15): onto eight bus lines, then the address pins of two chips,
/// four each.
inline constexpr RouteMap<16> kRoute15 = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7};

void seRoute01(TPIntArr& inputs, TPIntArr& outputs);
void seRoute03(TPIntArr& inputs, TPIntArr& outputs);
void seRoute06(TPIntArr& inputs, TPIntArr& outputs);
void seRoute07(TPIntArr& inputs, TPIntArr& outputs);
void seRoute08(TPIntArr& inputs, TPIntArr& outputs);
void seRoute09(TPIntArr& inputs, TPIntArr& outputs);
void seRoute12(TPIntArr& inputs, TPIntArr& outputs);
void seRoute14(TPIntArr& inputs, TPIntArr& outputs);
void seRoute15(TPIntArr& inputs, TPIntArr& outputs);

struct RouteEntry {
  TSEProc proc;
  std::string_view name;
  std::span<const uint8_t> map;
};

/// Every routing procedure with its name and copy map.
std::span<const RouteEntry> RouteTable();

/// The copy map of a routing procedure; empty for any other procedure.
std::span<const uint8_t> RouteMapOf(TSEProc proc);

}  // namespace kvir
