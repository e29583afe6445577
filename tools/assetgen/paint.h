// The generator's little painter: shapes as signed distance functions, painted as pixel art (hard
// edges sampled at the pixels' centres, one-pixel outlines, shading in the steps of the house
// palette's ramps) onto a floating-point picture that keeps coverage, so that layer pictures get
// a clean see-through key colour at the end and every colour can be snapped to the palette. The
// desktop icon is drawn smooth (anti-aliased) by the same calls.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace ag {

struct Col {
  float r = 0, g = 0, b = 0;
};
constexpr Col hex(std::uint32_t v) {
  return Col{float((v >> 16) & 255), float((v >> 8) & 255), float(v & 255)};
}
Col mix(Col a, Col b, float t);
Col shade(Col c, float k);    // k > 1 lighter toward white, k < 1 darker
Col lighten(Col c, float t);  // toward white by t
Col darken(Col c, float t);   // toward black by t

struct V2 {
  float x = 0, y = 0;
};

// A shape: signed distance in pixels, negative inside.
using Sdf = std::function<float(float, float)>;

Sdf circle(float cx, float cy, float r);
Sdf ellipse(float cx, float cy, float rx, float ry);
Sdf box(float x0, float y0, float x1, float y1, float radius = 0);
Sdf capsule(float ax, float ay, float bx, float by, float r);
Sdf capsule2(float ax, float ay, float ra, float bx, float by, float rb);  // tapered
Sdf polygon(std::vector<V2> pts);
Sdf star(float cx, float cy, float r_out, float r_in, int points, float turn_deg = -90);
Sdf heart(float cx, float cy, float size);  // size = about the half width
Sdf ring(Sdf s, float half_width);          // band around the edge
Sdf unite(Sdf a, Sdf b);
Sdf unite(std::initializer_list<Sdf> list);
Sdf smooth_unite(Sdf a, Sdf b, float k);
Sdf inter(Sdf a, Sdf b);
Sdf minus(Sdf a, Sdf b);
Sdf grow(Sdf a, float d);
Sdf rotated(Sdf a, float cx, float cy, float deg);
Sdf moved(Sdf a, float dx, float dy);
// A regular polygon with n corners.
Sdf ngon(float cx, float cy, float r, int n, float turn_deg = -90);

// A paint: colour at a point.
using Paint = std::function<Col(float, float)>;
Paint solid(Col c);
Paint vgrad(float y0, Col top, float y1, Col bottom);
Paint hgrad(float x0, Col left, float x1, Col right);
Paint radial(float cx, float cy, float r, Col inner, Col outer);

class Img {
 public:
  Img(int w, int h);
  int w, h;
  std::vector<float> r, g, b, a;  // premultiplied colour and coverage
  // 1 where the colour belongs to a meant gradient (a sky, a glow), which the finishing of a
  // dithered picture renders as an ordered dither between house colours; elsewhere it is snapped.
  std::vector<std::uint8_t> grad;
  // Pixels per drawing unit: 0.5 draws a picture laid out at its full size in half as many
  // pixels, to be doubled, so that it shows the same pixel size as the doubled backgrounds.
  float unit = 1;
  // Anti-aliased edges and soft shading (the desktop icon), instead of pixel art.
  bool smooth = false;

  // Coverage-weighted "over" of colour c at (x, y).
  void blend(int x, int y, Col c, float cov, bool gradient = false) {
    if (x < 0 || y < 0 || x >= w || y >= h || cov <= 0) return;
    if (cov > 1) cov = 1;
    std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
    float k = 1 - cov;
    r[i] = r[i] * k + c.r * cov;
    g[i] = g[i] * k + c.g * cov;
    b[i] = b[i] * k + c.b * cov;
    a[i] = a[i] * k + cov;
    if (gradient)
      grad[i] = 1;
    else if (cov >= 1)
      grad[i] = 0;
  }
  Col at(int x, int y) const;

  // Paints shape s with paint p: every pixel whose centre lies inside (a shape too small to
  // cover any centre still gets its nearest pixel). `soft` above 1.5 gives a glow whose edge
  // fades over that many units (a meant gradient).
  void fill(const Sdf& s, const Paint& p, float opacity = 1, float soft = 1);
  void fill(const Sdf& s, Col c, float opacity = 1, float soft = 1) {
    fill(s, solid(c), opacity, soft);
  }
  // A fill whose colours are a meant gradient (skies, walls fading, the night): dithered.
  void gradient(const Sdf& s, const Paint& p, float opacity = 1, float soft = 1);
  // The house style: the shape in the steps of the ramp nearest to `base`, lit from the top
  // left (a lighter rim there, a shadow rim at the bottom right, the far corner of a large
  // shape in shadow), inside a one-pixel outline: `ink` below and right, a dark step of the
  // shape's own ramp on the lit top and left. `line` below 0.5 draws no outline (small details).
  void toon(const Sdf& s, Col base, float line = 1.0f, Col ink = hex(0x4a3040));
  // A highlight shape of white over what is there.
  void gloss(float cx, float cy, float rx, float ry, float opacity = 0.6f);
  // A line: one pixel wide and unbroken below 1.6 pixels, else a round-capped stroke.
  void line(float x0, float y0, float x1, float y1, float width, Col c, float opacity = 1);
  void clear(Col c);
  // Sparkle: a four-armed glint (a plus of pixels, its arms as long as `size` allows).
  void glint(float cx, float cy, float size, Col c = hex(0xffffff), float opacity = 1);
  // Copies another picture on top (with its coverage), offset by (dx, dy), scaled by `scale`.
  void paste(const Img& src, float dx, float dy, float scale = 1, const Sdf& clip = nullptr);

  // Bounding box used by fills (for speed); shapes are sampled only inside it. Default: whole.
  // In pixels.
  void limit(int x0, int y0, int x1, int y1);
  void unlimit();

 private:
  void fill_px(const Sdf& s, const Paint& p, float opacity, float soft, bool gradient);
  void fill_smooth(const Sdf& s, const Paint& p, float opacity, float soft);
  void toon_smooth(const Sdf& s, Col base, float line, Col ink);
  int lx0_ = 0, ly0_ = 0, lx1_ = 0, ly1_ = 0;
};

// A picture drawn at half size made full: each pixel doubled, cropped to w x h.
Img doubled(const Img& half, int w, int h);
// Takes away lone pixels: a covered pixel none of whose eight neighbours is covered.
void remove_strays(Img& img);

// Text drawn with the game's font as a coverage mask (white = ink), for labels and glyph motifs.
// `utf8` is converted to the game's Shift-JIS; point size at 96 dpi.
struct TextMask {
  int w = 0, h = 0;
  std::vector<float> cov;
};
TextMask text_mask(const std::string& utf8, int point, bool bold, bool fixed = false);
// Draws the text centred at (cx, cy) in colour c, with an optional outline of `outline` pixels.
void draw_text(Img& img, const std::string& utf8, float cx, float cy, int point, Col c,
               bool bold = true, float outline = 0, Col ink = hex(0x4a3040));
// Letters of the generator's own pixel font (3 x 5: digits, capitals and a few signs), for the
// lettering of stickers and the counter: `scale` pixels per font pixel, centred at (cx, cy) in
// drawing units, with a one-pixel outline in `ink` when `outline` is set. Answers the width.
int pixel_text(Img& img, const std::string& ascii, float cx, float cy, Col c, int scale = 1,
               bool outline = false, Col ink = hex(0x4a3040));
int pixel_text_width(const std::string& ascii, int scale = 1);

// Finishing: every colour is snapped to the house palette; with `dither`, the pixels of meant
// gradients are an ordered dither between the two nearest house colours, its pattern laid on a
// grid of `grid`-pixel cells (2 for a picture drawn at half size and doubled).
struct Finish {
  bool dither = false;
  int grid = 1;
};
// An opaque picture (backgrounds), coverage composited over `under`.
plat::Bitmap to_bitmap_opaque(const Img& img, Col under = hex(0x000000), Finish f = {});
// A layer picture: pixels with coverage of at least a half keep their (unpremultiplied) colour,
// the rest become `key`; the key colour is then made unique (no inside pixel equals it).
plat::Bitmap to_bitmap_keyed(const Img& img, plat::rgb key, Finish f = {});
// A masked picture: see-through where coverage is below a half (pure black), and no inside pixel
// is pure black.
plat::Bitmap to_bitmap_masked(const Img& img, Finish f = {});
// A glowing picture OR-combined onto the game's: lit colours on pure black.
plat::Bitmap to_bitmap_glow(const Img& img, Finish f = {});

// The game's deterministic generator for scattering details (never the clock).
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : s_(seed * 2654435761u + 12345u) {}
  std::uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  int below(int n) { return n <= 0 ? 0 : int(next() % std::uint32_t(n)); }
  float unit() { return float(next() & 0xFFFFFF) / float(0x1000000); }
  float range(float a, float b) { return a + (b - a) * unit(); }

 private:
  std::uint32_t s_;
};
std::uint32_t hash_name(const std::string& s);

}  // namespace ag
