#include "app/windows/aboutwindow.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "app/shell/language.h"
#include "circuit/scheme_texts.h"

namespace kvir {
namespace {

constexpr QSize kStartSize(520, 420);
constexpr int kGap = 8;  // between the main window and this one

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The paragraphs (one a line in the data) with a blank line between them.
QString Paragraphs(std::string_view text) {
  return FromUtf8(text).trimmed().replace(QLatin1Char('\n'), QStringLiteral("\n\n"));
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent), lblTitle_(new QLabel(this)), memAbout_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(false);
  resize(kStartSize);
  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblTitle_->setWordWrap(true);
  QFont bold = lblTitle_->font();
  bold.setBold(true);
  lblTitle_->setFont(bold);
  memAbout_->setObjectName(QStringLiteral("memAbout"));
  memAbout_->setReadOnly(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle_);
  layout->addWidget(memAbout_);
  retranslate();
}

void TfrmAbout::setScheme(int n) {
  if (n == scheme_) return;
  scheme_ = n;
  retranslate();
}

void TfrmAbout::showBeside() {
  if (!placed_) placeBesideParent();
  show();
  raise();
  activateWindow();
}

void TfrmAbout::retranslate() {
  setWindowTitle(tr("KVIR - О схеме"));
  if (scheme_ == 0) {
    lblTitle_->setText(QString());
    memAbout_->setPlainText(tr("Схема не выбрана."));
    return;
  }
  const Language language = CurrentLanguage();
  lblTitle_->setText(FromUtf8(SchemeTitle(scheme_, language)));
  memAbout_->setPlainText(Paragraphs(AboutScheme(scheme_, language)));
}

void TfrmAbout::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

// To the right of the main window where the screen has room, else to its left, else over it.
void TfrmAbout::placeBesideParent() {
  placed_ = true;
  const QWidget* main = parentWidget() == nullptr ? nullptr : parentWidget()->window();
  if (main == nullptr || main->screen() == nullptr) return;
  const QRect screen = main->screen()->availableGeometry();
  const QRect beside = main->frameGeometry();
  QPoint at(beside.right() + kGap, beside.top());
  if (at.x() + width() > screen.right()) at.setX(beside.left() - kGap - width());
  if (at.x() < screen.left()) at.setX(screen.right() - width());
  move(at);
}

}  // namespace kvir
