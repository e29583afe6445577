// Drawing on a picture, with the operations the game uses. Every operation clips:
// nothing is ever written outside the target, whatever the coordinates.
#pragma once
#include <string_view>

#include "platform/bitmap.h"

namespace plat {

struct Point {
  int x = 0, y = 0;
};
struct Size {
  int w = 0, h = 0;
};

enum class Face { pgothic, gothic };  // "ＭＳ Ｐゴシック" (proportional), "ＭＳ ゴシック" (fixed)

struct TextStyle {
  Face face = Face::pgothic;
  int point = 9;  // point size at 96 dpi
  rgb colour = 0;
  bool bold = false;
  bool opaque = false;  // solid background in `background`, else clear
  rgb background = 0xFFFFFF;
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target) : t_(target) {}
  Bitmap& target() { return t_; }
  int width() const { return t_.width(); }
  int height() const { return t_.height(); }

  // Block transfers of a w×h area of src at (sx, sy) to (dx, dy).
  void copy(int dx, int dy, int w, int h, const Bitmap& src, int sx = 0, int sy = 0);
  void blit_and(int dx, int dy, int w, int h, const Bitmap& src, int sx = 0, int sy = 0);
  void blit_or(int dx, int dy, int w, int h, const Bitmap& src, int sx = 0, int sy = 0);
  // Whole picture shorthands.
  void copy(int dx, int dy, const Bitmap& src) { copy(dx, dy, src.width(), src.height(), src); }

  // Nearest-neighbour stretch of src's (sx, sy, sw, sh) into (dx, dy, dw, dh); opaque.
  void stretch(int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw, int sh);
  // The same, leaving pixels of src equal to its transparent colour (bottom-left pixel) untouched.
  void stretch_transparent(int dx, int dy, int dw, int dh, const Bitmap& src);
  // Drawn at its own size, see-through on its transparent colour (bottom-left pixel).
  void draw_transparent(int dx, int dy, const Bitmap& src);

  void clear(rgb c);
  void fill_rect(int x, int y, int w, int h, rgb c);
  void frame_rect(int x, int y, int w, int h, rgb c, int pen = 1);
  // Ellipse inscribed in the box; filled with `fill` when `filled`, outlined with `pen` of width
  // `pen_width` (0 = no outline).
  void ellipse(int x, int y, int w, int h, rgb pen, int pen_width, bool filled, rgb fill);
  void polygon(const Point* pts, int n, rgb pen, int pen_width, bool filled, rgb fill);
  void line(int x0, int y0, int x1, int y1, rgb c, int pen_width = 1);
  // Fills outward from (x, y) up to pixels of the border colour.
  void flood_fill(int x, int y, rgb border, rgb fill);

  // Text of Shift-JIS bytes; (x, y) is the top-left of the text cell, as GDI's TextOut.
  void text_out(int x, int y, std::string_view sjis_text, const TextStyle& style);
  static Size text_size(std::string_view sjis_text, const TextStyle& style);
  static int text_width(std::string_view s, const TextStyle& st) { return text_size(s, st).w; }
  static int text_height(std::string_view s, const TextStyle& st) { return text_size(s, st).h; }

 private:
  Bitmap& t_;
};

}  // namespace plat
