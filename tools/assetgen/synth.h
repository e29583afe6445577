// The sound effects' building blocks: a sample buffer at the game's wave rate, band-limited
// oscillators, filtered noise, bells, and the finishing that sets a sound's level.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ag::snd {

constexpr int kRate = 22050;  // the rate MIXER.INI asks the mixer for: no resampling in the game
constexpr float kTau = 6.2831853f;

struct Buf {
  std::vector<float> s;
  void ensure(std::size_t n) {
    if (s.size() < n) s.resize(n, 0.0f);
  }
};

inline std::size_t at(float t) {
  return t > 0 ? std::size_t(t * kRate) : 0;
}

// Waveforms, every one built from its harmonics below the Nyquist frequency (no aliasing,
// however high the note or the glide).
enum Wave { SINE, TRI, SQUARE, SAW };

// Envelope: attack `a`, then exponential decay with time constant `d`, ending at `len` with a
// short release so nothing clicks.
float env(float t, float a, float d, float len);

// A tone gliding exponentially from f0 to f1, placed at time t0; `vib` is a vibrato depth
// (share of the frequency) at 6 Hz.
void tone(Buf& b, float t0, float len, float f0, float f1, float amp, Wave w = SINE,
          float a = 0.003f, float d = 1e9f, float vib = 0);
// A bell: inharmonic partials, each decaying at its own rate.
void bell(Buf& b, float t0, float f, float amp, float len = 0.6f);
// White noise through a one-pole low-pass (lp, 0..1) and high-pass (hp, 0..1), with an envelope.
void noise(Buf& b, float t0, float len, float amp, float lp, float hp, float a, float d,
           std::uint32_t seed);
// Noise through a band-pass at `hz` with quality `q` (a knock's wood, a howl's breath).
void band_noise(Buf& b, float t0, float len, float amp, float hz, float q, float a, float d,
                std::uint32_t seed);
// A noise whose low-pass sweeps from lp0 to lp1 (a swish of paper).
void swish(Buf& b, float t0, float len, float amp, float lp0, float lp1, std::uint32_t seed);
// A thump: a low sine drop with a noise click.
void thump(Buf& b, float t0, float f, float amp, std::uint32_t seed);
// Note number to frequency.
float mf(float note);

// Levels: the loudest moment (A-weighted, Fast) the sound is set to, in dB against a full-scale
// square wave, and the highest peak it may reach (kept by a limiter, not by turning it down).
struct Level {
  double loudness;
  float peak;
};
// A soft room, the level set, and the tail faded out before it sinks under the 8-bit mixer's
// step (where it would turn into a faint buzz).
std::vector<float> finish(Buf b, Level level, bool room = true);

}  // namespace ag::snd
