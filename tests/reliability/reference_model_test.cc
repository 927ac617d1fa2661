// The reference model against the circuits' own stated states and against the schemes' indicator
// lists: if it is to judge the press engine, it must itself be right and complete.

#include "tests/reliability/reference_model.h"

#include <gtest/gtest.h>

#include <set>

#include "circuit/names.h"
#include "circuit/scheme_set.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir::reference {
namespace {

/// The reference levels of scheme n after its selection and then `presses`, in turn.
Levels AfterPresses(int n, std::string_view presses) {
  Levels buttons = ButtonsAfterSelection(n);
  for (const std::string& name : ExpandNames(presses)) ApplyPress(n, name, buttons);
  return Expected(n, buttons);
}

TEST(ReferenceModel, CoversEveryIndicatorOfEveryScheme) {
  SchemeSet set;
  size_t indicators = 0, buttons = 0;
  for (int n = 1; n <= kSchemeCount; ++n) {
    SCOPED_TRACE(n);
    std::set<std::string> names, button_names;
    for (const Indicator& ind : set.scheme(n).indicators()) {
      names.insert(ind.name);
      if (ind.is_button) button_names.insert(ind.name);
    }
    std::set<std::string> modelled;
    for (const auto& [name, level] : Expected(n, ButtonsAfterSelection(n))) {
      modelled.insert(name);
      EXPECT_TRUE(level == 0 || level == 1) << name;
    }
    EXPECT_EQ(modelled, names);
    const std::vector<std::string> listed = ButtonNames(n);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), button_names);
    indicators += modelled.size();
    buttons += listed.size();
  }
  EXPECT_EQ(indicators, 820u);
  EXPECT_EQ(buttons, 130u);
}

TEST(ReferenceModel, RejectsUnknownSchemesAndButtons) {
  EXPECT_THROW(Expected(0, {}), std::out_of_range);
  EXPECT_THROW(ButtonNames(17), std::out_of_range);
  Levels buttons = ButtonsAfterSelection(15);
  EXPECT_THROW(ApplyPress(15, "IN00", buttons), std::out_of_range) << "scheme 15 has no IN00";
  EXPECT_THROW(Expected(6, {{"IN00", 0}}), std::out_of_range) << "IN01 and IN02 missing";
}

struct Row {
  int scheme;
  const char* presses;  ///< after the selection
  const char* names;
  const char* levels;
};

// The states the circuits are described to reach, each checked against the reference.
constexpr Row kStatedStates[] = {
    {1, "", "IN[00..07] BUS[00..07] OR[00..02][00..03] OUT02 OUT01 OUT00",
     "10000000 10000000 000000000000 000"},
    {1, "IN05 IN05", "IN[00..07] OUT02 OUT01 OUT00", "00000100 101"},
    {1, "IN05 IN02", "IN[00..07] OUT02 OUT01 OUT00", "00100000 010"},
    {2, "", "BUS[00..07] ANDNOT[00..02][00..03] OUT[00..02]", "01111111 111111111111 000"},
    {2, "IN06", "BUS[00..07] OUT02 OUT01 OUT00", "11111101 110"},
    {3, "IN08", "OR0300 OR[00..02][00..07] OR03[01..07] OUT03 OUT02 OUT01 OUT00",
     "1 000000000000000000000000 0000000 1000"},
    {3, "IN03", "OR0001 OR0101 OR0200 OR0300 OUT[00..03]", "1 1 0 0 1100"},
    {3, "IN15", "OR0007 OR0107 OR0207 OR0307 OUT[00..03]", "1111 1111"},
    {4, "", "NOT[00..03] OUT[00..03]", "1111 0000"},
    {4, "IN10", "NOT03 NOT02 NOT01 NOT00 OUT03 OUT02 OUT01 OUT00", "0101 1010"},
    {4, "IN15", "NOT[00..03] ORNOT0007 ORNOT0307", "0000 1 1"},
    {5, "", "BUS00 BUS[01..15] ANDNOT[00..03][00..07] OUT[00..03]",
     "0 111111111111111 11111111111111111111111111111111 0000"},
    {5, "IN05", "BUS05 ANDNOT0002 ANDNOT0201 OUT03 OUT02 OUT01 OUT00", "0 0 0 0101"},
    {6, "", "IN[00..02] BUS[01..06] OUT[00..07]", "000 010101 10000000"},
    {6, "IN00 IN02", "BUS[01..06] AND05[00..02] OUT05 AND02[00..02] OUT[00..04]",
     "100110 111 1 000 00000"},
    {6, "IN00 IN01 IN02", "OUT07 OUT[00..06]", "1 0000000"},
    {7, "IN00 IN02", "BUS[01..06] ORNOT05[00..02] OUT05 ORNOT00[00..02] OUT00",
     "100110 000 1 101 0"},
    {8, "", "BUS[01..08] OUT00 OUT[01..15]", "01010101 1 000000000000000"},
    {8, "IN03", "BUS[01..08] OUT08", "10010101 1"},
    {8, "IN00", "BUS[01..08] OUT01", "01010110 1"},
    {8, "IN03 IN02 IN00", "BUS[01..08] AND13[00..03] OUT13 AND00[00..03] OUT00",
     "10100110 1111 1 0010 0"},
    {9, "IN03 IN02 IN00", "BUS[01..08] ORNOT13[00..03] OUT13 ORNOT00[00..03] OUT00",
     "10100110 0000 1 1101 0"},
    {10, "", "IN[00..08] CD[00..08] OUT[00..03]", "000000001 111111110 1111"},
    {10, "IN05", "IN05 CD05 OUT[00..03]", "1 0 0010"},
    {10, "IN05 IN08", "IN05 IN08 CD08 OUT[00..03]", "1 0 1 1111"},
    {10, "IN05 IN08 IN08", "OUT[00..03]", "0010"},
    {10, "IN03", "OUT[00..03]", "0100"},
    {10, "IN03 IN03", "IN[00..07] OUT[00..03]", "00000000 1111"},
    {10, "IN02 IN06", "IN02 IN06 OUT[00..03]", "0 1 0001"},
    {10, "IN07", "OUT[00..03]", "0000"},
    {11, "", "IN[00..05] DC[00..05] OUT[00..07]", "110011 000001 01110111"},
    {11, "IN02", "OUT[00..07]", "11011101"},
    {11, "IN02 IN05", "OUT[00..07]", "11011111"},
    {11, "IN03 IN00", "DC[00..05] OUT[00..07]", "100101 11111011"},
    {12, "", "IN[00..03] BUS[00..03] DC[00..05] OUT[00..07]", "0001 0000 000000 01111111"},
    {12, "IN00 IN02", "BUS[00..03] DC[00..05] OUT[00..07]", "1010 010101 11111011"},
    {12, "IN01 IN03", "BUS03 DC00 DC04 OUT[00..07]", "1 1 1 11111111"},
    {13, "", "IN[00..05] DC[00..05] OUT00 OUT[01..15]", "000011 000000 0 111111111111111"},
    {13, "IN00", "OUT00 OUT01", "1 0"},
    {13, "IN03", "OUT08 OUT00", "0 1"},
    {13, "IN00 IN01 IN02 IN03", "OUT15", "0"},
    {13, "IN00 IN04", "DC[00..05] OUT00 OUT01", "100010 1 1"},
    {14, "",
     "IN[00..06] BUSIN[00..06] BUSOUT[00..06] DC00IN[00..05] DC00OUT[00..07] DC00DC01BRIDGE "
     "DC01IN[00..05] OUT[00..07]",
     "1110000 0110000 0110000 011001 11111101 0 000000 01111111"},
    {14, "IN05", "DC01IN[00..05] OUT[00..07]", "001000 11011111"},
    {14, "IN04 IN06", "DC01IN[00..05] OUT[00..07]", "010101 11111011"},
    {14, "IN03", "DC00OUT07 DC00OUT06 DC00DC01BRIDGE DC01IN00 DC01IN04 OUT[00..07]",
     "0 1 1 1 1 11111111"},
    {14, "IN00", "BUSIN00 BUSOUT00 DC00OUT[00..07] OUT[00..07]", "1 1 11111111 11111111"},
    {14, "IN03 IN05", "DC01IN02 OUT[00..07]", "1 11111111"},
    {14, "IN01", "DC00OUT[00..07] OUT[00..07]", "11011111 11111111"},
    {15, "",
     "IN[01..09] BUSIN[01..08] BUSS0IN DC00IN04 DC00IN05 DC00IN[00..03] DC00OUT05 "
     "DC00OUT[00..04] DC00OUT[06..15] BUSS1IN DC01IN04 DC01IN05 DC01IN[00..03] OUT00 OUT[01..15]",
     "101000001 10100000 000 1010 0 11111 1111111111 000 0000 0 111111111111111"},
    {15, "IN05", "OUT01 OUT00", "0 1"},
    {15, "IN08", "OUT08", "0"},
    {15, "IN05 IN06 IN07 IN08", "OUT15", "0"},
    {15, "IN02", "DC00OUT07 DC00OUT05 BUSS1IN DC01IN04 DC01IN05 OUT00", "0 1 1 1 1 1"},
    {15, "IN09", "BUSS0IN DC00IN04 DC00IN05 DC00OUT[00..15] OUT[00..15]",
     "1 1 1 1111111111111111 1111111111111111"},
    {15, "IN02 IN06", "DC01IN01 OUT02", "1 1"},
    {16, "",
     "IN[00..10] BUSIN[00..10] BUSOUT[00..10] DC00IN[00..05] DC01IN[00..05] DC00OUT05 "
     "DC01OUT02 DC02S01 DC02S02 OUT00 OUT[01..15]",
     "11010100000 01010100000 01010100000 010101 001000 0 0 0 0 0 111111111111111"},
    {16, "IN10", "OUT01 OUT00", "0 1"},
    {16, "IN07", "OUT08", "0"},
    {16, "IN07 IN08 IN09 IN10", "OUT15", "0"},
    {16, "IN06", "DC01OUT03 DC01OUT02 DC02S02 DC02S01 OUT00", "0 1 1 0 1"},
    {16, "IN01", "DC00OUT01 DC02S01 OUT00", "0 1 1"},
    {16, "IN00",
     "DC00OUT[00..07] DC01OUT[00..07] DC02S01 DC02S02 OUT[00..15] DC00IN02 DC01IN02 BUSOUT08",
     "11111111 11111111 1 1 1111111111111111 0 1 0"},
};

TEST(ReferenceModel, ReachesEveryStatedState) {
  for (const Row& row : kStatedStates) {
    SCOPED_TRACE(::testing::Message()
                 << "scheme " << row.scheme << " after '" << row.presses << "'");
    const Levels levels = AfterPresses(row.scheme, row.presses);
    const std::vector<std::string> names = ExpandNames(row.names);
    const std::vector<int> want = kvir::testing::Bits(row.levels);
    ASSERT_EQ(names.size(), want.size());
    for (size_t i = 0; i < names.size(); ++i) {
      const auto found = levels.find(names[i]);
      ASSERT_NE(found, levels.end()) << names[i];
      EXPECT_EQ(found->second, want[i]) << names[i];
    }
  }
}

/// The outputs OUT00 … OUT(count − 1) that are `active`.
std::vector<int> ActiveOutputs(const Levels& levels, int count, int active) {
  std::vector<int> found;
  for (int i = 0; i < count; ++i) {
    if (levels.at((i < 10 ? "OUT0" : "OUT") + std::to_string(i)) == active) found.push_back(i);
  }
  return found;
}

TEST(ReferenceModel, EncodersShowThePressedNumberAndGateDecodersLightOneOutput) {
  for (int n : {1, 2, 3, 4, 5}) {
    const int bits = n <= 2 ? 3 : 4;
    for (const std::string& button : ButtonNames(n)) {
      const int k = std::stoi(button.substr(2));
      const Levels levels = AfterPresses(n, button);
      int code = 0;
      for (int b = 0; b < bits; ++b) code |= levels.at("OUT0" + std::to_string(b)) << b;
      EXPECT_EQ(code, k) << "scheme " << n << " " << button;
    }
  }
  for (int n : {6, 7, 8, 9}) {
    const std::vector<std::string> buttons = ButtonNames(n);
    for (int code = 0; code < (1 << buttons.size()); ++code) {
      Levels pressed = ButtonsAfterSelection(n);
      for (size_t b = 0; b < buttons.size(); ++b) pressed[buttons[b]] = (code >> b) & 1;
      const Levels levels = Expected(n, pressed);
      EXPECT_EQ(ActiveOutputs(levels, 1 << buttons.size(), 1), std::vector<int>{code})
          << "scheme " << n;
    }
  }
}

}  // namespace
}  // namespace kvir::reference
