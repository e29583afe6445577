// The game's voices: a small formant speech synthesiser. A glottal source (its pitch, pressure,
// breath and roughness make the speaker) drives a cascade of five formants (the vowel), with
// noise for the consonants; a line is written in Japanese sounds with a pitch contour (the
// emotion).
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "synth.h"

namespace ag::snd {

struct Speaker {
  float f0;         // speaking pitch, Hz
  float scale;      // vocal tract: formants times this (a man 1, a woman ~1.17, a child ~1.3)
  float open;       // open share of the glottal cycle: small is pressed and bright, large soft
  float tilt;       // 0..0.95: how much the voice's upper harmonics are softened
  float breath;     // breath noise in the voice
  float jitter;     // cycle-to-cycle wobble of the pitch (share)
  float shimmer;    // cycle-to-cycle wobble of the loudness (share)
  float tremor;     // a slow shake of pitch and loudness (an old voice), semitones
  float growl;      // alternate cycles stronger and weaker: a rough, gruff edge (0..0.5)
  float bandwidth;  // formant bandwidths times this (wider is duller, older)
};

// The cast.
extern const Speaker kOwner;     // the shop's owner: a gruff man who carries across the shop
extern const Speaker kLandlord;  // 乱造, an old man
extern const Speaker kLady;      // a grown woman
extern const Speaker kGirl;      // a young woman, the clerk's age
extern const Speaker kChild;     // a little girl
extern const Speaker kBoy;       // a little boy
extern const Speaker kRobot;     // a visitor from space who sings

// A line: its sounds, e.g. "ch o Q t o:" (vowels a i u e o, ':' lengthens; consonants k g s sh z
// t ch ts d n h f b p m y r w; N the moraic n; Q a held stop; _ a pause; '.' a sobbing breath in;
// '=MS' sets a sound's length in milliseconds, '!' stresses it), and how it is said.
struct Line {
  std::string sounds;
  std::vector<std::pair<float, float>> pitch;  // (share of the line, semitones over the speaker)
  float tempo = 1;                             // above 1 faster
  float effort = 0;   // -1 soft ... 0 plain ... 1 shouting (pressed and bright)
  float vibrato = 0;  // semitones (crying, singing)
  float vibrato_hz = 5.5f;
  float breathy = 0;  // extra breath (sighs, sobs)
};

// Speaks the line into `b` from time t0 (seconds).
void speak(Buf& b, float t0, const Speaker& who, const Line& line, float amp, std::uint32_t seed);
// Its length in seconds, as spoken.
float line_seconds(const Line& line);

}  // namespace ag::snd
