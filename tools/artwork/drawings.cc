#include "tools/artwork/drawings.h"

namespace kvir::art {

DrawProc SchemeDrawing(const SchemeDef& def) {
  struct ChipDrawing {
    int number;
    DrawProc draw;
  };
  static constexpr ChipDrawing kChipDrawings[] = {
      {10, DrawScheme10}, {11, DrawScheme11}, {12, DrawScheme12}, {13, DrawScheme13},
      {14, DrawScheme14}, {15, DrawScheme15}, {16, DrawScheme16}};
  switch (def.family) {
    case SchemeFamily::kGateEncoder:
      return DrawGateEncoder;
    case SchemeFamily::kGateDecoder:
      return DrawGateDecoder;
    case SchemeFamily::kChips:
      break;
  }
  for (const ChipDrawing& drawing : kChipDrawings) {
    if (drawing.number == def.number) return drawing.draw;
  }
  return nullptr;
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
