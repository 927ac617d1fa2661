// kvir-x11-compare WINDOW LEFT TOP EXPECTED.png [X Y W H]: compares the pixels a window shows at
// (LEFT, TOP) with a PNG of the same size, leaving out the rectangle X, Y, W, H (in the PNG's
// coordinates) when given. Prints how many pixels differ outside and inside that rectangle;
// exits 0 when none differ outside it and, with a rectangle, some differ inside it. With
// KVIR_X11_SHOWN set, also writes the pixels shown to that PNG file, to look at.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "render/picture.h"
#include "tests/app/x11_grab.h"
#include "tools/png_file.h"

namespace {

bool Inside(int x, int y, const int* rect) {
  return rect[2] > 0 && x >= rect[0] && y >= rect[1] && x < rect[0] + rect[2] &&
         y < rect[1] + rect[3];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 && argc != 9) {
    std::fprintf(stderr, "usage: %s WINDOW LEFT TOP EXPECTED.png [X Y W H]\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int left = std::atoi(argv[2]);
  const int top = std::atoi(argv[3]);
  int skip[4] = {0, 0, 0, 0};
  for (int i = 0; argc == 9 && i < 4; ++i) skip[i] = std::atoi(argv[5 + i]);

  kvir::Picture expected;
  if (!kvir::ReadExpectedPicture(argv[4], expected)) return 1;
  Display* display = kvir::OpenDisplay(argv[0]);
  if (display == nullptr) return 1;
  kvir::Picture seen;
  const bool grabbed =
      kvir::GrabWindow(display, window, left, top, expected.width, expected.height, seen);
  XCloseDisplay(display);
  if (!grabbed) {
    std::fprintf(stderr, "%s: cannot read the window's pixels\n", argv[0]);
    return 1;
  }
  long outside = 0;
  long inside = 0;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const bool same =
          std::equal(expected.pixel(x, y), expected.pixel(x, y) + 3, seen.pixel(x, y));
      if (!same) ++(Inside(x, y, skip) ? inside : outside);
    }
  }
  if (const char* path = std::getenv("KVIR_X11_SHOWN")) kvir::WritePngFile(seen, path);
  std::printf("%ld pixels differ outside the rectangle, %ld inside\n", outside, inside);
  return outside == 0 && (skip[2] == 0 || inside > 0) ? 0 : 1;
}
