#pragma once
// Pieces shared by the drawings of the decoders on gates: the input stage with its inverter, the
// bus bar of numbered lines, and the gates fed from it.

#include <span>
#include <string>
#include <string_view>

#include "circuit/gate_schemes.h"
#include "tools/artwork/canvas.h"

namespace kvir::art::decoders {

/// Length of the wire between a bus bar and the gate-input indicators it feeds.
inline constexpr qreal kTapLength = 24.0;

/// Input `input` (with its label, X0 …) driving bus line `line` directly and line + 1 through an
/// inverter; both lines run through their indicators and join the bar at `bar_x`, numbered with
/// their labels. Returns the lower point where they join it.
QPointF DrawInputStage(Canvas& c, int input, int line, qreal bar_x);

/// The line feeding gate input `pin` leaving the bar at `bar_x`, numbered with the pin's label.
/// Returns the point where it leaves the bar.
QPointF DrawBusTap(Canvas& c, qreal bar_x, std::string_view pin);

/// A bold bus bar through the points in order.
void DrawBusPath(Canvas& c, std::span<const QPointF> points);

/// Gate `gate` with `inputs` inputs: box, symbol, input wires from its gate-input indicators,
/// output wire to its output indicator and that indicator's label (Y0 …).
void DrawGate(Canvas& c, GateKind kind, int gate, int inputs);

}  // namespace kvir::art::decoders
