#include "cli/exam.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>

#include "circuit/scheme_number.h"
#include "core/error.h"
#include "exam/format_table.h"

namespace kvir {
namespace {

constexpr std::string_view kCommand = "exam";
constexpr std::string_view kOptions[] = {"--schemes",  "--kinds",  "--count", "--seed",
                                         "--students", "--format", "-o"};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string Listed(std::span<const std::string_view> names, std::string_view separator) {
  std::string list;
  for (const std::string_view name : names) {
    list.append(list.empty() ? "" : separator).append(name);
  }
  return list;
}

std::vector<ExamKind> ParseKinds(const std::string& text) {
  std::vector<ExamKind> kinds;
  for (const std::string& part : Split(text, ',')) {
    const std::optional<ExamKind> kind = ParseExamKind(part);
    if (!kind) throw Error(ErrorCode::kExamKindUnknown, {part, Listed(kExamKindNames, ", ")});
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
    throw Error(ErrorCode::kExamCountInvalid, {text, std::to_string(kMaxExamQuestions)});
  }
  return static_cast<int>(*count);
}

uint64_t ParseSeed(const std::string& text) {
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  const std::optional<uint64_t> seed = ParseWhole(text, kMax);
  if (!seed) throw Error(ErrorCode::kExamSeedInvalid, {text, std::to_string(kMax)});
  return *seed;
}

std::string FormatNames(std::string_view separator) {
  std::vector<std::string_view> names;
  for (const ExamFormatRow& row : ExamFormats()) names.push_back(row.name);
  return Listed(names, separator);
}

// Sets what `option` gives in `order` from `value`.
void Apply(const std::string& option, const std::string& value, ExamOrder& order) {
  if (option == "--schemes") order.schemes = ParseSchemeList(value);
  if (option == "--kinds") order.kinds = ParseKinds(value);
  if (option == "--count") order.count = ParseCount(value);
  if (option == "--seed") order.seed = ParseSeed(value);
  if (option == "--students") order.students = ReadStudentsFile(value);
  if (option == "--format") order.format = ExamFormatNamed(value).format;
  if (option == "-o") order.file = value;
}

}  // namespace

ExamOrder ParseExamOrder(const std::vector<std::string>& words, Language language) {
  const std::string command(kCommand);
  ExamOrder order;
  order.language = language;
  bool format_given = false;
  for (size_t i = 1; i < words.size(); i += 2) {
    const std::string& option = words[i];
    if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions)) {
      throw Error(ErrorCode::kCliUnexpectedArgument, {option, Listed(kOptions, ", ")}).In(command);
    }
    if (i + 1 == words.size() || words[i + 1].empty()) {
      throw Error(ErrorCode::kCliNoValue).In(command + ": " + option);
    }
    try {
      Apply(option, words[i + 1], order);
    } catch (const Error& error) {
      throw error.In(command + ": " + option);
    }
    format_given = format_given || option == "--format";
  }
  if (!format_given) throw Error(ErrorCode::kCliNoFormat, {FormatNames("|")}).In(command);
  if (order.file.empty()) throw Error(ErrorCode::kCliNoFile, {""}).In(command);
  try {
    return CheckedExamOrder(std::move(order));
  } catch (const Error& error) {
    throw error.In(command);
  }
}

}  // namespace kvir
