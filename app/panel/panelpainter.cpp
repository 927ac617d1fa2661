#include "app/panel/panelpainter.h"

#include <QPainter>
#include <vector>

namespace kvir {
namespace {

// The compositor's layers drawn by a QPainter, which clips them to the region being painted.
class PainterCanvas : public PanelCanvas {
 public:
  explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

  void Fill(const PictureRect& area, Rgb colour) override {
    painter_.fillRect(ToQRect(area), QColor(colour.red, colour.green, colour.blue));
  }

  void Put(const Picture& picture, const PictureRect& part, int left, int top) override {
    painter_.drawImage(QPoint(left, top), ImageOver(picture, ToQRect(part)));
  }

 private:
  QPainter& painter_;
};

}  // namespace

QImage ImageOver(const Picture& picture, const QRect& part) {
  if (picture.empty()) return {};
  const QImage::Format format =
      picture.channels == 4 ? QImage::Format_RGBX8888 : QImage::Format_RGB888;
  const QRect area = part.isNull() ? QRect(0, 0, picture.width, picture.height) : part;
  return QImage(picture.pixel(area.x(), area.y()), area.width(), area.height(), picture.stride(),
                format);
}

void PaintPanel(QPainter& painter, const PanelPictures& pictures, const QRegion& region,
                const PanelOverlay* overlay) {
  std::vector<PictureRect> rects;
  for (const QRect& r : region) {
    rects.push_back({static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()),
                     static_cast<int16_t>(r.width()), static_cast<int16_t>(r.height())});
  }
  PainterCanvas canvas(painter);
  ComposePanel(pictures, overlay, rects, canvas);
}

QImage PanelImage(const PanelPictures& pictures, const PanelOverlay* overlay) {
  const Picture panel = ComposePanel(pictures, overlay);
  return QImage(panel.pixels.data(), panel.width, panel.height, panel.stride(),
                QImage::Format_RGB888)
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace kvir
