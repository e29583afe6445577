// The tunes as the game plays them: its MIDI player accepts each file, and FluidSynth with the
// General MIDI soundfont renders audible music from every one (every channel's instrument exists).
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/midi/midi.h"

namespace fs = std::filesystem;

namespace {
std::string soundfont() {
  for (auto& p : plat::midi_default_soundfonts())
    if (fs::exists(p)) return p;
  return {};
}
}  // namespace

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

TEST(MusicPlayback, EveryTuneSoundsThroughTheSoundfont) {
  std::string sf = soundfont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  double lo = 1e9, hi = 0;
  for (const char* n : {"col.mid", "shop.mid", "shop3.mid", "shop4.mid", "star.mid", "star2.mid"}) {
    fluid_settings_t* set = new_fluid_settings();
    fluid_settings_setnum(set, "synth.sample-rate", 22050);
    fluid_synth_t* syn = new_fluid_synth(set);
    ASSERT_NE(fluid_synth_sfload(syn, sf.c_str(), 1), FLUID_FAILED);
    fluid_player_t* pl = new_fluid_player(syn);
    ASSERT_EQ(fluid_player_add(pl, (fs::path(FLORINET_GAME_DIR) / "dat" / n).string().c_str()),
              FLUID_OK)
        << n;
    ASSERT_EQ(fluid_player_play(pl), FLUID_OK);
    // four seconds from the start
    std::vector<float> l(22050 * 4), r(22050 * 4);
    for (std::size_t at = 0; at < l.size(); at += 1024) {
      int len = int(std::min<std::size_t>(1024, l.size() - at));
      fluid_synth_write_float(syn, len, l.data() + at, 0, 1, r.data() + at, 0, 1);
    }
    double e = 0, peak = 0;
    for (std::size_t i = 0; i < l.size(); i++)
      e += double(l[i]) * l[i] + double(r[i]) * r[i],
          peak = std::max(peak, double(std::fabs(l[i])));
    double rms = std::sqrt(e / double(2 * l.size()));
    EXPECT_GT(rms, 0.004) << n << " is (nearly) silent";
    lo = std::min(lo, rms), hi = std::max(hi, rms);
    EXPECT_LT(peak, 1.0) << n << " clips";
    delete_fluid_player(pl);
    delete_fluid_synth(syn);
    delete_fluid_settings(set);
  }
  // one tune must not be much louder than another when the evening's music changes
  EXPECT_LT(hi, lo * 2.5) << "loudest " << hi << ", quietest " << lo;
}
