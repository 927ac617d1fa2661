#pragma once
// Decoded pictures and the PNG codec the panels draw with.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "render/pixel_allocator.h"

namespace kvir {

/// A decoded bitmap: rows top to bottom, pixels tightly packed, 3 (RGB) or 4 (RGBA) bytes each.
struct Picture {
  int width = 0;
  int height = 0;
  int channels = 0;
  PixelBytes pixels;

  bool empty() const { return pixels.empty(); }
  int stride() const { return width * channels; }
  const uint8_t* pixel(int x, int y) const { return pixels.data() + y * stride() + x * channels; }
};

/// What a decode must find; a zero width or height accepts any size.
struct PictureShape {
  int width = 0;
  int height = 0;
  int channels = 4;
  /// Keeps an RGBA file as RGB: for pictures that are fully opaque and kept for long.
  bool drop_alpha = false;
};

/// Decodes 8-bit non-interlaced PNG `bytes` of the given shape into `out`, reusing its storage.
/// Throws Error (a kPicture… code) naming `what` on any fault; `out` is then left empty.
void DecodePng(std::span<const uint8_t> bytes, std::string_view what, const PictureShape& shape,
               Picture& out);

/// Encodes `picture` as an 8-bit RGB or RGBA PNG with no ancillary chunks. Throws Error
/// (kPictureNotEncodable, kPictureEncodeFailed) for a picture PNG cannot hold.
std::vector<uint8_t> EncodePng(const Picture& picture);

}  // namespace kvir
