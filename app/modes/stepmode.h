#pragma once
// "Пошагово" in the window: the timer that brings the session's stages, and the step line.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "app/panel/panelmode.h"
#include "session/session.h"

namespace kvir {

/// The window's side of the step mode: a press goes to the session, which makes it at once and
/// replays it; a timer asks for the next stage at the session's pace unless it is paused. While
/// the mode is on, the line lblStep under the panel says which stage shows, the wait between
/// stages and the keys, wrapped onto more rows where the window is too narrow for them. The
/// session must outlive it.
class StepMode : public QObject, public PanelMode, private SessionObserver {
  Q_OBJECT

 public:
  StepMode(Session& session, QObject* parent);
  ~StepMode() override;

  void press(SchemePanel& panel, Indicator& clicked) override;
  void clickLamp(SchemePanel&, const Indicator&) override {}

  /// Ends the replay running, if any: its panel shows the model.
  void finish() { session_.FinishReplay(); }
  /// Shows the step line in `window`, which owns it (made on first use), or hides it.
  void showLine(QWidget* window, bool shown);
  /// The step line while it shows, else null.
  QLabel* line() const;
  /// The line's text in the program's current language.
  void retranslate();
  /// Shows the next stage at once and starts the wait for the one after afresh.
  void nextStage();

  bool paused() const { return session_.paused(); }
  /// The wait between stages now, in milliseconds.
  int interval() const { return session_.interval(); }
  /// Whether a replay is running.
  bool replaying() const { return session_.replay() != nullptr; }
  /// Whether the timer waits to bring the next stage.
  bool waiting() const { return timer_.isActive(); }

 signals:
  /// The model failed during a press or a stage; `message` says why.
  void failed(const QString& message);
  /// The line's text needs more rows than it has: the window makes room for it.
  void lineOutgrown();

 private:
  void OnSessionChanged(SessionChanges what) override;
  void advance();
  void updateLine();

  Session& session_;
  QTimer timer_;
  QPointer<QLabel> line_;
};

}  // namespace kvir
