#pragma once
// `kvir-cli exam`: question banks for Moodle and GIFT and printable worksheets, each with its key
// beside it. The teacher's dialog of the program writes the same files through WriteExamFiles.

#include <string>
#include <vector>

#include "learning/exam.h"

namespace kvir {

enum class ExamFormat { kMoodle, kGift, kPdf };

/// Everything an exam is written from.
struct ExamOrder {
  ExamSettings settings;
  std::vector<std::string> students;  ///< one variant each; none: one variant without a name
  ExamFormat format = ExamFormat::kMoodle;
  std::string path;  ///< the file to write; its key goes to KeyPath(path)
};

/// The words after "exam" as an order in `language`; throws UsageError with one line naming what
/// is wrong and what is accepted. The students file is read here.
ExamOrder ParseExamOrder(const std::vector<std::string>& words, Language language);

/// The names in a students file's bytes: one a line, blanks around them and empty lines left
/// out. Throws UsageError for text that is not UTF-8, a control character, the same name twice
/// or no name at all.
std::vector<std::string> ParseStudentNames(const std::string& bytes);

/// Where the key of `path` goes: "bank.xml" gives "bank-key.csv".
std::string KeyPath(const std::string& path);

/// The file's bytes in the order's format.
std::vector<uint8_t> ExamFileBytes(const ExamOrder& order,
                                   const std::vector<ExamVariant>& variants);

/// Makes the variants and writes the key, then the file, each whole or not at all; where the file
/// fails, the key is put back as it was (or removed if it was new), so a file and its key always
/// belong together. Throws std::runtime_error with the message of the write that failed.
void WriteExamFiles(const ExamOrder& order);

}  // namespace kvir
