// The five wave slots (1..5 on mixer channels 0..4) through which every sound effect plays, and
// the background music. Failures are swallowed: a sound that cannot be played is not heard.
#pragma once
#include <string>

#include "platform/audio.h"
#include "platform/sjis.h"
#include "sound/tmixer.h"

namespace game {

constexpr int kWaveSlots = 5;

// Form creation: the mixer (`Activated` true, `Channels` 31) on this device, "1.wav" opened in
// every slot, and the music's output. `program_dir` is the program folder (dat/ is under it).
void sound_start(plat::AudioDevice* device, const std::string& program_dir);
// Form destruction: the music first, then the slots' waves (fifth slot first), then the mixer.
void sound_free_music();
void sound_stop();

// The wave of dat/name in the slot, played once on the slot's channel behind what still plays
// there. A name is read from its file the first time only: the wave is kept to shutdown and
// every later play of that name (on any slot) plays it again. (Past the keeping table's room a
// wave is the slot's own, released once it is replaced and nothing of it is left to sound.)
void sound_play_slot(int slot, const plat::sjis& name);
// Reads dat/name and keeps it, playing nothing, so that its first play reads no file.
void sound_prepare(const plat::sjis& name);
// "not" or empty stops the music; any other name loads dat/name and plays it, looping.
void sound_play_music(const plat::sjis& name);

// What tests look at: the mixer (null when sound is off) and a slot's wave.
TMixer* sound_mixer();
MixWave* sound_slot_wave(int slot);
int sound_retired_waves();  // waves replaced in their slot and still sounding

}  // namespace game
