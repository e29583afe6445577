// The character seals: each customer's head and shoulders drawn for the seal's own 22 x 22
// pixels, not shrunk from the portrait. A big head with eyes of at least 3 x 3 pixels (an iris
// and a highlight), the hair's own outline, the signature item drawn large enough to read at a
// glance (tiara, crown, headphones, bandana...), and a ring of the character's own colour.
#include <cmath>
#include <cstring>
#include <functional>
#include <map>

#include "palette.h"
#include "pics.h"

namespace ag {

namespace {

using namespace pal;

enum class Cut { round, square, scallop, heart };
enum class Hair {
  bob,
  lng,
  twin,
  spiky,
  pony,
  buns,
  bald,
  drills,
  curly,
  pompadour,
  swirl,
  side,
  crop,
  none
};
enum class Eyes { round, sparkle, sleepy, cold, angry, shades, glasses, alien, goat, wink };
enum class Mouth { smile, open, flat, grin, cat, pout, frown };

struct Bust {
  Col ring;
  Cut cut = Cut::round;
  Col hair, eye = hex(0x6a4a3a), cloth, cloth2 = white;
  Hair style = Hair::bob;
  Eyes eyes = Eyes::round;
  Mouth mouth = Mouth::smile;
  Col skin = hex(0xffe0c8);
  bool blush = true;
  // the signature item, drawn last over the rest
  std::function<void(Img&, const Bust&)> item;
};

void px(Img& im, int x, int y, Col c) {
  im.blend(x, y, c, 1);
}
void rect(Img& im, int x0, int y0, int x1, int y1, Col c) {
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) px(im, x, y, c);
}

// A pattern of pixels: '.' leaves the pixel, the letters pick colours.
void stamp(Img& im, int x0, int y0, std::initializer_list<const char*> rows,
           const std::map<char, Col>& colours, bool mirror = false) {
  int y = y0;
  for (const char* row : rows) {
    const int n = int(std::strlen(row));
    for (int i = 0; i < n; i++) {
      const char ch = row[mirror ? n - 1 - i : i];
      if (ch == '.') continue;
      auto it = colours.find(ch);
      if (it != colours.end()) px(im, x0 + i, y, it->second);
    }
    y++;
  }
}

Col step(Col c, int k) {
  return ramp_colour(nearest_step(c), k);
}

// ---- the sticker ----
Sdf cut_shape(Cut c) {
  switch (c) {
    case Cut::square:
      return box(1, 1, 21, 21, 4);
    case Cut::scallop: {
      Sdf s = circle(11, 11, 8.6f);
      for (int i = 0; i < 10; i++) {
        const float a = float(i) * 36.0f * 3.14159f / 180.0f;
        s = unite(s, circle(11 + std::cos(a) * 8.1f, 11 + std::sin(a) * 8.1f, 2.4f));
      }
      return s;
    }
    case Cut::heart:
      return heart(11, 11.8f, 10.4f);
    case Cut::round:
    default:
      return circle(11, 11, 10.1f);
  }
}

void sticker_back(Img& im, const Bust& b) {
  const Sdf outer = cut_shape(b.cut);
  im.toon(outer, b.ring, 1);
  im.fill(grow(outer, -2.2f), step(b.ring, -1));  // the ground inside the ring: the ring's light
}

// ---- the bust ----
constexpr float HX = 11, HYC = 10.5f;  // head centre

void shoulders(Img& im, const Bust& b) {
  const Sdf inside = grow(cut_shape(b.cut), -1.0f);
  im.toon(inter(box(3.5f, 16, 18.5f, 24, 4), inside), b.cloth, 1);
  rect(im, 10, 15, 11, 16, step(b.skin, 1));  // the neck in the head's shadow
}

void hair_back(Img& im, const Bust& b) {
  const Col h = b.hair;
  switch (b.style) {
    case Hair::lng:
      im.toon(unite(ellipse(HX, 10, 8, 7.5f), box(3, 9, 19, 20.5f, 2)), h, 1);
      break;
    case Hair::bob:
      im.toon(box(3.6f, 5, 18.4f, 15.4f, 3), h, 1);
      break;
    case Hair::side:
      im.toon(box(3.6f, 5, 18.4f, 17, 3), h, 1);
      break;
    case Hair::twin:
      for (int s = -1; s <= 1; s += 2)
        im.toon(capsule2(HX + float(s) * 7, 7, 2.6f, HX + float(s) * 9.4f, 17, 1.8f), h, 1);
      break;
    case Hair::pony:
      im.toon(capsule2(17, 6, 2.6f, 20, 16, 1.5f), h, 1);
      break;
    case Hair::drills:
      for (int s = -1; s <= 1; s += 2)
        for (int i = 0; i < 3; i++)
          im.toon(circle(HX + float(s) * 7.6f, 10.5f + float(i) * 3.6f, 2.3f - float(i) * 0.2f), h,
                  1);
      break;
    case Hair::curly:
      for (int i = 0; i < 8; i++) {
        const float a = float(i) / 8.0f * 6.283f;
        im.toon(circle(HX + std::cos(a) * 7.2f, 9.5f + std::sin(a) * 6.2f, 3.0f), h, 1);
      }
      break;
    default:
      break;
  }
}

void head(Img& im, const Bust& b) {
  im.toon(ellipse(HX, HYC, 6.3f, 5.9f), b.skin, 1);
  if (b.blush) {
    px(im, 6, 13, step(hex(0xffb7cf), 0));
    px(im, 15, 13, step(hex(0xffb7cf), 0));
  }
}

void hair_front(Img& im, const Bust& b) {
  const Col h = b.hair;
  const Sdf cap = inter(circle(HX, 10, 7.2f), box(0, 0, 22, 8.2f));
  Sdf fringe = cap;
  switch (b.style) {
    case Hair::bald:
    case Hair::none:
      return;
    case Hair::spiky: {
      std::vector<V2> p;
      for (int i = 0; i <= 8; i++) {
        const float a = 3.14159f + float(i) / 8.0f * 3.14159f;
        const float r = (i % 2) ? 10.5f : 7.2f;
        p.push_back({HX + std::cos(a) * r, 10 + std::sin(a) * r});
      }
      p.push_back({18, 10});
      p.push_back({15, 8});
      p.push_back({11, 9});
      p.push_back({7, 8});
      p.push_back({4, 10});
      im.toon(polygon(p), h, 1);
      return;
    }
    case Hair::pompadour:
      im.toon(unite(cap, ellipse(9.5f, 3.8f, 7, 3.2f)), h, 1);
      return;
    case Hair::swirl:
      // a soft-serve swirl of three tiers and a tip
      im.toon(cap, h, 1);
      im.toon(ellipse(HX, 5.2f, 7.4f, 2.2f), h, 1);
      im.toon(ellipse(HX + 0.5f, 3, 5, 1.8f), h, 1);
      im.toon(ellipse(HX + 1, 1.2f, 2.8f, 1.4f), h, 1);
      px(im, 8, 4, step(h, -1)), px(im, 9, 2, step(h, -1)), px(im, 11, 0, step(h, -1));
      return;
    case Hair::crop:
      im.toon(inter(circle(HX, 10, 7), box(0, 0, 22, 7)), h, 1);
      return;
    case Hair::curly:
      for (int i = 0; i < 4; i++)
        im.toon(circle(6.5f + float(i) * 3, 5.6f + (i % 2 ? -0.8f : 0.0f), 2.4f), h, 1);
      return;
    default:
      break;
  }
  for (int i = 0; i < 3; i++) fringe = unite(fringe, ellipse(7 + float(i) * 4, 7.6f, 2.2f, 1.6f));
  fringe = inter(fringe, circle(HX, 10, 7.2f));
  if (b.style == Hair::side) fringe = unite(fringe, polygon({{4.5f, 6}, {11, 6}, {5, 11.5f}}));
  im.toon(fringe, h, 1);
  px(im, 8, 5, step(h, -1));  // the shine on the hair
  px(im, 9, 5, step(h, -1));
  if (b.style == Hair::buns)
    for (int s = -1; s <= 1; s += 2) im.toon(circle(HX + float(s) * 6.2f, 3.6f, 2.6f), h, 1);
}

void eyes(Img& im, const Bust& b) {
  const Col d = step(b.eye, 1), l = step(b.eye, -1);
  const std::map<char, Col> c = {{'K', ink}, {'W', white},           {'D', d},
                                 {'L', l},   {'S', step(b.skin, 1)}, {'H', step(b.hair, 2)}};
  switch (b.eyes) {
    case Eyes::round:
      stamp(im, 6, 10, {"KKK", "WDD", "DLD"}, c);
      stamp(im, 13, 10, {"KKK", "WDD", "DLD"}, c);
      break;
    case Eyes::sparkle:
      stamp(im, 6, 9, {"KKK", "WDD", "DWD", "DLD"}, c);
      stamp(im, 13, 9, {"KKK", "WDD", "DWD", "DLD"}, c);
      break;
    case Eyes::wink:
      stamp(im, 6, 10, {"KKK", "WDD", "DLD"}, c);
      stamp(im, 13, 11, {"K.K", ".K."}, c);
      break;
    case Eyes::sleepy:
      stamp(im, 6, 10, {"SSS", "KKK", "DWD"}, c);
      stamp(im, 13, 10, {"SSS", "KKK", "DWD"}, c);
      break;
    case Eyes::cold:
      stamp(im, 6, 9, {"HH.", "KKK", "DWD", "DDD"}, c);
      stamp(im, 13, 9, {".HH", "KKK", "DWD", "DDD"}, c);
      break;
    case Eyes::angry:
      stamp(im, 5, 8, {"K...", ".KK.", ".KKK", ".WDD", ".DLD"}, c);
      stamp(im, 13, 8, {"...K", ".KK.", "KKK.", "WDD.", "DLD."}, c);
      break;
    case Eyes::shades:
      im.toon(unite({box(4.6f, 9.4f, 10.4f, 12.6f, 1), box(11.6f, 9.4f, 17.4f, 12.6f, 1),
                     box(9, 9.6f, 13, 10.6f)}),
              hex(0x2a2232), 0.4f);
      px(im, 6, 10, white), px(im, 7, 10, step(white, 2));
      px(im, 13, 10, white), px(im, 14, 10, step(white, 2));
      break;
    case Eyes::glasses: {
      stamp(im, 6, 10, {"KKK", "WDD", "DLD"}, c);
      stamp(im, 13, 10, {"KKK", "WDD", "DLD"}, c);
      const Col f = b.ring;
      for (int s = 0; s < 2; s++) {
        const int x0 = s ? 12 : 5;
        for (int x = x0; x <= x0 + 4; x++) px(im, x, 9, f), px(im, x, 13, f);
        for (int y = 10; y <= 12; y++) px(im, x0, y, f), px(im, x0 + 4, y, f);
      }
      rect(im, 10, 10, 11, 10, f);
      break;
    }
    case Eyes::alien:
      stamp(im, 5, 9, {".KK", "KKKK", "KWKK", "KKK"}, c);
      stamp(im, 13, 9, {"KK.", "KKKK", "KKWK", ".KKK"}, c);
      break;
    case Eyes::goat:
      stamp(im, 5, 10, {"KKKK", "KLLK", "KKKK"}, {{'K', ink}, {'L', hex(0xffd34d)}});
      stamp(im, 13, 10, {"KKKK", "KLLK", "KKKK"}, {{'K', ink}, {'L', hex(0xffd34d)}});
      break;
  }
}

void mouth(Img& im, const Bust& b) {
  const Col red = hex(0xd05060);
  switch (b.mouth) {
    case Mouth::smile:
      px(im, 9, 13, ink), px(im, 10, 14, ink), px(im, 11, 14, ink), px(im, 12, 13, ink);
      break;
    case Mouth::open:
      rect(im, 10, 13, 11, 13, ink);
      rect(im, 10, 14, 11, 14, red);
      break;
    case Mouth::flat:
      rect(im, 10, 14, 11, 14, ink);
      break;
    case Mouth::grin:
      rect(im, 9, 13, 12, 14, white);
      px(im, 9, 14, ink), px(im, 12, 14, ink), rect(im, 10, 15, 11, 15, ink);
      break;
    case Mouth::cat:
      px(im, 9, 13, ink), px(im, 10, 14, ink), px(im, 11, 13, ink), px(im, 12, 14, ink),
          px(im, 13, 13, ink);
      break;
    case Mouth::pout:
      px(im, 11, 14, red), px(im, 10, 14, ink);
      break;
    case Mouth::frown:
      px(im, 9, 14, ink), px(im, 10, 13, ink), px(im, 11, 13, ink), px(im, 12, 14, ink);
      break;
  }
}

void glint(Img& im) {
  px(im, 4, 3, white), px(im, 3, 4, white), px(im, 5, 4, white), px(im, 4, 5, white);
}

// ---- the signature items ----
void ribbon(Img& im, const Bust& b, Col c) {
  (void)b;
  im.toon(unite(polygon({{11, 3}, {4, 0}, {4, 6}}), polygon({{11, 3}, {18, 0}, {18, 6}})), c, 1);
  im.toon(circle(11, 3, 1.6f), step(c, -1), 1);
}
void tiara(Img& im, Col c, Col gem) {
  im.toon(
      polygon({{5, 5.5f}, {17, 5.5f}, {15, 2.5f}, {13, 3.5f}, {11, 0.5f}, {9, 3.5f}, {7, 2.5f}}), c,
      1);
  px(im, 10, 3, gem), px(im, 11, 3, gem), px(im, 10, 4, gem), px(im, 11, 4, gem);
}
void crown(Img& im, Col c, bool big) {
  const float top = big ? 0.2f : 1.5f, base = big ? 6.2f : 5.6f;
  im.toon(polygon({{4.5f, base},
                   {17.5f, base},
                   {18, top},
                   {14.5f, base - 3},
                   {11, top - 0.2f},
                   {7.5f, base - 3},
                   {4, top}}),
          c, 1);
  px(im, 10, int(base) - 2, hex(0xf0606a)), px(im, 11, int(base) - 2, hex(0xf0606a));
}
void headphones(Img& im, Col band, Col cup) {
  im.fill(ring(inter(circle(HX, 10, 8.2f), box(0, 0, 22, 9)), 0.6f), band);
  im.toon(box(1.6f, 8, 5.2f, 14.4f, 1.5f), cup, 1);
  im.toon(box(16.8f, 8, 20.4f, 14.4f, 1.5f), cup, 1);
}
void skull(Img& im, float x, float y) {
  im.toon(unite(circle(x, y, 2.6f), box(x - 1.6f, y, x + 1.6f, y + 3)), hex(0xf8f4f0), 1);
  px(im, int(x) - 1, int(y), ink), px(im, int(x) + 1, int(y), ink);
}
void star5(Img& im, float x, float y, float r, Col c) {
  im.toon(star(x, y, r, r * 0.45f, 5), c, 1);
}
void flower(Img& im, float x, float y, Col petal) {
  Sdf p = circle(x, y, 0.8f);
  for (int i = 0; i < 5; i++) {
    const float a = (-90.0f + 72.0f * float(i)) * 3.14159f / 180.0f;
    p = unite(p, circle(x + std::cos(a) * 1.8f, y + std::sin(a) * 1.8f, 1.35f));
  }
  im.toon(p, petal, 1);
  px(im, int(std::floor(x)), int(std::floor(y)), hex(0xfff0a0));
}

const std::map<std::string, Bust>& busts() {
  static const std::map<std::string, Bust> m = [] {
    std::map<std::string, Bust> m;
    auto add = [&](const char* who, Col ring, Col hair, Hair style, Eyes e, Mouth mo, Col cloth,
                   Col eye, std::function<void(Img&, const Bust&)> item, Cut cut = Cut::round) {
      Bust b;
      b.ring = ring, b.hair = hair, b.style = style, b.eyes = e, b.mouth = mo, b.cloth = cloth;
      b.eye = eye, b.item = std::move(item), b.cut = cut;
      m[who] = b;
    };
    // ロクサン: pink bob, a big rose ribbon on top
    add("girl00.bmp", mint, hex(0xf08aa8), Hair::bob, Eyes::round, Mouth::smile, pink,
        hex(0x8a4a6a), [](Img& i, const Bust&) {
          i.toon(unite(polygon({{14, 3.5f}, {8.5f, 0}, {9, 7}}),
                       polygon({{14, 3.5f}, {20, 0}, {19.5f, 7}})),
                 hex(0xc0304a), 1);
          i.toon(circle(14, 3.5f, 1.5f), hex(0xf0606a), 1);
        });
    // 死美: long black hair, pale, sleepy, a skull pin; gothic crimson
    add("girl01.bmp", hex(0xc0304a), hex(0x2a2232), Hair::lng, Eyes::sleepy, Mouth::flat,
        hex(0x403848), hex(0xc0304a), [](Img& i, const Bust&) { skull(i, 16.5f, 4); });
    m["girl01.bmp"].skin = hex(0xfff4f6);
    m["girl01.bmp"].blush = false;
    // エリカ: golden ringlets and a silver tiara, lilac
    add("girl02.bmp", hex(0x9a70c8), hex(0xffd34d), Hair::drills, Eyes::sparkle, Mouth::smile,
        hex(0xd2b8f0), hex(0x5a98e8),
        [](Img& i, const Bust&) { tiara(i, hex(0xf2eaf0), hex(0x5a98e8)); });
    // ヒコ゜ピコ゜ヒコ゜クン: sky-blue spikes, round glasses, an antenna
    add("boy01.bmp", hex(0xff9a48), hex(0x6ab0f0), Hair::spiky, Eyes::glasses, Mouth::grin,
        hex(0xfff0a0), hex(0x5a6aa0), [](Img& i, const Bust&) {
          i.line(13, 2, 16, 0, 1, ink);
          i.toon(circle(17, 1.2f, 1.4f), hex(0xf0606a), 1);
        });
    // ぷん子: red-orange ponytail, cross brows, blushing, sailor collar
    add("girl04.bmp", hex(0xf04c98), hex(0xe86a50), Hair::pony, Eyes::angry, Mouth::pout,
        hex(0x3a5cc0), hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.toon(circle(17.5f, 5, 1.6f), hex(0xaed8f5), 1);
          for (int k = 0; k < 3; k++)
            px(i, 5 + k, 14, hex(0xf0606a)), px(i, 14 + k, 14, hex(0xf0606a));
        });
    // としくん: black spikes, cold eyes, a skull earring
    add("boy02.bmp", hex(0xa8f0f4), hex(0x2a2232), Hair::spiky, Eyes::cold, Mouth::flat,
        hex(0x403848), hex(0x506070), [](Img& i, const Bust&) { skull(i, 18, 14.5f); });
    // セブン: silver hair over one side, a gold star, a dark suit with a crimson tie
    add("seven.bmp", hex(0x40367a), hex(0xd6c8dc), Hair::side, Eyes::cold, Mouth::smile,
        hex(0x3e3448), hex(0x7040a0), [](Img& i, const Bust&) {
          star5(i, 17, 4, 3.6f, hex(0xffd34d));
          rect(i, 10, 17, 11, 20, hex(0xc0304a));
        });
    // ツン: light-blue twin tails and yellow bobbles
    add("tun.bmp", hex(0xfff0a0), hex(0x80b8f0), Hair::twin, Eyes::round, Mouth::open,
        hex(0xaed8f5), hex(0x3a6ab0), [](Img& i, const Bust&) {
          i.toon(circle(3.5f, 6.5f, 1.5f), hex(0xffd34d), 1);
          i.toon(circle(18.5f, 6.5f, 1.5f), hex(0xffd34d), 1);
        });
    // ムン: purple spikes under a red bandana, a fierce grin
    add("mun.bmp", hex(0x3e3448), hex(0x9a70c8), Hair::spiky, Eyes::angry, Mouth::grin,
        hex(0x403848), hex(0xb03050), [](Img& i, const Bust&) {
          i.toon(inter(circle(HX, 10, 7.4f), box(0, 5, 22, 8.4f)), hex(0xf0606a), 1);
          i.toon(polygon({{17, 6}, {21, 4}, {20.6f, 9}}), hex(0xf0606a), 1);
        });
    // わた: pink cotton-candy curls and a yellow star
    add("wata.bmp", hex(0x5a98e8), hex(0xffc8e0), Hair::curly, Eyes::sparkle, Mouth::open, white,
        hex(0xd05090), [](Img& i, const Bust&) { star5(i, 16.5f, 3.5f, 3.6f, hex(0xfff0a0)); });
    // はりね: dark twin tails and cat ears
    add("girl03.bmp", pink, hex(0x4a4a5a), Hair::twin, Eyes::round, Mouth::cat, hex(0xb5ead0),
        hex(0x4a8a6a), [](Img& i, const Bust& b) {
          for (int s = -1; s <= 1; s += 2) {
            i.toon(polygon({{HX + float(s) * 2.5f, 4.5f},
                            {HX + float(s) * 7.5f, 0.2f},
                            {HX + float(s) * 7, 6}}),
                   b.hair, 1);
            px(i, int(HX + float(s) * 5.6f) - (s < 0 ? 1 : 0), 3, hex(0xffb7cf));
          }
        });
    // 花豆: a big sky-blue cap with its peak out to the side
    add("boy00.bmp", hex(0xffd34d), hex(0x8a5a3a), Hair::crop, Eyes::round, Mouth::open,
        hex(0x7ccf86), hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.toon(inter(circle(HX, 8.8f, 7.6f), box(0, 0, 22, 7.4f)), hex(0x5a98e8), 1);
          i.toon(ellipse(16.5f, 6.8f, 5, 1.6f), hex(0x3a5cc0), 1);
        });
    // バイオン: a knight's steel helmet with a red plume, blond fringe
    add("bione.bmp", hex(0x707888), hex(0xc89a30), Hair::crop, Eyes::round, Mouth::flat,
        hex(0x5a6aa0), hex(0x3a5a9a), [](Img& i, const Bust&) {
          i.toon(inter(circle(HX, 9.5f, 7.6f), box(0, 0, 22, 7.6f)), hex(0xd6dce8), 1);
          i.toon(polygon({{10, 2.5f}, {12, 2.5f}, {16, -1}, {14, 3}}), hex(0xf0606a), 1);
          i.fill(box(3.6f, 7, 5.6f, 15), hex(0xb8c0d0));
          i.fill(box(16.4f, 7, 18.4f, 15), hex(0xb8c0d0));
        });
    // 運坊: a swirl of brown hair like his namesake, a wide grin
    add("unbou2.bmp", hex(0x3f9a5a), hex(0x9a6a40), Hair::swirl, Eyes::round, Mouth::grin,
        hex(0xf0c060), hex(0x6a4a3a), nullptr);
    // 徳爺: a bald shiny head, bushy white brows and moustache, a cup of green tea
    add("toku.bmp", hex(0xc89a30), hex(0xe8e8e8), Hair::bald, Eyes::sleepy, Mouth::flat,
        hex(0x7aa080), hex(0x6a4a3a), [](Img& i, const Bust&) {
          const Col w = hex(0xf2eaf0), g = hex(0xd6c8dc);
          stamp(i, 5, 8, {"WWWG....GWWW"}, {{'W', w}, {'G', g}});
          stamp(i, 7, 13, {"GWWW..WWWG", ".GWW..WWG."}, {{'W', w}, {'G', g}});
          px(i, 4, 11, w), px(i, 4, 12, g), px(i, 17, 11, w), px(i, 17, 12, g);
          px(i, 8, 5, white), px(i, 9, 5, white), px(i, 8, 6, white);  // the shine on his head
          i.toon(box(14.5f, 16, 19.5f, 20.5f, 1), hex(0xa0b890), 1);
          rect(i, 15, 16, 18, 16, hex(0x7ccf86));
          px(i, 16, 14, white), px(i, 17, 13, white);
        });
    m["toku.bmp"].skin = hex(0xf8d8c0);
    // リチャード: a wide brown cowboy hat over blond hair
    add("maichel.bmp", hex(0x3fb0b0), hex(0xf0d070), Hair::crop, Eyes::round, Mouth::grin,
        hex(0xc89060), hex(0x4080c0), [](Img& i, const Bust&) {
          i.toon(ellipse(HX, 5.8f, 10.5f, 1.8f), hex(0xa8734a), 1);
          i.toon(box(6, 0.5f, 16, 5.8f, 2), hex(0xa8734a), 1);
          rect(i, 6, 4, 15, 4, hex(0x5e3a28));
        });
    // ターミン: orange hair in two buns, a white apron with a heart
    add("tam.bmp", hex(0xd2b8f0), hex(0xf09040), Hair::buns, Eyes::round, Mouth::cat, hex(0xffd080),
        hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.fill(box(7, 17, 15, 22), white);
          i.toon(heart(11, 19, 1.8f), hex(0xff86ad), 0.4f);
        });
    // のぶひと: orange spikes and big pink headphones
    add("nobuhi.bmp", hex(0x5a98e8), hex(0xf0a040), Hair::spiky, Eyes::round, Mouth::open,
        hex(0x6070d0), hex(0x6a4a3a),
        [](Img& i, const Bust&) { headphones(i, hex(0x605870), hex(0xff86ad)); });
    // モナト: a green bob, round glasses, a white lab coat
    add("monato.bmp", hex(0x7040a0), hex(0x70c090), Hair::bob, Eyes::glasses, Mouth::flat, white,
        hex(0x3a7a5a), [](Img& i, const Bust&) {
          i.fill(polygon({{9, 16}, {13, 16}, {11, 20}}), hex(0x90c8a0));
        });
    // 優香: long brown hair under a rose beret
    add("yuuka.bmp", hex(0xf0606a), hex(0x9a6040), Hair::lng, Eyes::round, Mouth::smile,
        hex(0xf0d0a0), hex(0x7a4a30), [](Img& i, const Bust&) {
          i.toon(ellipse(9.5f, 3.8f, 7.5f, 2.8f), hex(0xff86ad), 1);
          px(i, 9, 0, hex(0xff86ad)), px(i, 9, 1, ink);
        });
    // the king (暴君): bald, a towering gold crown, a white beard
    add("jisrof.bmp", hex(0x5e3a28), hex(0xf0f0f0), Hair::bald, Eyes::sleepy, Mouth::flat,
        hex(0xd04858), hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.toon(unite(ellipse(HX, 15.5f, 5.4f, 3.6f), polygon({{7, 16}, {15, 16}, {11, 21.5f}})),
                 white, 1);
          crown(i, hex(0xffd34d), true);
        });
    // ユカリー: long purple hair, a pink flower, a kimono collar
    add("yukari.bmp", hex(0xffcfa8), hex(0x9a70c8), Hair::lng, Eyes::round, Mouth::smile,
        hex(0xb5ead0), hex(0x6a4a9a), [](Img& i, const Bust&) {
          flower(i, 5, 5, hex(0xff86ad));
          i.fill(polygon({{8, 16}, {11, 20}, {14, 16}}), white);
        });
    // ぶぶこ: red curls, pearls, a round face
    add("bubuko.bmp", hex(0xffb7cf), hex(0xd05a3a), Hair::curly, Eyes::sleepy, Mouth::pout,
        hex(0xf0a0d0), hex(0x804040), [](Img& i, const Bust&) {
          for (int k = 0; k < 5; k++)
            i.toon(circle(7.5f + float(k) * 1.8f, 17.2f, 0.9f), white, 0.4f);
        });
    // さな: a brown ponytail, square glasses, a maroon sailor suit
    add("sanae2.bmp", hex(0x7ccf86), hex(0xa86848), Hair::bob, Eyes::glasses, Mouth::smile,
        hex(0x5a6aa0), hex(0x6a4a3a), [](Img& i, const Bust& b) {
          i.fill(polygon({{8, 16}, {14, 16}, {11, 20}}), white);
          for (int k = 0; k < 3; k++)
            i.toon(ellipse(4.6f, 13 + float(k) * 2.6f, 1.7f, 1.4f), b.hair, 1);
          px(i, 4, 20, hex(0xffd34d)), px(i, 5, 20, hex(0xffd34d));
        });
    // 雲歩狼: grey spikes and wolf ears
    add("unporo2.bmp", hex(0x2c2860), hex(0x9098b0), Hair::spiky, Eyes::cold, Mouth::grin,
        hex(0x8090c0), hex(0xd0a030), [](Img& i, const Bust& b) {
          for (int s = -1; s <= 1; s += 2)
            i.toon(polygon({{HX + float(s) * 2, 4},
                            {HX + float(s) * 8, -0.5f},
                            {HX + float(s) * 7.5f, 6.5f}}),
                   b.hair, 1);
        });
    // 紗智: a black bob with a yellow flower, navy sailor collar
    add(
        "sachi.bmp", hex(0xfff0a0), hex(0x2e2a3a), Hair::bob, Eyes::round, Mouth::flat,
        hex(0x506890), hex(0x504060),
        [](Img& i, const Bust&) {
          flower(i, 16.5f, 5, hex(0xffd34d));
          i.fill(polygon({{6, 16}, {16, 16}, {11, 19.5f}}), white);
        },
        Cut::square);
    // ラプソディア: long sky-blue hair, a gold star on top
    add("rap.bmp", hex(0xff86ad), hex(0x5a90e0), Hair::lng, Eyes::sparkle, Mouth::open,
        hex(0x3a5cc0), hex(0x3060b0),
        [](Img& i, const Bust&) { star5(i, HX, 2.6f, 3.4f, hex(0xffd34d)); });
    // カベイリア: a tall violet witch's hat
    add("kabe.bmp", hex(0xffe0c8), hex(0x4a3a6a), Hair::lng, Eyes::cold, Mouth::smile,
        hex(0x503a70), hex(0xa040a0), [](Img& i, const Bust&) {
          i.toon(ellipse(HX, 5.6f, 9.5f, 1.6f), hex(0x7040a0), 1);
          i.toon(polygon({{6, 5}, {16, 5}, {15, 1.5f}, {19.5f, -0.5f}, {12, 0}}), hex(0x7040a0), 1);
          rect(i, 7, 4, 15, 4, hex(0xffd34d));
        });
    // 君通信: a hot-pink side ponytail, a microphone and a gold star
    add("kimi.bmp", hex(0xfff4e0), hex(0xf04c98), Hair::side, Eyes::wink, Mouth::open,
        hex(0xff80b0), hex(0x3a5cc0), [](Img& i, const Bust&) {
          i.toon(capsule2(3, 6, 2.2f, 1.5f, 14, 1.4f), hex(0xf04c98), 1);
          star5(i, 16.5f, 3.5f, 3.2f, hex(0xffd34d));
          i.toon(capsule(17.5f, 20, 16, 15.5f, 0.9f), hex(0x505060), 0.5f);
          i.toon(circle(15.6f, 14.6f, 1.8f), hex(0xd6dce8), 1);
        });
    // レティシア: long red hair, a white bow, an apron
    add("retisia.bmp", hex(0xaed8f5), hex(0xd84040), Hair::lng, Eyes::round, Mouth::smile,
        hex(0x3e3448), hex(0x6a3a2a), [](Img& i, const Bust& b) {
          ribbon(i, b, white);
          i.fill(box(8, 17, 14, 22), white);
        });
    // the goat emperor: a white goat's head, curled horns, a crown
    add("goat.bmp", hex(0x9a70c8), hex(0xf4f0ea), Hair::none, Eyes::goat, Mouth::flat,
        hex(0x7040a0), hex(0xffd34d), [](Img& i, const Bust&) { crown(i, hex(0xffd34d), false); });
    m["goat.bmp"].skin = hex(0xf4f0ea);
    m["goat.bmp"].blush = false;
    // スクリュー智明: a teal swirl of hair, glasses, a big grin
    add("fukura.bmp", hex(0xe8b890), hex(0x40a0a0), Hair::crop, Eyes::glasses, Mouth::grin,
        hex(0x3a5cc0), hex(0x3a6a6a), [](Img& i, const Bust& b) {
          // the screw of hair twisting up from his crown
          i.toon(polygon({{7, 5}, {15, 5}, {11.5f, -1}}), b.hair, 1);
          i.line(8, 4, 14, 3, 1, step(b.hair, 2));
          i.line(10, 2, 13, 1, 1, step(b.hair, 2));
        });
    // 紅花: black buns with red ribbons, a red qipao with a gold clasp
    add(
        "kouka.bmp", hex(0xffd34d), hex(0x2e2a3a), Hair::buns, Eyes::round, Mouth::smile,
        hex(0xe04858), hex(0x803030),
        [](Img& i, const Bust&) {
          px(i, 4, 6, hex(0xf0606a)), px(i, 17, 6, hex(0xf0606a));
          px(i, 5, 6, hex(0xf0606a)), px(i, 16, 6, hex(0xf0606a));
          rect(i, 11, 17, 12, 18, hex(0xffd34d));
        },
        Cut::scallop);
    // 竹田ジョニー: a black pompadour and sunglasses
    add("jonny.bmp", hex(0xf0606a), hex(0x2a2430), Hair::pompadour, Eyes::shades, Mouth::flat,
        hex(0x303040), hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.fill(polygon({{9, 16}, {13, 16}, {11, 19}}), white);
        });
    // 白川シキ: long white hair, pale, sleepy, ice-blue kimono
    add("siki.bmp", hex(0x3a5cc0), hex(0xd6c8dc), Hair::lng, Eyes::sleepy, Mouth::flat,
        hex(0x40367a), hex(0x6080b0), [](Img& i, const Bust&) {
          flower(i, 5.5f, 5.5f, hex(0x5a98e8));  // a hairpin of blue flowers with beads
          px(i, 4, 8, hex(0xaed8f5)), px(i, 4, 10, hex(0x5a98e8));
        });
    m["siki.bmp"].skin = hex(0xfaf0ec);
    m["siki.bmp"].blush = false;
    // 墨子: a black ponytail under a rose bandana
    add(
        "sumiko.bmp", hex(0xb5ead0), hex(0x2e2a3a), Hair::pony, Eyes::round, Mouth::open,
        hex(0xa8d0f0), hex(0x6a4a3a),
        [](Img& i, const Bust&) {
          i.toon(inter(circle(HX, 10, 7.4f), box(0, 3, 22, 6.4f)), hex(0xff86ad), 1);
          i.fill(box(7, 17, 15, 22), hex(0xfff8f0));
        },
        Cut::square);
    // 香月スミレ: short violet hair, a white violet flower, a dark jacket
    add(
        "boy_sumire.bmp", hex(0xb5ead0), hex(0x40367a), Hair::crop, Eyes::cold, Mouth::smile,
        hex(0x7040a0), hex(0x7058a0), [](Img& i, const Bust&) { flower(i, 16.5f, 17.5f, white); },
        Cut::scallop);
    // ギャラガ: a green alien with big black eyes and an antenna
    add("garaga.bmp", hex(0xf04c98), hex(0xa8e8a0), Hair::none, Eyes::alien, Mouth::smile,
        hex(0xc0c8d8), hex(0x000000), [](Img& i, const Bust&) {
          i.line(11, 4, 11, 1, 1, ink);
          i.toon(circle(11, 1, 1.5f), hex(0xff6080), 1);
        });
    m["garaga.bmp"].skin = hex(0xa8e8a0);
    m["garaga.bmp"].blush = false;
    // るーこ: pink hair and a wide ice-blue visor
    add("luko.bmp", hex(0x40367a), hex(0xd2b8f0), Hair::side, Eyes::round, Mouth::cat,
        hex(0xf04c98), hex(0x6a4a3a), [](Img& i, const Bust&) {
          i.toon(box(3.6f, 4.4f, 18.4f, 8.2f, 1.5f), hex(0x90e8ff), 1);
          rect(i, 5, 5, 8, 5, white);
          i.line(16, 4, 19, 0, 1, ink);
          i.toon(circle(19.5f, 1, 1.3f), hex(0xff86ad), 1);
        });
    // Ｃ・ＳＴＥＦ: a teal bob, teal headphones with antennae, a robot's armour
    add("cstef.bmp", hex(0xffcfa8), hex(0x40c0c0), Hair::bob, Eyes::cold, Mouth::flat,
        hex(0x707888), hex(0x208080), [](Img& i, const Bust&) {
          headphones(i, hex(0x505060), hex(0xd0e0e8));
          i.line(3.5f, 8, 2.5f, 3, 1, ink);
          i.line(18.5f, 8, 19.5f, 3, 1, ink);
          px(i, 2, 2, hex(0xf0606a)), px(i, 19, 2, hex(0xf0606a));
        });
    // the owner (天長): grey spikes, sunglasses, stubble, a blue apron
    add(
        "owner", hex(0x8a5a3a), hex(0x4a4a50), Hair::spiky, Eyes::shades, Mouth::grin,
        hex(0x80a0d0), hex(0x4a3a3a),
        [](Img& i, const Bust&) {
          for (int k = 0; k < 4; k++) px(i, 8 + k * 2, 15, hex(0x8a7a80));
        },
        Cut::scallop);
    m["owner"].skin = hex(0xf0c8a8);
    // the prince: short golden hair, a small red-and-gold crown, a blue cape, a rose
    add(
        "prince.bmp", hex(0x3a5cc0), hex(0xffe080), Hair::crop, Eyes::sparkle, Mouth::smile, white,
        hex(0x3a70d0),
        [](Img& i, const Bust&) {
          rect(i, 4, 17, 6, 17, hex(0xffd34d)), rect(i, 15, 17, 17, 17, hex(0xffd34d));
          i.line(6, 18, 14, 21, 1, hex(0x3a5cc0));
          i.toon(box(6, 1.5f, 16, 5.5f, 0.5f), hex(0xc0304a), 1);
          for (int k = 0; k < 3; k++)
            i.toon(circle(6.5f + float(k) * 4.5f, 1.5f, 1.3f), hex(0xffd34d), 1);
          rect(i, 6, 5, 15, 5, hex(0xffd34d));
          i.toon(circle(16.5f, 18, 1.8f), hex(0xf0606a), 1);
        },
        Cut::scallop);
    // 魔夕未: a violet-haired charmer with a paper talisman on the brow, on a heart
    add(
        "mayumi", hex(0x7040a0), hex(0x40367a), Hair::bob, Eyes::sparkle, Mouth::smile,
        hex(0x2c2860), hex(0xc0304a),
        [](Img& i, const Bust&) {
          i.toon(box(9.2f, 2, 12.8f, 9.5f), hex(0xfff4e0), 1);
          i.line(10, 4, 12, 4, 1, hex(0xc0304a));
          i.line(11, 5, 11, 8, 1, hex(0xc0304a));
        },
        Cut::heart);
    return m;
  }();
  return m;
}

}  // namespace

void draw_face_seal(Img& im, const std::string& who) {
  auto it = busts().find(who);
  if (it == busts().end()) return;
  const Bust& b = it->second;
  sticker_back(im, b);
  hair_back(im, b);
  shoulders(im, b);
  if (who == "goat.bmp") {
    // the goat: horns curling back, a long face, a tuft of beard
    for (int s = -1; s <= 1; s += 2) {
      const float sd = float(s);
      // curled horns sweeping back and down, ears out to the side
      im.toon(unite(capsule2(HX + sd * 3, 5, 2.2f, HX + sd * 8, 3.5f, 1.8f),
                    capsule2(HX + sd * 8, 3.5f, 1.8f, HX + sd * 9, 8.5f, 1.3f)),
              hex(0xc89a30), 1);
      im.toon(ellipse(HX + sd * 7.8f, 11, 2.6f, 1.3f), b.skin, 1);
    }
    im.toon(unite(ellipse(HX, 10, 5.6f, 5.4f), ellipse(HX, 14, 3.8f, 3.6f)), b.skin, 1);
    im.toon(ellipse(HX, 18.5f, 1.6f, 2.4f), hex(0xe8e0d0), 1);
    px(im, 10, 15, ink), px(im, 12, 15, ink);
  } else if (who == "garaga.bmp") {
    im.toon(unite(ellipse(HX, 9.5f, 7, 6), ellipse(HX, 14, 3.6f, 3.2f)), b.skin, 1);
  } else {
    head(im, b);
  }
  if (who != "goat.bmp") mouth(im, b);
  hair_front(im, b);
  eyes(im, b);  // over the fringe, so that brows show
  if (b.item) b.item(im, b);
  glint(im);
}

std::vector<std::string> face_seal_people() {
  std::vector<std::string> v;
  for (auto& [who, b] : busts()) v.push_back(who);
  return v;
}

}  // namespace ag
