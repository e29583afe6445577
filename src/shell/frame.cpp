// The timer tick: count, redraw the whole picture layer by layer, clamp the state, and once a
// second retune the interval so that about eleven ticks run each second.
#include "shell/frame.h"

#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"

namespace game {

namespace {

constexpr double one_second = 1.0 / 86400.0;  // in days, the clock's unit
constexpr int shortest_interval = 70;         // ms: a slow machine is not pushed below this

// A picture stretched to twice its width, see-through on its own transparent colour.
void draw_doubled(plat::Canvas& cg, int slot, int x, int y, int h) {
  const plat::Bitmap& pic = picture(slot);
  if (pic.empty()) return;
  const int w = pic.width();
  cg.stretch_transparent(x - w, y, 2 * w, h, pic);
}

}  // namespace

void on_timer() {
  advance_tick();
  const double now = host().now_days();
  if (now > gs.next_rate_check) {
    gs.next_rate_check = now + one_second;
    const int n = gs.ticks_this_second;
    const int interval = host().timer_interval();
    if (n >= 12) {
      host().set_timer_interval(interval + (n - 11));
    } else if (n <= 9) {
      // A shortening that would go below the floor is skipped whole.
      if (interval - (11 - n) >= shortest_interval) host().set_timer_interval(interval - (11 - n));
    }
    gs.ticks_this_second = 0;
  }
}

void advance_tick() {
  gs.ticks_this_second += 1;
  gs.frame_counter = gs.frame_counter >= 999 ? 0 : gs.frame_counter + 1;
  // The start screens keep the picture their click drew.
  if (gs.stage_mode < 0) return;
  // Drawing rate "中" leaves out one tick in four, "低" one in three.
  if (gs.draw_speed == 1 && gs.frame_counter % 4 == 0) return;
  if (gs.draw_speed == 2 && gs.frame_counter % 3 == 0) return;
  draw_frame();
  clamp_state();
  present_window();
}

void draw_frame() {
  plat::Canvas cg(cg_image());
  plat::Canvas bak(bak_image());

  // 1. Background, opaque.
  cg.copy(0, 0, 390, 260, picture(6));
  // 2. Customer, doubled, from just above the top edge down to the counter.
  {
    const plat::Bitmap& man = picture(1);
    if (!man.empty()) cg.stretch_transparent(195 - man.width(), -10, 2 * man.width(), 150, man);
  }
  // 3. Shop front: middle and right parts through their masks, the counter over them.
  if (gs.shop_front_on) {
    draw_masked(cg, 0, 90, 8);
    draw_masked(cg, 260, 0, 9);
    if (!picture(7).empty()) cg.draw_transparent(0, 140, picture(7));
  }
  // 4., 5. Goods, then the seal or flyer over them: squares of twice the picture's width.
  {
    const plat::Bitmap& goods = picture(3);
    if (!goods.empty()) draw_doubled(cg, 3, 195, 160 - goods.width(), 2 * goods.width());
  }
  if (gs.seal_layer_on) {
    const plat::Bitmap& seal = picture(11);
    if (!seal.empty()) draw_doubled(cg, 11, 195, 160 - seal.width(), 2 * seal.width());
  }
  // 6., 7. The work image starts black each tick; the day's totals may draw on both.
  bak.clear(0);
  if (hooks.draw_totals) hooks.draw_totals(cg, bak);
  // 8. The cue for a pending click, outside the picture while the menu is open.
  if (gs.stage_mode != 0 && gs.click_state == 0) {
    plat::TextStyle st;
    st.point = 8;
    st.bold = true;
    st.colour = cycling_colour(gs.frame_counter);
    cg.text_out(gs.menu_slide_x + 466, 250, SJ("-CLICK HERE-"), st);
  }
  // 9. Effects and the message log.
  if (hooks.draw_effects) hooks.draw_effects(cg, bak);
  // 10., 11. The choice menu slides and its buttons are drawn.
  draw_buttons(cg);
  // 12. Whatever was drawn on the work image lights up the picture.
  cg.blit_or(0, 0, 400, 300, bak_image());
  // 13. Status panel during a working day.
  if (gs.stage_mode > 0 && hooks.draw_status_panel) hooks.draw_status_panel(cg);
  // 14. The seal box and the held seal while the box is in use.
  if (gs.seal_box_state > 0 && hooks.draw_seal_box) hooks.draw_seal_box(cg);
  // 15. The ten-day report chart (drawn only while it runs).
  if (hooks.draw_chart) hooks.draw_chart(cg);
}

void clamp_state() {
  auto clamp = [](int& v, int lo, int hi) {
    if (v < lo) v = lo;
    if (v > hi) v = hi;
  };
  clamp(gs.poor_stock, 0, 15);
  clamp(gs.bad_service, 0, 15);
  clamp(gs.satisfaction, 0, 100);
  clamp(gs.money, 0, 999999999);
  if (gs.day < 0) gs.day = 0;
  // Upper bound first: with a negative level the lower bound wins.
  if (gs.hours_left > gs.clerk_lv + 8) gs.hours_left = gs.clerk_lv + 8;
  if (gs.hours_left < 0) gs.hours_left = 0;
  if (gs.lovely < 0) gs.lovely = 0;
}

}  // namespace game
