// The game's real-time wave mixer: up to eight channels of PCM sound mixed, in software, into one
// stream of 8-bit samples that is fed to the wave-output device in a small ring of blocks, refilled
// whenever the device has played one. Waves are converted to the output format when they are
// loaded, so mixing is plain integer arithmetic. Every failure is an EMixerError with a fixed
// English message; the game catches and ignores them all.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace game {

class EMixerError : public std::runtime_error {
 public:
  explicit EMixerError(const std::string& message) : std::runtime_error(message) {}
};

constexpr int kMixChannels = 8;
constexpr int kMixPlays = 99;       // play records shared by all channels
constexpr int kMixBlocks = 6;       // output blocks allocated at activation
constexpr int kMixBlockMax = 4096;  // bytes
constexpr std::uint16_t kMixTag = 21554;
// Stream positions are bytes of the output stream; a play that never ends ends here.
constexpr std::int64_t kMixForever = INT64_MAX;

// A loaded wave, already in the session's output format.
struct MixWave {
  plat::AudioFormat format;
  std::vector<std::uint8_t> bytes;  // the converted samples
  const std::uint8_t* data = nullptr;
  std::uint32_t length = 0;  // bytes
  char name[16] = {};        // first 15 characters of the name it was opened by, or "res#N"
};

// Receives the end-of-play notice of a play (the channel, and the wave it played).
class MixListener {
 public:
  virtual ~MixListener() = default;
  virtual void mix_play_done(int channel, MixWave* wave) = 0;
};

struct MixSession;

// What the caller fills in for a play.
struct MixPlayParams {
  std::uint16_t size = 24;
  MixSession* session = nullptr;
  std::int32_t channel = 0;
  MixWave* wave = nullptr;
  MixListener* notify = nullptr;  // none: no notice
  std::uint32_t flags = 0;
  std::uint16_t loops = 0;  // 0 plays once, 65535 until flushed
};

constexpr std::uint32_t kPlayClearChannel =
    1;                                    // drop what is queued on the channel, start this instead
constexpr std::uint32_t kPlayUseLru = 2;  // the least recently used open channel, written back
constexpr std::uint32_t kPlayHighPriority =
    4;  // start at the playback position, not after the mixed stream
constexpr std::uint32_t kPlayWait = 8;  // only accept; placed with the next play made without it
constexpr std::uint16_t kLoopForever = 65535;

// Optional configuration of MixerInit.
struct MixConfig {
  std::uint16_t size = 10;  // anything else: the record is ignored
  std::uint32_t flags = 0;  // 1: use `channels`, 2: use `rate`
  std::uint16_t channels = 0;
  std::uint16_t rate = 0;  // 11, 22 or 44
};

// A module's "WAVE" resources, for waves opened from a resource.
struct MixResource {
  std::string name;  // empty: known by number only
  int number = 0;
  const void* data = nullptr;  // null: the resource cannot be locked
  std::size_t size = 0;
};
struct MixModule {
  std::vector<MixResource> waves;
};

// The machine side, set before a session starts: the wave-output device and MIXER.INI's path.
void MixerUseDevice(plat::AudioDevice* device);
void MixerUseSettingsFile(const std::string& path);

MixSession* MixerInit(const MixConfig* config = nullptr);
void MixerCloseSession(MixSession* s);
void MixerActivate(MixSession* s, bool on);
void MixerOpenChannel(MixSession* s, int channel,
                      int how);  // how: 0 one, 1 all, 2 channels 0..channel-1
void MixerCloseChannel(MixSession* s, int channel, int how);     // how 1: all
void MixerFlushChannel(MixSession* s, int channel, int how);     // how +1: all, +2: no remix
MixWave* MixerOpenWave(MixSession* s, const std::string& file);  // how 1
MixWave* MixerOpenWaveResource(MixSession* s, const MixModule& module, const std::string& name,
                               int number);                                       // how 2
MixWave* MixerOpenWaveMemory(MixSession* s, const void* data, std::size_t size);  // how 4
void MixerFreeWave(MixSession* s, MixWave* wave);
void MixerPlay(MixPlayParams* params);

// Whether any play of the wave is still queued or pending (it may still sound).
bool MixerWaveQueued(MixSession* s, const MixWave* wave);

// What tests and tools look at.
struct MixInfo {
  bool activated = false;
  plat::AudioFormat format;
  int block_len = 0;
  int blocks = 0;
  int remix_mode = 0;       // 1 remix, 2 shift
  int position_source = 0;  // 0 clock, 1 device
  int device = 0;
  std::string device_name;
  int open_channels = 0;
  std::uint8_t open_mask = 0;
  std::int64_t mix_pos = 0;
  int queued_blocks = 0;
  int free_plays = 0;  // records left in the pool
  int channel_plays[kMixChannels] = {};
};
MixInfo MixerInfo(MixSession* s);
// The current playback position as the end-of-play check reads it (device count + offset).
std::int64_t MixerDevicePosition(MixSession* s);
// Start and end of the plays queued on a channel, oldest first (tests).
std::vector<std::pair<std::int64_t, std::int64_t>> MixerChannelPlays(MixSession* s, int channel);

// Converts a PCM wave (any of 8/16 bits, 1/2 channels, any rate) to an 8-bit output format, in the
// mixer's order: sample size, channels, rate. Throws "File format not supported".
std::vector<std::uint8_t> MixerConvert(const plat::AudioFormat& from, const std::uint8_t* data,
                                       std::size_t length, const plat::AudioFormat& to);

}  // namespace game
