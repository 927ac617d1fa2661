// libFuzzer target over the picture decoder: any bytes either decode into a consistent picture
// that survives a re-encode unchanged, or fail with an Error leaving the picture empty.
// Anything else (a crash, a sanitizer report, another exception, a broken picture) is a finding.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/picture.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Consistent(const kvir::Picture& picture, const kvir::PictureShape& shape) {
  return picture.width > 0 && picture.height > 0 && picture.channels == shape.channels &&
         picture.pixels.size() == static_cast<size_t>(picture.stride()) * picture.height;
}

void DecodeAs(std::span<const uint8_t> bytes, const kvir::PictureShape& shape) {
  kvir::Picture picture;
  try {
    kvir::DecodePng(bytes, "FUZZPNG", shape, picture);
  } catch (const kvir::Error&) {
    Require(picture.empty() && picture.width == 0 && picture.height == 0);
    return;
  }
  Require(Consistent(picture, shape));
  kvir::Picture again;
  kvir::DecodePng(kvir::EncodePng(picture), "FUZZPNG", shape, again);
  Require(again.width == picture.width && again.height == picture.height &&
          again.pixels == picture.pixels);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  DecodeAs(bytes, {0, 0, 3});
  DecodeAs(bytes, {0, 0, 4});
  DecodeAs(bytes, {24, 24, 4});
  return 0;
}
