// Every error code of the headless rooms has its words in both languages, with its arguments in
// place, and a context goes before them.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "io/error_texts.h"
#include "tests/io/cyrillic.h"

namespace kvir {
namespace {

using testing::HasCyrillic;

// How many of the arguments "ARG1" … "ARG3" `text` shows.
int ArgumentsShown(const std::string& text) {
  int shown = 0;
  for (const char* arg : {"ARG1", "ARG2", "ARG3"}) shown += text.find(arg) != std::string::npos;
  return shown;
}

TEST(ErrorCodes, EveryCodeHasItsWordsInBothLanguagesWithItsArgumentsInPlace) {
  for (int code = 0; code <= static_cast<int>(kLastErrorCode); ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    const Error error(static_cast<ErrorCode>(code), {"ARG1", "ARG2", "ARG3"});
    const std::string russian = ErrorText(error, Language::kRussian);
    const std::string english = ErrorText(error, Language::kEnglish);
    EXPECT_FALSE(russian.empty());
    EXPECT_FALSE(english.empty());
    EXPECT_TRUE(HasCyrillic(russian)) << russian;
    EXPECT_FALSE(HasCyrillic(english)) << english;
    for (const std::string& text : {russian, english}) {
      EXPECT_EQ(text.find('%'), std::string::npos) << "a placeholder left: " << text;
      EXPECT_EQ(text.find('\n'), std::string::npos) << text;
      EXPECT_FALSE(text.ends_with(".")) << text;
    }
    EXPECT_EQ(ArgumentsShown(russian), ArgumentsShown(english))
        << "both languages show the same arguments: " << russian << " / " << english;
  }
}

TEST(ErrorCodes, ArgumentsAndContextsReadAsTheCommandLinePrintsThem) {
  const struct {
    Error error;
    Language language;
    std::string text;
  } kCases[] = {
      {Error(ErrorCode::kSchemeRangeReversed, {"5-3"}).In("exam: --schemes"), Language::kRussian,
       "exam: --schemes: «5-3»: первая схема больше последней"},
      {Error(ErrorCode::kStudentsTwice, {"2", "Иванов"}).In("--students").In("exam"),
       Language::kEnglish, "exam: --students: line 2: the name \"Иванов\" appears twice"},
      {Error(ErrorCode::kFileSuffixRefused, {"x.jpg", ".jpg", ".png"}).In("render"),
       Language::kRussian,
       "render: файл «x.jpg»: тип «.jpg» не поддерживается; поддерживаемые типы: .png"},
      {Error(ErrorCode::kStudentsNone), Language::kEnglish, "the file holds no name"},
  };
  for (const auto& c : kCases) EXPECT_EQ(ErrorText(c.error, c.language), c.text);
}

TEST(ErrorCodes, BadInputIsTheUsersAndAFailureIsTheProgramsOwn) {
  EXPECT_TRUE(IsBadInput(ErrorCode::kSchemeNumberInvalid));
  EXPECT_TRUE(IsBadInput(ErrorCode::kFileSuffixRefused));
  EXPECT_FALSE(IsBadInput(ErrorCode::kPictureDamaged));
  EXPECT_FALSE(IsBadInput(ErrorCode::kWorksheetFailed));
}

TEST(ErrorCodes, AnyOtherExceptionIsShownAsItIs) {
  const Error coded(ErrorCode::kPictureMissing, {"BIT2PNG"});
  EXPECT_EQ(ErrorMessage(coded, Language::kEnglish), "No embedded picture BIT2PNG");
  EXPECT_NE(std::string(coded.what()).find("BIT2PNG"), std::string::npos);
  EXPECT_EQ(ErrorMessage(std::runtime_error("as it is"), Language::kEnglish), "as it is");
}

}  // namespace
}  // namespace kvir
