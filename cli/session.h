#pragma once
// One scheme driven as the program drives it: selected, then pressed button by button.

#include <string>
#include <vector>

#include "circuit/scheme_set.h"

namespace kvir {

/// Remembers the steps of the latest press.
class LastPressRecorder : public PressObserver {
 public:
  struct Step {
    int element = 0;                   ///< element executed, or 0 for a redraw
    const Indicator* drawn = nullptr;  ///< indicator redrawn
  };
  void Start() { steps.clear(); }
  void OnExecute(int element_number) override { steps.push_back({element_number, nullptr}); }
  void OnDraw(const Indicator& ind) override { steps.push_back({0, &ind}); }

  std::vector<Step> steps;
};

/// Builds scheme n (netlist only), selects it and presses `buttons` (names or labels, see
/// ResolveButtons) in turn, recording each press; the pictures are drawn in `style`.
class SchemeSession {
 public:
  SchemeSession(int n, const std::vector<std::string>& buttons, PictureStyle style = {});
  SchemeSession(const SchemeSession&) = delete;
  SchemeSession& operator=(const SchemeSession&) = delete;
  ~SchemeSession();

  Scheme& scheme() { return set_.scheme(n_); }
  /// Presses one button through the scheme's press procedure, recording it as the last press.
  void Press(Indicator& button);
  const LastPressRecorder& last_press() const { return recorder_; }

 private:
  SchemeSet set_;
  HeadlessHost host_;
  LastPressRecorder recorder_;
  int n_;
};

}  // namespace kvir
