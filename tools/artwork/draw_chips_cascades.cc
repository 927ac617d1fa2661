// Schemes 14 to 16: cascades of decoder chips fed from a bus, one chip's output enabling the next.

#include <string>
#include <vector>

#include "core/routes.h"
#include "tools/artwork/draw_chips_parts.h"
#include "tools/artwork/drawings.h"

namespace kvir::art {
namespace {

/// Buttons IN00 … (S inverted, the bits repeated) onto the bus input indicators and into the bar,
/// each line numbered with its label: the strobe S, then the code bits 1, 2, …
void ButtonsOntoBus(Canvas& c, int lines, qreal bar) {
  FeedRows(c, Numbered("IN", 0, lines), Numbered("BUSIN", 0, lines), {true});
  for (const std::string& line : Numbered("BUSIN", 0, lines)) {
    BusEntry(c, line, bar, c.Label(line));
  }
}

/// A wire from the right edge of `from` that turns down (or up) at x `turn` to the row of `to`
/// and ends at its left edge.
void Elbow(Canvas& c, std::string_view from, qreal turn, std::string_view to) {
  const QPointF start = c.Right(from);
  const QPointF end = c.Left(to);
  c.Path({start, {turn, start.y()}, {turn, end.y()}, end});
}

/// A branch leaving a wire at x `at` on the row of `on` and ending at the left edge of `to`.
void Branch(Canvas& c, qreal at, std::string_view on, std::string_view to) {
  const QPointF end = c.Left(to);
  c.Path({{at, Row(c, on)}, {at, end.y()}, end});
  c.Junction({at, Row(c, on)});
}

// Scheme 14 ------------------------------------------------------------------------------------

/// The chip pins off the bus as the scheme's routing map takes them: S and bits 1 … 3 straight
/// off the first bar to the left chip; bits 4 … 6 along the bar under the left chip to a second
/// bar in front of the right chip.
void Scheme14Bus(Canvas& c, qreal left_bar) {
  const qreal under = c.Bottom("DC00IN05").y() + 7;
  const qreal right_bar = c.Left("BUSOUT04").x() - 22;
  BusBar(c, {{left_bar, Row(c, "BUSIN00") - 8},
             {left_bar, under},
             {right_bar, under},
             {right_bar, Row(c, "BUSOUT04") - 8}});
  const std::vector<std::string> pins = {"DC00IN00", "DC00IN01", "DC00IN02", "DC00IN03",
                                         "DC00IN04", "DC00IN05", "DC01IN01", "DC01IN02",
                                         "DC01IN03", "DC01IN05"};
  constexpr size_t kFirstPinRoute = 7;
  for (size_t i = 0; i < pins.size(); ++i) {
    const int line = kRoute14[kFirstPinRoute + i];
    BusTap(c, line <= 3 ? left_bar : right_bar, pins[i], c.Label(IndicatorName("BUSIN", line)));
  }
}

/// D3 of the left chip through the bridge indicator to S1 of the right chip, branching to S2.
void Scheme14Bridge(Canvas& c) {
  const qreal turn = c.Left("DC00DC01BRIDGE").x() - 38;
  Elbow(c, "DC00OUT06", turn, "DC00DC01BRIDGE");
  c.Line(c.Right("DC00DC01BRIDGE"), c.Left("DC01IN00"));
  const qreal split = (c.Right("DC00DC01BRIDGE").x() + c.Left("DC01IN00").x()) / 2;
  Branch(c, split, "DC01IN00", "DC01IN04");
}

// Scheme 15 ------------------------------------------------------------------------------------

static_assert(kRoute15 == RouteMap<16>{0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7},
              "scheme 15's drawing takes bits 1 … 4 to D1 and bits 5 … 8 to D2");

/// Bits 1 … 4 from the bar to D1; bits 5 … 8 over the top of D1 to a second bar in front of D2.
void Scheme15Bus(Canvas& c, qreal left_bar) {
  const qreal over = c.Top("DC00IN00").y() - 24;
  const qreal right_bar = c.Left("DC01IN00").x() - 28;
  BusBar(c, {{left_bar, Row(c, "BUSIN08") + 4},
             {left_bar, over},
             {right_bar, over},
             {right_bar, Row(c, "DC01IN03") + 4}});
  for (int bit = 1; bit <= 8; ++bit) {
    BusEntry(c, IndicatorName("BUSIN", bit), left_bar, c.Label(IndicatorName("BUSIN", bit)));
  }
  for (int pin = 0; pin < 4; ++pin) {
    BusTap(c, left_bar, IndicatorName("DC00IN", pin), c.Label(IndicatorName("BUSIN", pin + 1)));
    BusTap(c, right_bar, IndicatorName("DC01IN", pin), c.Label(IndicatorName("BUSIN", pin + 5)));
  }
}

/// The strobe S, inverted, to both strobes of D1.
void Scheme15Strobe(Canvas& c) {
  FeedRows(c, {"IN09"}, {"BUSS0IN"}, {true});
  const qreal split = c.Left("DC00IN05").x() - 20;
  c.Line(c.Right("BUSS0IN"), c.Left("DC00IN05"));
  Branch(c, split, "DC00IN05", "DC00IN04");
  BusLabel(c, {split, Row(c, "BUSS0IN")}, -1, "S");
}

/// Output 5 of D1 down to the strobe link indicator and on to both strobes of D2.
void Scheme15Link(Canvas& c) {
  Elbow(c, "DC00OUT05", c.Left("BUSS1IN").x() - 7, "BUSS1IN");
  c.Line(c.Right("BUSS1IN"), c.Left("DC01IN05"));
  const qreal split = (c.Right("BUSS1IN").x() + c.Left("DC01IN05").x()) / 2;
  Branch(c, split, "DC01IN05", "DC01IN04");
}

// Scheme 16 ------------------------------------------------------------------------------------

/// Lines S, 1 … 6 off the bar to D1 and D2; bits 7 … 10 over the top of D1 to a second bar in
/// front of D3's address pins.
void Scheme16Bus(Canvas& c, qreal left_bar) {
  const qreal over = c.Top("DC00IN00").y() - 24;
  const qreal right_bar = c.Left("BUSOUT10").x() - 28;
  BusBar(c, {{left_bar, Row(c, "BUSOUT06")},
             {left_bar, over},
             {right_bar, over},
             {right_bar, Row(c, "BUSOUT07") + 4}});
  for (int line = 0; line <= 6; ++line) {
    BusTap(c, left_bar, IndicatorName("BUSOUT", line), c.Label(IndicatorName("BUSOUT", line)));
  }
  for (int bit = 7; bit <= 10; ++bit) {
    BusTap(c, right_bar, IndicatorName("BUSOUT", bit), c.Label(IndicatorName("BUSOUT", bit)));
  }
}

/// From the bus output indicators to the pins of D1 and D2: S to all four strobes, bit 1 to Ē and
/// D of D1, bit 4 to Ē and D of D2, the others straight across.
void Scheme16Fanout(Canvas& c) {
  FeedRows(c, Numbered("BUSOUT", 0, 7),
           {"DC00IN00", "DC00IN01", "DC00IN02", "DC00IN03", "DC01IN01", "DC01IN02", "DC01IN03"});
  const qreal strobe = c.Right("BUSOUT00").x() + 16;
  const qreal enable = c.Left("DC00IN00").x() - 26;
  Branch(c, strobe, "BUSOUT00", "DC00IN04");
  Branch(c, strobe, "DC00IN04", "DC01IN00");
  Branch(c, strobe, "DC01IN00", "DC01IN04");
  Branch(c, enable, "BUSOUT01", "DC00IN05");
  Branch(c, enable, "BUSOUT04", "DC01IN05");
}

/// D1's output D2 to D3's S1 and D2's output E3 to D3's S2, each through its strobe indicator.
void Scheme16Links(Canvas& c) {
  Elbow(c, "DC00OUT05", c.Left("DC02S01").x() - 12, "DC02S01");
  Elbow(c, "DC01OUT02", c.Left("DC02S02").x() - 24, "DC02S02");
}

}  // namespace

void DrawScheme14(Canvas& c) {
  const qreal bar = (c.Right("BUSIN00").x() + c.Left("BUSOUT00").x()) / 2;
  ButtonsOntoBus(c, 7, bar);
  Scheme14Bus(c, bar);
  Scheme14Bridge(c);
  Draw155ID4(c, {Numbered("DC00IN", 0, 6), Numbered("DC00OUT", 0, 8), "D1"});
  Draw155ID4(c, {Numbered("DC01IN", 0, 6), Numbered("OUT", 0, 8), "D2"});
}

void DrawScheme15(Canvas& c) {
  FeedRows(c, Numbered("IN", 1, 8), Numbered("BUSIN", 1, 8));
  Scheme15Bus(c, (c.Right("BUSIN01").x() + c.Left("DC00IN00").x()) / 2);
  Scheme15Strobe(c);
  Scheme15Link(c);
  Draw155ID3(c, {Numbered("DC00IN", 0, 6), Numbered("DC00OUT", 0, 16), "D1"});
  Draw155ID3(c, {Numbered("DC01IN", 0, 6), Numbered("OUT", 0, 16), "D2"});
}

void DrawScheme16(Canvas& c) {
  const qreal bar = (c.Right("BUSIN00").x() + c.Left("BUSOUT00").x()) / 2;
  ButtonsOntoBus(c, 11, bar);
  Scheme16Bus(c, bar);
  Scheme16Fanout(c);
  Scheme16Links(c);
  Draw155ID4(c, {Numbered("DC00IN", 0, 6), Numbered("DC00OUT", 0, 8), "D1"});
  Draw155ID4(c, {Numbered("DC01IN", 0, 6), Numbered("DC01OUT", 0, 8), "D2"});
  Draw155ID3(c, {{"BUSOUT10", "BUSOUT09", "BUSOUT08", "BUSOUT07", "DC02S01", "DC02S02"},
                 Numbered("OUT", 0, 16),
                 "D3"});
}

}  // namespace kvir::art
