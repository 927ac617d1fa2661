// Scheme 16: ten-bit incomplete decoder: two 155ID4 chips strobing a 155ID3 chip.

#include "core/chips.h"
#include "core/gates.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"IN[00..10]", 72, 112, 0, 28},
    {"BUSIN[00..10]", 120, 112, 0, 28},
    {"BUSOUT00", 196, 112},
    {"BUSOUT01", 196, 140},
    {"BUSOUT02", 196, 182},
    {"BUSOUT03", 196, 238},
    {"BUSOUT04", 196, 392},
    {"BUSOUT05", 196, 434},
    {"BUSOUT06", 196, 490},
    {"BUSOUT10", 548, 112},
    {"BUSOUT09", 548, 140},
    {"BUSOUT08", 548, 168},
    {"BUSOUT07", 548, 196},
    {"DC00IN00", 284, 112},
    {"DC00IN01", 284, 140},
    {"DC00IN02", 284, 182},
    {"DC00IN03", 284, 238},
    {"DC00IN04", 284, 280},
    {"DC00IN05", 284, 308},
    {"DC01IN00", 284, 364},
    {"DC01IN01", 284, 392},
    {"DC01IN02", 284, 434},
    {"DC01IN03", 284, 490},
    {"DC01IN04", 284, 532},
    {"DC01IN05", 284, 560},
    {"DC00OUT[00..07]", 460, 112, 0, 28},
    {"DC01OUT[00..07]", 460, 364, 0, 28},
    {"DC02S01", 548, 504},
    {"DC02S02", 548, 532},
    {"OUT[00..15]", 724, 112, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 79);

constexpr ElementRow kNetlist[] = {
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

constexpr PressRow kPress[] = {
    {1, 2, "BUSIN[00..10]"},   {3, 3, "BUSOUT[00..10]"}, {4, 6, "DC00IN[00..05]"},
    {7, 7, "DC00OUT[00..07]"}, {8, 8, "DC01IN[00..05]"}, {9, 9, "DC01OUT[00..07]"},
    {10, 10, "DC02S01"},       {11, 11, "DC02S02"},      {12, 12, "OUT[00..15]"},
};

}  // namespace

const SchemeDef kScheme16 = {
    .number = 16,
    .title = "Схема 16 - Десятиразрядный дешифратор (неполный) на базе микросхем 155ИД3, 155ИД4",
    .picture = {68, 74, 685, 516},
    .places = kPlaces,
    .buttons = "IN[00..10]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=0 IN01=1 IN02=0 IN03=1 IN04=0 IN05=1 IN06=0 IN07=0 IN08=0 IN09=0 IN10=0",
    .start = "IN00",
};

void BuildScheme16(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme16(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
