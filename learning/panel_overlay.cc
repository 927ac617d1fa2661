#include "learning/panel_overlay.h"

#include <algorithm>

namespace kvir {

const Picture& ShownPicture(const Scheme& scheme, const PanelOverlay* overlay, size_t index) {
  if (overlay != nullptr && index < overlay->pictures.size() && overlay->pictures[index]) {
    return *overlay->pictures[index];
  }
  return scheme.indicators()[index].shown;
}

bool Conceals(const PanelOverlay* overlay, uint16_t index) {
  return overlay != nullptr &&
         std::ranges::find(overlay->concealed, index) != overlay->concealed.end();
}

uint16_t IndexIn(const Scheme& scheme, const Indicator& indicator) {
  return static_cast<uint16_t>(&indicator - scheme.indicators().data());
}

}  // namespace kvir
