// Canvas operations: block transfers, stretches, transparent drawing and the shapes, each checked
// against a plain per-pixel definition at positions across every edge of the target.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

using namespace plat;

namespace {

constexpr rgb kGround = 0x102030;

Bitmap numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.set_pixel(x, y, rgb(0x400000 + y * 256 + x));
  return b;
}

Bitmap ground(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.set_pixel(x, y, kGround ^ rgb(x * 7 + y * 131));
  return b;
}

void expect_same(const Bitmap& got, const Bitmap& want, const char* what) {
  ASSERT_EQ(got.width(), want.width());
  for (int y = 0; y < got.height(); ++y)
    for (int x = 0; x < got.width(); ++x)
      ASSERT_EQ(got.pixel(x, y), want.pixel(x, y)) << what << " at " << x << "," << y;
}

int count(const Bitmap& b, rgb c) {
  int n = 0;
  for (rgb p : b.pixels()) n += p == c;
  return n;
}

// Offsets that put an 8×6 source across each edge of a 12×10 target, fully outside it, and far
// away; the transfer must match the per-pixel definition for every one of them.
const std::vector<int> kOffsets = {INT_MIN, -100000, -9, -8, -7, -3, -1,     0,          1,
                                   4,       5,       9,  11, 12, 13, 100000, INT_MAX - 3};

using Op = std::function<rgb(rgb, rgb)>;

void check_transfer(void (Canvas::*fn)(int, int, int, int, const Bitmap&, int, int), Op op,
                    const char* name) {
  const Bitmap src = numbered(8, 6);
  for (int dx : kOffsets)
    for (int dy : kOffsets)
      for (int sx : {-2, 0, 3})
        for (int sy : {-1, 0, 2}) {
          Bitmap got = ground(12, 10), want = ground(12, 10);
          Canvas c(got);
          (c.*fn)(dx, dy, 8, 6, src, sx, sy);
          for (long long y = 0; y < 6; ++y)
            for (long long x = 0; x < 8; ++x) {
              long long tx = (long long)dx + x, ty = (long long)dy + y;
              long long ux = sx + x, uy = sy + y;
              if (tx < 0 || ty < 0 || tx >= 12 || ty >= 10) continue;
              if (ux < 0 || uy < 0 || ux >= 8 || uy >= 6) continue;
              want.set_pixel(int(tx), int(ty),
                             op(want.pixel(int(tx), int(ty)), src.pixel(int(ux), int(uy))));
            }
          SCOPED_TRACE(testing::Message()
                       << name << " to " << dx << "," << dy << " from " << sx << "," << sy);
          expect_same(got, want, name);
        }
}

}  // namespace

TEST(CanvasTransfer, CopyAndOrClipOnEveryEdge) {
  check_transfer(
      &Canvas::copy, [](rgb, rgb s) { return s; }, "copy");
  check_transfer(
      &Canvas::blit_and, [](rgb d, rgb s) { return d & s; }, "and");
  check_transfer(
      &Canvas::blit_or, [](rgb d, rgb s) { return d | s; }, "or");
}

TEST(CanvasTransfer, MaskedDrawingWithAndThenOr) {
  // The picture store's masked draw: mask (white = see-through) with AND, then the picture with
  // OR, where the picture is black wherever the mask is white.
  Bitmap pic(3, 1);
  pic.set_pixel(0, 0, 0);
  pic.set_pixel(1, 0, RGB(200, 10, 10));
  pic.set_pixel(2, 0, 0);
  Bitmap mask = make_mask(pic, 0);
  Bitmap t(3, 1, RGB(5, 6, 7));
  Canvas c(t);
  c.blit_and(0, 0, 3, 1, mask);
  c.blit_or(0, 0, 3, 1, pic);
  EXPECT_EQ(t.pixel(0, 0), RGB(5, 6, 7));
  EXPECT_EQ(t.pixel(1, 0), RGB(200, 10, 10));
  EXPECT_EQ(t.pixel(2, 0), RGB(5, 6, 7));
}

TEST(CanvasTransfer, OverlappingCopyWithinOnePicture) {
  for (int d : {-1, 1, 2}) {
    Bitmap b = numbered(6, 6), before = b;
    Canvas c(b);
    c.copy(1 + d, 1 + d, 3, 3, b, 1, 1);  // scroll a block onto itself
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x)
        EXPECT_EQ(b.pixel(1 + d + x, 1 + d + y), before.pixel(1 + x, 1 + y)) << d;
  }
}

TEST(CanvasStretch, DoublingRepeatsEveryPixelTwice) {
  Bitmap src = numbered(3, 2);
  Bitmap t(6, 4, 0);
  Canvas(t).stretch(0, 0, 6, 4, src, 0, 0, 3, 2);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(t.pixel(x, y), src.pixel(x / 2, y / 2));
  // The backgrounds: a 195×130 quarter of a picture shown at 390×260.
  Bitmap bg = numbered(195, 130), screen(390, 260, 0);
  Canvas(screen).stretch(0, 0, 390, 260, bg, 0, 0, 195, 130);
  EXPECT_EQ(screen.pixel(389, 259), bg.pixel(194, 129));
  EXPECT_EQ(screen.pixel(200, 101), bg.pixel(100, 50));
}

TEST(CanvasStretch, ShrinkAndOddFactorsSampleCentres) {
  Bitmap src = numbered(9, 1);
  Bitmap t(3, 1, 0);
  Canvas(t).stretch(0, 0, 3, 1, src, 0, 0, 9, 1);
  EXPECT_EQ(t.pixel(0, 0), src.pixel(1, 0));
  EXPECT_EQ(t.pixel(1, 0), src.pixel(4, 0));
  EXPECT_EQ(t.pixel(2, 0), src.pixel(7, 0));
  // 3 -> 4: the middle source pixel is the one repeated.
  Bitmap s3 = numbered(3, 1), t4(4, 1, 0);
  Canvas(t4).stretch(0, 0, 4, 1, s3, 0, 0, 3, 1);
  EXPECT_EQ(t4.pixel(0, 0), s3.pixel(0, 0));
  EXPECT_EQ(t4.pixel(1, 0), s3.pixel(1, 0));
  EXPECT_EQ(t4.pixel(2, 0), s3.pixel(1, 0));
  EXPECT_EQ(t4.pixel(3, 0), s3.pixel(2, 0));
}

TEST(CanvasStretch, ClipsMirrorsAndIgnoresEmptySizes) {
  const Bitmap src = numbered(4, 4);
  // Partly off every edge: the visible part samples as if the whole were drawn.
  for (int dx : {-9, -5, -1, 0, 3, 7, 9})
    for (int dy : {-9, -5, -1, 0, 3, 7, 9}) {
      Bitmap full(30, 30, 0), t(10, 10, kGround);
      Canvas(full).stretch(10 + dx, 10 + dy, 8, 8, src, 0, 0, 4, 4);
      Canvas(t).stretch(dx, dy, 8, 8, src, 0, 0, 4, 4);
      for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
          bool inside = x >= dx && x < dx + 8 && y >= dy && y < dy + 8;
          ASSERT_EQ(t.pixel(x, y), inside ? full.pixel(10 + x, 10 + y) : kGround)
              << dx << "," << dy;
        }
    }
  // A source rectangle reaching outside the source draws only what exists.
  Bitmap t(8, 8, kGround);
  Canvas(t).stretch(0, 0, 8, 8, src, 2, 2, 4, 4);
  EXPECT_EQ(t.pixel(0, 0), src.pixel(2, 2));
  EXPECT_EQ(t.pixel(7, 7), kGround);
  // Negative widths mirror.
  Bitmap m(4, 1, 0);
  Canvas(m).stretch(4, 0, -4, 1, src, 0, 0, 4, 1);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(m.pixel(x, 0), src.pixel(3 - x, 0));
  // Zero sizes, empty pictures and absurd ones draw nothing and do not crash.
  Bitmap z(5, 5, kGround);
  Canvas cz(z);
  cz.stretch(0, 0, 0, 5, src, 0, 0, 4, 4);
  cz.stretch(0, 0, 5, 5, src, 0, 0, 0, 4);
  cz.stretch(0, 0, 5, 5, Bitmap(), 0, 0, 4, 4);
  cz.stretch_transparent(0, 0, 5, 5, Bitmap());
  cz.stretch(INT_MIN, INT_MIN, INT_MAX, INT_MAX, src, 0, 0, 4, 4);
  cz.stretch(INT_MAX, INT_MAX, INT_MIN, INT_MIN, src, INT_MIN, 0, INT_MAX, 4);
  EXPECT_EQ(count(z, kGround), 25);
  Bitmap z2(5, 5, kGround);
  Canvas(z2).stretch(0, 0, 0, 0, src, 0, 0, 4, 4);
  EXPECT_EQ(count(z2, kGround), 25);
}

TEST(CanvasTransparent, KeyIsTheBottomLeftPixel) {
  // Key colour white at the bottom-left; white elsewhere is see-through too, black is drawn.
  Bitmap pic(3, 2, 0xFFFFFF);
  pic.set_pixel(1, 0, 0);
  pic.set_pixel(2, 1, RGB(9, 9, 9));
  Bitmap t(5, 4, kGround);
  Canvas(t).draw_transparent(1, 1, pic);
  EXPECT_EQ(count(t, kGround), 20 - 2);
  EXPECT_EQ(t.pixel(2, 1), 0u);
  EXPECT_EQ(t.pixel(3, 2), RGB(9, 9, 9));
  // A different bottom-left pixel changes the key: now white is drawn.
  pic.set_pixel(0, 1, RGB(1, 2, 3));
  Bitmap t2(5, 4, kGround);
  Canvas(t2).draw_transparent(1, 1, pic);
  EXPECT_EQ(t2.pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(t2.pixel(1, 2), kGround);
}

TEST(CanvasTransparent, ClipsOnEveryEdge) {
  Bitmap pic = numbered(8, 6);
  pic.set_pixel(0, 5, 0xFFFFFF);
  pic.set_pixel(4, 2, 0xFFFFFF);  // a hole
  for (int dx : kOffsets)
    for (int dy : kOffsets) {
      Bitmap got = ground(12, 10), want = ground(12, 10);
      Canvas(got).draw_transparent(dx, dy, pic);
      for (long long y = 0; y < 6; ++y)
        for (long long x = 0; x < 8; ++x) {
          long long tx = (long long)dx + x, ty = (long long)dy + y;
          if (tx < 0 || ty < 0 || tx >= 12 || ty >= 10 || pic.pixel(int(x), int(y)) == 0xFFFFFF)
            continue;
          want.set_pixel(int(tx), int(ty), pic.pixel(int(x), int(y)));
        }
      SCOPED_TRACE(testing::Message() << dx << "," << dy);
      expect_same(got, want, "transparent");
    }
}

TEST(CanvasTransparent, StretchedKeepsTheKeyOut) {
  Bitmap pic(2, 2, RGB(0, 255, 0));
  pic.set_pixel(1, 0, RGB(255, 0, 0));  // only the top-right pixel is drawn
  Bitmap t(6, 6, kGround);
  Canvas(t).stretch_transparent(1, 1, 4, 4, pic);
  EXPECT_EQ(count(t, RGB(255, 0, 0)), 4);
  EXPECT_EQ(count(t, kGround), 32);
  for (int y = 1; y < 3; ++y)
    for (int x = 3; x < 5; ++x) EXPECT_EQ(t.pixel(x, y), RGB(255, 0, 0));
  // The seal held at double size, centred near the edge.
  Bitmap e(6, 6, kGround);
  Canvas(e).stretch_transparent(-3, 4, 8, 8, pic);
  EXPECT_EQ(count(e, RGB(0, 255, 0)), 0);
}

TEST(CanvasShapes, RectanglesFilledAndFramed) {
  Bitmap t(10, 8, 0);
  Canvas c(t);
  c.fill_rect(2, 1, 3, 2, 0xFF);
  EXPECT_EQ(count(t, 0xFF), 6);
  EXPECT_EQ(t.pixel(4, 2), 0xFFu);
  EXPECT_EQ(t.pixel(5, 2), 0u);
  c.fill_rect(-5, -5, 100, 100, 1);
  EXPECT_EQ(count(t, 1), 80);
  c.fill_rect(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX, 2);
  c.fill_rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 2);
  c.fill_rect(3, 3, -2, 4, 2);
  EXPECT_EQ(count(t, 2), 0);

  Bitmap f(10, 8, 0);
  Canvas(f).frame_rect(1, 1, 6, 5, 0xAA);
  EXPECT_EQ(count(f, 0xAA), 2 * 6 + 2 * 3);
  EXPECT_EQ(f.pixel(3, 3), 0u);
  Bitmap f2(10, 8, 0);
  Canvas(f2).frame_rect(0, 0, 10, 8, 0xAA, 2);
  EXPECT_EQ(count(f2, 0), 6 * 4);
  Bitmap f3(10, 8, 0);
  Canvas(f3).frame_rect(-3, -3, 6, 6, 0xAA, 1);  // only the right and bottom sides show
  EXPECT_EQ(count(f3, 0xAA), 3 + 2);
}

TEST(CanvasShapes, EllipseFillsInsideTheBoxAndOutlinesItsEdge) {
  Bitmap t(40, 30, 0);
  Canvas(t).ellipse(5, 5, 20, 12, 0xFF0000, 1, true, 0x0000FF);
  int inside = 0, outside_box = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      rgb p = t.pixel(x, y);
      bool in_box = x >= 5 && x < 25 && y >= 5 && y < 17;
      if (!in_box && p != 0) ++outside_box;
      inside += p != 0;
    }
  EXPECT_EQ(outside_box, 0);
  // Close to the area of the ellipse, pi/4 of the box.
  EXPECT_NEAR(inside, 3.14159 / 4 * 20 * 12, 20);
  EXPECT_EQ(t.pixel(15, 11), 0x0000FFu);  // centre filled
  EXPECT_EQ(t.pixel(5, 5), 0u);           // corners empty
  EXPECT_EQ(t.pixel(15, 5), 0xFF0000u);   // top edge is pen
  EXPECT_EQ(t.pixel(5, 10), 0xFF0000u);   // left edge is pen
  // Symmetric about the box's centre.
  for (int y = 5; y < 17; ++y)
    for (int x = 5; x < 25; ++x) EXPECT_EQ(t.pixel(x, y), t.pixel(29 - x, y)) << x << "," << y;

  // An outline alone: each row of the shape has pen at both ends and nothing inside.
  Bitmap o(20, 20, 0);
  Canvas(o).ellipse(2, 2, 15, 15, 0xFF, 1, false, 0);
  for (int y = 2; y < 17; ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < 20; ++x)
      if (o.pixel(x, y) == 0xFF) {
        if (first < 0) first = x;
        last = x;
      }
    ASSERT_GE(first, 0) << "row " << y << " has no outline";
    ASSERT_GT(last, first) << "row " << y;
  }
  EXPECT_EQ(o.pixel(9, 9), 0u);      // hollow
  EXPECT_EQ(o.pixel(9, 2), 0xFFu);   // top
  EXPECT_EQ(o.pixel(9, 16), 0xFFu);  // bottom
  // Small circles of the effects (radius 1 and 2) show something.
  Bitmap s(10, 10, 0);
  Canvas(s).ellipse(3, 3, 2, 2, 0xFF, 1, true, 0xFF);
  EXPECT_GT(count(s, 0xFF), 0);
  // Off every edge and with absurd boxes nothing is written outside and nothing crashes.
  for (int x : kOffsets)
    for (int y : kOffsets) {
      Bitmap e(12, 10, 0);
      Canvas(e).ellipse(x, y, 20, 14, 0xFF, 3, true, 0xFE);
      Canvas(e).ellipse(x, y, 2000, 7, 0xFF, 1, false, 0);
    }
  Bitmap e(12, 10, 0);
  Canvas(e).ellipse(5, 5, 0, 4, 0xFF, 1, true, 0xFF);
  EXPECT_EQ(count(e, 0), 120);
}

TEST(CanvasShapes, LinesLeaveOutTheLastPointAndWidePensAreRound) {
  Bitmap t(10, 10, 0);
  Canvas c(t);
  c.line(1, 1, 6, 1, 0xFF);
  EXPECT_EQ(count(t, 0xFF), 5);
  EXPECT_EQ(t.pixel(6, 1), 0u);
  c.line(0, 0, 9, 9, 0xAA);
  EXPECT_EQ(count(t, 0xAA), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(t.pixel(i, i), 0xAAu);
  Bitmap w(20, 20, 0);
  Canvas(w).line(5, 10, 15, 10, 0xFF, 3);
  EXPECT_EQ(w.pixel(10, 9), 0xFFu);
  EXPECT_EQ(w.pixel(10, 11), 0xFFu);
  EXPECT_EQ(w.pixel(10, 12), 0u);
  EXPECT_EQ(w.pixel(15, 10), 0xFFu);  // round end covers the last point
  EXPECT_EQ(w.pixel(3, 10), 0u);
  // Lines crossing and far outside the target.
  for (int a : kOffsets)
    for (int b : kOffsets) {
      Bitmap l(12, 10, 0);
      Canvas(l).line(a, b, 6, 5, 0xFF, 1);
      Canvas(l).line(a, 3, b, 7, 0xFF, 4);
      Canvas(l).line(a, b, b, a, 0xFF, 2);
      if (a == -7 && b == 5) {
        EXPECT_EQ(l.pixel(0, 5), 0xFFu);
      }
    }
}

TEST(CanvasShapes, PolygonFillsTheInsideAndOutlines) {
  Bitmap t(30, 30, 0);
  Point tri[3] = {{15, 20}, {5, 10}, {25, 10}};  // the effects' heart body
  Canvas(t).polygon(tri, 3, 0xFF0000, 1, true, 0x00FF00);
  EXPECT_EQ(t.pixel(15, 13), 0x00FF00u);
  EXPECT_EQ(t.pixel(15, 10), 0xFF0000u);
  EXPECT_EQ(t.pixel(15, 22), 0u);
  EXPECT_EQ(t.pixel(4, 10), 0u);
  Bitmap o(30, 30, 0);
  Canvas(o).polygon(tri, 3, 0xFF, 1, false, 0);
  EXPECT_EQ(o.pixel(15, 13), 0u);
  EXPECT_EQ(o.pixel(5, 10), 0xFFu);
  Canvas(o).polygon(nullptr, 3, 0xFF, 1, true, 0xFF);
  Point far[4] = {{INT_MIN / 2, -100}, {INT_MAX / 2, -50}, {100, INT_MAX / 2}, {-100, 40}};
  Canvas(o).polygon(far, 4, 0xFF, 2, true, 0xEE);
  EXPECT_GT(count(o, 0xEE), 0);
}

TEST(CanvasFlood, FillsUpToTheBorderColour) {
  Bitmap t(12, 12, 0);
  Canvas c(t);
  c.frame_rect(2, 2, 8, 8, 0xFF0000);
  t.set_pixel(5, 5, 0x00FF00);  // other colours inside are filled over
  c.flood_fill(4, 4, 0xFF0000, 0x0000FF);
  EXPECT_EQ(count(t, 0x0000FF), 36);
  EXPECT_EQ(t.pixel(1, 1), 0u);
  EXPECT_EQ(t.pixel(5, 5), 0x0000FFu);
  // Filling with a colour the area already partly has does not stop early or loop.
  Bitmap u(12, 12, 0);
  Canvas cu(u);
  cu.frame_rect(0, 0, 12, 12, 0xFF0000);
  u.set_pixel(6, 6, 0x0000FF);
  cu.flood_fill(3, 3, 0xFF0000, 0x0000FF);
  EXPECT_EQ(count(u, 0x0000FF), 100);
  // Starting on the border colour or off the target does nothing.
  Bitmap v = t;
  Canvas cv(v);
  cv.flood_fill(2, 2, 0xFF0000, 0xFFFFFF);
  cv.flood_fill(-1, 5, 0xFF0000, 0xFFFFFF);
  cv.flood_fill(12, 5, 0xFF0000, 0xFFFFFF);
  EXPECT_EQ(count(v, 0xFFFFFF), 0);
  // Filling the outside reaches round the box, through a one-pixel gap into it.
  t.set_pixel(2, 6, 0);
  c.flood_fill(0, 0, 0xFF0000, 0xEEEEEE);
  EXPECT_EQ(t.pixel(5, 5), 0xEEEEEEu);
}

TEST(CanvasFlood, LargeAndMazeLikeAreasNeedNoDeepRecursion) {
  // A serpentine corridor of 200×200: every pixel reached through a long winding path.
  Bitmap t(200, 200, 0);
  Canvas c(t);
  for (int y = 1; y < 200; y += 2) {
    c.fill_rect(0, y, 200, 1, 0xFF0000);
    t.set_pixel((y / 2) % 2 ? 0 : 199, y, 0);  // the gap alternates sides
  }
  c.flood_fill(100, 0, 0xFF0000, 0x00FF00);
  EXPECT_EQ(count(t, 0x00FF00), 200 * 100 + 100);
  Bitmap big(390, 260, 0);
  Canvas(big).flood_fill(0, 0, 0xFFFFFF, 0x123456);
  EXPECT_EQ(count(big, 0x123456), 390 * 260);
}
