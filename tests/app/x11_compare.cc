// kvir-x11-compare WINDOW LEFT TOP EXPECTED.png [X Y W H]: compares the pixels a window shows at
// (LEFT, TOP) with a PNG of the same size, leaving out the rectangle X, Y, W, H (in the PNG's
// coordinates) when given. Prints how many pixels differ outside and inside that rectangle;
// exits 0 when none differ outside it and, with a rectangle, some differ inside it. With
// KVIR_X11_SHOWN set, also writes the pixels shown to that PNG file, to look at.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "schemes/picture.h"

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

  std::ifstream file(argv[4], std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  kvir::Picture expected;
  try {
    kvir::DecodePng(bytes, argv[4], kvir::PictureShape{0, 0, 3}, expected);
  } catch (const kvir::PictureError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: no X display\n", argv[0]);
    return 1;
  }
  XImage* shown = XGetImage(display, window, left, top, static_cast<unsigned>(expected.width),
                            static_cast<unsigned>(expected.height), AllPlanes, ZPixmap);
  if (shown == nullptr) {
    std::fprintf(stderr, "%s: cannot read the window's pixels\n", argv[0]);
    return 1;
  }
  kvir::Picture seen{expected.width, expected.height, 3, {}};
  long outside = 0;
  long inside = 0;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const unsigned long pixel = XGetPixel(shown, x, y);
      for (int shift : {16, 8, 0}) seen.pixels.push_back(static_cast<uint8_t>(pixel >> shift));
      const uint8_t* want = expected.pixel(x, y);
      const bool same = ((pixel >> 16) & 0xFF) == want[0] && ((pixel >> 8) & 0xFF) == want[1] &&
                        (pixel & 0xFF) == want[2];
      if (!same) ++(Inside(x, y, skip) ? inside : outside);
    }
  }
  XDestroyImage(shown);
  XCloseDisplay(display);
  if (const char* path = std::getenv("KVIR_X11_SHOWN")) kvir::WritePngFile(seen, path);
  std::printf("%ld pixels differ outside the rectangle, %ld inside\n", outside, inside);
  return outside == 0 && (skip[2] == 0 || inside > 0) ? 0 : 1;
}
