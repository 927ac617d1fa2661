// Scheme 04: four-bit encoder on NOR gates, each followed by an inverter.

#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"ORNOT00[00..07]", 180, 119, 0, 26},
    {"NOT00", 300, 210},
    {"ORNOT01[00..07]", 180, 329, 0, 26},
    {"NOT01", 300, 420},
    {"ORNOT02[00..07]", 500, 119, 0, 26},
    {"NOT02", 620, 210},
    {"ORNOT03[00..07]", 500, 329, 0, 26},
    {"NOT03", 620, 420},
    {"BUS[00..15]", 104, 119, 0, 28},
    {"OUT00", 420, 249},
    {"OUT01", 420, 459},
    {"OUT02", 740, 249},
    {"OUT03", 740, 459},
    {"IN[00..15]", 56, 119, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 72);

constexpr std::string_view kGateInputs = "ORNOT[00..03][00..07]";
static_assert(CountNames(kGateInputs) == 32);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..15]", "BUS[00..15]"},
    {seRoute03, "BUS[00..15]", kGateInputs},
    {seNor, "ORNOT00[00..07]", "NOT00"},
    {seNor, "ORNOT01[00..07]", "NOT01"},
    {seNor, "ORNOT02[00..07]", "NOT02"},
    {seNor, "ORNOT03[00..07]", "NOT03"},
    {seInvert, "NOT00", "OUT00"},
    {seInvert, "NOT01", "OUT01"},
    {seInvert, "NOT02", "OUT02"},
    {seInvert, "NOT03", "OUT03"},
};

constexpr PressRow kPress[] = {
    {1, 1, "BUS[00..15]"}, {2, 2, kGateInputs}, {3, 3, "NOT00"}, {4, 4, "NOT01"}, {5, 5, "NOT02"},
    {6, 6, "NOT03"},       {7, 7, "OUT00"},     {8, 8, "OUT01"}, {9, 9, "OUT02"}, {10, 10, "OUT03"},
};

}  // namespace

const SchemeDef kScheme04 = {
    .number = 4,
    .title = "Схема 04 - Четырёхразрядный шифратор на логиеских элементах ИЛИ-НЕ, НЕ",
    .picture = {28, 98, 764, 469},
    .places = kPlaces,
    .buttons = "IN[00..15]",
    .mode = InputMode::kOneHot,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "",
    .start = "IN00",
};

void BuildScheme04(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme04(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
