#pragma once
// The panel every scheme is drawn on, and where the main window places it: right under the
// scheme list, filling the window's width.

#include "render/zoom.h"

namespace kvir {

inline constexpr int kPanelWidth = 820;
inline constexpr int kPanelHeight = 665;
/// The panel's top in the main window: the height of the scheme list above it.
inline constexpr int kPanelTop = 23;

/// The panel's size at `zoom` percent.
constexpr int PanelWidth(int zoom) {
  return Scaled(kPanelWidth, zoom);
}
constexpr int PanelHeight(int zoom) {
  return Scaled(kPanelHeight, zoom);
}

}  // namespace kvir
