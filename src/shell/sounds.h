// Sound effects on the five wave slots and the background music. They trace,
// then go to the sound subsystem through the hooks; without one the game is silent.
#pragma once
#include "platform/sjis.h"

namespace game {

void play_sound(int slot, const plat::sjis& name);  // slot 1..5, name in dat/
// Reads a wave ahead of its plays, so that a frame that plays it reads no file.
void prepare_sound(const plat::sjis& name);
void play_music(const plat::sjis& name);  // "not" or empty stops the music

}  // namespace game
