#include "app/modes/stepmode.h"

#include <exception>

#include "app/modes/learningmodes.h"
#include "app/panel/schemepanel.h"

namespace kvir {

StepMode::StepMode(Session& session, QObject* parent) : QObject(parent), session_(session) {
  connect(&timer_, &QTimer::timeout, this, &StepMode::advance);
  session_.AddObserver(*this);
}

StepMode::~StepMode() {
  session_.RemoveObserver(*this);
}

void StepMode::press(SchemePanel& panel, Indicator& clicked) {
  const QString failure = PressInMode(session_, panel, clicked);
  if (!failure.isEmpty()) emit failed(failure);
}

void StepMode::advance() {
  try {
    session_.Advance();
  } catch (const std::exception& error) {
    emit failed(FailureText(error));
  }
}

void StepMode::nextStage() {
  session_.Advance();
  if (replaying() && !paused()) timer_.start(interval());
}

// A replay begun starts the timer; one ended stops it; the pace changes its wait.
void StepMode::OnSessionChanged(SessionChanges what) {
  const PressReplay* replay = session_.replay();
  if (replay == nullptr || paused()) {
    timer_.stop();
  } else if ((what & kStageChanged) != 0 && replay->shown() == 0) {
    timer_.start(interval());
  } else if ((what & kPaceChanged) != 0) {
    timer_.start(interval());
  }
  if ((what & (kStageChanged | kPaceChanged | kModeChanged | kLanguageChanged)) != 0) updateLine();
}

void StepMode::showLine(QWidget* window, bool shown) {
  if (line_ == nullptr && shown) {
    line_ = new QLabel(window);
    line_->setObjectName(QStringLiteral("lblStep"));
    line_->setIndent(8);
    line_->setWordWrap(true);
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
  const PressReplay* replay = session_.replay();
  const QString stage = replay != nullptr
                            ? tr("Шаг %1 из %2").arg(replay->shown()).arg(replay->stages().size())
                            : tr("Нажмите кнопку входа");
  const QString speed = paused() ? tr("Пауза: шаги идут только по F6")
                                 : tr("Скорость: шаг каждые %1 мс").arg(interval());
  const QString separator = QStringLiteral("  ·  ");
  line_->setText(
      stage + separator + speed + separator +
      tr("F6 — следующий шаг, F7 — медленнее, F8 — быстрее, Pause — пауза, F5 — выключить."));
  if (line_->isVisible() && line_->heightForWidth(line_->width()) > line_->height()) {
    emit lineOutgrown();
  }
}

}  // namespace kvir
