#include "platform/sdl/box_picture.h"

#include <algorithm>
#include <vector>

#include "platform/canvas.h"
#include "platform/i18n.h"
#include "platform/sjis.h"

namespace plat {

namespace {
constexpr int margin = 14;
constexpr int button_w = 76, button_h = 22, button_gap = 12;
constexpr rgb face = RGB(246, 240, 243), ink = RGB(40, 24, 32), button_face = RGB(255, 221, 238),
              button_edge = RGB(170, 110, 140), focus_edge = RGB(221, 51, 136);

void draw_button(Canvas& c, const BoxRect& r, std::string_view caption, bool focused,
                 const TextStyle& st) {
  c.fill_rect(r.x, r.y, r.w, r.h, button_face);
  c.frame_rect(r.x, r.y, r.w, r.h, focused ? focus_edge : button_edge, focused ? 2 : 1);
  const Size s = Canvas::text_size(caption, st);
  c.text_out(r.x + (r.w - s.w) / 2, r.y + (r.h - s.h) / 2, caption, st);
}
}  // namespace

BoxPicture draw_box_picture(std::string_view sjis_text, int focus) {
  TextStyle st;
  st.face = Face::pgothic;
  st.point = 9;
  st.colour = ink;

  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= sjis_text.size(); ++i) {
    // A line break is a single byte below 0x40: it never occurs inside a double-byte character.
    if (i == sjis_text.size() || sjis_text[i] == '\r' || sjis_text[i] == '\n') {
      lines.push_back(sjis_text.substr(start, i - start));
      if (i + 1 < sjis_text.size() && sjis_text[i] == '\r' && sjis_text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  const int line_h = std::max(Canvas::text_height(SJ("あ"), st), 12) + 4;
  int text_w = 0;
  for (auto l : lines) text_w = std::max(text_w, Canvas::text_width(l, st));

  const int w = std::max(text_w, 2 * button_w + button_gap) + 2 * margin;
  const int text_h = int(lines.size()) * line_h;
  const int h = margin + text_h + 14 + button_h + margin;

  BoxPicture b;
  b.picture.resize(w, h, face);
  Canvas c(b.picture);
  c.frame_rect(0, 0, w, h, button_edge);
  for (std::size_t i = 0; i < lines.size(); ++i)
    c.text_out(margin, margin + int(i) * line_h, lines[i], st);

  const int by = margin + text_h + 14;
  const int bx = (w - (2 * button_w + button_gap)) / 2;
  b.yes = {bx, by, button_w, button_h};
  b.no = {bx + button_w + button_gap, by, button_w, button_h};
  draw_button(c, b.yes, TR("はい"), focus == 0, st);
  draw_button(c, b.no, TR("いいえ"), focus == 1, st);
  return b;
}

}  // namespace plat
