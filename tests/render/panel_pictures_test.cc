// The pictures a panel shows: decoded as the press engine redraws, restyled, begun ahead at
// start-up.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/loaders.h"
#include "render/panel_image.h"
#include "render/panel_pictures.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

TEST(LoaderTest, FormsResourceNames) {
  EXPECT_EQ(SchemePictureName(9), "SCHEME09PNG");
  EXPECT_EQ(SchemePictureName(10), "SCHEME10PNG");
  EXPECT_EQ(ButtonPictureName(1), "BUTTON1PNG");
  EXPECT_EQ(BitPictureName(0), "BIT0PNG");
}

TEST(LoaderTest, CellOutsideZeroOneNamesTheMissingResource) {
  Indicator lamp;
  lamp.Tag = 2;
  Picture out;
  try {
    LoadIndicatorPicture(lamp, out);
    FAIL() << "expected an exception";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("BIT2PNG"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(out.empty());
}

TEST(LoaderTest, EachDecodeHasItsOwnCopy) {
  Indicator a, b;
  b.Tag = 1;
  Picture pa, pb, pc;
  EXPECT_EQ(LoadIndicatorPicture(a, pa), "BIT0PNG");
  EXPECT_EQ(LoadIndicatorPicture(b, pb), "BIT1PNG");
  EXPECT_NE(pa.pixels, pb.pixels);
  pa.pixels[0] ^= 0xFF;
  LoadIndicatorPicture(a, pc);
  EXPECT_NE(pa.pixels, pc.pixels) << "a decode must not share storage";
  b.is_button = true;
  EXPECT_EQ(LoadIndicatorPicture(b, pb), "BUTTON1PNG");
  EXPECT_EQ(pb.channels, 4);
  EXPECT_EQ(pc.channels, 3);
}

// Nothing is shown before the first redraw; a press decodes what it redraws, in its order, and
// passes each step on to the observer the scheme had.
TEST(PanelPicturesTest, ShowWhatThePressesRedraw) {
  testing::BuiltSchemes built;
  Scheme& s = built.set.scheme(6);
  testing::StepRecorder below;
  below.Attach(s);
  {
    PanelPictures pictures(s);
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      EXPECT_TRUE(pictures.shown(i).empty());
      EXPECT_TRUE(pictures.shown_resource(i).empty());
    }
    kSchemeTable[5].press(s, s.At("IN00"));
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      const Indicator& ind = s.indicators()[i];
      const std::string want = ind.is_button ? ButtonPictureName(ind.Tag) : BitPictureName(ind.Tag);
      EXPECT_EQ(pictures.shown_resource(i), want) << ind.name;
      EXPECT_EQ(pictures.shown(i).width, 24) << ind.name;
    }
    EXPECT_FALSE(below.steps.empty()) << "the observer below heard nothing";
    EXPECT_EQ(s.observer, &pictures);
  }
  EXPECT_EQ(s.observer, &below) << "the pictures give the observer back";
  below.Detach();
}

// A restyle decodes again what is shown, at the level of each cell, and nothing else.
TEST(PanelPicturesTest, RestyleDecodesWhatIsShownInTheNewStyle) {
  testing::BuiltSchemes built;
  Scheme& s = built.Select(8);
  PanelPictures& pictures = built.pictures.pictures(8);
  pictures.Restyle({.clear = true, .zoom = 200});
  EXPECT_TRUE(pictures.picture().picture.empty()) << "the scheme picture was never loaded";
  EXPECT_EQ(pictures.picture().width, StyledPictureRect(s.def(), {true, 200}).width);
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    EXPECT_EQ(pictures.shown(i).width, 48) << s.indicators()[i].name;
  }
  pictures.Restyle({});
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    EXPECT_EQ(pictures.shown(i).width, 24) << s.indicators()[i].name;
  }
}

// A copy in another style shows the state its source shows as if it had heard the same presses
// in that style, and gives the scheme back to its source when it ends.
TEST(PanelPicturesTest, ACopyInAnotherStyleShowsTheSameState) {
  const PictureStyle sharp = {.clear = true, .zoom = 300};
  testing::BuiltSchemes window;
  window.Select(10);
  Scheme& s = window.Press(10, "IN05 IN08");
  PanelPictures& shown = window.pictures.pictures(10);
  shown.LoadSchemePicture();
  testing::BuiltSchemes heard;
  heard.pictures.Restyle(sharp);
  heard.Select(10);
  heard.Press(10, "IN05 IN08");
  heard.pictures.pictures(10).LoadSchemePicture();
  {
    const PanelPictures copy(shown, sharp);
    EXPECT_EQ(s.observer, &copy);
    EXPECT_EQ(ComposePanel(copy).pixels, ComposePanel(heard.pictures.pictures(10)).pixels);
    for (size_t i = 0; i < s.indicators().size(); ++i) {
      EXPECT_EQ(copy.shown(i).empty(), shown.shown(i).empty()) << s.indicators()[i].name;
    }
  }
  EXPECT_EQ(s.observer, &shown);
}

TEST(StartUpPicturesTest, EverySchemeHasItsPicture) {
  SchemeSet set;
  PanelPictureSet pictures(set);
  PicturedHost host(pictures);
  InitSchemes(set, host);
  EXPECT_EQ(host.shown(), 1);
  for (int n = 1; n <= kSchemeCount; ++n) {
    EXPECT_FALSE(pictures.pictures(n).picture().picture.empty()) << n;
  }
}

// The pictures are decoded side by side, but a start-up that meets unsuitable pictures fails as
// one in scheme order would: on the first of them, with the schemes before it built and none
// after it; begun ahead or not.
TEST(StartUpPicturesTest, FailsOnTheFirstUnsuitablePictureInSchemeOrder) {
  for (const bool ahead : {false, true}) {
    for (const int first : {1, 7, 15}) {
      SchemeSet set;
      PanelPictureSet pictures(set);
      PicturedHost host(pictures);
      if (ahead) pictures.DecodeAhead();
      for (const int n : {first, 16}) ++pictures.pictures(n).picture().width;
      char name[16];
      std::snprintf(name, sizeof name, "SCHEME%02dPNG", first);
      try {
        InitSchemes(set, host);
        ADD_FAILURE() << "scheme " << first << "'s picture was accepted";
      } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
      }
      for (int n = 1; n <= kSchemeCount; ++n) {
        EXPECT_EQ(set.scheme(n).elements.empty(), n >= first) << "scheme " << n;
      }
      EXPECT_EQ(host.shown(), 0);
    }
  }
}

// Pictures begun ahead are the pictures start-up decodes itself, in whichever style the schemes
// have when it runs: the one they were begun in, or another set since.
TEST(StartUpPicturesTest, TakesPicturesDecodedAheadOnlyInThePresentStyle) {
  const PictureStyle clear150 = {.clear = true, .zoom = 150};
  struct Case {
    PictureStyle ahead;
    PictureStyle later;  ///< set between the start of the decode and start-up
  };
  for (const Case& c :
       {Case{{}, {}}, Case{clear150, clear150}, Case{clear150, {}}, Case{{}, clear150}}) {
    SchemeSet fresh_set;
    PanelPictureSet fresh(fresh_set, c.later);
    PicturedHost fresh_host(fresh);
    InitSchemes(fresh_set, fresh_host);

    SchemeSet ahead_set;
    PanelPictureSet ahead(ahead_set, c.ahead);
    ahead.DecodeAhead();
    ahead.Restyle(c.later);
    PicturedHost ahead_host(ahead);
    InitSchemes(ahead_set, ahead_host);
    for (int n = 1; n <= kSchemeCount; ++n) {
      const Picture& want = fresh.pictures(n).picture().picture;
      const Picture& got = ahead.pictures(n).picture().picture;
      ASSERT_FALSE(got.empty()) << "scheme " << n;
      EXPECT_EQ(got.width, want.width) << "scheme " << n;
      EXPECT_EQ(got.height, want.height) << "scheme " << n;
      EXPECT_TRUE(got.pixels == want.pixels) << "scheme " << n;
    }
    EXPECT_EQ(ahead_set.element_count(), 137);
  }
}

// A set destroyed while its pictures are still being decoded ahead waits for the decoders.
TEST(StartUpPicturesTest, ASetLeftBeforeItsPicturesAreTakenEndsCleanly) {
  for (int i = 0; i < 3; ++i) {
    SchemeSet set;
    PanelPictureSet pictures(set, {.zoom = 300});
    pictures.DecodeAhead();
  }
}

}  // namespace
}  // namespace kvir
