// The committed scheme pictures: their format, their placeholders, and that they are exactly what
// the generator draws from the current scheme tables.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

#include "resources/resources.h"
#include "schemes/loaders.h"
#include "schemes/schemes.h"
#include "tools/artwork/canvas.h"
#include "tools/placeholder.h"

namespace kvir {
namespace {

Picture Committed(const Scheme& s) {
  Picture p;
  LoadResourcePicture(SchemePictureName(s.number()), {s.picture.width, s.picture.height, 4}, p);
  return p;
}

// The 24 × 24 block of `p` at (x, y), RGBA.
std::vector<uint8_t> Block(const Picture& p, int x, int y) {
  std::vector<uint8_t> block;
  for (int dy = 0; dy < kPlaceholderSide; ++dy) {
    const uint8_t* row = p.pixel(x, y + dy);
    block.insert(block.end(), row, row + kPlaceholderSide * 4);
  }
  return block;
}

std::vector<uint8_t> Expected(bool button) {
  Picture p = BlankPicture(kPlaceholderSide, kPlaceholderSide);
  DrawPlaceholder(p, 0, 0, button);
  return Block(p, 0, 0);
}

class SchemePictureTest : public ::testing::TestWithParam<int> {};

TEST_P(SchemePictureTest, IsOpaqueRgbaOfItsSizeWithEverySquareInPlace) {
  const Scheme s(*kSchemeTable[GetParam() - 1].def);
  const Picture p = Committed(s);
  ASSERT_EQ(p.channels, 4);
  for (size_t i = 3; i < p.pixels.size(); i += 4) ASSERT_EQ(p.pixels[i], 0xFF) << "pixel " << i / 4;
  const std::vector<uint8_t> k = Expected(true), l = Expected(false);
  ASSERT_NE(k, l);
  for (const Indicator& ind : s.indicators) {
    EXPECT_EQ(Block(p, PictureX(s, ind), PictureY(s, ind)), ind.is_button ? k : l) << ind.name;
  }
}

TEST_P(SchemePictureTest, IsWhatTheGeneratorDrawsFromTheTables) {
  const Scheme s(*kSchemeTable[GetParam() - 1].def);
  const Picture drawn = art::DrawSchemePicture(s);
  const Picture committed = Committed(s);
  ASSERT_EQ(drawn.width, committed.width);
  ASSERT_EQ(drawn.height, committed.height);
  size_t differing = 0;
  for (size_t i = 0; i < drawn.pixels.size(); ++i)
    differing += drawn.pixels[i] != committed.pixels[i];
  EXPECT_EQ(differing, 0u) << "regenerate resources/ with kvir-scheme-pictures";
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, SchemePictureTest, ::testing::Range(1, kSchemeCount + 1));

}  // namespace
}  // namespace kvir

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
