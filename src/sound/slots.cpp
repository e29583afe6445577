#include "sound/slots.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "platform/midi/midi.h"
#include "sound/mixer.h"

namespace game {

namespace {

// Waves are kept by the name they were opened by: a sound played again is the wave already
// read, so a play reads no file and allocates nothing once its name has been opened (the
// montage's frames play theirs). The game names a fixed set of files, far fewer than this.
constexpr std::size_t kKeptWaves = 128;

struct Kept {
  std::string name;  // Shift-JIS, as the game names it
  MixWave* wave = nullptr;
};

struct Slots : MixListener {
  std::unique_ptr<TMixer> mixer;
  MixWave* wave[kWaveSlots] = {};
  std::array<Kept, kKeptWaves> kept;
  std::vector<MixWave*> retired;  // not kept, replaced in their slot, still queued on its channel
  std::string dir;
  plat::AudioDevice* device = nullptr;

  // A play has ended: a replaced wave with nothing left to sound can go.
  void mix_play_done(int, MixWave*) override { sweep(); }

  void sweep() {
    if (!mixer) return;
    auto gone = [this](MixWave* w) {
      try {
        if (MixerWaveQueued(mixer->Session(), w)) return false;
        mixer->FreeWave(w);
      } catch (const EMixerError&) {
      }
      return true;
    };
    retired.erase(std::remove_if(retired.begin(), retired.end(), gone), retired.end());
  }

  MixWave* find(const plat::sjis& name) const {
    for (const Kept& k : kept)
      if (k.wave && k.name == name) return k.wave;
    return nullptr;
  }
  bool is_kept(const MixWave* w) const {
    return std::any_of(kept.begin(), kept.end(), [w](const Kept& k) { return k.wave == w; });
  }
  // The wave of `name`: the one kept, else the file opened (and kept while there is room).
  // Throws the mixer's error when the file cannot be opened.
  MixWave* open(const plat::sjis& name);
  // Frees a wave once, whoever refers to it.
  void release(MixWave* w) {
    if (!w) return;
    for (MixWave*& held : wave)
      if (held == w) held = nullptr;
    for (Kept& k : kept)
      if (k.wave == w) k = Kept{};
    try {
      mixer->FreeWave(w);
    } catch (const EMixerError&) {
    }
  }
};

Slots& slots() {
  static Slots s;
  return s;
}

// File names are Shift-JIS in the game and UTF-8 on the disk.
std::string dat(const plat::sjis& name) {
  return slots().dir + "/dat/" + plat::to_utf8(name);
}

MixWave* Slots::open(const plat::sjis& name) {
  if (MixWave* w = find(name)) return w;
  MixWave* w = mixer->OpenWave(dat(name));
  for (Kept& k : kept)
    if (!k.wave) {
      k.name = name;
      k.wave = w;
      break;
    }
  return w;
}

}  // namespace

void sound_start(plat::AudioDevice* device, const std::string& program_dir) {
  Slots& s = slots();
  s.dir = program_dir;
  s.device = device;
  MixerUseDevice(device);
  MixerUseSettingsFile(program_dir + "/MIXER.INI");
  try {
    s.mixer = std::make_unique<TMixer>();
  } catch (const EMixerError&) {
    s.mixer.reset();  // no sound effects this run
  }
  if (s.mixer) {
    try {
      s.mixer->SetActivated(true);
    } catch (const EMixerError&) {
    }
    try {
      s.mixer->SetChannels(31);
    } catch (const EMixerError&) {
    }
    for (MixWave*& w : s.wave) {
      try {
        w = s.mixer->OpenWave(dat("1.wav"));
      } catch (const EMixerError&) {
        w = nullptr;
      }
    }
  }
  s.retired.reserve(2 * kWaveSlots);  // the start-up waves go there without a new allocation
  plat::MidiConfigure(device && device->audible());
  plat::MidiSetDevice(-1, 0);
}

void sound_free_music() {
  plat::MidiFree();
}

void sound_stop() {
  Slots& s = slots();
  plat::MidiFree();
  if (!s.mixer) return;
  // A capture of the output stream keeps the sounds still playing whole (a real output is cut).
  if (s.device && s.mixer->Activated()) s.device->play_out();
  for (int i = kWaveSlots - 1; i >= 0; --i) s.release(s.wave[i]);
  for (Kept& k : s.kept) s.release(k.wave);
  for (MixWave* w : s.retired) {
    try {
      s.mixer->FreeWave(w);
    } catch (const EMixerError&) {
    }
  }
  s.retired.clear();
  s.mixer.reset();
}

void sound_play_slot(int slot, const plat::sjis& name) {
  Slots& s = slots();
  if (!s.mixer || slot < 1 || slot > kWaveSlots) return;
  MixWave*& held = s.wave[slot - 1];
  try {
    MixWave* w = s.open(name);
    if (held && held != w && !s.is_kept(held)) s.retired.push_back(held);
    held = w;
    s.mixer->Play(slot - 1, w, 0, 0, &s);
  } catch (const EMixerError&) {
  }
  s.sweep();
}

void sound_prepare(const plat::sjis& name) {
  Slots& s = slots();
  if (!s.mixer) return;
  try {
    s.open(name);
  } catch (const EMixerError&) {
  }
}

void sound_play_music(const plat::sjis& name) {
  if (name.empty() || name == "not") {
    plat::MidiStop();
    return;
  }
  if (plat::MidiLoadFile(dat(name), 0) != 0 || plat::MidiPlay(1, 0, 0) != 0) plat::MidiStop();
}

TMixer* sound_mixer() {
  return slots().mixer.get();
}

MixWave* sound_slot_wave(int slot) {
  return slot >= 1 && slot <= kWaveSlots ? slots().wave[slot - 1] : nullptr;
}

int sound_retired_waves() {
  return static_cast<int>(slots().retired.size());
}

}  // namespace game
