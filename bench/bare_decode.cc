#include "bench/bare_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace kvir::bench {
namespace {

struct MemoryInput {
  const uint8_t* data;
  size_t size;
  size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  MemoryInput& input = *static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (length > input.size - input.offset) png_error(png, "truncated");
  std::memcpy(out, input.data + input.offset, length);
  input.offset += length;
}

void IgnoreMessage(png_structp, png_const_charp) {}

[[noreturn]] void JumpOnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

// Holds only plain data, so libpng's longjmp skips no destructor.
bool ReadImage(png_structp png, png_infop info, std::span<uint8_t> pixels) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  const size_t stride = png_get_rowbytes(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (stride * height > pixels.size()) return false;
  for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, pixels.data() + y * stride, nullptr);
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

bool BareDecode(std::span<const uint8_t> bytes, std::span<uint8_t> pixels) {
  MemoryInput input{bytes.data(), bytes.size(), 0};
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreMessage);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool decoded = false;
  if (info != nullptr) {
    png_set_read_fn(png, &input, ReadFromMemory);
#ifdef PNG_IGNORE_ADLER32
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);  // as the program decodes
#endif
    decoded = ReadImage(png, info, pixels);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return decoded;
}

}  // namespace kvir::bench
