// The session: start-up and its settings, channels, play flags, activation, and every failure
// with its exact message.
#include "sound/profile.h"
#include "sound/tmixer.h"
#include "sound_test_util.h"

using namespace soundtest;
using game::MixerInfo;

namespace {

class SessionTest : public MixerTest {};

TEST(ProfileTest, PrivateProfileRules) {
  game::Profile p;
  p.load_text(
      "top=1\n"
      "; a comment\n"
      "[General]\n"
      "  WaveOutDevice = 3  \n"
      "debug=\n"
      "neg=-2\n"
      "hex=0x1F\n"
      "junk=12abc\n"
      "word=abc\n"
      "quoted=\"44\"\n"
      "WaveOutDevice=9\n"
      "[ My Card ]\n"
      "remix=2\r\n"
      "[GENERAL]\n"
      "late=4\n"
      "debug=6\n");
  EXPECT_EQ(p.get_int("general", "waveoutdevice", 0), 3);  // case-blind, first key wins
  EXPECT_EQ(p.get_int("GENERAL", "debug", 7), 7);          // empty value: the default
  EXPECT_EQ(p.get_int("general", "missing", 5), 5);
  EXPECT_EQ(p.get_int("nosection", "top", 5), 5);
  EXPECT_EQ(p.get_int("general", "neg", 0), -2);
  EXPECT_EQ(p.get_int("general", "hex", 0), 31);
  EXPECT_EQ(p.get_int("general", "junk", 0), 12);
  EXPECT_EQ(p.get_int("general", "word", 5), 0);
  EXPECT_EQ(p.get_int("general", "quoted", 0), 44);
  EXPECT_EQ(p.get_int("my card", "Remix", 0), 2);
  EXPECT_EQ(p.get_int("general", "late", 5), 5);  // a section named again is not read
  EXPECT_EQ(p.get_int("general", "debug", 7), 7);
  EXPECT_FALSE(p.load("/nonexistent/MIXER.INI"));
  EXPECT_EQ(p.get_int("my card", "Remix", 1), 1);
}

TEST_F(SessionTest, SettingsFileOverridesAndClamps) {
  start(
      "[general]\nWaveOutDevice=5\n"
      "[default]\nRemix=2\nGoodWavePos=1\nWaveBlocks=9\nWaveBlockLen=1003\nSamplesPerSec=22\n",
      false);
  auto i = MixerInfo(s);
  EXPECT_EQ(i.device, -1);  // not below the number of devices
  EXPECT_EQ(i.remix_mode, 2);
  EXPECT_EQ(i.position_source, 1);
  EXPECT_EQ(i.blocks, 6);
  EXPECT_EQ(i.block_len, 1000);  // the default section's length loses its two low bits
  EXPECT_EQ(i.format.samples_per_sec, 22050);
  end();
  start(
      "[default]\nWaveBlocks=1\nWaveBlockLen=100\n[Headless Wave Out]\nSamplesPerSec=44\nRemix=3\n",
      false);
  i = MixerInfo(s);
  EXPECT_EQ(i.blocks, 2);
  EXPECT_EQ(i.block_len, 512);
  EXPECT_EQ(i.format.samples_per_sec, 44100);
  EXPECT_EQ(i.remix_mode, 1);
  end();
  start("[default]\nWaveBlockLen=3000\n[Headless Wave Out]\nWaveBlockLen=1003\nWaveBlocks=5\n",
        false);
  i = MixerInfo(s);
  EXPECT_EQ(i.block_len, 1003);  // the device's own length is taken as it is
  EXPECT_EQ(i.blocks, 5);
  end();
  start("[Headless Wave Out]\nWaveBlockLen=99999\nSamplesPerSec=44\n", false);
  EXPECT_EQ(MixerInfo(s).block_len, 4096);
  end();
  start("[default]\nSamplesPerSec=44\n", false);
  EXPECT_EQ(MixerInfo(s).block_len, 4096);  // 44100: 4 x 2048, held to 4096
  EXPECT_EQ(MixerInfo(s).format.bytes_per_sec, 44100);
  end();
  start("[default]\nSamplesPerSec=16\n", false);
  EXPECT_EQ(MixerInfo(s).format.samples_per_sec, 11025);
  end();
  // the configuration's rate replaces the file's; two channels only if the device has them
  game::MixConfig cfg;
  cfg.flags = 3;
  cfg.channels = 2;
  cfg.rate = 11;
  start("[default]\nSamplesPerSec=44\n", false, &cfg);
  EXPECT_EQ(MixerInfo(s).format.samples_per_sec, 11025);
  EXPECT_EQ(MixerInfo(s).format.channels, 2);
  end();
  dev.channels = 1;
  start("", false, &cfg);
  EXPECT_EQ(MixerInfo(s).format.channels, 1);
  end();
  cfg.size = 12;  // a record of the wrong size is ignored
  dev.channels = 2;
  start("", false, &cfg);
  EXPECT_EQ(MixerInfo(s).format.channels, 1);
}

TEST_F(SessionTest, StartUpFailures) {
  start("", false);
  EXPECT_EQ(mixer_error([] { game::MixerInit(); }), "Session already initialized");
  end();
  dev.devices = 0;
  EXPECT_EQ(mixer_error([&] { start(); }), "No wave output devices available");
  dev.devices = 1;
  dev.synchronous = true;
  EXPECT_EQ(mixer_error([&] { start(); }),
            "Headless Wave Out is a syncronous (blocking) wave output device.  This will not "
            "permit audio to play "
            "while other applications are running");
  dev.synchronous = false;
  EXPECT_EQ(mixer_error([&] { start("[not compatible]\nHeadless Wave Out=1\n"); }),
            "Headless Wave Out is not compatible with the realtime mixer");
  dev.caps_fail = true;
  start("", false);
  EXPECT_EQ(MixerInfo(s).device_name, "Unknown Device");
  end();
  dev.caps_fail = false;
  start("[not compatible]\nHeadless Wave Out=0\n", false);  // zero: accepted
  EXPECT_EQ(mixer_error([] { game::MixerActivate(nullptr, true); }), "Invalid Session handle");
  EXPECT_EQ(mixer_error([] { game::MixerOpenChannel(nullptr, 0, 0); }), "Invalid Session handle");
  game::MixSession* bogus = reinterpret_cast<game::MixSession*>(&dev);
  EXPECT_EQ(mixer_error([&] { game::MixerFlushChannel(bogus, 0, 0); }), "Invalid Session handle");
}

TEST_F(SessionTest, ActivationFailuresLeaveTheDeviceClosed) {
  start("", false);
  dev.open_error = 4;
  EXPECT_EQ(mixer_error([&] { game::MixerActivate(s, true); }),
            "Failed to open waveform output device #4");
  EXPECT_FALSE(dev.is_open());
  dev.open_error = 0;
  dev.prepare_error = 11;
  EXPECT_EQ(mixer_error([&] { game::MixerActivate(s, true); }),
            "Unable to prepare wave header #11");
  EXPECT_FALSE(dev.is_open());
  EXPECT_FALSE(MixerInfo(s).activated);
  dev.prepare_error = 0;
  game::MixerActivate(s, true);  // and now it works
  EXPECT_TRUE(MixerInfo(s).activated);
  EXPECT_TRUE(dev.is_open());
  game::MixerOpenChannel(s, 0, 1);
  dev.write_error = 5;
  EXPECT_EQ(mixer_error([&] { play(0, load(ramp(10))); }), "Failed to write block to device");
  EXPECT_EQ(MixerInfo(s).queued_blocks, 0);
  EXPECT_FALSE(dev.paused());
}

TEST_F(SessionTest, ChannelOperationsAndTheirMessages) {
  start();
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 0, 3); }), "Invalid Flags");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 0, -1); }), "Invalid flag");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 8, 0); }), "Invalid channel number");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 0, 2); }), "Invalid number of channels");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 9, 2); }), "Invalid number of channels");
  game::MixWave* w = load(ramp(10));
  EXPECT_EQ(mixer_error([&] { play(0, w); }), "You must open a channel before you can play a wave");
  game::MixerOpenChannel(s, 3, 2);
  EXPECT_EQ(MixerInfo(s).open_mask, 0x07);
  EXPECT_EQ(mixer_error([&] { game::MixerOpenChannel(s, 1, 0); }),
            "The channel has already been opened");
  game::MixerOpenChannel(s, 6, 0);
  EXPECT_EQ(MixerInfo(s).open_mask, 0x47);
  EXPECT_EQ(mixer_error([&] { play(3, w); }), "The specified channel was not open");
  EXPECT_EQ(mixer_error([&] { play(12, w); }), "The specified channel was not open");
  EXPECT_EQ(mixer_error([&] { game::MixerFlushChannel(s, 3, 0); }),
            "The specified channel was not open");
  EXPECT_EQ(mixer_error([&] { game::MixerFlushChannel(s, 8, 0); }), "Invalid channel number");
  EXPECT_EQ(mixer_error([&] { game::MixerFlushChannel(s, -1, 2); }), "Invalid channel number");
  game::MixerFlushChannel(s, 99, 1);  // all: the channel number does not matter
  play(6, w);
  game::MixerCloseChannel(s, 6, 0);
  EXPECT_EQ(MixerInfo(s).free_plays, 99);  // closing dropped its play
  game::MixerOpenChannel(s, 0, 1);
  EXPECT_EQ(MixerInfo(s).open_mask, 0xFF);
  EXPECT_EQ(MixerInfo(s).open_channels, 8);
  game::MixerCloseChannel(s, 0, 1);
  EXPECT_EQ(MixerInfo(s).open_channels, 0);
  EXPECT_EQ(mixer_error([] { game::MixerPlay(nullptr); }),
            "nil parameters pointer passed to MixerPlay");
  game::MixerOpenChannel(s, 0, 0);
  EXPECT_EQ(mixer_error([&] { play(0, nullptr); }), "nil wave pointer passed to MixerPlay!");
  EXPECT_EQ(mixer_error([&] { game::MixerFreeWave(s, nullptr); }),
            "The given pointer was not valid");
}

TEST_F(SessionTest, PoolOf99PlayRecords) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  game::MixWave* w = load(ramp(10));
  for (int i = 0; i < 99; ++i) play(i % 8, w, game::kPlayWait);
  EXPECT_EQ(MixerInfo(s).free_plays, 0);
  EXPECT_EQ(mixer_error([&] { play(0, w, game::kPlayWait); }), "Not enough memory");
  game::MixerFreeWave(s, w);  // waiting plays go with their wave
  EXPECT_EQ(MixerInfo(s).free_plays, 99);
}

TEST_F(SessionTest, FlagsClearChooseAndWait) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  game::MixWave* long_wave = load(constant(20000, 150));
  game::MixWave* short_wave = load(constant(100, 140));
  play(0, long_wave);
  play(0, long_wave);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 2);
  // 1: the channel's plays are dropped and the new one starts at the mix position; the remix
  // hands the device the stream from there, so it is heard at once and the old one is cut
  play(0, short_wave, game::kPlayClearChannel);
  auto plays = game::MixerChannelPlays(s, 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].first, 3 * 2048);
  EXPECT_EQ(MixerInfo(s).queued_blocks, 1);
  EXPECT_EQ(game::MixerDevicePosition(s), 3 * 2048);
  drain();
  ASSERT_EQ(out().size(), 2048u);
  EXPECT_EQ(out()[0], 140);
  EXPECT_EQ(out()[99], 140);
  EXPECT_EQ(out()[100], 128);
  end();

  dev = FaultyDevice{};
  start();
  game::MixerOpenChannel(s, 0, 1);
  long_wave = load(constant(20000, 150));
  short_wave = load(constant(100, 140));
  // 2: the least recently used open channel; an empty one ends the search
  game::MixPlayParams p;
  p.session = s;
  p.wave = long_wave;
  p.channel = 0;
  game::MixerPlay(&p);
  p.flags = game::kPlayUseLru;
  p.channel = 7;
  game::MixerPlay(&p);
  EXPECT_EQ(p.channel, 1);
  game::MixerCloseChannel(s, 2, 0);
  game::MixerPlay(&p);
  EXPECT_EQ(p.channel, 3);  // closed channels are passed over

  // 4: high priority starts at the playback position, inside what is already mixed
  dev.advance(100);  // 1102 bytes played
  play(5, short_wave, game::kPlayHighPriority);
  plays = game::MixerChannelPlays(s, 5);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].first, 1102);
  std::size_t before = out().size();
  drain();
  EXPECT_EQ(before, 1102u);
  ASSERT_GT(out().size(), 26144u);
  EXPECT_EQ(out()[1101], 150);  // channel 0 alone (1 and 3 start after the mixed blocks)
  EXPECT_EQ(out()[1102], 162);  // and the high-priority play at once
  EXPECT_EQ(out()[1201], 162);
  EXPECT_EQ(out()[1202], 150);
  EXPECT_EQ(out()[6144], 128 + 3 * 22);
}

TEST_F(SessionTest, WaitingPlaysArePlacedWithTheNextPlay) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  game::MixWave* a = load(constant(500, 150));
  play(0, a, game::kPlayWait);
  play(1, a, game::kPlayWait);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 0);
  EXPECT_EQ(MixerInfo(s).queued_blocks, 0);
  game::MixerCloseChannel(s, 1, 0);  // a waiting play whose channel closes is dropped when placed
  play(2, a);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 1);
  EXPECT_EQ(MixerInfo(s).channel_plays[2], 1);
  EXPECT_EQ(MixerInfo(s).free_plays, 97);
  drain();
  EXPECT_EQ(out()[0], 172);
}

TEST_F(SessionTest, ShiftModeMovesAHighPriorityPlayToTheMixPosition) {
  start("[default]\nRemix=2\n");
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(constant(20000, 150)));
  dev.advance(100);
  play(1, load(constant(100, 140)), game::kPlayHighPriority);
  auto plays = game::MixerChannelPlays(s, 1);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].first, 3 * 2048);
  EXPECT_EQ(plays[0].second, 3 * 2048 + 100);
}

TEST_F(SessionTest, TMixerChannelsAndActivation) {
  dir_ = temp_dir("tm");
  game::MixerUseDevice(&dev);
  game::MixerUseSettingsFile(dir_ + "/none.ini");
  {
    game::TMixer m;
    s = m.Session();
    m.SetActivated(true);
    m.SetChannels(31);
    EXPECT_TRUE(dev.is_open());
    EXPECT_EQ(MixerInfo(s).open_mask, 31);
    game::MixWave* w = load(ramp(10));
    for (int c = 0; c < 5; ++c) m.Play(c, w);
    EXPECT_EQ(mixer_error([&] { m.Play(5, w); }), "The specified channel was not open");
    m.SetChannels(0x90);
    EXPECT_EQ(MixerInfo(s).open_mask, 0x90);
    m.SetChannels(255);
    EXPECT_EQ(MixerInfo(s).open_mask, 0xFF);
    m.SetActivated(false);
    EXPECT_FALSE(dev.is_open());
    m.SetActivated(true);
    s = nullptr;
  }
  EXPECT_FALSE(dev.is_open());
  start("", false);  // the destructor closed the session: a new one may start
  end();
  {
    game::TMixer designing(true);
    designing.SetActivated(true);
    designing.SetChannels(31);
    EXPECT_TRUE(designing.Activated());
    EXPECT_FALSE(dev.is_open());
    EXPECT_EQ(MixerInfo(designing.Session()).open_mask, 0);
  }
}

}  // namespace
