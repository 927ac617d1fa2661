#include "exam/exam_order.h"

#include <algorithm>
#include <optional>

#include "core/error.h"
#include "exam/exam_files.h"
#include "exam/format_table.h"
#include "io/file_name.h"
#include "io/input_file.h"
#include "io/output_file.h"

namespace kvir {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
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

// The characters of `text`, line `line` of a students file; throws Error where it is not UTF-8.
std::u32string Decoded(const std::string& text, const std::string& line) {
  std::u32string decoded;
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8Length(text, i);
    if (length == 0) throw Error(ErrorCode::kStudentsNotUtf8, {line});
    const auto byte = [&](size_t k) {
      return static_cast<char32_t>(static_cast<uint8_t>(text[k]));
    };
    char32_t c = length == 1 ? byte(i) : byte(i) & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    decoded.push_back(c);
    i += length;
  }
  return decoded;
}

std::string Encoded(const std::u32string& text) {
  std::string encoded;
  for (const char32_t c : text) {
    if (c < 0x80) {
      encoded += static_cast<char>(c);
    } else if (c < 0x800) {
      encoded += static_cast<char>(0xC0 | (c >> 6));
      encoded += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      encoded += static_cast<char>(0xE0 | (c >> 12));
      encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      encoded += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      encoded += static_cast<char>(0xF0 | (c >> 18));
      encoded += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      encoded += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      encoded += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return encoded;
}

// Spaces of every kind, and the invisible characters that pass for nothing: the zero-width space,
// the word joiner and the byte-order mark.
bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x2060 || c == 0x3000 ||
         c == 0xFEFF;
}

// Control characters (U+0085 among them) and the line and paragraph separators.
bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// The name on line `line` of a students file, `text`: blanks taken off both ends, every run of
// them inside one plain space. Throws Error as ParseStudentNames says.
std::string CleanName(const std::string& text, const std::string& line) {
  const std::u32string decoded = Decoded(text, line);
  std::u32string name;
  bool blank = false;
  for (const char32_t c : decoded) {
    if (IsBlank(c)) {
      blank = !name.empty();
      continue;
    }
    if (IsControl(c)) throw Error(ErrorCode::kStudentsControl, {line});
    if (blank) name += U' ';
    blank = false;
    name += c;
  }
  if (name.size() > kMaxStudentName) {
    throw Error(ErrorCode::kStudentsNameTooLong, {line, std::to_string(kMaxStudentName)});
  }
  return Encoded(name);
}

}  // namespace

ExamSettings ExamOrder::settings() const {
  return {.schemes = schemes, .kinds = kinds, .count = count, .seed = seed, .language = language};
}

ExamOrder CheckedExamOrder(ExamOrder order) {
  if (order.schemes.empty()) throw Error(ErrorCode::kExamNoSchemes);
  if (order.kinds.empty()) throw Error(ErrorCode::kExamNoKinds);
  if (order.count < 1 || order.count > kMaxExamQuestions) {
    throw Error(ErrorCode::kExamCountInvalid,
                {std::to_string(order.count), std::to_string(kMaxExamQuestions)});
  }
  const long variants = std::max<long>(1, static_cast<long>(order.students.size()));
  if (variants * order.count > kMaxExamQuestionsInAll) {
    throw Error(ErrorCode::kExamTooManyQuestions, {std::to_string(kMaxExamQuestionsInAll)});
  }
  if (order.file.empty()) throw Error(ErrorCode::kExamNoFile);
  if (WritesStandardOutput(order.file)) {
    throw Error(ErrorCode::kExamToStandardOutput, {order.file});
  }
  order.file = SaveFileName(order.file, ExamFormatOf(order.format).suffixes);
  // The key beside the file gets the file's checks: a link leading to another kind of file is
  // refused before anything is written.
  if (ExamFormatOf(order.format).key) SaveFileName(KeyPath(order.file), kCsvSuffixes);
  return order;
}

std::vector<std::string> ParseStudentNames(const std::string& bytes) {
  std::vector<std::string> names;
  const std::vector<std::string> lines = Lines(bytes);
  for (size_t l = 0; l < lines.size(); ++l) {
    const std::string line = std::to_string(l + 1);
    const std::string name = CleanName(lines[l], line);
    if (name.empty()) continue;
    if (std::find(names.begin(), names.end(), name) != names.end()) {
      throw Error(ErrorCode::kStudentsTwice, {line, name});
    }
    names.push_back(name);
    if (names.size() > kMaxStudents) {
      throw Error(ErrorCode::kStudentsTooMany, {std::to_string(kMaxStudents)});
    }
  }
  if (names.empty()) throw Error(ErrorCode::kStudentsNone);
  return names;
}

std::vector<std::string> ReadStudentsFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path, kMaxStudentsFile);
  if (!bytes) throw Error(ErrorCode::kStudentsUnreadable, {path});
  if (bytes->size() > kMaxStudentsFile) throw Error(ErrorCode::kStudentsTooLarge, {path});
  return ParseStudentNames(*bytes);
}

}  // namespace kvir
