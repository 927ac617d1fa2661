#include "learning/reached_rows.h"

#include <algorithm>

namespace kvir {
namespace {

std::vector<int32_t> ButtonCells(const Scheme& scheme) {
  std::vector<int32_t> cells;
  for (uint16_t index : scheme.buttons) cells.push_back(scheme.indicators()[index].Tag);
  return cells;
}

}  // namespace

void ReachedStates::Restart(const Scheme& scheme) {
  scheme_ = scheme.number();
  buttons_.clear();
  for (uint16_t index : scheme.buttons) buttons_.push_back(scheme.indicators()[index].name);
  states_.clear();
  Record(scheme);
}

void ReachedStates::Record(const Scheme& scheme) {
  if (scheme.number() == scheme_) states_.insert(ButtonCells(scheme));
}

std::vector<bool> ReachedStates::RowsReached(const TruthTableView& view) const {
  // Where each button's value stands in a row of the view.
  std::vector<size_t> columns;
  for (const std::string& button : buttons_) {
    const auto it = std::find_if(view.columns.begin(), view.columns.end(),
                                 [&](const ViewColumn& c) { return c.name == button; });
    columns.push_back(static_cast<size_t>(it - view.columns.begin()));
  }
  std::vector<bool> reached(view.rows.size(), false);
  for (size_t r = 0; r < view.rows.size(); ++r) {
    std::vector<int32_t> state;
    for (size_t c : columns) state.push_back(c < view.columns.size() ? view.rows[r].values[c] : 0);
    reached[r] = states_.contains(state);
  }
  return reached;
}

bool CanHideSwitchedOff(const TruthTableView& view) {
  return std::any_of(view.columns.begin(), view.columns.end(),
                     [](const ViewColumn& c) { return c.role == Role::kEnable; });
}

std::vector<int> ShownRows(const TruthTableView& view, bool hide_switched_off) {
  std::vector<int> shown;
  for (size_t r = 0; r < view.rows.size(); ++r) {
    if (!hide_switched_off || !view.rows[r].switched_off) shown.push_back(static_cast<int>(r));
  }
  return shown;
}

}  // namespace kvir
