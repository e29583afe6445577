// Loading a wave: the RIFF WAVE structure, its checks, and the conversion to the output format.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "sound/mixer_internal.h"

namespace game {

namespace {

std::uint32_t rd32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t rd16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

struct Chunk {
  std::uint64_t at = 0;                                            // offset of the chunk's header
  std::uint64_t data = 0;                                          // offset of its data
  std::uint64_t size = 0;                                          // as the header says
  std::uint64_t next() const { return data + size + (size & 1); }  // chunks are padded to even
};

// Looks for a chunk `id` among the chunks from `from` to `end` (a header must lie whole inside).
bool find_chunk(const std::uint8_t* img, std::uint64_t from, std::uint64_t end, const char* id,
                Chunk& out) {
  std::uint64_t at = from;
  while (at + 8 <= end) {
    Chunk c{at, at + 8, rd32(img + at + 4)};
    if (std::memcmp(img + at, id, 4) == 0) {
      out = c;
      return true;
    }
    at = c.next();
  }
  return false;
}

// The longest wave a rate conversion may make: 64 MiB, twelve minutes at the highest rate in
// stereo, far beyond any sound effect (the music does not pass through the mixer).
constexpr std::size_t kMaxConverted = std::size_t{64} << 20;

[[noreturn]] void fail(const char* m) {
  throw EMixerError(m);
}

}  // namespace

std::vector<std::uint8_t> MixerConvert(const plat::AudioFormat& from, const std::uint8_t* data,
                                       std::size_t length, const plat::AudioFormat& to) {
  int bits = from.bits_per_sample;
  int ch = from.channels;
  int rate = from.samples_per_sec;
  if (to.bits_per_sample != 8) fail("File format not supported");  // the output is always 8 bits
  std::vector<std::uint8_t> buf;
  // 1. Sample size.
  if (bits != 8) {
    if (bits != 16) fail("File format not supported");
    buf.resize(length / 2);
    // high byte of each little-endian sample, top bit inverted: signed 16 -> unsigned 8
    for (std::size_t i = 0; i < buf.size(); ++i)
      buf[i] = static_cast<std::uint8_t>(data[2 * i + 1] ^ 0x80);
  } else {
    buf.assign(data, data + length);
  }
  // 2. Channels.
  if (ch != to.channels) {
    if ((ch != 1 && ch != 2) || (to.channels != 1 && to.channels != 2))
      fail("File format not supported");
    std::vector<std::uint8_t> out;
    if (ch == 1) {
      out.resize(buf.size() * 2);
      for (std::size_t i = 0; i < buf.size(); ++i) out[2 * i] = out[2 * i + 1] = buf[i];
    } else {
      out.resize(buf.size() / 2);
      for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>((buf[2 * i] + buf[2 * i + 1]) / 2);
    }
    buf.swap(out);
    ch = to.channels;
  }
  // 3. Rate (now 8-bit samples, `ch` per frame).
  if (rate != to.samples_per_sec) {
    const int t = to.samples_per_sec;
    if (rate <= 0) fail("File format not supported");
    const std::size_t frames = buf.size() / static_cast<std::size_t>(ch);
    std::vector<std::uint8_t> out;
    if (rate < t) {
      const int k = t / rate;
      // A tiny rate in a damaged header would blow a few kilobytes up to gigabytes: past
      // kMaxConverted the wave is refused before the buffer is asked for, as too big for memory.
      if (frames * static_cast<std::size_t>(k * ch) > kMaxConverted) fail(mixmsg::kNoMemory);
      out.resize(frames * static_cast<std::size_t>(k * ch));
      std::size_t o = 0;
      for (std::size_t f = 0; f < frames; ++f) {
        for (int j = 0; j < k; ++j) {
          for (int c = 0; c < ch; ++c) {
            int cur = buf[f * ch + c];
            // toward the next frame in k steps; the last frame is simply repeated
            int step = f + 1 < frames ? (buf[(f + 1) * ch + c] - cur) / k : 0;
            out[o++] = static_cast<std::uint8_t>(cur + j * step);
          }
        }
      }
    } else {
      const auto k =
          static_cast<int>((std::int64_t{rate} + t / 2) / t);  // a huge rate: no overflow
      const std::size_t groups = frames / static_cast<std::size_t>(k);
      if (frames > 0) out.resize((groups + 1) * static_cast<std::size_t>(ch));
      std::size_t o = 0;
      for (std::size_t g = 0; g < groups; ++g) {
        for (int c = 0; c < ch; ++c) {
          int sum = 0;
          for (int j = 0; j < k; ++j) sum += buf[(g * k + j) * ch + c] - 128;
          out[o++] = static_cast<std::uint8_t>(128 + sum / k);
        }
      }
      if (frames > 0)  // one input frame, the last, copied at the end
        for (int c = 0; c < ch; ++c) out[o++] = buf[(frames - 1) * ch + c];
    }
    buf.swap(out);
  }
  buf.resize(buf.size() -
             buf.size() % static_cast<std::size_t>(to.block_align));  // whole frames only
  return buf;
}

MixWave* mixer_load_wave(const std::uint8_t* img, std::size_t size, const plat::AudioFormat& to,
                         const std::string& name) {
  const std::uint64_t n = size;
  // The RIFF chunk of form type WAVE, among the chunks at the top of the image.
  Chunk riff;
  bool found = false;
  for (std::uint64_t at = 0; at + 12 <= n;) {
    Chunk c{at, at + 8, rd32(img + at + 4)};
    if (std::memcmp(img + at, "RIFF", 4) == 0 && c.size >= 4 &&
        std::memcmp(img + at + 8, "WAVE", 4) == 0) {
      riff = c;
      found = true;
      break;
    }
    at = c.next();
  }
  if (!found) fail("This is not a WAVE file");
  const std::uint64_t riff_end = std::min<std::uint64_t>(riff.data + riff.size, n);
  Chunk fmt;
  if (!find_chunk(img, riff.data + 4, riff_end, "fmt ", fmt)) fail("WAVE file is corrupted");
  if (fmt.size < 16 || fmt.data + 16 > n) fail("Failed to read format chunk");
  const std::uint8_t* f = img + fmt.data;
  if (rd16(f) != 1) fail("The file is not a PCM file");
  plat::AudioFormat from;
  from.channels = rd16(f + 2);
  from.samples_per_sec = static_cast<int>(rd32(f + 4) & 0x7FFFFFFF);
  from.bits_per_sample = rd16(f + 14);
  // Alignment and byte rate follow from the rest (the header's own are not trusted), held to an
  // int: a damaged header's 65535 channels of 65535 bits must not overflow on the way.
  const std::int64_t align = std::int64_t{from.channels} * from.bits_per_sample / 8;
  from.block_align = static_cast<int>(std::min<std::int64_t>(align, INT32_MAX));
  from.bytes_per_sec =
      static_cast<int>(std::min<std::int64_t>(align * from.samples_per_sec, INT32_MAX));
  // The data chunk is looked for after the format chunk.
  Chunk dat;
  if (!find_chunk(img, fmt.next(), riff_end, "data", dat)) fail("WAVE file has no data chunk");
  if (dat.size == 0) fail("The data chunk has no data");
  if (dat.data + dat.size > n) fail("Failed to read data chunk");

  auto wave = std::unique_ptr<MixWave>(new (std::nothrow) MixWave);
  if (!wave) fail(mixmsg::kNoMemory);
  try {
    bool same = from.bits_per_sample == to.bits_per_sample && from.channels == to.channels &&
                from.samples_per_sec == to.samples_per_sec;
    if (same) {
      wave->bytes.assign(img + dat.data, img + dat.data + dat.size);
      wave->bytes.resize(wave->bytes.size() -
                         wave->bytes.size() % static_cast<std::size_t>(to.block_align));
    } else {
      wave->bytes = MixerConvert(from, img + dat.data, static_cast<std::size_t>(dat.size), to);
    }
  } catch (const std::bad_alloc&) {
    fail(mixmsg::kNoMemory);
  }
  if (wave->bytes.empty() || wave->bytes.size() > 0x7FFFFFFF) fail("Failed to convert wave format");
  wave->format = to;
  wave->data = wave->bytes.data();
  wave->length = static_cast<std::uint32_t>(wave->bytes.size());
  std::strncpy(wave->name, name.c_str(), 15);
  wave->name[15] = 0;
  return wave.release();
}

}  // namespace game
