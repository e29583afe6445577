// One drawn tick of the whole 390×260 picture: a shop scene with a customer, goods, the shop
// front, the choice buttons and the "-CLICK HERE-" cue, as during a working day.
#include <benchmark/benchmark.h>

#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "goods/stocking.h"
#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"

namespace {

using game::gs;
using game::picture;

// A picture with some structure: a gradient whose bottom-left pixel (its see-through colour)
// also turns up inside, so transparent drawing has real work to do.
plat::Bitmap pattern(int w, int h, int seed) {
  plat::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.set_pixel(x, y,
                  ((x + y + seed) % 7 == 0) ? 0 : plat::RGB(x * 3 + seed, y * 2, (x ^ y) & 255));
  b.set_pixel(0, h - 1, 0);
  return b;
}

struct scene {
  plat::HeadlessHost host{1};
  scene() {
    game::set_host(&host);
    game::gs = game::game_state{};
    game::hooks = game::game_hooks{};
    game::cg_image().resize(390, 260);
    game::bak_image().resize(390, 260);
    picture(6) = pattern(390, 260, 1);
    picture(1) = pattern(60, 75, 2);
    picture(3) = pattern(40, 40, 3);
    picture(0) = pattern(150, 40, 4);
    picture(7) = pattern(390, 120, 5);
    picture(8) = pattern(120, 60, 6);
    picture(9) = pattern(130, 140, 7);
    for (int slot : {0, 8, 9}) game::mask(slot) = plat::make_mask(picture(slot), 0);
    gs.shop_front_on = 1;
    gs.stage_mode = 1;
    gs.click_state = 0;
    game::park_buttons(false);
    game::show_menu(SJ("断る"), SJ("チラシを入れる"), SJ("包む"));
  }
};

void BM_DrawFrame(benchmark::State& st) {
  scene s;
  for (auto _ : st) {
    game::draw_frame();
    benchmark::DoNotOptimize(game::cg_image().row(0));
    gs.frame_counter = (gs.frame_counter + 1) % 1000;  // the captions' colour cycles
  }
}
BENCHMARK(BM_DrawFrame);

// The tick as the timer runs it: counting, drawing, clamping and presenting.
void BM_AdvanceTick(benchmark::State& st) {
  scene s;
  for (auto _ : st) game::advance_tick();
}
BENCHMARK(BM_AdvanceTick);

// The evening: a tick drawn and the window composed with the item panel over the picture, a
// seal selected in a list longer than the panel shows.
void BM_TickWithItemPanel(benchmark::State& st) {
  scene s;
  game::build_catalogue_at(4);
  game::install_item_panel();
  gs.clerk_lv = 4;
  gs.money = 5000;
  gs.day = 6;
  game::evening_stocking();
  game::select_line(12);
  for (auto _ : st) {
    game::advance_tick();
    benchmark::DoNotOptimize(game::window_image().row(0));
  }
  game::hide_item_box();
}
BENCHMARK(BM_TickWithItemPanel);

}  // namespace
