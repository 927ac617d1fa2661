#include "tools/artwork/canvas.h"

#include <QFontMetricsF>
#include <stdexcept>
#include <string>

#include "tools/artwork/drawings.h"
#include "tools/placeholder.h"

namespace kvir::art {

Canvas::Canvas(const PanelPictures& shown)
    : shown_(shown),
      image_(shown.picture().width, shown.picture().height, QImage::Format_RGBA8888) {
  image_.fill(Qt::white);
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
  // Drawn in panel coordinates at 100 %: the scale maps them onto the picture at its zoom.
  painter_->translate(-shown.picture().left, -shown.picture().top);
  painter_->scale(Zoom(), Zoom());
  QPen pen(Qt::black, kWire);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_->setPen(pen);
}

Canvas::~Canvas() = default;

QRectF Canvas::Box(std::string_view indicator) const {
  const Indicator& ind = scheme().At(indicator);
  return QRectF(ind.left, ind.top, kPlaceholderSide, kPlaceholderSide);
}

qreal Canvas::Zoom() const {
  return shown_.style().zoom / 100.0;
}

QPointF Canvas::ToImage(QPointF panel) const {
  return panel * Zoom() - QPointF(shown_.picture().left, shown_.picture().top);
}

void Canvas::Line(QPointF a, QPointF b) {
  painter_->drawLine(a, b);
}

void Canvas::Path(std::initializer_list<QPointF> points) {
  const QPointF* prev = nullptr;
  for (const QPointF& p : points) {
    if (prev) painter_->drawLine(*prev, p);
    prev = &p;
  }
}

void Canvas::Junction(QPointF at) {
  painter_->save();
  painter_->setBrush(Qt::black);
  painter_->setPen(Qt::NoPen);
  painter_->drawEllipse(at, 3.0, 3.0);
  painter_->restore();
}

void Canvas::Bubble(QPointF at, int side) {
  painter_->save();
  painter_->setBrush(Qt::white);
  painter_->setPen(QPen(Qt::black, kWire));
  painter_->drawEllipse(QPointF(at.x() + side * kBubbleRadius, at.y()), kBubbleRadius,
                        kBubbleRadius);
  painter_->restore();
}

void Canvas::Element(const QRectF& box, const QString& symbol) {
  painter_->save();
  painter_->setBrush(Qt::white);
  painter_->setPen(QPen(Qt::black, kOutline));
  painter_->drawRect(box);
  painter_->restore();
  Text({box.center().x(), box.top() + kSymbolPixels * 0.8}, symbol, Align::kCenter, kSymbolPixels);
}

void Canvas::Text(QPointF at, const QString& text, Align align, qreal pixels) {
  QFont font("DejaVu Sans");
  font.setPixelSize(static_cast<int>(pixels));
  painter_->save();
  painter_->setFont(font);
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(text);
  qreal x = at.x();
  if (align == Align::kCenter) x -= width / 2;
  if (align == Align::kRight) x -= width;
  const qreal baseline = at.y() + (metrics.ascent() - metrics.descent()) / 2;
  painter_->drawText(QPointF(x, baseline), text);
  painter_->restore();
  const QRectF cell(ToImage({x, baseline - metrics.ascent()}),
                    QSizeF(width, metrics.height()) * Zoom());
  text_areas_.push_back(cell.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void Canvas::Bar(QPointF a, QPointF b, qreal width) {
  painter_->save();
  QPen pen(Qt::black, width);
  pen.setCapStyle(Qt::FlatCap);
  painter_->setPen(pen);
  painter_->drawLine(a, b);
  painter_->restore();
}

Picture Canvas::Finish() {
  painter_.reset();
  Picture picture = ToPicture(image_);
  DrawPlaceholders(shown_, picture);
  return picture;
}

Picture ToPicture(const QImage& image) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  Picture picture;
  picture.width = rgba.width();
  picture.height = rgba.height();
  picture.channels = 4;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * 4);
  for (int y = 0; y < picture.height; ++y) {
    const uchar* row = rgba.constScanLine(y);
    std::copy(row, row + picture.width * 4, picture.pixels.begin() + y * picture.stride());
  }
  for (size_t i = 3; i < picture.pixels.size(); i += 4) picture.pixels[i] = 0xFF;
  return picture;
}

void DrawCircuit(Canvas& canvas) {
  const Scheme& scheme = canvas.scheme();
  if (DrawProc draw = SchemeDrawing(scheme.def())) draw(canvas);
  if (canvas.shown().style().clear && HasClearSchemePicture(scheme.def())) LabelButtons(canvas);
}

Picture DrawSchemePicture(const PanelPictures& shown) {
  Canvas canvas(shown);
  DrawCircuit(canvas);
  return canvas.Finish();
}

}  // namespace kvir::art
