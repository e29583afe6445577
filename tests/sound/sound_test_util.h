// Helpers for the mixer tests: wave images made on the spot, a device that can be told to fail,
// and a fixture holding one activated session on the headless device.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "sound/mixer.h"

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
// A chunk's four-letter tag. (Byte by byte: GCC 12 at -O3 misreads an initializer-list insert
// into a fresh vector as an overflow.)
inline void put_tag(Bytes& b, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A RIFF WAVE image of PCM data as given.
inline Bytes wav(const Bytes& data, int channels = 1, int rate = 11025, int bits = 8, int tag = 1) {
  Bytes b;
  put_tag(b, "RIFF");
  put32(b, static_cast<std::uint32_t>(36 + data.size() + (data.size() & 1)));  // with the pad byte
  put_tag(b, "WAVE");
  put_tag(b, "fmt ");
  put32(b, 16);
  put16(b, static_cast<unsigned>(tag));
  put16(b, static_cast<unsigned>(channels));
  put32(b, static_cast<std::uint32_t>(rate));
  put32(b, static_cast<std::uint32_t>(rate * channels * bits / 8));
  put16(b, static_cast<unsigned>(channels * bits / 8));
  put16(b, static_cast<unsigned>(bits));
  put_tag(b, "data");
  put32(b, static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  if (data.size() & 1) b.push_back(0);
  return b;
}

// A counting ramp that never touches silence (128): 0..127 then 129..255, from `from`.
inline std::uint8_t ramp_byte(std::size_t i) {
  auto v = static_cast<std::uint8_t>(i % 255);
  return v >= 128 ? static_cast<std::uint8_t>(v + 1) : v;
}
inline Bytes ramp(std::size_t n, std::size_t from = 0) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = ramp_byte(from + i);
  return b;
}
inline Bytes constant(std::size_t n, std::uint8_t v) {
  return Bytes(n, v);
}

inline std::string temp_dir(const std::string& leaf) {
  auto p = std::filesystem::temp_directory_path() /
           ("florinet-sound-" + std::to_string(::getpid()) + "-" + leaf);
  std::filesystem::create_directories(p);
  return p.string();
}
inline void write_file(const std::string& path, const Bytes& b) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
inline void write_text(const std::string& path, const std::string& s) {
  std::ofstream f(path, std::ios::binary);
  f << s;
}

// A headless device that can be told to fail any of its services.
class FaultyDevice : public plat::HeadlessAudioDevice {
 public:
  int devices = 1;
  bool synchronous = false;
  bool caps_fail = false;
  bool format_ok = true;
  int open_error = 0;
  int prepare_error = 0;
  int write_error = 0;
  int channels = 2;

  int device_count() override { return devices; }
  bool get_caps(int device, plat::AudioCaps& caps) override {
    if (caps_fail || !HeadlessAudioDevice::get_caps(device, caps)) return false;
    caps.synchronous = synchronous;
    caps.channels = channels;
    return true;
  }
  bool supports(int device, const plat::AudioFormat& f) override {
    return format_ok && HeadlessAudioDevice::supports(device, f);
  }
  int open(int device, const plat::AudioFormat& f, BlockDone d, void* ctx) override {
    return open_error ? open_error : HeadlessAudioDevice::open(device, f, d, ctx);
  }
  int prepare(plat::AudioBlock& b) override {
    return prepare_error ? prepare_error : HeadlessAudioDevice::prepare(b);
  }
  int write(plat::AudioBlock& b) override {
    return write_error ? write_error : HeadlessAudioDevice::write(b);
  }
};

// One session on a FaultyDevice with a settings file of the test's choosing.
class MixerTest : public ::testing::Test {
 protected:
  void TearDown() override { end(); }

  // Starts (and by default activates) a session; `ini` is MIXER.INI's text (empty: no file).
  game::MixSession* start(const std::string& ini = "", bool activate = true,
                          const game::MixConfig* cfg = nullptr) {
    dir_ = temp_dir("ini");
    std::string path = dir_ + "/MIXER.INI";
    std::filesystem::remove(path);
    if (!ini.empty()) write_text(path, ini);
    dev.set_capture(true);
    game::MixerUseDevice(&dev);
    game::MixerUseSettingsFile(path);
    s = game::MixerInit(cfg);
    if (activate) game::MixerActivate(s, true);
    return s;
  }
  void end() {
    if (s) game::MixerCloseSession(s);
    s = nullptr;
  }
  game::MixWave* load(const Bytes& data, int channels = 1, int rate = 11025, int bits = 8) {
    Bytes img = wav(data, channels, rate, bits);
    return game::MixerOpenWaveMemory(s, img.data(), img.size());
  }
  void play(int channel, game::MixWave* w, std::uint32_t flags = 0, std::uint16_t loops = 0,
            game::MixListener* notify = nullptr) {
    game::MixPlayParams p;
    p.session = s;
    p.channel = channel;
    p.wave = w;
    p.flags = flags;
    p.loops = loops;
    p.notify = notify;
    game::MixerPlay(&p);
  }
  // Lets the device play until it runs dry (or `max_ms` passes), in uneven steps.
  void drain(double max_ms = 60000) {
    static const double steps[] = {7, 13, 90, 31, 3};
    for (int i = 0; max_ms > 0 && (dev.queued_blocks() > 0); ++i) {
      double ms = steps[i % 5];
      dev.advance(ms);
      max_ms -= ms;
    }
  }
  const Bytes& out() const { return dev.captured(); }

  FaultyDevice dev;
  game::MixSession* s = nullptr;
  std::string dir_;
};

// The message of the EMixerError that `fn` raises ("" if none).
template <class F>
std::string mixer_error(F&& fn) {
  try {
    fn();
  } catch (const game::EMixerError& e) {
    return e.what();
  }
  return "";
}

}  // namespace soundtest
