#include "render/panel_overlay.h"

#include <algorithm>

namespace kvir {

const Picture& ShownPicture(const PanelPictures& pictures, const PanelOverlay* overlay,
                            size_t index) {
  if (overlay != nullptr && index < overlay->pictures.size() && overlay->pictures[index]) {
    return *overlay->pictures[index];
  }
  return pictures.shown(index);
}

bool Conceals(const PanelOverlay* overlay, uint16_t index) {
  return overlay != nullptr && std::find(overlay->concealed.begin(), overlay->concealed.end(),
                                         index) != overlay->concealed.end();
}

}  // namespace kvir
