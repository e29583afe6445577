// The tunes as the game plays them: its MIDI player accepts each file, and FluidSynth with the
// General MIDI soundfont and the game's settings renders balanced music from every one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "assets.h"
#include "measure.h"
#include "platform/midi/midi.h"

namespace fs = std::filesystem;

TEST(MusicPlayback, TheGamesPlayerAcceptsEveryTune) {
  plat::MidiConfigure(false);
  plat::MidiSetDevice(-1, 0);
  for (const char* n : {"col.mid", "shop.mid", "shop3.mid", "shop4.mid", "star.mid", "star2.mid"}) {
    EXPECT_EQ(plat::MidiLoadFile((fs::path(FLORINET_GAME_DIR) / "dat" / n).string(), 0), 0) << n;
    EXPECT_EQ(plat::MidiGetStatus().file, (fs::path(FLORINET_GAME_DIR) / "dat" / n).string());
  }
  plat::MidiStop();
  plat::MidiFree();
}

// Every tune rendered whole through FluidSynth with the game's settings: each sounds (every
// channel's instrument exists), none clips, they are equally loud (the evening's tune changes
// from day to day), the melody stands over the bass, and the effects sit a little over them.
TEST(MusicPlayback, EveryTuneSoundsBalancedThroughTheSoundfont) {
  const std::string sf = ag::game_soundfont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  std::vector<double> loudness;
  double music = 0;
  for (const auto& name : ag::music_names()) {
    std::ifstream in(fs::path(FLORINET_GAME_DIR) / "dat" / name, std::ios::binary);
    const ag::Tune t = ag::read_tune({std::istreambuf_iterator<char>(in), {}});
    ASSERT_TRUE(t.ok) << name;
    ag::Render all, melody, bass;
    ASSERT_TRUE(ag::render_tune(t, sf, 22050, all)) << name;
    ASSERT_TRUE(ag::render_tune(t, sf, 22050, melody, 1u << t.channel_of("melody", 0)));
    ASSERT_TRUE(ag::render_tune(t, sf, 22050, bass, 1u << t.channel_of("bass", 2)));
    const double lufs = ag::integrated_lufs(all);
    EXPECT_GT(lufs, -30) << name << " is (nearly) silent";
    EXPECT_LT(ag::render_peak_db(all), -1.0) << name << " clips";
    EXPECT_GE(ag::integrated_lufs(melody) - ag::integrated_lufs(bass), 4.0)
        << name << ": the melody does not stand over the bass";
    loudness.push_back(lufs);
    music += std::pow(10, ag::a_level_db(all) / 10);
  }
  std::vector<double> sorted = loudness;
  std::sort(sorted.begin(), sorted.end());
  const double middle = sorted[sorted.size() / 2];
  for (std::size_t i = 0; i < loudness.size(); i++)
    EXPECT_NEAR(loudness[i], middle, 1.5) << ag::music_names()[i];
  // the effects a little over the music: heard clearly, never 15 dB on top of it
  std::vector<double> effects;
  for (const auto& name : ag::wave_names()) {
    std::ifstream in(fs::path(FLORINET_GAME_DIR) / "dat" / name, std::ios::binary);
    ag::Sound w;
    ASSERT_TRUE(ag::read_sound({std::istreambuf_iterator<char>(in), {}}, w)) << name;
    effects.push_back(ag::loudness_db(w));
  }
  std::sort(effects.begin(), effects.end());
  const double over =
      effects[effects.size() / 2] - 10 * std::log10(music / double(loudness.size()));
  EXPECT_GT(over, 4.0);
  EXPECT_LT(over, 12.0);
}
