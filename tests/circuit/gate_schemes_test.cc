// Schemes 01–09, the encoders and decoders on gates, driven through their press procedures.

#include <gtest/gtest.h>
#include <optional>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "circuit/gate_schemes.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::BuiltSchemes;
using testing::StepRecorder;

/// A scheme on gates as the tests see it: its row of circuit/gate_schemes.h and what follows.
struct GateScheme {
  int number;
  bool decoder;
  int bits;               ///< width of the binary number
  std::string_view gate;  ///< prefix of the gate-input names
  /// Encoders: the level the pressed input puts on its bus line and gate input.
  /// Decoders: the level of every input of the selected gate.
  int level;
  bool msb_on_top;       ///< decoders whose bus line 1 carries the most significant input
  bool has_nor_outputs;  ///< NOTnn lamps between the NOR gates and the output inverters
};

void PrintTo(const GateScheme& c, std::ostream* os) {
  *os << "scheme " << c.number;
}

std::vector<GateScheme> Schemes(std::span<const GateSchemeRow> rows, bool decoder) {
  std::vector<GateScheme> out;
  for (const GateSchemeRow& r : rows) {
    const bool inverting = decoder ? r.gate == GateKind::kNor : r.inverted_inputs;
    out.push_back({r.number, decoder, r.bits, GateInputPrefix(r.gate), inverting ? 0 : 1,
                   decoder && r.bits == 4, !decoder && r.gate == GateKind::kNor});
  }
  return out;
}
const std::vector<GateScheme> kEncoders = Schemes(kGateEncoders, false);
const std::vector<GateScheme> kDecoders = Schemes(kGateDecoders, true);

int Bit(int value, int bit) {
  return (value >> bit) & 1;
}
int Cell(Scheme& s, const std::string& name) {
  return s.At(name).Tag;
}
int ButtonCount(const GateScheme& c) {
  return c.decoder ? c.bits : 1 << c.bits;
}

void ExpectShownMatchesCells(const Scheme& s) {
  const PanelPictures& shown = testing::ShownOn(s);
  const std::span<const Indicator> indicators = shown.scheme().indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Indicator& ind = indicators[i];
    const std::string want =
        std::string(ind.is_button ? "BUTTON" : "BIT") + std::to_string(ind.Tag) + "PNG";
    EXPECT_EQ(shown.shown_resource(i), want) << ind.name;
    EXPECT_FALSE(shown.shown(i).empty()) << ind.name;
  }
}

// Input k pressed: only bus line k carries `level`. Gate g reads the bus lines whose number has
// bit g set, in rising order, so only its input at k's rank among them carries it.
void ExpectEncoderState(Scheme& s, const GateScheme& c, int k) {
  const int inputs = 1 << c.bits;
  for (int i = 0; i < inputs; ++i) {
    EXPECT_EQ(Cell(s, IndicatorName("IN", i)), i == k ? 1 : 0) << "IN" << i;
    EXPECT_EQ(Cell(s, IndicatorName("BUS", i)), i == k ? c.level : 1 - c.level) << "BUS" << i;
  }
  for (int g = 0; g < c.bits; ++g) {
    int rank = 0;
    for (int m = 0; m < k; ++m) rank += Bit(m, g);
    for (int j = 0; j < inputs / 2; ++j) {
      const bool carries = Bit(k, g) == 1 && j == rank;
      EXPECT_EQ(Cell(s, IndicatorName(c.gate, g, j)), carries ? c.level : 1 - c.level)
          << IndicatorName(c.gate, g, j);
    }
    EXPECT_EQ(Cell(s, IndicatorName("OUT", g)), Bit(k, g)) << "OUT" << g;
    if (c.has_nor_outputs) {
      EXPECT_EQ(Cell(s, IndicatorName("NOT", g)), 1 - Bit(k, g)) << "NOT" << g;
    }
  }
  ExpectShownMatchesCells(s);
}

// Inputs reading n: bus line 2p + 1 carries one input and line 2p + 2 its complement. Input j of
// gate g tests one bit and is at `level` exactly when g agrees with n in that bit.
void ExpectDecoderState(Scheme& s, const GateScheme& c, int n) {
  const auto tested_bit = [&](int position) {
    return c.msb_on_top ? c.bits - 1 - position : position;
  };
  for (int b = 0; b < c.bits; ++b)
    EXPECT_EQ(Cell(s, IndicatorName("IN", b)), Bit(n, b)) << "IN" << b;
  for (int p = 0; p < c.bits; ++p) {
    const int value = Bit(n, tested_bit(p));
    EXPECT_EQ(Cell(s, IndicatorName("BUS", 2 * p + 1)), value) << "BUS" << 2 * p + 1;
    EXPECT_EQ(Cell(s, IndicatorName("BUS", 2 * p + 2)), 1 - value) << "BUS" << 2 * p + 2;
  }
  for (int g = 0; g < (1 << c.bits); ++g) {
    for (int j = 0; j < c.bits; ++j) {
      const bool agrees = Bit(n, tested_bit(j)) == Bit(g, tested_bit(j));
      EXPECT_EQ(Cell(s, IndicatorName(c.gate, g, j)), agrees ? c.level : 1 - c.level)
          << IndicatorName(c.gate, g, j);
    }
    EXPECT_EQ(Cell(s, IndicatorName("OUT", g)), g == n ? 1 : 0) << "OUT" << g;
  }
  ExpectShownMatchesCells(s);
}

void ExpectState(Scheme& s, const GateScheme& c, int value) {
  SCOPED_TRACE("scheme " + std::to_string(c.number) + ", value " + std::to_string(value));
  if (c.decoder) {
    ExpectDecoderState(s, c, value);
  } else {
    ExpectEncoderState(s, c, value);
  }
}

using Snapshot = std::vector<std::tuple<int32_t, std::string_view, PixelBytes>>;

Snapshot Take(const Scheme& s) {
  const PanelPictures& shown = testing::ShownOn(s);
  Snapshot out;
  const std::span<const Indicator> indicators = shown.scheme().indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    out.emplace_back(indicators[i].Tag, shown.shown_resource(i), shown.shown(i).pixels);
  }
  return out;
}

// Every press redraws every indicator once.
int Indicators(const Scheme& s) {
  return static_cast<int>(s.indicators().size());
}

int Draws(const StepRecorder& rec) {
  int draws = 0;
  for (const std::string& step : rec.steps) draws += step.starts_with("draw ");
  return draws;
}

class GateSchemeTest : public ::testing::TestWithParam<GateScheme> {
 protected:
  const GateScheme& c() { return GetParam(); }
  Scheme& Select() { return built.Select(c().number); }
  void Press(std::string_view list) { built.Press(c().number, list); }
  BuiltSchemes built;
};

std::string ParamName(const ::testing::TestParamInfo<GateScheme>& info) {
  return IndicatorName("Scheme", info.param.number);
}

TEST_P(GateSchemeTest, IndicatorsLieOnThePictureWithoutOverlapping) {
  const Scheme& s = built.set.scheme(c().number);
  const PictureControl& p = built.Shown(s).picture();
  EXPECT_EQ(p.Tag, c().number);
  EXPECT_LE(p.left + p.width, 820);
  EXPECT_LE(p.top + p.height, 665);
  EXPECT_EQ(static_cast<int>(s.buttons.size()), ButtonCount(c()));
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    const Indicator& a = s.indicators()[i];
    EXPECT_TRUE(a.left >= p.left && a.top >= p.top && a.left + 24 <= p.left + p.width &&
                a.top + 24 <= p.top + p.height)
        << a.name << " off the picture";
    for (size_t j = i + 1; j < s.indicators().size(); ++j) {
      const Indicator& b = s.indicators()[j];
      EXPECT_TRUE(std::abs(a.left - b.left) >= 24 || std::abs(a.top - b.top) >= 24)
          << a.name << " overlaps " << b.name;
    }
  }
}

// The routing element of a decoder has an unwired input 0; nothing else is unwired.
TEST_P(GateSchemeTest, OnlyTheDecoderRoutingInputZeroIsUnwired) {
  Scheme& s = built.set.scheme(c().number);
  std::vector<std::pair<size_t, size_t>> unwired;
  size_t routing = 0;
  for (size_t e = 0; e < s.elements.size(); ++e) {
    const TSE& element = *s.elements[e];
    for (size_t i = 0; i < element.FInputs.size(); ++i) {
      if (element.FInputs[i] == nullptr) unwired.emplace_back(e, i);
    }
    if (element.FOutputs[0] == &s.At(IndicatorName(c().gate, 0, 0)).Tag) routing = e;
  }
  using Unwired = std::vector<std::pair<size_t, size_t>>;
  const Unwired expected = c().decoder ? Unwired{{routing, 0}} : Unwired{};
  EXPECT_EQ(unwired, expected);
  EXPECT_EQ(s.elements[routing]->FInputs.size(), c().decoder ? 2u * c().bits + 1 : 1u << c().bits);
}

// Each press redraws the buttons first, then after each run of elements exactly the lamps that
// run wrote, each group in name order.
TEST_P(GateSchemeTest, PressRedrawsEachLampRightAfterTheRunThatWroteIt) {
  Scheme& s = Select();
  std::map<const int32_t*, int> writer;
  for (size_t e = 0; e < s.elements.size(); ++e) {
    for (PSignal out : s.elements[e]->FOutputs) writer[out] = static_cast<int>(e) + 1;
  }
  StepRecorder rec;
  rec.Attach(s);
  Press("IN01");
  rec.Detach();
  EXPECT_EQ(Draws(rec), Indicators(s));
  std::vector<int> run;
  std::string previous_draw;
  bool drawing = true;
  for (const std::string& step : rec.steps) {
    if (step.starts_with("exec ")) {
      if (drawing) run.clear();
      drawing = false;
      run.push_back(std::stoi(step.substr(5)));
      continue;
    }
    const std::string name = step.substr(5, step.rfind(' ') - 5);
    if (!drawing) previous_draw.clear();
    drawing = true;
    EXPECT_LT(previous_draw, name) << "redraw order within a group";
    previous_draw = name;
    const Indicator& ind = s.At(name);
    if (ind.is_button) {
      EXPECT_TRUE(run.empty()) << name << " drawn after an element ran";
    } else {
      EXPECT_NE(std::find(run.begin(), run.end(), writer[&ind.Tag]), run.end())
          << name << " drawn away from its writer";
    }
  }
}

TEST_P(GateSchemeTest, SelectionShowsTheInitialStateWhateverWasSetBefore) {
  Scheme& s = Select();
  EXPECT_EQ(built.host.shown(), c().number);
  ExpectState(s, c(), 0);
  std::string dirty = IndicatorName("IN", ButtonCount(c()) - 1);
  if (c().decoder) {
    for (int b = 1; b < c().bits - 1; ++b) dirty += " " + IndicatorName("IN", b);
  }
  Press(dirty);
  Select();
  ExpectState(s, c(), 0);

  Press(dirty);
  const int other = c().number == 1 ? 2 : 1;
  built.Select(other);
  EXPECT_EQ(built.host.shown(), other);
  const PanelPictures fresh(s);  // shows only what the selection redraws
  StepRecorder rec;
  rec.Attach(s);
  Select();
  rec.Detach();
  EXPECT_EQ(built.host.shown(), c().number);
  EXPECT_EQ(Draws(rec), Indicators(s));
  ExpectState(s, c(), 0);
}

// Every gate input is labelled with the bus line it reads: after any press both carry one level.
TEST_P(GateSchemeTest, GateInputsCarryTheBusLineOfTheirLabel) {
  Scheme& s = Select();
  Press(c().decoder ? "IN00 IN02" : "IN05");
  for (int g = 0; g < (c().decoder ? 1 << c().bits : c().bits); ++g) {
    for (int j = 0; j < (c().decoder ? c().bits : 1 << (c().bits - 1)); ++j) {
      const Indicator& input = s.At(IndicatorName(c().gate, g, j));
      EXPECT_EQ(input.role, Role::kGateInput);
      EXPECT_EQ(input.Tag, s.At(IndicatorName("BUS", std::stoi(input.label))).Tag) << input.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Encoders, GateSchemeTest, ::testing::ValuesIn(kEncoders), ParamName);
INSTANTIATE_TEST_SUITE_P(Decoders, GateSchemeTest, ::testing::ValuesIn(kDecoders), ParamName);

using EncoderTest = GateSchemeTest;

TEST_P(EncoderTest, EachButtonShowsItsNumber) {
  Scheme& s = Select();
  for (int k = (1 << c().bits) - 1; k >= 0; --k) {
    Press(IndicatorName("IN", k));
    ExpectState(s, c(), k);
  }
}

// A press always leaves exactly one input at 1; pressing the pressed one changes no cell but
// still redraws every indicator.
TEST_P(EncoderTest, PressingThePressedButtonOnlyRedraws) {
  Scheme& s = Select();
  const int last = (1 << c().bits) - 1;
  int previous = 0;
  for (int k : {5, 5, 2, last, last, 0, 0}) {
    const Snapshot before = Take(s);
    std::optional<PanelPictures> fresh;  // shows only what the press redraws
    if (k == previous) fresh.emplace(s);
    StepRecorder rec;
    rec.Attach(s);
    Press(IndicatorName("IN", k));
    rec.Detach();
    EXPECT_EQ(Draws(rec), Indicators(s));
    ExpectState(s, c(), k);
    if (k == previous) {
      EXPECT_EQ(Take(s), before) << "pressed IN" << k << " again";
    }
    previous = k;
  }
}

/// The number the outputs show, each weighing 2^n by its label "Xn" (or "Yn").
int LabelledValue(const Scheme& s, char letter) {
  int value = 0;
  for (const Indicator& ind : s.indicators()) {
    if (ind.role != Role::kOutput) continue;
    EXPECT_EQ(ind.label[0], letter) << ind.name;
    value += ind.Tag << std::stoi(ind.label.substr(1));
  }
  return value;
}

// The button labelled Yk makes the outputs labelled X0 … read k.
TEST_P(EncoderTest, OutputLabelsAreTheBitWeightsOfThePressedButtonsLabel) {
  Scheme& s = Select();
  for (uint16_t b : s.buttons) {
    Indicator& button = s.indicators()[b];
    ASSERT_EQ(button.label[0], 'Y');
    Press(button.name);
    EXPECT_EQ(LabelledValue(s, 'X'), std::stoi(button.label.substr(1))) << button.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Encoders, EncoderTest, ::testing::ValuesIn(kEncoders), ParamName);

using DecoderTest = GateSchemeTest;

// Every combination in turn, reached from the one before by clicking the inputs that differ.
TEST_P(DecoderTest, EveryInputCombinationLightsItsOutputOnly) {
  Scheme& s = Select();
  int shown = 0;
  for (int n = 0; n < (1 << c().bits); ++n) {
    for (int b = 0; b < c().bits; ++b) {
      if (Bit(n ^ shown, b)) Press(IndicatorName("IN", b));
    }
    shown = n;
    ExpectState(s, c(), n);
  }
}

TEST_P(DecoderTest, ClicksFromTheInitialState) {
  Scheme& s = Select();
  const int top = c().bits - 1;
  Press(IndicatorName("IN", top));
  ExpectState(s, c(), 1 << top);
  Select();
  for (int b = 0; b <= top; ++b) {
    Press(IndicatorName("IN", b));
    ExpectState(s, c(), (2 << b) - 1);
  }
}

TEST_P(DecoderTest, ClickingAnInputTwiceRestoresEveryCellAndPicture) {
  Scheme& s = Select();
  Press("IN00 IN02");
  for (int b = 0; b < c().bits; ++b) {
    const Snapshot before = Take(s);
    Press(IndicatorName("IN", b));
    EXPECT_NE(Take(s), before);
    Press(IndicatorName("IN", b));
    EXPECT_EQ(Take(s), before) << "IN" << b << " clicked twice";
  }
}

// Inputs labelled Xb set to the bits of v light the one output labelled Yv.
TEST_P(DecoderTest, TheOutputLabelledWithTheInputValueIsTheOneLit) {
  Scheme& s = Select();
  for (int v = 0; v < (1 << c().bits); ++v) {
    for (uint16_t b : s.buttons) {
      Indicator& input = s.indicators()[b];
      if (input.Tag != Bit(v, std::stoi(input.label.substr(1)))) Press(input.name);
    }
    for (const Indicator& ind : s.indicators()) {
      EXPECT_TRUE(ind.role != Role::kOutput || ind.Tag == (ind.label == "Y" + std::to_string(v)))
          << ind.name << " at " << v;
    }
    EXPECT_EQ(LabelledValue(s, 'Y'), 1 << v);
  }
}

INSTANTIATE_TEST_SUITE_P(Decoders, DecoderTest, ::testing::ValuesIn(kDecoders), ParamName);

TEST(DecoderDetailTest, BusOrderAndGateInputsOfSelectedStates) {
  struct Case {
    int scheme;
    std::string_view clicks;
    std::string_view names;
    std::string_view bits;
  };
  const Case cases[] = {
      {6, "IN00 IN02", "BUS[01..06] AND05[00..02] OUT05 AND02[00..02]", "100110 111 1 000"},
      {7, "IN00 IN02", "BUS[01..06] ORNOT05[00..02] OUT05 ORNOT00[00..02] OUT00",
       "100110 000 1 101 0"},
      {8, "IN03", "BUS[01..08]", "10010101"},
      {8, "IN00", "BUS[01..08]", "01010110"},
      {9, "IN03", "BUS[01..08]", "10010101"},
      {9, "IN00", "BUS[01..08]", "01010110"},
      {8, "IN00 IN02 IN03", "BUS[01..08] AND13[00..03] OUT13 AND00[00..03] OUT00",
       "10100110 1111 1 0010 0"},
      {9, "IN00 IN02 IN03", "BUS[01..08] ORNOT13[00..03] OUT13 ORNOT00[00..03] OUT00",
       "10100110 0000 1 1101 0"},
  };
  for (const Case& c : cases) {
    BuiltSchemes built;
    built.Select(c.scheme);
    Scheme& s = built.Press(c.scheme, c.clicks);
    EXPECT_EQ(testing::Cells(s, c.names), testing::Bits(c.bits))
        << "scheme " << c.scheme << " after " << c.clicks;
  }
}

}  // namespace
}  // namespace kvir
