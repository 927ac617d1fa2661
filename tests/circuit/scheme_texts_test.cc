// The titles and about-texts of the sixteen schemes in both languages.

#include "circuit/scheme_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "circuit/schemes.h"
#include "learning/truth_table.h"

namespace kvir {
namespace {

constexpr Language kLanguages[] = {Language::kRussian, Language::kEnglish};

// Cyrillic letters take two UTF-8 bytes with a lead byte of 0xD0 … 0xD3.
bool HasCyrillic(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0xD0 && byte <= 0xD3;
  });
}

size_t Paragraphs(std::string_view text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(SchemeTexts, LanguagesAreNamedByTheirCodesOnly) {
  EXPECT_EQ(ParseLanguage("ru"), Language::kRussian);
  EXPECT_EQ(ParseLanguage("en"), Language::kEnglish);
  for (const char* code : {"", "RU", "En", "de", "english", "ru "}) {
    EXPECT_FALSE(ParseLanguage(code).has_value()) << code;
  }
}

TEST(SchemeTexts, RussianTitlesAreTheSchemeTitlesAndEnglishOnesAreNumberedAlike) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    EXPECT_EQ(SchemeTitle(n, Language::kRussian), kSchemeTable[n - 1].def->title);
    const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
    EXPECT_TRUE(SchemeTitle(n, Language::kEnglish).starts_with("Scheme " + number + " - "))
        << SchemeTitle(n, Language::kEnglish);
    EXPECT_FALSE(HasCyrillic(SchemeTitle(n, Language::kEnglish))) << n;
  }
  EXPECT_THROW(SchemeTitle(0, Language::kEnglish), std::out_of_range);
  EXPECT_THROW(AboutScheme(17, Language::kRussian), std::out_of_range);
}

TEST(SchemeTexts, EachAboutTextHasTheSameParagraphsInBothLanguages) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    const std::string_view ru = AboutScheme(n, Language::kRussian);
    const std::string_view en = AboutScheme(n, Language::kEnglish);
    EXPECT_EQ(Paragraphs(ru), 5u) << n;
    EXPECT_EQ(Paragraphs(en), Paragraphs(ru)) << n;
    EXPECT_TRUE(ru.ends_with("\n") && en.ends_with("\n")) << n;
    EXPECT_EQ(ru.find("\n\n"), std::string_view::npos) << n;
    EXPECT_TRUE(HasCyrillic(ru)) << n;
    EXPECT_FALSE(HasCyrillic(en)) << "untranslated text in scheme " << n;
  }
}

// The last paragraph describes the truth table: its row count must be the table's.
TEST(SchemeTexts, TheTruthTableParagraphCountsTheTablesRows) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    const std::string rows = std::to_string(ComputeTruthTable(n).rows.size());
    for (Language language : kLanguages) {
      const std::string_view text = AboutScheme(n, language);
      const std::string_view last = text.substr(text.rfind('\n', text.size() - 2) + 1);
      const std::string word = language == Language::kEnglish ? " rows" : " строк";
      EXPECT_NE(last.find(rows + word), std::string_view::npos) << "scheme " << n << ": " << last;
    }
  }
}

// Whether `word` stands in `text` on its own, not as a part of a longer name ("S" in "S1").
bool HasWord(std::string_view text, std::string_view word) {
  const auto part_of_name = [](char c) { return std::isalnum(static_cast<unsigned char>(c)); };
  for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !part_of_name(text[at - 1])) &&
        (end == text.size() || !part_of_name(text[end])))
      return true;
  }
  return false;
}

// A text that leaves out an enable input fails a student who wonders what that button does.
TEST(SchemeTexts, EveryEnableInputIsExplained) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    const Scheme scheme(*kSchemeTable[n - 1].def);
    for (uint16_t b : scheme.buttons) {
      const Indicator& button = scheme.indicators()[b];
      if (button.role != Role::kEnable) continue;
      for (Language language : kLanguages) {
        EXPECT_TRUE(HasWord(AboutScheme(n, language), button.label))
            << "scheme " << n << " says nothing of " << button.label;
      }
    }
  }
}

}  // namespace
}  // namespace kvir
