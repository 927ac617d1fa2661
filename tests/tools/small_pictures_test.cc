// The committed small pictures are what kvir-small-pictures draws, and the cards of "Проверь
// себя" can be told from the levels and from each other.

#include "tools/small_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>

#include "render/loaders.h"
#include "render/resources.h"

namespace kvir {
namespace {

// "right0.png" → "RIGHT0PNG", as resources/ embeds it.
std::string ResourceName(const std::string& file_name) {
  std::string name = file_name.substr(0, file_name.find('.'));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name + "PNG";
}

TEST(SmallPicturesTest, CommittedPicturesAreWhatTheToolDrawsAtEveryZoom) {
  for (const int zoom : kZoomLevels) {
    const std::vector<SmallPicture> drawn = DrawSmallPictures(zoom);
    ASSERT_EQ(drawn.size(), 18u);
    const int side = Scaled(24, zoom);
    for (const SmallPicture& small : drawn) {
      Picture committed;
      LoadResourcePicture(ResourceName(small.file_name), {side, side, small.picture.channels},
                          committed);
      EXPECT_EQ(committed.pixels, small.picture.pixels)
          << small.file_name << ": regenerate resources/ with kvir-small-pictures";
    }
  }
}

TEST(SmallPicturesTest, NoTwoLampPicturesAlikeAtAnyZoom) {
  for (const int zoom : kZoomLevels) {
    std::vector<SmallPicture> lamps = DrawSmallPictures(zoom);
    std::erase_if(lamps,
                  [](const SmallPicture& small) { return small.file_name.starts_with("button"); });
    for (size_t i = 0; i < lamps.size(); ++i) {
      for (size_t j = i + 1; j < lamps.size(); ++j) {
        EXPECT_NE(lamps[i].picture.pixels, lamps[j].picture.pixels)
            << lamps[i].file_name << " looks like " << lamps[j].file_name;
      }
    }
  }
}

// Crisp at every zoom: a scaled picture holds only the colours of its 100 % drawing, none
// blended between them.
TEST(SmallPicturesTest, ScaledPicturesUseOnlyTheColoursOfThePlainOnes) {
  const std::vector<SmallPicture> plain = DrawSmallPictures();
  const auto colours = [](const Picture& p) {
    std::vector<std::array<uint8_t, 3>> found;
    for (size_t i = 0; i < p.pixels.size(); i += static_cast<size_t>(p.channels)) {
      found.push_back({p.pixels[i], p.pixels[i + 1], p.pixels[i + 2]});
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
  };
  for (const int zoom : kZoomLevels) {
    const std::vector<SmallPicture> scaled = DrawSmallPictures(zoom);
    for (size_t i = 0; i < plain.size(); ++i) {
      EXPECT_EQ(colours(scaled[i].picture), colours(plain[i].picture)) << scaled[i].file_name;
    }
  }
}

}  // namespace
}  // namespace kvir
