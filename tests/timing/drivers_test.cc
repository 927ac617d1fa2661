#include "timing/drivers.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::BuiltSchemes;
using testing::StepRecorder;

/// Every indicator's cell and shown picture, in stacking order.
using SchemeState = std::vector<std::pair<int32_t, std::string_view>>;

SchemeState StateOf(Scheme& scheme) {
  SchemeState state;
  const PanelPictures& shown = testing::ShownOn(scheme);
  for (size_t i = 0; i < scheme.indicators().size(); ++i) {
    state.emplace_back(scheme.indicators()[i].Tag, shown.shown_resource(i));
  }
  return state;
}

std::vector<SchemeState> StatesOf(SchemeSet& set) {
  std::vector<SchemeState> states;
  for (int n = 1; n <= kSchemeCount; ++n) states.push_back(StateOf(set.scheme(n)));
  return states;
}

/// The steps of `action` on scheme `scheme`, as the press observer hears them.
template <typename Action>
std::vector<std::string> StepsOf(Scheme& scheme, Action action) {
  StepRecorder recorder;
  recorder.Attach(scheme);
  action();
  recorder.Detach();
  return recorder.steps;
}

TEST(TimingDriversTest, Driver_LeavesItsSchemeInTheSelectionStateWhateverWasPressedBefore) {
  BuiltSchemes built;
  const auto drivers = MakeTimingDrivers(built.set);
  for (int n = 1; n <= kTimingSchemeCount; ++n) {
    SCOPED_TRACE("scheme " + std::to_string(n));
    Scheme& scheme = built.set.scheme(n);
    const std::vector<std::string> selection_steps = StepsOf(scheme, [&] { built.Select(n); });
    const SchemeState selected = StateOf(scheme);
    // Each button in turn: one-hot schemes move the 1, toggle schemes pile up their changes.
    for (uint16_t button : scheme.buttons) {
      SCOPED_TRACE("after " + scheme.indicators()[button].name);
      kSchemeTable[n - 1].press(scheme, scheme.indicators()[button]);
      std::vector<SchemeState> expected = StatesOf(built.set);
      expected[n - 1] = selected;
      EXPECT_EQ(StepsOf(scheme, drivers[n - 1]), selection_steps);
      EXPECT_EQ(StatesOf(built.set), expected);
    }
  }
}

TEST(TimingDriversTest, Driver_OfASchemeWithoutNetlistThrowsInsteadOfPressing) {
  BuiltSchemes built;
  SchemeSet unbuilt;
  const PanelPictureSet unbuilt_shown(unbuilt);
  FreeSchemes(built.set);
  for (SchemeSet* set : {&unbuilt, &built.set}) {
    const auto drivers = MakeTimingDrivers(*set);
    for (int n = 1; n <= kTimingSchemeCount; ++n) {
      const SchemeState before = StateOf(set->scheme(n));
      EXPECT_THROW(drivers[n - 1](), std::logic_error) << "scheme " << n;
      EXPECT_EQ(StateOf(set->scheme(n)), before) << "scheme " << n;
    }
  }
}

/// A clock that moves one millisecond forward on every reading.
class SteppingClock : public TimingClock {
 public:
  explicit SteppingClock(int64_t start_ms) : next_ms_(start_ms) {}
  TimingMoment Now() override { return TimingMomentAt(next_ms_++); }

 private:
  int64_t next_ms_;
};

constexpr int64_t kStartMs = 946'771'200'000;  // 2000-01-02 00:00:00.000 on the local calendar

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class TimingBesideTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kvir_drivers_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    path_ = TimingFilePath(dir_);
    std::ofstream(path_, std::ios::binary) << kEarlier;
    InitSchemes(set_, host_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static constexpr const char* kEarlier = "earlier\r\n";
  std::string dir_;
  std::string path_;
  SchemeSet set_;
  PanelPictureSet pictures_{set_};  ///< what the window would show
  HeadlessHost host_;
  SteppingClock clock_{kStartMs};
};

TEST_F(TimingBesideTest, Run_AppendsOneBlockAndLeavesSchemeOneShowingY0Pressed) {
  Scheme& scheme = set_.scheme(1);
  kSchemeTable[0].press(scheme, scheme.At("IN05"));

  ASSERT_TRUE(RunTimingBeside(set_, dir_, clock_).ok());

  std::string expected = kEarlier + ("TIMING.B === " + TimingStamp(TimingMomentAt(kStartMs)));
  for (int n = 1; n <= kTimingSchemeCount; ++n) {
    expected += "\r\nP0" + std::to_string(n) + " : |";
    for (int r = 0; r < kTimingRepetitions; ++r) expected += "00:001|";
  }
  const int64_t end_ms = kStartMs + 1 + 2 * kTimingSchemeCount * kTimingRepetitions;
  expected +=
      "\r\nTTM : 00:00:00:181\r\nTIMING.E === " + TimingStamp(TimingMomentAt(end_ms)) + "\r\n";
  EXPECT_EQ(ReadAll(path_), expected);

  EXPECT_EQ(testing::Cells(scheme, "IN[00..07] OUT02 OUT01 OUT00"),
            testing::Bits("1 0 0 0 0 0 0 0  0 0 0"));
  const auto shown = [&](const char* name) {
    return pictures_.pictures(1).shown_resource(IndexIn(scheme, scheme.At(name)));
  };
  EXPECT_EQ(shown("IN00"), "BUTTON1PNG");
  EXPECT_EQ(shown("IN05"), "BUTTON0PNG");
  for (const char* out : {"OUT00", "OUT01", "OUT02"}) EXPECT_EQ(shown(out), "BIT0PNG") << out;
  EXPECT_EQ(host_.shown(), 1);
}

TEST_F(TimingBesideTest, Run_AfterTheFileWasRemovedOrTheSchemesFreedAppendsNothing) {
  std::filesystem::remove(path_);
  EXPECT_NE(RunTimingBeside(set_, dir_, clock_).error.find("не найден"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path_));

  std::ofstream(path_, std::ios::binary) << kEarlier;
  FreeSchemes(set_);
  EXPECT_NE(RunTimingBeside(set_, dir_, clock_).error.find("не построена"), std::string::npos);
  EXPECT_EQ(ReadAll(path_), kEarlier);
}

}  // namespace
}  // namespace kvir
