// Scheme 11: dual two-bit decoder on the 155ID4 chip.

#include "core/chips.h"
#include "core/gates.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"DC00", 334, 222},
    {"IN00", 286, 222},
    {"IN01", 286, 250},
    {"IN02", 286, 292},
    {"IN03", 286, 348},
    {"IN04", 286, 390},
    {"IN05", 286, 418},
    {"DC01", 334, 250},
    {"DC02", 334, 292},
    {"DC03", 334, 348},
    {"DC04", 334, 390},
    {"DC05", 334, 418},
    {"OUT[00..07]", 510, 222, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 20);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN02 IN03 IN05", "DC02 DC03 DC05"},
    {seInvert, "IN00 IN01 IN04", "DC00 DC01 DC04"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
static_assert(CountNames(kNetlist[2].inputs) == 6 && CountNames(kNetlist[2].outputs) == 8);

constexpr PressRow kPress[] = {
    {1, 2, "DC[00..05]"},
    {3, 3, "OUT[00..07]"},
};

}  // namespace

const SchemeDef kScheme11 = {
    .number = 11,
    .title = "Схема 11 - Двухразрядный дешифратор (сдвоенный) на базе микросхемы 155ИД4",
    .picture = {282, 216, 256, 232},
    .places = kPlaces,
    .buttons = "IN[00..05]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=1 IN01=1 IN02=0 IN03=0 IN04=1 IN05=0",
    .start = "IN05",
};

void BuildScheme11(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme11(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
