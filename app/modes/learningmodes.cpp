#include "app/modes/learningmodes.h"

#include <QAction>

#include "app/modes/quizmode.h"
#include "app/modes/stepmode.h"
#include "app/panel/panelactions.h"
#include "app/panel/schemepanel.h"

namespace kvir {

LearningModes::LearningModes(PanelActions& actions, std::span<SchemePanel* const> panels,
                             QWidget* window)
    : QObject(window),
      actions_(actions),
      panels_(panels),
      window_(window),
      step_(new StepMode(this)),
      quiz_(new QuizMode(this)) {
  actions.bindSwitch(PanelAction::kStepByStep, [this](bool on) { switchStep(on); });
  actions.bind(PanelAction::kNextStage, [this] { step_->nextStage(); });
  actions.bind(PanelAction::kSlower, [this] { step_->slower(); });
  actions.bind(PanelAction::kFaster, [this] { step_->faster(); });
  actions.bindSwitch(PanelAction::kPauseSteps, [this](bool on) { step_->setPaused(on); });
  actions.bindSwitch(PanelAction::kQuiz, [this](bool on) { switchQuiz(on); });
  actions.bind(PanelAction::kCheckAnswers, [this] { quiz_->check(); });
  actions.bind(PanelAction::kNextQuestion, [this] { afterModelChange(); });
  actions.bindSwitch(PanelAction::kHarder, [this](bool on) {
    quiz_->setLevel(on ? QuizLevel::kInnerLamps : QuizLevel::kOutputs);
    afterModelChange();
  });
  connect(quiz_, &QuizMode::changed, this, &LearningModes::updateActions);
  connect(quiz_, &QuizMode::failed, this, &LearningModes::modelFailed);
  updateActions();
}

void LearningModes::start(LearningMode mode) {
  if (mode == LearningMode::kStep) actions_.action(PanelAction::kStepByStep)->setChecked(true);
  if (mode == LearningMode::kQuiz) actions_.action(PanelAction::kQuiz)->setChecked(true);
}

void LearningModes::beforeModelChange() {
  step_->finish();
}

void LearningModes::afterModelChange() {
  SchemePanel* shown = shownPanel();
  if (actions_.action(PanelAction::kQuiz)->isChecked() && shown != nullptr) quiz_->ask(*shown);
}

void LearningModes::retranslate() {
  quiz_->retranslate();
  step_->retranslate();
}

void LearningModes::restyle() {
  quiz_->restyle();
}

void LearningModes::switchStep(bool on) {
  if (on) {
    actions_.action(PanelAction::kQuiz)->setChecked(false);
    useOnEveryPanel(step_);
  } else {
    step_->finish();
    actions_.action(PanelAction::kPauseSteps)->setChecked(false);
    useOnEveryPanel(nullptr);
  }
  step_->showLine(window_, on);
  emit stepLineToggled();
  updateActions();
}

void LearningModes::switchQuiz(bool on) {
  if (on) {
    actions_.action(PanelAction::kStepByStep)->setChecked(false);
    useOnEveryPanel(quiz_);
    afterModelChange();
  } else {
    quiz_->end();
    useOnEveryPanel(nullptr);
  }
  updateActions();
}

void LearningModes::useOnEveryPanel(PanelMode* mode) {
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr) panel->setMode(mode);
  }
}

void LearningModes::adopt(SchemePanel& panel) {
  if (actions_.action(PanelAction::kStepByStep)->isChecked()) panel.setMode(step_);
  if (actions_.action(PanelAction::kQuiz)->isChecked()) panel.setMode(quiz_);
}

// The keys of a mode act only while it is on; Enter checks only while a question is open, and
// otherwise still presses the focused input button.
void LearningModes::updateActions() {
  const bool step = actions_.action(PanelAction::kStepByStep)->isChecked();
  const bool quiz = actions_.action(PanelAction::kQuiz)->isChecked();
  for (PanelAction action : {PanelAction::kNextStage, PanelAction::kSlower, PanelAction::kFaster,
                             PanelAction::kPauseSteps})
    actions_.action(action)->setEnabled(step);
  actions_.action(PanelAction::kNextQuestion)->setEnabled(quiz);
  actions_.action(PanelAction::kCheckAnswers)->setEnabled(quiz && quiz_->questionOpen());
}

SchemePanel* LearningModes::shownPanel() const {
  // A panel not shown waits in its own hidden scheme window; the shown one lies in the window or
  // in its scrolling scheme area.
  for (SchemePanel* panel : panels_) {
    if (panel == nullptr) continue;
    const QWidget* host = panel->parentWidget();
    if (host == window_ || !host->isHidden()) return panel;
  }
  return nullptr;
}

}  // namespace kvir
