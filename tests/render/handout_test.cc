// Trimming the panel for handouts and setting the title strip above it.

#include "render/handout.h"

#include <gtest/gtest.h>

#include "circuit/schemes.h"
#include "render/panel_geometry.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

TEST(Handout, TheCropKeepsThePictureAndItsMarginInsideThePanel) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    Scheme s(*kSchemeTable[n - 1].def);
    const PanelPictures pictures(s);
    const PictureRect r = CropRect(pictures);
    const PictureControl& p = pictures.picture();
    EXPECT_EQ(r.left, std::max(0, p.left - kCropMargin)) << n;
    EXPECT_EQ(r.top, std::max(0, p.top - kCropMargin)) << n;
    EXPECT_EQ(r.left + r.width, std::min(kPanelWidth, p.left + p.width + kCropMargin)) << n;
    EXPECT_EQ(r.top + r.height, std::min(kPanelHeight, p.top + p.height + kCropMargin)) << n;
    for (const Indicator& ind : s.indicators()) {
      EXPECT_GE(ind.left, r.left) << ind.name;
      EXPECT_GE(ind.top, r.top) << ind.name;
      EXPECT_LE(ind.left + 24, r.left + r.width) << ind.name;
      EXPECT_LE(ind.top + 24, r.top + r.height) << ind.name;
    }
  }
}

Picture Numbered(int width, int height) {
  Picture p{width, height, 3, {}};
  for (int i = 0; i < width * height * 3; ++i) p.pixels.push_back(static_cast<uint8_t>(i));
  return p;
}

TEST(Handout, CropCopiesTheRectangleRowByRow) {
  const Picture p = Numbered(5, 4);
  const Picture c = Crop(p, {1, 2, 3, 2});
  ASSERT_EQ(c.width, 3);
  ASSERT_EQ(c.height, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(*c.pixel(x, y), *p.pixel(1 + x, 2 + y));
  }
  for (const PictureRect& outside : {PictureRect{-1, 0, 2, 2}, PictureRect{4, 0, 2, 1},
                                     PictureRect{0, 3, 1, 2}, PictureRect{0, 0, -1, 1}}) {
    EXPECT_THROW(Crop(p, outside), std::out_of_range);
  }
}

TEST(Handout, StackingPutsTheFirstPictureOnTop) {
  const Picture top = Numbered(3, 1), bottom = Crop(Numbered(3, 3), {0, 1, 3, 2});
  const Picture both = StackAbove(top, bottom);
  ASSERT_EQ(both.height, 3);
  EXPECT_EQ(*both.pixel(2, 0), *top.pixel(2, 0));
  EXPECT_EQ(*both.pixel(2, 2), *bottom.pixel(2, 1));
  EXPECT_THROW(StackAbove(Numbered(2, 1), bottom), std::invalid_argument);
}

TEST(Handout, EveryTitleStripIsEmbeddedAsWideAsItsCrop) {
  EXPECT_EQ(TitlePictureName(7, Language::kRussian), "TITLE07RUPNG");
  EXPECT_EQ(TitlePictureName(16, Language::kEnglish), "TITLE16ENPNG");
  for (int n = 1; n <= kSchemeCount; ++n) {
    Scheme s(*kSchemeTable[n - 1].def);
    const PanelPictures pictures(s);
    for (Language language : {Language::kRussian, Language::kEnglish}) {
      const Picture strip = LoadTitlePicture(pictures, language);
      EXPECT_EQ(strip.width, CropRect(pictures).width) << n;
      EXPECT_EQ(strip.channels, 3) << n;
    }
  }
}

// The name offered for a saved picture lists the pressed buttons by the labels of the drawing.
TEST(Handout, PictureFileNameNamesTheSchemeAndItsPressedButtons) {
  struct Case {
    int scheme;
    std::string_view presses;
    std::string_view name;
  };
  const Case cases[] = {
      {1, "", "kvir-01-Y0.png"},
      {1, "IN03", "kvir-01-Y3.png"},
      {3, "IN12", "kvir-03-Y12.png"},
      {6, "", "kvir-06.png"},
      {8, "IN00 IN03", "kvir-08-X0-X3.png"},
      {10, "IN02", "kvir-10-2-V.png"},
      {11, "", "kvir-11-S1-Ē-S2-D.png"},
      {12, "IN03", "kvir-12.png"},
      {16, "", "kvir-16-S-1-3-5.png"},
  };
  for (const Case& c : cases) {
    testing::BuiltSchemes built;
    built.Select(c.scheme);
    EXPECT_EQ(PictureFileName(built.Press(c.scheme, c.presses)), c.name) << c.presses;
  }
}

TEST(Handout, EveryPictureFileNameIsAPngNameWithoutAFolder) {
  testing::BuiltSchemes built;
  for (int n = 1; n <= kSchemeCount; ++n) {
    const std::string name = PictureFileName(built.Select(n));
    EXPECT_TRUE(name.starts_with("kvir-")) << name;
    EXPECT_TRUE(name.ends_with(".png")) << name;
    EXPECT_EQ(name.find('/'), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace kvir
