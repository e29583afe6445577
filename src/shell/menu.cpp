// The three choice buttons: offering captions, the blocking three-way choice, the slide in and
// out, and drawing the plates and captions each frame.
#include "shell/menu.h"

#include <cstdlib>
#include <string>

#include "platform/i18n.h"
#include "shell/hooks.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

using plat::RGB;

namespace {

bool parked = true;  // left 500 until the title picture is clicked

void trace_menu() {
  if (!tracing()) return;
  trace("menu", plat::to_utf8(gs.menu_label[0]) + "|" + plat::to_utf8(gs.menu_label[1]) + "|" +
                    plat::to_utf8(gs.menu_label[2]));
}

bool ex_caption(const sjis& c) {
  return c == TR("包む") || c == TR("【Ex】包装");
}

}  // namespace

void show_menu(const sjis& c1, const sjis& c2, const sjis& c3) {
  // Copies first: a caller may pass the captions on offer themselves.
  sjis a = c1, b = c2, c = c3;
  gs.menu_label[0] = std::move(a);
  gs.menu_label[1] = std::move(b);
  gs.menu_label[2] = std::move(c);
  gs.menu_slide_x = -200;
  gs.menu_open = 1;
  trace_menu();
}

int ask_choice(const sjis& c1, const sjis& c2, const sjis& c3) {
  show_menu(c1, c2, c3);
  gs.choice_pending = 1;
  trace("choice", "");
  wait_click();
  // Only a button press ends the choice normally (and clears the flag itself); a close request
  // ends it too, and the flag must not outlive the choice.
  gs.choice_pending = 0;
  return gs.choice_result;
}

void set_caption(int n, const sjis& caption) {
  if (n < 1 || n > 3) return;
  gs.menu_label[n - 1] = caption;
  trace_menu();
}

void park_buttons(bool p) {
  parked = p;
}
int button_left() {
  return parked ? 500 : 256;
}
int button_top(int n) {
  return 176 + 28 * (n - 1);
}

int button_at(int x, int y) {
  const int left = button_left();
  if (x < left || x >= left + button_width) return 0;
  // The buttons overlap by one row; the later one lies on top.
  for (int n = 3; n >= 1; --n) {
    const int top = button_top(n);
    if (y >= top && y < top + button_height) return n;
  }
  return 0;
}

plat::rgb cycling_colour(int frame_counter) {
  static constexpr plat::rgb ramp[7] = {RGB(255, 255, 255), RGB(255, 238, 238), RGB(255, 221, 238),
                                        RGB(255, 204, 221), RGB(255, 187, 221), RGB(255, 153, 204),
                                        RGB(255, 119, 187)};
  int p = ((frame_counter % 12) + 12) % 12;
  return ramp[p <= 6 ? p : 12 - p];
}

plat::TextStyle caption_style(int frame_counter) {
  plat::TextStyle st;
  st.point = 10;
  st.bold = true;
  st.colour = cycling_colour(frame_counter);
  return st;
}

void draw_buttons(plat::Canvas& cg) {
  // The slide: in from the right while open (halving the distance each tick), out to -160 while
  // closed (the step grows as the buttons leave).
  int& s = gs.menu_slide_x;
  if (s < 0 && gs.menu_open == 1) {
    s += (-s) / 2 + 1;
  } else if (s >= -159 && gs.menu_open == 0) {
    const int m = std::abs(s);
    s -= (160 - m) / 2 + 1;
  }

  const plat::TextStyle lettering = caption_style(gs.frame_counter);

  const int e = std::abs(s / 3) * 3;
  for (int n = 1; n <= 3; ++n) {
    const sjis& caption = gs.menu_label[n - 1];
    if (caption.empty()) continue;
    const int top = button_top(n);
    int x = button_left() - 2 * s;
    if (gs.hovered_button == n) x -= 10;
    draw_masked(cg, x - e - 7, top - 14, 0);
    const int h = plat::Canvas::text_height(caption, lettering);
    cg.text_out(x + 25, top + 14 - h / 2, caption, lettering);

    // The Ex hint: a right press on the third button would switch to the special wrapping.
    if (n == 3 && ex_caption(caption) && hooks.ex_wrap_in_stock && hooks.ex_wrap_in_stock()) {
      static constexpr plat::rgb steps[4] = {RGB(255, 255, 255), RGB(255, 221, 238),
                                             RGB(255, 187, 221), RGB(255, 119, 187)};
      plat::TextStyle hint;
      hint.colour = steps[((gs.frame_counter % 4) + 4) % 4];
      hint.point = 5;
      const int hx = x + 100;  // follows the button when it is hovered
      const sjis& arrows = SJ(">>> ");
      cg.text_out(hx, top + 19 - plat::Canvas::text_height(arrows, hint) / 2, arrows, hint);
      const int rx = hx + plat::Canvas::text_width(arrows, hint);
      hint.point = 8;
      const sjis& r = SJ("R");
      cg.text_out(rx, top + 19 - plat::Canvas::text_height(r, hint) / 2, r, hint);
    }
  }
}

}  // namespace game
