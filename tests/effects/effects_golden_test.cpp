// Golden pictures of the log labels and of effect kinds at fixed ages (fixed random seed).
#include <gtest/gtest.h>

#include <string>

#include "effects/effects.h"
#include "golden/golden.h"
#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/pictures.h"
#include "shell/state.h"

using game::gs;
using plat::RGB;

namespace {

// Runs `frames` frames of one effect as the frame driver does and returns the finished picture:
// the work image ORed over a black surface, over which kind 160 has drawn its counter.
plat::Bitmap effect_after(int kind, int frames, int x, int y, int tx = 0, int ty = 0) {
  gs = game::game_state{};
  gs.chain = 3;
  game::clear_effects();
  game::seed_random(2024);
  plat::Bitmap cg_bmp(390, 260, 0), bak_bmp(390, 260, 0);
  plat::Canvas cg(cg_bmp), bak(bak_bmp);
  if (kind == 166)
    game::spawn_particle(x, y, tx, ty, kind);
  else
    game::spawn_effect(x, y, kind);
  for (int f = 0; f < frames; ++f) {
    cg.clear(0);
    bak.clear(0);
    game::render_effects(cg, bak);
    gs.frame_counter++;
  }
  cg.blit_or(0, 0, 390, 260, bak_bmp);
  return cg_bmp;
}

TEST(EffectPictures, KindsAtFixedAges) {
  // The chain pictures: a "3chain" block and the "chain" word, in plain colours.
  game::picture(13).resize(22, 16, RGB(255, 200, 0));
  game::picture(21).resize(52, 18, RGB(0, 160, 255));
  struct shot {
    int kind, frames, x, y;
  };
  const shot shots[] = {{66, 7, 45, 85},    {127, 5, 195, 110}, {128, 5, 195, 110},
                        {129, 5, 195, 110}, {140, 9, 195, 110}, {157, 5, 330, 120},
                        {158, 4, 285, 200}, {160, 4, 245, 30},  {161, 5, 70, 47},
                        {162, 4, 195, 110}, {163, 3, 245, 35},  {164, 3, 245, 35},
                        {165, 3, 245, 35}};
  for (const shot& s : shots) {
    const plat::Bitmap pic = effect_after(s.kind, s.frames, s.x, s.y);
    EXPECT_TRUE(golden::matches("effect_" + std::to_string(s.kind), pic)) << s.kind;
  }
  EXPECT_TRUE(golden::matches("effect_166", effect_after(166, 2, 245, 35, 420, 120)));
}

TEST(EffectPictures, LogLabels) {
  gs = game::game_state{};
  game::clear_effects();
  gs.message_log[0] = {SJ("虹色のシールをもらった！"), 312};
  gs.message_log[1] = {SJ("「かわいいシールね。」"), 310};
  gs.message_log[2] = {SJ("売り上げ 1200 円"), 307};
  gs.message_log[3] = {SJ("いらっしゃいませ。 Welcome!"), 0};
  gs.frame_counter = 3;
  plat::Bitmap cg_bmp(390, 260, RGB(60, 90, 60)), bak_bmp(390, 260, 0);
  plat::Canvas cg(cg_bmp), bak(bak_bmp);
  game::render_effects(cg, bak);
  EXPECT_TRUE(golden::matches("log_labels", cg_bmp));
}

}  // namespace
