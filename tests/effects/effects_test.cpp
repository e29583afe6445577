// The effect pool: the spawn cursor, lifetimes, the chain pictures, the log labels' colours, and
// a frame with the pool full allocating nothing.
#include "effects/effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "platform/canvas.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "support/alloc_count.h"

using game::gs;
using plat::RGB;

namespace {

constexpr int all_kinds[] = {66, 127, 128, 129, 140, 157, 158, 160, 161, 162, 163, 164, 165, 166};

class Effects : public ::testing::Test {
 protected:
  void SetUp() override {
    gs = game::game_state{};
    game::clear_effects();
    game::seed_random(7);
    cg_bmp.resize(390, 260, 0);
    bak_bmp.resize(390, 260, 0);
  }
  // One frame as the frame driver runs it: the work image cleared, the renderer, the OR.
  void frame() {
    bak.clear(0);
    game::render_effects(cg, bak);
    gs.frame_counter = (gs.frame_counter + 1) % 1000;
  }
  bool bak_lit() const {
    for (plat::rgb p : bak_bmp.pixels())
      if (p != 0) return true;
    return false;
  }
  plat::Bitmap cg_bmp, bak_bmp;
  plat::Canvas cg{cg_bmp}, bak{bak_bmp};
};

TEST_F(Effects, SpawnCursorTurnsOverAtFifty) {
  for (int i = 1; i <= 49; ++i) game::spawn_effect(i, 0, 66);
  EXPECT_EQ(game::effect_slot(1).x, 1);  // the first spawn takes the slot after the cursor
  EXPECT_EQ(game::effect_slot(49).x, 49);
  game::spawn_effect(50, 0, 66);
  EXPECT_EQ(game::effect_cursor(), 0);
  EXPECT_EQ(game::effect_slot(0).x, 50);
  game::spawn_effect(51, 0, 129);  // the 51st reuses the slot of the 1st
  EXPECT_EQ(game::effect_cursor(), 1);
  EXPECT_EQ(game::effect_slot(1).x, 51);
  EXPECT_EQ(game::effect_slot(1).kind, 129);
  for (int i = 50; i < game::effect_pool_size; ++i) EXPECT_EQ(game::effect_slot(i).age, 0) << i;
}

TEST_F(Effects, MorningCrossGrowsAndShrinks) {
  // Half-length a(14 - a) div 3: 16 at age 8, back to 0 from age 14 on.
  game::spawn_effect(45, 85, 66);
  for (int f = 0; f < 7; ++f) frame();  // drawn at age 8
  EXPECT_NE(bak_bmp.pixel(45, 85 - 16), 0u);
  EXPECT_EQ(bak_bmp.pixel(45, 85 - 18), 0u);
  EXPECT_NE(bak_bmp.pixel(45 + 16, 85), 0u);
  EXPECT_EQ(bak_bmp.pixel(45 + 18, 85), 0u);
  // Colour by age div 3: age 8 is the third step, RGB(104,255,248).
  EXPECT_EQ(bak_bmp.pixel(45, 85 - 10), RGB(104, 255, 248));
  for (int f = 0; f < 6; ++f) frame();  // age 14
  EXPECT_EQ(bak_bmp.pixel(45, 85 - 2), 0u);
}

TEST_F(Effects, SpawnsSetTheSlot) {
  game::spawn_effect(45, 85, 66);
  const game::effect& e = game::effect_slot(1);
  EXPECT_EQ(e.age, 1);
  EXPECT_EQ(e.origin_x, 0);
  EXPECT_EQ(e.cur_x, 45);
  EXPECT_EQ(e.cur_y, 85);
  game::spawn_particle(245, 35, 420, 100, 166);
  const game::effect& p = game::effect_slot(2);
  EXPECT_EQ(p.x, 420);
  EXPECT_EQ(p.y, 100);
  EXPECT_EQ(p.origin_x, 245);
  EXPECT_EQ(p.origin_y, 35);
  EXPECT_EQ(p.cur_x, 245);
}

TEST_F(Effects, EachKindShowsForItsLimitInFrames) {
  gs.chain = 3;
  const std::pair<int, int> limits[] = {{66, 20},  {127, 25}, {128, 25}, {129, 20}, {140, 60},
                                        {157, 26}, {158, 26}, {160, 17}, {161, 22}, {162, 22},
                                        {163, 17}, {164, 17}, {165, 17}, {166, 6}};
  for (const auto& [kind, limit] : limits) {
    game::clear_effects();
    EXPECT_EQ(game::effect_limit(kind), limit);
    game::spawn_particle(195, 110, 400, 120, kind);
    int lit = 0, frames = 0;
    while (game::effect_slot(1).age > 0 && frames < 200) {
      frame();
      ++frames;
      if (bak_lit()) ++lit;
    }
    EXPECT_EQ(frames, limit) << "kind " << kind;
    // Ovals may all be out of sight for a frame, and every bubble has burst by its sub-age 30,
    // long before the effect ends; the others draw on every frame.
    if (kind == 140 || kind == 157)
      EXPECT_GE(lit, kind == 140 ? 20 : limit / 2) << "kind " << kind;
    else
      EXPECT_EQ(lit, limit) << "kind " << kind << " drew on every frame";
    EXPECT_EQ(game::effect_slot(1).age, -1);
    frame();
    EXPECT_FALSE(bak_lit()) << "kind " << kind << " drew after its end";
  }
}

TEST_F(Effects, BubblesBurstAtSubAgeThirty) {
  game::spawn_effect(195, 110, 140);
  auto alive = [] {
    int n = 0;
    const game::effect& e = game::effect_slot(1);
    for (int i = 0; i < 8; ++i)
      if (e.scratch[14 + game::particle_words * i + game::p_sub_age] > 0) ++n;
    return n;
  };
  frame();
  EXPECT_EQ(alive(), 8);
  // Bubble i starts at sub-age i + 1: the first (sub-age 2) is the last to burst, 28 frames on.
  for (int f = 1; f < 28; ++f) frame();
  EXPECT_EQ(alive(), 1);
  frame();
  EXPECT_EQ(alive(), 0);
  EXPECT_GT(game::effect_slot(1).age, 0);  // the effect itself lives on to age 61
}

// ---- colours, written out here from the game's tables -----------------------------------------

std::set<plat::rgb> lit_colours(const plat::Bitmap& b) {
  std::set<plat::rgb> out;
  for (plat::rgb p : b.pixels())
    if (p != 0) out.insert(p);
  return out;
}

TEST_F(Effects, SparksFollowTheirRampsBySubAge) {
  // Streaks and chain sparks start at sub-age 1 and grow by one a frame: every lit pixel of a
  // frame has the colour of that sub-age. The odd pink at 9 is the game's own.
  auto spark = [](int sa) {
    if (sa <= 4) return RGB(153, 255, 255);
    const plat::rgb ramp[] = {
        RGB(85, 255, 255), RGB(0, 255, 255), RGB(0, 221, 255), RGB(0, 187, 255), RGB(224, 153, 238),
        RGB(0, 119, 204),  RGB(0, 85, 170),  RGB(0, 51, 136),  RGB(0, 17, 102),  RGB(0, 0, 68)};
    return sa >= 15 ? RGB(0, 0, 34) : ramp[sa - 5];
  };
  auto award = [](int sa) {
    return sa <= 6    ? RGB(255, 0, 255)
           : sa <= 10 ? RGB(221, 34, 187)
           : sa <= 14 ? RGB(187, 51, 119)
           : sa <= 18 ? RGB(153, 34, 85)
           : sa <= 20 ? RGB(102, 17, 51)
                      : RGB(51, 0, 34);
  };
  struct run {
    int kind, x, y;
    plat::rgb (*colour)(int);
  };
  const run runs[] = {{163, 195, 130, +spark},
                      {165, 195, 130, +spark},
                      {160, 195, 130, +spark},
                      {161, 195, 130, +award}};
  for (const run& r : runs) {
    game::clear_effects();
    game::spawn_effect(r.x, r.y, r.kind);
    int seen = 0;
    for (int sa = 1; game::effect_slot(1).age > 0; ++sa) {
      frame();
      const auto colours = lit_colours(bak_bmp);
      if (!colours.empty()) ++seen;
      for (plat::rgb c : colours)
        EXPECT_EQ(c, r.colour(sa)) << "kind " << r.kind << " sub-age " << sa;
    }
    EXPECT_GE(seen, 10) << "kind " << r.kind;
  }
}

TEST_F(Effects, CrossAndHeartsColoursByAge) {
  auto cross = [](int age) {
    const plat::rgb steps[] = {RGB(255, 255, 255), RGB(104, 255, 168), RGB(104, 255, 248),
                               RGB(21, 180, 255),  RGB(5, 137, 201),   RGB(147, 78, 184),
                               RGB(142, 40, 128),  RGB(125, 15, 79)};
    return steps[std::min(age / 3, 7)];
  };
  auto hearts = [](int age) {
    return age < 4    ? RGB(238, 85, 170)
           : age < 8  ? RGB(221, 68, 136)
           : age < 12 ? RGB(187, 51, 119)
           : age < 16 ? RGB(153, 34, 85)
           : age < 19 ? RGB(85, 17, 51)
                      : RGB(51, 17, 34);
  };
  struct run {
    int kind;
    plat::rgb (*colour)(int);
  };
  for (const run& r : {run{66, +cross}, run{129, +hearts}}) {
    game::clear_effects();
    game::spawn_effect(195, 110, r.kind);
    int frames = 0;
    while (game::effect_slot(1).age > 0) {
      frame();
      ++frames;
      const int age = frames + 1;  // the first frame drawn has age 2
      EXPECT_EQ(lit_colours(bak_bmp), std::set<plat::rgb>{r.colour(age)})
          << "kind " << r.kind << " age " << age;
    }
    EXPECT_EQ(frames, 20) << "kind " << r.kind;
  }
}

TEST_F(Effects, LightningColoursByAgeKeepThePenBetween) {
  // Age: first bolt, second bolt. Where a bolt has no colour of its own it keeps the pen of the
  // bolt drawn before it.
  const plat::rgb white = RGB(255, 255, 255), violet = RGB(70, 0, 255), navy = RGB(3, 0, 130),
                  cyan = RGB(0, 255, 255);
  const std::set<plat::rgb> expected[] = {{violet, white}, {navy, cyan}, {cyan, violet},
                                          {violet, navy},  {navy, cyan}, {cyan}};
  game::spawn_particle(245, 35, 150, 200, 166);
  for (const auto& want : expected) {
    frame();
    EXPECT_EQ(lit_colours(bak_bmp), want) << "age " << game::effect_slot(1).age;
  }
  EXPECT_EQ(game::effect_slot(1).age, -1);
}

TEST_F(Effects, BubbleFillsAreTheColourLessOneOneOneHex) {
  // The outline colours by sub-age mod 7, and the fills made by taking 0x111111 off each as one
  // number in the system's 0xBBGGRR order (the blue byte borrows from nothing, red wraps).
  const std::set<plat::rgb> outline = {RGB(0, 221, 255), RGB(0, 187, 221), RGB(0, 153, 187),
                                       RGB(0, 119, 153), RGB(0, 85, 119),  RGB(0, 68, 85),
                                       RGB(0, 51, 51)};
  const std::set<plat::rgb> fill = {RGB(239, 203, 238), RGB(239, 169, 204), RGB(239, 135, 170),
                                    RGB(239, 101, 136), RGB(239, 67, 102),  RGB(239, 50, 68),
                                    RGB(239, 33, 34)};
  game::spawn_effect(195, 110, 140);
  std::set<plat::rgb> all;
  for (int f = 0; f < 30; ++f) {
    frame();
    for (plat::rgb c : lit_colours(bak_bmp)) all.insert(c);
  }
  int fills = 0;
  for (plat::rgb c : all) {
    EXPECT_TRUE(outline.count(c) || fill.count(c)) << "unexpected colour " << plat::red_of(c) << ","
                                                   << plat::green_of(c) << "," << plat::blue_of(c);
    fills += int(fill.count(c));
  }
  EXPECT_GE(fills, 2);
}

TEST_F(Effects, RespawningALiveSlotRestartsIt) {
  game::spawn_effect(100, 100, 127);
  for (int i = 0; i < 10; ++i) frame();
  EXPECT_EQ(game::effect_slot(1).age, 11);
  for (int i = 0; i < 50; ++i) game::spawn_effect(10, 10, 161);
  game::effect& e = game::effect_slot(1);
  EXPECT_EQ(e.kind, 161);
  EXPECT_EQ(e.age, 1);
  EXPECT_EQ(e.scratch[0], 0);  // its sparks are made afresh on the next frame
  frame();
  EXPECT_EQ(e.scratch[0], 1);
}

TEST_F(Effects, UnknownKindIsRetiredAtOnce) {
  game::spawn_effect(10, 10, 99);
  frame();
  EXPECT_EQ(game::effect_slot(1).age, -1);
  EXPECT_FALSE(bak_lit());
}

TEST_F(Effects, ChainPictureFollowsTheChain) {
  for (int slot = 12; slot <= 21; ++slot) game::picture(slot).resize(60, 20, 0);
  game::picture(12).resize(22, 16, RGB(0, 0, 200));  // "2chain"
  game::picture(15).resize(22, 16, RGB(0, 200, 0));  // "5chain"
  game::picture(21).resize(52, 18, RGB(200, 0, 0));  // "chain"
  gs.chain = 2;
  game::spawn_effect(245, 30, 160);
  frame();  // age 2: b = -12, top = 30 - 12 - 0 = 18
  EXPECT_EQ(cg_bmp.pixel(245, 18 - 8), RGB(0, 0, 200));
  EXPECT_EQ(cg_bmp.pixel(245, 18 + 16), RGB(200, 0, 0));
  EXPECT_EQ(cg_bmp.pixel(245 - 12, 18 - 8), 0u);  // 22 wide from x - 11
  gs.chain = 5;
  cg_bmp.resize(390, 260, 0);
  frame();  // age 3: b = -10, top = 30 - 10 - 1 = 19
  EXPECT_EQ(cg_bmp.pixel(245, 19 - 8), RGB(0, 200, 0));
  EXPECT_EQ(cg_bmp.pixel(245, 19 + 16), RGB(200, 0, 0));
  // Outside 2..10 no picture.
  gs.chain = 11;
  cg_bmp.resize(390, 260, 0);
  frame();
  for (plat::rgb p : cg_bmp.pixels()) ASSERT_EQ(p, 0u);
}

TEST_F(Effects, TwoBurstsInOneFrameDrawInSlotOrderOnTheWorkImageOnly) {
  game::spawn_effect(195, 110, 161);
  game::spawn_effect(195, 110, 162);
  frame();
  EXPECT_TRUE(bak_lit());
  for (plat::rgb p : cg_bmp.pixels()) ASSERT_EQ(p, 0u);  // effects never touch the picture
}

// ---- the log labels ---------------------------------------------------------------------------

TEST(LabelColour, PulsesPerCode) {
  // Plain lines pulse over nine frames: a flash, then greys down to 187 and back.
  const int grey[9] = {255, 238, 221, 204, 187, 187, 204, 221, 238};
  for (int f = 0; f < 9; ++f)
    EXPECT_EQ(game::label_colour(0, 0, f), RGB(grey[f], grey[f], grey[f])) << f;
  // The row shifts the phase.
  EXPECT_EQ(game::label_colour(0, 2, 7), RGB(255, 255, 255));
  // Named colours over ten frames, "pink2" over eight.
  EXPECT_EQ(game::label_colour(307, 0, 10), RGB(255, 70, 70));
  EXPECT_EQ(game::label_colour(307, 0, 11), RGB(255, 38, 38));
  EXPECT_EQ(game::label_colour(307, 0, 19), RGB(255, 38, 38));
  EXPECT_EQ(game::label_colour(307, 0, 15), RGB(187, 0, 0));
  EXPECT_EQ(game::label_colour(310, 0, 8), RGB(255, 204, 221));
  EXPECT_EQ(game::label_colour(310, 0, 7), RGB(255, 187, 204));
  EXPECT_EQ(game::label_colour(303, 1, 0), game::label_colour(306, 1, 0));
  // "blue2" runs through twelve hues.
  EXPECT_EQ(game::label_colour(312, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(game::label_colour(312, 0, 4), RGB(0, 255, 0));
  EXPECT_EQ(game::label_colour(312, 3, 5), RGB(0, 0, 255));
  EXPECT_EQ(game::label_colour(312, 0, 23), RGB(255, 0, 153));
}

TEST(LabelColour, UnknownColourKeepsTheRowsLastColour) {
  EXPECT_EQ(game::label_colour(309, 1, 9), RGB(153, 70, 70));
  EXPECT_EQ(game::label_colour(4, 1, 5), RGB(153, 70, 70));
  EXPECT_EQ(game::label_colour(301, 2, 8), RGB(0, 234, 18));
  EXPECT_EQ(game::label_colour(4, 2, 0), RGB(0, 234, 18));
  EXPECT_EQ(game::label_colour(4, 1, 0), RGB(153, 70, 70));
}

TEST_F(Effects, LabelsShowTheFourNewestLines) {
  gs.click_state = 1;
  for (int i = 0; i < 6; ++i) gs.message_log[i].text = "line";
  gs.message_log[2].text.clear();  // an empty line leaves its row bare
  game::draw_message_labels(cg);
  const plat::rgb plate = RGB(136, 68, 85);
  EXPECT_EQ(cg_bmp.pixel(0, 247 + 5), plate);       // square cap, row 0
  EXPECT_EQ(cg_bmp.pixel(0, 247 - 13 + 5), plate);  // row 1
  EXPECT_EQ(cg_bmp.pixel(0, 247 - 26 + 5), 0u);     // row 2 is empty
  EXPECT_EQ(cg_bmp.pixel(0, 247 - 39 + 5), plate);  // row 3
  EXPECT_EQ(cg_bmp.pixel(0, 247 - 52 + 5), 0u);     // the fifth line is not shown
}

TEST_F(Effects, LabelsEndInARoundCapAlsoForLinesSplitInsideACharacter) {
  // A long line split inside a double-byte character: a lead byte ends the first half and a
  // trail byte follows the continuation's full-width space. Both still draw as labels.
  const std::string text = std::string(67, 'i') + SJ("ああ");
  game::post_message(text);
  ASSERT_EQ(gs.message_log[1].text, text.substr(0, 68));
  gs.message_log[2] = {SJ("いらっしゃいませ"), 0};
  game::draw_message_labels(cg);
  plat::TextStyle st;
  st.point = 9;
  st.bold = true;
  const plat::rgb plate = RGB(136, 68, 85);
  for (int i = 0; i < 3; ++i) {
    const int y = 247 - 13 * i;
    const int w = plat::Canvas::text_width(gs.message_log[i].text, st);
    ASSERT_GT(w, 10) << i;
    ASSERT_LT(2 + w + 12, 390) << i;
    // The round cap spans 2 + w - 10 .. 2 + w + 9: its middle is the plate, beyond it nothing.
    EXPECT_EQ(cg_bmp.pixel(2 + w + 4, y + 6), plate) << i;
    EXPECT_EQ(cg_bmp.pixel(2 + w + 12, y + 6), 0u) << i;
  }
}

// ---- no allocation per frame ------------------------------------------------------------------

TEST_F(Effects, AFullPoolDrawsWithoutAllocating) {
  alloc_count::start();
  {
    std::string probe(100, 'x');  // one allocation the compiler may not remove
    asm volatile("" : : "r"(probe.data()) : "memory");
  }
  ASSERT_EQ(alloc_count::stop(), 1) << "the counting allocator is not in place";
  for (int i = 0; i < 4; ++i) {
    gs.message_log[i].text = SJ("いらっしゃいませ、お客様。");
    gs.message_log[i].colour = i == 0 ? 312 : 0;
  }
  gs.chain = 4;
  auto fill_pool = [] {
    game::seed_random(99);
    for (int i = 0; i < game::effect_slots_used; ++i) {
      const int kind = all_kinds[i % std::size(all_kinds)];
      game::spawn_particle(100 + i, 60 + i, 300, 200, kind);
    }
  };
  // The first run warms the glyph cache with every star size; the second is the measured one.
  fill_pool();
  for (int f = 0; f < 62; ++f) frame();
  fill_pool();
  gs.frame_counter = 0;
  alloc_count::start();
  for (int f = 0; f < 62; ++f) frame();
  EXPECT_EQ(alloc_count::stop(), 0);
}

}  // namespace
