// The BMP reader on files of every depth and compression built here by a small encoder, on
// corrupt and truncated files, and the writer and masks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bitmap.h"

using namespace plat;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, unsigned v) {
  b[at] = std::uint8_t(v);
  b[at + 1] = std::uint8_t(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  put16(b, at, v & 0xFFFF);
  put16(b, at + 2, v >> 16);
}

// A picture of palette indices, with the palette, used for the indexed depths.
struct Indexed {
  int w, h;
  std::vector<rgb> palette;
  std::vector<int> idx;  // top row first
  int at(int x, int y) const { return idx[std::size_t(y * w + x)]; }
  Bitmap expected() const {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.set_pixel(x, y, palette[std::size_t(at(x, y))]);
    return b;
  }
};

Indexed pattern(int w, int h, int colours) {
  Indexed p{w, h, {}, {}};
  for (int i = 0; i < colours; ++i) p.palette.push_back(RGB(i * 37 + 5, 255 - i * 11, i * 3));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // runs and single pixels mixed, so both RLE modes get used
      int v = (x < w / 2) ? (y % colours) : ((x * 7 + y * 3) % colours);
      p.idx.push_back(v);
    }
  return p;
}

struct Options {
  int header = 40;  // 12, 40, 108, 124
  bool top_down = false;
  std::uint32_t colours_used = 0;
};

// Builds a file around already-packed pixel data.
Bytes wrap(int w, int h, int bpp, std::uint32_t compression, const Bytes& pixels,
           const std::vector<rgb>& palette, const Options& o,
           const std::uint32_t* masks = nullptr) {
  const int hs = o.header;
  const bool masks_after = masks && hs == 40;
  const std::size_t entry = hs == 12 ? 3 : 4;
  const std::size_t head = 14 + std::size_t(hs) + (masks_after ? 12 : 0);
  const std::size_t off = head + palette.size() * entry;
  Bytes b(off + pixels.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, std::uint32_t(b.size()));
  put32(b, 10, std::uint32_t(off));
  put32(b, 14, std::uint32_t(hs));
  if (hs == 12) {
    put16(b, 18, unsigned(w));
    put16(b, 20, unsigned(h));
    put16(b, 22, 1);
    put16(b, 24, unsigned(bpp));
  } else {
    put32(b, 18, std::uint32_t(w));
    put32(b, 22, std::uint32_t(o.top_down ? -h : h));
    put16(b, 26, 1);
    put16(b, 28, unsigned(bpp));
    put32(b, 30, compression);
    put32(b, 34, std::uint32_t(pixels.size()));
    // a palette shorter than the depth allows says how long it is
    std::uint32_t used = o.colours_used;
    if (used == 0 && !palette.empty() && palette.size() < (std::size_t(1) << bpp))
      used = std::uint32_t(palette.size());
    put32(b, 46, used);
    if (masks)
      for (int i = 0; i < 3; ++i) put32(b, 54 + 4 * std::size_t(i), masks[i]);
  }
  for (std::size_t i = 0; i < palette.size(); ++i) {
    std::size_t at = head + i * entry;
    b[at] = std::uint8_t(blue_of(palette[i]));
    b[at + 1] = std::uint8_t(green_of(palette[i]));
    b[at + 2] = std::uint8_t(red_of(palette[i]));
  }
  std::memcpy(b.data() + off, pixels.data(), pixels.size());
  return b;
}

Bytes encode_indexed(const Indexed& p, int bpp, const Options& o = {}) {
  const std::size_t stride = ((std::size_t(p.w) * std::size_t(bpp) + 31) / 32) * 4;
  Bytes px(stride * std::size_t(p.h), 0);
  for (int row = 0; row < p.h; ++row) {
    int y = o.top_down ? row : p.h - 1 - row;
    std::uint8_t* r = px.data() + stride * std::size_t(row);
    for (int x = 0; x < p.w; ++x) {
      unsigned v = unsigned(p.at(x, y));
      if (bpp == 8) r[x] = std::uint8_t(v);
      if (bpp == 4) r[x / 2] |= std::uint8_t((x & 1) ? v : v << 4);
      if (bpp == 1) r[x / 8] |= std::uint8_t(v << (7 - (x & 7)));
    }
  }
  return wrap(p.w, p.h, bpp, 0, px, p.palette, o);
}

// RLE encoder: runs of equal pixels as encoded runs, everything else in absolute mode.
Bytes encode_rle(const Indexed& p, bool four) {
  Bytes d;
  for (int row = 0; row < p.h; ++row) {
    int y = p.h - 1 - row;
    int x = 0;
    while (x < p.w) {
      int run = 1;
      while (x + run < p.w && run < 255 && p.at(x + run, y) == p.at(x, y)) ++run;
      if (run >= 3 || p.w - x < 3) {
        d.push_back(std::uint8_t(run));
        unsigned v = unsigned(p.at(x, y));
        d.push_back(std::uint8_t(four ? (v << 4) | v : v));
        x += run;
        continue;
      }
      int n = 0;  // absolute run until the next repeat (at least 3 pixels)
      while (x + n < p.w && n < 255) {
        if (n >= 3 && x + n + 2 < p.w && p.at(x + n, y) == p.at(x + n + 1, y) &&
            p.at(x + n, y) == p.at(x + n + 2, y))
          break;
        ++n;
      }
      if (n < 3) n = std::min(3, p.w - x);
      d.push_back(0);
      d.push_back(std::uint8_t(n));
      std::size_t start = d.size();
      for (int k = 0; k < n; ++k) {
        unsigned v = unsigned(p.at(x + k, y));
        if (four) {
          if (k % 2 == 0)
            d.push_back(std::uint8_t(v << 4));
          else
            d.back() |= std::uint8_t(v);
        } else {
          d.push_back(std::uint8_t(v));
        }
      }
      if ((d.size() - start) % 2) d.push_back(0);
      x += n;
    }
    d.push_back(0);
    d.push_back(0);  // end of line
  }
  d.push_back(0);
  d.push_back(1);  // end of picture
  return wrap(p.w, p.h, four ? 4 : 8, four ? 2 : 1, d, p.palette, {});
}

Bitmap colour_pattern(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.set_pixel(x, y, RGB(x * 40 + y, y * 50 + 3, (x ^ y) * 17));
  return b;
}

Bytes encode_direct(const Bitmap& pic, int bpp, const Options& o = {},
                    const std::uint32_t* masks = nullptr) {
  const int w = pic.width(), h = pic.height();
  const std::size_t stride = ((std::size_t(w) * std::size_t(bpp) + 31) / 32) * 4;
  Bytes px(stride * std::size_t(h), 0);
  for (int row = 0; row < h; ++row) {
    int y = o.top_down ? row : h - 1 - row;
    for (int x = 0; x < w; ++x) {
      rgb c = pic.pixel(x, y);
      std::size_t at = stride * std::size_t(row) + std::size_t(x) * std::size_t(bpp / 8);
      if (bpp == 24) {
        px[at] = std::uint8_t(blue_of(c));
        px[at + 1] = std::uint8_t(green_of(c));
        px[at + 2] = std::uint8_t(red_of(c));
      } else if (bpp == 32 && !masks) {
        put32(px, at, c | 0xAB000000u);  // the unused byte must be ignored
      } else if (bpp == 32) {            // masks: blue high, red low, as some tools write
        put32(px, at,
              (std::uint32_t(blue_of(c)) << 24) | (std::uint32_t(green_of(c)) << 16) |
                  (std::uint32_t(red_of(c)) << 8));
      } else if (bpp == 16) {  // 5-6-5
        put16(px, at,
              unsigned((red_of(c) >> 3) << 11 | (green_of(c) >> 2) << 5 | (blue_of(c) >> 3)));
      }
    }
  }
  return wrap(w, h, bpp, masks ? 3 : 0, px, {}, o, masks);
}

void expect_same(const Bitmap& a, const Bitmap& b) {
  ASSERT_EQ(a.width(), b.width());
  ASSERT_EQ(a.height(), b.height());
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << "at " << x << "," << y;
}

BmpError read(const Bytes& b, Bitmap& out) {
  return read_bmp_memory(b.data(), b.size(), out);
}

}  // namespace

TEST(BmpReader, IndexedDepthsBothDirectionsAndHeaders) {
  struct Case {
    int bpp, colours, header;
    bool top_down;
  };
  for (Case c :
       {Case{1, 2, 40, false}, Case{1, 2, 40, true}, Case{4, 16, 40, false}, Case{4, 16, 40, true},
        Case{8, 256, 40, false}, Case{8, 200, 40, true}, Case{8, 256, 124, false},
        Case{8, 256, 108, true}, Case{4, 16, 12, false}, Case{1, 2, 12, false}}) {
    for (int w : {1, 7, 9, 33}) {  // widths that need row padding at every depth
      SCOPED_TRACE(testing::Message() << "bpp " << c.bpp << " header " << c.header << " top-down "
                                      << c.top_down << " width " << w);
      Indexed p = pattern(w, 5, c.colours);
      Options o;
      o.header = c.header;
      o.top_down = c.top_down;
      if (c.colours < (1 << c.bpp)) o.colours_used = std::uint32_t(c.colours);
      Bitmap got;
      ASSERT_EQ(read(encode_indexed(p, c.bpp, o), got), BmpError::none);
      expect_same(got, p.expected());
    }
  }
}

TEST(BmpReader, RunLengthEncodedPictures) {
  for (bool four : {false, true}) {
    for (int w : {1, 2, 5, 16, 40}) {
      SCOPED_TRACE(testing::Message() << (four ? "RLE4" : "RLE8") << " width " << w);
      Indexed p = pattern(w, 6, four ? 16 : 256);
      Bitmap got;
      ASSERT_EQ(read(encode_rle(p, four), got), BmpError::none);
      expect_same(got, p.expected());
    }
  }
}

TEST(BmpReader, RunLengthDeltasAndEarlyEndLeavePaletteZero) {
  // 4×3 RLE8: first row (bottom) two pixels then a jump of one right and one up, then end.
  Indexed p{4, 3, {RGB(1, 2, 3), RGB(200, 0, 0), RGB(0, 200, 0)}, {}};
  Bytes d = {2, 1, 0, 2, 1, 1, 1, 2, 0, 1};
  Bitmap got;
  ASSERT_EQ(read(wrap(4, 3, 8, 1, d, p.palette, {}), got), BmpError::none);
  const rgb z = RGB(1, 2, 3), r = RGB(200, 0, 0), g = RGB(0, 200, 0);
  rgb want[3][4] = {{z, z, z, z}, {z, z, z, g}, {r, r, z, z}};  // top row first
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(got.pixel(x, y), want[y][x]) << x << "," << y;
  // Runs past the right edge and rows past the top are cut off, not written out of bounds.
  Bytes over = {200, 1, 0, 0, 0, 0, 0, 0, 0, 0, 9, 2, 0, 1};
  ASSERT_EQ(read(wrap(4, 3, 8, 1, over, p.palette, {}), got), BmpError::none);
  EXPECT_EQ(got.pixel(3, 2), r);
}

TEST(BmpReader, DirectColourDepths) {
  Bitmap pic = colour_pattern(5, 4);
  for (bool td : {false, true}) {
    Options o;
    o.top_down = td;
    Bitmap got;
    ASSERT_EQ(read(encode_direct(pic, 24, o), got), BmpError::none);
    expect_same(got, pic);
    ASSERT_EQ(read(encode_direct(pic, 32, o), got), BmpError::none);
    expect_same(got, pic);
  }
  const std::uint32_t bgr_masks[3] = {0x0000FF00u, 0x00FF0000u, 0xFF000000u};
  for (int header : {40, 108}) {
    Options o;
    o.header = header;
    Bitmap got;
    ASSERT_EQ(read(encode_direct(pic, 32, o, bgr_masks), got), BmpError::none) << header;
    expect_same(got, pic);
  }
  // 16-bit 5-6-5 with masks: each channel scaled back to the full range.
  const std::uint32_t m565[3] = {0xF800, 0x07E0, 0x001F};
  Bitmap white(2, 1, 0xFFFFFF);
  Bitmap got;
  ASSERT_EQ(read(encode_direct(white, 16, {}, m565), got), BmpError::none);
  EXPECT_EQ(got.pixel(1, 0), 0xFFFFFFu);
}

TEST(BmpReader, WriterRoundTripAndFiles) {
  Bitmap pic = colour_pattern(7, 3);  // 21 bytes a row: padded to 24
  Bytes enc = encode_bmp(pic);
  EXPECT_EQ(enc.size(), 54u + 24u * 3u);
  Bitmap back;
  ASSERT_EQ(read(enc, back), BmpError::none);
  expect_same(back, pic);

  std::string path = testing::TempDir() + "florinet_bmp_roundtrip.bmp";
  ASSERT_EQ(write_bmp_file(path, pic), BmpError::none);
  Bitmap from_file;
  ASSERT_EQ(read_bmp_file(path, from_file), BmpError::none);
  expect_same(from_file, pic);
  std::remove(path.c_str());

  Bitmap untouched(1, 1, 0x123456);
  EXPECT_EQ(read_bmp_file(path, untouched), BmpError::cannot_open);
  EXPECT_EQ(untouched.pixel(0, 0), 0x123456u);
  EXPECT_EQ(write_bmp_file("/nonexistent-dir/x.bmp", pic), BmpError::cannot_write);
}

TEST(BmpReader, EveryTruncationIsRejectedAndLeavesThePictureAlone) {
  std::vector<Bytes> files = {
      encode_indexed(pattern(9, 3, 16), 4),    encode_indexed(pattern(3, 2, 2), 1),
      encode_rle(pattern(6, 3, 256), false),   encode_rle(pattern(7, 3, 16), true),
      encode_direct(colour_pattern(3, 2), 24), encode_bmp(colour_pattern(2, 2))};
  Options core;
  core.header = 12;
  files.push_back(encode_indexed(pattern(5, 2, 16), 4, core));
  for (std::size_t f = 0; f < files.size(); ++f) {
    const Bytes& whole = files[f];
    for (std::size_t n = 0; n < whole.size(); ++n) {
      // A copy of exactly n bytes, so any read past it is caught by the sanitizers.
      Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
      Bitmap out(1, 1, 0xABCDEF);
      BmpError e = read_bmp_memory(cut.empty() ? nullptr : cut.data(), n, out);
      EXPECT_NE(e, BmpError::none) << "file " << f << " cut to " << n << " of " << whole.size();
      EXPECT_EQ(out.width(), 1);
      EXPECT_EQ(out.pixel(0, 0), 0xABCDEFu);
    }
  }
}

TEST(BmpReader, CorruptHeadersAreRejected) {
  const Bytes good = encode_indexed(pattern(4, 4, 16), 4);
  Bitmap out;
  ASSERT_EQ(read(good, out), BmpError::none);
  auto with = [&](auto change) {
    Bytes b = good;
    change(b);
    Bitmap o(1, 1, 7);
    BmpError e = read(b, o);
    EXPECT_EQ(o.pixel(0, 0), 7u);
    return e;
  };
  EXPECT_EQ(with([](Bytes& b) { b[0] = 'X'; }), BmpError::bad_header);
  EXPECT_EQ(with([](Bytes& b) { put32(b, 18, 0); }), BmpError::bad_header);            // width 0
  EXPECT_EQ(with([](Bytes& b) { put32(b, 18, 0xFFFFFFFFu); }), BmpError::bad_header);  // width -1
  EXPECT_EQ(with([](Bytes& b) { put32(b, 22, 0); }), BmpError::bad_header);            // height 0
  EXPECT_EQ(with([](Bytes& b) { put32(b, 22, 0x80000000u); }), BmpError::bad_header);
  EXPECT_EQ(with([](Bytes& b) { put32(b, 18, 16385); }), BmpError::unsupported);  // absurd sizes
  EXPECT_EQ(with([](Bytes& b) { put32(b, 22, std::uint32_t(-20000)); }), BmpError::unsupported);
  EXPECT_EQ(with([](Bytes& b) { put32(b, 18, 10000), put32(b, 22, 10000); }),
            BmpError::unsupported);
  EXPECT_EQ(with([](Bytes& b) { put16(b, 26, 2); }), BmpError::bad_header);    // planes
  EXPECT_EQ(with([](Bytes& b) { put16(b, 28, 3); }), BmpError::unsupported);   // depth
  EXPECT_EQ(with([](Bytes& b) { put32(b, 30, 4); }), BmpError::unsupported);   // embedded JPEG
  EXPECT_EQ(with([](Bytes& b) { put32(b, 30, 1); }), BmpError::bad_header);    // RLE8 at 4 bits
  EXPECT_EQ(with([](Bytes& b) { put32(b, 14, 41); }), BmpError::unsupported);  // header size
  EXPECT_EQ(with([](Bytes& b) { put32(b, 46, 17); }), BmpError::bad_header);   // palette > 16
  EXPECT_EQ(with([](Bytes& b) { put32(b, 10, 20); }), BmpError::bad_header);   // data in header
  EXPECT_EQ(with([](Bytes& b) { put32(b, 10, 0x7FFFFFFF); }), BmpError::truncated);
  EXPECT_EQ(with([](Bytes& b) { put32(b, 2, 0xFFFFFFF0u); }), BmpError::truncated);
  // A height that claims more rows than the data holds.
  EXPECT_EQ(with([](Bytes& b) { put32(b, 22, 400); }), BmpError::truncated);
}

TEST(BmpReader, CorruptRunLengthDataIsRejected) {
  Indexed p = pattern(4, 2, 16);
  auto rle = [&](Bytes d) {
    Bitmap o(1, 1, 7);
    BmpError e = read(wrap(4, 2, 8, 1, d, p.palette, {}), o);
    EXPECT_EQ(o.pixel(0, 0), 7u);
    return e;
  };
  EXPECT_EQ(rle({4, 1, 0, 0}), BmpError::truncated);  // no end of picture
  EXPECT_EQ(rle({0, 5, 1, 2}), BmpError::truncated);  // literal run past the data
  EXPECT_EQ(rle({0, 2}), BmpError::truncated);        // delta without its offsets
  EXPECT_EQ(rle({2, 0, 0, 2, 0, 255, 0, 2, 0, 255, 0, 1}), BmpError::bad_data);  // far off the top
  // RLE pictures are bottom-up only.
  Bytes top = wrap(4, 2, 8, 1, {0, 1}, p.palette, {});
  put32(top, 22, std::uint32_t(-2));
  Bitmap o;
  EXPECT_EQ(read(top, o), BmpError::bad_header);
  // Masks that overlap or have holes.
  const std::uint32_t overlap[3] = {0xFF00, 0x0FF0, 0x00FF};
  const std::uint32_t holes[3] = {0xF0F0, 0, 0};
  Bitmap pic = colour_pattern(2, 2);
  EXPECT_EQ(read(encode_direct(pic, 32, {}, overlap), o), BmpError::bad_data);
  EXPECT_EQ(read(encode_direct(pic, 32, {}, holes), o), BmpError::bad_data);
}

TEST(BmpReader, PaletteIndexPastTheEndShowsBlack) {
  // Two palette entries declared, pixel index 5 used.
  Indexed p{2, 1, {RGB(10, 20, 30), RGB(40, 50, 60)}, {1, 5}};
  Options o;
  o.colours_used = 2;
  Bitmap got;
  ASSERT_EQ(read(encode_indexed(p, 8, o), got), BmpError::none);
  EXPECT_EQ(got.pixel(0, 0), RGB(40, 50, 60));
  EXPECT_EQ(got.pixel(1, 0), 0u);
}

TEST(BmpMask, WhiteWhereTheKeyColourIs) {
  Bitmap pic(3, 2, 0);
  pic.set_pixel(1, 0, RGB(0, 0, 1));
  pic.set_pixel(2, 1, 0xFFFFFF);
  Bitmap m = make_mask(pic, 0);
  ASSERT_EQ(m.width(), 3);
  ASSERT_EQ(m.height(), 2);
  EXPECT_EQ(m.pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(m.pixel(1, 0), 0u);  // nearly black is not black
  EXPECT_EQ(m.pixel(2, 1), 0u);
  EXPECT_EQ(m.pixel(0, 1), 0xFFFFFFu);
  EXPECT_TRUE(make_mask(Bitmap(), 0).empty());
}

TEST(BmpBitmap, SizesAndBoundsCheckedReads) {
  Bitmap b(3, 2, 0x010203);
  EXPECT_EQ(b.pixel_or_black(2, 1), 0x010203u);
  EXPECT_EQ(b.pixel_or_black(3, 0), 0u);
  EXPECT_EQ(b.pixel_or_black(-1, 0), 0u);
  EXPECT_EQ(b.pixel_or_black(0, 2), 0u);
  b.set_pixel(0, 1, 0x445566);
  EXPECT_EQ(b.transparent_colour(), 0x445566u);  // bottom-left
  b.resize(0, 5);
  EXPECT_TRUE(b.empty());
  EXPECT_EQ(b.width(), 0);
  EXPECT_EQ(b.transparent_colour(), 0u);
  b.resize(-3, -3);
  EXPECT_TRUE(b.empty());
  EXPECT_EQ(std::string(to_string(BmpError::truncated)).empty(), false);
}
