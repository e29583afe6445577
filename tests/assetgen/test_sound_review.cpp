// The sounds and tunes as a sound review measures them: the measuring itself (loudness, spectra,
// the tunes' clash and loop checks) on signals whose answers are known, then the generated files
// against the rules a finished game keeps: voices bright enough to carry, a cast of different
// voices, the chain's fanfares growing in the order the game plays them, effects level within
// their families and inside the 8-bit mixer's range when a good reaction starts them together,
// tunes that loop on a bar line after two minutes or more without a semitone against the melody
// on a strong beat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "assets.h"
#include "measure.h"
#include "shell/hooks.h"
#include "shell/state.h"
#include "sound/mixer_internal.h"
#include "synth.h"
#include "wrapping/reactions.h"

namespace fs = std::filesystem;

namespace {

const fs::path kDat = fs::path(FLORINET_GAME_DIR) / "dat";
constexpr double kPi = 3.14159265358979323846;

ag::Bytes slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ag::Sound wave(const std::string& name) {
  ag::Sound w;
  std::string why;
  EXPECT_TRUE(ag::read_sound(slurp(kDat / name), w, &why)) << name << ": " << why;
  return w;
}

ag::Sound sine(double hz, double amp, double seconds, int rate = 22050) {
  ag::Sound w{rate, {}};
  for (int i = 0; i < int(seconds * rate); i++)
    w.s.push_back(float(amp * std::sin(2 * kPi * hz * i / rate)));
  return w;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// The median pitch of the voiced stretches, by autocorrelation over 40 ms frames.
double median_pitch(const ag::Sound& w) {
  std::vector<double> found;
  const int n = w.rate / 25;
  double loudest = 0;
  for (float v : w.s) loudest = std::max(loudest, double(std::fabs(v)));
  for (std::size_t at = 0; at + std::size_t(2 * n) < w.s.size(); at += std::size_t(n / 2)) {
    double e = 0;
    for (int i = 0; i < n; i++) e += double(w.s[at + std::size_t(i)]) * w.s[at + std::size_t(i)];
    if (std::sqrt(e / n) < loudest * 0.15) continue;
    int best = 0;
    double best_r = 0;
    for (int lag = w.rate / 700; lag <= w.rate / 70; lag++) {
      double r = 0, a = 0, b = 0;
      for (int i = 0; i < n; i++) {
        const double x = w.s[at + std::size_t(i)], y = w.s[at + std::size_t(i + lag)];
        r += x * y, a += x * x, b += y * y;
      }
      r /= std::sqrt(a * b) + 1e-12;
      if (r > best_r + 0.02) best_r = r, best = lag;  // the first clear peak: no octave slips
    }
    if (best && best_r > 0.6) found.push_back(double(w.rate) / best);
  }
  return median(found);
}

// A tiny format-1 file: a tempo track, then one track per list of notes {channel, key, on, off}.
ag::Bytes midi_file(const std::vector<std::vector<std::array<int, 4>>>& tracks, int end,
                    const std::vector<int>& track_ends = {}) {
  auto be = [](ag::Bytes& o, std::uint32_t v, int n) {
    for (int i = n - 1; i >= 0; i--) o.push_back(std::uint8_t(v >> (8 * i)));
  };
  ag::Bytes out{'M', 'T', 'h', 'd'};
  be(out, 6, 4), be(out, 1, 2), be(out, std::uint32_t(tracks.size() + 1), 2), be(out, 480, 2);
  auto vlq = [](ag::Bytes& o, std::uint32_t v) {
    for (int shift = 21; shift > 0; shift -= 7)
      if (v >> shift) o.push_back(std::uint8_t(0x80 | ((v >> shift) & 0x7F)));
    o.push_back(std::uint8_t(v & 0x7F));
  };
  auto track = [&](std::vector<std::pair<int, std::vector<std::uint8_t>>> ev, int last) {
    std::stable_sort(ev.begin(), ev.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ag::Bytes body;
    int now = 0;
    for (auto& [t, bytes] : ev) {
      vlq(body, std::uint32_t(t - now));
      now = t;
      body.insert(body.end(), bytes.begin(), bytes.end());
    }
    vlq(body, std::uint32_t(last - now));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    be(out, std::uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  };
  track({{0, {0xFF, 0x51, 3, 0x07, 0xA1, 0x20}}, {0, {0xFF, 0x58, 4, 4, 2, 24, 8}}}, end);
  for (std::size_t t = 0; t < tracks.size(); t++) {
    std::vector<std::pair<int, std::vector<std::uint8_t>>> ev;
    for (auto& [ch, key, on, off] : tracks[t]) {
      ev.push_back({on, {std::uint8_t(0x90 | ch), std::uint8_t(key), 90}});
      ev.push_back({off, {std::uint8_t(0x80 | ch), std::uint8_t(key), 0}});
    }
    track(ev, t < track_ends.size() ? track_ends[t] : end);
  }
  return out;
}

// What the chain plays at each length, asked of the game's own chain step.
std::map<int, std::string> chain_fanfares() {
  static std::vector<std::string> heard;
  game::hooks.play_sound = [](int, const plat::sjis& name) { heard.push_back(name); };
  std::map<int, std::string> out;
  for (int chain = 1; chain <= 10; chain++) {
    heard.clear();
    game::gs.chain = chain - 1;
    game::chain_step();
    if (!heard.empty()) out[chain] = heard.back();
  }
  game::hooks.play_sound = nullptr;
  return out;
}

// The mixer's own 8-bit samples of a wave, at the rate MIXER.INI asks for, centred on 0.
std::vector<int> mixed(const std::string& name) {
  plat::AudioFormat f;
  f.samples_per_sec = 22050, f.bytes_per_sec = 22050;
  const ag::Bytes b = slurp(kDat / name);
  std::unique_ptr<game::MixWave> w(game::mixer_load_wave(b.data(), b.size(), f, name));
  std::vector<int> v;
  if (w)
    for (std::uint32_t i = 0; i < w->length; i++) v.push_back(int(w->data[i]) - 128);
  return v;
}

}  // namespace

// ---- the measuring ----

TEST(Measuring, LoudnessWeighsFrequenciesAndLengthAsTheEarAndTheMetersDo) {
  // a full-scale 1 kHz sine: 0 dB A-weighting, -3 dB against a full-scale square
  EXPECT_NEAR(ag::loudness_db(sine(1000, 1, 1)), -3.0, 0.2);
  // 100 Hz is 19 dB down the A curve
  EXPECT_NEAR(ag::loudness_db(sine(100, 1, 1)) - ag::loudness_db(sine(1000, 1, 1)), -19.1, 0.5);
  // a 30 ms blip does not reach the Fast meter's full reading; its energy counts its length
  EXPECT_LT(ag::loudness_db(sine(1000, 1, 0.03)), -9.0);
  EXPECT_NEAR(ag::exposure_db(sine(1000, 1, 2)) - ag::exposure_db(sine(1000, 1, 1)), 3.0, 0.1);
  // loudness meters: a full-scale 1 kHz sine in one channel of two reads -3 LUFS
  ag::Render r;
  r.rate = 44100;
  r.l = sine(1000, 1, 3, 44100).s;
  r.r.assign(r.l.size(), 0);
  EXPECT_NEAR(ag::integrated_lufs(r), -3.0, 0.1);
  // ... and silence in the middle is gated out (only the blocks across its edges count: an
  // average over the whole would read -6)
  std::vector<float> gap(44100 * 3, 0);
  r.l.insert(r.l.begin() + 44100, gap.begin(), gap.end());
  r.r.assign(r.l.size(), 0);
  EXPECT_NEAR(ag::integrated_lufs(r), -3.0, 0.5);
}

TEST(Measuring, BrightnessAndFaintTailsAreFoundWhereTheyAre) {
  ag::Sound low = sine(200, 0.5, 0.5), both = low;
  const ag::Sound high = sine(2000, 0.5, 0.5);
  for (std::size_t i = 0; i < both.s.size(); i++) both.s[i] += high.s[i];
  EXPECT_LT(ag::share_above(low, 500), 0.01);
  EXPECT_NEAR(ag::share_above(both, 500), 0.5, 0.02);
  EXPECT_GT(ag::share_above(high, 500), 0.99);
  // a tone that fades out under the 8-bit step lingers there; one cut to silence does not
  ag::Sound tail = sine(440, 0.5, 1.0);
  for (std::size_t i = 0; i < tail.s.size(); i++) tail.s[i] *= float(std::exp(-8.0 * i / 22050));
  EXPECT_GT(ag::faint_tail_seconds(tail), 0.2);
  for (float& v : tail.s)
    if (std::fabs(v) < 1.0f / 128) v = 0;
  EXPECT_EQ(ag::faint_tail_seconds(tail), 0);
}

TEST(Measuring, TuneChecksFindClashesLoopEndsAndRepeats) {
  const int bar = 1920;
  // the melody's E against an F: on the first beat (strong), then on the second (not)
  ag::Tune t =
      ag::read_tune(midi_file({{{0, 64, 0, 480}, {0, 64, 480, 960}}, {{1, 65, 0, 960}}}, bar));
  ASSERT_TRUE(t.ok) << t.why;
  ag::TuneShape s = ag::tune_shape(t);
  EXPECT_EQ(s.strong_beat_clashes, 1);
  EXPECT_NEAR(s.clash_share, 1.0, 1e-9);
  EXPECT_TRUE(s.tracks_end_together && s.whole_bars);
  EXPECT_EQ(s.bars, 1);
  // a ninth above, on the off-beat, a whole tone away: none of it clashes
  s = ag::tune_shape(ag::read_tune(midi_file({{{0, 64, 240, 480}}, {{1, 62, 0, 960}}}, bar)));
  EXPECT_EQ(s.strong_beat_clashes, 0);
  EXPECT_EQ(s.clash_share, 0);
  // drums never clash
  s = ag::tune_shape(ag::read_tune(midi_file({{{0, 64, 0, 480}}, {{9, 65, 0, 480}}}, bar)));
  EXPECT_EQ(s.clash_share, 0);
  // a track that ends early, an end off the bar line, a note sounding past the end
  EXPECT_FALSE(ag::tune_shape(ag::read_tune(midi_file({{{0, 60, 0, 480}}}, bar, {960})))
                   .tracks_end_together);
  EXPECT_FALSE(ag::tune_shape(ag::read_tune(midi_file({{{0, 60, 0, 480}}}, bar + 240))).whole_bars);
  EXPECT_EQ(
      ag::tune_shape(ag::read_tune(midi_file({{{0, 60, 0, 2100}}}, bar, {2100}))).late_note_ticks,
      0);
  // two bars that play the same notes, then a third that differs
  s = ag::tune_shape(ag::read_tune(midi_file(
      {{{0, 60, 0, 480}, {0, 60, bar, bar + 480}, {0, 62, 2 * bar, 2 * bar + 480}}}, 3 * bar)));
  EXPECT_EQ(s.longest_exact_repeat_bars, 1);
  EXPECT_NEAR(s.seconds, 3 * 4 * 0.5, 1e-6);  // 120 per minute
}

TEST(Synthesis, SquaresAndSawsStayUnderTheNyquistFrequencyOnHighNotes) {
  for (auto w : {ag::snd::SQUARE, ag::snd::SAW}) {
    ag::snd::Buf b;
    const double f = 2637;  // E7, the fanfares' top
    ag::snd::tone(b, 0, 0.25f, float(f), float(f), 0.5f, w);
    // the spectrum of the steady middle: everything away from the harmonics is an alias
    const int n = 4096;
    double harmonic = 0, alias = 0;
    for (int k = 1; k < n / 2; k++) {
      double re = 0, im = 0;
      for (int i = 0; i < n; i++) {
        const double win = 0.5 - 0.5 * std::cos(2 * kPi * i / n);
        const double x = b.s[std::size_t(500 + i)] * win;
        re += x * std::cos(2 * kPi * k * i / n), im -= x * std::sin(2 * kPi * k * i / n);
      }
      const double hz = double(k) * ag::snd::kRate / n, near = std::fmod(hz, f);
      (std::min(near, f - near) < 25 ? harmonic : alias) += re * re + im * im;
    }
    EXPECT_LT(10 * std::log10(alias / harmonic), -50) << (w == ag::snd::SAW ? "saw" : "square");
  }
}

// ---- the voices ----

TEST(SoundReview, EveryVoiceIsBrightEnoughToCarryOnSmallSpeakers) {
  int voices = 0;
  for (const auto& name : ag::wave_names()) {
    const std::string kind = ag::wave_kind(name);
    if (kind != "voice" && kind != "owner") continue;
    voices++;
    EXPECT_GE(ag::share_above(wave(name), 500), 0.30) << name;
  }
  EXPECT_GE(voices, 36);
}

TEST(SoundReview, TheCastSpeakWithVoicesOfTheirOwn) {
  // the owner (a grown man) and the landlord (an old one) speak far below the customers, who
  // are girls, ladies and children
  std::vector<double> owner, customers;
  for (const char* n : {"fun.wav", "aha.wav", "eto.wav", "kora.wav", "yosi.wav", "aa.wav"})
    owner.push_back(median_pitch(wave(n)));
  for (const char* n : {"are.wav", "choto.wav", "dasai.wav", "e.wav", "iranai.wav", "kirai.wav",
                        "mo.wav", "naino.wav", "naizo.wav", "oha.wav", "sealwa.wav", "yame.wav"})
    customers.push_back(median_pitch(wave(n)));
  EXPECT_LT(median(owner), 170);
  EXPECT_LT(median_pitch(wave("ran.wav")), 190);
  EXPECT_GT(median(customers), 1.6 * median(owner));
  // the children are higher than the ladies
  EXPECT_GT(median_pitch(wave("kirai.wav")), median_pitch(wave("konna.wav")) * 1.2);
}

// ---- the effects ----

TEST(SoundReview, TheChainsFanfaresGrowInTheOrderTheChainPlaysThem) {
  const std::map<int, std::string> played = chain_fanfares();
  std::vector<std::string> order;
  for (auto& [chain, name] : played)
    if (order.empty() || order.back() != name) order.push_back(name);
  ASSERT_EQ(order.size(), 4u) << "a fanfare for 4-5, 6-7, 8-9 and 10";
  double last_energy = -1e9, last_length = 0;
  for (const std::string& name : order) {
    const ag::Sound w = wave(name);
    EXPECT_GT(ag::exposure_db(w), last_energy + 1.0) << name << " is no bigger than the one before";
    EXPECT_GT(w.seconds(), last_length) << name << " is no longer than the one before";
    last_energy = ag::exposure_db(w), last_length = w.seconds();
  }
}

TEST(SoundReview, EffectsSitInTheirFamiliesAndTailsEndInSilence) {
  std::map<std::string, std::vector<double>> by_kind;
  std::vector<double> all;
  for (const auto& name : ag::wave_names()) {
    const ag::Sound w = wave(name);
    const double l = ag::loudness_db(w);
    by_kind[ag::wave_kind(name)].push_back(l);
    all.push_back(l);
    EXPECT_LE(ag::faint_tail_seconds(w), 0.01) << name << "'s tail buzzes under the 8-bit step";
  }
  const auto [lo, hi] = std::minmax_element(all.begin(), all.end());
  EXPECT_LT(*hi - *lo, 9.0) << "the quietest and the loudest effects";
  for (auto& [kind, v] : by_kind) {
    const auto [a, b] = std::minmax_element(v.begin(), v.end());
    EXPECT_LT(*b - *a, 5.0) << kind;
  }
  const double reward = median(by_kind["reward"]);
  EXPECT_LT(median(by_kind["ui"]), reward - 2)
      << "buttons and the typing tick a step under rewards";
  EXPECT_GT(median(by_kind["voice"]), reward - 1.5) << "voices carry";
  EXPECT_GT(median(by_kind["owner"]), reward - 1.5) << "the owner carries";
  EXPECT_GT(median(by_kind["wrap"]), reward - 3) << "paper and boxes are heard";
}

TEST(SoundReview, AGoodReactionsSoundsTogetherStayInsideTheMixersRange) {
  // The reaction sounds on slot 4; the click after the customer's line plays "3.wav" on slot 1
  // (the typing tick queued behind it), the chain's fanfare on slot 5 and the satisfaction chime
  // on slot 3, all from the same point of the stream, while the reaction may still ring.
  std::vector<int> slot1 = mixed("3.wav");
  const std::vector<int> tick = mixed("moji.wav"), chime = mixed("exp.wav");
  slot1.insert(slot1.end(), tick.begin(), tick.end());
  int worst = 0;
  for (const char* reaction : {"great.wav", "love4.wav", "up2.wav", "suki.wav"})
    for (const auto& [chain, fanfare] : chain_fanfares()) {
      const std::vector<int> r = mixed(reaction), c = mixed(fanfare);
      ASSERT_FALSE(r.empty() || c.empty() || chime.empty());
      for (std::size_t late = 0; late < r.size(); late += 55) {
        const std::size_t n = std::max({slot1.size(), c.size(), chime.size(), r.size() - late});
        for (std::size_t i = 0; i < n; i++) {
          const int v = (i < slot1.size() ? slot1[i] : 0) + (i < c.size() ? c[i] : 0) +
                        (i < chime.size() ? chime[i] : 0) + (i + late < r.size() ? r[i + late] : 0);
          worst = std::max(worst, v > 0 ? v : -v - 1);
        }
      }
    }
  EXPECT_LE(worst, 127) << "the sum leaves the 8-bit range";
}

// ---- the tunes ----

TEST(SoundReview, TunesLoopOnABarLineAfterTwoMinutesWithTheMelodyClear) {
  for (const auto& name : ag::music_names()) {
    const ag::Tune t = ag::read_tune(slurp(kDat / name));
    ASSERT_TRUE(t.ok) << name << ": " << t.why;
    const ag::TuneShape s = ag::tune_shape(t);
    EXPECT_TRUE(s.tracks_end_together) << name;
    EXPECT_TRUE(s.whole_bars) << name;
    EXPECT_LE(s.late_note_ticks, 0) << name << ": a note sounds past the loop";
    EXPECT_GE(s.seconds, 120) << name;
    EXPECT_LE(s.seconds, 180) << name;
    EXPECT_EQ(s.strong_beat_clashes, 0) << name;
    EXPECT_LT(s.clash_share, 0.03) << name;
    EXPECT_GT(s.melody_notes, 100) << name;
    // a section that comes back comes back changed
    EXPECT_LE(s.longest_exact_repeat_bars, 4) << name;
    EXPECT_NE(t.channel_of("bass", -1), -1) << name;
  }
}
