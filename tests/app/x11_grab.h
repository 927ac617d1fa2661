#pragma once
// What an X window shows, read into a picture, for the tests of the real program.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "render/picture.h"

namespace kvir {

/// The RGB pixels `window` shows in the rectangle at (left, top), `width` × `height`; false when
/// the server cannot give them.
inline bool GrabWindow(Display* display, Window window, int left, int top, int width, int height,
                       Picture& out) {
  XImage* shown = XGetImage(display, window, left, top, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (shown == nullptr) return false;
  out = Picture{width, height, 3, {}};
  out.pixels.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned long pixel = XGetPixel(shown, x, y);
      for (int shift : {16, 8, 0}) out.pixels.push_back(static_cast<uint8_t>(pixel >> shift));
    }
  }
  XDestroyImage(shown);
  return true;
}

/// The picture in the PNG file `path` as RGB; false, having said why on standard error, when it
/// cannot be read.
inline bool ReadExpectedPicture(const char* path, Picture& out) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  try {
    DecodePng(bytes, path, PictureShape{0, 0, 3}, out);
    return true;
  } catch (const Error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return false;
  }
}

/// The X display named by $DISPLAY; null, having said so on standard error as `program`, when
/// there is none.
inline Display* OpenDisplay(const char* program) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) std::fprintf(stderr, "%s: no X display\n", program);
  return display;
}

}  // namespace kvir
