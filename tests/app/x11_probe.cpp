#include "x11_probe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace x11 {

probe::probe(const std::string& display) : d_(XOpenDisplay(display.c_str())) {}

probe::~probe() {
  if (d_) XCloseDisplay(static_cast<Display*>(d_));
}

unsigned long probe::pixel(unsigned long window, int x, int y) {
  if (!d_) return ~0ul;
  XImage* img =
      XGetImage(static_cast<Display*>(d_), Window(window), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!img) return ~0ul;
  const unsigned long p = XGetPixel(img, 0, 0) & 0xFFFFFFul;
  XDestroyImage(img);
  return p;
}

void probe::close_window(unsigned long window) {
  if (!d_) return;
  Display* d = static_cast<Display*>(d_);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = Window(window);
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, Window(window), False, NoEventMask, &e);
  XFlush(d);
}

}  // namespace x11
