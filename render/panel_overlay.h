#pragma once
// What a learning mode shows over a panel in place of the model's own pictures.

#include <cstdint>
#include <vector>

#include "render/panel_pictures.h"

namespace kvir {

/// Pictures shown instead of some indicators' own, and the indicators framed by a marker. The
/// pictures belong to whoever made the overlay and must remain live while it is shown.
struct PanelOverlay {
  /// One entry per indicator in stacking order: the picture shown in its place, or null for its
  /// own. Empty: every indicator shows its own.
  std::vector<const Picture*> pictures;
  /// Indicators framed by a marker, by index in stacking order.
  std::vector<uint16_t> marked;
  /// Indicators framed by a faint marker (redrawn without change), by index in stacking order.
  std::vector<uint16_t> faint;
  /// Indicators whose level the overlay keeps from the student, by index in stacking order:
  /// screen readers are not told it either.
  std::vector<uint16_t> concealed;
};

/// Whether `overlay` (which may be null) keeps the level of indicator `index` from the student.
bool Conceals(const PanelOverlay* overlay, uint16_t index);

/// What indicator `index` of a panel with `pictures` shows under `overlay` (which may be null).
const Picture& ShownPicture(const PanelPictures& pictures, const PanelOverlay* overlay,
                            size_t index);

}  // namespace kvir
