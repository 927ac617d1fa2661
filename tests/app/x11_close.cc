// kvir-x11-close WINDOW: asks the X11 window (id in hex or decimal) to close, as a window
// manager's close box does, by sending it WM_DELETE_WINDOW. Exits 0 when the message was sent.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s WINDOW\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: no X display\n", argv[0]);
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XCloseDisplay(display);
  return sent != 0 ? 0 : 1;
}
