// The indicator pictures, those of the clear view and the cards of "Проверь себя", drawn pixel
// by pixel.

#include "tools/small_pictures.h"

#include <algorithm>
#include <array>
#include <string_view>

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

/// A digit or mark drawn on a 10 × 14 grid: '#' is ink, '.' is paper.
using Glyph = std::array<std::string_view, 14>;

/// The look of a lamp-sized picture: a digit or mark on paper inside a frame `frame_width` pixels
/// wide, whose pixels alternate between two colours every `dash` pixels along the edge (solid
/// when 0).
struct CardStyle {
  Rgb paper;
  Rgb ink;
  Rgb frame;
  Rgb frame_dash = frame;
  int dash = 0;
  int frame_width = 2;
};

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

constexpr Glyph kQuestionGlyph = {
    "..######..",  //
    ".########.",  //
    "###....###",  //
    "##......##",  //
    ".......###",  //
    "......###.",  //
    ".....###..",  //
    "....###...",  //
    "....##....",  //
    "....##....",  //
    "..........",  //
    "..........",  //
    "....##....",  //
    "....##....",  //
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

// The levels: black 0 and red 1 on white, each in a frame of its colour.
constexpr CardStyle kLevel0 = {kWhite, kBlack, kBlack};
constexpr CardStyle kLevel1 = {kWhite, kRed, kRed};
// The clear view's lamp of a selected decoder output: the level on pale yellow in a wide frame.
constexpr CardStyle kActive0 = {kMarkPaper, kBlack, kMark, kMark, 0, 3};
constexpr CardStyle kActive1 = {kMarkPaper, kRed, kMark, kMark, 0, 3};

// The cards over hidden lamps. A question mark in grey; a guess in blue on pale blue with a
// dashed frame, so that it never passes for a level; after the check the true level in its own
// colour, on pale green in a solid green frame when the guess was right, on pale orange in a
// frame striped black and orange when it was wrong.
constexpr Rgb kGuessBlue{0x1E, 0x50, 0xC8};
constexpr Rgb kRightGreen{0x00, 0x8C, 0x00};
constexpr Rgb kWrongOrange{0xFF, 0x8C, 0x00};
constexpr CardStyle kHiddenCard = {{0xE6, 0xE6, 0xE6}, {0x60, 0x60, 0x60}, {0x80, 0x80, 0x80}};
constexpr CardStyle kGuessCard = {{0xDC, 0xE8, 0xFF}, kGuessBlue, kGuessBlue, kWhite, 3};
constexpr Rgb kRightPaper{0xD2, 0xF5, 0xD2};
constexpr Rgb kWrongPaper{0xFF, 0xE1, 0xC0};
constexpr CardStyle kRight0 = {kRightPaper, kBlack, kRightGreen};
constexpr CardStyle kRight1 = {kRightPaper, kRed, kRightGreen};
constexpr CardStyle kWrong0 = {kWrongPaper, kBlack, kBlack, kWrongOrange, 2};
constexpr CardStyle kWrong1 = {kWrongPaper, kRed, kBlack, kWrongOrange, 2};

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

Rgb FrameColourAt(const CardStyle& style, int x, int y) {
  if (style.dash == 0) return style.frame;
  return ((x + y) / style.dash) % 2 == 0 ? style.frame : style.frame_dash;
}

Picture DrawCard(const Glyph& glyph, const CardStyle& style) {
  Picture picture = BlankPicture(3);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool frame = std::min({x, y, kSide - 1 - x, kSide - 1 - y}) < style.frame_width;
      SetPixel(picture, x, y, frame ? FrameColourAt(style, x, y) : style.paper);
    }
  }
  const int left = (kSide - static_cast<int>(glyph[0].size())) / 2;
  const int top = (kSide - static_cast<int>(glyph.size())) / 2;
  for (size_t row = 0; row < glyph.size(); ++row) {
    for (size_t column = 0; column < glyph[row].size(); ++column) {
      if (glyph[row][column] == '#') {
        SetPixel(picture, left + static_cast<int>(column), top + static_cast<int>(row), style.ink);
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

}  // namespace

std::vector<SmallPicture> DrawSmallPictures() {
  std::vector<SmallPicture> pictures;
  pictures.push_back({"bit0.png", DrawCard(kZeroGlyph, kLevel0)});
  pictures.push_back({"bit1.png", DrawCard(kOneGlyph, kLevel1)});
  pictures.push_back({"button0.png", DrawButton(kRaisedButton)});
  pictures.push_back({"button1.png", DrawButton(kPressedButton)});
  pictures.push_back({"button0_clear.png", DrawButton(kHollowButton)});
  pictures.push_back({"button1_clear.png", DrawButton(kFilledButton)});
  pictures.push_back({"active0.png", DrawCard(kZeroGlyph, kActive0)});
  pictures.push_back({"active1.png", DrawCard(kOneGlyph, kActive1)});
  pictures.push_back({"hidden.png", DrawCard(kQuestionGlyph, kHiddenCard)});
  pictures.push_back({"guess0.png", DrawCard(kZeroGlyph, kGuessCard)});
  pictures.push_back({"guess1.png", DrawCard(kOneGlyph, kGuessCard)});
  pictures.push_back({"right0.png", DrawCard(kZeroGlyph, kRight0)});
  pictures.push_back({"right1.png", DrawCard(kOneGlyph, kRight1)});
  pictures.push_back({"wrong0.png", DrawCard(kZeroGlyph, kWrong0)});
  pictures.push_back({"wrong1.png", DrawCard(kOneGlyph, kWrong1)});
  return pictures;
}

}  // namespace kvir
