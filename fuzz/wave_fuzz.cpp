// Fuzz target: the mixer's RIFF WAVE reader on arbitrary bytes, as a damaged dat/*.wav hands them.
// Every output format a session can have is tried: the wave either loads, ready to mix in that
// format, or fails with one of the reader's own messages. One loaded wave is then played through
// a session on the headless device, so that what the mixer takes from the reader is mixed too.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/headless/headless_audio.h"
#include "sound/mixer.h"
#include "sound/mixer_internal.h"

namespace {

using game::EMixerError;

bool reader_message(const std::string& m) {
  static const char* const known[] = {
      "This is not a WAVE file",    "WAVE file is corrupted",      "Failed to read format chunk",
      "The file is not a PCM file", "WAVE file has no data chunk", "The data chunk has no data",
      "Failed to read data chunk",  "File format not supported",   "Failed to convert wave format",
      game::mixmsg::kNoMemory,
  };
  for (const char* k : known)
    if (m == k) return true;
  return false;
}

plat::AudioFormat format(int channels, int rate) {
  plat::AudioFormat f;
  f.channels = channels;
  f.samples_per_sec = rate;
  f.bits_per_sample = 8;
  f.block_align = channels;
  f.bytes_per_sec = rate * channels;
  return f;
}

plat::HeadlessAudioDevice device;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  game::MixerUseDevice(&device);
  game::MixerUseSettingsFile("/nonexistent/MIXER.INI");  // the defaults: mono, 11025
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (int channels : {1, 2}) {
    for (int rate : {11025, 22050, 44100}) {
      const plat::AudioFormat to = format(channels, rate);
      std::unique_ptr<game::MixWave> w;
      try {
        w.reset(game::mixer_load_wave(data, size, to, "fuzz.wav"));
      } catch (const EMixerError& e) {
        if (!reader_message(e.what())) std::abort();
        continue;
      }
      // What the mixer counts on: the output format, whole frames, some sound, a 31-bit length.
      if (std::memcmp(&w->format, &to, sizeof to) != 0) std::abort();
      if (w->length == 0 || w->length > 0x7FFFFFFF || w->length % unsigned(channels) != 0)
        std::abort();
      if (w->data != w->bytes.data() || w->bytes.size() != w->length) std::abort();
      if (std::strcmp(w->name, "fuzz.wav") != 0) std::abort();
    }
  }

  // The game's own use: a session with the defaults, the wave opened from memory and played
  // twice on a channel (one after the other), the device run until both have been heard.
  game::MixSession* s = game::MixerInit();
  game::MixerActivate(s, true);
  game::MixerOpenChannel(s, 0, 0);
  try {
    game::MixWave* w = game::MixerOpenWaveMemory(s, data, size);
    game::MixPlayParams p;
    p.session = s;
    p.wave = w;
    game::MixerPlay(&p);
    game::MixerPlay(&p);
    const double ms = 2.0 * 1000.0 * w->length / 11025 + 1000;
    if (ms < 60000) device.advance(ms);  // longer waves: their loading was the point
    game::MixerFreeWave(s, w);
  } catch (const EMixerError& e) {
    if (!reader_message(e.what()) && std::strncmp(e.what(), "Failed to open memory file", 26) != 0)
      std::abort();
  }
  game::MixerCloseSession(s);
  return 0;
}
