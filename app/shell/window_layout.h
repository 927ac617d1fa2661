#pragma once
// The main window's layout at 100 %: the scheme list in a strip along the top, and the shown
// scheme's panel right under it, filling the window's width. Every zoom scales it as a whole.

#include "render/panel_geometry.h"

namespace kvir {

/// The height of the strip holding the scheme list and the help button.
inline constexpr int kListStripHeight = 23;
/// The shown panel's top in the main window; it spans the window's width from its left edge.
inline constexpr int kPanelTop = kListStripHeight;
/// The main window's client area: the strip and the panel under it.
inline constexpr int kWindowWidth = kPanelWidth;
inline constexpr int kWindowHeight = kPanelTop + kPanelHeight;
/// The strip under the panel that holds the step mode's line while that mode is on.
inline constexpr int kStepLineHeight = 20;

}  // namespace kvir
