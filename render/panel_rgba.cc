#include "render/panel_rgba.h"

#include <algorithm>

#include "render/handout.h"
#include "render/panel_image.h"

namespace kvir {
namespace {

PictureRect Intersect(const PictureRect& a, const PictureRect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.left + a.width, b.left + b.width);
  const int bottom = std::min(a.top + a.height, b.top + b.height);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right - left),
          static_cast<int16_t>(bottom - top)};
}

bool Empty(const PictureRect& r) {
  return r.width <= 0 || r.height <= 0;
}

bool Same(const PictureRect& a, const PictureRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

// The scheme is only listened to: the observer chain needs it writable.
RgbaPanel::RgbaPanel(const PanelPictures& pictures)
    : AttachedObserver(const_cast<Scheme&>(pictures.scheme())), pictures_(pictures) {}

void RgbaPanel::OnDraw(const Indicator& indicator) {
  drawn_.push_back(IndexIn(scheme(), indicator));
  AttachedObserver::OnDraw(indicator);
}

PictureRect RgbaPanel::shown_rect() const {
  return CropRect(pictures_);
}

std::vector<PictureRect> RgbaPanel::DirtyRegion() const {
  const PictureRect whole = shown_rect();
  if (!composed_) return {whole};
  const Scheme& s = pictures_.scheme();
  const int zoom = pictures_.style().zoom;
  std::vector<PictureRect> region;
  for (uint16_t index : drawn_) {
    const PictureRect place = Intersect(IndicatorPlace(s.indicators()[index], zoom), whole);
    const auto same = [&place](const PictureRect& r) { return Same(r, place); };
    if (Empty(place) || std::any_of(region.begin(), region.end(), same)) continue;
    for (const PictureRect& other : region) {
      if (!Empty(Intersect(place, other))) return {whole};
    }
    region.push_back(place);
  }
  return region;
}

const std::vector<uint8_t>& RgbaPanel::Compose(const PanelOverlay* overlay) {
  const PictureRect whole = shown_rect();
  if (!composed_ || rgb_.width != whole.width || rgb_.height != whole.height) {
    composed_ = false;
    rgb_.width = whole.width;
    rgb_.height = whole.height;
    rgb_.channels = 3;
    rgb_.pixels.assign(static_cast<size_t>(whole.width) * whole.height * 3, 0xFF);
    rgba_.assign(static_cast<size_t>(whole.width) * whole.height * 4, 0xFF);
  }
  const std::vector<PictureRect> region = DirtyRegion();
  PictureCanvas canvas(rgb_, whole.left, whole.top);
  ComposePanel(pictures_, overlay, region, canvas);
  recomposed_.clear();
  for (const PictureRect& part : region) {
    CopyToRgba(part);
    recomposed_.push_back({static_cast<int16_t>(part.left - whole.left),
                           static_cast<int16_t>(part.top - whole.top), part.width, part.height});
  }
  composed_ = true;
  drawn_.clear();
  return rgba_;
}

void RgbaPanel::CopyToRgba(const PictureRect& part) {
  const PictureRect whole = shown_rect();
  for (int y = part.top; y < part.top + part.height; ++y) {
    const size_t row = static_cast<size_t>(y - whole.top) * whole.width;
    for (int x = part.left; x < part.left + part.width; ++x) {
      const uint8_t* in = rgb_.pixel(x - whole.left, y - whole.top);
      uint8_t* out = rgba_.data() + (row + (x - whole.left)) * 4;
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
}

}  // namespace kvir
