// The clear view in the model: which resource each picture comes from in each style, that every
// clear-view picture is embedded at its size, and what a press and a change of style show.

#include "render/picture_style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_geometry.h"
#include "tests/circuit/scheme_test_util.h"

namespace kvir {
namespace {

constexpr PictureStyle kPlain = {};
constexpr PictureStyle kClear = {.clear = true};
constexpr PictureStyle kPlain200 = {.zoom = 200};
constexpr PictureStyle kClear150 = {.clear = true, .zoom = 150};

struct LookupCase {
  std::string_view base;
  PictureStyle style;
  std::string_view found;  ///< empty: nothing
};

constexpr LookupCase kLookups[] = {
    {"BUTTON0PNG", kPlain, "BUTTON0PNG"},
    {"BUTTON1PNG", kPlain, "BUTTON1PNG"},
    {"BUTTON0PNG", kClear, "BUTTON0_CLEARPNG"},
    {"BUTTON1PNG", kClear, "BUTTON1_CLEARPNG"},
    {"BIT0PNG", kClear, "BIT0PNG"},  // no variant: the plain picture
    {"BIT1PNG", kPlain, "BIT1PNG"},
    {"ACTIVE0PNG", kClear, "ACTIVE0PNG"},
    {"SCHEME01PNG", kClear, "SCHEME01PNG"},
    {"SCHEME09PNG", kClear, "SCHEME09PNG"},
    {"SCHEME10PNG", kPlain, "SCHEME10PNG"},
    {"SCHEME10PNG", kClear, "SCHEME10_CLEARPNG"},
    {"SCHEME16PNG", kClear, "SCHEME16_CLEARPNG"},
    {"TITLE04ENPNG", kClear, "TITLE04ENPNG"},
    {"TITLE12RUPNG", kClear, "TITLE12RUPNG"},  // scheme 12 labels its buttons already
    {"TITLE13RUPNG", kClear, "TITLE13RU_CLEARPNG"},
    {"NOSUCHPNG", kClear, ""},
    {"NOSUCHPNG", kPlain, ""},
    {"BUTTON1", kClear, ""},  // not a picture's name
    {"BUTTON1PNG", kPlain200, "BUTTON1_200PNG"},
    {"BUTTON1PNG", kClear150, "BUTTON1_CLEAR_150PNG"},
    {"BIT0PNG", kClear150, "BIT0_150PNG"},  // no clear variant: the zoom's plain picture
    {"SCHEME01PNG", {.clear = true, .zoom = 300}, "SCHEME01_300PNG"},
    {"SCHEME16PNG", {.clear = true, .zoom = 250}, "SCHEME16_CLEAR_250PNG"},
    {"TITLE13RUPNG", kPlain200, "TITLE13RU_200PNG"},
    {"NOSUCHPNG", kPlain200, ""},  // never the 100 % picture at another zoom
};

TEST(PictureStyle, EachPictureComesFromItsStylesVariantElseFromThePlainOne) {
  for (const LookupCase& c : kLookups) {
    const Resource* found = FindStyledResource(c.base, c.style);
    EXPECT_EQ(found ? found->name : "", c.found)
        << c.base << (c.style.clear ? " clear" : "") << " at " << c.style.zoom;
  }
}

TEST(PictureStyle, SuffixNamesTheClearViewThenTheZoom) {
  EXPECT_EQ(StyleSuffix(kPlain), "");
  EXPECT_EQ(StyleSuffix(kClear), "_CLEAR");
  EXPECT_EQ(StyleSuffix(kPlain200), "_200");
  EXPECT_EQ(StyleSuffix(kClear150), "_CLEAR_150");
}

// The plain name of a variant and its style: "BUTTON1_CLEAR_200PNG" is BUTTON1PNG, clear, 200 %.
std::pair<std::string, PictureStyle> PlainNameOf(std::string_view name) {
  std::string stem(name.substr(0, name.size() - 3));
  PictureStyle style;
  for (const int zoom : kZoomLevels) {
    const std::string suffix = "_" + std::to_string(zoom);
    if (zoom != kPlainZoom && stem.ends_with(suffix)) {
      style.zoom = zoom;
      stem.resize(stem.size() - suffix.size());
    }
  }
  if (stem.ends_with("_CLEAR")) {
    style.clear = true;
    stem.resize(stem.size() - 6);
  }
  return {stem + "PNG", style};
}

// A variant without its plain picture is a misnamed file: nothing would ever decode it. Every
// picture of the plain style at 100 % has its variant at every other zoom, and so has every
// clear-view variant.
TEST(PictureStyle, EveryPictureHasItsVariantAtEveryZoomAndEveryVariantItsPlainPicture) {
  int clear_variants = 0;
  for (const Resource& r : AllResources()) {
    const auto [plain, style] = PlainNameOf(r.name);
    EXPECT_NE(FindResource(plain), nullptr) << r.name;
    EXPECT_EQ(plain.substr(0, plain.size() - 3) + StyleSuffix(style) + "PNG", r.name);
    if (style.zoom != kPlainZoom) continue;
    clear_variants += style.clear;
    for (const int zoom : kZoomLevels) {
      const PictureStyle at = {.clear = style.clear, .zoom = zoom};
      const Resource* found = FindStyledResource(plain, at);
      ASSERT_NE(found, nullptr) << r.name << " at " << zoom;
      EXPECT_EQ(PlainNameOf(found->name).second, at) << r.name << " at " << zoom;
    }
  }
  EXPECT_EQ(clear_variants, 2 + 6 * 3);  // two buttons; six schemes' pictures and title strips
}

// The clear view's pictures of the indicators: hollow and filled buttons, framed lamps.
struct SmallCase {
  std::string_view name;
  int channels;
  bool marked_middle;  ///< inside the rim or frame: the clear view's colour, else white or paper
};

bool Saturated(const uint8_t* rgb) {
  return *std::max_element(rgb, rgb + 3) - *std::min_element(rgb, rgb + 3) > 150;
}

TEST(PictureStyle, ClearViewIndicatorPicturesAreEmbeddedAtTheirSize) {
  const SmallCase cases[] = {{"BUTTON0_CLEARPNG", 4, false},
                             {"BUTTON1_CLEARPNG", 4, true},
                             {"ACTIVE0PNG", 3, false},
                             {"ACTIVE1PNG", 3, false}};
  Picture filled;
  LoadResourcePicture("BUTTON1_CLEARPNG", {24, 24, 4}, filled);
  const uint8_t* mark = filled.pixel(12, 12);
  for (const SmallCase& c : cases) {
    Picture p;
    ASSERT_NO_THROW(LoadResourcePicture(c.name, {24, 24, c.channels}, p)) << c.name;
    EXPECT_EQ(Saturated(p.pixel(4, 12)), c.marked_middle) << c.name;
    if (c.channels == 3) {  // a lamp's frame: the clear view's colour all round, 3 pixels wide
      for (const auto& [x, y] : {std::pair{0, 0}, {2, 12}, {21, 23}, {23, 5}}) {
        EXPECT_TRUE(std::equal(mark, mark + 3, p.pixel(x, y))) << c.name << " at " << x << "," << y;
      }
    }
  }
  Picture plain;
  LoadResourcePicture("BUTTON1PNG", {24, 24, 4}, plain);
  EXPECT_FALSE(Saturated(plain.pixel(12, 12))) << "the plain pressed button stays grey";
}

class ClearViewScheme : public ::testing::TestWithParam<int> {
 protected:
  const SchemeDef& def() const { return *kSchemeTable[GetParam() - 1].def; }
};

// At every zoom the picture and both title strips decode at the style's size, scaled from
// 100 %, and lie on the panel.
TEST_P(ClearViewScheme, PicturesAreEmbeddedAtTheirSizeAtEveryZoom) {
  for (const int zoom : kZoomLevels) {
    for (const bool clear : {false, true}) {
      const PictureStyle style = {.clear = clear, .zoom = zoom};
      Scheme s(def());
      PanelPictures p(s, style);
      const PictureRect rect = StyledPictureRect(def(), style);
      const PictureRect plain = StyledPictureRect(def(), {.clear = clear});
      EXPECT_EQ(rect.left, Scaled(plain.left, zoom));
      EXPECT_EQ(rect.top, Scaled(plain.top, zoom));
      EXPECT_EQ(rect.width, Scaled(plain.width, zoom));
      EXPECT_EQ(rect.height, Scaled(plain.height, zoom));
      EXPECT_LE(rect.left + rect.width, PanelWidth(zoom));
      EXPECT_LE(rect.top + rect.height, PanelHeight(zoom));
      ASSERT_NO_THROW(p.LoadSchemePicture()) << zoom;
      EXPECT_EQ(p.picture().picture.width, rect.width);
      for (Language language : {Language::kRussian, Language::kEnglish}) {
        Picture title;
        ASSERT_NO_THROW(title = LoadTitlePicture(p, language)) << zoom;
        EXPECT_EQ(title.width, CropRect(p).width);
      }
    }
  }
}

// The picture and both title strips decode at the clear view's size; the labels' column lies on
// the panel.
TEST_P(ClearViewScheme, PicturesAreEmbeddedAtTheirSize) {
  Scheme s(def());
  PanelPictures p(s, kClear);
  const PictureRect rect = StyledPictureRect(def(), kClear);
  EXPECT_EQ(p.picture().left, rect.left);
  EXPECT_EQ(p.picture().width, rect.width);
  EXPECT_GE(rect.left, 0);
  EXPECT_LE(rect.left + rect.width, kPanelWidth);
  const int extra = HasClearSchemePicture(def()) ? kClearLabelColumn : 0;
  EXPECT_EQ(rect.left, def().picture.left - extra);
  EXPECT_EQ(rect.width, def().picture.width + extra);
  EXPECT_EQ(rect.top, def().picture.top);
  EXPECT_EQ(rect.height, def().picture.height);
  ASSERT_NO_THROW(p.LoadSchemePicture());
  EXPECT_EQ(p.picture().picture.width, rect.width);
  for (Language language : {Language::kRussian, Language::kEnglish}) {
    Picture title;
    ASSERT_NO_THROW(title = LoadTitlePicture(p, language));
    EXPECT_EQ(title.width, CropRect(p).width);
  }
  const PictureRect plain = StyledPictureRect(def(), kPlain);
  EXPECT_EQ(
      std::tie(plain.left, plain.top, plain.width, plain.height),
      std::tie(def().picture.left, def().picture.top, def().picture.width, def().picture.height));
}

// After the selection press every indicator shows its clear-view picture for its cell.
TEST_P(ClearViewScheme, APressDrawsEveryIndicatorInTheClearView) {
  testing::BuiltSchemes built;
  Scheme& s = built.set.scheme(GetParam());
  PanelPictures& p = built.pictures.pictures(GetParam());
  p.Restyle(kClear);
  built.Select(GetParam());
  for (const Indicator& ind : s.indicators()) {
    const std::string cell = std::to_string(ind.Tag);
    const std::string expected = ind.is_button              ? "BUTTON" + cell + "_CLEARPNG"
                                 : ShowsSelectedOutput(ind) ? "ACTIVE" + cell + "PNG"
                                                            : "BIT" + cell + "PNG";
    EXPECT_EQ(p.shown_resource(IndexIn(s, ind)), expected) << ind.name;
  }
}

// Switching the style redraws what is shown without touching a cell; switching back restores
// every picture exactly.
TEST_P(ClearViewScheme, ChangingTheStyleChangesNoLevel) {
  testing::BuiltSchemes built;
  Scheme& s = built.set.scheme(GetParam());
  PanelPictures& p = built.pictures.pictures(GetParam());
  p.LoadSchemePicture();
  built.Select(GetParam());
  std::vector<int32_t> cells;
  std::vector<PixelBytes> shown;
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    cells.push_back(s.indicators()[i].Tag);
    shown.push_back(p.shown(i).pixels);
  }
  const PixelBytes picture = p.picture().picture.pixels;
  built.pictures.Restyle(kClear);
  EXPECT_EQ(p.style(), kClear);
  EXPECT_EQ(p.picture().picture.width, StyledPictureRect(def(), kClear).width);
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    const Indicator& ind = s.indicators()[i];
    EXPECT_EQ(ind.Tag, cells[i]) << ind.name;
    if (ind.is_button) {
      EXPECT_NE(p.shown_resource(i).find("_CLEAR"), std::string_view::npos) << ind.name;
    }
  }
  built.pictures.Restyle(kPlain);
  EXPECT_EQ(p.picture().picture.pixels, picture);
  for (size_t i = 0; i < s.indicators().size(); ++i) {
    EXPECT_EQ(s.indicators()[i].Tag, cells[i]) << s.indicators()[i].name;
    EXPECT_EQ(p.shown(i).pixels, shown[i]) << s.indicators()[i].name;
  }
  // A scheme never shown keeps nothing to show.
  const int other = GetParam() % kSchemeCount + 1;
  for (size_t i = 0; i < built.set.scheme(other).indicators().size(); ++i) {
    EXPECT_TRUE(built.pictures.pictures(other).shown(i).empty()) << other << " " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ClearViewScheme, ::testing::Range(1, kSchemeCount + 1));

// The outputs a decoder selects are framed: the one 0 among 1s of a chip, the one 1 among 0s of
// the gates; encoders frame nothing.
struct FrameCase {
  int scheme;
  std::string_view presses;
  std::string_view framed;
};

constexpr FrameCase kFrames[] = {
    {1, "IN05", ""},
    {4, "IN09", ""},
    {10, "IN03", ""},
    {6, "", "OUT00"},
    {6, "IN00 IN02", "OUT05"},
    {9, "IN01 IN03", "OUT10"},
    {11, "", "OUT00 OUT04"},  // both halves of the dual decoder select
    {11, "IN02 IN03", "OUT03 OUT07"},
    {12, "IN00 IN02", "OUT05"},
    {12, "IN03", ""},  // switched off: every output 1
    {13, "IN00 IN03", "OUT09"},
    {14, "", "DC00OUT06 OUT00"},  // the first chip's selected output enables the second
    {15, "", "DC00OUT05 OUT00"},
    {15, "IN09", ""},
    {16, "IN00", ""},
};

TEST(ClearView, FramesTheOutputsADecoderSelects) {
  for (const FrameCase& c : kFrames) {
    testing::BuiltSchemes built;
    Scheme& s = built.set.scheme(c.scheme);
    PanelPictures& p = built.pictures.pictures(c.scheme);
    p.Restyle(kClear);
    built.Select(c.scheme);
    built.Press(c.scheme, c.presses);
    std::string framed;
    for (const Indicator& ind : s.indicators()) {
      if (!p.shown_resource(IndexIn(s, ind)).starts_with("ACTIVE")) continue;
      framed += (framed.empty() ? "" : " ") + ind.name;
    }
    EXPECT_EQ(framed, c.framed) << "scheme " << c.scheme << " after " << c.presses;
  }
}

}  // namespace
}  // namespace kvir
