#include "learning/press_replay.h"

#include <algorithm>

namespace kvir {

StageRecorder::StageRecorder(Scheme& scheme) : AttachedObserver(scheme) {
  for (const Indicator& indicator : scheme.indicators()) before_.push_back(indicator.Tag);
}

void StageRecorder::OnExecute(int element_number) {
  if (stages_.empty() || !stages_.back().drawn.empty()) stages_.emplace_back();
  stages_.back().elements.push_back(element_number);
  AttachedObserver::OnExecute(element_number);
}

void StageRecorder::OnDraw(const Indicator& indicator) {
  if (stages_.empty()) stages_.emplace_back();
  const uint16_t index = IndexIn(scheme(), indicator);
  stages_.back().drawn.push_back(index);
  if (indicator.Tag != before_[index]) stages_.back().changed.push_back(index);
  AttachedObserver::OnDraw(indicator);
}

PressReplay::PressReplay(Scheme& scheme, const std::function<void()>& press) {
  {
    StageRecorder recorder(scheme);
    press();
    stages_ = recorder.stages();
  }
  if (stages_.empty()) shown_ = 1;
}

void PressReplay::Advance() {
  if (!finished()) ++shown_;
}

void PressReplay::Finish() {
  shown_ = stages_.size() + 1;
}

std::vector<uint16_t> PressReplay::Waiting() const {
  std::vector<uint16_t> waiting;
  if (finished()) return waiting;
  for (size_t s = shown_; s < stages_.size(); ++s) {
    waiting.insert(waiting.end(), stages_[s].drawn.begin(), stages_[s].drawn.end());
  }
  return waiting;
}

std::vector<uint16_t> PressReplay::Marked() const {
  if (finished() || shown_ == 0) return {};
  return stages_[shown_ - 1].changed;
}

std::vector<uint16_t> PressReplay::Redrawn() const {
  if (finished() || shown_ == 0) return {};
  const PressStage& stage = stages_[shown_ - 1];
  std::vector<uint16_t> redrawn;
  std::copy_if(
      stage.drawn.begin(), stage.drawn.end(), std::back_inserter(redrawn), [&stage](uint16_t i) {
        return std::find(stage.changed.begin(), stage.changed.end(), i) == stage.changed.end();
      });
  return redrawn;
}

}  // namespace kvir
