#include "circuit/legend_words.h"

#include <array>

namespace kvir {
namespace {

struct Words {
  std::string_view russian;
  std::string_view english;
};

// In the order of Role.
constexpr std::array<Words, 6> kRoleWords = {{
    {"вход", "input"},
    {"разрешение", "enable"},
    {"шина", "bus line"},
    {"вход элемента", "gate input"},
    {"вывод микросхемы", "chip pin"},
    {"выход", "output"},
}};

// In the order of ChipType.
constexpr std::array<Words, 4> kChipTypeNames = {{
    {"", ""},
    {"155ИВ1", "155IV1"},
    {"155ИД3", "155ID3"},
    {"155ИД4", "155ID4"},
}};

std::string_view Pick(const Words& words, Language language) {
  return language == Language::kEnglish ? words.english : words.russian;
}

}  // namespace

std::string_view RoleWord(Role role, Language language) {
  return Pick(kRoleWords.at(static_cast<size_t>(role)), language);
}

std::string ChipName(const ChipPins& pins) {
  return pins.type == ChipType::kNone ? std::string() : "D" + std::to_string(pins.chip);
}

std::string_view ChipTypeName(ChipType type, Language language) {
  return Pick(kChipTypeNames.at(static_cast<size_t>(type)), language);
}

std::string_view PinLabel(const ChipPins& pins) {
  const std::span<const PinMark> marks = ChipPinMarks(pins.type, pins.output);
  return pins.first < marks.size() ? marks[pins.first].label : std::string_view();
}

}  // namespace kvir
