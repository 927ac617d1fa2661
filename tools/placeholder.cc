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

// The letter's cells are scaled as a whole: each pixel takes the cell it falls in.
void DrawPlaceholder(Picture& picture, int x, int y, bool button, int zoom) {
  const int side = Scaled(kPlaceholderSide, zoom);
  for (int dy = 0; dy < side; ++dy) {
    for (int dx = 0; dx < side; ++dx) Fill(picture, x + dx, y + dy, 0x00);
  }
  const Glyph& glyph = button ? kLetterK : kLetterL;
  const int width = Scaled(10, zoom);
  const int height = Scaled(14, zoom);
  const int left = x + (side - width) / 2 + Scaled(1, zoom);
  const int top = y + (side - height) / 2;
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      if (glyph[py * 100 / zoom][px * 100 / zoom] == '#') Fill(picture, left + px, top + py, 0xFF);
    }
  }
}

void DrawPlaceholders(const PanelPictures& shown, Picture& p) {
  const Scheme& scheme = shown.scheme();
  const int zoom = shown.style().zoom;
  for (const Indicator& ind : scheme.indicators()) {
    const int x = PictureX(shown, ind);
    const int y = PictureY(shown, ind);
    const int side = Scaled(kPlaceholderSide, zoom);
    if (x < 0 || y < 0 || x + side > p.width || y + side > p.height) {
      throw std::out_of_range("indicator " + ind.name + " of scheme " +
                              std::to_string(scheme.number()) + " lies off its picture");
    }
    DrawPlaceholder(p, x, y, ind.is_button, zoom);
  }
}

Picture DrawPlaceholderScheme(const PanelPictures& shown) {
  Picture p = BlankPicture(shown.picture().width, shown.picture().height);
  DrawPlaceholders(shown, p);
  return p;
}

}  // namespace kvir
