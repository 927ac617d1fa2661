#pragma once
// How the keyboard moves among the focusable places of a panel, the same in the window and on
// the page: Tab in reading order of the drawing, the arrows to the nearest place above, below,
// or in the next column on either side. Places are compared by their top-left corners only, so
// any unit works as long as all of them share it.

#include <span>
#include <vector>

#include "circuit/scheme.h"

namespace kvir {

/// A place's top-left corner.
struct PanelPosition {
  int left = 0;
  int top = 0;
};

enum class Arrow { kUp, kDown, kLeft, kRight };

/// Indices into `positions` in reading order: top to bottom, at the same height left to right;
/// places at the same corner keep their order.
std::vector<int> ReadingOrder(std::span<const PanelPosition> positions);

/// The index of the place an arrow moves to from `positions[from]` (`from` an index into
/// `positions`): Up and Down the nearest one
/// above or below in the same column (same left edge); Left and Right the nearest column on that
/// side, there the one nearest in height (the first of equals). -1 when there is none.
int ArrowNeighbour(std::span<const PanelPosition> positions, int from, Arrow arrow);

/// A scheme's input buttons: their indices among the scheme's indicators (stacking order) and,
/// at the same index, their places on the panel at 100 %.
struct PanelButtons {
  std::vector<int> indicators;
  std::vector<PanelPosition> positions;
};
PanelButtons ButtonsOf(const Scheme& scheme);

}  // namespace kvir
