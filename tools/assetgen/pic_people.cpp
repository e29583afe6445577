// The cast: every customer, visitor, the owner, the printer's daughter and the landlord, as a
// chibi bust on a 60 x 75 layer picture (drawn at twice its size above the counter).
#include <algorithm>
#include <cmath>

#include "pics.h"

namespace ag {

namespace {

enum Hair {
  BOB,
  LONG,
  TWIN,
  SHORT,
  SPIKY,
  PONY,
  BUNS,
  BALD,
  DRILLS,
  CURLY,
  POMPADOUR,
  SWIRL,
  SIDE
};
enum Eyes { ROUND, HAPPY, ANGRY, SLEEPY, SPARKLE, SHADES, GLASSES, PATCH, COLD, TEARY, BEADY };
enum Mouth { SMILE, OPEN, FROWN, FLAT, CAT, POUT, GRIN, OH, SMIRK, WAVY };
enum Outfit {
  DRESS,
  TEE,
  SUIT,
  ROBE,
  SAILOR,
  HOODIE,
  APRON,
  KIMONO,
  GOTHIC,
  ARMOUR,
  JACKET,
  COAT,
  QIPAO,
  LABCOAT
};
enum Acc {
  NONE = 0,
  RIBBON = 1,
  CROWN = 2,
  CAP = 4,
  CAT_EARS = 8,
  FLOWER = 16,
  HORNS = 32,
  PHONES = 64,
  WITCH = 128,
  TIARA = 256,
  BANDANA = 512,
  BERET = 1024,
  BEARD = 2048,
  ANTENNA = 4096,
  SKULL = 8192,
  STAR = 16384,
  COWBOY = 32768,
  STUBBLE = 65536,
  WOLF_EARS = 131072,
  POO = 262144,
  HOOD = 524288,
  MUD = 1048576,
  VISOR = 2097152,
  MOUSTACHE = 4194304,
  PEARLS = 8388608,
  BIG_HAT = 16777216,
  BLUSH = 33554432
};
enum Kind { HUMAN, GOAT, ALIEN, ROACH };

struct Look {
  Kind kind = HUMAN;
  Col skin = pal::skin, hair = pal::brown, eye = hex(0x6a4a3a), cloth = pal::pink,
      cloth2 = pal::white;
  Hair hair_style = BOB;
  Eyes eyes = ROUND;
  Mouth mouth = SMILE;
  Outfit outfit = DRESS;
  int acc = NONE;
  Col acc_col = pal::rose;
  float wide = 1;  // build: above 1 stouter, below 1 slighter
  int prop = 0;    // something held in front (Prop)
};

enum Prop { P_NONE, P_MIC, P_GUITAR, P_FAN, P_BOOK, P_BOUQUET, P_SWORD, P_TEA, P_LOLLY, P_CARD };

constexpr float CX = 30, HY = 32, HR = 16;  // head centre and radius

void hair_back(Img& im, const Look& L) {
  Col h = L.hair;
  switch (L.hair_style) {
    case LONG:
      im.toon(
          unite(ellipse(CX, HY + 10, HR + 4, 26), box(CX - HR - 4, HY, CX + HR + 4, HY + 34, 6)), h,
          1);
      break;
    case SIDE:
      im.toon(ellipse(CX, HY + 8, HR + 3, 22), h, 1);
      break;
    case DRILLS:
      for (int s = -1; s <= 1; s += 2)
        for (int i = 0; i < 3; i++)
          im.toon(ellipse(CX + float(s) * (HR + 2), HY + 6 + float(i) * 9, 5.5f - float(i) * 0.8f,
                          5.5f),
                  h, 1);
      break;
    case TWIN:
      for (int s = -1; s <= 1; s += 2) {
        im.toon(capsule2(CX + float(s) * (HR + 2), HY - 6, 5, CX + float(s) * (HR + 8), HY + 26, 3),
                h, 1);
      }
      break;
    case PONY:
      im.toon(capsule2(CX + HR - 2, HY - 10, 6, CX + HR + 8, HY + 22, 3), h, 1);
      break;
    case CURLY:
      for (int i = 0; i < 9; i++) {
        float a = (float(i) / 9.0f) * 6.283f;
        im.toon(circle(CX + std::cos(a) * (HR + 2), HY - 2 + std::sin(a) * (HR + 1), 7), h, 1);
      }
      break;
    case BOB:
      im.toon(box(CX - HR - 3, HY - 8, CX + HR + 3, HY + 14, 8), h, 1);
      break;
    default:
      break;
  }
}

void body(Img& im, const Look& L) {
  Col c = L.cloth, c2 = L.cloth2;
  float top = HY + HR + 2;
  float sw = 22 * L.wide;
  Sdf shoulders = box(CX - sw, top + 4, CX + sw, 80, 10);
  // neck
  im.toon(box(CX - 4, HY + HR - 4, CX + 4, top + 6, 2), darken(L.skin, 0.06f), 1);
  switch (L.outfit) {
    case SUIT:
    case COAT:
    case LABCOAT:
    case JACKET: {
      Col inner = L.outfit == SUIT ? pal::white : c2;
      im.toon(shoulders, c, 1);
      im.toon(polygon({{CX - 6, top + 4}, {CX + 6, top + 4}, {CX, top + 20}}), inner, 0.8f);
      im.toon(polygon({{CX - 7, top + 3}, {CX - 2, top + 20}, {CX - 12, top + 10}}), shade(c, 1.1f),
              0.8f);
      im.toon(polygon({{CX + 7, top + 3}, {CX + 2, top + 20}, {CX + 12, top + 10}}), shade(c, 1.1f),
              0.8f);
      if (L.outfit == SUIT)
        im.toon(polygon({{CX - 1.5f, top + 5},
                         {CX + 1.5f, top + 5},
                         {CX + 2.5f, top + 18},
                         {CX, top + 21},
                         {CX - 2.5f, top + 18}}),
                c2, 0.7f);
      if (L.outfit == LABCOAT) im.fill(box(CX + 9, top + 16, CX + 15, top + 20), pal::sky);
      break;
    }
    case ROBE: {
      im.toon(shoulders, c, 1);
      im.toon(unite(ellipse(CX - 12, top + 8, 9, 6), ellipse(CX + 12, top + 8, 9, 6)), pal::white,
              1);
      for (int i = 0; i < 5; i++) im.fill(circle(CX - 18 + float(i) * 9, top + 8, 0.9f), pal::ink);
      im.toon(circle(CX, top + 14, 3), pal::gold, 0.8f);
      break;
    }
    case SAILOR: {
      im.toon(shoulders, pal::white, 1);
      im.toon(polygon({{CX - 16, top + 4}, {CX + 16, top + 4}, {CX, top + 16}}), c, 1);
      im.toon(polygon({{CX - 3, top + 14},
                       {CX + 3, top + 14},
                       {CX + 5, top + 22},
                       {CX, top + 19},
                       {CX - 5, top + 22}}),
              pal::red, 0.8f);
      break;
    }
    case HOODIE: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(CX, top + 5, 12, 5), shade(c, 0.9f), 1);
      im.line(CX - 4, top + 8, CX - 4, top + 18, 1, pal::white);
      im.line(CX + 4, top + 8, CX + 4, top + 18, 1, pal::white);
      im.toon(box(CX - 9, top + 20, CX + 9, top + 30, 3), shade(c, 0.92f), 0.8f);
      break;
    }
    case APRON: {
      im.toon(shoulders, c, 1);
      im.toon(box(CX - 12, top + 10, CX + 12, 80, 4), c2, 1);
      im.line(CX - 12, top + 10, CX - 8, top + 2, 1.5f, c2);
      im.line(CX + 12, top + 10, CX + 8, top + 2, 1.5f, c2);
      im.toon(heart(CX, top + 19, 3), L.acc_col, 0.6f);
      break;
    }
    case KIMONO: {
      im.toon(shoulders, c, 1);
      im.toon(
          polygon({{CX - 8, top + 2}, {CX + 1, top + 2}, {CX + 10, top + 22}, {CX + 4, top + 22}}),
          c2, 0.8f);
      im.toon(polygon({{CX + 8, top + 2}, {CX + 3, top + 2}, {CX - 6, top + 20}}), c2, 0.8f);
      im.toon(box(CX - 22, top + 20, CX + 22, top + 27), L.acc_col, 0.8f);
      break;
    }
    case GOTHIC: {
      im.toon(shoulders, c, 1);
      im.toon(polygon({{CX - 10, top + 3}, {CX + 10, top + 3}, {CX, top + 12}}), pal::white, 0.8f);
      for (int i = 0; i < 4; i++)
        im.toon(circle(CX - 12 + float(i) * 8, top + 5, 3), pal::white, 0.7f);
      im.toon(unite(ellipse(CX - 4, top + 13, 4, 2.5f), ellipse(CX + 4, top + 13, 4, 2.5f)),
              pal::red, 0.7f);
      break;
    }
    case ARMOUR: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(CX - 17, top + 8, 9, 7), shade(c, 1.15f), 1);
      im.toon(ellipse(CX + 17, top + 8, 9, 7), shade(c, 1.15f), 1);
      im.toon(polygon({{CX - 8, top + 10},
                       {CX + 8, top + 10},
                       {CX + 6, top + 26},
                       {CX, top + 30},
                       {CX - 6, top + 26}}),
              c2, 0.9f);
      im.toon(star(CX, top + 18, 4, 1.8f, 5), pal::gold, 0.6f);
      break;
    }
    case QIPAO: {
      im.toon(shoulders, c, 1);
      im.line(CX, top + 4, CX + 8, top + 14, 1.2f, pal::gold);
      im.toon(circle(CX + 8, top + 14, 1.5f), pal::gold, 0.5f);
      draw_flower(im, CX - 9, top + 16, 3.5f, pal::gold);
      break;
    }
    case TEE: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(CX, top + 3, 7, 3.5f), darken(L.skin, 0.04f), 0.8f);
      im.toon(star(CX, top + 16, 5, 2.3f, 5), c2, 0.7f);
      break;
    }
    case DRESS:
    default: {
      im.toon(shoulders, c, 1);
      im.toon(unite(ellipse(CX - 6, top + 4, 7, 4), ellipse(CX + 6, top + 4, 7, 4)), c2, 0.9f);
      im.toon(unite({ellipse(CX - 4, top + 10, 4, 2.5f), ellipse(CX + 4, top + 10, 4, 2.5f),
                     circle(CX, top + 10, 1.8f)}),
              L.acc_col, 0.7f);
      break;
    }
  }
  if (L.acc & PEARLS)
    for (int i = 0; i < 7; i++)
      im.toon(circle(CX - 9 + float(i) * 3, top + 4 + 3 * std::sin(float(i) / 6 * 3.14159f), 1.4f),
              pal::white, 0.5f);
}

void eyes(Img& im, const Look& L) {
  float ey = HY + 3, dx = 6.5f;
  Col ink = pal::ink;
  for (int s = -1; s <= 1; s += 2) {
    float x = CX + float(s) * dx;
    switch (L.eyes) {
      case HAPPY:
        im.fill(ring(inter(circle(x, ey + 1.5f, 3), box(x - 4, ey - 3, x + 4, ey + 1)), 0.55f),
                ink);
        break;
      case ANGRY:
        im.fill(ellipse(x, ey + 0.5f, 2.2f, 2.6f), ink);
        im.line(x - 3 * float(s) * -1 - 0.0f, ey - 5, x + 3.0f * float(s) * -1, ey - 3, 1.2f, ink);
        break;
      case SLEEPY:
        im.fill(inter(ellipse(x, ey + 1, 2.6f, 2.8f), box(x - 4, ey + 0.5f, x + 4, ey + 5)), ink);
        im.line(x - 3.2f, ey + 0.5f, x + 3.2f, ey + 0.5f, 1.1f, ink);
        break;
      case SPARKLE:
        im.fill(ellipse(x, ey, 3.2f, 4.2f), ink);
        im.fill(ellipse(x, ey + 1, 2.2f, 2.8f), L.eye);
        im.fill(circle(x - 1, ey - 1.6f, 1.3f), pal::white);
        im.fill(circle(x + 1.1f, ey + 1.8f, 0.7f), pal::white);
        im.line(x - 3.5f * float(-s) - 0.5f, ey - 3.5f, x - 3.5f * float(-s) - 2.0f * float(-s),
                ey - 5, 0.8f, ink);
        break;
      case SHADES:
        break;
      case GLASSES:
      case ROUND:
        im.fill(ellipse(x, ey, 2.4f, 3.2f), ink);
        im.fill(ellipse(x, ey + 0.8f, 1.6f, 2.0f), L.eye);
        im.fill(circle(x - 0.8f, ey - 1.2f, 0.95f), pal::white);
        break;
      case PATCH:
        if (s < 0) {
          im.toon(ellipse(x, ey, 4, 3.5f), hex(0x303040), 0.6f);
          im.line(x - 4, ey - 2, CX + 16, HY - 8, 0.9f, hex(0x303040));
        } else {
          im.fill(ellipse(x, ey, 2.4f, 3.2f), ink);
          im.fill(circle(x - 0.8f, ey - 1.2f, 0.95f), pal::white);
        }
        break;
      case COLD:
        im.fill(inter(ellipse(x, ey + 0.5f, 3.2f, 2.2f), box(x - 4, ey - 1, x + 4, ey + 3)), ink);
        im.fill(circle(x + 0.5f, ey + 0.8f, 0.9f), L.eye);
        im.line(x - 3.4f, ey - 1.2f, x + 3.4f, ey - 1.2f - 0.6f * float(s), 1.0f, ink);
        break;
      case TEARY:
        im.fill(ellipse(x, ey, 2.6f, 3.2f), ink);
        im.fill(ellipse(x, ey + 0.8f, 1.8f, 2.0f), L.eye);
        im.fill(circle(x - 0.8f, ey - 1.2f, 1.0f), pal::white);
        im.toon(ellipse(x + float(s) * 1.5f, ey + 6, 1.2f, 2.2f), hex(0xa8dcff), 0.5f);
        im.line(x - 3, ey - 5, x + 3, ey - 5 - float(s) * 1.2f, 0.9f, ink);
        break;
      case BEADY:
        im.fill(circle(x, ey + 0.5f, 1.4f), ink);
        break;
    }
  }
  if (L.eyes == SHADES) {
    im.toon(unite({box(CX - 12, ey - 3.5f, CX - 1.5f, ey + 3, 2.5f),
                   box(CX + 1.5f, ey - 3.5f, CX + 12, ey + 3, 2.5f),
                   box(CX - 2, ey - 2.5f, CX + 2, ey - 1)}),
            hex(0x383048), 0.8f, hex(0x1a1020));
    im.fill(box(CX - 10, ey - 2.5f, CX - 6, ey - 1, 0.5f), pal::white, 0.5f);
    im.fill(box(CX + 4, ey - 2.5f, CX + 8, ey - 1, 0.5f), pal::white, 0.5f);
  }
  if (L.eyes == GLASSES) {
    im.fill(ring(circle(CX - dx, ey, 4.3f), 0.55f), hex(0x705070));
    im.fill(ring(circle(CX + dx, ey, 4.3f), 0.55f), hex(0x705070));
    im.line(CX - 2.2f, ey - 1, CX + 2.2f, ey - 1, 0.9f, hex(0x705070));
  }
}

void mouth(Img& im, const Look& L) {
  float my = HY + 10;
  Col ink = pal::ink;
  switch (L.mouth) {
    case SMILE:
      im.fill(ring(inter(circle(CX, my - 2.2f, 3), box(CX - 4, my - 1, CX + 4, my + 3)), 0.5f),
              ink);
      break;
    case OPEN:
      im.toon(inter(circle(CX, my - 1.5f, 3.4f), box(CX - 4, my - 1.5f, CX + 4, my + 3)),
              hex(0xd85870), 0.8f);
      im.fill(inter(circle(CX, my + 1.4f, 1.7f), circle(CX, my - 1.5f, 3.0f)), hex(0xff98a8));
      break;
    case FROWN:
      im.fill(ring(inter(circle(CX, my + 2.0f, 3), box(CX - 4, my - 2, CX + 4, my + 1)), 0.5f),
              ink);
      break;
    case FLAT:
      im.line(CX - 2.5f, my, CX + 2.5f, my, 1.0f, ink);
      break;
    case CAT:
      im.fill(ring(inter(circle(CX - 1.6f, my - 1, 1.6f), box(CX - 4, my - 1, CX, my + 2)), 0.45f),
              ink);
      im.fill(ring(inter(circle(CX + 1.6f, my - 1, 1.6f), box(CX, my - 1, CX + 4, my + 2)), 0.45f),
              ink);
      break;
    case POUT:
      im.toon(ellipse(CX + 1, my, 1.8f, 1.3f), hex(0xe87080), 0.6f);
      break;
    case GRIN:
      im.toon(inter(ellipse(CX, my - 0.5f, 5, 3.2f), box(CX - 6, my - 1.5f, CX + 6, my + 3)),
              pal::white, 0.8f);
      im.line(CX - 4, my + 0.2f, CX + 4, my + 0.2f, 0.5f, ink);
      break;
    case OH:
      im.toon(ellipse(CX, my + 0.5f, 1.4f, 1.9f), hex(0xd85870), 0.6f);
      break;
    case SMIRK:
      im.fill(
          ring(inter(circle(CX + 1.5f, my - 3.5f, 3.8f), box(CX - 2, my - 1.5f, CX + 5, my + 1)),
               0.5f),
          ink);
      break;
    case WAVY:
      for (int i = 0; i < 3; i++)
        im.line(CX - 3.0f + float(i) * 2, my + (i % 2 ? -0.7f : 0.7f), CX - 1.0f + float(i) * 2,
                my + (i % 2 ? 0.7f : -0.7f), 0.8f, ink);
      break;
  }
}

void hair_front(Img& im, const Look& L) {
  Col h = L.hair;
  Sdf cap =
      inter(circle(CX, HY - 1, HR + 1.5f), box(CX - HR - 3, HY - HR - 4, CX + HR + 3, HY - 4));
  switch (L.hair_style) {
    case BALD:
      im.toon(ellipse(CX - HR + 1, HY + 1, 3, 6), h, 0.8f);
      im.toon(ellipse(CX + HR - 1, HY + 1, 3, 6), h, 0.8f);
      return;
    case SPIKY: {
      std::vector<V2> p;
      for (int i = 0; i <= 10; i++) {
        float a = 3.14159f + float(i) / 10.0f * 3.14159f;
        float r = (i % 2) ? HR + 8 : HR + 1;
        p.push_back({CX + std::cos(a) * r, HY - 1 + std::sin(a) * r});
      }
      p.push_back({CX + HR + 1, HY + 2});
      p.push_back({CX + 6, HY - 5});
      p.push_back({CX - 2, HY - 2});
      p.push_back({CX - 8, HY - 6});
      p.push_back({CX - HR - 1, HY + 2});
      im.toon(polygon(p), h, 1);
      return;
    }
    case POMPADOUR:
      im.toon(unite(cap, ellipse(CX - 4, HY - HR - 2, 14, 7)), h, 1);
      im.line(CX - 14, HY - HR - 1, CX + 4, HY - HR - 5, 1, shade(h, 1.3f), 0.6f);
      return;
    case SWIRL:
      im.toon(cap, h, 1);
      im.toon(unite({ellipse(CX, HY - HR - 1, 9, 4), ellipse(CX, HY - HR - 5, 6, 3.5f),
                     ellipse(CX + 1, HY - HR - 8, 3, 2.6f)}),
              h, 1);
      return;
    case CURLY:
      for (int i = 0; i < 6; i++)
        im.toon(circle(CX - 12 + float(i) * 4.8f, HY - HR + 2 + (i % 2 ? -2.0f : 0.0f), 5), h,
                0.9f);
      return;
    default:
      break;
  }
  // bangs: a cap with a scalloped fringe
  Sdf fringe = cap;
  for (int i = 0; i < 4; i++)
    fringe = unite(fringe, ellipse(CX - 10.5f + float(i) * 7, HY - 5, 4.5f, 4.5f));
  fringe = inter(fringe, circle(CX, HY - 1, HR + 1.5f));
  if (L.hair_style == SIDE) fringe = unite(fringe, ellipse(CX - 9, HY - 2, 8, 8));
  im.toon(fringe, h, 1);
  im.line(CX - 8, HY - HR + 2, CX - 2, HY - HR + 0.5f, 1.2f, shade(h, 1.35f), 0.7f);  // hair shine
  if (L.hair_style == BUNS)
    for (int s = -1; s <= 1; s += 2) im.toon(circle(CX + float(s) * 12, HY - HR + 1, 6), h, 1);
  if (L.hair_style == PONY) im.toon(circle(CX + HR - 3, HY - 11, 3.2f), L.acc_col, 0.8f);
  if (L.hair_style == TWIN)
    for (int s = -1; s <= 1; s += 2)
      im.toon(circle(CX + float(s) * (HR + 1), HY - 7, 2.6f), L.acc_col, 0.8f);
}

void accessories(Img& im, const Look& L) {
  Col a = L.acc_col;
  if (L.acc & CAT_EARS)
    for (int s = -1; s <= 1; s += 2) {
      im.toon(polygon({{CX + float(s) * 6, HY - HR + 1},
                       {CX + float(s) * 16, HY - HR - 9},
                       {CX + float(s) * 15, HY - HR + 6}}),
              L.hair, 1);
      im.fill(polygon({{CX + float(s) * 9, HY - HR + 1},
                       {CX + float(s) * 14.5f, HY - HR - 5},
                       {CX + float(s) * 13.5f, HY - HR + 3}}),
              pal::pink);
    }
  if (L.acc & WOLF_EARS)
    for (int s = -1; s <= 1; s += 2)
      im.toon(polygon({{CX + float(s) * 5, HY - HR + 1},
                       {CX + float(s) * 13, HY - HR - 11},
                       {CX + float(s) * 16, HY - HR + 4}}),
              L.hair, 1);
  if (L.acc & RIBBON) {
    float x = CX + 9, y = HY - HR + 1;
    im.toon(unite({polygon({{x, y}, {x - 8, y - 5}, {x - 8, y + 5}}),
                   polygon({{x, y}, {x + 8, y - 5}, {x + 8, y + 5}})}),
            a, 1);
    im.toon(circle(x, y, 2.2f), shade(a, 1.15f), 0.8f);
  }
  if (L.acc & FLOWER) draw_flower(im, CX - 11, HY - HR + 4, 4.5f, a);
  if (L.acc & SKULL) draw_skull(im, CX + 11, HY - HR + 3, 4);
  if (L.acc & STAR) im.toon(star(CX + 12, HY - HR + 3, 5, 2.2f, 5), pal::gold, 0.8f);
  if (L.acc & CROWN) {
    im.toon(polygon({{CX - 10, HY - HR + 1},
                     {CX + 10, HY - HR + 1},
                     {CX + 11, HY - HR - 11},
                     {CX + 5, HY - HR - 5},
                     {CX, HY - HR - 13},
                     {CX - 5, HY - HR - 5},
                     {CX - 11, HY - HR - 11}}),
            pal::gold, 1);
    im.toon(circle(CX, HY - HR - 3, 1.8f), pal::red, 0.6f);
  }
  if (L.acc & TIARA) {
    im.toon(polygon({{CX - 9, HY - HR + 2},
                     {CX + 9, HY - HR + 2},
                     {CX + 4, HY - HR - 2},
                     {CX, HY - HR - 7},
                     {CX - 4, HY - HR - 2}}),
            hex(0xe8e8f8), 0.9f);
    im.toon(circle(CX, HY - HR - 2, 1.8f), hex(0x80d0ff), 0.6f);
  }
  if (L.acc & CAP) {
    im.toon(inter(circle(CX, HY - 3, HR + 2), box(CX - HR - 3, HY - HR - 6, CX + HR + 3, HY - 6)),
            a, 1);
    im.toon(ellipse(CX + 10, HY - 6, 12, 3), shade(a, 0.9f), 1);
  }
  if (L.acc & BERET) {
    im.toon(ellipse(CX - 3, HY - HR, HR, 5.5f), a, 1);
    im.toon(circle(CX - 3, HY - HR - 6, 1.6f), a, 0.7f);
  }
  if (L.acc & BANDANA) {
    im.toon(inter(circle(CX, HY - 2, HR + 1.5f), box(CX - HR - 3, HY - 12, CX + HR + 3, HY - 7)), a,
            0.9f);
    im.toon(polygon({{CX + HR, HY - 10}, {CX + HR + 8, HY - 14}, {CX + HR + 7, HY - 6}}), a, 0.8f);
  }
  if (L.acc & WITCH) {
    im.toon(ellipse(CX, HY - HR + 1, HR + 8, 4), a, 1);
    im.toon(polygon({{CX - 11, HY - HR},
                     {CX + 11, HY - HR},
                     {CX + 9, HY - HR - 16},
                     {CX + 16, HY - HR - 22}}),
            a, 1);
    im.toon(box(CX - 11, HY - HR - 3, CX + 11, HY - HR + 0.5f), pal::gold, 0.6f);
  }
  if (L.acc & COWBOY) {
    im.toon(ellipse(CX, HY - HR + 2, HR + 11, 4.5f), a, 1);
    im.toon(box(CX - 10, HY - HR - 10, CX + 10, HY - HR + 1, 4), a, 1);
    im.fill(box(CX - 10, HY - HR - 3, CX + 10, HY - HR - 1), hex(0x705030));
  }
  if (L.acc & BIG_HAT) {
    im.toon(ellipse(CX, HY - HR + 3, HR + 10, 5), a, 1);
    im.toon(box(CX - 12, HY - HR - 9, CX + 12, HY - HR + 2, 5), a, 1);
  }
  if (L.acc & HOOD) {
    // a chick costume's hood: the opening frames the face, a little chick face on top
    im.toon(
        minus(unite(circle(CX, HY - 1, HR + 4), box(CX - HR - 4, HY, CX + HR + 4, HY + HR + 2, 6)),
              ellipse(CX, HY + 3, HR - 2.5f, HR - 3.5f)),
        a, 1);
    im.fill(circle(CX - 5, HY - HR - 0.5f, 1.3f), pal::ink);
    im.fill(circle(CX + 5, HY - HR - 0.5f, 1.3f), pal::ink);
    im.toon(polygon({{CX - 2.5f, HY - HR + 1}, {CX + 2.5f, HY - HR + 1}, {CX, HY - HR + 4}}),
            hex(0xffa040), 0.6f);
    im.toon(unite(ellipse(CX - 2, HY - HR - 6, 2, 3.5f), ellipse(CX + 2, HY - HR - 6.5f, 2, 3.5f)),
            a, 0.8f);
  }
  if (L.acc & HORNS)
    for (int s = -1; s <= 1; s += 2)
      im.toon(capsule2(CX + float(s) * 9, HY - HR + 2, 3, CX + float(s) * 15, HY - HR - 9, 1),
              hex(0xf0e0c0), 0.9f);
  if (L.acc & ANTENNA) {
    im.line(CX + 2, HY - HR, CX + 7, HY - HR - 10, 1, pal::ink);
    im.toon(circle(CX + 7, HY - HR - 11, 2.4f), a, 0.8f);
  }
  if (L.acc & PHONES) {
    im.fill(ring(inter(circle(CX, HY, HR + 2.5f), box(CX - 30, HY - 30, CX + 30, HY)), 1.3f),
            hex(0x605870));
    im.toon(box(CX - HR - 5, HY - 4, CX - HR + 1, HY + 7, 2.5f), a, 1);
    im.toon(box(CX + HR - 1, HY - 4, CX + HR + 5, HY + 7, 2.5f), a, 1);
  }
  if (L.acc & VISOR) {
    im.toon(box(CX - HR, HY - 2, CX + HR, HY + 6, 3), hex(0x90e8ff), 1);
    im.fill(box(CX - HR + 3, HY - 1, CX - 3, HY + 1, 1), pal::white, 0.7f);
  }
  if (L.acc & POO) draw_poo(im, CX + 9, HY - HR - 2, 6, false);
  if (L.acc & BEARD) {
    im.toon(unite(ellipse(CX, HY + 13, 11, 9),
                  polygon({{CX - 8, HY + 14}, {CX + 8, HY + 14}, {CX, HY + 30}})),
            pal::white, 1);
    im.toon(unite(ellipse(CX - 4, HY + 8, 5, 2.2f), ellipse(CX + 4, HY + 8, 5, 2.2f)), pal::white,
            0.8f);
  }
  if (L.acc & MOUSTACHE)
    im.toon(unite(ellipse(CX - 4, HY + 8, 4.5f, 1.8f), ellipse(CX + 4, HY + 8, 4.5f, 1.8f)), L.hair,
            0.8f);
  if (L.acc & STUBBLE)
    for (int i = 0; i < 14; i++)
      im.fill(circle(CX - 7 + float(i % 7) * 2.3f,
                     HY + 11 + float(i / 7) * 2.2f + (i % 2 ? 0.6f : 0.0f), 0.35f),
              hex(0x706060), 0.8f);
  if (L.acc & MUD) {
    Rng r(4);
    for (int i = 0; i < 9; i++)
      im.fill(
          ellipse(CX + r.range(-18, 18), HY + r.range(-14, 30), r.range(2, 4), r.range(1.5f, 3)),
          hex(0x8a7050), 0.85f);
  }
}

void hand(Img& im, float x, float y, const Look& L) {
  im.toon(circle(x, y, 3.2f), L.skin, 0.9f);
}

void prop(Img& im, const Look& L) {
  float y = 64;
  switch (L.prop) {
    case P_MIC:
      im.toon(capsule2(CX + 13, y + 8, 1.6f, CX + 10, y - 6, 2.2f), hex(0x505060), 0.8f);
      im.toon(circle(CX + 9.5f, y - 8, 3.6f), hex(0xc8c8d8), 0.9f);
      hand(im, CX + 12, y + 3, L);
      break;
    case P_GUITAR:
      im.toon(capsule(CX - 4, y + 6, CX + 20, y - 12, 1.6f), hex(0x8a5a30), 0.8f);
      im.toon(unite(ellipse(CX - 8, y + 8, 8, 6), ellipse(CX - 2, y + 4, 6, 5)), hex(0xf0a040), 1);
      im.fill(circle(CX - 5, y + 6, 2), pal::ink);
      hand(im, CX + 10, y - 5, L);
      break;
    case P_FAN: {
      Sdf fan = inter(circle(CX + 12, y + 8, 11),
                      polygon({{CX + 12, y + 8}, {CX - 2, y - 8}, {CX + 26, y - 8}}));
      im.toon(fan, hex(0xfff0f8), 0.9f);
      for (int i = 0; i < 5; i++)
        im.line(CX + 12, y + 8, CX + 4.0f + float(i) * 4, y - 2, 0.5f, L.acc_col);
      hand(im, CX + 12, y + 8, L);
      break;
    }
    case P_BOOK:
      im.toon(rotated(box(CX - 9, y - 4, CX + 9, y + 10, 1), CX, y, -8), L.acc_col, 1);
      im.fill(rotated(box(CX - 7, y - 2, CX + 7, y), CX, y, -8), pal::white, 0.8f);
      hand(im, CX - 9, y + 6, L);
      hand(im, CX + 9, y + 4, L);
      break;
    case P_BOUQUET:
      im.toon(polygon({{CX - 2, y + 12}, {CX + 4, y + 12}, {CX + 10, y - 2}, {CX - 8, y - 2}}),
              pal::white, 0.9f);
      draw_flower(im, CX - 4, y - 4, 4, pal::rose);
      draw_flower(im, CX + 5, y - 5, 4, pal::lemon);
      draw_flower(im, CX, y - 9, 4, pal::pink);
      hand(im, CX + 1, y + 8, L);
      break;
    case P_SWORD:
      im.toon(rotated(box(CX + 14, y - 26, CX + 17, y + 2, 1), CX + 15.5f, y, 12), hex(0xd8e0f0),
              0.8f);
      im.toon(rotated(box(CX + 10, y + 1, CX + 21, y + 4, 1), CX + 15.5f, y, 12), pal::gold, 0.8f);
      hand(im, CX + 15, y + 7, L);
      break;
    case P_TEA:
      im.toon(polygon({{CX - 6, y}, {CX + 6, y}, {CX + 5, y + 9}, {CX - 5, y + 9}}), hex(0xa0b890),
              0.9f);
      im.fill(ellipse(CX, y + 0.5f, 6, 1.4f), hex(0x90c060));
      for (int i = 0; i < 2; i++)
        im.line(CX - 2.0f + float(i) * 4, y - 3, CX - 1.0f + float(i) * 4, y - 8, 0.6f, pal::white,
                0.8f);
      hand(im, CX - 7, y + 6, L);
      hand(im, CX + 7, y + 6, L);
      break;
    case P_LOLLY:
      im.toon(capsule(CX + 12, y + 10, CX + 12, y - 4, 0.8f), pal::white, 0.6f);
      im.toon(circle(CX + 12, y - 8, 5.5f), pal::pink, 0.9f);
      im.fill(ring(circle(CX + 12, y - 8, 3), 0.6f), pal::white, 0.9f);
      hand(im, CX + 12, y + 4, L);
      break;
    case P_CARD:
      im.toon(rotated(box(CX + 4, y - 6, CX + 18, y + 4, 1), CX + 11, y, 12), pal::cream, 0.9f);
      im.toon(rotated(heart(CX + 11, y - 1, 3), CX + 11, y, 12), pal::rose, 0.5f);
      hand(im, CX + 6, y + 4, L);
      break;
    default:
      break;
  }
}

void human(Img& im, const Look& L) {
  hair_back(im, L);
  body(im, L);
  // ears and head
  im.toon(ellipse(CX - HR + 0.5f, HY + 3, 3, 4), L.skin, 1);
  im.toon(ellipse(CX + HR - 0.5f, HY + 3, 3, 4), L.skin, 1);
  im.toon(ellipse(CX, HY, HR * std::sqrt(L.wide), HR - 0.5f), L.skin, 1);
  if (!(L.acc & (BEARD))) {
    im.fill(ellipse(CX - 10, HY + 7, 3, 1.8f), hex(0xff9aa8), 0.5f, 1.5f);
    im.fill(ellipse(CX + 10, HY + 7, 3, 1.8f), hex(0xff9aa8), 0.5f, 1.5f);
  }
  if (L.acc & BLUSH)
    for (int s = -1; s <= 1; s += 2)
      for (int i = 0; i < 3; i++)
        im.line(CX + float(s) * 8 + float(i) * 1.6f - 1.6f, HY + 8.5f,
                CX + float(s) * 8 + float(i) * 1.6f - 0.6f, HY + 6, 0.6f, hex(0xe06070), 0.8f);
  eyes(im, L);
  mouth(im, L);
  hair_front(im, L);
  accessories(im, L);
  prop(im, L);
}

void goat(Img& im, const Look& L) {
  body(im, L);
  for (int s = -1; s <= 1; s += 2) {
    im.toon(capsule2(CX + float(s) * 8, HY - 10, 3.5f, CX + float(s) * 20, HY - 18, 1.5f),
            hex(0xe8d8b0), 1);
    im.toon(ellipse(CX + float(s) * 17, HY - 2, 6, 3), pal::white, 1);
  }
  im.toon(unite(ellipse(CX, HY, 13, 14), ellipse(CX, HY + 10, 9, 8)), hex(0xf4f0ea), 1);
  im.toon(unite(ellipse(CX, HY + 18, 4, 7), circle(CX, HY + 22, 3)), hex(0xe8e0d0), 0.9f);  // beard
  im.fill(ellipse(CX - 6, HY, 3, 2), pal::ink);
  im.fill(ellipse(CX + 6, HY, 3, 2), pal::ink);
  im.fill(box(CX - 8, HY - 0.6f, CX - 4, HY + 0.6f), hex(0xffe080));
  im.fill(box(CX + 4, HY - 0.6f, CX + 8, HY + 0.6f), hex(0xffe080));
  im.fill(ellipse(CX - 2.5f, HY + 12, 1.2f, 1.6f), pal::ink);
  im.fill(ellipse(CX + 2.5f, HY + 12, 1.2f, 1.6f), pal::ink);
  Look l2 = L;
  l2.hair = hex(0xf4f0ea);
  accessories(im, l2);
}

void alien(Img& im, const Look& L) {
  body(im, L);
  im.toon(unite(ellipse(CX, HY - 2, HR + 2, HR), ellipse(CX, HY + 10, 9, 8)), L.skin, 1);
  for (int s = -1; s <= 1; s += 2) {
    im.toon(rotated(ellipse(CX + float(s) * 7, HY + 1, 5, 7.5f), CX + float(s) * 7, HY + 1,
                    float(s) * -25),
            hex(0x1c1830), 0.8f);
    im.fill(circle(CX + float(s) * 7 - 1.5f, HY - 2, 1.6f), pal::white, 0.9f);
  }
  mouth(im, L);
  accessories(im, L);
}

void roach(Img& im) {
  // the night-time intruder, drawn as a cartoon bug facing us
  Col shell = hex(0x8a5a3a);
  for (int s = -1; s <= 1; s += 2)
    for (int i = 0; i < 3; i++)
      im.toon(capsule(CX + float(s) * 10, 44.0f + float(i) * 8, CX + float(s) * 26,
                      38.0f + float(i) * 12, 1.3f),
              hex(0x5a3a2a), 0.8f);
  im.toon(ellipse(CX, 50, 15, 22), shell, 1.2f);
  im.line(CX, 32, CX, 72, 1, darken(shell, 0.3f));
  im.gloss(CX - 6, 42, 3, 7, 0.45f);
  im.toon(ellipse(CX, 26, 10, 8), hex(0x6a4230), 1);
  im.line(CX - 4, 20, CX - 18, 2, 1, pal::ink);
  im.line(CX + 4, 20, CX + 18, 2, 1, pal::ink);
  im.toon(circle(CX - 4, 25, 3), pal::white, 0.8f);
  im.toon(circle(CX + 4, 25, 3), pal::white, 0.8f);
  im.fill(circle(CX - 3.5f, 25.5f, 1.3f), pal::ink);
  im.fill(circle(CX + 4.5f, 25.5f, 1.3f), pal::ink);
}

const std::map<std::string, Look>& cast() {
  static const std::map<std::string, Look> m = [] {
    std::map<std::string, Look> m;
    auto P = [&](const char* n, Col hair, Hair hs, Eyes e, Mouth mo, Outfit o, Col cloth,
                 Col cloth2, int acc, Col acc_col, Col eye = hex(0x6a4a3a), Col skin = pal::skin) {
      Look l;
      l.hair = hair, l.hair_style = hs, l.eyes = e, l.mouth = mo, l.outfit = o, l.cloth = cloth,
      l.cloth2 = cloth2, l.acc = acc;
      l.acc_col = acc_col, l.eye = eye, l.skin = skin;
      m[n] = l;
    };
    // the regulars
    P("girl00.bmp", hex(0xf08aa8), BOB, ROUND, SMILE, DRESS, pal::pink, pal::white, RIBBON,
      pal::rose, hex(0x8a4a6a));
    P("girl01.bmp", hex(0x3a2e48), LONG, SLEEPY, SMILE, GOTHIC, hex(0x6a4a88), pal::white, SKULL,
      pal::white, hex(0x8a3050), hex(0xf6ece8));
    P("girl02.bmp", hex(0xffd870), DRILLS, SPARKLE, SMIRK, DRESS, pal::lilac, pal::white, TIARA,
      hex(0x9a70d0), hex(0x5070c0));
    P("dobu.bmp", hex(0xd8b860), DRILLS, TEARY, WAVY, DRESS, hex(0xb8a8c0), hex(0xd8d0c8), MUD,
      pal::grey, hex(0x5070c0));
    P("boy00.bmp", hex(0x8a5a3a), SHORT, ROUND, OPEN, TEE, pal::green, pal::white, CAP, pal::sky);
    P("girl03.bmp", hex(0x4a4a5a), TWIN, ROUND, CAT, HOODIE, pal::mint, pal::white, CAT_EARS,
      pal::pink, hex(0x4a8a6a));
    P("boy01.bmp", hex(0x6ab0f0), SPIKY, GLASSES, GRIN, TEE, pal::lemon, pal::brown, ANTENNA,
      pal::brown);
    P("girl04.bmp", hex(0xe86a50), PONY, ANGRY, POUT, SAILOR, pal::navy, pal::white, BLUSH,
      pal::sky);
    P("boy02.bmp", hex(0x2a2a38), SPIKY, COLD, FLAT, JACKET, hex(0x404050), hex(0x9a9aa8), SKULL,
      pal::white, hex(0x506070));
    P("seven.bmp", hex(0xd8d8e8), SIDE, COLD, SMIRK, SUIT, hex(0x383050), hex(0xd04070), STAR,
      pal::gold, hex(0x7040a0));
    P("seven2.bmp", hex(0xd8d8e8), SIDE, HAPPY, SMILE, SUIT, hex(0x383050), hex(0xd04070), STAR,
      pal::gold, hex(0x7040a0));
    P("tun.bmp", hex(0x80b8f0), TWIN, ROUND, OH, DRESS, pal::sky, pal::white, NONE, pal::lemon,
      hex(0x3a6ab0));
    P("tun2.bmp", hex(0x80b8f0), TWIN, TEARY, WAVY, DRESS, pal::sky, pal::white, NONE, pal::lemon,
      hex(0x3a6ab0));
    P("mun.bmp", hex(0x8a5ab0), SPIKY, ANGRY, GRIN, JACKET, hex(0x503848), hex(0xf06060), BANDANA,
      pal::red, hex(0xb03050));
    P("wata2.bmp", hex(0xffb8d8), CURLY, SHADES, SMIRK, COAT, hex(0xc8a878), hex(0xfff0e0), BIG_HAT,
      hex(0x8a7060));
    P("wata.bmp", hex(0xffc8e0), CURLY, SPARKLE, OPEN, DRESS, pal::white, pal::pink, STAR,
      pal::lemon, hex(0xd05090));
    P("yukari.bmp", hex(0x9a70c8), LONG, ROUND, SMILE, KIMONO, hex(0xd8b8f0), pal::white, FLOWER,
      pal::pink, hex(0x6a4a9a));
    P("yukari2.bmp", hex(0x9a70c8), LONG, HAPPY, OPEN, KIMONO, hex(0xd8b8f0), pal::white, FLOWER,
      pal::pink, hex(0x6a4a9a));
    P("monato.bmp", hex(0x70c090), BOB, GLASSES, FLAT, LABCOAT, pal::white, hex(0x90c8a0), NONE,
      pal::mint, hex(0x3a7a5a));
    P("monato2.bmp", hex(0x70c090), BOB, GLASSES, OPEN, LABCOAT, pal::white, hex(0x90c8a0), STAR,
      pal::mint, hex(0x3a7a5a));
    P("yuuka.bmp", hex(0x9a6040), LONG, ROUND, SMILE, JACKET, hex(0xf0d0a0), pal::white, BERET,
      pal::rose, hex(0x7a4a30));
    P("jisrof.bmp", hex(0xf0f0f0), BALD, SLEEPY, FLAT, ROBE, hex(0xd04858), pal::white,
      CROWN | BEARD, pal::gold);
    P("nobuhi.bmp", hex(0xf0a040), SPIKY, HAPPY, OPEN, TEE, hex(0x6070d0), pal::lemon, PHONES,
      pal::rose);
    P("bione.bmp", hex(0xd0b070), SHORT, ROUND, FLAT, ARMOUR, hex(0xb8c8d8), hex(0x5070c0), NONE,
      pal::sky, hex(0x3a5a9a));
    P("unbou2.bmp", hex(0x9a6a40), SWIRL, HAPPY, GRIN, TEE, hex(0xf0c060), hex(0x9a6a40), BLUSH,
      pal::brown);
    P("toku.bmp", hex(0xe8e8e8), BALD, SLEEPY, SMILE, KIMONO, hex(0x7aa080), hex(0xe8e0c8),
      MOUSTACHE, hex(0x5a6a50), hex(0x6a4a3a), hex(0xf8d8c0));
    P("maichel.bmp", hex(0xf0d070), SHORT, ROUND, GRIN, JACKET, hex(0xc89060), pal::white, COWBOY,
      hex(0xa87048), hex(0x4080c0));
    P("tam.bmp", hex(0xf09040), BUNS, HAPPY, CAT, APRON, hex(0xffd080), pal::white, NONE,
      pal::rose);
    P("unporo2.bmp", hex(0x9098b0), SPIKY, COLD, SMIRK, HOODIE, hex(0x8090c0), pal::white,
      WOLF_EARS, pal::sky, hex(0xd0a030));
    P("sanae2.bmp", hex(0xa86848), PONY, GLASSES, SMILE, SAILOR, hex(0xb05070), pal::white, NONE,
      pal::sky);
    P("sanae3.bmp", hex(0xa86848), PONY, SPARKLE, OPEN, HOODIE, hex(0xfff080), hex(0xffa040), HOOD,
      hex(0xfff080));
    P("bubuko.bmp", hex(0xd05a3a), CURLY, SLEEPY, SMIRK, DRESS, hex(0xf0a0d0), hex(0xffe0f0),
      PEARLS, pal::gold, hex(0x804040), hex(0xffd8c0));
    P("bubuko2.bmp", hex(0xd05a3a), CURLY, ANGRY, FROWN, DRESS, hex(0xf0a0d0), hex(0xffe0f0),
      PEARLS | BLUSH, pal::gold, hex(0x804040), hex(0xffd8c0));
    P("prince.bmp", hex(0xffe080), SHORT, SPARKLE, SMILE, ROBE, hex(0x80a8f0), pal::white, TIARA,
      pal::gold, hex(0x3a70d0));
    P("sachi.bmp", hex(0x2e2a3a), BOB, ROUND, FLAT, SAILOR, hex(0x506890), pal::white, FLOWER,
      pal::lemon, hex(0x504060));
    P("rap.bmp", hex(0x5a90e0), LONG, SPARKLE, OPEN, DRESS, hex(0xa0c8ff), pal::white, STAR,
      pal::gold, hex(0x3060b0));
    P("kabe.bmp", hex(0x4a3a6a), LONG, COLD, SMIRK, GOTHIC, hex(0x503a70), pal::white, WITCH,
      hex(0x503a70), hex(0xa040a0));
    P("kimi.bmp", hex(0xf07a50), SIDE, HAPPY, OPEN, JACKET, hex(0xff80b0), pal::lemon,
      PHONES | STAR, pal::lemon);
    P("retisia.bmp", hex(0xd84040), LONG, ROUND, SMILE, APRON, hex(0xf0a0a0), pal::white, RIBBON,
      pal::white, hex(0x6a3a2a));
    P("goat.bmp", pal::white, SHORT, ROUND, FLAT, ROBE, hex(0x7040a0), pal::white, CROWN,
      pal::gold);
    P("fukura.bmp", hex(0x40a0a0), SWIRL, GLASSES, GRIN, TEE, hex(0xf0f0f0), hex(0x40a0a0), NONE,
      pal::sky);
    P("kouka.bmp", hex(0x2e2a3a), BUNS, ROUND, SMILE, QIPAO, hex(0xe04858), pal::gold, NONE,
      pal::red, hex(0x803030));
    P("jonny.bmp", hex(0x2a2430), POMPADOUR, SHADES, SMIRK, JACKET, hex(0x303040), hex(0xf0f0f0),
      NONE, pal::red);
    P("siki.bmp", hex(0xf4f4ff), LONG, SLEEPY, FLAT, KIMONO, hex(0xe8f0ff), hex(0xa8c0e0), NONE,
      pal::sky, hex(0x6080b0), hex(0xfaf0ec));
    P("boy_sumire.bmp", hex(0x9070c0), SHORT, COLD, SMILE, JACKET, hex(0x7058a0), pal::white,
      FLOWER, hex(0xb090e0), hex(0x7058a0));
    P("luko.bmp", hex(0xff90b0), SIDE, SPARKLE, CAT, HOODIE, hex(0xffd0e0), pal::white,
      ANTENNA | VISOR, pal::rose);
    P("cstef.bmp", hex(0x40c0c0), BOB, COLD, FLAT, ARMOUR, hex(0xd0e0e8), hex(0x40c0c0),
      PHONES | ANTENNA, hex(0x40c0c0), hex(0x208080), hex(0xf4f0f0));
    // the shop's own people
    P("owner", hex(0x4a4a50), SPIKY, SHADES, GRIN, APRON, hex(0x80a0d0), hex(0xf0e8d8), STUBBLE,
      pal::brown, hex(0x4a3a3a), hex(0xf0c8a8));
    P("sumiko.bmp", hex(0x2e2a3a), PONY, HAPPY, OPEN, APRON, hex(0xa8d0f0), hex(0xfff8f0), BANDANA,
      pal::rose);
    P("landlord", hex(0xe8e8e8), BALD, SLEEPY, FLAT, KIMONO, hex(0x9a7050), hex(0xe0d0b8), BEARD,
      hex(0x6a5040), hex(0x6a4a3a), hex(0xf0d0b8));
    auto give = [&](const char* n, float wide, int prop) {
      m[n].wide = wide;
      m[n].prop = prop;
    };
    give("bubuko.bmp", 1.25f, P_FAN);
    give("bubuko2.bmp", 1.25f, P_FAN);
    give("kimi.bmp", 1, P_MIC);
    give("nobuhi.bmp", 1, P_GUITAR);
    give("monato.bmp", 1, P_BOOK);
    give("monato2.bmp", 1, P_BOOK);
    give("prince.bmp", 1, P_BOUQUET);
    give("bione.bmp", 1.1f, P_SWORD);
    give("toku.bmp", 1.05f, P_TEA);
    give("wata.bmp", 0.95f, P_LOLLY);
    give("tun.bmp", 0.85f, P_NONE);
    give("tun2.bmp", 0.85f, P_NONE);
    give("seven2.bmp", 1, P_CARD);
    give("mun.bmp", 1.15f, P_NONE);
    give("jisrof.bmp", 1.15f, P_NONE);
    give("sumiko.bmp", 1, P_CARD);
    give("tam.bmp", 0.9f, P_LOLLY);
    give("sachi.bmp", 0.95f, P_BOOK);
    {
      Look g;  // the goat emperor
      g = m["goat.bmp"];
      g.kind = GOAT;
      m["goat.bmp"] = g;
      Look a = m["goat.bmp"];
      a.kind = ALIEN, a.skin = hex(0xa8e8a0), a.outfit = ARMOUR, a.cloth = hex(0xc0c8d8),
      a.cloth2 = hex(0x60d060), a.acc = ANTENNA, a.acc_col = hex(0xff6080), a.mouth = SMILE;
      m["garaga.bmp"] = a;
      Look r;
      r.kind = ROACH;
      m["goki.bmp"] = r;
    }
    return m;
  }();
  return m;
}

}  // namespace

void draw_person(Img& im, const std::string& name) {
  auto it = cast().find(name);
  Look L;
  if (it != cast().end()) {
    L = it->second;
  } else {
    // someone new: a look from the name itself
    Rng r(hash_name(name));
    const Col hairs[] = {pal::brown,    hex(0xf08aa8), hex(0x2e2a3a),
                         hex(0xffd870), hex(0x6ab0f0), hex(0x9a70c8)};
    const Col cloths[] = {pal::pink, pal::mint, pal::sky, pal::lemon, pal::lilac, pal::peach};
    L.hair = hairs[r.below(6)], L.cloth = cloths[r.below(6)];
    L.hair_style = Hair(r.below(6));
    L.eyes = Eyes(r.below(2)), L.mouth = Mouth(r.below(2));
  }
  switch (L.kind) {
    case GOAT:
      goat(im, L);
      break;
    case ALIEN:
      alien(im, L);
      break;
    case ROACH:
      roach(im);
      break;
    default:
      human(im, L);
      break;
  }
}

// The game stretches a customer to double size from y -10, so the top five rows of the picture
// never show: a drawing that reaches into them (antennae, crown tips, a witch's hat) is moved
// down until it clears them; the rows it pushes out at the bottom lie behind the counter anyway.
void draw_customer(Img& im, const std::string& name) {
  constexpr int kHiddenRows = 5;
  Img p(im.w, im.h);
  draw_person(p, name);
  int top = 0;
  auto inked = [&](int y) {
    for (int x = 0; x < p.w; x++)
      if (p.a[std::size_t(y) * std::size_t(p.w) + std::size_t(x)] >= 0.5f) return true;
    return false;
  };
  while (top < p.h && !inked(top)) top++;
  int shift = std::max(0, kHiddenRows - top);
  for (int y = 0; y + shift < p.h; y++)
    for (int x = 0; x < p.w; x++) {
      std::size_t from = std::size_t(y) * std::size_t(p.w) + std::size_t(x);
      std::size_t to = std::size_t(y + shift) * std::size_t(p.w) + std::size_t(x);
      im.r[to] = p.r[from], im.g[to] = p.g[from], im.b[to] = p.b[from], im.a[to] = p.a[from];
    }
}

void add_people_pictures(PicTable& t) {
  for (auto& [name, look] : cast())
    if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp")
      t[name] = PicRecipe{PicKind::layer, 60, 75, [n = name](Img& im) { draw_customer(im, n); }};
}

}  // namespace ag
