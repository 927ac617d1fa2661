// Press storms over all sixteen schemes: a seeded run that must pass, and the same storm over
// deliberately broken schemes, each of which it must catch.

#include "tests/reliability/storm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iostream>

#include "core/gates.h"

namespace kvir::reliability {
namespace {

using ::testing::HasSubstr;

constexpr uint64_t kSeed = 20240611;
constexpr uint64_t kSuitePresses = 4000;

TEST(PressStorm, EveryPressAgreesWithTheReference) {
  std::cout << "press storm: seed " << kSeed << ", " << kSuitePresses << " presses\n";
  const StormReport report = RunStorm({.presses = kSuitePresses, .seed = kSeed});
  EXPECT_TRUE(report.ok()) << report.failure;
  EXPECT_EQ(report.presses, kSuitePresses);
  EXPECT_GT(report.selections, kSuitePresses / 40) << "too few re-selections";
  std::cout << "selections " << report.selections << ", indicator checks "
            << report.indicators_checked << "\n";
}

TEST(PressStorm, TheSameSeedRepeatsTheSameRun) {
  const StormReport first = RunStorm({.presses = 300, .seed = 7});
  const StormReport second = RunStorm({.presses = 300, .seed = 7});
  const StormReport other = RunStorm({.presses = 300, .seed = 8});
  EXPECT_TRUE(first.ok() && second.ok() && other.ok());
  EXPECT_EQ(first.selections, second.selections);
  EXPECT_EQ(first.indicators_checked, second.indicators_checked);
  EXPECT_NE(first.indicators_checked, other.indicators_checked);
}

void Nothing(TPIntArr&, TPIntArr&) {}

void WritesThree(TPIntArr& inputs, TPIntArr& outputs) {
  for (size_t i = 0; i < inputs.size(); ++i) *outputs[i] = *inputs[i] ^ 3;
}

int32_t* Cell(SchemeSet& set, int n, std::string_view name) {
  return &set.scheme(n).At(name).Tag;
}

TEST(PressStorm, CatchesEveryInjectedFault) {
  const struct {
    const char* fault;
    std::function<void(SchemeSet&)> tamper;
    const char* report_names;
  } kFaults[] = {
      {"scheme 2's input inverter is a repeater",
       [](SchemeSet& set) { set.scheme(2).elements[0]->FProc = seRepeat; }, "scheme 2 BUS"},
      {"scheme 3's router feeds gate 2 where gate 3's first input belongs",
       [](SchemeSet& set) {
         TPIntArr& out = set.scheme(3).elements[1]->FOutputs;
         out[24] = out[16];
       },
       "scheme 3 OR0"},
      {"scheme 9's gate 13 is an OR",
       [](SchemeSet& set) { set.scheme(9).elements[19]->FProc = seOr; }, "scheme 9 OUT13"},
      {"scheme 10's chip enable bypasses its inverter",
       [](SchemeSet& set) { set.scheme(10).elements[1]->FInputs[8] = Cell(set, 10, "IN08"); },
       "scheme 10 OUT0"},
      {"scheme 14's right chip has A and B swapped",
       [](SchemeSet& set) {
         TPIntArr& out = set.scheme(14).elements[2]->FOutputs;
         std::swap(out[14], out[15]);
       },
       "scheme 14 DC01IN0"},
      {"scheme 16's second strobe comes from E4",
       [](SchemeSet& set) { set.scheme(16).elements[10]->FInputs[0] = Cell(set, 16, "DC01OUT03"); },
       "scheme 16 DC02S02"},
      {"scheme 15 skips the redraw of OUT15",
       [](SchemeSet& set) { set.scheme(15).steps.back().draw.pop_back(); },
       "scheme 15 OUT15 shows \"\""},
      {"scheme 12 runs its chip before the router",
       [](SchemeSet& set) {
         auto& elements = set.scheme(12).elements;
         std::swap(elements[2], elements[3]);
       },
       "scheme 12"},
      {"scheme 6's inverter of IN01 does nothing",
       [](SchemeSet& set) { set.scheme(6).elements[2]->FProc = Nothing; }, "scheme 6 BUS04"},
      {"scheme 13's enable inverters write 2 and 3",
       [](SchemeSet& set) { set.scheme(13).elements[1]->FProc = WritesThree; }, "scheme 13"},
      {"scheme 14 selects with IN01 at 0",
       [](SchemeSet& set) { set.scheme(14).initial[1].second = 0; }, "scheme 14 IN01"},
      {"scheme 5 forgets IN15 in its press",
       [](SchemeSet& set) { set.scheme(5).buttons.pop_back(); }, "scheme 5 IN15"},
      {"scheme 1's repeater writes into scheme 2",
       [](SchemeSet& set) { set.scheme(1).elements[0]->FOutputs[0] = Cell(set, 2, "BUS00"); },
       "BUS00"},
  };
  for (const auto& [fault, tamper, report_names] : kFaults) {
    const StormReport report = RunStorm({.presses = 3000, .seed = kSeed}, tamper);
    EXPECT_THAT(report.failure, HasSubstr(report_names)) << fault;
    std::cout << fault << " — found after " << report.presses << " presses: " << report.failure
              << "\n";
  }
}

}  // namespace
}  // namespace kvir::reliability
