// The generator's sound makers on small inputs whose answers are known: a wave set to a level
// reads that loudness and keeps under its peak, with its faint tail gated; the voice's vowels
// carry their formants; the arranger voices chords close to each other, keeps them off the
// melody's note on strong beats, and refuses a score with a bar of the wrong length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "measure.h"
#include "score.h"
#include "synth.h"
#include "voice.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Energy share of a band, by a plain Fourier sum over the middle of the sound.
double band_share(const std::vector<float>& s, double lo, double hi) {
  const std::size_t n = 2048, from = s.size() / 2 - n / 2;
  double in = 0, all = 0;
  for (std::size_t k = 4; k < n / 2; k++) {
    double re = 0, im = 0;
    for (std::size_t i = 0; i < n; i++) {
      const double x = s[from + i] * (0.5 - 0.5 * std::cos(2 * kPi * double(i) / n));
      re += x * std::cos(2 * kPi * double(k * i) / n),
          im -= x * std::sin(2 * kPi * double(k * i) / n);
    }
    const double hz = double(k) * ag::snd::kRate / n, p = re * re + im * im;
    all += p;
    if (hz >= lo && hz < hi) in += p;
  }
  return in / all;
}

}  // namespace

TEST(SoundMakers, FinishSetsTheLoudnessKeepsThePeakAndGatesTheTail) {
  ag::snd::Buf b;
  ag::snd::tone(b, 0, 0.5f, 800, 800, 0.9f, ag::snd::SINE, 0.005f, 0.08f);  // a struck tone
  const std::vector<float> out = ag::snd::finish(b, {-20, 0.3f});
  const ag::Sound w{ag::snd::kRate, out};
  EXPECT_NEAR(ag::loudness_db(w), -20, 0.5);
  float peak = 0;
  for (float v : out) peak = std::max(peak, std::fabs(v));
  EXPECT_LE(peak, 0.3f + 1e-6f);
  EXPECT_LE(ag::faint_tail_seconds(w), 0.01);
  EXPECT_LT(std::fabs(out.front()), 0.01f);
  EXPECT_EQ(out.back(), 0.0f);
  // a sound too peaky for its level is limited, not turned down: it still comes near its level
  ag::snd::Buf click;
  ag::snd::noise(click, 0, 0.3f, 1, 0.9f, 0.1f, 0.0005f, 0.02f, 1);
  const std::vector<float> hit = ag::snd::finish(click, {-18, 0.5f});
  EXPECT_GT(ag::loudness_db(ag::Sound{ag::snd::kRate, hit}), -21);
}

TEST(SoundMakers, TheVoicesVowelsCarryTheirFormants) {
  auto vowel = [](const char* v) {
    ag::snd::Buf b;
    ag::snd::speak(b, 0, ag::snd::kLady, {std::string(v) + "=500", {{0, 0}}}, 1, 7);
    return b.s;
  };
  const std::vector<float> a = vowel("a"), i = vowel("i"), o = vowel("o");
  // "i" has its second formant high (over 2 kHz), "o" low (under 1.2 kHz), "a" its first high
  EXPECT_GT(band_share(i, 2000, 3500), 2 * band_share(o, 2000, 3500));
  EXPECT_GT(band_share(o, 500, 1200), 1.5 * band_share(i, 500, 1200));
  EXPECT_GT(band_share(a, 700, 1600), band_share(i, 700, 1600));
  // the line lasts as long as it says it does
  ag::snd::Buf b;
  const ag::snd::Line line{"k o N n i ch i w a", {{0, 0}}};
  ag::snd::speak(b, 0, ag::snd::kGirl, line, 1, 3);
  EXPECT_NEAR(double(b.s.size()) / ag::snd::kRate, ag::snd::line_seconds(line), 0.01);
}

TEST(SoundMakers, TheArrangerVoicesChordsCloselyAndClearOfTheMelody) {
  ag::music::Score s;
  s.key = 60;
  s.sections = {{"ii7 | V7 | IM7 | vi7 | ii7 | V7 | IM7 | IM7",
                 // the melody holds F over the C major seventh on its strong beats
                 "2 - - - - - - - | 4 - - - - - - - | 4 - - - 4 - - - | 3 - - - - - - - |"
                 "6 - - - - - - - | 5 - - - - - - - | 4 - - - - - - - | 3 - - - - - - -",
                 ag::music::Comp::block, ag::music::Bass::whole}};
  const ag::Tune t = ag::read_tune(ag::music::write_score("test", s));
  ASSERT_TRUE(t.ok) << t.why;
  const ag::TuneShape shape = ag::tune_shape(t);
  EXPECT_EQ(shape.strong_beat_clashes, 0);
  EXPECT_EQ(shape.bars, 8);
  // the chords, bar by bar: every bar has one, and each moves little from the one before
  const int chords = t.channel_of("chords", -1);
  std::map<long, std::vector<int>> by_bar;
  for (const ag::MidiNote& n : t.notes)
    if (n.channel == chords) by_bar[n.on / t.bar_ticks()].push_back(n.key);
  ASSERT_EQ(by_bar.size(), 8u);
  for (auto& [bar, keys] : by_bar) std::sort(keys.begin(), keys.end());
  for (long bar = 1; bar < 8; bar++) {
    const std::vector<int>& a = by_bar[bar - 1];
    const std::vector<int>& b = by_bar[bar];
    if (a.size() != b.size()) continue;
    int moved = 0;
    for (std::size_t k = 0; k < a.size(); k++) moved += std::abs(a[k] - b[k]);
    EXPECT_LE(moved, 2 * int(a.size())) << "bar " << bar + 1;
  }
  // under the held F (65 and up), the C major seventh's E is left out
  for (int key : by_bar[2]) EXPECT_NE(key % 12, 4) << "an E under the melody's F";
}

TEST(SoundMakersDeathTest, AScoreWithABarOfTheWrongLengthIsRefused) {
  ag::music::Score s;
  s.sections = {{"I | V", "1 - - - | 5 - - - - - - -"}};
  EXPECT_DEATH(ag::music::write_score("short bar", s), "bar 1 has 4 slots");
  s.sections = {{"I | V", "1 - - - - - - -"}};
  EXPECT_DEATH(ag::music::write_score("missing bar", s), "melody has 1 bars, chords 2");
}
