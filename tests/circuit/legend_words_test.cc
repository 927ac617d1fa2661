// The words of the legend.

#include "circuit/legend_words.h"

#include <gtest/gtest.h>

#include <set>

#include "circuit/schemes.h"

namespace kvir {
namespace {

constexpr Role kRoles[] = {Role::kInput,     Role::kEnable,  Role::kBusLine,
                           Role::kGateInput, Role::kChipPin, Role::kOutput};

TEST(LegendWords, EveryRoleHasItsOwnWordInEachLanguage) {
  for (Language language : {Language::kRussian, Language::kEnglish}) {
    std::set<std::string_view> words;
    for (Role role : kRoles) words.insert(RoleWord(role, language));
    EXPECT_EQ(words.size(), std::size(kRoles));
    EXPECT_FALSE(words.contains(""));
  }
  EXPECT_EQ(RoleWord(Role::kInput, Language::kRussian), "вход");
  EXPECT_EQ(RoleWord(Role::kOutput, Language::kRussian), "выход");
  EXPECT_EQ(RoleWord(Role::kChipPin, Language::kEnglish), "chip pin");
}

TEST(LegendWords, ChipsAndPinsAreNamedAsTheDrawingNamesThem) {
  struct Case {
    ChipPins pins;
    const char* chip;
    const char* pin;
  };
  const Case cases[] = {
      {{}, "", ""},
      {{1, ChipType::k155ID4, false, 1}, "D1", "Ē"},
      {{2, ChipType::k155ID4, true, 7}, "D2", "D4"},
      {{3, ChipType::k155ID3, true, 15}, "D3", "15"},
      {{1, ChipType::k155IV1, false, 8}, "D1", "V"},
      {{1, ChipType::k155IV1, true, 4}, "D1", ""},  // the 155ИВ1 has four outputs
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChipName(c.pins), c.chip);
    EXPECT_EQ(PinLabel(c.pins), c.pin);
  }
  EXPECT_EQ(ChipTypeName(ChipType::k155ID3, Language::kRussian), "155ИД3");
  EXPECT_EQ(ChipTypeName(ChipType::k155IV1, Language::kEnglish), "155IV1");
}

}  // namespace
}  // namespace kvir
