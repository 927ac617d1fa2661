#include "learning/press_replay.h"

namespace kvir {

void StageRecorder::OnExecute(int element_number) {
  if (stages_.empty() || !stages_.back().drawn.empty()) stages_.emplace_back();
  stages_.back().elements.push_back(element_number);
  AttachedObserver::OnExecute(element_number);
}

void StageRecorder::OnDraw(const Indicator& indicator) {
  if (stages_.empty()) stages_.emplace_back();
  stages_.back().drawn.push_back(IndexIn(scheme(), indicator));
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
  return stages_[shown_ - 1].drawn;
}

}  // namespace kvir
