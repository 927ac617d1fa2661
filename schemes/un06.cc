// Scheme 06: three-bit decoder on inverters and AND gates.

#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"IN[00..02]", 228, 21, 0, 132},
    {"BUS01", 372, 21},
    {"BUS02", 372, 86},
    {"BUS03", 372, 153},
    {"BUS04", 372, 218},
    {"BUS05", 372, 285},
    {"BUS06", 372, 350},
    {"AND00[00..02]", 448, 21, 0, 26},
    {"AND01[00..02]", 448, 101, 0, 26},
    {"AND02[00..02]", 448, 181, 0, 26},
    {"AND03[00..02]", 448, 261, 0, 26},
    {"AND04[00..02]", 448, 341, 0, 26},
    {"AND05[00..02]", 448, 421, 0, 26},
    {"AND06[00..02]", 448, 501, 0, 26},
    {"AND07[00..02]", 448, 581, 0, 26},
    {"OUT[00..07]", 568, 47, 0, 80},
};
static_assert(CountPlaces(kPlaces) == 41);

constexpr std::string_view kGateInputs = "AND[00..07][00..02]";
static_assert(CountNames(kGateInputs) == 24);

// Input 0 of the routing element is unwired: input b is bus line b.
constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..02]", "BUS01 BUS03 BUS05"},
    {seInvert, "IN00", "BUS02"},
    {seInvert, "IN01", "BUS04"},
    {seInvert, "IN02", "BUS06"},
    {seRoute06, "- BUS[01..06]", kGateInputs},
    {seAnd, "AND00[00..02]", "OUT00"},
    {seAnd, "AND01[00..02]", "OUT01"},
    {seAnd, "AND02[00..02]", "OUT02"},
    {seAnd, "AND03[00..02]", "OUT03"},
    {seAnd, "AND04[00..02]", "OUT04"},
    {seAnd, "AND05[00..02]", "OUT05"},
    {seAnd, "AND06[00..02]", "OUT06"},
    {seAnd, "AND07[00..02]", "OUT07"},
};

constexpr PressRow kPress[] = {
    {1, 4, "BUS[01..06]"}, {5, 5, kGateInputs}, {6, 6, "OUT00"},   {7, 7, "OUT01"},
    {8, 8, "OUT02"},       {9, 9, "OUT03"},     {10, 10, "OUT04"}, {11, 11, "OUT05"},
    {12, 12, "OUT06"},     {13, 13, "OUT07"},
};

}  // namespace

const SchemeDef kScheme06 = {
    .number = 6,
    .title = "Схема 06 - Трёхразрядный дешифратор с инверторами на логических элементах И",
    .picture = {200, 4, 420, 657},
    .places = kPlaces,
    .buttons = "IN[00..02]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=1 IN01=0 IN02=0",
    .start = "IN00",
};

void BuildScheme06(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme06(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
