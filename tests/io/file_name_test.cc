// The one rule for a saved file's name: the type's suffix added to a name without one, another
// suffix refused, devices and the standard output written as given, links judged by their target.

#include "io/file_name.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/error.h"

namespace kvir {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGift[] = {".gift", ".txt"};

class FileNameTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "kvir-name-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string In(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST(FileSuffix, IsTheLastNamesOwnInLowerCase) {
  const struct {
    const char* path;
    const char* suffix;
  } kCases[] = {{"a.png", ".png"}, {"A.PNG", ".png"},     {"a.d/notes", ""}, {".profile", ""},
                {"b.", "."},       {"x.png.gif", ".gif"}, {"", ""},          {"-", ""}};
  for (const auto& c : kCases) EXPECT_EQ(FileSuffix(c.path), c.suffix) << c.path;
}

TEST_F(FileNameTest, TheTypesSuffixIsAddedOrKeptAndAnotherRefused) {
  const struct {
    std::string name;
    FileSuffixes suffixes;
    std::string written;  // empty: refused
  } kCases[] = {
      {"out.png", kPngSuffixes, "out.png"}, {"OUT.PNG", kPngSuffixes, "OUT.PNG"},
      {"out", kPngSuffixes, "out.png"},     {".table", kCsvSuffixes, ".table.csv"},
      {"bank", kGift, "bank.gift"},         {"bank.TXT", kGift, "bank.TXT"},
      {"out.jpg", kPngSuffixes, ""},        {"out.", kPngSuffixes, ""},
      {"table.png", kCsvSuffixes, ""},      {"bank.xml", kGift, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    if (c.written.empty()) {
      try {
        SaveFileName(In(c.name), c.suffixes);
        ADD_FAILURE() << "accepted";
      } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::kFileSuffixRefused);
        ASSERT_EQ(error.args().size(), 3u);
        EXPECT_EQ(error.args()[0], In(c.name));
        EXPECT_EQ(error.args()[1], FileSuffix(c.name));
        EXPECT_EQ(error.args()[2], SuffixList(c.suffixes));
      }
    } else {
      EXPECT_EQ(SaveFileName(In(c.name), c.suffixes), In(c.written));
    }
  }
}

TEST_F(FileNameTest, DevicesFoldersAndTheStandardOutputAreWrittenAsGiven) {
  fs::create_directory(dir_ / "folder");
  for (const std::string& name : {std::string("-"), std::string("/dev/null"), In("folder")}) {
    EXPECT_EQ(SaveFileName(name, kPngSuffixes), name);
  }
}

TEST_F(FileNameTest, ALinkIsJudgedByItsTargetToo) {
  std::ofstream(dir_ / "notes.txt") << "notes";
  fs::create_symlink("notes.txt", dir_ / "out.png");
  fs::create_symlink("plain", dir_ / "other.png");
  try {
    SaveFileName(In("out.png"), kPngSuffixes);
    ADD_FAILURE() << "a link to a text file accepted";
  } catch (const Error& error) {
    EXPECT_EQ(error.args().at(0), In("notes.txt"));
  }
  EXPECT_EQ(SaveFileName(In("other.png"), kPngSuffixes), In("other.png"));
  std::ofstream(dir_ / "id_rsa") << "private";
  fs::create_symlink("id_rsa", dir_ / "z-key.csv");
  EXPECT_THROW(SaveFileName(In("z-key.csv"), kCsvSuffixes), Error) << "a link to a private file";
  fs::create_symlink("/dev/null", dir_ / "null.png");
  EXPECT_EQ(SaveFileName(In("null.png"), kPngSuffixes), In("null.png")) << "a device is written";
}

}  // namespace
}  // namespace kvir
