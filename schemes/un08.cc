// Scheme 08: four-bit decoder on inverters and AND gates.

#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

// Gates stand in three columns of six, six and four; IN03, the most significant, is on top.
constexpr PlaceRow kPlaces[] = {
    {"IN[00..03]", 28, 417, 0, -132},
    {"BUS01", 172, 21},
    {"BUS02", 172, 86},
    {"BUS03", 172, 153},
    {"BUS04", 172, 218},
    {"BUS05", 172, 285},
    {"BUS06", 172, 350},
    {"BUS07", 172, 417},
    {"BUS08", 172, 482},
    {"AND00[00..03]", 248, 21, 0, 26},
    {"AND01[00..03]", 248, 127, 0, 26},
    {"AND02[00..03]", 248, 233, 0, 26},
    {"AND03[00..03]", 248, 339, 0, 26},
    {"AND04[00..03]", 248, 445, 0, 26},
    {"AND05[00..03]", 248, 551, 0, 26},
    {"AND06[00..03]", 448, 21, 0, 26},
    {"AND07[00..03]", 448, 127, 0, 26},
    {"AND08[00..03]", 448, 233, 0, 26},
    {"AND09[00..03]", 448, 339, 0, 26},
    {"AND10[00..03]", 448, 445, 0, 26},
    {"AND11[00..03]", 448, 551, 0, 26},
    {"AND12[00..03]", 648, 21, 0, 26},
    {"AND13[00..03]", 648, 127, 0, 26},
    {"AND14[00..03]", 648, 233, 0, 26},
    {"AND15[00..03]", 648, 339, 0, 26},
    {"OUT[00..05]", 368, 60, 0, 106},
    {"OUT[06..11]", 568, 60, 0, 106},
    {"OUT[12..15]", 768, 60, 0, 106},
};
static_assert(CountPlaces(kPlaces) == 92);

constexpr std::string_view kGateInputs = "AND[00..15][00..03]";
static_assert(CountNames(kGateInputs) == 64);

// Bus line 1 carries IN03; input 0 of the routing element is unwired: input b is bus line b.
constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..03]", "BUS07 BUS05 BUS03 BUS01"},
    {seInvert, "IN00", "BUS08"},
    {seInvert, "IN01", "BUS06"},
    {seInvert, "IN02", "BUS04"},
    {seInvert, "IN03", "BUS02"},
    {seRoute08, "- BUS[01..08]", kGateInputs},
    {seAnd, "AND00[00..03]", "OUT00"},
    {seAnd, "AND01[00..03]", "OUT01"},
    {seAnd, "AND02[00..03]", "OUT02"},
    {seAnd, "AND03[00..03]", "OUT03"},
    {seAnd, "AND04[00..03]", "OUT04"},
    {seAnd, "AND05[00..03]", "OUT05"},
    {seAnd, "AND06[00..03]", "OUT06"},
    {seAnd, "AND07[00..03]", "OUT07"},
    {seAnd, "AND08[00..03]", "OUT08"},
    {seAnd, "AND09[00..03]", "OUT09"},
    {seAnd, "AND10[00..03]", "OUT10"},
    {seAnd, "AND11[00..03]", "OUT11"},
    {seAnd, "AND12[00..03]", "OUT12"},
    {seAnd, "AND13[00..03]", "OUT13"},
    {seAnd, "AND14[00..03]", "OUT14"},
    {seAnd, "AND15[00..03]", "OUT15"},
};

constexpr PressRow kPress[] = {
    {1, 5, "BUS[01..08]"}, {6, 6, kGateInputs}, {7, 7, "OUT00"},   {8, 8, "OUT01"},
    {9, 9, "OUT02"},       {10, 10, "OUT03"},   {11, 11, "OUT04"}, {12, 12, "OUT05"},
    {13, 13, "OUT06"},     {14, 14, "OUT07"},   {15, 15, "OUT08"}, {16, 16, "OUT09"},
    {17, 17, "OUT10"},     {18, 18, "OUT11"},   {19, 19, "OUT12"}, {20, 20, "OUT13"},
    {21, 21, "OUT14"},     {22, 22, "OUT15"},
};

}  // namespace

const SchemeDef kScheme08 = {
    .number = 8,
    .title = "Схема 08 - Четырёхразрядный дешифратор с инверторами на логических элементах И",
    .picture = {0, 0, 820, 665},
    .places = kPlaces,
    .buttons = "IN[00..03]",
    .mode = InputMode::kToggle,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "IN00=1 IN01=0 IN02=0 IN03=0",
    .start = "IN00",
};

void BuildScheme08(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme08(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
