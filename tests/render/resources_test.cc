#include "render/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace kvir {
namespace {

TEST(Resources, FindsEachIndicatorPictureAsPng) {
  for (std::string_view name : {"BIT0PNG", "BIT1PNG", "BUTTON0PNG", "BUTTON1PNG"}) {
    const Resource* resource = FindResource(name);
    ASSERT_NE(resource, nullptr) << name;
    EXPECT_EQ(resource->name, name);
    ASSERT_GT(resource->bytes.size(), 8u);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), resource->bytes.begin()))
        << name;
  }
}

TEST(Resources, FindsNothingForOtherNames) {
  for (std::string_view name : {"NOPNG", "", "bit0png", "BIT0", "BIT0PNGX", "AAA", "ZZZ"}) {
    EXPECT_EQ(FindResource(name), nullptr) << name;
  }
}

TEST(Resources, AllAreSortedUniqueAndFindable) {
  const std::span<const Resource> all = AllResources();
  ASSERT_FALSE(all.empty());
  for (size_t i = 0; i < all.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(all[i - 1].name, all[i].name);
    }
    EXPECT_EQ(FindResource(all[i].name), &all[i]) << all[i].name;
  }
}

}  // namespace
}  // namespace kvir
