// The effects layer of one frame: the four log labels and a full pool of fifty effects of every
// kind, drawn on the work image. A drawn tick has 90 ms for everything; this layer should stay
// near a millisecond even with the pool full (about 0.5 ms of CPU on the development machine).
#include <benchmark/benchmark.h>

#include <iterator>

#include "effects/effects.h"
#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/pictures.h"
#include "shell/state.h"

namespace {

constexpr int kinds[] = {66, 127, 128, 129, 140, 157, 158, 160, 161, 162, 163, 164, 165, 166};

void fill_pool() {
  for (int i = 0; i < game::effect_slots_used; ++i)
    game::spawn_particle(100 + i, 60 + i, 300, 200, kinds[i % std::size(kinds)]);
}

void BM_EffectsFullPool(benchmark::State& state) {
  game::gs = game::game_state{};
  game::gs.chain = 4;
  for (int i = 0; i < 4; ++i) game::gs.message_log[i].text = SJ("いらっしゃいませ、お客様。");
  game::seed_random(3);
  for (int s = 12; s <= 21; ++s) game::picture(s).resize(52, 18, 0x404040);
  plat::Bitmap cg_bmp(390, 260), bak_bmp(390, 260);
  plat::Canvas cg(cg_bmp), bak(bak_bmp);
  game::clear_effects();
  fill_pool();
  int frames = 0;
  for (auto _ : state) {
    // Keep the pool full: every effect is restarted before the shortest one ends.
    if (++frames % 5 == 0) fill_pool();
    bak.clear(0);
    game::render_effects(cg, bak);
    game::gs.frame_counter = (game::gs.frame_counter + 1) % 1000;
    benchmark::DoNotOptimize(bak_bmp.pixels().data());
  }
}
BENCHMARK(BM_EffectsFullPool)->Unit(benchmark::kMicrosecond);

void BM_LogLabels(benchmark::State& state) {
  game::gs = game::game_state{};
  for (int i = 0; i < 4; ++i) {
    game::gs.message_log[i].text = SJ("お客様は、にっこり笑ってシールを受け取った。");
    game::gs.message_log[i].colour = 301 + i;
  }
  plat::Bitmap cg_bmp(390, 260);
  plat::Canvas cg(cg_bmp);
  for (auto _ : state) {
    game::draw_message_labels(cg);
    game::gs.frame_counter = (game::gs.frame_counter + 1) % 1000;
    benchmark::DoNotOptimize(cg_bmp.pixels().data());
  }
}
BENCHMARK(BM_LogLabels)->Unit(benchmark::kMicrosecond);

}  // namespace
