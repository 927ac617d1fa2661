// Scheme 15: eight-bit incomplete decoder on two cascaded 155ID3 chips. It has no IN00.

#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"IN[01..08]", 87, 126, 0, 28},
    {"IN09", 87, 546},
    {"BUSIN[01..08]", 135, 126, 0, 28},
    {"BUSS0IN", 135, 546},
    {"DC00IN[00..03]", 211, 126, 0, 28},
    {"DC00IN04", 211, 518},
    {"DC00IN05", 211, 546},
    {"DC00OUT[00..15]", 387, 126, 0, 28},
    {"BUSS1IN", 457, 546},
    {"DC01IN[00..03]", 533, 126, 0, 28},
    {"DC01IN04", 533, 518},
    {"DC01IN05", 533, 546},
    {"OUT[00..15]", 709, 126, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 63);

constexpr std::string_view kRoutedLines = "BUSIN[01..08] DC00IN[00..03] DC01IN[00..03]";
static_assert(CountNames(kRoutedLines) == 16);

constexpr ElementRow kNetlist[] = {
    {seRoute15, "IN[01..08]", kRoutedLines},
    {seSplitInv3, "IN09", "BUSS0IN DC00IN04 DC00IN05"},
    {se155ID3, "DC00IN[00..05]", "DC00OUT[00..15]"},
    {seSplit3, "DC00OUT05", "BUSS1IN DC01IN04 DC01IN05"},
    {se155ID3, "DC01IN[00..05]", "OUT[00..15]"},
};

constexpr PressRow kPress[] = {
    {1, 1, kRoutedLines},      {2, 2, "BUSS0IN DC00IN04 DC00IN05"},
    {3, 3, "DC00OUT[00..15]"}, {4, 4, "BUSS1IN DC01IN04 DC01IN05"},
    {5, 5, "OUT[00..15]"},
};

}  // namespace

const SchemeDef kScheme15 = {
    .number = 15,
    .title = "Схема 15 - Восьмиразрядный дешифратор (неполный) на базе микросхем 155ИД3",
    .picture = {83, 88, 654, 488},
    .places = kPlaces,
    .buttons = "IN[01..09]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN01=1 IN02=0 IN03=1 IN04=0 IN05=0 IN06=0 IN07=0 IN08=0 IN09=0",
    .start = "IN09",
};

void BuildScheme15(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme15(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
