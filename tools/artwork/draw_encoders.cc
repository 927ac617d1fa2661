// The encoders on gates: buttons Y0 … into a numbered bus, the bus routed to one gate per output
// bit, the gates driving X0 ….

#include <algorithm>
#include <span>
#include <vector>

#include "core/routes.h"
#include "tools/artwork/draw_encoders_parts.h"
#include "tools/artwork/drawings.h"

namespace kvir::art {
namespace {

using encoder::GateKind;
using encoder::Name;

constexpr qreal kBarBeforeGateInputs = 24;

struct EncoderDrawing {
  int bits = 0;
  bool inverted_inputs = false;
  GateKind kind = GateKind::kOr;
  std::string_view prefix;         ///< of the gate-input indicators
  std::span<const uint8_t> route;  ///< bus line of each gate input, gate 0's inputs first
};

int InputsPerGate(const EncoderDrawing& e) {
  return static_cast<int>(e.route.size()) / e.bits;
}

/// One bar in front of each column of gate inputs.
std::vector<qreal> BarPositions(Canvas& c, const EncoderDrawing& e) {
  std::vector<qreal> bars;
  for (int n = 0; n < e.bits; ++n) {
    const qreal x = c.Box(Name(e.prefix, n, 0)).left() - kBarBeforeGateInputs;
    if (std::find(bars.begin(), bars.end(), x) == bars.end()) bars.push_back(x);
  }
  std::sort(bars.begin(), bars.end());
  return bars;
}

void DrawOutputStage(Canvas& c, encoder::BusBar& bus, const EncoderDrawing& e, int n) {
  const int per_gate = InputsPerGate(e);
  const std::string out = Name("OUT", n);
  const bool nor = e.kind == GateKind::kNor;
  encoder::DrawGate(c, bus,
                    {.prefix = e.prefix,
                     .number = n,
                     .kind = e.kind,
                     .lines = e.route.subspan(n * per_gate, per_gate),
                     .output = nor ? Name("NOT", n) : out});
  if (nor) encoder::DrawInverter(c, Name("NOT", n), out);
  encoder::LabelOutput(c, out, QStringLiteral("X%1").arg(n));
}

void DrawEncoder(Canvas& c, const EncoderDrawing& e) {
  const int inputs = 1 << e.bits;
  encoder::DrawInputs(c, inputs, e.inverted_inputs);
  encoder::BusBar bus(c, BarPositions(c, e));
  for (int k = 0; k < inputs; ++k) bus.Enter(c.Right(Name("BUS", k)), k);
  for (int n = 0; n < e.bits; ++n) DrawOutputStage(c, bus, e, n);
  bus.Draw();
}

}  // namespace

void DrawScheme01(Canvas& c) {
  DrawEncoder(c, {3, false, GateKind::kOr, "OR", kRoute01});
}
void DrawScheme02(Canvas& c) {
  DrawEncoder(c, {3, true, GateKind::kNand, "ANDNOT", kRoute01});
}
void DrawScheme03(Canvas& c) {
  DrawEncoder(c, {4, false, GateKind::kOr, "OR", kRoute03});
}
void DrawScheme04(Canvas& c) {
  DrawEncoder(c, {4, false, GateKind::kNor, "ORNOT", kRoute03});
}
void DrawScheme05(Canvas& c) {
  DrawEncoder(c, {4, true, GateKind::kNand, "ANDNOT", kRoute03});
}

}  // namespace kvir::art
