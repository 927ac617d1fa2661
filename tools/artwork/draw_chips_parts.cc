#include "tools/artwork/draw_chips_parts.h"

#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <span>

namespace kvir::art {
namespace {

/// Width of the label fields on the left and right side of a chip box.
constexpr qreal kLabelField = 26;
/// A group divider sits midway between two rows, but no further than this below the upper one.
constexpr qreal kDividerReach = 14;
constexpr QSizeF kInverter(11, 15);
constexpr qreal kInverterSymbolPixels = 10;

/// What a chip type prints: its mark, its pins in model order, and the pins after which a line
/// divides the label field into groups.
struct ChipKind {
  const char* mark;
  std::span<const PinMark> inputs;
  std::span<const PinMark> outputs;
  std::span<const int> input_groups;
  std::span<const int> output_groups;
};

constexpr int kIV1InputGroups[] = {7};
constexpr int kIV1OutputGroups[] = {0};

constexpr int kID3InputGroups[] = {3};
constexpr int kID4InputGroups[] = {1, 3};
constexpr int kID4OutputGroups[] = {3};

constexpr ChipKind kIV1 = {"CD", ChipPinMarks(ChipType::k155IV1, false),
                           ChipPinMarks(ChipType::k155IV1, true), kIV1InputGroups,
                           kIV1OutputGroups};
constexpr ChipKind kID3 = {"DC",
                           ChipPinMarks(ChipType::k155ID3, false),
                           ChipPinMarks(ChipType::k155ID3, true),
                           kID3InputGroups,
                           {}};
constexpr ChipKind kID4 = {"2DC", ChipPinMarks(ChipType::k155ID4, false),
                           ChipPinMarks(ChipType::k155ID4, true), kID4InputGroups,
                           kID4OutputGroups};

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void Outline(Canvas& c, const QRectF& box, qreal pen_width) {
  QPainter& p = c.painter();
  p.save();
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, pen_width));
  p.drawRect(box);
  p.restore();
}

/// The box between the site's input and output indicator columns, as tall as its pin rows.
QRectF ChipBox(const Canvas& c, const ChipSite& site) {
  const QRectF first_in = c.Box(site.inputs.front());
  const QRectF first_out = c.Box(site.outputs.front());
  const qreal top = std::min(first_in.top(), first_out.top());
  const qreal bottom =
      std::max(c.Box(site.inputs.back()).bottom(), c.Box(site.outputs.back()).bottom());
  return QRectF(QPointF(first_in.right() + kChipGap, top),
                QPointF(first_out.left() - kChipGap, bottom));
}

/// Input pins: a wire from the left edge of the pin's indicator to the outline, a circle on the
/// active-low ones, the label centred in the left field.
void InputPins(Canvas& c, const QRectF& box, const ChipKind& kind, const ChipSite& site) {
  for (size_t i = 0; i < kind.inputs.size(); ++i) {
    const PinMark& pin = kind.inputs[i];
    const qreal y = Row(c, site.inputs[i]);
    const qreal pin_end = pin.active_low ? box.left() - 2 * kBubbleRadius : box.left();
    c.Line({c.Box(site.inputs[i]).left(), y}, {pin_end, y});
    if (pin.active_low) c.Bubble({box.left(), y}, -1);
    c.Text({box.left() + kLabelField / 2, y}, Text(pin.label), Align::kCenter);
  }
}

/// Where an output wire ends: a little past a scheme output's indicator, as leaving the circuit,
/// and at the left edge of any other output indicator (a wire that goes on is drawn separately).
qreal OutputWireEnd(const Canvas& c, const std::string& indicator) {
  const QRectF box = c.Box(indicator);
  return indicator.starts_with("OUT") ? box.right() + kStub : box.left();
}

/// Output pins: a circle on the outline, a wire to the pin's indicator, the label in the field.
void OutputPins(Canvas& c, const QRectF& box, const ChipKind& kind, const ChipSite& site) {
  for (size_t i = 0; i < kind.outputs.size(); ++i) {
    const qreal y = Row(c, site.outputs[i]);
    c.Line({box.right() + 2 * kBubbleRadius, y}, {OutputWireEnd(c, site.outputs[i]), y});
    c.Bubble({box.right(), y}, +1);
    c.Text({box.right() - kLabelField / 2, y}, Text(kind.outputs[i].label), Align::kCenter);
  }
}

/// The lines dividing a label field (between x0 and x1) after the pins listed in `groups`.
void GroupDividers(Canvas& c, qreal x0, qreal x1, std::span<const int> groups,
                   const std::vector<std::string>& pins) {
  for (int after : groups) {
    const qreal upper = Row(c, pins[after]);
    const qreal lower = Row(c, pins[after + 1]);
    const qreal y = std::min((upper + lower) / 2, upper + kDividerReach);
    c.Line({x0, y}, {x1, y});
  }
}

void DrawChip(Canvas& c, const ChipKind& kind, const ChipSite& site) {
  const QRectF box = ChipBox(c, site);
  c.Element(box, QString::fromUtf8(kind.mark));
  const qreal left_field = box.left() + kLabelField;
  const qreal right_field = box.right() - kLabelField;
  c.Line({left_field, box.top()}, {left_field, box.bottom()});
  c.Line({right_field, box.top()}, {right_field, box.bottom()});
  GroupDividers(c, box.left(), left_field, kind.input_groups, site.inputs);
  GroupDividers(c, right_field, box.right(), kind.output_groups, site.outputs);
  InputPins(c, box, kind, site);
  OutputPins(c, box, kind, site);
  if (!site.name.isEmpty()) c.Text({box.center().x(), box.top() - 9}, site.name, Align::kCenter);
}

}  // namespace

std::vector<std::string> Numbered(std::string_view prefix, int first, int count) {
  std::vector<std::string> names;
  for (int n = first; n < first + count; ++n) names.push_back(IndicatorName(prefix, n));
  return names;
}

qreal Row(const Canvas& c, std::string_view indicator) {
  return c.Box(indicator).center().y();
}

void Draw155IV1(Canvas& c, const ChipSite& site) {
  DrawChip(c, kIV1, site);
}
void Draw155ID3(Canvas& c, const ChipSite& site) {
  DrawChip(c, kID3, site);
}
void Draw155ID4(Canvas& c, const ChipSite& site) {
  DrawChip(c, kID4, site);
}

void Feed(Canvas& c, QPointF from, QPointF to, bool inverted) {
  if (!inverted) {
    c.Line(from, to);
    return;
  }
  const qreal left = (from.x() + to.x() - kInverter.width() - 2 * kBubbleRadius) / 2;
  const QRectF box(QPointF(left, from.y() - kInverter.height() / 2), kInverter);
  c.Line(from, {box.left(), from.y()});
  c.Line({box.right() + 2 * kBubbleRadius, from.y()}, to);
  Outline(c, box, kWire);
  c.Text(box.center(), "1", Align::kCenter, kInverterSymbolPixels);
  c.Bubble({box.right(), from.y()}, +1);
}

void FeedRows(Canvas& c, const std::vector<std::string>& from, const std::vector<std::string>& to,
              std::initializer_list<bool> inverted) {
  const std::vector<bool> flags(inverted);
  for (size_t i = 0; i < from.size(); ++i) {
    Feed(c, c.Right(from[i]), c.Left(to[i]), i < flags.size() && flags[i]);
  }
}

void BusBar(Canvas& c, std::initializer_list<QPointF> points) {
  QPainterPath path;
  for (const QPointF& p : points) {
    if (path.elementCount() == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  QPainter& p = c.painter();
  p.save();
  QPen pen(Qt::black, kBusWidth);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

void BusLabel(Canvas& c, QPointF at, int side, const QString& text) {
  const qreal gap = kBusWidth / 2 + 3;
  c.Text({at.x() + side * gap, at.y() - 8}, text, side < 0 ? Align::kRight : Align::kLeft);
}

void BusEntry(Canvas& c, std::string_view from, qreal bar, const QString& number) {
  const QPointF start = c.Right(from);
  c.Line(start, {bar, start.y()});
  BusLabel(c, {bar, start.y()}, -1, number);
}

void BusTap(Canvas& c, qreal bar, std::string_view to, const QString& number) {
  const QPointF end = c.Left(to);
  c.Line({bar, end.y()}, end);
  BusLabel(c, {bar, end.y()}, +1, number);
}

}  // namespace kvir::art
