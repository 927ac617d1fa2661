#pragma once
// kvir-cli's legend of a scheme and its truth table as a student reads it.

#include <ostream>

#include "circuit/scheme_texts.h"

namespace kvir {

/// `kvir-cli names N`: one line per indicator in drawing order (bottom to top), tab-separated:
/// name, label, role word, and for an indicator on a chip pin the chip and the pin's label.
void PrintLegend(int n, Language language, std::ostream& out);

/// `kvir-cli table N --labels` (separator ' ') and `--csv` (',' or the one given): the header,
/// its groups in `language`, then the rows of StudentView (learning/truth_table_view.h).
void PrintStudentTable(int n, char separator, Language language, std::ostream& out);

}  // namespace kvir
