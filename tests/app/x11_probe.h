// A small X11 client for the window test: reads pixels of a window and sends it the close
// request a window manager would. Kept apart because Xlib's macros clash with GoogleTest.
#pragma once
#include <string>

namespace x11 {

class probe {
 public:
  explicit probe(const std::string& display);
  ~probe();
  bool ok() const { return d_ != nullptr; }
  // The colour on screen at a window position, 0xRRGGBB (all bits set when it cannot tell).
  unsigned long pixel(unsigned long window, int x, int y);
  // WM_DELETE_WINDOW, as the window's close button.
  void close_window(unsigned long window);

 private:
  void* d_ = nullptr;
};

}  // namespace x11
