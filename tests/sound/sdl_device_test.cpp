// The SDL wave-output device on SDL's dummy driver: blocks are played in order by SDL's audio
// thread, and every block-done report reaches the mixer on the thread that pumps the host.
#include <chrono>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/host.h"
#include "platform/sdl/sdl_audio.h"
#include "sound/tmixer.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

// Just the task queue of a host: post_task from any thread, run() on the test's thread.
class TaskHost : public plat::Host {
 public:
  void set_handler(plat::HostHandler*) override {}
  void set_timer_interval(int) override {}
  int timer_interval() const override { return 90; }
  double now_days() const override { return 0; }
  unsigned clock_seed() const override { return 1; }
  void present(const plat::Bitmap&) override {}
  bool process_messages() override {
    std::deque<std::pair<void (*)(void*), void*>> now;
    {
      std::lock_guard l(mu);
      now.swap(tasks);
    }
    for (auto& [fn, ctx] : now) fn(ctx);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
  }
  void close_window() override {}
  void post_task(void (*fn)(void*), void* ctx) override {
    std::lock_guard l(mu);
    tasks.emplace_back(fn, ctx);
  }
  void confirm_box(std::string_view) override {}
  plat::AudioDevice* audio_device() override { return nullptr; }

  std::mutex mu;
  std::deque<std::pair<void (*)(void*), void*>> tasks;
};

struct Reports {
  std::thread::id ui = std::this_thread::get_id();
  int calls = 0;
  bool wrong_thread = false;
  static void done(void* self) {
    auto* r = static_cast<Reports*>(self);
    ++r->calls;
    if (std::this_thread::get_id() != r->ui) r->wrong_thread = true;
  }
};

template <class F>
bool pump_until(TaskHost& host, F&& cond, int ms = 3000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!cond()) {
    if (std::chrono::steady_clock::now() > end) return false;
    host.process_messages();
  }
  return true;
}

class SdlDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlDeviceTest, BlocksPlayInOrderAndAreReportedOnTheUiThread) {
  TaskHost host;
  plat::SdlAudioDevice d(&host);
  ASSERT_GT(d.device_count(), 0);
  plat::AudioCaps caps;
  ASSERT_TRUE(d.get_caps(-1, caps));
  EXPECT_EQ(caps.name, "SDL Wave Out");
  Reports r;
  plat::AudioFormat f;
  ASSERT_EQ(d.open(-1, f, &Reports::done, &r), 0);
  EXPECT_NE(d.open(-1, f, &Reports::done, &r), 0);  // once only
  Bytes a = ramp(512), b = ramp(700, 3), c = ramp(300, 9);
  plat::AudioBlock blocks[3] = {{a.data(), 512}, {b.data(), 700}, {c.data(), 300}};
  for (auto& bl : blocks) {
    ASSERT_EQ(d.prepare(bl), 0);
    ASSERT_EQ(d.write(bl), 0);
  }
  ASSERT_TRUE(pump_until(host, [&] { return blocks[2].done; }));
  EXPECT_TRUE(blocks[0].done && blocks[1].done);
  EXPECT_FALSE(r.wrong_thread);
  EXPECT_GE(r.calls, 1);
  EXPECT_EQ(d.position(), 1512u);
  d.reset();
  EXPECT_EQ(d.position(), 0u);
  d.close();
  EXPECT_FALSE(d.is_open());
}

TEST_F(SdlDeviceTest, TheMixerRunsOnItThroughTheMessagePump) {
  TaskHost host;
  plat::SdlAudioDevice d(&host);
  game::MixerUseDevice(&d);
  game::MixerUseSettingsFile("/nonexistent/MIXER.INI");
  {
    game::TMixer m;
    m.SetActivated(true);
    m.SetChannels(31);
    Bytes img = wav(ramp(5000));
    game::MixWave* w = game::MixerOpenWaveMemory(m.Session(), img.data(), img.size());
    m.Play(0, w);
    m.Play(1, w);
    ASSERT_TRUE(pump_until(host, [&] { return game::MixerInfo(m.Session()).free_plays == 99; }));
    EXPECT_GE(d.position(), 5000u);
  }
  EXPECT_FALSE(d.is_open());
}

}  // namespace

#include "platform/midi/midi.h"

namespace {

// FluidSynth for real: the General MIDI soundfont on SDL's dummy output (nothing else holds it).
TEST_F(SdlDeviceTest, MusicRendersThroughFluidSynthAndStops) {
  if (!std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
    GTEST_SKIP() << "no timgm6mb-soundfont";
  plat::SdlAudioDevice d(nullptr);
  ASSERT_GT(d.device_count(), 0);  // SDL's audio is up; the device itself stays closed
  std::string dir = temp_dir("synth");
  Bytes smf = {'M', 'T', 'h', 'd', 0,  0, 0,    6,  0,   0,  0,    1,  0, 96, 'M',  'T',  'r',
               'k', 0,   0,   0,   12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0,  0xFF, 0x2F, 0};
  write_file(dir + "/a.mid", smf);
  plat::MidiUseSoundfonts({});
  plat::MidiConfigure(true);
  ASSERT_EQ(plat::MidiSetDevice(-1, 0), 0);
  EXPECT_EQ(plat::MidiGetStatus().soundfont, "/usr/share/sounds/sf2/TimGM6mb.sf2");
  ASSERT_EQ(plat::MidiLoadFile(dir + "/a.mid", 0), 0);
  ASSERT_EQ(plat::MidiPlay(1, 0, 0), 0);
  EXPECT_TRUE(plat::MidiGetStatus().playing);
  std::this_thread::sleep_for(std::chrono::milliseconds(1200));  // past the piece's end: still on
  EXPECT_TRUE(plat::MidiGetStatus().playing);
  ASSERT_EQ(plat::MidiLoadFile(dir + "/a.mid", 0), 0);  // replaced
  ASSERT_EQ(plat::MidiPlay(1, 0, 0), 0);
  plat::MidiStop();
  EXPECT_FALSE(plat::MidiGetStatus().playing);
  plat::MidiFree();
  EXPECT_FALSE(plat::MidiGetStatus().ready);
  plat::MidiConfigure(false);
}

}  // namespace

#include <dlfcn.h>

namespace {

// SDL's silent drivers are asked for on purpose: the music must not go looking for a sound server
// of its own (and print what it finds missing) while the effects are silent.
TEST_F(SdlDeviceTest, TheDummyDriverIsNotAudibleSoTheMusicStaysSilent) {
  plat::SdlAudioDevice d(nullptr);
  ASSERT_GT(d.device_count(), 0);
  EXPECT_FALSE(d.audible());
}

// On a machine without a sound card the ALSA library would print a dozen lines of its own for
// every output that looks for a card; the game's one line is enough.
TEST(AlsaTest, TheLibrarysOwnErrorLinesAreSilenced) {
  void* lib = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (!lib) GTEST_SKIP() << "no ALSA library";
  using Open = int (*)(void**, const char*, int, int);
  auto open = reinterpret_cast<Open>(dlsym(lib, "snd_pcm_open"));
  ASSERT_NE(open, nullptr);
  plat::quiet_alsa_messages();
  testing::internal::CaptureStderr();
  void* pcm = nullptr;
  EXPECT_LT(open(&pcm, "florinet_no_such_output", 0, 0), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
