#include "cli/truth_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "cli/session.h"

namespace kvir {
namespace {

std::vector<Indicator*> Outputs(Scheme& s) {
  std::vector<Indicator*> outs;
  for (Indicator& ind : s.indicators()) {
    if (ind.name.starts_with("OUT")) outs.push_back(&ind);
  }
  std::sort(outs.begin(), outs.end(), [](auto* a, auto* b) { return a->name < b->name; });
  return outs;
}

std::vector<Indicator*> Buttons(Scheme& s) {
  std::vector<Indicator*> buttons;
  for (uint16_t b : s.buttons) buttons.push_back(&s.indicators()[b]);
  std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->name < b->name; });
  return buttons;
}

void PrintRow(const std::vector<Indicator*>& buttons, const std::vector<Indicator*>& outs,
              std::ostream& out) {
  std::string line;
  for (const auto* group : {&buttons, &outs}) {
    for (const Indicator* ind : *group) {
      if (!line.empty()) line += ' ';
      line += std::to_string(ind->Tag);
    }
  }
  out << line << '\n';
}

// Sets every button to `values` except `pressed`, which gets the complement, then presses it,
// so the press itself brings the scheme into the wanted state.
void ReachState(SchemeSession& session, const std::vector<Indicator*>& buttons,
                const std::vector<int>& values, size_t pressed) {
  for (size_t i = 0; i < buttons.size(); ++i) buttons[i]->Tag = values[i] ^ (i == pressed);
  session.Press(*buttons[pressed]);
}

}  // namespace

void PrintTruthTable(int n, std::ostream& out) {
  SchemeSession session(n, {});
  Scheme& s = session.scheme();
  const std::vector<Indicator*> buttons = Buttons(s);
  const std::vector<Indicator*> outs = Outputs(s);
  std::string header;
  for (const auto* group : {&buttons, &outs}) {
    for (const Indicator* ind : *group) header += (header.empty() ? "" : " ") + ind->name;
  }
  out << header << '\n';

  const size_t k = buttons.size();
  switch (s.def().mode) {
    case InputMode::kOneHot:
      for (Indicator* b : buttons) {
        session.Press(*b);
        PrintRow(buttons, outs, out);
      }
      break;
    case InputMode::kToggle:
      for (unsigned code = 0; code < (1u << k); ++code) {
        std::vector<int> values(k);
        for (size_t i = 0; i < k; ++i) values[i] = (code >> (k - 1 - i)) & 1;
        ReachState(session, buttons, values, 0);
        PrintRow(buttons, outs, out);
      }
      break;
    case InputMode::kOneHotWithToggle: {
      const size_t toggle = std::find_if(buttons.begin(), buttons.end(),
                                         [&](auto* b) { return b->name == s.def().toggle; }) -
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
          ReachState(session, buttons, values, toggle);
          PrintRow(buttons, outs, out);
        }
      }
      break;
    }
  }
}

}  // namespace kvir
