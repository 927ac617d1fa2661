#pragma once
// The circuit drawings of the sixteen schemes.

#include "tools/artwork/canvas.h"

namespace kvir::art {

/// The drawing of a scheme: by its family, and a scheme on chips by its number; nullptr for a
/// scheme that has none.
DrawProc SchemeDrawing(const SchemeDef& def);

/// Schemes 01 … 05 and 06 … 09, each drawn from its row in circuit/gate_schemes.h.
void DrawGateEncoder(Canvas& c);
void DrawGateDecoder(Canvas& c);
void DrawScheme10(Canvas& c);
void DrawScheme11(Canvas& c);
void DrawScheme12(Canvas& c);
void DrawScheme13(Canvas& c);
void DrawScheme14(Canvas& c);
void DrawScheme15(Canvas& c);
void DrawScheme16(Canvas& c);

/// Every input button's label, left of it: what the clear view adds to the drawings that leave
/// their buttons unlabelled.
void LabelButtons(Canvas& c);

}  // namespace kvir::art
