#include "app/windows/helpwindow.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "app/prefs/zoom.h"
#include "app/windows/sideplacement.h"
#include "app/windows/sidewindow.h"
#include "render/zoom.h"

namespace kvir {
namespace {

// Blanks at line ends belong to the text.
QString HelpText() {
  return TfrmHelp::tr(
      "Выбор схемы осуществляется в раскрывающемся \n"
      "списке, расположенном слева от кнопки \"Помощь\".\n"
      "\n"
      "В схемах с шифраторами в результате однократного \n"
      "нажатия кнопки устанавливается бит входа, \n"
      "соответствующего нажатой кнопке, и сбрасывает \n"
      "все остальные биты входов в начальное значение.\n"
      "\n"
      "В схемах с дешифраторами нажатие кнопки \n"
      "производит инверсию бита входа, соответствующего \n"
      "нажатой кнопке. ");
}

constexpr qreal kSmallestTextSize = 6;  // points

// The text is laid out for a font in which every line fits the memo's width. Where a wider font
// stands in for it, a smaller size keeps each line on one row and all of them in view.
void FitFontToText(QPlainTextEdit* memo) {
  const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
  const qreal border = 2 * (memo->frameWidth() + memo->document()->documentMargin());
  const qreal width = memo->width() - border - memo->cursorWidth();
  const qreal height = memo->height() - border;
  QFont font = memo->font();
  for (qreal size = font.pointSizeF(); size > kSmallestTextSize; size -= 0.5) {
    font.setPointSizeF(size);
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines) widest = qMax(widest, metrics.horizontalAdvance(line));
    if (widest <= width && metrics.lineSpacing() * lines.size() <= height) break;
  }
  memo->setFont(font);
}

constexpr Qt::WindowFlags kHelpFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

// The window and its parts at 100 %.
constexpr QSize kHelpSize(281, 181);
constexpr QRect kMemoPlace(0, 0, 281, 153);
constexpr QRect kOkPlace(93, 156, 95, 25);
// The smallest the window is made to find room, in percent of its size at 100 %.
constexpr int kSmallestPercent = 30;

}  // namespace

TfrmHelp::TfrmHelp(SidePlacement& main)
    : QDialog(&main.owner(), kHelpFlags),
      main_(main),
      memHelp_(new QPlainTextEdit(this)),
      btnOK_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setFixedSize(kHelpSize);

  memHelp_->setObjectName(QStringLiteral("memHelp"));
  memHelp_->setGeometry(kMemoPlace);
  memHelp_->setReadOnly(true);
  memHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memHelp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  retranslate();

  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnOK_->setGeometry(kOkPlace);
  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(&main, &SidePlacement::zoomChanged, this, &TfrmHelp::applyZoom);
  applyZoom(main.zoom());
}

// The window, its font and its parts grow with the zoom; the text is fitted again to its font.
void TfrmHelp::applyZoom(int percent) {
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8 * percent / kPlainZoom));
  layOut(percent);
}

void TfrmHelp::layOut(int percent) {
  setFixedSize(Zoomed(QRect(QPoint(), kHelpSize), percent).size());
  memHelp_->setGeometry(Zoomed(kMemoPlace, percent));
  btnOK_->setGeometry(Zoomed(kOkPlace, percent));
  memHelp_->setFont(font());
  fitted_ = false;
  if (isVisible()) fitText();
}

// Beside the drawing, or over the main window's empty margins; where no place has room for the
// window at the zoom's size, it is made as much smaller as the largest one needs, its text
// fitted again.
void TfrmHelp::placeBesideDrawing() {
  const QScreen* screen = main_.screen();
  if (screen == nullptr) return;
  QMargins frame = FrameMargins(*this);
  if (frame.isNull()) frame = main_.frameMargins();
  const QSize full = Zoomed(QRect(QPoint(), kHelpSize), main_.zoom()).size();
  const QRect place = PlaceSideWindow(main_.frame(), main_.drawing(), full.grownBy(frame),
                                      full.grownBy(frame), screen->availableGeometry())
                          .marginsRemoved(frame);
  const int percent = std::min({main_.zoom(), place.width() * kPlainZoom / kHelpSize.width(),
                                place.height() * kPlainZoom / kHelpSize.height()});
  layOut(std::max(percent, kSmallestPercent));
  move(place.topLeft());
}

void TfrmHelp::retranslate() {
  setWindowTitle(tr("KVIR - Помощь"));
  memHelp_->setPlainText(HelpText());
  memHelp_->setFont(font());  // the size fitted to the text before is no guide for this one
  fitted_ = false;
  if (isVisible()) fitText();
}

// The size is fitted when the text is first shown: the fonts' metrics cost a noticeable part of
// start-up, and most sessions never open the help.
void TfrmHelp::fitText() {
  if (fitted_) return;
  FitFontToText(memHelp_);
  fitted_ = true;
}

void TfrmHelp::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

// Placed anew every time: QDialog's own placement would centre it over the drawing.
void TfrmHelp::showEvent(QShowEvent* event) {
  placeBesideDrawing();
  fitText();
  QDialog::showEvent(event);
}

}  // namespace kvir
