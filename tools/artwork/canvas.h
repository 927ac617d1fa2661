#pragma once
// Drawing a scheme picture: a white canvas of the picture's size addressed in panel coordinates
// at 100 %, so that wires run straight to the indicators the scheme tables place, at every zoom.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <memory>
#include <string_view>
#include <vector>

#include "render/panel_pictures.h"
#include "render/picture.h"

namespace kvir::art {

enum class Align { kLeft, kCenter, kRight };

/// Line weights and lettering shared by every picture.
inline constexpr qreal kWire = 1.5;
inline constexpr qreal kOutline = 2.0;
inline constexpr qreal kBubbleRadius = 4.0;
inline constexpr qreal kLabelPixels = 12.0;
inline constexpr qreal kSymbolPixels = 16.0;

class Canvas {
 public:
  explicit Canvas(const PanelPictures& shown);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  const Scheme& scheme() const { return shown_.scheme(); }
  /// The scheme in the style and at the place of the picture drawn.
  const PanelPictures& shown() const { return shown_; }

  /// The 24 × 24 square of an indicator, in panel coordinates; throws when it does not exist.
  QRectF Box(std::string_view indicator) const;
  /// What the drawing prints beside an indicator; throws when it does not exist.
  QString Label(std::string_view indicator) const {
    return QString::fromStdString(scheme().At(indicator).label);
  }
  QPointF Left(std::string_view indicator) const { return LeftOf(Box(indicator)); }
  QPointF Right(std::string_view indicator) const { return RightOf(Box(indicator)); }
  QPointF Top(std::string_view indicator) const {
    return {Box(indicator).center().x(), Box(indicator).top()};
  }
  QPointF Bottom(std::string_view indicator) const {
    return {Box(indicator).center().x(), Box(indicator).bottom()};
  }
  static QPointF LeftOf(const QRectF& r) { return {r.left(), r.center().y()}; }
  static QPointF RightOf(const QRectF& r) { return {r.right(), r.center().y()}; }

  /// A wire from a to b.
  void Line(QPointF a, QPointF b);
  /// A wire through the points in order.
  void Path(std::initializer_list<QPointF> points);
  /// The dot where a branch leaves a wire.
  void Junction(QPointF at);
  /// An inversion circle whose outer side touches `at`, lying left (-1) or right (+1) of it.
  void Bubble(QPointF at, int side);
  /// A rectangular element outline with `symbol` centred at its top ("1", "&", "CD", "DC", "2DC").
  void Element(const QRectF& box, const QString& symbol);
  /// Text with its vertical centre at `at`, aligned horizontally as asked.
  void Text(QPointF at, const QString& text, Align align = Align::kLeft,
            qreal pixels = kLabelPixels);
  /// A bold bar of a bus.
  void Bar(QPointF a, QPointF b, qreal width = 4.0);

  QPainter& painter() { return *painter_; }
  /// Where text has been drawn, in picture coordinates: the glyphs' cells, one pixel wider each
  /// way for the antialiased rim.
  const std::vector<QRect>& text_areas() const { return text_areas_; }

  /// Ends drawing and returns the picture: 8-bit RGBA, fully opaque, with the black K or L
  /// placeholder square under every indicator drawn last.
  Picture Finish();

 private:
  qreal Zoom() const;
  QPointF ToImage(QPointF panel) const;

  const PanelPictures& shown_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::vector<QRect> text_areas_;
};

/// Draws one scheme's circuit on the canvas (everything but the placeholders).
using DrawProc = void (*)(Canvas& canvas);

/// `image` as an 8-bit RGBA picture, every pixel made fully opaque.
Picture ToPicture(const QImage& image);

/// Draws the canvas's scheme in its style, everything but the placeholders: its circuit and, in
/// the clear view, the labels its plain drawing leaves out.
void DrawCircuit(Canvas& canvas);

/// The finished picture of `scheme` in its style: its drawing, in the clear view with every
/// button labelled, plus the placeholders.
Picture DrawSchemePicture(const PanelPictures& shown);

}  // namespace kvir::art
