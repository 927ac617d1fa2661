#include "exam/exam_files.h"

#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>

#include "exam/format_table.h"
#include "io/file_name.h"
#include "io/input_file.h"

namespace kvir {
namespace {

// What a regular file at `path` holds now; nothing where there is no such file to keep.
std::optional<std::string> KeptBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(WrittenFileName(path), error)) return std::nullopt;
  return ReadFileBytes(path, std::numeric_limits<size_t>::max() - 1);
}

// Puts `path` back as `kept` held it, or removes it where it was not there.
void PutBack(const std::string& path, const std::optional<std::string>& kept) {
  if (kept) {
    (void)WriteOutputFile(path, std::string_view(*kept));
  } else {
    std::error_code ignored;
    std::filesystem::remove(WrittenFileName(path), ignored);
  }
}

}  // namespace

std::string KeyPath(const std::string& file) {
  return file.substr(0, file.size() - FileSuffix(file).size()) + "-key.csv";
}

std::vector<ExamVariant> ExamVariants(const ExamOrder& order) {
  const ExamSettings settings = order.settings();
  std::vector<ExamVariant> variants;
  if (order.students.empty()) variants.push_back(MakeExamVariant(settings, ""));
  for (const std::string& student : order.students) {
    variants.push_back(MakeExamVariant(settings, student));
  }
  return variants;
}

std::vector<uint8_t> ExamFileBytes(const ExamOrder& order,
                                   const std::vector<ExamVariant>& variants) {
  return ExamFormatOf(order.format).write(variants, order.language);
}

FileStatus WriteExamFiles(const ExamOrder& order) {
  const std::vector<ExamVariant> variants = ExamVariants(order);
  const std::vector<uint8_t> bytes = ExamFileBytes(order, variants);
  if (!ExamFormatOf(order.format).key) return WriteOutputFile(order.file, bytes);
  // The key first: a file of questions is never left without its key. Where the questions then
  // fail, the key goes back to what it was, so the two never disagree.
  const std::string key_path = KeyPath(order.file);
  const std::optional<std::string> old_key = KeptBytes(key_path);
  const std::string key = ExamKeyCsv(variants);
  if (FileStatus status = WriteOutputFile(key_path, std::string_view(key)); !status.ok()) {
    return status;
  }
  FileStatus status = WriteOutputFile(order.file, bytes);
  if (!status.ok()) PutBack(key_path, old_key);
  return status;
}

}  // namespace kvir
