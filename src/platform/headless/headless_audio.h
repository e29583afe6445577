// The headless wave-output device: no sound card, a virtual clock. The headless host calls
// advance(ms) on every timer tick (on the UI thread); the device plays (consumes) the written
// blocks at the format's byte rate, and reports each finished block at once, from inside
// advance(), so that the mixer refills it before the rest of the tick's time is played: a tick
// of 90 ms is longer than a whole ring of short blocks, and a report queued behind the next
// ticks would starve the stream. What it plays can be captured and written as a WAV file.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace plat {

class Host;

class HeadlessAudioDevice : public AudioDevice {
 public:
  explicit HeadlessAudioDevice(Host* host = nullptr);
  Host* host() const;

  int device_count() override;
  bool get_caps(int device, AudioCaps& caps) override;
  bool supports(int device, const AudioFormat& format) override;
  int open(int device, const AudioFormat& format, BlockDone done, void* ctx) override;
  bool is_open() const override { return open_; }
  int prepare(AudioBlock& block) override;
  int unprepare(AudioBlock& block) override;
  int write(AudioBlock& block) override;
  void reset() override;
  void pause() override { paused_ = true; }
  void restart() override { paused_ = false; }
  std::uint64_t position() override { return played_; }
  void close() override;
  std::uint32_t now_ms() override;
  bool audible() const override { return false; }
  // While capturing: plays on, in steps of 10 ms of virtual time, until nothing is queued (the
  // mixer refills at every block done, so that is when it has nothing left), at most a minute.
  void play_out() override;

  // Lets `ms` milliseconds of virtual time pass: plays the bytes due, reports finished blocks.
  // Time in which nothing is queued (or the device is paused) plays nothing and is not owed.
  void advance(double ms);

  // Capture of every byte played, in order (off until switched on).
  void set_capture(bool on) { capturing_ = on; }
  const std::vector<std::uint8_t>& captured() const { return capture_; }
  // Format of the stream (the last one opened; the mixer's default before any).
  const AudioFormat& format() const { return format_; }
  // Writes the capture as a PCM WAV file of the stream's format; false if the file cannot be
  // written.
  bool write_wav(const std::string& path) const;

  // Bytes written to the device and not yet played.
  std::uint64_t queued_bytes() const;
  int queued_blocks() const { return count_; }
  bool paused() const { return paused_; }

 private:
  void report_done();

  Host* host_;
  bool open_ = false;
  bool paused_ = false;
  AudioFormat format_{};
  BlockDone done_ = nullptr;
  void* done_ctx_ = nullptr;

  static constexpr int kRing = 16;
  std::array<AudioBlock*, kRing> ring_{};
  int head_ = 0;
  int count_ = 0;
  std::uint32_t front_used_ = 0;  // bytes of the front block already played
  std::uint64_t played_ = 0;
  double owed_ = 0;  // fraction of a byte carried between advances
  double clock_ms_ = 0;

  bool capturing_ = false;
  std::vector<std::uint8_t> capture_;
};

}  // namespace plat
