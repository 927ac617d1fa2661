// kvir-small-pictures DIR: draws the indicator pictures bit0.png, bit1.png, button0.png and
// button1.png into DIR, and those of the clear view: button0_clear.png (hollow),
// button1_clear.png (filled with colour), active0.png and active1.png (the lamp of a selected
// decoder output, framed).

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "schemes/picture.h"

namespace kvir {
namespace {

struct Rgb {
  uint8_t r, g, b;
};

constexpr int kSide = 24;
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kRed{0xFF, 0x00, 0x00};
// The clear view marks what is pressed or selected in one colour.
constexpr Rgb kMark{0x00, 0x5A, 0xFF};
constexpr Rgb kMarkRim{0x00, 0x2E, 0x9C};
constexpr Rgb kMarkPaper{0xFF, 0xF0, 0x80};

/// A digit drawn on a 10 × 14 grid: '#' is ink, '.' is paper.
using Glyph = std::array<std::string_view, 14>;

constexpr Glyph kZeroGlyph = {
    "..######..",  //
    ".########.",  //
    "###....###",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "##......##",  //
    "###....###",  //
    ".########.",  //
    "..######..",  //
};

constexpr Glyph kOneGlyph = {
    "....##....",  //
    "...###....",  //
    "..####....",  //
    ".##.##....",  //
    "##..##....",  //
    "....##....",  //
    "....##....",  //
    "....##....",  //
    "....##....",  //
    "....##....",  //
    "....##....",  //
    "....##....",  //
    "..######..",  //
    "..######..",  //
};

/// The colours of one button picture, by distance from the octagon's edge.
struct ButtonColours {
  Rgb face;
  std::array<Rgb, 2> upper_left;   ///< outer ring, inner ring
  std::array<Rgb, 2> lower_right;  ///< outer ring, inner ring
};

constexpr Rgb kFace{0xAA, 0xAA, 0xAA};
constexpr ButtonColours kRaisedButton = {
    kFace, {{{0xC4, 0xC4, 0xC4}, {0xF4, 0xF4, 0xF4}}}, {{{0x4E, 0x46, 0x60}, {0x7E, 0x75, 0x94}}}};
constexpr ButtonColours kPressedButton = {
    kFace, {{{0x6A, 0x56, 0x86}, {0x8E, 0x80, 0xA6}}}, {{{0xC4, 0xC4, 0xC4}, {0xF4, 0xF4, 0xF4}}}};
/// The clear view's buttons: released hollow, pressed filled, both with a plain dark rim.
constexpr Rgb kHollowRim{0x40, 0x40, 0x40};
constexpr ButtonColours kHollowButton = {
    kWhite, {{kHollowRim, kHollowRim}}, {{kHollowRim, kHollowRim}}};
constexpr ButtonColours kFilledButton = {kMark, {{kMarkRim, kMarkRim}}, {{kMarkRim, kMarkRim}}};

/// How many pixels each corner of the octagon cuts off along both edges.
constexpr int kCornerCut = 7;

Picture BlankPicture(int channels) {
  Picture picture{kSide, kSide, channels, {}};
  picture.pixels.assign(static_cast<size_t>(picture.stride()) * kSide, 0xFF);
  return picture;
}

void SetPixel(Picture& picture, int x, int y, Rgb colour) {
  uint8_t* pixel = picture.pixels.data() + y * picture.stride() + x * picture.channels;
  pixel[0] = colour.r;
  pixel[1] = colour.g;
  pixel[2] = colour.b;
}

/// The frame of a lamp picture and the paper inside it.
struct LampFrame {
  int width;
  std::optional<Rgb> colour;  ///< the ink's colour when none
  Rgb paper;
};

constexpr LampFrame kPlainFrame = {2, std::nullopt, kWhite};
constexpr LampFrame kSelectedFrame = {3, kMark, kMarkPaper};

Picture DrawBit(const Glyph& glyph, Rgb ink, const LampFrame& frame = kPlainFrame) {
  Picture picture = BlankPicture(3);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool in_frame = std::min({x, y, kSide - 1 - x, kSide - 1 - y}) < frame.width;
      SetPixel(picture, x, y, in_frame ? frame.colour.value_or(ink) : frame.paper);
    }
  }
  const int left = (kSide - static_cast<int>(glyph[0].size())) / 2;
  const int top = (kSide - static_cast<int>(glyph.size())) / 2;
  for (size_t row = 0; row < glyph.size(); ++row) {
    for (size_t column = 0; column < glyph[row].size(); ++column) {
      if (glyph[row][column] == '#') {
        SetPixel(picture, left + static_cast<int>(column), top + static_cast<int>(row), ink);
      }
    }
  }
  return picture;
}

/// Distance in whole pixels from the octagon's edge: 0 on the edge, negative outside. Along a
/// cut corner, two steps of the staircase make about 1.4 pixels, so they count as one.
int OctagonDepth(int x, int y) {
  const int from_side = std::min(x, kSide - 1 - x);
  const int from_top = std::min(y, kSide - 1 - y);
  const int from_corner = from_side + from_top - kCornerCut;
  return std::min({from_side, from_top, from_corner < 0 ? -1 : from_corner * 7 / 10});
}

Rgb ButtonColourAt(const ButtonColours& colours, int x, int y) {
  const int depth = OctagonDepth(x, y);
  if (depth < 0) return kWhite;
  if (depth >= 2) return colours.face;
  const bool upper_left = x + y < kSide - 1;
  return upper_left ? colours.upper_left[depth] : colours.lower_right[depth];
}

Picture DrawButton(const ButtonColours& colours) {
  Picture picture = BlankPicture(4);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) SetPixel(picture, x, y, ButtonColourAt(colours, x, y));
  }
  return picture;
}

int Run(const std::string& directory) {
  const std::array<std::pair<const char*, Picture>, 8> pictures = {{
      {"bit0.png", DrawBit(kZeroGlyph, kBlack)},
      {"bit1.png", DrawBit(kOneGlyph, kRed)},
      {"button0.png", DrawButton(kRaisedButton)},
      {"button1.png", DrawButton(kPressedButton)},
      {"button0_clear.png", DrawButton(kHollowButton)},
      {"button1_clear.png", DrawButton(kFilledButton)},
      {"active0.png", DrawBit(kZeroGlyph, kBlack, kSelectedFrame)},
      {"active1.png", DrawBit(kOneGlyph, kRed, kSelectedFrame)},
  }};
  try {
    for (const auto& [file_name, picture] : pictures) {
      WritePngFile(picture, directory + "/" + file_name);
    }
  } catch (const PictureError& error) {
    std::fprintf(stderr, "kvir-small-pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace kvir

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Использование: kvir-small-pictures КАТАЛОГ\n");
    return 2;
  }
  return kvir::Run(argv[1]);
}
