// Scheme 13: four-bit decoder on the 155ID3 chip.

#include "core/chips.h"
#include "core/gates.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"IN[00..03]", 286, 110, 0, 28},  {"IN04", 286, 502}, {"IN05", 286, 530},
    {"DC[00..03]", 334, 110, 0, 28},  {"DC04", 334, 502}, {"DC05", 334, 530},
    {"OUT[00..15]", 510, 110, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 28);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..03]", "DC[00..03]"},
    {seInvert, "IN04 IN05", "DC04 DC05"},
    {se155ID3, "DC[00..05]", "OUT[00..15]"},
};
static_assert(CountNames(kNetlist[2].inputs) == 6 && CountNames(kNetlist[2].outputs) == 16);

constexpr PressRow kPress[] = {
    {1, 2, "DC[00..05]"},
    {3, 3, "OUT[00..15]"},
};

}  // namespace

const SchemeDef kScheme13 = {
    .number = 13,
    .title = "Схема 13 - Четырёхразрядный дешифратор на базе микросхемы 155ИД3",
    .picture = {282, 104, 256, 456},
    .places = kPlaces,
    .buttons = "IN[00..05]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=0 IN01=0 IN02=0 IN03=0 IN04=1 IN05=0",
    .start = "IN05",
};

void BuildScheme13(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme13(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
