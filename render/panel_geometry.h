#pragma once
// The size of the panel every scheme is drawn on: the picture composed of the scheme's picture
// and its indicators. Where a window puts that picture is the window's own business.

#include "render/zoom.h"

namespace kvir {

/// The panel picture's size at 100 %.
inline constexpr int kPanelWidth = 820;
inline constexpr int kPanelHeight = 665;

/// The panel picture's size at `zoom` percent.
constexpr int PanelWidth(int zoom) {
  return Scaled(kPanelWidth, zoom);
}
constexpr int PanelHeight(int zoom) {
  return Scaled(kPanelHeight, zoom);
}

}  // namespace kvir
