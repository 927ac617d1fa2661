#pragma once
// A truth table as a student reads it, for the truth-table window, its CSV and
// `kvir-cli table N --labels`: the enable and strobe inputs first, then the data inputs from the
// highest weight to the lowest, then the outputs in number order, every column headed by the
// label the drawing prints; the rows in counting order of the data inputs (and, within one code,
// of the enables).

#include <string>
#include <vector>

#include "circuit/scheme.h"
#include "learning/truth_table.h"

namespace kvir {

struct ViewColumn {
  std::string name;   ///< the indicator's name
  std::string label;  ///< what the drawing prints beside it
  Role role = Role::kOutput;
};

struct ViewRow {
  std::vector<int> values;    ///< one per column
  bool switched_off = false;  ///< the enables switch the circuit off: no data input matters
};

struct TruthTableView {
  std::vector<ViewColumn> columns;
  std::vector<ViewRow> rows;
};

/// The data inputs of the scheme from the highest weight to the lowest, by name.
std::vector<std::string> DataInputsByWeight(const SchemeDef& def);

/// The student's view of `table`, the truth table of `scheme`.
TruthTableView StudentView(const Scheme& scheme, const TruthTable& table);

/// The row whose input columns hold the scheme's button cells now, or -1.
int CurrentRow(const TruthTableView& view, const Scheme& scheme);

/// The header of labels and every row, fields separated by `separator` and lines by "\n"; a
/// field holding the separator, a quote or a line break is quoted as CSV does (RFC 4180).
std::string FormatTable(const TruthTableView& view, char separator);

/// `text` as one field of a line whose fields `separator` separates: quoted as CSV does when it
/// holds the separator, a quote or a line break.
std::string CsvField(const std::string& text, char separator);

}  // namespace kvir
