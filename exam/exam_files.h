#pragma once
// An exam's file and its key, written together.

#include <cstdint>
#include <string>
#include <vector>

#include "exam/exam_order.h"
#include "io/output_file.h"
#include "learning/exam.h"

namespace kvir {

/// Where the key of `file` goes: "bank.xml" gives "bank-key.csv".
std::string KeyPath(const std::string& file);

/// The variants of a checked order: one per student, or one without a name.
std::vector<ExamVariant> ExamVariants(const ExamOrder& order);

/// The file's bytes in the order's format.
std::vector<uint8_t> ExamFileBytes(const ExamOrder& order,
                                   const std::vector<ExamVariant>& variants);

/// Makes the variants of a checked order and writes its key, then its file, each whole or not at
/// all; where the file fails, the key is put back as it was (or removed if it was new), so a file
/// and its key always belong together. Returns the status of the write that failed, or ok; throws
/// Error where the file's bytes cannot be made.
[[nodiscard]] FileStatus WriteExamFiles(const ExamOrder& order);

}  // namespace kvir
