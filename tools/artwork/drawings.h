#pragma once
// The circuit drawings of the sixteen schemes.

#include "tools/artwork/canvas.h"

namespace kvir::art {

void DrawScheme01(Canvas& c);
void DrawScheme02(Canvas& c);
void DrawScheme03(Canvas& c);
void DrawScheme04(Canvas& c);
void DrawScheme05(Canvas& c);
void DrawScheme06(Canvas& c);
void DrawScheme07(Canvas& c);
void DrawScheme08(Canvas& c);
void DrawScheme09(Canvas& c);
void DrawScheme10(Canvas& c);
void DrawScheme11(Canvas& c);
void DrawScheme12(Canvas& c);
void DrawScheme13(Canvas& c);
void DrawScheme14(Canvas& c);
void DrawScheme15(Canvas& c);
void DrawScheme16(Canvas& c);

}  // namespace kvir::art
