// kvir-x11-drawing WINDOW: where the drawing of a scheme lies on the screen, as the main window
// shows it under its list: the smallest rectangle that holds every dark pixel (the drawing's
// lines, labels and lamps) below the first band of rows with dark pixels (the list's and the
// help button's words), leaving out a band along the window's right and bottom edges where
// scroll bars may be. Prints "X Y WIDTH HEIGHT" in the screen's coordinates; exits 1 when the
// window shows no drawing.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "render/picture.h"
#include "tests/app/x11_grab.h"

namespace {

// Wider than a scroll bar at any zoom.
constexpr int kScrollBand = 24;

bool Dark(const uint8_t* rgb) {
  return std::max({rgb[0], rgb[1], rgb[2]}) < 96;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s WINDOW\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  Display* display = kvir::OpenDisplay(argv[0]);
  if (display == nullptr) return 1;
  XWindowAttributes attributes;
  int left_on_screen = 0;
  int top_on_screen = 0;
  Window child = 0;
  kvir::Picture seen;
  const bool grabbed = XGetWindowAttributes(display, window, &attributes) != 0 &&
                       XTranslateCoordinates(display, window, attributes.root, 0, 0,
                                             &left_on_screen, &top_on_screen, &child) != 0 &&
                       attributes.width > kScrollBand && attributes.height > kScrollBand &&
                       kvir::GrabWindow(display, window, 0, 0, attributes.width - kScrollBand,
                                        attributes.height - kScrollBand, seen);
  XCloseDisplay(display);
  if (!grabbed) {
    std::fprintf(stderr, "%s: cannot read the window's pixels\n", argv[0]);
    return 1;
  }
  const auto dark_row = [&seen](int y) {
    for (int x = 0; x < seen.width; ++x) {
      if (Dark(seen.pixel(x, y))) return true;
    }
    return false;
  };
  int top = 0;
  while (top < seen.height && !dark_row(top)) ++top;
  while (top < seen.height && dark_row(top)) ++top;
  int left = seen.width, right = -1, upper = seen.height, lower = -1;
  for (int y = top; y < seen.height; ++y) {
    for (int x = 0; x < seen.width; ++x) {
      if (!Dark(seen.pixel(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      upper = std::min(upper, y);
      lower = std::max(lower, y);
    }
  }
  if (right < 0) {
    std::fprintf(stderr, "%s: no drawing in the window\n", argv[0]);
    return 1;
  }
  std::printf("%d %d %d %d\n", left_on_screen + left, top_on_screen + upper, right - left + 1,
              lower - upper + 1);
  return 0;
}
