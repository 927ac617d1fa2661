#pragma once
// Comparing drawn lettering with committed lettering, as a reader would see it.

#include <QRect>
#include <algorithm>
#include <cstdlib>

#include "render/picture.h"

namespace kvir {

// The lettering is antialiased by Qt and FreeType, whose rasterising changes between releases, so
// inside a text area the drawn and committed pictures need only agree as a reader would see them:
// every dark pixel (below 96) of one has a greyish pixel (below 192) at most one pixel away in the
// other, and the two carry the same amount of ink within 20 %. A rasteriser's half-pixel shift or
// changed hinting passes; a missing or extra label, stroke or wire through the area does not.
// Everything outside the text areas must match exactly.
inline bool InkAgrees(const Picture& a, const Picture& b, const QRect& area) {
  const auto grey = [](const Picture& p, int x, int y) {
    const uint8_t* px = p.pixel(x, y);
    return (px[0] + px[1] + px[2]) / 3;
  };
  const QRect inside = area & QRect(0, 0, a.width, a.height);
  const auto near_ink = [&](const Picture& p, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (inside.contains(x + dx, y + dy) && grey(p, x + dx, y + dy) < 192) return true;
      }
    }
    return false;
  };
  long ink_a = 0, ink_b = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      ink_a += 255 - grey(a, x, y);
      ink_b += 255 - grey(b, x, y);
      if (grey(a, x, y) < 96 && !near_ink(b, x, y)) return false;
      if (grey(b, x, y) < 96 && !near_ink(a, x, y)) return false;
    }
  }
  return std::abs(ink_a - ink_b) * 5 <= std::max(ink_a, ink_b);
}

}  // namespace kvir
