// kvir-cli as a user runs it: the built executable, its output and its exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render/picture.h"
#include "render/resources.h"
#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;
using clitest::TempFolder;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CliTest, ListsSixteenSchemesWithTwoDigitNumbers) {
  const CliRun run = Invoke("list");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], "01 Схема 01 - Трёхразрядный шифратор на логических элементах ИЛИ");
  EXPECT_EQ(lines[3].substr(0, 3), "04 ");
  EXPECT_NE(lines[3].find("логиеских"), std::string::npos);
  EXPECT_TRUE(lines[15].starts_with("16 Схема 16 - ")) << lines[15];
}

TEST(CliTest, StatePrintsEveryIndicatorOfTheLastPress) {
  const CliRun run = Invoke("state 1 IN05");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.lines();
  EXPECT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines.front(), "IN00 0 BUTTON0PNG");
  EXPECT_TRUE(Contains(lines, "IN05 1 BUTTON1PNG"));
  EXPECT_TRUE(Contains(lines, "OUT02 1 BIT1PNG"));
  EXPECT_TRUE(Contains(lines, "OUT01 0 BIT0PNG"));
  EXPECT_TRUE(Contains(lines, "OUT00 1 BIT1PNG"));
}

TEST(CliTest, LeadingZeroAndSeveralPressesAreAccepted) {
  const CliRun run = Invoke("state 06 IN00 IN02");  // n = 5
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Contains(run.lines(), "OUT05 1 BIT1PNG"));
  EXPECT_TRUE(Contains(run.lines(), "OUT00 0 BIT0PNG"));
}

TEST(CliTest, TraceOfTheSelectionPressRunsElementsInOrder) {
  const CliRun run = Invoke("trace 10");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.lines();
  ASSERT_EQ(lines.size(), 22u + 2u);
  EXPECT_EQ(lines[0], "draw IN00 BUTTON0PNG");
  EXPECT_EQ(lines[8], "draw IN08 BUTTON1PNG");
  EXPECT_EQ(lines[9], "exec 1");
  EXPECT_EQ(lines[19], "exec 2");
  EXPECT_EQ(lines.back(), "draw OUT03 BIT1PNG");
}

TEST(CliTest, TablesHaveAHeaderAndOneRowPerReachableState) {
  struct Case {
    const char* scheme;
    size_t rows;
    const char* header;
  };
  const Case cases[] = {
      {"1", 8, "IN00 IN01 IN02 IN03 IN04 IN05 IN06 IN07 OUT00 OUT01 OUT02"},
      {"9", 16, "IN00 IN01 IN02 IN03 OUT00"},
      {"10", 18, "IN00 IN01 IN02 IN03 IN04 IN05 IN06 IN07 IN08 OUT00 OUT01 OUT02 OUT03"},
      {"15", 512, "IN01 IN02"},
  };
  for (const Case& c : cases) {
    const CliRun run = Invoke(std::string("table ") + c.scheme);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), c.rows + 1) << c.scheme;
    EXPECT_TRUE(lines[0].starts_with(c.header)) << lines[0];
  }
}

TEST(CliTest, DecoderTableRowsMatchTheBinaryCount) {
  const auto lines = Invoke("table 9").lines();
  ASSERT_EQ(lines.size(), 17u);
  for (int code = 0; code < 16; ++code) {
    std::istringstream row(lines[code + 1]);
    std::vector<int> v(20);
    for (int& x : v) row >> x;
    const int n = v[0] + 2 * v[1] + 4 * v[2] + 8 * v[3];
    for (int out = 0; out < 16; ++out) EXPECT_EQ(v[4 + out], out == n) << lines[code + 1];
  }
}

TEST(CliTest, BadArgumentsGiveARussianMessageAndStatusTwo) {
  const char* cases[] = {
      "",         "frobnicate",    "state",        "state 0",      "state 17",      "state x",
      "state -1", "state 1 BUS01", "state 1 IN99", "state 1 IN08", "trace 15 IN00", "table 1 IN00",
      "render 1", "render 1 -o"};
  for (const char* args : cases) {
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    EXPECT_TRUE(run.err.starts_with("kvir-cli: ")) << run.err;
  }
}

TEST(CliTest, EveryCommandRejectsWhatItDoesNotTake) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const TempFolder folder;
  const std::string file = folder.path() + "kvir_extra.png";
  const Case cases[] = {
      {{"list", "extra"}, "list: лишние аргументы"},
      {{"--help", "extra"}, "--help: лишние аргументы"},
      {{"-h", "extra"}, "-h: лишние аргументы"},
      {{"--version", "extra"}, "--version: лишние аргументы"},
      {{"table", "1", "extra"}, "table: лишние аргументы"},
      {{"state", "1", "IN05", "extra"}, "«extra» не кнопка"},
      {{"trace", "1", "extra"}, "«extra» не кнопка"},
      {{"render", "1", "extra", "-o", file}, "«extra» не кнопка"},
      {{"render", "1", "-o", file, "-o"}, "render: не указан файл"},
  };
  for (const Case& c : cases) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, 2) << c.args[0];
    EXPECT_TRUE(run.out.empty()) << c.args[0];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(CliTest, HelpAndVersion) {
  EXPECT_NE(Invoke("--help").out.find("render N"), std::string::npos);
  EXPECT_EQ(Invoke("--version").out, "kvir-cli 1.0\n");
}

// `line` from its character `column` on, counting UTF-8 characters, not bytes.
std::string FromCharacter(const std::string& line, int column) {
  int seen = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    const bool starts_character = (line[i] & 0xC0) != 0x80;
    if (starts_character && seen++ == column) return line.substr(i);
  }
  return "";
}

// The commands the messages list (--help and --version aside) each have usage lines, in that
// order, and every help text starts at one column although the synopses hold Cyrillic.
TEST(CliTest, UsageHasEachListedCommandWithItsHelpAtOneColumn) {
  const std::string err = Invoke("frobnicate").err;
  std::istringstream listed(err.substr(err.find("допустимы ") + std::strlen("допустимы ")));
  std::vector<std::string> commands;
  for (std::string name; std::getline(listed >> std::ws, name, ',');) {
    if (!name.starts_with("--")) commands.push_back(name);
  }
  ASSERT_EQ(commands.size(), 8u) << err;
  const auto lines = Invoke("--help").lines();
  std::vector<std::string> described;
  for (size_t i = 1; i < lines.size() && !lines[i].starts_with("N — "); ++i) {
    const std::string help = FromCharacter(lines[i], 32);
    const std::string synopsis = lines[i].substr(0, lines[i].size() - help.size());
    EXPECT_TRUE(!help.empty() && help[0] != ' ' && synopsis.ends_with(' ')) << lines[i];
    const size_t name = synopsis.find_first_not_of(' ');
    if (name != std::string::npos) {
      described.push_back(synopsis.substr(name, synopsis.find(' ', name) - name));
    }
  }
  EXPECT_EQ(described, commands);
}

TEST(CliTest, RenderShowsEachLampsValue) {
  const TempFolder folder;
  const std::string path = folder.path() + "kvir_render.png";
  const CliRun run = Invoke({"render", "1", "IN05", "-o", path});
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
  Picture panel;
  DecodePng(bytes, path, {820, 665, 3}, panel);
  Picture bit1, bit0;
  DecodePng(FindResource("BIT1PNG")->bytes, "BIT1PNG", {24, 24, 3}, bit1);
  DecodePng(FindResource("BIT0PNG")->bytes, "BIT0PNG", {24, 24, 3}, bit0);
  struct Lamp {
    int left, top;
    const Picture* picture;
  };
  for (const Lamp& lamp : {Lamp{520, 221, &bit1}, Lamp{520, 327, &bit0}, Lamp{520, 433, &bit1}}) {
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        ASSERT_EQ(
            0, std::memcmp(panel.pixel(lamp.left + x, lamp.top + y), lamp.picture->pixel(x, y), 3))
            << lamp.left << "," << lamp.top << " at " << x << "," << y;
      }
    }
  }
}

TEST(CliTest, RenderToAnUnwritablePathFailsAndLeavesNothing) {
  const TempFolder folder;
  const std::string dir = folder.path() + "kvir_render_dir";
  std::filesystem::create_directories(dir + "/taken.png");
  for (const std::string& target : {dir + "/missing/out.png", dir + "/taken.png"}) {
    const CliRun run = Invoke({"render", "1", "-o", target});
    EXPECT_EQ(run.status, 1) << target;
    EXPECT_TRUE(run.err.ends_with(": нет такого файла или каталога\n") ||
                run.err.ends_with(": это каталог\n"))
        << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/taken.png"));
  size_t entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir)) entries += !e.path().empty();
  EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace kvir
