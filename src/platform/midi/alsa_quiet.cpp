// The system's ALSA library prints a dozen lines of its own whenever something asks it for a
// sound card the machine does not have (SDL's audio, FluidSynth's ALSA output). The game says
// once, in its own line, that sound or music is off; those lines are only noise, so they go.
#include <dlfcn.h>

#include "platform/midi/midi.h"

namespace plat {

namespace {

void alsa_says_nothing(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void quiet_alsa_messages() {
  static bool done = false;
  if (done) return;
  done = true;
  // Through the loader, so a machine without ALSA needs nothing of it.
  void* lib = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (!lib) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  auto set = reinterpret_cast<SetHandler>(dlsym(lib, "snd_lib_error_set_handler"));
  if (set) set(&alsa_says_nothing);
  // The library stays loaded: the handler must outlive every later use of it.
}

}  // namespace plat
