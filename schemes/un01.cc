// Scheme 01: three-bit encoder on OR gates.

#include "core/gates.h"
#include "core/routes.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr PlaceRow kPlaces[] = {
    {"BUS[00..07]", 324, 182, 0, 28},
    {"OR02[00..03]", 400, 182, 0, 26},
    {"OR01[00..03]", 400, 288, 0, 26},
    {"OR00[00..03]", 400, 394, 0, 26},
    {"OUT02", 520, 221},
    {"OUT01", 520, 327},
    {"OUT00", 520, 433},
    {"IN[00..07]", 276, 182, 0, 28},
};
static_assert(CountPlaces(kPlaces) == 31);

constexpr ElementRow kNetlist[] = {
    {seRepeat, "IN[00..07]", "BUS[00..07]"},
    {seRoute01, "BUS[00..07]", "OR00[00..03] OR01[00..03] OR02[00..03]"},
    {seOr, "OR00[00..03]", "OUT00"},
    {seOr, "OR01[00..03]", "OUT01"},
    {seOr, "OR02[00..03]", "OUT02"},
};

constexpr PressRow kPress[] = {
    {1, 1, "BUS[00..07]"}, {2, 2, "OR00[00..03] OR01[00..03] OR02[00..03]"},
    {3, 3, "OUT00"},       {4, 4, "OUT01"},
    {5, 5, "OUT02"},
};

}  // namespace

const SchemeDef kScheme01 = {
    .number = 1,
    .title = "Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ",
    .picture = {248, 165, 324, 335},
    .places = kPlaces,
    .buttons = "IN[00..07]",
    .mode = InputMode::kOneHot,
    .toggle = "",
    .netlist = kNetlist,
    .press = kPress,
    .initial = "",
    .start = "IN00",
};

void BuildScheme01(Scheme& scheme) {
  BuildNetlist(scheme);
}
void PressScheme01(Scheme& scheme, Indicator& clicked) {
  Press(scheme, clicked);
}

}  // namespace kvir
