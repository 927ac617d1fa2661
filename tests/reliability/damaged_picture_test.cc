// Damaged and unsuitable pictures: every embedded picture, damaged in each of the ways a build or a
// copy can damage a PNG, must fail to decode with an error naming it, leaving no picture behind;
// and the loaders must do the same for names no picture answers to.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <iostream>
#include <string>

#include "circuit/schemes.h"
#include "io/error_texts.h"
#include "render/loaders.h"
#include "render/panel_pictures.h"
#include "render/resources.h"

namespace kvir {
namespace {

using Bytes = std::vector<uint8_t>;
using ::testing::HasSubstr;

struct Chunk {
  size_t at;  ///< offset of the length field
  uint32_t length;
  std::string type;
  size_t data() const { return at + 8; }
  size_t crc() const { return at + 8 + length; }
  size_t end() const { return at + 12 + length; }
};

uint32_t BigEndian(const Bytes& bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

void PutBigEndian(Bytes& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

std::vector<Chunk> Chunks(const Bytes& bytes) {
  std::vector<Chunk> chunks;
  for (size_t at = 8; at + 12 <= bytes.size();) {
    const Chunk chunk{at, BigEndian(bytes, at),
                      std::string(reinterpret_cast<const char*>(&bytes[at + 4]), 4)};
    chunks.push_back(chunk);
    at = chunk.end();
  }
  return chunks;
}

const Chunk& First(const std::vector<Chunk>& chunks, std::string_view type) {
  for (const Chunk& chunk : chunks) {
    if (chunk.type == type) return chunk;
  }
  throw std::logic_error("no chunk " + std::string(type));
}

void MendCrc(Bytes& bytes, const Chunk& chunk) {
  PutBigEndian(bytes, chunk.crc(), crc32(0, &bytes[chunk.at + 4], chunk.length + 4));
}

/// A chunk of `type` with `data` and a right CRC, inserted at `at`.
void InsertChunk(Bytes& bytes, size_t at, std::string_view type, const Bytes& data) {
  Bytes chunk(12 + data.size());
  PutBigEndian(chunk, 0, static_cast<uint32_t>(data.size()));
  std::copy(type.begin(), type.end(), chunk.begin() + 4);
  std::copy(data.begin(), data.end(), chunk.begin() + 8);
  PutBigEndian(chunk, 8 + data.size(), crc32(0, &chunk[4], static_cast<uInt>(data.size() + 4)));
  bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), chunk.begin(), chunk.end());
}

/// Sets IHDR's data byte `field` (8 bit depth, 9 colour type, …) or its 4-byte width/height.
void PatchHeader(Bytes& bytes, size_t field, uint32_t value, bool word = false) {
  const Chunk ihdr = First(Chunks(bytes), "IHDR");
  if (word) {
    PutBigEndian(bytes, ihdr.data() + field, value);
  } else {
    bytes[ihdr.data() + field] = static_cast<uint8_t>(value);
  }
  MendCrc(bytes, ihdr);
}

using Damage = std::function<void(Bytes&, PictureShape&)>;

const struct {
  const char* label;
  Damage damage;
} kDamages[] = {
    {"cut after the signature", [](Bytes& b, PictureShape&) { b.resize(8); }},
    {"cut inside IHDR", [](Bytes& b, PictureShape&) { b.resize(20); }},
    {"cut inside the first IDAT",
     [](Bytes& b, PictureShape&) {
       const Chunk idat = First(Chunks(b), "IDAT");
       b.resize(idat.data() + idat.length / 2);
     }},
    {"cut before IEND", [](Bytes& b, PictureShape&) { b.resize(b.size() - 12); }},
    {"cut one byte short", [](Bytes& b, PictureShape&) { b.pop_back(); }},
    {"GIF signature", [](Bytes& b, PictureShape&) { std::copy_n("GIF89a", 6, b.begin()); }},
    {"line ends converted in the signature", [](Bytes& b, PictureShape&) { b[4] = '\n'; }},
    {"IHDR CRC wrong", [](Bytes& b, PictureShape&) { b[First(Chunks(b), "IHDR").crc()] ^= 0x80; }},
    {"IDAT CRC wrong",
     [](Bytes& b, PictureShape&) { b[First(Chunks(b), "IDAT").crc() + 3] ^= 0x01; }},
    {"zlib header broken, CRC mended",
     [](Bytes& b, PictureShape&) {
       const Chunk idat = First(Chunks(b), "IDAT");
       b[idat.data()] ^= 0x01;
       MendCrc(b, idat);
     }},
    {"compressed data overwritten, CRC mended",
     [](Bytes& b, PictureShape&) {
       const Chunk idat = First(Chunks(b), "IDAT");
       std::fill(b.begin() + static_cast<ptrdiff_t>(idat.data() + 2),
                 b.begin() + static_cast<ptrdiff_t>(idat.crc()), 0xFF);
       MendCrc(b, idat);
     }},
    {"IDAT length beyond the end",
     [](Bytes& b, PictureShape&) { PutBigEndian(b, First(Chunks(b), "IDAT").at, 0x7FFFFFF0); }},
    {"unknown critical chunk before IDAT",
     [](Bytes& b, PictureShape&) {
       InsertChunk(b, First(Chunks(b), "IDAT").at, "KVIR", {1, 2});
     }},
    {"no IDAT",
     [](Bytes& b, PictureShape&) {
       const std::vector<Chunk> chunks = Chunks(b);
       for (auto chunk = chunks.rbegin(); chunk != chunks.rend(); ++chunk) {
         if (chunk->type == "IDAT") {
           b.erase(b.begin() + static_cast<ptrdiff_t>(chunk->at),
                   b.begin() + static_cast<ptrdiff_t>(chunk->end()));
         }
       }
     }},
    {"width zero", [](Bytes& b, PictureShape&) { PatchHeader(b, 0, 0, true); }},
    {"grey colour type", [](Bytes& b, PictureShape&) { PatchHeader(b, 9, 0); }},
    {"one pixel wider than its control", [](Bytes&, PictureShape& s) { s.width += 1; }},
    {"one pixel shorter than its control", [](Bytes&, PictureShape& s) { s.height -= 1; }},
    {"the other colour type than the loader's",
     [](Bytes&, PictureShape& s) { s.channels = 7 - s.channels; }},
};

/// The shape the loaders ask of an embedded picture: its own size and colour type, read from IHDR.
PictureShape ShapeOf(const Resource& resource) {
  const Bytes bytes(resource.bytes.begin(), resource.bytes.end());
  const Chunk ihdr = First(Chunks(bytes), "IHDR");
  constexpr size_t kColourType = 9;  // in IHDR's data: 2 for RGB, 6 for RGBA
  const int channels = bytes[ihdr.data() + kColourType] == 2 ? 3 : 4;
  return {static_cast<int>(BigEndian(bytes, ihdr.data())),
          static_cast<int>(BigEndian(bytes, ihdr.data() + 4)), channels};
}

TEST(DamagedPictures, EveryDamageOfEveryEmbeddedPictureFailsNamingIt) {
  size_t injected = 0;
  Picture small;
  DecodePng(FindResource("BIT1PNG")->bytes, "BIT1PNG", {24, 24, 3}, small);
  for (const Resource& resource : AllResources()) {
    const PictureShape right = ShapeOf(resource);
    // The first damage finds the picture itself in place, the others a small one: a failed decode
    // must leave neither, and copying a large picture for each costs more than all the decoding.
    Picture earlier;
    DecodePng(resource.bytes, resource.name, right, earlier);
    for (const auto& [label, damage] : kDamages) {
      SCOPED_TRACE(std::string(resource.name) + ": " + label);
      Bytes bytes(resource.bytes.begin(), resource.bytes.end());
      PictureShape shape = right;
      damage(bytes, shape);
      Picture out = earlier.empty() ? small : std::move(earlier);
      earlier = {};
      try {
        DecodePng(bytes, resource.name, shape, out);
        ADD_FAILURE() << "decoded without error";
      } catch (const Error& error) {
        const std::string message = ErrorText(error);
        EXPECT_THAT(message, HasSubstr(std::string(resource.name)));
        EXPECT_GT(message.size(), resource.name.size() + 20)
            << "the message says no more than the name: " << message;
      }
      EXPECT_TRUE(out.empty() && out.width == 0 && out.height == 0 && out.channels == 0)
          << "the earlier picture survived a failed decode";
      ++injected;
    }
  }
  EXPECT_EQ(injected, AllResources().size() * std::size(kDamages));
  std::cout << injected << " damaged pictures, each rejected\n";
}

std::string LoadError(const std::function<void()>& load) {
  try {
    load();
  } catch (const Error& error) {
    return ErrorText(error);
  }
  return "no error";
}

TEST(DamagedPictures, LoadersNameTheResourceNoPictureAnswersTo) {
  for (const int32_t cell : {2, -1, 1000000}) {
    for (const bool button : {false, true}) {
      Scheme scheme(*kSchemeTable[0].def);
      PanelPictures pictures(scheme);
      Indicator& ind = scheme.At(button ? "IN01" : "OUT01");
      ind.Tag = 1;
      pictures.OnDraw(ind);
      ind.Tag = cell;
      const std::string name = button ? ButtonPictureName(cell) : BitPictureName(cell);
      EXPECT_THAT(LoadError([&] { pictures.OnDraw(ind); }), HasSubstr(name));
      const size_t i = IndexIn(scheme, ind);
      EXPECT_TRUE(pictures.shown(i).empty()) << name << ": the old picture is still shown";
      EXPECT_TRUE(pictures.shown_resource(i).empty())
          << name << ": still claims " << pictures.shown_resource(i);
    }
  }
  for (const int32_t tag : {0, 17, -3}) {
    PictureControl control{0, 0, 820, 665, 8, {}};
    LoadSchemePicture(control);
    control.Tag = tag;
    EXPECT_THAT(LoadError([&] { LoadSchemePicture(control); }), HasSubstr(SchemePictureName(tag)));
    EXPECT_TRUE(control.picture.empty()) << tag;
  }
}

TEST(DamagedPictures, LoadersRejectAPictureOfTheWrongShapeNamingIt) {
  PictureControl narrow{248, 165, 323, 335, 1, {}};
  EXPECT_THAT(
      LoadError([&] { LoadSchemePicture(narrow); }),
      ::testing::AllOf(HasSubstr("SCHEME01PNG"), HasSubstr("324 × 335"), HasSubstr("323 × 335")));
  EXPECT_TRUE(narrow.picture.empty());
  Picture out;
  EXPECT_THAT(LoadError([&] {
                LoadResourcePicture("BIT0PNG", {24, 24, 4}, out);
              }),
              ::testing::AllOf(HasSubstr("BIT0PNG"), HasSubstr("RGB вместо RGBA")));
  EXPECT_THAT(LoadError([&] {
                LoadResourcePicture("BUTTON1PNG", {24, 24, 3}, out);
              }),
              ::testing::AllOf(HasSubstr("BUTTON1PNG"), HasSubstr("RGBA вместо RGB")));
}

}  // namespace
}  // namespace kvir
