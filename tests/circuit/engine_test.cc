// The generic machinery every scheme shares: name lists, the press cycle, selection, start-up.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>

#include "core/chips.h"
#include "core/gates.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::StepRecorder;

TEST(NameListTest, ExpandsRangesInOrder) {
  struct Case {
    std::string_view list;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"IN00", {"IN00"}},
      {"IN[00..02]", {"IN00", "IN01", "IN02"}},
      {"- BUS[08..10]", {"-", "BUS08", "BUS09", "BUS10"}},
      {"AND[00..01][02..03]", {"AND0002", "AND0003", "AND0102", "AND0103"}},
      {"DC[00..01]OUT05", {"DC00OUT05", "DC01OUT05"}},
      {"  OUT02\n OUT01 ", {"OUT02", "OUT01"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandNames(c.list), c.names) << c.list;
    EXPECT_EQ(CountNames(c.list), static_cast<int>(c.names.size())) << c.list;
  }
}

TEST(NameListTest, RejectsMalformedLists) {
  for (std::string_view bad : {"IN[00..", "IN[05..02]", "IN[a..b]", "IN[00-07]"}) {
    EXPECT_EQ(CountNames(bad), -1) << bad;
    EXPECT_THROW(ExpandNames(bad), std::invalid_argument) << bad;
  }
}

TEST(NameListTest, GroupsByTheFirstBracketOfEachToken) {
  using Groups = std::vector<std::vector<std::string>>;
  struct Case {
    std::string_view list;
    Groups groups;
  };
  const Case cases[] = {
      {"AND[00..01][02..03]", {{"AND0002", "AND0003"}, {"AND0102", "AND0103"}}},
      {"IN[00..02]", {{"IN00"}, {"IN01"}, {"IN02"}}},
      {"BUS08 BUS06 OR[01..02]X", {{"BUS08"}, {"BUS06"}, {"OR01X"}, {"OR02X"}}},
      {"- BUS01", {{"-"}, {"BUS01"}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandGroups(c.list), c.groups) << c.list;
  }
  EXPECT_THROW(ExpandGroups("IN[02..01]"), std::invalid_argument);
}

// The generators compose their lists at compile time.
constexpr NameList kGateInputs = NameList("AND").Range(0, 15).Range(0, 3);
static_assert(kGateInputs.view() == "AND[00..15][00..03]" && CountNames(kGateInputs) == 64);
constexpr NameList kBusAndOutput = NameList("- BUS").Range(1, 8).Add(" OUT").Add(7);
static_assert(CountNames(kBusAndOutput) == 10);

TEST(NameListTest, NumbersHaveTwoDigits) {
  EXPECT_EQ(IndicatorNumber(5), "05");
  EXPECT_EQ(IndicatorNumber(16), "16");
  EXPECT_EQ(IndicatorName("AND", 1, 12), "AND0112");
  EXPECT_EQ(NameList("IN").Add(9).view(), "IN09");
}

constexpr int kOneTop[] = {0};

// A two-input AND scheme, small enough to follow by hand.
constexpr PlaceRow kTinyPlaces[] = {{"IN[00..01]", {Role::kInput, "A B"}, 0, 0, {0, 30}},
                                    {"OUT00", {Role::kOutput, "Y"}, 40, 15}};
constexpr ElementRow kTinyNetlist[] = {{seAnd, "IN00 IN01", "OUT00"}};
constexpr PressRow kTinyPress[] = {{1, 1, "OUT00"}};
const SchemeDef kTiny = {.number = 1,
                         .title = "tiny",
                         .picture = {0, 0, 64, 64},
                         .places = kTinyPlaces,
                         .buttons = "IN00 IN01",
                         .mode = InputMode::kToggle,
                         .toggle = "",
                         .netlist = kTinyNetlist,
                         .press = kTinyPress,
                         .initial = "IN00=1 IN01=1",
                         .start = "IN01"};

TEST(PressCycleTest, TogglesRedrawsButtonsThenExecutesAndRedrawsLamps) {
  Scheme s(kTiny);
  BuildNetlist(s);
  StepRecorder rec;
  rec.Attach(s);
  ApplyInitialInputs(s);
  Press(s, s.At("IN01"));  // 1 1 -> 1 0
  EXPECT_EQ(rec.steps, (std::vector<std::string>{"draw IN00 BUTTON1PNG", "draw IN01 BUTTON0PNG",
                                                 "exec 1", "draw OUT00 BIT0PNG"}));
  rec.steps.clear();
  Press(s, s.At("IN01"));
  EXPECT_EQ(rec.steps.back(), "draw OUT00 BIT1PNG");
}

TEST(PressCycleTest, OneHotClearsEveryButtonAndSetsThePressedOne) {
  constexpr PlaceRow places[] = {{"IN[00..02]", {Role::kInput, "#"}, 0, 0, {0, 30}},
                                 {"OUT00", {Role::kOutput, "Y"}, 40, 15}};
  constexpr ElementRow netlist[] = {{seOr, "IN[00..02]", "OUT00"}};
  SchemeDef def = kTiny;
  def.places = places;
  def.buttons = "IN[00..02]";
  def.netlist = netlist;
  def.mode = InputMode::kOneHot;
  def.initial = "";
  def.start = "IN00";
  Scheme s(def);
  BuildNetlist(s);
  for (const char* name : {"IN02", "IN02", "IN00"}) {
    Press(s, s.At(name));
    EXPECT_EQ(testing::Cells(s, "IN[00..02]"),
              (std::vector<int>{name[3] == '0', name[3] == '1', name[3] == '2'}));
  }
}

TEST(SchemeTableTest, SixteenSchemesInListOrder) {
  int indicators = 0, buttons = 0;
  for (int n = 1; n <= kSchemeCount; ++n) {
    const SchemeDef* def = kSchemeTable[n - 1].def;
    ASSERT_NE(def, nullptr) << n;
    EXPECT_EQ(def->number, n);
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "Схема %02d - ", n);
    EXPECT_TRUE(def->title.starts_with(prefix)) << def->title;
    Scheme s(*def);
    indicators += static_cast<int>(s.indicators().size());
    buttons += static_cast<int>(s.buttons.size());
  }
  EXPECT_EQ(indicators, 820);
  EXPECT_EQ(buttons, 130);
}

class EverySchemeTest : public ::testing::TestWithParam<int> {
 protected:
  testing::BuiltSchemes built;
  Scheme& scheme() { return built.set.scheme(GetParam()); }
};

TEST_P(EverySchemeTest, IndicatorsAreUniqueAndButtonsAreTheInFamily) {
  std::set<std::string> names;
  std::set<uint16_t> listed(scheme().buttons.begin(), scheme().buttons.end());
  for (size_t i = 0; i < scheme().indicators().size(); ++i) {
    const Indicator& ind = scheme().indicators()[i];
    EXPECT_TRUE(names.insert(ind.name).second) << "duplicate " << ind.name;
    EXPECT_EQ(listed.count(static_cast<uint16_t>(i)) == 1, ind.is_button) << ind.name;
  }
}

// Labels name the buttons for the command line and screen readers: each button its own.
TEST_P(EverySchemeTest, EveryIndicatorHasALabelAndARoleThatFitsIt) {
  std::map<std::string, std::string> button_of_label;
  for (const Indicator& ind : scheme().indicators()) {
    EXPECT_FALSE(ind.label.empty()) << ind.name;
    const bool input_role = ind.role == Role::kInput || ind.role == Role::kEnable;
    EXPECT_EQ(input_role, ind.is_button) << ind.name;
    EXPECT_EQ(ind.name.starts_with("OUT"), ind.role == Role::kOutput) << ind.name;
    EXPECT_TRUE(!ind.name.starts_with("BUS") || ind.role == Role::kBusLine) << ind.name;
    EXPECT_EQ(ind.role == Role::kChipPin, ind.pins.chip != 0 && ind.role != Role::kOutput)
        << ind.name;
    if (!ind.is_button) continue;
    const auto [it, fresh] = button_of_label.emplace(ind.label, ind.name);
    EXPECT_TRUE(fresh) << ind.name << " and " << it->second << " share " << ind.label;
  }
}

TEST_P(EverySchemeTest, NetlistIsInTopologicalOrder) {
  std::set<const int32_t*> buttons;
  for (uint16_t b : scheme().buttons) buttons.insert(&scheme().indicators()[b].Tag);
  std::map<const int32_t*, size_t> writer;
  const auto& elements = scheme().elements;
  for (size_t e = 0; e < elements.size(); ++e) {
    for (PSignal out : elements[e]->FOutputs) {
      ASSERT_NE(out, nullptr);
      EXPECT_EQ(buttons.count(out), 0u) << "element " << e + 1 << " writes a button";
      EXPECT_TRUE(writer.emplace(out, e).second) << "a cell is written twice, by " << e + 1;
    }
  }
  for (size_t e = 0; e < elements.size(); ++e) {
    for (PSignal in : elements[e]->FInputs) {
      if (in == nullptr) continue;
      const auto w = writer.find(in);
      EXPECT_TRUE(w == writer.end() || w->second < e)
          << "element " << e + 1 << " reads a cell written by itself or a later element";
    }
  }
}

TEST_P(EverySchemeTest, EveryPressRedrawsEachIndicatorOnceAndRunsEachElementOnce) {
  StepRecorder rec;
  rec.Attach(scheme());
  built.Select(GetParam());
  for (uint16_t b : scheme().buttons) {
    rec.steps.clear();
    kSchemeTable[GetParam() - 1].press(scheme(), scheme().indicators()[b]);
    std::map<std::string, int> draws;
    int next_element = 1;
    for (const std::string& step : rec.steps) {
      if (step.starts_with("exec ")) {
        EXPECT_EQ(step, "exec " + std::to_string(next_element++));
        continue;
      }
      const size_t space = step.rfind(' ');
      const std::string name = step.substr(5, space - 5);
      ++draws[name];
      const Indicator& ind = scheme().At(name);
      const std::string expected =
          (ind.is_button ? ButtonPictureName(ind.Tag) : BitPictureName(ind.Tag));
      EXPECT_EQ(step.substr(space + 1), expected) << name;
    }
    EXPECT_EQ(next_element - 1, static_cast<int>(scheme().elements.size()));
    EXPECT_EQ(draws.size(), scheme().indicators().size());
    for (const auto& [name, count] : draws) EXPECT_EQ(count, 1) << name;
    for (const Indicator& ind : scheme().indicators()) {
      EXPECT_TRUE(ind.Tag == 0 || ind.Tag == 1) << ind.name;
    }
  }
  rec.Detach();
}

TEST_P(EverySchemeTest, SelectingAgainRestoresTheInitialState) {
  built.Select(GetParam());
  std::vector<int32_t> initial;
  for (const Indicator& ind : scheme().indicators()) initial.push_back(ind.Tag);
  for (uint16_t b : scheme().buttons) {
    kSchemeTable[GetParam() - 1].press(scheme(), scheme().indicators()[b]);
  }
  built.Select(GetParam() == 1 ? 2 : 1);
  built.Select(GetParam());
  for (size_t i = 0; i < initial.size(); ++i) {
    EXPECT_EQ(scheme().indicators()[i].Tag, initial[i]) << scheme().indicators()[i].name;
  }
}

// Notes each call with how many steps the scheme's recorder had seen by then.
class StepCountingHost : public SchemeHost {
 public:
  explicit StepCountingHost(const StepRecorder& recorder) : recorder_(recorder) {}
  void ReturnScheme(int n) override { Note("return", n); }
  void ShowScheme(int n) override { Note("show", n); }
  std::vector<std::string> calls;

 private:
  void Note(const char* what, int n) {
    calls.push_back(std::string(what) + " " + std::to_string(n) + " after " +
                    std::to_string(recorder_.steps.size()));
  }
  const StepRecorder& recorder_;
};

// The starting press runs while no scheme is shown: after every scheme is returned, and wholly
// before the chosen one is shown, even when it was the one shown already.
TEST_P(EverySchemeTest, StartingPressRunsOutOfSight) {
  built.Select(GetParam());
  for (uint16_t b : scheme().buttons) {
    kSchemeTable[GetParam() - 1].press(scheme(), scheme().indicators()[b]);
  }
  StepRecorder rec;
  rec.Attach(scheme());
  StepCountingHost host(rec);
  SelectScheme(built.set, host, static_cast<uint8_t>(GetParam()));
  rec.Detach();
  ASSERT_FALSE(rec.steps.empty());
  std::vector<std::string> expected;
  for (int i = 1; i <= kSchemeCount; ++i)
    expected.push_back("return " + std::to_string(i) + " after 0");
  expected.push_back("show " + std::to_string(GetParam()) + " after " +
                     std::to_string(rec.steps.size()));
  EXPECT_EQ(host.calls, expected);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, EverySchemeTest, ::testing::Range(1, kSchemeCount + 1));

class RecordingHost : public SchemeHost {
 public:
  void ReturnScheme(int n) override { calls.push_back("return " + std::to_string(n)); }
  void ShowScheme(int n) override { calls.push_back("show " + std::to_string(n)); }
  std::vector<std::string> calls;
};

TEST(SelectSchemeTest, ReturnsEverySchemeThenShowsTheChosenOne) {
  testing::BuiltSchemes built;
  for (int n : {0, 1, 7, 16, 17, 255}) {
    RecordingHost host;
    SelectScheme(built.set, host, static_cast<uint8_t>(n));
    std::vector<std::string> expected;
    for (int i = 1; i <= kSchemeCount; ++i) expected.push_back("return " + std::to_string(i));
    if (n >= 1 && n <= 16) expected.push_back("show " + std::to_string(n));
    EXPECT_EQ(host.calls, expected) << n;
  }
}

// A freed scheme keeps its indicators but no element: pressing it must not reach a freed one.
TEST(FreeSchemesTest, FreedSchemesRefuseAPress) {
  testing::BuiltSchemes built;
  EXPECT_EQ(built.set.element_count(), 137);
  EXPECT_EQ(FreeSchemes(built.set), 137);
  EXPECT_EQ(built.set.element_count(), 0);
  for (int n = 1; n <= kSchemeCount; ++n) {
    Scheme& s = built.set.scheme(n);
    EXPECT_FALSE(s.built());
    EXPECT_THROW(kSchemeTable[n - 1].press(s, s.indicators()[s.start]), std::logic_error) << n;
  }
}

TEST(PressGuardTest, RefusesASchemeNotBuiltAndAForeignOrLampIndicator) {
  Scheme unbuilt(kTiny);
  try {
    Press(unbuilt, unbuilt.At("IN00"));
    ADD_FAILURE() << "pressed a scheme without elements";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "scheme 1 pressed while its netlist is not built");
  }
  Scheme s(kTiny);
  BuildNetlist(s);
  EXPECT_THROW(Press(s, unbuilt.At("IN00")), std::invalid_argument);
  EXPECT_THROW(Press(s, s.At("OUT00")), std::invalid_argument);
  EXPECT_NO_THROW(Press(s, s.At("IN00")));
}

// A definition that cannot be built fails at once, naming the scheme and what is wrong.
TEST(BuildCheckTest, MalformedDefinitionsNameSchemeAndPlace) {
  struct Case {
    std::vector<PlaceRow> places;  ///< empty: the tiny scheme's
    std::vector<ElementRow> netlist;
    std::vector<PressRow> press;
    std::string_view message;
  };
  const Case cases[] = {
      {{},
       {{seAnd, "IN00 IN01", "OUT00 IN00"}},
       {{1, 1, "OUT00"}},
       "scheme 1, element 1: seAnd takes one or more inputs and 1 output, not 2 inputs and 2 "
       "outputs"},
      {{},
       {{seRepeat, "IN00", "IN01"}, {se155ID4, "IN00 IN01", "OUT00"}},
       {{1, 2, "OUT00"}},
       "scheme 1, element 2: se155ID4 takes 6 inputs and 8 outputs, not 2 inputs and 1 output"},
      {{},
       {{seRepeat, "IN[00..01]", "-"}},
       {{1, 1, "OUT00"}},
       "scheme 1, element 1: seRepeat takes one or more inputs and as many outputs, not 2 inputs "
       "and 1 output"},
      {{},
       {{seOr, "- IN01", "OUT00"}},
       {{1, 1, "OUT00"}},
       "scheme 1, element 1 (seOr): input 0 is read but unwired"},
      {{},
       {{seAnd, "IN[00..01]", "OUT00", true}},
       {{1, 1, "OUT00"}},
       "scheme 1, element 1: 2 input groups for 1 output groups"},
      {{},
       {{seAnd, "IN00 IN01", "OUT00"}},
       {{1, 2, "OUT00"}},
       "scheme 1, press step 1: runs elements 1 … 2 where element 1 of 1 comes next"},
      {{},
       {{seAnd, "IN00 IN01", "OUT00"}, {seRepeat, "OUT00", "IN00"}},
       {{1, 1, "OUT00"}},
       "scheme 1, press steps: end before element 2 of 2"},
      {{},
       {{seAnd, "IN00 IN01", "OUT00"}},
       {{2, 2, "OUT00"}},
       "scheme 1, press step 1: runs elements 2 … 2 where element 1 of 1 comes next"},
      {{{"IN[00..01]", {Role::kInput, "A B C"}}, {"OUT00", {Role::kOutput, "Y"}}},
       {},
       {{1, 1, "OUT00"}},
       "scheme 1, IN00: 3 labels for 2 indicators"},
      {{{"IN[00..01]", {Role::kInput, "#"}}, {"OUT00", {Role::kOutput, ""}}},
       {},
       {{1, 1, "OUT00"}},
       "scheme 1, OUT00: no label"},
      {{{"IN[00..01]", {Role::kInput, "#"}},
        {"OUT[00..01]", {Role::kOutput, "", {1, ChipType::k155IV1, true, 3}}}},
       {},
       {{1, 1, "OUT00"}},
       "scheme 1, OUT01: the chip has no pin 4"},
      {{{"IN[00..01]", {Role::kInput, "#"}, 0, 0, {}, {}, std::span<const int>(kOneTop)},
        {"OUT00", {Role::kOutput, "Y"}}},
       {},
       {{1, 1, "OUT00"}},
       "scheme 1, IN01: no top in its row"},
      {{{"IN[00..01]", {Role::kInput, "#"}}, {"OUT00", {Role::kOutput, "Y"}}},
       {},
       {{1, 3, "OUT00 IN01", true}},
       "scheme 1, press row for elements 1 … 3: 2 groups to draw"},
  };
  for (const Case& c : cases) {
    SchemeDef def = kTiny;
    if (!c.places.empty()) def.places = c.places;
    if (!c.netlist.empty()) def.netlist = c.netlist;
    def.press = c.press;
    try {
      Scheme s(def);
      BuildNetlist(s);
      ADD_FAILURE() << "built: " << c.message;
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

// A host that notes each call, to show the order of start-up.
class CallLog : public SchemeHost {
 public:
  void ReturnScheme(int n) override { calls.push_back("return " + std::to_string(n)); }
  void ShowScheme(int n) override { calls.push_back("show " + std::to_string(n)); }
  void PrepareScheme(int n) override { calls.push_back("prepare " + std::to_string(n)); }
  std::vector<std::string> calls;
};

// Start-up makes each scheme ready, then builds it, in scheme order; then it selects scheme 1.
TEST(InitSchemesTest, PreparesAndBuildsEachSchemeInOrderThenShowsSchemeOne) {
  SchemeSet set;
  std::vector<std::string> built_before;
  struct Host : CallLog {
    SchemeSet* set = nullptr;
    std::vector<std::string>* built = nullptr;
    void PrepareScheme(int n) override {
      CallLog::PrepareScheme(n);
      if (set->scheme(n).built()) built->push_back(std::to_string(n));
    }
  } host;
  host.set = &set;
  host.built = &built_before;
  InitSchemes(set, host);
  EXPECT_TRUE(built_before.empty()) << "a scheme was built before it was prepared";
  std::vector<std::string> want;
  for (int n = 1; n <= kSchemeCount; ++n) want.push_back("prepare " + std::to_string(n));
  for (int n = 1; n <= kSchemeCount; ++n) want.push_back("return " + std::to_string(n));
  want.push_back("show 1");
  EXPECT_EQ(host.calls, want);
  EXPECT_EQ(set.element_count(), 137);
}

}  // namespace
}  // namespace kvir
