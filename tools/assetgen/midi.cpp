// The six tunes: a tiny composer writes standard MIDI files (format 1) with General MIDI
// instruments. Each piece has a chord progression, a bass line, an accompaniment pattern and a
// melody drawn from chord tones with a fixed seed, in an A A' B A form that loops back cleanly.
#include <algorithm>
#include <array>
#include <map>

#include "assets.h"
#include "paint.h"

namespace ag {

namespace {

constexpr int kPpq = 480;

struct Ev {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  std::vector<std::uint8_t> bytes;
};

struct Track {
  std::vector<Ev> ev;
  void note(int ch, int tick, int len, int key, int vel) {
    if (key < 0 || key > 127 || len <= 0) return;
    ev.push_back(
        {tick,
         1,
         {std::uint8_t(0x90 | ch), std::uint8_t(key), std::uint8_t(std::clamp(vel, 1, 127))}});
    ev.push_back({tick + len, 0, {std::uint8_t(0x80 | ch), std::uint8_t(key), 0}});
  }
  void program(int ch, int prog) {
    ev.push_back({0, 0, {std::uint8_t(0xC0 | ch), std::uint8_t(prog)}});
  }
  void control(int ch, int tick, int cc, int v) {
    ev.push_back({tick, 0, {std::uint8_t(0xB0 | ch), std::uint8_t(cc), std::uint8_t(v)}});
  }
  void meta(int tick, int type, std::vector<std::uint8_t> data) {
    std::vector<std::uint8_t> b{0xFF, std::uint8_t(type), std::uint8_t(data.size())};
    b.insert(b.end(), data.begin(), data.end());
    ev.push_back({tick, 0, b});
  }
};

void put_vlq(Bytes& out, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = std::uint8_t(v & 0x7F);
  while (v >>= 7) buf[n++] = std::uint8_t(0x80 | (v & 0x7F));
  while (n) out.push_back(buf[--n]);
}
void put_be(Bytes& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; i--) out.push_back(std::uint8_t(v >> (8 * i)));
}

Bytes encode_track(Track t, int end_tick) {
  std::stable_sort(t.ev.begin(), t.ev.end(), [](const Ev& a, const Ev& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  Bytes body;
  int now = 0;
  for (auto& e : t.ev) {
    put_vlq(body, std::uint32_t(e.tick - now));
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  put_vlq(body, std::uint32_t(std::max(0, end_tick - now)));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  Bytes out{'M', 'T', 'r', 'k'};
  put_be(out, std::uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

struct Song {
  int bpm;
  int key;  // tonic as a MIDI note (around 60)
  bool minor;
  std::vector<int> prog_a;  // chord roots as scale degrees 0..6, one per bar
  std::vector<int> prog_b;
  int lead, pad, bass, extra;  // GM programs (0-based); extra = -1 for none
  int style;                   // accompaniment pattern
  std::uint32_t seed;
  int lead_oct;  // octave shift of the melody
  bool drums;
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

int degree_note(const Song& s, int deg) {
  const int* sc = s.minor ? kMinor : kMajor;
  int oct = deg >= 0 ? deg / 7 : -((-deg + 6) / 7);
  int d = deg - oct * 7;
  return s.key + sc[d] + 12 * oct;
}

Bytes compose(const Song& s) {
  Rng rng(s.seed);
  const int bar = kPpq * 4;
  std::vector<int> form;  // A A' B A
  for (int part = 0; part < 4; part++) {
    const std::vector<int>& p = part == 2 ? s.prog_b : s.prog_a;
    for (int c : p) form.push_back(c);
  }
  int bars = int(form.size());
  int end = bars * bar;

  Track tempo, lead, pad, bass, extra, drum;
  int us = 60000000 / s.bpm;
  tempo.meta(0, 0x51, {std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)});
  tempo.meta(0, 0x58, {4, 2, 24, 8});
  lead.program(0, s.lead);
  pad.program(1, s.pad);
  bass.program(2, s.bass);
  lead.control(0, 0, 7, s.lead == 9 || s.lead == 10 ? 127 : 104), pad.control(1, 0, 7, 72),
      bass.control(2, 0, 7, 92);
  lead.control(0, 0, 91, 60), pad.control(1, 0, 91, 70);
  lead.control(0, 0, 10, 70), pad.control(1, 0, 10, 50);
  if (s.drums) drum.control(9, 0, 7, 64);
  if (s.extra >= 0)
    extra.program(3, s.extra), extra.control(3, 0, 7, 70), extra.control(3, 0, 10, 84);

  // A melody rhythm per phrase (one bar patterns, in eighths: 1 = note start, 0 = hold)
  const std::vector<std::vector<int>> rhythms = {
      {1, 0, 1, 1, 1, 0, 1, 0}, {1, 1, 1, 0, 1, 0, 0, 0}, {1, 0, 0, 1, 1, 0, 1, 1},
      {1, 0, 1, 0, 1, 0, 0, 0}, {1, 1, 0, 1, 1, 0, 1, 0}, {1, 0, 0, 0, 1, 0, 1, 0}};
  std::vector<int> rhythm_of_bar(8);
  for (int i = 0; i < 8; i++) rhythm_of_bar[std::size_t(i)] = rng.below(int(rhythms.size()));

  // Melody for one pass through the A progression, reused (with variation) by A' and the final A.
  int phrase_len = int(s.prog_a.size());
  std::vector<std::pair<int, int>> mel_a;  // (tick within phrase, degree) ; degree -99 = rest
  auto make_phrase = [&](const std::vector<int>& prog, std::uint32_t seed,
                         std::vector<std::array<int, 3>>& out) {
    Rng r(seed);
    int deg = 4 + 7;  // start on the fifth above
    for (int b = 0; b < int(prog.size()); b++) {
      const auto& rh = rhythms[std::size_t(rhythm_of_bar[std::size_t(b % 8)])];
      int root = prog[std::size_t(b)];
      bool last = b == int(prog.size()) - 1;
      for (int e = 0; e < 8; e++) {
        if (!rh[std::size_t(e)]) continue;
        int len = 1;
        while (e + len < 8 && !rh[std::size_t(e + len)]) len++;
        bool strong = e % 4 == 0;
        // chord tones on strong beats, steps in between
        if (strong) {
          int best = deg, bd = 99;
          for (int ct : {root, root + 2, root + 4}) {
            for (int o = -14; o <= 14; o += 7) {
              int cand = ct + o;
              if (cand < 7 || cand > 18) continue;
              int dist = std::abs(cand - deg) + (r.below(3) == 0 ? 1 : 0);
              if (dist < bd) bd = dist, best = cand;
            }
          }
          deg = best;
        } else {
          int step = r.below(5) - 2;
          if (step == 0) step = 1;
          deg = std::clamp(deg + step, 7, 18);
        }
        if (last && e == 0) {
          // cadence: land on the tonic (or the root of the last chord)
          deg = 7 + root % 7;
          len = 8 - e;
          out.push_back({b * 8 + e, len, deg});
          break;
        }
        out.push_back({b * 8 + e, len, deg});
      }
    }
  };
  std::vector<std::array<int, 3>> pa, pa2, pb;
  make_phrase(s.prog_a, s.seed + 1, pa);
  make_phrase(s.prog_a, s.seed + 2, pa2);
  // A' keeps the first half of A and answers with new material
  std::vector<std::array<int, 3>> pa_var;
  for (auto& n : pa)
    if (n[0] < phrase_len * 4) pa_var.push_back(n);
  for (auto& n : pa2)
    if (n[0] >= phrase_len * 4) pa_var.push_back(n);
  make_phrase(s.prog_b, s.seed + 3, pb);
  (void)mel_a;

  const int eighth = kPpq / 2;
  int start_bar = 0;
  int oct = 12 * s.lead_oct;
  for (int part = 0; part < 4; part++) {
    const auto& ph = part == 0 ? pa : part == 1 ? pa_var : part == 2 ? pb : pa;
    for (auto& n : ph) {
      int tick = start_bar * bar + n[0] * eighth;
      int vel = 84 + (n[0] % 8 == 0 ? 10 : 0) - (part == 2 ? 6 : 0);
      lead.note(0, tick, n[1] * eighth - 20, degree_note(s, n[2]) + oct, vel);
    }
    start_bar += part == 2 ? int(s.prog_b.size()) : phrase_len;
  }

  // Accompaniment and bass, bar by bar.
  for (int b = 0; b < bars; b++) {
    int root = form[std::size_t(b)];
    int t = b * bar;
    int r0 = degree_note(s, root) - 12, r1 = degree_note(s, root + 2) - 12,
        r2 = degree_note(s, root + 4) - 12;
    int bn = degree_note(s, root) - 24;
    while (bn < 36) bn += 12;
    while (bn > 50) bn -= 12;
    switch (s.style) {
      case 0:  // music box: broken chord in eighths, soft held bass
        for (int e = 0; e < 8; e++) {
          int k = std::array<int, 4>{r0 + 12, r1 + 12, r2 + 12, r1 + 12}[std::size_t(e % 4)];
          pad.note(1, t + e * eighth, eighth * 2, k, 56 + (e % 4 == 0 ? 10 : 0));
        }
        bass.note(2, t, bar - 30, bn, 66);
        break;
      case 1:  // bouncy: chord stabs on the off-beats, walking bass
        for (int q = 0; q < 4; q++) {
          for (int k : {r0, r1, r2}) pad.note(1, t + q * kPpq + eighth, eighth - 20, k + 12, 62);
          int walk = q == 0 ? bn : q == 2 ? degree_note(s, root + 4) - 24 : bn + (q == 1 ? 12 : 7);
          while (walk < 36) walk += 12;
          bass.note(2, t + q * kPpq, kPpq - 40, walk, 80);
        }
        break;
      case 2:  // flowing: arpeggio in eighths, bass on 1 and 3
        for (int e = 0; e < 8; e++) {
          int k = std::array<int, 8>{r0, r2, r1 + 12, r2, r0 + 12, r2, r1 + 12, r2}[std::size_t(e)];
          pad.note(1, t + e * eighth, eighth, k, 58 + (e == 0 ? 10 : 0));
        }
        bass.note(2, t, kPpq * 2 - 30, bn, 76);
        bass.note(2, t + 2 * kPpq, kPpq * 2 - 30, bn + 7 > 52 ? bn - 5 : bn + 7, 70);
        break;
      case 3:  // warm: held pad chords, slow bass
        for (int k : {r0, r1, r2}) pad.note(1, t, bar - 10, k, 60);
        bass.note(2, t, kPpq * 3 - 20, bn, 70);
        bass.note(2, t + 3 * kPpq, kPpq - 20, bn + 7 > 52 ? bn - 5 : bn + 7, 60);
        break;
    }
    if (s.extra >= 0) {
      // sparkles: a high chord tone on beats 2 and 4 (or a held tone for the warm style)
      if (s.style == 3) {
        if (b % 2 == 0) extra.note(3, t + kPpq, kPpq * 2, r2 + 24, 50);
      } else {
        extra.note(3, t + kPpq + eighth, eighth, r2 + 24, 46);
        extra.note(3, t + 3 * kPpq + eighth, eighth, r1 + 24, 42);
      }
    }
    if (s.drums) {
      for (int q = 0; q < 4; q++) {
        drum.note(9, t + q * kPpq, 60, q % 2 == 0 ? 36 : 38, q % 2 == 0 ? 70 : 54);
        drum.note(9, t + q * kPpq, 60, 42, 44);
        drum.note(9, t + q * kPpq + eighth, 60, 42, 34);
      }
    }
  }

  Bytes out{'M', 'T', 'h', 'd'};
  put_be(out, 6, 4);
  put_be(out, 1, 2);
  int ntracks = 4 + (s.extra >= 0 ? 1 : 0) + (s.drums ? 1 : 0);
  put_be(out, std::uint32_t(ntracks), 2);
  put_be(out, kPpq, 2);
  for (Track* tr : {&tempo, &lead, &pad, &bass}) {
    Bytes t = encode_track(*tr, end);
    out.insert(out.end(), t.begin(), t.end());
  }
  if (s.extra >= 0) {
    Bytes t = encode_track(extra, end);
    out.insert(out.end(), t.begin(), t.end());
  }
  if (s.drums) {
    Bytes t = encode_track(drum, end);
    out.insert(out.end(), t.begin(), t.end());
  }
  return out;
}

std::map<std::string, Song> songs() {
  std::map<std::string, Song> m;
  // collection: a calm music box in F
  m["col.mid"] =
      Song{92,  65, false, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 4, 2, 5, 3, 1, 4, 4}, 10, 10, 32, 88, 0,
           101, -1, false};
  // evening shop tunes: cheerful, each its own colour
  m["shop.mid"] =
      Song{108, 60, false, {0, 5, 3, 4, 0, 5, 3, 4}, {3, 4, 0, 5, 3, 4, 1, 4}, 12, 24, 32, -1, 1,
           202, -1, true};
  m["shop3.mid"] =
      Song{96,  67, false, {0, 3, 4, 0, 5, 3, 1, 4}, {3, 0, 3, 4, 5, 2, 3, 4}, 73, 0, 32, 11, 2,
           303, -1, false};
  m["shop4.mid"] =
      Song{116, 62, false, {0, 2, 3, 4, 0, 2, 1, 4}, {5, 3, 0, 4, 5, 3, 1, 4}, 71, 4, 33, -1, 1,
           404, -1, true};
  // events: sparkling, and the visitors' warm, slightly mysterious theme
  m["star.mid"] =
      Song{126, 69, false, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 3, 4, 0, 4}, 9, 8, 33, 98, 2,
           505, 0,  false};
  m["star2.mid"] =
      Song{90,  62, true, {0, 5, 2, 6, 0, 5, 3, 4}, {5, 2, 6, 0, 3, 0, 4, 4}, 11, 89, 35, 8, 3,
           606, -1, false};
  return m;
}

}  // namespace

std::vector<std::string> music_names() {
  std::vector<std::string> v;
  for (auto& [name, s] : songs()) v.push_back(name);
  return v;
}

Bytes make_music(const std::string& name) {
  auto all = songs();
  auto it = all.find(name);
  if (it == all.end()) return {};
  return compose(it->second);
}

}  // namespace ag
