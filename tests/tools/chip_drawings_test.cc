// The drawings of the chip schemes 10 … 16: every indicator sits on a wire of the drawing, and
// nothing drawn touches an indicator's square except the wires running into its sides.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include "circuit/schemes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/draw_chips_parts.h"
#include "tools/placeholder.h"

namespace kvir {
namespace {

constexpr int kHalf = kPlaceholderSide / 2;

bool IsDark(const Picture& p, int x, int y) {
  if (x < 0 || y < 0 || x >= p.width || y >= p.height) return false;
  const uint8_t* px = p.pixel(x, y);
  return px[0] + px[1] + px[2] < 3 * 128;
}

/// A wire meets the square's side at x when the column just outside it is dark at the centre row.
bool WireAt(const Picture& p, int x, int centre_y) {
  return IsDark(p, x, centre_y - 1) || IsDark(p, x, centre_y) || IsDark(p, x, centre_y + 1);
}

/// Dark pixels of the one-pixel ring around the square at (x, y), except where a wire may enter
/// or leave: the centre rows of the left and right sides.
int StrayPixelsAround(const Picture& p, int x, int y) {
  int stray = 0;
  for (int dx = -1; dx <= kPlaceholderSide; ++dx) {
    stray += IsDark(p, x + dx, y - 1) + IsDark(p, x + dx, y + kPlaceholderSide);
  }
  for (int dy = 0; dy < kPlaceholderSide; ++dy) {
    if (std::abs(dy - kHalf) <= 2) continue;
    stray += IsDark(p, x - 1, y + dy) + IsDark(p, x + kPlaceholderSide, y + dy);
  }
  return stray;
}

class ChipDrawingTest : public ::testing::TestWithParam<int> {};

TEST_P(ChipDrawingTest, ButtonsDriveAWireAndLampsAreFedByOne) {
  Scheme scheme(*kSchemeTable[GetParam() - 1].def);
  const PanelPictures s(scheme);
  const Picture p = art::DrawSchemePicture(s);
  for (const Indicator& ind : scheme.indicators()) {
    const int x = PictureX(s, ind);
    const int centre = PictureY(s, ind) + kHalf;
    if (ind.is_button) {
      EXPECT_TRUE(WireAt(p, x + kPlaceholderSide, centre)) << ind.name << " drives nothing";
    } else {
      EXPECT_TRUE(WireAt(p, x - 1, centre)) << ind.name << " is fed by no wire";
    }
  }
}

TEST_P(ChipDrawingTest, SchemeOutputsLeadOutOfThePicture) {
  Scheme scheme(*kSchemeTable[GetParam() - 1].def);
  const PanelPictures s(scheme);
  const Picture p = art::DrawSchemePicture(s);
  for (const Indicator& ind : scheme.indicators()) {
    if (!ind.name.starts_with("OUT")) continue;
    EXPECT_TRUE(WireAt(p, PictureX(s, ind) + kPlaceholderSide, PictureY(s, ind) + kHalf))
        << ind.name;
  }
}

TEST_P(ChipDrawingTest, NothingButWiresTouchesASquare) {
  Scheme scheme(*kSchemeTable[GetParam() - 1].def);
  const PanelPictures s(scheme);
  const Picture p = art::DrawSchemePicture(s);
  for (const Indicator& ind : scheme.indicators()) {
    EXPECT_EQ(StrayPixelsAround(p, PictureX(s, ind), PictureY(s, ind)), 0) << ind.name;
  }
}

INSTANTIATE_TEST_SUITE_P(ChipSchemes, ChipDrawingTest, ::testing::Range(10, 17));

TEST(IndicatorNames, NumberedRunsOfNames) {
  const std::vector<std::string> expected = {"DC01IN03", "DC01IN04", "DC01IN05"};
  EXPECT_EQ(art::Numbered("DC01IN", 3, 3), expected);
  EXPECT_TRUE(art::Numbered("IN", 0, 0).empty());
}

}  // namespace
}  // namespace kvir

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
