// The file writer called in-process: the texts for system errors, and a write through
// /dev/full reported as a value rather than thrown.

#include "io/output_file.h"

#include "io/error_texts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

namespace kvir {
namespace {

TEST(SystemErrorText, NamesTheCommonCausesInRussian) {
  struct Case {
    int error;
    const char* text;
  };
  const Case cases[] = {
      {ENOENT, "нет такого файла или каталога"},     {EACCES, "отказано в доступе"},
      {ENOSPC, "нет места на устройстве"},           {EISDIR, "это каталог"},
      {EROFS, "файловая система только для чтения"},
  };
  for (const Case& c : cases) EXPECT_EQ(SystemErrorText(c.error), c.text) << c.error;
}

// Whatever the number, the user never reads an English system text.
TEST(SystemErrorText, NeverFallsBackToLatinLetters) {
  for (int error = 0; error < 200; ++error) {
    const std::string text = SystemErrorText(error);
    EXPECT_FALSE(text.empty()) << error;
    for (char c : text) {
      ASSERT_FALSE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) << error << ": " << text;
    }
  }
}

// The program's English windows word the same causes in English, and fall back to no Cyrillic.
TEST(SystemErrorText, NamesTheCausesInEnglishForEnglishWindows) {
  EXPECT_EQ(SystemErrorText(ENOENT, Language::kEnglish), "no such file or directory");
  EXPECT_EQ(SystemErrorText(EISDIR, Language::kEnglish), "is a directory");
  for (int error = 0; error < 200; ++error) {
    const std::string text = SystemErrorText(error, Language::kEnglish);
    EXPECT_FALSE(text.empty()) << error;
    for (char c : text) ASSERT_GE(c, 0) << error << ": " << text;  // ASCII only
  }
}

TEST(WriteOutputFile, ReportsAFullDeviceAsAValueAndLeavesTheDevice) {
  const std::vector<uint8_t> bytes(4096, 0x55);
  const FileStatus status = WriteOutputFile("/dev/full", bytes);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(FileStatusMessage(status),
            "Не удалось записать /dev/full: ошибка записи: нет места на устройстве");
  EXPECT_EQ(status.error(), ENOSPC);
  struct stat info;
  ASSERT_EQ(lstat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

}  // namespace
}  // namespace kvir
