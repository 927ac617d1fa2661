#pragma once
// What a teacher orders: which questions, for whom, in which format, into which file. `kvir-cli
// exam` reads one from its arguments, the teacher's dialog builds one from its fields; both write
// it through exam/exam_files.h.

#include <cstdint>
#include <string>
#include <vector>

#include "core/language.h"
#include "learning/exam.h"

namespace kvir {

/// The formats an exam is written in: exam/format_table.h has a row for each.
enum class ExamFormat : uint8_t { kMoodle, kGift, kPdf };

/// Everything an exam is written from.
struct ExamOrder {
  std::vector<int> schemes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  std::vector<ExamKind> kinds = {ExamKind::kOutputs, ExamKind::kInputs, ExamKind::kRows,
                                 ExamKind::kScheme};
  int count = 10;  ///< questions per variant
  uint64_t seed = 1;
  std::vector<std::string> students;  ///< one variant each; none: one variant without a name
  Language language = Language::kRussian;
  ExamFormat format = ExamFormat::kMoodle;
  std::string file;  ///< the file to write; its key goes to KeyPath(file)

  /// What the questions are drawn from.
  ExamSettings settings() const;
};

/// Questions in all variants together that an order may ask for: enough for any course, few
/// enough to write.
inline constexpr long kMaxExamQuestionsInAll = 20000;
/// Names a students file may hold, and its size.
inline constexpr size_t kMaxStudents = 1000;
inline constexpr size_t kMaxStudentsFile = 1 << 20;
/// Characters a student's name may hold: a worksheet's name line holds about a hundred.
inline constexpr size_t kMaxStudentName = 100;

/// `order` checked, its file named as every save is (io/file_name.h: "bank" becomes "bank.xml").
/// Throws Error for no scheme, no kind, a count out of range, too many questions in all, no file,
/// the standard output or a file name of another format.
ExamOrder CheckedExamOrder(ExamOrder order);

/// The names in a students file's bytes: one a line, empty lines left out. Every kind of space
/// (the no-break and ideographic ones, a byte-order mark) is taken off both ends of a name and
/// stands as one plain space inside it, so that names that look alike are the same name. Throws
/// Error for text that is not UTF-8, a control or line-separator character, a name longer than
/// kMaxStudentName characters, the same name twice, more than kMaxStudents names or no name.
std::vector<std::string> ParseStudentNames(const std::string& bytes);

/// ParseStudentNames of the file at `path`; throws Error also for a file that cannot be read or
/// is larger than kMaxStudentsFile.
std::vector<std::string> ReadStudentsFile(const std::string& path);

}  // namespace kvir
