#pragma once
// A press shown stage by stage: the model changes at once, the panel follows the press engine's
// own steps afterwards, as `kvir-cli trace` prints them.

#include <cstdint>
#include <functional>
#include <vector>

#include "circuit/scheme.h"

namespace kvir {

/// The elements that ran together, then the indicators they redrew. A press's first stage is the
/// redraw of its input buttons and runs no element.
struct PressStage {
  std::vector<int> elements;      ///< from 1, in creation order
  std::vector<uint16_t> drawn;    ///< indicators, by index in stacking order
  std::vector<uint16_t> changed;  ///< those of `drawn` whose level the press changed
};

/// Cuts the steps the press engine reports into stages: an element run after a redraw begins the
/// next stage. A redrawn indicator has changed when its level differs from the one it had at
/// construction. Hears `scheme`'s presses from construction to destruction (AttachedObserver).
class StageRecorder : public AttachedObserver {
 public:
  explicit StageRecorder(Scheme& scheme);

  void OnExecute(int element_number) override;
  void OnDraw(const Indicator& indicator) override;

  const std::vector<PressStage>& stages() const { return stages_; }

 private:
  std::vector<PressStage> stages_;
  std::vector<int32_t> before_;  ///< each indicator's level at construction
};

/// One press replayed: made in the model when the replay is made, shown one stage at a time.
/// At first every indicator the press redrew still waits for its stage; each Advance shows the
/// next stage, whose indicators are marked; the Advance after the last stage ends the replay, and
/// the panel is the model's again. Whoever shows the replay keeps what a waiting indicator showed
/// before the press.
class PressReplay {
 public:
  /// Calls `press`, which presses `scheme` once, and records its stages. The replay is finished
  /// at once when the press reports no step (it failed before reaching the engine).
  PressReplay(Scheme& scheme, const std::function<void()>& press);

  const std::vector<PressStage>& stages() const { return stages_; }
  /// Stages shown so far: 0 right after the press, stages().size() at the last one.
  size_t shown() const { return shown_; }
  bool finished() const { return shown_ > stages_.size(); }

  /// Shows the next stage, or ends the replay after the last.
  void Advance();
  /// Ends the replay at once.
  void Finish();

  /// The indicators whose stage has not come yet, by index in stacking order: they still show
  /// what they showed before the press. Empty once finished.
  std::vector<uint16_t> Waiting() const;
  /// The indicators of the stage shown last whose level changed, to be marked. Empty before the
  /// first and once finished.
  std::vector<uint16_t> Marked() const;
  /// The indicators of the stage shown last redrawn with the level they had, to be marked
  /// faintly. Empty before the first and once finished.
  std::vector<uint16_t> Redrawn() const;

 private:
  std::vector<PressStage> stages_;
  size_t shown_ = 0;
};

}  // namespace kvir
