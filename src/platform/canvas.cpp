// Drawing on a picture. Every operation works out the part of its area that lies on both the
// target and (for transfers) the source before touching a pixel, so no coordinate can make it
// write outside the target or read outside the source.
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/font.h"
#include "platform/sjis.h"

namespace plat {
namespace {

// A w×h transfer from src (sx, sy) to dst (dx, dy), cut down to what lies on both pictures.
// Returns false when nothing is left.
bool clip_transfer(const Bitmap& dst, const Bitmap& src, int& dx, int& dy, int& w, int& h, int& sx,
                   int& sy) {
  long long x0 = dx, y0 = dy, s0 = sx, t0 = sy, ww = w, hh = h;
  if (ww <= 0 || hh <= 0) return false;
  auto cut_low = [](long long& d, long long& s, long long& len) {
    long long k = std::max({0LL, -d, -s});
    d += k;
    s += k;
    len -= k;
  };
  cut_low(x0, s0, ww);
  cut_low(y0, t0, hh);
  ww = std::min({ww, dst.width() - x0, src.width() - s0});
  hh = std::min({hh, dst.height() - y0, src.height() - t0});
  if (ww <= 0 || hh <= 0) return false;
  dx = int(x0), dy = int(y0), sx = int(s0), sy = int(t0), w = int(ww), h = int(hh);
  return true;
}

template <class Op>
void transfer(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy, Op op) {
  if (!clip_transfer(dst, src, dx, dy, w, h, sx, sy)) return;
  if (&dst == &src && dy > sy) {  // overlapping copy within one picture: go bottom-up
    for (int y = h - 1; y >= 0; --y) {
      rgb* d = dst.row(dy + y) + dx;
      const rgb* s = src.row(sy + y) + sx;
      if (d > s)
        for (int x = w - 1; x >= 0; --x) d[x] = op(d[x], s[x]);
      else
        for (int x = 0; x < w; ++x) d[x] = op(d[x], s[x]);
    }
    return;
  }
  for (int y = 0; y < h; ++y) {
    rgb* d = dst.row(dy + y) + dx;
    const rgb* s = src.row(sy + y) + sx;
    if (&dst == &src && d > s)
      for (int x = w - 1; x >= 0; --x) d[x] = op(d[x], s[x]);
    else
      for (int x = 0; x < w; ++x) d[x] = op(d[x], s[x]);
  }
}

// Horizontal span [x0, x1] on row y, clipped.
inline void hspan(Bitmap& t, int x0, int x1, int y, rgb c) {
  if (y < 0 || y >= t.height()) return;
  if (x0 > x1) std::swap(x0, x1);
  x0 = std::max(x0, 0);
  x1 = std::min(x1, t.width() - 1);
  if (x0 > x1) return;
  std::fill(t.row(y) + x0, t.row(y) + x1 + 1, c);
}

inline void plot(Bitmap& t, int x, int y, rgb c) {
  if (x >= 0 && y >= 0 && x < t.width() && y < t.height()) t.set_pixel(x, y, c);
}

// A filled disc of diameter d whose top-left box corner is at (x, y) — the round pen tip.
void disc(Bitmap& t, int cx, int cy, int d, rgb c) {
  if (d <= 1) {
    plot(t, cx, cy, c);
    return;
  }
  // Box of d×d pixels around the centre pixel (even sizes lean up-left, as the system's pens do).
  const int x0 = cx - d / 2, y0 = cy - d / 2;
  const double r = d / 2.0, ox = x0 + r, oy = y0 + r;
  for (int y = 0; y < d; ++y) {
    double py = y0 + y + 0.5 - oy;
    double half = r * r - py * py;
    if (half < 0) continue;
    double s = std::sqrt(half);
    int a = int(std::ceil(ox - s - 0.5)), b = int(std::floor(ox + s - 0.5));
    if (a <= b) hspan(t, a, b, y0 + y, c);
  }
}

// Is the pixel centre (px + .5, py + .5) inside the ellipse inscribed in (x, y, w, h)?
struct EllipseBox {
  double cx, cy, rx, ry;
  EllipseBox(double x, double y, double w, double h)
      : cx(x + w / 2.0), cy(y + h / 2.0), rx(w / 2.0), ry(h / 2.0) {}
  bool valid() const { return rx > 0 && ry > 0; }
  // Row span of pixel centres inside, or false.
  bool span(int py, int& a, int& b) const {
    if (!valid()) return false;
    double dy = (py + 0.5 - cy) / ry;
    double q = 1.0 - dy * dy;
    if (q < 0) return false;
    double s = rx * std::sqrt(q);
    // kept well inside int range; the caller clips to the target
    a = int(std::clamp(std::ceil(cx - s - 0.5), -1e9, 1e9));
    b = int(std::clamp(std::floor(cx + s - 0.5), -1e9, 1e9));
    return a <= b;
  }
};

// Scratch for the flood fill, grown once to the largest picture filled and then reused.
std::vector<std::uint8_t>& fill_marks() {
  static std::vector<std::uint8_t> v;
  return v;
}
struct Seed {
  int x, y;
};
std::vector<Seed>& fill_stack() {
  static std::vector<Seed> v;
  return v;
}

}  // namespace

void Canvas::copy(int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  transfer(t_, dx, dy, w, h, src, sx, sy, [](rgb, rgb s) { return s; });
}
void Canvas::blit_and(int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  transfer(t_, dx, dy, w, h, src, sx, sy, [](rgb d, rgb s) { return d & s; });
}
void Canvas::blit_or(int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
  transfer(t_, dx, dy, w, h, src, sx, sy, [](rgb d, rgb s) { return d | s; });
}

namespace {

// Nearest-neighbour stretch: destination pixel i of a span of n takes source pixel
// (2i + 1)·m / 2n of a span of m, the centre of the destination pixel mapped back — the mapping
// of the system's colour-on-colour stretch (a doubling repeats every pixel exactly twice).
// Negative sizes mirror, as they do there; a zero size draws nothing.
template <bool Keyed>
void stretch_impl(Bitmap& t, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                  int sw, int sh, rgb key) {
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0 || src.empty() || t.empty()) return;
  bool flip_x = false, flip_y = false;
  long long DX = dx, DY = dy, DW = dw, DH = dh, SX = sx, SY = sy, SW = sw, SH = sh;
  if (DW < 0) DX += DW, DW = -DW, flip_x = !flip_x;
  if (DH < 0) DY += DH, DH = -DH, flip_y = !flip_y;
  if (SW < 0) SX += SW, SW = -SW, flip_x = !flip_x;
  if (SH < 0) SY += SH, SH = -SH, flip_y = !flip_y;
  // Only the destination rows and columns on the target are visited.
  long long x_from = std::max(0LL, -DX), x_to = std::min(DW, t.width() - DX);
  long long y_from = std::max(0LL, -DY), y_to = std::min(DH, t.height() - DY);
  for (long long j = y_from; j < y_to; ++j) {
    long long v = (2 * j + 1) * SH / (2 * DH);
    if (flip_y) v = SH - 1 - v;
    long long syy = SY + v;
    if (syy < 0 || syy >= src.height()) continue;
    const rgb* s = src.row(int(syy));
    rgb* d = t.row(int(DY + j));
    for (long long i = x_from; i < x_to; ++i) {
      long long u = (2 * i + 1) * SW / (2 * DW);
      if (flip_x) u = SW - 1 - u;
      long long sxx = SX + u;
      if (sxx < 0 || sxx >= src.width()) continue;
      rgb c = s[sxx];
      if (Keyed && c == key) continue;
      d[DX + i] = c;
    }
  }
}

}  // namespace

void Canvas::stretch(int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy, int sw,
                     int sh) {
  stretch_impl<false>(t_, dx, dy, dw, dh, src, sx, sy, sw, sh, 0);
}

void Canvas::stretch_transparent(int dx, int dy, int dw, int dh, const Bitmap& src) {
  stretch_impl<true>(t_, dx, dy, dw, dh, src, 0, 0, src.width(), src.height(),
                     src.transparent_colour());
}

void Canvas::draw_transparent(int dx, int dy, const Bitmap& src) {
  const rgb key = src.transparent_colour();
  int w = src.width(), h = src.height(), sx = 0, sy = 0;
  if (!clip_transfer(t_, src, dx, dy, w, h, sx, sy)) return;
  for (int y = 0; y < h; ++y) {
    rgb* d = t_.row(dy + y) + dx;
    const rgb* s = src.row(sy + y) + sx;
    for (int x = 0; x < w; ++x)
      if (s[x] != key) d[x] = s[x];
  }
}

void Canvas::clear(rgb c) {
  std::fill(t_.row(0), t_.row(0) + std::size_t(t_.width()) * t_.height(), c);
}

void Canvas::fill_rect(int x, int y, int w, int h, rgb c) {
  long long x0 = std::max<long long>(x, 0), y0 = std::max<long long>(y, 0);
  long long x1 = std::min<long long>((long long)x + w, t_.width());
  long long y1 = std::min<long long>((long long)y + h, t_.height());
  if (x1 <= x0 || y1 <= y0) return;
  for (long long yy = y0; yy < y1; ++yy) std::fill(t_.row(int(yy)) + x0, t_.row(int(yy)) + x1, c);
}

void Canvas::frame_rect(int x, int y, int w, int h, rgb c, int pen) {
  if (w <= 0 || h <= 0 || pen <= 0) return;
  pen = std::min({pen, (w + 1) / 2, (h + 1) / 2});
  fill_rect(x, y, w, pen, c);
  fill_rect(x, y + h - pen, w, pen, c);
  fill_rect(x, y + pen, pen, h - 2 * pen, c);
  fill_rect(x + w - pen, y + pen, pen, h - 2 * pen, c);
}

void Canvas::ellipse(int x, int y, int w, int h, rgb pen, int pen_width, bool filled, rgb fill) {
  double bx = x, by = y, bw = w, bh = h;
  if (bw < 0) bx += bw, bw = -bw;
  if (bh < 0) by += bh, bh = -bh;
  if (bw == 0 || bh == 0) return;
  pen_width = std::min(pen_width, 1024);
  const EllipseBox outer(bx, by, bw, bh);
  // Only rows that can be on the target.
  const int y_from = int(std::clamp<double>(by - pen_width, 0, t_.height()));
  const int y_to = int(std::clamp<double>(by + bh + pen_width, 0, t_.height()));
  if (filled) {
    for (int py = y_from; py < y_to; ++py) {
      int a, b;
      if (outer.span(py, a, b)) hspan(t_, a, b, py, fill);
    }
  }
  if (pen_width <= 0) return;
  // The outline: a band of the pen's width along the edge, centred on it for wide pens, and at
  // least the pixels of the shape that touch its outside, so a thin outline has no gaps.
  const double grow = (pen_width - 1) / 2.0;
  const EllipseBox band_out(bx - grow, by - grow, bw + 2 * grow, bh + 2 * grow);
  const EllipseBox band_in(bx - grow + pen_width, by - grow + pen_width,
                           bw + 2 * grow - 2 * pen_width, bh + 2 * grow - 2 * pen_width);
  for (int py = y_from; py < y_to; ++py) {
    int a, b;
    if (!band_out.span(py, a, b)) continue;
    int ia = 0, ib = -1;
    bool inner = band_in.span(py, ia, ib);
    // pixels of the shape whose row neighbours above/below reach less far are edge pixels too
    int ua = 0, ub = -1, da = 0, db = -1;
    bool up = band_out.span(py - 1, ua, ub), down = band_out.span(py + 1, da, db);
    for (int px = std::max(a, 0); px <= std::min(b, t_.width() - 1); ++px) {
      bool in_inner = inner && px >= ia && px <= ib;
      bool edge = !up || !down || px < ua || px > ub || px < da || px > db || px == a || px == b;
      if (!in_inner || edge) t_.set_pixel(px, py, pen);
    }
  }
}

void Canvas::line(int x0, int y0, int x1, int y1, rgb c, int pen_width) {
  // Cosmetic one-pixel lines leave out the last point, as the system's LineTo does; wide pens have
  // round ends and cover both.
  pen_width = std::min(pen_width, 1024);
  long long dx = std::llabs((long long)x1 - x0), dy = -std::llabs((long long)y1 - y0);
  // Far-reaching lines are first cut to a margin around the target, so no line walks millions
  // of pixels off the picture.
  const long long margin = pen_width + 64;
  const double lo_x = -margin, lo_y = -margin;
  const double hi_x = double(t_.width()) + margin, hi_y = double(t_.height()) + margin;
  auto outside = [&](int x, int y) { return x < lo_x || y < lo_y || x > hi_x || y > hi_y; };
  if (outside(x0, y0) || outside(x1, y1)) {
    // Liang-Barsky on the margin rectangle.
    double t0 = 0, t1 = 1;
    const double fx = x0, fy = y0, ex = double(x1) - x0, ey = double(y1) - y0;
    const double p[4] = {-ex, ex, -ey, ey}, q[4] = {fx - lo_x, hi_x - fx, fy - lo_y, hi_y - fy};
    for (int k = 0; k < 4; ++k) {
      if (p[k] == 0) {
        if (q[k] < 0) return;
        continue;
      }
      double r = q[k] / p[k];
      if (p[k] < 0)
        t0 = std::max(t0, r);
      else
        t1 = std::min(t1, r);
    }
    if (t0 > t1) return;
    const bool end_cut = t1 < 1;
    const int nx0 = int(std::lround(fx + t0 * ex)), ny0 = int(std::lround(fy + t0 * ey));
    const int nx1 = int(std::lround(fx + t1 * ex)), ny1 = int(std::lround(fy + t1 * ey));
    x0 = nx0, y0 = ny0;
    if (end_cut) x1 = nx1, y1 = ny1;
    dx = std::llabs((long long)x1 - x0), dy = -std::llabs((long long)y1 - y0);
  }
  const int stepx = x0 < x1 ? 1 : -1, stepy = y0 < y1 ? 1 : -1;
  long long err = dx + dy;
  int x = x0, y = y0;
  const bool wide = pen_width > 1;
  for (;;) {
    if (x == x1 && y == y1) {
      if (wide) disc(t_, x, y, pen_width, c);
      break;
    }
    if (wide)
      disc(t_, x, y, pen_width, c);
    else
      plot(t_, x, y, c);
    long long e2 = 2 * err;
    if (e2 >= dy) err += dy, x += stepx;
    if (e2 <= dx) err += dx, y += stepy;
  }
}

void Canvas::polygon(const Point* pts, int n, rgb pen, int pen_width, bool filled, rgb fill) {
  if (!pts || n < 2) return;
  if (filled && n >= 3) {
    // Even-odd rule over pixel centres.
    int ymin = pts[0].y, ymax = pts[0].y;
    for (int i = 1; i < n; ++i) ymin = std::min(ymin, pts[i].y), ymax = std::max(ymax, pts[i].y);
    ymin = std::max(ymin, 0);
    ymax = std::min(ymax, t_.height() - 1);
    double xs[64];
    for (int py = ymin; py <= ymax; ++py) {
      const double cy = py + 0.5;
      int k = 0;
      for (int i = 0; i < n && k < 64; ++i) {
        const Point& a = pts[i];
        const Point& b = pts[(i + 1) % n];
        if ((a.y <= cy) == (b.y <= cy)) continue;
        xs[k++] = a.x + (cy - a.y) * double(b.x - a.x) / double(b.y - a.y);
      }
      std::sort(xs, xs + k);
      for (int i = 0; i + 1 < k; i += 2) {
        int a = int(std::ceil(xs[i] - 0.5)), b = int(std::ceil(xs[i + 1] - 0.5)) - 1;
        if (a <= b) hspan(t_, a, b, py, fill);
      }
    }
  }
  if (pen_width <= 0) return;
  for (int i = 0; i < n; ++i) {
    const Point& a = pts[i];
    const Point& b = pts[(i + 1) % n];
    line(a.x, a.y, b.x, b.y, pen, pen_width);
  }
}

void Canvas::flood_fill(int x, int y, rgb border, rgb fill) {
  if (x < 0 || y < 0 || x >= t_.width() || y >= t_.height()) return;
  if (t_.pixel(x, y) == border) return;
  const int W = t_.width(), H = t_.height();
  auto& marks = fill_marks();
  if (marks.size() < std::size_t(W) * std::size_t(H)) marks.resize(std::size_t(W) * std::size_t(H));
  std::fill(marks.begin(), marks.begin() + std::ptrdiff_t(W) * H, 0);
  auto& stack = fill_stack();
  stack.clear();
  stack.push_back({x, y});
  // Scanline fill with an explicit stack: each popped seed fills its whole run, then seeds the
  // runs above and below. Marks make pixels that already had the fill colour safe.
  auto open = [&](int px, int py) {
    return !marks[std::size_t(py) * W + px] && t_.pixel(px, py) != border;
  };
  while (!stack.empty()) {
    Seed s = stack.back();
    stack.pop_back();
    if (!open(s.x, s.y)) continue;
    int a = s.x, b = s.x;
    while (a > 0 && open(a - 1, s.y)) --a;
    while (b < W - 1 && open(b + 1, s.y)) ++b;
    for (int px = a; px <= b; ++px) {
      marks[std::size_t(s.y) * W + px] = 1;
      t_.set_pixel(px, s.y, fill);
    }
    for (int ny : {s.y - 1, s.y + 1}) {
      if (ny < 0 || ny >= H) continue;
      bool in_run = false;
      for (int px = a; px <= b; ++px) {
        bool o = open(px, ny);
        if (o && !in_run) stack.push_back({px, ny});
        in_run = o;
      }
    }
  }
}

void Canvas::text_out(int x, int y, std::string_view s, const TextStyle& st) {
  const int px = std::clamp(font_pixels(st.point), 1, kMaxFontPixels);
  const FontMetrics m = font_metrics(st.face, px);
  if (st.opaque) {
    Size sz = text_size(s, st);
    fill_rect(x, y, sz.w, sz.h, st.background);
  }
  const bool mono = glyph_mode() == GlyphMode::monochrome;
  // Positions in 64 bits: the game never draws far off the picture, but nothing may overflow.
  const long long base = (long long)y + m.ascent;
  long long pen = x;
  const int W = t_.width(), H = t_.height();
  const int cr = red_of(st.colour), cg = green_of(st.colour), cb = blue_of(st.colour);
  for (std::size_t i = 0; i < s.size() && pen < W;) {
    const char32_t cp = decode_display_char(s, i);
    const Glyph g = font_glyph(st.face, px, st.bold, cp);  // a copy: the next call may flush
    const long long gxl = pen + g.left, gyl = base - g.top;
    pen += g.advance;
    if (!g.coverage || gxl >= W || gyl >= H || gxl + g.width <= 0 || gyl + g.rows <= 0) continue;
    const int gx = int(gxl), gy = int(gyl);
    const int r0 = std::max(0, -gy), r1 = std::min(g.rows, H - gy);
    const int c0 = std::max(0, -gx), c1 = std::min(g.width, W - gx);
    for (int r = r0; r < r1; ++r) {
      const std::uint8_t* cov = g.coverage + std::size_t(r) * std::size_t(g.width);
      rgb* d = t_.row(gy + r) + gx;
      for (int c = c0; c < c1; ++c) {
        const unsigned a = cov[c];
        if (a == 0) continue;
        if (mono || a == 255) {
          d[c] = st.colour;
          continue;
        }
        const rgb o = d[c];
        auto mix = [a](int fg, int bg) { return (fg * int(a) + bg * int(255 - a) + 127) / 255; };
        d[c] = RGB(mix(cr, red_of(o)), mix(cg, green_of(o)), mix(cb, blue_of(o)));
      }
    }
  }
}

Size Canvas::text_size(std::string_view s, const TextStyle& st) {
  const int px = std::clamp(font_pixels(st.point), 1, kMaxFontPixels);
  const FontMetrics m = font_metrics(st.face, px);
  int w = 0;
  for (std::size_t i = 0; i < s.size();) {
    const char32_t cp = decode_display_char(s, i);
    w += font_glyph(st.face, px, st.bold, cp).advance;
  }
  return {w, m.ascent + m.descent};
}

}  // namespace plat
