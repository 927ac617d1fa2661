#pragma once
// What an X window shows, read into a picture, for the tests of the real program.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "schemes/picture.h"

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

}  // namespace kvir
