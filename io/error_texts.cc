#include "io/error_texts.h"

#include <cerrno>

namespace kvir {
namespace {

constexpr SystemErrorWords kSystemErrors[] = {
    {ENOENT, "нет такого файла или каталога", "no such file or directory"},
    {EACCES, "отказано в доступе", "permission denied"},
    {EPERM, "операция не позволена", "operation not permitted"},
    {ENOSPC, "нет места на устройстве", "no space left on device"},
    {EDQUOT, "превышена дисковая квота", "disk quota exceeded"},
    {EISDIR, "это каталог", "is a directory"},
    {ENOTDIR, "часть пути не является каталогом", "a part of the path is not a directory"},
    {EROFS, "файловая система только для чтения", "read-only file system"},
    {EIO, "ошибка ввода-вывода", "input/output error"},
    {EEXIST, "файл уже существует", "file exists"},
    {ENAMETOOLONG, "слишком длинное имя файла", "file name too long"},
    {ELOOP, "слишком много символических ссылок", "too many symbolic links"},
    {EFBIG, "файл слишком велик", "file too large"},
    {EPIPE, "канал закрыт читающей стороной", "broken pipe"},
    {ENXIO, "нет такого устройства или адреса", "no such device or address"},
    {ENODEV, "нет такого устройства", "no such device"},
    {EBUSY, "устройство или ресурс занято", "device or resource busy"},
    {ETXTBSY, "файл занят", "text file busy"},
    {EMFILE, "слишком много открытых файлов", "too many open files"},
    {ENFILE, "слишком много открытых файлов в системе", "too many open files in system"},
    {EINVAL, "недопустимый аргумент", "invalid argument"},
    {EBADF, "неверный дескриптор файла", "bad file descriptor"},
    {EXDEV, "файлы на разных устройствах", "invalid cross-device link"},
    {ENOMEM, "не хватает памяти", "out of memory"},
};

struct StepWords {
  FileStep step;
  const char* russian;  ///< empty: the reason alone says what went wrong
  const char* english;
  bool whole = false;  ///< the words say what went wrong: the system's reason would only repeat it
};

constexpr StepWords kSteps[] = {
    {FileStep::kPath, "", ""},
    {FileStep::kReadLink, "не читается символическая ссылка", "cannot read the symbolic link"},
    {FileStep::kOpen, "не открывается", "cannot open it"},
    {FileStep::kNoReader, "канал никто не читает", "nothing reads the FIFO", true},
    {FileStep::kNotWritable, "файл защищён от записи", "the file may not be written"},
    {FileStep::kCreateTemporary, "не создаётся временный файл", "cannot create a temporary file"},
    {FileStep::kWrite, "ошибка записи", "write error"},
    {FileStep::kSync, "ошибка fsync", "fsync error"},
    {FileStep::kClose, "ошибка закрытия", "close error"},
    {FileStep::kRename, "не переименовывается временный файл", "cannot rename the temporary file"},
};

const StepWords* WordsFor(FileStep step) {
  for (const StepWords& known : kSteps) {
    if (known.step == step) return &known;
  }
  return nullptr;
}

}  // namespace

std::span<const SystemErrorWords> KnownSystemErrors() {
  return kSystemErrors;
}

std::string SystemErrorText(int error, Language language) {
  const bool english = language == Language::kEnglish;
  for (const SystemErrorWords& known : kSystemErrors) {
    if (known.error == error) return english ? known.english : known.russian;
  }
  return (english ? "system error " : "системная ошибка ") + std::to_string(error);
}

std::string FileStatusMessage(const FileStatus& status, Language language) {
  if (status.ok()) return {};
  const bool english = language == Language::kEnglish;
  std::string message = english ? "Could not write " : "Не удалось записать ";
  // Only a write can fail on the standard output, so its name is all the message needs.
  if (status.path() == kStandardOutputName) {
    message.append(english ? "the standard output" : "стандартный вывод");
  } else {
    message.append(status.path());
    const StepWords* words = WordsFor(status.step());
    const std::string_view step = words == nullptr ? "" : english ? words->english : words->russian;
    if (!step.empty()) message.append(": ").append(step);
    if (words != nullptr && words->whole) return message;
  }
  return message.append(": ").append(SystemErrorText(status.error(), language));
}

}  // namespace kvir
