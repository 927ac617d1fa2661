// The encoders on gates: buttons Y0 … into a numbered bus, the bus routed to one gate per output
// bit, the gates driving X0 ….

#include <algorithm>
#include <vector>

#include "circuit/gate_schemes.h"
#include "tools/artwork/draw_encoders_parts.h"
#include "tools/artwork/drawings.h"

namespace kvir::art {
namespace {

using encoder::BusBar;

constexpr qreal kBarBeforeGateInputs = 24;

int InputsPerGate(const GateSchemeRow& e) {
  return (1 << e.bits) / 2;
}

/// One bar in front of each column of gate inputs.
std::vector<qreal> BarPositions(Canvas& c, const GateSchemeRow& e) {
  std::vector<qreal> bars;
  for (int n = 0; n < e.bits; ++n) {
    const qreal x =
        c.Box(IndicatorName(GateInputPrefix(e.gate), n, 0)).left() - kBarBeforeGateInputs;
    if (std::find(bars.begin(), bars.end(), x) == bars.end()) bars.push_back(x);
  }
  std::sort(bars.begin(), bars.end());
  return bars;
}

void DrawOutputStage(Canvas& c, BusBar& bus, const GateSchemeRow& e, int n) {
  const std::string out = IndicatorName("OUT", n);
  const bool nor = e.gate == GateKind::kNor;
  encoder::DrawGate(c, bus,
                    {.number = n,
                     .kind = e.gate,
                     .inputs = InputsPerGate(e),
                     .output = nor ? IndicatorName("NOT", n) : out});
  if (nor) encoder::DrawInverter(c, IndicatorName("NOT", n), out);
  encoder::LabelOutput(c, out);
}

}  // namespace

void DrawGateEncoder(Canvas& c) {
  const GateSchemeRow& e = *FindGateScheme(c.scheme().number());
  const int inputs = 1 << e.bits;
  encoder::DrawInputs(c, inputs, e.inverted_inputs);
  BusBar bus(c, BarPositions(c, e));
  for (int k = 0; k < inputs; ++k) {
    const std::string line = IndicatorName("BUS", k);
    bus.Enter(c.Right(line), c.Label(line));
  }
  for (int n = 0; n < e.bits; ++n) DrawOutputStage(c, bus, e, n);
  bus.Draw();
}

}  // namespace kvir::art
