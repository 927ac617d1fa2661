#include "cli/exam.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/args.h"
#include "io/error_texts.h"
#include "io/output_file.h"
#include "learning/exam_formats.h"
#include "render/exam_pdf.h"
#include "render/exam_pictures.h"

namespace kvir {
namespace {

constexpr std::string_view kCommand = "exam: ";
constexpr size_t kMaxStudentsFile = 1 << 20;
constexpr size_t kMaxStudents = 1000;
// Questions in all variants together: a set large enough for any course, small enough to write.
constexpr long kMaxQuestionsInAll = 20000;
constexpr int kMoodlePictureZoom = 100;

struct FormatRow {
  std::string_view name;
  ExamFormat format;
  std::string_view extensions;  ///< the file's accepted extensions, ", " between them
};
constexpr FormatRow kFormats[] = {
    {"moodle", ExamFormat::kMoodle, ".xml"},
    {"gift", ExamFormat::kGift, ".gift, .txt"},
    {"pdf", ExamFormat::kPdf, ".pdf"},
};

UsageError Refused(const std::string& russian, const std::string& english) {
  return UsageError(std::string(kCommand) + russian, std::string(kCommand) + english);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<int> ParseSchemes(const std::string& text) {
  std::vector<int> schemes;
  for (const std::string& part : Split(text, ',')) {
    const size_t dash = part.find('-');
    const int first = ParseSchemeNumber(part.substr(0, dash));
    const int last = dash == std::string::npos ? first : ParseSchemeNumber(part.substr(dash + 1));
    if (last < first)
      throw Refused("--schemes: «" + part + "»: первая схема больше последней",
                    "--schemes: \"" + part + "\": the first scheme is above the last");
    for (int n = first; n <= last; ++n) {
      if (std::find(schemes.begin(), schemes.end(), n) == schemes.end()) schemes.push_back(n);
    }
  }
  return schemes;
}

std::string KindList() {
  std::string list;
  for (const std::string_view name : kExamKindNames) {
    list += (list.empty() ? "" : ", ") + std::string(name);
  }
  return list;
}

std::vector<ExamKind> ParseKinds(const std::string& text) {
  std::vector<ExamKind> kinds;
  for (const std::string& part : Split(text, ',')) {
    const std::optional<ExamKind> kind = ParseExamKind(part);
    if (!kind) {
      throw Refused(
          "--kinds: вид вопроса «" + part + "» не поддерживается: ожидается " + KindList(),
          "--kinds: question kind \"" + part + "\" is not supported: expected " + KindList());
    }
    if (std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) kinds.push_back(*kind);
  }
  return kinds;
}

// A whole number of at most `max`; nothing for any other text.
std::optional<uint64_t> ParseWhole(const std::string& text, uint64_t max) {
  if (text.empty() || text.size() > 20 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  uint64_t value = 0;
  for (const char c : text) {
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (max - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

int ParseCount(const std::string& text) {
  const std::optional<uint64_t> count = ParseWhole(text, kMaxExamQuestions);
  if (!count || *count == 0) {
    const std::string max = std::to_string(kMaxExamQuestions);
    throw Refused(
        "--count: число вопросов «" + text + "» недопустимо: ожидается число от 1 до " + max,
        "--count: \"" + text + "\" questions is not allowed: expected a number from 1 to " + max);
  }
  return static_cast<int>(*count);
}

uint64_t ParseSeed(const std::string& text) {
  const std::optional<uint64_t> seed = ParseWhole(text, std::numeric_limits<uint64_t>::max());
  if (!seed) {
    const std::string max = std::to_string(std::numeric_limits<uint64_t>::max());
    throw Refused(
        "--seed: «" + text + "» недопустимо: ожидается целое число от 0 до " + max,
        "--seed: \"" + text + "\" is not allowed: expected a whole number from 0 to " + max);
  }
  return *seed;
}

const FormatRow& ParseFormat(const std::string& text) {
  for (const FormatRow& row : kFormats) {
    if (row.name == text) return row;
  }
  throw Refused("--format: формат «" + text + "» не поддерживается: ожидается moodle, gift или pdf",
                "--format: format \"" + text + "\" is not supported: expected moodle, gift or pdf");
}

std::string LowerExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = path.substr(dot);
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return extension;
}

void RequireExtension(const FormatRow& format, const std::string& path) {
  const std::string extension = LowerExtension(path);
  for (const std::string& accepted : Split(std::string(format.extensions), ',')) {
    const std::string trimmed = accepted.substr(accepted.find('.'));
    if (!extension.empty() && extension == trimmed) return;
  }
  const std::string name(format.name), extensions(format.extensions);
  throw Refused(
      "файл «" + path + "»: для формата " + name + " ожидается расширение " + extensions,
      "file \"" + path + "\": the format " + name + " expects the extension " + extensions);
}

// The length of the UTF-8 sequence `text` starts with at `i`, or 0 where it is not one.
size_t Utf8Length(const std::string& text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  const size_t length = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  const uint32_t second = byte(i + 1);
  if (length == 3 && ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)))
    return 0;
  if (length == 4 && ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)))
    return 0;
  return length;
}

struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};

// The bytes of the file at `path`, read until more than `limit` are there (so that a larger file
// shows as such); nothing where it cannot be opened or read.
std::optional<std::string> ReadBytes(const std::string& path, size_t limit) {
  const std::unique_ptr<FILE, FileCloser> file(fopen(path.c_str(), "rb"));
  std::string bytes;
  char buffer[4096];
  size_t read = 0;
  while (file && bytes.size() <= limit &&
         (read = fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, read);
  }
  if (!file || ferror(file.get())) return std::nullopt;
  return bytes;
}

std::vector<std::string> ReadStudents(const std::string& path) {
  const std::optional<std::string> bytes = ReadBytes(path, kMaxStudentsFile);
  if (!bytes) {
    throw Refused("--students: не удалось прочитать файл «" + path + "»",
                  "--students: the file \"" + path + "\" could not be read");
  }
  if (bytes->size() > kMaxStudentsFile) {
    throw Refused("--students: файл «" + path + "» больше 1 МиБ",
                  "--students: the file \"" + path + "\" is larger than 1 MiB");
  }
  return ParseStudentNames(*bytes);
}

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::vector<std::string> ParseStudentNames(const std::string& bytes) {
  std::vector<std::string> names;
  const std::vector<std::string> lines = Split(bytes, '\n');
  for (size_t l = 0; l < lines.size(); ++l) {
    const std::string where = "--students: строка " + std::to_string(l + 1) + ": ";
    const std::string where_en = "--students: line " + std::to_string(l + 1) + ": ";
    const std::string name = Trimmed(lines[l]);
    for (size_t i = 0; i < name.size();) {
      const size_t length = Utf8Length(name, i);
      if (length == 0)
        throw Refused(where + "текст не в кодировке UTF-8", where_en + "the text is not UTF-8");
      if (length == 1 && (static_cast<uint8_t>(name[i]) < 0x20 || name[i] == 0x7F)) {
        throw Refused(where + "управляющий символ в имени",
                      where_en + "a control character in the name");
      }
      i += length;
    }
    if (name.empty()) continue;
    if (std::find(names.begin(), names.end(), name) != names.end()) {
      throw Refused(where + "имя «" + name + "» уже встречалось",
                    where_en + "the name \"" + name + "\" appears twice");
    }
    names.push_back(name);
    if (names.size() > kMaxStudents) {
      const std::string max = std::to_string(kMaxStudents);
      throw Refused("--students: больше " + max + " имён",
                    "--students: more than " + max + " names");
    }
  }
  if (names.empty()) {
    throw Refused("--students: в файле нет ни одного имени", "--students: the file holds no name");
  }
  return names;
}

ExamOrder ParseExamOrder(const std::vector<std::string>& words, Language language) {
  ExamOrder order;
  order.settings.language = language;
  order.settings.schemes = ParseSchemes("1-16");
  order.settings.kinds = {ExamKind::kOutputs, ExamKind::kInputs, ExamKind::kRows,
                          ExamKind::kScheme};
  const FormatRow* format = nullptr;
  for (size_t i = 1; i < words.size(); i += 2) {
    const std::string& option = words[i];
    static constexpr std::string_view kOptions[] = {"--schemes",  "--kinds",  "--count", "--seed",
                                                    "--students", "--format", "-o"};
    if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions)) {
      const std::string known = "--schemes, --kinds, --count, --seed, --students, --format, -o";
      throw Refused("лишний аргумент «" + option + "»: допустимы " + known,
                    "unexpected argument \"" + option + "\": allowed are " + known);
    }
    if (i + 1 == words.size() || words[i + 1].empty()) {
      throw Refused(option + ": не указано значение", option + ": no value given");
    }
    const std::string& value = words[i + 1];
    if (option == "--schemes") order.settings.schemes = ParseSchemes(value);
    if (option == "--kinds") order.settings.kinds = ParseKinds(value);
    if (option == "--count") order.settings.count = ParseCount(value);
    if (option == "--seed") order.settings.seed = ParseSeed(value);
    if (option == "--students") order.students = ReadStudents(value);
    if (option == "--format") format = &ParseFormat(value);
    if (option == "-o") order.path = value;
  }
  if (format == nullptr) {
    throw Refused("не указан формат: добавьте --format moodle, gift или pdf",
                  "no format given: add --format moodle, gift or pdf");
  }
  order.format = format->format;
  if (order.path.empty()) {
    throw Refused("не указан файл: добавьте -o ФАЙЛ", "no file given: add -o FILE");
  }
  if (WritesStandardOutput(order.path)) {
    throw Refused(
        "файл «" + order.path + "»: вопросы и ключ пишутся в файлы, не в стандартный вывод",
        "file \"" + order.path +
            "\": the questions and the key are written to files, not to standard output");
  }
  RequireExtension(*format, order.path);
  RequireExtension(*format, WrittenFileName(order.path));
  const long variants = std::max<long>(1, static_cast<long>(order.students.size()));
  if (variants * order.settings.count > kMaxQuestionsInAll) {
    const std::string max = std::to_string(kMaxQuestionsInAll);
    throw Refused(
        "вопросов во всех вариантах больше " + max + ": уменьшите --count или список студентов",
        "more than " + max + " questions in all variants: lower --count or the students");
  }
  return order;
}

std::string KeyPath(const std::string& path) {
  const std::string extension = LowerExtension(path);
  return path.substr(0, path.size() - extension.size()) + "-key.csv";
}

std::vector<uint8_t> ExamFileBytes(const ExamOrder& order,
                                   const std::vector<ExamVariant>& variants) {
  const Language language = order.settings.language;
  std::string text;
  switch (order.format) {
    case ExamFormat::kMoodle:
      text = MoodleXml(variants, language, [](const ExamQuestion& q, bool answered) {
        return ExamPng(q, answered ? ExamPictureUse::kAnswer : ExamPictureUse::kQuestion,
                       kMoodlePictureZoom);
      });
      break;
    case ExamFormat::kGift:
      text = GiftText(variants, language);
      break;
    case ExamFormat::kPdf:
      return ExamWorksheetPdf(variants, language);
  }
  return std::vector<uint8_t>(text.begin(), text.end());
}

namespace {

// What a regular file at `path` holds now; nothing where there is no such file to keep.
std::optional<std::string> KeptBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(WrittenFileName(path), error)) return std::nullopt;
  return ReadBytes(path, std::numeric_limits<size_t>::max() - 1);
}

}  // namespace

void WriteExamFiles(const ExamOrder& order) {
  std::vector<ExamVariant> variants;
  if (order.students.empty()) variants.push_back(MakeExamVariant(order.settings, ""));
  for (const std::string& student : order.students) {
    variants.push_back(MakeExamVariant(order.settings, student));
  }
  const std::vector<uint8_t> bytes = ExamFileBytes(order, variants);
  const std::string key = ExamKeyCsv(variants);
  const Language language = order.settings.language;
  // The key first: a file of questions is never left without its key. Where the questions then
  // fail, the key goes back to what it was, so the two never disagree.
  const std::string key_path = KeyPath(order.path);
  const std::optional<std::string> old_key = KeptBytes(key_path);
  if (const FileStatus status = WriteOutputFile(key_path, std::string_view(key)); !status.ok()) {
    throw std::runtime_error(FileStatusMessage(status, language));
  }
  if (const FileStatus status = WriteOutputFile(order.path, bytes); !status.ok()) {
    if (old_key) {
      (void)WriteOutputFile(key_path, std::string_view(*old_key));
    } else {
      std::error_code ignored;
      std::filesystem::remove(WrittenFileName(key_path), ignored);
    }
    throw std::runtime_error(FileStatusMessage(status, language));
  }
}

}  // namespace kvir
