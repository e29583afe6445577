// The wave-output device: what the game's wave mixer needs of the machine's sound output.
// The mixer hands it blocks of 8-bit PCM in order; the device plays them one after the other and
// reports each finished block back ON THE UI THREAD, never from an audio thread: SdlAudioDevice (a
// real output) through Host::post_task, HeadlessAudioDevice (virtual clock, captured) from inside
// advance(), which its host calls on the UI thread.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

// PCM output format (the mixer always asks for 8 bits, unsigned, silence 128).
struct AudioFormat {
  int channels = 1;  // 1 or 2
  int samples_per_sec = 11025;
  int bits_per_sample = 8;
  int block_align = 1;  // bytes per frame
  int bytes_per_sec = 11025;
};

// What a device says of itself.
struct AudioCaps {
  std::string name;          // at most 31 characters; the key of its section in MIXER.INI
  int channels = 2;          // output channels the device can play
  bool synchronous = false;  // plays only while the caller blocks (the mixer refuses such a device)
};

// One block of the output stream. The mixer owns the memory; the device keeps only a pointer
// between write() and the moment it marks the block done.
struct AudioBlock {
  std::uint8_t* data = nullptr;
  std::uint32_t length = 0;  // bytes
  bool prepared = false;     // set by prepare(), cleared by unprepare()
  bool done = false;         // set by the device (UI thread) once played, or taken back by reset()
  bool in_device = false;    // between write() and done
};

class AudioDevice {
 public:
  // Called on the UI thread, from inside the message pump, after one or more written blocks
  // have been marked done.
  using BlockDone = void (*)(void* ctx);

  virtual ~AudioDevice() = default;

  // Number of output devices; 0 when the machine has none.
  virtual int device_count() = 0;
  // Capabilities of a device (-1: the default device). False if it cannot tell.
  virtual bool get_caps(int device, AudioCaps& caps) = 0;
  // Whether the device can play this format.
  virtual bool supports(int device, const AudioFormat& format) = 0;

  // Opens the device; 0 on success, otherwise an error code (non-zero).
  virtual int open(int device, const AudioFormat& format, BlockDone done, void* ctx) = 0;
  virtual bool is_open() const = 0;
  // 0 on success, otherwise an error code.
  virtual int prepare(AudioBlock& block) = 0;
  virtual int unprepare(AudioBlock& block) = 0;
  // Queues a prepared block behind those already written; 0 on success.
  virtual int write(AudioBlock& block) = 0;
  // Stops at once and hands back every written block marked done (no block-done report);
  // the played-byte count starts again from 0.
  virtual void reset() = 0;
  virtual void pause() = 0;
  virtual void restart() = 0;
  // Bytes of the stream played since open or the last reset.
  virtual std::uint64_t position() = 0;
  // Resets, then closes; no block-done report follows.
  virtual void close() = 0;

  // The millisecond clock of the sound system (the virtual clock for the headless device).
  virtual std::uint32_t now_ms() = 0;
  // True when what is written is heard (a real output); the music follows this.
  virtual bool audible() const = 0;
  // At shutdown, before the sound goes: lets what is still queued and still to be mixed play to its
  // end, where that costs no one any waiting (the headless device's virtual clock, when it
  // captures). A real output does nothing: closing the window cuts the sound.
  virtual void play_out() {}
};

}  // namespace plat
