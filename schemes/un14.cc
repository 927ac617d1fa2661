// Scheme 14: six-bit incomplete decoder on two cascaded 155ID4 chips.

#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"IN[00..06]", 31, 224, 0, 28}, {"BUSIN[00..06]", 79, 224, 0, 28},
    {"BUSOUT00", 155, 224},         {"BUSOUT01", 155, 252},
    {"BUSOUT02", 155, 294},         {"BUSOUT03", 155, 350},
    {"BUSOUT04", 501, 252},         {"BUSOUT05", 501, 294},
    {"BUSOUT06", 501, 350},         {"DC00IN00", 243, 224},
    {"DC00IN01", 243, 252},         {"DC00IN02", 243, 294},
    {"DC00IN03", 243, 350},         {"DC00IN04", 243, 392},
    {"DC00IN05", 243, 420},         {"DC00OUT[00..07]", 419, 224, 0, 28},
    {"DC00DC01BRIDGE", 501, 224},   {"DC01IN00", 589, 224},
    {"DC01IN01", 589, 252},         {"DC01IN02", 589, 294},
    {"DC01IN03", 589, 350},         {"DC01IN04", 589, 392},
    {"DC01IN05", 589, 420},         {"OUT[00..07]", 765, 224, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 50);

constexpr std::string_view kRoutedLines =
    "BUSOUT[00..06] DC00IN[00..05] DC01IN01 DC01IN02 DC01IN03 DC01IN05";
static_assert(CountNames(kRoutedLines) == 17);

constexpr ElementRow kNetlist[] = {
    {seInvert, "IN00", "BUSIN00"},
    {seRepeat, "IN[01..06]", "BUSIN[01..06]"},
    {seRoute14, "BUSIN[00..06]", kRoutedLines},
    {se155ID4, "DC00IN[00..05]", "DC00OUT[00..07]"},
    {seSplit3, "DC00OUT06", "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {se155ID4, "DC01IN[00..05]", "OUT[00..07]"},
};

constexpr PressRow kPress[] = {
    {1, 2, "BUSIN[00..06]"},   {3, 3, kRoutedLines},
    {4, 4, "DC00OUT[00..07]"}, {5, 5, "DC00DC01BRIDGE DC01IN00 DC01IN04"},
    {6, 6, "OUT[00..07]"},
};

}  // namespace

const SchemeDef kScheme14 = {
    .number = 14,
    .title = "Схема 14 - Шестиразрядный дешифратор (неполный) на базе микросхем 155ИД4",
    .picture = {27, 207, 766, 251},
    .places = kPlaces,
    .buttons = "IN[00..06]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=0 IN01=1 IN02=1 IN03=0 IN04=0 IN05=0 IN06=0",
    .start = "IN00",
};

void BuildScheme14(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme14(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
