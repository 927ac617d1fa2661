#pragma once
// Helpers for driving schemes in tests.

#include <string>
#include <string_view>
#include <vector>

#include "circuit/names.h"
#include "circuit/scheme_set.h"

namespace kvir::testing {

/// Records each step of a press as "exec K" or "draw NAME PICTURE".
class StepRecorder : public PressObserver {
 public:
  void OnExecute(int element_number) override {
    steps.push_back("exec " + std::to_string(element_number));
  }
  void OnDraw(const Indicator& ind) override {
    steps.push_back("draw " + ind.name + " " + std::string(ind.shown_resource));
  }
  std::vector<std::string> steps;
};

/// A scheme set whose schemes are built (netlists wired) without loading the scheme pictures.
class BuiltSchemes {
 public:
  BuiltSchemes() {
    for (int n = 1; n <= kSchemeCount; ++n) {
      kSchemeTable[n - 1].build(set.scheme(n));
    }
  }
  Scheme& Select(int n) {
    SelectScheme(set, host, static_cast<uint8_t>(n));
    return set.scheme(n);
  }
  /// Presses the named buttons of scheme n in turn through its press procedure.
  Scheme& Press(int n, std::string_view list) {
    Scheme& s = set.scheme(n);
    for (const std::string& name : ExpandNames(list)) kSchemeTable[n - 1].press(s, s.At(name));
    return s;
  }

  SchemeSet set;
  HeadlessHost host;
};

/// The cells of the named indicators, in list order.
inline std::vector<int> Cells(Scheme& s, std::string_view list) {
  std::vector<int> out;
  for (const std::string& name : ExpandNames(list)) out.push_back(s.At(name).Tag);
  return out;
}

/// Parses "1 0 1" into {1, 0, 1}.
inline std::vector<int> Bits(std::string_view text) {
  std::vector<int> out;
  for (char c : text) {
    if (c == '0' || c == '1') out.push_back(c - '0');
  }
  return out;
}

}  // namespace kvir::testing
