#include "voice.h"

#include <algorithm>
#include <cmath>

#include "paint.h"

namespace ag::snd {

//                         f0   scale open  tilt breath jitter shimmer tremor growl bandwidth
const Speaker kOwner = {108, 0.97f, 0.40f, 0.15f, 0.04f, 0.012f, 0.06f, 0.0f, 0.22f, 0.95f};
const Speaker kLandlord = {122, 0.95f, 0.62f, 0.35f, 0.13f, 0.02f, 0.1f, 0.7f, 0.06f, 1.35f};
const Speaker kLady = {210, 1.14f, 0.52f, 0.25f, 0.06f, 0.006f, 0.03f, 0.0f, 0.0f, 1.0f};
const Speaker kGirl = {262, 1.2f, 0.5f, 0.2f, 0.05f, 0.006f, 0.03f, 0.0f, 0.0f, 1.0f};
const Speaker kChild = {330, 1.32f, 0.5f, 0.18f, 0.05f, 0.008f, 0.04f, 0.0f, 0.0f, 1.05f};
const Speaker kBoy = {285, 1.26f, 0.46f, 0.2f, 0.04f, 0.008f, 0.04f, 0.0f, 0.03f, 1.0f};
const Speaker kRobot = {262, 1.18f, 0.42f, 0.08f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.85f};

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kOver = 4;  // the voice is made at four times the rate, then filtered down
constexpr double kFs = double(kRate) * kOver;

struct Formants {
  float f[5];
  float b[5];
};

Formants vowel(char v) {
  switch (v) {
    case 'a':
      return {{750, 1250, 2600, 3500, 4500}, {90, 110, 160, 250, 300}};
    case 'i':
      return {{300, 2250, 2950, 3600, 4500}, {60, 100, 180, 250, 300}};
    case 'u':
      return {{370, 1400, 2400, 3400, 4500}, {80, 110, 160, 250, 300}};
    case 'e':
      return {{480, 1900, 2550, 3500, 4500}, {70, 110, 170, 250, 300}};
    default:  // o
      return {{500, 850, 2500, 3400, 4500}, {80, 100, 160, 250, 300}};
  }
}

// The nasal murmur of n, m and the moraic N (its second formant where the tongue or lips close).
Formants murmur(float f2) {
  return {{290, f2, 2400, 3300, 4300}, {160, 110, 150, 300, 350}};
}

struct Seg {
  float len = 0;  // seconds
  Formants fm{};
  float av = 0, ah = 0, af = 0;  // voicing, breath through the tract, frication
  float fc = 3000, fq = 1;       // frication band: centre, quality
  float nasal = 0;
  float tau_amp = 0.006f, tau_form = 0.018f;
};

struct Token {
  std::string ph;
  float mult = 1;
  float ms = 0;
  bool stress = false;
};

std::vector<Token> tokens(const std::string& text) {
  std::vector<Token> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') i++;
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ') j++;
    if (j == i) break;
    std::string w = text.substr(i, j - i);
    Token t;
    std::size_t k = 0;
    while (k < w.size() && w[k] != ':' && w[k] != '=' && w[k] != '!') k++;
    t.ph = w.substr(0, k);
    for (; k < w.size(); k++) {
      if (w[k] == ':') t.mult += 1;
      if (w[k] == '!') t.stress = true;
      if (w[k] == '=') t.ms = std::stof(w.substr(k + 1));
    }
    out.push_back(t);
    i = j;
  }
  return out;
}

bool is_vowel(const std::string& p) {
  return p.size() == 1 && std::string("aiueo").find(p[0]) != std::string::npos;
}

std::vector<Seg> segments(const Line& line) {
  const std::vector<Token> toks = tokens(line.sounds);
  auto vowel_near = [&](std::size_t i) {
    for (std::size_t j = i; j < toks.size(); j++)
      if (is_vowel(toks[j].ph)) return toks[j].ph[0];
    for (std::size_t j = i; j-- > 0;)
      if (is_vowel(toks[j].ph)) return toks[j].ph[0];
    return 'a';
  };
  const float tempo = 1 / std::max(0.2f, line.tempo);
  std::vector<Seg> out;
  auto add = [&](float ms, Seg s) {
    s.len = ms / 1000 * tempo;
    out.push_back(s);
  };
  for (std::size_t i = 0; i < toks.size(); i++) {
    const Token& t = toks[i];
    const std::string& p = t.ph;
    const char nv = vowel_near(i);
    const Formants V = vowel(nv);
    const bool front = nv == 'i' || nv == 'e';
    auto len = [&](float ms) { return t.ms > 0 ? t.ms : ms * t.mult; };
    const float stress = t.stress ? 1.35f : 1.0f;
    Seg s;
    s.fm = V;
    if (is_vowel(p)) {
      s.av = stress;
      add(len(105), s);
    } else if (p == "N" || p == "n" || p == "m") {
      s.fm = murmur(p == "m" ? 1000.0f : p == "n" ? 1500.0f : 1300.0f);
      s.av = 0.5f;
      s.nasal = 1;
      add(len(p == "N" ? 90 : 55), s);
    } else if (p == "k" || p == "t" || p == "p") {
      Formants locus = V;
      if (p == "t") locus.f[1] = 1750;
      if (p == "p") locus.f[1] = 800, locus.f[2] = 2200;
      locus.f[0] = 250;
      s.fm = locus;
      add(len(45), s);  // the closure
      s.af = p == "p" ? 0.45f : 0.9f;
      s.fc = p == "t" ? 4300.0f : p == "p" ? 1100.0f : front ? 3000.0f : 1700.0f;
      s.fq = p == "p" ? 0.7f : 1.6f;
      s.tau_amp = 0.0008f;
      add(11, s);  // the burst
      s.af = 0;
      s.ah = 0.55f;
      s.fm = V;
      s.tau_amp = 0.002f;
      add(p == "k" ? 28.0f : 20.0f, s);  // the breath before the voice sets in
    } else if (p == "g" || p == "d" || p == "b") {
      s.fm = V;
      s.fm.f[0] = 200;
      if (p == "d") s.fm.f[1] = 1700;
      if (p == "b") s.fm.f[1] = 800;
      s.av = 0.18f;
      add(len(35), s);
      s.af = 0.35f;
      s.fc = p == "d" ? 4000.0f : p == "b" ? 1100.0f : 1800.0f;
      s.fq = 1.2f;
      s.tau_amp = 0.001f;
      add(8, s);
    } else if (p == "s" || p == "sh" || p == "z") {
      s.af = p == "z" ? 0.3f : p == "s" ? 0.55f : 0.6f;
      s.av = p == "z" ? 0.3f : 0;
      s.fc = p == "sh" ? 3400.0f : 6300.0f;
      s.fq = 1.7f;
      s.tau_amp = 0.01f;
      add(len(p == "sh" ? 100.0f : p == "s" ? 95.0f : 65.0f), s);
    } else if (p == "ch" || p == "ts") {
      add(35, s);
      s.af = 0.7f;
      s.fc = p == "ch" ? 3400.0f : 6000.0f;
      s.fq = 1.7f;
      s.tau_amp = 0.001f;
      add(len(60), s);
    } else if (p == "h") {
      s.ah = 0.8f;
      if (front) s.af = 0.2f, s.fc = 3600, s.fq = 1.5f;
      s.tau_amp = 0.008f;
      add(len(65), s);
    } else if (p == "f") {
      s.fm = vowel('u');
      s.ah = 0.45f;
      s.af = 0.3f;
      s.fc = 1500;
      s.fq = 0.6f;
      s.tau_amp = 0.008f;
      add(len(75), s);
    } else if (p == "r") {
      s.fm.f[0] = V.f[0] * 0.75f;
      s.fm.f[1] = 1400;
      s.fm.f[2] = 1900;
      s.av = 0.55f;
      s.tau_amp = 0.003f;
      s.tau_form = 0.008f;
      add(len(22), s);
    } else if (p == "y" || p == "w") {
      s.fm =
          p == "y" ? vowel('i') : Formants{{350, 750, 2300, 3300, 4300}, {70, 90, 160, 250, 300}};
      s.av = 0.85f;
      add(len(45), s);
    } else if (p == "Q") {
      s.tau_amp = 0.003f;
      add(len(70), s);
    } else if (p == "_") {
      s.tau_amp = 0.015f;
      add(len(110), s);
    } else if (p == ".") {
      s.fm = vowel('i');
      s.ah = 0.35f;
      s.tau_amp = 0.02f;
      add(len(150), s);
    }
  }
  Seg end;
  end.fm = out.empty() ? vowel('a') : out.back().fm;
  end.tau_amp = 0.018f;
  add(90, end);
  return out;
}

// A formant: a two-pole resonance with unity gain at 0 Hz (the cascade then gives each vowel
// its natural balance of formants).
struct Resonator {
  double a = 1, b = 0, c = 0, y1 = 0, y2 = 0;
  void set(double f, double bw) {
    c = -std::exp(-2 * kPi * bw / kFs);
    b = 2 * std::exp(-kPi * bw / kFs) * std::cos(2 * kPi * f / kFs);
    a = 1 - b - c;
  }
  double run(double x) {
    const double y = a * x + b * y1 + c * y2;
    y2 = y1, y1 = y;
    return y;
  }
};
// Its inverse: a notch (the nasal zero).
struct AntiResonator {
  double a = 1, b = 0, c = 0, x1 = 0, x2 = 0;
  void set(double f, double bw) {
    Resonator r;
    r.set(f, bw);
    a = 1 / r.a, b = -r.b / r.a, c = -r.c / r.a;
  }
  double run(double x) {
    const double y = a * x + b * x1 + c * x2;
    x2 = x1, x1 = x;
    return y;
  }
};
// A band-pass with 0 dB at its centre (the frication's hiss).
struct BandPass {
  double b0 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  void set(double f, double q) {
    const double w0 = 2 * kPi * std::min(f, kFs * 0.45) / kFs, al = std::sin(w0) / (2 * q);
    const double a0 = 1 + al;
    b0 = al / a0, b2 = -al / a0, a1 = -2 * std::cos(w0) / a0, a2 = (1 - al) / a0;
  }
  double run(double x) {
    const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// A biquad at the game's rate (RBJ's cookbook).
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  static Biquad high_pass(double f, double q) {
    const double w0 = 2 * kPi * f / kRate, al = std::sin(w0) / (2 * q), c = std::cos(w0);
    const double a0 = 1 + al;
    return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - al) / a0};
  }
  static Biquad high_shelf(double f, double gain_db) {
    const double A = std::pow(10.0, gain_db / 40), w0 = 2 * kPi * f / kRate, c = std::cos(w0);
    const double sa = 2 * std::sqrt(A) * std::sin(w0) / (2 * 0.7071);
    const double a0 = (A + 1) - (A - 1) * c + sa;
    return {A * ((A + 1) + (A - 1) * c + sa) / a0, -2 * A * ((A - 1) + (A + 1) * c) / a0,
            A * ((A + 1) + (A - 1) * c - sa) / a0, 2 * ((A - 1) - (A + 1) * c) / a0,
            ((A + 1) - (A - 1) * c - sa) / a0};
  }
  static Biquad peak(double f, double gain_db, double q) {
    const double A = std::pow(10.0, gain_db / 40), w0 = 2 * kPi * f / kRate, c = std::cos(w0);
    const double al = std::sin(w0) / (2 * q), a0 = 1 + al / A;
    return {(1 + al * A) / a0, -2 * c / a0, (1 - al * A) / a0, -2 * c / a0, (1 - al / A) / a0};
  }
  double run(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

double gauss(Rng& r) {
  return (r.unit() + r.unit() + r.unit() - 1.5f) * 2;
}

double contour(const std::vector<std::pair<float, float>>& pts, double u) {
  if (pts.empty()) return 0;
  if (u <= pts.front().first) return pts.front().second;
  for (std::size_t i = 1; i < pts.size(); i++)
    if (u <= pts[i].first) {
      const double span = std::max(1e-6f, pts[i].first - pts[i - 1].first);
      const double k = (u - pts[i - 1].first) / span;
      return pts[i - 1].second + (pts[i].second - pts[i - 1].second) * k;
    }
  return pts.back().second;
}

// The low-pass that brings the voice down to the game's rate: a windowed sinc at 9.5 kHz.
const std::vector<double>& down_filter() {
  static const std::vector<double> taps = [] {
    const int n = 127;
    std::vector<double> t(n);
    const double fc = 9500 / kFs;
    double sum = 0;
    for (int i = 0; i < n; i++) {
      const double x = i - (n - 1) / 2.0;
      const double sinc = x == 0 ? 2 * fc : std::sin(2 * kPi * fc * x) / (kPi * x);
      const double w =
          0.42 - 0.5 * std::cos(2 * kPi * i / (n - 1)) + 0.08 * std::cos(4 * kPi * i / (n - 1));
      t[std::size_t(i)] = sinc * w;
      sum += sinc * w;
    }
    for (double& v : t) v /= sum;
    return t;
  }();
  return taps;
}

}  // namespace

float line_seconds(const Line& line) {
  float t = 0;
  for (const Seg& s : segments(line)) t += s.len;
  return t;
}

void speak(Buf& out, float t0, const Speaker& who, const Line& line, float amp,
           std::uint32_t seed) {
  const std::vector<Seg> segs = segments(line);
  double total = 0;
  for (const Seg& s : segs) total += s.len;
  const std::size_t n = std::size_t(total * kFs);
  std::vector<double> hi(n, 0.0);
  Rng rng(seed);

  Resonator tract[5], nasal_pole;
  AntiResonator nasal_zero;
  BandPass hiss;
  double F[5], B[5];
  for (int k = 0; k < 5; k++)
    F[k] = segs[0].fm.f[k] * who.scale, B[k] = segs[0].fm.b[k] * who.bandwidth;
  double av = 0, ah = 0, af = 0, fc = segs[0].fc, fq = segs[0].fq, nasal = 0;
  double phase = 0, cycle_pitch = 1, cycle_amp = 1, alt = 1, tilted = 0;
  const double open = std::clamp(double(who.open) - 0.22 * line.effort, 0.28, 0.9);
  const double tilt = std::clamp(double(who.tilt) - 0.3 * line.effort, 0.0, 0.95);
  const double loud = 1 + 0.35 * line.effort;
  const double breath = who.breath + line.breathy;
  std::size_t seg = 0;
  double seg_end = segs[0].len * kFs;

  for (std::size_t i = 0; i < n; i++) {
    while (seg + 1 < segs.size() && double(i) >= seg_end) seg_end += segs[++seg].len * kFs;
    const Seg& s = segs[seg];
    const double t = double(i) / kFs;
    const double ka = 1 - std::exp(-1 / (s.tau_amp * kFs)),
                 kf = 1 - std::exp(-1 / (s.tau_form * kFs));
    av += (s.av - av) * ka, ah += (s.ah - ah) * ka, af += (s.af - af) * ka;
    nasal += (s.nasal - nasal) * kf;
    if (i % 8 == 0) {
      for (int k = 0; k < 5; k++) {
        F[k] += (s.fm.f[k] * who.scale - F[k]) * (1 - std::pow(1 - kf, 8));
        B[k] += (s.fm.b[k] * who.bandwidth - B[k]) * (1 - std::pow(1 - kf, 8));
        tract[k].set(F[k], B[k]);
      }
      fc += (s.fc * std::sqrt(who.scale) - fc) * 0.5, fq = s.fq;
      hiss.set(fc, fq);
      nasal_pole.set(270, 100);
      nasal_zero.set(270 + 120 * nasal, 100);
    }

    // the glottis: pitch from the contour, vibrato, tremor; each cycle a little irregular
    const double shake = std::sin(2 * kPi * 5.2 * t);
    const double semis = contour(line.pitch, t / total) +
                         line.vibrato * std::sin(2 * kPi * line.vibrato_hz * t) +
                         who.tremor * shake;
    phase += who.f0 * std::pow(2.0, semis / 12) * cycle_pitch / kFs;
    if (phase >= 1) {
      phase -= 1;
      alt = -alt;
      cycle_pitch = (1 + who.jitter * gauss(rng)) * (1 + 0.06 * who.growl * alt);
      cycle_amp = (1 + who.shimmer * gauss(rng)) * (1 + who.growl * alt);
    }
    double pulse = 0;
    if (phase < open) {
      const double x = phase / open;
      pulse = 2 * x - 3 * x * x;  // the flow's slope: opening, then the sharp closing
    }
    pulse *= av * cycle_amp * loud * (1 + 0.2 * who.tremor * shake);
    tilted = (1 - tilt) * pulse + tilt * tilted;
    const double white = rng.unit() * 2 - 1;
    const double puff = white * (ah + breath * av) * (phase < open ? 1.0 : 0.5);
    double x = tilted + puff * 0.35;
    x = nasal_zero.run(nasal_pole.run(x));
    for (auto& r : tract) x = r.run(x);
    const double fric = hiss.run(rng.unit() * 2 - 1) * af;
    hi[i] = x + fric * 0.18;
  }

  // down to the game's rate; then the voice is voiced for small speakers: the boom under the
  // speaker's pitch taken away and the presence (2-4 kHz), where speech carries, lifted
  const auto& taps = down_filter();
  const std::size_t half = taps.size() / 2, s0 = at(t0), m = n / kOver;
  out.ensure(s0 + m + 1);
  Biquad low_cut = Biquad::high_pass(std::max(380.0, 1.3 * who.f0), 0.75);
  Biquad low_cut2 = Biquad::high_pass(std::max(380.0, 1.3 * who.f0), 0.75);
  Biquad presence = Biquad::peak(3000, 10, 0.9);
  Biquad air = Biquad::high_shelf(1500, 7);
  for (std::size_t j = 0; j < m; j++) {
    const std::size_t c = j * kOver;
    double y = 0;
    for (std::size_t k = 0; k < taps.size(); k++) {
      const std::size_t idx = c + k;
      if (idx >= half && idx - half < n) y += taps[k] * hi[idx - half];
    }
    out.s[s0 + j] += float(air.run(presence.run(low_cut2.run(low_cut.run(y))))) * amp;
  }
}

}  // namespace ag::snd
