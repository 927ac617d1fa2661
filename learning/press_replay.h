#pragma once
// A press shown stage by stage: the model changes at once, the panel follows the press engine's
// own steps afterwards, as `kvir-cli trace` prints them.

#include <cstdint>
#include <functional>
#include <vector>

#include "circuit/scheme.h"
#include "learning/panel_overlay.h"

namespace kvir {

/// The elements that ran together, then the indicators they redrew. A press's first stage is the
/// redraw of its input buttons and runs no element.
struct PressStage {
  std::vector<int> elements;    ///< from 1, in creation order
  std::vector<uint16_t> drawn;  ///< indicators, by index in stacking order
};

/// Cuts the steps the press engine reports into stages: an element run after a redraw begins the
/// next stage. Hears `scheme`'s presses from construction to destruction, and passes every step on
/// to the observer the scheme had before; `scheme` must outlive the recorder.
class StageRecorder : public PressObserver {
 public:
  explicit StageRecorder(Scheme& scheme);
  StageRecorder(const StageRecorder&) = delete;
  StageRecorder& operator=(const StageRecorder&) = delete;
  ~StageRecorder() override;

  void OnExecute(int element_number) override;
  void OnDraw(const Indicator& indicator) override;

  const std::vector<PressStage>& stages() const { return stages_; }

 private:
  Scheme& scheme_;
  PressObserver* previous_;
  std::vector<PressStage> stages_;
};

/// One press replayed: made in the model when the replay is made, shown on the panel one stage
/// at a time. First every indicator keeps the picture it showed before the press; each Advance
/// gives the next stage's indicators their new pictures and marks them; the Advance after the
/// last stage ends the replay, and the panel is the model's again.
class PressReplay {
 public:
  /// Keeps the pictures `scheme` shows, then calls `press`, which presses the scheme once, and
  /// records its stages. The replay is finished at once when the press reports no step (it
  /// failed before reaching the engine).
  PressReplay(Scheme& scheme, const std::function<void()>& press);

  const std::vector<PressStage>& stages() const { return stages_; }
  /// Stages shown so far: 0 right after the press, stages().size() at the last one.
  size_t shown() const { return shown_; }
  bool finished() const { return shown_ > stages_.size(); }

  /// Shows the next stage, or ends the replay after the last.
  void Advance();
  /// Ends the replay at once.
  void Finish();

  /// What the panel shows now over the model: the old pictures of the indicators whose stage has
  /// not come yet, and the marker on the stage shown last. Empty once finished.
  const PanelOverlay& overlay() const { return overlay_; }

 private:
  void Update();

  std::vector<Picture> before_;
  std::vector<PressStage> stages_;
  size_t shown_ = 0;
  PanelOverlay overlay_;
};

}  // namespace kvir
