#pragma once
// The schemes on gates, one row each: the encoders 01 … 05 (buttons Y0 … onto a numbered bus,
// the bus routed to one gate per output bit) and the decoders 06 … 09 (inputs and their
// inverters onto a bus of true and complement lines, one gate per output). The scheme
// generators, the drawings and the tests all read these rows.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/gates.h"
#include "core/routes.h"

namespace kvir {

enum class GateKind : uint8_t { kOr, kNand, kAnd, kNor };

struct GateSchemeRow {
  uint8_t number;
  uint8_t bits;  ///< width of the binary number
  GateKind gate;
  bool inverted_inputs;  ///< encoders whose buttons reach the bus through inverters
  std::string_view title;
};

// clang-format off
inline constexpr GateSchemeRow kGateEncoders[] = {
    {1, 3, GateKind::kOr,   false, "Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ"},
    {2, 3, GateKind::kNand, true,  "Схема 02 - Трёхразрядный шифратор с инверсными входами на логических элементах И-НЕ"},
    {3, 4, GateKind::kOr,   false, "Схема 03 - Четырёхразрядный шифратор на логических элементах ИЛИ"},
    {4, 4, GateKind::kNor,  false, "Схема 04 - Четырёхразрядный шифратор на логиеских элементах ИЛИ-НЕ, НЕ"},
    {5, 4, GateKind::kNand, true,  "Схема 05 - Четырёхразрядный шифратор с инверсными входами на логических элементах И-НЕ"},
};
inline constexpr GateSchemeRow kGateDecoders[] = {
    {6, 3, GateKind::kAnd, false, "Схема 06 - Трёхразрядный дешифратор с инверторами на логических элементах И"},
    {7, 3, GateKind::kNor, false, "Схема 07 - Трёхразрядный дешифратор с инверторами на логических элементах ИЛИ-НЕ"},
    {8, 4, GateKind::kAnd, false, "Схема 08 - Четырёхразрядный дешифратор с инверторами на логических элементах И"},
    {9, 4, GateKind::kNor, false, "Схема 09 - Четырёхразрядный дешифратор с инверторами на логических элементах ИЛИ-НЕ"},
};
// clang-format on

/// The prefix of a gate's input indicators: "OR", "ANDNOT", "AND", "ORNOT".
constexpr std::string_view GateInputPrefix(GateKind kind) {
  constexpr std::array<std::string_view, 4> kPrefixes = {"OR", "ANDNOT", "AND", "ORNOT"};
  return kPrefixes[static_cast<size_t>(kind)];
}

constexpr TSEProc GateProc(GateKind kind) {
  constexpr std::array<TSEProc, 4> kProcs = {seOr, seNand, seAnd, seNor};
  return kProcs[static_cast<size_t>(kind)];
}

/// The routing element between the bus and the gate inputs.
constexpr TSEProc GateRouteProc(const GateSchemeRow& row) {
  if (row.number <= 5) return row.bits == 3 ? seRoute01 : seRoute03;
  if (row.bits == 3) return row.gate == GateKind::kAnd ? seRoute06 : seRoute07;
  return row.gate == GateKind::kAnd ? seRoute08 : seRoute09;
}

inline constexpr int kDecoderColumns3[] = {0, 8};
inline constexpr int kDecoderColumns4[] = {0, 6, 12, 16};

/// The decoders' gates stand in columns: the first gate of each column, then the gate count.
constexpr std::span<const int> DecoderColumns(int bits) {
  return bits == 3 ? std::span<const int>(kDecoderColumns3) : kDecoderColumns4;
}

/// The row of gate scheme `number`, or nullptr.
constexpr const GateSchemeRow* FindGateScheme(int number) {
  for (const GateSchemeRow& row : kGateEncoders) {
    if (row.number == number) return &row;
  }
  for (const GateSchemeRow& row : kGateDecoders) {
    if (row.number == number) return &row;
  }
  return nullptr;
}

}  // namespace kvir
