#pragma once
// `kvir-cli exam`: its arguments read into an ExamOrder (exam/exam_order.h), which exam/ writes
// as the teacher's dialog's does.

#include <string>
#include <vector>

#include "core/language.h"
#include "exam/exam_order.h"

namespace kvir {

/// The words after "exam" ("exam" first) as a checked order in `language`. Throws Error, in the
/// context of "exam" and the option at fault, naming what is wrong and what is accepted; the
/// students file is read here.
ExamOrder ParseExamOrder(const std::vector<std::string>& words, Language language);

}  // namespace kvir
