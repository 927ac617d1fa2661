#include "tools/artwork/title_strip.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include "schemes/handout.h"
#include "tools/artwork/canvas.h"

namespace kvir::art {

TitleStrip DrawTitleStrip(const Scheme& scheme, Language language) {
  const int width = CropRect(scheme).width;
  QFont font("DejaVu Sans");
  font.setPixelSize(kTitlePixels);
  font.setBold(true);
  const std::string_view text_utf8 = SchemeTitle(scheme.number(), language);
  const QString title =
      QString::fromUtf8(text_utf8.data(), static_cast<qsizetype>(text_utf8.size()));
  constexpr int kFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const QRect column(kCropMargin, kTitleTopGap, width - 2 * kCropMargin, 10 * kTitlePixels * 4);
  const QRect text = QFontMetrics(font).boundingRect(column, kFlags, title);

  QImage image(width, text.bottom() + 1 + kTitleBottomGap, QImage::Format_RGBA8888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(column.left(), column.top(), column.width(), text.height()), kFlags,
                   title);
  painter.end();
  return {ToPicture(image), text.adjusted(-1, -1, 1, 1) & image.rect()};
}

}  // namespace kvir::art
