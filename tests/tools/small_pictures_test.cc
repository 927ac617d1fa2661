// The committed small pictures are what kvir-small-pictures draws, and the cards of "Проверь
// себя" can be told from the levels and from each other.

#include "tools/small_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "resources/resources.h"
#include "schemes/loaders.h"

namespace kvir {
namespace {

// "right0.png" → "RIGHT0PNG", as resources/ embeds it.
std::string ResourceName(const std::string& file_name) {
  std::string name = file_name.substr(0, file_name.find('.'));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name + "PNG";
}

TEST(SmallPicturesTest, CommittedPicturesAreWhatTheToolDraws) {
  const std::vector<SmallPicture> drawn = DrawSmallPictures();
  ASSERT_EQ(drawn.size(), 15u);
  for (const SmallPicture& small : drawn) {
    Picture committed;
    LoadResourcePicture(ResourceName(small.file_name), {24, 24, small.picture.channels}, committed);
    EXPECT_EQ(committed.pixels, small.picture.pixels)
        << small.file_name << ": regenerate resources/ with kvir-small-pictures";
  }
}

TEST(SmallPicturesTest, NoTwoLampPicturesAlike) {
  std::vector<SmallPicture> lamps = DrawSmallPictures();
  std::erase_if(lamps,
                [](const SmallPicture& small) { return small.file_name.starts_with("button"); });
  for (size_t i = 0; i < lamps.size(); ++i) {
    for (size_t j = i + 1; j < lamps.size(); ++j) {
      EXPECT_NE(lamps[i].picture.pixels, lamps[j].picture.pixels)
          << lamps[i].file_name << " looks like " << lamps[j].file_name;
    }
  }
}

}  // namespace
}  // namespace kvir
