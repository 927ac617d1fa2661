#include "tools/artwork/draw_decoders_parts.h"

namespace kvir::art::decoders {
namespace {

// A line meets or leaves a bus bar with a short slant, so that a line joining the bar never
// seems to run straight across it into a tap of another number.
constexpr qreal kSlant = 8.0;
constexpr qreal kNumberRise = 8.0;
constexpr qreal kBranchOffset = 16.0;
constexpr qreal kInverterGap = 20.0;
constexpr QSizeF kInverter(36.0, 32.0);
constexpr qreal kGateGap = 8.0;
constexpr qreal kGateMargin = 10.0;
constexpr qreal kOutputWire = 28.0;
constexpr qreal kLabelGap = 4.0;

// The line through indicator `line` into the bar; returns the point where it joins the bar.
QPointF DrawBusEntry(Canvas& c, std::string_view line, qreal bar_x) {
  const QPointF from = c.Right(line);
  const QPointF join(bar_x, from.y() + kSlant);
  c.Path({from, {bar_x - kSlant, from.y()}, join});
  c.Text({(from.x() + bar_x - kSlant) / 2, from.y() - kNumberRise}, c.Label(line), Align::kCenter);
  return join;
}

QRectF InverterBox(qreal left, qreal centre_y) {
  return {QPointF(left, centre_y - kInverter.height() / 2), kInverter};
}

// An inverter: box "1" with its output circle, driving the wire to `out`.
void DrawInverter(Canvas& c, const QRectF& box, QPointF out) {
  c.Element(box, "1");
  const QPointF pin = Canvas::RightOf(box);
  c.Bubble(pin, +1);
  c.Line({pin.x() + 2 * kBubbleRadius, pin.y()}, out);
}

QRectF GateBox(const Canvas& c, std::string_view first_input, std::string_view last_input,
               std::string_view output) {
  const qreal left = c.Box(first_input).right() + kGateGap;
  const qreal right = c.Box(output).left() - kOutputWire;
  const qreal top = c.Box(first_input).center().y() - kGateMargin;
  const qreal bottom = c.Box(last_input).center().y() + kGateMargin;
  return {left, top, right - left, bottom - top};
}

void DrawGateOutput(Canvas& c, GateKind kind, const QRectF& box, std::string_view output) {
  const QPointF to = c.Left(output);
  qreal from_x = box.right();
  if (kind == GateKind::kNor) {
    c.Bubble({from_x, to.y()}, +1);
    from_x += 2 * kBubbleRadius;
  }
  c.Line({from_x, to.y()}, to);
}

}  // namespace

QPointF DrawInputStage(Canvas& c, int input, int line, qreal bar_x) {
  const std::string button = IndicatorName("IN", input);
  const std::string true_line = IndicatorName("BUS", line);
  const std::string complement = IndicatorName("BUS", line + 1);
  const QPointF start = c.Right(button);
  c.Text({c.Box(button).left() - kLabelGap, start.y()}, c.Label(button), Align::kRight);
  c.Line(start, c.Left(true_line));
  const QPointF branch(start.x() + kBranchOffset, start.y());
  const QRectF box = InverterBox(branch.x() + kInverterGap, c.Left(complement).y());
  c.Path({branch, {branch.x(), box.center().y()}, Canvas::LeftOf(box)});
  c.Junction(branch);
  DrawInverter(c, box, c.Left(complement));
  DrawBusEntry(c, true_line, bar_x);
  return DrawBusEntry(c, complement, bar_x);
}

QPointF DrawBusTap(Canvas& c, qreal bar_x, std::string_view pin) {
  const QPointF to = c.Left(pin);
  const QPointF leave(bar_x, to.y() - kSlant);
  c.Path({leave, {bar_x + kSlant, to.y()}, to});
  c.Text({(bar_x + kSlant + to.x()) / 2, to.y() - kNumberRise}, c.Label(pin), Align::kCenter);
  return leave;
}

void DrawBusPath(Canvas& c, std::span<const QPointF> points) {
  QPainter& p = c.painter();
  p.save();
  QPen pen(Qt::black, 4.0);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.drawPolyline(points.data(), static_cast<int>(points.size()));
  p.restore();
}

void DrawGate(Canvas& c, GateKind kind, int gate, int inputs) {
  const std::string_view prefix = GateInputPrefix(kind);
  const std::string output = IndicatorName("OUT", gate);
  const QRectF box =
      GateBox(c, IndicatorName(prefix, gate, 0), IndicatorName(prefix, gate, inputs - 1), output);
  for (int j = 0; j < inputs; ++j) {
    const QPointF from = c.Right(IndicatorName(prefix, gate, j));
    c.Line(from, {box.left(), from.y()});
  }
  c.Element(box, kind == GateKind::kAnd ? "&" : "1");
  DrawGateOutput(c, kind, box, output);
  const QPointF end = c.Right(output);
  c.Text({end.x() + kLabelGap, end.y()}, c.Label(output));
}

}  // namespace kvir::art::decoders
