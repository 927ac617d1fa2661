// kvir-cli render --clear-view: the clear view as the window shows it, drawn without a window.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/picture.h"
#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;

/// The panel kvir-cli renders for `words` (written to standard output).
Picture Render(const std::string& words) {
  const CliRun run = Invoke("render " + words + " -o -");
  EXPECT_EQ(run.status, 0) << words << ": " << run.err;
  Picture p;
  const std::vector<uint8_t> bytes(run.out.begin(), run.out.end());
  if (run.status == 0) DecodePng(bytes, words, {0, 0, 3}, p);
  return p;
}

enum class Look { kWhite, kGrey, kMark, kRed, kBlack };

Look LookAt(const Picture& p, int x, int y) {
  const uint8_t* c = p.pixel(x, y);
  if (c[0] == 0xFF && c[1] == 0xFF && c[2] == 0xFF) return Look::kWhite;
  if (c[0] == 0xFF && c[1] == 0 && c[2] == 0) return Look::kRed;
  if (c[0] == 0 && c[1] == 0 && c[2] == 0) return Look::kBlack;
  if (c[2] > 200 && c[0] < 60) return Look::kMark;  // the clear view's saturated blue
  return Look::kGrey;
}

struct PixelCase {
  std::string_view render;
  std::string_view what;
  int x, y;
  Look look;
};

// Points inside the indicators of the panels: a button's middle, a lamp's frame (at 1, 1).
constexpr PixelCase kPixels[] = {
    {"1", "plain: the pressed Y0 is grey", 276 + 12, 182 + 12, Look::kGrey},
    {"1 --clear-view", "the pressed Y0 is filled with colour", 276 + 12, 182 + 12, Look::kMark},
    {"1 --clear-view", "the released Y1 is hollow", 276 + 12, 210 + 12, Look::kWhite},
    {"1 IN03 --clear-view", "Y0 released after Y3", 276 + 12, 182 + 12, Look::kWhite},
    {"1 IN03 --clear-view", "Y3 pressed", 276 + 12, 266 + 12, Look::kMark},
    {"2 --clear-view", "a pressed button that feeds an inverter is coloured too", 276 + 12,
     182 + 12, Look::kMark},
    {"13", "plain: the selected output's frame is black", 510 + 1, 110 + 1, Look::kBlack},
    {"13 --clear-view", "the selected output 0 is framed", 510 + 1, 110 + 1, Look::kMark},
    {"13 --clear-view", "an idle output keeps its red frame", 510 + 1, 138 + 1, Look::kRed},
    {"6 --clear-view", "the gate decoder's selected output 1 is framed", 368 + 200 + 1, 47 + 1,
     Look::kMark},
    {"10 IN03 --clear-view", "an encoder's outputs are not framed", 510 + 1, 208 + 1, Look::kBlack},
};

TEST(CliClearView, PressedButtonsAreColouredAndSelectedOutputsFramed) {
  for (const PixelCase& c : kPixels) {
    const Picture p = Render(std::string(c.render));
    ASSERT_EQ(p.width, 820) << c.render;
    EXPECT_EQ(LookAt(p, c.x, c.y), c.look) << c.render << ": " << c.what;
  }
}

// Ink in the column left of the buttons, where the chip schemes' plain drawings leave white.
int InkLeftOf(const Picture& p, int left, int top, int bottom) {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left - 20; x < left - 2; ++x) ink += LookAt(p, x, y) != Look::kWhite;
  }
  return ink;
}

TEST(CliClearView, LabelsTheButtonsThePlainDrawingLeavesUnlabelled) {
  struct Case {
    std::string_view scheme;
    int left, top, bottom;  ///< the buttons' column
  };
  const Case cases[] = {{"10", 286, 208, 456}, {"14", 31, 224, 420}, {"16", 72, 112, 420}};
  for (const Case& c : cases) {
    const Picture plain = Render(std::string(c.scheme));
    const Picture clear = Render(std::string(c.scheme) + " --clear-view");
    EXPECT_EQ(InkLeftOf(plain, c.left, c.top, c.bottom), 0) << c.scheme;
    EXPECT_GT(InkLeftOf(clear, c.left, c.top, c.bottom), 50) << c.scheme;
  }
}

TEST(CliClearView, TitledHandoutGrowsByTheLabelsColumn) {
  const CliRun plain = Invoke("render 11 --title -o -");
  const CliRun clear = Invoke("render 11 --clear-view --title -o -");
  const CliRun encoder = Invoke("render 3 --clear-view --crop -o -");
  const CliRun encoder_plain = Invoke("render 3 --crop -o -");
  for (const CliRun* run : {&plain, &clear, &encoder, &encoder_plain}) {
    ASSERT_EQ(run->status, 0) << run->err;
  }
  const auto size = [](const CliRun& run) {
    Picture p;
    DecodePng(std::vector<uint8_t>(run.out.begin(), run.out.end()), "render", {0, 0, 3}, p);
    return std::pair{p.width, p.height};
  };
  EXPECT_EQ(size(clear).first, size(plain).first + 20);
  EXPECT_EQ(size(encoder), size(encoder_plain));
}

TEST(CliClearView, OnlyRenderTakesIt) {
  for (const char* words : {"state 1 --clear-view", "table 13 --clear-view", "list --clear-view"}) {
    const CliRun run = Invoke(words);
    EXPECT_EQ(run.status, 2) << words;
    EXPECT_NE(run.err.find("--clear-view"), std::string::npos) << run.err;
  }
  EXPECT_NE(Invoke("--help").out.find("--clear-view"), std::string::npos);
}

}  // namespace
}  // namespace kvir
