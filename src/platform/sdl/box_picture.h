// The picture of the Yes/No confirmation box the window host shows: the game's own text drawn
// with the game's fonts (Japanese included), two buttons below, "はい" focused by default.
#pragma once
#include <string_view>

#include "platform/bitmap.h"

namespace plat {

struct BoxRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

struct BoxPicture {
  Bitmap picture;
  BoxRect yes, no;
};

// Lays out and draws the box for a Shift-JIS text ('\r' or '\n' breaks the line); `focus` 0 marks
// the Yes button, 1 the No button.
BoxPicture draw_box_picture(std::string_view sjis_text, int focus);

}  // namespace plat
