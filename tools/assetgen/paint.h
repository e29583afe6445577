// The generator's little painter: shapes as signed distance functions, painted with soft
// anti-aliased edges, dark outlines and gentle shading, onto a floating-point picture that keeps
// coverage so layer pictures can get a clean see-through key colour at the end.
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

  // Coverage-weighted "over" of colour c at (x, y).
  void blend(int x, int y, Col c, float cov) {
    if (x < 0 || y < 0 || x >= w || y >= h || cov <= 0) return;
    if (cov > 1) cov = 1;
    std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
    float k = 1 - cov;
    r[i] = r[i] * k + c.r * cov;
    g[i] = g[i] * k + c.g * cov;
    b[i] = b[i] * k + c.b * cov;
    a[i] = a[i] * k + cov;
  }
  Col at(int x, int y) const;

  // Paints shape s with paint p (coverage from the distance, `soft` widens the edge).
  void fill(const Sdf& s, const Paint& p, float opacity = 1, float soft = 1);
  void fill(const Sdf& s, Col c, float opacity = 1, float soft = 1) {
    fill(s, solid(c), opacity, soft);
  }
  // The house style: a dark outline of width `line` around the shape, the shape filled with
  // `base` lit from the top left (lighter there, deeper toward the bottom right and the rim).
  void toon(const Sdf& s, Col base, float line = 1.0f, Col ink = hex(0x4a3040));
  // Shading only: soft highlight blob.
  void gloss(float cx, float cy, float rx, float ry, float opacity = 0.6f);
  void line(float x0, float y0, float x1, float y1, float width, Col c, float opacity = 1);
  void clear(Col c);
  // Sparkle: four-pointed star glint.
  void glint(float cx, float cy, float size, Col c = hex(0xffffff), float opacity = 1);
  // Copies another picture on top (with its coverage), offset by (dx, dy), scaled by `scale`.
  void paste(const Img& src, float dx, float dy, float scale = 1, const Sdf& clip = nullptr);

  // Bounding box used by fills (for speed); shapes are sampled only inside it. Default: whole.
  void limit(int x0, int y0, int x1, int y1);
  void unlimit();

 private:
  int lx0_ = 0, ly0_ = 0, lx1_ = 0, ly1_ = 0;
};

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

// Finishing: an opaque picture (backgrounds, masked pictures), coverage ignored over `under`.
plat::Bitmap to_bitmap_opaque(const Img& img, Col under = hex(0x000000));
// A layer picture: pixels with coverage of at least a half keep their (unpremultiplied) colour,
// the rest become `key`; the key colour is then made unique (no inside pixel equals it).
plat::Bitmap to_bitmap_keyed(const Img& img, plat::rgb key);
// A masked picture: see-through where coverage is below a half (pure black), and no inside pixel
// is pure black.
plat::Bitmap to_bitmap_masked(const Img& img);

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
