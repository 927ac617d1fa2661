#include "app/modes/stepmode.h"

#include <array>

#include "app/panel/schemepanel.h"

namespace kvir {
namespace {

// The waits between stages from slowest to fastest, in milliseconds.
constexpr std::array kIntervals = {2000, 1000, 500, 250, 125, 60};
constexpr size_t kFirstSpeed = 3;  // 250 ms

}  // namespace

StepMode::StepMode(QObject* parent) : QObject(parent), speed_(kFirstSpeed) {
  connect(&timer_, &QTimer::timeout, this, &StepMode::advance);
}

int StepMode::interval() const {
  return kIntervals[speed_];
}

void StepMode::press(SchemePanel& panel, Indicator& clicked) {
  finish();
  bool pressed = false;
  replay_ = std::make_unique<PressReplay>(
      panel.scheme(), [&panel, &clicked, &pressed] { pressed = panel.runPress(clicked); });
  if (!pressed || replay_->finished()) {
    replay_.reset();
    panel.showModel();
    return;
  }
  panel_ = &panel;
  panel.setOverlay(&replay_->overlay());
  panel.showOverlay();
  timer_.start(interval());
}

void StepMode::finish() {
  if (!replay_) return;
  timer_.stop();
  panel_->setOverlay(nullptr);
  panel_->showOverlay();
  panel_->showModel();
  replay_.reset();
  panel_ = nullptr;
}

void StepMode::advance() {
  if (!replay_) return;
  replay_->Advance();
  if (replay_->finished()) {
    finish();
    return;
  }
  panel_->showOverlay();
}

void StepMode::nextStage() {
  if (!replay_) return;
  advance();
  if (replay_) timer_.start(interval());
}

void StepMode::slower() {
  if (speed_ > 0) --speed_;
  if (timer_.isActive()) timer_.setInterval(interval());
}

void StepMode::faster() {
  if (speed_ + 1 < kIntervals.size()) ++speed_;
  if (timer_.isActive()) timer_.setInterval(interval());
}

}  // namespace kvir
