#include "platform/headless/headless_audio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/host.h"

namespace plat {

HeadlessAudioDevice::HeadlessAudioDevice(Host* host) : host_(host) {}

Host* HeadlessAudioDevice::host() const {
  return host_;
}

int HeadlessAudioDevice::device_count() {
  return 1;
}

bool HeadlessAudioDevice::get_caps(int device, AudioCaps& caps) {
  if (device < -1 || device >= 1) return false;
  caps.name = "Headless Wave Out";
  caps.channels = 2;
  caps.synchronous = false;
  return true;
}

bool HeadlessAudioDevice::supports(int device, const AudioFormat& f) {
  if (device < -1 || device >= 1) return false;
  return (f.channels == 1 || f.channels == 2) &&
         (f.bits_per_sample == 8 || f.bits_per_sample == 16) && f.samples_per_sec >= 1000 &&
         f.samples_per_sec <= 48000 && f.block_align == f.channels * f.bits_per_sample / 8 &&
         f.bytes_per_sec == f.samples_per_sec * f.block_align;
}

int HeadlessAudioDevice::open(int device, const AudioFormat& format, BlockDone done, void* ctx) {
  if (open_) return 4;                       // already allocated
  if (!supports(device, format)) return 32;  // bad format
  open_ = true;
  paused_ = false;
  format_ = format;
  done_ = done;
  done_ctx_ = ctx;
  head_ = count_ = 0;
  front_used_ = 0;
  played_ = 0;
  owed_ = 0;
  return 0;
}

int HeadlessAudioDevice::prepare(AudioBlock& b) {
  if (!open_ || !b.data) return 11;
  b.prepared = true;
  return 0;
}

int HeadlessAudioDevice::unprepare(AudioBlock& b) {
  if (b.in_device) return 33;  // still playing
  b.prepared = false;
  return 0;
}

int HeadlessAudioDevice::write(AudioBlock& b) {
  if (!open_ || !b.prepared || b.in_device || count_ == kRing) return 34;
  b.done = false;
  b.in_device = true;
  ring_[(head_ + count_) % kRing] = &b;
  ++count_;
  return 0;
}

void HeadlessAudioDevice::reset() {
  for (int i = 0; i < count_; ++i) {
    AudioBlock* b = ring_[(head_ + i) % kRing];
    b->done = true;
    b->in_device = false;
  }
  head_ = count_ = 0;
  front_used_ = 0;
  played_ = 0;
  owed_ = 0;
}

void HeadlessAudioDevice::close() {
  reset();
  open_ = false;
  done_ = nullptr;
  done_ctx_ = nullptr;
}

std::uint32_t HeadlessAudioDevice::now_ms() {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::floor(clock_ms_)));
}

std::uint64_t HeadlessAudioDevice::queued_bytes() const {
  std::uint64_t n = 0;
  for (int i = 0; i < count_; ++i) n += ring_[(head_ + i) % kRing]->length;
  return n - front_used_;
}

void HeadlessAudioDevice::advance(double ms) {
  if (ms <= 0) return;
  clock_ms_ += ms;
  if (!open_ || paused_ || count_ == 0) {
    owed_ = 0;
    return;
  }
  // bytes of the output stream due in this stretch of time
  owed_ += ms * format_.bytes_per_sec / 1000.0;
  auto due = static_cast<std::uint64_t>(std::floor(owed_));
  owed_ -= static_cast<double>(due);
  while (due > 0 && count_ > 0 && !paused_) {
    AudioBlock* b = ring_[head_];
    std::uint64_t take = std::min<std::uint64_t>(due, b->length - front_used_);
    if (capturing_)
      capture_.insert(capture_.end(), b->data + front_used_, b->data + front_used_ + take);
    front_used_ += static_cast<std::uint32_t>(take);
    played_ += take;
    due -= take;
    if (front_used_ == b->length) {
      b->done = true;
      b->in_device = false;
      head_ = (head_ + 1) % kRing;
      --count_;
      front_used_ = 0;
      // Reported at once, so the mixer refills before the rest of this stretch is played, as it
      // would in real time (a tick is longer than a whole ring of short blocks).
      report_done();
    }
  }
  if (count_ == 0) owed_ = 0;  // the device ran dry: silence is not owed later
}

void HeadlessAudioDevice::play_out() {
  if (!capturing_) return;
  for (int ms = 0; ms < 60000 && open_ && !paused_ && count_ > 0; ms += 10) advance(10);
}

void HeadlessAudioDevice::report_done() {
  if (done_) done_(done_ctx_);
}

namespace {
void put16(std::FILE* f, unsigned v) {
  unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
  std::fwrite(b, 1, 2, f);
}
void put32(std::FILE* f, std::uint32_t v) {
  unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  std::fwrite(b, 1, 4, f);
}
}  // namespace

bool HeadlessAudioDevice::write_wav(const std::string& path) const {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  auto n = static_cast<std::uint32_t>(capture_.size());
  std::fwrite("RIFF", 1, 4, f);
  put32(f, 36 + n + (n & 1));
  std::fwrite("WAVEfmt ", 1, 8, f);
  put32(f, 16);
  put16(f, 1);  // PCM
  put16(f, static_cast<unsigned>(format_.channels));
  put32(f, static_cast<std::uint32_t>(format_.samples_per_sec));
  put32(f, static_cast<std::uint32_t>(format_.bytes_per_sec));
  put16(f, static_cast<unsigned>(format_.block_align));
  put16(f, static_cast<unsigned>(format_.bits_per_sample));
  std::fwrite("data", 1, 4, f);
  put32(f, n);
  if (n) std::fwrite(capture_.data(), 1, n, f);
  if (n & 1) std::fputc(0, f);  // chunks are padded to an even length
  return std::fclose(f) == 0;
}

}  // namespace plat
