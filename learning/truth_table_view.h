#pragma once
// A truth table as a student reads it, for the truth-table window, its CSV and
// `kvir-cli table N --labels`: the enable and strobe inputs first, then the data inputs from the
// highest weight to the lowest, then the outputs in number order (an encoder's code from its
// highest bit), every column headed by the label the drawing prints; the rows in counting order
// of the data inputs (and, within one code, of the enables).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/scheme.h"
#include "core/language.h"
#include "learning/truth_table.h"

namespace kvir {

struct ViewColumn {
  std::string name;   ///< the indicator's name
  std::string label;  ///< what the drawing prints beside it
  Role role = Role::kOutput;
  /// What the column is headed by: the label, or the label after its group ("кн.S1", "вых.0")
  /// where the labels alone would mislead (see StudentView).
  std::string header = label;
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

/// The student's view of `table`, the truth table of `scheme`. The headers carry their group,
/// in `language`, where the labels alone would mislead: every input is headed as a button
/// ("кн.4", "btn.4") where a button's label names a chip pin, whose lamp may show the opposite
/// level, or an output's label; every output as an output ("вых.0", "out.0") where its label
/// is also an input's.
TruthTableView StudentView(const Scheme& scheme, const TruthTable& table,
                           Language language = Language::kRussian);

/// The row whose input columns hold the scheme's button cells now, or -1.
int CurrentRow(const TruthTableView& view, const Scheme& scheme);

/// The first output column: every column before it is an input.
size_t FirstOutputColumn(const TruthTableView& view);

/// What an output cell says while a question of "Проверь себя" is open: every row's, since the
/// rows around the asked one would give its answer away.
inline constexpr std::string_view kConcealedCell = "?";

/// Whether a table shows its output cells or conceals them all (an open question).
enum class TableOutputs : uint8_t { kShown, kConcealed };

/// The header and every row, fields separated by `separator` and lines by "\n"; a field holding
/// the separator, a quote or a line break is quoted as CSV does (RFC 4180). Concealed outputs
/// read kConcealedCell.
std::string FormatTable(const TruthTableView& view, char separator,
                        TableOutputs outputs = TableOutputs::kShown);

/// How the truth-table window saves its CSV for a spreadsheet of the interface's language: in
/// Russian separated by ';' (the decimal comma takes ',') and led by a UTF-8 byte-order mark,
/// by which such a spreadsheet knows the encoding; in English by ',' without a mark.
struct CsvStyle {
  char separator;
  bool byte_order_mark;
};
CsvStyle SavedCsvStyle(Language language);

/// The CSV file the window saves: FormatTable in `style`, after the mark if it has one.
std::string SavedCsv(const TruthTableView& view, CsvStyle style,
                     TableOutputs outputs = TableOutputs::kShown);

/// `text` as one field of a line whose fields `separator` separates: quoted as CSV does when it
/// holds the separator, a quote or a line break.
std::string CsvField(const std::string& text, char separator);

/// As CsvField, for text a user typed (a student's name): one that a spreadsheet would take for a
/// formula (starting with =, +, -, @, a tab or a carriage return) gets a leading apostrophe, so it
/// is shown as the text it is and never run.
std::string CsvUserField(const std::string& text, char separator);

}  // namespace kvir
