#include "render/panel_image.h"

#include <algorithm>

namespace kvir {
namespace {

// Copies `src` onto the RGB `dst` at (left, top), blending any alpha over what is there.
void Blit(Picture& dst, const Picture& src, int left, int top) {
  for (int y = std::max(0, -top); y < src.height && top + y < dst.height; ++y) {
    for (int x = std::max(0, -left); x < src.width && left + x < dst.width; ++x) {
      const uint8_t* s = src.pixel(x, y);
      uint8_t* d = dst.pixels.data() + (top + y) * dst.stride() + (left + x) * 3;
      const int alpha = src.channels == 4 ? s[3] : 255;
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<uint8_t>((s[c] * alpha + d[c] * (255 - alpha)) / 255);
    }
  }
}

}  // namespace

Picture ComposePanel(const Scheme& scheme) {
  const int zoom = scheme.style.zoom;
  Picture panel;
  panel.width = PanelWidth(zoom);
  panel.height = PanelHeight(zoom);
  panel.channels = 3;
  panel.pixels.assign(static_cast<size_t>(panel.width) * panel.height * 3, 0xFF);
  if (!scheme.picture.picture.empty()) {
    Blit(panel, scheme.picture.picture, scheme.picture.left, scheme.picture.top);
  }
  for (const Indicator& ind : scheme.indicators()) {
    const PictureRect place = IndicatorPlace(ind, zoom);
    if (!ind.shown.empty()) Blit(panel, ind.shown, place.left, place.top);
  }
  return panel;
}

}  // namespace kvir
