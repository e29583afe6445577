// The five wave slots and the music, as the game uses them: through the component, on the
// headless device, with failures swallowed.
#include "sound/slots.h"

#include "platform/midi/midi.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

class SlotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = temp_dir("game");
    std::filesystem::create_directories(dir + "/dat");
    std::filesystem::remove(dir + "/MIXER.INI");
    write_file(dir + "/dat/1.wav", wav(constant(10, 128)));
    write_file(dir + "/dat/a.wav", wav(ramp(3000)));
    write_file(dir + "/dat/b.wav", wav(constant(500, 140)));
    write_file(dir + "/dat/bad.wav", Bytes{'R', 'I', 'F', 'F'});
    dev.set_capture(true);
  }
  void TearDown() override { game::sound_stop(); }
  void drain() {
    for (int i = 0; i < 2000 && dev.queued_blocks() > 0; ++i) dev.advance(90);
  }
  game::MixSession* session() { return game::sound_mixer()->Session(); }

  std::string dir;
  plat::HeadlessAudioDevice dev;
};

TEST_F(SlotsTest, StartUpOpensOneWavInEverySlotOnChannels0To4) {
  game::sound_start(&dev, dir);
  ASSERT_NE(game::sound_mixer(), nullptr);
  EXPECT_TRUE(game::sound_mixer()->Activated());
  EXPECT_EQ(game::sound_mixer()->Channels(), 31);
  EXPECT_EQ(game::MixerInfo(session()).open_mask, 31);
  EXPECT_TRUE(dev.is_open());
  for (int slot = 1; slot <= 5; ++slot) {
    ASSERT_NE(game::sound_slot_wave(slot), nullptr);
    EXPECT_EQ(game::sound_slot_wave(slot)->length, 10u);
  }
  EXPECT_EQ(dev.queued_blocks(), 0);  // nothing is played
}

TEST_F(SlotsTest, EachPlayIsANewWaveQueuedBehindTheSlotsLastAndTheOldOneGoesWhenSilent) {
  game::sound_start(&dev, dir);
  game::MixWave* first = game::sound_slot_wave(2);
  game::sound_play_slot(2, "a.wav");
  game::MixWave* a = game::sound_slot_wave(2);
  EXPECT_NE(a, first);
  EXPECT_EQ(game::sound_retired_waves(), 0);  // "1.wav" never played: released at once
  const std::int64_t mixed = game::MixerInfo(session()).mix_pos;
  game::sound_play_slot(2, "a.wav");
  game::MixWave* a2 = game::sound_slot_wave(2);
  EXPECT_NE(a2, a);                           // a new wave per play
  EXPECT_EQ(game::sound_retired_waves(), 1);  // the first a.wav still sounds
  auto plays = game::MixerChannelPlays(session(), 1);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].first, std::max(plays[0].second, mixed));
  game::sound_play_slot(3, "b.wav");  // another slot mixes in
  EXPECT_EQ(game::MixerChannelPlays(session(), 2).size(), 1u);
  drain();
  EXPECT_EQ(game::sound_retired_waves(), 0);  // released once it could no longer sound
  EXPECT_EQ(game::MixerInfo(session()).free_plays, 99);
  // the stream holds the ramp, then the second ramp behind it on the same channel
  Bytes r = ramp(3000);
  EXPECT_EQ(dev.captured()[0], r[0]);
  EXPECT_EQ(dev.captured()[2999], r[2999]);
}

TEST_F(SlotsTest, FailuresAreSwallowedAndTheSlotKeepsItsWave) {
  game::sound_start(&dev, dir);
  game::MixWave* held = game::sound_slot_wave(1);
  game::sound_play_slot(1, "missing.wav");
  game::sound_play_slot(1, "bad.wav");
  game::sound_play_slot(0, "a.wav");
  game::sound_play_slot(6, "a.wav");
  EXPECT_EQ(game::sound_slot_wave(1), held);
  EXPECT_EQ(dev.queued_blocks(), 0);
}

TEST_F(SlotsTest, NoDeviceMeansNoSoundAndNoCrash) {
  FaultyDevice none;
  none.devices = 0;
  game::sound_start(&none, dir);
  EXPECT_EQ(game::sound_mixer(), nullptr);
  game::sound_play_slot(1, "a.wav");
  game::sound_stop();
  FaultyDevice refusing;
  refusing.open_error = 2;
  game::sound_start(&refusing, dir);
  ASSERT_NE(game::sound_mixer(), nullptr);
  EXPECT_FALSE(game::sound_mixer()->Activated());
  game::sound_play_slot(1, "a.wav");  // "Wave device not allocated", swallowed
  EXPECT_EQ(refusing.queued_blocks(), 0);
  game::sound_stop();  // before the device goes
}

TEST_F(SlotsTest, StopReleasesEverythingAndASecondRunStartsClean) {
  game::sound_start(&dev, dir);
  game::sound_play_slot(5, "a.wav");
  game::sound_play_slot(5, "a.wav");
  game::sound_stop();
  EXPECT_EQ(game::sound_mixer(), nullptr);
  EXPECT_FALSE(dev.is_open());
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(game::sound_slot_wave(slot), nullptr);
  game::sound_start(&dev, dir);  // the session was closed: a new one can start
  ASSERT_NE(game::sound_mixer(), nullptr);
  EXPECT_EQ(game::MixerInfo(session()).free_plays, 99);
}

// The headless capture ends with what was still sounding when the game closed, whole; a device
// that does not capture (and so a real output) is closed at once.
TEST_F(SlotsTest, ACaptureKeepsTheSoundsStillPlayingAtShutdownWhole) {
  game::sound_start(&dev, dir);
  game::sound_play_slot(1, "a.wav");
  game::sound_play_slot(1, "b.wav");
  dev.advance(90);
  game::sound_stop();
  // b.wav follows where the mixer stood when it came: after the two blocks that hold a.wav
  Bytes want = ramp(3000);
  want.resize(2 * 2048, 128);
  want.resize(want.size() + 500, 140);
  ASSERT_GE(dev.captured().size(), want.size());
  EXPECT_TRUE(std::equal(want.begin(), want.end(), dev.captured().begin()));
  EXPECT_FALSE(dev.is_open());

  plat::HeadlessAudioDevice quiet;
  game::sound_start(&quiet, dir);
  game::sound_play_slot(1, "a.wav");
  game::sound_stop();
  EXPECT_EQ(quiet.position(), 0u);
}

TEST_F(SlotsTest, ShippedSettingsFileIsRead) {
  write_text(dir + "/MIXER.INI", "[default]\nWaveBlocks=2\nWaveBlockLen=1024\n");
  game::sound_start(&dev, dir);
  auto i = game::MixerInfo(session());
  EXPECT_EQ(i.blocks, 2);
  EXPECT_EQ(i.block_len, 1024);
}

// --- Music -----------------------------------------------------------------------------------

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = temp_dir("music");
    std::filesystem::create_directories(dir + "/dat");
    // a one-note standard MIDI file
    Bytes smf = {'M', 'T', 'h', 'd', 0,  0, 0,    6,  0,   0,  0,    1,  0, 96, 'M',  'T',  'r',
                 'k', 0,   0,   0,   12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0,  0xFF, 0x2F, 0};
    write_file(dir + "/dat/shop.mid", smf);
    write_file(dir + "/dat/bad.mid",
               Bytes{'n', 'o', 't', 'a', 'm', 'i', 'd', 'i', 0, 0, 0, 0, 0, 0});
    write_file(dir + "/fake.sf2", Bytes{'R', 'I', 'F', 'F'});
  }
  void TearDown() override {
    game::sound_stop();
    plat::MidiUseSoundfonts({});
  }
  std::string dir;
  plat::HeadlessAudioDevice dev;
};

TEST_F(MusicTest, NoSoundfontMeansMusicOffWithOneLineNamingThePackage) {
  plat::MidiUseSoundfonts({dir + "/none.sf2", dir + "/nothing.sf2"});
  plat::MidiConfigure(false);
  testing::internal::CaptureStderr();
  EXPECT_NE(plat::MidiSetDevice(-1, 0), 0);
  plat::MidiLoadFile(dir + "/dat/shop.mid", 0);
  plat::MidiPlay(1, 0, 0);
  plat::MidiSetDevice(-1, 0);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("timgm6mb-soundfont"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_FALSE(plat::MidiGetStatus().playing);
  EXPECT_FALSE(plat::MidiGetStatus().ready);
}

TEST_F(MusicTest, APiecePlaysUntilStoppedReplacedOrAFailingLoad) {
  plat::MidiUseSoundfonts({dir + "/none.sf2", dir + "/fake.sf2"});
  game::sound_start(&dev, dir);  // not audible: the music is followed, not rendered
  EXPECT_TRUE(plat::MidiGetStatus().ready);
  EXPECT_EQ(plat::MidiGetStatus().soundfont, dir + "/fake.sf2");
  game::sound_play_music("shop.mid");
  EXPECT_TRUE(plat::MidiGetStatus().playing);
  EXPECT_EQ(plat::MidiGetStatus().file, dir + "/dat/shop.mid");
  game::sound_play_music("not");
  EXPECT_FALSE(plat::MidiGetStatus().playing);
  game::sound_play_music("not");  // harmless with nothing playing
  game::sound_play_music("shop.mid");
  game::sound_play_music("");
  EXPECT_FALSE(plat::MidiGetStatus().playing);
  game::sound_play_music("shop.mid");
  game::sound_play_music("bad.mid");  // not a MIDI file: the music stops
  EXPECT_FALSE(plat::MidiGetStatus().playing);
  game::sound_play_music("shop.mid");
  game::sound_play_music("missing.mid");
  EXPECT_FALSE(plat::MidiGetStatus().playing);
}

}  // namespace
