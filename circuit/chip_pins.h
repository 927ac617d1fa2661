#pragma once
// The series-155 chips of the schemes: the label and polarity of each pin, in the order the chip
// procedures take their inputs and outputs.

#include <cstdint>
#include <span>
#include <string_view>

namespace kvir {

enum class ChipType : uint8_t { kNone, k155IV1, k155ID3, k155ID4 };

struct PinMark {
  std::string_view label;
  bool active_low;
};

/// Where a row of indicators sits on a chip: on chip D`chip` (from 1; 0 for none), its inputs
/// or outputs from pin `first` on, in procedure order.
struct ChipPins {
  uint8_t chip = 0;
  ChipType type = ChipType::kNone;
  bool output = false;
  uint8_t first = 0;
};

inline constexpr PinMark kIV1Inputs[] = {{"0", true}, {"1", true}, {"2", true},
                                         {"3", true}, {"4", true}, {"5", true},
                                         {"6", true}, {"7", true}, {"V", true}};
inline constexpr PinMark kIV1Outputs[] = {{"S", true}, {"D1", true}, {"D2", true}, {"D3", true}};

inline constexpr PinMark kID3Inputs[] = {{"1", false}, {"2", false}, {"3", false},
                                         {"4", false}, {"S1", true}, {"S2", true}};
inline constexpr PinMark kID3Outputs[] = {{"0", true},  {"1", true},  {"2", true},  {"3", true},
                                          {"4", true},  {"5", true},  {"6", true},  {"7", true},
                                          {"8", true},  {"9", true},  {"10", true}, {"11", true},
                                          {"12", true}, {"13", true}, {"14", true}, {"15", true}};

inline constexpr PinMark kID4Inputs[] = {{"S1", true}, {"Ē", true},  {"A", false},
                                         {"B", false}, {"S2", true}, {"D", false}};
inline constexpr PinMark kID4Outputs[] = {{"E1", true}, {"E2", true}, {"E3", true}, {"E4", true},
                                          {"D1", true}, {"D2", true}, {"D3", true}, {"D4", true}};

/// The input or output pins of a chip type, in procedure order; empty for kNone.
constexpr std::span<const PinMark> ChipPinMarks(ChipType type, bool output) {
  switch (type) {
    case ChipType::k155IV1:
      return output ? std::span<const PinMark>(kIV1Outputs) : kIV1Inputs;
    case ChipType::k155ID3:
      return output ? std::span<const PinMark>(kID3Outputs) : kID3Inputs;
    case ChipType::k155ID4:
      return output ? std::span<const PinMark>(kID4Outputs) : kID4Inputs;
    case ChipType::kNone:
      break;
  }
  return {};
}

}  // namespace kvir
