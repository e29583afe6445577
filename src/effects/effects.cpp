// The effect pool and its renderer. Every live effect ages by one each frame and is drawn on the
// black work image `bak`, which the frame then ORs over the picture, so effects glow over the
// scene and never need erasing. Angles take pi as 3.1415 and scaled sines and cosines truncate
// toward zero, so the sparks land on the same pixels every time.
#include "effects/effects.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/sjis.h"  // before form.h, which uses it
#include "shell/form.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

using plat::Canvas;
using plat::Point;
using plat::rgb;
using plat::RGB;

namespace {

std::array<effect, effect_pool_size> pool;
int cursor = 0;

// The pen of the work image: a kind that sets no colour on some frame draws with the last one.
rgb pen = RGB(255, 255, 255);

// The colour each label row showed last (a line of colour code 4 keeps it).
std::array<rgb, 4> label_last = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                 RGB(255, 255, 255)};

constexpr double pi = 3.1415;

int rnd(int n) {
  return n > 0 ? draw(n) : 0;
}

Point on_circle(int cx, int cy, int degrees, int r) {
  const double t = degrees * pi / 180.0;
  return {cx + int(std::cos(t) * r), cy + int(std::sin(t) * r)};
}

void disc(Canvas& c, Point p, int r, rgb colour) {
  c.ellipse(p.x - r, p.y - r, 2 * r, 2 * r, colour, 1, true, colour);
}

int* particle(effect& e, int i, int base = 3) {
  return &e.scratch[base + particle_words * i];
}

// The shared spark ramp, by sub-age: pale cyan through blue into the dark.
rgb spark_colour(int sub_age) {
  static constexpr rgb ramp[] = {
      RGB(85, 255, 255), RGB(0, 255, 255), RGB(0, 221, 255), RGB(0, 187, 255), RGB(224, 153, 238),
      RGB(0, 119, 204),  RGB(0, 85, 170),  RGB(0, 51, 136),  RGB(0, 17, 102),  RGB(0, 0, 68)};
  if (sub_age <= 4) return RGB(153, 255, 255);
  if (sub_age >= 15) return RGB(0, 0, 34);
  return ramp[sub_age - 5];
}

// ---- 66: the morning cross with six circling dots -------------------------------------------
void draw_cross(effect& e, Canvas& bak) {
  static constexpr rgb ramp[8] = {RGB(255, 255, 255), RGB(104, 255, 168), RGB(104, 255, 248),
                                  RGB(21, 180, 255),  RGB(5, 137, 201),   RGB(147, 78, 184),
                                  RGB(142, 40, 128),  RGB(125, 15, 79)};
  const int a = std::min(e.age, 14);
  const int s = a * (14 - a) / 3;
  // A pen of width 0 still draws one pixel wide.
  const int width = std::max(1, std::max(0, 3 - e.age / 6));
  pen = ramp[std::min(e.age / 3, 7)];
  bak.line(e.x, e.y - s, e.x, e.y + s, pen, width);
  bak.line(e.x - s, e.y, e.x + s, e.y, pen, width);
  const int r = e.age < 5 ? 2 : 1;
  for (int i = 1; i <= 6; ++i)
    disc(bak, on_circle(e.x, e.y, 60 * i + 2 * e.age, e.age + 20), r, pen);
}

// ---- 127, 128: dots spiralling out from a favourite seal ------------------------------------
void draw_spiral(effect& e, Canvas& bak, bool wide) {
  static constexpr rgb big[7] = {RGB(255, 102, 221), RGB(238, 85, 187), RGB(221, 68, 170),
                                 RGB(187, 51, 153),  RGB(153, 17, 102), RGB(119, 0, 68),
                                 RGB(68, 0, 17)};
  static constexpr rgb small[7] = {RGB(255, 102, 187), RGB(238, 85, 170), RGB(221, 68, 136),
                                   RGB(187, 51, 119),  RGB(153, 17, 85),  RGB(85, 0, 51),
                                   RGB(51, 0, 34)};
  if (e.scratch[0] == 0) {
    for (int i = 0; i < 10; ++i) {
      int* p = particle(e, i);
      p[p_x] = e.x;
      p[p_y] = e.y;
      p[p_dist] = wide ? 20 : 10;
      p[p_speed] = wide ? 60 : 30;
      p[p_sub_age] = 1 + rnd(9);
    }
    e.scratch[0] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    int* p = particle(e, i);
    if (p[p_sub_age] <= 0) continue;
    p[p_speed] = std::max(1, p[p_speed] - (p[p_speed] / 4 + 1));
    p[p_dist] += p[p_speed];
    p[p_angle] = wide ? 33 * i - p[p_dist] - 1 : 33 * i + p[p_dist];
    const int sa = p[p_sub_age];
    const int r = wide ? std::max(1, 8 - sa / 3) : std::max(1, 4 - sa / 7);
    const int step = sa < 4    ? 0
                     : sa < 6  ? 1
                     : sa < 10 ? 2
                     : sa < 14 ? 3
                     : sa < 18 ? 4
                     : sa < 21 ? 5
                               : 6;
    pen = wide ? big[step] : small[step];
    disc(bak, on_circle(p[p_x], p[p_y], p[p_angle], p[p_dist]), r, pen);
    ++p[p_sub_age];
  }
}

// ---- 129: four hearts circling outward --------------------------------------------------------
void draw_heart(Canvas& bak, int hx, int hy, rgb c) {
  bak.ellipse(hx - 10, hy - 15, 10, 10, c, 1, true, c);
  bak.ellipse(hx, hy - 15, 10, 10, c, 1, true, c);
  const Point tri[3] = {{hx, hy}, {hx - 10, hy - 10}, {hx + 10, hy - 10}};
  bak.polygon(tri, 3, c, 1, false, c);
  if (hx >= 0 && hy - 2 >= 0 && hx < bak.width() && hy - 2 < bak.height())
    bak.flood_fill(hx, hy - 2, c, c);
}

void draw_hearts(effect& e, Canvas& bak) {
  const int a = e.age;
  pen = a < 4    ? RGB(238, 85, 170)
        : a < 8  ? RGB(221, 68, 136)
        : a < 12 ? RGB(187, 51, 119)
        : a < 16 ? RGB(153, 34, 85)
        : a < 19 ? RGB(85, 17, 51)
                 : RGB(51, 17, 34);
  for (int i = 1; i <= 4; ++i) {
    const Point h = on_circle(e.x, e.y, a + 90 * i, 2 * a);
    draw_heart(bak, h.x, h.y, pen);
  }
}

// ---- 140: bubbles swirling upward -------------------------------------------------------------
// The fill is the outline colour less 0x111111 taken as one number in the system's 0xBBGGRR
// order, borrowing across the channels.
rgb bubble_fill(rgb c) {
  const int ref = plat::red_of(c) | (plat::green_of(c) << 8) | (plat::blue_of(c) << 16);
  const int v = (ref - 0x111111) & 0xFFFFFF;
  return RGB(v & 255, (v >> 8) & 255, (v >> 16) & 255);
}

void draw_bubbles(effect& e, Canvas& bak) {
  static constexpr rgb ramp[7] = {RGB(0, 221, 255), RGB(0, 187, 221), RGB(0, 153, 187),
                                  RGB(0, 119, 153), RGB(0, 85, 119),  RGB(0, 68, 85),
                                  RGB(0, 51, 51)};
  constexpr int base = 14;
  if (e.scratch[0] == 0) {
    for (int i = 1; i <= 8; ++i) {
      int* p = particle(e, i - 1, base);
      p[p_x] = e.x;
      p[p_y] = e.y;
      p[p_dist] = 10 + rnd(5);
      p[p_speed] = 1 + rnd(6);
      p[p_size] = 5 + rnd(3);
      p[p_sub_age] = i + 1;
    }
    e.scratch[0] = 1;
  }
  for (int i = 1; i <= 8; ++i) {
    int* p = particle(e, i - 1, base);
    int& sa = p[p_sub_age];
    if (sa <= 0) continue;
    if (sa >= 30) {
      sa = 0;
      continue;
    }
    int& r = p[p_dist];
    int& growth = p[p_speed];
    int& size = p[p_size];
    r += growth;
    if (gs.frame_counter % 5 == 0) {
      size = std::max(1, size - 1);
      growth = std::max(1, growth - 1);
    }
    if (sa % 5 == 0) {
      if (sa < 15 && size < 5) ++size;
      if (sa >= 15 && size > 1) --size;
    }
    const double t = (36 * i + 10 * sa) * pi / 180.0;
    const int px = p[p_x] + int(std::cos(t) * r);
    const int py = p[p_y] + int(std::sin(t) * (r / 3)) - r;
    pen = ramp[sa % 7];
    const rgb fill = rnd(2) == 0 ? bubble_fill(pen) : pen;
    bak.ellipse(px, py + 20, size, size, pen, 1, true, fill);
    ++sa;
  }
}

// ---- 157, 158: rising ovals and flying dashes -------------------------------------------------
void scatter(effect& e, int* p) {
  p[p_x] = e.x - 15 + rnd(30);
  p[p_y] = e.y - 60 + rnd(40);
}

void draw_rising(effect& e, Canvas& bak) {
  if (e.scratch[0] == 0) {
    for (int i = 0; i < 10; ++i) {
      int* p = particle(e, i);
      scatter(e, p);
      p[p_size] = 1 + rnd(10);
      p[p_speed] = 1 + rnd(6);
      p[p_sub_age] = 1;
    }
    e.scratch[0] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    int* p = particle(e, i);
    if (p[p_sub_age] <= 0) continue;
    p[p_y] -= p[p_speed];
    if (p[p_size] <= 1) {  // a spent oval starts again somewhere new
      scatter(e, p);
      p[p_size] = 1 + rnd(10);
      p[p_speed] = 1 + rnd(6);
    }
    --p[p_size];
    pen = spark_colour(p[p_sub_age]);
    bak.ellipse(p[p_x], p[p_y], p[p_size] / 2, p[p_size] + 1, pen, 1, true, pen);
    ++p[p_sub_age];
  }
}

void draw_dashes(effect& e, Canvas& bak) {
  // The pen width lives in the angle word, which dashes do not need.
  if (e.scratch[0] == 0) {
    for (int i = 0; i < 10; ++i) {
      int* p = particle(e, i);
      scatter(e, p);
      p[p_size] = 20 + rnd(10);
      p[p_speed] = 12 + rnd(6);
      p[p_angle] = 3 + rnd(3);
      p[p_sub_age] = 1;
    }
    e.scratch[0] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    int* p = particle(e, i);
    if (p[p_sub_age] <= 0) continue;
    const int d = (i % 2 == 1) ? p[p_speed] : -p[p_speed];
    p[p_x] += d;
    p[p_y] += d;
    p[p_speed] = std::max(1, p[p_speed] - (p[p_speed] / 4 + 1));
    if (gs.frame_counter % 2 == 0) p[p_angle] = std::max(1, p[p_angle] - 1);
    p[p_size] = std::max(5, p[p_size] - 1);
    pen = spark_colour(p[p_sub_age]);
    bak.line(p[p_x], p[p_y], p[p_x] + p[p_size], p[p_y] + p[p_size], pen, p[p_angle]);
    ++p[p_sub_age];
  }
}

// ---- 160, 161, 162: bursts of sparks ----------------------------------------------------------
enum class burst { chain, award, stars };

void draw_burst(effect& e, Canvas& cg, Canvas& bak, burst kind) {
  if (e.scratch[0] == 0) {
    for (int i = 0; i < 10; ++i) {
      int* p = particle(e, i);
      p[p_x] = e.x;
      p[p_y] = e.y;
      p[p_dist] = 0;
      p[p_angle] = rnd(360);
      switch (kind) {
        case burst::chain:
          p[p_speed] = 10 + rnd(gs.chain + 10);
          p[p_size] = 1 + rnd(gs.chain / 3 + 3);
          p[p_sub_age] = 1;
          break;
        case burst::award:
          p[p_speed] = 13 + rnd(15);
          p[p_size] = 2 + rnd(5);
          p[p_sub_age] = 1;
          break;
        case burst::stars:
          p[p_speed] = 13 + rnd(15);
          p[p_size] = 8 + rnd(7);  // the star's font size
          p[p_sub_age] = 1 + rnd(10);
          break;
      }
    }
    e.scratch[0] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    int* p = particle(e, i);
    const int sa = p[p_sub_age];
    if (sa <= 0) continue;
    p[p_dist] += p[p_speed];
    p[p_speed] = std::max(1, p[p_speed] - 3);
    if (gs.frame_counter % 8 == 0) p[p_size] = std::max(1, p[p_size] - 1);
    if (kind != burst::chain && gs.frame_counter % 2 == 1) --p[p_y];  // drift upward
    const Point at = on_circle(p[p_x], p[p_y], p[p_angle], p[p_dist]);
    switch (kind) {
      case burst::chain:
        pen = spark_colour(sa);
        disc(bak, at, p[p_size], pen);
        break;
      case burst::award:
        pen = sa <= 6    ? RGB(255, 0, 255)
              : sa <= 10 ? RGB(221, 34, 187)
              : sa <= 14 ? RGB(187, 51, 119)
              : sa <= 18 ? RGB(153, 34, 85)
              : sa <= 20 ? RGB(102, 17, 51)
                         : RGB(51, 0, 34);
        disc(bak, at, p[p_size], pen);
        break;
      case burst::stars: {
        static constexpr rgb ramp[] = {
            RGB(34, 255, 119), RGB(0, 255, 85),   RGB(0, 255, 85),   RGB(34, 238, 68),
            RGB(34, 238, 68),  RGB(34, 238, 68),  RGB(68, 221, 51),  RGB(68, 221, 51),
            RGB(102, 204, 34), RGB(102, 204, 34), RGB(136, 187, 17), RGB(136, 187, 17),
            RGB(170, 170, 0),  RGB(170, 170, 0),  RGB(136, 136, 0),  RGB(102, 85, 0),
            RGB(68, 34, 0),    RGB(51, 17, 0)};  // sub-ages 4 .. 21
        pen = sa <= 4 ? ramp[0] : sa >= 22 ? RGB(34, 0, 0) : ramp[sa - 4];
        plat::TextStyle st;
        st.point = p[p_size];
        st.bold = true;
        st.colour = pen;
        const sjis& star = SJ("★");
        const plat::Size sz = Canvas::text_size(star, st);
        bak.text_out(at.x - sz.w / 2, at.y - sz.h / 2, star, st);
        break;
      }
    }
    ++p[p_sub_age];
  }

  // The chain counter bounces at the top of the picture and follows the chain as it changes.
  if (kind == burst::chain && gs.chain >= 2 && gs.chain <= 10) {
    static constexpr int bounce[12] = {-12, -12, -12, -10, 6, 4, -3, -2, 3, 2, -1, 1};
    const int b = bounce[std::min(e.age, 11)];
    const int top = e.y + b - e.age / 3;
    cg.blit_or(e.x - 11, top - 8, 22, 16, picture(gs.chain + 10));
    cg.blit_or(e.x - 26, top + 16, 52, 18, picture(21));
  }
}

// ---- 163, 164, 165: streaks flying out from the chain counter ----------------------------------
void draw_streaks(effect& e, Canvas& bak) {
  const int k = e.kind;
  if (e.scratch[0] == 0) {
    for (int i = 0; i < 10; ++i) {
      int* p = particle(e, i);
      p[p_x] = e.x;
      p[p_y] = e.y;
      p[p_angle] = rnd(360);
      if (k == 163) {
        p[p_size] = 5 + rnd(10);
        p[p_speed] = 10 + rnd(5);
        p[p_dist] = 5 + rnd(15);
      } else if (k == 164) {
        p[p_size] = 10 + rnd(10);
        p[p_speed] = 15 + rnd(5);
        p[p_dist] = 10 + rnd(20);
      } else {
        p[p_size] = 15 + rnd(15);
        p[p_speed] = 20 + rnd(10);
        p[p_dist] = 10 + rnd(10);
      }
      p[p_sub_age] = 1;
    }
    e.scratch[0] = 1;
  }
  for (int i = 0; i < 10; ++i) {
    int* p = particle(e, i);
    const int sa = p[p_sub_age];
    if (sa <= 0) continue;
    p[p_speed] = std::max(1, p[p_speed] - (k == 165 ? 4 : 3));
    p[p_dist] += p[p_speed];
    p[p_size] = std::max(1, p[p_size] - (1 + rnd(2)));
    const Point a = on_circle(p[p_x], p[p_y], p[p_angle], p[p_dist]);
    const Point b = on_circle(p[p_x], p[p_y], p[p_angle], p[p_dist] + p[p_size]);
    p[p_dist] += p[p_size];
    pen = spark_colour(sa);
    bak.line(a.x, a.y, b.x, b.y, pen, k == 165 ? std::max(1, 5 - sa / 2) : 1);
    ++p[p_sub_age];
  }
}

// ---- 166: lightning from the chain counter to a target -----------------------------------------
void draw_lightning(effect& e, Canvas& bak) {
  for (int bolt = 0; bolt < 2; ++bolt) {
    const int a = e.age;
    if (bolt == 0) {
      if (a == 2) pen = RGB(70, 0, 255);
      if (a == 3) pen = RGB(3, 0, 130);
      if (a == 4) pen = RGB(0, 255, 255);
    } else {
      if (a == 2) pen = RGB(255, 255, 255);
      if (a == 3) pen = RGB(0, 255, 255);
      if (a == 4) pen = RGB(70, 0, 255);
      if (a == 5) pen = RGB(3, 0, 130);
      if (a == 6) pen = RGB(0, 255, 255);
    }
    const int width = 1 + rnd(4);
    e.cur_x = e.origin_x;
    e.cur_y = e.origin_y;
    for (int step = 0; step < 20; ++step) {
      const int nx = e.cur_x + (e.x >= e.cur_x ? 1 : -1) * (1 + rnd(15));
      const int ny = e.cur_y + (e.y >= e.cur_y ? 1 : -1) * (1 + rnd(15));
      bak.line(e.cur_x, e.cur_y, nx, ny, pen, width);
      e.cur_x = nx;
      e.cur_y = ny;
    }
    bak.line(e.cur_x, e.cur_y, e.x, e.y, pen, width);
  }
}

void draw_kind(effect& e, Canvas& cg, Canvas& bak) {
  switch (e.kind) {
    case 66:
      draw_cross(e, bak);
      break;
    case 127:
      draw_spiral(e, bak, true);
      break;
    case 128:
      draw_spiral(e, bak, false);
      break;
    case 129:
      draw_hearts(e, bak);
      break;
    case 140:
      draw_bubbles(e, bak);
      break;
    case 157:
      draw_rising(e, bak);
      break;
    case 158:
      draw_dashes(e, bak);
      break;
    case 160:
      draw_burst(e, cg, bak, burst::chain);
      break;
    case 161:
      draw_burst(e, cg, bak, burst::award);
      break;
    case 162:
      draw_burst(e, cg, bak, burst::stars);
      break;
    case 163:
    case 164:
    case 165:
      draw_streaks(e, bak);
      break;
    case 166:
      draw_lightning(e, bak);
      break;
    default:
      break;  // no picture: retired after its first frame
  }
}

void claim(int x, int y, int ox, int oy, int kind) {
  cursor = cursor + 1 >= effect_slots_used ? 0 : cursor + 1;
  effect& e = pool[cursor];
  e.age = 1;
  e.kind = kind;
  e.x = x;
  e.y = y;
  e.origin_x = ox;
  e.origin_y = oy;
  e.scratch[0] = 0;
}

void trace_spawn(int kind, int x, int y) {
  if (tracing())
    trace("effect", std::to_string(kind) + " " + std::to_string(x) + " " + std::to_string(y));
}

}  // namespace

effect& effect_slot(int i) {
  return pool[std::clamp(i, 0, effect_pool_size - 1)];
}
int effect_cursor() {
  return cursor;
}

int effect_limit(int kind) {
  switch (kind) {
    case 66:
      return 20;
    case 127:
    case 128:
      return 25;
    case 129:
      return 20;
    case 140:
      return 60;
    case 157:
    case 158:
      return 26;
    case 160:
      return 17;
    case 161:
    case 162:
      return 22;
    case 163:
    case 164:
    case 165:
      return 17;
    case 166:
      return 6;
    default:
      return 0;
  }
}

void spawn_effect(int x, int y, int kind) {
  claim(x, y, 0, 0, kind);
  pool[cursor].cur_x = x;
  pool[cursor].cur_y = y;
  trace_spawn(kind, x, y);
}

void spawn_particle(int x, int y, int tx, int ty, int kind) {
  claim(tx, ty, x, y, kind);
  pool[cursor].cur_x = x;
  pool[cursor].cur_y = y;
  trace_spawn(kind, x, y);
}

void clear_effects() {
  for (effect& e : pool) e = effect{};
  cursor = 0;
}

plat::rgb label_colour(int code, int row, int frame_counter) {
  struct pulse {
    int code;
    rgb bright, base;
  };
  static constexpr pulse pulses[] = {
      {0, RGB(255, 255, 255), RGB(238, 238, 238)},   {301, RGB(0, 234, 18), RGB(0, 219, 16)},
      {302, RGB(255, 232, 0), RGB(232, 216, 0)},     {303, RGB(126, 236, 248), RGB(100, 232, 247)},
      {304, RGB(255, 90, 181), RGB(255, 74, 165)},   {305, RGB(157, 60, 255), RGB(139, 23, 255)},
      {306, RGB(126, 236, 248), RGB(100, 232, 247)}, {307, RGB(255, 70, 70), RGB(255, 38, 38)},
      {308, RGB(221, 221, 136), RGB(204, 204, 119)}, {309, RGB(153, 70, 70), RGB(136, 38, 38)},
      {310, RGB(255, 204, 221), RGB(255, 187, 204)}};
  static constexpr rgb hues[12] = {RGB(255, 0, 0),   RGB(255, 153, 0), RGB(255, 255, 0),
                                   RGB(153, 255, 0), RGB(0, 255, 0),   RGB(0, 255, 153),
                                   RGB(0, 255, 255), RGB(0, 153, 255), RGB(0, 0, 255),
                                   RGB(153, 0, 255), RGB(255, 0, 255), RGB(255, 0, 153)};
  rgb& last = label_last[std::clamp(row, 0, 3)];
  const int f = frame_counter + row;
  if (code == 312) return last = hues[((f % 12) + 12) % 12];
  for (const pulse& p : pulses) {
    if (p.code != code) continue;
    // Phase 0 flashes; phases 1 and n-1 rest on the base colour; between them the colour dims
    // by 0x11 a step toward the middle phase and back.
    const int n = code == 0 ? 9 : code == 310 ? 8 : 10;
    const int phase = ((f % n) + n) % n;
    if (phase == 0) return last = p.bright;
    const int d = 17 * std::min(phase - 1, n - 1 - phase);
    return last =
               RGB(std::max(0, plat::red_of(p.base) - d), std::max(0, plat::green_of(p.base) - d),
                   std::max(0, plat::blue_of(p.base) - d));
  }
  return last;  // code 4 (a colour name the game does not know): as this row was last
}

void draw_message_labels(Canvas& cg) {
  constexpr rgb plate = RGB(136, 68, 85);
  plat::TextStyle st = log_text_style();
  st.opaque = true;
  st.background = plate;
  for (int i = 0; i < 4; ++i) {
    const log_entry& line = gs.message_log[i];
    if (line.text.empty()) continue;
    const int y = 247 - 13 * i;
    const int w = Canvas::text_width(line.text, st);
    cg.fill_rect(-8, y, 10, 12, plate);                        // square cap on the left
    cg.ellipse(2 + w - 10, y, 19, 12, plate, 1, true, plate);  // round cap on the right
    st.colour = label_colour(line.colour, i, gs.frame_counter);
    cg.text_out(2, y, line.text, st);
  }
}

void render_effects(Canvas& cg, Canvas& bak) {
  draw_message_labels(cg);
  for (effect& e : pool) {
    if (e.age <= 0) continue;
    ++e.age;
    draw_kind(e, cg, bak);
    if (e.age > effect_limit(e.kind)) e.age = -1;
  }
}

}  // namespace game
