#include "schemes/picture_style.h"

#include <algorithm>

namespace kvir {

std::string_view StyleSuffix(PictureStyle style) {
  return style.clear ? "_CLEAR" : "";
}

const Resource* FindStyledResource(std::string_view base, PictureStyle style) {
  constexpr std::string_view kExtension = "PNG";
  const std::string_view suffix = StyleSuffix(style);
  if (suffix.empty() || !base.ends_with(kExtension)) return FindResource(base);
  // The variant's name in a stack buffer: a redraw allocates nothing for it.
  char name[64];
  const std::string_view stem = base.substr(0, base.size() - kExtension.size());
  if (stem.size() + suffix.size() + kExtension.size() > sizeof name) return FindResource(base);
  char* end = std::copy(stem.begin(), stem.end(), name);
  end = std::copy(suffix.begin(), suffix.end(), end);
  end = std::copy(kExtension.begin(), kExtension.end(), end);
  const Resource* variant = FindResource(std::string_view(name, static_cast<size_t>(end - name)));
  return variant != nullptr ? variant : FindResource(base);
}

PictureRect StyledPictureRect(const SchemeDef& def, PictureStyle style) {
  PictureRect rect = def.picture;
  if (style.clear && HasClearSchemePicture(def)) {
    rect.left = static_cast<int16_t>(rect.left - kClearLabelColumn);
    rect.width = static_cast<int16_t>(rect.width + kClearLabelColumn);
  }
  return rect;
}

}  // namespace kvir
