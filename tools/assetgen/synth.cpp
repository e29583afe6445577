#include "synth.h"

#include <algorithm>
#include <cmath>

#include "measure.h"
#include "paint.h"

namespace ag::snd {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Harmonics fade out between these shares of the rate, well under the Nyquist frequency.
constexpr double kTopFrom = 0.36, kTop = 0.45;

double harmonic_fade(double hz) {
  return std::clamp((kTop * kRate - hz) / ((kTop - kTopFrom) * kRate), 0.0, 1.0);
}

// One sample of the waveform at phase `ph` (cycles) and frequency `f`: a sum of its harmonics,
// sin(k th) by the Chebyshev recurrence.
double osc(Wave w, double ph, double f) {
  const double th = 2 * kPi * ph;
  if (w == SINE) return std::sin(th) * harmonic_fade(f);
  const int top = int(kTop * kRate / f);
  const double c2 = 2 * std::cos(th);
  double prev = 0, cur = std::sin(th), sum = 0;
  for (int k = 1; k <= top; k++) {
    double coef = 0;
    switch (w) {
      case SAW:
        coef = (k % 2 ? 1.0 : -1.0) / k * (2 / kPi) * 0.7;
        break;
      case SQUARE:
        coef = k % 2 ? 4 / (kPi * k) * 0.7 : 0;
        break;
      case TRI:
        coef = k % 2 ? 8 / (kPi * kPi) / (double(k) * k) * ((k / 2) % 2 ? -1 : 1) : 0;
        break;
      case SINE:
        break;
    }
    sum += coef * harmonic_fade(k * f) * cur;
    const double next = c2 * cur - prev;
    prev = cur, cur = next;
  }
  return sum;
}

}  // namespace

float env(float t, float a, float d, float len) {
  if (t < 0 || t > len) return 0;
  float e = a > 0 && t < a ? t / a : std::exp(-(t - a) / d);
  float rel = std::min(1.0f, (len - t) / 0.006f);
  return e * rel;
}

void tone(Buf& b, float t0, float len, float f0, float f1, float amp, Wave w, float a, float d,
          float vib) {
  const std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  double ph = 0;
  for (std::size_t i = 0; i < n; i++) {
    const float t = float(i) / kRate;
    double f = f0 * std::pow(double(f1) / f0, double(t / len));
    if (vib > 0) f *= 1 + vib * std::sin(t * kTau * 6.0f);
    ph += f / kRate;
    ph -= std::floor(ph);
    const float e = env(t, a, d, len);
    if (e > 0) b.s[s0 + i] += float(osc(w, ph, f)) * amp * e;
  }
}

void bell(Buf& b, float t0, float f, float amp, float len) {
  const float ratio[] = {1, 2.01f, 2.76f, 4.07f, 5.43f};
  const float gain[] = {1, 0.45f, 0.3f, 0.16f, 0.08f};
  for (int k = 0; k < 5; k++)
    tone(b, t0, len, f * ratio[k], f * ratio[k], amp * gain[k], SINE, 0.002f,
         len / (1.5f + float(k)));
}

void noise(Buf& b, float t0, float len, float amp, float lp, float hp, float a, float d,
           std::uint32_t seed) {
  Rng r(seed);
  const std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  float y = 0, low = 0;
  for (std::size_t i = 0; i < n; i++) {
    const float t = float(i) / kRate;
    y += (r.unit() * 2 - 1 - y) * lp;
    low += (y - low) * hp;
    b.s[s0 + i] += (y - low) * amp * env(t, a, d, len);
  }
}

void band_noise(Buf& b, float t0, float len, float amp, float hz, float q, float a, float d,
                std::uint32_t seed) {
  Rng r(seed);
  const std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  // a band-pass with 0 dB at its centre
  const double w0 = 2 * kPi * hz / kRate, al = std::sin(w0) / (2 * q), a0 = 1 + al;
  const double b0 = al / a0, b2 = -al / a0, a1 = -2 * std::cos(w0) / a0, a2 = (1 - al) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (std::size_t i = 0; i < n; i++) {
    const double x = r.unit() * 2 - 1;
    const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    b.s[s0 + i] += float(y) * amp * env(float(i) / kRate, a, d, len);
  }
}

void swish(Buf& b, float t0, float len, float amp, float lp0, float lp1, std::uint32_t seed) {
  Rng r(seed);
  const std::size_t s0 = at(t0), n = at(len);
  b.ensure(s0 + n + 1);
  float y = 0, low = 0;
  for (std::size_t i = 0; i < n; i++) {
    const float t = float(i) / kRate, u = t / len;
    const float lp = lp0 + (lp1 - lp0) * u;
    y += (r.unit() * 2 - 1 - y) * lp;
    low += (y - low) * 0.02f;
    const float e = std::sin(u * 3.14159f);
    b.s[s0 + i] += (y - low) * amp * e * e;
  }
}

void thump(Buf& b, float t0, float f, float amp, std::uint32_t seed) {
  tone(b, t0, 0.16f, f * 1.6f, f, amp, SINE, 0.001f, 0.045f);
  // the body's knock, where small speakers can play it, and the contact's click
  band_noise(b, t0, 0.1f, amp * 5, std::max(380.0f, f * 3.2f), 4, 0.0005f, 0.028f, seed + 7);
  tone(b, t0, 0.08f, f * 2.7f, f * 2.4f, amp * 0.3f, SINE, 0.001f, 0.025f);
  noise(b, t0, 0.03f, amp * 0.5f, 0.5f, 0.05f, 0.0005f, 0.008f, seed);
}

float mf(float note) {
  return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

namespace {

// Keeps every sample within `cap`: the gain needed at each peak, taken over the 3 ms around it
// (so the gain is down before the peak comes), smoothed, and let back up over 40 ms.
void limit(std::vector<float>& s, float cap) {
  const std::size_t n = s.size(), w = std::size_t(0.003 * kRate);
  std::vector<float> need(n), low(n), g(n);
  for (std::size_t i = 0; i < n; i++) {
    const float a = std::fabs(s[i]);
    need[i] = a > cap ? cap / a : 1.0f;
  }
  for (std::size_t i = 0; i < n; i++) {
    float m = 1;
    for (std::size_t j = i > w ? i - w : 0; j < std::min(n, i + w + 1); j++)
      m = std::min(m, need[j]);
    low[i] = m;
  }
  const float up = 1 - std::exp(-1.0f / (0.04f * kRate));
  float last = 1;
  for (std::size_t i = 0; i < n; i++) {
    float sum = 0;
    std::size_t cnt = 0;
    for (std::size_t j = i > w ? i - w : 0; j < std::min(n, i + w + 1); j++) sum += low[j], cnt++;
    last = std::min(sum / float(cnt), last + (1 - last) * up);
    g[i] = last;
  }
  for (std::size_t i = 0; i < n; i++) s[i] = std::clamp(s[i] * g[i], -cap, cap);
}

}  // namespace

std::vector<float> finish(Buf b, Level level, bool room) {
  if (b.s.empty()) b.s.assign(kRate / 10, 0);
  std::vector<float> out;
  if (room) {
    // one soft echo: a little room makes the dry synth friendlier
    const std::size_t d = at(0.045f);
    out.assign(b.s.size() + d, 0);
    for (std::size_t i = 0; i < b.s.size(); i++) out[i] += b.s[i], out[i + d] += b.s[i] * 0.18f;
  } else {
    out = std::move(b.s);
  }
  // the level: to the loudness asked for, peaks held by the limiter (in rounds, as limiting
  // takes a little loudness away)
  for (int round = 0; round < 8; round++) {
    Sound w{kRate, out};
    const double now = loudness_db(w);
    if (now < -150 || std::fabs(now - level.loudness) < 0.1) break;
    const float k = float(std::pow(10.0, (level.loudness - now) / 20));
    for (float& v : out) v *= k;
    limit(out, level.peak);
  }
  limit(out, level.peak);  // a sound that was at its loudness from the start
  // a gate: whatever stays under the 8-bit step for 10 ms is made silent (over 3 ms ramps), so
  // tails and pauses end in silence, not in a one-step buzz
  const float floor = 1.0f / 128;
  const std::size_t n = out.size(), w = std::size_t(0.005 * kRate);
  std::vector<float> open(n);
  for (std::size_t i = 0; i < n; i++) {
    float m = 0;
    for (std::size_t j = i > w ? i - w : 0; j < std::min(n, i + w + 1); j++)
      m = std::max(m, std::fabs(out[j]));
    open[i] = m >= floor ? 1.0f : 0.0f;
  }
  // the window looks 5 ms ahead, so a 3 ms ramp is open before a sound rises over the step
  const float ramp = 1.0f / (0.003f * kRate);
  float g = 0;
  std::vector<float> gain(n);
  for (std::size_t i = 0; i < n; i++) {
    g = open[i] > g ? std::min(1.0f, g + ramp) : std::max(open[i], g - ramp);
    gain[i] = g;
  }
  for (std::size_t i = 0; i < n; i++) out[i] *= gain[i];
  // trailing silence off; the very ends faded so nothing clicks
  std::size_t last = n;
  while (last > 1 && out[last - 1] == 0) last--;
  out.resize(std::max<std::size_t>(last + 1, std::size_t(kRate / 50)));
  const std::size_t f = std::min<std::size_t>(at(0.003f), out.size() / 2);
  for (std::size_t i = 0; i < f; i++) {
    const float k = float(i) / float(f);
    out[i] *= k;
    out[out.size() - 1 - i] *= k;
  }
  return out;
}

}  // namespace ag::snd
