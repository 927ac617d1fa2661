#include "tools/icon/app_icon.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "tools/artwork/canvas.h"

namespace kvir::art {
namespace {

// The drawing is laid out on a grid of 16 × 16 units, one unit a pixel of the 16 px icon. Each
// edge is rounded to whole pixels at every size, so no line is smeared over two pixels.
constexpr qreal kGrid = 16.0;

// Colours: black drawing on white paper as in the scheme pictures; the lit output in the red of
// the "1" indicator.
const QColor kInk(Qt::black);
const QColor kPaper(Qt::white);
const QColor kEdge(0x80, 0x80, 0x80);
const QColor kLit(0xE0, 0x00, 0x00);

// The box "DC" and its pins, in grid units.
constexpr qreal kBoxLeft = 2, kBoxTop = 1, kBoxRight = 14, kBoxBottom = 15;
constexpr std::array<qreal, 2> kInputRows = {9, 12};
constexpr std::array<qreal, 4> kOutputRows = {3, 6, 9, 12};
constexpr int kLitOutput = 2;
constexpr qreal kLetterTop = 3, kLetterHeight = 5;

// "DC" dot by dot, 3 × 5 each, for the sizes where a font would blur.
constexpr std::array<const char*, 5> kDotLetters = {
    "##. .##", "#.# #..", "#.# #..", "#.# #..", "##. .##",
};
constexpr int kFontLettersFrom = 32;  // smallest size that letters with a font
constexpr int kPinNumbersFrom = 64;   // smallest size that numbers the pins

struct Grid {
  int size;
  qreal unit() const { return size / kGrid; }
  qreal At(qreal units) const { return std::round(units * unit()); }
  // Line width in whole pixels: one pixel at 16 px, growing slower than the icon.
  qreal Line(qreal weight) const { return std::max<qreal>(1, std::round(weight * size / 32.0)); }
};

// A rectangle from grid units, its edges on whole pixels, never thinner than one pixel.
QRectF Snapped(const Grid& g, qreal left, qreal top, qreal right, qreal bottom) {
  const qreal l = g.At(left), t = g.At(top);
  return QRectF(l, t, std::max<qreal>(1, g.At(right) - l), std::max<qreal>(1, g.At(bottom) - t));
}

void Add(std::vector<IconShape>& shapes, const QPainterPath& path, const QColor& color) {
  shapes.push_back({path, color});
}

void AddRect(std::vector<IconShape>& shapes, const QRectF& rect, const QColor& color) {
  QPainterPath path;
  path.addRect(rect);
  Add(shapes, path, color);
}

void AddSheet(std::vector<IconShape>& shapes, const Grid& g) {
  const qreal radius = g.At(2);
  QPainterPath sheet;
  sheet.addRoundedRect(QRectF(0, 0, g.size, g.size), radius, radius);
  Add(shapes, sheet, kPaper);
  if (g.size < kFontLettersFrom) return;  // at the small sizes the edge would crowd the pins
  const qreal edge = g.Line(0.5);
  QPainterPath ring = sheet;
  ring.addRoundedRect(QRectF(edge, edge, g.size - 2 * edge, g.size - 2 * edge), radius - edge,
                      radius - edge);
  ring.setFillRule(Qt::OddEvenFill);
  Add(shapes, ring, kEdge);
}

// A horizontal wire of `width` pixels whose top edge lies on a whole pixel at row `row`.
QRectF Wire(const Grid& g, qreal from, qreal to, qreal row, qreal width) {
  const qreal top = std::round(g.At(row) + g.unit() / 2 - width / 2);
  return QRectF(g.At(from), top, g.At(to) - g.At(from), width);
}

void AddBox(std::vector<IconShape>& shapes, const Grid& g) {
  const qreal w = g.Line(1.5);
  const QRectF box = Snapped(g, kBoxLeft, kBoxTop, kBoxRight, kBoxBottom);
  AddRect(shapes, QRectF(box.left(), box.top(), box.width(), w), kInk);
  AddRect(shapes, QRectF(box.left(), box.bottom() - w, box.width(), w), kInk);
  AddRect(shapes, QRectF(box.left(), box.top(), w, box.height()), kInk);
  AddRect(shapes, QRectF(box.right() - w, box.top(), w, box.height()), kInk);
}

void AddPins(std::vector<IconShape>& shapes, const Grid& g) {
  const qreal w = g.Line(1);
  for (qreal row : kInputRows) AddRect(shapes, Wire(g, 0, kBoxLeft, row, w), kInk);
  for (size_t i = 0; i < kOutputRows.size(); ++i) {
    const bool lit = static_cast<int>(i) == kLitOutput;
    AddRect(shapes, Wire(g, kBoxRight, kGrid, kOutputRows[i], lit ? std::max(w, g.Line(2)) : w),
            lit ? kLit : kInk);
  }
}

void AddDotLetters(std::vector<IconShape>& shapes, const Grid& g) {
  const qreal dot = std::floor(g.unit());
  const qreal width = 7 * dot;  // two letters and the gap between them
  const qreal left = std::floor((g.At(kBoxLeft) + g.At(kBoxRight) - width) / 2);
  const qreal top = g.At(kLetterTop);
  QPainterPath path;
  for (size_t row = 0; row < kDotLetters.size(); ++row) {
    for (int col = 0; kDotLetters[row][col] != '\0'; ++col) {
      if (kDotLetters[row][col] == '#') path.addRect(left + col * dot, top + row * dot, dot, dot);
    }
  }
  Add(shapes, path.simplified(), kInk);
}

// Text as an outline, so the PNG and the SVG carry the same shape whatever fonts a viewer has;
// scaled so that its capitals are `height` pixels tall, and centred on `centre`.
QPainterPath TextPath(const QString& text, qreal height, bool bold, QPointF centre) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(kSymbolPixels));
  font.setBold(bold);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const qreal scale = height / path.boundingRect().height();
  path = QTransform::fromScale(scale, scale).map(path);
  return path.translated(centre - path.boundingRect().center());
}

void AddFontLetters(std::vector<IconShape>& shapes, const Grid& g) {
  const bool numbered = g.size >= kPinNumbersFrom;
  const qreal height = (numbered ? 3.0 : 4.0) * g.unit();
  const QPointF centre((kBoxLeft + kBoxRight) / 2 * g.unit(),
                       (kLetterTop + kLetterHeight / 2) * g.unit());
  Add(shapes, TextPath(QStringLiteral("DC"), height, true, centre), kInk);
}

// Pin numbers inside the box, as the scheme pictures number a chip's pins: inputs 1, 2 (their
// weights) and outputs 0 … 3.
void AddPinNumbers(std::vector<IconShape>& shapes, const Grid& g) {
  const qreal height = 1.3 * g.unit();
  const qreal inset = 1.8 * g.unit();
  for (size_t i = 0; i < kInputRows.size(); ++i) {
    const QPointF at(kBoxLeft * g.unit() + inset, (kInputRows[i] + 0.5) * g.unit());
    Add(shapes, TextPath(QString::number(1 << i), height, false, at), kInk);
  }
  for (size_t i = 0; i < kOutputRows.size(); ++i) {
    const QPointF at(kBoxRight * g.unit() - inset, (kOutputRows[i] + 0.5) * g.unit());
    Add(shapes, TextPath(QString::number(i), height, false, at), kInk);
  }
}

QString Number(qreal v) {
  QString text = QString::number(v, 'f', 2);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

// The SVG path data of `path`: moves, lines and cubic curves.
QString SvgPathData(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QString xy = Number(e.x) + QLatin1Char(' ') + Number(e.y);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        d += QStringLiteral("M") + xy;
        break;
      case QPainterPath::LineToElement:
        d += QStringLiteral("L") + xy;
        break;
      case QPainterPath::CurveToElement:
        d += QStringLiteral("C") + xy;
        break;
      case QPainterPath::CurveToDataElement:
        d += QLatin1Char(' ') + xy;
        break;
    }
  }
  return d;
}

}  // namespace

std::vector<IconShape> AppIconShapes(int size) {
  const Grid g{size};
  std::vector<IconShape> shapes;
  AddSheet(shapes, g);
  AddPins(shapes, g);
  AddBox(shapes, g);
  if (size < kFontLettersFrom) {
    AddDotLetters(shapes, g);
  } else {
    AddFontLetters(shapes, g);
  }
  if (size >= kPinNumbersFrom) AddPinNumbers(shapes, g);
  return shapes;
}

Picture DrawAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const IconShape& shape : AppIconShapes(size)) painter.fillPath(shape.path, shape.color);
  }
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  Picture picture;
  picture.width = picture.height = size;
  picture.channels = 4;
  picture.pixels.resize(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    const uchar* row = rgba.constScanLine(y);
    std::copy(row, row + size * 4, picture.pixels.begin() + y * picture.stride());
  }
  return picture;
}

std::string AppIconSvg() {
  const QString side = QString::number(kAppIconSvgSize);
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\">\n")
                    .arg(side);
  for (const IconShape& shape : AppIconShapes(kAppIconSvgSize)) {
    svg +=
        QStringLiteral("  <path fill=\"%1\"%2 d=\"%3\"/>\n")
            .arg(shape.color.name(),
                 shape.path.fillRule() == Qt::OddEvenFill ? QStringLiteral(" fill-rule=\"evenodd\"")
                                                          : QString(),
                 SvgPathData(shape.path));
  }
  svg += QStringLiteral("</svg>\n");
  return svg.toStdString();
}

}  // namespace kvir::art
