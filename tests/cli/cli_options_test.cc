// kvir-cli's language option, the about command and the trimmed, titled renders.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/picture.h"
#include "render/picture_style.h"
#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;
using clitest::TempFolder;

TEST(CliOptions, EnglishListHasSixteenEnglishTitlesWhereverTheOptionStands) {
  for (const char* args : {"--lang en list", "list --lang en", "--lang ru --lang en list"}) {
    const CliRun run = Invoke(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), 16u) << args;
    EXPECT_EQ(lines[0], "01 Scheme 01 - Three-bit encoder on OR gates");
    EXPECT_TRUE(lines[15].starts_with("16 Scheme 16 - ")) << lines[15];
  }
  EXPECT_EQ(Invoke("--lang ru list").out, Invoke("list").out);
}

TEST(CliOptions, BadOptionsAreRejectedNamingWhatIsAccepted) {
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"list --lang", "--lang: не указан язык: ожидается ru или en"},
      {"--lang de list", "--lang: язык «de» не поддерживается: ожидается ru или en"},
      {"list --crop", "list: параметр --crop не подходит к этой команде"},
      {"about 3 --title", "about: параметр --title не подходит к этой команде"},
      {"state 1 --csv", "state: параметр --csv не подходит к этой команде"},
      {"about", "about: не указан номер схемы"},
      {"about 17", "номер схемы «17» недопустим"},
      {"about 1 2", "about: лишние аргументы после номера схемы"},
      {"--lang en", "no command given"},
      {"render 1 -o x.png --zoom", "--zoom: не указан масштаб: ожидается 100, 150, 200, 250, 300"},
      {"render 1 --zoom 120 -o x.png",
       "--zoom: масштаб «120» не поддерживается: ожидается 100, 150, 200, 250, 300"},
      {"render 1 --zoom 2e2 -o x.png", "--zoom: масштаб «2e2» не поддерживается"},
      {"state 1 --zoom 200", "state: параметр --zoom не подходит к этой команде"},
  };
  for (const Case& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_TRUE(run.out.empty()) << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
  }
}

// An empty word is no command, though most commands have no alias to match it.
TEST(CliOptions, AnEmptyCommandIsRefused) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{""}, std::vector<std::string>{"--lang", "en", ""}}) {
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(run.err.empty());
  }
}

// An option given twice takes its last value, whichever it is: the zoom, the language, the file.
TEST(CliOptions, ARepeatedOptionTakesItsLastValue) {
  const TempFolder folder;
  const std::string& dir = folder.path();
  const CliRun run = Invoke("render 1 --zoom 300 -o " + dir + "a.png --zoom 100 -o " + dir + "b");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "a.png"));
  EXPECT_EQ(Invoke("render 1 -o -").out, Invoke("render 1 --zoom 100 -o -").out);
  std::ifstream written(dir + "b.png", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(written), {}};
  EXPECT_EQ(bytes, Invoke("render 1 -o -").out);
  EXPECT_EQ(Invoke("render 1 -o " + dir + "c.png -o").status, 2) << "the last -o names no file";
}

TEST(CliOptions, AboutPrintsTheTitleABlankLineAndTheText) {
  for (const auto& [args, title] :
       {std::pair{"about 13", "Схема 13 - Четырёхразрядный дешифратор на базе микросхемы 155ИД3"},
        std::pair{"--lang en about 013", "Scheme 13 - Four-bit decoder on the 155ID3 chip"}}) {
    const CliRun run = Invoke(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), 7u) << run.out;
    EXPECT_EQ(lines[0], title);
    EXPECT_EQ(lines[1], "");
  }
}

Picture ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
  Picture p;
  DecodePng(bytes, path, {0, 0, 3}, p);
  return p;
}

// Scheme 10's picture is 256 × 260 at (282, 202); the crop keeps a margin of 12 around it.
TEST(CliOptions, CropTrimsToThePictureAndTitleAddsAStripAbove) {
  const TempFolder folder;
  const std::string& dir = folder.path();
  const CliRun full = Invoke({"render", "10", "IN05", "-o", dir + "full.png"});
  const CliRun crop = Invoke({"render", "10", "IN05", "--crop", "-o", dir + "crop.png"});
  const CliRun title = Invoke({"render", "10", "--title", "IN05", "-o", dir + "title.png"});
  const CliRun en =
      Invoke({"--lang", "en", "render", "10", "IN05", "--title", "-o", dir + "en.png"});
  for (const CliRun* run : {&full, &crop, &title, &en}) ASSERT_EQ(run->status, 0) << run->err;
  const Picture p = ReadPng(dir + "full.png"), c = ReadPng(dir + "crop.png");
  const Picture t = ReadPng(dir + "title.png"), e = ReadPng(dir + "en.png");
  ASSERT_EQ(c.width, 256 + 2 * 12);
  ASSERT_EQ(c.height, 260 + 2 * 12);
  for (int y = 0; y < c.height; ++y) {
    ASSERT_EQ(0, std::memcmp(c.pixel(0, y), p.pixel(270, 190 + y), c.stride())) << y;
  }
  for (const Picture* titled : {&t, &e}) {
    ASSERT_EQ(titled->width, c.width);
    ASSERT_GT(titled->height, c.height + 15);
    const int strip = titled->height - c.height;
    EXPECT_EQ(0, std::memcmp(titled->pixels.data() + strip * titled->stride(), c.pixels.data(),
                             c.pixels.size()));
  }
  EXPECT_NE(std::vector(t.pixels.begin(), t.pixels.end() - c.pixels.size()),
            std::vector(e.pixels.begin(), e.pixels.end() - c.pixels.size()));
}

// The panel at each zoom has the panel's size scaled, 1640 × 1330 at 200 %, and so do the trimmed
// and titled renders; at 100 % --zoom changes nothing.
TEST(CliOptions, ZoomScalesThePanelAndTheTrimmedPicture) {
  const TempFolder folder;
  const std::string& dir = folder.path();
  const CliRun plain = Invoke({"render", "10", "IN05", "-o", dir + "plain.png"});
  const CliRun at100 = Invoke({"render", "10", "IN05", "--zoom", "100", "-o", dir + "100.png"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_EQ(at100.status, 0) << at100.err;
  EXPECT_EQ(ReadPng(dir + "plain.png").pixels, ReadPng(dir + "100.png").pixels);
  const struct {
    int zoom, width, height, crop_width;
  } cases[] = {{150, 1230, 998, 420}, {200, 1640, 1330, 560}, {300, 2460, 1995, 840}};
  for (const auto& c : cases) {
    const std::string zoom = std::to_string(c.zoom);
    const CliRun full = Invoke({"render", "10", "IN05", "--zoom", zoom, "-o", dir + "full.png"});
    const CliRun titled = Invoke({"render", "10", "IN05", "--title", "--clear-view", "--zoom", zoom,
                                  "-o", dir + "titled.png"});
    ASSERT_EQ(full.status, 0) << full.err;
    ASSERT_EQ(titled.status, 0) << titled.err;
    const Picture p = ReadPng(dir + "full.png");
    EXPECT_EQ(p.width, c.width) << zoom;
    EXPECT_EQ(p.height, c.height) << zoom;
    EXPECT_EQ(ReadPng(dir + "titled.png").width, c.crop_width + Scaled(kClearLabelColumn, c.zoom))
        << zoom;
  }
}

}  // namespace
}  // namespace kvir
