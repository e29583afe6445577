// Sound effects and music: trace what the game asks for, then hand it to the sound subsystem.
#include "shell/sounds.h"

#include <string>

#include "shell/hooks.h"
#include "shell/trace.h"

namespace game {

void play_sound(int slot, const plat::sjis& name) {
  if (tracing()) trace("sound", std::to_string(slot) + " " + plat::to_utf8(name));
  if (hooks.play_sound) hooks.play_sound(slot, name);
}

void prepare_sound(const plat::sjis& name) {
  if (hooks.prepare_sound) hooks.prepare_sound(name);
}

void play_music(const plat::sjis& name) {
  // An empty name stops the music like "not".
  if (tracing()) trace("music", name.empty() ? std::string("not") : plat::to_utf8(name));
  if (hooks.play_music) hooks.play_music(name);
}

}  // namespace game
