// Scheme 03: four-bit encoder on OR gates.

#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"OR00[00..07]", 300, 119, 0, 26}, {"OUT00", 420, 210},
    {"OR01[00..07]", 300, 329, 0, 26}, {"OUT01", 420, 420},
    {"OR02[00..07]", 500, 119, 0, 26}, {"OUT02", 620, 210},
    {"OR03[00..07]", 500, 329, 0, 26}, {"OUT03", 620, 420},
    {"BUS[00..15]", 224, 119, 0, 28},  {"IN[00..15]", 176, 119, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 68);

constexpr std::string_view kGateInputs = "OR[00..03][00..07]";
static_assert(CountNames(kGateInputs) == 32);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..15]", "BUS[00..15]"}, {seRoute03, "BUS[00..15]", kGateInputs},
    {seOr, "OR00[00..07]", "OUT00"},         {seOr, "OR01[00..07]", "OUT01"},
    {seOr, "OR02[00..07]", "OUT02"},         {seOr, "OR03[00..07]", "OUT03"},
};

constexpr PressRow kPress[] = {
    {1, 1, "BUS[00..15]"}, {2, 2, kGateInputs}, {3, 3, "OUT00"},
    {4, 4, "OUT01"},       {5, 5, "OUT02"},     {6, 6, "OUT03"},
};

}  // namespace

const SchemeDef kScheme03 = {
    .number = 3,
    .title = "Схема 03 - Четырёхразрядный шифратор на логических элементах ИЛИ",
    .picture = {148, 98, 524, 469},
    .places = kPlaces,
    .buttons = "IN[00..15]",
    .mode = InputMode::kOneHot,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "",
    .start = "IN00",
};

void BuildScheme03(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme03(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
