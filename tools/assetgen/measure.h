// Measuring the game's sounds and tunes as a player hears them: loudness, spectra, the tunes'
// structure and their rendering through FluidSynth with the game's own settings. Used by the
// audio report, the generator's level setting and the tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ag {

using Bytes = std::vector<std::uint8_t>;

// ---- waves ----

struct Sound {
  int rate = 0;
  std::vector<float> s;  // mono, -1..1
  double seconds() const { return rate ? double(s.size()) / rate : 0; }
};

// Reads a PCM WAV file (8 or 16 bits, mono or stereo averaged); false with a reason otherwise.
bool read_sound(const Bytes& file, Sound& out, std::string* why = nullptr);

// Levels in dB against a full-scale square wave (a full-scale sine reads -3 dB).
double peak_db(const std::vector<float>& s);
// The A-weighted signal (the ear's weighting of frequencies, 0 dB at 1 kHz).
std::vector<float> a_weighted(const std::vector<float>& s, int rate);
// LAFmax: the loudest moment, A-weighted with the sound meter's Fast (125 ms) time weighting.
double loudness_db(const Sound& w);
// LAE: the A-weighted energy of the whole sound (loudness and length together), dB re 1 s.
double exposure_db(const Sound& w);
// Share (0..1) of the sound's energy above `hz`.
double share_above(const Sound& w, double hz);
// How long the sound goes on after its last sample that reaches the 8-bit mixer's step (1/128)
// before it is silent: a tail that 8 bits turn into a faint buzz.
double faint_tail_seconds(const Sound& w);

// ---- tunes ----

struct MidiNote {
  int track = 0, channel = 0, key = 0, velocity = 0;
  long on = 0, off = 0;  // ticks
};
struct MidiEvent {
  long tick = 0;
  int track = 0;
  std::vector<std::uint8_t>
      bytes;  // a channel message (status first) or a meta event (0xFF type ...)
};
struct Tune {
  bool ok = false;
  std::string why;
  int division = 0;
  int beats_per_bar = 4, beat_unit = 4;
  std::vector<MidiNote> notes;
  std::vector<MidiEvent> events;  // every event in time order (ties keep file order)
  std::vector<long> track_end;    // the end-of-track tick of each track
  std::vector<std::string> track_name;
  std::vector<std::pair<long, int>> tempo;  // tick, microseconds per quarter
  long bar_ticks() const { return long(division) * 4 * beats_per_bar / beat_unit; }
  long length() const;  // the latest end of track
  double seconds_at(long tick) const;
  // The channel of the named track ("melody", "bass"), or the fallback when no track is named so.
  int channel_of(const std::string& name, int fallback) const;
};
Tune read_tune(const Bytes& file);

struct TuneShape {
  bool tracks_end_together = false;  // every track ends on the same tick
  bool whole_bars = false;           // ... and that tick is a whole number of bars
  long late_note_ticks = 0;          // how far the latest note sounds past that end
  int bars = 0;
  double seconds = 0;
  int longest_exact_repeat_bars = 0;  // the longest stretch of bars whose notes replay earlier ones
  double clash_share =
      0;  // share of the melody's time a semitone off a sounding accompaniment note
  int strong_beat_clashes = 0;  // melody notes clashing a semitone on a strong beat
  int melody_notes = 0;
};
// The melody is the channel of the track named "melody" (else channel 0); drums (channel 10)
// never clash.
TuneShape tune_shape(const Tune& t);

// FluidSynth with the game's settings: reverb and chorus off, gain 0.5, the General MIDI
// soundfont the game finds first. One pass of the tune, and `tail` seconds after it.
struct Render {
  int rate = 0;
  std::vector<float> l, r;
};
std::string game_soundfont();  // empty when none is installed
// `channels`: a bit per MIDI channel that sounds (the others' notes are left out).
bool render_tune(const Tune& t, const std::string& soundfont, int rate, Render& out,
                 std::uint32_t channels = 0xFFFF, double tail = 1.0);
// Integrated loudness (ITU-R BS.1770, gated), LUFS; -200 for silence.
double integrated_lufs(const Render& r);
// The A-weighted average level over the whole render, in the same dB as loudness_db.
double a_level_db(const Render& r);
double render_peak_db(const Render& r);

}  // namespace ag
