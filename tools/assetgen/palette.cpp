#include "palette.h"

#include <cmath>
#include <unordered_map>

namespace ag {

namespace {

constexpr Col cream_light = hex(0xfff2d6);   // where highlights lean
constexpr Col lilac_shadow = hex(0x5a3a7a);  // where shadows lean
constexpr Col plum_deep = hex(0x3e2448);     // the darkest step leans further

Ramp made(std::uint32_t base, float hi = 0.42f, float sh = 0.30f, float deep = 0.58f) {
  const Col b = hex(base);
  return Ramp{{mix(b, cream_light, hi), b, mix(b, lilac_shadow, sh), mix(b, plum_deep, deep)}};
}
Ramp given(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  return Ramp{{hex(a), hex(b), hex(c), hex(d)}};
}

struct Lab {
  float l, a, b;
};
Lab oklab(Col c) {
  auto lin = [](float v) {
    v /= 255.0f;
    return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
  };
  const float r = lin(c.r), g = lin(c.g), b = lin(c.b);
  const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
  const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
  const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
  return Lab{0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
             1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
             0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}
float lab_distance(const Lab& x, const Lab& y) {
  const float dl = x.l - y.l, da = x.a - y.a, db = x.b - y.b;
  return std::sqrt(dl * dl + da * da + db * db);
}

std::uint32_t key_of(Col c) {
  auto q = [](float v) { return std::uint32_t(std::lround(std::fmin(std::fmax(v, 0.f), 255.f))); };
  return (q(c.r) << 16) | (q(c.g) << 8) | q(c.b);
}

const std::vector<Lab>& house_labs() {
  static const std::vector<Lab> labs = [] {
    std::vector<Lab> v;
    for (const Col& c : house_colours()) v.push_back(oklab(c));
    return v;
  }();
  return labs;
}

// The two nearest house colours (indices into house_colours()).
std::pair<int, int> two_nearest(Col c) {
  static std::unordered_map<std::uint32_t, std::pair<int, int>> cache;
  const std::uint32_t k = key_of(c);
  if (auto it = cache.find(k); it != cache.end()) return it->second;
  const Lab x = oklab(hex(k));
  const auto& labs = house_labs();
  int best = 0, second = 0;
  float bd = 1e9f, sd = 1e9f;
  for (int i = 0; i < int(labs.size()); i++) {
    const float d = lab_distance(x, labs[std::size_t(i)]);
    if (d < bd) {
      second = best, sd = bd;
      best = i, bd = d;
    } else if (d < sd) {
      second = i, sd = d;
    }
  }
  return cache[k] = {best, second};
}

}  // namespace

const std::vector<Ramp>& house_ramps() {
  static const std::vector<Ramp> ramps = {
      given(0xffffff, 0xf2eaf0, 0xd6c8dc, 0xa48eb4),  // white
      given(0xfffcf4, 0xfff4e0, 0xe8d4d0, 0xb8a0b4),  // cream
      given(0xfff4f6, 0xffe2ec, 0xf4c4d6, 0xd8a0bc),  // blush (the shop's walls)
      made(0xffb7cf),                                 // pink
      made(0xff86ad),                                 // rose
      made(0xf04c98),                                 // hot pink
      made(0xf0606a),                                 // red
      made(0xc0304a, 0.35f),                          // crimson
      made(0xffcfa8),                                 // peach
      made(0xff9a48),                                 // orange
      made(0xfff0a0, 0.5f),                           // lemon
      made(0xffd34d),                                 // gold
      made(0xc89a30, 0.35f),                          // ochre
      made(0xb5ead0),                                 // mint
      made(0x7ccf86),                                 // green
      made(0x3f9a5a, 0.35f),                          // leaf
      made(0x3fb0b0, 0.38f),                          // teal
      made(0xa8f0f4),                                 // ice
      made(0xaed8f5),                                 // sky
      made(0x5a98e8, 0.38f),                          // blue
      made(0x3a5cc0, 0.35f),                          // royal
      made(0x5a6aa0, 0.35f),                          // navy
      given(0x5a4a8a, 0x40367a, 0x2c2860, 0x1c1a48),  // night
      made(0xd2b8f0),                                 // lilac
      made(0x9a70c8, 0.38f),                          // purple
      made(0x7040a0, 0.35f),                          // violet
      made(0xd9a877),                                 // wood
      made(0xa8734a, 0.38f),                          // dark wood
      made(0x8a5a3a, 0.38f),                          // brown
      given(0x8a6048, 0x5e3a28, 0x4a2c3a, 0x2e1a2a),  // chocolate
      made(0xffe0c8, 0.5f, 0.26f, 0.5f),              // skin
      made(0xe8b890, 0.4f, 0.26f, 0.5f),              // tan
      made(0xb8b0b8, 0.4f),                           // grey
      made(0x707888, 0.36f),                          // slate
      given(0x6a6278, 0x403848, 0x32283e, 0x201828),  // charcoal
      given(0x5a5060, 0x3e3448, 0x2a2232, 0x181220),  // black
  };
  return ramps;
}

const std::vector<Col>& house_colours() {
  static const std::vector<Col> colours = [] {
    std::vector<Col> v;
    for (const Ramp& r : house_ramps())
      for (const Col& c : r.step) v.push_back(hex(key_of(c)));
    v.push_back(hex(0x4a3040));  // the outline ink
    return v;
  }();
  return colours;
}

RampStep nearest_step(Col c) {
  const int i = two_nearest(c).first;
  const int ramps = int(house_ramps().size());
  if (i >= ramps * 4) return RampStep{ramps - 2, 3};  // the ink sits with the charcoal's deep
  return RampStep{i / 4, i % 4};
}

Col ramp_colour(RampStep rs, int steps) {
  int s = rs.step + steps;
  s = s < 0 ? 0 : (s > 3 ? 3 : s);
  return house_colours()[std::size_t(rs.ramp * 4 + s)];
}

Col snap(Col c) {
  return house_colours()[std::size_t(two_nearest(c).first)];
}

Between between(Col c) {
  const auto [i, j] = two_nearest(c);
  const auto& hc = house_colours();
  const Lab x = oklab(c), a = oklab(hc[std::size_t(i)]), b = oklab(hc[std::size_t(j)]);
  const float da = lab_distance(x, a), db = lab_distance(x, b);
  return Between{hc[std::size_t(i)], hc[std::size_t(j)], da + db > 0 ? da / (da + db) : 0};
}

float colour_distance(Col a, Col b) {
  return lab_distance(oklab(a), oklab(b));
}

}  // namespace ag
