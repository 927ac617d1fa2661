#include "core/se.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "core/arity.h"
#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"

namespace kvir {
namespace {

void CountingProc(TPIntArr&, TPIntArr& outputs) {
  ++*outputs[0];
}

// An element reads the cells its inputs refer to when it runs, not when it is wired, and each
// Execute runs its procedure once.
TEST(SchemeElement, ExecuteReadsTheCellsAsTheyAreThen) {
  int32_t a = 0, b = 0, out = 7;
  TSE gate(2, 1, seOr);
  gate.FInputs = {&a, &b};
  gate.FOutputs = {&out};
  const struct { int32_t a, b, want; } rows[] = {{0, 0, 0}, {1, 0, 1}, {0, 1, 1}, {0, 0, 0}};
  for (const auto& row : rows) {
    a = row.a;
    b = row.b;
    gate.Execute();
    EXPECT_EQ(out, row.want) << row.a << " " << row.b;
  }
  int32_t runs = 0;
  TSE counter(0, 1, CountingProc);
  counter.FOutputs = {&runs};
  for (int i = 1; i <= 3; ++i) {
    counter.Execute();
    EXPECT_EQ(runs, i);
  }
}

// The arity table is what keeps a procedure from reading past its element's references.
TEST(ArityTest, EveryProcedureOfTheLibraryFitsOnlyItsCounts) {
  struct Case {
    TSEProc proc;
    std::pair<int, int> fits;
    std::vector<std::pair<int, int>> misfits;
  };
  const Case cases[] = {
      {seRepeat, {3, 3}, {{3, 2}, {0, 0}}},  {seInvert, {1, 1}, {{1, 2}}},
      {seOr, {4, 1}, {{4, 2}, {0, 1}}},      {seNand, {8, 1}, {{8, 0}}},
      {seSplit3, {1, 3}, {{2, 3}, {1, 2}}},  {seSplitInv3, {1, 3}, {{1, 4}}},
      {se155IV1, {9, 4}, {{8, 4}, {9, 3}}},  {se155ID3, {6, 16}, {{6, 8}}},
      {se155ID4, {6, 8}, {{6, 16}, {5, 8}}}, {seRoute01, {8, 12}, {{7, 12}, {8, 11}}},
      {seRoute06, {7, 24}, {{6, 24}}},       {seRoute14, {7, 17}, {{7, 16}}},
  };
  for (const Case& c : cases) {
    const Arity arity = ArityOf(c.proc);
    EXPECT_TRUE(arity.Fits(c.fits.first, c.fits.second)) << arity.proc;
    for (const auto& [in, out] : c.misfits) {
      EXPECT_FALSE(arity.Fits(in, out)) << arity.proc << " " << in << " → " << out;
    }
  }
  EXPECT_EQ(ArityOf(seRoute03).Describe(), "16 inputs and 32 outputs");
  EXPECT_EQ(ArityOf(seRepeat).Describe(), "one or more inputs and as many outputs");
  EXPECT_THROW(ArityOf(CountingProc), std::invalid_argument);
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
