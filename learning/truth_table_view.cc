#include "learning/truth_table_view.h"

#include <algorithm>
#include <map>
#include <stdexcept>

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
  for (size_t i = 0; i < table.outputs.size(); ++i) add(table.outputs[i], table.inputs.size() + i);
  return columns;
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

TruthTableView StudentView(const Scheme& scheme, const TruthTable& table) {
  const std::vector<Source> sources = Columns(scheme, table);
  TruthTableView view;
  for (const Source& s : sources) view.columns.push_back(s.column);
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

std::string FormatTable(const TruthTableView& view, char separator) {
  std::string text;
  for (size_t c = 0; c < view.columns.size(); ++c) {
    text += (c ? std::string(1, separator) : "") + Field(view.columns[c].label, separator);
  }
  text += '\n';
  for (const ViewRow& row : view.rows) {
    for (size_t c = 0; c < row.values.size(); ++c) {
      if (c) text += separator;
      text += std::to_string(row.values[c]);
    }
    text += '\n';
  }
  return text;
}

std::string CsvField(const std::string& text, char separator) {
  return Field(text, separator);
}

}  // namespace kvir
