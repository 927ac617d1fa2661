// The zoom levels in the model: scaling, stepping and reading a level, and a scheme pressed and
// composed at each zoom with the pictures of that zoom at their scaled places.

#include "render/zoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "render/loaders.h"
#include "render/panel_geometry.h"
#include "render/panel_image.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

TEST(Zoom, ScalesToTheNearestPixelHalvesUp) {
  const struct {
    int length, zoom, scaled;
  } cases[] = {{820, 200, 1640}, {665, 200, 1330}, {665, 150, 998}, {665, 250, 1663}, {23, 150, 35},
               {24, 250, 60},    {1, 150, 2},      {0, 300, 0},     {3, 100, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(Scaled(c.length, c.zoom), c.scaled) << c.length << " at " << c.zoom;
  }
  EXPECT_EQ(PanelWidth(200), 1640);
  EXPECT_EQ(PanelHeight(200), 1330);
}

TEST(Zoom, StepsStopAtTheFirstAndLastLevel) {
  EXPECT_EQ(StepZoom(100, 1), 150);
  EXPECT_EQ(StepZoom(250, 1), 300);
  EXPECT_EQ(StepZoom(300, 1), 300);
  EXPECT_EQ(StepZoom(150, -1), 100);
  EXPECT_EQ(StepZoom(100, -1), 100);
  EXPECT_EQ(StepZoom(200, -4), 100);
}

TEST(Zoom, ReadsOnlyTheLevelsInDecimal) {
  for (const int level : kZoomLevels) {
    EXPECT_EQ(ParseZoomLevel(std::to_string(level)), level);
  }
  for (const char* text : {"", "0", "120", "400", "200%", " 200", "+200", "2e2", "x"}) {
    EXPECT_EQ(ParseZoomLevel(text), std::nullopt) << text;
  }
  EXPECT_EQ(ZoomLevelList(), "100, 150, 200, 250, 300");
}

class ZoomedScheme : public ::testing::TestWithParam<int> {};

// Pressed at a zoom, every indicator shows its picture of that zoom, and the composed panel
// holds each one at its scaled place.
TEST_P(ZoomedScheme, PressAndPanelUseThePicturesOfTheZoom) {
  for (const int zoom : {150, 200, 300}) {
    testing::BuiltSchemes built;
    Scheme& s = built.set.scheme(GetParam());
    PanelPictures& pictures = built.pictures.pictures(GetParam());
    pictures.Restyle({.zoom = zoom});
    pictures.LoadSchemePicture();
    built.Select(GetParam());
    const Picture panel = ComposePanel(pictures);
    ASSERT_EQ(panel.width, PanelWidth(zoom));
    ASSERT_EQ(panel.height, PanelHeight(zoom));
    const std::string suffix = "_" + std::to_string(zoom) + "PNG";
    const auto covered = [&](size_t i) {  // by an indicator stacked above it
      const PictureRect a = IndicatorPlace(s.indicators()[i], zoom);
      for (size_t j = i + 1; j < s.indicators().size(); ++j) {
        const PictureRect b = IndicatorPlace(s.indicators()[j], zoom);
        if (a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
            b.top < a.top + a.height) {
          return true;
        }
      }
      return false;
    };
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      const Indicator& ind = s.indicators()[i];
      const Picture& shown_picture = pictures.shown(i);
      ASSERT_TRUE(pictures.shown_resource(i).ends_with(suffix))
          << ind.name << " " << pictures.shown_resource(i);
      ASSERT_EQ(shown_picture.width, IndicatorSide(zoom));
      const PictureRect place = IndicatorPlace(ind, zoom);
      EXPECT_EQ(place.left, Scaled(ind.left, zoom));
      if (covered(i)) continue;
      // The picture's first and last rows lie at the place, colour for colour.
      for (const int y : {0, shown_picture.height - 1}) {
        for (int x = 0; x < shown_picture.width; ++x) {
          const uint8_t* shown = shown_picture.pixel(x, y);
          const uint8_t* composed = panel.pixel(place.left + x, place.top + y);
          if (shown_picture.channels == 4 && shown[3] != 0xFF) continue;
          ASSERT_TRUE(std::equal(shown, shown + 3, composed)) << ind.name << " at " << zoom;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ZoomedScheme, ::testing::Range(1, kSchemeCount + 1));

}  // namespace
}  // namespace kvir
