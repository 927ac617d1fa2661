#pragma once
// The one table of the formats an exam is written in: the command line's name, the file's
// suffixes, the dialog's words in both languages, whether a key goes beside it, and its writer.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "exam/exam_order.h"
#include "io/file_name.h"
#include "learning/exam.h"

namespace kvir {

/// The file's bytes for `variants`, texts in `language`.
using ExamWriter = std::vector<uint8_t> (*)(std::span<const ExamVariant> variants,
                                            Language language);

/// One format, a row of the table.
struct ExamFormatRow {
  ExamFormat format;
  std::string_view name;     ///< as `kvir-cli exam --format` names it: "moodle"
  FileSuffixes suffixes;     ///< the first is added to a name without one
  std::string_view russian;  ///< as the teacher's dialog offers it
  std::string_view english;
  bool key;  ///< whether its key is written beside it (KeyPath)
  ExamWriter write;

  /// The dialog's words for it in `language`.
  std::string_view label(Language language) const {
    return language == Language::kEnglish ? english : russian;
  }
};

/// Every format, in the order the dialog offers them.
std::span<const ExamFormatRow> ExamFormats();

/// The row of `format`.
const ExamFormatRow& ExamFormatOf(ExamFormat format);

/// The row named `name` ("gift"); throws Error(kExamFormatUnknown) for another name.
const ExamFormatRow& ExamFormatNamed(std::string_view name);

}  // namespace kvir
