#pragma once
// "Проверь себя": a question on the shown scheme, its lamps hidden until the student has guessed.

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <random>

#include "app/panel/panelmode.h"
#include "learning/quiz.h"
#include "render/panel_overlay.h"

class QLabel;

namespace kvir {

/// Asks questions on a panel's scheme: sets a random row of its truth table (another than the one
/// shown) through its press procedure, hides the lamps the level asks behind question marks and
/// masks those that would give the answer away (QuizLamps). A left click on a hidden lamp, or
/// Space while it has the keyboard focus (Tab leads there after the input buttons), sets or
/// changes its guess; check() shows each guess right or wrong with the true level, a wrong one
/// crossed out beside it, and adds to the score of the session, which runs from the mode's start
/// to its end and counts lamps. A press of an input button makes the question about the inputs it
/// sets. The label lblQuiz, in the panel's bottom left corner, tells what to do and the score.
class QuizMode : public QObject, public PanelMode {
  Q_OBJECT

 public:
  explicit QuizMode(QObject* parent);

  /// A new question on `panel`'s scheme, which it must outlive; the previous panel, if another,
  /// shows the model again.
  void ask(SchemePanel& panel);
  /// Ends the quiz: its panel shows the model, the label goes, the score starts afresh.
  void end();
  /// Checks the open question, if any.
  void check();

  void press(SchemePanel& panel, Indicator& clicked) override;
  void clickLamp(SchemePanel& panel, const Indicator& lamp) override;
  /// A hidden lamp's guess ("ответ 1"), after the check its level and whether the guess was right.
  QString spokenLevel(const SchemePanel& panel, const Indicator& lamp) const override;

  /// The level of the questions to come.
  void setLevel(QuizLevel level) { level_ = level; }
  /// Whether a question is open: asked and not yet checked.
  bool questionOpen() const { return question_ && !question_->checked(); }
  /// Whether a question is open and the student has not guessed any of its lamps yet.
  bool questionUntouched() const { return questionOpen() && !question_->AnyGuess(); }
  const std::optional<QuizQuestion>& question() const { return question_; }
  QuizScore score() const { return score_; }
  /// The label's text in the program's current language.
  void retranslate();
  /// The panels' zoom or pictures changed: an open question's cards and label follow.
  void restyle();

 signals:
  /// A question was asked or checked.
  void changed();
  /// The model failed while a question was set (a damaged picture); `message` says why.
  void failed(const QString& message);

 private:
  bool loadCards(int zoom);
  const TruthTable& tableOf(int n);
  const QuizLamps& lampsOf(int n);
  void hideOn(SchemePanel& panel);
  void show();

  std::mt19937 random_;
  std::map<int, TruthTable> tables_;  ///< worked out once per scheme, at its first question
  std::map<int, QuizLamps> lamps_;    ///< the same
  std::array<Picture, kLampCardCount> cards_;
  int cardsZoom_ = 0;  ///< the zoom the cards are drawn at
  QuizLevel level_ = QuizLevel::kOutputs;
  std::optional<QuizQuestion> question_;
  QuizScore score_;
  PanelOverlay overlay_;
  SchemePanel* panel_ = nullptr;
  QPointer<QLabel> label_;  ///< on the quiz's panel, which owns it
};

}  // namespace kvir
