// Schemes 10 … 16, the encoder and decoders on series-155 chips, driven through their press
// procedures as the main window drives them.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/names.h"
#include "circuit/scheme_set.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::Bits;
using testing::BuiltSchemes;
using testing::Cells;
using testing::StepRecorder;

constexpr int kNone = -1;

/// `count` outputs at 1 except output `low` (none when kNone): an active-low decoded output.
std::vector<int> OneLow(int count, int low) {
  std::vector<int> out(count, 1);
  if (low != kNone) out.at(low) = 0;
  return out;
}

std::string PictureFor(const Indicator& ind) {
  return (ind.is_button ? "BUTTON" : "BIT") + std::to_string(ind.Tag) + "PNG";
}

/// Whether every indicator has been redrawn with the picture of its current cell.
void ExpectShownMatchesCells(Scheme& s) {
  const PanelPictures& shown = testing::ShownOn(s);
  for (const Indicator& ind : s.indicators()) {
    EXPECT_EQ(shown.shown_resource(IndexIn(s, ind)), PictureFor(ind)) << ind.name;
  }
}

class ChipSchemes : public ::testing::Test {
 protected:
  Scheme& Select(int n) { return built_.Select(n); }
  Scheme& Press(int n, std::string_view list) { return built_.Press(n, list); }

  /// Presses, in list order, each toggle button whose cell differs from its wanted value.
  void SetButtons(int n, std::string_view buttons, const std::vector<int>& values) {
    const std::vector<std::string> names = ExpandNames(buttons);
    ASSERT_EQ(names.size(), values.size());
    Scheme& s = built_.set.scheme(n);
    for (size_t i = 0; i < names.size(); ++i) {
      if (s.At(names[i]).Tag != values[i]) Press(n, names[i]);
    }
  }

  BuiltSchemes built_;
};

// ---- Scheme 10: the 155IV1 encoder and its mixed input mode ----

TEST_F(ChipSchemes, Scheme10EncodesThePressedDataButtonOnlyWhileEnabled) {
  struct Row {
    const char* press;
    const char* outputs;  // S D1 D2 D3
  };
  constexpr Row kRows[] = {
      {"", "1111"},     {"IN00", "0111"}, {"IN01", "0110"}, {"IN02", "0101"}, {"IN03", "0100"},
      {"IN04", "0011"}, {"IN05", "0010"}, {"IN06", "0001"}, {"IN07", "0000"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.press);
    Scheme& s = Select(10);
    Press(10, row.press);
    EXPECT_EQ(Cells(s, "OUT[00..03]"), Bits(row.outputs));
    Press(10, "IN08");
    EXPECT_EQ(Cells(s, "CD08 OUT[00..03]"), Bits("1 1111"));
    for (int k = 0; k <= 8; ++k) {
      const std::string n = "0" + std::to_string(k);
      EXPECT_EQ(s.At("CD" + n).Tag, 1 - s.At("IN" + n).Tag) << "pin " << k;
    }
    EXPECT_EQ(s.At("IN08").Tag, 0);
  }
}

// ---- Press sequences from the selected state, checked against the listed indicators ----

struct SequenceCase {
  int scheme;
  const char* presses;
  const char* names;
  const char* cells;
};

constexpr SequenceCase kSequences[] = {
    // Scheme 10: data buttons one-hot with release, IN08 a toggle of its own.
    {10, "IN03", "IN[00..08] OUT[00..03]", "0001 0000 1  0100"},
    {10, "IN03 IN03", "IN[00..08] OUT[00..03]", "0000 0000 1  1111"},
    {10, "IN02 IN06", "IN[00..08] OUT[00..03]", "0000 0010 1  0001"},
    {10, "IN05 IN08", "IN[00..08] OUT[00..03]", "0000 0100 0  1111"},
    {10, "IN05 IN08 IN08", "IN[00..08] OUT[00..03]", "0000 0100 1  0010"},
    {10, "IN08 IN07", "IN[00..08] CD[00..08] OUT[00..03]", "0000 0001 0  1111 1110 1  1111"},
    {10, "IN08 IN07 IN02", "IN[00..08] CD[00..08] OUT[00..03]", "0010 0000 0  1101 1111 1  1111"},
    {10, "IN08 IN07 IN07", "IN[00..08] CD[00..08] OUT[00..03]", "0000 0000 0  1111 1111 1  1111"},
    // Scheme 11: both halves share the address.
    {11, "IN02", "OUT[00..07]", "1101 1101"},
    {11, "IN02 IN05", "OUT[00..07]", "1101 1111"},
    // Scheme 13: address of weight 1 at the top, two strobes.
    {13, "IN00", "OUT[00..15]", "1011 1111 1111 1111"},
    {13, "IN03", "OUT[00..15]", "1111 1111 0111 1111"},
    {13, "IN00 IN01 IN02 IN03", "OUT[00..15]", "1111 1111 1111 1110"},
    {13, "IN01 IN02 IN04", "DC[00..05] OUT[00..15]", "0110 10  1111 1111 1111 1111"},
    {13, "IN03 IN05", "DC[00..05] OUT[00..15]", "0001 01  1111 1111 1111 1111"},
    // Scheme 14: the left chip's D3 enables the right chip.
    {14, "IN03", "DC00OUT[00..07] DC00DC01BRIDGE DC01IN00 DC01IN04 OUT[00..07]",
     "1111 1110  1 1 1  1111 1111"},
    {14, "IN00", "BUSIN00 DC00IN00 DC00IN04 DC00OUT[00..07] OUT[00..07]",
     "1 1 1  1111 1111  1111 1111"},
    {14, "IN01", "DC00OUT[00..07] DC00DC01BRIDGE OUT[00..07]", "1101 1111  1  1111 1111"},
    // Scheme 15: D1's output 5 enables D2.
    {15, "IN05", "OUT[00..15]", "1011 1111 1111 1111"},
    {15, "IN08", "OUT[00..15]", "1111 1111 0111 1111"},
    {15, "IN05 IN06 IN07 IN08", "OUT[00..15]", "1111 1111 1111 1110"},
    {15, "IN02", "DC00OUT[00..15] BUSS1IN DC01IN04 DC01IN05 OUT[00..15]",
     "1111 1110 1111 1111  1 1 1  1111 1111 1111 1111"},
    {15, "IN09", "BUSS0IN DC00IN04 DC00IN05 DC00OUT[00..15] OUT[00..15]",
     "1 1 1  1111 1111 1111 1111  1111 1111 1111 1111"},
    // Scheme 16: D1's D2 and D2's E3 strobe D3.
    {16, "IN10", "OUT[00..15]", "1011 1111 1111 1111"},
    {16, "IN07", "OUT[00..15]", "1111 1111 0111 1111"},
    {16, "IN07 IN08 IN09 IN10", "OUT[00..15]", "1111 1111 1111 1110"},
    {16, "IN06", "DC01OUT[00..07] DC02S01 DC02S02 OUT[00..15]",
     "1110 1111  0 1  1111 1111 1111 1111"},
    {16, "IN01", "DC00OUT[00..07] DC02S01 DC02S02 OUT[00..15]",
     "1011 1111  1 0  1111 1111 1111 1111"},
    {16, "IN00", "BUSIN00 DC00OUT[00..07] DC01OUT[00..07] DC02S01 DC02S02 OUT[00..15]",
     "1  1111 1111  1111 1111  1 1  1111 1111 1111 1111"},
};

/// The indicator of scheme s labelled `label` with role `role`.
Indicator& Labelled(Scheme& s, std::string_view label, Role role) {
  for (Indicator& ind : s.indicators()) {
    if (ind.label == label && ind.role == role) return ind;
  }
  throw std::out_of_range("no indicator labelled " + std::string(label));
}

// With V on, the button labelled k drives the active-low outputs D1, D2, D3 of weight 4, 2, 1.
TEST_F(ChipSchemes, Scheme10OutputLabelsAreTheWeightsOfTheButtonsLabel) {
  Scheme& s = Select(10);
  ASSERT_EQ(Labelled(s, "V", Role::kEnable).Tag, 1);
  for (int k = 0; k < 8; ++k) {
    Press(10, Labelled(s, std::to_string(k), Role::kInput).name);
    int value = 0;
    for (int d = 1; d <= 3; ++d) {
      value += (1 - Labelled(s, "D" + std::to_string(d), Role::kOutput).Tag) << (3 - d);
    }
    EXPECT_EQ(value, k);
    EXPECT_EQ(Labelled(s, "S", Role::kOutput).Tag, 0);
  }
}

// Data buttons set by the weights their labels stand for, enables on: the one low output is the
// one the truth table names.
TEST_F(ChipSchemes, DecodersDriveLowTheOutputLabelledForTheLabelledInputs) {
  struct Case {
    int scheme;
    std::vector<std::pair<std::string, int>> weights;  ///< data button label, weight
    std::vector<std::string> enables;
    std::vector<std::string> outputs;  ///< the label of the low output for each value
  };
  const Case cases[] = {
      {12, {{"4", 4}, {"2", 2}, {"1", 1}}, {"V"}, {"E1", "E2", "E3", "E4", "D1", "D2", "D3", "D4"}},
      {13,
       {{"1", 1}, {"2", 2}, {"3", 4}, {"4", 8}},
       {"S1", "S2"},
       {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}},
  };
  for (const Case& c : cases) {
    Scheme& s = Select(c.scheme);
    for (const std::string& enable : c.enables) {
      if (Labelled(s, enable, Role::kEnable).Tag == 0)
        Press(c.scheme, Labelled(s, enable, Role::kEnable).name);
    }
    for (int v = 0; v < static_cast<int>(c.outputs.size()); ++v) {
      for (const auto& [label, weight] : c.weights) {
        Indicator& button = Labelled(s, label, Role::kInput);
        if (button.Tag != ((v & weight) != 0)) Press(c.scheme, button.name);
      }
      for (const Indicator& ind : s.indicators()) {
        if (ind.role != Role::kOutput) continue;
        EXPECT_EQ(ind.Tag, ind.label == c.outputs[v] ? 0 : 1)
            << "scheme " << c.scheme << " value " << v << " " << ind.label;
      }
    }
  }
}

// Chip pins carry their chip, the pin's place and what the chip's drawing prints beside it.
TEST_F(ChipSchemes, ChipPinsKnowTheirChipAndPin) {
  struct Case {
    int scheme;
    std::string_view name;
    int chip;
    bool output;
    int pin;
    std::string_view label;
  };
  const Case cases[] = {
      {10, "CD08", 1, false, 8, "V"},      {11, "DC01", 1, false, 1, "Ē"},
      {11, "OUT05", 1, true, 5, "D2"},     {14, "DC00OUT06", 1, true, 6, "D3"},
      {14, "DC01IN04", 2, false, 4, "S2"}, {15, "DC01IN02", 2, false, 2, "3"},
      {16, "DC02S02", 3, false, 5, "S2"},  {16, "OUT15", 3, true, 15, "15"},
  };
  for (const Case& c : cases) {
    const Indicator& ind = built_.set.scheme(c.scheme).At(c.name);
    EXPECT_EQ(ind.pins.chip, c.chip) << c.name;
    EXPECT_EQ(ind.pins.output, c.output) << c.name;
    EXPECT_EQ(ind.pins.first, c.pin) << c.name;
    EXPECT_EQ(ind.label, c.label) << c.name;
  }
}

TEST_F(ChipSchemes, PressSequencesFromTheSelectedState) {
  for (const SequenceCase& c : kSequences) {
    SCOPED_TRACE(std::to_string(c.scheme) + ": " + c.presses);
    Scheme& s = Select(c.scheme);
    Press(c.scheme, c.presses);
    EXPECT_EQ(Cells(s, c.names), Bits(c.cells));
    ExpectShownMatchesCells(s);
  }
}

// ---- Scheme 11: the two halves, each with the other half on and off ----

TEST_F(ChipSchemes, Scheme11HalvesDecodeIndependently) {
  struct Row {
    int enable1, enable2, a, b;  // kNone: any value
    const char* outputs;
  };
  constexpr Row kRows[] = {
      {0, kNone, kNone, kNone, "1111"},
      {kNone, 0, kNone, kNone, "1111"},
      {1, 1, 0, 0, "0111"},
      {1, 1, 0, 1, "1011"},
      {1, 1, 1, 0, "1101"},
      {1, 1, 1, 1, "1110"},
  };
  auto matches = [](int wanted, int value) { return wanted == kNone || wanted == value; };
  struct Half {
    int enable_index;  // of the first enable button among IN00 … IN05
    const char* outputs;
  };
  constexpr Half kHalves[] = {{0, "OUT[00..03]"}, {4, "OUT[04..07]"}};
  for (const Half& half : kHalves) {
    const int other = 4 - half.enable_index;
    for (int combo = 0; combo < 16; ++combo) {
      const int e1 = combo >> 3 & 1, e2 = combo >> 2 & 1, a = combo >> 1 & 1, b = combo & 1;
      const Row* row = std::find_if(std::begin(kRows), std::end(kRows), [&](const Row& r) {
        return matches(r.enable1, e1) && matches(r.enable2, e2) && matches(r.a, a) &&
               matches(r.b, b);
      });
      ASSERT_NE(row, std::end(kRows));
      for (int other_on = 0; other_on <= 1; ++other_on) {
        SCOPED_TRACE(std::string(half.outputs) + " combo " + std::to_string(combo));
        std::vector<int> buttons(6);
        buttons[half.enable_index] = e1;
        buttons[half.enable_index + 1] = e2;
        buttons[other] = buttons[other + 1] = other_on;
        buttons[2] = a;
        buttons[3] = b;
        Scheme& s = Select(11);
        SetButtons(11, "IN[00..05]", buttons);
        EXPECT_EQ(Cells(s, half.outputs), Bits(row->outputs));
      }
    }
  }
}

// ---- Scheme 12: the sixteen button states ----

TEST_F(ChipSchemes, Scheme12SixteenButtonStates) {
  struct Row {
    const char* buttons;  // IN00 IN01 IN02 IN03
    const char* outputs;
  };
  constexpr Row kRows[] = {
      {"0000", "1111 1111"}, {"0001", "0111 1111"}, {"0010", "1111 1111"}, {"0011", "1011 1111"},
      {"0100", "1111 1111"}, {"0101", "1101 1111"}, {"0110", "1111 1111"}, {"0111", "1110 1111"},
      {"1000", "1111 1111"}, {"1001", "1111 0111"}, {"1010", "1111 1111"}, {"1011", "1111 1011"},
      {"1100", "1111 1111"}, {"1101", "1111 1101"}, {"1110", "1111 1111"}, {"1111", "1111 1110"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.buttons);
    Scheme& s = Select(12);
    SetButtons(12, "IN[00..03]", Bits(row.buttons));
    EXPECT_EQ(Cells(s, "OUT[00..07]"), Bits(row.outputs));
    const int bus03 = s.At("BUS03").Tag, bus00 = s.At("BUS00").Tag;
    EXPECT_EQ(bus03, 1 - s.At("IN03").Tag);
    EXPECT_EQ(Cells(s, "DC00 DC04 DC01 DC05"), (std::vector<int>{bus03, bus03, bus00, bus00}));
  }
}

// ---- Cascades: a disabled later stage whose input indicators keep following the buttons ----

TEST_F(ChipSchemes, DisabledStageInputsFollowTheButtons) {
  struct Case {
    int scheme;
    const char* disable;  // pressed after selection; disables a later stage
    const char* driven;   // buttons run through all their states
    const char* sources;  // for each follower, the button it repeats
    const char* followers;
    const char* outputs;  // all 1 throughout
  };
  constexpr Case kCases[] = {
      {14, "IN03", "IN[04..06]", "IN04 IN05 IN06 IN04", "DC01IN01 DC01IN02 DC01IN03 DC01IN05",
       "OUT[00..07]"},
      {14, "IN00", "IN[04..06]", "IN04 IN05 IN06 IN04", "DC01IN01 DC01IN02 DC01IN03 DC01IN05",
       "OUT[00..07]"},
      {15, "IN02", "IN[05..08]", "IN[05..08]", "DC01IN[00..03]", "OUT[00..15]"},
      {15, "IN09", "IN[05..08]", "IN[05..08]", "DC01IN[00..03]", "OUT[00..15]"},
      {16, "IN06", "IN[07..10]", "IN[07..10]", "BUSOUT[07..10]", "OUT[00..15]"},
      {16, "IN01", "IN[07..10]", "IN[07..10]", "BUSOUT[07..10]", "OUT[00..15]"},
      {16, "IN00", "IN[04..06]", "IN04 IN05 IN06 IN04", "DC01IN01 DC01IN02 DC01IN03 DC01IN05",
       "DC01OUT[00..07] DC02S02 OUT[00..15]"},
  };
  for (const Case& c : kCases) {
    const int k = CountNames(c.driven);
    for (int state = 0; state < (1 << k); ++state) {
      SCOPED_TRACE(std::to_string(c.scheme) + " " + c.disable + " state " + std::to_string(state));
      std::vector<int> values(k);
      for (int i = 0; i < k; ++i) values[i] = state >> i & 1;
      Scheme& s = Select(c.scheme);
      Press(c.scheme, c.disable);
      SetButtons(c.scheme, c.driven, values);
      EXPECT_EQ(Cells(s, c.followers), Cells(s, c.sources));
      const std::vector<int> outputs = Cells(s, c.outputs);
      EXPECT_EQ(outputs, std::vector<int>(outputs.size(), 1));
    }
  }
}

// ---- Every decoder: every button state against the decoded outputs ----

using ButtonCells = std::vector<int>;  // the scheme's buttons in their redraw order

struct Decoded {
  const char* names;
  std::vector<int> cells;
};

std::vector<Decoded> Decode11(const ButtonCells& b) {
  const int m = 2 * b[2] + b[3];
  return {{"OUT[00..03]", OneLow(4, b[0] && b[1] ? m : kNone)},
          {"OUT[04..07]", OneLow(4, b[4] && b[5] ? m : kNone)}};
}

std::vector<Decoded> Decode12(const ButtonCells& b) {
  return {{"OUT[00..07]", OneLow(8, b[3] ? 4 * b[0] + 2 * b[1] + b[2] : kNone)}};
}

std::vector<Decoded> Decode13(const ButtonCells& b) {
  const int n = b[0] + 2 * b[1] + 4 * b[2] + 8 * b[3];
  return {{"OUT[00..15]", OneLow(16, b[4] && b[5] ? n : kNone)}};
}

std::vector<Decoded> Decode14(const ButtonCells& b) {
  const int left = b[0] ? 4 * b[1] + 2 * b[2] + b[3] : kNone;
  return {{"DC00OUT[00..07]", OneLow(8, left)},
          {"OUT[00..07]", OneLow(8, left == 6 ? 4 * b[4] + 2 * b[5] + b[6] : kNone)}};
}

std::vector<Decoded> Decode15(const ButtonCells& b) {  // b[0] is IN01
  const int d1 = b[8] ? b[0] + 2 * b[1] + 4 * b[2] + 8 * b[3] : kNone;
  const int n = b[4] + 2 * b[5] + 4 * b[6] + 8 * b[7];
  return {{"DC00OUT[00..15]", OneLow(16, d1)}, {"OUT[00..15]", OneLow(16, d1 == 5 ? n : kNone)}};
}

std::vector<Decoded> Decode16(const ButtonCells& b) {
  const int d1 = b[0] ? 4 * b[1] + 2 * b[2] + b[3] : kNone;
  const int d2 = b[0] ? 4 * b[4] + 2 * b[5] + b[6] : kNone;
  const int n = 8 * b[7] + 4 * b[8] + 2 * b[9] + b[10];
  return {{"DC00OUT[00..07]", OneLow(8, d1)},
          {"DC01OUT[00..07]", OneLow(8, d2)},
          {"OUT[00..15]", OneLow(16, d1 == 5 && d2 == 2 ? n : kNone)}};
}

struct DecoderCase {
  int scheme;
  std::vector<Decoded> (*decode)(const ButtonCells&);
};

constexpr DecoderCase kDecoders[] = {
    {11, Decode11}, {12, Decode12}, {13, Decode13}, {14, Decode14}, {15, Decode15}, {16, Decode16},
};

TEST_F(ChipSchemes, EveryButtonStateDecodes) {
  for (const DecoderCase& c : kDecoders) {
    Scheme& s = Select(c.scheme);
    const std::vector<std::string> buttons = ExpandNames(s.def().buttons);
    const int k = static_cast<int>(buttons.size());
    std::set<ButtonCells> reached;
    // A Gray-code walk: each press flips one button, and the 2^k states are all visited.
    for (int step = 0; step < (1 << k); ++step) {
      if (step > 0) Press(c.scheme, buttons[std::countr_zero(static_cast<unsigned>(step))]);
      const ButtonCells cells = Cells(s, s.def().buttons);
      reached.insert(cells);
      for (const Decoded& d : c.decode(cells)) {
        ASSERT_EQ(Cells(s, d.names), d.cells)
            << "scheme " << c.scheme << " step " << step << " " << d.names;
      }
    }
    EXPECT_EQ(reached.size(), size_t{1} << k) << "scheme " << c.scheme;
  }
}

// ---- Initial state after selection, whatever was pressed before ----

struct InitialCase {
  int scheme;
  std::vector<std::pair<const char*, const char*>> cells;  // together: every indicator
};

const InitialCase kInitial[] = {
    {10, {{"IN[00..08]", "0000 0000 1"}, {"CD[00..08]", "1111 1111 0"}, {"OUT[00..03]", "1111"}}},
    {11, {{"IN[00..05]", "1100 11"}, {"DC[00..05]", "0000 01"}, {"OUT[00..07]", "0111 0111"}}},
    {12,
     {{"IN[00..03]", "0001"},
      {"BUS[00..03]", "0000"},
      {"DC[00..05]", "0000 00"},
      {"OUT[00..07]", "0111 1111"}}},
    {13,
     {{"IN[00..05]", "0000 11"},
      {"DC[00..05]", "0000 00"},
      {"OUT[00..15]", "0111 1111 1111 1111"}}},
    {14,
     {{"IN[00..06]", "1 110 000"},
      {"BUSIN[00..06]", "0 110 000"},
      {"BUSOUT[00..06]", "0 110 000"},
      {"DC00IN[00..05]", "0110 01"},
      {"DC00OUT[00..07]", "1111 1101"},
      {"DC00DC01BRIDGE", "0"},
      {"DC01IN[00..05]", "0000 00"},
      {"OUT[00..07]", "0111 1111"}}},
    {15,
     {{"IN[01..09]", "1010 0000 1"},
      {"BUSIN[01..08]", "1010 0000"},
      {"BUSS0IN DC00IN04 DC00IN05", "000"},
      {"DC00IN[00..03]", "1010"},
      {"DC00OUT[00..15]", "1111 1011 1111 1111"},
      {"BUSS1IN DC01IN04 DC01IN05", "000"},
      {"DC01IN[00..03]", "0000"},
      {"OUT[00..15]", "0111 1111 1111 1111"}}},
    {16,
     {{"IN[00..10]", "1 101 010 0000"},
      {"BUSIN[00..10]", "0 101 010 0000"},
      {"BUSOUT[00..10]", "0 101 010 0000"},
      {"DC00IN[00..05]", "0101 01"},
      {"DC01IN[00..05]", "0010 00"},
      {"DC00OUT[00..07]", "1111 1011"},
      {"DC01OUT[00..07]", "1101 1111"},
      {"DC02S01 DC02S02", "00"},
      {"OUT[00..15]", "0111 1111 1111 1111"}}},
};

void ExpectInitialState(Scheme& s, const InitialCase& c) {
  std::set<std::string> covered;
  for (const auto& [names, cells] : c.cells) {
    EXPECT_EQ(Cells(s, names), Bits(cells)) << names;
    for (std::string& name : ExpandNames(names)) covered.insert(std::move(name));
  }
  EXPECT_EQ(covered.size(), s.indicators().size());
  ExpectShownMatchesCells(s);
}

TEST_F(ChipSchemes, SelectionRestoresTheInitialState) {
  for (const InitialCase& c : kInitial) {
    SCOPED_TRACE("scheme " + std::to_string(c.scheme));
    Scheme& s = Select(c.scheme);
    ExpectInitialState(s, c);
    // Every button once: scheme 10 is left with IN07 pressed and IN08 released.
    Press(c.scheme, s.def().buttons);
    Select(c.scheme == 10 ? 11 : 10);
    EXPECT_EQ(built_.host.shown(), c.scheme == 10 ? 11 : 10);
    Select(c.scheme);
    EXPECT_EQ(built_.host.shown(), c.scheme);
    ExpectInitialState(s, c);
    Press(c.scheme, s.def().start);
    Select(c.scheme);
    ExpectInitialState(s, c);
  }
}

// ---- Press cycle: each element once in order, each indicator redrawn once with its value ----

TEST_F(ChipSchemes, EveryPressRunsEachElementOnceAndRedrawsEachIndicatorOnce) {
  struct Case {
    int scheme;
    size_t indicators;
    int elements;
    size_t buttons;
  };
  constexpr Case kCases[] = {
      {10, 22, 2, 9}, {11, 20, 3, 6}, {12, 22, 4, 4},   {13, 28, 3, 6},
      {14, 50, 6, 7}, {15, 63, 5, 9}, {16, 79, 12, 11},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("scheme " + std::to_string(c.scheme));
    Scheme& s = Select(c.scheme);
    ASSERT_EQ(s.indicators().size(), c.indicators);
    ASSERT_EQ(static_cast<int>(s.elements.size()), c.elements);
    ASSERT_EQ(s.buttons.size(), c.buttons);
    for (const std::string& button : ExpandNames(s.def().buttons)) {
      SCOPED_TRACE(button);
      StepRecorder recorder;
      recorder.Attach(s);
      Press(c.scheme, button);
      recorder.Detach();
      std::vector<std::string> executed;
      std::map<std::string, int> drawn;
      for (const std::string& step : recorder.steps) {
        if (step.starts_with("exec ")) {
          executed.push_back(step.substr(5));
          continue;
        }
        const size_t space = step.find(' ', 5);
        const Indicator& ind = s.At(step.substr(5, space - 5));
        EXPECT_EQ(step.substr(space + 1), PictureFor(ind)) << "stale redraw of " << ind.name;
        EXPECT_EQ(ind.is_button, executed.empty()) << ind.name;
        ++drawn[ind.name];
      }
      std::vector<std::string> in_order;
      for (int e = 1; e <= c.elements; ++e) in_order.push_back(std::to_string(e));
      EXPECT_EQ(executed, in_order);
      EXPECT_EQ(drawn.size(), c.indicators);
      for (const auto& [name, times] : drawn) EXPECT_EQ(times, 1) << name;
    }
  }
}

TEST_F(ChipSchemes, PressingAButtonTwiceRestoresTheScheme) {
  for (int n = 11; n <= 16; ++n) {
    Scheme& s = Select(n);
    for (const std::string& button : ExpandNames(s.def().buttons)) {
      std::vector<int> before;
      for (const Indicator& ind : s.indicators()) before.push_back(ind.Tag);
      Press(n, button + " " + button);
      std::vector<int> after;
      for (const Indicator& ind : s.indicators()) after.push_back(ind.Tag);
      EXPECT_EQ(after, before) << "scheme " << n << " " << button;
      ExpectShownMatchesCells(s);
    }
  }
}

// ---- The fixed data: panel layout and netlist wiring ----

TEST_F(ChipSchemes, IndicatorsLieApartOnTheirPicture) {
  for (int n = 10; n <= 16; ++n) {
    Scheme& s = built_.set.scheme(n);
    const PictureControl& p = built_.Shown(s).picture();
    EXPECT_EQ(p.Tag, n);
    std::set<std::string> names;
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      const Indicator& a = s.indicators()[i];
      EXPECT_TRUE(names.insert(a.name).second) << n << " duplicate " << a.name;
      EXPECT_TRUE(a.left >= p.left && a.top >= p.top && a.left + 24 <= p.left + p.width &&
                  a.top + 24 <= p.top + p.height)
          << n << " " << a.name << " off the picture";
      for (size_t j = 0; j < i; ++j) {
        const Indicator& b = s.indicators()[j];
        const bool apart = a.left + 24 <= b.left || b.left + 24 <= a.left || a.top + 24 <= b.top ||
                           b.top + 24 <= a.top;
        EXPECT_TRUE(apart) << n << " " << a.name << " overlaps " << b.name;
      }
    }
  }
  EXPECT_EQ(built_.set.scheme(15).Find("IN00"), nullptr);
  EXPECT_EQ(built_.set.scheme(15).def().buttons, "IN[01..09]");
}

TEST_F(ChipSchemes, NetlistsAreWiredInEvaluationOrder) {
  for (int n = 10; n <= 16; ++n) {
    SCOPED_TRACE("scheme " + std::to_string(n));
    Scheme& s = built_.set.scheme(n);
    std::map<const int32_t*, const Indicator*> by_cell;
    for (const Indicator& ind : s.indicators()) by_cell[&ind.Tag] = &ind;
    std::map<std::string, int> writer;  // lamp → the element that writes it
    for (size_t e = 0; e < s.elements.size(); ++e) {
      const TSE& element = *s.elements[e];
      for (const PSignal in : element.FInputs) {
        const Indicator* ind = by_cell.at(in);
        EXPECT_TRUE(ind->is_button || writer.contains(ind->name))
            << "element " << e + 1 << " reads " << ind->name << " before it is written";
      }
      for (const PSignal out : element.FOutputs) {
        const Indicator* ind = by_cell.at(out);
        EXPECT_FALSE(ind->is_button) << ind->name;
        EXPECT_TRUE(writer.emplace(ind->name, static_cast<int>(e) + 1).second)
            << ind->name << " written twice";
      }
    }
    EXPECT_EQ(writer.size() + s.buttons.size(), s.indicators().size());
    for (const CompiledStep& step : s.steps) {
      for (uint16_t d : step.draw) {
        const int w = writer.at(s.indicators()[d].name);
        EXPECT_LE(w, step.last) << s.indicators()[d].name << " redrawn before it is written";
      }
    }
  }
}

}  // namespace
}  // namespace kvir
