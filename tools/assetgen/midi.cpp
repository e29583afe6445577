// The arranger: turns a score (score.h) into a standard MIDI file (format 1, one track per part:
// melody, chords, bass, counter, pad, drums). Chords are voiced by voice leading (each chord the
// nearest to the one before, under the melody, never a semitone against what the melody sounds
// on a strong beat); the accompaniment, bass and drums follow each section's style, with fills,
// cymbals and swells where the score asks for them. Every track ends on the same tick, on a bar
// line, with no note sounding past it, so the piece loops cleanly.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "paint.h"
#include "score.h"

namespace ag::music {

namespace {

constexpr int kPpq = 480;
enum Channel { kLead = 0, kComp = 1, kBass = 2, kCounter = 3, kPad = 4, kDrums = 9 };

[[noreturn]] void bad_score(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "assetgen: %s: %s\n", where.c_str(), what.c_str());
  std::abort();
}

// ---- the file ----

struct Ev {
  long tick;
  int order;  // note-offs before controllers before note-ons at the same tick
  std::vector<std::uint8_t> bytes;
};

struct Track {
  std::vector<Ev> ev;
  void note(int ch, long on, long off, int key, int vel) {
    if (key < 0 || key > 127 || off <= on) return;
    ev.push_back(
        {on,
         2,
         {std::uint8_t(0x90 | ch), std::uint8_t(key), std::uint8_t(std::clamp(vel, 1, 127))}});
    ev.push_back({off, 0, {std::uint8_t(0x80 | ch), std::uint8_t(key), 0}});
  }
  void program(int ch, long tick, int prog) {
    ev.push_back({tick, 1, {std::uint8_t(0xC0 | ch), std::uint8_t(prog)}});
  }
  void control(int ch, long tick, int cc, int v) {
    ev.push_back(
        {tick,
         1,
         {std::uint8_t(0xB0 | ch), std::uint8_t(cc), std::uint8_t(std::clamp(v, 0, 127))}});
  }
  void meta(long tick, int type, std::vector<std::uint8_t> data) {
    std::vector<std::uint8_t> b{0xFF, std::uint8_t(type), std::uint8_t(data.size())};
    b.insert(b.end(), data.begin(), data.end());
    ev.push_back({tick, 1, b});
  }
  void name(const std::string& n) { meta(0, 0x03, std::vector<std::uint8_t>(n.begin(), n.end())); }
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

Bytes encode_track(Track t, long end_tick) {
  std::stable_sort(t.ev.begin(), t.ev.end(), [](const Ev& a, const Ev& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  Bytes body;
  long now = 0;
  for (auto& e : t.ev) {
    put_vlq(body, std::uint32_t(e.tick - now));
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  put_vlq(body, std::uint32_t(std::max(0L, end_tick - now)));
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  Bytes out{'M', 'T', 'r', 'k'};
  put_be(out, std::uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// ---- reading the score ----

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

struct Note {
  long on, off;
  int key;
  double slot;  // where it starts in its bar (for accents)
  std::size_t section = 0;
};

std::vector<std::string> split_bars(const char* text) {
  std::vector<std::string> bars(1);
  for (const char* p = text; *p; p++) {
    if (*p == '|')
      bars.emplace_back();
    else
      bars.back() += *p;
  }
  if (bars.size() == 1 && bars[0].find_first_not_of(' ') == std::string::npos) bars.clear();
  return bars;
}

std::vector<std::string> words(const std::string& bar) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < bar.size()) {
    if (bar[i] == ' ') {
      i++;
      continue;
    }
    std::size_t j = i;
    if (bar[i] == '(') {
      j = bar.find(')', i);
      if (j == std::string::npos) return {};
      j++;
    } else {
      while (j < bar.size() && bar[j] != ' ') j++;
    }
    out.push_back(bar.substr(i, j - i));
    i = j;
  }
  return out;
}

// A melody degree ("b3'", "#4", "5,,") as a note over the tonic `key`.
int degree_note(const std::string& w, int key, bool minor, const std::string& where) {
  int acc = 0, oct = 0;
  std::size_t i = 0;
  while (i < w.size() && (w[i] == 'b' || w[i] == '#')) acc += w[i++] == '#' ? 1 : -1;
  if (i >= w.size() || w[i] < '1' || w[i] > '7') bad_score(where, "not a degree: " + w);
  const int d = w[i++] - '1';
  for (; i < w.size(); i++) {
    if (w[i] == '\'')
      oct++;
    else if (w[i] == ',')
      oct--;
    else
      bad_score(where, "not a degree: " + w);
  }
  return key + (minor ? kMinor : kMajor)[d] + acc + 12 * oct;
}

struct Timing {
  long bar;
  int slots;
  float swing;
  // The tick of a slot boundary within a bar (the off-beat eighths come late when swung).
  long at(int k) const {
    long t = bar * k / slots;
    if (swing > 0 && slots == 8 && k % 2 == 1) t += long(swing * float(bar / slots));
    return t;
  }
  long tick(long bar_index, double slot) const {
    const int s = std::clamp(int(std::floor(slot)), 0, slots);
    const double frac = slot - s;
    const long a = at(s), b = s < slots ? at(s + 1) : at(s);
    return bar_index * bar + a + long(std::lround(double(b - a) * frac));
  }
};

std::vector<Note> read_melody(const char* text, const Score& sc, int octave, long first_bar,
                              std::size_t bars, const Timing& tm, const std::string& where) {
  std::vector<Note> out;
  const std::vector<std::string> bs = split_bars(text);
  if (bs.empty()) return out;
  if (bs.size() != bars)
    bad_score(where,
              "melody has " + std::to_string(bs.size()) + " bars, chords " + std::to_string(bars));
  bool open = false;
  auto close = [&](long at) {
    if (open) out.back().off = at;
    open = false;
  };
  for (std::size_t b = 0; b < bs.size(); b++) {
    const std::vector<std::string> ws = words(bs[b]);
    if (int(ws.size()) != sc.slots)
      bad_score(where, "bar " + std::to_string(b + 1) + " has " + std::to_string(ws.size()) +
                           " slots: " + bs[b]);
    for (int s = 0; s < sc.slots; s++) {
      std::vector<std::string> parts{ws[std::size_t(s)]};
      if (parts[0][0] == '(') parts = words(parts[0].substr(1, parts[0].size() - 2));
      for (std::size_t k = 0; k < parts.size(); k++) {
        const double slot = s + double(k) / double(parts.size());
        const long at = tm.tick(first_bar + long(b), slot);
        const std::string& w = parts[k];
        if (w == "-") continue;
        close(at);
        if (w == ".") continue;
        out.push_back({at, at, degree_note(w, sc.key + 12 * octave, sc.minor, where), slot, 0});
        open = true;
      }
    }
  }
  close((first_bar + long(bs.size())) * tm.bar);
  return out;
}

struct Chord {
  int root = 0;                 // pitch class
  int bass = 0;                 // pitch class of the bass
  std::vector<int> tones;       // semitones over the root, the root first
  int third = 1, seventh = -1;  // indices into tones (-1: none)
};

Chord read_chord(const std::string& w, const Score& sc, const std::string& where) {
  std::size_t i = 0;
  int acc = 0;
  while (i < w.size() && (w[i] == 'b' || w[i] == '#')) acc += w[i++] == '#' ? 1 : -1;
  static const std::vector<std::pair<std::string, int>> numerals = {
      {"VII", 7}, {"III", 3}, {"VI", 6}, {"IV", 4}, {"II", 2}, {"V", 5}, {"I", 1}};
  std::string up;
  for (std::size_t k = i; k < w.size() && std::string("IVXivx").find(w[k]) != std::string::npos;
       k++)
    up += char(std::toupper(w[k]));
  int n = 0;
  for (auto& [s, v] : numerals)
    if (up == s) n = v;
  if (!n) bad_score(where, "not a chord: " + w);
  const bool major = std::isupper(w[i]);
  i += up.size();
  std::string rest = w.substr(i);
  Chord c;
  c.root = ((sc.key + kMajor[n - 1] + acc) % 12 + 12) % 12;
  int third = major ? 4 : 3, fifth = 7;
  std::size_t slash = rest.find('/');
  std::string quality = rest.substr(0, slash);
  if (quality.find('o') != std::string::npos) third = 3, fifth = 6;
  if (quality.find('+') != std::string::npos) third = 4, fifth = 8;
  if (quality.find("sus") != std::string::npos) third = 5;
  c.tones = {0, third, fifth};
  if (quality.find("M7") != std::string::npos)
    c.tones.push_back(11);
  else if (quality.find("o7") != std::string::npos)
    c.tones.push_back(9);
  else if (quality.find('7') != std::string::npos)
    c.tones.push_back(10);
  else if (quality.find('6') != std::string::npos)
    c.tones.push_back(9);
  if (c.tones.size() == 4) c.seventh = 3;
  if (quality.find('9') != std::string::npos) c.tones.push_back(14);
  c.bass = c.root;
  if (slash != std::string::npos) {
    std::string b = rest.substr(slash + 1);
    int bacc = 0;
    std::size_t k = 0;
    while (k < b.size() && (b[k] == 'b' || b[k] == '#')) bacc += b[k++] == '#' ? 1 : -1;
    if (k >= b.size() || b[k] < '1' || b[k] > '7') bad_score(where, "not a bass: " + w);
    c.bass = ((sc.key + kMajor[b[k] - '1'] + bacc) % 12 + 12) % 12;
  }
  return c;
}

// One chord's place in the piece.
struct Span {
  long bar;
  double from, to;  // slots within the bar
  Chord chord;
  std::size_t section;
};

int pc(int key) {
  return ((key % 12) + 12) % 12;
}
bool semitone(int a, int b) {
  const int d = pc(a - b);
  return d == 1 || d == 11;
}

// ---- voicing ----

// The chord's notes in [low, high]: the third (and seventh) always, the root unless the seventh
// makes four; the voicing nearest the last one, under `ceiling`, clear of the `avoid` classes.
std::vector<int> voice(const Chord& c, const std::vector<int>& prev, int low, int high, int ceiling,
                       const std::vector<int>& avoid) {
  std::vector<int> cand;
  for (int k = low; k <= high; k++)
    for (int t : c.tones)
      if (pc(k - c.root - t) == 0 && std::find(avoid.begin(), avoid.end(), pc(k)) == avoid.end())
        cand.push_back(k);
  const int n = c.tones.size() >= 4 ? 4 : 3;
  std::vector<int> best;
  double best_cost = 1e18;
  std::vector<int> pick(static_cast<std::size_t>(n));
  const int m = int(cand.size());
  // every combination of n candidates
  std::vector<int> idx(static_cast<std::size_t>(n));
  for (int i = 0; i < n; i++) idx[std::size_t(i)] = i;
  while (n <= m) {
    for (int i = 0; i < n; i++) pick[std::size_t(i)] = cand[std::size_t(idx[std::size_t(i)])];
    bool third = false, seventh = c.seventh < 0, root = false;
    std::vector<int> classes;
    for (int k : pick) {
      const int t = pc(k - c.root);
      third = third || t == c.tones[1];
      seventh = seventh || (c.seventh >= 0 && t == c.tones[std::size_t(c.seventh)] % 12);
      root = root || t == 0;
      if (std::find(classes.begin(), classes.end(), t) == classes.end()) classes.push_back(t);
    }
    const bool ok = third && seventh && (root || c.seventh >= 0) && int(classes.size()) >= n - 1;
    if (ok) {
      double cost = 0;
      for (int i = 1; i < n; i++) {
        const int gap = pick[std::size_t(i)] - pick[std::size_t(i - 1)];
        if (gap < 2) cost += 12;
        if (gap > 7) cost += 2.0 * (gap - 7);
      }
      if (int(classes.size()) < n) cost += 3;  // a doubled note
      if (pick.back() > ceiling) cost += 6.0 * (pick.back() - ceiling);
      if (prev.size() == pick.size()) {
        for (int i = 0; i < n; i++) cost += std::abs(pick[std::size_t(i)] - prev[std::size_t(i)]);
      } else {
        double mid = (low + high) / 2.0, centre = 0;
        for (int k : pick) centre += k;
        cost += std::fabs(centre / n - mid) * 2;
      }
      if (cost < best_cost) best_cost = cost, best = pick;
    }
    // next combination
    int i = n - 1;
    while (i >= 0 && idx[std::size_t(i)] == m - n + i) i--;
    if (i < 0) break;
    idx[std::size_t(i)]++;
    for (int j = i + 1; j < n; j++) idx[std::size_t(j)] = idx[std::size_t(j - 1)] + 1;
  }
  if (best.empty() && !avoid.empty()) return voice(c, prev, low, high, ceiling, {});
  return best;
}

// ---- the arrangement ----

struct Arranger {
  const Score& sc;
  std::string name;
  Timing tm;
  Rng rng;
  Track tempo, lead, comp, bass, counter, pad, drums;
  std::vector<Note> melody;  // every melody note, for the chords to keep clear of
  std::vector<Note> comp_notes, bass_notes, counter_notes, pad_notes;
  int last_bass = 40;

  Arranger(const Score& s, const std::string& n)
      : sc(s), name(n), tm{long(kPpq) * 4 * s.beats / s.unit, s.slots, s.swing}, rng(s.seed) {}

  int humanise(double v) { return int(std::lround(v)) + rng.below(7) - 3; }
  // A strong beat: the bar's first, and its middle when the bar halves evenly.
  long half() const { return sc.beats % 2 == 0 ? tm.bar / 2 : tm.bar; }
  bool strong(long tick) const { return tick % half() == 0; }
  const Note* melody_at(long tick) const {
    for (const Note& n : melody)
      if (n.on <= tick && n.off > tick) return &n;
    return nullptr;
  }
  // Would a note from `on` to `off` sound a semitone against the melody on a strong beat?
  bool clashes(int key, long on, long off) const {
    for (long t = (on + half() - 1) / half() * half(); t < off; t += half())
      if (const Note* m = melody_at(t); m && semitone(m->key, key)) return true;
    return false;
  }
  // How long a note from `on` to `off` sounds a semitone against the melody.
  long clash_ticks(int key, long on, long off) const {
    long t = 0;
    for (const Note& n : melody)
      if (n.on < off && n.off > on && semitone(n.key, key))
        t += std::min(off, n.off) - std::max(on, n.on);
    return t;
  }
  // An accompaniment note: moved to another of `choices` rather than clash with the melody
  // (left out when every choice clashes on a strong beat; kept when it only brushes a passing
  // note, or when it is the bass's root, which the melody must suit).
  void play(Track& tr, std::vector<Note>& log, int ch, long on, long off, int key, int vel,
            const std::vector<int>& choices = {}) {
    off = std::min(off, end_tick);
    if (off <= on) return;
    const bool must = clashes(key, on, off);
    if (!choices.empty() && (must || clash_ticks(key, on, off) > 0)) {
      int alt = -1;
      for (int k : choices)
        if (!clashes(k, on, off) && clash_ticks(k, on, off) == 0 &&
            (alt < 0 || std::abs(k - key) < std::abs(alt - key)))
          alt = k;
      if (alt < 0 && must)
        for (int k : choices)
          if (!clashes(k, on, off) && (alt < 0 || std::abs(k - key) < std::abs(alt - key))) alt = k;
      if (alt >= 0)
        key = alt;
      else if (must)
        return;
    }
    if (must && choices.empty())
      std::fprintf(stderr, "assetgen: %s bar %ld: the melody is a semitone off the bass's %d\n",
                   name.c_str(), on / tm.bar + 1, key);
    tr.note(ch, on, off, key, vel);
    log.push_back({on, off, key, 0, 0});
  }
  long end_tick = 0;

  int bass_note(int pclass, int near) const {
    int best = 0;
    for (int k = 31; k <= 52; k++)
      if (pc(k) == pclass && (best == 0 || std::abs(k - near) < std::abs(best - near))) best = k;
    return best;
  }

  void comp_pattern(const Span& sp, const Section& sec, const std::vector<int>& v) {
    if (v.empty()) return;
    const double vel = 70 * sec.level * sc.comp.touch;
    const double len = sp.to - sp.from;
    auto chord = [&](double slot, double slots, double v_scale, int stagger = 0) {
      const long on = tm.tick(sp.bar, slot);
      const long off = tm.tick(sp.bar, std::min(sp.to, slot + slots)) - 8;
      for (std::size_t i = 0; i < v.size(); i++)
        play(comp, comp_notes, kComp, on + long(i) * stagger, off, v[i], humanise(vel * v_scale),
             v);
    };
    auto one = [&](double slot, double slots, int key, double v_scale) {
      const long on = tm.tick(sp.bar, slot), off = tm.tick(sp.bar, std::min(sp.to, slot + slots));
      std::vector<int> all = v;
      for (int k : v) all.push_back(k + 12);
      play(comp, comp_notes, kComp, on, off - 6, key, humanise(vel * v_scale), all);
    };
    const int spb = sc.slots / sc.beats >= 1 ? sc.slots / sc.beats : 1;  // slots per beat
    switch (sec.comp) {
      case Comp::none:
        break;
      case Comp::block:
        chord(sp.from, len, 0.9);
        break;
      case Comp::halves:
        for (double s = sp.from; s < sp.to; s += sc.slots / 2.0)
          chord(s, sc.slots / 2.0, s == 0 ? 0.95 : 0.85);
        break;
      case Comp::stabs:
        for (int s = int(sp.from); s < sp.to; s++)
          if (s % 2 == 1) chord(s, 0.6, 0.85);
        break;
      case Comp::charleston:
        chord(sp.from, 1, 0.9);
        if (len >= 4) chord(sp.from + 3, std::min(2.0, len - 3), 0.8);
        break;
      case Comp::arp: {
        int k = 0;
        const int n = int(v.size());
        for (int s = int(sp.from); s < sp.to; s++, k++) {
          const int cyc = 2 * n - 2, pos = cyc > 0 ? k % cyc : 0;
          const int i = pos < n ? pos : cyc - pos;
          one(s, 1.8, v[std::size_t(i)], k == 0 ? 0.95 : 0.8);
        }
        break;
      }
      case Comp::arp_up: {
        std::vector<int> up = v;
        for (int k : v) up.push_back(k + 12);
        int k = 0;
        for (double s = sp.from; s < sp.to; s += 0.5, k++)
          one(s, 1.0, up[std::size_t(k) % up.size()], k % 4 == 0 ? 0.85 : 0.7);
        break;
      }
      case Comp::alberti: {
        const int order[4] = {0, 2, 1, 2};
        int k = 0;
        for (int s = int(sp.from); s < sp.to; s++, k++)
          one(s, 1.0, v[std::size_t(std::min<int>(order[k % 4], int(v.size()) - 1))],
              k % 4 == 0 ? 0.9 : 0.75);
        break;
      }
      case Comp::bossa: {
        static const int even[] = {0, 3, 6}, odd[] = {2, 4, 6};
        for (int s :
             (sp.bar % 2 == 0 ? std::vector<int>(even, even + 3) : std::vector<int>(odd, odd + 3)))
          if (s >= sp.from && s < sp.to) chord(s, 1.5, s == 0 ? 0.9 : 0.8);
        break;
      }
      case Comp::waltz:
        for (int s = int(sp.from); s < sp.to; s++)
          if (s % spb == 0 && s % sc.slots != 0) chord(s, spb * 0.7, 0.8);
        break;
      case Comp::strum:
        for (int s = int(sp.from); s < sp.to; s++) {
          if (s % spb == 0)
            chord(s, spb * 0.9, s % sc.slots == 0 ? 0.95 : 0.85, 14);
          else
            chord(s, 0.8, 0.55, 10);
        }
        break;
      case Comp::pulse:
        for (int s = int(sp.from); s < sp.to; s++) chord(s, 0.75, s % spb == 0 ? 0.85 : 0.7);
        break;
      case Comp::rolls: {
        const int n = int(v.size());
        for (int s = int(sp.from); s < sp.to; s++) {
          const int i = (s % 3) + (s % 6 >= 3 ? 1 : 0);
          one(s, 2.6, v[std::size_t(std::min(i, n - 1))], s % 3 == 0 ? 0.9 : 0.75);
        }
        break;
      }
    }
  }

  void bass_pattern(const Span& sp, const Section& sec, const Chord* next) {
    const double vel = 92 * sec.level * sc.bass.touch;
    const int root = bass_note(sp.chord.bass, last_bass);
    const int fifth = bass_note(pc(sp.chord.root + 7), root),
              third = bass_note(pc(sp.chord.root + sp.chord.tones[1]), root);
    const std::vector<int> tones{root, fifth, third, root + 12 <= 55 ? root + 12 : root - 12};
    auto note = [&](double slot, double slots, int key, double v_scale) {
      const long on = tm.tick(sp.bar, slot), off = tm.tick(sp.bar, std::min(sp.to, slot + slots));
      // the chord's bass note where the chord begins stays; the others may step aside
      const bool root_here = slot == sp.from && key == root;
      play(bass, bass_notes, kBass, on, off - 10, key, humanise(vel * v_scale),
           root_here ? std::vector<int>{} : tones);
    };
    const double len = sp.to - sp.from;
    const int spb = std::max(1, sc.slots / sc.beats);
    switch (sec.bass) {
      case Bass::none:
        break;
      case Bass::whole:
        note(sp.from, len, root, 0.95);
        break;
      case Bass::halves:
        note(sp.from, std::min(len, sc.slots / 2.0), root, 0.95);
        if (len > sc.slots / 2.0) note(sp.from + sc.slots / 2.0, len - sc.slots / 2.0, fifth, 0.85);
        break;
      case Bass::walking: {
        const int beats = int(len) / spb;
        for (int b = 0; b < beats; b++) {
          int key = root;
          if (b == beats - 1 && b > 0 && next) {
            const int target = bass_note(next->bass, root);
            key = target + (target > root ? -1 : 1);  // a step into the next chord
          } else if (b == 1) {
            key = beats == 4 ? third : fifth;
          } else if (b == 2) {
            key = fifth;
          }
          note(sp.from + b * spb, spb, key, b == 0 ? 0.95 : 0.82);
        }
        break;
      }
      case Bass::bossa:
        note(sp.from, 3, root, 0.95);
        if (len >= 4)
          note(sp.from + 3, 1, fifth, 0.8), note(sp.from + 4, std::min(3.0, len - 4), fifth, 0.85);
        if (len >= 8) note(sp.from + 7, 1, root, 0.75);
        break;
      case Bass::waltz:
        note(sp.from, spb * 2, sp.bar % 2 == 0 ? root : fifth, 0.95);
        if (len > spb * 2) note(sp.from + spb * 2, len - spb * 2, root, 0.7);
        break;
      case Bass::pedal:
        note(sp.from, len, bass_note(pc(sc.key), 40), 0.9);
        break;
      case Bass::eighths:
        for (int s = int(sp.from); s < sp.to; s++) note(s, 0.8, root, s % spb == 0 ? 0.9 : 0.75);
        break;
      case Bass::rolls:
        note(sp.from, std::min(3.0, len), root, 0.95);
        if (len > 3) note(sp.from + 3, len - 3, fifth, 0.8);
        break;
    }
    last_bass = root;
  }

  void drum(long tick, int key, double vel) {
    if (tick < end_tick)
      drums.note(kDrums, tick, std::min(end_tick, tick + 60), key, humanise(vel));
  }

  void drum_bar(long bar, const Section& sec, bool fill, bool crash) {
    const double lv = sec.level;
    auto at = [&](double slot) { return tm.tick(bar, slot); };
    const int slots = sc.slots;
    if (crash) drum(at(0), 49, 90 * lv), drum(at(0), 36, 80 * lv);
    const int last = fill ? slots / 2 : slots;  // a fill takes the bar's second half
    for (int s = 0; s < last; s++) {
      const bool beat = s % std::max(1, slots / sc.beats) == 0;
      switch (sec.kit) {
        case Kit::none:
          break;
        case Kit::swing:
          if (s != 1 && s != 5) drum(at(s), 51, (s == 2 || s == 6 ? 62 : 50) * lv);
          if (s == 2 || s == 6) drum(at(s), 44, 48 * lv);
          if (s == 0 || s == 4) drum(at(s), 36, 42 * lv);
          if (s == 7 && bar % 2 == 1) drum(at(s), 38, 30 * lv);
          break;
        case Kit::bossa: {
          drum(at(s), 42, (beat ? 46 : 34) * lv);
          const bool clave = bar % 2 == 0 ? (s == 0 || s == 3 || s == 6) : (s == 2 || s == 4);
          if (clave) drum(at(s), 37, 58 * lv);
          if (s == 0 || s == 4) drum(at(s), 36, 58 * lv);
          if (s == 3 || s == 7) drum(at(s), 36, 36 * lv);
          break;
        }
        case Kit::march:
          drum(at(s), 42, (beat ? 48 : 34) * lv);
          if (s == 0 || s == 4) drum(at(s), 36, 66 * lv);
          if (s == 2 || s == 6) drum(at(s), 38, 60 * lv);
          if (s == 7) drum(at(s), 38, 28 * lv);
          break;
        case Kit::pop:
          drum(at(s), 42, (beat ? 50 : 36) * lv);
          if (s == 0 || s == 3 || s == 4) drum(at(s), 36, (s == 3 ? 48 : 68) * lv);
          if (s == 2 || s == 6) drum(at(s), 38, 64 * lv);
          break;
        case Kit::shaker:
          drum(at(s), 70, (beat ? 44 : 30) * lv);
          if (s == 0) drum(at(s), 36, 40 * lv);
          break;
        case Kit::brush:
          if (beat) drum(at(s), 38, (s == 0 ? 26 : 20) * lv);
          if (sc.beats == 4 ? (s == 2 || s == 6) : (beat && s != 0)) drum(at(s), 44, 40 * lv);
          if (s == 0) drum(at(s), 36, 38 * lv);
          break;
      }
    }
    if (fill && sec.kit != Kit::none) {
      static const int toms[] = {50, 48, 47, 45, 43, 41};
      int k = 0;
      for (double s = slots / 2.0; s < slots; s += 0.5, k++)
        drum(at(s), sec.kit == Kit::shaker || sec.kit == Kit::brush ? 38 : toms[k % 6],
             (50 + 4 * k) * lv);
    }
  }

  Bytes run() {
    std::vector<Span> spans;
    long bar = 0;
    for (std::size_t si = 0; si < sc.sections.size(); si++) {
      const Section& sec = sc.sections[si];
      const std::string where = name + " section " + std::to_string(si + 1);
      const std::vector<std::string> bars = split_bars(sec.chords);
      for (Note n : read_melody(sec.melody, sc, sec.octave, bar, bars.size(), tm, where)) {
        n.section = si;
        melody.push_back(n);
      }
      for (std::size_t b = 0; b < bars.size(); b++) {
        const std::vector<std::string> cs = words(bars[b]);
        if (cs.empty()) bad_score(where, "a bar without a chord");
        for (std::size_t k = 0; k < cs.size(); k++)
          spans.push_back({bar + long(b), double(sc.slots) * double(k) / double(cs.size()),
                           double(sc.slots) * double(k + 1) / double(cs.size()),
                           read_chord(cs[k], sc, where), si});
      }
      bar += long(bars.size());
    }
    end_tick = bar * tm.bar;

    // set-up at the first tick (and so again at every loop)
    tempo.name("tempo");
    const int us = 60000000 / sc.bpm;
    tempo.meta(0, 0x51, {std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)});
    const int unit_log = sc.unit == 8 ? 3 : sc.unit == 2 ? 1 : 2;
    tempo.meta(0, 0x58, {std::uint8_t(sc.beats), std::uint8_t(unit_log), 24, 8});
    struct Setup {
      Track* tr;
      int ch;
      const Part* part;
      const char* name;
    };
    const Setup setups[] = {
        {&lead, kLead, &sc.lead, "melody"}, {&comp, kComp, &sc.comp, "chords"},
        {&bass, kBass, &sc.bass, "bass"},   {&counter, kCounter, &sc.counter, "counter"},
        {&pad, kPad, &sc.pad, "pad"},       {&drums, kDrums, nullptr, "drums"}};
    for (const Setup& st : setups) {
      st.tr->name(st.name);
      st.tr->control(st.ch, 0, 121, 0);  // controllers reset
      if (st.part) st.tr->program(st.ch, 0, st.part->program);
      // a channel's volume is heard as 40 log10(volume / 127) dB
      const double vol = (st.part ? st.part->volume : 100) * std::pow(10.0, sc.gain_db / 40);
      st.tr->control(st.ch, 0, 7, int(std::lround(std::min(127.0, vol))));
      st.tr->control(st.ch, 0, 10, st.part ? st.part->pan : 64);
      st.tr->control(st.ch, 0, 11, 127);
    }

    // sections' programs and swells
    long sbar = 0;
    for (const Section& sec : sc.sections) {
      const long t0 = sbar * tm.bar;
      const long bars = long(split_bars(sec.chords).size());
      if (sec.lead >= 0) lead.program(kLead, t0, sec.lead);
      if (sec.comp_prog >= 0) comp.program(kComp, t0, sec.comp_prog);
      if (sec.counter_prog >= 0) counter.program(kCounter, t0, sec.counter_prog);
      const long beat = kPpq * 4 / sc.unit;
      const long steps = bars * tm.bar / beat;
      for (long k = 0; k <= (sec.swell_from == sec.swell_to ? 0 : steps - 1); k++) {
        const double u = steps > 1 ? double(k) / double(steps - 1) : 0;
        const int v =
            int(std::lround(127 * (sec.swell_from + (sec.swell_to - sec.swell_from) * u)));
        for (const Setup& st : setups)
          if (st.ch != kDrums) st.tr->control(st.ch, t0 + k * beat, 11, v);
      }
      sbar += bars;
    }

    // the melody
    for (const Note& n : melody) {
      const Section& sec = sc.sections[n.section];
      const double accent = n.slot == 0 ? 1.08 : std::fmod(n.slot, 2) == 0 ? 1.0 : 0.93;
      const long off = n.on + long(double(n.off - n.on) * sc.legato);
      lead.note(kLead, n.on, std::min(off, end_tick), n.key,
                humanise(98 * sec.level * accent * sc.lead.touch));
    }

    // chords, pad, bass
    std::vector<int> prev, prev_pad;
    for (std::size_t i = 0; i < spans.size(); i++) {
      const Span& sp = spans[i];
      const Section& sec = sc.sections[sp.section];
      const long on = tm.tick(sp.bar, sp.from), off = tm.tick(sp.bar, sp.to);
      int ceiling = sc.comp_high;
      std::vector<int> avoid;
      for (const Note& n : melody)
        if (n.on < off && n.off > on) {
          ceiling = std::min(ceiling, n.key - 2);
          for (long t = (std::max(on, n.on) + half() - 1) / half() * half();
               t < std::min(off, n.off); t += half())
            avoid.push_back(pc(n.key + 1)), avoid.push_back(pc(n.key - 1));
        }
      ceiling = std::max(ceiling, sc.comp_low + 9);
      prev = voice(sp.chord, prev, sc.comp_low, sc.comp_high, ceiling, avoid);
      comp_pattern(sp, sec, prev);
      if (sec.pad) {
        prev_pad = voice(sp.chord, prev_pad, sc.comp_low - 5, sc.comp_high - 3, ceiling, avoid);
        for (int k : prev_pad)
          play(pad, pad_notes, kPad, on, off - 4, k, humanise(56 * sec.level * sc.pad.touch),
               prev_pad);
      }
      bass_pattern(sp, sec, i + 1 < spans.size() ? &spans[i + 1].chord : &spans[0].chord);
    }

    // the counter melodies
    sbar = 0;
    for (std::size_t si = 0; si < sc.sections.size(); si++) {
      const Section& sec = sc.sections[si];
      const long bars = long(split_bars(sec.chords).size());
      for (const Note& n : read_melody(sec.counter, sc, 0, sbar, std::size_t(bars), tm,
                                       name + " counter " + std::to_string(si + 1))) {
        const long off = n.on + long(double(n.off - n.on) * sc.legato);
        play(counter, counter_notes, kCounter, n.on, off, n.key,
             humanise(80 * sec.level * sc.counter.touch));
      }
      sbar += bars;
    }

    // drums
    sbar = 0;
    for (const Section& sec : sc.sections) {
      const long bars = long(split_bars(sec.chords).size());
      for (long b = 0; b < bars; b++)
        drum_bar(sbar + b, sec, sec.fill && b == bars - 1, sec.crash && b == 0);
      sbar += bars;
    }

    // what the arranger could not keep clear of the melody
    for (const std::vector<Note>* part : {&comp_notes, &bass_notes, &counter_notes, &pad_notes})
      for (const Note& a : *part)
        for (long t = (a.on + half() - 1) / half() * half(); t < a.off; t += half())
          if (const Note* m = melody_at(t); m && semitone(m->key, a.key))
            std::fprintf(stderr,
                         "assetgen: %s bar %ld: the melody's %d against %d on a strong beat\n",
                         name.c_str(), t / tm.bar + 1, m->key, a.key);

    Bytes out{'M', 'T', 'h', 'd'};
    put_be(out, 6, 4);
    put_be(out, 1, 2);
    put_be(out, 7, 2);
    put_be(out, kPpq, 2);
    for (Track* tr : {&tempo, &lead, &comp, &bass, &counter, &pad, &drums}) {
      Bytes t = encode_track(*tr, end_tick);
      out.insert(out.end(), t.begin(), t.end());
    }
    return out;
  }
};

}  // namespace

Bytes write_score(const std::string& name, const Score& s) {
  Arranger a(s, name);
  return a.run();
}

}  // namespace ag::music

namespace ag {

std::vector<std::string> music_names() {
  return music::tune_names();
}

Bytes make_music(const std::string& name) {
  for (const std::string& n : music::tune_names())
    if (n == name) return music::write_score(name, music::tune(name));
  return {};
}

}  // namespace ag
