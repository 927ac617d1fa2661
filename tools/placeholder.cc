#include "tools/placeholder.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvir {
namespace {

// Letters on a 10 × 14 grid, '#' ink.
using Glyph = std::array<std::string_view, 14>;

constexpr Glyph kLetterK = {
    "##.....##.",  //
    "##....##..",  //
    "##...##...",  //
    "##..##....",  //
    "##.##.....",  //
    "####......",  //
    "###.......",  //
    "####......",  //
    "##.##.....",  //
    "##..##....",  //
    "##...##...",  //
    "##....##..",  //
    "##.....##.",  //
    "##......##",  //
};

constexpr Glyph kLetterL = {
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "##........",  //
    "#########.",  //
    "#########.",  //
};

void Fill(Picture& p, int x, int y, uint8_t level) {
  uint8_t* px = p.pixels.data() + y * p.stride() + x * 4;
  px[0] = px[1] = px[2] = level;
  px[3] = 0xFF;
}

}  // namespace

Picture BlankPicture(int width, int height) {
  Picture p;
  p.width = width;
  p.height = height;
  p.channels = 4;
  p.pixels.assign(static_cast<size_t>(width) * height * 4, 0xFF);
  return p;
}

void DrawPlaceholder(Picture& picture, int x, int y, bool button) {
  for (int dy = 0; dy < kPlaceholderSide; ++dy) {
    for (int dx = 0; dx < kPlaceholderSide; ++dx) Fill(picture, x + dx, y + dy, 0x00);
  }
  const Glyph& glyph = button ? kLetterK : kLetterL;
  const int left = x + (kPlaceholderSide - 10) / 2 + 1;
  const int top = y + (kPlaceholderSide - 14) / 2;
  for (int gy = 0; gy < 14; ++gy) {
    for (int gx = 0; gx < 10; ++gx) {
      if (glyph[gy][gx] == '#') Fill(picture, left + gx, top + gy, 0xFF);
    }
  }
}

void DrawPlaceholders(const Scheme& scheme, Picture& p) {
  for (const Indicator& ind : scheme.indicators()) {
    const int x = PictureX(scheme, ind);
    const int y = PictureY(scheme, ind);
    if (x < 0 || y < 0 || x + kPlaceholderSide > p.width || y + kPlaceholderSide > p.height) {
      throw std::out_of_range("indicator " + ind.name + " of scheme " +
                              std::to_string(scheme.number()) + " lies off its picture");
    }
    DrawPlaceholder(p, x, y, ind.is_button);
  }
}

Picture DrawPlaceholderScheme(const Scheme& scheme) {
  Picture p = BlankPicture(scheme.picture.width, scheme.picture.height);
  DrawPlaceholders(scheme, p);
  return p;
}

}  // namespace kvir
