// Small independent readers for the generated files: a RIFF WAVE walker and a standard MIDI
// file walker, so the tests do not trust the generator's own writers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace agtest {

struct WavInfo {
  bool ok = false;
  std::string why;
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<float> samples;  // mono, -1..1
  double seconds() const { return rate ? double(samples.size()) / rate : 0; }
};
WavInfo read_wav(const std::vector<std::uint8_t>& b);

struct MidiInfo {
  bool ok = false;
  std::string why;
  int format = -1, tracks = 0, division = 0;
  double seconds = 0;  // time of the last event, from the tempo map
  int notes_on = 0, notes_off = 0;
  std::vector<int> programs;  // every program change seen
  bool every_track_ends = false;
};
MidiInfo read_midi(const std::vector<std::uint8_t>& b);

}  // namespace agtest
