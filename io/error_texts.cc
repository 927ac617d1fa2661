#include "io/error_texts.h"

#include <cerrno>
#include <iterator>
#include <string_view>

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

// Every error code's words: %1, %2, %3 stand for its arguments in order.
struct CodeWords {
  ErrorCode code;
  bool bad_input;  ///< the user's input refused, not a failure while working
  const char* russian;
  const char* english;
};

constexpr CodeWords kCodes[] = {
    {ErrorCode::kSchemeNumberInvalid, true,
     "номер схемы «%1» недопустим: ожидается число от 1 до %2",
     "scheme number \"%1\" is not valid: expected a number from 1 to %2"},
    {ErrorCode::kSchemeRangeReversed, true, "«%1»: первая схема больше последней",
     "\"%1\": the first scheme is above the last"},
    {ErrorCode::kExamKindUnknown, true, "вид вопроса «%1» не поддерживается: ожидается %2",
     "question kind \"%1\" is not supported: expected %2"},
    {ErrorCode::kExamCountInvalid, true,
     "число вопросов «%1» недопустимо: ожидается число от 1 до %2",
     "\"%1\" questions is not allowed: expected a number from 1 to %2"},
    {ErrorCode::kExamSeedInvalid, true, "«%1» недопустимо: ожидается целое число от 0 до %2",
     "\"%1\" is not allowed: expected a whole number from 0 to %2"},
    {ErrorCode::kExamFormatUnknown, true, "формат «%1» не поддерживается: ожидается %2",
     "format \"%1\" is not supported: expected %2"},
    {ErrorCode::kExamNoSchemes, true, "не выбрано ни одной схемы", "no scheme is chosen"},
    {ErrorCode::kExamNoKinds, true, "не выбран ни один вид вопросов",
     "no kind of question is chosen"},
    {ErrorCode::kExamNoFile, true, "не указан файл для вопросов",
     "no file is given for the questions"},
    {ErrorCode::kExamTooManyQuestions, true,
     "вопросов во всех вариантах больше %1: уменьшите число вопросов или список студентов",
     "more than %1 questions in all variants: lower the number of questions or the students"},
    {ErrorCode::kExamToStandardOutput, true,
     "файл «%1»: вопросы и ключ пишутся в файлы, не в стандартный вывод",
     "file \"%1\": the questions and the key are written to files, not to standard output"},
    {ErrorCode::kStudentsUnreadable, true, "не удалось прочитать файл «%1»",
     "the file \"%1\" could not be read"},
    {ErrorCode::kStudentsTooLarge, true, "файл «%1» больше 1 МиБ",
     "the file \"%1\" is larger than 1 MiB"},
    {ErrorCode::kStudentsNotUtf8, true, "строка %1: текст не в кодировке UTF-8",
     "line %1: the text is not UTF-8"},
    {ErrorCode::kStudentsControl, true, "строка %1: управляющий символ в имени",
     "line %1: a control character in the name"},
    {ErrorCode::kStudentsTwice, true, "строка %1: имя «%2» уже встречалось",
     "line %1: the name \"%2\" appears twice"},
    {ErrorCode::kStudentsNameTooLong, true, "строка %1: имя длиннее %2 знаков",
     "line %1: the name is longer than %2 characters"},
    {ErrorCode::kStudentsTooMany, true, "больше %1 имён", "more than %1 names"},
    {ErrorCode::kStudentsNone, true, "в файле нет ни одного имени", "the file holds no name"},
    {ErrorCode::kFileSuffixRefused, true,
     "файл «%1»: тип «%2» не поддерживается; поддерживаемые типы: %3",
     "file \"%1\": type \"%2\" is not supported; supported types: %3"},
    {ErrorCode::kPictureMissing, false, "Нет встроенной картинки %1", "No embedded picture %1"},
    {ErrorCode::kPictureDamaged, false, "Картинка %1 повреждена: %2",
     "The picture %1 is damaged: %2"},
    {ErrorCode::kPictureNoSignature, false, "Картинка %1 повреждена: нет подписи PNG",
     "The picture %1 is damaged: no PNG signature"},
    {ErrorCode::kPictureBitDepth, false, "Картинка %1 не подходит: %2 бит на канал вместо 8",
     "The picture %1 does not fit: %2 bits per channel instead of 8"},
    {ErrorCode::kPictureInterlaced, false,
     "Картинка %1 не подходит: чересстрочная развёртка вместо построчной",
     "The picture %1 does not fit: interlaced instead of progressive"},
    {ErrorCode::kPictureChannels, false, "Картинка %1 не подходит: %2 вместо %3",
     "The picture %1 does not fit: %2 instead of %3"},
    {ErrorCode::kPictureColourType, false, "Картинка %1 не подходит: тип цвета %2 вместо %3",
     "The picture %1 does not fit: colour type %2 instead of %3"},
    {ErrorCode::kPictureTooLarge, false, "Картинка %1 не подходит: размер %2 больше допустимого %3",
     "The picture %1 does not fit: the size %2 is above the largest, %3"},
    {ErrorCode::kPictureWrongSize, false, "Картинка %1 не подходит: размер %2 вместо %3",
     "The picture %1 does not fit: the size %2 instead of %3"},
    {ErrorCode::kPictureChannelsAsked, false,
     "Картинка %1 не подходит: запрошено каналов: %2, а читаются RGB и RGBA",
     "The picture %1 does not fit: %2 channels asked for, and only RGB and RGBA are read"},
    {ErrorCode::kPictureNotEncodable, false,
     "Картинку нельзя записать в PNG: %1, каналов: %2, %3 байт пикселей",
     "The picture cannot be written as PNG: %1, %2 channels, %3 bytes of pixels"},
    {ErrorCode::kPictureEncodeFailed, false, "Ошибка кодирования PNG: %1",
     "PNG encoding error: %1"},
    {ErrorCode::kTitleStripWidth, false, "Картинка %1 не подходит: ширина %2 вместо %3",
     "The picture %1 does not fit: %2 pixels wide, not %3"},
    {ErrorCode::kWorksheetFailed, false, "Не удалось построить листы PDF: %1",
     "The PDF worksheets could not be made: %1"},
    {ErrorCode::kCliNoValue, true, "не указано значение", "no value given"},
    {ErrorCode::kCliUnexpectedArgument, true, "лишний аргумент «%1»: допустимы %2",
     "unexpected argument \"%1\": allowed are %2"},
    {ErrorCode::kCliNoFormat, true, "не указан формат: добавьте --format %1",
     "no format given: add --format %1"},
    {ErrorCode::kCliNoFile, true, "не указан файл: добавьте -o ФАЙЛ%1",
     "no file given: add -o FILE%1"},
    {ErrorCode::kCliNoCommand, true, "не указана команда; допустимы %1",
     "no command given; the commands are %1"},
    {ErrorCode::kCliUnknownCommand, true, "неизвестная команда «%1»; допустимы %2",
     "unknown command \"%1\"; the commands are %2"},
    {ErrorCode::kCliOptionNotTaken, true, "параметр %1 не подходит к этой команде",
     "the option %1 does not go with this command"},
    {ErrorCode::kCliNoArguments, true, "лишние аргументы: команда не принимает аргументов",
     "extra arguments: the command takes none"},
    {ErrorCode::kCliExtraAfterScheme, true, "лишние аргументы после номера схемы",
     "extra arguments after the scheme number"},
    {ErrorCode::kCliNoSchemeNumber, true, "не указан номер схемы: ожидается число от 1 до %1",
     "no scheme number given: expected a number from 1 to %1"},
    {ErrorCode::kCliNotAButton, true, "«%1» не кнопка входа схемы %2; кнопки этой схемы: %3",
     "\"%1\" is not an input button of scheme %2; the buttons of this scheme: %3"},
    {ErrorCode::kCliLabelOnMany, true,
     "метка «%1» есть у нескольких кнопок схемы %2: %3; укажите кнопку по имени",
     "the label \"%1\" is on more than one button of scheme %2: %3; give the button by its name"},
    {ErrorCode::kCliNoLanguage, true, "не указан язык: ожидается ru или en",
     "no language given: expected ru or en"},
    {ErrorCode::kCliLanguageUnknown, true, "язык «%1» не поддерживается: ожидается ru или en",
     "language \"%1\" is not supported: expected ru or en"},
    {ErrorCode::kCliNoZoom, true, "не указан масштаб: ожидается %1",
     "no zoom level given: expected %1"},
    {ErrorCode::kCliZoomUnknown, true, "масштаб «%1» не поддерживается: ожидается %2",
     "zoom level \"%1\" is not supported: expected %2"},
    {ErrorCode::kCliNoSeparator, true,
     "не указан разделитель: ожидается один знак, не буква, не цифра, не кавычка и не «?», или "
     "tab",
     "no separator given: expected one character, not a letter, digit, quote or \"?\", or tab"},
    {ErrorCode::kCliSeparatorUnknown, true,
     "разделитель «%1» не поддерживается: ожидается один знак, не буква, не цифра, не кавычка "
     "и не «?», или tab",
     "separator \"%1\" is not supported: expected one character, not a letter, digit, quote or "
     "\"?\", or tab"},
    {ErrorCode::kCliSeparatorWithoutCsv, true, "параметр --separator идёт только вместе с --csv",
     "--separator goes only with --csv"},
    {ErrorCode::kCliNameNotPrinted, false, "файл %1 записан, но его имя не выведено. %2",
     "%1 was written, but its name was not printed. %2"},
};
static_assert(std::size(kCodes) == static_cast<size_t>(kLastErrorCode) + 1,
              "every error code has its words");

constexpr bool InCodeOrder() {
  for (size_t i = 0; i < std::size(kCodes); ++i) {
    if (kCodes[i].code != static_cast<ErrorCode>(i)) return false;
  }
  return true;
}
static_assert(InCodeOrder(), "the table's rows follow the codes");

// `pattern` with %1 … %9 replaced by `args` (an argument missing reads as nothing).
std::string Substituted(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[++i] - '1');
      if (n < args.size()) text += args[n];
    } else {
      text += pattern[i];
    }
  }
  return text;
}

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

std::string ErrorText(const Error& error, Language language) {
  const CodeWords& words = kCodes[static_cast<size_t>(error.code())];
  const std::string text =
      Substituted(language == Language::kEnglish ? words.english : words.russian, error.args());
  return error.context().empty() ? text : error.context() + ": " + text;
}

bool IsBadInput(ErrorCode code) {
  return kCodes[static_cast<size_t>(code)].bad_input;
}

std::string ErrorMessage(const std::exception& error, Language language) {
  if (const auto* coded = dynamic_cast<const Error*>(&error)) return ErrorText(*coded, language);
  return error.what();
}

}  // namespace kvir
