#include "session/session.h"

#include <algorithm>

#include "render/loaders.h"

namespace kvir {

/// Passes the selections on to the ground's host and tells the session which scheme is in sight.
class Session::HostRelay : public SchemeHost {
 public:
  HostRelay(Session& session, SchemeHost& host) : session_(session), host_(host) {}

  void ReturnScheme(int n) override {
    host_.ReturnScheme(n);
    if (session_.shown_ == n) session_.Shown(0);
  }
  void ShowScheme(int n) override {
    host_.ShowScheme(n);
    session_.Shown(n);
  }
  void PrepareScheme(int n) override { host_.PrepareScheme(n); }

 private:
  Session& session_;
  SchemeHost& host_;
};

Session::Session(SessionGround ground, std::optional<uint32_t> seed)
    : ground_(std::move(ground)),
      relay_(std::make_unique<HostRelay>(*this, ground_.host)),
      random_(seed ? *seed : std::random_device()()) {}

Session::~Session() = default;

void Session::AddObserver(SessionObserver& observer) {
  observers_.push_back(&observer);
}

void Session::RemoveObserver(SessionObserver& observer) {
  std::erase(observers_, &observer);
}

void Session::Notify(SessionChanges what) {
  if (what == 0) return;
  // An observer may remove itself while it is told.
  const std::vector<SessionObserver*> told = observers_;
  for (SessionObserver* observer : told) {
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
      observer->OnSessionChanged(what);
    }
  }
}

SchemeHost& Session::host() {
  return *relay_;
}

Scheme& Session::scheme() const {
  return ground_.set.scheme(shown_);
}

PanelPictures& Session::pictures() const {
  return ground_.pictures(shown_);
}

const TruthTable& Session::table(int n) {
  auto found = tables_.find(n);
  if (found == tables_.end()) found = tables_.emplace(n, ComputeTruthTable(n)).first;
  return found->second;
}

std::vector<std::string> Session::ShortestPresses() {
  if (shown_ == 0) return {};
  const TruthTable& truth = table(shown_);
  SchemeSet scratch;
  Scheme& model = scratch.scheme(shown_);
  const SchemeEntry& row = kSchemeTable.at(static_cast<size_t>(shown_ - 1));
  row.build(model);
  return PressesTo(model, row.press, truth.inputs, CellsOf(scheme(), truth.inputs));
}

const QuizLamps& Session::LampsOf(int n) {
  auto found = lamps_.find(n);
  if (found == lamps_.end()) found = lamps_.emplace(n, QuizLamps(n, table(n))).first;
  return found->second;
}

// The scheme shown ------------------------------------------------------------------------------

void Session::Select(int n) {
  SessionChanges changes = 0;
  EndReplay(changes);
  Notify(changes);
  SelectScheme(ground_.set, *relay_, static_cast<uint8_t>(n < 0 || n > 255 ? 0 : n));
}

// A question belongs to the scheme it was asked on: another scheme in sight gets one of its own.
void Session::Shown(int n) {
  SessionChanges changes = kSchemeChanged | kLevelsChanged;
  EndReplay(changes);
  EndQuestion(changes);
  shown_ = n;
  if (n != 0) {
    reached_.Restart(scheme());
  } else {
    reached_ = ReachedStates();
  }
  Notify(changes);
  if (n != 0 && mode_ == SessionMode::kQuiz) Ask();
}

bool Session::RunPress(Indicator& button) {
  if (ground_.press) return ground_.press(shown_, button);
  kSchemeTable.at(static_cast<size_t>(shown_ - 1)).press(scheme(), button);
  return true;
}

bool Session::Press(std::string_view name) {
  if (shown_ == 0) return false;
  const std::vector<uint16_t> called = scheme().ButtonsCalled(name);
  if (called.size() != 1) return false;
  return Press(scheme().indicators()[called.front()]);
}

bool Session::Press(Indicator& button) {
  if (shown_ == 0) return false;
  SessionChanges changes = kLevelsChanged;
  bool pressed = false;
  if (mode_ == SessionMode::kStep) {
    EndReplay(changes);
    const PanelPictures& shown = pictures();
    before_.clear();
    for (size_t i = 0; i < scheme().indicators().size(); ++i) before_.push_back(shown.shown(i));
    replay_ = std::make_unique<PressReplay>(scheme(), [&] { pressed = RunPress(button); });
    if (pressed && !replay_->finished()) {
      ShowStage();
      changes |= kStageChanged | kOverlayChanged;
    } else {
      replay_.reset();
      before_.clear();
    }
  } else {
    pressed = RunPress(button);
  }
  if (pressed) reached_.Record(scheme());
  Notify(changes);
  if (pressed && mode_ == SessionMode::kQuiz) AskAboutPresentState();
  return pressed;
}

void Session::RecordPress() {
  if (shown_ != 0) reached_.Record(scheme());
}

void Session::BeforeOutsideChange() {
  FinishReplay();
}

void Session::AfterOutsideChange() {
  RecordPress();
  Notify(kLevelsChanged);
  if (shown_ != 0 && mode_ == SessionMode::kQuiz) Ask();
}

// Style and language ----------------------------------------------------------------------------

void Session::Restyle(const std::function<void()>& restyle) {
  SessionChanges changes = kStyleChanged;
  EndReplay(changes);
  if (restyle) restyle();
  if (question_) {
    LoadCards();
    ShowQuestion();
    changes |= kOverlayChanged;
  }
  Notify(changes);
}

void Session::SetLanguage(Language language) {
  if (language == language_) return;
  language_ = language;
  Notify(kLanguageChanged);
}

// The mode -------------------------------------------------------------------------------------

void Session::SetMode(SessionMode mode) {
  if (mode == mode_) return;
  SessionChanges changes = kModeChanged;
  if (mode_ == SessionMode::kStep) {
    EndReplay(changes);
    if (paused_) changes |= kPaceChanged;
    paused_ = false;
  }
  if (mode_ == SessionMode::kQuiz) {
    EndQuestion(changes);
    score_ = {};
  }
  mode_ = mode;
  Notify(changes);
  if (mode_ == SessionMode::kQuiz && shown_ != 0) Ask();
}

const PanelOverlay* Session::overlay() const {
  return replay_ || question_ ? &overlay_ : nullptr;
}

// "Пошагово" -----------------------------------------------------------------------------------

bool Session::Advance() {
  if (!replay_) return false;
  SessionChanges changes = kStageChanged | kOverlayChanged;
  replay_->Advance();
  if (replay_->finished()) {
    EndReplay(changes);
  } else {
    ShowStage();
  }
  Notify(changes);
  return replay_ != nullptr;
}

void Session::FinishReplay() {
  SessionChanges changes = 0;
  EndReplay(changes);
  Notify(changes);
}

void Session::EndReplay(SessionChanges& changes) {
  if (!replay_) return;
  replay_.reset();
  before_.clear();
  overlay_ = {};
  changes |= kStageChanged | kOverlayChanged;
}

// The overlay of the replay's present stage: the pictures from before the press where an
// indicator's stage has not come, the markers on the stage shown last.
void Session::ShowStage() {
  overlay_ = {};
  overlay_.pictures.assign(before_.size(), nullptr);
  for (uint16_t i : replay_->Waiting()) overlay_.pictures[i] = &before_[i];
  overlay_.marked = replay_->Marked();
  overlay_.faint = replay_->Redrawn();
}

void Session::Slower() {
  if (speed_ > 0) --speed_;
  Notify(kPaceChanged);
}

void Session::Faster() {
  if (speed_ + 1 < kStageIntervals.size()) ++speed_;
  Notify(kPaceChanged);
}

void Session::SetPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  Notify(kPaceChanged);
}

// "Проверь себя" -------------------------------------------------------------------------------

void Session::SetLevel(QuizLevel level) {
  level_ = level;
  if (mode_ == SessionMode::kQuiz && shown_ != 0) Ask();
}

// Only the cards of one zoom are held: those of the shown scheme's pictures.
void Session::LoadCards() {
  const int zoom = pictures().style().zoom;
  if (cardsZoom_ == zoom) return;
  cardsZoom_ = 0;
  const int side = IndicatorSide(zoom);
  for (size_t c = 0; c < kLampCardCount; ++c) {
    LoadResourcePicture(CardPictureName(static_cast<LampCard>(c)), {side, side, 3}, cards_[c],
                        {.zoom = zoom});
  }
  cardsZoom_ = zoom;
}

void Session::Ask() {
  if (mode_ != SessionMode::kQuiz || shown_ == 0) return;
  LoadCards();
  Scheme& s = scheme();
  const TruthTable& truth = table(shown_);
  PoseRow(s, kSchemeTable.at(static_cast<size_t>(shown_ - 1)).press, truth,
          DrawRow(truth, RowOf(truth, s), random_));
  Notify(kLevelsChanged);
  AskAboutPresentState();
}

void Session::AskAboutPresentState() {
  LoadCards();
  question_.emplace(scheme(), LampsOf(shown_), level_);
  ShowQuestion();
  Notify(kQuestionChanged | kOverlayChanged);
}

void Session::EndQuestion(SessionChanges& changes) {
  if (!question_) return;
  question_.reset();
  overlay_ = {};
  changes |= kQuestionChanged | kOverlayChanged;
}

bool Session::Guess(int index) {
  if (!question_ || index < 0 || static_cast<size_t>(index) >= scheme().indicators().size() ||
      !question_->CycleGuess(static_cast<uint16_t>(index))) {
    return false;
  }
  ShowQuestion();
  Notify(kQuestionChanged | kOverlayChanged);
  return true;
}

void Session::Check() {
  if (!QuestionOpen()) return;
  score_ += question_->Check(scheme());
  ShowQuestion();
  Notify(kQuestionChanged | kOverlayChanged);
}

// The cards over the covered lamps as the question stands.
void Session::ShowQuestion() {
  overlay_ = {};
  overlay_.pictures.assign(scheme().indicators().size(), nullptr);
  for (const auto& [lamp, card] : question_->Cards()) {
    overlay_.pictures[lamp] = &cards_[static_cast<size_t>(card)];
  }
  overlay_.concealed = question_->Concealed();
}

}  // namespace kvir
