// The mixed stream, byte by byte: traceable signals through the blocks, seams at odd block
// lengths, mixing and clamping, loops, queues on one channel, re-basing.
#include "sound_test_util.h"

using namespace soundtest;
using game::MixerChannelPlays;
using game::MixerInfo;

namespace {

Bytes silence(std::size_t n) {
  return Bytes(n, 128);
}
Bytes cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class StreamTest : public MixerTest {};

TEST_F(StreamTest, DefaultSessionIsMono11025WithThreeBlocksOf2048) {
  start();
  auto i = MixerInfo(s);
  EXPECT_EQ(i.format.channels, 1);
  EXPECT_EQ(i.format.samples_per_sec, 11025);
  EXPECT_EQ(i.format.bytes_per_sec, 11025);
  EXPECT_EQ(i.format.block_align, 1);
  EXPECT_EQ(i.format.bits_per_sample, 8);
  EXPECT_EQ(i.blocks, 3);
  EXPECT_EQ(i.block_len, 2048);
  EXPECT_EQ(i.remix_mode, 1);
  EXPECT_EQ(i.position_source, 0);
  EXPECT_EQ(i.device_name, "Headless Wave Out");
  EXPECT_EQ(i.free_plays, 99);
}

TEST_F(StreamTest, OnePlayIsCopiedExactlyAndTheBlockIsPaddedWithSilence) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Bytes r = ramp(3000);
  play(0, load(r));
  // 3000 bytes need two blocks of 2048; the third stays free: nothing left to play
  EXPECT_EQ(MixerInfo(s).queued_blocks, 2);
  drain();
  EXPECT_EQ(out(), cat(r, silence(2 * 2048 - 3000)));
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 0);  // finished and back in the pool
  EXPECT_EQ(MixerInfo(s).free_plays, 99);
}

// The same two-channel stream cut into blocks of different odd lengths must come out the same.
TEST_F(StreamTest, SeamsAtOddBlockLengthsAreExact) {
  Bytes reference;
  for (int len : {2048, 1001, 517, 4093}) {
    start("[Headless Wave Out]\nWaveBlockLen=" + std::to_string(len) + "\nWaveBlocks=4\n");
    ASSERT_EQ(MixerInfo(s).block_len, std::max(len, 512));
    game::MixerOpenChannel(s, 0, 1);
    Bytes a = ramp(7001);
    Bytes b = constant(2500, 140);
    play(0, load(a), game::kPlayWait);  // placed together with the next: both start at 0
    play(1, load(b));
    drain();
    Bytes got = out();
    // expected: ramp + 12 where the constant sounds, the rest ramp alone, then silence
    Bytes want = a;
    for (std::size_t i = 0; i < b.size(); ++i)
      want[i] = static_cast<std::uint8_t>(std::clamp(a[i] + 12, 0, 255));
    ASSERT_GE(got.size(), want.size());
    EXPECT_TRUE(std::equal(want.begin(), want.end(), got.begin())) << "block length " << len;
    EXPECT_EQ(got.size() % MixerInfo(s).block_len, 0u);
    for (std::size_t i = want.size(); i < got.size(); ++i) ASSERT_EQ(got[i], 128) << i;
    if (reference.empty()) reference.assign(got.begin(), got.begin() + 7001);
    EXPECT_TRUE(std::equal(reference.begin(), reference.end(), got.begin()));
    end();
    dev = FaultyDevice{};
  }
}

TEST_F(StreamTest, SumsAreClampedAt0And255) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(constant(100, 250)), game::kPlayWait);
  play(1, load(constant(100, 250)), game::kPlayWait);
  play(2, load(constant(50, 5)), game::kPlayWait);
  play(3, load(constant(50, 5)), game::kPlayWait);
  play(4, load(constant(50, 5)));
  drain();
  // first 50: 250+250+5+5+5 -> 128 + 122*2 - 123*3 = 3; next 50: 128 + 244 -> 255
  for (int i = 0; i < 50; ++i) ASSERT_EQ(out()[i], 3) << i;
  for (int i = 50; i < 100; ++i) ASSERT_EQ(out()[i], 255) << i;
  end();
  dev = FaultyDevice{};
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(constant(10, 2)), game::kPlayWait);
  play(1, load(constant(10, 3)));
  drain();
  for (int i = 0; i < 10; ++i) ASSERT_EQ(out()[i], 0) << i;  // 128 - 126 - 125 < 0
  EXPECT_EQ(out()[10], 128);
}

TEST_F(StreamTest, LoopsContributeWholeRepeats) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Bytes r = ramp(777);
  game::MixWave* w = load(r);
  play(0, w, 0, 0);
  auto plays = MixerChannelPlays(s, 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].second - plays[0].first, 777);
  drain();
  EXPECT_TRUE(std::equal(r.begin(), r.end(), out().begin()));
  EXPECT_EQ(out()[777], 128);

  std::size_t before = out().size();
  play(0, w, 0, 2);
  plays = MixerChannelPlays(s, 0);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].first, 0);  // nothing was playing: re-based to 0
  EXPECT_EQ(plays[0].second, 3 * 777);
  drain();
  Bytes want = cat(cat(r, r), r);
  EXPECT_TRUE(std::equal(want.begin(), want.end(), out().begin() + static_cast<long>(before)));
  EXPECT_EQ(out()[before + want.size()], 128);
}

TEST_F(StreamTest, EndlessLoopPlaysUntilFlushed) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Bytes r = ramp(300);
  play(0, load(r), 0, game::kLoopForever);
  EXPECT_EQ(MixerChannelPlays(s, 0)[0].second, game::kMixForever);
  for (int i = 0; i < 40; ++i) dev.advance(90);
  ASSERT_GT(out().size(), 3000u);
  for (std::size_t i = 0; i < out().size(); ++i) ASSERT_EQ(out()[i], r[i % 300]) << i;
  game::MixerFlushChannel(s, 0, 0);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 0);
  EXPECT_EQ(MixerInfo(s).queued_blocks, 0);  // the remix took back the blocks that held it
  std::size_t cut = out().size();
  drain();
  for (std::size_t i = cut; i < out().size(); ++i)
    ASSERT_EQ(out()[i], 128) << i;  // the remix cut it at once
}

// Flushing with "no remix" (how 2) drops the plays but leaves the blocks at the device sounding;
// "all" (how 1) reaches every channel.
TEST_F(StreamTest, FlushWithoutRemixLetsTheQueuedBlocksPlayOut) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(constant(20000, 150)), game::kPlayWait);
  play(3, load(constant(20000, 140)));
  dev.advance(90);
  const std::size_t played = out().size();
  game::MixerFlushChannel(s, 0, 1 | 2);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 0);
  EXPECT_EQ(MixerInfo(s).channel_plays[3], 0);
  EXPECT_EQ(MixerInfo(s).queued_blocks, 3);  // still at the device
  drain();
  ASSERT_EQ(out().size(), 3u * 2048);  // nothing refilled after them
  for (std::size_t i = played; i < out().size(); ++i) ASSERT_EQ(out()[i], 162) << i;
}

// A block the device refuses during a remix: the message, and the session keeps only the blocks
// the device really holds, so the next block done carries on.
TEST_F(StreamTest, ARemixTheDeviceRefusesFailsAndLeavesTheQueueTrue) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(constant(20000, 150)));
  dev.write_error = 7;
  EXPECT_EQ(mixer_error([&] { play(0, load(constant(20000, 140)), game::kPlayClearChannel); }),
            "Failed to write block to device");
  EXPECT_EQ(MixerInfo(s).queued_blocks, dev.queued_blocks());
  EXPECT_FALSE(dev.paused());
  dev.write_error = 0;
  play(1, load(constant(10, 130)));
  drain();
  // the refused blocks are lost; the stream goes on behind them with the new play (the old one
  // was dropped) and the short one mixed in
  ASSERT_GE(out().size(), 2048u);
  EXPECT_EQ(out()[0], 142);
  EXPECT_EQ(out()[10], 140);
}

TEST_F(StreamTest, TwoPlaysOnOneChannelFollowEachOtherExactly) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Bytes a = ramp(10000);  // still playing beyond what is mixed when the second arrives
  Bytes b = ramp(900, 40);
  play(2, load(a));
  play(2, load(b));
  auto plays = MixerChannelPlays(s, 2);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].first, plays[0].second);
  drain();
  Bytes want = cat(a, b);
  EXPECT_TRUE(std::equal(want.begin(), want.end(), out().begin()));
  EXPECT_EQ(out()[10900], 128);
}

TEST_F(StreamTest, ShortPlayQueuedBehindAFinishedMixStartsAtTheMixPosition) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(ramp(1500)));
  play(0, load(ramp(10)));
  auto plays = MixerChannelPlays(s, 0);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].first, 2048);  // the first is mixed to its end already: the next block
}

TEST_F(StreamTest, IdleChannelStartsAfterTheQueuedBlocksWhileAnotherPlays) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Bytes a = constant(20000, 150);
  play(0, load(a));
  dev.advance(100);  // about 1102 bytes played, 3 blocks still queued
  std::int64_t mix = MixerInfo(s).mix_pos;
  EXPECT_EQ(mix, 3 * 2048);
  play(1, load(constant(100, 140)));
  EXPECT_EQ(MixerChannelPlays(s, 1)[0].first, mix);  // not inside what the device already holds
  drain();
  EXPECT_EQ(out()[mix - 1], 150);
  EXPECT_EQ(out()[mix], 162);
  EXPECT_EQ(out()[mix + 99], 162);
  EXPECT_EQ(out()[mix + 100], 150);
}

TEST_F(StreamTest, NewPlayAfterSilenceIsRebasedToZero) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  play(0, load(ramp(5000)));
  drain();
  EXPECT_GT(MixerInfo(s).mix_pos, 0);
  dev.advance(5000);  // the clock runs on while nothing plays
  play(3, load(ramp(10)));
  EXPECT_EQ(MixerChannelPlays(s, 3)[0].first, 0);
  EXPECT_EQ(game::MixerDevicePosition(s), 0);
  std::size_t before = out().size();
  drain();
  Bytes r = ramp(10);
  EXPECT_TRUE(std::equal(r.begin(), r.end(), out().begin() + static_cast<long>(before)));
}

struct Notices : game::MixListener {
  std::vector<std::pair<int, game::MixWave*>> got;
  std::vector<std::size_t> at;
  const FaultyDevice* dev = nullptr;
  void mix_play_done(int channel, game::MixWave* wave) override {
    got.emplace_back(channel, wave);
    at.push_back(dev->captured().size());
  }
};

TEST_F(StreamTest, EndOfPlayNoticeComesOnceThePlayHasBeenPlayed) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  Notices n;
  n.dev = &dev;
  game::MixWave* a = load(ramp(2500));
  game::MixWave* b = load(ramp(100));
  play(4, a, 0, 0, &n);
  play(4, b, 0, 0, &n);
  play(1, b);  // no listener: no notice
  drain();
  ASSERT_EQ(n.got.size(), 2u);
  EXPECT_EQ(n.got[0], std::make_pair(4, a));
  EXPECT_EQ(n.got[1], std::make_pair(4, b));
  EXPECT_GE(n.at[0], 2600u);  // reported at the done of the block that holds its end
  EXPECT_EQ(MixerInfo(s).free_plays, 99);
}

TEST_F(StreamTest, DeactivatingAndReactivatingContinuesTheStream) {
  start("[default]\nGoodWavePos=1\n");
  game::MixerOpenChannel(s, 0, 1);
  Bytes r = ramp(20000);
  play(0, load(r));
  game::MixerActivate(s, true);  // already active: nothing happens
  EXPECT_EQ(MixerInfo(s).queued_blocks, 3);
  for (int i = 0; i < 7; ++i) dev.advance(90);
  std::size_t played = out().size();
  game::MixerActivate(s, false);
  EXPECT_FALSE(MixerInfo(s).activated);
  EXPECT_FALSE(dev.is_open());
  EXPECT_EQ(MixerInfo(s).mix_pos, static_cast<std::int64_t>(played));
  EXPECT_EQ(mixer_error([&] { play(1, load(ramp(5))); }),
            "Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
  game::MixerActivate(s, true);
  drain();
  ASSERT_GE(out().size(), r.size());
  EXPECT_TRUE(std::equal(r.begin(), r.end(), out().begin()));  // no gap, no repeat
}

TEST_F(StreamTest, FreeingAWaveDropsItsQueuedPlaysButNotWhatTheDeviceHolds) {
  start();
  game::MixerOpenChannel(s, 0, 1);
  game::MixWave* a = load(constant(10000, 160));
  game::MixWave* b = load(constant(3000, 100));
  play(0, a);
  play(0, b);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 2);
  game::MixerFreeWave(s, b);
  EXPECT_EQ(MixerInfo(s).channel_plays[0], 1);
  EXPECT_EQ(MixerInfo(s).free_plays, 98);
  // a: its first 3 blocks of 2048 are at the device already; the rest never sounds
  game::MixerFreeWave(s, a);
  EXPECT_EQ(MixerInfo(s).free_plays, 99);
  drain();
  ASSERT_EQ(out().size(), 3u * 2048);
  for (std::size_t i = 0; i < out().size(); ++i) ASSERT_EQ(out()[i], 160) << i;
  EXPECT_EQ(mixer_error([&] { game::MixerFreeWave(s, a); }), "The given pointer was not valid");
}

}  // namespace
