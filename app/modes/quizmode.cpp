#include "app/modes/quizmode.h"

#include <QLabel>
#include <exception>

#include "app/modes/learningmodes.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/zoom.h"

namespace kvir {
namespace {

// The label's place: a corner that no scheme's drawing reaches.
constexpr QRect kLabelPlace(8, 574, 208, 86);

}  // namespace

QuizMode::QuizMode(Session& session, std::function<SchemePanel*(int n)> panelOf, QObject* parent)
    : QObject(parent), session_(session), panelOf_(std::move(panelOf)) {
  session_.AddObserver(*this);
}

QuizMode::~QuizMode() {
  session_.RemoveObserver(*this);
}

bool QuizMode::asks(const SchemePanel& panel) const {
  return session_.question() != nullptr && &session_.scheme() == &panel.scheme();
}

void QuizMode::press(SchemePanel& panel, Indicator& clicked) {
  const QString failure = PressInMode(session_, panel, clicked);
  if (!failure.isEmpty()) emit failed(failure);
}

void QuizMode::clickLamp(SchemePanel& panel, const Indicator& lamp) {
  if (asks(panel)) session_.Guess(IndexIn(panel.scheme(), lamp));
}

void QuizMode::OnSessionChanged(SessionChanges what) {
  if ((what & (kQuestionChanged | kSchemeChanged | kModeChanged)) != 0) placeLabel();
  // A new zoom moves the label, and shows it no more than it was.
  if ((what & kStyleChanged) != 0 && label_ != nullptr && lineHost_ == nullptr &&
      session_.shown() != 0) {
    label_->setGeometry(Zoomed(kLabelPlace, panelOf_(session_.shown())->zoom()));
  }
  if ((what & (kQuestionChanged | kModeChanged | kLanguageChanged)) != 0) retranslate();
  if ((what & (kQuestionChanged | kModeChanged)) != 0) emit changed();
}

void QuizMode::placeLabel() {
  if (session_.question() == nullptr) {
    if (label_ != nullptr) label_->hide();
    return;
  }
  SchemePanel* panel = panelOf_(session_.shown());
  if (panel == nullptr) return;
  if (label_ == nullptr) {
    label_ = new QLabel(panel);
    label_->setObjectName(QStringLiteral("lblQuiz"));
    label_->setWordWrap(true);
  }
  if (lineHost_ != nullptr) {
    label_->setParent(lineHost_);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->setIndent(8);
  } else {
    label_->setParent(panel);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label_->setIndent(-1);
    label_->setGeometry(Zoomed(kLabelPlace, panel->zoom()));
  }
  label_->show();
  label_->raise();
}

void QuizMode::setLineHost(QWidget* window) {
  if (window == lineHost_) return;
  lineHost_ = window;
  placeLabel();
}

QLabel* QuizMode::line() const {
  return lineHost_ != nullptr && label_ != nullptr && !label_->isHidden() ? label_.data() : nullptr;
}

void QuizMode::retranslate() {
  if (label_ == nullptr) return;
  QString text = questionOpen()
                     ? tr("Щёлкайте по «?» (или Tab и пробел): каждый щелчок меняет ответ, 0 "
                          "или 1. Enter — проверить.")
                     : tr("Зелёная рамка — верно, полосатая — неверно: рядом с верным уровнем "
                          "зачёркнут ваш ответ. Ctrl+N — следующий вопрос.");
  const QuizScore score = session_.score();
  if (score.checked > 0) {
    text += QLatin1Char('\n') + tr("Счёт: верно %1 из %2").arg(score.right).arg(score.checked);
  }
  label_->setText(text);
}

QString QuizMode::spokenLevel(const SchemePanel& panel, const Indicator& lamp) const {
  const uint16_t index = IndexIn(panel.scheme(), lamp);
  const QuizQuestion* question = session_.question();
  if (!asks(panel) || !question->IsHidden(index)) return {};
  const int guess = question->GuessOf(index);
  if (!question->checked()) return guess < 0 ? QStringLiteral("?") : tr("ответ %1").arg(guess);
  const QString level = QString::number(lamp.Tag);
  if (guess < 0) return tr("%1, без ответа").arg(level);
  if (guess == lamp.Tag) return tr("%1, верно").arg(level);
  return tr("%1, неверно, ответ %2").arg(level).arg(guess);
}

}  // namespace kvir
