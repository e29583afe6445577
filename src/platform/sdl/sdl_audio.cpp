#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/host.h"
#include "platform/midi/midi.h"

namespace plat {

namespace {
// The device's name in MIXER.INI, whatever SDL driver lies beneath.
constexpr const char* kDeviceName = "SDL Wave Out";
}  // namespace

SdlAudioDevice::SdlAudioDevice(Host* host) : host_(host) {}

SdlAudioDevice::~SdlAudioDevice() {
  close();
  if (inited_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::warn(const char* what) {
  if (warned_) return;
  warned_ = true;
  std::fprintf(stderr, "florinet: %s (%s); sound effects are off\n", what, SDL_GetError());
}

bool SdlAudioDevice::init_audio() {
  if (inited_) return true;
  if (init_failed_) return false;
  quiet_alsa_messages();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    init_failed_ = true;
    warn("no audio output");
    return false;
  }
  inited_ = true;
  return true;
}

int SdlAudioDevice::device_count() {
  if (!init_audio()) return 0;
  // Some drivers cannot list their outputs but still open the default one.
  int n = SDL_GetNumAudioDevices(0);
  return n > 0 ? n : 1;
}

bool SdlAudioDevice::get_caps(int device, AudioCaps& caps) {
  if (!init_audio() || device < -1 || device >= device_count()) return false;
  caps.name = kDeviceName;
  caps.channels = 2;
  caps.synchronous = false;
  return true;
}

bool SdlAudioDevice::supports(int device, const AudioFormat& f) {
  if (!init_audio() || device < -1 || device >= device_count()) return false;
  // SDL converts any of these to what the hardware takes.
  return (f.channels == 1 || f.channels == 2) &&
         (f.bits_per_sample == 8 || f.bits_per_sample == 16) && f.samples_per_sec >= 1000 &&
         f.samples_per_sec <= 48000 && f.block_align == f.channels * f.bits_per_sample / 8 &&
         f.bytes_per_sec == f.samples_per_sec * f.block_align;
}

int SdlAudioDevice::open(int device, const AudioFormat& format, BlockDone done, void* ctx) {
  if (dev_) return 4;
  if (!supports(device, format)) return 32;
  if (!bytes_) bytes_ = std::make_unique<std::uint8_t[]>(kBytes);
  SDL_AudioSpec want{};
  SDL_AudioSpec have{};
  want.freq = format.samples_per_sec;
  want.format = format.bits_per_sample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  want.channels = static_cast<Uint8>(format.channels);
  want.samples = 256;  // about 23 ms at 11025: small next to the mixer's own blocks
  want.callback = [](void* self, Uint8* stream, int len) { fill(self, stream, len); };
  want.userdata = this;
  // Device 0, the first, is the desktop's default output (as the first wave device was on the
  // game's own system); higher numbers pick SDL's listed outputs.
  const char* name = nullptr;
  if (device > 0 && SDL_GetNumAudioDevices(0) > device) name = SDL_GetAudioDeviceName(device, 0);
  SDL_AudioDeviceID id = SDL_OpenAudioDevice(name, 0, &want, &have, 0);
  if (id == 0) {
    warn("cannot open the audio output");
    return 2;
  }
  silence_ = have.silence;
  rd_ = fill_ = 0;
  l_head_ = l_count_ = 0;
  front_left_ = 0;
  played_ = 0;
  completed_ = 0;
  report_posted_ = false;
  w_head_ = w_count_ = 0;
  done_ = done;
  done_ctx_ = ctx;
  dev_ = id;
  paused_ = false;
  SDL_PauseAudioDevice(dev_, 0);
  return 0;
}

int SdlAudioDevice::prepare(AudioBlock& b) {
  if (!dev_ || !b.data || b.length > 4096) return 11;
  b.prepared = true;
  return 0;
}

int SdlAudioDevice::unprepare(AudioBlock& b) {
  if (b.in_device) return 33;
  b.prepared = false;
  return 0;
}

int SdlAudioDevice::write(AudioBlock& b) {
  if (!dev_ || !b.prepared || b.in_device || w_count_ == kRing) return 34;
  SDL_LockAudioDevice(dev_);
  bool room = l_count_ < kRing && kBytes - fill_ >= b.length;
  if (room) {
    std::uint32_t at = (rd_ + fill_) % kBytes;
    std::uint32_t first = std::min(b.length, kBytes - at);
    std::memcpy(bytes_.get() + at, b.data, first);
    std::memcpy(bytes_.get(), b.data + first, b.length - first);
    fill_ += b.length;
    lens_[(l_head_ + l_count_) % kRing] = b.length;
    if (l_count_ == 0) front_left_ = b.length;
    ++l_count_;
  }
  SDL_UnlockAudioDevice(dev_);
  if (!room) return 34;
  b.done = false;
  b.in_device = true;
  written_[(w_head_ + w_count_) % kRing] = &b;
  ++w_count_;
  return 0;
}

// Audio thread: plays queued bytes, counts finished blocks, asks the UI thread to report them.
void SdlAudioDevice::fill(void* self, std::uint8_t* stream, int len) {
  auto* d = static_cast<SdlAudioDevice*>(self);
  auto want = static_cast<std::uint32_t>(len);
  std::uint32_t out = 0;
  bool finished = false;
  while (out < want && d->l_count_ > 0) {
    std::uint32_t take = std::min({want - out, d->front_left_, kBytes - d->rd_});
    std::memcpy(stream + out, d->bytes_.get() + d->rd_, take);
    out += take;
    d->rd_ = (d->rd_ + take) % kBytes;
    d->fill_ -= take;
    d->front_left_ -= take;
    d->played_ += take;
    if (d->front_left_ == 0) {
      d->l_head_ = (d->l_head_ + 1) % kRing;
      --d->l_count_;
      d->front_left_ = d->l_count_ ? d->lens_[d->l_head_] : 0;
      ++d->completed_;
      finished = true;
    }
  }
  if (out < want) std::memset(stream + out, d->silence_, want - out);  // ran dry
  if (d->muted_.load(std::memory_order_relaxed)) std::memset(stream, d->silence_, want);
  if (finished && !d->report_posted_ && d->host_) {
    d->report_posted_ = true;
    d->host_->post_task(&SdlAudioDevice::run_done, d);
  }
}

// UI thread: marks the finished blocks done, oldest first, and tells the mixer.
void SdlAudioDevice::run_done(void* self) {
  auto* d = static_cast<SdlAudioDevice*>(self);
  if (!d->dev_) return;
  SDL_LockAudioDevice(d->dev_);
  int n = d->completed_;
  d->completed_ = 0;
  d->report_posted_ = false;
  SDL_UnlockAudioDevice(d->dev_);
  for (; n > 0 && d->w_count_ > 0; --n) {
    AudioBlock* b = d->written_[d->w_head_];
    b->done = true;
    b->in_device = false;
    d->w_head_ = (d->w_head_ + 1) % kRing;
    --d->w_count_;
  }
  if (d->done_) d->done_(d->done_ctx_);
}

void SdlAudioDevice::reset() {
  if (!dev_) return;
  SDL_LockAudioDevice(dev_);
  rd_ = fill_ = 0;
  l_head_ = l_count_ = 0;
  front_left_ = 0;
  played_ = 0;
  completed_ = 0;
  SDL_UnlockAudioDevice(dev_);
  for (int i = 0; i < w_count_; ++i) {
    AudioBlock* b = written_[(w_head_ + i) % kRing];
    b->done = true;
    b->in_device = false;
  }
  w_head_ = w_count_ = 0;
}

void SdlAudioDevice::pause() {
  if (!dev_) return;
  paused_ = true;
  SDL_PauseAudioDevice(dev_, 1);
}

void SdlAudioDevice::restart() {
  if (!dev_) return;
  paused_ = false;
  SDL_PauseAudioDevice(dev_, 0);
}

std::uint64_t SdlAudioDevice::position() {
  if (!dev_) return 0;
  SDL_LockAudioDevice(dev_);
  std::uint64_t p = played_;
  SDL_UnlockAudioDevice(dev_);
  return p;
}

void SdlAudioDevice::close() {
  if (!dev_) return;
  reset();
  SDL_CloseAudioDevice(dev_);  // waits for the audio thread to leave the callback
  dev_ = 0;
  done_ = nullptr;
  done_ctx_ = nullptr;
}

bool SdlAudioDevice::audible() const {
  // SDL's "dummy" and "disk" drivers take the stream and sound nothing: asked for on purpose
  // (tests, CI), so the music stays silent too rather than looking for a sound server of its own.
  if (!inited_) return true;  // no SDL audio at all: the music may still find an output
  const char* driver = SDL_GetCurrentAudioDriver();
  return !driver || (std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "disk") != 0);
}

std::uint32_t SdlAudioDevice::now_ms() {
  return SDL_GetTicks();
}

}  // namespace plat
