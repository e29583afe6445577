// Background music: the five calls the game makes of its MIDI player, rendered with FluidSynth and
// a General MIDI soundfont on FluidSynth's own audio output (beside the wave mixer's stream, which
// keeps its 8-bit device to itself). A loaded piece plays on, looping, until it is stopped or
// replaced. No soundfont or no output: music is off, with one line on stderr, and every call
// still answers.
#pragma once
#include <string>
#include <vector>

namespace plat {

// Before MidiSetDevice: whether music is heard (false for the headless host: pieces are checked
// and followed, nothing is rendered).
void MidiConfigure(bool audible);
// Mutes or unmutes the music (the piece plays on, unheard); kept across MidiSetDevice.
void MidiSetMuted(bool muted);
// The soundfonts to look for instead of the usual places (empty: the usual places).
void MidiUseSoundfonts(const std::vector<std::string>& soundfonts);

// Returns 0 on success, non-zero on failure (the game does not look).
int MidiSetDevice(int device, int flags);              // -1: the default output
int MidiLoadFile(const std::string& path, int flags);  // a failing load stops the music
int MidiPlay(int loop, int from, int to);              // plays the loaded piece, looping
int MidiStop();
int MidiFree();

struct MidiStatus {
  bool ready = false;  // a synthesizer is running (or, silent, would be)
  bool playing = false;
  std::string file;       // the piece loaded
  std::string soundfont;  // the soundfont in use, empty if none
};
MidiStatus MidiGetStatus();

// The usual places of a General MIDI soundfont, Debian's timgm6mb-soundfont first.
const std::vector<std::string>& midi_default_soundfonts();

// Silences the system ALSA library's own error lines (a machine without a sound card would get a
// dozen of them from every output that looks for one); the game's own one line says enough.
void quiet_alsa_messages();

}  // namespace plat
