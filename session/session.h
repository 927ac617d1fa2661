#pragma once
// What a student works in: the scheme shown, its presses and the rows they reached, the pictures'
// style, the language, and the one learning mode at a time ("Пошагово" or "Проверь себя") with
// its state. The window and the page are two views of one Session: they forward input to it and
// show what it holds when its observers hear of a change.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/scheme_set.h"
#include "core/language.h"
#include "learning/press_replay.h"
#include "learning/quiz.h"
#include "learning/reached_rows.h"
#include "learning/truth_table.h"
#include "learning/truth_table_view.h"
#include "render/panel_overlay.h"
#include "render/panel_pictures.h"
#include "session/session_mode.h"

namespace kvir {

/// What changed in a session, as a set of bits.
enum SessionChange : uint32_t {
  kSchemeChanged = 1u << 0,    ///< another scheme is shown, or none
  kLevelsChanged = 1u << 1,    ///< the shown scheme's levels changed (a press, a question posed)
  kOverlayChanged = 1u << 2,   ///< what shows over the model's pictures (overlay())
  kModeChanged = 1u << 3,      ///< the learning mode
  kQuestionChanged = 1u << 4,  ///< the quiz's question: asked, guessed, checked; or its score
  kStageChanged = 1u << 5,     ///< the step mode's replay: begun, advanced or ended
  kPaceChanged = 1u << 6,      ///< the wait between stages, or the pause
  kStyleChanged = 1u << 7,     ///< the pictures' style (clear view, zoom)
  kLanguageChanged = 1u << 8,
};
using SessionChanges = uint32_t;

/// Hears what changed in a session, after the change.
class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  virtual void OnSessionChanged(SessionChanges what) = 0;
};

/// What a session works over, owned by the front end: the schemes with their netlists built,
/// where they are shown, the pictures of each, and how a press is run.
struct SessionGround {
  SchemeSet& set;
  /// Where selections show and return the schemes (the window's scheme windows; a record).
  SchemeHost& host;
  /// The pictures of scheme n, hearing its presses; asked for only while n is shown.
  std::function<PanelPictures&(int n)> pictures;
  /// Runs one press of `button` on scheme n through its press procedure; false when the press
  /// failed and the front end has said so. Unset: the scheme table's procedure, failures thrown.
  std::function<bool(int n, Indicator& button)> press = {};
};

/// The waits between the step mode's stages from slowest to fastest, in milliseconds.
inline constexpr std::array kStageIntervals = {2000, 1000, 500, 250, 125, 60};

/// One student's session. The ground must outlive it. Every method may throw what the model and
/// the picture loaders throw (a damaged picture); the state then stays as far as it got.
/// Observers are told after each change; they must outlive their registration.
class Session {
 public:
  /// Over `ground`; the quiz draws its rows from std::mt19937 seeded with `seed`, or from
  /// std::random_device without one. Nothing is shown until a scheme is selected or the host
  /// given by host() shows one.
  explicit Session(SessionGround ground, std::optional<uint32_t> seed = std::nullopt);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  void AddObserver(SessionObserver& observer);
  void RemoveObserver(SessionObserver& observer);

  /// The host to start the schemes with (InitSchemes): the ground's, through which the session
  /// learns which scheme is shown. Lives as long as the session.
  SchemeHost& host();

  // The scheme shown ----------------------------------------------------------------------------

  /// Selects scheme n as the list does (SelectScheme): a replay ends, the rows reached start
  /// afresh, an open quiz asks a new question there. Another n leaves no scheme shown.
  void Select(int n);
  /// 0 while no scheme is shown.
  int shown() const { return shown_; }
  /// The shown scheme and its pictures; only while one is shown.
  Scheme& scheme() const;
  PanelPictures& pictures() const;
  /// The input states set on the shown scheme since it was selected.
  const ReachedStates& reached() const { return reached_; }
  /// The shown scheme's truth table, worked out at its first use (kept for the session).
  const TruthTable& table(int n);
  /// The fewest presses (button names) that bring the shown scheme from its state as selected to
  /// the inputs it has now: the same state, however many presses led there. Empty when none is
  /// shown or nothing needs pressing.
  std::vector<std::string> ShortestPresses();

  /// A press of the shown scheme's input `button`, as the mode shows it: at once (plain), stage
  /// by stage (step; a replay running first ends), or with a question about the state it sets
  /// (quiz). The state is recorded among the rows reached. False when the press failed.
  bool Press(Indicator& button);
  /// The same by the button's name (IN03) or the label its drawing prints (Y3), as the command
  /// line reads them; false when no button, or more than one, is called so.
  bool Press(std::string_view name);
  /// The front end pressed the shown scheme itself (the window's plain presses): its state is
  /// recorded among the rows reached. Recording a state again changes nothing.
  void RecordPress();
  /// Before the shown scheme's model changes outside the session (the timing run): a replay ends.
  void BeforeOutsideChange();
  /// After it: the state is recorded, an open quiz asks a new question.
  void AfterOutsideChange();

  // Style and language ---------------------------------------------------------------------------

  /// The pictures took another style (`restyle` gives them it): a replay ends (its pictures from
  /// before the press are of the old style), the quiz's cards follow.
  void Restyle(const std::function<void()>& restyle);
  /// The language of the texts the front ends show; kept for them.
  void SetLanguage(Language language);
  Language language() const { return language_; }

  // The mode -----------------------------------------------------------------------------------

  /// Switches to `mode`: leaving the step mode ends its replay and its pause; leaving the quiz
  /// ends its question and its score; entering the quiz asks a new question on the shown scheme.
  void SetMode(SessionMode mode);
  SessionMode mode() const { return mode_; }
  /// What shows over the model's pictures of the shown scheme: the replay's stage or the
  /// question's cards; null when nothing does. Lives until the next change of the overlay.
  const PanelOverlay* overlay() const;

  // "Пошагово" -----------------------------------------------------------------------------------

  /// The replay of the last press, while it runs; null otherwise.
  const PressReplay* replay() const { return replay_.get(); }
  /// Shows the next stage, or ends the replay after the last; false when no replay runs on.
  bool Advance();
  /// Ends the replay running, if any: the panel shows the model.
  void FinishReplay();
  /// The wait between stages now, in milliseconds: 250 at first (kStageIntervals).
  int interval() const { return kStageIntervals[speed_]; }
  /// Waits longer (up to 2 s) or less (down to 60 ms) between stages.
  void Slower();
  void Faster();
  /// Holds the stages: only Advance shows one; the front end's timer waits.
  void SetPaused(bool paused);
  bool paused() const { return paused_; }

  // "Проверь себя" -------------------------------------------------------------------------------

  /// The open or checked question; null outside the quiz or before its first question.
  const QuizQuestion* question() const { return question_ ? &*question_ : nullptr; }
  /// Whether a question is asked and not yet checked.
  bool QuestionOpen() const { return question_ && !question_->checked(); }
  /// What every view of the truth table shows of its outputs: none while a question is open.
  TableOutputs tableOutputs() const {
    return QuestionOpen() ? TableOutputs::kConcealed : TableOutputs::kShown;
  }
  /// Lamps checked and guessed right since the quiz began.
  const QuizScore& score() const { return score_; }
  /// The questions to come draw their rows from std::mt19937 seeded with `seed`.
  void Seed(uint32_t seed) { random_.seed(seed); }
  /// The level of the questions to come; in the quiz, a new question at that level.
  void SetLevel(QuizLevel level);
  QuizLevel level() const { return level_; }
  /// A new question: a row of the shown scheme's truth table other than the present one where
  /// there is another, reached with one press; its lamps hidden as the level asks.
  void Ask();
  /// Changes the guess on hidden lamp `index` (QuizQuestion::CycleGuess).
  bool Guess(int index);
  /// Checks the guesses, adding them to the score once.
  void Check();

 private:
  class HostRelay;

  void Notify(SessionChanges what);
  /// Scheme n is in sight now (0: none).
  void Shown(int n);
  bool RunPress(Indicator& button);
  void EndReplay(SessionChanges& changes);
  void EndQuestion(SessionChanges& changes);
  /// The cards in the zoom of the shown scheme's pictures.
  void LoadCards();
  /// A question on the present state of the shown scheme.
  void AskAboutPresentState();
  const QuizLamps& LampsOf(int n);
  void ShowQuestion();
  void ShowStage();

  SessionGround ground_;
  std::unique_ptr<HostRelay> relay_;
  std::vector<SessionObserver*> observers_;
  int shown_ = 0;
  ReachedStates reached_;
  Language language_ = Language::kRussian;
  SessionMode mode_ = SessionMode::kPlain;
  PanelOverlay overlay_;  ///< the replay's stage or the question's cards, while either is

  std::unique_ptr<PressReplay> replay_;
  std::vector<Picture> before_;  ///< what each indicator showed before the replayed press
  size_t speed_ = 3;             ///< in kStageIntervals: 250 ms
  bool paused_ = false;

  std::mt19937 random_;
  std::map<int, TruthTable> tables_;  ///< worked out once per scheme, at its first use
  std::map<int, QuizLamps> lamps_;    ///< the same
  QuizLevel level_ = QuizLevel::kOutputs;
  std::optional<QuizQuestion> question_;
  QuizScore score_;
  std::array<Picture, kLampCardCount> cards_;
  int cardsZoom_ = 0;  ///< the zoom the cards are drawn at; 0 before the first
};

}  // namespace kvir
