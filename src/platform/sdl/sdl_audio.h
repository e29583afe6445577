// The real wave-output device: SDL2 audio. Written blocks are copied into the device's own ring
// and played in order by SDL's audio thread; that thread only counts what it finished and asks
// the UI thread (Host::post_task) to report it, so blocks are marked done and the mixer refills
// them on the UI thread. A machine without audio output gets sound off and one line on stderr.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/audio.h"

namespace plat {

class Host;

class SdlAudioDevice : public AudioDevice {
 public:
  explicit SdlAudioDevice(Host* host);
  ~SdlAudioDevice() override;

  int device_count() override;
  bool get_caps(int device, AudioCaps& caps) override;
  bool supports(int device, const AudioFormat& format) override;
  int open(int device, const AudioFormat& format, BlockDone done, void* ctx) override;
  bool is_open() const override { return dev_ != 0; }
  int prepare(AudioBlock& block) override;
  int unprepare(AudioBlock& block) override;
  int write(AudioBlock& block) override;
  void reset() override;
  void pause() override;
  void restart() override;
  std::uint64_t position() override;
  void close() override;
  std::uint32_t now_ms() override;
  // False on SDL's silent drivers ("dummy", "disk").
  bool audible() const override;
  // Muted, the device plays silence in place of the blocks; blocks are played, counted and
  // reported exactly as when sounding, so the mixer never knows.
  void set_muted(bool muted) { muted_.store(muted, std::memory_order_relaxed); }

 private:
  static void fill(void* self, std::uint8_t* stream, int len);  // audio thread
  static void run_done(void* self);                             // UI thread
  bool init_audio();
  void warn(const char* what);

  Host* host_;
  bool inited_ = false;
  bool init_failed_ = false;
  bool warned_ = false;
  std::uint32_t dev_ = 0;  // SDL_AudioDeviceID, 0 = closed
  bool paused_ = false;
  std::atomic<bool> muted_{false};
  std::uint8_t silence_ = 128;
  BlockDone done_ = nullptr;
  void* done_ctx_ = nullptr;

  // UI side: the written blocks, oldest first.
  static constexpr int kRing = 16;
  std::array<AudioBlock*, kRing> written_{};
  int w_head_ = 0;
  int w_count_ = 0;

  // Audio side (under the SDL audio lock): copies of the written bytes and their block lengths.
  static constexpr std::uint32_t kBytes = kRing * 4096;
  std::unique_ptr<std::uint8_t[]> bytes_;
  std::uint32_t rd_ = 0;
  std::uint32_t fill_ = 0;
  std::array<std::uint32_t, kRing> lens_{};
  int l_head_ = 0;
  int l_count_ = 0;
  std::uint32_t front_left_ = 0;  // bytes of the oldest block still to play
  std::uint64_t played_ = 0;
  int completed_ = 0;  // blocks finished and not yet reported
  bool report_posted_ = false;
};

}  // namespace plat
