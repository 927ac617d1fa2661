// The indicator pictures, those of the clear view and the cards of "Проверь себя", drawn pixel
// by pixel.

#include "tools/small_pictures.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "render/zoom.h"

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

constexpr Glyph kBlankGlyph = {"..........", "..........", "..........", "..........", "..........",
                               "..........", "..........", "..........", "..........", "..........",
                               "..........", "..........", "..........", ".........."};

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

/// The small digits of a crossed-out guess, on a 5 × 7 grid.
using SmallGlyph = std::array<std::string_view, 7>;
constexpr SmallGlyph kSmallZero = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
constexpr SmallGlyph kSmallOne = {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "#####"};

// The levels: black 0 and red 1 on white, each in a frame of its colour.
constexpr CardStyle kLevel0 = {kWhite, kBlack, kBlack};
constexpr CardStyle kLevel1 = {kWhite, kRed, kRed};
// The clear view's lamp of a selected decoder output: the level on pale yellow in a wide frame.
constexpr CardStyle kActive0 = {kMarkPaper, kBlack, kMark, kMark, 0, 3};
constexpr CardStyle kActive1 = {kMarkPaper, kRed, kMark, kMark, 0, 3};

// The cards over hidden lamps. A question mark in grey; a guess in blue on pale blue with a
// dashed frame, so that it never passes for a level; after the check the true level in its own
// colour, on pale green in a solid green frame when the guess was right, on pale orange in a
// frame striped black and orange when it was wrong or missing; a wrong guess stays beside the
// level, small, in the guess's blue and struck through. A masked lamp (no question) is plain grey.
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
constexpr CardStyle kMaskedCard = {{0xE6, 0xE6, 0xE6}, {0xE6, 0xE6, 0xE6}, {0xB4, 0xB4, 0xB4}};
constexpr Rgb kStrike{0x00, 0x00, 0x00};

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

// Every length of the drawings is given at 100 %: a Grid scales it to the zoom drawn at.
struct Grid {
  int zoom;
  int side = Scaled(kSide, zoom);
  int Scale(int length) const { return Scaled(length, zoom); }
  /// The cell at 100 % that a pixel at this zoom falls in.
  int Cell(int pixel) const { return pixel * 100 / zoom; }
};

Picture BlankPicture(const Grid& grid, int channels) {
  Picture picture{grid.side, grid.side, channels, {}};
  picture.pixels.assign(static_cast<size_t>(picture.stride()) * grid.side, 0xFF);
  return picture;
}

void SetPixel(Picture& picture, int x, int y, Rgb colour) {
  uint8_t* pixel = picture.pixels.data() + y * picture.stride() + x * picture.channels;
  pixel[0] = colour.r;
  pixel[1] = colour.g;
  pixel[2] = colour.b;
}

Rgb FrameColourAt(const Grid& grid, const CardStyle& style, int x, int y) {
  if (style.dash == 0) return style.frame;
  return ((x + y) / grid.Scale(style.dash)) % 2 == 0 ? style.frame : style.frame_dash;
}

Picture DrawCard(const Grid& grid, const Glyph& glyph, const CardStyle& style) {
  Picture picture = BlankPicture(grid, 3);
  const int side = grid.side;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool frame =
          std::min({x, y, side - 1 - x, side - 1 - y}) < grid.Scale(style.frame_width);
      SetPixel(picture, x, y, frame ? FrameColourAt(grid, style, x, y) : style.paper);
    }
  }
  const int width = grid.Scale(static_cast<int>(glyph[0].size()));
  const int height = grid.Scale(static_cast<int>(glyph.size()));
  const int left = (side - width) / 2;
  const int top = (side - height) / 2;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (glyph[grid.Cell(y)][grid.Cell(x)] == '#') SetPixel(picture, left + x, top + y, style.ink);
    }
  }
  return picture;
}

/// A card with the true level moved to the left and the wrong guess beside it, top right: a small
/// digit in the guess's blue, struck through from its lower left to its upper right.
Picture DrawWrongCard(const Grid& grid, const Glyph& level, const SmallGlyph& guess,
                      const CardStyle& style) {
  Picture picture = DrawCard(grid, level, style);
  const Picture centred = picture;
  const int shift = grid.Scale(4);
  const int paper = grid.Scale(style.frame_width);
  for (int y = paper; y < grid.side - paper; ++y) {
    for (int x = paper; x < grid.side - paper; ++x) {
      const int from = x + shift;
      const uint8_t* source = from < grid.side - paper
                                  ? centred.pixels.data() + y * centred.stride() + from * 3
                                  : nullptr;
      SetPixel(picture, x, y, source ? Rgb{source[0], source[1], source[2]} : style.paper);
    }
  }
  const int left = grid.Scale(15);
  const int top = grid.Scale(3);
  const int width = grid.Scale(5);
  const int height = grid.Scale(7);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (guess[grid.Cell(y)][grid.Cell(x)] == '#') {
        SetPixel(picture, left + x, top + y, kGuessBlue);
      }
    }
  }
  const int stroke = grid.Scale(1);
  for (int step = -grid.Scale(1); step < width + grid.Scale(1); ++step) {
    const int x = left + step;
    const int y = top + height - 1 - step * height / width;
    for (int t = 0; t < stroke; ++t)
      SetPixel(picture, x, std::clamp(y + t, 0, grid.side - 1), kStrike);
  }
  return picture;
}

/// Distance from the octagon's edge in whole pixels at 100 %: 0 on the edge, negative outside.
/// Along a cut corner, two steps of the staircase make about 1.4 pixels, so they count as one.
int OctagonDepth(const Grid& grid, int x, int y) {
  const int from_side = std::min(x, grid.side - 1 - x);
  const int from_top = std::min(y, grid.side - 1 - y);
  const int from_corner = from_side + from_top - grid.Scale(kCornerCut);
  return std::min({grid.Cell(from_side), grid.Cell(from_top),
                   from_corner < 0 ? -1 : from_corner * 7 * 10 / grid.zoom});
}

Rgb ButtonColourAt(const Grid& grid, const ButtonColours& colours, int x, int y) {
  const int depth = OctagonDepth(grid, x, y);
  if (depth < 0) return kWhite;
  if (depth >= 2) return colours.face;
  const bool upper_left = x + y < grid.side - 1;
  return upper_left ? colours.upper_left[depth] : colours.lower_right[depth];
}

Picture DrawButton(const Grid& grid, const ButtonColours& colours) {
  Picture picture = BlankPicture(grid, 4);
  for (int y = 0; y < grid.side; ++y) {
    for (int x = 0; x < grid.side; ++x)
      SetPixel(picture, x, y, ButtonColourAt(grid, colours, x, y));
  }
  return picture;
}

// "bit0" at 150 % is drawn into "bit0_150.png".
std::string FileName(std::string_view stem, int zoom) {
  std::string name(stem);
  if (zoom != kPlainZoom) name += "_" + std::to_string(zoom);
  return name + ".png";
}

}  // namespace

std::vector<SmallPicture> DrawSmallPictures(int zoom) {
  const Grid grid{zoom};
  std::vector<SmallPicture> pictures;
  const auto card = [&](std::string_view stem, const Glyph& glyph, const CardStyle& style) {
    pictures.push_back({FileName(stem, zoom), DrawCard(grid, glyph, style)});
  };
  const auto button = [&](std::string_view stem, const ButtonColours& colours) {
    pictures.push_back({FileName(stem, zoom), DrawButton(grid, colours)});
  };
  card("bit0", kZeroGlyph, kLevel0);
  card("bit1", kOneGlyph, kLevel1);
  button("button0", kRaisedButton);
  button("button1", kPressedButton);
  button("button0_clear", kHollowButton);
  button("button1_clear", kFilledButton);
  card("active0", kZeroGlyph, kActive0);
  card("active1", kOneGlyph, kActive1);
  card("hidden", kQuestionGlyph, kHiddenCard);
  card("guess0", kZeroGlyph, kGuessCard);
  card("guess1", kOneGlyph, kGuessCard);
  card("right0", kZeroGlyph, kRight0);
  card("right1", kOneGlyph, kRight1);
  pictures.push_back(
      {FileName("wrong0", zoom), DrawWrongCard(grid, kZeroGlyph, kSmallOne, kWrong0)});
  pictures.push_back(
      {FileName("wrong1", zoom), DrawWrongCard(grid, kOneGlyph, kSmallZero, kWrong1)});
  card("missed0", kZeroGlyph, kWrong0);
  card("missed1", kOneGlyph, kWrong1);
  pictures.push_back({FileName("masked", zoom), DrawCard(grid, kBlankGlyph, kMaskedCard)});
  return pictures;
}

}  // namespace kvir
