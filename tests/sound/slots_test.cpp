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

TEST_F(SlotsTest, AReplayPlaysTheWaveReadTheFirstTimeQueuedBehindTheSlotsLast) {
  game::sound_start(&dev, dir);
  game::sound_play_slot(2, "a.wav");
  game::MixWave* a = game::sound_slot_wave(2);
  EXPECT_EQ(game::sound_retired_waves(), 0);  // "1.wav" never played: released at once
  const std::int64_t mixed = game::MixerInfo(session()).mix_pos;
  // The file changes on the disk: what was read plays again, on this slot and on another.
  write_file(dir + "/dat/a.wav", wav(constant(700, 200)));
  game::sound_play_slot(2, "a.wav");
  game::sound_play_slot(4, "a.wav");
  EXPECT_EQ(game::sound_slot_wave(2), a);
  EXPECT_EQ(game::sound_slot_wave(4), a);
  auto plays = game::MixerChannelPlays(session(), 1);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].first, std::max(plays[0].second, mixed));
  EXPECT_EQ(plays[1].second - plays[1].first, 3000);
  EXPECT_EQ(game::MixerChannelPlays(session(), 3).size(), 1u);  // slot 4 mixes in
  // Read ahead, a sound's first play reads no file either.
  game::sound_prepare("b.wav");
  std::filesystem::remove(dir + "/dat/b.wav");
  game::sound_play_slot(3, "b.wav");
  plays = game::MixerChannelPlays(session(), 2);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].second - plays[0].first, 500);
  drain();
  EXPECT_EQ(game::MixerInfo(session()).free_plays, 99);
  EXPECT_EQ(dev.captured()[2999], ramp(3000)[2999]);
  game::sound_stop();  // a wave held by two slots goes once
  EXPECT_FALSE(dev.is_open());
}

// Past the room for kept waves a sound is its slot's own wave: read at each play, released
// once it has been replaced and is silent.
TEST_F(SlotsTest, PastTheKeptWavesASoundIsItsSlotsOwn) {
  game::sound_start(&dev, dir);
  for (int i = 0; i < 128; ++i) {
    std::string name = "k";
    name += std::to_string(i);
    name += ".wav";
    write_file(dir + "/dat/" + name, wav(constant(20, 130)));
    game::sound_prepare(name);
  }
  game::sound_play_slot(1, "b.wav");
  game::MixWave* first = game::sound_slot_wave(1);
  game::sound_play_slot(1, "b.wav");
  EXPECT_NE(game::sound_slot_wave(1), first);
  EXPECT_EQ(game::sound_retired_waves(), 1);  // the first still sounds
  game::sound_play_slot(1, "k5.wav");
  drain();
  EXPECT_EQ(game::sound_retired_waves(), 0);
  EXPECT_EQ(game::MixerInfo(session()).free_plays, 99);
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
