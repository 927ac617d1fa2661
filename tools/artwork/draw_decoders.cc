// The decoders on gates: inputs with their inverters feeding one bus of numbered true and
// complement lines, and a rank of gates whose inputs are tapped from it by line number.

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "circuit/gate_schemes.h"
#include "tools/artwork/draw_decoders_parts.h"
#include "tools/artwork/drawings.h"

namespace kvir::art {
namespace {

using decoders::DrawBusPath;
using decoders::DrawBusTap;
using decoders::DrawGate;
using decoders::DrawInputStage;
using decoders::kTapLength;

struct DecoderArt {
  GateKind kind;
  std::span<const int> inputs_top_down;  ///< row i drives bus lines 2i + 1 and 2i + 2
  std::span<const int> columns;          ///< first gate of each column, then the gate count
  int gate_inputs;
};

// Further gate columns are fed by a bus running this far below the top of the picture.
constexpr qreal kFeedDrop = 10.0;

/// The vertical extent a bus bar must cover.
struct Reach {
  qreal top = std::numeric_limits<qreal>::max();
  qreal bottom = std::numeric_limits<qreal>::lowest();
  void Add(qreal y) {
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
};

qreal ColumnBarX(const Canvas& c, const DecoderArt& art, int first_gate) {
  return c.Box(IndicatorName(GateInputPrefix(art.kind), first_gate, 0)).left() - kTapLength;
}

Reach DrawInputs(Canvas& c, const DecoderArt& art, qreal bar_x) {
  Reach reach;
  for (size_t row = 0; row < art.inputs_top_down.size(); ++row) {
    const int line = 2 * static_cast<int>(row) + 1;
    reach.Add(DrawInputStage(c, art.inputs_top_down[row], line, bar_x).y());
  }
  return reach;
}

Reach DrawColumn(Canvas& c, const DecoderArt& art, size_t column) {
  const int first = art.columns[column];
  const qreal bar_x = ColumnBarX(c, art, first);
  const std::string_view prefix = GateInputPrefix(art.kind);
  Reach reach;
  for (int gate = first; gate < art.columns[column + 1]; ++gate) {
    DrawGate(c, art.kind, gate, art.gate_inputs);
    for (int j = 0; j < art.gate_inputs; ++j) {
      reach.Add(DrawBusTap(c, bar_x, IndicatorName(prefix, gate, j)).y());
    }
  }
  return reach;
}

// One bar per column; several columns hang from a feed along the top of the picture.
void DrawBars(Canvas& c, const DecoderArt& art, const std::vector<Reach>& reach) {
  const size_t last = reach.size() - 1;
  std::vector<qreal> x;
  for (size_t col = 0; col <= last; ++col) x.push_back(ColumnBarX(c, art, art.columns[col]));
  if (last == 0) {
    const std::array<QPointF, 2> bar = {QPointF(x[0], reach[0].top), {x[0], reach[0].bottom}};
    DrawBusPath(c, bar);
    return;
  }
  const qreal feed = c.shown().picture().top + kFeedDrop;
  const std::array<QPointF, 4> outer = {
      QPointF(x[0], reach[0].bottom), {x[0], feed}, {x[last], feed}, {x[last], reach[last].bottom}};
  DrawBusPath(c, outer);
  for (size_t col = 1; col < last; ++col) {
    const std::array<QPointF, 2> bar = {QPointF(x[col], feed), {x[col], reach[col].bottom}};
    DrawBusPath(c, bar);
  }
}

void DrawDecoder(Canvas& c, const DecoderArt& art) {
  std::vector<Reach> reach;
  for (size_t col = 0; col + 1 < art.columns.size(); ++col)
    reach.push_back(DrawColumn(c, art, col));
  const Reach inputs = DrawInputs(c, art, ColumnBarX(c, art, art.columns[0]));
  reach[0].Add(inputs.top);
  reach[0].Add(inputs.bottom);
  DrawBars(c, art, reach);
}

// Three-bit decoders: X0 on top; four-bit decoders: X3 on top.
constexpr std::array<int, 3> kInputs3 = {0, 1, 2};
constexpr std::array<int, 4> kInputs4 = {3, 2, 1, 0};

}  // namespace

void DrawGateDecoder(Canvas& c) {
  const GateSchemeRow& row = *FindGateScheme(c.scheme().number());
  const std::span<const int> inputs =
      row.bits == 3 ? std::span<const int>(kInputs3) : std::span<const int>(kInputs4);
  DrawDecoder(c, {row.gate, inputs, DecoderColumns(row.bits), row.bits});
}

}  // namespace kvir::art
