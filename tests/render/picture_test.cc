#include "render/picture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "render/resources.h"

namespace kvir {
namespace {

using Bytes = std::vector<uint8_t>;
using ::testing::HasSubstr;

constexpr size_t kIhdrStart = 8;  // the IHDR chunk follows the 8-byte signature
constexpr size_t kIhdrData = kIhdrStart + 8;

Bytes ResourceBytes(std::string_view name) {
  const Resource* resource = FindResource(name);
  if (!resource) return {};
  return Bytes(resource->bytes.begin(), resource->bytes.end());
}

uint32_t ReadBigEndian(const Bytes& bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

/// The offset and type of every chunk.
std::vector<std::pair<size_t, std::string>> Chunks(const Bytes& bytes) {
  std::vector<std::pair<size_t, std::string>> chunks;
  for (size_t at = 8; at + 8 <= bytes.size(); at += 12 + ReadBigEndian(bytes, at)) {
    chunks.emplace_back(at, std::string(reinterpret_cast<const char*>(&bytes[at + 4]), 4));
  }
  return chunks;
}

size_t FindChunk(const Bytes& bytes, std::string_view type) {
  for (const auto& [at, found] : Chunks(bytes)) {
    if (found == type) return at;
  }
  return bytes.size();
}

void FixCrc(Bytes& bytes, size_t chunk) {
  const uint32_t length = ReadBigEndian(bytes, chunk);
  const uint32_t crc = crc32(0, &bytes[chunk + 4], length + 4);
  for (size_t i = 0; i < 4; ++i) bytes[chunk + 8 + length + i] = crc >> (24 - 8 * i);
}

Picture NoisePicture(int width, int height, int channels) {
  std::mt19937 random(static_cast<unsigned>(width * 1000 + height * 10 + channels));
  Picture picture{width, height, channels, {}};
  picture.pixels.resize(static_cast<size_t>(width * height * channels));
  for (uint8_t& byte : picture.pixels) byte = static_cast<uint8_t>(random() % 4 * 85);
  return picture;
}

Picture DecodeResource(const char* name, int channels) {
  Picture picture;
  DecodePng(ResourceBytes(name), name, {24, 24, channels}, picture);
  return picture;
}

Bytes ColourAt(const Picture& picture, int x, int y) {
  return Bytes(picture.pixel(x, y), picture.pixel(x, y) + picture.channels);
}

const Bytes kWhite{255, 255, 255}, kOpaqueWhite{255, 255, 255, 255};

TEST(SmallPictures, BitsAreDigitsInsideATwoPixelFrame) {
  struct Case {
    const char* name;
    Bytes ink;
    std::pair<int, int> ink_at, paper_at;
  };
  for (const auto& [name, ink, ink_at, paper_at] :
       {Case{"BIT0PNG", {0, 0, 0}, {7, 11}, {11, 11}},
        Case{"BIT1PNG", {255, 0, 0}, {11, 11}, {7, 11}}}) {
    SCOPED_TRACE(name);
    const Picture bit = DecodeResource(name, 3);
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        const int depth = std::min({x, y, 23 - x, 23 - y});
        if (depth <= 2) {
          EXPECT_EQ(ColourAt(bit, x, y), depth < 2 ? ink : kWhite) << x << "," << y;
        }
      }
    }
    EXPECT_EQ(ColourAt(bit, ink_at.first, ink_at.second), ink);
    EXPECT_EQ(ColourAt(bit, paper_at.first, paper_at.second), kWhite);
  }
}

TEST(SmallPictures, ButtonsAreOpaqueGreyOctagonsWithWhiteCorners) {
  for (const char* name : {"BUTTON0PNG", "BUTTON1PNG"}) {
    SCOPED_TRACE(name);
    const Picture button = DecodeResource(name, 4);
    for (size_t i = 3; i < button.pixels.size(); i += 4) ASSERT_EQ(button.pixels[i], 255) << i / 4;
    for (const auto& [x, y] : {std::pair{0, 0}, {23, 0}, {0, 23}, {23, 23}}) {
      EXPECT_EQ(ColourAt(button, x, y), kOpaqueWhite);
    }
    EXPECT_EQ(ColourAt(button, 12, 12), (Bytes{0xAA, 0xAA, 0xAA, 255}));
  }
}

TEST(SmallPictures, ButtonRimsShowRaisedAndPressed) {
  const Picture raised = DecodeResource("BUTTON0PNG", 4);
  const Picture pressed = DecodeResource("BUTTON1PNG", 4);
  EXPECT_EQ(ColourAt(pressed, 0, 12), (Bytes{0x6A, 0x56, 0x86, 255}));
  EXPECT_GT(pressed.pixel(23, 12)[0], 0xAA) << "light lower-right rim";
  EXPECT_GT(raised.pixel(0, 12)[0], 0xAA) << "light upper-left rim";
  const uint8_t* shade = raised.pixel(23, 12);
  EXPECT_LT(shade[0], 0xAA);
  EXPECT_GT(shade[2], shade[0]) << "the lower-right shade is grey-violet";
}

TEST(EncodePng, RoundTripsAnySizeWithCriticalChunksOnly) {
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 5}, {24, 24}, {300, 7}}) {
    for (int channels : {3, 4}) {
      SCOPED_TRACE(testing::Message() << width << "x" << height << "x" << channels);
      const Picture original = NoisePicture(width, height, channels);
      const Bytes bytes = EncodePng(original);
      std::string types;
      for (const auto& [at, type] : Chunks(bytes)) types += type + " ";
      EXPECT_THAT(types, ::testing::MatchesRegex("IHDR (IDAT )+IEND ")) << "ancillary chunks";

      Picture exact, any_size;
      DecodePng(bytes, "TEST", {width, height, channels}, exact);
      DecodePng(bytes, "TEST", {0, 0, channels}, any_size);
      for (const Picture* decoded : {&exact, &any_size}) {
        EXPECT_EQ(decoded->width, width);
        EXPECT_EQ(decoded->height, height);
        EXPECT_EQ(decoded->channels, channels);
        EXPECT_EQ(decoded->pixels, original.pixels);
      }
    }
  }
}

TEST(DecodePng, DropsTheAlphaOfAnRgbaFileOnlyWhenAsked) {
  const Picture original = NoisePicture(5, 3, 4);
  const Bytes bytes = EncodePng(original);
  Picture rgb;
  DecodePng(bytes, "TEST", {5, 3, 4, true}, rgb);
  ASSERT_EQ(rgb.channels, 3);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(Bytes(rgb.pixels.begin() + 3 * i, rgb.pixels.begin() + 3 * i + 3),
              Bytes(original.pixels.begin() + 4 * i, original.pixels.begin() + 4 * i + 3));
  }
  Picture refused;
  EXPECT_THROW(DecodePng(EncodePng(NoisePicture(5, 3, 3)), "TEST", {5, 3, 4, true}, refused), Error)
      << "an RGB file is still not an RGBA one";
}

// A redraw of the same size keeps its storage; a smaller picture gives the larger storage back,
// so that a tour of zoom levels leaves only the present level's pixels held.
TEST(DecodePng, KeepsTheStorageOfTheSameSizeAndGivesBackALargerOne) {
  const Bytes small = ResourceBytes("BIT1PNG");
  const Bytes large = ResourceBytes("BIT1_300PNG");
  Picture picture;
  DecodePng(small, "BIT1PNG", {24, 24, 3}, picture);
  const uint8_t* storage = picture.pixels.data();
  DecodePng(small, "BIT1PNG", {24, 24, 3}, picture);
  EXPECT_EQ(picture.pixels.data(), storage);
  DecodePng(large, "BIT1_300PNG", {72, 72, 3}, picture);
  EXPECT_EQ(picture.pixels.capacity(), 72U * 72U * 3U);
  DecodePng(small, "BIT1PNG", {24, 24, 3}, picture);
  EXPECT_EQ(picture.pixels.capacity(), 24U * 24U * 3U);
}

// Blocks on either side of the size from which pixel memory is mapped: grown across it, shrunk
// back, copied and freed, each keeps its bytes and goes back the way it came.
TEST(PixelBytes, KeepTheirBytesAcrossTheSizeOfMappedMemory) {
  for (const size_t size :
       {size_t{1}, size_t{4096}, size_t{192} << 10, (size_t{192} << 10) + 1, size_t{5} << 20}) {
    SCOPED_TRACE(size);
    PixelBytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    PixelBytes copy = bytes;
    EXPECT_TRUE(copy == bytes);
    copy.resize(size * 3);
    copy.resize(size / 2 + 1);
    copy.shrink_to_fit();
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), bytes.begin()));
    bytes.clear();
    bytes.shrink_to_fit();
    EXPECT_EQ(bytes.capacity(), 0U);
  }
}

// Each way of growing, filling and moving bytes keeps what was there and sets what it says.
TEST(PixelBytes, GrowFillAndMoveAsAVectorOfBytesWould) {
  PixelBytes bytes{1, 2, 3};
  bytes.resize(5, 9);
  EXPECT_EQ(bytes, (PixelBytes{1, 2, 3, 9, 9}));
  for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<uint8_t>(i));
  EXPECT_EQ(bytes.size(), 305U);
  EXPECT_EQ(bytes[4], 9);
  EXPECT_EQ(bytes[304], static_cast<uint8_t>(299));
  const PixelBytes tail{7, 8};
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  bytes.pop_back();
  EXPECT_EQ(bytes.size(), 306U);
  EXPECT_EQ(bytes[305], 7);
  const PixelBytes& same = bytes;
  bytes = same;
  EXPECT_EQ(bytes.size(), 306U);
  PixelBytes moved = std::move(bytes);
  EXPECT_EQ(moved.size(), 306U);
  EXPECT_TRUE(bytes.empty());  // NOLINT(bugprone-use-after-move): a moved-from block is empty
  moved.assign(4, 0xFF);
  EXPECT_EQ(moved, (PixelBytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_NE(moved, (PixelBytes{0xFF, 0xFF, 0xFF}));
}

TEST(EncodePng, RejectsInconsistentPictures) {
  Picture short_pixels = NoisePicture(4, 4, 3);
  short_pixels.pixels.pop_back();
  for (const Picture& bad : {short_pixels, Picture{4, 4, 2, PixelBytes(32)}, Picture{0, 4, 3, {}},
                             Picture{5000, 1, 3, PixelBytes(15000)}}) {
    EXPECT_THROW(EncodePng(bad), Error);
  }
}

std::string DecodeError(const Bytes& bytes, const PictureShape& shape) {
  Picture out = NoisePicture(2, 2, 3);
  try {
    DecodePng(bytes, "SCHEME07PNG", shape, out);
  } catch (const Error& error) {
    EXPECT_TRUE(out.empty() && out.width == 0 && out.height == 0) << "a failed decode left data";
    return error.what();
  }
  return "";
}

/// Stores a big-endian `value` of `size` bytes at `field` of IHDR's data and mends its CRC.
void SetHeader(Bytes& bytes, size_t field, uint32_t value, size_t size = 1) {
  for (size_t i = 0; i < size; ++i) bytes[kIhdrData + field + i] = value >> 8 * (size - 1 - i);
  FixCrc(bytes, kIhdrStart);
}

TEST(DecodePng, RejectsDamagedOrUnexpectedPicturesNamingThem) {
  const Bytes good = ResourceBytes("BIT0PNG");
  const size_t idat = FindChunk(good, "IDAT");
  const size_t idat_crc = idat + 8 + ReadBigEndian(good, idat);
  const PictureShape rgb24{24, 24, 3};
  const struct {
    const char* label;
    PictureShape shape;
    std::function<void(Bytes&)> damage;
  } cases[] = {
      {"empty", rgb24, [](Bytes& b) { b.clear(); }},
      {"wrong signature", rgb24, [](Bytes& b) { b[1] = 'J'; }},
      {"IHDR CRC", rgb24, [](Bytes& b) { b[kIhdrData + 3] ^= 1; }},
      {"IDAT CRC", rgb24, [&](Bytes& b) { b[idat_crc] ^= 1; }},
      {"IDAT data, CRC mended", rgb24,
       [&](Bytes& b) { b[idat_crc - 20] ^= 0x55, FixCrc(b, idat); }},
      {"wrong width", {23, 24, 3}, [](Bytes&) {}},
      {"wrong height", {24, 25, 3}, [](Bytes&) {}},
      {"RGB for RGBA", {24, 24, 4}, [](Bytes&) {}},
      {"grey", rgb24, [](Bytes& b) { SetHeader(b, 9, 0); }},
      {"palette", rgb24, [](Bytes& b) { SetHeader(b, 9, 3); }},
      {"16 bits", rgb24, [](Bytes& b) { SetHeader(b, 8, 16); }},
      {"interlaced", rgb24, [](Bytes& b) { SetHeader(b, 12, 1); }},
      {"absurd width", {0, 0, 3}, [](Bytes& b) { SetHeader(b, 0, 5000, 4); }},
  };
  for (const auto& [label, shape, damage] : cases) {
    Bytes bytes = good;
    damage(bytes);
    EXPECT_THAT(DecodeError(bytes, shape), HasSubstr("SCHEME07PNG")) << label;
  }
}

TEST(DecodePng, RejectsEveryTruncation) {
  const Bytes whole = ResourceBytes("BUTTON1PNG");
  for (size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(length));
    ASSERT_THAT(DecodeError(cut, {24, 24, 4}), HasSubstr("SCHEME07PNG")) << length << " bytes";
  }
}

TEST(DecodePng, SurvivesEverySingleByteFlip) {
  const Bytes whole = ResourceBytes("BUTTON0PNG");
  for (size_t at = 0; at < whole.size(); ++at) {
    Bytes flipped = whole;
    flipped[at] ^= 0x21;
    Picture out;
    try {
      DecodePng(flipped, "BUTTON0PNG", {24, 24, 4}, out);
      EXPECT_EQ(out.pixels.size(), size_t{24 * 24 * 4}) << "flip at " << at;
    } catch (const Error&) {
      EXPECT_TRUE(out.empty()) << "flip at " << at;
    }
  }
}

}  // namespace
}  // namespace kvir
