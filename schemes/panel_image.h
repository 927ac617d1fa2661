#pragma once
// The panel as the student sees it, drawn without a window.

#include "schemes/picture.h"
#include "schemes/scheme.h"

namespace kvir {

inline constexpr int kPanelWidth = 820;
inline constexpr int kPanelHeight = 665;

/// A white 820 × 665 RGB picture with the scheme picture at its place and every indicator's
/// shown picture over it in stacking order; indicators never drawn show what lies beneath.
Picture ComposePanel(const Scheme& scheme);

}  // namespace kvir
