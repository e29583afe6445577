#include "measure.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstring>
#include <filesystem>
#include <map>

#include "bytes.h"
#include "platform/midi/midi.h"

namespace ag {

namespace {

constexpr double kPi = 3.14159265358979323846;

double db(double mean_square) {
  return mean_square > 1e-20 ? 10 * std::log10(mean_square) : -200;
}

// A first-order section y = b0 x + b1 x' - a1 y'.
struct Order1 {
  double b0, b1, a1, x1 = 0, y1 = 0;
  double run(double x) {
    double y = b0 * x + b1 * x1 - a1 * y1;
    x1 = x, y1 = y;
    return y;
  }
  std::complex<double> at(double w) const {
    std::complex<double> z1 = std::polar(1.0, -w);
    return (b0 + b1 * z1) / (1.0 + a1 * z1);
  }
};

// The A-weighting curve as six first-order sections (bilinear transform of its four poles and
// four zeros at 0 Hz), scaled to 0 dB at 1 kHz.
struct AWeight {
  std::vector<Order1> sec;
  double gain = 1;
  explicit AWeight(int rate) {
    const double fs2 = 2.0 * rate;
    auto high = [&](double f) {
      double w = 2 * kPi * f, k = fs2 / (fs2 + w);
      return Order1{k, -k, -(fs2 - w) / (fs2 + w)};
    };
    auto low = [&](double f) {
      double w = 2 * kPi * f, k = 1 / (fs2 + w);
      return Order1{k, k, -(fs2 - w) / (fs2 + w)};
    };
    sec = {high(20.598997), high(20.598997), high(107.65265),
           high(737.86223), low(12194.217),  low(12194.217)};
    std::complex<double> h = 1;
    for (auto& s : sec) h *= s.at(2 * kPi * 1000.0 / rate);
    gain = 1 / std::abs(h);
  }
  double run(double x) {
    for (auto& s : sec) x = s.run(x);
    return x * gain;
  }
};

// A biquad in direct form I.
struct Biquad {
  double b0, b1, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double run(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// The K-weighting of loudness meters at any rate: a high shelf (+4 dB over ~1.7 kHz) and a
// high-pass at ~38 Hz, from their analogue prototypes (the meters' own 48 kHz coefficients come
// out exactly).
std::vector<double> k_weighted(const std::vector<float>& s, int rate) {
  double f0 = 1681.974450955533, Q = 0.7071752369554196;
  double K = std::tan(kPi * f0 / rate), Vh = std::pow(10.0, 3.999843853973347 / 20),
         Vb = std::pow(Vh, 0.4996667741545416), a0 = 1 + K / Q + K * K;
  Biquad shelf{(Vh + Vb * K / Q + K * K) / a0, 2 * (K * K - Vh) / a0,
               (Vh - Vb * K / Q + K * K) / a0, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0};
  f0 = 38.13547087602444, Q = 0.5003270373238773;
  K = std::tan(kPi * f0 / rate), a0 = 1 + K / Q + K * K;
  Biquad high{1, -2, 1, 2 * (K * K - 1) / a0, (1 - K / Q + K * K) / a0};
  std::vector<double> out(s.size());
  for (std::size_t i = 0; i < s.size(); i++) out[i] = high.run(shelf.run(s[i]));
  return out;
}

void fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; i++) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    std::complex<double> wl = std::polar(1.0, -2 * kPi / double(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w = 1;
      for (std::size_t k = 0; k < len / 2; k++, w *= wl) {
        std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v, a[i + k + len / 2] = u - v;
      }
    }
  }
}

long read_vlq(const Bytes& b, std::size_t& q, std::size_t end) {
  long v = 0;
  for (int i = 0; i < 4 && q < end; i++) {
    std::uint8_t c = b[q++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) break;
  }
  return v;
}

}  // namespace

bool read_sound(const Bytes& b, Sound& w, std::string* why) {
  auto fail = [&](const char* m) {
    if (why) *why = m;
    return false;
  };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4))
    return fail("not RIFF WAVE");
  int channels = 0, bits = 0;
  bool fmt = false;
  for (std::size_t p = 12; p + 8 <= b.size();) {
    std::uint32_t len = le32(b.data() + p + 4);
    if (p + 8 + len > b.size()) return fail("chunk runs past the end");
    const std::uint8_t* c = b.data() + p + 8;
    if (!std::memcmp(b.data() + p, "fmt ", 4) && len >= 16) {
      if (le16(c) != 1) return fail("not PCM");
      channels = le16(c + 2), w.rate = int(le32(c + 4)), bits = le16(c + 14);
      if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || w.rate <= 0)
        return fail("unsupported format");
      fmt = true;
    } else if (!std::memcmp(b.data() + p, "data", 4)) {
      if (!fmt) return fail("data before fmt");
      const std::uint32_t frame = std::uint32_t(channels * bits / 8);
      w.s.clear();
      for (std::uint32_t i = 0; i + frame <= len; i += frame) {
        float v = 0;
        for (int ch = 0; ch < channels; ch++) {
          const std::uint8_t* x = c + i + std::uint32_t(ch * bits / 8);
          v += bits == 16 ? float(std::int16_t(le16(x))) / 32768.0f : (float(x[0]) - 128) / 128;
        }
        w.s.push_back(v / float(channels));
      }
      return true;
    }
    p += 8 + len + (len & 1);
  }
  return fail("no data chunk");
}

double peak_db(const std::vector<float>& s) {
  double m = 0;
  for (float v : s) m = std::max(m, double(std::fabs(v)));
  return db(m * m);
}

std::vector<float> a_weighted(const std::vector<float>& s, int rate) {
  AWeight a(rate);
  std::vector<float> out(s.size());
  for (std::size_t i = 0; i < s.size(); i++) out[i] = float(a.run(s[i]));
  return out;
}

double loudness_db(const Sound& w) {
  if (!w.rate) return -200;
  AWeight a(w.rate);
  const double k = 1 - std::exp(-1.0 / (0.125 * w.rate));
  double y = 0, top = 0;
  // a little silence after the end lets a very short sound reach its full reading
  const std::size_t n = w.s.size() + std::size_t(w.rate / 20);
  for (std::size_t i = 0; i < n; i++) {
    double x = a.run(i < w.s.size() ? w.s[i] : 0.0f);
    y += (x * x - y) * k;
    top = std::max(top, y);
  }
  return db(top);
}

double exposure_db(const Sound& w) {
  if (!w.rate) return -200;
  double e = 0;
  for (float v : a_weighted(w.s, w.rate)) e += double(v) * v;
  return db(e / w.rate);
}

double share_above(const Sound& w, double hz) {
  const std::size_t n = 2048;
  std::vector<double> power(n / 2, 0);
  std::vector<std::complex<double>> buf(n);
  for (std::size_t at = 0; at < w.s.size() + n / 2; at += n / 2) {
    for (std::size_t i = 0; i < n; i++) {
      std::size_t j = at + i;
      double win = 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(n));
      buf[i] = j >= n / 2 && j - n / 2 < w.s.size() ? w.s[j - n / 2] * win : 0.0;
    }
    fft(buf);
    for (std::size_t k = 1; k < n / 2; k++) power[k] += std::norm(buf[k]);
  }
  double all = 0, high = 0;
  for (std::size_t k = 1; k < n / 2; k++) {
    all += power[k];
    if (double(k) * w.rate / double(n) > hz) high += power[k];
  }
  return all > 0 ? high / all : 0;
}

double faint_tail_seconds(const Sound& w) {
  if (!w.rate) return 0;
  const float step = 1.0f / 128;
  std::size_t audible = 0, sounding = 0;
  for (std::size_t i = 0; i < w.s.size(); i++) {
    if (std::fabs(w.s[i]) >= step) audible = i;
    if (w.s[i] != 0) sounding = i;
  }
  return sounding > audible ? double(sounding - audible) / w.rate : 0;
}

// ---- tunes ----

long Tune::length() const {
  long end = 0;
  for (long e : track_end) end = std::max(end, e);
  return end;
}

double Tune::seconds_at(long tick) const {
  double sec = 0;
  long at = 0;
  int us = 500000;
  for (auto& [tk, v] : tempo) {
    if (tk >= tick) break;
    sec += double(tk - at) * us / 1e6 / division;
    at = tk, us = v;
  }
  return sec + double(tick - at) * us / 1e6 / division;
}

int Tune::channel_of(const std::string& name, int fallback) const {
  for (std::size_t t = 0; t < track_name.size(); t++) {
    if (track_name[t] != name) continue;
    for (auto& n : notes)
      if (n.track == int(t)) return n.channel;
  }
  return fallback;
}

Tune read_tune(const Bytes& b) {
  Tune m;
  if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) || be32(b.data() + 4) != 6) {
    m.why = "no MThd";
    return m;
  }
  const int tracks = be16(b.data() + 10);
  m.division = be16(b.data() + 12);
  if (m.division <= 0 || (m.division & 0x8000)) {
    m.why = "not ticks per quarter";
    return m;
  }
  std::size_t p = 14;
  for (int t = 0; t < tracks; t++) {
    if (p + 8 > b.size() || std::memcmp(b.data() + p, "MTrk", 4)) {
      m.why = "missing MTrk";
      return m;
    }
    std::size_t q = p + 8, end = q + be32(b.data() + p + 4);
    if (end > b.size()) {
      m.why = "track runs past the end";
      return m;
    }
    m.track_name.emplace_back();
    long tick = 0, ended = -1;
    int status = 0;
    std::map<int, std::vector<std::size_t>> open;  // channel*128+key -> notes sounding
    while (q < end && ended < 0) {
      tick += read_vlq(b, q, end);
      if (q >= end) break;
      if (b[q] & 0x80) status = b[q++];
      if (status == 0xFF) {
        if (q >= end) break;
        int type = b[q++];
        std::size_t len = std::size_t(read_vlq(b, q, end));
        if (q + len > end) break;
        if (type == 0x51 && len == 3)
          m.tempo.push_back({tick, (b[q] << 16) | (b[q + 1] << 8) | b[q + 2]});
        if (type == 0x58 && len >= 2) m.beats_per_bar = b[q], m.beat_unit = 1 << b[q + 1];
        if (type == 0x03)
          m.track_name.back().assign(b.begin() + long(q), b.begin() + long(q + len));
        if (type == 0x2F) ended = tick;
        q += len;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        q += std::size_t(read_vlq(b, q, end));
        continue;
      }
      if (!status) {
        m.why = "data without a status";
        return m;
      }
      int hi = status & 0xF0, ch = status & 15;
      int size = hi == 0xC0 || hi == 0xD0 ? 1 : 2;
      if (q + std::size_t(size) > end) break;
      MidiEvent ev{tick, t, {std::uint8_t(status), b[q]}};
      if (size == 2) ev.bytes.push_back(b[q + 1]);
      q += std::size_t(size);
      int key = ev.bytes[1], vel = size == 2 ? ev.bytes[2] : 0;
      if (hi == 0x90 && vel > 0) {
        open[ch * 128 + key].push_back(m.notes.size());
        m.notes.push_back({t, ch, key, vel, tick, -1});
      } else if (hi == 0x80 || hi == 0x90) {
        auto& o = open[ch * 128 + key];
        if (!o.empty()) m.notes[o.front()].off = tick, o.erase(o.begin());
      }
      m.events.push_back(std::move(ev));
    }
    if (ended < 0) {
      m.why = "a track does not end";
      return m;
    }
    for (auto& n : m.notes)
      if (n.track == t && n.off < 0) n.off = ended;  // left hanging: sounds to the end
    m.track_end.push_back(ended);
    p = end;
  }
  std::stable_sort(m.events.begin(), m.events.end(),
                   [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
  std::stable_sort(m.tempo.begin(), m.tempo.end());
  m.ok = true;
  return m;
}

TuneShape tune_shape(const Tune& t) {
  TuneShape s;
  if (!t.ok || t.track_end.empty()) return s;
  const long end = t.length(), bar = t.bar_ticks();
  s.tracks_end_together =
      std::all_of(t.track_end.begin(), t.track_end.end(), [&](long e) { return e == end; });
  s.whole_bars = s.tracks_end_together && bar > 0 && end % bar == 0;
  for (auto& n : t.notes) s.late_note_ticks = std::max(s.late_note_ticks, n.off - end);
  s.bars = bar > 0 ? int((end + bar - 1) / bar) : 0;
  s.seconds = t.seconds_at(end);

  // Bars as the notes they play (channel, key, start in the bar, length), loudness aside.
  std::vector<std::vector<std::array<long, 4>>> sig(std::size_t(s.bars));
  for (auto& n : t.notes) {
    std::size_t b = std::size_t(std::clamp<long>(n.on / bar, 0, s.bars - 1));
    sig[b].push_back({n.channel, n.key, n.on % bar, n.off - n.on});
  }
  for (auto& v : sig) std::sort(v.begin(), v.end());
  for (int i = 0; i < s.bars; i++)
    for (int j = i + 1; j < s.bars; j++) {
      int k = 0;
      while (j + k < s.bars && !sig[std::size_t(i + k)].empty() &&
             sig[std::size_t(i + k)] == sig[std::size_t(j + k)])
        k++;
      s.longest_exact_repeat_bars = std::max(s.longest_exact_repeat_bars, k);
    }

  const int mel = t.channel_of("melody", 0);
  std::vector<const MidiNote*> accomp;
  for (auto& n : t.notes)
    if (n.channel != mel && n.channel != 9) accomp.push_back(&n);
  auto clashes = [](int a, int b) {
    int d = ((a - b) % 12 + 12) % 12;
    return d == 1 || d == 11;
  };
  long sounded = 0, clashed = 0;
  for (auto& n : t.notes) {
    if (n.channel != mel) continue;
    s.melody_notes++;
    sounded += n.off - n.on;
    std::vector<std::pair<long, long>> spans;
    for (auto* a : accomp)
      if (a->on < n.off && a->off > n.on && clashes(a->key, n.key))
        spans.push_back({std::max(a->on, n.on), std::min(a->off, n.off)});
    std::sort(spans.begin(), spans.end());
    long covered = 0, reach = n.on;
    for (auto& [from, to] : spans) {
      from = std::max(from, reach);
      if (to > from) covered += to - from, reach = to;
    }
    clashed += covered;
    // strong beats: the bar's first beat, and its middle when the bar halves evenly
    const long half = t.beats_per_bar % 2 == 0 ? bar / 2 : bar;
    for (long beat = (n.on + half - 1) / half * half; beat < n.off; beat += half) {
      bool hit = false;
      for (auto* a : accomp)
        hit = hit || (a->on <= beat && a->off > beat && clashes(a->key, n.key));
      s.strong_beat_clashes += hit;
    }
  }
  s.clash_share = sounded ? double(clashed) / double(sounded) : 0;
  return s;
}

// ---- rendering ----

std::string game_soundfont() {
  for (auto& p : plat::midi_default_soundfonts())
    if (std::filesystem::exists(p)) return p;
  return {};
}

namespace {
void quiet(int, const char*, void*) {}
}  // namespace

bool render_tune(const Tune& t, const std::string& soundfont, int rate, Render& out,
                 std::uint32_t channels, double tail) {
  if (!t.ok || soundfont.empty()) return false;
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, quiet, nullptr);
  fluid_settings_t* set = new_fluid_settings();
  fluid_settings_setint(set, "synth.reverb.active", 0);
  fluid_settings_setint(set, "synth.chorus.active", 0);
  fluid_settings_setnum(set, "synth.gain", 0.5);
  fluid_settings_setnum(set, "synth.sample-rate", double(rate));
  fluid_settings_setint(set, "synth.cpu-cores", 1);
  fluid_synth_t* syn = new_fluid_synth(set);
  bool ok = syn && fluid_synth_sfload(syn, soundfont.c_str(), 1) != FLUID_FAILED;
  out.rate = rate;
  const std::size_t total = std::size_t((t.seconds_at(t.length()) + tail) * rate);
  out.l.assign(total, 0), out.r.assign(total, 0);
  std::size_t pos = 0;
  auto write_to = [&](std::size_t until) {
    until = std::min(until, total);
    while (pos < until) {
      int n = int(std::min<std::size_t>(until - pos, 1024));
      fluid_synth_write_float(syn, n, out.l.data(), int(pos), 1, out.r.data(), int(pos), 1);
      pos += std::size_t(n);
    }
  };
  for (std::size_t i = 0; ok && i < t.events.size(); i++) {
    const MidiEvent& e = t.events[i];
    if (e.bytes.empty() || e.bytes[0] == 0xFF) continue;
    write_to(std::size_t(std::llround(t.seconds_at(e.tick) * rate)));
    int hi = e.bytes[0] & 0xF0, ch = e.bytes[0] & 15;
    int d1 = e.bytes.size() > 1 ? e.bytes[1] : 0, d2 = e.bytes.size() > 2 ? e.bytes[2] : 0;
    switch (hi) {
      case 0x90:
        if (d2 > 0) {
          if (channels & (1u << ch)) fluid_synth_noteon(syn, ch, d1, d2);
          break;
        }
        [[fallthrough]];
      case 0x80:
        fluid_synth_noteoff(syn, ch, d1);
        break;
      case 0xB0:
        fluid_synth_cc(syn, ch, d1, d2);
        break;
      case 0xC0:
        fluid_synth_program_change(syn, ch, d1);
        break;
      case 0xE0:
        fluid_synth_pitch_bend(syn, ch, d1 | (d2 << 7));
        break;
      case 0xD0:
        fluid_synth_channel_pressure(syn, ch, d1);
        break;
      default:
        break;
    }
  }
  if (ok) write_to(total);
  if (syn) delete_fluid_synth(syn);
  delete_fluid_settings(set);
  return ok;
}

double integrated_lufs(const Render& r) {
  if (!r.rate || r.l.empty()) return -200;
  std::vector<double> kl = k_weighted(r.l, r.rate), kr = k_weighted(r.r, r.rate);
  const std::size_t block = std::size_t(0.4 * r.rate), step = std::size_t(0.1 * r.rate);
  std::vector<double> z;
  for (std::size_t at = 0; at + block <= kl.size(); at += step) {
    double e = 0;
    for (std::size_t i = at; i < at + block; i++) e += kl[i] * kl[i] + kr[i] * kr[i];
    z.push_back(e / double(block));
  }
  auto gated_mean = [&](double gate) {
    double sum = 0;
    int n = 0;
    for (double v : z)
      if (-0.691 + db(v) > gate) sum += v, n++;
    return n ? sum / n : 0.0;
  };
  double rel = -0.691 + db(gated_mean(-70)) - 10;
  double m = gated_mean(std::max(-70.0, rel));
  return m > 0 ? -0.691 + db(m) : -200;
}

double a_level_db(const Render& r) {
  if (!r.rate || r.l.empty()) return -200;
  double e = 0;
  for (const auto* ch : {&r.l, &r.r})
    for (float v : a_weighted(*ch, r.rate)) e += double(v) * v;
  return db(e / double(2 * r.l.size()));
}

double render_peak_db(const Render& r) {
  return std::max(peak_db(r.l), peak_db(r.r));
}

}  // namespace ag
