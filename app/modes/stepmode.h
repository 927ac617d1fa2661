#pragma once
// "Пошагово": each press shown stage by stage, in the order the press engine runs it.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

#include "app/panel/panelmode.h"
#include "learning/press_replay.h"
#include "render/panel_overlay.h"

namespace kvir {

/// Makes each press at once in the model and replays it on the panel: first the panel as it was,
/// then stage after stage on a timer, each stage's indicators taking their new pictures together,
/// those whose level changed inside a marker and those redrawn unchanged inside a faint one, and at
/// the end the panel as the model holds it. One replay at a time: a new press, a change of scheme
/// (finish) or the mode's end first finishes the one running; a pause holds the stages until the
/// next one is asked for or the pause ends. While the mode is on, the line
/// lblStep under the panel says which stage shows, the wait between stages and the keys.
class StepMode : public QObject, public PanelMode {
  Q_OBJECT

 public:
  explicit StepMode(QObject* parent);

  void press(SchemePanel& panel, Indicator& clicked) override;
  void clickLamp(SchemePanel&, const Indicator&) override {}

  /// Ends the replay running, if any: its panel shows the model.
  void finish();
  /// Shows the step line in `window`, which owns it (made on first use), or hides it.
  void showLine(QWidget* window, bool shown);
  /// The step line while it shows, else null.
  QLabel* line() const;
  /// The line's text in the program's current language.
  void retranslate();
  /// Shows the next stage at once and starts the wait for the one after afresh.
  void nextStage();
  /// Waits longer between stages (up to 2 s).
  void slower();
  /// Waits less between stages (down to 60 ms).
  void faster();
  /// Holds the stages (only nextStage shows one) or lets them come on the timer again.
  void setPaused(bool paused);
  bool paused() const { return paused_; }

  /// The wait between stages now, in milliseconds: 250 at first.
  int interval() const;
  /// Whether a replay is running.
  bool replaying() const { return replay_ != nullptr; }

 private:
  void advance();
  /// The overlay of the replay's present stage: the pictures from before the press where an
  /// indicator's stage has not come, the marker on the stage shown last.
  void showStage();
  void updateLine();

  QTimer timer_;
  size_t speed_;
  bool paused_ = false;
  SchemePanel* panel_ = nullptr;
  std::unique_ptr<PressReplay> replay_;
  std::vector<Picture> before_;  ///< what each indicator showed before the replayed press
  PanelOverlay overlay_;
  QPointer<QLabel> line_;
};

}  // namespace kvir
