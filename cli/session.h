#pragma once
// One scheme driven as the program drives it: selected, then pressed button by button.

#include <string>
#include <vector>

#include "circuit/scheme_set.h"
#include "render/panel_pictures.h"

namespace kvir {

/// Remembers the steps of the latest press of `scheme`, while it lives (AttachedObserver).
class LastPressRecorder : public AttachedObserver {
 public:
  struct Step {
    int element = 0;                   ///< element executed, or 0 for a redraw
    const Indicator* drawn = nullptr;  ///< indicator redrawn
  };

  explicit LastPressRecorder(Scheme& scheme) : AttachedObserver(scheme) {}
  void Start() { steps.clear(); }
  void OnExecute(int element_number) override {
    steps.push_back({element_number, nullptr});
    AttachedObserver::OnExecute(element_number);
  }
  void OnDraw(const Indicator& ind) override {
    steps.push_back({0, &ind});
    AttachedObserver::OnDraw(ind);
  }

  std::vector<Step> steps;
};

/// Builds scheme n (netlist only), selects it and presses `buttons` (names or labels, see
/// ResolveButtons) in turn, recording each press; the panel's pictures are decoded in `style` as
/// the presses redraw them (the scheme picture only when asked for).
class SchemeSession {
 public:
  SchemeSession(int n, const std::vector<std::string>& buttons, PictureStyle style = {});
  SchemeSession(const SchemeSession&) = delete;
  SchemeSession& operator=(const SchemeSession&) = delete;
  ~SchemeSession();

  Scheme& scheme() { return set_.scheme(n_); }
  const PanelPictures& pictures() const { return pictures_; }
  /// Decodes the scheme picture.
  void LoadSchemePicture() { pictures_.LoadSchemePicture(); }
  /// Presses one button through the scheme's press procedure, recording it as the last press.
  void Press(Indicator& button);
  const LastPressRecorder& last_press() const { return recorder_; }

 private:
  int n_;
  SchemeSet set_;
  HeadlessHost host_;
  PanelPictures pictures_;
  LastPressRecorder recorder_;
};

}  // namespace kvir
