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
  const PanelPictures& pictures = panel.pictures();
  before_.clear();
  for (size_t i = 0; i < panel.scheme().indicators().size(); ++i) {
    before_.push_back(pictures.shown(i));
  }
  bool pressed = false;
  replay_ = std::make_unique<PressReplay>(
      panel.scheme(), [&panel, &clicked, &pressed] { pressed = panel.runPress(clicked); });
  if (!pressed || replay_->finished()) {
    replay_.reset();
    panel.showModel();
    return;
  }
  panel_ = &panel;
  panel.setOverlay(&overlay_);
  showStage();
  if (!paused_) timer_.start(interval());
}

void StepMode::showLine(QWidget* window, bool shown) {
  if (line_ == nullptr && shown) {
    line_ = new QLabel(window);
    line_->setObjectName(QStringLiteral("lblStep"));
    line_->setIndent(8);
  }
  if (line_ == nullptr) return;
  line_->setVisible(shown);
  updateLine();
}

QLabel* StepMode::line() const {
  return line_ != nullptr && !line_->isHidden() ? line_.data() : nullptr;
}

void StepMode::retranslate() {
  updateLine();
}

// Which stage shows (or what to do before a press), the wait between stages, and the keys.
void StepMode::updateLine() {
  if (line_ == nullptr) return;
  const QString stage = replay_
                            ? tr("Шаг %1 из %2").arg(replay_->shown()).arg(replay_->stages().size())
                            : tr("Нажмите кнопку входа");
  const QString speed = paused_ ? tr("Пауза: шаги идут только по F6")
                                : tr("Скорость: шаг каждые %1 мс").arg(interval());
  const QString separator = QStringLiteral("  ·  ");
  line_->setText(
      stage + separator + speed + separator +
      tr("F6 — следующий шаг, F7 — медленнее, F8 — быстрее, Pause — пауза, F5 — выключить."));
}

void StepMode::finish() {
  if (!replay_) return;
  timer_.stop();
  panel_->setOverlay(nullptr);
  panel_->showOverlay();
  panel_->showModel();
  replay_.reset();
  panel_ = nullptr;
  before_.clear();
  overlay_ = {};
  updateLine();
}

void StepMode::advance() {
  if (!replay_) return;
  replay_->Advance();
  if (replay_->finished()) {
    finish();
    return;
  }
  showStage();
}

void StepMode::showStage() {
  overlay_.pictures.assign(before_.size(), nullptr);
  for (uint16_t i : replay_->Waiting()) overlay_.pictures[i] = &before_[i];
  overlay_.marked = replay_->Marked();
  overlay_.faint = replay_->Redrawn();
  panel_->showOverlay();
  updateLine();
}

void StepMode::nextStage() {
  if (!replay_) return;
  advance();
  if (replay_ && !paused_) timer_.start(interval());
}

void StepMode::setPaused(bool paused) {
  paused_ = paused;
  if (paused_) {
    timer_.stop();
  } else if (replay_) {
    timer_.start(interval());
  }
  updateLine();
}

void StepMode::slower() {
  if (speed_ > 0) --speed_;
  if (timer_.isActive()) timer_.setInterval(interval());
  updateLine();
}

void StepMode::faster() {
  if (speed_ + 1 < kIntervals.size()) ++speed_;
  if (timer_.isActive()) timer_.setInterval(interval());
  updateLine();
}

}  // namespace kvir
