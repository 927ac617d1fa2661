#include "core/se.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/gates.h"

namespace kvir {
namespace {

int g_calls = 0;
const TPIntArr* g_seen_inputs = nullptr;
const TPIntArr* g_seen_outputs = nullptr;

void CountingProc(TPIntArr& inputs, TPIntArr& outputs) {
  ++g_calls;
  g_seen_inputs = &inputs;
  g_seen_outputs = &outputs;
}

TEST(SchemeElement, ArraysHaveTheGivenLengthsAndStartNull) {
  for (auto [inputs, outputs] : {std::pair{8, 12}, {0, 0}, {255, 255}, {0, 255}}) {
    TSE se(static_cast<uint8_t>(inputs), static_cast<uint8_t>(outputs), seRepeat);
    EXPECT_EQ(se.FInputs, TPIntArr(inputs, nullptr));
    EXPECT_EQ(se.FOutputs, TPIntArr(outputs, nullptr));
    EXPECT_EQ(se.FProc, &seRepeat);
  }
}

TEST(SchemeElement, ExecuteCallsTheProcedureOnceWithItsOwnArrays) {
  g_calls = 0;
  TSE se(2, 3, CountingProc);
  se.Execute();
  EXPECT_EQ(g_calls, 1);
  EXPECT_EQ(g_seen_inputs, &se.FInputs);
  EXPECT_EQ(g_seen_outputs, &se.FOutputs);
}

TEST(SchemeElement, DestroyingLeavesTheCellsAsTheyWere) {
  int32_t cells[4] = {1, 0, 1, 0};
  auto se = std::make_unique<TSE>(2, 2, seInvert);
  se->FInputs = {&cells[0], &cells[1]};
  se->FOutputs = {&cells[2], &cells[3]};
  se->Execute();
  se.reset();
  EXPECT_EQ((std::vector<int32_t>(cells, cells + 4)), (std::vector<int32_t>{1, 0, 0, 1}));
}

TEST(SchemeElement, ReaderCreatedLaterSeesTheEarlierWritersValue) {
  for (int32_t source : {0, 1}) {
    int32_t in = source, shared = 5, out = 5;
    TSE writer(1, 1, seInvert);
    writer.FInputs[0] = &in;
    writer.FOutputs[0] = &shared;
    TSE reader(1, 1, seRepeat);
    reader.FInputs[0] = &shared;
    reader.FOutputs[0] = &out;
    writer.Execute();
    reader.Execute();
    EXPECT_EQ(out, source ^ 1);
  }
}

}  // namespace
}  // namespace kvir
