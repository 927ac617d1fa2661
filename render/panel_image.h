#pragma once
// The panel as the student sees it, drawn without a window.

#include "circuit/scheme.h"
#include "render/panel_geometry.h"
#include "render/picture.h"

namespace kvir {

/// A white 820 × 665 RGB picture (at 100 %; scaled to the scheme's zoom) with the scheme picture at
/// its place and every indicator's shown picture over it in stacking order; indicators never drawn
/// show what lies beneath.
Picture ComposePanel(const Scheme& scheme);

}  // namespace kvir
