#include "app/modes/learningmodes.h"

#include <QAction>
#include <exception>

#include "app/modes/quizmode.h"
#include "app/modes/stepmode.h"
#include "app/panel/panelactions.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/language.h"
#include "io/error_texts.h"

namespace kvir {

QString FailureText(const std::exception& error) {
  return QString::fromStdString(ErrorMessage(error, CurrentLanguage()));
}

QString PressInMode(Session& session, SchemePanel& panel, Indicator& clicked) {
  if (session.shown() == 0 || &session.scheme() != &panel.scheme()) {
    panel.runPress(clicked);
    panel.showModel();
    return {};
  }
  try {
    session.Press(clicked);
  } catch (const std::exception& error) {
    return FailureText(error);
  }
  return {};
}

LearningModes::LearningModes(Session& session, PanelActions& actions,
                             std::span<SchemePanel* const> panels, QWidget* window)
    : QObject(window),
      session_(session),
      actions_(actions),
      panels_(panels),
      window_(window),
      step_(new StepMode(session, this)),
      quiz_(new QuizMode(
          session, [this](int n) { return panels_[static_cast<size_t>(n - 1)]; }, this)) {
  actions.bindSwitch(PanelAction::kStepByStep,
                     [this](bool on) { switchMode(SessionMode::kStep, on); });
  actions.bind(PanelAction::kNextStage, [this] { run([this] { step_->nextStage(); }); });
  actions.bind(PanelAction::kSlower, [this] { session_.Slower(); });
  actions.bind(PanelAction::kFaster, [this] { session_.Faster(); });
  actions.bindSwitch(PanelAction::kPauseSteps, [this](bool on) { session_.SetPaused(on); });
  actions.bindSwitch(PanelAction::kQuiz, [this](bool on) { switchMode(SessionMode::kQuiz, on); });
  actions.bind(PanelAction::kCheckAnswers, [this] { run([this] { session_.Check(); }); });
  actions.bind(PanelAction::kNextQuestion, [this] { run([this] { session_.Ask(); }); });
  actions.bindSwitch(PanelAction::kHarder, [this](bool on) {
    run([this, on] { session_.SetLevel(on ? QuizLevel::kInnerLamps : QuizLevel::kOutputs); });
  });
  connect(step_, &StepMode::failed, this, &LearningModes::modelFailed);
  connect(quiz_, &QuizMode::failed, this, &LearningModes::modelFailed);
  connect(step_, &StepMode::lineOutgrown, this, &LearningModes::stepLineToggled);
  session_.AddObserver(*this);
  updateActions();
}

LearningModes::~LearningModes() {
  session_.RemoveObserver(*this);
}

void LearningModes::run(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {
    emit modelFailed(FailureText(error));
  }
}

void LearningModes::start(SessionMode mode) {
  if (mode == SessionMode::kStep) actions_.action(PanelAction::kStepByStep)->setChecked(true);
  if (mode == SessionMode::kQuiz) actions_.action(PanelAction::kQuiz)->setChecked(true);
}

void LearningModes::beforeModelChange() {
  run([this] { session_.BeforeOutsideChange(); });
}

void LearningModes::afterModelChange() {
  run([this] { session_.AfterOutsideChange(); });
}

void LearningModes::retranslate(Language language) {
  session_.SetLanguage(language);
  quiz_->retranslate();
  step_->retranslate();
}

void LearningModes::restyle() {
  run([this] { session_.Restyle({}); });
}

void LearningModes::switchMode(SessionMode mode, bool on) {
  run([this, mode, on] {
    if (on) {
      session_.SetMode(mode);
    } else if (session_.mode() == mode) {
      session_.SetMode(SessionMode::kPlain);
    }
  });
}

void LearningModes::OnSessionChanged(SessionChanges what) {
  if ((what & kModeChanged) != 0) followMode();
  followOverlay(what);
  updateActions();
}

void LearningModes::followMode() {
  const SessionMode mode = session_.mode();
  for (const auto& [action, on] : {std::pair(PanelAction::kStepByStep, mode == SessionMode::kStep),
                                   std::pair(PanelAction::kQuiz, mode == SessionMode::kQuiz)}) {
    const QSignalBlocker quiet(actions_.action(action));
    actions_.action(action)->setChecked(on);
  }
  PanelMode* panelMode = mode == SessionMode::kStep   ? static_cast<PanelMode*>(step_)
                         : mode == SessionMode::kQuiz ? static_cast<PanelMode*>(quiz_)
                                                      : nullptr;
  for (SchemePanel* panel : panels_) {
    if (panel != nullptr) panel->setMode(panelMode);
  }
  const bool stepShown = mode == SessionMode::kStep;
  if (stepShown != stepShown_) {
    stepShown_ = stepShown;
    step_->showLine(window_, stepShown);
    emit stepLineToggled();
  }
}

void LearningModes::followOverlay(SessionChanges what) {
  SchemePanel* shown = session_.shown() != 0 ? panels_[session_.shown() - 1] : nullptr;
  if (overlaid_ != nullptr && overlaid_ != shown) {
    overlaid_->setOverlay(nullptr);
    overlaid_->setFocusableLamps({});
    overlaid_->showOverlay();
    overlaid_->showModel();
    overlaid_ = nullptr;
  }
  if (shown == nullptr) return;
  if ((what & kOverlayChanged) != 0) {
    shown->setOverlay(session_.overlay());
    shown->showOverlay();
    overlaid_ = session_.overlay() != nullptr ? shown : nullptr;
  }
  if ((what & kQuestionChanged) != 0) {
    const QuizQuestion* question = session_.question();
    shown->setFocusableLamps(question != nullptr ? question->hidden() : std::vector<uint16_t>());
  }
  if ((what & (kLevelsChanged | kOverlayChanged)) != 0) shown->showModel();
}

void LearningModes::adopt(SchemePanel& panel) {
  if (session_.mode() == SessionMode::kStep) panel.setMode(step_);
  if (session_.mode() == SessionMode::kQuiz) panel.setMode(quiz_);
}

// The keys of a mode act only while it is on; Enter checks only while a question is open, and
// otherwise still presses the focused input button.
void LearningModes::updateActions() {
  const bool step = session_.mode() == SessionMode::kStep;
  const bool quiz = session_.mode() == SessionMode::kQuiz;
  for (PanelAction action : {PanelAction::kNextStage, PanelAction::kSlower, PanelAction::kFaster,
                             PanelAction::kPauseSteps})
    actions_.action(action)->setEnabled(step);
  {
    const QSignalBlocker quiet(actions_.action(PanelAction::kPauseSteps));
    actions_.action(PanelAction::kPauseSteps)->setChecked(session_.paused());
  }
  actions_.action(PanelAction::kNextQuestion)->setEnabled(quiz);
  actions_.action(PanelAction::kCheckAnswers)->setEnabled(quiz && session_.QuestionOpen());
}

}  // namespace kvir
