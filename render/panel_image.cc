#include "render/panel_image.h"

#include <algorithm>
#include <vector>

namespace kvir {
namespace {

PictureRect Rect(int left, int top, int right, int bottom) {
  return {static_cast<int16_t>(left), static_cast<int16_t>(top),
          static_cast<int16_t>(std::max(0, right - left)),
          static_cast<int16_t>(std::max(0, bottom - top))};
}

int Right(const PictureRect& r) {
  return r.left + r.width;
}
int Bottom(const PictureRect& r) {
  return r.top + r.height;
}
bool Empty(const PictureRect& r) {
  return r.width <= 0 || r.height <= 0;
}

PictureRect Intersect(const PictureRect& a, const PictureRect& b) {
  return Rect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(Right(a), Right(b)),
              std::min(Bottom(a), Bottom(b)));
}

bool Contains(const PictureRect& outer, const PictureRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer) &&
         Bottom(inner) <= Bottom(outer);
}

// `area` without `hole`: up to four rectangles, above, below, left and right of it.
std::vector<PictureRect> Subtract(const PictureRect& area, const PictureRect& hole) {
  const PictureRect cut = Intersect(area, hole);
  if (Empty(cut)) return {area};
  const std::vector<PictureRect> parts = {
      Rect(area.left, area.top, Right(area), cut.top),
      Rect(area.left, Bottom(cut), Right(area), Bottom(area)),
      Rect(area.left, cut.top, cut.left, Bottom(cut)),
      Rect(Right(cut), cut.top, Right(area), Bottom(cut)),
  };
  std::vector<PictureRect> left;
  std::copy_if(parts.begin(), parts.end(), std::back_inserter(left),
               [](const auto& r) { return !Empty(r); });
  return left;
}

PictureRect PlaceOf(const Indicator& indicator, const Picture& shown, int zoom) {
  const PictureRect place = IndicatorPlace(indicator, zoom);
  return {place.left, place.top, static_cast<int16_t>(shown.width),
          static_cast<int16_t>(shown.height)};
}

// Whether `part` lies wholly under one indicator that shows a picture, which paints over it.
bool UnderShownIndicator(const PanelPictures& pictures, const PanelOverlay* overlay,
                         const PictureRect& part) {
  const std::span<const Indicator> indicators = pictures.scheme().indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Picture& shown = ShownPicture(pictures, overlay, i);
    if (!shown.empty() && Contains(PlaceOf(indicators[i], shown, pictures.style().zoom), part)) {
      return true;
    }
  }
  return false;
}

bool Meets(std::span<const PictureRect> region, const PictureRect& place) {
  return std::any_of(region.begin(), region.end(),
                     [&](const auto& r) { return !Empty(Intersect(r, place)); });
}

void ComposeMarkers(const PanelPictures& pictures, std::span<const uint16_t> marked, Rgb colour,
                    std::span<const PictureRect> region, PanelCanvas& canvas) {
  const int zoom = pictures.style().zoom;
  const int width = Scaled(kMarkerOutside + kMarkerInside, zoom);
  for (uint16_t i : marked) {
    const PictureRect outer = MarkerPlace(pictures.scheme().indicators()[i], zoom);
    const PictureRect inner =
        Rect(outer.left + width, outer.top + width, Right(outer) - width, Bottom(outer) - width);
    for (const PictureRect& band : Subtract(outer, inner)) {
      for (const PictureRect& dirty : region) {
        const PictureRect part = Intersect(band, dirty);
        if (!Empty(part)) canvas.Fill(part, colour);
      }
    }
  }
}

}  // namespace

void PictureCanvas::Fill(const PictureRect& area, Rgb colour) {
  const PictureRect inside =
      Intersect(area, Rect(left_, top_, left_ + target_.width, top_ + target_.height));
  for (int y = inside.top; y < Bottom(inside); ++y) {
    for (int x = inside.left; x < Right(inside); ++x) {
      uint8_t* d = At(x, y);
      d[0] = colour.red;
      d[1] = colour.green;
      d[2] = colour.blue;
    }
  }
}

void PictureCanvas::Put(const Picture& src, const PictureRect& part, int left, int top) {
  const int x_from = std::max(0, left_ - left);
  const int y_from = std::max(0, top_ - top);
  const int x_to = std::min<int>(part.width, left_ + target_.width - left);
  const int y_to = std::min<int>(part.height, top_ + target_.height - top);
  for (int y = y_from; y < y_to; ++y) {
    for (int x = x_from; x < x_to; ++x) {
      const uint8_t* s = src.pixel(part.left + x, part.top + y);
      uint8_t* d = At(left + x, top + y);
      const int alpha = src.channels == 4 ? s[3] : 255;
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<uint8_t>((s[c] * alpha + d[c] * (255 - alpha)) / 255);
    }
  }
}

uint8_t* PictureCanvas::At(int x, int y) {
  return target_.pixels.data() + static_cast<size_t>(y - top_) * target_.stride() + (x - left_) * 3;
}

PictureRect MarkerPlace(const Indicator& indicator, int zoom) {
  const PictureRect place = IndicatorPlace(indicator, zoom);
  const int outside = Scaled(kMarkerOutside, zoom);
  return Rect(place.left - outside, place.top - outside, Right(place) + outside,
              Bottom(place) + outside);
}

void ComposePanel(const PanelPictures& pictures, const PanelOverlay* overlay,
                  std::span<const PictureRect> region, PanelCanvas& canvas) {
  const PictureControl& control = pictures.picture();
  const PictureRect bounds = control.picture.empty() ? PictureRect{}
                                                     : Rect(control.left, control.top,
                                                            control.left + control.picture.width,
                                                            control.top + control.picture.height);
  for (const PictureRect& dirty : region) {
    if (UnderShownIndicator(pictures, overlay, dirty)) continue;
    for (const PictureRect& white : Subtract(dirty, bounds)) canvas.Fill(white, kPanelWhite);
    const PictureRect part = Intersect(dirty, bounds);
    if (Empty(part)) continue;
    const PictureRect inside = Rect(part.left - bounds.left, part.top - bounds.top,
                                    Right(part) - bounds.left, Bottom(part) - bounds.top);
    canvas.Put(control.picture, inside, part.left, part.top);
  }
  const std::span<const Indicator> indicators = pictures.scheme().indicators();
  for (size_t i = 0; i < indicators.size(); ++i) {
    const Picture& shown = ShownPicture(pictures, overlay, i);
    if (shown.empty()) continue;
    const PictureRect place = PlaceOf(indicators[i], shown, pictures.style().zoom);
    if (Meets(region, place)) {
      canvas.Put(shown, Rect(0, 0, shown.width, shown.height), place.left, place.top);
    }
  }
  if (overlay != nullptr) {
    ComposeMarkers(pictures, overlay->faint, kFaintMarkerColour, region, canvas);
    ComposeMarkers(pictures, overlay->marked, kMarkerColour, region, canvas);
  }
}

Picture ComposePanel(const PanelPictures& pictures, const PanelOverlay* overlay) {
  const int zoom = pictures.style().zoom;
  Picture panel;
  panel.width = PanelWidth(zoom);
  panel.height = PanelHeight(zoom);
  panel.channels = 3;
  panel.pixels.assign(static_cast<size_t>(panel.width) * panel.height * 3, 0xFF);
  PictureCanvas canvas(panel);
  const PictureRect whole = Rect(0, 0, panel.width, panel.height);
  ComposePanel(pictures, overlay, std::span(&whole, 1), canvas);
  return panel;
}

}  // namespace kvir
