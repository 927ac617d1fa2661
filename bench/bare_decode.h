#pragma once
// The least work one PNG decode can take: libpng alone, from memory into a caller's buffer.

#include <cstdint>
#include <span>

namespace kvir::bench {

/// Decodes the 8-bit non-interlaced PNG `bytes` into `pixels` with no transforms, checks or
/// copies of its own. False when libpng fails or the rows do not fit.
bool BareDecode(std::span<const uint8_t> bytes, std::span<uint8_t> pixels);

}  // namespace kvir::bench
