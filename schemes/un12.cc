// Scheme 12: three-bit decoder on the two halves of the 155ID4 chip.

#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"BUS00", 290, 250}, {"IN00", 242, 250},  {"IN01", 242, 292},
    {"IN02", 242, 348},  {"IN03", 242, 390},  {"BUS01", 290, 292},
    {"BUS02", 290, 348}, {"BUS03", 290, 390}, {"DC00", 378, 222},
    {"DC01", 378, 250},  {"DC02", 378, 292},  {"DC03", 378, 348},
    {"DC04", 378, 390},  {"DC05", 378, 418},  {"OUT[00..07]", 554, 222, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 22);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..02]", "BUS[00..02]"},
    {seInvert, "IN03", "BUS03"},
    {seRoute12, "BUS[00..03]", "DC[00..05]"},
    {se155ID4, "DC[00..05]", "OUT[00..07]"},
};
static_assert(CountNames(kNetlist[3].inputs) == 6 && CountNames(kNetlist[3].outputs) == 8);

constexpr PressRow kPress[] = {
    {1, 2, "BUS[00..03]"},
    {3, 3, "DC[00..05]"},
    {4, 4, "OUT[00..07]"},
};

}  // namespace

const SchemeDef kScheme12 = {
    .number = 12,
    .title = "Схема 12 - Трёхразрядный дешифратор на базе микросхемы 155ИД4",
    .picture = {238, 216, 344, 232},
    .places = kPlaces,
    .buttons = "IN[00..03]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=0 IN01=0 IN02=0 IN03=0",
    .start = "IN03",
};

void BuildScheme12(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme12(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
