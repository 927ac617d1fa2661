// The committed title strips: their shape, and that they are what the generator draws.

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "circuit/schemes.h"
#include "render/handout.h"
#include "render/loaders.h"
#include "tests/tools/ink_compare.h"
#include "tools/artwork/title_strip.h"

namespace kvir {
namespace {

struct StripCase {
  int scheme;
  Language language;
  PictureStyle style;
};

void PrintTo(const StripCase& c, std::ostream* out) {
  *out << "scheme " << c.scheme << (c.language == Language::kEnglish ? " en" : " ru")
       << (c.style.clear ? " clear" : "") << " at " << c.style.zoom << " %";
}

class TitleStripTest : public ::testing::TestWithParam<StripCase> {};

Picture Committed(const PanelPictures& s, Language language) {
  Picture p;
  LoadResourcePicture(TitlePictureName(s.scheme().number(), language), {0, 0, 4}, p, s.style());
  return p;
}

TEST_P(TitleStripTest, IsWhatTheGeneratorDrawsAndFitsTheTrimmedPanel) {
  Scheme scheme(*kSchemeTable[GetParam().scheme - 1].def);
  const PanelPictures s(scheme, GetParam().style);
  const art::TitleStrip drawn = art::DrawTitleStrip(s, GetParam().language);
  const Picture committed = Committed(s, GetParam().language);
  EXPECT_EQ(committed.width, CropRect(s).width);
  ASSERT_EQ(committed.width, drawn.picture.width)
      << "regenerate resources/ with kvir-scheme-pictures";
  ASSERT_EQ(committed.height, drawn.picture.height)
      << "regenerate resources/ with kvir-scheme-pictures";
  const int zoom = GetParam().style.zoom;
  EXPECT_GT(committed.height, Scaled(art::kTitlePixels, zoom));
  EXPECT_LT(committed.height, 4 * Scaled(art::kTitlePixels + art::kTitleTopGap, zoom));
  for (int y = 0; y < committed.height; ++y) {
    for (int x = 0; x < committed.width; ++x) {
      if (drawn.text_area.contains(x, y)) continue;
      ASSERT_EQ(std::memcmp(committed.pixel(x, y), drawn.picture.pixel(x, y), 4), 0)
          << "outside the text at " << x << "," << y;
    }
  }
  EXPECT_TRUE(InkAgrees(committed, drawn.picture, drawn.text_area))
      << "the title differs; regenerate resources/ with kvir-scheme-pictures";
}

std::vector<StripCase> AllStrips() {
  std::vector<StripCase> cases;
  for (const int zoom : kZoomLevels) {
    for (int n = 1; n <= kSchemeCount; ++n) {
      const bool clear = HasClearSchemePicture(*kSchemeTable[n - 1].def);
      for (Language language : {Language::kRussian, Language::kEnglish}) {
        cases.push_back({n, language, {.zoom = zoom}});
        if (clear) cases.push_back({n, language, {.clear = true, .zoom = zoom}});
      }
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllSchemesBothLanguages, TitleStripTest, ::testing::ValuesIn(AllStrips()),
                         [](const auto& info) {
                           return "Scheme" + std::to_string(info.param.scheme) +
                                  (info.param.language == Language::kEnglish ? "En" : "Ru") +
                                  (info.param.style.clear ? "Clear" : "") + "At" +
                                  std::to_string(info.param.style.zoom);
                         });

}  // namespace
}  // namespace kvir
