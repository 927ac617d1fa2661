// The words for failed writes: every reason in both languages, and the whole message for each step
// a write can fail at, in the exact Russian kvir-cli prints and in English.

#include "io/error_texts.h"
#include "tests/io/cyrillic.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>

namespace kvir {
namespace {

using testing::HasCyrillic;

// What the writer can meet opening, writing, renaming and following links; each has its own words.
constexpr int kWriterErrors[] = {
    ENOENT,       EACCES, EPERM, ENOSPC, EDQUOT, EISDIR,  ENOTDIR, EROFS,  EIO,   EEXIST, ELOOP,
    ENAMETOOLONG, EFBIG,  EPIPE, ENXIO,  ENODEV, ETXTBSY, EMFILE,  ENFILE, EXDEV, EBUSY,  EINVAL};

TEST(ErrorTexts, EveryErrorTheWriterMeetsHasItsOwnWordsInBothLanguages) {
  for (const int error : kWriterErrors) {
    const std::string number = std::to_string(error);
    EXPECT_NE(SystemErrorText(error, Language::kRussian), "системная ошибка " + number);
    EXPECT_NE(SystemErrorText(error, Language::kEnglish), "system error " + number);
  }
}

TEST(ErrorTexts, EachKnownErrorOnceWithRussianAndPlainEnglishWords) {
  std::set<int> seen;
  for (const SystemErrorWords& known : KnownSystemErrors()) {
    SCOPED_TRACE(known.english);
    EXPECT_TRUE(seen.insert(known.error).second) << "listed twice: " << known.error;
    EXPECT_TRUE(HasCyrillic(known.russian));
    EXPECT_FALSE(std::string(known.english).empty());
    for (const char c : std::string(known.english)) {
      EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII";
    }
    EXPECT_EQ(SystemErrorText(known.error, Language::kRussian), known.russian);
    EXPECT_EQ(SystemErrorText(known.error, Language::kEnglish), known.english);
  }
}

// A number without words of its own still shows, the same on every system and in any locale.
TEST(ErrorTexts, UnknownNumbersAreShownByNumber) {
  for (const int error : {0, 9999}) {
    EXPECT_EQ(SystemErrorText(error, Language::kRussian),
              "системная ошибка " + std::to_string(error));
    EXPECT_EQ(SystemErrorText(error, Language::kEnglish), "system error " + std::to_string(error));
  }
}

TEST(FileStatusMessage, NamesTheFileTheStepAndTheReasonInEitherLanguage) {
  const struct {
    FileStep step;
    int error;
    const char* path;
    const char* russian;
    const char* english;
  } kCases[] = {
      {FileStep::kPath, EISDIR, "/tmp/taken.png", "Не удалось записать /tmp/taken.png: это каталог",
       "Could not write /tmp/taken.png: is a directory"},
      {FileStep::kPath, ELOOP, "loop",
       "Не удалось записать loop: слишком много символических ссылок",
       "Could not write loop: too many symbolic links"},
      {FileStep::kReadLink, EACCES, "l",
       "Не удалось записать l: не читается символическая ссылка: отказано в доступе",
       "Could not write l: cannot read the symbolic link: permission denied"},
      {FileStep::kOpen, ENXIO, "fifo",
       "Не удалось записать fifo: не открывается: "
       "нет такого устройства или адреса",
       "Could not write fifo: cannot open it: no such device or address"},
      {FileStep::kNoReader, ENXIO, "f.png", "Не удалось записать f.png: канал никто не читает",
       "Could not write f.png: nothing reads the FIFO"},
      {FileStep::kNotWritable, EACCES, "a.png",
       "Не удалось записать a.png: файл защищён от записи: отказано в доступе",
       "Could not write a.png: the file may not be written: permission denied"},
      {FileStep::kCreateTemporary, ENOENT, "no/x.png",
       "Не удалось записать no/x.png: не создаётся временный файл: нет такого файла или каталога",
       "Could not write no/x.png: cannot create a temporary file: no such file or directory"},
      {FileStep::kWrite, ENOSPC, "/dev/full",
       "Не удалось записать /dev/full: ошибка записи: нет места на устройстве",
       "Could not write /dev/full: write error: no space left on device"},
      {FileStep::kSync, EIO, "a", "Не удалось записать a: ошибка fsync: ошибка ввода-вывода",
       "Could not write a: fsync error: input/output error"},
      {FileStep::kClose, EDQUOT, "a",
       "Не удалось записать a: ошибка закрытия: "
       "превышена дисковая квота",
       "Could not write a: close error: disk quota exceeded"},
      {FileStep::kRename, EXDEV, "таблица.csv",
       "Не удалось записать таблица.csv: не переименовывается временный файл: "
       "файлы на разных устройствах",
       "Could not write таблица.csv: cannot rename the temporary file: invalid cross-device link"},
      {FileStep::kWrite, EPIPE, "-",
       "Не удалось записать стандартный вывод: "
       "канал закрыт читающей стороной",
       "Could not write the standard output: broken pipe"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.english);
    const FileStatus status = FileStatus::Failed(c.step, c.error, c.path);
    EXPECT_EQ(FileStatusMessage(status, Language::kRussian), c.russian);
    EXPECT_EQ(FileStatusMessage(status, Language::kEnglish), c.english);
  }
  EXPECT_EQ(FileStatusMessage(FileStatus::Ok(), Language::kEnglish), "");
}

}  // namespace
}  // namespace kvir
