#include "paint.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/sjis.h"

namespace ag {

namespace {
float clampf(float v, float lo, float hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}
float len(float x, float y) {
  return std::sqrt(x * x + y * y);
}
constexpr float kPi = 3.14159265f;
}  // namespace

Col mix(Col a, Col b, float t) {
  return Col{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Col lighten(Col c, float t) {
  return mix(c, hex(0xffffff), t);
}
Col darken(Col c, float t) {
  return mix(c, hex(0x000000), t);
}
Col shade(Col c, float k) {
  return k >= 1 ? lighten(c, k - 1) : darken(c, 1 - k);
}

Sdf circle(float cx, float cy, float r) {
  return [=](float x, float y) { return len(x - cx, y - cy) - r; };
}

Sdf ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    float px = (x - cx), py = (y - cy);
    float k0 = len(px / rx, py / ry);
    float k1 = len(px / (rx * rx), py / (ry * ry));
    if (k1 < 1e-6f) return -std::min(rx, ry);
    return k0 * (k0 - 1.0f) / k1;
  };
}

Sdf box(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float out = len(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return out + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Sdf capsule(float ax, float ay, float bx, float by, float r) {
  return capsule2(ax, ay, r, bx, by, r);
}

Sdf capsule2(float ax, float ay, float ra, float bx, float by, float rb) {
  return [=](float x, float y) {
    float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
    float l2 = bax * bax + bay * bay;
    float h = l2 > 0 ? clampf((pax * bax + pay * bay) / l2, 0, 1) : 0;
    return len(pax - bax * h, pay - bay * h) - (ra + (rb - ra) * h);
  };
}

Sdf polygon(std::vector<V2> v) {
  return [v = std::move(v)](float px, float py) {
    std::size_t n = v.size();
    float d = (px - v[0].x) * (px - v[0].x) + (py - v[0].y) * (py - v[0].y);
    float s = 1;
    for (std::size_t i = 0, j = n - 1; i < n; j = i, i++) {
      float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      float wx = px - v[i].x, wy = py - v[i].y;
      float l2 = ex * ex + ey * ey;
      float t = l2 > 0 ? clampf((wx * ex + wy * ey) / l2, 0, 1) : 0;
      float bx = wx - ex * t, by = wy - ey * t;
      d = std::min(d, bx * bx + by * by);
      bool c1 = py >= v[i].y, c2 = py<v[j].y, c3 = ex * wy> ey * wx;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
  };
}

Sdf star(float cx, float cy, float ro, float ri, int points, float turn) {
  std::vector<V2> p;
  for (int i = 0; i < points * 2; i++) {
    float ang = (turn + 180.0f * float(i) / float(points)) * kPi / 180.0f;
    float r = (i % 2 == 0) ? ro : ri;
    p.push_back({cx + std::cos(ang) * r, cy + std::sin(ang) * r});
  }
  return polygon(p);
}

Sdf ngon(float cx, float cy, float r, int n, float turn) {
  std::vector<V2> p;
  for (int i = 0; i < n; i++) {
    float ang = (turn + 360.0f * float(i) / float(n)) * kPi / 180.0f;
    p.push_back({cx + std::cos(ang) * r, cy + std::sin(ang) * r});
  }
  return polygon(p);
}

Sdf heart(float cx, float cy, float s) {
  // Two lobes and a point, smoothly joined.
  float lr = s * 0.52f;
  Sdf l = circle(cx - s * 0.45f, cy - s * 0.25f, lr);
  Sdf r = circle(cx + s * 0.45f, cy - s * 0.25f, lr);
  Sdf tip = polygon(
      {{cx - s * 0.93f, cy - s * 0.05f}, {cx + s * 0.93f, cy - s * 0.05f}, {cx, cy + s * 0.95f}});
  return smooth_unite(unite(l, r), tip, s * 0.15f);
}

Sdf ring(Sdf s, float hw) {
  return [=](float x, float y) { return std::fabs(s(x, y)) - hw; };
}
Sdf unite(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf unite(std::initializer_list<Sdf> list) {
  std::vector<Sdf> v(list);
  return [v](float x, float y) {
    float d = 1e9f;
    for (auto& s : v) d = std::min(d, s(x, y));
    return d;
  };
}
Sdf smooth_unite(Sdf a, Sdf b, float k) {
  return [=](float x, float y) {
    float d1 = a(x, y), d2 = b(x, y);
    float h = clampf(0.5f + 0.5f * (d2 - d1) / k, 0, 1);
    return d2 + (d1 - d2) * h - k * h * (1 - h);
  };
}
Sdf inter(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf minus(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf grow(Sdf a, float d) {
  return [=](float x, float y) { return a(x, y) - d; };
}
Sdf rotated(Sdf a, float cx, float cy, float deg) {
  float c = std::cos(-deg * kPi / 180), s = std::sin(-deg * kPi / 180);
  return [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return a(cx + dx * c - dy * s, cy + dx * s + dy * c);
  };
}
Sdf moved(Sdf a, float dx, float dy) {
  return [=](float x, float y) { return a(x - dx, y - dy); };
}

Paint solid(Col c) {
  return [=](float, float) { return c; };
}
Paint vgrad(float y0, Col top, float y1, Col bottom) {
  return [=](float, float y) { return mix(top, bottom, clampf((y - y0) / (y1 - y0), 0, 1)); };
}
Paint hgrad(float x0, Col left, float x1, Col right) {
  return [=](float x, float) { return mix(left, right, clampf((x - x0) / (x1 - x0), 0, 1)); };
}
Paint radial(float cx, float cy, float r, Col inner, Col outer) {
  return [=](float x, float y) { return mix(inner, outer, clampf(len(x - cx, y - cy) / r, 0, 1)); };
}

Img::Img(int w_, int h_)
    : w(w_),
      h(h_),
      r(std::size_t(w_ * h_)),
      g(std::size_t(w_ * h_)),
      b(std::size_t(w_ * h_)),
      a(std::size_t(w_ * h_)) {
  unlimit();
}

void Img::limit(int x0, int y0, int x1, int y1) {
  lx0_ = std::max(0, x0);
  ly0_ = std::max(0, y0);
  lx1_ = std::min(w, x1);
  ly1_ = std::min(h, y1);
}
void Img::unlimit() {
  lx0_ = 0, ly0_ = 0, lx1_ = w, ly1_ = h;
}

Col Img::at(int x, int y) const {
  std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
  if (a[i] <= 0) return Col{};
  return Col{r[i] / a[i], g[i] / a[i], b[i] / a[i]};
}

void Img::fill(const Sdf& s, const Paint& p, float opacity, float soft) {
  for (int y = ly0_; y < ly1_; y++)
    for (int x = lx0_; x < lx1_; x++) {
      float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
      float d = s(fx, fy);
      if (d >= soft * 0.5f) continue;
      float cov = clampf(0.5f - d / soft, 0, 1) * opacity;
      blend(x, y, p(fx, fy), cov);
    }
}

void Img::toon(const Sdf& s, Col base, float line, Col ink) {
  // Find the shape's extent once so the light can fall across it.
  int x0 = w, y0 = h, x1 = -1, y1 = -1;
  for (int y = ly0_; y < ly1_; y++)
    for (int x = lx0_; x < lx1_; x++)
      if (s(float(x) + 0.5f, float(y) + 0.5f) < line) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  if (x1 < 0) return;
  int sx0 = lx0_, sy0 = ly0_, sx1 = lx1_, sy1 = ly1_;
  limit(x0 - 1, y0 - 1, x1 + 2, y1 + 2);
  if (line > 0) fill(grow(s, line), ink);
  float bw = float(x1 - x0 + 1), bh = float(y1 - y0 + 1);
  Col light = lighten(base, 0.35f), deep = darken(base, 0.16f);
  fill(s, [=](float x, float y) {
    float t = ((x - float(x0)) / bw * 0.45f + (y - float(y0)) / bh * 0.55f);
    Col c = t < 0.5f ? mix(light, base, t * 2) : mix(base, deep, (t - 0.5f) * 2);
    // a soft darker rim inside the outline gives the shapes body
    float d = -s(x, y);
    if (d < 2.2f) c = mix(darken(c, 0.10f), c, clampf(d / 2.2f, 0, 1));
    return c;
  });
  limit(sx0, sy0, sx1, sy1);
}

void Img::gloss(float cx, float cy, float rx, float ry, float opacity) {
  fill(ellipse(cx, cy, rx, ry), hex(0xffffff), opacity, 1.5f);
}

void Img::line(float x0, float y0, float x1, float y1, float width, Col c, float opacity) {
  fill(capsule(x0, y0, x1, y1, width / 2), c, opacity);
}

void Img::clear(Col c) {
  for (std::size_t i = 0; i < a.size(); i++) r[i] = c.r, g[i] = c.g, b[i] = c.b, a[i] = 1;
}

void Img::glint(float cx, float cy, float s, Col c, float opacity) {
  Sdf st = polygon({{cx, cy - s},
                    {cx + s * 0.22f, cy - s * 0.22f},
                    {cx + s, cy},
                    {cx + s * 0.22f, cy + s * 0.22f},
                    {cx, cy + s},
                    {cx - s * 0.22f, cy + s * 0.22f},
                    {cx - s, cy},
                    {cx - s * 0.22f, cy - s * 0.22f}});
  fill(st, c, opacity);
}

void Img::paste(const Img& src, float dx, float dy, float scale, const Sdf& clip) {
  int ow = int(float(src.w) * scale + 0.5f), oh = int(float(src.h) * scale + 0.5f);
  for (int y = 0; y < oh; y++)
    for (int x = 0; x < ow; x++) {
      // box-filtered sample of the source
      float sx = (float(x) + 0.5f) / scale - 0.5f, sy = (float(y) + 0.5f) / scale - 0.5f;
      int ix = int(std::floor(sx)), iy = int(std::floor(sy));
      float fx = sx - float(ix), fy = sy - float(iy);
      float pr = 0, pg = 0, pb = 0, pa = 0;
      for (int k = 0; k < 4; k++) {
        int xx = std::clamp(ix + (k & 1), 0, src.w - 1),
            yy = std::clamp(iy + (k >> 1), 0, src.h - 1);
        float wgt = ((k & 1) ? fx : 1 - fx) * ((k >> 1) ? fy : 1 - fy);
        std::size_t i = std::size_t(yy) * std::size_t(src.w) + std::size_t(xx);
        pr += src.r[i] * wgt, pg += src.g[i] * wgt, pb += src.b[i] * wgt, pa += src.a[i] * wgt;
      }
      if (pa <= 0.001f) continue;
      int tx = int(dx) + x, ty = int(dy) + y;
      Col c{pr / pa, pg / pa, pb / pa};
      if (clip) pa *= clampf(0.5f - clip(float(tx) + 0.5f, float(ty) + 0.5f), 0, 1);
      blend(tx, ty, c, pa);
    }
}

TextMask text_mask(const std::string& utf8, int point, bool bold, bool fixed) {
  TextMask m;
  plat::TextStyle st;
  st.face = fixed ? plat::Face::gothic : plat::Face::pgothic;
  st.point = point;
  st.bold = bold;
  st.colour = 0xFFFFFF;
  bool ok = true;
  plat::sjis s = plat::to_sjis(utf8, &ok);
  if (!ok) return m;
  plat::Size sz = plat::Canvas::text_size(s, st);
  if (sz.w <= 0 || sz.h <= 0) return m;
  plat::Bitmap bmp(sz.w + 2, sz.h + 2, 0);
  plat::Canvas cv(bmp);
  cv.text_out(1, 1, s, st);
  m.w = bmp.width(), m.h = bmp.height();
  m.cov.resize(std::size_t(m.w * m.h));
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++)
      m.cov[std::size_t(y * m.w + x)] = float(plat::green_of(bmp.pixel(x, y))) / 255.0f;
  return m;
}

void draw_text(Img& img, const std::string& utf8, float cx, float cy, int point, Col c, bool bold,
               float outline, Col ink) {
  TextMask m = text_mask(utf8, point, bold);
  if (m.w == 0) return;
  int ox = int(std::lround(cx - float(m.w) / 2)), oy = int(std::lround(cy - float(m.h) / 2));
  if (outline > 0) {
    int o = int(std::ceil(outline));
    for (int y = -o; y < m.h + o; y++)
      for (int x = -o; x < m.w + o; x++) {
        float best = 0;
        for (int dy = -o; dy <= o; dy++)
          for (int dx = -o; dx <= o; dx++) {
            if (float(dx * dx + dy * dy) > outline * outline + 0.5f) continue;
            int xx = x + dx, yy = y + dy;
            if (xx < 0 || yy < 0 || xx >= m.w || yy >= m.h) continue;
            best = std::max(best, m.cov[std::size_t(yy * m.w + xx)]);
          }
        img.blend(ox + x, oy + y, ink, best);
      }
  }
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++) img.blend(ox + x, oy + y, c, m.cov[std::size_t(y * m.w + x)]);
}

namespace {
plat::rgb to_rgb(Col c) {
  auto q = [](float v) { return int(clampf(std::round(v), 0, 255)); };
  return plat::RGB(q(c.r), q(c.g), q(c.b));
}
}  // namespace

plat::Bitmap to_bitmap_opaque(const Img& img, Col under) {
  plat::Bitmap out(img.w, img.h);
  for (int y = 0; y < img.h; y++)
    for (int x = 0; x < img.w; x++) {
      std::size_t i = std::size_t(y) * std::size_t(img.w) + std::size_t(x);
      float k = 1 - std::min(img.a[i], 1.0f);
      out.set_pixel(
          x, y,
          to_rgb(Col{img.r[i] + under.r * k, img.g[i] + under.g * k, img.b[i] + under.b * k}));
    }
  return out;
}

plat::Bitmap to_bitmap_keyed(const Img& img, plat::rgb key) {
  plat::Bitmap out(img.w, img.h, key);
  for (int y = 0; y < img.h; y++)
    for (int x = 0; x < img.w; x++) {
      std::size_t i = std::size_t(y) * std::size_t(img.w) + std::size_t(x);
      if (img.a[i] < 0.5f) continue;
      plat::rgb c = to_rgb(img.at(x, y));
      if (c == key) c ^= 0x000001;  // never the key inside the picture
      out.set_pixel(x, y, c);
    }
  // The platform takes the bottom-left pixel as the key: it must be see-through.
  out.set_pixel(0, img.h - 1, key);
  return out;
}

plat::Bitmap to_bitmap_masked(const Img& img) {
  plat::Bitmap out(img.w, img.h, 0);
  for (int y = 0; y < img.h; y++)
    for (int x = 0; x < img.w; x++) {
      std::size_t i = std::size_t(y) * std::size_t(img.w) + std::size_t(x);
      if (img.a[i] < 0.5f) continue;
      plat::rgb c = to_rgb(img.at(x, y));
      if (c == 0) c = plat::RGB(8, 6, 10);  // pure black is the see-through colour
      out.set_pixel(x, y, c);
    }
  return out;
}

std::uint32_t hash_name(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (unsigned char ch : s) h = (h ^ ch) * 16777619u;
  return h;
}

}  // namespace ag
