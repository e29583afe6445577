// Goods (40 x 40 layer pictures, drawn as an 80 x 80 square over the counter), the wrappings in
// both states and the twelve flyer designs, from a small vocabulary of parametric motifs.
#include <cmath>

#include "pics.h"

namespace ag {

using namespace pal;

// ---- shared motifs ----
void draw_face(Img& im, float cx, float cy, float r, int eyes_kind, int mouth_kind, Col cheek) {
  float ex = r * 0.38f, ey = cy - r * 0.1f, er = std::max(0.7f, r * 0.11f);
  for (int s = -1; s <= 1; s += 2) {
    float x = cx + float(s) * ex;
    if (eyes_kind == 1)
      im.fill(ring(inter(circle(x, ey + er, er * 1.6f), box(x - r, ey - r, x + r, ey + er * 0.6f)),
                   std::max(0.45f, er * 0.4f)),
              ink);
    else if (eyes_kind == 2)
      im.line(x - er * 1.5f, ey, x + er * 1.5f, ey, std::max(0.8f, er * 0.8f), ink);
    else {
      im.fill(circle(x, ey, er * 1.2f), ink);
      if (r > 6) im.fill(circle(x - er * 0.4f, ey - er * 0.4f, er * 0.45f), white);
    }
  }
  float my = cy + r * 0.28f;
  if (mouth_kind == 0)
    im.fill(ring(inter(circle(cx, my - r * 0.12f, r * 0.2f),
                       box(cx - r, my - r * 0.05f, cx + r, my + r)),
                 std::max(0.4f, r * 0.05f)),
            ink);
  else if (mouth_kind == 1)
    im.fill(ellipse(cx, my, r * 0.16f, r * 0.13f), hex(0xd85870));
  else if (mouth_kind == 2)
    im.fill(ring(inter(circle(cx, my + r * 0.18f, r * 0.2f),
                       box(cx - r, my - r, cx + r, my + r * 0.05f)),
                 std::max(0.4f, r * 0.05f)),
            ink);
  if (cheek.r > 0) {
    im.fill(ellipse(cx - r * 0.62f, cy + r * 0.18f, r * 0.16f, r * 0.1f), cheek, 0.7f);
    im.fill(ellipse(cx + r * 0.62f, cy + r * 0.18f, r * 0.16f, r * 0.1f), cheek, 0.7f);
  }
}

void draw_poo(Img& im, float cx, float cy, float s, bool face) {
  Col c = hex(0xb07a4a);
  im.toon(unite({ellipse(cx, cy + s * 0.55f, s, s * 0.45f),
                 ellipse(cx, cy + s * 0.05f, s * 0.72f, s * 0.38f),
                 ellipse(cx, cy - s * 0.38f, s * 0.45f, s * 0.3f),
                 polygon({{cx - s * 0.2f, cy - s * 0.55f},
                          {cx + s * 0.15f, cy - s},
                          {cx + s * 0.25f, cy - s * 0.5f}})}),
          c, s > 5 ? 1.0f : 0.7f);
  im.gloss(cx - s * 0.35f, cy - s * 0.1f, s * 0.2f, s * 0.1f, 0.5f);
  if (face) draw_face(im, cx, cy + s * 0.35f, s * 0.7f, 1, 0, pink);
}

void draw_cat_face(Img& im, float cx, float cy, float r, Col fur) {
  for (int s = -1; s <= 1; s += 2)
    im.toon(polygon({{cx + float(s) * r * 0.25f, cy - r * 0.7f},
                     {cx + float(s) * r * 0.95f, cy - r * 1.15f},
                     {cx + float(s) * r * 0.9f, cy - r * 0.2f}}),
            fur, r > 6 ? 1 : 0.7f);
  im.toon(ellipse(cx, cy, r, r * 0.85f), fur, r > 6 ? 1 : 0.7f);
  draw_face(im, cx, cy, r, 0, -1, pink);
  float my = cy + r * 0.3f;
  im.fill(ring(inter(circle(cx - r * 0.1f, my - r * 0.06f, r * 0.1f),
                     box(cx - r, my - r * 0.06f, cx, my + r)),
               std::max(0.35f, r * 0.04f)),
          ink);
  im.fill(ring(inter(circle(cx + r * 0.1f, my - r * 0.06f, r * 0.1f),
                     box(cx, my - r * 0.06f, cx + r, my + r)),
               std::max(0.35f, r * 0.04f)),
          ink);
  if (r > 7)
    for (int s = -1; s <= 1; s += 2) {
      im.line(cx + float(s) * r * 0.55f, cy + r * 0.25f, cx + float(s) * r * 1.15f, cy + r * 0.15f,
              0.5f, ink);
      im.line(cx + float(s) * r * 0.55f, cy + r * 0.38f, cx + float(s) * r * 1.1f, cy + r * 0.45f,
              0.5f, ink);
    }
}

void draw_bear_face(Img& im, float cx, float cy, float r, Col fur, bool rabbit) {
  float lw = r > 6 ? 1 : 0.7f;
  if (rabbit)
    for (int s = -1; s <= 1; s += 2) {
      im.toon(ellipse(cx + float(s) * r * 0.4f, cy - r * 1.2f, r * 0.26f, r * 0.62f), fur, lw);
      im.fill(ellipse(cx + float(s) * r * 0.4f, cy - r * 1.15f, r * 0.12f, r * 0.42f), pink);
    }
  else
    for (int s = -1; s <= 1; s += 2) {
      im.toon(circle(cx + float(s) * r * 0.72f, cy - r * 0.7f, r * 0.34f), fur, lw);
      im.fill(circle(cx + float(s) * r * 0.72f, cy - r * 0.7f, r * 0.17f), pink);
    }
  im.toon(ellipse(cx, cy, r, r * 0.88f), fur, lw);
  im.toon(ellipse(cx, cy + r * 0.3f, r * 0.36f, r * 0.26f), lighten(fur, 0.5f), lw * 0.6f);
  im.fill(ellipse(cx, cy + r * 0.2f, r * 0.11f, r * 0.08f), ink);
  draw_face(im, cx, cy - r * 0.08f, r, 0, -1, pink);
}

void draw_flower(Img& im, float cx, float cy, float r, Col petal, int petals) {
  Sdf p = circle(cx, cy, r * 0.1f);
  for (int i = 0; i < petals; i++) {
    float a = (-90.0f + 360.0f * float(i) / float(petals)) * 3.14159f / 180;
    p = unite(p, circle(cx + std::cos(a) * r * 0.55f, cy + std::sin(a) * r * 0.55f, r * 0.45f));
  }
  im.toon(p, petal, r > 4 ? 0.9f : 0.6f);
  im.toon(circle(cx, cy, r * 0.3f), lemon, 0.5f);
}

void draw_skull(Img& im, float cx, float cy, float r) {
  im.toon(unite(circle(cx, cy - r * 0.15f, r),
                box(cx - r * 0.55f, cy + r * 0.3f, cx + r * 0.55f, cy + r * 0.95f, r * 0.2f)),
          hex(0xf8f6f0), r > 5 ? 1 : 0.6f);
  im.fill(ellipse(cx - r * 0.38f, cy - r * 0.05f, r * 0.26f, r * 0.3f), ink);
  im.fill(ellipse(cx + r * 0.38f, cy - r * 0.05f, r * 0.26f, r * 0.3f), ink);
  im.fill(polygon({{cx, cy + r * 0.2f},
                   {cx - r * 0.12f, cy + r * 0.42f},
                   {cx + r * 0.12f, cy + r * 0.42f}}),
          ink);
  if (r > 5)
    for (int i = -1; i <= 1; i++)
      im.line(cx + float(i) * r * 0.22f, cy + r * 0.62f, cx + float(i) * r * 0.22f, cy + r * 0.92f,
              0.5f, ink);
}

namespace {

constexpr float C = 20;  // centre of a 40 x 40 goods picture

// The goods and flyers with words on them are drawn twice, in Japanese and in English (cg/en):
// while the English one is drawn, `english` is set and `words` picks the English lettering.
bool english = false;
const char* words(const char* ja, const char* en) {
  return english ? en : ja;
}
std::function<void(Img&)> in_english(std::function<void(Img&)> draw) {
  return [draw](Img& im) {
    english = true;
    draw(im);
    english = false;
  };
}

// --- little builders ---
void keyholder(Img& im, const std::function<void(Img&)>& charm, Col ring_col = hex(0xd8d8e0)) {
  im.fill(ring(circle(C, 7, 4.5f), 1.1f), ink);
  im.fill(ring(circle(C, 7, 4.5f), 0.6f), ring_col);
  for (int i = 0; i < 3; i++)
    im.toon(ellipse(C, 13.0f + float(i) * 2.6f, 1.0f, 1.5f), ring_col, 0.6f);
  charm(im);
}

void notebook(Img& im, Col cover, const std::function<void(Img&)>& motif) {
  im.toon(rotated(box(9, 6, 33, 36, 2), C, C, 4), darken(cover, 0.1f), 1);
  im.toon(rotated(box(7, 4, 31, 34, 2), C, C, 4), cover, 1);
  for (int i = 0; i < 6; i++)
    im.toon(rotated(circle(8.5f, 8.0f + float(i) * 4.6f, 1.3f), C, C, 4), grey, 0.5f);
  motif(im);
}

void cd(Img& im, Col label, const std::function<void(Img&)>& motif) {
  im.toon(box(6, 6, 34, 34, 1.5f), hex(0xe8eef8), 1);  // case
  im.fill(box(7.5f, 7.5f, 32.5f, 32.5f, 1), label, 0.9f);
  motif(im);
  im.fill(polygon({{7.5f, 7.5f}, {18, 7.5f}, {7.5f, 18}}), white, 0.35f);
}

void disc(Img& im, float cx, float cy, float r, Col label) {
  im.toon(circle(cx, cy, r), hex(0xdfe6f0), 1);
  im.fill(
      circle(cx, cy, r * 0.95f),
      [=](float x, float y) {
        float a = std::atan2(y - cy, x - cx);
        return mix(hex(0xc8e0ff), hex(0xffd0f0), 0.5f + 0.5f * std::sin(a * 3));
      },
      0.6f);
  im.toon(circle(cx, cy, r * 0.55f), label, 0.7f);
  im.toon(circle(cx, cy, r * 0.16f), white, 0.6f);
}

void plush(Img& im, Col fur, bool rabbit, float scale = 1) {
  float s = scale;
  im.toon(ellipse(C, 29, 10 * s, 9 * s), fur, 1);
  im.toon(ellipse(C - 8 * s, 35, 4 * s, 3 * s), fur, 1);
  im.toon(ellipse(C + 8 * s, 35, 4 * s, 3 * s), fur, 1);
  im.toon(ellipse(C - 10 * s, 26, 3 * s, 4 * s), fur, 1);
  im.toon(ellipse(C + 10 * s, 26, 3 * s, 4 * s), fur, 1);
  im.toon(ellipse(C, 30, 5 * s, 5 * s), lighten(fur, 0.5f), 0.6f);
  draw_bear_face(im, C, 15, 10 * s, fur, rabbit);
}

void tshirt(Img& im, Col c, const std::function<void(Img&)>& motif) {
  im.toon(polygon({{12, 6},
                   {16, 5},
                   {C, 8},
                   {24, 5},
                   {28, 6},
                   {37, 13},
                   {33, 18},
                   {30, 16},
                   {30, 36},
                   {10, 36},
                   {10, 16},
                   {7, 18},
                   {3, 13}}),
          c, 1);
  im.toon(inter(circle(C, 5, 4.5f), box(14, 5, 26, 10)), darken(c, 0.1f), 0.6f);
  motif(im);
}

void pants(Img& im, Col c, const std::function<void(Img&)>& motif) {
  im.toon(polygon({{6, 10}, {34, 10}, {36, 26}, {26, 32}, {C, 24}, {14, 32}, {4, 26}}), c, 1);
  im.toon(box(6, 9, 34, 13, 1), darken(c, 0.08f), 0.8f);
  motif(im);
}

void bottle(Img& im, Col glass, Col liquid, Col cap, float w = 9, float neck = 3.5f) {
  im.toon(unite(box(C - w, 14, C + w, 37, 4), box(C - neck, 5, C + neck, 16, 1)), glass, 1);
  im.fill(box(C - w + 1.2f, 20, C + w - 1.2f, 36, 3), liquid, 0.8f);
  im.toon(box(C - neck - 0.8f, 3, C + neck + 0.8f, 8, 1), cap, 0.9f);
  im.gloss(C - w + 3.5f, 24, 1.3f, 6, 0.6f);
}

void label(Img& im, const char* text, float cx, float cy, int pt, Col c, Col outline = white) {
  draw_text(im, text, cx, cy, pt, c, true, 1.0f, outline);
}

void gem(Img& im, float cx, float cy, float r, Col c) {
  im.toon(polygon({{cx - r, cy - r * 0.3f},
                   {cx - r * 0.5f, cy - r * 0.8f},
                   {cx + r * 0.5f, cy - r * 0.8f},
                   {cx + r, cy - r * 0.3f},
                   {cx, cy + r}}),
          c, 0.8f);
  im.fill(
      polygon(
          {{cx - r * 0.5f, cy - r * 0.75f}, {cx, cy - r * 0.3f}, {cx - r * 0.9f, cy - r * 0.3f}}),
      white, 0.6f);
}

void earring(Img& im, float cx, const std::function<void(Img&, float, float)>& drop) {
  im.fill(ring(circle(cx, 9, 3.5f), 0.8f), gold);
  im.line(cx, 12, cx, 18, 0.8f, gold);
  drop(im, cx, 23);
}

void model_box(Img& im, Col c, const char* name, const std::function<void(Img&)>& art) {
  im.toon(box(3, 10, 37, 34, 2), c, 1);
  im.toon(polygon({{3, 10}, {9, 5}, {41, 5}, {37, 10}}), lighten(c, 0.3f), 0.8f);
  art(im);
  label(im, name, C, 29, 5, white, ink);
}

void glasses(Img& im, Col frame, Col lens, bool goggle) {
  if (goggle) im.toon(box(3, 14, 37, 19, 2), frame, 0.8f);
  for (int s = -1; s <= 1; s += 2) {
    im.toon(goggle ? circle(C + float(s) * 8, 20, 7) : ellipse(C + float(s) * 8, 20, 7, 5.5f),
            frame, 1);
    im.fill(goggle ? circle(C + float(s) * 8, 20, 5) : ellipse(C + float(s) * 8, 20, 5.3f, 4),
            lens);
    im.gloss(C + float(s) * 8 - 2, 18, 1.6f, 1, 0.7f);
  }
  im.line(C - 1.5f, 18, C + 1.5f, 18, 1.5f, frame);
}

void poster(Img& im, Col bg, const std::function<void(Img&)>& art) {
  im.toon(rotated(box(7, 3, 33, 37, 1), C, C, -3), white, 1);
  im.fill(rotated(box(9, 5, 31, 35), C, C, -3), bg);
  art(im);
  im.toon(circle(C, 4.5f, 1.5f), red, 0.5f);
}

void globe(Img& im, Col sea, Col land) {
  im.toon(box(13, 34, 27, 37, 1), wood_dark, 0.8f);
  im.line(C, 30, C, 34, 2, wood_dark);
  im.fill(ring(circle(C, 17, 14), 1), gold);
  im.toon(circle(C, 17, 12), sea, 1);
  im.fill(inter(circle(C, 17, 12),
                unite({ellipse(14, 13, 5, 4), ellipse(24, 21, 6, 4), ellipse(26, 11, 3, 2)})),
          land);
  im.gloss(15, 11, 3, 2, 0.5f);
}

void plate_food(Img& im) {
  im.toon(ellipse(C, 32, 17, 5), white, 1);
}

const std::map<std::string, std::function<void(Img&)>>& goods() {
  static const std::map<std::string, std::function<void(Img&)>> m = [] {
    std::map<std::string, std::function<void(Img&)>> m;
    // --- key holders ---
    m["key01.bmp"] = [](Img& im) { keyholder(im, [](Img& i) { draw_poo(i, C, 28, 9, true); }); };
    m["key02.bmp"] = [](Img& im) {
      keyholder(im, [](Img& i) {
        i.toon(heart(C, 28, 10), rose, 1);
        i.gloss(16, 25, 2.5f, 1.5f);
      });
    };
    m["key03.bmp"] = [](Img& im) {
      keyholder(im, [](Img& i) {
        i.toon(polygon({{11, 20}, {29, 20}, {29, 28}, {C, 37}, {11, 28}}), hex(0xb8c8e0), 1);
        i.toon(polygon({{C, 22}, {C + 2, 28}, {C, 34}, {C - 2, 28}}), gold, 0.7f);
      });
    };
    m["key04.bmp"] = [](Img& im) {
      keyholder(im, [](Img& i) {
        i.toon(unite(ellipse(C - 2, 28, 9, 6), polygon({{C + 5, 28}, {C + 13, 22}, {C + 13, 34}})),
               sky, 1);
        i.fill(circle(C - 6, 27, 1.3f), ink);
        i.line(C + 1, 24, C + 1, 32, 0.6f, darken(sky, 0.3f));
      });
    };
    // --- notebooks ---
    m["note.bmp"] = [](Img& im) {
      notebook(im, pink, [](Img& i) { draw_cat_face(i, C, 22, 7, white); });
    };
    m["note01.bmp"] = [](Img& im) {
      notebook(im, lemon, [](Img& i) { draw_poo(i, C, 20, 7, true); });
    };
    m["note02.bmp"] = [](Img& im) {
      notebook(im, hex(0x4a4088), [](Img& i) {
        for (int k = 0; k < 7; k++)
          i.glint(10.0f + float((k * 7) % 20), 9.0f + float((k * 11) % 24), 2, white);
        i.toon(circle(22, 20, 5), hex(0xffc070), 0.8f);
        i.fill(ring(ellipse(22, 20, 9, 2.5f), 0.6f), hex(0xffe0a0));
      });
    };
    m["mop.bmp"] = [](Img& im) {
      im.toon(box(8, 5, 32, 36, 1.5f), hex(0x5078c8), 1);
      im.fill(box(9, 33, 32, 36), white);
      im.toon(box(11, 9, 29, 20, 1), white, 0.6f);
      label(im, "MOP", C, 14.5f, 7, hex(0xe04050), white);
      im.toon(star(C, 27, 4, 1.8f, 5), gold, 0.6f);
    };
    m["sin.bmp"] = [](Img& im) {
      im.toon(box(9, 4, 33, 36, 1.5f), hex(0x6a4a3a), 1);
      im.fill(box(11, 6, 31, 34, 1), hex(0x8a5a40));
      // a thick book of theory: an integral sign and an orbit in gold on the cover
      draw_text(im, "∫", C - 3, 19, 12, gold, true);
      im.fill(ring(ellipse(C + 3, 25, 7, 3), 0.6f), gold, 0.9f);
      im.fill(circle(C + 3, 25, 1.6f), gold);
      im.fill(box(13, 30, 29, 31), gold, 0.7f);
      im.fill(box(30, 8, 33, 34), white);
    };
    // --- dolls and plush ---
    m["doll01.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 30, 9, 8), hex(0xf0e8d8), 1);
      draw_cat_face(im, C, 16, 10, hex(0xf0e8d8));
      im.fill(ellipse(C - 4, 14, 2.5f, 1), hex(0x90d0ff));  // odd eyes: it is a strange cat
      im.toon(capsule(C + 8, 32, C + 15, 22, 1.6f), hex(0xf0e8d8), 0.8f);
    };
    m["doll02.bmp"] = [](Img& im) {
      plush(im, hex(0xb8c8f0), false);
      im.fill(box(8, 10, 32, 14), hex(0xb8c8f0));
      draw_face(im, C, 15, 10, 1, 1, pink);  // sleeping "goo goo"
      label(im, "Zz", 31, 6, 6, navy, white);
    };
    m["doll03.bmp"] = [](Img& im) {
      for (int i = 0; i < 8; i++) {
        float a = float(i) / 8 * 6.283f;
        im.toon(circle(C + std::cos(a) * 8, 22 + std::sin(a) * 8, 6), hex(0xfff4fa), 0.8f);
      }
      im.toon(circle(C, 22, 10), hex(0xfff4fa), 0);
      draw_face(im, C, 22, 8, 0, 0, pink);
    };
    m["doll04.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 31, 9, 8), hex(0xffd0a0), 1);
      im.toon(circle(C, 16, 10), skin, 1);
      im.toon(inter(circle(C, 15, 11), box(8, 3, 32, 13)), hex(0x6a4a3a), 1);
      draw_face(im, C, 17, 9, 2, 1, pink);
      im.toon(ellipse(14, 21, 1.2f, 2.4f), hex(0xa8dcff), 0.5f);  // crying "en en"
      im.toon(ellipse(26, 21, 1.2f, 2.4f), hex(0xa8dcff), 0.5f);
    };
    m["doll05.bmp"] = [](Img& im) { plush(im, hex(0xf0c8a0), true); };
    m["doll06.bmp"] = [](Img& im) { plush(im, hex(0xc08a5a), false, 1.15f); };
    m["doll07.bmp"] = [](Img& im) { plush(im, hex(0xffc0d8), true, 1.15f); };
    m["magnum.bmp"] = [](Img& im) {
      plush(im, hex(0x9a9aa8), false);
      im.toon(box(4, 24, 12, 28, 1), hex(0x505060), 0.7f);  // a toy pistol in its paw
    };
    m["rapid.bmp"] = [](Img& im) { plush(im, white, true, 0.8f); };
    m["nana.bmp"] = [](Img& im) {
      im.toon(box(12, 24, 28, 38, 4), hex(0x6080c0), 1);
      im.toon(circle(C, 15, 10), skin, 1);
      im.toon(inter(circle(C, 14, 11), box(8, 2, 32, 12)), hex(0x3a3040), 1);
      draw_face(im, C, 16, 9, 0, 0, pink);
      im.glint(33, 8, 3, gold);
    };
    m["aho.bmp"] = [](Img& im) {
      im.toon(box(12, 24, 28, 38, 4), hex(0xf0a040), 1);
      im.toon(circle(C, 15, 10), skin, 1);
      im.toon(inter(circle(C, 14, 11), box(8, 2, 32, 10)), hex(0xf0d040), 1);
      im.line(C, 4, C + 5, -1, 1, ink);
      draw_face(im, C, 16, 9, 2, 1, pink);
      im.fill(ellipse(C + 1, 22, 1, 2), hex(0xa8dcff));
    };
    m["neko.bmp"] = [](Img& im) {
      draw_cat_face(im, C, 24, 8, hex(0xf0b070));
      im.toon(capsule(C + 8, 32, C + 13, 27, 1.2f), hex(0xf0b070), 0.7f);
    };
    m["kaseijin.bmp"] = [](Img& im) {
      for (int i = 0; i < 5; i++)
        im.toon(capsule(C - 8 + float(i) * 4, 28, C - 10 + float(i) * 5, 37, 1.6f), hex(0xf07070),
                0.8f);
      im.toon(ellipse(C, 20, 11, 11), hex(0xf07070), 1);
      im.fill(circle(C - 4, 19, 2), ink);
      im.fill(circle(C + 4, 19, 2), ink);
    };
    m["usagi.bmp"] = [](Img& im) {
      im.toon(circle(C, 21, 15), hex(0xfff0f6), 1);
      im.fill(ring(circle(C, 21, 13.5f), 0.7f), grey);
      draw_bear_face(im, C, 25, 7, white, true);
    };
    m["kan00.bmp"] = [](Img& im) {
      im.toon(circle(C, 21, 15), hex(0xd8f0ff), 1);
      im.fill(ring(circle(C, 21, 13.5f), 0.7f), grey);
      draw_cat_face(im, C, 23, 8, white);
    };
    // --- pens, erasers, stationery ---
    m["pen00.bmp"] = [](Img& im) {
      // ねこのシャーペン: a pink mechanical pencil with a clip, the cat's head at its top end
      const float a = 35;
      im.toon(rotated(polygon({{C - 2, 33}, {C + 2, 33}, {C, 38}}), C, C, a), hex(0xd6dce8), 1);
      im.toon(rotated(box(C - 3, 11, C + 3, 33, 1.5f), C, C, a), pink, 1);
      im.toon(rotated(box(C + 2.5f, 13, C + 4, 22, 0.5f), C, C, a), hex(0xd6dce8), 1);
      draw_cat_face(im, 27, 9, 6, white);
    };
    m["pen01.bmp"] = [](Img& im) {
      im.toon(rotated(unite(box(C - 3, 8, C + 3, 34, 1.5f),
                            polygon({{C - 3, 34}, {C + 3, 34}, {C, 39}})),
                      C, C, -35),
              mint, 1);
      im.toon(circle(29, 9, 5), lemon, 1);
      draw_face(im, 29, 9, 5, 1, 0, pink);
      im.toon(capsule(25, 5, 22, 1, 1), lemon, 0.6f);
      im.toon(capsule(33, 5, 36, 1, 1), lemon, 0.6f);
    };
    m["gom00.bmp"] = [](Img& im) {
      im.toon(rotated(box(8, 14, 32, 28, 3), C, C, -8), hex(0xf8f4e8), 1);
      im.toon(rotated(box(8, 14, 18, 28, 3), C, C, -8), hex(0x70c0f0), 0.8f);
      draw_face(im, 25, 21, 5, 2, 2, pink);
    };
    m["gom01.bmp"] = [](Img& im) {
      im.toon(rotated(box(8, 14, 32, 28, 3), C, C, 10), pink, 1);
      im.gloss(14, 17, 3, 1.2f);
    };
    m["gom02.bmp"] = [](Img& im) {
      im.toon(rotated(box(8, 14, 32, 28, 3), C, C, 10), gold, 1);
      im.gloss(14, 17, 3, 1.2f, 0.8f);
      im.glint(30, 11, 4, white);
      im.glint(10, 29, 3, white);
    };
    m["cutter.bmp"] = [](Img& im) {
      im.toon(rotated(box(6, 16, 30, 24, 2), C, C, -30), hex(0xffd040), 1);
      im.toon(rotated(polygon({{30, 17}, {38, 19}, {30, 23}}), C, C, -30), hex(0xd8e0e8), 0.8f);
      for (int i = 0; i < 3; i++)
        im.fill(rotated(box(9.0f + float(i) * 5, 19, 11.0f + float(i) * 5, 21), C, C, -30),
                darken(gold, 0.3f));
    };
    m["tape.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 24, 14, 10), hex(0xe0e8f0), 1);
      im.fill(ring(ellipse(C, 24, 10, 7), 1.8f), hex(0xfff8d0), 0.8f);
      im.toon(ellipse(C, 24, 6, 4), white, 0.6f);
      im.toon(polygon({{30, 28}, {38, 32}, {36, 35}, {28, 31}}), hex(0xfff8d0), 0.6f);
    };
    m["tranp.bmp"] = [](Img& im) {
      for (int i = 0; i < 3; i++) {
        float a = -15.0f + float(i) * 15;
        im.toon(rotated(box(12, 6, 30, 32, 2), C, 34, a), white, 1);
      }
      im.toon(heart(22, 16, 4), red, 0.6f);
      label(im, "A", 15, 10, 6, red, white);
      im.toon(star(24, 25, 3, 1.3f, 4), ink, 0.3f);
    };
    m["ggd.bmp"] = [](Img& im) {
      im.toon(box(4, 10, 36, 30, 2), hex(0xd8f0e0), 1);
      im.toon(box(7, 13, 16, 25, 1), hex(0xffe0c8), 0.6f);
      draw_face(im, 11.5f, 19, 4, 0, 0, pink);
      for (int i = 0; i < 3; i++)
        im.line(19, 15.0f + float(i) * 4, 33, 15.0f + float(i) * 4, 1, grey);
      label(im, "GGD", 26, 27, 5, navy, white);
    };
    // --- CDs ---
    m["cd00.bmp"] = [](Img& im) {
      cd(im, hex(0xff9cc0), [](Img& i) {
        disc(i, 22, 21, 10, white);
        label(i, words("じす", "JIS"), english ? C : 14, 12, 6, white, rose);
      });
    };
    m["cd01.bmp"] = [](Img& im) {
      cd(im, hex(0x9cd0ff), [](Img& i) {
        disc(i, 22, 21, 10, pink);
        label(i, words("じす2", "JIS2"), english ? C : 14, 12, 6, white, navy);
      });
    };
    m["cd02.bmp"] = [](Img& im) {
      cd(im, hex(0xa8e8b8), [](Img& i) {
        disc(i, 22, 21, 10, lemon);
        label(i, words("じす3", "JIS3"), english ? C : 14, 12, 6, white, hex(0x307050));
      });
    };
    m["cd03.bmp"] = [](Img& im) {
      cd(im, hex(0xffd890), [](Img& i) {
        i.toon(heart(20, 22, 8), rose, 0.8f);
        label(i, words("るぴあ", "LUPIA"), C, 11, 6, white, hex(0xa06020));
      });
    };
    m["cd04.bmp"] = [](Img& im) {
      cd(im, hex(0x404858), [](Img& i) {
        i.toon(capsule(14, 28, 24, 12, 1.4f), hex(0xf0a040), 0.7f);
        i.toon(ellipse(13, 29, 3.5f, 2.5f), hex(0xf0a040), 0.7f);
        label(i, "NOBU", 25, 30, 5, white, ink);
      });
    };
    m["cd05.bmp"] = [](Img& im) {
      cd(im, hex(0xb088e0), [](Img& i) {
        i.toon(circle(20, 20, 6), hex(0x7040a0), 0.8f);
        i.toon(capsule(20, 14, 24, 9, 0.8f), green, 0.6f);
        label(i, "PLUM", C, 31, 5, white, ink);
      });
    };
    // --- clothing ---
    m["reis.bmp"] = [](Img& im) {
      tshirt(im, white, [](Img& i) {
        label(i, "REI", C - 3, 20, 7, rose, white);
        i.toon(heart(C + 8, 20, 2.6f), rose, 0.5f);
        i.line(12, 27, 28, 27, 1.2f, hex(0x90c8f0), 0.9f);
      });
    };
    m["syuen.bmp"] = [](Img& im) {
      tshirt(im, hex(0x383040), [](Img& i) { draw_skull(i, C, 21, 5); });
    };
    m["shut.bmp"] = [](Img& im) {
      tshirt(im, hex(0xf4f8ff), [](Img& i) {
        i.toon(polygon({{16, 6}, {C, 12}, {24, 6}, {C, 16}}), white, 0.6f);
        i.toon(polygon({{C - 2, 12}, {C + 2, 12}, {C + 3, 22}, {C, 25}, {C - 3, 22}}), red, 0.6f);
      });
    };
    m["scurt.bmp"] = [](Img& im) {
      im.toon(polygon({{12, 8}, {28, 8}, {36, 34}, {4, 34}}), navy, 1);
      for (int i = 0; i < 6; i++)
        im.line(10.0f + float(i) * 4, 10, 7.0f + float(i) * 5.5f, 34, 0.6f, darken(navy, 0.25f));
      im.toon(box(11, 6, 29, 10, 1), darken(navy, 0.1f), 0.8f);
    };
    m["death.bmp"] = [](Img& im) {
      im.toon(polygon({{9, 4}, {31, 4}, {34, 37}, {23, 37}, {C, 14}, {17, 37}, {6, 37}}),
              hex(0x4a5a88), 1);
      im.line(C, 5, C, 14, 0.7f, hex(0xf0c040));
      draw_skull(im, 13, 24, 3);
    };
    m["buruma.bmp"] = [](Img& im) {
      pants(im, hex(0x3a4a98), [](Img& i) { draw_flower(i, 28, 16, 3, pink); });
    };
    m["trance.bmp"] = [](Img& im) {
      pants(im, hex(0x90c878), [](Img& i) {
        for (int k = 0; k < 5; k++)
          i.toon(circle(10.0f + float(k) * 5, 18.0f + float(k % 2) * 5, 1.6f), hex(0x405030), 0.4f);
      });
    };
    m["pantu.bmp"] = [](Img& im) {
      pants(im, white, [](Img& i) {
        for (int k = 0; k < 3; k++)
          i.line(8, 15.0f + float(k) * 4, 32, 15.0f + float(k) * 4, 1.2f, hex(0x70a0e0));
      });
    };
    m["hade.bmp"] = [](Img& im) {
      pants(im, hex(0xff50a0), [](Img& i) {
        i.toon(heart(C, 17, 4), lemon, 0.6f);
        i.glint(10, 15, 2.5f, white);
        i.glint(30, 18, 2.5f, white);
      });
    };
    m["nekutai.bmp"] = [](Img& im) {
      im.toon(polygon({{16, 4}, {24, 4}, {22, 10}, {18, 10}}), hex(0x4070d0), 1);
      im.toon(polygon({{18, 10}, {22, 10}, {27, 32}, {C, 38}, {13, 32}}), hex(0x4070d0), 1);
      for (int i = 0; i < 4; i++)
        im.line(15, 14.0f + float(i) * 6, 25, 18.0f + float(i) * 6, 1, lemon);
    };
    m["himo.bmp"] = [](Img& im) {
      // ラプソディアのひも: a coil of braided blue cord, its two ends hanging with gold tassels
      const Col c = hex(0x5a90e0);
      for (int k = 0; k < 4; k++) {
        const float y = 12.0f + float(k) * 4.5f;
        im.fill(ring(ellipse(C, y, 13 - float(k), 6), 1.4f), ink);
        im.fill(ring(ellipse(C, y, 13 - float(k), 6), 0.8f), c);
        for (int j = 0; j < 9; j++) {
          const float a = float(j) * 0.7f + float(k);
          im.blend(int(C + std::cos(a) * (13 - float(k))), int(y + std::sin(a) * 6),
                   lighten(c, 0.4f), 1);
        }
      }
      for (int s = -1; s <= 1; s += 2) {
        const float x = C + float(s) * 9;
        im.line(x, 24, x + float(s) * 2, 29, 1.6f, c);
        im.toon(polygon({{x + float(s) * 2 - 2, 29},
                         {x + float(s) * 2 + 2, 29},
                         {x + float(s) * 2 + 3.5f, 38},
                         {x + float(s) * 2 - 3.5f, 38}}),
                gold, 1);
        im.toon(box(x + float(s) * 2 - 2.5f, 28, x + float(s) * 2 + 2.5f, 30.5f),
                darken(gold, 0.2f), 1);
      }
    };
    m["cap00.bmp"] = [](Img& im) {
      im.toon(polygon({{8, 30}, {C, 4}, {32, 30}}), hex(0xb8c8f0), 1);
      im.toon(box(6, 28, 34, 34, 3), white, 1);
      im.toon(circle(C, 4, 3.5f), white, 0.8f);
      for (int i = 0; i < 3; i++)
        im.toon(star(14.0f + float(i) * 6, 20.0f - float(i % 2) * 4, 2, 0.9f, 5), lemon, 0.4f);
    };
    m["tanhoi.bmp"] = [](Img& im) {
      im.toon(inter(circle(C, 26, 14), box(4, 8, 36, 26)), hex(0x3a3a48), 1);
      im.toon(ellipse(30, 26, 9, 3), hex(0x3a3a48), 1);
      label(im, "T", C, 19, 8, gold, ink);
    };
    m["pajama.bmp"] = [](Img& im) {
      tshirt(im, hex(0xc8b0f0), [](Img& i) {
        i.toon(polygon({{14, 2}, {26, 2}, {27, -4}, {24, 0}, {C, -5}, {16, 0}, {13, -4}}), gold,
               0.5f);
        for (int k = 0; k < 6; k++)
          i.toon(star(11.0f + float(k % 3) * 9, 17.0f + float(k / 3) * 10, 2, 0.9f, 5), lemon,
                 0.4f);
        i.toon(polygon({{15, 4}, {25, 4}, {23, 0}, {C, 3}, {17, 0}}), gold, 0.6f);
      });
    };
    m["ni.bmp"] = [](Img& im) {
      for (int s = -1; s <= 1; s += 2) {
        float x = C + float(s) * 7;
        im.toon(unite(box(x - 4, 4, x + 4, 32, 2), ellipse(x + float(s) * 2, 34, 6, 3.5f)),
                hex(0x303040), 1);
        im.toon(unite(polygon({{x, 6}, {x - 5, 3}, {x - 5, 9}}),
                      polygon({{x, 6}, {x + 5, 3}, {x + 5, 9}})),
                pink, 0.6f);
      }
    };
    m["west.bmp"] = [](Img& im) {
      im.toon(unite(polygon({{12, 4}, {26, 4}, {27, 24}, {36, 28}, {36, 35}, {8, 35}, {10, 24}}),
                    box(6, 33, 36, 36)),
              hex(0xb07040), 1);
      im.toon(star(19, 16, 4, 1.8f, 5), gold, 0.6f);
      im.toon(box(6, 34, 12, 37), hex(0x704020), 0.6f);
    };
    m["bag.bmp"] = [](Img& im) {
      im.fill(ring(inter(ellipse(C, 14, 10, 10), box(0, 0, 40, 14)), 1.4f), hex(0x8a6a40));
      im.toon(box(6, 14, 34, 36, 4), hex(0xe8d8b8), 1);
      im.toon(ellipse(C, 24, 6, 6), white, 0.6f);
      im.fill(ellipse(C - 2, 23, 1, 1), ink);
      im.fill(ellipse(C + 2, 23, 1, 1), ink);
      im.toon(capsule2(C - 4, 20, 1.2f, C - 8, 15, 0.5f), hex(0xe8d8b0), 0.5f);
      im.toon(capsule2(C + 4, 20, 1.2f, C + 8, 15, 0.5f), hex(0xe8d8b0), 0.5f);
    };
    m["eod.bmp"] = [](Img& im) {
      // ＥＯＤリュック: a rucksack: a carry loop on top, the flap with two buckles, a front
      // pocket, the shoulder straps at its sides
      const Col c = hex(0xf08050);
      im.toon(capsule(C, 6, C, 3, 2.2f), hex(0x5e3a28), 1);
      im.toon(box(4, 10, 10, 32, 2), hex(0x5e3a28), 1);
      im.toon(box(30, 10, 36, 32, 2), hex(0x5e3a28), 1);
      im.toon(box(7, 6, 33, 37, 7), c, 1);
      im.toon(inter(box(7, 6, 33, 21, 7), box(0, 0, 40, 21)), darken(c, 0.12f), 1);
      im.toon(box(11, 24, 29, 35, 3), lighten(c, 0.15f), 1);
      im.line(12, 27, 28, 27, 1, darken(c, 0.3f));
      for (int s = -1; s <= 1; s += 2) {
        im.toon(box(C + float(s) * 7 - 1.5f, 16, C + float(s) * 7 + 1.5f, 25), hex(0x5e3a28), 1);
        im.toon(box(C + float(s) * 7 - 2, 21, C + float(s) * 7 + 2, 24), gold, 1);
      }
      pixel_text(im, "EOD", C, 13, white, 1, true, ink);
    };
    m["wig.bmp"] = [](Img& im) {
      im.toon(unite(ellipse(C, 16, 11, 10), capsule2(8, 14, 4, 5, 34, 2.5f)), hex(0xf0c060), 1);
      im.toon(capsule2(32, 14, 4, 35, 34, 2.5f), hex(0xf0c060), 1);
      im.toon(circle(9, 12, 2.5f), pink, 0.6f);
      im.toon(circle(31, 12, 2.5f), pink, 0.6f);
    };
    m["katura.bmp"] = [](Img& im) {
      im.toon(inter(ellipse(C, 26, 15, 16), box(0, 0, 40, 27)), hex(0x2e2a30), 1);
      im.line(12, 16, 26, 12, 1.2f, hex(0x605860), 0.7f);
      im.toon(ellipse(C, 30, 10, 3), hex(0xffe0c8), 0.6f);
    };
    m["hair.bmp"] = [](Img& im) {
      im.fill(ring(ellipse(C, 22, 12, 8), 2.2f), ink);
      im.fill(ring(ellipse(C, 22, 12, 8), 1.4f), rose);
      im.toon(circle(C, 14, 4), lemon, 0.8f);
      im.toon(circle(C + 5, 15, 3), sky, 0.7f);
    };
    m["pin.bmp"] = [](Img& im) {
      im.toon(rotated(box(4, 19, 36, 22, 1.5f), C, C, -20), hex(0xd0d0d8), 0.8f);
      draw_flower(im, 28, 16, 7, pink);
    };
    m["koumori.bmp"] = [](Img& im) {
      im.toon(polygon({{C, 18},
                       {4, 12},
                       {8, 20},
                       {4, 26},
                       {12, 24},
                       {C, 28},
                       {28, 24},
                       {36, 26},
                       {32, 20},
                       {36, 12}}),
              hex(0x503858), 1);
      im.toon(circle(C, 20, 5), hex(0x503858), 0.8f);
      im.fill(circle(C - 2, 19, 1), red);
      im.fill(circle(C + 2, 19, 1), red);
    };
    m["garathea.bmp"] = [](Img& im) {
      im.fill(ring(inter(ellipse(C, 26, 16, 16), box(0, 0, 40, 26)), 1.8f), ink);
      im.fill(ring(inter(ellipse(C, 26, 16, 16), box(0, 0, 40, 26)), 1.1f), white);
      for (int s = -1; s <= 1; s += 2)
        im.toon(polygon({{C + float(s) * 6, 11}, {C + float(s) * 13, 4}, {C + float(s) * 13, 14}}),
                hex(0x4a4050), 0.8f);
      im.toon(unite(ellipse(C - 3, 10, 3, 2), ellipse(C + 3, 10, 3, 2)), rose, 0.6f);
    };
    m["choker.bmp"] = [](Img& im) {
      im.fill(ring(ellipse(C, 18, 14, 9), 2.2f), ink);
      im.fill(ring(ellipse(C, 18, 14, 9), 1.4f), hex(0x403848));
      draw_skull(im, C, 29, 5);
    };
    m["cloits.bmp"] = [](Img& im) {
      im.line(C, 2, C, 10, 0.7f, grey);
      im.toon(unite(box(C - 2.5f, 10, C + 2.5f, 37, 1), box(C - 10, 17, C + 10, 22, 1)),
              hex(0xd8d8e8), 1);
      im.toon(circle(C, 19.5f, 3), red, 0.6f);
    };
    m["pendant.bmp"] = [](Img& im) {
      im.fill(ring(inter(ellipse(C, 8, 12, 14), box(0, 8, 40, 40)), 0.7f), gold);
      gem(im, C, 27, 7, hex(0x80c0ff));
    };
    m["sinigami.bmp"] = [](Img& im) {
      for (float x : {11.0f, 29.0f})
        earring(im, x, [](Img& i, float cx, float cy) {
          i.toon(capsule(cx + 3, cy - 5, cx - 2, cy + 13, 1.3f), wood_dark, 0.8f);
          i.toon(polygon({{cx + 3, cy - 6}, {cx - 9, cy - 3}, {cx - 7, cy + 4}, {cx - 2, cy - 1}}),
                 hex(0xc8d0e0), 0.9f);
          draw_skull(i, cx + 1, cy + 14, 3);
        });
    };
    m["yoruko.bmp"] = [](Img& im) {
      for (float x : {12.0f, 28.0f})
        earring(im, x, [](Img& i, float cx, float cy) {
          i.toon(minus(circle(cx, cy, 5.5f), circle(cx + 2.5f, cy - 2, 4.5f)), lemon, 0.8f);
        });
    };
    m["tiala.bmp"] = [](Img& im) {
      im.toon(polygon({{4, 30}, {36, 30}, {32, 18}, {26, 22}, {C, 8}, {14, 22}, {8, 18}}),
              hex(0xe8ecf8), 1);
      gem(im, C, 20, 4, hex(0x80c0ff));
      gem(im, 10, 26, 2.5f, pink);
      gem(im, 30, 26, 2.5f, pink);
    };
    m["croun.bmp"] = [](Img& im) {
      im.toon(polygon({{5, 34}, {35, 34}, {37, 10}, {28, 20}, {C, 5}, {12, 20}, {3, 10}}), gold, 1);
      im.toon(box(5, 28, 35, 34, 1), hex(0xd04858), 0.8f);
      gem(im, C, 20, 4, red);
      for (float x : {3.0f, C, 37.0f}) im.toon(circle(x, x == C ? 5 : 10, 2.2f), white, 0.6f);
      im.glint(33, 4, 4, white);
    };
    // --- rooms and things ---
    m["makura00.bmp"] = [](Img& im) {
      im.toon(box(4, 10, 36, 32, 8), hex(0xc8d8ff), 1);
      draw_face(im, C, 21, 9, 1, 1, pink);
      label(im, "zz", 31, 10, 6, navy, white);
    };
    m["makura01.bmp"] = [](Img& im) {
      im.toon(box(4, 10, 36, 32, 8), lemon, 1);
      draw_poo(im, C, 20, 7, true);
    };
    m["makura02.bmp"] = [](Img& im) {
      im.toon(capsule(6, 24, 34, 24, 9), hex(0xf4e8d8), 1);
      im.toon(ellipse(8, 18, 3.5f, 6), hex(0xb08060), 0.8f);
      draw_face(im, 12, 23, 6, 0, 0, pink);
      im.fill(ellipse(12, 25, 1.2f, 0.9f), ink);
    };
    m["kussion.bmp"] = [](Img& im) {
      im.toon(box(4, 8, 36, 34, 10), hex(0xffd0e0), 1);
      draw_cat_face(im, C, 23, 9, white);
    };
    m["hankachi00.bmp"] = [](Img& im) {
      for (int i = 0; i < 12; i++) {
        float a = float(i) / 12 * 6.283f;
        im.toon(circle(C + std::cos(a) * 14, C + std::sin(a) * 14, 3.2f), white, 0.7f);
      }
      im.toon(rotated(box(8, 8, 32, 32, 1), C, C, 45), white, 1);
      draw_flower(im, C, C, 5, pink);
    };
    m["taol.bmp"] = [](Img& im) {
      im.toon(box(6, 8, 34, 32, 2), hex(0xb8e8f0), 1);
      for (int i = 0; i < 4; i++)
        im.line(7, 10.0f + float(i) * 7, 33, 10.0f + float(i) * 7, 0.6f, white, 0.7f);
      label(im, "TQ", C, C, 9, rose, white);
    };
    m["stick.bmp"] = [](Img& im) {
      im.toon(capsule(8, 36, 26, 12, 1.5f), wood, 0.8f);
      im.toon(unite(ellipse(29, 10, 7, 4), polygon({{22, 10}, {17, 5}, {17, 15}})), hex(0x8ab8f0),
              1);
      im.fill(circle(32, 9, 1), ink);
      im.glint(34, 3, 3, gold);
    };
    m["bou.bmp"] = [](Img& im) {
      im.toon(capsule(8, 34, 30, 8, 1.8f), wood, 1);
      im.toon(circle(31, 7, 4.5f), hex(0xd8a060), 1);
      im.toon(box(6, 30, 14, 38, 2), red, 0.8f);
    };
    m["case.bmp"] = [](Img& im) {
      // かぶとむし飼育小屋: a clear plastic tank with a green lid, soil and a log, and a rhinoceros
      // beetle on the log: a shiny red-brown shell split down the back, its great curved horn
      im.toon(box(3, 12, 37, 36, 2), hex(0xdff4ff), 1);
      im.toon(box(2, 8, 38, 13, 1.5f), green, 1);
      for (int k = 0; k < 5; k++)
        im.fill(box(8.0f + float(k) * 6, 9.5f, 10.0f + float(k) * 6, 11), hex(0x3f9a5a));
      im.fill(box(4, 29, 36, 35), hex(0x8a5a3a));
      im.toon(capsule(7, 27, 30, 25, 3), wood_dark, 1);
      im.line(10, 26, 27, 24.5f, 1, hex(0x5e3a28));
      const Col shell = hex(0x7a3a20);
      for (int k = 0; k < 3; k++)
        im.line(14.0f + float(k) * 4, 22, 12.0f + float(k) * 4.5f, 25.5f, 1, ink);
      im.toon(ellipse(20, 19, 7, 4.2f), shell, 1);
      im.line(20, 15.5f, 20, 22.5f, 1, darken(shell, 0.4f));
      im.toon(ellipse(28, 19, 3, 2.6f), hex(0x5a2a18), 1);
      im.toon(unite(capsule2(29, 18, 1.4f, 33, 13, 0.8f), capsule(33, 13, 32, 11, 0.6f)),
              hex(0x5a2a18), 1);
      im.fill(box(15, 16.5f, 18, 17.5f), hex(0xffb090));  // the shell's shine
      im.line(6, 14, 6, 27, 1, white, 0.8f);
    };
    m["takara.bmp"] = [](Img& im) {
      im.toon(box(5, 18, 35, 35, 2), wood, 1);
      im.toon(inter(ellipse(C, 19, 15, 10), box(0, 0, 40, 19)), hex(0xc88a50), 1);
      im.fill(box(5, 17, 35, 20), gold);
      im.toon(box(17, 16, 23, 24, 1), gold, 0.8f);
      im.glint(8, 9, 3, gold);
    };
    m["takara2.bmp"] = [](Img& im) {
      im.toon(box(5, 18, 35, 35, 2), hex(0x8a5a80), 1);
      im.toon(inter(ellipse(C, 19, 15, 10), box(0, 0, 40, 19)), hex(0xa06a90), 1);
      im.fill(box(5, 17, 35, 20), gold);
      for (int i = 0; i < 5; i++)
        im.toon(
            polygon(
                {{8.0f + float(i) * 6, 20}, {11.0f + float(i) * 6, 20}, {9.5f + float(i) * 6, 26}}),
            white, 0.4f);
      im.toon(box(17, 16, 23, 24, 1), gold, 0.8f);
    };
    m["igo.bmp"] = [](Img& im) {
      im.toon(box(4, 8, 36, 32, 1), hex(0xf0c880), 1);
      for (int i = 0; i < 5; i++) {
        im.line(8.0f + float(i) * 6, 11, 8.0f + float(i) * 6, 29, 0.5f, wood_dark);
        im.line(7, 12.0f + float(i) * 4.2f, 33, 12.0f + float(i) * 4.2f, 0.5f, wood_dark);
      }
      im.toon(circle(14, 16, 2.3f), ink, 0.4f);
      im.toon(circle(26, 24, 2.3f), white, 0.5f);
      im.toon(heart(32, 31, 3.5f), pink, 0.6f);
      im.toon(box(6, 32, 34, 36, 1), hex(0xd8a860), 0.8f);
    };
    m["goishi.bmp"] = [](Img& im) {
      // 碁石: a squat wooden go bowl full of black stones, its lid beside it, stones in front
      im.toon(inter(ellipse(31, 34, 7.5f, 5), box(0, 0, 40, 34)), wood, 1);  // the lid, upturned
      im.toon(inter(ellipse(16, 25, 13, 11), box(0, 20, 40, 40)), wood, 1);
      im.toon(ellipse(16, 20.5f, 11, 3.2f), hex(0x303038), 1);
      for (int k = 0; k < 4; k++)
        im.fill(ellipse(10.0f + float(k) * 4, 20, 1.6f, 0.8f), hex(0x707888));
      for (int k = 0; k < 3; k++)
        im.toon(ellipse(6.0f + float(k) * 5.5f, 36.0f - float(k % 2), 3, 1.8f),
                k == 1 ? white : hex(0x303038), 1);
    };
    m["goishi2.bmp"] = [](Img& im) {
      // ピンブル碁石: the same in the brand's pink: a pink bowl, pink and white stones
      im.toon(inter(ellipse(31, 34, 7.5f, 5), box(0, 0, 40, 34)), rose, 1);
      im.toon(inter(ellipse(16, 25, 13, 11), box(0, 20, 40, 40)), pink, 1);
      im.toon(ellipse(16, 20.5f, 11, 3.2f), hex(0xf04c98), 1);
      for (int k = 0; k < 4; k++)
        im.fill(ellipse(10.0f + float(k) * 4, 20, 1.6f, 0.8f), hex(0xffb7cf));
      pixel_text(im, "P", 16, 29, white, 1);
      for (int k = 0; k < 3; k++)
        im.toon(ellipse(6.0f + float(k) * 5.5f, 36.0f - float(k % 2), 3, 1.8f),
                k == 1 ? white : hex(0xf04c98), 1);
    };
    m["keitai.bmp"] = [](Img& im) {
      im.toon(box(12, 4, 28, 36, 4), hex(0xff90c0), 1);
      im.toon(box(14, 7, 26, 19, 1), hex(0xd8f4ff), 0.7f);
      for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++)
          im.toon(circle(15.5f + float(c) * 4.5f, 23.5f + float(r) * 4, 1.3f), white, 0.4f);
      im.toon(heart(C, 12.5f, 3), rose, 0.5f);
    };
    m["pantoban.bmp"] = [](Img& im) {
      im.line(C, 2, C, 12, 0.7f, ink);
      im.toon(ellipse(13, 24, 8, 7), hex(0xf0c888), 1);  // pan (bread)
      draw_face(im, 13, 25, 6, 1, 0, pink);
      im.toon(ellipse(27, 24, 8, 7), hex(0xe8e8f0), 1);  // ban
      draw_face(im, 27, 25, 6, 0, 1, pink);
      im.toon(circle(C, 13, 2), rose, 0.6f);
    };
    m["mayoke.bmp"] = [](Img& im) {
      // a paper charm: "魔" and "除" brushed in red down the strip, a red seal at the foot,
      // a cord through the top
      im.toon(box(12, 3, 28, 37, 1), hex(0xfff6e0), 1);
      im.fill(box(13.5f, 5, 26.5f, 6.2f), hex(0xc03030), 0.8f);
      if (english) {
        for (int k = 0; k < 4; k++)  // "WARD" down the strip
          pixel_text(im, std::string(1, "WARD"[k]), C, 9.5f + float(k) * 6, hex(0xc03030), 1);
      } else {
        draw_text(im, "魔", C, 13, 9, hex(0xc03030), true);
        draw_text(im, "除", C, 24, 9, hex(0xc03030), true);
      }
      im.toon(box(C - 3, 29.5f, C + 3, 35.5f, 0.8f), red, 0.6f);
      im.line(C, 0, C, 3, 1, hex(0xd0a040));
    };
    m["tower.bmp"] = [](Img& im) {
      im.toon(polygon({{C, 2}, {24, 18}, {31, 37}, {25, 37}, {C, 26}, {15, 37}, {9, 37}, {16, 18}}),
              hex(0xf07050), 1);
      im.toon(box(14, 17, 26, 20, 1), white, 0.6f);
      im.toon(box(10, 27, 30, 30, 1), white, 0.6f);
    };
    m["juce.bmp"] = [](Img& im) {
      im.toon(polygon({{10, 10}, {30, 10}, {27, 37}, {13, 37}}), hex(0xf0f8ff), 1);
      im.fill(polygon({{11.5f, 16}, {28.5f, 16}, {26.5f, 35.5f}, {13.5f, 35.5f}}), hex(0xffb0c8));
      im.line(24, 2, 21, 24, 1.6f, pink);
      im.toon(ellipse(14, 13, 4, 3.5f), red, 0.7f);  // a strawberry on the rim
    };
    m["coke.bmp"] = [](Img& im) {
      // コーラ: a curvy glass bottle of dark cola, a red cap, its label inside the bottle's width
      const Sdf glass = unite({smooth_unite(ellipse(C, 29, 9, 8), ellipse(C, 17, 5.6f, 6), 3),
                               box(C - 3, 4, C + 3, 14, 1)});
      im.toon(glass, hex(0xd0e8e0), 1);
      im.fill(inter(grow(glass, -1.2f), box(0, 14, 40, 40)), hex(0x5e3a28));
      im.toon(box(C - 3.8f, 2, C + 3.8f, 6, 1), red, 1);
      im.toon(box(C - 8, 24, C + 8, 31, 1), red, 1);
      pixel_text(im, "COLA", C, 27.5f, white, 1);
      im.line(C - 4, 16, C - 5, 22, 1, white, 0.8f);
    };
    m["olive.bmp"] = [](Img& im) {
      bottle(im, hex(0x405a30), hex(0x203018), gold, 8, 2.5f);
      im.toon(ellipse(C, 27, 3, 4), hex(0x303040), 0.6f);
    };
    m["sweet.bmp"] = [](Img& im) {
      bottle(im, hex(0xffd8f0), hex(0xffa8d8), lilac, 9, 4);
      im.toon(heart(C, 27, 4), white, 0.6f);
    };
    m["kousui.bmp"] = [](Img& im) {
      im.toon(polygon({{C, 12}, {33, 26}, {C, 38}, {7, 26}}), hex(0xc8d8ff), 1);
      im.toon(box(17, 6, 23, 13, 1), gold, 0.8f);
      im.toon(minus(circle(C, 26, 4), circle(C + 2, 24.5f, 3.5f)), lemon, 0.5f);
      im.gloss(13, 24, 1.5f, 3, 0.6f);
    };
    m["maskara.bmp"] = [](Img& im) {
      im.toon(rotated(box(C - 3.5f, 4, C + 3.5f, 36, 3), C, C, 30), hex(0x503050), 1);
      im.toon(rotated(box(C - 3.5f, 4, C + 3.5f, 16, 3), C, C, 30), hex(0xd0a0e0), 0.8f);
      im.glint(30, 30, 3, white);
    };
    m["bodycare.bmp"] = [](Img& im) {
      bottle(im, white, hex(0xc8f0ff), sky, 9, 5);
      label(im, words("るーこ", "LUKO"), C, 27, 5, sky, white);
    };
    m["rip.bmp"] = [](Img& im) {
      im.toon(box(14, 18, 26, 37, 1.5f), gold, 1);
      im.toon(unite(box(15, 8, 25, 19, 1), polygon({{15, 9}, {25, 5}, {25, 10}})), hex(0xff70a0),
              1);
      im.gloss(17, 12, 1, 3, 0.6f);
    };
    m["nail.bmp"] = [](Img& im) {
      const Col cs[] = {rose, sky, lemon};
      for (int i = 0; i < 3; i++) {
        float x = 10.0f + float(i) * 10;
        im.toon(box(x - 4, 18, x + 4, 36, 2), lighten(cs[i], 0.3f), 1);
        im.toon(box(x - 1.5f, 8, x + 1.5f, 19, 1), ink, 0.5f);
        im.fill(box(x - 2.5f, 24, x + 2.5f, 34, 1), cs[i]);
      }
      im.glint(33, 8, 3.5f, white);
    };
    m["aroma.bmp"] = [](Img& im) {
      // 沙耶香の入浴剤: a glass jar of lilac bath salts with a cork and a flowered label, and a
      // bath bomb fizzing beside it
      im.toon(box(8, 10, 26, 36, 3), hex(0xeaf4ff), 1);
      im.fill(box(9.5f, 17, 24.5f, 34.5f, 2), hex(0xd2b8f0));
      for (int k = 0; k < 6; k++)
        im.fill(box(10.0f + float(k * 5 % 13), 19.0f + float(k * 7 % 14), 11.0f + float(k * 5 % 13),
                    20.0f + float(k * 7 % 14)),
                white);
      im.toon(box(10, 5, 24, 10.5f, 1), wood, 1);
      im.toon(box(10, 22, 24, 30, 1), white, 1);
      draw_flower(im, 17, 26, 3.4f, hex(0x9a70c8));
      im.line(10, 12, 10, 30, 1, white, 0.8f);
      im.toon(circle(31, 31, 5), hex(0xffb7cf), 1);
      for (int k = 0; k < 3; k++)
        im.toon(circle(31.0f + float(k) * 2 - 2, 23.0f - float(k) * 4, 1.3f), hex(0xeaf4ff), 1);
    };
    m["megane00.bmp"] = [](Img& im) {
      glasses(im, hex(0x303040), hex(0x384860), false);
      label(im, "ZVK", C, 32, 5, ink, white);
    };
    m["gogle.bmp"] = [](Img& im) { glasses(im, hex(0xf08040), hex(0x90d8f0), true); };
    m["poster.bmp"] = [](Img& im) {
      poster(im, hex(0xd8e8ff), [](Img& i) {
        i.toon(circle(C, 15, 6), skin, 0.8f);
        i.toon(inter(circle(C, 14, 7), box(10, 6, 30, 13)), hex(0x5a90e0), 0.8f);
        i.toon(polygon({{13, 34}, {27, 34}, {24, 21}, {16, 21}}), pink, 0.8f);
        i.glint(27, 9, 2.5f, gold);
      });
    };
    m["art.bmp"] = [](Img& im) {
      im.toon(box(3, 5, 37, 35, 1), gold, 1.2f);
      im.fill(box(6, 8, 34, 32), vgrad(8, hex(0x90c0f0), 32, hex(0xf0d0a0)));
      im.fill(ellipse(14, 30, 14, 6), hex(0x70b070));
      im.fill(circle(27, 14, 3.5f), hex(0xfff0a0));
      draw_flower(im, 12, 25, 3, pink);
    };
    m["steppers.bmp"] = [](Img& im) {
      // STEPPERS STOP･ﾀﾍﾟｽﾄﾘ: a woven wall hanging on a wooden rod: footprints marching to a stop
      // sign, a woven border, and a fringe along the bottom
      im.line(C, 1, 9, 6, 1, ink);
      im.line(C, 1, 31, 6, 1, ink);
      im.toon(capsule(4, 6, 36, 6, 1.6f), wood_dark, 1);
      im.toon(polygon({{8, 7}, {32, 7}, {32, 33}, {8, 33}}), hex(0xf8e8c8), 1);
      for (int i = 0; i < 6; i++)
        im.fill(box(9.0f + float(i) * 4, 8.5f, 11.0f + float(i) * 4, 10), red);
      for (int i = 0; i < 6; i++)
        im.fill(box(9.0f + float(i) * 4, 30, 11.0f + float(i) * 4, 31.5f), red);
      for (int i = 0; i < 3; i++)
        im.toon(ellipse(13.0f + float(i % 2) * 4, 14.0f + float(i) * 4.5f, 1.6f, 2.2f),
                hex(0x405070), 0.4f);
      im.toon(ngon(26, 17, 4.6f, 8, 22.5f), red, 1);
      im.fill(box(23.5f, 16.5f, 28.5f, 17.5f), white);
      pixel_text(im, "STOP", C, 26, red, 1);
      for (int i = 0; i < 12; i++)
        im.line(8.5f + float(i) * 2.1f, 33, 8.5f + float(i) * 2.1f, 37, 1, hex(0xf0d8a0));
    };
    m["monatoso.bmp"] = [](Img& im) {
      im.toon(unite(box(10, 12, 30, 37, 3), box(15, 4, 25, 13, 1)), hex(0xe8fff0), 1);
      im.fill(box(11.5f, 20, 28.5f, 35.5f, 2), hex(0x70d8a0), 0.8f);
      label(im, words("素", "M"), C, 27, 8, white, hex(0x307050));
      for (int i = 0; i < 3; i++)
        im.toon(circle(14.0f + float(i) * 5, 17.0f - float(i % 2) * 2, 1.2f), white, 0.4f);
    };
    m["virgin.bmp"] = [](Img& im) {
      model_box(im, hex(0x5078c8), "VIRGIN", [](Img& i) {
        i.toon(polygon({{8, 18}, {24, 14}, {34, 17}, {24, 20}}), hex(0xe8e8f0), 0.7f);
        i.toon(polygon({{18, 16}, {22, 8}, {25, 16}}), hex(0xe8e8f0), 0.6f);
      });
    };
    m["senkan.bmp"] = [](Img& im) {
      model_box(im, hex(0x607080), "BATTLE", [](Img& i) {
        i.toon(polygon({{6, 19}, {34, 19}, {30, 23}, {10, 23}}), hex(0xb0b8c8), 0.7f);
        i.toon(box(16, 13, 24, 19, 1), hex(0xb0b8c8), 0.6f);
        i.toon(ellipse(12, 14, 5, 2), white, 0.4f);
      });
    };
    m["ufo.bmp"] = [](Img& im) {
      model_box(im, hex(0x403870), "UFO", [](Img& i) {
        i.toon(ellipse(C, 19, 12, 4), hex(0xc8d0e0), 0.7f);
        i.toon(inter(circle(C, 18, 6), box(0, 0, 40, 18)), hex(0x90f0d0), 0.6f);
      });
    };
    m["excelion.bmp"] = [](Img& im) {
      im.toon(box(12, 18, 28, 32, 2), hex(0xf0f0f8), 1);
      im.toon(box(14, 6, 26, 17, 2), hex(0xf0f0f8), 1);
      im.toon(box(16, 9, 24, 13, 1), hex(0x50c8ff), 0.6f);
      im.toon(polygon({{C, 1}, {17, 7}, {23, 7}}), gold, 0.6f);
      for (int s = -1; s <= 1; s += 2) {
        im.toon(box(C + float(s) * 12 - 3, 18, C + float(s) * 12 + 3, 30, 2), hex(0x3060d0), 1);
        im.toon(box(C + float(s) * 5 - 3, 31, C + float(s) * 5 + 3, 38, 1), hex(0x3060d0), 1);
      }
      im.toon(star(C, 25, 3, 1.3f, 5), red, 0.5f);
    };
    m["luku.bmp"] = [](Img& im) {
      im.toon(box(8, 34, 32, 38, 1), wood, 0.8f);
      im.toon(ellipse(C, 22, 10, 6), white, 1);
      for (int i = 0; i < 4; i++)
        im.toon(capsule(13.0f + float(i) * 4.6f, 26, 12.0f + float(i) * 5, 34, 1.4f), white, 0.6f);
      im.toon(capsule2(28, 20, 3.5f, 33, 9, 2.5f), white, 1);
      im.toon(polygon({{29, 12}, {34, 2}, {33, 12}}), gold, 0.6f);
      im.toon(capsule(10, 18, 5, 26, 1.5f), hex(0xd0d8f0), 0.6f);
    };
    m["hayashi.bmp"] = [](Img& im) {
      im.toon(box(8, 32, 32, 38, 1), hex(0xb0a898), 1);
      im.toon(unite(box(12, 18, 28, 32, 4), circle(C, 12, 8)), hex(0xd8d4c8), 1);
      draw_face(im, C, 12, 7, 2, 3, Col{});
      im.line(C - 3, 15, C + 3, 15, 0.8f, ink);
    };
    m["men.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 22, 13, 15), hex(0xfff4e8), 1);
      for (int s = -1; s <= 1; s += 2) {
        im.toon(capsule2(C + float(s) * 9, 9, 2.5f, C + float(s) * 14, 2, 1), hex(0xf0d8a0), 0.7f);
        im.fill(polygon({{C + float(s) * 2, 18}, {C + float(s) * 9, 15}, {C + float(s) * 8, 20}}),
                ink);
      }
      im.toon(inter(ellipse(C, 30, 7, 5), box(0, 28, 40, 40)), hex(0xc03040), 0.7f);
      im.fill(box(C - 5, 28, C + 5, 30), white);
    };
    m["yoga.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 21, 13, 16), hex(0xe05060), 1);
      for (int s = -1; s <= 1; s += 2) im.toon(ellipse(C + float(s) * 5.5f, 18, 4, 3), white, 0.8f);
      im.toon(ellipse(C, 29, 4, 2.5f), white, 0.7f);
      im.toon(star(C, 8, 3, 1.3f, 5), gold, 0.5f);
    };
    m["head.bmp"] = [](Img& im) {
      im.fill(ring(inter(circle(C, 22, 13), box(0, 0, 40, 22)), 2.2f), ink);
      im.fill(ring(inter(circle(C, 22, 13), box(0, 0, 40, 22)), 1.5f), lemon);
      for (int s = -1; s <= 1; s += 2) {
        im.toon(box(C + float(s) * 13 - 5, 19, C + float(s) * 13 + 5, 32, 4), lemon, 1);
        draw_face(im, C + float(s) * 13, 26, 4, 1, 0, pink);
      }
    };
    m["mangekyou.bmp"] = [](Img& im) {
      im.toon(rotated(box(4, 15, 34, 25, 3), C, C, -20), hex(0x9070d0), 1);
      im.toon(circle(33, 13, 6), white, 1);
      for (int i = 0; i < 6; i++) {
        float a = float(i) / 6 * 6.283f;
        im.fill(circle(33 + std::cos(a) * 3, 13 + std::sin(a) * 3, 1.4f), i % 2 ? pink : sky);
      }
      im.toon(star(12, 20, 2.5f, 1, 5), lemon, 0.4f);
    };
    m["suzu.bmp"] = [](Img& im) {
      im.fill(ring(circle(C, 8, 3), 0.8f), red);
      im.toon(circle(C, 22, 12), gold, 1);
      im.line(8, 20, 32, 20, 1, darken(gold, 0.4f));
      im.toon(unite(circle(C, 26, 2), box(C - 0.8f, 26, C + 0.8f, 33)), darken(gold, 0.5f), 0.4f);
      im.gloss(15, 16, 3, 2, 0.7f);
      im.toon(unite(polygon({{C, 12}, {12, 6}, {14, 14}}), polygon({{C, 12}, {28, 6}, {26, 14}})),
              red, 0.6f);
    };
    m["kingyo.bmp"] = [](Img& im) {
      im.toon(inter(circle(C, 21, 16), box(0, 7, 40, 40)), hex(0xe0f4ff), 1);
      im.fill(inter(circle(C, 21, 14.5f), box(0, 14, 40, 40)), hex(0x90d0f0), 0.6f);
      im.toon(unite(ellipse(17, 24, 5, 3.5f), polygon({{21, 24}, {27, 20}, {27, 28}})),
              hex(0xff7040), 0.8f);
      im.fill(circle(15, 23, 0.9f), ink);
      im.fill(ring(ellipse(C, 7, 10, 2), 0.8f), hex(0xa0c8e0));
    };
    m["kendama.bmp"] = [](Img& im) {
      im.toon(unite(box(17, 12, 23, 37, 1.5f), box(8, 16, 32, 21, 2)), wood, 1);
      im.toon(circle(C, 8, 6.5f), red, 1);
      im.gloss(18, 5, 2, 1.5f, 0.7f);
      im.line(C, 14, 29, 30, 0.6f, grey);
    };
    m["kaijyou.bmp"] = [](Img& im) {
      // スーパー開錠キット: an open case of lock picks in their slots, an opened padlock beside
      im.toon(box(2, 16, 28, 38, 2), hex(0x505868), 1);
      im.fill(box(4, 18, 26, 36, 1), hex(0xc03040));
      for (int i = 0; i < 5; i++) {
        const float x = 7.0f + float(i) * 4;
        im.line(x, 20, x, 34, 1, hex(0xd6dce8));
        im.toon(box(x - 1, 30, x + 1, 35), hex(0x303040), 0.4f);
        if (i % 2)
          im.line(x, 20, x + 1.5f, 19, 1, hex(0xd6dce8));
        else
          im.line(x, 20, x - 1, 21.5f, 1, hex(0xd6dce8));
      }
      im.toon(box(2, 8, 28, 15, 2), hex(0x707888), 1);
      im.fill(ring(inter(ellipse(32, 19, 5, 7), box(0, 0, 40, 19)), 1.2f), ink);
      im.fill(ring(inter(ellipse(32, 19, 5, 7), box(0, 0, 40, 19)), 0.7f), hex(0xd6dce8));
      im.toon(box(27, 22, 39, 34, 2), gold, 1);
      im.fill(circle(33, 27, 1.3f), ink);
      im.line(33, 28, 33, 31, 1, ink);
    };
    m["yunomi.bmp"] = [](Img& im) {
      // a tall, roughly thrown teacup: speckled glaze, a drip of green glaze at the lip, the
      // character for hot water on its side, green tea inside and a wisp of steam
      im.toon(polygon({{9, 12}, {31, 12}, {29.5f, 34}, {27, 37}, {13, 37}, {10.5f, 34}}),
              hex(0xd8b894), 1);
      im.fill(inter(polygon({{9, 12}, {31, 12}, {30.5f, 18}, {9.5f, 18}}),
                    polygon({{9, 12}, {31, 12}, {29.5f, 34}, {10.5f, 34}})),
              hex(0x78a070), 0.9f);
      for (int i = 0; i < 3; i++)
        im.fill(capsule2(14.0f + float(i) * 6, 17, 1.6f, 14.0f + float(i) * 6,
                         21.0f + float(i % 2) * 2, 1.1f),
                hex(0x78a070), 0.9f);
      Rng r(41);
      for (int i = 0; i < 14; i++)
        im.fill(circle(r.range(12, 28), r.range(22, 35), 0.5f), hex(0x8a6a50), 0.6f);
      draw_text(im, words("湯", "TEA"), C, 28, english ? 6 : 9, hex(0x6a4a3a), true);
      im.toon(ellipse(C, 12, 10.5f, 2.4f), hex(0xe0c8a4), 0.8f);
      im.fill(ellipse(C, 12.3f, 8.8f, 1.6f), hex(0x9cc860));
      im.line(17, 8, 19, 3, 1.1f, white, 0.7f);
      im.line(23, 8, 21, 2, 1.1f, white, 0.7f);
      im.gloss(13, 22, 1.5f, 5, 0.45f);
    };
    m["tea.bmp"] = [](Img& im) {
      im.toon(box(11, 8, 29, 37, 3), hex(0x70b070), 1);
      im.toon(box(10, 4, 30, 10, 2), hex(0x509050), 1);
      draw_face(im, C, 23, 7, 1, 0, pink);
      im.toon(ellipse(C, 14, 4, 2), hex(0xa0e090), 0.5f);
    };
    m["tqpota.bmp"] = [](Img& im) {
      im.toon(box(3, 10, 37, 32, 7), hex(0xffa0c8), 1);
      im.toon(box(12, 13, 28, 28, 1.5f), hex(0x90d8b0), 0.8f);
      im.toon(unite(box(5, 19, 10, 22), box(6, 18, 9, 23)), ink, 0.3f);
      im.toon(circle(32, 18, 1.8f), white, 0.5f);
      im.toon(circle(32, 24, 1.8f), white, 0.5f);
      label(im, "TQ", C, 20.5f, 6, white, hex(0x307050));
    };
    m["skin.bmp"] = [](Img& im) {
      im.toon(box(11, 4, 29, 36, 4), hex(0xb0f0d8), 1);
      im.toon(box(14, 8, 26, 18, 1), hex(0x304050), 0.6f);
      im.fill(ring(circle(C, 27, 5), 1.3f), white);
      for (int i = 0; i < 4; i++)
        im.toon(heart(12.0f + float(i % 2) * 16, 7.0f + float(i / 2) * 26, 2), pink, 0.3f);
    };
    m["cube.bmp"] = [](Img& im) {
      const Col cs[] = {red, lemon, sky, green, white, hex(0xffa040)};
      for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) {
          float x = 8 + float(c) * 8, y = 12 + float(r) * 8;
          im.toon(box(x, y, x + 7.5f, y + 7.5f, 1.2f), cs[(r * 3 + c * 2) % 6], 0.7f);
        }
      im.toon(polygon({{8, 12}, {14, 6}, {38, 6}, {32, 12}}), lighten(red, 0.2f), 0.7f);
      im.toon(polygon({{32, 12}, {38, 6}, {38, 30}, {32, 36}}), darken(sky, 0.1f), 0.7f);
    };
    m["earth.bmp"] = [](Img& im) { globe(im, hex(0x70b8f0), hex(0x80d080)); };
    m["maousei.bmp"] = [](Img& im) {
      globe(im, hex(0x503060), hex(0xc03050));
      im.glint(30, 6, 3, hex(0xff80c0));
    };
    m["kikai.bmp"] = [](Img& im) {
      im.toon(box(8, 12, 32, 34, 2), hex(0xb8c0c8), 1);
      im.toon(circle(15, 20, 3), red, 0.6f);
      im.toon(circle(25, 20, 3), lemon, 0.6f);
      im.toon(box(12, 26, 28, 30, 1), hex(0x405060), 0.5f);
      im.line(C, 12, C + 6, 3, 0.8f, ink);
      im.toon(circle(C + 6, 3, 2), green, 0.5f);
      label(im, "?", 33, 33, 7, navy, white);
    };
    m["sumire.bmp"] = [](Img& im) {
      im.toon(box(5, 26, 35, 37, 2), hex(0xd8a070), 1);
      for (int i = 0; i < 4; i++)
        draw_flower(im, 9.0f + float(i) * 7.5f, 20.0f - float(i % 2) * 4, 4.5f, lilac);
      for (int i = 0; i < 4; i++) im.toon(ellipse(12.0f + float(i) * 6, 26, 2, 3.5f), green, 0.6f);
    };
    m["sumire2.bmp"] = [](Img& im) {
      im.toon(box(7, 18, 33, 37, 1), hex(0xfff0f8), 1);
      im.toon(polygon({{4, 19}, {C, 4}, {36, 19}}), lilac, 1);
      im.toon(box(16, 26, 24, 37, 1), wood, 0.7f);
      im.toon(box(9, 22, 15, 28, 1), hex(0xd8f0ff), 0.6f);
      im.toon(box(25, 22, 31, 28, 1), hex(0xd8f0ff), 0.6f);
      draw_flower(im, 30, 34, 3, lilac);
    };
    m["trap.bmp"] = [](Img& im) {
      im.toon(box(4, 6, 36, 34, 2), hex(0x303058), 1);
      for (int i = 0; i < 4; i++)
        im.fill(ring(box(8.0f + float(i) * 3, 10.0f + float(i) * 3, 32.0f - float(i) * 3,
                         30.0f - float(i) * 3),
                     0.6f),
                hex(0x90a0ff));
      im.toon(star(C, C, 3, 1.3f, 5), lemon, 0.5f);
    };
    m["red.bmp"] = [](Img& im) {
      im.toon(rotated(unite(box(C - 2.5f, 2, C + 2.5f, 27, 1),
                            polygon({{C - 2.5f, 2}, {C + 2.5f, 2}, {C, -2}})),
                      C, C, 45),
              hex(0xff6070), 1);
      im.toon(rotated(box(C - 8, 27, C + 8, 30, 1), C, C, 45), gold, 1);
      im.toon(rotated(box(C - 2, 30, C + 2, 37, 1), C, C, 45), hex(0x703020), 1);
      im.glint(13, 13, 3.5f, white);
    };
    m["dog.bmp"] = [](Img& im) {
      im.toon(capsule(10, 34, 24, 12, 1.2f), hex(0xf0e0c0), 0.6f);
      im.toon(capsule(22, 15, 30, 4, 5), hex(0xe8b060), 1);
      im.line(21, 13, 27, 10, 0.8f, hex(0xc04030));
    };
    m["stone.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 26, 14, 10), hex(0xb0a8a0), 1);
      draw_face(im, C, 26, 10, 2, 2, Col{});
      im.fill(ellipse(13, 21, 2, 1.2f), hex(0x908880));
    };
    m["hino.bmp"] = [](Img& im) {
      im.toon(polygon({{5, 36}, {35, 36}, {32, 18}, {8, 18}}), hex(0xff9070), 1);
      im.toon(capsule(8, 14, 32, 14, 4.5f), hex(0xff9070), 1);
      im.toon(circle(C, 27, 6), white, 0.8f);
      for (int k = 0; k < 8; k++)
        im.fill(
            circle(C + std::cos(float(k) * 0.785f) * 4, 27 + std::sin(float(k) * 0.785f) * 4, 0.9f),
            ink);
      im.line(8, 18, 8, 10, 0.6f, ink);
    };
    m["warpro.bmp"] = [](Img& im) {
      im.toon(box(6, 4, 34, 20, 2), hex(0xe8e4d8), 1);
      im.toon(box(9, 7, 31, 17, 1), hex(0x90d8b0), 0.7f);
      label(im, "ZVK", C, 12, 5, hex(0x206040), hex(0x90d8b0));
      im.toon(polygon({{3, 36}, {37, 36}, {34, 22}, {6, 22}}), hex(0xd8d4c8), 1);
      for (int r = 0; r < 3; r++)
        for (int c = 0; c < 7; c++)
          im.fill(box(8.0f + float(c) * 3.6f, 25.0f + float(r) * 3.4f, 10.6f + float(c) * 3.6f,
                      27.4f + float(r) * 3.4f, 0.5f),
                  white);
    };
    m["yamclean.bmp"] = [](Img& im) {
      // ヤムヤムミニクリーナー: a handheld vacuum: a yellow body with a carry handle, a clear dust
      // cup at the front with dust in it, the nozzle down to the floor, crumbs flying in
      im.toon(ring(box(22, 6, 37, 22, 5), 2), rose, 1);
      im.toon(box(14, 15, 37, 30, 6), lemon, 1);
      im.toon(polygon({{15, 18}, {15, 28}, {5, 36}, {2, 33}}), hex(0xb8c8e8), 1);
      im.toon(box(8, 16, 19, 29, 3), hex(0xc8e8f8), 1);
      im.fill(box(9.5f, 24, 17.5f, 27.5f, 1), grey);
      im.toon(box(1, 33, 7, 37, 1), rose, 1);
      im.fill(circle(30, 19, 1.6f), rose);
      for (int i = 0; i < 3; i++)
        im.line(33, 23.0f + float(i) * 2.5f, 36, 23.0f + float(i) * 2.5f, 0.8f, ink);
      for (int i = 0; i < 3; i++)
        im.fill(box(9.0f + float(i) * 4, 37, 10.0f + float(i) * 4, 38), hex(0x9a6a4a));
      im.line(10, 18, 10, 22, 1, white);
    };
    // --- food ---
    m["ichigopan.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 24, 15, 11), hex(0xf4c88a), 1);
      im.toon(ellipse(C, 20, 8, 5), hex(0xff8090), 0.8f);
      for (int i = 0; i < 5; i++)
        im.fill(circle(16.0f + float(i) * 2, 19.0f + float(i % 2), 0.6f), lemon);
      draw_face(im, C, 28, 5, 1, 0, pink);
    };
    m["barger.bmp"] = [](Img& im) {
      im.toon(inter(ellipse(C, 22, 15, 12), box(0, 0, 40, 20)), hex(0xf0b060), 1);
      im.toon(box(5, 19, 35, 23, 2), hex(0x80c050), 0.8f);
      im.toon(box(6, 23, 34, 28, 2.5f), hex(0x804828), 0.8f);
      im.toon(box(6, 28, 34, 33, 2.5f), hex(0xf0b060), 1);
      for (int i = 0; i < 5; i++)
        im.fill(ellipse(12.0f + float(i) * 4, 14.0f - float(i % 2) * 2, 0.8f, 0.5f), white);
    };
    m["nikuman.bmp"] = [](Img& im) {
      im.toon(unite(ellipse(C, 26, 14, 10), ellipse(C, 18, 8, 7)), hex(0xfff8f0), 1);
      for (int i = 0; i < 4; i++) im.line(C, 12, 14.0f + float(i) * 4, 18, 0.5f, grey);
      plate_food(im);
    };
    m["cake.bmp"] = [](Img& im) {
      im.toon(box(6, 18, 34, 36, 3), hex(0xfff4f0), 1);
      im.fill(box(6, 26, 34, 28), pink);
      for (int i = 0; i < 5; i++) im.toon(circle(8.0f + float(i) * 6, 18, 3), white, 0.6f);
      for (int i = 0; i < 3; i++) im.toon(ellipse(12.0f + float(i) * 8, 14, 2.5f, 3), red, 0.6f);
      im.toon(box(C - 1, 4, C + 1, 12, 0.5f), lemon, 0.5f);
      im.fill(ellipse(C, 3, 1.2f, 2), hex(0xffa040));
    };
    m["choco.bmp"] = [](Img& im) { draw_cat_face(im, C, 22, 12, hex(0x8a5030)); };
    m["candy.bmp"] = [](Img& im) {
      im.toon(capsule(C, 24, C, 38, 1), white, 0.6f);
      draw_bear_face(im, C, 19, 9, hex(0xff90c0), true);
      im.gloss(15, 16, 2, 1.3f, 0.6f);
    };
    m["ccp.bmp"] = [](Img& im) {
      im.toon(polygon({{8, 4}, {32, 4}, {34, 36}, {6, 36}}), hex(0xffd040), 1);
      im.fill(box(8, 4, 32, 8), red);
      im.toon(ellipse(C, 22, 8, 6), hex(0xffe8a0), 0.8f);
      label(im, "CHIPS", C, 31, 5, red, white);
    };
    m["d_pan.bmp"] = [](Img& im) {
      im.toon(rotated(capsule(8, C, 32, C, 5), C, C, -20), hex(0xe8b070), 1);
      im.toon(rotated(capsule(8, C + 9, 32, C + 9, 5), C, C, -20), hex(0xe8b070), 1);
      im.line(12, 16, 28, 10, 0.8f, hex(0x805030));
    };
    m["pitibi.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 26, 14, 8), hex(0xf0c070), 1);
      for (int i = 0; i < 5; i++)
        im.line(10.0f + float(i) * 5, 20, 12.0f + float(i) * 5, 32, 0.6f, hex(0xb08040));
      im.toon(star(28, 10, 6, 2.5f, 5), lemon, 0.8f);
      im.line(8, 20, 23, 12, 1, lemon, 0.7f);
    };
    m["cream.bmp"] = [](Img& im) {
      plate_food(im);
      im.toon(unite({circle(14, 24, 6), circle(C, 20, 7), circle(26, 24, 6)}), hex(0xf0c880), 1);
      im.fill(ellipse(C, 24, 9, 2.5f), hex(0xfff0c0));
      im.fill(circle(C, 16, 1.5f), white, 0.8f);
    };
    m["ice.bmp"] = [](Img& im) {
      im.toon(capsule(C, 26, C, 37, 1.5f), wood, 0.6f);
      im.toon(box(11, 4, 29, 30, 6), hex(0x9ce0ff), 1);
      im.gloss(15, 10, 2, 5, 0.6f);
      for (int i = 0; i < 4; i++)
        im.fill(circle(14.0f + float(i % 2) * 10, 14.0f + float(i) * 4, 0.8f), white, 0.9f);
    };
    m["apple.bmp"] = [](Img& im) {
      im.toon(unite(circle(15, 23, 11), circle(25, 23, 11)), hex(0xe0f4ff), 1);
      im.fill(polygon({{8, 18}, {18, 14}, {14, 30}}), white, 0.5f);
      im.fill(polygon({{24, 14}, {33, 22}, {26, 30}}), hex(0xa0d8ff), 0.5f);
      im.toon(capsule(C, 13, 22, 6, 1), wood_dark, 0.5f);
      im.glint(30, 12, 4, white);
      im.glint(11, 32, 3, white);
    };
    m["togarasi.bmp"] = [](Img& im) {
      im.toon(capsule2(12, 12, 6, 30, 34, 2), hex(0xf04030), 1);
      im.toon(polygon({{8, 10}, {16, 6}, {16, 14}}), green, 0.8f);
      im.line(14, 13, 18, 12, 1, ink);  // angry brows
      im.line(20, 17, 16, 15, 1, ink);
      im.fill(circle(16, 17, 1), ink);
      im.fill(circle(19, 20, 1), ink);
    };
    m["egg.bmp"] = [](Img& im) {
      im.toon(ellipse(C, 22, 11, 14), hex(0xfff8ec), 1);
      for (int i = 0; i < 5; i++)
        im.fill(polygon({{9.0f + float(i) * 5, 20},
                         {11.5f + float(i) * 5, 16},
                         {14.0f + float(i) * 5, 20}}),
                pink, 0.7f);
      im.gloss(16, 14, 2.5f, 4, 0.7f);
    };
    return m;
  }();
  return m;
}

// ---- wrappings ----
// A ribbon bow: two loops, the knot and two tails, centred at (cx, cy), `s` about its half width.
void bow(Img& im, float cx, float cy, float s, Col c) {
  for (int side = -1; side <= 1; side += 2) {
    const float sd = float(side);
    im.toon(polygon({{cx, cy + s * 0.1f},
                     {cx + sd * s * 0.35f, cy + s * 0.95f},
                     {cx + sd * s * 0.6f, cy + s * 0.8f},
                     {cx + sd * s * 0.15f, cy}}),
            c, 1);
    im.toon(rotated(ellipse(cx + sd * s * 0.55f, cy - s * 0.12f, s * 0.55f, s * 0.36f),
                    cx + sd * s * 0.55f, cy - s * 0.12f, sd * -18),
            c, 1);
    im.fill(ellipse(cx + sd * s * 0.5f, cy - s * 0.1f, s * 0.2f, s * 0.12f), darken(c, 0.3f));
  }
  im.toon(circle(cx, cy, s * 0.26f + 0.6f), lighten(c, 0.15f), 1);
}

// The light on wrapping paper: two slanted streaks on the left of the front.
void sheen(Img& im, float x0, float y0, float x1, float y1) {
  im.limit(int(std::floor(x0)), int(std::floor(y0)), int(std::ceil(x1)), int(std::ceil(y1)));
  const float h = y1 - y0;
  im.line(x0 + 2, y1 - 3, x0 + 2 + h * 0.45f, y1 - 3 - h * 0.75f, 1.8f, white, 0.85f);
  im.line(x0 + 6, y1 - 3, x0 + 6 + h * 0.25f, y1 - 3 - h * 0.42f, 1, white, 0.7f);
  im.unlimit();
}

void bag(Img& im, float w, float h, Col c, bool folded, int deco, Col ribbon) {
  float x0 = C - w / 2, x1 = C + w / 2, y1 = 38, y0 = y1 - h;
  if (!folded) {
    // an open paper bag: the back wall shows inside, the front edge is pinked
    im.toon(polygon({{x0 + 1, y0 - 2}, {x1 - 1, y0 - 2}, {x1 - 1, y0 + 5}, {x0 + 1, y0 + 5}}),
            darken(c, 0.22f), 1);
    std::vector<V2> p{{x0, y1}, {x0, y0 + 2}};
    int teeth = std::max(3, int(w / 4));
    for (int i = 0; i <= teeth * 2; i++)
      p.push_back({x0 + w * float(i) / float(teeth * 2), y0 + (i % 2 ? 4.0f : 2.0f)});
    p.push_back({x1, y1});
    im.toon(polygon(p), c, 1);
    im.line(x0 + 3, y0 + 7, x0 + 3, y1 - 2, 0.8f, darken(c, 0.14f));  // the side folds
    im.line(x1 - 3, y0 + 7, x1 - 3, y1 - 2, 0.8f, darken(c, 0.14f));
  } else {
    // folded over at the top and tied with a bow
    im.toon(polygon({{x0, y0 + 5}, {x1, y0 + 5}, {x1 - 1, y1}, {x0 + 1, y1}}), c, 1);
    sheen(im, x0 + 1, y0 + 11, x1 - 1, y1 - 1);
    im.toon(polygon({{x0 - 1, y0 + 4}, {x1 + 1, y0 + 4}, {x1, y0 + 10}, {x0, y0 + 10}}),
            darken(c, 0.1f), 1);
    im.fill(box(C - 1.5f, y0 + 4, C + 1.5f, y1), ribbon);
  }
  float my = (y0 + y1) / 2 + (folded ? 4.0f : 2.0f);
  float dx = folded ? w * 0.22f : 0;  // beside the ribbon once it is tied
  switch (deco) {
    case 1:
      im.toon(heart(C + dx, my, std::max(3.0f, std::min(w, h) * 0.16f)), pink, 0.6f);
      break;
    case 2:
      for (int i = 0; i < 3; i++)
        im.toon(circle(x0 + w * (0.2f + 0.3f * float(i)), my + (i % 2 ? 3.0f : -2.0f), 1.6f), sky,
                0.4f);
      break;
    case 3:
      draw_flower(im, C + dx, my, std::max(3.5f, std::min(w, h) * 0.16f), pink);
      break;
    case 4:
      pixel_text(im, "PAN", C + dx * 0.2f, my - 1, hex(0xa06030), 1, true, white);
      im.toon(ellipse(C + dx * 0.2f, my + 6, 5, 2.5f), hex(0xe8b070), 0.6f);
      break;
    case 5:
      for (int i = 0; i < 4; i++)
        im.toon(heart(x0 + w * (0.17f + 0.22f * float(i)), my + (i % 2 ? 4.0f : -3.0f), 2.2f),
                white, 0.4f);
      break;
    default:
      break;
  }
  if (folded) bow(im, C, y0 + 5, std::max(6.0f, w * 0.26f), ribbon);
}

void carton(Img& im, float w, float h, Col c, bool closed, int deco, Col ribbon) {
  float x0 = C - w / 2, x1 = C + w / 2, y1 = 37, y0 = y1 - h;
  im.toon(box(x0, y0, x1, y1, 1.5f), c, 1);
  if (closed) {
    sheen(im, x0 + 1, y0 + 4, x1 - 1, y1 - 1);
    im.toon(box(x0 - 1.5f, y0 - 3, x1 + 1.5f, y0 + 3, 1.5f), lighten(c, 0.2f), 1);
    im.fill(box(C - 1.5f, y0 - 3, C + 1.5f, y1), ribbon);
    im.fill(box(x0 - 1, y0 - 1, x1 + 1, y0 + 1), ribbon);
  } else {
    im.toon(polygon({{x0, y0}, {x0 - 5, y0 - 7}, {x0 + w * 0.4f, y0 - 7}, {x0 + w * 0.45f, y0}}),
            lighten(c, 0.15f), 0.8f);
    im.toon(polygon({{x1, y0}, {x1 + 5, y0 - 7}, {x1 - w * 0.4f, y0 - 7}, {x1 - w * 0.45f, y0}}),
            lighten(c, 0.15f), 0.8f);
    im.fill(box(x0 + 1.5f, y0 + 0.5f, x1 - 1.5f, y0 + 3), darken(c, 0.3f));
  }
  float my = (y0 + y1) / 2 + 2;
  float side = closed ? w * 0.27f : w * 0.22f;
  if (deco == 1) im.toon(heart(C + side, my, 3), sky, 0.6f);
  if (deco == 2) {
    draw_flower(im, C - side, my, 3.5f, pink);
    draw_flower(im, C + side, my + 3, 3, lemon);
  }
  if (deco == 3)
    for (int i = 0; i < 2; i++) im.toon(heart(C + (i ? side : -side), my, 2.4f), white, 0.5f);
  if (closed) bow(im, C, y0 - 3, std::max(6.0f, w * 0.24f), ribbon);
}

void handbag(Img& im, Col c, bool closed, bool lovely) {
  im.fill(ring(inter(ellipse(C, 14, 8, 9), box(0, 0, 40, 14)), 1.2f), ink);
  im.fill(ring(inter(ellipse(C, 14, 8, 9), box(0, 0, 40, 14)), 0.7f), lighten(c, 0.3f));
  im.toon(polygon({{6, 14}, {34, 14}, {36, 37}, {4, 37}}), c, 1);
  if (closed) {
    // folded over at the top, tied with a bow
    sheen(im, 6, 20, 33, 36);
    im.toon(box(5, 13, 35, 19, 1), darken(c, 0.1f), 1);
  } else {
    // open, with tissue paper standing up out of it
    im.toon(ellipse(C, 14, 14, 2), darken(c, 0.35f), 0.7f);
    std::vector<V2> tissue = {{9, 14.5f},     {11, 10},    {14.5f, 12.5f},
                              {17.5f, 9},     {21, 12.5f}, {24.5f, 9.5f},
                              {27.5f, 12.5f}, {31, 10},    {31, 14.5f}};
    im.toon(polygon(tissue), lovely ? hex(0xfff0f6) : hex(0xf4f0e4), 0.7f);
  }
  if (lovely)
    im.toon(heart(C, 27, 6), white, 0.8f);
  else
    im.fill(box(6, 27, 34, 29), lighten(c, 0.2f), 0.6f);
  if (closed) bow(im, C, 15, 8, lovely ? white : hex(0xf0d890));
}

void lunchbox(Img& im, bool closed) {
  im.toon(box(5, 16, 35, 36, 4), hex(0xfff0c8), 1);
  if (closed) {
    sheen(im, 6, 20, 34, 35);
    im.toon(box(4, 12, 36, 20, 3), hex(0xff9cc0), 1);
    im.fill(box(C - 2, 12, C + 2, 36), rose);
    bow(im, C, 12, 9, rose);
  } else {
    im.fill(box(7, 18, 34, 34, 3), hex(0xfffaf0));
    im.toon(ellipse(13, 25, 4, 4), white, 0.6f);  // rice ball
    im.fill(box(11, 26, 15, 29), hex(0x304030));
    im.toon(ellipse(24, 24, 5, 3), hex(0xffd060), 0.6f);
    im.toon(circle(29, 30, 2.5f), red, 0.6f);
  }
  for (int i = 0; i < 3; i++) im.toon(heart(10.0f + float(i) * 10, 33, 1.5f), pink, 0.3f);
}

// ---- flyers ----
void flyer(Img& im, int n) {
  const Col paper[] = {hex(0xf4ecd8), hex(0xf0e4c8), hex(0xf0f4ff), hex(0xffe4f0),
                       hex(0xe8f4ff), hex(0xfff8f0), hex(0xfff4c8), hex(0x3a2a58),
                       hex(0xd8d0c0), hex(0x504048), hex(0xffd8e8), hex(0x181830)};
  float ang = float((n * 7) % 9) - 4;
  Sdf sheet = rotated(box(6, 3, 34, 37, 1), C, C, ang);
  im.toon(sheet, paper[n], 1);
  auto text = [&](const char* s, float y, int pt, Col c, Col o) {
    draw_text(im, s, C, y, pt, c, true, 1.0f, o);
  };
  switch (n) {
    case 0:
      for (int i = 0; i < 5; i++)
        im.line(10, 14.0f + float(i) * 4.5f, 30, 14.0f + float(i) * 4.5f, 0.6f, grey);
      text(words("ふつう", "PLAIN"), 9, 5, ink, paper[0]);
      break;
    case 1:
      draw_poo(im, C, 22, 9, true);
      text(words("うんち", "POO"), 9, 5, hex(0x805030), paper[1]);
      break;
    case 2:
      im.fill(rotated(box(8, 10, 32, 14), C, C, ang), hex(0x303848));
      im.fill(rotated(polygon({{8, 30}, {32, 16}, {32, 22}, {8, 36}}), C, C, ang), hex(0x50a0e0),
              0.8f);
      text("DESIGN", 27, 5, white, ink);
      break;
    case 3:
      im.toon(heart(14, 16, 4), pink, 0.6f);
      draw_flower(im, 27, 14, 4, lilac);
      draw_cat_face(im, 14, 29, 4, white);
      draw_bear_face(im, 27, 29, 4, white, true);
      break;
    case 4:
      im.toon(polygon({{9, 20}, {26, 20}, {26, 24}, {15, 24}, {13, 30}, {9, 30}}), hex(0x505868),
              0.8f);
      im.toon(box(24, 19, 31, 22, 0.5f), hex(0x505868), 0.6f);
      text("BOYS", 12, 6, hex(0x3060d0), white);
      break;
    case 5:
      im.fill(circle(C, 14, 5), red);
      im.fill(polygon({{8, 34}, {C, 20}, {32, 34}}), hex(0x6080b0));
      im.fill(polygon({{16.5f, 25}, {C, 20}, {23.5f, 25}}), white);
      break;
    case 6:
      for (int i = 0; i < 6; i++)
        gem(im, 11.0f + float(i % 3) * 9, 14.0f + float(i / 3) * 12, 3,
            i % 2 ? hex(0x90d0ff) : hex(0xfff0a0));
      text(words("高級", "LUXE"), 32, 6, gold, ink);
      break;
    case 7:
      im.fill(ring(circle(C, C, 10), 0.8f), hex(0xd0a0ff));
      im.fill(ring(star(C, C, 10, 4, 5), 0.6f), hex(0xd0a0ff));
      im.glint(10, 8, 2.5f, white);
      break;
    case 8:
      im.fill(ellipse(14, 26, 5, 3), hex(0x908060), 0.6f);
      im.line(22, 8, 30, 30, 0.8f, hex(0x706050));
      text(words("ボロ", "WORN"), 18, 6, hex(0x706050), paper[8]);
      break;
    case 9:
      draw_skull(im, C, 20, 7);
      text(words("悪", "EVIL"), 33, 6, red, ink);
      break;
    case 10:
      im.toon(capsule(C, 22, C, 34, 1), white, 0.5f);
      im.toon(circle(C, 17, 7), hex(0xff9cc0), 1);
      im.fill(ring(circle(C, 17, 4), 0.8f), white, 0.8f);
      im.toon(heart(11, 30, 3), lemon, 0.5f);
      im.toon(star(30, 30, 3, 1.3f, 5), mint, 0.5f);
      break;
    case 11:
      text("？", 18, 12, hex(0x90f0ff), hex(0x2050a0));
      for (int i = 0; i < 6; i++)
        im.glint(9.0f + float((i * 13) % 22), 8.0f + float((i * 17) % 26), 2, white);
      break;
  }
}

}  // namespace

void draw_goods(Img& im, const std::string& name) {
  auto it = goods().find(name);
  if (it != goods().end()) {
    it->second(im);
    return;
  }
  // something new in the catalogue: a gift box in a colour from its name
  Rng r(hash_name(name));
  const Col cs[] = {pink, mint, sky, lemon, lilac, peach};
  Col c = cs[r.below(6)];
  float s = float(im.w) / 40.0f;  // a seal's square is smaller
  im.toon(box(C * s - 12 * s, C * s - 8 * s, C * s + 12 * s, C * s + 14 * s, 2 * s), c, s);
  im.fill(box(C * s - 2 * s, C * s - 8 * s, C * s + 2 * s, C * s + 14 * s), rose);
  im.toon(unite(ellipse(C * s - 5 * s, C * s - 10 * s, 5 * s, 3 * s),
                ellipse(C * s + 5 * s, C * s - 10 * s, 5 * s, 3 * s)),
          rose, s);
}

void add_goods_pictures(PicTable& t) {
  for (auto& [name, fn] : goods()) t[name] = PicRecipe{PicKind::layer, 40, 40, fn};
  // the goods a player reads words on
  for (const char* name : {"cd00.bmp", "cd01.bmp", "cd02.bmp", "cd03.bmp", "mayoke.bmp",
                           "monatoso.bmp", "yunomi.bmp", "bodycare.bmp"})
    t[name].draw_en = in_english(goods().at(name));
  auto w = [&](const char* name, std::function<void(Img&)> f) {
    t[name] = PicRecipe{PicKind::layer, 40, 40, f};
  };
  // The wrappings: the bag or box as opened (wrapped round the goods) and as folded shut. Each
  // fills at least half its square each way, so that the present on the counter reads at once.
  w("fukuro_small.bmp", [](Img& im) { bag(im, 22, 22, hex(0xfff4f8), false, 1, rose); });
  w("fukuro_small2.bmp", [](Img& im) { bag(im, 22, 22, hex(0xfff4f8), true, 1, rose); });
  w("fukuro.bmp", [](Img& im) { bag(im, 26, 26, white, false, 2, sky); });
  w("fukuro2.bmp", [](Img& im) { bag(im, 26, 26, white, true, 2, sky); });
  w("fukuro_mid.bmp", [](Img& im) { bag(im, 30, 30, hex(0xfff0d8), false, 2, mint); });
  w("fukuro_mid2.bmp", [](Img& im) { bag(im, 30, 30, hex(0xfff0d8), true, 2, mint); });
  w("fukuro_big.bmp", [](Img& im) { bag(im, 34, 34, hex(0xe8f4ff), false, 3, rose); });
  w("fukuro_big2.bmp", [](Img& im) { bag(im, 34, 34, hex(0xe8f4ff), true, 3, rose); });
  w("hako0.bmp", [](Img& im) { carton(im, 30, 22, white, false, 1, sky); });
  w("hako.bmp", [](Img& im) { carton(im, 30, 22, white, true, 1, sky); });
  w("hako1.bmp", [](Img& im) { carton(im, 34, 26, hex(0xfff0f4), false, 2, rose); });
  w("hako2.bmp", [](Img& im) { carton(im, 34, 26, hex(0xfff0f4), true, 2, rose); });
  w("tesage.bmp", [](Img& im) { handbag(im, hex(0x505870), false, false); });
  w("tesage2.bmp", [](Img& im) { handbag(im, hex(0x505870), true, false); });
  w("kami.bmp", [](Img& im) { bag(im, 26, 30, hex(0xe0c098), false, 4, hex(0xa06030)); });
  w("kami2.bmp", [](Img& im) { bag(im, 26, 30, hex(0xe0c098), true, 4, hex(0xa06030)); });
  w("s_hako1.bmp", [](Img& im) { carton(im, 24, 20, hex(0xff9cc0), false, 3, white); });
  w("s_hako0.bmp", [](Img& im) { carton(im, 24, 20, hex(0xff9cc0), true, 3, white); });
  w("s_fukuro0.bmp", [](Img& im) { bag(im, 28, 28, hex(0xffc8e0), false, 5, hex(0xf04c98)); });
  w("s_fukuro1.bmp", [](Img& im) { bag(im, 28, 28, hex(0xffc8e0), true, 5, hex(0xf04c98)); });
  w("s_tesage1.bmp", [](Img& im) { handbag(im, hex(0xff86ad), false, true); });
  w("s_tesage0.bmp", [](Img& im) { handbag(im, hex(0xff86ad), true, true); });
  w("s_pan0.bmp", [](Img& im) { lunchbox(im, false); });
  w("s_pan1.bmp", [](Img& im) { lunchbox(im, true); });
  for (int n = 0; n < 12; n++) {
    const std::string name = "tirasi" + std::to_string(n) + ".bmp";
    t[name] = PicRecipe{PicKind::layer, 40, 40, [n](Img& im) { flyer(im, n); }};
    if (n == 0 || n == 1 || n == 6 || n == 8 || n == 9)  // the designs with words on them
      t[name].draw_en = in_english(t[name].draw);
  }
}

}  // namespace ag
