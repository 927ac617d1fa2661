#include "app/windows/aboutwindow.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/prefs/language.h"
#include "app/windows/sideplacement.h"
#include "app/windows/sidewindow.h"
#include "circuit/scheme_texts.h"

namespace kvir {
namespace {

constexpr QSize kStartSize(520, 420);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The paragraphs (one a line in the data) with a blank line between them.
QString Paragraphs(std::string_view text) {
  return FromUtf8(text).trimmed().replace(QLatin1Char('\n'), QStringLiteral("\n\n"));
}

}  // namespace

AboutWindow::AboutWindow(SidePlacement& main)
    : QDialog(&main.owner()), lblTitle_(new QLabel(this)), memAbout_(new QPlainTextEdit(this)) {
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
  AddTextCopy(*this, [this] { memAbout_->copy(); });
  retranslate();
  side_ = new SideWindow(*this, main);
}

void AboutWindow::setScheme(int n) {
  if (n == scheme_) return;
  scheme_ = n;
  retranslate();
}

void AboutWindow::showBeside() {
  side_->open();
}

void AboutWindow::retranslate() {
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

void AboutWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

}  // namespace kvir
