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

}  // namespace kvir::art
