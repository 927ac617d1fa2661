// The committed icons in dist/icons: exactly what the generator draws, and drawn so that they
// stay sharp and read at every size.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
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

class AppIconTest : public ::testing::TestWithParam<int> {};

TEST_P(AppIconTest, CommittedPngIsWhatTheGeneratorDraws) {
  const int size = GetParam();
  const Picture drawn = DrawAppIcon(size);
  const Picture committed = Committed(size);
  ASSERT_EQ(committed.width, size);
  ASSERT_EQ(committed.height, size);
  EXPECT_TRUE(drawn.pixels == committed.pixels) << "regenerate dist/icons with kvir-app-icons";
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
