// Backgrounds (the scene in the top-left 195 x 130, shown doubled), the shop front parts, the
// button plate, the seal box, the chain pictures and the empty picture. What the game shows at
// its own size beside the doubled backgrounds (the counter, the plates, the seal box's frame)
// is laid out at full size and drawn at half, so that every pixel on the screen is one size.
// Pictures with lettering take the language to write it in.
#include <cmath>

#include "palette.h"
#include "pics.h"

namespace ag {

namespace {

constexpr int SW = 195, SH = 130;

// The lettering of a picture in its language: the Japanese original, or English for cg/en.
const char* say(bool en, const char* ja, const char* english) {
  return en ? english : ja;
}

// A papered wall: a flat ground, soft stripes and a sprinkle of hearts, left plain where `calm`
// says (where the status panel writes over the shop).
void wallpaper(Img& im, Col ground, Col dot, int y1, const Sdf& calm = nullptr) {
  im.limit(0, 0, im.w, int(float(y1) * im.unit));
  im.fill(box(0, 0, float(im.w) / im.unit, float(y1)), ground);
  const Sdf keep = calm ? calm : Sdf([](float, float) { return 1.0f; });
  for (int x = 0; x < 195; x += 12)
    im.fill(minus(box(float(x), 0, float(x) + 5, float(y1)), keep), lighten(ground, 0.35f), 0.5f);
  for (int y = 6; y < y1; y += 12)
    for (int x = (y / 12) % 2 * 6 + 3; x < 195; x += 12)
      if (keep(float(x), float(y)) > 2) im.fill(heart(float(x), float(y), 1.8f), dot, 0.5f);
  im.unlimit();
}

// Little goods on a shelf: jars, boxes, dolls, in a row, no two alike: each thing's kind,
// width, height, colour and lid are drawn from the row's own seed, and now and then one leans.
void shelf_goods(Img& im, float x0, float x1, float y, std::uint32_t seed) {
  Rng r(seed);
  const Col cols[] = {pal::pink,  pal::mint, pal::sky,  pal::lemon,   pal::lilac,
                      pal::peach, pal::rose, pal::gold, hex(0x7ccf86)};
  const Col lids[] = {pal::cream, pal::wood, pal::rose, pal::white};
  float x = x0 + 1 + r.range(0, 2);
  while (x < x1 - 6) {
    int kind = r.below(6);
    Col c = cols[r.below(9)];
    float w = 4 + float(r.below(5));
    float h = 6 + float(r.below(5));
    float lean = r.below(6) == 0 ? r.range(-12, 12) : 0;
    const float cx = x + w / 2;
    switch (kind) {
      case 0:  // a jar with a lid
        im.toon(rotated(box(x, y - h, x + w, y, 1), cx, y, lean), c, 0.8f);
        im.fill(rotated(box(x + 0.5f, y - h - 1.5f, x + w - 0.5f, y - h + 0.5f, 0.5f), cx, y, lean),
                lids[r.below(4)]);
        break;
      case 1:  // a ribboned box
        im.toon(box(x, y - h + 1, x + w, y, 0.5f), c, 0.8f);
        im.line(cx, y - h + 1, cx, y, 0.8f, pal::white);
        break;
      case 2:  // a little doll
        im.toon(circle(cx, y - 6.5f, 2.6f), pal::cream, 0.7f);
        im.toon(ellipse(cx, y - 2.2f, 2.8f, 2.2f), c, 0.7f);
        break;
      case 3:  // a round pot
        im.toon(ellipse(cx, y - h / 2 + 1, w / 2, h / 2 - 1), c, 0.8f);
        break;
      case 4:  // a bottle
        im.toon(rotated(unite(box(x + 0.5f, y - h + 2, x + w - 0.5f, y, 1),
                              box(cx - 1, y - h - 1, cx + 1, y - h + 2)),
                        cx, y, lean),
                c, 0.8f);
        break;
      default:  // a book standing up
        im.toon(box(x, y - h - 1, x + w - 1, y, 0.5f), c, 0.8f);
        im.fill(box(x + 1, y - h + 1, x + w - 2, y - h + 2), pal::white, 0.7f);
        break;
    }
    x += w + 1.5f + float(r.below(4));
    if (r.below(7) == 0) x += 3;  // a gap where something has been sold
  }
}

void shelf(Img& im, float x0, float x1, float y, std::uint32_t seed) {
  shelf_goods(im, x0, x1, y, seed);
  im.toon(box(x0, y, x1, y + 3, 0.5f), pal::wood, 0.8f);
}

void bunting(Img& im, float x0, float x1, float y, float sag) {
  const Col cols[] = {pal::pink, pal::lemon, pal::mint, pal::sky, pal::lilac};
  int n = int((x1 - x0) / 9);
  for (int i = 0; i <= n; i++) {
    float t = float(i) / float(n);
    float x = x0 + (x1 - x0) * t, yy = y + sag * 4 * t * (1 - t);
    if (i < n) {
      float xn = x0 + (x1 - x0) * (t + 1.0f / float(n)),
            yn = y + sag * 4 * (t + 1.0f / float(n)) * (1 - t - 1.0f / float(n));
      im.line(x, yy, xn, yn, 0.7f, pal::ink);
      float mx = (x + xn) / 2, my = (yy + yn) / 2;
      im.toon(polygon({{mx - 3.5f, my}, {mx + 3.5f, my}, {mx, my + 6}}), cols[i % 5], 0.6f);
    }
  }
}

// The shop inside, seen from the counter. The status panel writes over the top left (the day,
// the hours, the gauges, the shop's name) and down the right (the takings, the quota, the
// satisfaction, the level, the money), so those parts of the wall are kept plain: the shelves
// stand below the left texts and under a plain cupboard on the right.
void shop_inside(Img& im, bool evening) {
  const Col wall = evening ? hex(0xf4c4d6) : hex(0xffe2ec);
  const Sdf calm = unite(box(-1, -1, 60, 46), box(118, 10, 196, 66));
  wallpaper(im, wall, evening ? hex(0xf0a0b0) : hex(0xffb0c8), SH, calm);
  // the floor at the back
  im.fill(box(0, 96, SW, SH), evening ? hex(0xd0a880) : hex(0xe8c8a8));
  im.fill(box(0, 95, SW, 97), pal::wood_dark);
  // a window at the back, behind the customer, with the sky in it
  im.toon(box(62, 10, 133, 58, 3), pal::cream, 1.2f);
  im.gradient(box(66, 14, 129, 54, 2), evening ? vgrad(14, hex(0xffb07a), 54, hex(0xb890d8))
                                               : vgrad(14, hex(0xaed8f5), 54, hex(0xf2eaf0)));
  if (!evening) {
    im.fill(ellipse(82, 30, 9, 4), pal::white);
    im.fill(ellipse(90, 28, 7, 4), pal::white);
    im.fill(ellipse(114, 40, 8, 3), pal::white);
  } else {
    im.toon(circle(112, 44, 7), hex(0xffe0a0), 0);
  }
  im.line(97.5f, 14, 97.5f, 54, 2, pal::cream);
  im.line(66, 34, 129, 34, 2, pal::cream);
  // curtains
  for (int side = 0; side < 2; side++) {
    float x = side ? 133 : 62, dir = side ? -1.0f : 1.0f;
    im.toon(polygon({{x - dir * 4, 6},
                     {x + dir * 12, 6},
                     {x + dir * 5, 30},
                     {x + dir * 8, 62},
                     {x - dir * 4, 62}}),
            pal::rose, 1);
    im.toon(circle(x + dir * 4, 31, 2), pal::gold, 0.8f);
  }
  im.toon(box(56, 4, 139, 9, 2), pal::wood, 1);
  bunting(im, 66, 129, 10, 5);
  // the left wall: two shelves under the plain top corner
  for (int i = 0; i < 2; i++) shelf(im, 4, 54, 68.0f + 22.0f * float(i), 11u + unsigned(i));
  // the right wall: a plain cupboard, its open shelves below the panel's texts
  im.toon(box(142, 12, 192, 96, 2), pal::wood, 1);
  im.toon(box(145, 15, 166, 64, 1), hex(0xe8c090), 1);
  im.toon(box(168, 15, 189, 64, 1), hex(0xe8c090), 1);
  im.toon(circle(163, 40, 1.2f), pal::gold, 0.8f);
  im.toon(circle(171, 40, 1.2f), pal::gold, 0.8f);
  im.fill(box(145, 67, 189, 93), pal::wood_dark);
  shelf(im, 145, 189, 80, 21);
  shelf(im, 145, 189, 93, 22);
  // one lamp over the window
  im.line(97.5f, 0, 97.5f, 3, 0.7f, pal::ink);
  if (evening) im.fill(box(0, 0, SW, SH), hex(0xff9060), 0.08f);
}

void stars(Img& im, int n, std::uint32_t seed, float y1) {
  Rng r(seed);
  for (int i = 0; i < n; i++) {
    float x = r.range(0, float(im.w) / im.unit), y = r.range(0, y1);
    float s = r.range(0.5f, 1.6f);
    if (r.below(4) == 0)
      im.glint(x, y, s * 1.8f, hex(0xfff8d0), 0.9f);
    else
      im.fill(circle(x, y, s * 0.6f), hex(0xfff8e0), 0.8f);
  }
}

void night_sky(Img& im, int moon) {
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0x1c1a48), SH, hex(0x4a3a78)));
  stars(im, 60, 7u + unsigned(moon), 80);
  if (moon == 1) {
    im.fill(circle(150, 28, 14), hex(0xfff6c0), 0.25f, 8);
    im.toon(minus(circle(150, 28, 11), circle(155, 24, 10)), hex(0xfff2a8), 1, hex(0x2a2050));
  } else if (moon >= 2) {
    im.fill(circle(140, 34, 30), hex(0xfff6c0), 0.25f, 16);
    im.toon(circle(140, 34, 19), hex(0xfff4b8), 1, hex(0x2a2050));
    im.fill(circle(134, 30, 3), hex(0xf0dc98), 0.7f);
    im.fill(circle(146, 40, 4), hex(0xf0dc98), 0.6f);
    im.fill(circle(143, 26, 2), hex(0xf0dc98), 0.6f);
  }
  // hills and the little town
  im.fill(ellipse(50, 138, 110, 40), hex(0x2a2a58));
  im.fill(ellipse(170, 140, 90, 34), hex(0x322e62));
  Rng r(3);
  for (int i = 0; i < 7; i++) {
    float x = 12 + float(i) * 26 + r.range(-4, 4), y = 104 + r.range(-4, 6);
    im.fill(box(x, y, x + 14, y + 20), hex(0x3a3470));
    im.fill(polygon({{x - 2, y}, {x + 16, y}, {x + 7, y - 8}}), hex(0x3a3470));
    if (r.below(3)) im.fill(box(x + 4, y + 5, x + 8, y + 9), hex(0xffe08a), 0.9f);
  }
  if (moon == 3) {
    // the wolf sitting on a crag, head thrown back, howling at the full moon: ears pricked, the
    // muzzle open, a ruff at the throat, front legs straight, the tail curled along the rock;
    // the moon lights its upper right edges
    im.fill(
        polygon(
            {{0, 130}, {0, 100}, {20, 96}, {45, 93}, {70, 95}, {88, 99}, {98, 108}, {104, 130}}),
        hex(0x1c1a3c));
    const Sdf wolf = unite(
        {capsule2(56, 91, 3.5f, 42, 93.5f, 2.4f), capsule2(42, 93.5f, 2.4f, 34, 90, 1.2f),
         ellipse(60, 85, 9.5f, 9),
         polygon({{52, 92},
                  {51, 80},
                  {56, 70},
                  {63, 62},
                  {70, 56},
                  {76, 53},
                  {80, 60},
                  {78, 70},
                  {75, 80},
                  {70, 92}}),
         polygon({{72, 55}, {80, 48}, {85, 55}, {82, 64}, {78, 72}, {74, 74}}),
         rotated(ellipse(80, 47, 5.5f, 4.6f), 80, 47, -35), capsule2(83, 44, 2.6f, 93, 38, 1.1f),
         capsule2(83, 48, 1.6f, 90, 44.5f, 0.8f), polygon({{75.5f, 45}, {73.5f, 35}, {79, 42}}),
         polygon({{78.5f, 43.5f}, {79, 34.5f}, {82.5f, 41.5f}}),
         polygon({{82, 56}, {87, 59}, {82.5f, 61}, {86, 64}, {80, 66}}),
         capsule(76, 68, 76, 93, 2.1f), capsule(72, 70, 71, 93, 1.9f),
         ellipse(77.5f, 93.5f, 3, 1.3f), ellipse(72, 93.5f, 2.8f, 1.2f)});
    im.fill(wolf, hex(0x14122c));
    im.fill(inter(wolf, minus(wolf, moved(wolf, -1.2f, 1.2f))), hex(0x5a4a8a));
  }
}

void morning(Img& im, int what, bool en = false) {
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0xffd8a8), 90, hex(0xfff4d8)));
  im.fill(circle(150, 60, 26), hex(0xfff0b0), 0.5f, 14);
  im.toon(circle(150, 60, 14), hex(0xffcc70), 1, hex(0xd08040));
  im.fill(ellipse(40, 30, 18, 6), pal::white, 0.8f);
  im.fill(ellipse(55, 27, 12, 5), pal::white, 0.8f);
  im.fill(ellipse(100, 138, 140, 50), hex(0xa8dc98));
  im.fill(ellipse(40, 140, 70, 44), hex(0x94d088));
  // a fence
  for (int i = 0; i < 12; i++) {
    float x = 4 + float(i) * 17;
    im.toon(polygon({{x, 112}, {x, 88}, {x + 3, 84}, {x + 6, 88}, {x + 6, 112}}), pal::cream, 0.8f);
  }
  im.toon(box(0, 92, SW, 96), pal::cream, 0.8f);
  im.toon(box(0, 104, SW, 108), pal::cream, 0.8f);
  if (what == 0 || what == 2 || what == 3) {
    // the rooster (or the hen)
    bool hen = what != 0;
    float cx = 70, cy = 80;
    im.toon(ellipse(cx, cy, 14, 11), pal::white, 1);
    im.toon(polygon({{cx + 10, cy - 4}, {cx + 22, cy - 16}, {cx + 20, cy + 2}}), pal::white, 1);
    if (!hen) {
      // the rooster's blue tail feathers, arching up behind him
      im.toon(polygon({{cx + 12, cy - 2},
                       {cx + 20, cy - 20},
                       {cx + 25, cy - 8},
                       {cx + 30, cy - 14},
                       {cx + 26, cy + 4}}),
              hex(0x7a9ad8), 1);
    }
    im.toon(circle(cx - 10, cy - 14, 7), pal::white, 1);
    im.toon(unite({circle(cx - 12, cy - 22, 2.5f), circle(cx - 9, cy - 23, 2.5f),
                   circle(cx - 6, cy - 21, 2.2f)}),
            pal::red, 0.8f);
    im.toon(polygon({{cx - 17, cy - 15}, {cx - 22, cy - 13}, {cx - 17, cy - 11}}), pal::gold, 0.8f);
    im.toon(ellipse(cx - 15, cy - 8, 1.6f, 2.6f), pal::red, 0.6f);
    im.fill(circle(cx - 11, cy - 15, 1.2f), pal::ink);
    im.line(cx - 4, cy + 10, cx - 5, cy + 20, 1.4f, hex(0xe0a040));
    im.line(cx + 4, cy + 10, cx + 5, cy + 20, 1.4f, hex(0xe0a040));
    if (what >= 2) {
      Col egg = what == 3 ? pal::gold : hex(0xfff8ec);
      im.toon(ellipse(cx + 26, cy + 14, 6, 8), egg, 1);
      im.gloss(cx + 24, cy + 10, 1.8f, 2.6f, 0.8f);
      if (what == 3) {
        im.glint(cx + 34, cy + 4, 4, pal::white);
        im.glint(cx + 18, cy + 8, 3, pal::white);
      }
    }
  }
  if (what == 1) {
    // a chick
    float cx = 96, cy = 92;
    im.toon(ellipse(cx, cy, 11, 10), hex(0xfff080), 1);
    im.toon(circle(cx, cy - 12, 8), hex(0xfff080), 1);
    im.fill(circle(cx - 3, cy - 13, 1.3f), pal::ink);
    im.fill(circle(cx + 3, cy - 13, 1.3f), pal::ink);
    im.toon(polygon({{cx - 2, cy - 10}, {cx + 2, cy - 10}, {cx, cy - 7}}), hex(0xffa040), 0.6f);
    im.fill(ellipse(cx - 6, cy - 10, 2, 1.2f), pal::pink, 0.7f);
    im.fill(ellipse(cx + 6, cy - 10, 2, 1.2f), pal::pink, 0.7f);
    im.toon(ellipse(cx + 9, cy, 4, 6), hex(0xffe860), 0.8f);
    im.glint(cx + 18, cy - 22, 4, pal::white);
  }
  if (what == 4) {
    // the milkman's bottles at the door
    im.toon(box(110, 40, 160, 112, 2), pal::wood, 1.2f);
    im.toon(box(116, 48, 154, 72, 1), hex(0xd8f0ff), 1);
    for (int i = 0; i < 3; i++) {
      float x = 70 + float(i) * 12;
      im.toon(unite(box(x - 4, 96, x + 4, 112, 2), box(x - 2, 88, x + 2, 97, 1)), pal::white, 1);
      im.fill(box(x - 2, 86, x + 2, 89), i == 1 ? pal::pink : pal::sky);
      im.fill(box(x - 3, 100, x + 3, 106), hex(0x90c8f0));
    }
    draw_text(im, say(en, "ミルク", "MILK"), 82, 78, 7, pal::ink, true);
  }
}

void interior_night(Img& im, bool thief) {
  shop_inside(im, false);
  im.fill(box(0, 0, SW, SH), hex(0x141040), 0.72f);
  im.fill(ellipse(97, 34, 30, 22), hex(0x9090ff), 0.15f, 10);
  if (thief) {
    // a masked burglar with a sack, in the dark
    float cx = 97, cy = 78;
    im.toon(ellipse(cx, cy + 26, 22, 30), hex(0x3a3a50), 1, hex(0x101020));
    im.toon(circle(cx, cy - 4, 14), hex(0xf0d0b8), 1, hex(0x101020));
    im.fill(box(cx - 15, cy - 9, cx + 15, cy - 2), hex(0x303040));
    im.fill(circle(cx - 5, cy - 5.5f, 1.8f), pal::white);
    im.fill(circle(cx + 5, cy - 5.5f, 1.8f), pal::white);
    im.toon(inter(circle(cx, cy - 6, 15), box(cx - 16, cy - 22, cx + 16, cy - 10)), hex(0x404058),
            1, hex(0x101020));
    im.fill(ellipse(cx, cy + 4, 7, 3), hex(0x80808c), 0.6f);  // stubble
    im.toon(ellipse(cx + 28, cy + 8, 14, 16), hex(0xc8b088), 1, hex(0x101020));
    im.fill(circle(cx + 28, cy + 8, 4), pal::white, 0.3f);
    draw_text(im, "￥", cx + 28, cy + 9, 8, hex(0x705020), true);
  }
}

void person_on(Img& im, const std::string& who, float x, float y) {
  Img p(60, 75);
  draw_person(p, who);
  im.paste(p, x, y);
  // the counter in front of them
  im.toon(box(-4, 98, 199, 134, 2), hex(0xf3c9a0), 1.2f);
  im.fill(box(0, 104, SW, SH), hex(0xffe6d4));
  Rng r(17);
  const Col hearts[] = {pal::pink, pal::sky, pal::rose, pal::lilac, pal::mint};
  for (int i = 0; i < 5; i++) {
    const float x = 20.0f + float(i) * 39 + r.range(-4, 4), y = 117 + r.range(-2, 2);
    im.toon(rotated(heart(x, y, r.range(4, 6)), x, y, r.range(-12, 12)), hearts[r.below(5)], 0.8f);
  }
}

void letter(Img& im, bool en) {
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0xe8d8f8), SH, hex(0xf8e0ec)));
  for (int i = 0; i < 14; i++)
    im.fill(heart(float(8 + (i * 37) % 190), float(8 + (i * 53) % 124), 3), pal::pink, 0.5f);
  im.toon(rotated(box(30, 6, 166, 124, 2), 97, 65, -2), hex(0xfffaf0), 1);
  im.limit(30, 6, 166, 124);
  for (int i = 0; i < 9; i++)
    im.line(40, 28.0f + 10.5f * float(i), 156, 28.0f + 10.5f * float(i), 0.6f, hex(0xc8b0d0), 0.8f);
  im.unlimit();
  draw_text(im, say(en, "シールをあつめた あなたへ", "To the seal collector"), 97, 20, 7,
            hex(0x803060), true);
  const char* ja[] = {"すべてのシールを あつめて",
                      "くれて ありがとう。",
                      "あなたの つつんだ しなものは",
                      "まちの みんなの たからもの。",
                      "これからも すてきな シールを",
                      "たくさん はってね。",
                      "",
                      "シール王より"};
  const char* english[] = {"Thank you for gathering",
                           "all of the seals.",
                           "The presents you wrapped",
                           "are the whole town's treasure.",
                           "Keep on sticking lovely",
                           "seals on them, won't you?",
                           "",
                           "The Seal King"};
  for (int i = 0; i < 8; i++)
    draw_text(im, en ? english[i] : ja[i], i == 7 ? 118 : 97, 33.0f + 10.5f * float(i), 7, pal::ink,
              false);
  // the royal seal beside the signature
  im.toon(star(152, 106, 8, 3.8f, 5), pal::gold, 1);
  im.toon(circle(152, 106.5f, 2.6f), pal::red, 0.7f);
}

void blackboard(Img& im) {
  // the ten-day chart is drawn over it between x 50..360 and y 20..240 (doubled): the board
  // reaches the bottom edge so the chart's zero line lies on it
  shop_inside(im, true);
  im.fill(box(0, 0, SW, SH), hex(0x201818), 0.3f);
  im.toon(box(3, 3, 192, 134, 3), pal::wood_dark, 1.2f);
  const Col board = hex(0x2e5844), chalk = hex(0x4a7a62);
  im.fill(box(8, 8, 187, 134, 1), board);
  // faint chalk rules every ten percent and every day (dotted, as chalk wiped half away), a
  // smudge where something was written and rubbed out
  for (int i = 0; i < 11; i++)
    for (int x = 22; x < 182; x += 3) im.blend(x, 120 - i * 10, chalk, 1);
  for (int k = 0; k < 10; k++)
    for (int y = 12; y < 122; y += 3) im.blend(35 + k * 15, y, chalk, 1);
  im.toon(box(150, 124, 160, 127, 1), pal::white, 0.6f);
  im.toon(box(166, 124, 174, 127, 1), pal::pink, 0.6f);
  im.line(12, 12, 30, 16, 1.5f, chalk);
}

void door(Img& im) {
  wallpaper(im, hex(0xffe2ec), hex(0xffb0c8), SH);
  im.fill(box(0, 112, SW, SH), hex(0xd8b090));
  im.toon(box(52, 6, 143, 122, 3), hex(0xf0c8a0), 1.4f);
  im.toon(box(58, 12, 137, 122, 2), pal::wood, 1.2f);
  im.toon(box(66, 20, 129, 56, 3), hex(0xcfeeff), 1);
  im.line(97.5f, 20, 97.5f, 56, 1.6f, pal::wood);
  im.toon(box(66, 66, 129, 112, 2), hex(0xe8b888), 1);
  im.toon(heart(97, 88, 8), pal::pink, 1);
  im.toon(circle(127, 72, 3.5f), pal::gold, 1);
  // a sign on the door
  im.line(84, 56, 97, 46, 0.8f, pal::ink);
  im.line(110, 56, 97, 46, 0.8f, pal::ink);
  im.toon(box(78, 56, 116, 66, 2), pal::cream, 1);
  draw_text(im, "CLOSED", 97, 61, 6, pal::rose, true);
  im.toon(circle(97, 46, 1.5f), pal::gold, 0.6f);
}

void title_scene(Img& im, bool en) {
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0xaed8f5), 118, hex(0xfff4f6)));
  im.fill(ellipse(30, 20, 18, 6), pal::white);
  im.fill(ellipse(45, 17, 12, 5), pal::white);
  im.fill(ellipse(165, 28, 16, 5), pal::white);
  // the shop building
  im.toon(box(36, 34, 159, 118, 2), hex(0xfff2e6), 1.2f);
  // the awning
  for (int i = 0; i < 8; i++) {
    float x = 32 + float(i) * 16.4f;
    im.toon(unite(box(x, 40, x + 16.4f, 52), circle(x + 8.2f, 52, 8.2f)),
            i % 2 ? pal::white : pal::rose, 1);
  }
  im.toon(box(30, 36, 165, 42, 2), pal::rose, 1);
  // sign board with the name
  im.toon(box(50, 12, 145, 34, 5), pal::cream, 1.3f);
  im.fill(box(53, 15, 142, 31, 4), hex(0xffe2ec));
  draw_text(im, say(en, "フロリネット", "Florinet"), 97.5f, 23.5f, 11, pal::rose, true, 1.2f,
            pal::white);
  im.glint(56, 15, 4, pal::white);
  im.glint(141, 30, 3, pal::white);
  // windows and door
  im.toon(box(44, 66, 84, 104, 2), hex(0xd8f0ff), 1);
  im.toon(box(111, 66, 151, 104, 2), hex(0xd8f0ff), 1);
  shelf_goods(im, 46, 82, 84, 5);
  shelf_goods(im, 46, 82, 102, 6);
  shelf_goods(im, 113, 149, 84, 7);
  shelf_goods(im, 113, 149, 102, 8);
  im.toon(box(87, 62, 108, 118, 2), pal::wood, 1);
  im.toon(heart(97.5f, 76, 4), pal::pink, 0.8f);
  im.toon(circle(104, 92, 1.6f), pal::gold, 0.6f);
  // flower boxes, the flowers as they grew: no two the same size, colour or place
  im.fill(box(0, 118, SW, SH), hex(0xc8e8b0));
  Rng r(31);
  const Col petals[] = {pal::pink, pal::lemon, pal::lilac, pal::rose, pal::white, pal::sky};
  for (float x = 4 + r.range(0, 4); x < SW - 2; x += 13 + r.range(0, 12)) {
    const float y = 121 + r.range(-2, 2), size = r.range(3, 5);
    im.line(x, y + 2, x + r.range(-1.5f, 1.5f), 130, 1, hex(0x3f9a5a));
    if (r.below(2)) im.toon(ellipse(x + 3, y + 5, 2.2f, 1.2f), pal::green, 0.6f);
    draw_flower(im, x, y, size, petals[r.below(6)], 4 + r.below(3));
  }
  for (int i = 0; i < 8; i++)
    im.glint(float(10 + (i * 47) % 180), float(6 + (i * 29) % 28), 2.5f, pal::white, 0.9f);
}

void login_scene(Img& im, bool en) {
  // the menu room at dusk: deep plum walls with a few dim hearts and stars, the shop's ribbon and
  // a pile of wrapped presents; the day's totals are written over it in white, so the places
  // they take (the top left, and the middle just below the centre) stay dark and plain
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0x2c2040), SH, hex(0x4a3468)));
  const Sdf text_places = unite(box(0, 0, 60, 10), box(50, 78, 146, 100));
  Rng r(12);
  for (int i = 0; i < 30; i++) {
    const float x = r.range(0, SW), y = r.range(0, 116);
    if (text_places(x, y) < 4) continue;
    if (i % 3 == 0)
      im.fill(heart(x, y, 2.4f), hex(0x8a4a7a));
    else if (i % 3 == 1)
      im.glint(x, y, 2, hex(0xc8a050));
    else
      im.fill(circle(x, y, 1), hex(0x6a5a9a));
  }
  // title ribbon
  im.toon(polygon({{10, 14}, {22, 20}, {10, 26}, {26, 26}, {26, 14}}), pal::rose, 1);
  im.toon(polygon({{116, 14}, {104, 20}, {116, 26}, {100, 26}, {100, 14}}), pal::rose, 1);
  im.toon(box(20, 10, 106, 24, 3), pal::pink, 1.2f);
  draw_text(im, say(en, "フロリネット", "Florinet"), 63, 17, 9, pal::white, true, 1.0f, pal::rose);
  // a pile of presents on the left
  auto present = [&](float x, float y, float w, float h, Col c, Col rib) {
    im.toon(box(x, y, x + w, y + h, 1.5f), c, 1);
    im.fill(box(x + w / 2 - 1.5f, y, x + w / 2 + 1.5f, y + h), rib);
    im.fill(box(x, y + h / 2 - 1.5f, x + w, y + h / 2 + 1.5f), rib, 0.9f);
    im.toon(unite(ellipse(x + w / 2 - 4, y - 2, 4, 2.5f), ellipse(x + w / 2 + 4, y - 2, 4, 2.5f)),
            rib, 0.8f);
  };
  present(8, 94, 30, 24, pal::sky, pal::rose);
  present(22, 74, 20, 17, pal::mint, pal::gold);
  present(150, 98, 26, 20, pal::lemon, pal::lilac);
  present(174, 106, 18, 12, pal::lilac, pal::pink);
  im.fill(box(0, 118, SW, SH), hex(0x3e2c52));
  im.fill(box(0, 118, SW, 119), hex(0x6a4a88));
}

void about_scene(Img& im, bool en) {
  login_scene(im, en);
  // a wrapping counter with ribbon and scissors, lit on the dusky wall
  im.toon(box(110, 40, 180, 90, 3), pal::cream, 1.2f);
  im.toon(box(118, 50, 150, 80, 2), pal::pink, 1);
  im.fill(box(132, 50, 136, 80), pal::white);
  im.toon(unite(ellipse(128, 48, 6, 3.5f), ellipse(140, 48, 6, 3.5f)), pal::white, 0.8f);
  im.toon(capsule(156, 60, 172, 80, 1.5f), pal::grey, 0.8f);
  im.toon(capsule(172, 60, 156, 80, 1.5f), pal::grey, 0.8f);
  im.toon(ring(circle(155, 58, 3), 1), pal::rose, 0.6f);
  im.toon(ring(circle(173, 58, 3), 1), pal::rose, 0.6f);
}

void clear_scene(Img& im, bool en) {
  im.gradient(box(0, 0, SW, SH), vgrad(0, hex(0xfff0a8), SH, hex(0xffc8e0)));
  for (int i = 0; i < 12; i++) {
    float a = float(i) * 30 * 3.14159f / 180;
    im.fill(polygon({{97, 60},
                     {97 + std::cos(a) * 160, 60 + std::sin(a) * 160},
                     {97 + std::cos(a + 0.2f) * 160, 60 + std::sin(a + 0.2f) * 160}}),
            pal::white, 0.35f);
  }
  Rng r(77);
  const Col cols[] = {pal::rose, pal::sky, pal::mint, pal::lilac, pal::gold};
  for (int i = 0; i < 50; i++) {
    float x = r.range(0, 195), y = r.range(0, 130);
    im.fill(rotated(box(x - 2, y - 1, x + 2, y + 1), x, y, r.range(0, 180)), cols[i % 5], 0.9f);
  }
  im.toon(heart(97, 62, 30), pal::pink, 1.5f);
  draw_text(im, say(en, "クリア", "CLEAR!"), 97, 58, 14, pal::white, true, 1.5f, pal::rose);
  draw_text(im, say(en, "ありがとう!", "Thank you!"), 97, 112, 9, pal::rose, true, 1.0f,
            pal::white);
}

void shop_outside(Img& im, bool en) {
  title_scene(im, en);
  im.fill(box(0, 0, SW, SH), hex(0xffffff), 0.15f);
}

void dark_title(Img& im) {
  im.gradient(box(0, 0, 390, 260), vgrad(0, hex(0x2a1e3e), 260, hex(0x4a2e52)));
  stars(im, 90, 99, float(im.h));
  for (int i = 0; i < 16; i++)
    im.fill(heart(float((i * 53) % 390), float((i * 71) % 260), 4), hex(0xff90c0), 0.18f);
}

// ---- shop front parts ----
// All three are drawn at half size and doubled (see add_scene_pictures); their layouts are in the
// screen's pixels.
void counter_front(Img& im) {
  // 390 x 120 at (0, 140): the counter top, a plain valance (the goods' card is written over
  // it) and five drawers below, each heart its own size, colour and place
  im.fill(box(0, 0, 390, 120), hex(0xf0c8a0));
  im.toon(box(-4, 0, 394, 12, 2), hex(0xf3c9a0), 1);
  im.fill(box(0, 2, 390, 4), hex(0xfff4e0));
  std::vector<V2> edge{{-2, 12}, {392, 12}};
  for (int i = 20; i >= 0; i--) {
    const float x = float(i) * 19.5f;
    edge.push_back({x + 9.75f, 26});
    edge.push_back({x, 22});
  }
  im.toon(polygon(edge), hex(0xffe2ec), 1);
  Rng r(9);
  const Col hearts[] = {pal::pink, pal::sky, pal::rose, pal::lilac, pal::mint};
  for (int i = 0; i < 5; i++) {
    const float x = 14 + float(i) * 76;
    im.toon(box(x, 50, x + 62, 112, 4), hex(0xffe6d4), 1);
    im.fill(box(x + 4, 54, x + 58, 108, 3), hex(0xfff4ec));
    im.toon(capsule(x + 24, 59, x + 38, 59, 2), pal::gold, 1);  // the drawer's pull
    const float size = r.range(10, 14), hx = x + 31 + r.range(-5, 5), hy = 84 + r.range(-4, 5);
    im.toon(rotated(heart(hx, hy, size), hx, hy, r.range(-12, 12)), hearts[r.below(5)], 1);
    if (r.below(3) == 0) im.toon(heart(hx + size + 3, hy - size + 1, 5), hearts[r.below(5)], 1);
  }
  im.fill(box(0, 114, 390, 120), pal::wood_dark);
}

void counter_left(Img& im) {
  // 130 x 58 at (0, 90): the register, a candy jar and a little plant on the counter
  float base = 54;
  // register
  im.toon(polygon({{8, base}, {62, base}, {58, base - 24}, {12, base - 24}}), hex(0xb8d8f0), 1);
  im.toon(box(16, base - 36, 54, base - 22, 2), hex(0xd8ecff), 1);
  im.fill(box(20, base - 33, 50, base - 25, 1), hex(0x90e0a8));
  pixel_text(im, "1280", 35, base - 29, hex(0x206040), 1);
  for (int r = 0; r < 2; r++)
    for (int c = 0; c < 5; c++)
      im.toon(box(16.0f + float(c) * 8.4f, base - 19.0f + float(r) * 7, 22.0f + float(c) * 8.4f,
                  base - 14.0f + float(r) * 7, 1),
              c == 4 ? pal::pink : pal::white, 1);
  // candy jar
  im.toon(unite(box(70, base - 28, 94, base, 5), box(74, base - 33, 90, base - 27, 1.5f)),
          hex(0xeaf6ff), 1);
  Rng r(5);
  const Col cc[] = {pal::rose, pal::lemon, pal::mint, pal::sky, pal::lilac};
  for (int i = 0; i < 10; i++)
    im.toon(circle(75 + r.range(0, 14), base - 5 - r.range(0, 16), 2.6f), cc[i % 5], 1);
  im.toon(box(73, base - 36, 91, base - 32, 1.5f), pal::pink, 1);
  // little plant
  im.toon(polygon({{100, base}, {118, base}, {120, base - 14}, {98, base - 14}}), hex(0xffb890), 1);
  for (int i = 0; i < 5; i++) {
    float a = (-150.0f + float(i) * 30.0f) * 3.14159f / 180;
    im.toon(ellipse(109 + std::cos(a) * 8, base - 18 + std::sin(a) * 8, 4, 2.4f), pal::green, 1);
  }
  draw_flower(im, 109, base - 24, 4, pal::pink);
}

void counter_right(Img& im) {
  // 130 x 150 at (260, 0): the status panel writes its takings, satisfaction and money down the
  // right from y 29 and the goods' card below y 135, so this part keeps to the edges: a narrow
  // plain drape at the right and a hanging basket of flowers above the first line
  im.toon(polygon({{130, 0}, {110, 0}, {116, 40}, {120, 70}, {116, 110}, {130, 150}}), pal::rose,
          1);
  im.toon(circle(121, 70, 4), pal::gold, 1);
  im.toon(box(96, 0, 130, 6, 2), pal::wood, 1);
  im.line(70, 0, 60, 16, 1.2f, pal::ink);
  im.line(70, 0, 80, 16, 1.2f, pal::ink);
  im.toon(polygon({{52, 16}, {88, 16}, {82, 26}, {58, 26}}), pal::wood, 1);
  draw_flower(im, 60, 14, 5, pal::pink);
  draw_flower(im, 80, 13, 5, pal::lemon);
  draw_flower(im, 70, 10, 4.5f, pal::lilac);
  for (int i = 0; i < 3; i++) im.toon(ellipse(58.0f + float(i) * 12, 27, 2, 3), pal::green, 1);
}

// ---- interface pictures ----
void button_plate(Img& im) {
  // 150 x 56, drawn at (button x - 7, top - 14): the plate lies under the 133 x 29 button. The
  // captions pulse from white to pink over it, so the plate is a deep berry with a pastel rim.
  Sdf plate = box(4, 16, 146, 42, 13);
  im.toon(plate, hex(0x7a3470), 1.4f, hex(0x3a1838));
  im.fill(grow(plate, -1), hex(0x6a2a62));
  im.fill(ring(box(6.5f, 18.5f, 143.5f, 39.5f, 10.5f), 1), hex(0xffb0d0));
  im.fill(box(14, 19, 136, 21, 1), hex(0xa04a90));
  im.toon(heart(17, 29, 5), hex(0xffc0da), 1, hex(0x3a1838));
  im.glint(136, 21, 3, pal::white, 0.9f);
}

// The item panel's buttons: plates on the panel's black, white captions in their middle (the
// panel writes them), so each plate is a deep jewel colour with a pale rim and a soft gloss.
void panel_plate(Img& im, Col top, Col bottom, Col rim) {
  const float w = float(im.w) / im.unit, h = float(im.h) / im.unit;
  Sdf plate = box(1.5f, 1.5f, w - 1.5f, h - 1.5f, 8);
  im.toon(plate, mix(top, bottom, 0.5f), 1.2f, hex(0x1a0c18));
  im.fill(box(2, h / 2, w - 2, h - 2, 6), bottom);
  im.fill(ring(box(3.5f, 3.5f, w - 3.5f, h - 3.5f, 6), 1), rim);
}

void action_plate(Img& im) {
  // 213 x 25, behind "買う", "仕入れる" and "印刷" (written at x 60..157): a berry plate with a
  // pink heart at the left end and a sparkle at the right.
  panel_plate(im, hex(0xb04888), hex(0x6c2058), hex(0xffb6d8));
  im.toon(heart(22, 13, 5.5f), hex(0xff9cc8), 1, hex(0x3a1030));
  im.toon(heart(36, 14.5f, 3.2f), hex(0xffd0e4), 0.8f, hex(0x3a1030));
  im.glint(192, 12.5f, 4.5f, hex(0xfff4c0), 0.95f);
  im.glint(181, 15.5f, 2.5f, pal::white, 0.8f);
}

void close_plate(Img& im) {
  // 105 x 25, "閉じる" written from x 36: a dusky lilac plate with a crescent moon at the left,
  // the evening's end.
  panel_plate(im, hex(0x6a5290), hex(0x3a2c5a), hex(0xd8c4ff));
  im.toon(minus(circle(20, 12.5f, 6), circle(23.5f, 10.5f, 5.2f)), hex(0xfff0a0), 0.9f,
          hex(0x201838));
  im.glint(90, 12.5f, 3, hex(0xe8dcff), 0.9f);
}

void mode_plate(Img& im) {
  // 105 x 25, "仕入れモード" or "袋チールモード" written across nearly all of it: a deep teal
  // plate with a mint rim and no ornament to crowd the caption.
  panel_plate(im, hex(0x2f8a78), hex(0x17504a), hex(0xb8f4de));
}

void coin_icon(Img& im) {
  // 20 x 20, beside the money: a gold coin with a raised rim and a shine.
  im.toon(circle(10, 10, 8.3f), pal::gold, 1.1f, hex(0x6a4810));
  im.fill(ring(circle(10, 10, 5.6f), 0.6f), hex(0xc8901c), 0.9f);
  im.fill(circle(10, 10, 5), hex(0xffe27a));
  im.fill(box(9.2f, 6.6f, 10.8f, 13.4f, 0.6f), hex(0xb07a10), 0.9f);
  im.fill(box(7.4f, 8.6f, 12.6f, 9.8f, 0.5f), hex(0xb07a10), 0.9f);
  im.glint(6.5f, 6, 2.6f, pal::white, 0.95f);
}

// 390 x 260: a seal album with a 14 x 8 grid of 25 x 30 cells from (20, 20). A seal sits in the
// top 22 pixels of its cell; the light pink name of the cell under the pointer is written just
// above the cell, on the dark band below the row before, so the album is a deep plum with light
// seal places. Behind the last two rows it turns light, where the collection view writes the
// seal's name and description in dark pink. The band above the first row carries no title: the
// names of the first row's seals are written there. The album is drawn at half size and
// doubled like the counter; the cells are drawn over it at full size, because the game's rule
// lays them out on a 25-pixel pitch that no doubled pixel grid can follow.
void seal_box_frame(Img& im) {
  im.toon(box(6, 4, 386, 258, 10), hex(0x7a4870), 1);
  im.fill(box(10, 8, 382, 254, 8), hex(0x7e4a78));
  im.toon(box(14, 199, 378, 254, 6), hex(0xfff0f6), 1);
  for (int i = 0; i < 3; i++)
    im.toon(heart(342.0f + float(i) * 14, 11, 5), i % 2 ? pal::pink : pal::sky, 1);
  for (int i = 0; i < 3; i++)
    im.toon(heart(22.0f + float(i) * 14, 11, 5), i % 2 ? pal::sky : pal::pink, 1);
}

void seal_box_cells(Img& im) {
  for (int c = 0; c < 14; c++)
    for (int r = 0; r < 8; r++) {
      float x = 20.0f + 25.0f * float(c), y = 20.0f + 30.0f * float(r);
      Sdf place = box(x + 1, y + 0.5f, x + 24, y + 23, 4);
      if (r < 6) im.fill(grow(place, 1), hex(0x4a2848));
      im.fill(place, (c + r) % 2 ? hex(0xfff6fa) : hex(0xffe6f0));
      im.fill(ring(grow(place, -1.5f), 0.5f), hex(0xf0b8d0));
    }
}

void chain_digits(Img& im, int n) {
  // 22 x 16 glowing digits on black (OR-combined onto the picture)
  std::string s = std::to_string(n);
  Col c = n >= 10  ? hex(0xff80ff)
          : n >= 8 ? hex(0xff70b0)
          : n >= 6 ? hex(0xffc040)
          : n >= 4 ? hex(0x60ff90)
                   : hex(0x60d8ff);
  draw_text(im, s, 11, 8, s.size() > 1 ? 10 : 12, c, true, 1.0f, darken(c, 0.55f));
}

void chain_word(Img& im) {
  draw_text(im, "chain", 26, 9, 12, hex(0xfff080), true, 1.0f, hex(0x806000));
}

}  // namespace

void add_scene_pictures(PicTable& t) {
  auto bg = [&](const char* name, std::function<void(Img&)> f) {
    t[name] = PicRecipe{PicKind::background, SW, SH, f};
    t[name].dither = true;
  };
  // a picture with lettering: the Japanese drawing and the English one
  auto lettered = [&](const char* name, std::function<void(Img&, bool)> f) {
    bg(name, [f](Img& im) { f(im, false); });
    t[name].draw_en = [f](Img& im) { f(im, true); };
  };
  auto half = [&](const char* name, PicKind kind, int w, int h, std::function<void(Img&)> f) {
    t[name] = PicRecipe{kind, w, h, f};
    t[name].half = true;
  };
  half("00.bmp", PicKind::background, 390, 260, dark_title);
  t["00.bmp"].dither = true;
  lettered("title.bmp", title_scene);
  lettered("login.bmp", login_scene);
  lettered("title2.bmp", about_scene);
  lettered("haikei.bmp", shop_outside);
  bg("haikei2.bmp", [](Img& im) { shop_inside(im, false); });
  bg("haikei_churu.bmp", [](Img& im) { shop_inside(im, true); });
  bg("ten.bmp", [](Img& im) {
    shop_inside(im, false);
    person_on(im, "owner", 67, 22);
  });
  bg("ran.bmp", [](Img& im) {
    shop_inside(im, true);
    person_on(im, "landlord", 67, 22);
  });
  lettered("letter.bmp", letter);
  bg("kokuban.bmp", blackboard);
  bg("door.bmp", door);
  bg("night.bmp", [](Img& im) { night_sky(im, 0); });
  bg("night2.bmp", [](Img& im) { night_sky(im, 1); });
  bg("night3.bmp", [](Img& im) { night_sky(im, 2); });
  bg("night4.bmp", [](Img& im) { night_sky(im, 3); });
  bg("yoru.bmp", [](Img& im) { interior_night(im, false); });
  bg("yoru2.bmp", [](Img& im) { interior_night(im, true); });
  bg("asa.bmp", [](Img& im) { morning(im, 0); });
  bg("asa3.bmp", [](Img& im) { morning(im, 1); });
  bg("asa2.bmp", [](Img& im) { morning(im, 2); });
  bg("asa2a.bmp", [](Img& im) { morning(im, 3); });
  lettered("milk.bmp", [](Img& im, bool en) { morning(im, 4, en); });
  lettered("clear.bmp", clear_scene);
  half("front2.bmp", PicKind::background, 390, 120, counter_front);
  half("front_mid.bmp", PicKind::masked, 130, 58, counter_left);
  half("front3.bmp", PicKind::masked, 130, 150, counter_right);
  half("box.bmp", PicKind::masked, 150, 56, button_plate);
  half("seal_box.bmp", PicKind::layer, 390, 260, seal_box_frame);
  t["seal_box.bmp"].detail = seal_box_cells;
  half("btn_action.bmp", PicKind::layer, 213, 25, action_plate);
  half("btn_close.bmp", PicKind::layer, 105, 25, close_plate);
  half("btn_mode.bmp", PicKind::layer, 105, 25, mode_plate);
  half("coin.bmp", PicKind::layer, 20, 20, coin_icon);
  // the chain counter lights up among the screen effects and the message log, which the game
  // draws at its own size: so are these
  for (int n = 2; n <= 10; n++)
    t[std::to_string(n) + "chain.bmp"] =
        PicRecipe{PicKind::glow, 22, 16, [n](Img& im) { chain_digits(im, n); }};
  t["chain.bmp"] = PicRecipe{PicKind::glow, 52, 18, chain_word};
  t["not.bmp"] = PicRecipe{PicKind::layer, 2, 2, [](Img&) {}};
}

}  // namespace ag
