#pragma once
// One element on a test bench: the bench owns the cells and wires input i to in[i], output j to
// out[j]. Output cells start at kUntouched so that writes can be told from non-writes.

#include <array>
#include <cstdint>
#include <vector>

#include "core/se.h"

namespace kvir {

inline constexpr int32_t kUntouched = 7;

struct ElementBench {
  /// Wires inputs first_input … input_count − 1 and every output; lower inputs stay null.
  ElementBench(uint8_t input_count, uint8_t output_count, TSEProc proc, int first_input = 0)
      : se(input_count, output_count, proc) {
    out.fill(kUntouched);
    for (int i = first_input; i < input_count; ++i) se.FInputs[i] = &in[i];
    for (int j = 0; j < output_count; ++j) se.FOutputs[j] = &out[j];
  }

  /// Sets in[i] := values[i], executes once, returns every output cell in index order.
  std::vector<int32_t> Run(const std::vector<int32_t>& values) {
    for (size_t i = 0; i < values.size(); ++i) in[i] = values[i];
    se.Execute();
    return std::vector<int32_t>(out.begin(), out.begin() + se.FOutputs.size());
  }

  /// Sets in[i] := bit i of pattern, executes once, returns output j as bit j.
  uint32_t RunBits(uint32_t pattern) {
    for (size_t i = 0; i < se.FInputs.size(); ++i) in[i] = (pattern >> i) & 1;
    se.Execute();
    uint32_t bits = 0;
    for (size_t j = 0; j < se.FOutputs.size(); ++j) bits |= static_cast<uint32_t>(out[j]) << j;
    return bits;
  }

  std::array<int32_t, 256> in{};
  std::array<int32_t, 256> out{};
  TSE se;
};

}  // namespace kvir
