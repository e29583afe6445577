// TMixer: the mixer as the form holds it (`Mixer1`), with its two published properties.
#pragma once
#include <cstdint>
#include <string>

#include "sound/mixer.h"

namespace game {

class TMixer {
 public:
  // Starts a session (the settings file or the defaults decide the format). While `designing`,
  // the properties only store their values.
  explicit TMixer(bool designing = false);
  ~TMixer();
  TMixer(const TMixer&) = delete;
  TMixer& operator=(const TMixer&) = delete;

  bool Activated() const { return activated_; }
  void SetActivated(bool on);
  // Bit i set = channel i open.
  std::uint8_t Channels() const { return channels_; }
  void SetChannels(std::uint8_t mask);

  MixWave* OpenWave(const std::string& file);
  void FreeWave(MixWave* wave);
  // `notify` receives the end-of-play notice (none if null).
  void Play(int channel, MixWave* wave, std::uint32_t flags = 0, std::uint16_t loops = 0,
            MixListener* notify = nullptr);

  MixSession* Session() const { return session_; }

 private:
  MixSession* session_ = nullptr;
  MixPlayParams params_;
  bool designing_;
  bool activated_ = false;
  std::uint8_t channels_ = 0;
};

}  // namespace game
