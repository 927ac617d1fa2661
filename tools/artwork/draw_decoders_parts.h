#pragma once
// Pieces shared by the drawings of the decoders on gates: the input stage with its inverter, the
// bus bar of numbered lines, and the gates fed from it.

#include <span>
#include <string>
#include <string_view>

#include "tools/artwork/canvas.h"

namespace kvir::art::decoders {

enum class GateKind { kAnd, kNor };

/// Length of the wire between a bus bar and the gate-input indicators it feeds.
inline constexpr qreal kTapLength = 24.0;

/// "IN00", "BUS03", "AND0102": the prefix followed by one or two two-digit numbers.
std::string IndicatorName(std::string_view prefix, int first, int second = -1);

/// The prefix of the gate-input indicators of a gate kind ("AND", "ORNOT").
std::string_view GateInputPrefix(GateKind kind);

/// Input `input` (labelled X`input`) driving bus line `line` directly and line + 1 through an
/// inverter; both lines run through their indicators and join the bar at `bar_x`. Returns the
/// lower point where they join it.
QPointF DrawInputStage(Canvas& c, int input, int line, qreal bar_x);

/// Line `line` leaving the bar at `bar_x` for the gate input whose wire ends at `to`, numbered.
/// Returns the point where it leaves the bar.
QPointF DrawBusTap(Canvas& c, qreal bar_x, QPointF to, int line);

/// A bold bus bar through the points in order.
void DrawBusPath(Canvas& c, std::span<const QPointF> points);

/// Gate `gate` with `inputs` inputs: box, symbol, input wires from its gate-input indicators,
/// output wire to its output indicator and the label Y`gate`.
void DrawGate(Canvas& c, GateKind kind, int gate, int inputs);

}  // namespace kvir::art::decoders
