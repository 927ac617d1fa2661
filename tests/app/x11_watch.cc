// kvir-x11-watch WINDOW LEFT TOP EXPECTED.png SECONDS: watches the pixels a window shows at
// (LEFT, TOP), over the size of EXPECTED.png, until they equal it. The first picture seen is the
// start; prints "watching" once it is taken, then at the end how many different pictures came
// between the start and the expected one. Exits 0 when the expected picture came within SECONDS,
// else 1.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "render/picture.h"
#include "tests/app/x11_grab.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s WINDOW LEFT TOP EXPECTED.png SECONDS\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int left = std::atoi(argv[2]);
  const int top = std::atoi(argv[3]);
  const double seconds = std::atof(argv[5]);
  kvir::Picture expected;
  if (!kvir::ReadExpectedPicture(argv[4], expected)) return 1;
  Display* display = kvir::OpenDisplay(argv[0]);
  if (display == nullptr) return 1;
  kvir::Picture start, seen;
  const auto grab = [&](kvir::Picture& out) {
    return kvir::GrabWindow(display, window, left, top, expected.width, expected.height, out);
  };
  if (!grab(start)) {
    std::fprintf(stderr, "%s: cannot read the window's pixels\n", argv[0]);
    return 1;
  }
  std::printf("watching\n");
  std::fflush(stdout);
  // Pictures told apart by a hash of their pixels: a clash only ever counts two pictures as one.
  const auto hash = [](const kvir::PixelBytes& pixels) {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(pixels.data()), pixels.size()));
  };
  std::unordered_set<size_t> between;
  bool reached = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (!grab(seen)) break;
    if (seen.pixels == expected.pixels) {
      reached = true;
      break;
    }
    if (seen.pixels != start.pixels) between.insert(hash(seen.pixels));
  }
  XCloseDisplay(display);
  std::printf("%zu different pictures between the start and %s\n", between.size(),
              reached ? "the expected one" : "the end of the watch, which never showed it");
  return reached ? 0 : 1;
}
