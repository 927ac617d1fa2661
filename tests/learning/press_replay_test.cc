// A press replayed stage by stage: the stages read from the press engine's steps, and which
// indicators wait and which are marked at each of them.

#include "learning/press_replay.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

using testing::BuiltSchemes;
using testing::StepRecorder;

// The stages of one press of `button` on scheme n just selected.
std::vector<PressStage> StagesOfPress(int n, const std::string& button) {
  BuiltSchemes built;
  Scheme& s = built.Select(n);
  StageRecorder recorder(s);
  kSchemeTable[n - 1].press(s, s.At(button));
  return recorder.stages();
}

std::vector<size_t> DrawnCounts(const std::vector<PressStage>& stages) {
  std::vector<size_t> counts;
  for (const PressStage& stage : stages) counts.push_back(stage.drawn.size());
  return counts;
}

TEST(PressStagesTest, KnownPressesTravelInTheirStages) {
  struct Case {
    int scheme;
    std::string button;
    std::vector<size_t> drawn;  // per stage
  };
  const std::vector<size_t> sixteen_gates(16, 1);
  std::vector<size_t> scheme08 = {4, 8, 64};
  scheme08.insert(scheme08.end(), sixteen_gates.begin(), sixteen_gates.end());
  const Case cases[] = {
      // The buttons, the inverters with the bus, the 64 gate inputs, then each gate's output.
      {8, "IN03", scheme08},
      // The buttons, the bus, the twelve gate inputs, then each OR gate's output.
      {1, "IN05", {8, 8, 12, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    const std::vector<PressStage> stages = StagesOfPress(c.scheme, c.button);
    EXPECT_EQ(DrawnCounts(stages), c.drawn) << "scheme " << c.scheme << " " << c.button;
  }
  EXPECT_EQ(StagesOfPress(8, "IN03").size(), 19u);
}

class EveryPressTest : public ::testing::TestWithParam<int> {};

// Every button of every scheme: the stages hold the engine's steps in its order, each element
// once and each indicator once, the buttons first; each later stage runs an element.
TEST_P(EveryPressTest, StagesAreTheEnginesStepsInOrder) {
  const int n = GetParam();
  BuiltSchemes built;
  Scheme& s = built.Select(n);
  for (uint16_t b : s.buttons) {
    StepRecorder trace;
    trace.Attach(s);
    std::vector<int32_t> before;
    for (const Indicator& ind : s.indicators()) before.push_back(ind.Tag);
    std::vector<PressStage> stages;
    {
      StageRecorder recorder(s);
      kSchemeTable[n - 1].press(s, s.indicators()[b]);
      stages = recorder.stages();
    }
    EXPECT_EQ(s.observer, &trace) << "the recorder gives the observer back";
    trace.Detach();
    const std::string where = "scheme " + std::to_string(n) + " " + s.indicators()[b].name;

    std::vector<std::string> replayed;
    for (const PressStage& stage : stages) {
      for (int e : stage.elements) replayed.push_back("exec " + std::to_string(e));
      for (uint16_t i : stage.drawn) {
        const Indicator& ind = s.indicators()[i];
        replayed.push_back("draw " + ind.name + " " + std::string(built.ShownResource(s, ind)));
      }
    }
    EXPECT_EQ(replayed, trace.steps) << where;

    ASSERT_FALSE(stages.empty()) << where;
    EXPECT_TRUE(stages.front().elements.empty()) << where;
    EXPECT_EQ(stages.front().drawn, s.buttons) << where;
    std::set<uint16_t> drawn;
    for (size_t k = 0; k < stages.size(); ++k) {
      EXPECT_EQ(stages[k].elements.empty(), k == 0) << where << " stage " << k + 1;
      EXPECT_FALSE(stages[k].drawn.empty()) << where << " stage " << k + 1;
      drawn.insert(stages[k].drawn.begin(), stages[k].drawn.end());
      std::vector<uint16_t>
          changed;  // each indicator is drawn once, with its level after the press
      for (uint16_t i : stages[k].drawn) {
        if (s.indicators()[i].Tag != before[i]) changed.push_back(i);
      }
      EXPECT_EQ(stages[k].changed, changed) << where << " stage " << k + 1;
    }
    EXPECT_EQ(drawn.size(), s.indicators().size()) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, EveryPressTest, ::testing::Range(1, kSchemeCount + 1));

// Scheme 8 selected, then X3 pressed through a replay.
struct ReplayOfScheme8 {
  ReplayOfScheme8() : s(built.Select(8)) {
    replay = std::make_unique<PressReplay>(s, [this] { kSchemeTable[7].press(s, s.At("IN03")); });
  }
  BuiltSchemes built;
  Scheme& s;
  std::unique_ptr<PressReplay> replay;
};

// The indicators of the stages not yet shown wait; those of the stage shown last are marked, fully
// where their level changed and faintly where it did not.
void ExpectShowsStagesUpTo(const ReplayOfScheme8& r, size_t shown) {
  std::set<uint16_t> waiting;
  for (size_t k = shown; k < r.replay->stages().size(); ++k) {
    waiting.insert(r.replay->stages()[k].drawn.begin(), r.replay->stages()[k].drawn.end());
  }
  const std::vector<uint16_t> got = r.replay->Waiting();
  EXPECT_EQ(std::set<uint16_t>(got.begin(), got.end()), waiting) << "at stage " << shown;
  EXPECT_EQ(got.size(), waiting.size()) << "an indicator waits twice at stage " << shown;
  const PressStage none;
  const PressStage& last = shown == 0 ? none : r.replay->stages()[shown - 1];
  EXPECT_EQ(r.replay->Marked(), last.changed) << "at stage " << shown;
  std::vector<uint16_t> both = r.replay->Marked();
  const std::vector<uint16_t> faint = r.replay->Redrawn();
  both.insert(both.end(), faint.begin(), faint.end());
  EXPECT_EQ(std::set<uint16_t>(both.begin(), both.end()),
            std::set<uint16_t>(last.drawn.begin(), last.drawn.end()))
      << "at stage " << shown;
  EXPECT_EQ(both.size(), last.drawn.size()) << "marked both ways at stage " << shown;
}

TEST(PressReplayTest, ChangesTheModelAtOnceAndShowsItStageByStage) {
  ReplayOfScheme8 r;
  EXPECT_EQ(r.s.At("IN03").Tag, 1) << "the model changes at once";
  ASSERT_EQ(r.replay->stages().size(), 19u);
  EXPECT_EQ(r.replay->Waiting().size(), r.s.indicators().size())
      << "every indicator waits at first";
  // X3 alone of the four buttons changes; the other three are redrawn as they were.
  EXPECT_EQ(r.replay->stages().front().changed,
            std::vector<uint16_t>{IndexIn(r.s, r.s.At("IN03"))});
  for (size_t shown = 0; shown <= 19; ++shown) {
    ASSERT_FALSE(r.replay->finished());
    EXPECT_EQ(r.replay->shown(), shown);
    ExpectShowsStagesUpTo(r, shown);
    r.replay->Advance();
  }
  EXPECT_TRUE(r.replay->finished());
  EXPECT_TRUE(r.replay->Waiting().empty());
  EXPECT_TRUE(r.replay->Marked().empty());
  EXPECT_TRUE(r.replay->Redrawn().empty());
  r.replay->Advance();
  EXPECT_TRUE(r.replay->finished());
}

TEST(PressReplayTest, FinishShowsTheModelFromAnyStage) {
  for (size_t advances : {0, 1, 7, 19}) {
    ReplayOfScheme8 r;
    for (size_t i = 0; i < advances; ++i) r.replay->Advance();
    r.replay->Finish();
    EXPECT_TRUE(r.replay->finished()) << advances;
    EXPECT_TRUE(r.replay->Waiting().empty()) << advances;
    EXPECT_TRUE(r.replay->Marked().empty()) << advances;
  }
}

TEST(PressReplayTest, PressThatFailsBeforeTheEngineIsFinishedAtOnce) {
  BuiltSchemes built;
  Scheme& s = built.Select(8);
  const PressReplay replay(s, [] {});
  EXPECT_TRUE(replay.stages().empty());
  EXPECT_TRUE(replay.finished());
  EXPECT_TRUE(replay.Waiting().empty());
}

}  // namespace
}  // namespace kvir
