#include "schemes/panel_overlay.h"

namespace kvir {

const Picture& ShownPicture(const Scheme& scheme, const PanelOverlay* overlay, size_t index) {
  if (overlay != nullptr && index < overlay->pictures.size() && overlay->pictures[index]) {
    return *overlay->pictures[index];
  }
  return scheme.indicators()[index].shown;
}

uint16_t IndexIn(const Scheme& scheme, const Indicator& indicator) {
  return static_cast<uint16_t>(&indicator - scheme.indicators().data());
}

}  // namespace kvir
