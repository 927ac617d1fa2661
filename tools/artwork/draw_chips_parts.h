#pragma once
// Pieces shared by the drawings of the chip schemes: chip boxes with their pins, inverters on a
// wire between two indicators, bus bars and the numbers of their lines.

#include <QPointF>
#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/chip_pins.h"
#include "tools/artwork/canvas.h"

namespace kvir::art {

/// Space between an indicator column and the outline of the chip it feeds or is fed by.
inline constexpr qreal kChipGap = 14;
/// How far a scheme output's wire runs past its indicator.
inline constexpr qreal kStub = 4;
/// Line width of a bus bar.
inline constexpr qreal kBusWidth = 4;

/// "PREFIXnn" for nn = first … first + count - 1.
std::vector<std::string> Numbered(std::string_view prefix, int first, int count);
/// The vertical centre of an indicator: the row of the wire it lies on.
qreal Row(const Canvas& c, std::string_view indicator);

/// Where a chip sits: the indicators on its input pins (left of it) and on its output pins (right
/// of it), in the chip's pin order. The box fills the space between the two columns.
struct ChipSite {
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;
  QString name;  ///< written above the box when not empty
};

/// The 155ИВ1 encoder "CD": inputs 0 … 7 and V, outputs S, D1, D2, D3, every pin active low.
void Draw155IV1(Canvas& c, const ChipSite& site);
/// The 155ИД3 decoder "DC": inputs 1 … 4, S1, S2 (strobes active low), outputs 0 … 15.
void Draw155ID3(Canvas& c, const ChipSite& site);
/// The 155ИД4 dual decoder "2DC": inputs S1, Ē, A, B, S2, D, outputs E1 … E4, D1 … D4.
void Draw155ID4(Canvas& c, const ChipSite& site);

/// A wire along a row from `from` to `to`; when `inverted`, an inverter box "1" with its output
/// circle sits in the middle of it.
void Feed(Canvas& c, QPointF from, QPointF to, bool inverted = false);
/// Wires from the right edge of each `from` indicator to the left edge of the `to` indicator of
/// the same place, inverted where `inverted` says so (missing entries mean not inverted).
void FeedRows(Canvas& c, const std::vector<std::string>& from, const std::vector<std::string>& to,
              std::initializer_list<bool> inverted = {});
/// A bus bar through the points in order.
void BusBar(Canvas& c, std::initializer_list<QPointF> points);
/// The number of a bus line just above the line where it meets the bar at `at`; `side` -1 puts
/// it left of the bar, +1 right of it.
void BusLabel(Canvas& c, QPointF at, int side, const QString& text);
/// A line from the right edge of indicator `from` along its row into the bar at x `bar`, numbered
/// next to the bar.
void BusEntry(Canvas& c, std::string_view from, qreal bar, const QString& number);
/// A line leaving the bar at x `bar` along the row of indicator `to`, ending at its left edge,
/// numbered next to the bar.
void BusTap(Canvas& c, qreal bar, std::string_view to, const QString& number);

}  // namespace kvir::art
