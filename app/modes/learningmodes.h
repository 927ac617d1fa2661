#pragma once
// The two learning modes of the window, "Пошагово" and "Проверь себя": their switches and keys,
// which panels they work on, and that only one is on at a time.

#include <QObject>
#include <QWidget>
#include <span>

#include "app/prefs/options.h"

namespace kvir {

class PanelActions;
class PanelMode;
class QuizMode;
class SchemePanel;
class StepMode;

/// Binds the modes' actions. Switching one mode on switches the other off; switching a mode off
/// gives the panels back their plain presses and pictures. The panels and actions belong to
/// `window`, whose child this is; a panel not yet made is null among them until made, and adopted
/// then.
class LearningModes : public QObject {
  Q_OBJECT

 public:
  LearningModes(PanelActions& actions, std::span<SchemePanel* const> panels, QWidget* window);

  /// Switches `mode` on, as its action would; kPlain changes nothing.
  void start(LearningMode mode);
  /// Before the shown scheme changes or the model is pressed outside the panels: a replay
  /// finishes.
  void beforeModelChange();
  /// The model of the shown scheme has changed outside the panels (a selection, the timing run):
  /// an open quiz asks anew.
  void afterModelChange();
  /// The language changed.
  void retranslate();
  /// The panels' zoom or pictures changed.
  void restyle();
  /// A panel made after the modes: it works in the mode that is on.
  void adopt(SchemePanel& panel);

  StepMode& step() const { return *step_; }
  QuizMode& quiz() const { return *quiz_; }

 signals:
  /// The model failed in a mode; `message` says why.
  void modelFailed(const QString& message);
  /// The step line came or went: the window makes room for it under the panel, or takes it back.
  void stepLineToggled();

 private:
  void switchStep(bool on);
  void switchQuiz(bool on);
  void useOnEveryPanel(PanelMode* mode);
  void updateActions();
  /// The panel shown in the window, or null.
  SchemePanel* shownPanel() const;

  PanelActions& actions_;
  std::span<SchemePanel* const> panels_;
  QWidget* window_;
  StepMode* step_;
  QuizMode* quiz_;
};

}  // namespace kvir
