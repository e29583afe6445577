// Text drawing and measuring with the game's faces: sizes at 96 dpi, widths, bold, the yen sign,
// the text cell, clipping, and the glyph cache (no glyph rendered twice, no allocation when
// cached).
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/sjis.h"
#include "support/alloc_count.h"

using namespace plat;

namespace {

TextStyle style(int point, bool bold = false, Face face = Face::pgothic) {
  TextStyle s;
  s.point = point;
  s.bold = bold;
  s.face = face;
  s.colour = 0xFFFFFF;
  return s;
}

struct Box {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;  // inclusive bounds of non-ground pixels
  int pixels = 0;
};
Box ink(const Bitmap& b, rgb ground) {
  Box r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != ground) {
        r.x0 = std::min(r.x0, x), r.y0 = std::min(r.y0, y);
        r.x1 = std::max(r.x1, x), r.y1 = std::max(r.y1, y);
        ++r.pixels;
      }
  return r;
}

class Text : public testing::Test {
 protected:
  void SetUp() override {
    if (!fonts_available()) GTEST_SKIP() << "no Japanese font installed (fonts-ipafont-gothic)";
  }
};

}  // namespace

TEST(TextSizes, PointsAtNinetySixDotsPerInch) {
  EXPECT_EQ(font_pixels(9), 12);
  EXPECT_EQ(font_pixels(8), 11);  // 10.67 rounds up
  EXPECT_EQ(font_pixels(7), 9);
  EXPECT_EQ(font_pixels(12), 16);
  EXPECT_EQ(font_pixels(15), 20);
  EXPECT_EQ(font_pixels(0), 0);
  EXPECT_EQ(font_pixels(-3), 0);
}

TEST_F(Text, FacesAreTheJapaneseGothics) {
  EXPECT_NE(font_family(Face::pgothic).find("Gothic"), std::string::npos)
      << font_family(Face::pgothic);
  EXPECT_FALSE(font_file(Face::gothic).empty());
  // The fixed face gives every half-width character the same advance, the proportional one not.
  TextStyle fixed = style(9, false, Face::gothic), prop = style(9);
  EXPECT_EQ(Canvas::text_width("i", fixed), Canvas::text_width("W", fixed));
  EXPECT_LT(Canvas::text_width("i", prop), Canvas::text_width("W", prop));
  // Full-width characters are twice a half-width one in the fixed face.
  EXPECT_EQ(Canvas::text_width(SJ("店"), fixed), 2 * Canvas::text_width("a", fixed));
}

TEST_F(Text, WidthsGrowWithTextAndSizeAndBoldIsNotNarrower) {
  for (int pt : {5, 7, 8, 9, 10, 11, 12, 15}) {
    TextStyle s = style(pt), b = style(pt, true);
    const sjis& t = SJ("売り上げノルマ ");
    int w = Canvas::text_width(t, s);
    EXPECT_GT(w, 0);
    EXPECT_LT(Canvas::text_width(t.substr(0, 4), s), w);
    EXPECT_GE(Canvas::text_width(t, b), w) << pt;
    EXPECT_EQ(Canvas::text_width(t + t, s), 2 * w);
    if (pt > 5) {
      EXPECT_GT(w, Canvas::text_width(t, style(pt - 2)));
    }
    // The cell height is the em height at 96 dpi.
    Size sz = Canvas::text_size(t, s);
    EXPECT_EQ(sz.h, font_pixels(pt)) << pt;
    EXPECT_EQ(Canvas::text_height("", s), sz.h);
    EXPECT_EQ(Canvas::text_width("", s), 0);
  }
  // Bold widens every character by one pixel, as the system's simulated bold does.
  EXPECT_EQ(Canvas::text_width("abc", style(9, true)), Canvas::text_width("abc", style(9)) + 3);
}

TEST_F(Text, DrawsInsideTheCellFromItsTopLeft) {
  Bitmap b(120, 40, 0);
  TextStyle s = style(9, true);
  const sjis& t = SJ("閉店まで");
  Canvas(b).text_out(10, 5, t, s);
  Box k = ink(b, 0);
  Size sz = Canvas::text_size(t, s);
  ASSERT_GT(k.pixels, 20);
  EXPECT_GE(k.x0, 10);
  EXPECT_GE(k.y0, 5);
  EXPECT_LT(k.x1, 10 + sz.w);
  EXPECT_LT(k.y1, 5 + sz.h);
  // Monochrome glyphs: every drawn pixel is exactly the text colour.
  for (rgb p : b.pixels()) EXPECT_TRUE(p == 0 || p == 0xFFFFFF);
}

TEST_F(Text, OpaqueBackgroundFillsExactlyTheCell) {
  Bitmap b(120, 40, 0x000001);
  TextStyle s = style(10, true);
  s.opaque = true;
  s.background = 0x0000FF;
  s.colour = 0xFFFF00;
  const sjis& t = SJ("【Ex】包装");
  Canvas(b).text_out(3, 4, t, s);
  Size sz = Canvas::text_size(t, s);
  Box k = ink(b, 0x000001);
  EXPECT_EQ(k.x0, 3);
  EXPECT_EQ(k.y0, 4);
  EXPECT_EQ(k.x1, 3 + sz.w - 1);
  EXPECT_EQ(k.y1, 4 + sz.h - 1);
  EXPECT_EQ(k.pixels, sz.w * sz.h);
  // Clear background: only glyph pixels change.
  Bitmap c(120, 40, 0x000001);
  s.opaque = false;
  Canvas(c).text_out(3, 4, t, s);
  EXPECT_LT(ink(c, 0x000001).pixels, sz.w * sz.h / 2);
}

TEST_F(Text, ByteFiveCShowsAsYen) {
  // The money lines: "売り上げ \ " shows a yen sign. It is the yen glyph, not a backslash.
  Bitmap yen(30, 20, 0), back(30, 20, 0);
  Canvas(yen).text_out(2, 2, "\\", style(12));
  const int ascent = font_metrics(Face::pgothic, font_pixels(12)).ascent;
  // Draw a true backslash glyph straight from the font to compare.
  const Glyph& g = font_glyph(Face::pgothic, font_pixels(12), false, U'\\');
  for (int r = 0; r < g.rows; ++r)
    for (int c = 0; c < g.width; ++c)
      if (g.coverage[r * g.width + c])
        back.set_pixel(2 + g.left + c, 2 + ascent - g.top + r, 0xFFFFFF);
  EXPECT_GT(ink(yen, 0).pixels, 5);
  EXPECT_NE(yen.pixels(), back.pixels());
  // A yen sign has a horizontal bar: some row has three or more lit pixels in a run.
  int best = 0;
  for (int y = 0; y < 20; ++y) {
    int run = 0;
    for (int x = 0; x < 30; ++x) {
      run = yen.pixel(x, y) ? run + 1 : 0;
      best = std::max(best, run);
    }
  }
  EXPECT_GE(best, 3);
}

TEST_F(Text, CutCharactersAndOddBytesDrawHarmlessly) {
  Bitmap b(60, 20, 0);
  Canvas c(b);
  sjis t = SJ("お店");
  c.text_out(0, 0, t.substr(0, 3), style(9));  // second character cut in half
  c.text_out(0, 0, t.substr(1), style(9));     // starts on a trail byte
  c.text_out(0, 0, std::string("\x80\xFF\x00\x82", 4), style(9));
  EXPECT_GT(Canvas::text_width(t.substr(0, 3), style(9)),
            Canvas::text_width(t.substr(0, 2), style(9)));
  // Half-width katakana are narrower than full-width ones.
  EXPECT_LT(Canvas::text_width(to_sjis("ｼｰﾙ"), style(9, false, Face::gothic)),
            Canvas::text_width(SJ("シール"), style(9, false, Face::gothic)));
}

TEST_F(Text, ClipsOnEveryEdge) {
  // Text drawn across each edge of a small target writes only inside it and matches the same
  // text drawn on a large picture.
  const sjis& t = SJ("ラブリー★");
  TextStyle s = style(15, true);
  s.opaque = true;
  s.background = 0x0000FF;
  for (int x : {INT_MIN, -200, -40, -7, 0, 5, 20, 31, 200, INT_MAX})
    for (int y : {INT_MIN, -30, -9, 0, 4, 11, 19, 200, INT_MAX}) {
      Bitmap small(32, 20, 0), big(32 + 400, 20 + 200, 0);
      Canvas(small).text_out(x, y, t, s);
      if (x < -300 || x > 300 || y < -300 || y > 300) continue;
      Canvas(big).text_out(x + 200, y + 100, t, s);
      for (int yy = 0; yy < 20; ++yy)
        for (int xx = 0; xx < 32; ++xx)
          ASSERT_EQ(small.pixel(xx, yy), big.pixel(xx + 200, yy + 100)) << x << "," << y;
    }
}

TEST_F(Text, CachedGlyphsAreNotRenderedAgainAndNeedNoMemory) {
  Bitmap b(390, 260, 0);
  Canvas c(b);
  auto frame = [&] {
    c.text_out(3, 2, SJ("オープンから 12日目"), style(8, true));
    c.text_out(3, 15, SJ("閉店まで "), style(8, true));
    c.text_out(300, 29, "1200", style(11, true));
    TextStyle m = style(9, true);
    m.opaque = true;
    c.text_out(2, 247, SJ("【ピンクのリボン】を貼った"), m);
    c.text_out(2, 100, SJ("ｼｰﾙ ①"), style(12, true, Face::gothic));
  };
  frame();
  const GlyphCacheStats before = glyph_cache_stats();
  alloc_count::start();
  for (int i = 0; i < 5; ++i) frame();
  EXPECT_EQ(glyph_cache_stats().renders, before.renders);
  EXPECT_EQ(alloc_count::stop(), 0);
  // A new size is a new glyph; the same one again is not.
  Canvas::text_width("A", style(23));
  const auto after_new = glyph_cache_stats().renders;
  EXPECT_EQ(after_new, before.renders + 1);
  Canvas::text_width("A", style(23));
  EXPECT_EQ(glyph_cache_stats().renders, after_new);
}

TEST_F(Text, AntialiasedModeBlendsAndStaysInTheCell) {
  set_glyph_mode(GlyphMode::antialiased);
  Bitmap b(100, 30, 0);
  Canvas(b).text_out(1, 1, SJ("包む"), style(15));
  set_glyph_mode(GlyphMode::monochrome);
  bool partial = false;
  for (rgb p : b.pixels()) partial |= p != 0 && p != 0xFFFFFF;
  EXPECT_TRUE(partial);
  EXPECT_LT(ink(b, 0).y1, 1 + font_pixels(15));
}

TEST(TextWithoutFonts, OneClearMessageAndNothingDrawn) {
  // In a fresh process whose fontconfig knows no fonts at all.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::string conf = testing::TempDir() + "florinet_no_fonts.conf";
        if (FILE* f = std::fopen(conf.c_str(), "w")) {
          std::fputs("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n", f);
          std::fclose(f);
        }
        setenv("FONTCONFIG_FILE", conf.c_str(), 1);
        setenv("FONTCONFIG_PATH", testing::TempDir().c_str(), 1);
        Bitmap b(60, 20, 0);
        TextStyle s = style(9, true);
        Canvas(b).text_out(0, 0, SJ("包む"), s);
        Canvas(b).text_out(0, 0, "abc", s);
        const bool drew = ink(b, 0).pixels > 0;
        // Widths stay sensible so layouts still work: wide characters wider than narrow ones.
        const bool sane = Canvas::text_width(SJ("包む"), s) > Canvas::text_width("ab", s) &&
                          Canvas::text_height("", s) == 12;
        std::exit(!fonts_available() && !drew && sane ? 0 : 1);
      },
      testing::ExitedWithCode(0), "fonts-ipafont-gothic");
}
