#pragma once
// The words that name what an indicator is, shared by every legend: kvir-cli names, the truth
// table, the accessible names the program gives its indicators.

#include <string>
#include <string_view>

#include "circuit/scheme.h"
#include "circuit/scheme_texts.h"

namespace kvir {

/// "вход", "разрешение", "шина", "вход элемента", "вывод микросхемы", "выход", or in English
/// "input", "enable", "bus line", "gate input", "chip pin", "output".
std::string_view RoleWord(Role role, Language language);

/// The chip an indicator lies on, as the drawing names it ("D1"); empty when it lies on none.
std::string ChipName(const ChipPins& pins);

/// The chip's type as printed in its title: "155ИД4", or "155ID4" in English; empty for none.
std::string_view ChipTypeName(ChipType type, Language language);

/// The label of the pin an indicator lies on ("Ē", "S1", "15"); empty when it lies on none.
std::string_view PinLabel(const ChipPins& pins);

}  // namespace kvir
