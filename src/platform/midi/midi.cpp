#include "platform/midi/midi.h"

#include <fluidsynth.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace plat {

namespace {

// The synthesizer's gain while the music is heard.
constexpr float music_gain = 0.5f;

struct Midi {
  bool audible = true;
  bool muted = false;
  std::vector<std::string> soundfonts;  // empty: the usual places
  bool warned = false;
  bool ready = false;
  bool playing = false;
  std::string file;
  std::string soundfont;
  std::vector<char> piece;
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  fluid_player_t* player = nullptr;
};

Midi& m() {
  static Midi st;
  return st;
}

void warn(const std::string& why) {
  if (m().warned) return;
  m().warned = true;
  std::fprintf(stderr, "florinet: %s; music is off\n", why.c_str());
}

bool readable(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return static_cast<bool>(f);
}

void drop_player() {
  if (m().player) {
    fluid_player_stop(m().player);
    delete_fluid_player(m().player);
    m().player = nullptr;
  }
  if (m().synth) fluid_synth_all_sounds_off(m().synth, -1);
}

void quiet_log(int, const char*, void*) {}

}  // namespace

const std::vector<std::string>& midi_default_soundfonts() {
  static const std::vector<std::string> paths = {
      "/usr/share/sounds/sf2/TimGM6mb.sf2",    "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",  "/usr/share/soundfonts/default.sf2",
      "/usr/share/soundfonts/FluidR3_GM.sf2",  "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf2/GeneralUser.sf2",
  };
  return paths;
}

void MidiConfigure(bool audible) {
  m().audible = audible;
}

void MidiSetMuted(bool muted) {
  m().muted = muted;
  if (m().synth) fluid_synth_set_gain(m().synth, muted ? 0.0f : music_gain);
}

void MidiUseSoundfonts(const std::vector<std::string>& soundfonts) {
  m().soundfonts = soundfonts;
}

int MidiSetDevice(int, int) {
  Midi& st = m();
  if (st.ready) return 0;
  const auto& paths = st.soundfonts.empty() ? midi_default_soundfonts() : st.soundfonts;
  st.soundfont.clear();
  for (const std::string& p : paths)
    if (readable(p)) {
      st.soundfont = p;
      break;
    }
  if (st.soundfont.empty()) {
    warn("no General MIDI soundfont (install the Debian package timgm6mb-soundfont)");
    return 1;
  }
  if (!st.audible) {  // followed, not rendered
    st.ready = true;
    return 0;
  }
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
    fluid_set_log_function(level, quiet_log, nullptr);
  st.settings = new_fluid_settings();
  fluid_settings_setint(st.settings, "synth.reverb.active", 0);
  fluid_settings_setint(st.settings, "synth.chorus.active", 0);
  fluid_settings_setnum(st.settings, "synth.gain", st.muted ? 0.0 : double(music_gain));
  fluid_settings_setnum(st.settings, "synth.sample-rate", 44100.0);
  fluid_settings_setint(st.settings, "synth.cpu-cores", 1);
  st.synth = new_fluid_synth(st.settings);
  if (!st.synth || fluid_synth_sfload(st.synth, st.soundfont.c_str(), 1) == FLUID_FAILED) {
    warn("cannot load the soundfont " + st.soundfont + " (Debian package timgm6mb-soundfont)");
    MidiFree();
    return 2;
  }
  quiet_alsa_messages();
  // FluidSynth's own output: through SDL first (the same sound system as the wave output; SDL
  // drivers that have only a default device refuse a second opening), then the usual servers of
  // a Linux desktop.
  for (const char* name : {"sdl2", "pulseaudio", "pipewire", "alsa"}) {
    if (fluid_settings_setstr(st.settings, "audio.driver", name) != FLUID_OK) continue;
    st.driver = new_fluid_audio_driver(st.settings, st.synth);
    if (st.driver) break;
  }
  if (!st.driver) {
    warn("no audio output for the music (FluidSynth with timgm6mb-soundfont)");
    MidiFree();
    return 3;
  }
  st.ready = true;
  return 0;
}

int MidiLoadFile(const std::string& path, int) {
  Midi& st = m();
  MidiStop();
  st.file.clear();
  st.piece.clear();
  std::ifstream f(path, std::ios::binary);
  if (!f) return 1;
  std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (bytes.size() < 14 || std::string(bytes.data(), 4) != "MThd")
    return 2;  // not a standard MIDI file
  st.piece = std::move(bytes);
  st.file = path;
  return 0;
}

int MidiPlay(int, int, int) {
  Midi& st = m();
  if (!st.ready || st.piece.empty()) return 1;
  if (st.playing) return 0;
  if (st.synth) {
    drop_player();
    fluid_synth_system_reset(st.synth);
    st.player = new_fluid_player(st.synth);
    if (!st.player ||
        fluid_player_add_mem(st.player, st.piece.data(), st.piece.size()) != FLUID_OK) {
      drop_player();
      return 2;
    }
    fluid_player_set_loop(st.player, -1);  // on and on, until stopped or replaced
    if (fluid_player_play(st.player) != FLUID_OK) {
      drop_player();
      return 3;
    }
  }
  st.playing = true;
  return 0;
}

int MidiStop() {
  Midi& st = m();
  drop_player();
  st.playing = false;
  return 0;
}

int MidiFree() {
  Midi& st = m();
  MidiStop();
  if (st.driver) delete_fluid_audio_driver(st.driver);
  if (st.synth) delete_fluid_synth(st.synth);
  if (st.settings) delete_fluid_settings(st.settings);
  st.driver = nullptr;
  st.synth = nullptr;
  st.settings = nullptr;
  st.ready = false;
  st.file.clear();
  st.piece.clear();
  return 0;
}

MidiStatus MidiGetStatus() {
  const Midi& st = m();
  // while rendering, ask the player itself (a piece that ran out without looping is not playing)
  bool playing =
      st.playing && (!st.player || fluid_player_get_status(st.player) == FLUID_PLAYER_PLAYING);
  return {st.ready, playing, st.file, st.soundfont};
}

}  // namespace plat
