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

// Every procedure of the library, routes included, on inputs of every kind: it writes a level,
// 0 or 1, to each of its outputs and nothing to its inputs, whatever they hold.
TEST(SchemeElement, EveryProcedureWritesALevelToEachOutputAndNothingElse) {
  std::vector<TSEProc> procs = {seRepeat, seInvert, seOr,     seNor,    seAnd,
                                seNand,   seSplit2, seSplit3, seSplit4, seSplitInv3,
                                se155IV1, se155ID3, se155ID4};
  for (const RouteEntry& route : RouteTable()) procs.push_back(route.proc);
  constexpr int32_t kUnwritten = 7;
  for (TSEProc proc : procs) {
    const Arity arity = ArityOf(proc);
    const int inputs = arity.inputs == Arity::kAny ? 3 : arity.inputs;
    const int outputs = arity.outputs == Arity::kAsInputs ? inputs : arity.outputs;
    ASSERT_TRUE(arity.Fits(inputs, outputs)) << arity.proc;
    for (int pattern = 0; pattern < 4; ++pattern) {
      // All 0, all 1, then alternating both ways.
      std::vector<int32_t> in(static_cast<size_t>(inputs));
      for (size_t k = 0; k < in.size(); ++k) {
        in[k] =
            pattern < 2 ? pattern : static_cast<int32_t>((k + static_cast<size_t>(pattern)) % 2);
      }
      const std::vector<int32_t> given = in;
      std::vector<int32_t> out(static_cast<size_t>(outputs), kUnwritten);
      TSE element(static_cast<uint8_t>(inputs), static_cast<uint8_t>(outputs), proc);
      for (size_t k = 0; k < in.size(); ++k) element.FInputs[k] = &in[k];
      for (size_t k = 0; k < out.size(); ++k) element.FOutputs[k] = &out[k];
      element.Execute();
      EXPECT_EQ(in, given) << arity.proc << " wrote to an input";
      for (size_t k = 0; k < out.size(); ++k) {
        EXPECT_TRUE(out[k] == 0 || out[k] == 1) << arity.proc << " output " << k << " holds "
                                                << out[k] << " (pattern " << pattern << ")";
      }
    }
  }
}

}  // namespace
}  // namespace kvir
