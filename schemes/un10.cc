// Scheme 10: three-bit encoder on the 155IV1 chip.

#include "core/chips.h"
#include "core/gates.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"CD00", 334, 208},
    {"IN[00..08]", 286, 208, 0, 28},
    {"CD[01..08]", 334, 236, 0, 28},
    {"OUT[00..03]", 510, 208, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 22);

constexpr ElementRow kNetlist[] = {
    {seInvert, "IN[00..08]", "CD[00..08]"},
    {se155IV1, "CD[00..08]", "OUT[00..03]"},
};
static_assert(CountNames(kNetlist[1].inputs) == 9 && CountNames(kNetlist[1].outputs) == 4);

constexpr PressRow kPress[] = {
    {1, 1, "CD[00..08]"},
    {2, 2, "OUT[00..03]"},
};

}  // namespace

const SchemeDef kScheme10 = {
    .number = 10,
    .title = "Схема 10 - Трёхразрядный шифратор на базе микросхемы 155ИВ1",
    .picture = {282, 202, 256, 260},
    .places = kPlaces,
    .buttons = "IN[00..08]",
    .mode = InputMode::kOneHotWithToggle,
    .toggle = "IN08",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN[00..08]=0",
    .start = "IN08",
};

void BuildScheme10(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme10(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
