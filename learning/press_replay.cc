#include "learning/press_replay.h"

namespace kvir {

StageRecorder::StageRecorder(Scheme& scheme) : scheme_(scheme), previous_(scheme.observer) {
  scheme_.observer = this;
}

StageRecorder::~StageRecorder() {
  scheme_.observer = previous_;
}

void StageRecorder::OnExecute(int element_number) {
  if (stages_.empty() || !stages_.back().drawn.empty()) stages_.emplace_back();
  stages_.back().elements.push_back(element_number);
  if (previous_) previous_->OnExecute(element_number);
}

void StageRecorder::OnDraw(const Indicator& indicator) {
  if (stages_.empty()) stages_.emplace_back();
  stages_.back().drawn.push_back(IndexIn(scheme_, indicator));
  if (previous_) previous_->OnDraw(indicator);
}

PressReplay::PressReplay(Scheme& scheme, const std::function<void()>& press) {
  for (const Indicator& indicator : scheme.indicators()) before_.push_back(indicator.shown);
  {
    StageRecorder recorder(scheme);
    press();
    stages_ = recorder.stages();
  }
  if (stages_.empty()) shown_ = 1;
  Update();
}

void PressReplay::Advance() {
  if (!finished()) ++shown_;
  Update();
}

void PressReplay::Finish() {
  shown_ = stages_.size() + 1;
  Update();
}

void PressReplay::Update() {
  overlay_ = {};
  if (finished()) return;
  overlay_.pictures.assign(before_.size(), nullptr);
  for (size_t s = shown_; s < stages_.size(); ++s) {
    for (uint16_t i : stages_[s].drawn) overlay_.pictures[i] = &before_[i];
  }
  if (shown_ > 0) overlay_.marked = stages_[shown_ - 1].drawn;
}

}  // namespace kvir
