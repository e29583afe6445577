// Screen effects: sparks, hearts, stars, bubbles, the chain counter and lightning, kept in one
// fixed pool and drawn as light on the black work image `bak`, which the frame ORs over the
// picture. The same renderer draws the four newest log lines as labels at the bottom left.
#pragma once
#include <array>

#include "platform/canvas.h"

namespace game {

struct effect {
  int age = 0;  // 0 or -1 free; >= 1 live (1 at spawn, +1 each frame before drawing)
  int kind = 0;
  int x = 0, y = 0;                // anchor; the target point of a particle effect
  int origin_x = 0, origin_y = 0;  // spawn point of a particle effect
  int cur_x = 0, cur_y = 0;        // working point
  std::array<int, 120> scratch{};  // word 0: initialised; sub-particles from word 3 (14 for 140)
};

constexpr int effect_pool_size = 256;
constexpr int effect_slots_used = 50;  // the spawn cursor turns over at 50

// Sub-particle records: 11 words each, of which these are used.
enum particle_word { p_angle, p_x, p_y, p_dist, p_speed, p_size, p_sub_age, particle_words = 11 };

effect& effect_slot(int i);  // 0..255
int effect_cursor();         // the slot used last
// Frames a kind lives: it is drawn at ages 2 .. limit + 1.
int effect_limit(int kind);

void spawn_effect(int x, int y, int kind);
void spawn_particle(int x, int y, int tx, int ty, int kind);
// Frees every slot and sets the cursor back (start-up).
void clear_effects();

// Once per drawn frame (frame step 9): the log labels on `cg`, then every live effect on `bak`
// (kind 160 also ORs the chain pictures onto `cg`).
void render_effects(plat::Canvas& cg, plat::Canvas& bak);
void draw_message_labels(plat::Canvas& cg);

// The drawing colour of a log line: code, label row i (0..3), frame counter. Code 4 answers the
// colour that row showed last.
plat::rgb label_colour(int code, int row, int frame_counter);

}  // namespace game
