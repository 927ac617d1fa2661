#include "learning/truth_table_view.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "circuit/legend_words.h"
#include "circuit/names.h"

namespace kvir {
namespace {

struct Source {
  ViewColumn column;
  size_t index;  // in the truth table's row
};

size_t IndexIn(const std::vector<std::string>& names, const std::string& name) {
  const auto it = std::find(names.begin(), names.end(), name);
  if (it == names.end()) throw std::logic_error("truth table has no column " + name);
  return static_cast<size_t>(it - names.begin());
}

std::vector<Source> Columns(const Scheme& scheme, const TruthTable& table) {
  std::vector<Source> columns;
  const auto add = [&](const std::string& name, size_t index) {
    const Indicator& ind = scheme.At(name);
    columns.push_back({{name, ind.label, ind.role}, index});
  };
  for (const std::string& name : table.inputs) {
    if (scheme.At(name).role == Role::kEnable) add(name, IndexIn(table.inputs, name));
  }
  for (const std::string& name : DataInputsByWeight(scheme.def())) {
    add(name, IndexIn(table.inputs, name));
  }
  const std::vector<std::string> by_weight = ExpandNames(scheme.def().outputs_by_weight);
  const auto output = [&](const std::string& name) {
    add(name, table.inputs.size() + IndexIn(table.outputs, name));
  };
  for (const std::string& name : table.outputs) {
    if (std::find(by_weight.begin(), by_weight.end(), name) == by_weight.end()) output(name);
  }
  for (const std::string& name : by_weight) output(name);
  return columns;
}

bool HasLabel(const std::vector<ViewColumn>& columns, bool outputs, const std::string& label) {
  return std::any_of(columns.begin(), columns.end(), [&](const ViewColumn& c) {
    return (c.role == Role::kOutput) == outputs && c.label == label;
  });
}

// Whether `label` is the label of a chip pin on `scheme`.
bool NamesAPin(const Scheme& scheme, const std::string& label) {
  return std::any_of(scheme.indicators().begin(), scheme.indicators().end(),
                     [&](const Indicator& ind) {
                       return ind.pins.type != ChipType::kNone && PinLabel(ind.pins) == label;
                     });
}

// The group words put before the labels, as abbreviations without a blank, so that a header
// stays one word in `kvir-cli table --labels`.
void AddGroups(const Scheme& scheme, Language language, std::vector<ViewColumn>& columns) {
  const bool english = language == Language::kEnglish;
  bool buttons = false;
  bool outputs = false;
  for (const ViewColumn& c : columns) {
    if (c.role == Role::kOutput) {
      outputs = outputs || HasLabel(columns, false, c.label);
    } else {
      buttons = buttons || NamesAPin(scheme, c.label) || HasLabel(columns, true, c.label);
    }
  }
  for (ViewColumn& c : columns) {
    const bool output = c.role == Role::kOutput;
    if (output ? outputs : buttons) {
      c.header =
          std::string(output ? (english ? "out." : "вых.") : (english ? "btn." : "кн.")) + c.label;
    }
  }
}

// The number the values of the columns of one role spell, the first column the highest bit.
unsigned Code(const std::vector<ViewColumn>& columns, const std::vector<int>& values, Role role) {
  unsigned code = 0;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].role == role) code = code * 2 + static_cast<unsigned>(values[i]);
  }
  return code;
}

std::vector<int> Outputs(const std::vector<ViewColumn>& columns, const std::vector<int>& values) {
  std::vector<int> outs;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].role == Role::kOutput) outs.push_back(values[i]);
  }
  return outs;
}

// Rows sharing their enables are switched off when the data inputs change none of their outputs.
void MarkSwitchedOff(TruthTableView& view) {
  const auto has_enables = std::any_of(view.columns.begin(), view.columns.end(),
                                       [](const ViewColumn& c) { return c.role == Role::kEnable; });
  if (!has_enables) return;
  struct Group {
    std::vector<int> outputs;
    bool constant = true;
  };
  std::map<unsigned, Group> groups;  // by the code of the enables
  for (const ViewRow& row : view.rows) {
    std::vector<int> outs = Outputs(view.columns, row.values);
    const auto [group, fresh] =
        groups.try_emplace(Code(view.columns, row.values, Role::kEnable), Group{outs});
    if (!fresh && group->second.outputs != outs) group->second.constant = false;
  }
  for (ViewRow& row : view.rows) {
    row.switched_off = groups.at(Code(view.columns, row.values, Role::kEnable)).constant;
  }
}

std::string Field(const std::string& text, char separator) {
  if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
    return text;
  }
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

}  // namespace

std::vector<std::string> DataInputsByWeight(const SchemeDef& def) {
  return ExpandNames(def.data_by_weight);
}

TruthTableView StudentView(const Scheme& scheme, const TruthTable& table, Language language) {
  const std::vector<Source> sources = Columns(scheme, table);
  TruthTableView view;
  for (const Source& s : sources) view.columns.push_back(s.column);
  AddGroups(scheme, language, view.columns);
  for (const std::vector<int>& row : table.rows) {
    ViewRow& out = view.rows.emplace_back();
    for (const Source& s : sources) out.values.push_back(row.at(s.index));
  }
  std::stable_sort(view.rows.begin(), view.rows.end(), [&](const ViewRow& a, const ViewRow& b) {
    const auto key = [&](const ViewRow& r) {
      return std::pair(Code(view.columns, r.values, Role::kInput),
                       Code(view.columns, r.values, Role::kEnable));
    };
    return key(a) < key(b);
  });
  MarkSwitchedOff(view);
  return view;
}

int CurrentRow(const TruthTableView& view, const Scheme& scheme) {
  for (size_t r = 0; r < view.rows.size(); ++r) {
    bool same = true;
    for (size_t c = 0; c < view.columns.size() && same; ++c) {
      const ViewColumn& column = view.columns[c];
      if (column.role != Role::kOutput) same = scheme.At(column.name).Tag == view.rows[r].values[c];
    }
    if (same) return static_cast<int>(r);
  }
  return -1;
}

size_t FirstOutputColumn(const TruthTableView& view) {
  const auto first = std::find_if(view.columns.begin(), view.columns.end(),
                                  [](const ViewColumn& c) { return c.role == Role::kOutput; });
  return static_cast<size_t>(first - view.columns.begin());
}

std::string FormatTable(const TruthTableView& view, char separator, TableOutputs outputs) {
  std::string text;
  for (size_t c = 0; c < view.columns.size(); ++c) {
    text += (c ? std::string(1, separator) : "") + Field(view.columns[c].header, separator);
  }
  text += '\n';
  const size_t first_output = FirstOutputColumn(view);
  const bool hidden = outputs == TableOutputs::kConcealed;
  for (size_t r = 0; r < view.rows.size(); ++r) {
    const std::vector<int>& values = view.rows[r].values;
    for (size_t c = 0; c < values.size(); ++c) {
      if (c) text += separator;
      text += hidden && c >= first_output ? std::string(kConcealedCell) : std::to_string(values[c]);
    }
    text += '\n';
  }
  return text;
}

CsvStyle SavedCsvStyle(Language language) {
  return language == Language::kRussian ? CsvStyle{';', true} : CsvStyle{',', false};
}

std::string SavedCsv(const TruthTableView& view, CsvStyle style, TableOutputs outputs) {
  return (style.byte_order_mark ? "\xEF\xBB\xBF" : "") +
         FormatTable(view, style.separator, outputs);
}

std::string CsvField(const std::string& text, char separator) {
  return Field(text, separator);
}

std::string CsvUserField(const std::string& text, char separator) {
  constexpr std::string_view kFormulaStarts = "=+-@\t\r";
  const bool formula = !text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos;
  return Field(formula ? "'" + text : text, separator);
}

}  // namespace kvir
