// The generators' PNG save: a decodable file replacing an old one, or an error and no file.

#include "tools/png_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kvir {
namespace {

using Bytes = std::vector<uint8_t>;
using ::testing::HasSubstr;

Picture Stripes(int width, int height, int channels) {
  Picture picture{width, height, channels, {}};
  picture.pixels.resize(static_cast<size_t>(width * height * channels));
  for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = i % 7 * 36;
  return picture;
}

class WritePngFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string name = (std::filesystem::temp_directory_path() / "kvir-picture-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  std::filesystem::path dir_;
};

TEST_F(WritePngFileTest, WritesADecodablePngAndReplacesAnOldOne) {
  const std::string path = (dir_ / "out.png").string();
  std::ofstream(path) << "old contents";
  const Picture picture = Stripes(7, 3, 4);
  WritePngFile(picture, path);
  std::ifstream in(path, std::ios::binary);
  const Bytes bytes((std::istreambuf_iterator<char>(in)), {});
  Picture decoded;
  DecodePng(bytes, path, {7, 3, 4}, decoded);
  EXPECT_EQ(decoded.pixels, picture.pixels);
  EXPECT_EQ(Entries(), std::vector<std::string>{"out.png"});
}

TEST_F(WritePngFileTest, FailsWithoutLeavingAnyFile) {
  std::filesystem::create_directory(dir_ / "taken.png");
  const std::string paths[] = {(dir_ / "missing" / "out.png").string(),
                               (dir_ / "taken.png").string()};
  for (const std::string& path : paths) {
    try {
      WritePngFile(Stripes(2, 2, 3), path);
      ADD_FAILURE() << "no error for " << path;
    } catch (const std::runtime_error& error) {
      EXPECT_THAT(error.what(), HasSubstr(path));
    }
  }
  EXPECT_THROW(WritePngFile(Picture{2, 2, 3, {}}, (dir_ / "bad.png").string()), Error);
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken.png"});
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "taken.png"));
}

}  // namespace
}  // namespace kvir
