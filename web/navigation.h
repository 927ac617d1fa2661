#pragma once
// How the keyboard moves among a panel's input buttons, as the window's panel does: Tab in
// reading order of the drawing, the arrows to the nearest button above, below, or in the next
// column on either side.

#include <array>
#include <vector>

#include "circuit/scheme.h"

namespace kvir {

enum class Arrow { kUp, kDown, kLeft, kRight };

/// Indices (stacking order) of the scheme's input buttons in reading order: top to bottom, at
/// the same height left to right.
std::vector<int> ButtonsInReadingOrder(const Scheme& scheme);

/// The button an arrow moves to from button `from` (an index in stacking order): Up and Down the
/// nearest one above or below in the same column (same left edge); Left and Right the nearest
/// column on that side, there the one nearest in height. -1 when there is none.
int ArrowTarget(const Scheme& scheme, int from, Arrow arrow);

}  // namespace kvir
