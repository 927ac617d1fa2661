#pragma once
// "Проверь себя" in the window: the label that tells what to do and the score, the clicks and
// keys on hidden lamps, and what a screen reader says of them.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "app/panel/panelmode.h"
#include "session/session.h"

class QLabel;

namespace kvir {

/// The window's side of the quiz, whose questions, guesses, check and score the session holds.
/// A left click on a hidden lamp, or Space while it has the keyboard focus (Tab leads there after
/// the input buttons), changes its guess; a press of an input button goes to the session, which
/// then asks about the inputs it set. The label lblQuiz, in the bottom left corner of the
/// question's panel, tells what to do and the score; where the window scrolls its scheme area,
/// and that corner may be out of view, it is a line under the scheme area instead
/// (setLineHost). The session must outlive it; `panelOf` gives scheme n's panel while it is
/// shown.
class QuizMode : public QObject, public PanelMode, private SessionObserver {
  Q_OBJECT

 public:
  QuizMode(Session& session, std::function<SchemePanel*(int n)> panelOf, QObject* parent);
  ~QuizMode() override;

  void press(SchemePanel& panel, Indicator& clicked) override;
  void clickLamp(SchemePanel& panel, const Indicator& lamp) override;
  /// A hidden lamp's guess ("ответ 1"), after the check its level and whether the guess was right.
  QString spokenLevel(const SchemePanel& panel, const Indicator& lamp) const override;

  /// Whether a question is open: asked and not yet checked.
  bool questionOpen() const { return session_.QuestionOpen(); }
  /// Whether a question is open and the student has not guessed any of its lamps yet.
  bool questionUntouched() const { return questionOpen() && !session_.question()->AnyGuess(); }
  const QuizQuestion* question() const { return session_.question(); }
  QuizScore score() const { return session_.score(); }
  /// The label's text in the program's current language.
  void retranslate();
  /// Puts the label in `window`, as a line under its scheme area that the window places
  /// (line()), or with null back in the corner of the question's panel.
  void setLineHost(QWidget* window);
  /// The label while it is a line under the scheme area and a question is there, else null.
  QLabel* line() const;

 signals:
  /// A question was asked or checked, or the quiz ended.
  void changed();
  /// The model failed during a press; `message` says why.
  void failed(const QString& message);

 private:
  void OnSessionChanged(SessionChanges what) override;
  /// Whether `panel` shows the session's question.
  bool asks(const SchemePanel& panel) const;
  /// The label on the shown panel while a question is there, else hidden.
  void placeLabel();

  Session& session_;
  std::function<SchemePanel*(int n)> panelOf_;
  QPointer<QLabel> label_;      ///< on the question's panel, or in the line host, which owns it
  QPointer<QWidget> lineHost_;  ///< the window the label is a line of, or null
};

}  // namespace kvir
