#pragma once
// Building blocks of the encoder drawings: the input column, the numbered bus and the gates.

#include <string>
#include <string_view>
#include <vector>

#include "circuit/gate_schemes.h"
#include "tools/artwork/canvas.h"

namespace kvir::art::encoder {

/// Labels the input buttons (Y0 …) and wires each to its bus indicator, through an inverter with
/// an output circle when `inverted`.
void DrawInputs(Canvas& c, int count, bool inverted);

/// A bus drawn as bold bars, one per gate column, joined along the top; every line entering or
/// leaving it carries its bus number next to the bar.
class BusBar {
 public:
  /// Bars at the given x, left to right.
  BusBar(Canvas& c, std::vector<qreal> bars);

  /// A wire from `from` (left of the first bar) into the first bar, numbered `line`.
  void Enter(QPointF from, const QString& line);
  /// A wire from the nearest bar left of `to` out to `to`, numbered `line`.
  void Leave(QPointF to, const QString& line);
  /// The bars themselves; call after every Enter and Leave.
  void Draw();

 private:
  int BarLeftOf(qreal x) const;
  void Reach(int bar, qreal y);

  Canvas& c_;
  std::vector<qreal> bars_;
  std::vector<qreal> top_;
  std::vector<qreal> bottom_;
};

/// One gate: its input indicators, each fed from the bus line it is labelled with, and its output.
struct GateDrawing {
  int number = 0;
  GateKind kind = GateKind::kOr;
  int inputs = 0;
  std::string output;  ///< the indicator the gate output runs into
};

/// Draws the bus wires to a gate's inputs, the wires into its box, the box and its output wire.
void DrawGate(Canvas& c, BusBar& bus, const GateDrawing& gate);

/// An inverter between two indicators; the wire bends down to the level of `to` first.
void DrawInverter(Canvas& c, std::string_view from, std::string_view to);

/// The label of an output indicator right of it.
void LabelOutput(Canvas& c, std::string_view indicator);

}  // namespace kvir::art::encoder
