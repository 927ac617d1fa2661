#include "render/picture_style.h"

#include <algorithm>
#include <charconv>

namespace kvir {
namespace {

constexpr std::string_view kExtension = "PNG";
constexpr std::string_view kClearSuffix = "_CLEAR";

// A resource name built in a stack buffer from its parts: a redraw allocates nothing for it.
class VariantName {
 public:
  /// `stem` + `clear` + "_" + `zoom` (nothing at 100 %) + "PNG"; empty when it does not fit.
  VariantName(std::string_view stem, std::string_view clear, int zoom) {
    char* const last = buffer_ + sizeof buffer_;
    if (stem.size() + clear.size() + kExtension.size() + 4 > sizeof buffer_) return;
    char* end = std::copy(stem.begin(), stem.end(), buffer_);
    end = std::copy(clear.begin(), clear.end(), end);
    if (zoom != kPlainZoom) {
      *end++ = '_';
      end = std::to_chars(end, last, zoom).ptr;
    }
    end = std::copy(kExtension.begin(), kExtension.end(), end);
    size_ = static_cast<size_t>(end - buffer_);
  }
  std::string_view view() const { return {buffer_, size_}; }

 private:
  char buffer_[64];
  size_t size_ = 0;
};

}  // namespace

std::string StyleSuffix(PictureStyle style) {
  const VariantName name("", style.clear ? kClearSuffix : "", style.zoom);
  const std::string_view view = name.view();
  return std::string(view.substr(0, view.size() - kExtension.size()));
}

const Resource* FindStyledResource(std::string_view base, PictureStyle style) {
  if (!base.ends_with(kExtension)) return FindResource(base);
  const std::string_view stem = base.substr(0, base.size() - kExtension.size());
  if (style.clear) {
    const VariantName clear(stem, kClearSuffix, style.zoom);
    if (const Resource* variant = FindResource(clear.view())) return variant;
  }
  if (style.zoom == kPlainZoom) return FindResource(base);
  return FindResource(VariantName(stem, "", style.zoom).view());
}

PictureRect StyledPictureRect(const SchemeDef& def, PictureStyle style) {
  PictureRect rect = def.picture;
  if (style.clear && HasClearSchemePicture(def)) {
    rect.left = static_cast<int16_t>(rect.left - kClearLabelColumn);
    rect.width = static_cast<int16_t>(rect.width + kClearLabelColumn);
  }
  const auto scaled = [&](int16_t length) {
    return static_cast<int16_t>(Scaled(length, style.zoom));
  };
  return {scaled(rect.left), scaled(rect.top), scaled(rect.width), scaled(rect.height)};
}

void PlacePicture(PictureControl& control, const PictureRect& rect) {
  control.left = rect.left;
  control.top = rect.top;
  control.width = rect.width;
  control.height = rect.height;
}

}  // namespace kvir
