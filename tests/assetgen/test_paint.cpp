// The generator's painter and encoders: shape signs, anti-aliased coverage, the see-through
// finishing rules, and the WAV, data and MIDI writers read back independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assets.h"
#include "checkers.h"
#include "paint.h"
#include "platform/sjis.h"

using namespace ag;

TEST(Shapes, DistancesAreNegativeInsideAndGrowOutward) {
  Sdf c = circle(10, 10, 5);
  EXPECT_NEAR(c(10, 10), -5, 1e-4);
  EXPECT_NEAR(c(18, 10), 3, 1e-4);
  Sdf e = ellipse(20, 10, 10, 4);
  EXPECT_LT(e(20, 10), 0);
  EXPECT_LT(e(29, 10), 0);
  EXPECT_GT(e(31, 10), 0);
  EXPECT_GT(e(20, 15), 0);
  Sdf b = box(0, 0, 10, 6, 2);
  EXPECT_LT(b(5, 3), 0);
  EXPECT_GT(b(0.2f, 0.2f), 0);  // the rounded corner is cut away
  EXPECT_NEAR(b(5, -1), 1, 1e-4);
  // a concave polygon (an L): the notch is outside
  Sdf l = polygon({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
  EXPECT_LT(l(2, 8), 0);
  EXPECT_LT(l(8, 2), 0);
  EXPECT_GT(l(8, 8), 0);
  Sdf s = star(0, 0, 10, 4, 5);
  EXPECT_LT(s(0, 0), 0);
  EXPECT_LT(s(0, -9), 0);    // the top point
  EXPECT_GT(s(0, 9.5f), 0);  // between the two bottom points
  Sdf h = heart(0, 0, 10);
  EXPECT_LT(h(0, 5), 0);
  EXPECT_GT(h(0, -8), 0);  // the dip between the lobes
  EXPECT_LT(h(-4, -3), 0);
  EXPECT_GT(minus(c, circle(10, 10, 2))(10, 10), 0);
  EXPECT_LT(unite(c, circle(30, 10, 1))(30, 10), 0);
  EXPECT_GT(inter(c, circle(30, 10, 1))(30, 10), 0);
  EXPECT_NEAR(rotated(box(-1, -5, 1, 5), 0, 0, 90)(4, 0), -1, 1e-3);
}

TEST(Painter, EdgesAreAntiAliasedAndFillsComposite) {
  Img im(20, 20);
  im.fill(box(0, 0, 10.5f, 20), hex(0xff0000));
  // fully inside, half covered, outside
  EXPECT_NEAR(im.a[std::size_t(5 * 20 + 5)], 1, 1e-4);
  EXPECT_NEAR(im.a[std::size_t(5 * 20 + 10)], 0.5f, 1e-3);
  EXPECT_EQ(im.a[std::size_t(5 * 20 + 12)], 0);
  Col c = im.at(10, 5);
  EXPECT_NEAR(c.r, 255, 0.5f);  // a half-covered pixel keeps its colour, not a darkened one
  im.fill(box(0, 0, 20, 20), hex(0x0000ff), 0.5f);
  Col m = im.at(5, 5);
  EXPECT_NEAR(m.r, 127.5f, 0.6f);
  EXPECT_NEAR(m.b, 127.5f, 0.6f);
}

TEST(Painter, ToonShapesGetADarkOutlineAndALitSide) {
  Img im(40, 40);
  im.toon(circle(20, 20, 12), hex(0xa0c0ff), 1.5f);
  Col rim = im.at(20, 20 - 13);  // on the outline
  Col top = im.at(14, 14), bottom = im.at(26, 26);
  EXPECT_LT(rim.r + rim.g + rim.b, 300);
  EXPECT_GT(top.r + top.g + top.b, bottom.r + bottom.g + bottom.b);  // lit from the top left
  EXPECT_EQ(im.a[0], 0);
}

TEST(Finishing, LayerPicturesKeepTheKeyForSeeThroughOnly) {
  Img im(8, 8);
  im.fill(box(2, 2, 6, 6), hex(0x00ff00));  // a drawing that happens to use the key colour
  im.fill(box(6, 0, 8, 2), hex(0x123456));
  plat::Bitmap b = to_bitmap_keyed(im, plat::RGB(0, 255, 0));
  EXPECT_EQ(b.transparent_colour(), plat::RGB(0, 255, 0));
  EXPECT_EQ(b.pixel(0, 0), plat::RGB(0, 255, 0));
  EXPECT_NE(b.pixel(3, 3), plat::RGB(0, 255, 0));  // moved off the key, so it stays visible
  EXPECT_EQ(b.pixel(7, 0), plat::RGB(0x12, 0x34, 0x56));
  // even a picture drawn to its very corner keeps the bottom-left pixel see-through
  Img full(4, 4);
  full.clear(hex(0xffffff));
  EXPECT_EQ(to_bitmap_keyed(full, plat::RGB(0, 255, 0)).pixel(0, 3), plat::RGB(0, 255, 0));
}

TEST(Finishing, MaskedPicturesNeverUsePureBlackInside) {
  Img im(6, 6);
  im.fill(box(1, 1, 5, 5), hex(0x000000));
  plat::Bitmap b = to_bitmap_masked(im);
  EXPECT_EQ(b.pixel(0, 0), 0u);
  EXPECT_NE(b.pixel(3, 3), 0u);
  plat::Bitmap mask = plat::make_mask(b, 0);
  EXPECT_EQ(mask.pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(mask.pixel(3, 3), 0u);
}

TEST(Finishing, TextIsDrawnWithTheGamesFont) {
  Img im(60, 20);
  draw_text(im, "フロリ", 30, 10, 10, hex(0xff0000));
  int inked = 0;
  for (float a : im.a) inked += a > 0.5f;
  EXPECT_GT(inked, 20);
}

TEST(Rng, IsTheSameForTheSameSeedAndSpreads) {
  Rng a(7), b(7), c(8);
  int same = 0, differ = 0;
  for (int i = 0; i < 100; i++) {
    auto x = a.next();
    same += x == b.next();
    differ += x != c.next();
  }
  EXPECT_EQ(same, 100);
  EXPECT_GT(differ, 95);
  Rng r(1);
  for (int i = 0; i < 1000; i++) {
    int v = r.below(6);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 6);
  }
}

TEST(Encoders, WavHeaderAndSamplesReadBackAndLoudSamplesAreClamped) {
  std::vector<float> s = {0, 0.5f, -0.5f, 2.0f, -2.0f};
  agtest::WavInfo w = agtest::read_wav(encode_wav_16(s, 22050));
  ASSERT_TRUE(w.ok) << w.why;
  EXPECT_EQ(w.format, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  EXPECT_EQ(w.rate, 22050);
  ASSERT_EQ(w.samples.size(), 5u);
  EXPECT_NEAR(w.samples[1], 0.5f, 1e-3);
  EXPECT_NEAR(w.samples[3], 1.0f, 1e-3);
  EXPECT_NEAR(w.samples[4], -1.0f, 1e-3);
}

TEST(Encoders, UnknownNamesMakeNothing) {
  EXPECT_TRUE(make_wave("nosuch.wav").empty());
  EXPECT_TRUE(make_music("nosuch.mid").empty());
  EXPECT_TRUE(make_picture("nosuch.bmp").bmp.empty());
}

TEST(DataFiles, MyDatLinesFollowTheProgressFileOrder) {
  Bytes b = make_my_dat();
  std::string t(b.begin(), b.end());
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < t.size()) {
    std::size_t e = t.find("\r\n", at);
    ASSERT_NE(e, std::string::npos) << "every line ends in CR LF";
    lines.push_back(t.substr(at, e - at));
    at = e + 2;
  }
  ASSERT_EQ(lines.size(), 2259u);
  for (std::size_t i = 0; i < lines.size(); i++) {
    std::string want = (i + 1 == 1207)   ? "1"
                       : (i + 1 == 2252) ? "-1"
                                         : "0";  // save marker, no flyer batch
    EXPECT_EQ(lines[i], want) << "line " << i + 1;
  }
}

TEST(DataFiles, NameDatIsShiftJisText) {
  Bytes b = make_name_dat();
  std::string t(b.begin(), b.end());
  EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 226);
  std::string utf8 = plat::to_utf8(t);
  EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << "a broken double-byte character";
}

TEST(Music, EachTuneHasItsMoodsInstruments) {
  auto programs = [](const char* n) { return agtest::read_midi(make_music(n)).programs; };
  auto has = [](const std::vector<int>& v, int p) {
    return std::find(v.begin(), v.end(), p) != v.end();
  };
  EXPECT_TRUE(has(programs("col.mid"), 10));    // music box for the collection
  EXPECT_TRUE(has(programs("star.mid"), 4));    // the calm evening's electric piano
  EXPECT_TRUE(has(programs("star2.mid"), 46));  // a harp for the visitors' stories
  for (const char* n : {"shop.mid", "shop3.mid", "shop4.mid"}) {
    agtest::MidiInfo m = agtest::read_midi(make_music(n));
    EXPECT_GE(m.programs.size(), 3u) << n;
    EXPECT_GE(m.seconds, 120) << n;
  }
}
