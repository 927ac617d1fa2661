#include "exam/exam_order.h"

#include <algorithm>
#include <optional>

#include "core/error.h"
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

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
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

// Throws Error unless `name`, on line `line` of a students file, is UTF-8 without control
// characters.
void CheckName(const std::string& name, const std::string& line) {
  for (size_t i = 0; i < name.size();) {
    const size_t length = Utf8Length(name, i);
    if (length == 0) throw Error(ErrorCode::kStudentsNotUtf8, {line});
    if (length == 1 && (static_cast<uint8_t>(name[i]) < 0x20 || name[i] == 0x7F)) {
      throw Error(ErrorCode::kStudentsControl, {line});
    }
    i += length;
  }
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
  return order;
}

std::vector<std::string> ParseStudentNames(const std::string& bytes) {
  std::vector<std::string> names;
  const std::vector<std::string> lines = Lines(bytes);
  for (size_t l = 0; l < lines.size(); ++l) {
    const std::string line = std::to_string(l + 1);
    const std::string name = Trimmed(lines[l]);
    CheckName(name, line);
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
