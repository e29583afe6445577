// The game's sound effects, synthesised: blips, chimes, paper, coins, knocks, thunder, fanfares
// and a little formant voice for the customers' and the owner's spoken reactions.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "assets.h"
#include "paint.h"

namespace ag {

namespace {

constexpr int kRate = 22050;
constexpr float kTau = 6.2831853f;

struct Buf {
  std::vector<float> s;
  void ensure(std::size_t n) {
    if (s.size() < n) s.resize(n, 0.0f);
  }
  float dur() const { return float(s.size()) / kRate; }
};

std::size_t at(float t) {
  return std::size_t(std::max(0.0f, t) * kRate);
}

// Envelope: attack a, then exponential decay with time constant d, for `len` seconds.
float env(float t, float a, float d, float len) {
  if (t < 0 || t > len) return 0;
  float e = a > 0 && t < a ? t / a : std::exp(-(t - a) / d);
  float rel = std::min(1.0f, (len - t) / 0.006f);  // a short release so nothing clicks
  return e * rel;
}

enum Wave { SINE, TRI, SQUARE, SAW };
float osc(Wave w, float ph) {
  ph -= std::floor(ph);
  switch (w) {
    case SINE:
      return std::sin(ph * kTau);
    case TRI:
      return ph < 0.5f ? ph * 4 - 1 : 3 - ph * 4;
    case SQUARE:
      return ph < 0.5f ? 0.7f : -0.7f;
    case SAW:
      return (ph * 2 - 1) * 0.7f;
  }
  return 0;
}

// A tone with a frequency glide from f0 to f1 (exponential), placed at time t0.
void tone(Buf& b, float t0, float len, float f0, float f1, float amp, Wave w = SINE,
          float a = 0.003f, float d = 1e9f, float vib = 0) {
  std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  float ph = 0;
  for (std::size_t i = 0; i < n; i++) {
    float t = float(i) / kRate;
    float f = f0 * std::pow(f1 / f0, t / len);
    if (vib > 0) f *= 1 + vib * std::sin(t * kTau * 6.0f);
    ph += f / kRate;
    b.s[s0 + i] += osc(w, ph) * amp * env(t, a, d, len);
  }
}

// A bell: a few inharmonic partials decaying at their own rates.
void bell(Buf& b, float t0, float f, float amp, float len = 0.6f) {
  const float ratio[] = {1, 2.01f, 2.76f, 4.07f, 5.43f};
  const float gain[] = {1, 0.45f, 0.3f, 0.16f, 0.08f};
  for (int k = 0; k < 5; k++)
    tone(b, t0, len, f * ratio[k], f * ratio[k], amp * gain[k], SINE, 0.002f,
         len / (1.5f + float(k)));
}

// Filtered noise: a one-pole low-pass (lp 0..1) and high-pass, with an envelope.
void noise(Buf& b, float t0, float len, float amp, float lp, float hp, float a, float d,
           std::uint32_t seed) {
  Rng r(seed);
  std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  float y = 0, low = 0;
  for (std::size_t i = 0; i < n; i++) {
    float t = float(i) / kRate;
    float x = r.unit() * 2 - 1;
    y += (x - y) * lp;
    low += (y - low) * hp;
    b.s[s0 + i] += (y - low) * amp * env(t, a, d, len);
  }
}

// A noise whose low-pass cutoff sweeps (a swish).
void swish(Buf& b, float t0, float len, float amp, float lp0, float lp1, std::uint32_t seed) {
  Rng r(seed);
  std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  float y = 0, low = 0;
  for (std::size_t i = 0; i < n; i++) {
    float t = float(i) / kRate, u = t / len;
    float lp = lp0 + (lp1 - lp0) * u;
    y += (r.unit() * 2 - 1 - y) * lp;
    low += (y - low) * 0.02f;
    float e = std::sin(u * 3.14159f);
    b.s[s0 + i] += (y - low) * amp * e * e;
  }
}

// A knock or thump: a low sine drop with a noise click.
void thump(Buf& b, float t0, float f, float amp, std::uint32_t seed) {
  tone(b, t0, 0.16f, f * 1.6f, f, amp, SINE, 0.001f, 0.045f);
  noise(b, t0, 0.03f, amp * 0.5f, 0.5f, 0.05f, 0.0005f, 0.008f, seed);
}

// ---- The little voice ----
// A glottal pulse through two formant resonators; a syllable is a vowel with a pitch contour
// and an optional consonant burst in front.
struct Syl {
  char vowel;    // a i u e o, or 'n' for a hummed n, ' ' for a pause
  float len;     // seconds
  float p0, p1;  // pitch contour, as multiples of the speaker's base pitch
  float amp = 1;
  char cons = 0;  // 's' hiss, 'k' click, 'h' breath, 'r' flap, 't' tap, 0 none
};

struct Resonator {
  float a1 = 0, a2 = 0, g = 0, y1 = 0, y2 = 0;
  void set(float f, float bw) {
    float r = std::exp(-3.14159f * bw / kRate);
    a1 = 2 * r * std::cos(kTau * f / kRate);
    a2 = -r * r;
    g = 1 - r;
  }
  float run(float x) {
    float y = g * x + a1 * y1 + a2 * y2;
    y2 = y1, y1 = y;
    return y;
  }
};

void formants(char v, float& f1, float& f2, float& f3) {
  switch (v) {
    case 'a':
      f1 = 850, f2 = 1250, f3 = 2800;
      break;
    case 'i':
      f1 = 320, f2 = 2500, f3 = 3200;
      break;
    case 'u':
      f1 = 360, f2 = 1350, f3 = 2600;
      break;
    case 'e':
      f1 = 520, f2 = 2000, f3 = 2900;
      break;
    case 'o':
      f1 = 540, f2 = 900, f3 = 2600;
      break;
    default:
      f1 = 280, f2 = 1100, f3 = 2500;
      break;  // n, hummed
  }
}

void speak(Buf& b, float t0, float base, const std::vector<Syl>& syls, float amp,
           std::uint32_t seed, float breathy = 0.1f) {
  float t = t0;
  Rng r(seed);
  Resonator r1, r2, r3;
  float ph = 0;
  float cf1 = 500, cf2 = 1500, cf3 = 2700;
  for (const Syl& s : syls) {
    if (s.vowel == ' ') {
      t += s.len;
      continue;
    }
    if (s.cons == 's')
      noise(b, t, 0.07f, amp * 0.35f, 0.9f, 0.5f, 0.01f, 0.03f, r.next()), t += 0.05f;
    if (s.cons == 'h')
      noise(b, t, 0.06f, amp * 0.25f, 0.4f, 0.1f, 0.01f, 0.03f, r.next()), t += 0.03f;
    if (s.cons == 'k' || s.cons == 't')
      noise(b, t, 0.025f, amp * 0.45f, 0.7f, 0.2f, 0.001f, 0.006f, r.next()), t += 0.02f;
    float f1, f2, f3;
    formants(s.vowel, f1, f2, f3);
    std::size_t s0 = at(t), n = at(s.len);
    b.ensure(s0 + n + 1);
    for (std::size_t i = 0; i < n; i++) {
      float u = float(i) / float(n);
      // glide the formants toward the vowel
      float k = std::min(1.0f, float(i) / (0.04f * kRate));
      float g1 = cf1 + (f1 - cf1) * k, g2 = cf2 + (f2 - cf2) * k, g3 = cf3 + (f3 - cf3) * k;
      if (i % 32 == 0) r1.set(g1, 90), r2.set(g2, 130), r3.set(g3, 200);
      float pitch = base * (s.p0 + (s.p1 - s.p0) * u) *
                    (1 + 0.015f * std::sin(float(i) / kRate * kTau * 5.5f));
      ph += pitch / kRate;
      if (ph >= 1) ph -= 1;
      float src = (ph < 0.6f ? std::sin(ph / 0.6f * 3.14159f) : 0) - 0.38f;  // a soft glottal pulse
      src += (r.unit() - 0.5f) * breathy;
      float y = r1.run(src) * 1.0f + r2.run(src) * 0.6f + r3.run(src) * 0.25f;
      float e = std::min(1.0f, u / 0.12f) * std::min(1.0f, (1 - u) / 0.2f);
      if (s.cons == 'r' && u < 0.1f) e *= 0.4f + u * 6;
      b.s[s0 + i] += y * amp * 3.0f * e * s.amp;
    }
    cf1 = f1, cf2 = f2, cf3 = f3;
    t += s.len;
  }
}

// ---- Finishing ----
Buf finish(Buf b, float peak = 0.85f) {
  if (b.s.empty()) b.s.assign(kRate / 10, 0);
  // a little room: one soft echo makes the dry synth friendlier
  std::size_t d = at(0.045f);
  Buf out;
  out.s.assign(b.s.size() + d, 0);
  for (std::size_t i = 0; i < b.s.size(); i++) out.s[i] += b.s[i], out.s[i + d] += b.s[i] * 0.18f;
  // even loudness: aim at one RMS level, never past the peak limit
  float m = 0, e = 0;
  for (float v : out.s) m = std::max(m, std::fabs(v)), e += v * v;
  float rms = std::sqrt(e / float(out.s.size()));
  float k = m > 0 ? std::min(peak / m, rms > 0 ? 0.2f / rms : 1e9f) : 0;
  for (float& v : out.s) v *= k;
  // fade the very ends so nothing clicks
  std::size_t f = std::min<std::size_t>(at(0.004f), out.s.size() / 2);
  for (std::size_t i = 0; i < f; i++) {
    float g = float(i) / float(f);
    out.s[i] *= g;
    out.s[out.s.size() - 1 - i] *= g;
  }
  return out;
}

// Note numbers to frequency.
float mf(float note) {
  return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

// An arpeggio of bell-ish plucks.
void arp(Buf& b, float t0, float step, std::initializer_list<float> notes, float amp, Wave w = TRI,
         float len = 0.25f) {
  float t = t0;
  for (float n : notes) {
    tone(b, t, len, mf(n), mf(n), amp, w, 0.003f, len / 3);
    tone(b, t, len, mf(n + 12), mf(n + 12), amp * 0.25f, SINE, 0.003f, len / 4);
    t += step;
  }
}

// Speakers' base pitches.
constexpr float kGirl = 330, kGirlLow = 260, kBoy = 220, kOwner = 125, kOld = 110;

using Maker = std::function<Buf()>;

std::map<std::string, Maker> recipes() {
  std::map<std::string, Maker> m;
  auto blip = [](float f0, float f1, float len, Wave w, float amp = 0.6f) {
    Buf b;
    tone(b, 0, len, f0, f1, amp, w, 0.002f, len / 2.5f);
    return b;
  };
  // --- interface ---
  m["1.wav"] = [=] { return blip(880, 880, 0.06f, SINE); };
  m["3.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.05f, 1400, 1100, 0.5f, TRI, 0.001f, 0.02f);
    return b;
  };
  m["4.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.09f, 900, 600, 0.5f, TRI, 0.002f, 0.04f);
    tone(b, 0.07f, 0.1f, 600, 450, 0.4f, TRI, 0.002f, 0.04f);
    return b;
  };
  m["key.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.035f, 2600, 2600, 0.35f, SINE, 0.001f, 0.01f);
    return b;
  };
  m["key2.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.05f, 1760, 1760, 0.4f, SINE, 0.001f, 0.015f);
    tone(b, 0.03f, 0.05f, 2350, 2350, 0.3f, SINE, 0.001f, 0.015f);
    return b;
  };
  m["pi.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.08f, 1318, 1318, 0.45f, SQUARE, 0.002f, 0.04f);
    tone(b, 0, 0.08f, 2637, 2637, 0.15f, SINE, 0.002f, 0.03f);
    return b;
  };
  m["moji.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.022f, 3100, 2900, 0.3f, SQUARE, 0.0005f, 0.006f);
    noise(b, 0, 0.012f, 0.15f, 0.8f, 0.4f, 0.0005f, 0.003f, 7);
    return b;
  };
  m["shift.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.14f, 500, 1600, 0.4f, TRI, 0.003f, 0.1f);
    swish(b, 0, 0.14f, 0.3f, 0.1f, 0.6f, 3);
    return b;
  };
  m["back.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.16f, 1200, 500, 0.45f, TRI, 0.003f, 0.08f);
    return b;
  };
  m["box.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {72, 76, 79}, 0.4f);
    thump(b, 0, 180, 0.3f, 11);
    return b;
  };
  m["point.wav"] = [=] {
    Buf b;
    thump(b, 0, 300, 0.5f, 5);
    tone(b, 0.005f, 0.1f, 1800, 1200, 0.25f, SINE, 0.001f, 0.03f);
    return b;
  };
  m["set.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.08f, 1568, 1568, 0.35f, TRI, 0.001f, 0.03f);
    thump(b, 0, 400, 0.25f, 13);
    return b;
  };
  m["katan.wav"] = [=] {
    Buf b;
    thump(b, 0, 220, 0.7f, 17);
    thump(b, 0.11f, 160, 0.6f, 19);
    noise(b, 0.11f, 0.08f, 0.2f, 0.6f, 0.1f, 0.001f, 0.02f, 21);
    return b;
  };
  m["pen.wav"] = [=] {
    Buf b;
    swish(b, 0, 0.25f, 0.5f, 0.5f, 0.9f, 23);
    swish(b, 0.22f, 0.18f, 0.4f, 0.6f, 0.9f, 24);
    return b;
  };
  m["draw.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 4; i++)
      swish(b, 0.11f * float(i), 0.12f, 0.45f, 0.5f, 0.95f, 30u + unsigned(i));
    tone(b, 0.45f, 0.12f, 1568, 1568, 0.3f, TRI, 0.002f, 0.05f);
    return b;
  };
  // --- wrapping: paper and boxes ---
  auto paper = [](std::uint32_t seed, float len, float lp) {
    Buf b;
    Rng r(seed);
    for (int i = 0; i < 6; i++)
      swish(b, float(i) * len / 7, len / 4 + r.range(0, len / 8), 0.5f, lp * r.range(0.5f, 1), lp,
            seed + unsigned(i));
    return b;
  };
  m["paper.wav"] = [=] { return paper(41, 0.5f, 0.7f); };
  m["paper2.wav"] = [=] {
    Buf b = paper(43, 0.3f, 0.8f);
    tone(b, 0.25f, 0.1f, 1760, 2093, 0.2f, SINE, 0.002f, 0.05f);
    return b;
  };
  m["small.wav"] = [=] { return paper(51, 0.22f, 0.85f); };
  m["small2.wav"] = [=] {
    Buf b = paper(52, 0.15f, 0.9f);
    tone(b, 0.14f, 0.07f, 2093, 2093, 0.25f, SINE, 0.001f, 0.03f);
    return b;
  };
  m["white0.wav"] = [=] { return paper(53, 0.3f, 0.75f); };
  m["white.wav"] = [=] {
    Buf b = paper(54, 0.2f, 0.8f);
    thump(b, 0.19f, 500, 0.2f, 55);
    return b;
  };
  m["mis.wav"] = [=] { return paper(56, 0.4f, 0.6f); };
  m["mis2.wav"] = [=] {
    Buf b = paper(57, 0.25f, 0.65f);
    thump(b, 0.24f, 300, 0.3f, 58);
    return b;
  };
  m["don.wav"] = [=] {
    Buf b = paper(59, 0.45f, 0.45f);
    thump(b, 0, 90, 0.6f, 60);
    return b;
  };
  m["big.wav"] = [=] {
    Buf b = paper(61, 0.35f, 0.5f);
    thump(b, 0.3f, 110, 0.5f, 62);
    return b;
  };
  m["dan.wav"] = [=] {
    Buf b;
    thump(b, 0, 140, 0.7f, 63);
    noise(b, 0, 0.12f, 0.2f, 0.3f, 0.05f, 0.001f, 0.04f, 64);
    return b;
  };
  m["hako2.wav"] = [=] {
    Buf b;
    thump(b, 0, 180, 0.6f, 65);
    thump(b, 0.09f, 240, 0.5f, 66);
    return b;
  };
  m["hako3.wav"] = [=] {
    Buf b;
    thump(b, 0, 100, 0.7f, 67);
    noise(b, 0.01f, 0.2f, 0.15f, 0.2f, 0.05f, 0.001f, 0.06f, 68);
    return b;
  };
  m["hako4.wav"] = [=] {
    Buf b;
    thump(b, 0, 120, 0.6f, 69);
    thump(b, 0.12f, 160, 0.6f, 70);
    tone(b, 0.2f, 0.12f, 1320, 1320, 0.15f, SINE, 0.002f, 0.04f);
    return b;
  };
  m["tesage.wav"] = [=] {
    Buf b = paper(71, 0.3f, 0.55f);
    swish(b, 0.2f, 0.2f, 0.3f, 0.2f, 0.5f, 72);
    return b;
  };
  m["tesage2.wav"] = [=] {
    Buf b = paper(73, 0.2f, 0.6f);
    tone(b, 0.18f, 0.12f, 1046, 1568, 0.25f, TRI, 0.002f, 0.06f);
    return b;
  };
  m["kami.wav"] = [=] { return paper(74, 0.35f, 0.95f); };
  m["kami2.wav"] = [=] {
    Buf b = paper(75, 0.25f, 0.95f);
    swish(b, 0.2f, 0.15f, 0.4f, 0.9f, 0.6f, 76);
    return b;
  };
  m["s_hako0.wav"] = [=] {
    Buf b;
    thump(b, 0, 200, 0.5f, 77);
    arp(b, 0.05f, 0.05f, {84, 88, 91}, 0.3f, SINE);
    return b;
  };
  m["s_hako1.wav"] = [=] {
    Buf b;
    thump(b, 0, 220, 0.5f, 78);
    arp(b, 0.05f, 0.06f, {88, 91, 96}, 0.3f, SINE);
    return b;
  };
  m["s_fukuro0.wav"] = [=] {
    Buf b = paper(79, 0.25f, 0.8f);
    arp(b, 0.15f, 0.05f, {79, 84, 88}, 0.25f, SINE);
    return b;
  };
  m["s_fukuro1.wav"] = [=] {
    Buf b = paper(80, 0.2f, 0.8f);
    arp(b, 0.12f, 0.05f, {84, 88, 91, 96}, 0.25f, SINE);
    return b;
  };
  m["ex_fukuro.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.05f, {84, 88, 91, 96, 100}, 0.35f, SINE, 0.3f);
    return b;
  };
  m["sealwa.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'e', 0.12f, 1.2f, 1.3f, 1, 's'},
           {'i', 0.1f, 1.3f, 1.35f},
           {'u', 0.1f, 1.3f, 1.2f, 1, 'r'},
           {'a', 0.22f, 1.3f, 1.5f, 1, 'h'}},
          0.6f, 81);
    return b;
  };
  // --- money and rewards ---
  m["coin.wav"] = [=] {
    Buf b;
    bell(b, 0, 1975, 0.35f, 0.3f);
    bell(b, 0.07f, 2637, 0.35f, 0.45f);
    return b;
  };
  m["buy.wav"] = [=] {
    Buf b;
    bell(b, 0, 1568, 0.3f, 0.25f);
    bell(b, 0.06f, 1975, 0.3f, 0.25f);
    thump(b, 0.12f, 200, 0.3f, 82);
    bell(b, 0.14f, 2637, 0.3f, 0.4f);
    return b;
  };
  m["item.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.07f, {76, 79, 84, 88}, 0.4f, TRI, 0.3f);
    return b;
  };
  m["kira.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 8; i++)
      bell(b, 0.05f * float(i), mf(88.0f + float((i * 5) % 12)), 0.2f, 0.35f);
    return b;
  };
  m["exp.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.2f, 600, 1500, 0.4f, TRI, 0.003f, 0.15f);
    bell(b, 0.15f, 1760, 0.25f, 0.3f);
    return b;
  };
  m["up2.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {79, 83, 86}, 0.4f, SQUARE, 0.15f);
    return b;
  };
  m["love4.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {77, 81, 84, 89}, 0.35f, TRI, 0.3f);
    bell(b, 0.32f, mf(93), 0.2f, 0.4f);
    return b;
  };
  m["great.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {72, 76, 79, 84, 88, 91}, 0.35f, SQUARE, 0.2f);
    bell(b, 0.36f, mf(96), 0.3f, 0.5f);
    return b;
  };
  m["suki.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'u', 0.12f, 1.3f, 1.4f, 1, 's'}, {'i', 0.28f, 1.5f, 1.8f, 1, 'k'}}, 0.6f,
          83);
    arp(b, 0.3f, 0.06f, {84, 88, 91}, 0.2f, SINE);
    return b;
  };
  m["combo3.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.05f, {72, 76, 79, 84}, 0.4f, SQUARE, 0.15f);
    return b;
  };
  m["combo4.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.05f, {74, 78, 81, 86, 90}, 0.4f, SQUARE, 0.15f);
    return b;
  };
  m["combo5.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.045f, {76, 80, 83, 88, 92, 95}, 0.4f, SQUARE, 0.15f);
    noise(b, 0.2f, 0.4f, 0.15f, 0.9f, 0.5f, 0.01f, 0.15f, 84);
    return b;
  };
  m["combo6.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.04f, {77, 81, 84, 89, 93, 96, 101}, 0.4f, SQUARE, 0.15f);
    noise(b, 0.15f, 0.6f, 0.3f, 0.5f, 0.02f, 0.005f, 0.2f, 85);
    tone(b, 0.15f, 0.5f, 80, 50, 0.4f, SINE, 0.005f, 0.2f);
    return b;
  };
  m["lvup.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {67.f, 67.f, 67.f, 72.f}) {
      tone(b, t, 0.13f, mf(n), mf(n), 0.35f, SQUARE, 0.003f, 0.1f);
      t += 0.12f;
    }
    tone(b, t, 0.6f, mf(76), mf(76), 0.35f, SQUARE, 0.005f, 0.4f);
    tone(b, t, 0.6f, mf(72), mf(72), 0.25f, TRI, 0.005f, 0.4f);
    tone(b, t, 0.6f, mf(48), mf(48), 0.3f, TRI, 0.005f, 0.4f);
    return b;
  };
  m["cong.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {72.f, 76.f, 79.f, 84.f, 79.f, 84.f}) {
      tone(b, t, 0.16f, mf(n), mf(n), 0.3f, SQUARE, 0.003f, 0.12f);
      t += 0.12f;
    }
    bell(b, t, mf(88), 0.35f, 0.8f);
    for (float n : {60.f, 64.f, 67.f}) tone(b, t, 0.8f, mf(n), mf(n), 0.15f, TRI, 0.01f, 0.5f);
    return b;
  };
  m["takara.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {79, 78, 79, 84, 88}, 0.35f, TRI, 0.3f);
    bell(b, 0.4f, mf(91), 0.3f, 0.6f);
    return b;
  };
  m["tirasi.wav"] = [=] {
    Buf b = paper(86, 0.3f, 0.8f);
    arp(b, 0.25f, 0.07f, {72, 77, 81, 84}, 0.35f, TRI, 0.25f);
    return b;
  };
  m["save.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.09f, {72, 79, 84}, 0.35f, SINE, 0.5f);
    bell(b, 0.27f, mf(88), 0.3f, 0.8f);
    return b;
  };
  m["gun.wav"] = [=] {
    Buf b;
    noise(b, 0, 0.35f, 0.9f, 0.6f, 0.02f, 0.0005f, 0.07f, 87);
    tone(b, 0, 0.25f, 160, 50, 0.6f, SINE, 0.001f, 0.07f);
    return b;
  };
  m["hit.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.12f, 1200, 1700, 0.35f, SQUARE, 0.002f, 0.06f);
    tone(b, 0.13f, 0.12f, 1300, 1800, 0.35f, SQUARE, 0.002f, 0.06f);
    return b;
  };
  // --- start screens ---
  m["start.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.07f, {72, 76, 79, 84, 88}, 0.35f, TRI, 0.4f);
    return b;
  };
  m["start2.wav"] = [=] {
    Buf b;
    bell(b, 0, mf(84), 0.35f, 0.7f);
    bell(b, 0.12f, mf(91), 0.3f, 0.8f);
    return b;
  };
  m["start3.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {67, 72, 76, 79}, 0.35f, SQUARE, 0.2f);
    tone(b, 0.32f, 0.4f, mf(84), mf(84), 0.3f, SQUARE, 0.005f, 0.25f);
    return b;
  };
  // --- bad news ---
  m["no.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.16f, 196, 196, 0.5f, SQUARE, 0.002f, 1e9f);
    tone(b, 0.18f, 0.26f, 147, 147, 0.5f, SQUARE, 0.002f, 1e9f);
    return b;
  };
  m["down.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.35f, 700, 200, 0.45f, TRI, 0.003f, 0.25f);
    return b;
  };
  m["bad.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 3; i++)
      tone(b, 0.18f * float(i), 0.2f, mf(60.0f - 3.0f * float(i)), mf(59.0f - 3.0f * float(i)),
           0.4f, SAW, 0.005f, 0.15f);
    return b;
  };
  m["gameover.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {67.f, 66.f, 65.f, 64.f}) {
      tone(b, t, 0.3f, mf(n), mf(n), 0.35f, SAW, 0.005f, 0.25f);
      t += 0.28f;
    }
    tone(b, t, 1.0f, mf(52), mf(50), 0.4f, SAW, 0.01f, 0.5f);
    return b;
  };
  // --- the day and the night ---
  m["night.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 5; i++)
      bell(b, 0.16f * float(i), mf(std::vector<float>{84, 81, 77, 76, 72}[std::size_t(i)]), 0.2f,
           0.6f);
    return b;
  };
  m["koke.wav"] = [=] {
    Buf b;  // cock-a-doodle-doo
    float t = 0;
    for (auto [len, f0, f1] : std::vector<std::tuple<float, float, float>>{
             {0.1f, 700, 800}, {0.1f, 800, 900}, {0.12f, 900, 1000}, {0.45f, 1000, 700}}) {
      tone(b, t, len, f0, f1, 0.35f, SAW, 0.01f, 1e9f, 0.02f);
      tone(b, t, len, f0 * 2, f1 * 2, 0.12f, SINE, 0.01f, 1e9f, 0.02f);
      t += len + 0.02f;
    }
    return b;
  };
  m["milk.wav"] = [=] {
    Buf b;
    bell(b, 0, 1046, 0.2f, 0.3f);
    tone(b, 0.1f, 0.3f, 1200, 1200, 0.1f, SINE);
    for (int i = 0; i < 2; i++) {
      tone(b, 0.1f + 0.18f * float(i), 0.12f, 2000, 2000, 0.2f, SQUARE, 0.002f, 0.05f);
    }
    return b;
  };
  m["oha.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'o', 0.1f, 1.2f, 1.3f},
           {'a', 0.12f, 1.3f, 1.35f, 1, 'h'},
           {'o', 0.3f, 1.35f, 1.1f, 1, 'h'}},
          0.6f, 88);
    bell(b, 0.45f, mf(84), 0.15f, 0.4f);
    return b;
  };
  m["wolf.wav"] = [=] {
    Buf b;
    tone(b, 0, 1.6f, 380, 560, 0.35f, SAW, 0.3f, 1e9f, 0.01f);
    tone(b, 0, 1.6f, 380, 560, 0.35f, SINE, 0.3f, 1e9f, 0.01f);
    noise(b, 0, 1.6f, 0.05f, 0.2f, 0.05f, 0.3f, 1.0f, 89);
    return b;
  };
  m["dorobou.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 4; i++)
      tone(b, 0.12f * float(i), 0.1f, mf(i % 2 ? 58 : 61), mf(i % 2 ? 58 : 61), 0.35f, TRI, 0.01f,
           0.06f);
    tone(b, 0.5f, 0.3f, mf(54), mf(54), 0.3f, TRI, 0.01f, 0.2f);
    return b;
  };
  m["kaminari.wav"] = [=] {
    Buf b;
    noise(b, 0, 1.6f, 1.0f, 0.08f, 0.003f, 0.003f, 0.5f, 90);
    noise(b, 0, 0.2f, 0.6f, 0.7f, 0.1f, 0.001f, 0.05f, 91);
    noise(b, 0.3f, 1.2f, 0.6f, 0.05f, 0.002f, 0.1f, 0.4f, 92);
    return b;
  };
  m["door.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.5f, 300, 420, 0.12f, SAW, 0.05f, 1e9f, 0.03f);
    thump(b, 0.5f, 90, 0.6f, 93);
    return b;
  };
  m["nock.wav"] = [=] {
    Buf b;
    thump(b, 0, 160, 0.7f, 94);
    thump(b, 0.16f, 160, 0.7f, 95);
    thump(b, 0.5f, 160, 0.7f, 96);
    thump(b, 0.66f, 160, 0.7f, 97);
    return b;
  };
  m["ran.wav"] = [=] {
    Buf b;
    speak(b, 0, kOld, {{'o', 0.25f, 1.0f, 0.95f, 1, 'h'}, {'o', 0.35f, 0.95f, 0.85f, 1}}, 0.6f, 98,
          0.25f);
    return b;
  };
  m["nene.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'e', 0.13f, 1.3f, 1.4f},
           {'e', 0.2f, 1.4f, 1.6f},
           {' ', 0.06f, 1, 1},
           {'e', 0.13f, 1.3f, 1.4f},
           {'e', 0.22f, 1.4f, 1.7f}},
          0.6f, 99);
    return b;
  };
  m["kimi.wav"] = [=] {
    Buf b;  // a little sung phrase
    float t = 0;
    const float mel[] = {76, 79, 81, 79, 76, 72, 74, 76};
    const char vow[] = {'a', 'a', 'i', 'o', 'a', 'u', 'e', 'a'};
    for (int i = 0; i < 8; i++) {
      float p = mf(mel[i]) / kGirl;
      speak(b, t, kGirl, {{vow[i], 0.2f, p, p, 1}}, 0.5f, 100u + unsigned(i), 0.05f);
      t += 0.21f;
    }
    return b;
  };
  // --- the owner (a gruff man) ---
  m["fun.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner, {{'u', 0.1f, 1.1f, 1.1f, 1, 'h'}, {'n', 0.3f, 1.1f, 0.85f}}, 0.7f, 101,
          0.2f);
    return b;
  };
  m["aha.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner,
          {{'a', 0.12f, 1.2f, 1.3f},
           {'a', 0.12f, 1.3f, 1.1f, 1, 'h'},
           {'a', 0.12f, 1.2f, 1.25f, 1, 'h'},
           {'a', 0.18f, 1.25f, 1.0f, 1, 'h'}},
          0.7f, 102);
    return b;
  };
  m["eto.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner, {{'e', 0.14f, 1.0f, 1.05f}, {'o', 0.35f, 1.05f, 0.95f, 1, 't'}}, 0.7f, 103);
    return b;
  };
  m["kora.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner, {{'o', 0.12f, 1.4f, 1.6f, 1, 'k'}, {'a', 0.4f, 1.7f, 1.3f, 1.2f, 'r'}},
          0.8f, 104);
    return b;
  };
  m["yosi.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner, {{'o', 0.12f, 1.2f, 1.3f}, {'i', 0.25f, 1.4f, 1.5f, 1, 's'}}, 0.7f, 105);
    return b;
  };
  m["aa.wav"] = [=] {
    Buf b;
    speak(b, 0, kOwner, {{'a', 0.7f, 1.1f, 0.8f, 1, 'h'}}, 0.6f, 106, 0.25f);
    return b;
  };
  // --- customers' spoken reactions ---
  auto cry = [](std::uint32_t seed, float base, int sobs, float wobble) {
    Buf b;
    float t = 0;
    Rng r(seed);
    for (int i = 0; i < sobs; i++) {
      float len = r.range(0.16f, 0.3f);
      float p0 = r.range(1.5f, 1.7f);
      speak(b, t, base, {{i % 2 ? 'e' : 'u', len, p0, p0 - wobble, 1, char(i ? 'h' : 0)}}, 0.6f,
            seed + unsigned(i), 0.2f);
      t += len + r.range(0.03f, 0.08f);
    }
    return b;
  };
  m["naki.wav"] = [=] { return cry(110, kGirl, 3, 0.5f); };
  m["naki2.wav"] = [=] { return cry(111, kGirl * 1.1f, 4, 0.6f); };
  m["naki3.wav"] = [=] { return cry(112, kGirlLow, 3, 0.4f); };
  m["naki4.wav"] = [=] {
    Buf b = cry(113, kBoy * 1.2f, 2, 0.5f);
    return b;
  };
  m["kangae.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow,
          {{'u', 0.25f, 1.0f, 1.0f}, {'u', 0.25f, 1.0f, 1.15f}, {'n', 0.35f, 1.15f, 0.9f}}, 0.6f,
          114);
    return b;
  };
  m["iranai.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'i', 0.1f, 1.3f, 1.3f},
           {'a', 0.1f, 1.3f, 1.2f, 1, 'r'},
           {'a', 0.1f, 1.2f, 1.1f},
           {'i', 0.2f, 1.1f, 0.9f}},
          0.6f, 115);
    return b;
  };
  m["konna.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow,
          {{'o', 0.12f, 1.2f, 1.2f, 1, 'k'}, {'n', 0.08f, 1.2f, 1.15f}, {'a', 0.3f, 1.15f, 0.85f}},
          0.6f, 116);
    return b;
  };
  m["dasai.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'a', 0.12f, 1.1f, 1.1f, 1, 't'},
           {'a', 0.1f, 1.1f, 1.0f, 1, 's'},
           {'i', 0.25f, 1.0f, 0.75f}},
          0.6f, 117);
    return b;
  };
  m["oe.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow, {{'o', 0.15f, 0.9f, 0.8f}, {'e', 0.4f, 0.8f, 0.6f}}, 0.6f, 118, 0.35f);
    return b;
  };
  m["kirai.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'i', 0.1f, 1.3f, 1.25f, 1, 'k'},
           {'a', 0.12f, 1.25f, 1.1f, 1, 'r'},
           {'i', 0.22f, 1.1f, 0.8f}},
          0.65f, 119);
    return b;
  };
  m["e.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'e', 0.4f, 1.0f, 1.6f}}, 0.65f, 120);
    return b;
  };
  m["ii.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'i', 0.15f, 1.2f, 1.0f}, {'i', 0.3f, 1.0f, 1.4f}}, 0.6f, 121);
    return b;
  };
  m["mu.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow, {{'n', 0.18f, 1.0f, 0.95f}, {'u', 0.3f, 0.95f, 0.8f}}, 0.6f, 122);
    return b;
  };
  m["funn.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'u', 0.1f, 1.2f, 1.3f, 1, 'h'}, {'n', 0.3f, 1.3f, 1.0f}}, 0.65f, 123);
    return b;
  };
  m["are.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'a', 0.12f, 1.0f, 1.1f}, {'e', 0.28f, 1.1f, 1.45f, 1, 'r'}}, 0.6f, 124);
    return b;
  };
  m["a-a.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'a', 0.2f, 1.2f, 1.2f}, {'a', 0.45f, 1.2f, 0.85f, 1, 'h'}}, 0.6f, 125,
          0.2f);
    return b;
  };
  m["naizo.wav"] = [=] {
    Buf b;
    speak(b, 0, kBoy,
          {{'a', 0.1f, 1.1f, 1.1f}, {'i', 0.1f, 1.1f, 1.0f}, {'o', 0.25f, 1.0f, 0.8f, 1, 's'}},
          0.6f, 127);
    return b;
  };
  m["naino.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl,
          {{'a', 0.1f, 1.2f, 1.2f}, {'i', 0.1f, 1.2f, 1.15f}, {'o', 0.3f, 1.15f, 1.45f}}, 0.6f,
          128);
    return b;
  };
  m["nainoka.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow,
          {{'a', 0.1f, 1.1f, 1.1f},
           {'i', 0.09f, 1.1f, 1.05f},
           {'o', 0.1f, 1.05f, 1.0f},
           {'a', 0.28f, 1.0f, 0.8f, 1, 'k'}},
          0.6f, 129);
    return b;
  };
  m["yame.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow, {{'a', 0.12f, 1.1f, 1.1f}, {'e', 0.3f, 1.1f, 0.85f}}, 0.6f, 130);
    return b;
  };
  m["haa.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'a', 0.6f, 1.1f, 0.75f, 1, 'h'}}, 0.6f, 131, 0.4f);
    return b;
  };
  m["mo.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'o', 0.35f, 1.5f, 1.2f}}, 0.65f, 132);
    return b;
  };
  m["choto.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {{'o', 0.1f, 1.3f, 1.35f, 1, 't'}, {'o', 0.25f, 1.35f, 1.6f, 1, 't'}}, 0.65f,
          133);
    return b;
  };
  m["choto2.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirlLow, {{'o', 0.1f, 1.2f, 1.2f, 1, 't'}, {'o', 0.3f, 1.2f, 1.0f, 1, 't'}}, 0.65f,
          134);
    return b;
  };
  return m;
}

}  // namespace

Bytes encode_wav_16(const std::vector<float>& samples, int rate) {
  Bytes out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; i++) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  auto tag = [&](const char* four) {
    for (int i = 0; i < 4; i++) out.push_back(std::uint8_t(four[i]));
  };
  std::uint32_t data = std::uint32_t(samples.size() * 2);
  out.reserve(44 + data);
  tag("RIFF");
  u32(36 + data);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(std::uint32_t(rate));
  u32(std::uint32_t(rate * 2));
  u16(2);
  u16(16);
  tag("data");
  u32(data);
  for (float v : samples) {
    int q = int(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
    u16(std::uint16_t(std::int16_t(q)));
  }
  return out;
}

std::string wave_kind(const std::string& name) {
  static const std::map<std::string, std::string> kinds = [] {
    std::map<std::string, std::string> k;
    auto put = [&](const char* kind, std::initializer_list<const char*> names) {
      for (const char* n : names) k[n] = kind;
    };
    put("ui", {"1.wav", "3.wav", "4.wav", "key.wav", "key2.wav", "pi.wav", "moji.wav", "shift.wav",
               "back.wav", "box.wav", "point.wav"});
    put("wrap",
        {"paper.wav",   "paper2.wav",  "small.wav",     "small2.wav",    "white0.wav", "white.wav",
         "mis.wav",     "mis2.wav",    "don.wav",       "big.wav",       "dan.wav",    "hako2.wav",
         "hako3.wav",   "hako4.wav",   "tesage.wav",    "tesage2.wav",   "kami.wav",   "kami2.wav",
         "s_hako0.wav", "s_hako1.wav", "s_fukuro0.wav", "s_fukuro1.wav", "set.wav",    "katan.wav",
         "pen.wav",     "draw.wav"});
    put("reward", {"coin.wav", "buy.wav", "item.wav", "kira.wav", "exp.wav", "up2.wav", "love4.wav",
                   "great.wav", "lvup.wav", "cong.wav", "takara.wav", "tirasi.wav", "save.wav",
                   "ex_fukuro.wav", "start.wav", "start2.wav", "start3.wav", "hit.wav"});
    put("fanfare", {"combo3.wav", "combo4.wav", "combo5.wav", "combo6.wav"});
    put("bad", {"no.wav", "down.wav", "bad.wav", "gameover.wav"});
    put("event", {"night.wav", "koke.wav", "milk.wav", "wolf.wav", "dorobou.wav", "kaminari.wav",
                  "door.wav", "nock.wav", "gun.wav"});
    put("owner", {"fun.wav", "aha.wav", "eto.wav", "kora.wav", "yosi.wav", "aa.wav"});
    return k;
  }();
  auto it = kinds.find(name);
  return it != kinds.end() ? it->second : "voice";
}

std::vector<std::string> wave_names() {
  std::vector<std::string> v;
  for (auto& [name, fn] : recipes()) v.push_back(name);
  return v;
}

Bytes make_wave(const std::string& name) {
  static const auto table = recipes();
  auto it = table.find(name);
  if (it == table.end()) return {};
  Buf b = finish(it->second());
  return encode_wav_16(b.s, kRate);
}

}  // namespace ag
