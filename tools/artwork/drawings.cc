#include "tools/artwork/drawings.h"

#include <array>

namespace kvir::art {

DrawProc SchemeDrawing(int n) {
  static constexpr std::array<DrawProc, 16> kDrawings = {
      DrawGateEncoder, DrawGateEncoder, DrawGateEncoder, DrawGateEncoder,
      DrawGateEncoder, DrawGateDecoder, DrawGateDecoder, DrawGateDecoder,
      DrawGateDecoder, DrawScheme10,    DrawScheme11,    DrawScheme12,
      DrawScheme13,    DrawScheme14,    DrawScheme15,    DrawScheme16};
  return n >= 1 && n <= 16 ? kDrawings[n - 1] : nullptr;
}

void LabelButtons(Canvas& c) {
  constexpr qreal kTextGap = 4;  // as the gate schemes' drawings set their buttons' labels
  for (const Indicator& ind : c.scheme().indicators()) {
    if (!ind.is_button) continue;
    const QPointF button = c.Left(ind.name);
    c.Text({button.x() - kTextGap, button.y()}, c.Label(ind.name), Align::kRight);
  }
}

}  // namespace kvir::art
