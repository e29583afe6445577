// Seals: 22 x 22 stickers (round, heart, star, square, flower-cut, a cross or a sheriff's badge)
// with a white die-cut rim and a motif; the shiny ones ("キラキラ") get a gold rim and glints;
// the character seals carry the customer's own head and shoulders (pic_seal_faces.cpp). Each
// seal's ground colour, shape and motif are chosen so that no two seals look alike in the box.
#include <cmath>

#include "pics.h"

namespace ag {

using namespace pal;

namespace {

constexpr float S = 11;  // centre of a 22 x 22 seal

enum Shape { ROUND, HEART, STAR5, SQUARE, FLOWER5, SHIELD, OVAL, CROSS, BADGE };

Sdf shape_of(Shape s, float grow_by) {
  switch (s) {
    case HEART:
      return grow(heart(S, S + 0.5f, 9.2f), grow_by);
    case STAR5:
      return grow(star(S, S + 0.8f, 10.5f, 5.2f, 5), grow_by);
    case SQUARE:
      return grow(box(2, 2, 20, 20, 3.5f), grow_by);
    case FLOWER5: {
      Sdf p = circle(S, S, 5);
      for (int i = 0; i < 5; i++) {
        float a = (-90.0f + 72.0f * float(i)) * 3.14159f / 180;
        p = unite(p, circle(S + std::cos(a) * 5.4f, S + std::sin(a) * 5.4f, 4.6f));
      }
      return grow(p, grow_by);
    }
    case SHIELD:
      return grow(polygon({{3, 3}, {19, 3}, {19, 11}, {S, 20}, {3, 11}}), grow_by);
    case OVAL:
      return grow(ellipse(S, S, 10, 8), grow_by);
    case CROSS:
      return grow(unite(box(7.5f, 1, 14.5f, 21, 1.5f), box(1, 6.5f, 21, 13.5f, 1.5f)), grow_by);
    case BADGE:  // a sheriff's six-pointed star with balls on its points
    {
      Sdf p = star(S, S, 10, 6.4f, 6);
      for (int i = 0; i < 6; i++) {
        const float a = (-90.0f + 60.0f * float(i)) * 3.14159f / 180;
        p = unite(p, circle(S + std::cos(a) * 9.2f, S + std::sin(a) * 9.2f, 1.5f));
      }
      return grow(p, grow_by);
    }
    case ROUND:
    default:
      return grow(circle(S, S, 9.6f), grow_by);
  }
}

struct SealRecipe {
  Shape shape = ROUND;
  Col bg = pink;
  bool shiny = false;
  std::function<void(Img&)> motif;
  std::string face;  // a character seal: whose head and shoulders it shows
};

void sticker(Img& im, const SealRecipe& s) {
  // the die-cut rim (white, or gold on the shiny ones) in its outline, the ground lit from the
  // top left, the motif, and the shiny ones' glints
  im.toon(shape_of(s.shape, 0), s.shiny ? gold : white, 1);
  im.toon(shape_of(s.shape, -1.5f), s.bg, 0);
  if (s.motif) s.motif(im);
  if (s.shiny) {
    im.glint(4.5f, 4.5f, 3, white);
    im.glint(17.5f, 17.5f, 2, white, 0.9f);
  }
}

void note(Img& im, float x, float y, Col c) {
  im.toon(unite(ellipse(x - 2, y + 4, 2.4f, 1.8f), box(x - 0.1f, y - 5, x + 0.9f, y + 4)), c, 0.6f);
  im.toon(polygon({{x + 0.9f, y - 5}, {x + 4, y - 3}, {x + 0.9f, y - 2}}), c, 0.5f);
}

// チチール's letter, in English
std::function<void(Img&)> chi_en;

const std::map<std::string, SealRecipe>& seals() {
  static const std::map<std::string, SealRecipe> m = [] {
    std::map<std::string, SealRecipe> m;
    auto put = [&](int n, Shape sh, Col bg, bool shiny, std::function<void(Img&)> f) {
      char name[32];
      std::snprintf(name, sizeof name, "seal%02d.bmp", n);
      m[name] = SealRecipe{sh, bg, shiny, std::move(f), {}};
    };
    auto face = [&](int n, const char* who) {
      char name[32];
      std::snprintf(name, sizeof name, "seal%02d.bmp", n);
      m[name].face = who;
    };
    put(1, ROUND, lemon, false, [](Img& i) { draw_poo(i, S, S + 0.5f, 6, true); });
    put(2, HEART, red, false, [](Img& i) { i.toon(heart(S, S + 0.5f, 4.5f), white, 0.6f); });
    put(3, FLOWER5, pink, false, [](Img& i) { i.toon(circle(S, S, 3), lemon, 0.6f); });
    put(4, STAR5, lemon, false, [](Img& i) { draw_face(i, S, S + 1.5f, 4.5f, 0, 0, pink); });
    put(5, ROUND, navy, false, [](Img& i) {
      // グーグー: a face asleep in the night, snoring its Zs
      i.toon(circle(S - 1, S + 2, 6), hex(0xffe0c8), 1);
      draw_face(i, S - 1, S + 2, 6, 1, 1, pink);
      pixel_text(i, "Z", 16, 5, white, 1);
      pixel_text(i, "Z", 18.5f, 9.5f, hex(0xaed8f5), 1);
    });
    put(6, ROUND, hex(0xffe0c8), false, [](Img& i) {
      // エンエン: a face in floods of tears
      draw_face(i, S, S, 8, 2, 1, pink);
      i.toon(polygon({{6, 11}, {8, 11}, {8.5f, 19}, {5.5f, 19}}), hex(0x5a98e8), 0);
      i.toon(polygon({{14, 11}, {16, 11}, {16.5f, 19}, {13.5f, 19}}), hex(0x5a98e8), 0);
    });
    put(7, FLOWER5, hex(0xfff4fa), false, [](Img& i) { draw_face(i, S, S, 6, 0, 0, pink); });
    put(8, ROUND, mint, false, [](Img& i) {
      i.toon(circle(S, S + 1, 5.5f), lemon, 0.6f);
      draw_face(i, S, S + 1, 5, 1, 0, pink);
      i.toon(capsule(8, 5, 6, 2, 0.8f), lemon, 0.4f);
      i.toon(capsule(14, 5, 16, 2, 0.8f), lemon, 0.4f);
    });
    put(9, ROUND, green, false, [](Img& i) {
      i.toon(ellipse(5.5f, 9, 2.5f, 4), brown, 0.6f);
      i.toon(ellipse(16.5f, 9, 2.5f, 4), brown, 0.6f);
      i.toon(circle(S, 12, 6), hex(0xf4e0c0), 0.7f);
      draw_face(i, S, 11.5f, 6, 0, -1, Col{});
      i.fill(ellipse(S, 14, 1.2f, 0.9f), ink);
    });
    put(10, ROUND, lilac, false, [](Img& i) { draw_cat_face(i, S, 12.5f, 6, white); });
    put(11, ROUND, hex(0x3fb0b0), false,
        [](Img& i) { draw_bear_face(i, S, 12.5f, 6, hex(0xc08a5a), false); });
    put(12, ROUND, pink, true, [](Img& i) { draw_poo(i, S, S + 0.5f, 6, true); });
    put(13, SQUARE, lilac, true, [](Img& i) {
      note(i, 9, 10, ink);
      note(i, 15, 12, rose);
    });
    put(14, ROUND, hex(0x3a5cc0), true,
        [](Img& i) { draw_text(i, "QT", S, S, 7, white, true, 1.0f, rose); });
    put(15, ROUND, hex(0x504858), false, [](Img& i) { draw_skull(i, S, S, 5.5f); });
    put(16, HEART, hex(0xffe2ec), true, [](Img& i) {
      // the loveliest: a hot pink heart on pale pink, glittering
      i.toon(heart(S, S + 0.5f, 5.5f), hex(0xf04c98), 1);
      i.glint(S - 2, 8, 2.5f, white);
      i.glint(15, 5, 2, white);
    });
    put(17, ROUND, hex(0xa8f0f4), false, [](Img& i) {
      i.toon(ellipse(S, 13, 5, 5.5f), hex(0x8a5030), 0.8f);
      i.toon(capsule(S, 8, S, 3, 0.9f), hex(0x8a5030), 0.5f);
      i.line(S, 8.5f, S, 18, 0.5f, ink);
    });
    put(18, ROUND, lilac, false, [](Img& i) {
      i.toon(unite(circle(S, 13, 5.5f), polygon({{5.6f, 11}, {16.4f, 11}, {S, 19}})), red, 0.8f);
      i.toon(polygon({{7, 8}, {S, 10}, {15, 8}, {S, 5}}), green, 0.5f);
      for (int k = 0; k < 5; k++)
        i.fill(circle(8.0f + float(k % 3) * 3, 12.0f + float(k / 3) * 3, 0.5f), lemon);
    });
    put(19, ROUND, grey, false, [](Img& i) {
      i.toon(ellipse(S, 12, 4.5f, 6.5f), hex(0x6a3a20), 0.7f);
      i.line(9, 6, 5, 2, 0.5f, ink);
      i.line(13, 6, 17, 2, 0.5f, ink);
      for (int s = -1; s <= 1; s += 2)
        i.line(S + float(s) * 4, 12, S + float(s) * 8, 10, 0.5f, ink);
    });
    put(20, ROUND, navy, true, [](Img& i) {
      i.toon(polygon({{6, 9}, {8, 6}, {14, 6}, {16, 9}, {S, 16}}), hex(0x90d8ff), 0.6f);
    });
    put(21, ROUND, hex(0x6080c0), false, [](Img& i) {
      i.toon(circle(S, 12, 6), skin, 0.6f);
      i.toon(inter(circle(S, 11, 6.5f), box(0, 0, 22, 10)), hex(0x3a3040), 0.6f);
      draw_face(i, S, 12.5f, 5.5f, 0, 0, pink);
    });
    put(22, ROUND, hex(0xff9a48), false, [](Img& i) { note(i, 11, 10, ink); });
    put(23, ROUND, sky, false, [](Img& i) {
      i.line(S, 11, S, 19, 1, green);
      i.toon(ellipse(7, 15, 3, 1.4f), green, 0.4f);
      i.toon(polygon({{7, 6}, {8.5f, 9}, {S, 5}, {13.5f, 9}, {15, 6}, {15, 11}, {S, 13}, {7, 11}}),
             red, 0.6f);
    });
    put(24, ROUND, hex(0x5a98e8), false, [](Img& i) {
      i.toon(unite(ellipse(10, S, 6, 4), polygon({{14, S}, {19, 7}, {19, 15}})), hex(0xff9060),
             0.7f);
      i.fill(circle(7, 10, 0.9f), ink);
    });
    put(25, ROUND, white, false, [](Img& i) {
      i.toon(unite({circle(8.5f, 11, 3.2f), circle(13.5f, 11, 3.2f),
                    polygon({{5.5f, 10}, {16.5f, 10}, {S, 4}}), box(10, 12, 12, 17)}),
             hex(0x303040), 0.5f);
    });
    put(26, ROUND, red, false, [](Img& i) {
      i.toon(rotated(unite(box(S - 1.2f, 3, S + 1.2f, 14),
                           polygon({{S - 1.2f, 3}, {S + 1.2f, 3}, {S, 1}})),
                     S, S, 45),
             hex(0xd8e0f0), 0.6f);
      i.toon(rotated(box(S - 4, 14, S + 4, 15.5f), S, S, 45), gold, 0.5f);
    });
    put(27, SQUARE, hex(0xf0e8d0), false, [](Img& i) {
      i.toon(box(7, 15, 15, 18, 1), hex(0xa06040), 0.6f);
      i.line(S, 15, S, 10, 1, wood_dark);
      i.toon(unite({ellipse(8, 9, 3.5f, 2.2f), ellipse(14, 8, 3.5f, 2.2f), ellipse(S, 6, 3, 2)}),
             hex(0x60a060), 0.6f);
    });
    put(28, ROUND, wood, false, [](Img& i) {
      i.toon(ellipse(S, S, 5.5f, 4), hex(0x303038), 0.7f);
      i.gloss(9, 9.5f, 1.5f, 0.8f, 0.6f);
    });
    put(29, ROUND, wood_dark, false, [](Img& i) { i.toon(ellipse(S, S, 5.5f, 4), white, 0.7f); });
    put(30, ROUND, hex(0x3a5cc0), true, [](Img& i) {
      // ハジメロボ: the robot's head, a visor and two bolts, a horn on top
      i.toon(polygon({{S, 2}, {9.5f, 6}, {12.5f, 6}}), gold, 1);
      i.toon(box(5.5f, 6, 16.5f, 16, 2), hex(0xf2eaf0), 1);
      i.fill(box(7, 8, 15, 11), hex(0x2c2860));
      i.fill(box(8, 9, 10, 10), hex(0xa8f0f4));
      i.fill(box(12, 9, 14, 10), hex(0xa8f0f4));
      i.fill(box(8, 13, 14, 14), hex(0xf0606a));
      i.toon(circle(4.5f, 11, 1.5f), gold, 1);
      i.toon(circle(17.5f, 11, 1.5f), gold, 1);
    });
    put(31, ROUND, lemon, false, [](Img& i) {
      // 派手なお花: a big eight-petalled flower in hot pink and red
      Sdf petals = circle(S, S, 2);
      for (int k = 0; k < 8; k++) {
        const float a = float(k) * 0.785f;
        petals = unite(petals, circle(S + std::cos(a) * 5, S + std::sin(a) * 5, 2.6f));
      }
      i.toon(petals, hex(0xf04c98), 1);
      i.toon(circle(S, S, 2.6f), red, 1);
    });
    face(32, "owner");
    put(33, ROUND, rose, true, [](Img& i) {
      i.toon(ellipse(S, 13, 5.5f, 4.5f), white, 0.7f);
      i.toon(circle(8, 8, 3), white, 0.6f);
      i.toon(circle(8, 4.8f, 1.4f), red, 0.4f);
      i.fill(circle(7.5f, 7.8f, 0.6f), ink);
      i.toon(polygon({{5, 8}, {3.5f, 9}, {5, 10}}), gold, 0.3f);
    });
    put(34, OVAL, mint, true, [](Img& i) {
      i.toon(ellipse(S, S + 0.5f, 4.5f, 6), hex(0xfff8ec), 0.7f);
      i.gloss(9.5f, 8.5f, 1, 1.8f, 0.7f);
    });
    put(35, ROUND, hex(0x3f9a5a), true, [](Img& i) {
      i.toon(circle(S, 12, 5.5f), hex(0xfff080), 0.7f);
      i.fill(circle(9, 11, 0.8f), ink);
      i.fill(circle(13, 11, 0.8f), ink);
      i.toon(polygon({{10, 13}, {12, 13}, {S, 14.5f}}), hex(0xffa040), 0.3f);
    });
    put(36, ROUND, hex(0x2a2a60), true, [](Img& i) {
      i.toon(minus(circle(S, S, 6), circle(14, 9, 5)), hex(0xfff2a8), 0.6f);
      i.glint(15, 14, 1.5f, white);
    });
    put(37, ROUND, hex(0x9a70c8), false, [](Img& i) {
      draw_cat_face(i, S, 12.5f, 6, hex(0x3a3040));
      i.fill(circle(8.7f, 11.8f, 0.9f), lemon);
      i.fill(circle(13.3f, 11.8f, 0.9f), lemon);
    });
    put(38, ROUND, hex(0x503050), false, [](Img& i) {
      i.toon(circle(S, 12, 6), hex(0xe02040), 0.7f);
      i.line(S, 6, S + 1, 3, 0.8f, hex(0x60a040));
      i.line(8, 10, 10, 11, 0.6f, ink);
      i.line(14, 10, 12, 11, 0.6f, ink);
      i.fill(circle(9.3f, 12.5f, 0.7f), ink);
      i.fill(circle(12.7f, 12.5f, 0.7f), ink);
    });
    put(39, ROUND, hex(0x383040), false, [](Img& i) {
      i.toon(polygon({{5, 19}, {S, 5}, {17, 19}}), hex(0x202028), 0.6f);
      i.toon(circle(S, 9, 3.5f), hex(0xf4f0e8), 0.5f);
      i.fill(circle(9.8f, 9, 0.7f), ink);
      i.fill(circle(12.2f, 9, 0.7f), ink);
      i.line(16, 4, 16, 19, 0.7f, wood_dark);
      i.toon(polygon({{16, 4}, {9, 6}, {16, 8}}), hex(0xc8d0e0), 0.4f);
    });
    put(40, ROUND, hex(0xe8b890), false, [](Img& i) {
      i.toon(ellipse(8, 10, 3.2f, 2.8f), hex(0x303040), 0.5f);
      i.line(4, 7, 19, 6, 0.7f, hex(0x303040));
      i.fill(circle(14, 10.5f, 1.2f), ink);
      i.fill(ring(inter(circle(S, 14, 2.5f), box(0, 14.5f, 22, 22)), 0.4f), ink);
    });
    put(41, ROUND, hex(0x403848), false, [](Img& i) {
      draw_skull(i, S, 10, 4);
      i.toon(heart(15, 15, 2), rose, 0.4f);
    });
    put(42, ROUND, hex(0x40367a), false, [](Img& i) {
      i.toon(rotated(unite(ellipse(S, 14, 4.5f, 4), ellipse(S, 9.5f, 3.3f, 3)), S, S, -30),
             hex(0xe08040), 0.6f);
      i.line(12, 10, 17, 3, 1, wood_dark);
      i.fill(circle(10.5f, 13, 1.2f), ink);
    });
    put(43, SHIELD, hex(0x90a8d0), false, [](Img& i) {
      i.toon(polygon({{S, 5}, {13, S}, {S, 17}, {9, S}}), gold, 0.5f);
    });
    put(44, ROUND, pink, true, [](Img& i) {
      draw_face(i, S, S, 8, 2, 1, pink);
      i.toon(ellipse(6.5f, 13.5f, 0.9f, 1.8f), hex(0xa8dcff), 0.4f);
    });
    put(45, SQUARE, hex(0x303040), false, [](Img& i) {
      // the agent's number, as on a card: 00 above, 6435 below
      pixel_text(i, "00", S, 7.5f, white, 1);
      pixel_text(i, "6435", S, 14.5f, hex(0x7ccf86), 1);
    });
    put(46, SQUARE, hex(0xc88a50), true, [](Img& i) {
      i.toon(box(5, 10, 17, 18, 1), wood, 0.6f);
      i.toon(inter(ellipse(S, 10, 6, 4), box(0, 0, 22, 10)), hex(0xd89a60), 0.6f);
      i.toon(box(10, 9, 12, 12, 0.5f), gold, 0.3f);
    });
    face(47, "prince.bmp");
    put(48, SQUARE, hex(0x5078c8), true,
        [](Img& i) { draw_text(i, "V", S, S, 10, white, true, 1.0f, hex(0x203060)); });
    put(49, ROUND, hex(0xc0304a), false, [](Img& i) {
      i.toon(circle(S, S, 6), gold, 0.7f);
      draw_text(i, "￥", S, S + 0.5f, 7, hex(0x906010), true);
    });
    put(50, OVAL, hex(0x7040a0), true, [](Img& i) {
      i.toon(ellipse(S, S + 0.5f, 4.5f, 6), gold, 0.7f);
      i.gloss(9.5f, 8.5f, 1, 1.8f, 0.8f);
    });
    // the character seals: each customer's face
    const std::pair<int, const char*> chara[] = {
        {51, "girl00.bmp"},      {52, "girl01.bmp"},  {53, "girl02.bmp"}, {54, "boy01.bmp"},
        {55, "girl04.bmp"},      {56, "boy02.bmp"},   {57, "seven.bmp"},  {58, "tun.bmp"},
        {59, "mun.bmp"},         {60, "wata.bmp"},    {61, "girl03.bmp"}, {62, "boy00.bmp"},
        {63, "bione.bmp"},       {64, "unbou2.bmp"},  {65, "toku.bmp"},   {66, "maichel.bmp"},
        {67, "tam.bmp"},         {68, "nobuhi.bmp"},  {69, "monato.bmp"}, {70, "yuuka.bmp"},
        {71, "jisrof.bmp"},      {72, "yukari.bmp"},  {73, "bubuko.bmp"}, {74, "sanae2.bmp"},
        {75, "unporo2.bmp"},     {76, "sachi.bmp"},   {77, "rap.bmp"},    {78, "kabe.bmp"},
        {79, "kimi.bmp"},        {80, "retisia.bmp"}, {81, "goat.bmp"},   {82, "fukura.bmp"},
        {83, "jonny.bmp"},       {84, "siki.bmp"},    {85, "sumiko.bmp"}, {86, "kouka.bmp"},
        {110, "boy_sumire.bmp"}, {111, "garaga.bmp"}, {119, "luko.bmp"},  {118, "cstef.bmp"}};
    for (auto& [n, who] : chara) face(n, who);
    put(87, OVAL, sky, false, [](Img& i) {
      i.toon(unite(box(4, 10, 18, 15, 2), box(7, 6.5f, 15, 11, 2)), red, 0.6f);
      i.toon(circle(7.5f, 15.5f, 2), hex(0x303040), 0.4f);
      i.toon(circle(14.5f, 15.5f, 2), hex(0x303040), 0.4f);
      i.fill(box(8.5f, 7.5f, 13.5f, 10), hex(0xd8f0ff));
    });
    put(88, ROUND, lemon, false, [](Img& i) { draw_bear_face(i, S, 14, 5, white, true); });
    put(89, ROUND, white, false, [](Img& i) {
      const Col rb[] = {red, hex(0xffa040), lemon, green, sky, lilac};
      for (int c = 5; c >= 0; c--)
        i.fill(ring(inter(circle(S, 15, 3.0f + float(c) * 1.2f), box(0, 0, 22, 15)), 0.6f),
               rb[5 - c]);
    });
    put(90, ROUND, gold, false, [](Img& i) { draw_face(i, S, S, 8, 0, 0, Col{}); });
    put(91, ROUND, peach, false, [](Img& i) {
      for (int s = -1; s <= 1; s += 2)
        i.fill(ring(circle(S + float(s) * 4.2f, S, 3.2f), 0.6f), ink);
      i.line(9.5f, 10, 12.5f, 10, 0.6f, ink);
    });
    put(92, SQUARE, hex(0xffe0e0), false,
        [](Img& i) { draw_text(i, "チ", S, S, 10, red, true, 1.0f, white); });
    chi_en = [](Img& i) { draw_text(i, "Chi", S, S, 6, red, true, 1.0f, white); };
    put(93, ROUND, hex(0xc89a30), false, [](Img& i) {
      for (int k2 = 0; k2 < 6; k2++)
        i.fill(ellipse(6.0f + float((k2 * 5) % 11), 6.0f + float((k2 * 7) % 11), 1.2f, 0.8f),
               hex(0x604030));
    });
    put(94, SQUARE, white, false, [](Img& i) {
      for (auto [x, y] :
           std::vector<std::pair<float, float>>{{7, 7}, {S, S}, {15, 15}, {15, 7}, {7, 15}})
        i.fill(circle(x, y, 1.3f), (x == S) ? red : ink);
    });
    put(95, OVAL, pink, false, [](Img& i) {
      i.toon(rotated(box(3, 8, 19, 14, 3), S, S, -20), hex(0xf0c8a0), 0.6f);
      i.toon(rotated(box(8.5f, 8.5f, 13.5f, 13.5f, 1), S, S, -20), hex(0xfff0e8), 0.4f);
    });
    put(96, STAR5, red, true, [](Img& i) { i.toon(star(S, S + 0.8f, 4, 1.8f, 5), white, 0.4f); });
    put(97, SQUARE, hex(0x50a0e0), false,
        [](Img& i) { draw_text(i, "B", S, S, 10, white, true, 1.0f, navy); });
    put(98, ROUND, hex(0xd04858), true, [](Img& i) {
      i.toon(star(S, S, 6, 3, 8), gold, 0.6f);
      i.toon(circle(S, S, 2.2f), red, 0.4f);
    });
    put(99, OVAL, hex(0x303040), false, [](Img& i) {
      i.toon(ellipse(S, S, 6, 3.5f), white, 0.5f);
      i.fill(circle(S, S, 2.2f), hex(0x40c0ff));
      i.fill(circle(S, S, 1), ink);
    });
    put(100, SQUARE, white, false, [](Img& i) {
      for (int r = 0; r < 5; r++)
        i.fill(box(3, 3.0f + float(r) * 3.4f, 19, 4.7f + float(r) * 3.4f), red);
      i.fill(box(3, 3, 11, 11), navy);
      i.glint(7, 7, 1.6f, white);
    });
    face(101, "mayumi");
    put(102, ROUND, hex(0x9a70c8), false, [](Img& i) {
      i.line(6, 17, 14, 9, 1.2f, wood_dark);
      i.toon(star(15, 8, 3.5f, 1.5f, 5), lemon, 0.5f);
    });
    put(103, SQUARE, hex(0x5a98e8), false, [](Img& i) {
      // 雪山ラストクロック: a snow-capped mountain against the sky, the last clock over it
      i.toon(polygon({{1.5f, 20}, {9, 7}, {13, 12}, {15.5f, 9.5f}, {20.5f, 20}}), hex(0x707888), 1);
      i.fill(polygon({{9, 7}, {6.2f, 11.8f}, {8, 11}, {9.5f, 12.2f}, {11.2f, 10.6f}}), white);
      i.fill(polygon({{15.5f, 9.5f}, {14, 11.4f}, {15.5f, 11}, {17, 12}}), white);
      i.toon(circle(15.5f, 5.5f, 3.4f), hex(0xfff4e0), 1);
      i.line(15.5f, 5.5f, 15.5f, 3, 0.6f, ink);
      i.line(15.5f, 5.5f, 17.5f, 5.5f, 0.6f, ink);
    });
    put(104, ROUND, hex(0xf04c98), false,
        [](Img& i) { draw_text(i, "H", S, S, 10, white, true, 1.0f, hex(0x8a2050)); });
    put(105, ROUND, hex(0x503860), false,
        [](Img& i) { draw_text(i, "?", S, S, 10, lemon, true, 1.0f, ink); });
    put(106, BADGE, gold, false, [](Img& i) {
      // the sheriff's badge: a brown ring with its rivet in the middle
      i.toon(circle(S, S, 4), hex(0xa8734a), 1);
      i.toon(circle(S, S, 1.6f), gold, 1);
    });
    put(107, SQUARE, hex(0x606878), false, [](Img& i) {
      i.toon(box(4, 6, 18, 17, 2), hex(0xe0d8c8), 0.6f);
      i.fill(box(6, 8, 16, 15, 1), hex(0x90d8f0));
      i.line(9, 6, 7, 2, 0.5f, ink);
      i.line(13, 6, 15, 2, 0.5f, ink);
    });
    put(108, ROUND, hex(0x3e3448), false, [](Img& i) {
      i.toon(ngon(S, S, 5.5f, 6), hex(0x707880), 0.6f);
      i.fill(polygon({{9, 8}, {12, 8}, {10, 11}}), hex(0xd0e0f0));
    });
    put(109, FLOWER5, hex(0xa080d0), false,
        [](Img& i) { i.toon(circle(S, S, 2.6f), lemon, 0.4f); });
    put(112, ROUND, lemon, false, [](Img& i) {
      i.fill(circle(S, S, 1.6f), ink);
      for (int k2 = 0; k2 < 3; k2++) {
        float a = (-90.0f + 120.0f * float(k2)) * 3.14159f / 180;
        i.fill(inter(circle(S, S, 7),
                     polygon({{S, S},
                              {S + std::cos(a - 0.5f) * 9, S + std::sin(a - 0.5f) * 9},
                              {S + std::cos(a + 0.5f) * 9, S + std::sin(a + 0.5f) * 9}})),
               ink);
      }
      i.fill(circle(S, S, 2.6f), lemon);
      i.fill(circle(S, S, 1.5f), ink);
    });
    put(113, CROSS, hex(0x3e3448), false, [](Img& i) {
      // クロイツ: a silver cross on the dark cross, a red stone where its arms meet
      i.toon(unite(box(9.5f, 3.5f, 12.5f, 18.5f), box(3.5f, 8.5f, 18.5f, 11.5f)), hex(0xd6dce8), 1);
      i.toon(circle(S, S - 1, 1.5f), red, 1);
    });
    put(114, ROUND, hex(0x282030), false, [](Img& i) {
      i.toon(rotated(unite(box(S - 1.2f, 3, S + 1.2f, 14),
                           polygon({{S - 1.2f, 3}, {S + 1.2f, 3}, {S, 1}})),
                     S, S, -45),
             hex(0x8040a0), 0.6f);
      i.toon(rotated(box(S - 4, 14, S + 4, 15.5f), S, S, -45), hex(0xc0c0d0), 0.5f);
    });
    put(115, ROUND, mint, false, [](Img& i) {
      i.toon(unite(box(7, 8, 15, 19, 2), box(9, 4, 13, 9, 1)), white, 0.6f);
      i.fill(box(9, 3, 13, 5), hex(0x4080e0));
      draw_text(i, "M", S, 14, 5, hex(0x4080e0), true);
    });
    put(116, ROUND, hex(0x2a2a60), true, [](Img& i) {
      i.toon(circle(S, S, 6.5f), hex(0xfff4b8), 0.6f);
      i.fill(circle(9, 9, 1.3f), hex(0xf0dc98));
      i.fill(circle(13.5f, 13, 1.6f), hex(0xf0dc98));
    });
    put(117, ROUND, hex(0x3a3470), true, [](Img& i) {
      i.fill(circle(15, 6, 3), hex(0xfff4b8));
      i.fill(unite({ellipse(S, 14, 5, 2.5f), polygon({{6, 14}, {8, 8}, {9, 5}, {11, 7}, {10, 13}}),
                    polygon({{9, 5}, {8, 3}, {10, 4.5f}})}),
             hex(0x14122c));
    });
    return m;
  }();
  return m;
}

}  // namespace

void add_seal_pictures(PicTable& t) {
  for (auto& [name, recipe] : seals())
    t[name] = PicRecipe{PicKind::layer, 22, 22, [s = recipe](Img& im) {
                          if (s.face.empty())
                            sticker(im, s);
                          else
                            draw_face_seal(im, s.face);
                        }};
  // the seal a player reads a letter on
  SealRecipe chi = seals().at("seal92.bmp");
  chi.motif = chi_en;
  t["seal92.bmp"].draw_en = [chi](Img& im) { sticker(im, chi); };
}

}  // namespace ag
