// The generator's painter and encoders: shape signs, pixel-art coverage and outlines, the
// palette and see-through finishing rules, and the WAV, data and MIDI writers read back
// independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "assets.h"
#include "checkers.h"
#include "paint.h"
#include "palette.h"
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

TEST(Painter, EdgesAreHardAndNoShapeIsLostOrBroken) {
  Img im(20, 20);
  im.fill(box(0, 0, 10.4f, 20), hex(0xff0000));
  // a pixel is the shape's when its centre is inside: no half-covered edge pixels
  EXPECT_EQ(im.a[std::size_t(5 * 20 + 9)], 1);
  EXPECT_EQ(im.a[std::size_t(5 * 20 + 10)], 0);
  im.fill(box(0, 0, 20, 20), hex(0x0000ff), 0.5f);  // a see-through fill still composites
  Col m = im.at(5, 5);
  EXPECT_NEAR(m.r, 127.5f, 0.6f);
  EXPECT_NEAR(m.b, 127.5f, 0.6f);
  // a dot smaller than a pixel, between pixel centres, still shows as one pixel
  Img dot(8, 8);
  dot.fill(circle(4, 4, 0.3f), hex(0xffffff));
  int lit = 0;
  for (float a : dot.a) lit += a > 0;
  EXPECT_EQ(lit, 1);
  // a thin slanted line is unbroken: every column from end to end has its pixel, and each
  // touches the one before
  Img ln(30, 20);
  ln.line(2, 3, 27, 15, 0.6f, hex(0x000000));
  int prev = -10;
  for (int x = 2; x <= 27; x++) {
    int at = -1, count = 0;
    for (int y = 0; y < 20; y++)
      if (ln.a[std::size_t(y * 30 + x)] > 0) at = y, count++;
    ASSERT_EQ(count, 1) << "column " << x;
    if (prev >= 0) {
      EXPECT_LE(std::abs(at - prev), 1) << "column " << x;
    }
    prev = at;
  }
}

TEST(Painter, ToonShapesGetAOnePixelOutlineAndALitSide) {
  Img im(40, 40);
  im.toon(circle(20, 20, 12), hex(0xa0c0ff), 1.5f);
  auto sum = [](Col c) { return c.r + c.g + c.b; };
  // across the middle row: shape, one outline pixel, then nothing, on both sides
  int first = -1, last = -1;
  for (int x = 0; x < 40; x++)
    if (im.a[std::size_t(20 * 40 + x)] > 0) (first < 0 ? first : last) = x, last = x;
  ASSERT_GE(first, 0);
  EXPECT_LT(sum(im.at(first, 20)), sum(im.at(first + 1, 20)));  // the outline is darker
  EXPECT_LT(sum(im.at(last, 20)), sum(im.at(last - 1, 20)));
  EXPECT_GT(sum(im.at(first + 1, 20)), 300);  // and only one pixel of it
  EXPECT_GT(sum(im.at(last - 1, 20)), 300);
  // lit from the top left: its rim lighter than the bottom right's, and so is its outline
  Col top = im.at(13, 13), bottom = im.at(27, 27);
  EXPECT_GT(sum(top), sum(bottom));
  int lt = 0, rb = 39;
  while (im.a[std::size_t(20 * 40 + lt)] == 0) lt++;
  while (im.a[std::size_t(20 * 40 + rb)] == 0) rb--;
  EXPECT_GT(sum(im.at(lt, 20)), sum(im.at(rb, 20)));
  EXPECT_EQ(im.a[0], 0);
  // every colour it used is a step of one ramp, or the ink
  std::set<std::uint32_t> used;
  for (int y = 0; y < 40; y++)
    for (int x = 0; x < 40; x++)
      if (im.a[std::size_t(y * 40 + x)] > 0)
        used.insert(plat::RGB(int(std::lround(im.at(x, y).r)), int(std::lround(im.at(x, y).g)),
                              int(std::lround(im.at(x, y).b))));
  EXPECT_LE(used.size(), 6u);
}

TEST(Finishing, LayerPicturesKeepTheKeyForSeeThroughOnly) {
  Img im(8, 8);
  im.fill(box(2, 2, 6, 6), hex(0x00ff00));  // a drawing that happens to use the key colour
  im.fill(box(6, 0, 8, 2), hex(0x123456));
  plat::Bitmap b = to_bitmap_keyed(im, plat::RGB(0, 255, 0));
  EXPECT_EQ(b.transparent_colour(), plat::RGB(0, 255, 0));
  EXPECT_EQ(b.pixel(0, 0), plat::RGB(0, 255, 0));
  EXPECT_NE(b.pixel(3, 3), plat::RGB(0, 255, 0));  // moved off the key, so it stays visible
  EXPECT_NE(b.pixel(7, 0), plat::RGB(0, 255, 0));
  // even a picture drawn to its very corner keeps the bottom-left pixel see-through
  Img full(4, 4);
  full.clear(hex(0xffffff));
  EXPECT_EQ(to_bitmap_keyed(full, plat::RGB(0, 255, 0)).pixel(0, 3), plat::RGB(0, 255, 0));
}

TEST(Finishing, EveryColourIsAHouseColourAndOnlyMeantGradientsAreDithered) {
  std::set<plat::rgb> house;
  for (const Col& c : house_colours()) house.insert(plat::RGB(int(c.r), int(c.g), int(c.b)));
  Img im(32, 32);
  im.fill(box(0, 0, 32, 16), hex(0x8a7f3c));  // a flat colour the palette does not have
  im.gradient(box(0, 16, 32, 32), vgrad(16, hex(0x2c2860), 32, hex(0xaed8f5)));
  const plat::Bitmap flat = to_bitmap_opaque(im);
  const plat::Bitmap dithered = to_bitmap_opaque(im, hex(0), Finish{true, 1});
  for (int y = 0; y < 32; y++)
    for (int x = 0; x < 32; x++) {
      ASSERT_TRUE(house.count(flat.pixel(x, y))) << x << "," << y;
      ASSERT_TRUE(house.count(dithered.pixel(x, y))) << x << "," << y;
    }
  // the flat area stays one colour even when the picture is dithered
  std::set<plat::rgb> top, row;
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 32; x++) top.insert(dithered.pixel(x, y));
  EXPECT_EQ(top.size(), 1u);
  // the gradient: a row in its middle mixes two colours; undithered it is banded, one colour
  int mixed_rows = 0, banded_rows = 0;
  for (int y = 17; y < 31; y++) {
    std::set<plat::rgb> d, f;
    for (int x = 0; x < 32; x++) d.insert(dithered.pixel(x, y)), f.insert(flat.pixel(x, y));
    mixed_rows += d.size() == 2;
    banded_rows += f.size() == 1;
  }
  EXPECT_GE(mixed_rows, 7);
  EXPECT_EQ(banded_rows, 14);
}

TEST(Finishing, HalfSizePicturesAreDoubledPixelForPixel) {
  Img half(5, 3);
  half.unit = 0.5f;  // laid out at 10 x 6
  half.toon(box(1, 1, 9, 5), hex(0xffb7cf), 1);
  Img full = doubled(half, 9, 6);
  for (int y = 0; y < 6; y++)
    for (int x = 0; x < 9; x++) {
      const std::size_t i = std::size_t(y * 9 + x), j = std::size_t((y / 2) * 5 + x / 2);
      EXPECT_EQ(full.a[i], half.a[j]);
      EXPECT_EQ(full.r[i], half.r[j]);
    }
}

TEST(Palette, RampsRunFromLightToDarkAndEveryHouseColourIsItsOwnNearest) {
  auto luminance = [](Col c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; };
  const auto& ramps = house_ramps();
  ASSERT_GE(ramps.size(), 30u);
  for (std::size_t r = 0; r < ramps.size(); r++)
    for (int k = 1; k < 4; k++)
      EXPECT_LT(luminance(ramps[r].step[k]), luminance(ramps[r].step[k - 1]))
          << "ramp " << r << " step " << k << " is not darker than the one before";
  // a house colour snaps to itself, and toon shading finds it in its own ramp
  const auto& colours = house_colours();
  for (std::size_t i = 0; i + 1 < colours.size(); i++) {
    const Col c = colours[i];
    const Col s = snap(c);
    EXPECT_TRUE(s.r == c.r && s.g == c.g && s.b == c.b) << "colour " << i;
    const RampStep rs = nearest_step(c);
    const Col back = ramp_colour(rs);
    EXPECT_TRUE(back.r == c.r && back.g == c.g && back.b == c.b) << "colour " << i;
  }
  // a colour between two house colours is dithered between those two, in proportion
  const Col a = colours[4], b = colours[5];
  const Between near_a = between(mix(a, b, 0.2f)), near_b = between(mix(a, b, 0.8f));
  EXPECT_LT(near_a.t, 0.5f);
  EXPECT_LT(near_b.t, 0.5f);  // measured from the nearer of the two
  EXPECT_TRUE(near_a.a.r == a.r && near_a.a.g == a.g && near_a.a.b == a.b);
  EXPECT_TRUE(near_b.a.r == b.r && near_b.a.g == b.g && near_b.a.b == b.b);
}

TEST(Painter, LonePixelsAreTakenAwayButSmallDetailsStay) {
  Img im(10, 10);
  im.blend(2, 2, hex(0xffffff), 1);  // alone
  im.blend(6, 6, hex(0xffffff), 1);  // a pair, touching at a corner
  im.blend(7, 7, hex(0xffffff), 1);
  remove_strays(im);
  EXPECT_EQ(im.a[std::size_t(2 * 10 + 2)], 0);
  EXPECT_EQ(im.a[std::size_t(6 * 10 + 6)], 1);
  EXPECT_EQ(im.a[std::size_t(7 * 10 + 7)], 1);
}

TEST(Painter, ThePixelFontSetsEveryLetterApartAndCentresItsText) {
  // every glyph is its own shape (a digit never reads as a letter it copies)
  const std::string letters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.!?:/'+";
  std::set<std::vector<float>> shapes;
  for (char ch : letters) {
    Img im(5, 7);
    EXPECT_EQ(pixel_text(im, std::string(1, ch), 2.5f, 3.5f, hex(0xffffff)), 3);
    EXPECT_TRUE(shapes.insert(im.a).second) << ch << " looks like another glyph";
  }
  // a word is its letters three pixels wide with a pixel between, centred where it is asked
  EXPECT_EQ(pixel_text_width("STOP"), 15);
  EXPECT_EQ(pixel_text_width("STOP", 2), 30);
  Img word(31, 9);
  pixel_text(word, "STOP", 15.5f, 4.5f, hex(0xffffff));
  int left = 31, right = -1;
  for (int y = 0; y < 9; y++)
    for (int x = 0; x < 31; x++)
      if (word.a[std::size_t(y * 31 + x)] > 0) left = std::min(left, x), right = std::max(right, x);
  EXPECT_EQ(left, 8);
  EXPECT_EQ(right, 22);
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
