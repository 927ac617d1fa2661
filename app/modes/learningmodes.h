#pragma once
// The two learning modes of the window, "Пошагово" and "Проверь себя", as views of the session:
// their switches and keys, and the panels that show what the session holds.

#include <QObject>
#include <QWidget>
#include <exception>
#include <functional>
#include <span>

#include "app/prefs/options.h"
#include "core/language.h"
#include "session/session.h"

namespace kvir {

class PanelActions;
struct Indicator;
class QuizMode;
class SchemePanel;
class StepMode;

/// What the window says of a failure of the model, in the windows' language.
QString FailureText(const std::exception& error);

/// A press of `clicked` on `panel` while a mode is on: through `session` where the panel shows the
/// session's scheme, else as the panel presses without a mode. The failure's message, or empty.
QString PressInMode(Session& session, SchemePanel& panel, Indicator& clicked);

/// Binds the modes' actions to `session`, and shows the session's changes on the panels: the
/// shown scheme's panel paints the session's overlay and takes presses through the mode that is
/// on; a panel not in a mode presses and shows the model itself. The session, the panels and the
/// actions belong to `window`, whose child this is, and outlive it; a panel not yet made is null
/// among them until made, and adopted then.
class LearningModes : public QObject, private SessionObserver {
  Q_OBJECT

 public:
  LearningModes(Session& session, PanelActions& actions, std::span<SchemePanel* const> panels,
                QWidget* window);
  ~LearningModes() override;

  /// Switches `mode` on, as its action would; kPlain changes nothing.
  void start(SessionMode mode);
  /// Before the shown scheme's model is pressed outside the panels (the timing run): a replay
  /// finishes.
  void beforeModelChange();
  /// After it: an open quiz asks anew.
  void afterModelChange();
  /// The language changed to `language`.
  void retranslate(Language language);
  /// The panels' zoom or pictures changed.
  void restyle();
  /// A panel made after the modes: it works in the mode that is on.
  void adopt(SchemePanel& panel);

  StepMode& step() const { return *step_; }
  QuizMode& quiz() const { return *quiz_; }

 signals:
  /// The model failed in a mode; `message` says why.
  void modelFailed(const QString& message);
  /// The step line came or went, or needs more rows: the window makes room for it under the
  /// panel, or takes it back.
  void stepLineToggled();

 private:
  void OnSessionChanged(SessionChanges what) override;
  /// Runs `work` on the session; a failure of the model becomes modelFailed.
  void run(const std::function<void()>& work);
  void switchMode(SessionMode mode, bool on);
  /// The actions' ticks and the panels' mode as the session's mode is.
  void followMode();
  /// The shown scheme's panel paints the session's overlay; one that no longer shows it, the model.
  void followOverlay(SessionChanges what);
  void updateActions();

  Session& session_;
  PanelActions& actions_;
  std::span<SchemePanel* const> panels_;
  QWidget* window_;
  StepMode* step_;
  QuizMode* quiz_;
  SchemePanel* overlaid_ = nullptr;  ///< the panel painting the session's overlay
  bool stepShown_ = false;           ///< whether the step line shows
};

}  // namespace kvir
