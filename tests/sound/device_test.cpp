// The headless wave-output device (virtual clock, capture, WAV file) and the rule that mixing
// allocates nothing while sounds play.

#include "sound_test_util.h"
#include "support/alloc_count.h"

using namespace soundtest;

namespace {

struct Counter {
  int calls = 0;
  static void done(void* self) { ++static_cast<Counter*>(self)->calls; }
};

TEST(HeadlessDeviceTest, PlaysWrittenBlocksAtTheByteRateAndReportsThem) {
  plat::HeadlessAudioDevice d;
  d.set_capture(true);
  Counter c;
  plat::AudioFormat f;  // 11025 bytes per second
  ASSERT_EQ(d.open(-1, f, &Counter::done, &c), 0);
  Bytes a = ramp(1000), b = ramp(1500, 7);
  plat::AudioBlock ba{a.data(), 1000}, bb{b.data(), 1500};
  EXPECT_NE(d.write(ba), 0);  // not prepared
  d.prepare(ba);
  d.prepare(bb);
  d.advance(50);  // nothing queued: time passes, nothing is owed
  ASSERT_EQ(d.write(ba), 0);
  ASSERT_EQ(d.write(bb), 0);
  d.advance(90);  // 992.25 bytes
  EXPECT_EQ(d.position(), 992u);
  EXPECT_EQ(c.calls, 0);
  EXPECT_FALSE(ba.done);
  d.advance(90);  // 1984.5 in all: the first block is done
  EXPECT_EQ(d.position(), 1984u);
  EXPECT_TRUE(ba.done);
  EXPECT_FALSE(bb.done);
  EXPECT_EQ(c.calls, 1);
  d.pause();
  d.advance(1000);
  EXPECT_EQ(d.position(), 1984u);
  d.restart();
  d.advance(1000);
  EXPECT_EQ(d.position(), 2500u);
  EXPECT_TRUE(bb.done);
  EXPECT_EQ(c.calls, 2);
  EXPECT_EQ(d.captured(), [&] {
    Bytes x = a;
    x.insert(x.end(), b.begin(), b.end());
    return x;
  }());
  EXPECT_EQ(d.now_ms(), 2230u);
  // reset hands back what is queued, unplayed, and counts from 0
  ASSERT_EQ(d.write(ba), 0);
  d.advance(10);
  d.reset();
  EXPECT_TRUE(ba.done);
  EXPECT_EQ(d.position(), 0u);
  EXPECT_EQ(d.queued_blocks(), 0);
  d.close();
  EXPECT_FALSE(d.is_open());
}

TEST(HeadlessDeviceTest, WritesTheCaptureAsAWaveOfTheStreamsFormat) {
  plat::HeadlessAudioDevice d;
  d.set_capture(true);
  plat::AudioFormat f{2, 22050, 8, 2, 44100};
  ASSERT_EQ(d.open(-1, f, nullptr, nullptr), 0);
  Bytes a = ramp(301);
  plat::AudioBlock b{a.data(), 301};
  d.prepare(b);
  d.write(b);
  d.advance(100);
  std::string path = temp_dir("wav") + "/out.wav";
  ASSERT_TRUE(d.write_wav(path));
  std::ifstream in(path, std::ios::binary);
  Bytes got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Bytes want = wav(a, 2, 22050, 8);
  EXPECT_EQ(got, want);
  EXPECT_FALSE(d.write_wav("/nonexistent/dir/out.wav"));
}

TEST_F(MixerTest, MixingFiveSourcesAllocatesNothing) {
  start("[default]\nGoodWavePos=1\n");
  game::MixerOpenChannel(s, 0, 1);
  dev.set_capture(false);
  game::MixWave* w[5];
  for (int i = 0; i < 5; ++i) w[i] = load(ramp(40000 + 997 * i, 31 * i));
  for (int i = 0; i < 5; ++i)
    play(i, w[i], i == 4 ? 0u : static_cast<std::uint32_t>(game::kPlayWait), i == 2 ? 3 : 0);
  play(0, w[1]);  // queued behind
  alloc_count::start();
  for (int i = 0; i < 300; ++i) {
    dev.advance(i % 2 ? 90 : 17);  // block done after block done
    if (i == 7 || i == 57 || i == 107) play(i == 7 ? 0 : i == 57 ? 1 : 3, w[3]);  // meanwhile
  }
  EXPECT_EQ(alloc_count::stop(), 0);
  EXPECT_GT(dev.position(), 40000u);
  EXPECT_EQ(game::MixerInfo(s).free_plays, 99);  // every play ran to its end meanwhile
}

}  // namespace
