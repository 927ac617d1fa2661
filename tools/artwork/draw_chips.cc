// Schemes 10 to 13: one chip each, its pins fed from a column of buttons.

#include <string>
#include <vector>

#include "core/routes.h"
#include "tools/artwork/draw_chips_parts.h"
#include "tools/artwork/drawings.h"

namespace kvir::art {
namespace {

static_assert(kRoute12 == RouteMap<6>{3, 0, 1, 2, 3, 0},
              "scheme 12's drawing wires S1 and S2 to line 3, Ē and D to line 0, A and B to 1, 2");

/// Scheme 12's bus: line 0 feeds Ē and D, lines 1 and 2 feed A and B, the inverted enable on
/// line 3 feeds both strobes. Each line runs straight to the pin on its own row and turns off at
/// a junction to its second pin.
void Scheme12Bus(Canvas& c) {
  const qreal from = c.Right("BUS00").x();
  const qreal to = c.Left("DC00").x();
  const qreal riser0 = from + (to - from) / 3;
  const qreal riser3 = from + 2 * (to - from) / 3;
  FeedRows(c, Numbered("BUS", 0, 4), {"DC01", "DC02", "DC03", "DC04"});
  const qreal line0 = Row(c, "BUS00");
  const qreal line3 = Row(c, "BUS03");
  c.Path({{riser0, line0}, {riser0, Row(c, "DC05")}, c.Left("DC05")});
  c.Junction({riser0, line0});
  c.Path({{riser3, line3}, {riser3, Row(c, "DC00")}, c.Left("DC00")});
  c.Junction({riser3, line3});
}

}  // namespace

void DrawScheme10(Canvas& c) {
  FeedRows(c, Numbered("IN", 0, 9), Numbered("CD", 0, 9),
           {true, true, true, true, true, true, true, true, true});
  Draw155IV1(c, {Numbered("CD", 0, 9), Numbered("OUT", 0, 4), {}});
}

void DrawScheme11(Canvas& c) {
  FeedRows(c, Numbered("IN", 0, 6), Numbered("DC", 0, 6), {true, true, false, false, true, false});
  Draw155ID4(c, {Numbered("DC", 0, 6), Numbered("OUT", 0, 8), {}});
}

void DrawScheme12(Canvas& c) {
  // The buttons, top to bottom: the code bits of weight 4, 2 and 1, then the enable.
  const std::vector<std::string> buttons = Numbered("IN", 0, 4);
  for (const std::string& button : buttons) {
    c.Text(c.Top(button) - QPointF(0, 8), c.Label(button), Align::kCenter);
  }
  FeedRows(c, buttons, Numbered("BUS", 0, 4), {false, false, false, true});
  Scheme12Bus(c);
  Draw155ID4(c, {Numbered("DC", 0, 6), Numbered("OUT", 0, 8), {}});
}

void DrawScheme13(Canvas& c) {
  FeedRows(c, Numbered("IN", 0, 6), Numbered("DC", 0, 6), {false, false, false, false, true, true});
  Draw155ID3(c, {Numbered("DC", 0, 6), Numbered("OUT", 0, 16), {}});
}

}  // namespace kvir::art
