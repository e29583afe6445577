// The mixer's session: channels, plays, the output blocks and their refilling.
#include "sound/mixer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>

#include "platform/sjis.h"
#include "sound/mixer_internal.h"
#include "sound/profile.h"

namespace game {

namespace {

struct MixPlay {
  MixPlay* next = nullptr;
  MixPlayParams params;
  MixWave* wave = nullptr;
  const std::uint8_t* data = nullptr;
  std::int64_t length = 0;
  std::int64_t start = 0;  // stream positions, bytes: the play sounds in [start, end)
  std::int64_t end = 0;
};

struct Block {
  plat::AudioBlock hdr;
  std::uint8_t* mem = nullptr;
  bool free = true;
  std::int64_t start = 0;  // stream position of its first byte
};

struct Notice {
  MixListener* to;
  int channel;
  MixWave* wave;
};

MixPlay g_plays[kMixPlays];
MixPlay* g_free_plays = nullptr;
plat::AudioDevice* g_device = nullptr;
std::string g_settings = "MIXER.INI";
MixSession* g_current = nullptr;  // the one session
MixSession* g_owner = nullptr;    // the session that owns the open device

[[noreturn]] void fail(const std::string& m) {
  throw EMixerError(m);
}

}  // namespace

struct MixSession {
  std::uint16_t tag_head = kMixTag;
  int device = 0;
  char device_name[32] = {};
  bool activated = false;
  bool device_open = false;
  bool open[kMixChannels] = {};
  MixPlay* queue[kMixChannels] = {};
  int open_count = 0;
  std::uint32_t last_use[kMixChannels] = {};
  std::uint32_t play_counter = 0;
  plat::AudioFormat format;
  int block_len = 2048;
  int blocks = 3;
  std::int64_t mix_pos = 0;
  std::uint32_t time_origin = 0;
  std::int64_t offset = 0;
  int position_source = 0;
  int remix_mode = 1;
  MixPlay* pending = nullptr;  // oldest first
  Block block[kMixBlocks];
  Block* queued[kMixBlocks] = {};  // at the device, in the order written
  int nqueued = 0;
  Notice notices[kMixPlays] = {};
  int nnotices = 0;
  std::vector<MixWave*> waves;  // every wave opened in this session and not yet freed
  std::uint16_t tag_tail = kMixTag;
};

namespace {

MixSession* check(MixSession* s) {
  if (!s || s != g_current || s->tag_head != kMixTag || s->tag_tail != kMixTag)
    fail("Invalid Session handle");
  return s;
}

plat::AudioDevice& dev() {
  return *g_device;
}

void release_play(MixPlay* p) {
  p->next = g_free_plays;
  p->wave = nullptr;
  p->data = nullptr;
  g_free_plays = p;
}

void drop_plays(MixPlay*& head) {
  while (head) {
    MixPlay* p = head;
    head = p->next;
    release_play(p);
  }
}

bool channels_empty(const MixSession* s) {
  for (int c = 0; c < kMixChannels; ++c)
    if (s->open[c] && s->queue[c]) return false;
  return true;
}

// --- Stream position -------------------------------------------------------------------------

std::int64_t device_position(MixSession* s) {
  return static_cast<std::int64_t>(dev().position()) + s->offset;
}

std::int64_t stream_position(MixSession* s) {
  if (s->position_source == 1) return device_position(s);
  std::uint32_t ms = dev().now_ms() - s->time_origin;
  std::int64_t p = static_cast<std::int64_t>(ms) * s->format.bytes_per_sec / 1000;
  if (s->format.block_align == 2) p &= ~std::int64_t{1};
  return p;
}

// Makes both position sources read x from now on.
void rebase_sources(MixSession* s, std::int64_t x) {
  s->offset = x - static_cast<std::int64_t>(dev().position());
  s->time_origin = dev().now_ms() - static_cast<std::uint32_t>(x * 1000 / s->format.bytes_per_sec);
}

void rebase(MixSession* s, std::int64_t x) {
  rebase_sources(s, x);
  s->mix_pos = x;
}

// --- Mixing ----------------------------------------------------------------------------------

// n bytes of output from the sources (8-bit unsigned, silence 128), summed and clamped.
void mix_bytes(std::uint8_t* out, const std::uint8_t* const* src, int nsrc, std::int64_t n) {
  if (nsrc == 1) {
    std::memcpy(out, src[0], static_cast<std::size_t>(n));
    return;
  }
  if (nsrc == 2) {
    const std::uint8_t* a = src[0];
    const std::uint8_t* b = src[1];
    for (std::int64_t i = 0; i < n; ++i) {
      int v = a[i] + b[i] - 128;
      out[i] = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    }
    return;
  }
  // source by source into a running sum (n is at most one block), then clamp once
  std::int16_t acc[kMixBlockMax];
  const std::uint8_t* a = src[0];
  for (std::int64_t i = 0; i < n; ++i) acc[i] = static_cast<std::int16_t>(a[i]);
  for (int k = 1; k < nsrc; ++k) {
    const std::uint8_t* b = src[k];
    for (std::int64_t i = 0; i < n; ++i) acc[i] = static_cast<std::int16_t>(acc[i] + b[i] - 128);
  }
  for (std::int64_t i = 0; i < n; ++i) {
    int v = acc[i];
    out[i] = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
  }
}

// Fills one block from the mix position on; false (block untouched) if nothing is left to play.
bool fill_block(MixSession* s, Block& b) {
  const std::int64_t m = s->mix_pos;
  const std::int64_t block_end = m + s->block_len;
  MixPlay* cand[kMixChannels];
  int nc = 0;
  for (int c = 0; c < kMixChannels; ++c) {
    if (!s->open[c]) continue;
    MixPlay* p = s->queue[c];
    while (p && p->end <= m) p = p->next;
    if (p) cand[nc++] = p;
  }
  if (nc == 0) return false;
  std::int64_t e = kMixForever;
  for (int i = 0; i < nc; ++i) e = std::min(e, cand[i]->start);

  std::uint8_t* out = b.mem;
  std::int64_t pos = m;
  while (pos < block_end) {
    if (nc == 0) {  // nothing more: the rest is silence
      std::memset(out + (pos - m), 128, static_cast<std::size_t>(block_end - pos));
      break;
    }
    if (pos < e) {
      std::int64_t to = std::min(e, block_end);
      std::memset(out + (pos - m), 128, static_cast<std::size_t>(to - pos));
      pos = to;
      continue;
    }
    // the stretch up to the next place where a play starts, ends or loops
    std::int64_t stop = block_end;
    const std::uint8_t* src[kMixChannels];
    int ns = 0;
    for (int i = 0; i < nc; ++i) {
      MixPlay* p = cand[i];
      if (p->start <= pos) {
        stop = std::min(stop, p->end);
        std::int64_t off = pos - p->start;
        if (p->params.loops != 0 || off >= p->length) {
          off %= p->length;
          stop = std::min(stop, pos - off + p->length);
        }
        src[ns++] = p->data + off;
      } else {
        stop = std::min(stop, p->start);
      }
    }
    mix_bytes(out + (pos - m), src, ns, stop - pos);
    pos = stop;
    int keep = 0;
    e = kMixForever;
    for (int i = 0; i < nc; ++i) {
      MixPlay* p = cand[i];
      while (p && pos >= p->end) p = p->next;
      if (p) {
        cand[keep++] = p;
        e = std::min(e, p->start);
      }
    }
    nc = keep;
  }
  b.start = m;
  s->mix_pos += s->block_len;
  return true;
}

Block* free_block(MixSession* s) {
  for (int i = 0; i < s->blocks; ++i)
    if (s->block[i].free) return &s->block[i];
  return nullptr;
}

void unqueue(MixSession* s, Block* b) {
  int k = 0;
  for (int i = 0; i < s->nqueued; ++i)
    if (s->queued[i] != b) s->queued[k++] = s->queued[i];
  s->nqueued = k;
}

// Fills free blocks and writes them to the device until none is free or nothing is left.
void fill_output(MixSession* s) {
  for (;;) {
    Block* b = free_block(s);
    if (!b || !fill_block(s, *b)) return;
    b->free = false;
    s->queued[s->nqueued++] = b;
    if (dev().write(b->hdr) != 0) {
      b->free = true;
      unqueue(s, b);
      fail("Failed to write block to device");
    }
  }
}

void take_back_all(MixSession* s) {
  for (int i = 0; i < s->nqueued; ++i) s->queued[i]->free = true;
  s->nqueued = 0;
}

// A new play must sound inside the stream already handed to the device: mix again from `start`.
void remix(MixSession* s, std::int64_t start) {
  s->mix_pos = start;
  take_back_all(s);
  for (;;) {
    Block* b = free_block(s);
    if (!b || !fill_block(s, *b)) break;
    b->free = false;
    s->queued[s->nqueued++] = b;
  }
  // The device starts again from the first remixed block: its count must read `start`.
  dev().reset();
  rebase_sources(s, start);
  dev().pause();
  for (int i = 0; i < s->nqueued; ++i) {
    Block* b = s->queued[i];
    if (dev().write(b->hdr) != 0) {
      for (int j = i; j < s->nqueued; ++j) s->queued[j]->free = true;
      s->nqueued = i;
      dev().restart();
      fail("Failed to write block to device");
    }
  }
  dev().restart();
}

// Shift mode: the new play is moved to begin where the device has not yet been fed.
void shift(MixSession* s, MixPlay* p) {
  std::int64_t delta = s->mix_pos - p->start;
  p->start = s->mix_pos;
  if (p->end != kMixForever) {
    p->end += delta;
    if (p->end < p->start) p->end = kMixForever;
  }
  fill_output(s);
}

void deliver_notices(MixSession* s) {
  Notice batch[kMixPlays];
  int n = s->nnotices;
  std::copy(s->notices, s->notices + n, batch);
  s->nnotices = 0;
  for (int i = 0; i < n; ++i) batch[i].to->mix_play_done(batch[i].channel, batch[i].wave);
}

// The device has played one or more blocks (UI thread, from the message pump).
void on_block_done(void*) {
  MixSession* s = g_owner;
  if (!s || !s->activated) return;
  g_current = s;
  int k = 0;
  for (int i = 0; i < s->nqueued; ++i) {
    Block* b = s->queued[i];
    if (b->hdr.done) {
      b->free = true;
    } else {
      s->queued[k++] = b;
    }
  }
  s->nqueued = k;
  const std::int64_t played = device_position(s);
  for (int c = 0; c < kMixChannels; ++c) {
    if (!s->open[c]) continue;
    while (s->queue[c] && s->queue[c]->end <= played) {
      MixPlay* p = s->queue[c];
      s->queue[c] = p->next;
      if (p->params.notify && s->nnotices < kMixPlays)
        s->notices[s->nnotices++] = {p->params.notify, c, p->wave};
      release_play(p);
    }
  }
  try {
    fill_output(s);
  } catch (const EMixerError&) {
    // a refused block is dropped; the next block done tries again
  }
  deliver_notices(s);
}

void free_blocks(MixSession* s) {
  for (Block& b : s->block) {
    if (b.mem) {
      if (b.hdr.prepared) dev().unprepare(b.hdr);
      delete[] b.mem;
    }
    b = Block{};
  }
  s->nqueued = 0;
}

void close_device(MixSession* s) {
  dev().close();
  free_blocks(s);
  s->device_open = false;
}

void drop_wave_plays(MixPlay*& head, const MixWave* w) {
  MixPlay** link = &head;
  while (*link) {
    MixPlay* p = *link;
    if (p->wave == w) {
      *link = p->next;
      release_play(p);
    } else {
      link = &p->next;
    }
  }
}

}  // namespace

// --- Start-up and the session ----------------------------------------------------------------

void MixerUseDevice(plat::AudioDevice* device) {
  g_device = device;
}
void MixerUseSettingsFile(const std::string& path) {
  g_settings = path;
}

MixSession* MixerInit(const MixConfig* config) {
  if (g_current) fail("Session already initialized");
  // The pool is linked only while no session could hold a record of it.
  g_free_plays = nullptr;
  for (int i = kMixPlays - 1; i >= 0; --i) {
    g_plays[i] = MixPlay{};
    g_plays[i].next = g_free_plays;
    g_free_plays = &g_plays[i];
  }
  if (!g_device || g_device->device_count() <= 0) fail("No wave output devices available");
  plat::AudioDevice& d = *g_device;

  auto* s = new (std::nothrow) MixSession;
  if (!s) fail(mixmsg::kNoMemory);
  try {
    Profile ini;
    ini.load(g_settings);
    ini.get_int("general", "debug", 0);  // read, and not used further
    const int def_remix = ini.get_int("default", "Remix", 1);
    const int def_goodpos = ini.get_int("default", "GoodWavePos", 0);
    const int def_blocks = ini.get_int("default", "WaveBlocks", 3);
    const int def_blocklen = ini.get_int("default", "WaveBlockLen", 0) & ~3;
    const int def_rate = ini.get_int("default", "SamplesPerSec", 11);
    s->device = ini.get_int("general", "WaveOutDevice", 0);
    if (s->device >= d.device_count() || s->device < -1) s->device = -1;

    plat::AudioCaps caps;
    std::string name = "Unknown Device";
    if (d.get_caps(s->device, caps))
      name = caps.name.substr(0, 31);
    else
      caps = plat::AudioCaps{name, 1, false};
    std::strncpy(s->device_name, name.c_str(), 31);

    if (caps.synchronous)
      fail(name + " is a syncronous (blocking) " +
           "wave output device.  This will not permit audio to play while other " +
           "applications are running");
    if (ini.get_int("not compatible", name, 0) != 0)
      fail(name + " is not compatible with " + "the realtime mixer");

    s->remix_mode = ini.get_int(name, "Remix", def_remix) == 2 ? 2 : 1;
    s->position_source = ini.get_int(name, "GoodWavePos", def_goodpos) != 0 ? 1 : 0;
    s->blocks = std::clamp(ini.get_int(name, "WaveBlocks", def_blocks), 2, kMixBlocks);

    const bool cfg = config && config->size == 10;
    s->format.channels =
        cfg && (config->flags & 1) && config->channels > 1 && caps.channels > 1 ? 2 : 1;
    int code = ini.get_int(name, "SamplesPerSec", def_rate);
    if (cfg && (config->flags & 2)) code = config->rate;
    s->format.samples_per_sec = code == 22 ? 22050 : code == 44 ? 44100 : 11025;
    s->format.bits_per_sample = 8;
    s->format.block_align = s->format.channels;
    s->format.bytes_per_sec = s->format.samples_per_sec * s->format.block_align;

    int len = ini.get_int(name, "WaveBlockLen", 0);
    if (len == 0) len = def_blocklen;
    if (len == 0) len = s->format.samples_per_sec / 11025 * 2048;
    len = std::clamp(len, 512, kMixBlockMax);
    len -= len % s->format.block_align;  // whole frames, or stereo would swap sides across blocks
    s->block_len = len;
  } catch (...) {
    delete s;
    throw;
  }
  g_current = s;
  return s;
}

void MixerCloseSession(MixSession* s) {
  check(s);
  MixerActivate(s, false);
  MixerCloseChannel(s, 0, 1);
  drop_plays(s->pending);
  for (MixWave* w : s->waves) delete w;
  s->waves.clear();
  s->tag_head = s->tag_tail = 0;
  delete s;
  g_current = nullptr;
  if (g_owner == s) g_owner = nullptr;
}

// --- Activation ------------------------------------------------------------------------------

void MixerActivate(MixSession* s, bool on) {
  check(s);
  if (on) {
    if (g_owner && g_owner != s) fail("Resource is already allocated to a process");
    if (g_owner == s) return;
    if (!s->device_open) {
      int rc = dev().open(s->device, s->format, &on_block_done, nullptr);
      if (rc != 0) fail("Failed to open waveform output device #" + std::to_string(rc));
      for (Block& b : s->block) {
        b.mem = new (std::nothrow) std::uint8_t[kMixBlockMax];
        if (!b.mem) {
          close_device(s);
          fail(mixmsg::kNoMemory);
        }
        std::memset(b.mem, 128, kMixBlockMax);
        b.hdr.data = b.mem;
        b.hdr.length = static_cast<std::uint32_t>(s->block_len);
      }
      for (Block& b : s->block) {
        rc = dev().prepare(b.hdr);
        if (rc != 0) {
          close_device(s);
          fail("Unable to prepare wave header #" + std::to_string(rc));
        }
      }
      s->device_open = true;
    }
    g_owner = s;
    s->activated = true;
    rebase(s, s->mix_pos);  // the stream goes on from where it stopped
    fill_output(s);
    return;
  }
  if (s->activated) {
    s->mix_pos = stream_position(s);
    dev().reset();
    take_back_all(s);
    close_device(s);
  }
  s->activated = false;
  if (g_owner == s) g_owner = nullptr;
}

// --- Channels --------------------------------------------------------------------------------

void MixerOpenChannel(MixSession* s, int channel, int how) {
  check(s);
  if (how >= 3) fail("Invalid Flags");
  if (how < 0) fail("Invalid flag");
  int from = channel;
  int to = channel + 1;
  if (how == 0) {
    if (channel < 0 || channel >= kMixChannels) fail("Invalid channel number");
    if (s->open[channel]) fail("The channel has already been opened");
  } else if (how == 1) {
    from = 0;
    to = kMixChannels;
  } else {
    if (channel < 1 || channel > kMixChannels) fail("Invalid number of channels");
    from = 0;
    to = channel;
  }
  for (int c = from; c < to; ++c) {
    if (s->open[c]) continue;
    s->open[c] = true;
    s->queue[c] = nullptr;
    ++s->open_count;
  }
}

void MixerCloseChannel(MixSession* s, int channel, int how) {
  check(s);
  int from = channel;
  int to = channel + 1;
  if (how == 1) {
    from = 0;
    to = kMixChannels;
  } else if (channel < 0 || channel >= kMixChannels) {
    fail("Invalid channel number");
  }
  for (int c = from; c < to; ++c) {
    if (!s->open[c]) continue;
    drop_plays(s->queue[c]);
    s->open[c] = false;
    --s->open_count;
  }
}

void MixerFlushChannel(MixSession* s, int channel, int how) {
  check(s);
  const bool all = how & 1;
  if (!all) {
    if (channel < 0 || channel >= kMixChannels) fail("Invalid channel number");
    if (!s->open[channel]) fail("The specified channel was not open");
  }
  for (int c = all ? 0 : channel; c < (all ? kMixChannels : channel + 1); ++c)
    if (s->open[c]) drop_plays(s->queue[c]);
  // Without "no remix" the dropped sound stops now rather than after the queued blocks.
  if (!(how & 2) && s->activated && s->nqueued > 0) remix(s, stream_position(s));
}

// --- Waves -----------------------------------------------------------------------------------

namespace {

MixWave* open_image(MixSession* s, const std::uint8_t* img, std::size_t size,
                    const std::string& name) {
  MixWave* w = mixer_load_wave(img, size, s->format, name);
  try {
    s->waves.push_back(w);
  } catch (...) {
    delete w;
    fail(mixmsg::kNoMemory);
  }
  return w;
}

void check_format(MixSession* s) {
  // The message's apostrophe has always been the byte 0xB4, a half-width katakana in the game's
  // Shift-JIS.
  if (!dev().supports(s->device, s->format)) fail(SJ("The waveform device canｴt play this format"));
}

}  // namespace

MixWave* MixerOpenWave(MixSession* s, const std::string& file) {
  check(s);
  check_format(s);
  std::ifstream f(file, std::ios::binary);
  if (!f) fail("Failed to open wave file " + file);
  std::vector<std::uint8_t> img;
  try {
    img.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  } catch (const std::bad_alloc&) {
    fail(mixmsg::kNoMemory);
  }
  if (f.bad()) fail("Failed to open wave file " + file);
  return open_image(s, img.data(), img.size(), file.substr(0, 15));
}

MixWave* MixerOpenWaveResource(MixSession* s, const MixModule& module, const std::string& name,
                               int number) {
  check(s);
  check_format(s);
  const MixResource* r = nullptr;
  for (const MixResource& m : module.waves)
    if (name.empty() ? m.name.empty() && m.number == number : m.name == name) {
      r = &m;
      break;
    }
  const std::string label = name.empty() ? std::to_string(number) : name;
  if (!r) fail("Failed to open \"WAVE\" resource " + label);
  if (!r->data) fail("Failed to lock \"WAVE\" resource");
  if (r->size == 0)
    fail(
        "Failed to open resource, mmioOpen error= 259.#13May need to make sure resource is marked "
        "read-write");
  return open_image(s, static_cast<const std::uint8_t*>(r->data), r->size,
                    name.empty() ? "res#" + std::to_string(number) : name.substr(0, 15));
}

MixWave* MixerOpenWaveMemory(MixSession* s, const void* data, std::size_t size) {
  check(s);
  check_format(s);
  if (!data || size == 0)
    fail(
        "Failed to open memory file, mmioOpen error=259.#13May need to make sure memory is "
        "read-write");
  return open_image(s, static_cast<const std::uint8_t*>(data), size, "mem");
}

void MixerFreeWave(MixSession* s, MixWave* wave) {
  check(s);
  auto it = std::find(s->waves.begin(), s->waves.end(), wave);
  if (!wave || it == s->waves.end()) fail("The given pointer was not valid");
  for (int c = 0; c < kMixChannels; ++c)
    if (s->open[c]) drop_wave_plays(s->queue[c], wave);
  drop_wave_plays(s->pending, wave);  // a waiting play must not outlive its wave either
  s->waves.erase(it);
  delete wave;
}

bool MixerWaveQueued(MixSession* s, const MixWave* wave) {
  check(s);
  for (int c = 0; c < kMixChannels; ++c)
    for (MixPlay* p = s->open[c] ? s->queue[c] : nullptr; p; p = p->next)
      if (p->wave == wave) return true;
  for (MixPlay* p = s->pending; p; p = p->next)
    if (p->wave == wave) return true;
  return false;
}

// --- Playing ---------------------------------------------------------------------------------

void MixerPlay(MixPlayParams* params) {
  if (!params) fail("nil parameters pointer passed to MixerPlay");
  MixSession* s = check(params->session);
  if (!params->wave) fail("nil wave pointer passed to MixerPlay!");
  if (std::find(s->waves.begin(), s->waves.end(), params->wave) == s->waves.end())
    fail("The given pointer was not valid");
  if (!s->activated) fail("Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
  if (s->open_count == 0) fail("You must open a channel before you can play a wave");

  int ch = params->channel;
  if (params->flags & kPlayUseLru) {
    // the least recently used open channel; an empty one ends the search
    int cand = -1;
    for (int c = 0; c < kMixChannels; ++c) {
      if (!s->open[c]) continue;
      if (cand < 0) cand = c;
      if (!s->queue[cand]) break;
      if (s->last_use[c] < s->last_use[cand]) cand = c;
    }
    ch = cand;
    params->channel = ch;
  }
  if (ch < 0 || ch >= kMixChannels) fail("The specified channel was not open");
  s->last_use[ch] = ++s->play_counter;
  if (!s->open[ch]) fail("The specified channel was not open");

  if (!g_free_plays) fail("Not enough memory");
  MixPlay* p = g_free_plays;
  g_free_plays = p->next;
  p->next = nullptr;
  p->params = *params;
  p->params.channel = ch;
  p->wave = params->wave;
  p->data = params->wave->data;
  p->length = params->wave->length;
  MixPlay** tail = &s->pending;
  while (*tail) tail = &(*tail)->next;
  *tail = p;
  if (params->flags & kPlayWait) return;

  if (s->nqueued == 0 && channels_empty(s)) rebase(s, 0);
  const std::int64_t now = stream_position(s);

  bool need_remix = false;
  MixPlay* last = nullptr;
  while (s->pending) {
    MixPlay* q = s->pending;
    s->pending = q->next;
    q->next = nullptr;
    const int c = q->params.channel;
    if (!s->open[c]) {  // its channel was closed while it waited
      release_play(q);
      continue;
    }
    const bool high = q->params.flags & kPlayHighPriority;
    if (q->params.flags & kPlayClearChannel) {
      drop_plays(s->queue[c]);
      s->queue[c] = q;
      q->start = high ? now : s->mix_pos;
      if (s->nqueued > 0) need_remix = true;
    } else if (s->queue[c]) {
      MixPlay* back = s->queue[c];
      while (back->next) back = back->next;
      back->next = q;
      q->start = high ? back->end : std::max(back->end, s->mix_pos);
      if (q->start < s->mix_pos) need_remix = true;
    } else {
      s->queue[c] = q;
      q->start = high ? now : s->mix_pos;
      if (q->start < s->mix_pos) need_remix = true;
    }
    const std::int64_t span = (static_cast<std::int64_t>(q->params.loops) + 1) * q->length;
    q->end =
        q->start == kMixForever || q->params.loops == kLoopForever ? kMixForever : q->start + span;
    last = q;
  }
  if (!last) return;

  if (need_remix) {
    if (s->remix_mode == 2) {
      shift(s, last);
    } else {
      remix(s, last->start);
    }
    return;
  }
  const bool paused = s->nqueued == 0;
  if (paused) dev().pause();
  try {
    fill_output(s);
  } catch (...) {
    if (paused) dev().restart();
    throw;
  }
  if (paused) dev().restart();
}

// --- Looking in ------------------------------------------------------------------------------

MixInfo MixerInfo(MixSession* s) {
  check(s);
  MixInfo i;
  i.activated = s->activated;
  i.format = s->format;
  i.block_len = s->block_len;
  i.blocks = s->blocks;
  i.remix_mode = s->remix_mode;
  i.position_source = s->position_source;
  i.device = s->device;
  i.device_name = s->device_name;
  i.open_channels = s->open_count;
  for (int c = 0; c < kMixChannels; ++c) {
    if (s->open[c]) i.open_mask = static_cast<std::uint8_t>(i.open_mask | (1u << c));
    for (MixPlay* p = s->open[c] ? s->queue[c] : nullptr; p; p = p->next) ++i.channel_plays[c];
  }
  i.mix_pos = s->mix_pos;
  i.queued_blocks = s->nqueued;
  for (MixPlay* p = g_free_plays; p; p = p->next) ++i.free_plays;
  return i;
}

std::int64_t MixerDevicePosition(MixSession* s) {
  check(s);
  return s->device_open ? device_position(s) : s->mix_pos;
}

std::vector<std::pair<std::int64_t, std::int64_t>> MixerChannelPlays(MixSession* s, int channel) {
  check(s);
  std::vector<std::pair<std::int64_t, std::int64_t>> v;
  if (channel >= 0 && channel < kMixChannels && s->open[channel])
    for (MixPlay* p = s->queue[channel]; p; p = p->next) v.emplace_back(p->start, p->end);
  return v;
}

}  // namespace game
