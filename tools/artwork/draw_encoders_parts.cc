#include "tools/artwork/draw_encoders_parts.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace kvir::art::encoder {
namespace {

constexpr qreal kTextGap = 4;        // between a label and the square or bar it names
constexpr qreal kLineLabelRise = 7;  // a bus number sits this far above its wire
constexpr qreal kBarOverhang = 6;    // a bar reaches past its outermost wires
constexpr qreal kBarJoinAbove = 20;  // the run joining several bars lies above the top wire
constexpr qreal kPinToBox = 12;      // from a gate-input square to the gate box
constexpr qreal kBoxToOutput = 36;   // from a gate box to its output square
constexpr qreal kBoxInset = 2;       // a gate box ends this far inside its input squares
constexpr qreal kBarWidth = 4;
constexpr qreal kInverterHeight = 32;
constexpr qreal kInverterBend = 10;      // the wire into an output inverter bends this far out
constexpr qreal kInputInverterLead = 4;  // the inverters between buttons and bus are narrow
constexpr qreal kInputInverterHeight = 20;

const QString kOrSymbol = QStringLiteral("1");
const QString kAndSymbol = QStringLiteral("&");

void DrawInputInverter(Canvas& c, QPointF from, QPointF to) {
  const qreal left = from.x() + kInputInverterLead;
  const qreal right = to.x() - 2 * kBubbleRadius - 2;
  const QRectF box(left, from.y() - kInputInverterHeight / 2, right - left, kInputInverterHeight);
  c.Line(from, {left, from.y()});
  c.Element(box, QString());
  c.Text(box.center(), kOrSymbol, Align::kCenter);
  c.Bubble({right, from.y()}, +1);
  c.Line({right + 2 * kBubbleRadius, to.y()}, to);
}

}  // namespace

void DrawInputs(Canvas& c, int count, bool inverted) {
  for (int k = 0; k < count; ++k) {
    const std::string name = IndicatorName("IN", k);
    const QPointF button = c.Left(name);
    c.Text({button.x() - kTextGap, button.y()}, c.Label(name), Align::kRight);
    const QPointF from = c.Right(name);
    const QPointF to = c.Left(IndicatorName("BUS", k));
    if (inverted) {
      DrawInputInverter(c, from, to);
    } else {
      c.Line(from, to);
    }
  }
}

BusBar::BusBar(Canvas& c, std::vector<qreal> bars)
    : c_(c),
      bars_(std::move(bars)),
      top_(bars_.size(), std::numeric_limits<qreal>::max()),
      bottom_(bars_.size(), std::numeric_limits<qreal>::lowest()) {}

void BusBar::Enter(QPointF from, const QString& line) {
  c_.Line(from, {bars_.front(), from.y()});
  c_.Text({bars_.front() - kTextGap, from.y() - kLineLabelRise}, line, Align::kRight);
  Reach(0, from.y());
}

void BusBar::Leave(QPointF to, const QString& line) {
  const int bar = BarLeftOf(to.x());
  c_.Line({bars_[bar], to.y()}, to);
  c_.Text({bars_[bar] + kTextGap, to.y() - kLineLabelRise}, line);
  Reach(bar, to.y());
}

void BusBar::Draw() {
  const qreal top = *std::min_element(top_.begin(), top_.end());
  const bool joined = bars_.size() > 1;
  const qreal join = top - kBarJoinAbove;
  const qreal half = kBarWidth / 2;
  for (size_t i = 0; i < bars_.size(); ++i) {
    const qreal upper = joined ? join - half : top_[i] - kBarOverhang;
    c_.Bar({bars_[i], upper}, {bars_[i], bottom_[i] + kBarOverhang}, kBarWidth);
  }
  if (joined) c_.Bar({bars_.front() - half, join}, {bars_.back() + half, join}, kBarWidth);
}

int BusBar::BarLeftOf(qreal x) const {
  for (int i = static_cast<int>(bars_.size()) - 1; i >= 0; --i) {
    if (bars_[i] < x) return i;
  }
  throw std::logic_error("bus wire left of every bar");
}

void BusBar::Reach(int bar, qreal y) {
  top_[bar] = std::min(top_[bar], y);
  bottom_[bar] = std::max(bottom_[bar], y);
}

void DrawGate(Canvas& c, BusBar& bus, const GateDrawing& gate) {
  const std::string_view prefix = GateInputPrefix(gate.kind);
  const int inputs = gate.inputs;
  const QRectF first = c.Box(IndicatorName(prefix, gate.number, 0));
  const QRectF last = c.Box(IndicatorName(prefix, gate.number, inputs - 1));
  const QPointF output = c.Left(gate.output);
  const QRectF box(QPointF(first.right() + kPinToBox, first.top() + kBoxInset),
                   QPointF(output.x() - kBoxToOutput, last.bottom() - kBoxInset));
  for (int j = 0; j < inputs; ++j) {
    const std::string pin = IndicatorName(prefix, gate.number, j);
    bus.Leave(c.Left(pin), c.Label(pin));
    c.Line(c.Right(pin), {box.left(), c.Right(pin).y()});
  }
  c.Element(box, gate.kind == GateKind::kNand ? kAndSymbol : kOrSymbol);
  QPointF out(box.right(), output.y());
  if (gate.kind != GateKind::kOr) {
    c.Bubble(out, +1);
    out.rx() += 2 * kBubbleRadius;
  }
  c.Line(out, output);
}

void DrawInverter(Canvas& c, std::string_view from, std::string_view to) {
  const QPointF start = c.Right(from);
  const QPointF end = c.Left(to);
  const qreal bend = start.x() + kInverterBend;
  const QRectF box(QPointF(bend + kInverterBend, end.y() - kInverterHeight / 2),
                   QPointF(end.x() - kBoxToOutput, end.y() + kInverterHeight / 2));
  c.Path({start, {bend, start.y()}, {bend, end.y()}, {box.left(), end.y()}});
  c.Element(box, kOrSymbol);
  c.Bubble({box.right(), end.y()}, +1);
  c.Line({box.right() + 2 * kBubbleRadius, end.y()}, end);
}

void LabelOutput(Canvas& c, std::string_view indicator) {
  const QPointF right = c.Right(indicator);
  c.Text({right.x() + kTextGap, right.y()}, c.Label(indicator));
}

}  // namespace kvir::art::encoder
