#pragma once
// Building blocks of the encoder drawings: the input column, the numbered bus and the gates.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/artwork/canvas.h"

namespace kvir::art::encoder {

/// "IN05": an indicator name from its prefix and a two-digit number.
std::string Name(std::string_view prefix, int number);
/// "OR0102": an indicator name from its prefix, gate number and input number.
std::string Name(std::string_view prefix, int gate, int input);

/// Labels the input buttons Y0 … and wires each to its bus indicator, through an inverter with
/// an output circle when `inverted`.
void DrawInputs(Canvas& c, int count, bool inverted);

/// A bus drawn as bold bars, one per gate column, joined along the top; every line entering or
/// leaving it carries its bus number next to the bar.
class BusBar {
 public:
  /// Bars at the given x, left to right.
  BusBar(Canvas& c, std::vector<qreal> bars);

  /// A wire from `from` (left of the first bar) into the first bar.
  void Enter(QPointF from, int line);
  /// A wire from the nearest bar left of `to` out to `to`.
  void Leave(QPointF to, int line);
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

enum class GateKind { kOr, kNand, kNor };

/// One gate: its input indicators, fed from the bus in the order of `lines`, and its output.
struct GateDrawing {
  std::string_view prefix;  ///< of the gate-input indicators: "OR", "ANDNOT", "ORNOT"
  int number = 0;
  GateKind kind = GateKind::kOr;
  std::span<const uint8_t> lines;  ///< the bus line of each input
  std::string output;              ///< the indicator the gate output runs into
};

/// Draws the bus wires to a gate's inputs, the wires into its box, the box and its output wire.
void DrawGate(Canvas& c, BusBar& bus, const GateDrawing& gate);

/// An inverter between two indicators; the wire bends down to the level of `to` first.
void DrawInverter(Canvas& c, std::string_view from, std::string_view to);

/// The output name right of an output indicator.
void LabelOutput(Canvas& c, std::string_view indicator, const QString& label);

}  // namespace kvir::art::encoder
