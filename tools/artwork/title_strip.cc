#include "tools/artwork/title_strip.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include "render/handout.h"
#include "tools/artwork/canvas.h"

namespace kvir::art {

TitleStrip DrawTitleStrip(const PanelPictures& shown, Language language) {
  const Scheme& scheme = shown.scheme();
  const int zoom = shown.style().zoom;
  const int width = CropRect(shown).width;
  const int pixels = Scaled(kTitlePixels, zoom);
  const int margin = Scaled(kCropMargin, zoom);
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(true);
  const std::string_view text_utf8 = SchemeTitle(scheme.number(), language);
  const QString title =
      QString::fromUtf8(text_utf8.data(), static_cast<qsizetype>(text_utf8.size()));
  constexpr int kFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const QRect column(margin, Scaled(kTitleTopGap, zoom), width - 2 * margin, 10 * pixels * 4);
  const QRect text = QFontMetrics(font).boundingRect(column, kFlags, title);

  QImage image(width, text.bottom() + 1 + Scaled(kTitleBottomGap, zoom), QImage::Format_RGBA8888);
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
