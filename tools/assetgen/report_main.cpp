// audio-report GAME_DIR: every tune of GAME_DIR/dat rendered through FluidSynth with the game's
// settings and every sound effect measured, in one table with the figures a sound review asks for:
// loudness, the melody over the bass, how each tune loops, semitone clashes, the voices'
// brightness, the fanfares in the chain's order, and the sounds a good reaction starts together
// against the 8-bit mixer's range.
// audio-report --render TUNE.mid OUT.wav: one pass of a tune as the game's FluidSynth plays it,
// as a 16-bit stereo WAV file to listen to.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "assets.h"
#include "measure.h"

namespace fs = std::filesystem;

namespace {

ag::Bytes slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return ag::Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// The mixer's own view of a wave: the high byte of each 16-bit sample (8-bit files as they are).
std::vector<int> as_8bit(const ag::Sound& w) {
  std::vector<int> v;
  v.reserve(w.s.size());
  for (float x : w.s) v.push_back(int(std::floor(double(x) * 128.0)));
  return v;
}

// A 16-bit stereo WAV file of a render.
bool write_render(const std::string& path, const ag::Render& r) {
  ag::Bytes out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; i++) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.push_back(std::uint8_t(v)), out.push_back(std::uint8_t(v >> 8));
  };
  const std::uint32_t data = std::uint32_t(r.l.size() * 4);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  u32(36 + data);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  u32(16), u16(1), u16(2), u32(std::uint32_t(r.rate)), u32(std::uint32_t(r.rate * 4)), u16(4),
      u16(16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  u32(data);
  for (std::size_t i = 0; i < r.l.size(); i++)
    for (float v : {r.l[i], r.r[i]})
      u16(std::uint16_t(std::int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
  return ag::write_file(path, out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--render") {
    const ag::Tune t = ag::read_tune(slurp(argv[2]));
    ag::Render r;
    if (!t.ok || !ag::render_tune(t, ag::game_soundfont(), 44100, r) || !write_render(argv[3], r)) {
      std::fprintf(stderr, "audio-report: cannot render %s (%s)\n", argv[2],
                   t.ok ? "no soundfont, or the file cannot be written" : t.why.c_str());
      return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: audio-report GAME_DIR | audio-report --render TUNE.mid OUT.wav\n");
    return 2;
  }
  const fs::path dat = fs::path(argv[1]) / "dat";
  const std::string sf = ag::game_soundfont();
  const int rate = 44100;

  std::printf("%-12s %-8s %6s %7s %6s %6s %7s %6s %6s %7s %8s\n", "TUNE", "", "bars", "loop s",
              "ends", "LUFS", "LA dB", "peak", "mel-bs", "clash%", "strong");
  double lo = 1e9, hi = -1e9, music_a = 0;
  int tunes = 0;
  for (const auto& name : ag::music_names()) {
    ag::Tune t = ag::read_tune(slurp(dat / name));
    if (!t.ok) {
      std::printf("%-12s unreadable: %s\n", name.c_str(), t.why.c_str());
      continue;
    }
    ag::TuneShape s = ag::tune_shape(t);
    const char* ends = !s.tracks_end_together  ? "ragged"
                       : s.late_note_ticks > 0 ? "spills"
                       : s.whole_bars          ? "ok"
                                               : "part";
    double lufs = -200, la = -200, peak = -200, mb = 0;
    ag::Render all, mel, bass;
    if (!sf.empty() && ag::render_tune(t, sf, rate, all)) {
      lufs = ag::integrated_lufs(all), la = ag::a_level_db(all), peak = ag::render_peak_db(all);
      ag::render_tune(t, sf, rate, mel, 1u << t.channel_of("melody", 0));
      ag::render_tune(t, sf, rate, bass, 1u << t.channel_of("bass", 2));
      mb = ag::integrated_lufs(mel) - ag::integrated_lufs(bass);
      lo = std::min(lo, lufs), hi = std::max(hi, lufs), music_a += std::pow(10, la / 10), tunes++;
    }
    std::printf("%-12s %-8s %6d %7.1f %6s %6.1f %7.1f %6.1f %6.1f %7.1f %8d   repeat %d bars\n",
                name.c_str(), "", s.bars, s.seconds, ends, lufs, la, peak, mb, 100 * s.clash_share,
                s.strong_beat_clashes, s.longest_exact_repeat_bars);
  }
  if (sf.empty()) std::printf("(no General MIDI soundfont: the tunes were not rendered)\n");

  std::printf("\n%-14s %-8s %6s %7s %6s %6s %6s %6s %6s\n", "WAVE", "kind", "secs", "LAFmax", "LAE",
              "peak", ">500", ">1k", "tail");
  std::map<std::string, ag::Sound> waves;
  std::map<std::string, std::vector<double>> by_kind;
  std::vector<double> effects;
  for (const auto& name : ag::wave_names()) {
    ag::Sound w;
    std::string why;
    if (!ag::read_sound(slurp(dat / name), w, &why)) {
      std::printf("%-14s unreadable: %s\n", name.c_str(), why.c_str());
      continue;
    }
    const std::string kind = ag::wave_kind(name);
    const double l = ag::loudness_db(w);
    const bool voice = kind == "voice" || kind == "owner";
    std::printf(
        "%-14s %-8s %6.2f %7.1f %6.1f %6.1f %6s %6s %6.0f\n", name.c_str(), kind.c_str(),
        w.seconds(), l, ag::exposure_db(w), ag::peak_db(w.s),
        voice ? std::to_string(int(std::lround(100 * ag::share_above(w, 500)))).c_str() : "",
        voice ? std::to_string(int(std::lround(100 * ag::share_above(w, 1000)))).c_str() : "",
        1000 * ag::faint_tail_seconds(w));
    by_kind[kind].push_back(l);
    effects.push_back(l);
    waves[name] = std::move(w);
  }

  std::printf("\nSUMMARY\n");
  if (tunes) std::printf("tunes' loudness: %.1f to %.1f LUFS (spread %.1f dB)\n", lo, hi, hi - lo);
  for (auto& [kind, v] : by_kind) {
    auto [mn, mx] = std::minmax_element(v.begin(), v.end());
    std::printf("%-8s %3zu waves, LAFmax %.1f to %.1f dB (spread %.1f)\n", kind.c_str(), v.size(),
                *mn, *mx, *mx - *mn);
  }
  if (!effects.empty()) {
    std::sort(effects.begin(), effects.end());
    const double mn = effects.front(), mx = effects.back(), median = effects[effects.size() / 2];
    std::printf("all effects: LAFmax %.1f to %.1f dB (spread %.1f), median %.1f\n", mn, mx, mx - mn,
                median);
    if (tunes)
      std::printf(
          "effects over music: median effect %.1f dB against the tunes' A level %.1f dB: "
          "%+.1f dB\n",
          median, 10 * std::log10(music_a / tunes), median - 10 * std::log10(music_a / tunes));
  }

  // The chain's fanfares, in the order the chain plays them.
  std::printf("fanfares in the chain's order:");
  double last = -1e9, last_len = 0;
  bool grows = true;
  for (const char* n : {"combo4.wav", "combo6.wav", "combo3.wav", "combo5.wav"}) {
    if (!waves.count(n)) continue;
    const ag::Sound& w = waves[n];
    const double e = ag::exposure_db(w);
    std::printf("  %s %.1f dB/%.2fs", n, e, w.seconds());
    grows = grows && e > last && w.seconds() >= last_len;
    last = e, last_len = w.seconds();
  }
  std::printf("  -> %s\n", grows ? "grows" : "DOES NOT GROW");

  // A good reaction: the reaction sounds on slot 4; the click that follows the customer's line
  // plays "3.wav" on slot 1 (the typing tick queued behind it), the chain's fanfare on slot 5 and
  // the satisfaction chime on slot 3, while the reaction may still ring.
  int worst = 0;
  std::string worst_set;
  for (const char* r : {"great.wav", "love4.wav", "up2.wav", "suki.wav"})
    for (const char* c : {"combo4.wav", "combo6.wav", "combo3.wav", "combo5.wav"}) {
      if (!waves.count(r) || !waves.count(c) || !waves.count("exp.wav") || !waves.count("3.wav") ||
          !waves.count("moji.wav"))
        continue;
      std::vector<int> slot1 = as_8bit(waves["3.wav"]), moji = as_8bit(waves["moji.wav"]);
      slot1.insert(slot1.end(), moji.begin(), moji.end());
      const std::vector<int> react = as_8bit(waves[r]), combo = as_8bit(waves[c]),
                             chime = as_8bit(waves["exp.wav"]);
      const std::size_t step = std::size_t(waves[r].rate / 200);
      for (std::size_t d = 0; d < react.size(); d += step) {
        std::size_t n = std::max({slot1.size(), combo.size(), chime.size(), react.size() - d});
        for (std::size_t i = 0; i < n; i++) {
          int v = (i < slot1.size() ? slot1[i] : 0) + (i < combo.size() ? combo[i] : 0) +
                  (i < chime.size() ? chime[i] : 0) + (i + d < react.size() ? react[i + d] : 0);
          if (std::abs(v) > std::abs(worst)) worst = v, worst_set = std::string(r) + " + " + c;
        }
      }
    }
  std::printf("good reaction's sounds together: worst peak %+.1f dB of the 8-bit range (%s)%s\n",
              20 * std::log10(std::max(1, std::abs(worst)) / 128.0), worst_set.c_str(),
              std::abs(worst) > 127 ? "  OVERFLOWS" : "");
  return 0;
}
