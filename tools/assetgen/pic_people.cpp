// The cast: every customer, visitor, the owner, the printer's daughter and the landlord, as a
// chibi bust on a 60 x 75 layer picture (drawn at twice its size above the counter). Each has a
// build and a face of their own: head size and height, jaw, eyes (an iris and a highlight) and
// their spacing, brows that carry the mood, shoulders, and a pose.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "palette.h"
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
  SIDE,
  BRAID
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
  LABCOAT,
  UNIFORM
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
  BLUSH = 33554432,
  SCREW = 67108864
};
enum Kind { HUMAN, GOAT, ALIEN, ROACH };
enum Jaw { J_ROUND, J_POINTED, J_SQUARE, J_CHUBBY };
enum Brow { B_SOFT, B_ANGRY, B_WORRIED, B_RAISED, B_FLAT, B_THICK, B_NONE };
enum Arms { A_NONE, A_WAVE, A_CROSSED, A_CHIN, A_PEACE, A_HEART, A_HIPS };

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
  // the face and the build
  float hr = 16;   // head radius
  float hy = 32;   // head centre height
  float lean = 0;  // the head held to one side
  Jaw jaw = J_ROUND;
  float eye_dx = 6.5f;  // half the distance between the eyes
  float eye_y = 3;      // the eyes below the head's centre
  Brow brow = B_SOFT;
  float slope = 2;  // how far the shoulders fall from the neck
  Arms arms = A_NONE;
};

enum Prop { P_NONE, P_MIC, P_GUITAR, P_FAN, P_BOOK, P_BOUQUET, P_SWORD, P_TEA, P_LOLLY, P_CARD };

// The head being drawn: its centre and radius (set from the look before each drawing).
float CX = 30, HY = 32, HR = 16;
constexpr float BX = 30;  // the body's middle

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
  const float top = HY + HR + 2;
  const float sw = 22 * L.wide, sl = L.slope;
  // shoulders falling from the neck by `slope`, then straight down behind the counter
  const Sdf shoulders = smooth_unite(box(BX - sw, top + 4 + sl, BX + sw, 80, 8),
                                     polygon({{BX - 9, top + 3},
                                              {BX + 9, top + 3},
                                              {BX + sw - 3, top + 6 + sl},
                                              {BX - sw + 3, top + 6 + sl}}),
                                     3);
  // neck
  im.toon(box(CX - 4, HY + HR - 4, CX + 4, top + 6, 2), darken(L.skin, 0.06f), 1);
  switch (L.outfit) {
    case SUIT:
    case COAT:
    case LABCOAT:
    case JACKET: {
      Col inner = L.outfit == SUIT ? pal::white : c2;
      im.toon(shoulders, c, 1);
      im.toon(polygon({{BX - 6, top + 4}, {BX + 6, top + 4}, {BX, top + 20}}), inner, 0.8f);
      im.toon(polygon({{BX - 7, top + 3}, {BX - 2, top + 20}, {BX - 12, top + 10}}), shade(c, 1.1f),
              0.8f);
      im.toon(polygon({{BX + 7, top + 3}, {BX + 2, top + 20}, {BX + 12, top + 10}}), shade(c, 1.1f),
              0.8f);
      if (L.outfit == SUIT)
        im.toon(polygon({{BX - 1.5f, top + 5},
                         {BX + 1.5f, top + 5},
                         {BX + 2.5f, top + 18},
                         {BX, top + 21},
                         {BX - 2.5f, top + 18}}),
                c2, 0.7f);
      if (L.outfit == LABCOAT) im.fill(box(BX + 9, top + 16, BX + 15, top + 20), pal::sky);
      break;
    }
    case ROBE: {
      // a royal robe: an ermine collar round the neck (white fur with black tail tips) and a
      // gold clasp
      im.toon(shoulders, c, 1);
      im.toon(unite(box(BX - sw + 4, top + 4 + sl * 0.5f, BX + sw - 4, top + 11 + sl * 0.5f, 3),
                    box(BX - 4, top + 4, BX + 4, top + 20, 2)),
              pal::white, 1);
      for (int i = 0; i < 6; i++) {
        const float x = BX - sw + 8 + float(i) * (2 * sw - 16) / 5;
        im.fill(box(x - 0.5f, top + 7 + sl * 0.5f, x + 0.5f, top + 9 + sl * 0.5f), pal::ink);
      }
      im.fill(box(BX - 0.5f, top + 14, BX + 0.5f, top + 16), pal::ink);
      im.toon(circle(BX, top + 11, 2.5f), pal::gold, 0.8f);
      break;
    }
    case SAILOR: {
      im.toon(shoulders, pal::white, 1);
      im.toon(polygon({{BX - 16, top + 4}, {BX + 16, top + 4}, {BX, top + 16}}), c, 1);
      im.toon(polygon({{BX - 3, top + 14},
                       {BX + 3, top + 14},
                       {BX + 5, top + 22},
                       {BX, top + 19},
                       {BX - 5, top + 22}}),
              pal::red, 0.8f);
      break;
    }
    case HOODIE: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(BX, top + 5, 12, 5), shade(c, 0.9f), 1);
      im.line(BX - 4, top + 9, BX - 4, top + 18, 1, shade(c, 1.3f));
      im.line(BX + 4, top + 9, BX + 4, top + 18, 1, shade(c, 1.3f));
      im.toon(box(BX - 9, top + 20, BX + 9, top + 30, 3), shade(c, 0.92f), 0.8f);
      break;
    }
    case APRON: {
      // the bib with its straps over the shoulders, all inside the shoulders' outline
      im.toon(shoulders, c, 1);
      for (int s = -1; s <= 1; s += 2) {
        const float sd = float(s);
        im.toon(polygon({{BX + sd * 9, top + 11},
                         {BX + sd * 12, top + 11},
                         {BX + sd * 12.5f, top + 5 + sl * 0.5f},
                         {BX + sd * 9.5f, top + 4.5f + sl * 0.3f}}),
                c2, 1);
      }
      im.toon(box(BX - 12, top + 10, BX + 12, 80, 4), c2, 1);
      im.toon(heart(BX, top + 19, 3), L.acc_col, 0.6f);
      break;
    }
    case KIMONO: {
      im.toon(shoulders, c, 1);
      im.toon(
          polygon({{BX - 8, top + 2}, {BX + 1, top + 2}, {BX + 10, top + 22}, {BX + 4, top + 22}}),
          c2, 0.8f);
      im.toon(polygon({{BX + 8, top + 2}, {BX + 3, top + 2}, {BX - 6, top + 20}}), c2, 0.8f);
      im.toon(box(BX - sw, top + 20, BX + sw, top + 27), L.acc_col, 0.8f);
      break;
    }
    case GOTHIC: {
      im.toon(shoulders, c, 1);
      im.toon(polygon({{BX - 10, top + 3}, {BX + 10, top + 3}, {BX, top + 12}}), pal::white, 0.8f);
      for (int i = 0; i < 4; i++)
        im.toon(circle(BX - 12 + float(i) * 8, top + 5, 3), pal::white, 0.7f);
      im.toon(unite(ellipse(BX - 4, top + 13, 4, 2.5f), ellipse(BX + 4, top + 13, 4, 2.5f)),
              pal::red, 0.7f);
      break;
    }
    case ARMOUR: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(BX - sw + 5, top + 8 + sl, 9, 7), shade(c, 1.15f), 1);
      im.toon(ellipse(BX + sw - 5, top + 8 + sl, 9, 7), shade(c, 1.15f), 1);
      im.toon(polygon({{BX - 8, top + 10},
                       {BX + 8, top + 10},
                       {BX + 6, top + 26},
                       {BX, top + 30},
                       {BX - 6, top + 26}}),
              c2, 0.9f);
      im.toon(star(BX, top + 18, 4, 1.8f, 5), pal::gold, 0.6f);
      break;
    }
    case UNIFORM: {
      // a prince's white jacket: gold epaulettes, a sash across, gold buttons
      im.toon(shoulders, c, 1);
      im.toon(polygon({{BX - sw + 6, top + 8 + sl},
                       {BX - sw + 10, top + 6 + sl},
                       {BX + 10, top + 30},
                       {BX + 4, top + 32}}),
              c2, 1);
      for (int s = -1; s <= 1; s += 2) {
        const float sd = float(s);
        im.toon(ellipse(BX + sd * (sw - 6), top + 6 + sl, 7, 3), pal::gold, 1);
        for (int k = 0; k < 4; k++)
          im.line(BX + sd * (sw - 10 + float(k) * 2.5f), top + 8 + sl,
                  BX + sd * (sw - 10 + float(k) * 2.5f), top + 12 + sl, 0.8f, pal::gold);
      }
      for (int k = 0; k < 2; k++)
        im.toon(circle(BX - 6, top + 14 + float(k) * 7, 1.3f), pal::gold, 0.5f);
      im.toon(polygon({{BX - 5, top + 3}, {BX + 5, top + 3}, {BX, top + 9}}), pal::white, 1);
      break;
    }
    case QIPAO: {
      im.toon(shoulders, c, 1);
      im.line(BX, top + 4, BX + 8, top + 14, 1.2f, pal::gold);
      im.toon(circle(BX + 8, top + 14, 1.5f), pal::gold, 0.5f);
      draw_flower(im, BX - 9, top + 16, 3.5f, pal::gold);
      break;
    }
    case TEE: {
      im.toon(shoulders, c, 1);
      im.toon(ellipse(BX, top + 3, 7, 3.5f), darken(L.skin, 0.04f), 0.8f);
      im.toon(star(BX, top + 16, 5, 2.3f, 5), c2, 0.7f);
      break;
    }
    case DRESS:
    default: {
      im.toon(shoulders, c, 1);
      im.toon(unite(ellipse(BX - 6, top + 4, 7, 4), ellipse(BX + 6, top + 4, 7, 4)), c2, 0.9f);
      im.toon(unite({ellipse(BX - 4, top + 10, 4, 2.5f), ellipse(BX + 4, top + 10, 4, 2.5f),
                     circle(BX, top + 10, 1.8f)}),
              L.acc_col, 0.7f);
      break;
    }
  }
  if (L.acc & PEARLS)
    for (int i = 0; i < 7; i++)
      im.toon(circle(BX - 9 + float(i) * 3, top + 4 + 3 * std::sin(float(i) / 6 * 3.14159f), 1.4f),
              pal::white, 0.5f);
}

// Pixel patterns: '.' leaves the pixel, the letters pick colours.
void stamp(Img& im, int x0, int y0, std::initializer_list<const char*> rows,
           const std::map<char, Col>& colours, bool mirror) {
  int y = y0;
  for (const char* row : rows) {
    const int n = int(std::strlen(row));
    for (int i = 0; i < n; i++) {
      const char ch = row[mirror ? n - 1 - i : i];
      auto it = colours.find(ch);
      if (ch != '.' && it != colours.end()) im.blend(x0 + i, y, it->second, 1);
    }
    y++;
  }
}

Col ramp_step(Col c, int k) {
  return ramp_colour(nearest_step(c), k);
}

// The brows above each eye, by mood: `x` is the eye's left column, `y` its top row.
void brow(Img& im, const Look& L, int x, int y, bool right) {
  const std::map<char, Col> c = {{'B', ramp_step(L.hair, 2)}, {'K', pal::ink}};
  switch (L.brow) {
    case B_SOFT:
      stamp(im, x, y - 3, {".BBB.", "B...B"}, c, right);
      break;
    case B_ANGRY:
      stamp(im, x, y - 4, {"KK...", ".KKK.", "...KK"}, c, right);
      break;
    case B_WORRIED:
      stamp(im, x, y - 4, {"...BB", ".BB..", "B...."}, c, right);
      break;
    case B_RAISED:
      stamp(im, x, y - 5, {".BBB.", "B...B"}, c, right);
      break;
    case B_FLAT:
      stamp(im, x, y - 2, {"BBBBB"}, c, right);
      break;
    case B_THICK:
      stamp(im, x, y - 3, {"BBBBB", "BBBBB"}, c, right);
      break;
    case B_NONE:
      break;
  }
}

// Eyes as pixels: an iris in three steps of the eye's colour, a pupil, a highlight and the lashes,
// the right eye the mirror of the left; the brows above them carry the mood.
void eyes(Img& im, const Look& L) {
  const RampStep rs = nearest_step(L.eye);
  const std::map<char, Col> c = {
      {'K', pal::ink},
      {'W', pal::white},
      {'D', ramp_colour(rs, 1)},
      {'I', ramp_colour(rs, 0)},
      {'L', ramp_colour(rs, -1)},
      {'P', ramp_colour(RampStep{rs.ramp, 3}, 0)},
      {'S', ramp_step(L.skin, 1)},
      {'T', hex(0xa8dcff)},
  };
  const int ey = int(std::lround(HY + L.eye_y));
  for (int side = 0; side < 2; side++) {
    const bool right = side == 1;
    const int ex = int(std::lround(CX + (right ? L.eye_dx : -L.eye_dx))) - 2;
    switch (L.eyes) {
      case ROUND:
      case GLASSES:
      case TEARY:
        stamp(im, ex, ey - 2, {".KKK.", "KWDDK", "KDPDK", "KILIK", ".KKK."}, c, right);
        if (L.eyes == TEARY) stamp(im, ex, ey + 3, {"..T..", "..T.."}, c, right);
        break;
      case SPARKLE:
        stamp(im, ex, ey - 3, {"KKKKK", "KWDDK", "KDPWK", "KIPIK", "KLILK", ".KKK."}, c, right);
        break;
      case HAPPY:
        stamp(im, ex, ey - 2, {"KKKKK", "KWDDK", "KIPIK", ".SKS."}, c, right);
        break;
      case SLEEPY:
        stamp(im, ex, ey - 2, {".SSS.", "KKKKK", "KWPIK", ".LLL."}, c, right);
        break;
      case COLD:
        stamp(im, ex, ey - 1, {"KKKKK", "KWPIK", ".KKK."}, c, right);
        break;
      case ANGRY:
        stamp(im, ex, ey - 2, {"KKK..", "KKKKK", "KWDDK", "KIPIK", ".KKK."}, c, right);
        break;
      case BEADY:
        stamp(im, ex + 1, ey - 1, {".K.", "KWK", ".K."}, c, right);
        break;
      case PATCH:
        if (!right) {
          im.toon(ellipse(float(ex) + 2.5f, float(ey) + 0.5f, 4, 3.5f), hex(0x303040), 0.6f);
          im.line(float(ex) - 1.5f, float(ey) - 1.5f, CX + HR, HY - 8, 0.9f, hex(0x303040));
        } else {
          stamp(im, ex, ey - 2, {".KKK.", "KWDDK", "KDPDK", "KILIK", ".KKK."}, c, right);
        }
        break;
      case SHADES:
        break;
    }
    if (L.eyes != SHADES && !(L.eyes == PATCH && !right)) brow(im, L, ex, ey - 1, right);
  }
  if (L.eyes == SHADES) {
    const float y = float(ey);
    im.toon(unite({box(CX - 12, y - 3.5f, CX - 1.5f, y + 3, 2.5f),
                   box(CX + 1.5f, y - 3.5f, CX + 12, y + 3, 2.5f),
                   box(CX - 2, y - 2.5f, CX + 2, y - 1)}),
            hex(0x383048), 0.8f, hex(0x1a1020));
    im.fill(box(CX - 10, y - 2.5f, CX - 6, y - 1, 0.5f), pal::white, 0.5f);
    im.fill(box(CX + 4, y - 2.5f, CX + 8, y - 1, 0.5f), pal::white, 0.5f);
  }
  if (L.eyes == GLASSES) {
    const float y = float(ey) + 0.5f;
    for (int s = -1; s <= 1; s += 2)
      im.fill(ring(circle(CX + float(s) * L.eye_dx + 0.5f, y, 4.6f), 0.55f), hex(0x705070));
    im.line(CX - L.eye_dx + 5, y - 1, CX + L.eye_dx - 4, y - 1, 0.9f, hex(0x705070));
  }
}

void mouth(Img& im, const Look& L) {
  float my = HY + L.eye_y + HR * 0.44f;
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
      // a soft-serve swirl in three tiers with a curl at the tip
      im.toon(cap, h, 1);
      im.toon(ellipse(CX, HY - HR, 12, 4.5f), h, 1);
      im.toon(ellipse(CX + 0.5f, HY - HR - 5, 8.5f, 3.8f), h, 1);
      im.toon(ellipse(CX + 1, HY - HR - 9.5f, 5, 3), h, 1);
      im.toon(polygon({{CX - 1, HY - HR - 11}, {CX + 4, HY - HR - 16}, {CX + 4, HY - HR - 11}}), h,
              1);
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
  if (L.hair_style == BRAID) {
    // one braid over the left shoulder, plaited, tied with a ribbon
    for (int i = 0; i < 6; i++)
      im.toon(ellipse(CX - HR + 2 - float(i) * 0.8f, HY + 8 + float(i) * 4.2f,
                      3.4f - float(i) * 0.2f, 2.6f),
              h, 1);
    im.toon(unite(ellipse(CX - HR - 4.5f, HY + 33, 2.5f, 1.6f),
                  ellipse(CX - HR + 0.5f, HY + 33, 2.5f, 1.6f)),
            L.acc_col, 1);
  }
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
  if (L.acc & SCREW) {
    // スクリュー: a drill of hair twisting up from the crown, its turns picked out
    im.toon(polygon({{CX - 7, HY - HR + 3}, {CX + 7, HY - HR + 3}, {CX + 1, HY - HR - 14}}), L.hair,
            1);
    for (int k = 0; k < 4; k++) {
      const float y = HY - HR + 1 - float(k) * 3.6f, w = 5.5f - float(k) * 1.3f;
      im.line(CX - w, y, CX + w * 0.8f, y - 2, 0.8f, ramp_step(L.hair, 2));
    }
  }
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
    // fresh from the ditch: mud soaking the dress, dripping from the ringlets, a leaf on her head
    // (never on the face, where it would read as the skin's own spots)
    const Col mud = hex(0x7a5a3a);
    Rng r(4);
    const float top = HY + HR + 2;
    for (int i = 0; i < 6; i++)
      im.toon(ellipse(BX + r.range(-17, 17), top + 10 + r.range(0, 16), r.range(2.5f, 4.5f),
                      r.range(1.5f, 2.5f)),
              mud, 0.4f);
    for (int s = -1; s <= 1; s += 2)
      for (int k = 0; k < 2; k++) {
        const float x = CX + float(s) * (HR + 1 + float(k) * 2.5f), y = HY + 10 + float(k) * 9;
        im.line(x, y, x, y + 5, 1.6f, mud);
        im.fill(circle(x, y + 6.5f, 1.2f), mud);
      }
    im.toon(rotated(ellipse(CX + 7, HY - HR + 1, 5, 2.2f), CX + 7, HY - HR + 1, -30), pal::green,
            1);
    im.line(CX + 3, HY - HR + 3, CX + 11, HY - HR - 1, 0.8f, darken(pal::green, 0.3f));
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

// The face's outline by the jaw: round, pointed, square or chubby.
Sdf face_shape(const Look& L) {
  const float rx = HR * std::sqrt(L.wide);
  switch (L.jaw) {
    case J_POINTED:
      return smooth_unite(
          ellipse(CX, HY - 1, rx, HR - 1.5f),
          polygon({{CX - rx * 0.75f, HY + 3}, {CX + rx * 0.75f, HY + 3}, {CX, HY + HR + 1}}), 3);
    case J_SQUARE:
      return box(CX - rx, HY - HR + 0.5f, CX + rx, HY + HR - 0.5f, HR * 0.6f);
    case J_CHUBBY:
      return unite(ellipse(CX, HY - 1, rx, HR - 1.5f), ellipse(CX, HY + 3, rx + 1.5f, HR - 3.5f));
    case J_ROUND:
    default:
      return ellipse(CX, HY, rx, HR - 0.5f);
  }
}

// Arms for a pose, with the sleeves in the clothes' colour.
void arms(Img& im, const Look& L) {
  const float top = HY + HR + 2, sw = 22 * L.wide;
  const Col sleeve = L.outfit == SAILOR ? pal::white : L.cloth;
  switch (L.arms) {
    case A_WAVE: {
      // the right arm up beside the head, the hand open
      const float sx = BX + sw - 4, hx = BX + sw + 1, hy = top - 16;
      im.toon(capsule2(sx, top + 14, 4.5f, hx, hy + 5, 3.5f), sleeve, 1);
      im.toon(unite({circle(hx, hy, 3.6f), capsule(hx - 2.5f, hy - 1, hx - 3.5f, hy - 5.5f, 1.1f),
                     capsule(hx, hy - 2, hx, hy - 6.5f, 1.1f),
                     capsule(hx + 2.5f, hy - 1, hx + 3.5f, hy - 5.5f, 1.1f)}),
              L.skin, 1);
      break;
    }
    case A_CROSSED: {
      const float y = top + 20;
      im.toon(capsule2(BX - sw + 3, y - 6, 5, BX + 9, y + 1, 4), ramp_step(sleeve, -1), 1);
      im.toon(capsule2(BX + sw - 3, y - 6, 5, BX - 9, y + 3, 4), ramp_step(sleeve, -1), 1);
      im.toon(circle(BX + 11, y + 1, 3.2f), L.skin, 1);
      im.toon(circle(BX - 11, y + 3, 3.2f), L.skin, 1);
      break;
    }
    case A_CHIN: {
      // a hand at the chin, thinking
      const float hx = CX + 4, hy = HY + HR + 1;
      im.toon(capsule2(BX + sw - 6, top + 18, 4.5f, hx + 2, hy + 5, 3.5f), sleeve, 1);
      im.toon(unite(circle(hx, hy, 3.4f), capsule(hx - 1, hy - 2, hx - 2, hy - 6, 1.2f)), L.skin,
              1);
      break;
    }
    case A_PEACE: {
      // a V sign beside the cheek
      const float hx = CX - HR - 3, hy = HY + 6;
      im.toon(capsule2(BX - sw + 4, top + 14, 4.5f, hx, hy + 5, 3.5f), sleeve, 1);
      im.toon(unite({circle(hx, hy + 1, 3.4f), capsule(hx - 1, hy - 1, hx - 3, hy - 8, 1.2f),
                     capsule(hx + 1, hy - 1, hx + 2.5f, hy - 8, 1.2f)}),
              L.skin, 1);
      break;
    }
    case A_HEART: {
      // both hands together in front of the chest, making a heart
      const float y = top + 16;
      im.toon(capsule2(BX - sw + 4, y - 2, 4.5f, BX - 4, y + 4, 3.5f), sleeve, 1);
      im.toon(capsule2(BX + sw - 4, y - 2, 4.5f, BX + 4, y + 4, 3.5f), sleeve, 1);
      im.toon(heart(BX, y + 2, 5), L.skin, 1);
      im.fill(heart(BX, y + 2.5f, 2), pal::rose);
      break;
    }
    case A_HIPS: {
      // elbows out, hands on the hips below: a confident stance
      for (int s = -1; s <= 1; s += 2) {
        const float sd = float(s);
        im.toon(polygon({{BX + sd * (sw - 6), top + 8},
                         {BX + sd * (sw + 3), top + 20},
                         {BX + sd * (sw - 5), top + 30},
                         {BX + sd * (sw - 9), top + 26},
                         {BX + sd * (sw - 4), top + 20},
                         {BX + sd * (sw - 10), top + 12}}),
                sleeve, 1);
      }
      break;
    }
    case A_NONE:
      break;
  }
}

void human(Img& im, const Look& L) {
  hair_back(im, L);
  body(im, L);
  if (L.arms != A_WAVE && L.arms != A_PEACE) arms(im, L);
  // ears and head
  im.toon(ellipse(CX - HR * std::sqrt(L.wide) + 0.5f, HY + 3, 3, 4), L.skin, 1);
  im.toon(ellipse(CX + HR * std::sqrt(L.wide) - 0.5f, HY + 3, 3, 4), L.skin, 1);
  im.toon(face_shape(L), L.skin, 1);
  if (!(L.acc & (BEARD))) {
    const float cy = HY + L.eye_y + 4.5f, cx = L.eye_dx + 3.5f;
    im.fill(ellipse(CX - cx, cy, 2.6f, 1.4f), hex(0xff9aa8), 0.6f);
    im.fill(ellipse(CX + cx, cy, 2.6f, 1.4f), hex(0xff9aa8), 0.6f);
  }
  if (L.acc & BLUSH)
    for (int s = -1; s <= 1; s += 2)
      for (int i = 0; i < 3; i++)
        im.line(CX + float(s) * 8 + float(i) * 1.6f - 1.6f, HY + 8.5f,
                CX + float(s) * 8 + float(i) * 1.6f - 0.6f, HY + 6, 0.6f, hex(0xe06070), 0.8f);
  mouth(im, L);
  hair_front(im, L);
  eyes(im, L);  // over the fringe, so that the brows show through it
  accessories(im, L);
  prop(im, L);
  if (L.arms == A_WAVE || L.arms == A_PEACE) arms(im, L);
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
    P("dobu.bmp", hex(0xd8b860), DRILLS, TEARY, WAVY, DRESS, hex(0xd2b8f0), hex(0xd8d0c8), MUD,
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
    P("yukari.bmp", hex(0x9a70c8), LONG, ROUND, SMILE, KIMONO, pal::mint, pal::white, FLOWER,
      pal::pink, hex(0x6a4a9a));
    P("yukari2.bmp", hex(0x9a70c8), LONG, HAPPY, OPEN, KIMONO, pal::mint, pal::white, FLOWER,
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
    P("bione.bmp", hex(0xc89a30), SHORT, ROUND, FLAT, ARMOUR, hex(0x5a6aa0), hex(0xd6dce8), NONE,
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
    P("sanae2.bmp", hex(0xa86848), BRAID, GLASSES, SMILE, JACKET, hex(0x5a6aa0), pal::white, NONE,
      hex(0xffd34d));
    P("sanae3.bmp", hex(0xa86848), PONY, SPARKLE, OPEN, HOODIE, hex(0xfff080), hex(0xffa040), HOOD,
      hex(0xfff080));
    P("bubuko.bmp", hex(0xd05a3a), CURLY, SLEEPY, SMIRK, DRESS, hex(0xf0a0d0), hex(0xffe0f0),
      PEARLS, pal::gold, hex(0x804040), hex(0xffd8c0));
    P("bubuko2.bmp", hex(0xd05a3a), CURLY, ANGRY, FROWN, DRESS, hex(0xf0a0d0), hex(0xffe0f0),
      PEARLS | BLUSH, pal::gold, hex(0x804040), hex(0xffd8c0));
    P("prince.bmp", hex(0xffe080), SHORT, SPARKLE, SMILE, UNIFORM, pal::white, hex(0x3a5cc0), CROWN,
      pal::gold, hex(0x3a70d0));
    P("sachi.bmp", hex(0x2e2a3a), BOB, ROUND, FLAT, SAILOR, hex(0x506890), pal::white, FLOWER,
      pal::lemon, hex(0x504060));
    P("rap.bmp", hex(0x5a90e0), LONG, SPARKLE, OPEN, GOTHIC, hex(0x3a5cc0), pal::white, STAR,
      pal::gold, hex(0x3060b0));
    P("kabe.bmp", hex(0x4a3a6a), LONG, COLD, SMIRK, GOTHIC, hex(0x503a70), pal::white, WITCH,
      hex(0x503a70), hex(0xa040a0));
    P("kimi.bmp", hex(0xf04c98), SIDE, HAPPY, OPEN, JACKET, hex(0xfff0a0), hex(0xff80b0), STAR,
      pal::lemon, hex(0x3a5cc0));
    P("retisia.bmp", hex(0xd84040), LONG, ROUND, SMILE, APRON, hex(0x3e3448), pal::white, RIBBON,
      pal::white, hex(0x6a3a2a));
    P("goat.bmp", pal::white, SHORT, ROUND, FLAT, ROBE, hex(0x7040a0), pal::white, CROWN,
      pal::gold);
    P("fukura.bmp", hex(0x40a0a0), SHORT, GLASSES, GRIN, TEE, hex(0x3a5cc0), hex(0xfff0a0), SCREW,
      pal::sky);
    P("kouka.bmp", hex(0x2e2a3a), BUNS, ROUND, SMILE, QIPAO, hex(0xe04858), pal::gold, NONE,
      pal::red, hex(0x803030));
    P("jonny.bmp", hex(0x2a2430), POMPADOUR, SHADES, SMIRK, JACKET, hex(0x303040), hex(0xf0f0f0),
      NONE, pal::red);
    P("siki.bmp", hex(0xf4f4ff), LONG, SLEEPY, FLAT, KIMONO, hex(0x40367a), hex(0xe8f0ff), NONE,
      pal::sky, hex(0x6080b0), hex(0xfaf0ec));
    P("boy_sumire.bmp", hex(0x40367a), SHORT, COLD, SMILE, JACKET, hex(0x7040a0), hex(0xd2b8f0),
      FLOWER, hex(0xb090e0), hex(0x7058a0));
    P("luko.bmp", hex(0xd2b8f0), SIDE, SPARKLE, CAT, HOODIE, hex(0xf04c98), pal::white,
      ANTENNA | VISOR, pal::rose);
    P("cstef.bmp", hex(0x40c0c0), BOB, COLD, FLAT, ARMOUR, hex(0x707888), hex(0x40c0c0),
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
    give("tam.bmp", 0.9f, P_NONE);
    give("sachi.bmp", 0.95f, P_BOOK);
    // Each one's face and build: head radius and height, jaw, half the eyes' spacing, brows,
    // how far the shoulders fall, the arms' pose and the head's lean.
    auto form = [&](const char* n, float hr, float hy, Jaw jaw, float eye_dx, Brow b, float slope,
                    Arms a, float lean = 0) {
      Look& l = m[n];
      l.hr = hr, l.hy = hy, l.jaw = jaw, l.eye_dx = eye_dx, l.brow = b, l.slope = slope, l.arms = a;
      l.lean = lean;
    };
    form("girl00.bmp", 16, 32, J_ROUND, 6.5f, B_SOFT, 3, A_NONE, 1);
    form("girl01.bmp", 15, 33, J_POINTED, 6, B_WORRIED, 5, A_NONE, -1);
    form("girl02.bmp", 15, 31, J_POINTED, 6, B_RAISED, 1, A_HIPS);
    form("dobu.bmp", 15, 31, J_POINTED, 6, B_WORRIED, 4, A_NONE);
    form("boy00.bmp", 17, 33, J_ROUND, 7, B_RAISED, 2, A_PEACE);
    form("girl03.bmp", 16, 33, J_POINTED, 6.5f, B_SOFT, 3, A_NONE, -1.5f);
    form("boy01.bmp", 17.5f, 31, J_SQUARE, 7, B_RAISED, 4, A_NONE);
    form("girl04.bmp", 15, 33, J_ROUND, 6, B_ANGRY, 2, A_CROSSED, 1.5f);
    form("boy02.bmp", 15, 32, J_POINTED, 6, B_FLAT, 3, A_NONE, -2);
    form("seven.bmp", 14.5f, 30, J_POINTED, 5.5f, B_RAISED, 1, A_CHIN);
    form("seven2.bmp", 14.5f, 30, J_POINTED, 5.5f, B_SOFT, 1, A_NONE);
    form("tun.bmp", 15, 34, J_ROUND, 6, B_WORRIED, 4, A_NONE);
    form("tun2.bmp", 15, 34, J_ROUND, 6, B_WORRIED, 4, A_NONE);
    form("mun.bmp", 15, 31, J_SQUARE, 6, B_ANGRY, 0, A_CROSSED);
    form("wata2.bmp", 16, 32, J_ROUND, 6.5f, B_FLAT, 2, A_CHIN, 2);
    form("wata.bmp", 16, 32, J_ROUND, 6.5f, B_RAISED, 3, A_NONE, 1);
    form("yukari.bmp", 15.5f, 33, J_POINTED, 6, B_SOFT, 4, A_NONE);
    form("yukari2.bmp", 15.5f, 33, J_POINTED, 6, B_SOFT, 4, A_HEART);
    form("monato.bmp", 17, 32, J_ROUND, 7, B_RAISED, 2, A_NONE);
    form("monato2.bmp", 17, 32, J_ROUND, 7, B_RAISED, 2, A_NONE);
    form("yuuka.bmp", 15, 32, J_POINTED, 6, B_SOFT, 3, A_WAVE, -1);
    form("jisrof.bmp", 17, 31, J_SQUARE, 7, B_THICK, 1, A_NONE);
    form("nobuhi.bmp", 15.5f, 32, J_POINTED, 6.5f, B_RAISED, 2, A_NONE, -1.5f);
    form("bione.bmp", 15, 31, J_SQUARE, 6, B_FLAT, 0, A_NONE);
    form("unbou2.bmp", 17, 33, J_CHUBBY, 7, B_RAISED, 2, A_PEACE);
    form("toku.bmp", 16, 34, J_CHUBBY, 6.5f, B_THICK, 5, A_NONE);
    form("maichel.bmp", 15, 32, J_SQUARE, 6, B_RAISED, 1, A_WAVE);
    form("tam.bmp", 16.5f, 34, J_CHUBBY, 6.5f, B_SOFT, 3, A_PEACE);
    form("unporo2.bmp", 15, 31, J_POINTED, 6, B_ANGRY, 2, A_NONE, 2);
    form("sanae2.bmp", 15.5f, 33, J_ROUND, 6, B_WORRIED, 3, A_HEART);
    form("sanae3.bmp", 15.5f, 33, J_ROUND, 6, B_RAISED, 3, A_WAVE);
    form("bubuko.bmp", 16, 31, J_CHUBBY, 6.5f, B_RAISED, 2, A_NONE);
    form("bubuko2.bmp", 16, 31, J_CHUBBY, 6.5f, B_ANGRY, 2, A_NONE);
    form("prince.bmp", 15, 31, J_POINTED, 6, B_SOFT, 0, A_NONE);
    form("sachi.bmp", 15, 33, J_POINTED, 6, B_WORRIED, 3, A_NONE);
    form("rap.bmp", 15.5f, 32, J_POINTED, 6.5f, B_SOFT, 3, A_WAVE, -1);
    form("kabe.bmp", 15, 33, J_POINTED, 6, B_RAISED, 3, A_CHIN);
    form("kimi.bmp", 16, 32, J_ROUND, 6.5f, B_RAISED, 2, A_NONE, 1.5f);
    form("retisia.bmp", 15.5f, 33, J_ROUND, 6.5f, B_SOFT, 3, A_NONE);
    form("goat.bmp", 16, 32, J_ROUND, 6, B_NONE, 1, A_NONE);
    form("fukura.bmp", 16.5f, 32, J_SQUARE, 7, B_RAISED, 2, A_PEACE);
    form("kouka.bmp", 15, 32, J_POINTED, 6, B_SOFT, 2, A_HIPS, -1.5f);
    form("jonny.bmp", 15.5f, 33, J_SQUARE, 6.5f, B_FLAT, 0, A_CROSSED);
    form("siki.bmp", 15, 33, J_POINTED, 5.5f, B_FLAT, 5, A_NONE);
    form("boy_sumire.bmp", 14.5f, 31, J_POINTED, 5.5f, B_FLAT, 2, A_CHIN);
    form("luko.bmp", 16, 32, J_ROUND, 6.5f, B_SOFT, 2, A_WAVE);
    form("cstef.bmp", 15, 32, J_SQUARE, 6, B_NONE, 0, A_NONE);
    form("sumiko.bmp", 16, 33, J_ROUND, 6.5f, B_SOFT, 3, A_NONE);
    form("owner", 16, 32, J_SQUARE, 6.5f, B_THICK, 1, A_NONE);
    form("landlord", 16, 33, J_CHUBBY, 6.5f, B_THICK, 4, A_NONE);
    give("girl02.bmp", 0.9f, P_NONE);
    give("mun.bmp", 1.2f, P_NONE);
    give("jonny.bmp", 1.15f, P_NONE);
    give("maichel.bmp", 1.1f, P_NONE);
    give("prince.bmp", 1.1f, P_BOUQUET);
    give("boy01.bmp", 0.9f, P_NONE);
    give("boy_sumire.bmp", 0.95f, P_NONE);
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
  CX = BX + L.lean, HY = L.hy, HR = L.hr;
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
