// The page's session: its panel as RGBA equals `kvir-cli render --crop`'s picture, composed whole
// at first and then only where the presses redrew.

#include "session/standalone_session.h"

#include <gtest/gtest.h>

#include "render/handout.h"

namespace kvir {
namespace {

// Whether `rgba` holds the pixels of the RGB picture `want`, each opaque.
::testing::AssertionResult SamePixels(const std::vector<uint8_t>& rgba, const Picture& want) {
  if (rgba.size() != static_cast<size_t>(want.width) * want.height * 4) {
    return ::testing::AssertionFailure() << "size " << rgba.size();
  }
  for (int y = 0; y < want.height; ++y) {
    for (int x = 0; x < want.width; ++x) {
      const uint8_t* got = &rgba[(static_cast<size_t>(y) * want.width + x) * 4];
      const uint8_t* pixel = want.pixel(x, y);
      if (got[0] != pixel[0] || got[1] != pixel[1] || got[2] != pixel[2] || got[3] != 0xFF) {
        return ::testing::AssertionFailure() << "first different pixel at " << x << ", " << y;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

struct ComposeCase {
  int scheme;
  PictureStyle style;
  const char* presses[3];
};

TEST(StandaloneSessionTest, PanelIsTheCroppedRenderAfterEachPress) {
  const ComposeCase cases[] = {
      {1, {}, {"IN03", "IN07", "IN03"}},
      {8, {.zoom = 200}, {"IN03", "IN00", "IN03"}},
      {14, {.clear = true}, {"IN03", "IN01", "IN02"}},
  };
  for (const ComposeCase& c : cases) {
    StandaloneSession page;
    ASSERT_TRUE(page.Select(c.scheme, c.style));
    EXPECT_TRUE(SamePixels(page.ComposeRgba(), CroppedPanel(page.pictures()))) << c.scheme;
    const PictureRect whole = page.shown_rect();
    ASSERT_EQ(page.recomposed().size(), 1u);
    EXPECT_EQ(page.recomposed()[0].width, whole.width) << "composed whole at first";
    for (const char* button : c.presses) {
      ASSERT_TRUE(page.session().Press(button));
      EXPECT_TRUE(SamePixels(page.ComposeRgba(), CroppedPanel(page.pictures())))
          << c.scheme << " " << button;
      for (const PictureRect& part : page.recomposed()) {
        EXPECT_LT(part.width, whole.width) << "only the places redrawn: " << button;
      }
    }
  }
}

// What shows over the pictures, or their style, changing composes the whole part again.
TEST(StandaloneSessionTest, OverlayAndStyleComposeTheWholePart) {
  StandaloneSession page(7);
  ASSERT_TRUE(page.Select(6, {}));
  page.ComposeRgba();
  page.session().SetMode(SessionMode::kQuiz);
  page.ComposeRgba();
  EXPECT_EQ(page.recomposed().size(), 1u);
  EXPECT_EQ(page.recomposed()[0].width, page.shown_rect().width);
  page.session().SetMode(SessionMode::kPlain);
  ASSERT_TRUE(page.Restyle({.clear = true, .zoom = 200}));
  EXPECT_TRUE(SamePixels(page.ComposeRgba(), CroppedPanel(page.pictures())));
  EXPECT_EQ(page.recomposed()[0].width, page.shown_rect().width);
}

TEST(StandaloneSessionTest, RefusesWhatMakesNoSense) {
  StandaloneSession page;
  EXPECT_FALSE(page.Restyle({})) << "nothing shown yet";
  EXPECT_FALSE(page.session().Press("IN00"));
  for (int n : {0, 17, -1}) EXPECT_FALSE(page.Select(n, {})) << n;
  EXPECT_EQ(page.session().shown(), 0);
  ASSERT_TRUE(page.Select(1, {}));
  for (const char* name : {"IN99", "BUS00", ""}) EXPECT_FALSE(page.session().Press(name)) << name;
}

}  // namespace
}  // namespace kvir
