#include "tools/artwork/drawings.h"

#include <array>

namespace kvir::art {

DrawProc SchemeDrawing(int n) {
  static constexpr std::array<DrawProc, 16> kDrawings = {
      DrawScheme01, DrawScheme02, DrawScheme03, DrawScheme04, DrawScheme05, DrawScheme06,
      DrawScheme07, DrawScheme08, DrawScheme09, DrawScheme10, DrawScheme11, DrawScheme12,
      DrawScheme13, DrawScheme14, DrawScheme15, DrawScheme16};
  return n >= 1 && n <= 16 ? kDrawings[n - 1] : nullptr;
}

}  // namespace kvir::art
