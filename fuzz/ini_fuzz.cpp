// Fuzz target: MIXER.INI on arbitrary bytes, read by the mixer's start-up exactly as in the game
// (from the file), then a session on what it set: activated, a sound played and heard. Whatever
// the file says, the session's format, ring and modes stay within what the mixer can run, and the
// only failure the file can cause is the device being listed as not compatible.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_files.h"
#include "platform/headless/headless_audio.h"
#include "sound/mixer.h"

namespace {

plat::HeadlessAudioDevice device;
std::string ini_path;

// A short 8-bit mono click at 11025, converted to whatever the session runs at.
std::vector<std::uint8_t> click_wave() {
  const std::uint8_t samples[] = {128, 200, 255, 200, 128, 56, 0, 56, 128, 160, 128, 96};
  std::vector<std::uint8_t> w;
  auto put32 = [&w](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) w.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto put16 = [&w](std::uint16_t v) {
    w.push_back(std::uint8_t(v));
    w.push_back(std::uint8_t(v >> 8));
  };
  w.insert(w.end(), {'R', 'I', 'F', 'F'});
  put32(4 + 24 + 8 + sizeof samples);
  w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(16);
  put16(1);
  put16(1);
  put32(11025);
  put32(11025);
  put16(1);
  put16(8);
  w.insert(w.end(), {'d', 'a', 't', 'a'});
  put32(sizeof samples);
  w.insert(w.end(), samples, samples + sizeof samples);
  return w;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ini_path = fuzz::scratch_dir() + "/MIXER.INI";
  game::MixerUseDevice(&device);
  game::MixerUseSettingsFile(ini_path);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::put_file(ini_path, data, size);

  game::MixSession* s = nullptr;
  try {
    s = game::MixerInit();
  } catch (const game::EMixerError& e) {
    if (std::strcmp(e.what(), "Headless Wave Out is not compatible with the realtime mixer") != 0)
      std::abort();
    return 0;
  }
  const game::MixInfo info = game::MixerInfo(s);
  const plat::AudioFormat& fmt = info.format;
  if (fmt.channels != 1 || fmt.bits_per_sample != 8 || fmt.block_align != 1) std::abort();
  if (fmt.samples_per_sec != 11025 && fmt.samples_per_sec != 22050 && fmt.samples_per_sec != 44100)
    std::abort();
  if (fmt.bytes_per_sec != fmt.samples_per_sec) std::abort();
  if (info.blocks < 2 || info.blocks > game::kMixBlocks) std::abort();
  if (info.block_len < 512 || info.block_len > game::kMixBlockMax) std::abort();
  if (info.remix_mode != 1 && info.remix_mode != 2) std::abort();
  if (info.position_source != 0 && info.position_source != 1) std::abort();
  if (info.device != 0 && info.device != -1) std::abort();

  // The session runs on that setting: a sound played twice, heard to its end.
  game::MixerActivate(s, true);
  game::MixerOpenChannel(s, 0, 1);
  const std::vector<std::uint8_t> click = click_wave();
  game::MixWave* w = game::MixerOpenWaveMemory(s, click.data(), click.size());
  game::MixPlayParams p;
  p.session = s;
  p.wave = w;
  game::MixerPlay(&p);
  p.channel = 3;
  game::MixerPlay(&p);
  device.advance(1000);
  if (game::MixerWaveQueued(s, w)) std::abort();  // both plays ended within a second
  game::MixerCloseSession(s);
  return 0;
}
