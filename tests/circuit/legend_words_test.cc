// The words of the legend.

#include "circuit/legend_words.h"

#include <gtest/gtest.h>

#include <set>

#include "circuit/scheme_set.h"
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
}

// What an indicator is called in every legend agrees with what its name makes it: IN are the
// buttons, OUT the outputs, BUS the wires, AND/OR/NOT the gates' inputs, DC/CD the chips' pins.
TEST(LegendWords, EveryIndicatorIsCalledWhatItsNameMakesIt) {
  struct Kind {
    std::string_view name_start;
    std::set<std::string_view> russian, english;
  };
  // The longest start that fits decides.
  const Kind kinds[] = {
      {"IN", {"вход", "разрешение"}, {"input", "enable"}},
      {"OUT", {"выход"}, {"output"}},
      {"BUS", {"шина"}, {"bus line"}},
      {"DC00DC01BRIDGE", {"шина"}, {"bus line"}},  // the wire between the two chips
      {"AND", {"вход элемента"}, {"gate input"}},
      {"OR", {"вход элемента"}, {"gate input"}},
      {"NOT", {"вход элемента"}, {"gate input"}},
      {"DC", {"вывод микросхемы"}, {"chip pin"}},
      {"CD", {"вывод микросхемы"}, {"chip pin"}},
  };
  SchemeSet set;
  size_t checked = 0;
  for (int n = 1; n <= kSchemeCount; ++n) {
    for (const Indicator& ind : set.scheme(n).indicators()) {
      const Kind* kind = nullptr;
      for (const Kind& k : kinds) {
        if (ind.name.starts_with(k.name_start) &&
            (kind == nullptr || k.name_start.size() > kind->name_start.size())) {
          kind = &k;
        }
      }
      ASSERT_NE(kind, nullptr) << "scheme " << n << ": " << ind.name;
      EXPECT_TRUE(kind->russian.contains(RoleWord(ind.role, Language::kRussian)))
          << "scheme " << n << ": " << ind.name << " is called "
          << RoleWord(ind.role, Language::kRussian);
      EXPECT_TRUE(kind->english.contains(RoleWord(ind.role, Language::kEnglish)))
          << "scheme " << n << ": " << ind.name << " is called "
          << RoleWord(ind.role, Language::kEnglish);
      EXPECT_EQ(RoleWord(ind.role, Language::kRussian) == "разрешение",
                RoleWord(ind.role, Language::kEnglish) == "enable")
          << ind.name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 800u);
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
}

// A chip's type in a legend is the chip the scheme's title names, in either language.
TEST(LegendWords, ChipTypesAreTheChipsTheTitlesName) {
  SchemeSet set;
  std::set<ChipType> seen;
  for (int n = 1; n <= kSchemeCount; ++n) {
    for (const Indicator& ind : set.scheme(n).indicators()) {
      if (ind.pins.type == ChipType::kNone) continue;
      seen.insert(ind.pins.type);
      for (Language language : {Language::kRussian, Language::kEnglish}) {
        const std::string_view type = ChipTypeName(ind.pins.type, language);
        EXPECT_FALSE(type.empty()) << ind.name;
        EXPECT_NE(SchemeTitle(n, language).find(type), std::string_view::npos)
            << "scheme " << n << ": " << ind.name << " lies on a " << type;
      }
    }
  }
  EXPECT_EQ(seen.size(), 3u);  // 155ИВ1, 155ИД3, 155ИД4
  EXPECT_EQ(ChipTypeName(ChipType::kNone, Language::kRussian), "");
}

}  // namespace
}  // namespace kvir
