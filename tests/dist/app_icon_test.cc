// The committed icons in dist/icons: exactly what the generator draws, and drawn so that they
// stay sharp and read at every size.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <tuple>

#include "tools/icon/app_icon.h"

namespace kvir::art {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture Committed(int size) {
  const std::string bytes = ReadFile(KVIR_ICON_DIR "/kvir-" + std::to_string(size) + ".png");
  Picture p;
  DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, "icon", {size, size, 4},
            p);
  return p;
}

using Rgba = std::tuple<int, int, int, int>;

Rgba At(const Picture& p, int x, int y) {
  const uint8_t* px = p.pixel(x, y);
  return {px[0], px[1], px[2], px[3]};
}

// The larger icons letter with a font's outline, which Qt fills with antialiased edges whose
// coverage the maths library may round one step differently on another processor. A channel may
// therefore differ by kRasterSlack on a few edge pixels; a changed drawing turns paper into ink,
// whole pixels 255 apart, or moves an edge along its length.
constexpr int kRasterSlack = 2;
constexpr double kMostBytesOff = 0.01;

// Empty when `drawn` is `committed` within the slack above, else what differs.
std::string RasterDifference(const Picture& drawn, const Picture& committed) {
  if (drawn.pixels.size() != committed.pixels.size()) return "the sizes differ";
  size_t off = 0;
  for (size_t i = 0; i < drawn.pixels.size(); ++i) {
    const int d = std::abs(int{drawn.pixels[i]} - int{committed.pixels[i]});
    if (d > kRasterSlack) return "byte " + std::to_string(i) + " is " + std::to_string(d) + " off";
    off += d != 0;
  }
  if (off > kMostBytesOff * static_cast<double>(drawn.pixels.size())) {
    return std::to_string(off) + " bytes are off";
  }
  return {};
}

class AppIconTest : public ::testing::TestWithParam<int> {};

TEST_P(AppIconTest, CommittedPngIsWhatTheGeneratorDraws) {
  const int size = GetParam();
  const Picture drawn = DrawAppIcon(size);
  const Picture committed = Committed(size);
  ASSERT_EQ(committed.width, size);
  ASSERT_EQ(committed.height, size);
  EXPECT_EQ(RasterDifference(drawn, committed), "") << "regenerate dist/icons with kvir-app-icons";
}

TEST(AppIconComparison, AcceptsAnotherRoundingAndRejectsAChangedDrawing) {
  const Picture drawn = DrawAppIcon(256);
  const int middle = (128 * 256 + 128) * 4;
  struct Case {
    const char* what;
    std::function<void(Picture&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"unchanged", [](Picture&) {}, true},
      {"a few edges rounded one step further",
       [](Picture& p) {
         for (int i = 0; i < 24; ++i) p.pixels[i * 997] ^= 1;
       },
       true},
      {"one pixel half a scale lighter or darker",
       [&](Picture& p) {
         for (int k = 0; k < 3; ++k) p.pixels[middle + k] ^= 0x80;
       },
       false},
      {"every byte one step darker",
       [](Picture& p) {
         for (uint8_t& b : p.pixels) b = b > 0 ? b - 1 : 1;
       },
       false},
  };
  for (const Case& c : cases) {
    Picture changed = drawn;
    c.change(changed);
    EXPECT_EQ(RasterDifference(changed, drawn).empty(), c.accepted) << c.what;
  }
}

TEST_P(AppIconTest, SheetIsOpaqueInsideAndClearAtTheCorners) {
  const int size = GetParam();
  const Picture p = DrawAppIcon(size);
  EXPECT_LT(std::get<3>(At(p, 0, 0)), 128);
  EXPECT_LT(std::get<3>(At(p, size - 1, size - 1)), 128);
  for (int y = size / 8; y < size - size / 8; ++y) {
    for (int x = size / 8; x < size - size / 8; ++x) ASSERT_EQ(std::get<3>(At(p, x, y)), 255);
  }
}

class SmallAppIconTest : public ::testing::TestWithParam<int> {};

// Sharp: inside the sheet's rounded corners every pixel is paper, ink or the lit red, with no
// grey of a line smeared over two pixels. (The larger sizes letter with a font, which is smooth.)
TEST_P(SmallAppIconTest, UsesOnlyWholePixels) {
  const int size = GetParam();
  const std::set<Rgba> palette = {{255, 255, 255, 255}, {0, 0, 0, 255}, {0xE0, 0, 0, 255}};
  const Picture p = DrawAppIcon(size);
  const int corner = (size + 7) / 8;
  for (int y = corner; y < size - corner; ++y) {
    for (int x = 0; x < size; ++x) {
      ASSERT_TRUE(palette.count(At(p, x, y))) << "pixel " << x << ", " << y;
    }
  }
}

// Legible: the box and its lettering are dark enough against the paper to read.
TEST_P(AppIconTest, InkCoversAFairShareOfTheSheet) {
  const Picture p = DrawAppIcon(GetParam());
  int ink = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) ink += At(p, x, y) == Rgba{0, 0, 0, 255};
  }
  const double share = static_cast<double>(ink) / (p.width * p.height);
  EXPECT_GT(share, 0.12);
  EXPECT_LT(share, 0.45);
}

INSTANTIATE_TEST_SUITE_P(EverySize, AppIconTest, ::testing::ValuesIn(kAppIconSizes),
                         [](const auto& info) { return "px" + std::to_string(info.param); });

INSTANTIATE_TEST_SUITE_P(LetteredDotByDot, SmallAppIconTest, ::testing::Values(16, 22, 24),
                         [](const auto& info) { return "px" + std::to_string(info.param); });

TEST(AppIconSvgTest, CommittedSvgIsWhatTheGeneratorDraws) {
  EXPECT_EQ(ReadFile(KVIR_ICON_DIR "/kvir.svg"), AppIconSvg())
      << "regenerate dist/icons with kvir-app-icons";
}

TEST(AppIconSvgTest, IsASquareDocumentOfFilledPaths) {
  const std::string svg = AppIconSvg();
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#e00000\""), std::string::npos);
  EXPECT_EQ(svg.find("<text"), std::string::npos) << "lettering must not depend on fonts";
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

}  // namespace
}  // namespace kvir::art

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
