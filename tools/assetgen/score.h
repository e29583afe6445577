// The tunes as scores: a piece is a list of sections, each with its chords, its melody in a small
// notation and how the band plays it. The arranger (midi.cpp) voices the chords, plays the
// accompaniment, bass and drums in the section's style and writes a standard MIDI file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets.h"

namespace ag::music {

// How the chords are played (the "chords" track).
enum class Comp {
  none,
  block,       // held for the chord's length
  halves,      // struck on each half bar
  stabs,       // short, on the off-beats
  charleston,  // beat 1 and the "and" of 2 (swing)
  arp,         // broken chord in eighths, up and down
  arp_up,      // sixteenths climbing through two octaves (a music box, a harp)
  alberti,     // low, high, middle, high
  bossa,       // the guitar's bossa rhythm over two bars
  waltz,       // beats 2 and 3 (three beats to the bar)
  strum,       // a guitar strum on every beat
  pulse,       // repeated eighths
  rolls,       // 6/8: a rolling arpeggio on each dotted beat
};
// How the bass goes (the "bass" track).
enum class Bass { none, whole, halves, walking, bossa, waltz, pedal, eighths, rolls };
// The drums (the "drums" track, MIDI channel 10).
enum class Kit { none, swing, bossa, march, pop, shaker, brush };

struct Part {
  int program = 0;  // General MIDI, 0-based
  int volume = 100;
  int pan = 64;
  float touch = 1;  // how hard its notes are played (the velocities' scale)
};

struct Section {
  // Chords, bars separated by '|', several chords in a bar share it evenly. Roman numerals on the
  // major scale of the key (upper case major, lower case minor; b/# before, then o diminished,
  // 7 (minor seventh), M7, 6, 9, sus; "/N" a bass on degree N): "I | vi7 | ii7 V7 | bVII".
  const char* chords;
  // The melody on a grid of slots (eighths), bars separated by '|': degrees 1..7 of the key's
  // scale (b/# before, ' or , after for an octave up or down), '-' holds, '.' rests, and
  // "(a b)" shares one slot between several notes. Empty: no melody.
  const char* melody = "";
  Comp comp = Comp::block;
  Bass bass = Bass::whole;
  Kit kit = Kit::none;
  float level = 1;                // dynamics: the velocities' scale
  int lead = -1, comp_prog = -1;  // programs for this section (-1 keeps the last)
  int octave = 0;                 // the melody an octave up (1) or down (-1)
  const char* counter = "";       // a second voice in the same notation ("counter")
  int counter_prog = -1;
  bool pad = false;                    // held chords under it all ("pad")
  bool fill = false, crash = false;    // a drum fill in the last bar; a cymbal on the first beat
  float swell_from = 1, swell_to = 1;  // expression across the section (crescendos, fades)
};

struct Score {
  int bpm = 100;
  int beats = 4, unit = 4;  // the metre
  int slots = 8;            // melody slots per bar
  int key = 60;             // the melody's degree 1, as a MIDI note
  bool minor = false;
  float swing = 0;  // how late the off-beat eighths come (1/3 of an eighth: a triplet swing)
  float legato = 0.92f;
  float gain_db = 0;  // every part's volume raised (or lowered) by this much
  Part lead, comp, bass, counter, pad;
  int comp_low = 52, comp_high = 72;  // the chords' range
  std::uint32_t seed = 1;
  std::vector<Section> sections;
};

Bytes write_score(const std::string& name, const Score& s);

// The six tunes, by file name.
std::vector<std::string> tune_names();
Score tune(const std::string& name);

}  // namespace ag::music
