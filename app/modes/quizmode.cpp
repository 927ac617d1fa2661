#include "app/modes/quizmode.h"

#include <QLabel>
#include <exception>

#include "app/panel/schemepanel.h"
#include "app/prefs/language.h"
#include "app/prefs/zoom.h"
#include "io/error_texts.h"
#include "render/loaders.h"

namespace kvir {
namespace {

// The label's place: a corner that no scheme's drawing reaches.
constexpr QRect kLabelPlace(8, 574, 208, 86);

}  // namespace

QuizMode::QuizMode(QObject* parent) : QObject(parent), random_(std::random_device()()) {}

// Only the cards of one zoom are held: those of the panel's pictures.
bool QuizMode::loadCards(int zoom) {
  if (!cards_[0].empty() && cardsZoom_ == zoom) return true;
  try {
    const int side = IndicatorSide(zoom);
    for (size_t c = 0; c < kLampCardCount; ++c) {
      LoadResourcePicture(CardPictureName(static_cast<LampCard>(c)), {side, side, 3}, cards_[c],
                          {.zoom = zoom});
    }
    cardsZoom_ = zoom;
    return true;
  } catch (const std::exception& error) {
    cards_ = {};
    emit failed(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
    return false;
  }
}

const TruthTable& QuizMode::tableOf(int n) {
  auto found = tables_.find(n);
  if (found == tables_.end()) found = tables_.emplace(n, ComputeTruthTable(n)).first;
  return found->second;
}

const QuizLamps& QuizMode::lampsOf(int n) {
  auto found = lamps_.find(n);
  if (found == lamps_.end()) found = lamps_.emplace(n, QuizLamps(n, tableOf(n))).first;
  return found->second;
}

void QuizMode::ask(SchemePanel& panel) {
  if (!loadCards(panel.pictures().style().zoom)) return;
  Scheme& scheme = panel.scheme();
  try {
    const TruthTable& table = tableOf(scheme.number());
    PoseRow(scheme, panel.pressProc(), table, DrawRow(table, RowOf(table, scheme), random_));
  } catch (const std::exception& error) {
    emit failed(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
    return;
  }
  hideOn(panel);
}

void QuizMode::press(SchemePanel& panel, Indicator& clicked) {
  if (panel.runPress(clicked)) {
    hideOn(panel);
  } else {
    panel.showModel();
  }
}

// A question on the present state of `panel`'s scheme.
void QuizMode::hideOn(SchemePanel& panel) {
  if (panel_ != nullptr && panel_ != &panel) {
    panel_->setOverlay(nullptr);
    panel_->setFocusableLamps({});
    panel_->showModel();
  }
  panel_ = &panel;
  try {
    question_.emplace(panel.scheme(), lampsOf(panel.scheme().number()), level_);
  } catch (const std::exception& error) {
    emit failed(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
    return;
  }
  panel.setFocusableLamps(question_->hidden());
  panel.setOverlay(&overlay_);
  if (label_ == nullptr) {
    label_ = new QLabel(&panel);
    label_->setObjectName(QStringLiteral("lblQuiz"));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  }
  label_->setParent(&panel);
  label_->setGeometry(Zoomed(kLabelPlace, panel.zoom()));
  label_->show();
  label_->raise();
  show();
  panel.showModel();
  emit changed();
}

void QuizMode::restyle() {
  if (panel_ == nullptr || !question_) return;
  if (!loadCards(panel_->pictures().style().zoom)) return;
  if (label_ != nullptr) label_->setGeometry(Zoomed(kLabelPlace, panel_->zoom()));
  show();
}

void QuizMode::clickLamp(SchemePanel& panel, const Indicator& lamp) {
  if (&panel != panel_ || !question_) return;
  if (question_->CycleGuess(IndexIn(panel.scheme(), lamp))) show();
}

void QuizMode::check() {
  if (!questionOpen()) return;
  score_ += question_->Check(panel_->scheme());
  show();
  emit changed();
}

void QuizMode::end() {
  if (panel_ != nullptr) {
    panel_->setOverlay(nullptr);
    panel_->setFocusableLamps({});
    panel_->showModel();
  }
  if (label_ != nullptr) label_->hide();
  panel_ = nullptr;
  question_.reset();
  score_ = {};
  emit changed();
}

// The cards over the hidden lamps and the label's text, as the question stands.
void QuizMode::show() {
  if (panel_ == nullptr || !question_) return;
  overlay_.pictures.assign(panel_->scheme().indicators().size(), nullptr);
  for (const auto& [lamp, card] : question_->Cards()) {
    overlay_.pictures[lamp] = &cards_[static_cast<size_t>(card)];
  }
  overlay_.concealed = question_->Concealed();
  panel_->showOverlay();
  retranslate();
}

void QuizMode::retranslate() {
  if (label_ == nullptr) return;
  QString text = questionOpen()
                     ? tr("Щёлкайте по «?» (или Tab и пробел): каждый щелчок меняет ответ, 0 "
                          "или 1. Enter — проверить.")
                     : tr("Зелёная рамка — верно, полосатая — неверно: рядом с верным уровнем "
                          "зачёркнут ваш ответ. Ctrl+N — следующий вопрос.");
  if (score_.checked > 0) {
    text += QLatin1Char('\n') + tr("Счёт: верно %1 из %2").arg(score_.right).arg(score_.checked);
  }
  label_->setText(text);
}

}  // namespace kvir

namespace kvir {

QString QuizMode::spokenLevel(const SchemePanel& panel, const Indicator& lamp) const {
  const uint16_t index = IndexIn(panel.scheme(), lamp);
  if (&panel != panel_ || !question_ || !question_->IsHidden(index)) return {};
  const int guess = question_->GuessOf(index);
  if (!question_->checked()) return guess < 0 ? QStringLiteral("?") : tr("ответ %1").arg(guess);
  const QString level = QString::number(lamp.Tag);
  if (guess < 0) return tr("%1, без ответа").arg(level);
  if (guess == lamp.Tag) return tr("%1, верно").arg(level);
  return tr("%1, неверно, ответ %2").arg(level).arg(guess);
}

}  // namespace kvir
