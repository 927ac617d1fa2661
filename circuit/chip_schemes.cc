// Schemes 10 … 16, the encoders and decoders on series-155 chips, as tables.

#include <algorithm>

#include "circuit/schemes.h"
#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"

namespace kvir {
namespace {

using enum ChipType;

constexpr Legend Button(std::string_view labels) {
  return {Role::kInput, labels};
}
constexpr Legend Enable(std::string_view labels) {
  return {Role::kEnable, labels};
}
constexpr Legend Lines(std::string_view labels) {
  return {Role::kBusLine, labels};
}
/// Input pins of chip D`chip` from pin `first` on.
constexpr Legend Pins(ChipType type, uint8_t first = 0, uint8_t chip = 1) {
  return {Role::kChipPin, "", {chip, type, false, first}};
}
/// Output pins of chip D`chip`: the scheme's outputs, or pins feeding a further chip. A decoder
/// chip selects one output by a low level.
constexpr Legend Outputs(ChipType type, uint8_t chip = 1, Role role = Role::kOutput) {
  const bool decoder = type == k155ID3 || type == k155ID4;
  return {role, "", {chip, type, true, 0}, decoder ? ActiveLevel::kLow : ActiveLevel::kNone};
}

/// The rows of a chip's input pins below its first one: 155ИД4 (S1 Ē A B S2 D), 155ИД3.
constexpr int kID4Rows[] = {0, 28, 70, 126, 168, 196};
constexpr int kID3Rows[] = {0, 28, 56, 84, 392, 420};
constexpr std::span<const int> ID4Rows(size_t first, size_t count = 6) {
  return std::span(kID4Rows).subspan(first, std::min(count, 6 - first));
}

constexpr Step kDown = {0, 28};

// Scheme 10: three-bit encoder on the 155IV1 chip.
constexpr PlaceRow kPlaces10[] = {
    {"CD00", Pins(k155IV1), 334, 208},
    {"IN[00..07]", Button("#"), 286, 208, kDown},
    {"IN08", Enable("V"), 286, 432},
    {"CD[01..08]", Pins(k155IV1, 1), 334, 236, kDown},
    {"OUT[00..03]", Outputs(k155IV1), 510, 208, kDown},
};
static_assert(CountPlaces(kPlaces10) == 22);
constexpr ElementRow kNetlist10[] = {
    {seInvert, "IN[00..08]", "CD[00..08]"},
    {se155IV1, "CD[00..08]", "OUT[00..03]"},
};
constexpr PressRow kPress10[] = {{1, 1, "CD[00..08]"}, {2, 2, "OUT[00..03]"}};

// Scheme 11: dual two-bit decoder on the 155ID4 chip; S1 and Ē enable its E half, S2 and D its D
// half.
constexpr PlaceRow kPlaces11[] = {
    {"DC00", Pins(k155ID4), 334, 222},
    {"IN[00..01]", Enable("S1 Ē"), 286, 222, {}, {}, ID4Rows(0, 2)},
    {"IN[02..03]", Button("A B"), 286, 222, {}, {}, ID4Rows(2, 2)},
    {"IN[04..05]", Enable("S2 D"), 286, 222, {}, {}, ID4Rows(4)},
    {"DC[01..05]", Pins(k155ID4, 1), 334, 222, {}, {}, ID4Rows(1)},
    {"OUT[00..07]", Outputs(k155ID4), 510, 222, kDown},
};
static_assert(CountPlaces(kPlaces11) == 20);
constexpr ElementRow kNetlist11[] = {
    {seRepeat, "IN02 IN03 IN05", "DC02 DC03 DC05"},
    {seInvert, "IN00 IN01 IN04", "DC00 DC01 DC04"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress11[] = {{1, 2, "DC[00..05]"}, {3, 3, "OUT[00..07]"}};

// Scheme 12: three-bit decoder on the two halves of the 155ID4 chip. Bus line 0 carries the bit
// of weight 4 to Ē and D, line 3 the inverted enable V to both strobes.
constexpr PlaceRow kPlaces12[] = {
    {"BUS00", Lines("0"), 290, 250},
    {"IN[00..02]", Button("4 2 1"), 242, 222, {}, {}, ID4Rows(1, 3)},
    {"IN03", Enable("V"), 242, 390},
    {"BUS[01..03]", Lines("#"), 290, 222, {}, {}, ID4Rows(2, 3)},
    {"DC[00..05]", Pins(k155ID4), 378, 222, {}, {}, kID4Rows},
    {"OUT[00..07]", Outputs(k155ID4), 554, 222, kDown},
};
static_assert(CountPlaces(kPlaces12) == 22);
constexpr ElementRow kNetlist12[] = {
    {seRepeat, "IN[00..02]", "BUS[00..02]"},
    {seInvert, "IN03", "BUS03"},
    {seRoute12, "BUS[00..03]", "DC[00..05]"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress12[] = {
    {1, 2, "BUS[00..03]"}, {3, 3, "DC[00..05]"}, {4, 4, "OUT[00..07]"}};

// Scheme 13: four-bit decoder on the 155ID3 chip.
constexpr PlaceRow kPlaces13[] = {
    {"IN[00..03]", Button("1 2 3 4"), 286, 110, kDown},
    {"IN[04..05]", Enable("S1 S2"), 286, 502, kDown},
    {"DC[00..05]", Pins(k155ID3), 334, 110, {}, {}, kID3Rows},
    {"OUT[00..15]", Outputs(k155ID3), 510, 110, kDown},
};
static_assert(CountPlaces(kPlaces13) == 28);
constexpr ElementRow kNetlist13[] = {
    {seRepeat, "IN[00..03]", "DC[00..03]"},
    {seInvert, "IN04 IN05", "DC04 DC05"},
    {se155ID3, "DC[00..05]", "OUT[00..15]"},
};
constexpr PressRow kPress13[] = {{1, 2, "DC[00..05]"}, {3, 3, "OUT[00..15]"}};

// Scheme 14: six-bit incomplete decoder on two cascaded 155ID4 chips; D1's output D3 enables D2.
constexpr PlaceRow kPlaces14[] = {
    {"IN00", Enable("S"), 31, 224},
    {"IN[01..06]", Button("#"), 31, 252, kDown},
    {"BUSIN[00..06]", Lines("S 1 2 3 4 5 6"), 79, 224, kDown},
    {"BUSOUT[00..03]", Lines("S 1 2 3"), 155, 224, {}, {}, ID4Rows(0, 4)},
    {"BUSOUT[04..06]", Lines("#"), 501, 224, {}, {}, ID4Rows(1, 3)},
    {"DC00IN[00..05]", Pins(k155ID4), 243, 224, {}, {}, kID4Rows},
    {"DC00OUT[00..07]", Outputs(k155ID4, 1, Role::kChipPin), 419, 224, kDown},
    {"DC00DC01BRIDGE", Lines("D3"), 501, 224},
    {"DC01IN[00..05]", Pins(k155ID4, 0, 2), 589, 224, {}, {}, kID4Rows},
    {"OUT[00..07]", Outputs(k155ID4, 2), 765, 224, kDown},
};
static_assert(CountPlaces(kPlaces14) == 50);
constexpr std::string_view kRouted14 =
    "BUSOUT[00..06] DC00IN[00..05] DC01IN01 DC01IN02 DC01IN03 DC01IN05";
constexpr ElementRow kNetlist14[] = {
    {seInvert, "IN00", "BUSIN00"},
    {seRepeat, "IN[01..06]", "BUSIN[01..06]"},
    {seRoute14, "BUSIN[00..06]", kRouted14},
    {se155ID4, "DC00IN[00..05]", "DC00OUT[00..07]"},
    {seSplit3, "DC00OUT06", "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {se155ID4, "DC01IN[00..05]", "OUT[00..07]"},
};
constexpr PressRow kPress14[] = {
    {1, 2, "BUSIN[00..06]"},   {3, 3, kRouted14},
    {4, 4, "DC00OUT[00..07]"}, {5, 5, "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {6, 6, "OUT[00..07]"},
};

// Scheme 15: eight-bit incomplete decoder on two cascaded 155ID3 chips; D1's output 5 strobes
// D2. It has no IN00.
constexpr PlaceRow kPlaces15[] = {
    {"IN[01..08]", Button("#"), 87, 126, kDown},
    {"IN09", Enable("S"), 87, 546},
    {"BUSIN[01..08]", Lines("#"), 135, 126, kDown},
    {"BUSS0IN", Lines("S"), 135, 546},
    {"DC00IN[00..05]", Pins(k155ID3), 211, 126, {}, {}, kID3Rows},
    {"DC00OUT[00..15]", Outputs(k155ID3, 1, Role::kChipPin), 387, 126, kDown},
    {"BUSS1IN", Lines("5"), 457, 546},
    {"DC01IN[00..05]", Pins(k155ID3, 0, 2), 533, 126, {}, {}, kID3Rows},
    {"OUT[00..15]", Outputs(k155ID3, 2), 709, 126, kDown},
};
static_assert(CountPlaces(kPlaces15) == 63);
constexpr std::string_view kRouted15 = "BUSIN[01..08] DC00IN[00..03] DC01IN[00..03]";
constexpr ElementRow kNetlist15[] = {
    {seRoute15, "IN[01..08]", kRouted15},
    {seSplitInv3, "IN09", "BUSS0IN DC00IN04 DC00IN05"},
    {se155ID3, "DC00IN[00..05]", "DC00OUT[00..15]"},
    {seSplit3, "DC00OUT05", "BUSS1IN DC01IN04 DC01IN05"},
    {se155ID3, "DC01IN[00..05]", "OUT[00..15]"},
};
constexpr PressRow kPress15[] = {
    {1, 1, kRouted15},         {2, 2, "BUSS0IN DC00IN04 DC00IN05"},
    {3, 3, "DC00OUT[00..15]"}, {4, 4, "BUSS1IN DC01IN04 DC01IN05"},
    {5, 5, "OUT[00..15]"},
};

// Scheme 16: ten-bit incomplete decoder: two 155ID4 chips strobing a 155ID3 chip.
constexpr PlaceRow kPlaces16[] = {
    {"IN00", Enable("S"), 72, 112},
    {"IN[01..10]", Button("#"), 72, 140, kDown},
    {"BUSIN[00..10]", Lines("S 1 2 3 4 5 6 7 8 9 10"), 120, 112, kDown},
    {"BUSOUT[00..03]", Lines("S 1 2 3"), 196, 112, {}, {}, ID4Rows(0, 4)},
    {"BUSOUT[04..06]", Lines("#"), 196, 364, {}, {}, ID4Rows(1, 3)},
    {"BUSOUT10 BUSOUT09 BUSOUT08 BUSOUT07", Lines("#"), 548, 112, kDown},
    {"DC00IN[00..05]", Pins(k155ID4), 284, 112, {}, {}, kID4Rows},
    {"DC01IN[00..05]", Pins(k155ID4, 0, 2), 284, 364, {}, {}, kID4Rows},
    {"DC00OUT[00..07]", Outputs(k155ID4, 1, Role::kChipPin), 460, 112, kDown},
    {"DC01OUT[00..07]", Outputs(k155ID4, 2, Role::kChipPin), 460, 364, kDown},
    {"DC02S[01..02]", Pins(k155ID3, 4, 3), 548, 504, kDown},
    {"OUT[00..15]", Outputs(k155ID3, 3), 724, 112, kDown},
};
static_assert(CountPlaces(kPlaces16) == 79);
constexpr ElementRow kNetlist16[] = {
    {seInvert, "IN00", "BUSIN00"},
    {seRepeat, "IN[01..10]", "BUSIN[01..10]"},
    {seRepeat, "BUSIN[00..10]", "BUSOUT[00..10]"},
    {seSplit4, "BUSOUT00", "DC00IN00 DC00IN04 DC01IN00 DC01IN04"},
    {seRepeat, "BUSOUT02 BUSOUT03 BUSOUT05 BUSOUT06", "DC00IN02 DC00IN03 DC01IN02 DC01IN03"},
    {seSplit2, "BUSOUT01", "DC00IN01 DC00IN05"},
    {se155ID4, "DC00IN[00..05]", "DC00OUT[00..07]"},
    {seSplit2, "BUSOUT04", "DC01IN01 DC01IN05"},
    {se155ID4, "DC01IN[00..05]", "DC01OUT[00..07]"},
    {seRepeat, "DC00OUT05", "DC02S01"},
    {seRepeat, "DC01OUT02", "DC02S02"},
    {se155ID3, "BUSOUT10 BUSOUT09 BUSOUT08 BUSOUT07 DC02S01 DC02S02", "OUT[00..15]"},
};
constexpr PressRow kPress16[] = {
    {1, 2, "BUSIN[00..10]"},   {3, 3, "BUSOUT[00..10]"}, {4, 6, "DC00IN[00..05]"},
    {7, 7, "DC00OUT[00..07]"}, {8, 8, "DC01IN[00..05]"}, {9, 9, "DC01OUT[00..07]"},
    {10, 10, "DC02S01"},       {11, 11, "DC02S02"},      {12, 12, "OUT[00..15]"},
};

}  // namespace

// clang-format off
constexpr std::array<SchemeDef, 7> kChipSchemeDefs = {{
    {10, "Схема 10 - Трёхразрядный шифратор на базе микросхемы 155ИВ1", {282, 202, 256, 260}, kPlaces10, "IN[00..08]", InputMode::kOneHotWithToggle, "IN08", kNetlist10, kPress10, "IN[00..08]=0", "IN08", false},
    {11, "Схема 11 - Двухразрядный дешифратор (сдвоенный) на базе микросхемы 155ИД4", {282, 216, 256, 232}, kPlaces11, "IN[00..05]", InputMode::kToggle, "", kNetlist11, kPress11, "IN00=1 IN01=1 IN02=0 IN03=0 IN04=1 IN05=0", "IN05", false},
    {12, "Схема 12 - Трёхразрядный дешифратор на базе микросхемы 155ИД4", {238, 216, 344, 232}, kPlaces12, "IN[00..03]", InputMode::kToggle, "", kNetlist12, kPress12, "IN[00..03]=0", "IN03"},
    {13, "Схема 13 - Четырёхразрядный дешифратор на базе микросхемы 155ИД3", {282, 104, 256, 456}, kPlaces13, "IN[00..05]", InputMode::kToggle, "", kNetlist13, kPress13, "IN[00..03]=0 IN04=1 IN05=0", "IN05", false},
    {14, "Схема 14 - Шестиразрядный дешифратор (неполный) на базе микросхем 155ИД4", {27, 207, 766, 251}, kPlaces14, "IN[00..06]", InputMode::kToggle, "", kNetlist14, kPress14, "IN00=0 IN01=1 IN02=1 IN[03..06]=0", "IN00", false},
    {15, "Схема 15 - Восьмиразрядный дешифратор (неполный) на базе микросхем 155ИД3", {83, 88, 654, 488}, kPlaces15, "IN[01..09]", InputMode::kToggle, "", kNetlist15, kPress15, "IN01=1 IN02=0 IN03=1 IN[04..09]=0", "IN09", false},
    {16, "Схема 16 - Десятиразрядный дешифратор (неполный) на базе микросхем 155ИД3, 155ИД4", {68, 74, 685, 516}, kPlaces16, "IN[00..10]", InputMode::kToggle, "", kNetlist16, kPress16, "IN00=0 IN01=1 IN02=0 IN03=1 IN04=0 IN05=1 IN[06..10]=0", "IN00", false},
}};
// clang-format on

}  // namespace kvir
