#include "learning/truth_table.h"

#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>

#include "circuit/scheme_set.h"

namespace kvir {
namespace {

using Column = std::vector<Indicator*>;

Column SortedByName(Column column) {
  std::sort(column.begin(), column.end(), [](auto* a, auto* b) { return a->name < b->name; });
  return column;
}

Column Outputs(Scheme& s) {
  Column outs;
  for (Indicator& ind : s.indicators()) {
    if (ind.name.starts_with("OUT")) outs.push_back(&ind);
  }
  return SortedByName(outs);
}

Column Buttons(Scheme& s) {
  Column buttons;
  for (uint16_t b : s.buttons) buttons.push_back(&s.indicators()[b]);
  return SortedByName(buttons);
}

std::vector<std::string> Names(const Column& column) {
  std::vector<std::string> names;
  for (const Indicator* ind : column) names.push_back(ind->name);
  return names;
}

/// Scheme n alone, pressed as its selection does; each state is reached through its press
/// procedure.
class TableRun {
 public:
  explicit TableRun(int n) : n_(n), scheme_(*kSchemeTable[n - 1].def) {
    kSchemeTable[n - 1].build(scheme_);
    PressAsSelected(scheme_);
    buttons_ = Buttons(scheme_);
    outputs_ = Outputs(scheme_);
  }

  Scheme& scheme() { return scheme_; }
  const Column& buttons() const { return buttons_; }
  const Column& outputs() const { return outputs_; }

  void Press(size_t button) { kSchemeTable[n_ - 1].press(scheme_, *buttons_[button]); }

  void Reach(const std::vector<int>& values) {
    ReachInputs(scheme_, kSchemeTable[n_ - 1].press, buttons_, values);
  }

  std::vector<int> Row() const {
    std::vector<int> row;
    row.reserve(buttons_.size() + outputs_.size());
    for (const Column* group : {&buttons_, &outputs_}) {
      for (const Indicator* ind : *group) row.push_back(ind->Tag);
    }
    return row;
  }

 private:
  int n_;
  Scheme scheme_;
  Column buttons_;
  Column outputs_;
};

void OneHotRows(TableRun& run, TruthTable& table) {
  for (size_t b = 0; b < run.buttons().size(); ++b) {
    run.Press(b);
    table.rows.push_back(run.Row());
  }
}

void ToggleRows(TableRun& run, TruthTable& table) {
  const size_t k = run.buttons().size();
  table.rows.reserve(size_t{1} << k);
  std::vector<int> values(k);
  for (unsigned code = 0; code < (1u << k); ++code) {
    for (size_t i = 0; i < k; ++i) values[i] = (code >> (k - 1 - i)) & 1;
    run.Reach(values);
    table.rows.push_back(run.Row());
  }
}

void OneHotWithToggleRows(TableRun& run, TruthTable& table) {
  const Column& buttons = run.buttons();
  const size_t k = buttons.size();
  const std::string_view toggle_name = run.scheme().def().toggle;
  const size_t toggle = std::find_if(buttons.begin(), buttons.end(),
                                     [&](auto* b) { return b->name == toggle_name; }) -
                        buttons.begin();
  std::vector<size_t> data_rows = {k};  // first the row with no data button pressed
  for (size_t i = 0; i < k; ++i) {
    if (i != toggle) data_rows.push_back(i);
  }
  for (size_t data : data_rows) {
    for (int enable = 0; enable <= 1; ++enable) {
      std::vector<int> values(k, 0);
      if (data < k) values[data] = 1;
      values[toggle] = enable;
      run.Reach(values);
      table.rows.push_back(run.Row());
    }
  }
}

// Whether pressing input i brings the scheme into `values`: the hot one, the toggle, or any.
bool BringsInto(const Scheme& scheme, const std::string& input, int value) {
  switch (scheme.def().mode) {
    case InputMode::kOneHot:
      return value == 1;
    case InputMode::kOneHotWithToggle:
      return input == scheme.def().toggle;
    case InputMode::kToggle:
      break;
  }
  return true;
}

size_t PressedButton(const Scheme& scheme, std::span<Indicator* const> inputs,
                     std::span<const int> values) {
  for (size_t i = 0; i < inputs.size(); ++i) {
    if (BringsInto(scheme, inputs[i]->name, values[i])) return i;
  }
  throw std::invalid_argument("scheme " + std::to_string(scheme.number()) +
                              " cannot reach that state with one press");
}

}  // namespace

void ReachInputs(Scheme& scheme, PressProc press, std::span<Indicator* const> inputs,
                 std::span<const int> values) {
  if (values.size() != inputs.size()) throw std::invalid_argument("one value per input needed");
  const size_t pressed = PressedButton(scheme, inputs, values);
  for (size_t i = 0; i < inputs.size(); ++i) inputs[i]->Tag = values[i] ^ (i == pressed);
  press(scheme, *inputs[pressed]);
}

void ReachInputs(Scheme& scheme, PressProc press, const std::vector<std::string>& inputs,
                 std::span<const int> values) {
  Column buttons;
  for (const std::string& name : inputs) buttons.push_back(&scheme.At(name));
  ReachInputs(scheme, press, buttons, values);
}

std::vector<int> CellsOf(const Scheme& scheme, const std::vector<std::string>& names) {
  std::vector<int> cells;
  for (const std::string& name : names) cells.push_back(scheme.At(name).Tag);
  return cells;
}

std::vector<std::string> PressesTo(Scheme& scheme, PressProc press,
                                   const std::vector<std::string>& names,
                                   const std::vector<int>& target) {
  PressAsSelected(scheme);
  const std::vector<int> start = CellsOf(scheme, names);
  std::map<std::vector<int>, std::vector<std::string>> paths = {{start, {}}};
  std::deque<std::vector<int>> queue = {start};
  while (!queue.empty()) {
    const std::vector<int> state = queue.front();
    queue.pop_front();
    const std::vector<std::string> path = paths.at(state);
    if (state == target) return path;
    for (const std::string& name : names) {
      for (size_t i = 0; i < names.size(); ++i) scheme.At(names[i]).Tag = state[i];
      press(scheme, scheme.At(name));
      const std::vector<int> next = CellsOf(scheme, names);
      std::vector<std::string> longer = path;
      longer.push_back(name);
      if (paths.emplace(next, std::move(longer)).second) queue.push_back(next);
    }
  }
  throw std::logic_error("scheme " + std::to_string(scheme.number()) + ": a row no press reaches");
}

TruthTable ComputeTruthTable(int n) {
  TableRun run(n);
  TruthTable table;
  table.inputs = Names(run.buttons());
  table.outputs = Names(run.outputs());
  switch (run.scheme().def().mode) {
    case InputMode::kOneHot:
      OneHotRows(run, table);
      break;
    case InputMode::kToggle:
      ToggleRows(run, table);
      break;
    case InputMode::kOneHotWithToggle:
      OneHotWithToggleRows(run, table);
      break;
  }
  return table;
}

}  // namespace kvir
