// Loading waves: the RIFF checks (every truncation and bad chunk size rejected, never a crash)
// and the conversions to the session's format, in their order.
#include "sound_test_util.h"

using namespace soundtest;

namespace {

class WaveTest : public MixerTest {
 protected:
  std::string load_error(const Bytes& img) {
    return mixer_error([&] { game::MixerOpenWaveMemory(s, img.data(), img.size()); });
  }
  Bytes converted(const Bytes& img) {
    game::MixWave* w = game::MixerOpenWaveMemory(s, img.data(), img.size());
    return Bytes(w->data, w->data + w->length);
  }
};

TEST_F(WaveTest, EveryTruncationOfAGoodFileIsRejectedWithAMessage) {
  start();
  Bytes good = wav(ramp(301));
  for (std::size_t n = 0; n < good.size() - 1; ++n) {  // the last byte is the pad byte
    Bytes cut(good.begin(), good.begin() + static_cast<long>(n));
    std::string e = load_error(cut);
    EXPECT_FALSE(e.empty()) << n;
    if (n == 0)
      EXPECT_EQ(e,
                "Failed to open memory file, mmioOpen error=259.#13May need to make sure memory is "
                "read-write");
    else if (n < 12)
      EXPECT_EQ(e, "This is not a WAVE file") << n;
    else if (n < 36)
      EXPECT_TRUE(e == "WAVE file is corrupted" || e == "Failed to read format chunk") << n << e;
    else if (n < 44)
      EXPECT_EQ(e, "WAVE file has no data chunk") << n;
    else
      EXPECT_EQ(e, "Failed to read data chunk") << n;
  }
  EXPECT_EQ(converted(good), ramp(301));
}

TEST_F(WaveTest, BadChunksGiveTheirMessages) {
  start();
  Bytes good = wav(ramp(40));
  auto with = [&](std::size_t at, std::uint32_t v) {
    Bytes b = good;
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    return b;
  };
  Bytes notriff = good;
  notriff[0] = 'X';
  EXPECT_EQ(load_error(notriff), "This is not a WAVE file");
  Bytes notwave = good;
  notwave[8] = 'A';
  EXPECT_EQ(load_error(notwave), "This is not a WAVE file");
  Bytes nofmt = good;
  nofmt[12] = 'F';
  EXPECT_EQ(load_error(nofmt), "WAVE file is corrupted");
  EXPECT_EQ(load_error(with(16, 12)), "Failed to read format chunk");  // format chunk of 12 bytes
  EXPECT_EQ(load_error(with(16, 0xFFFFFFF0u)),
            "WAVE file has no data chunk");  // skips past the end
  Bytes tag = good;
  tag[20] = 3;  // IEEE float
  EXPECT_EQ(load_error(tag), "The file is not a PCM file");
  EXPECT_EQ(load_error(with(40, 0)), "The data chunk has no data");
  EXPECT_EQ(load_error(with(40, 41)), "Failed to read data chunk");
  EXPECT_EQ(load_error(with(40, 0xFFFFFFFFu)), "Failed to read data chunk");
  EXPECT_EQ(load_error(with(4, 0)),
            "This is not a WAVE file");  // a RIFF of 0 bytes has no form type
  Bytes nodata = good;
  nodata[36] = 'D';
  EXPECT_EQ(load_error(nodata), "WAVE file has no data chunk");
  Bytes bits12 = wav(ramp(40), 1, 11025, 12);
  EXPECT_EQ(load_error(bits12), "File format not supported");
  Bytes onebyte16 = wav(Bytes{7}, 1, 11025, 16);
  EXPECT_EQ(load_error(onebyte16), "Failed to convert wave format");
  Bytes norate = wav(ramp(40), 1, 0, 8);
  EXPECT_EQ(load_error(norate), "File format not supported");
  // the largest rate a header can give: every frame but the last averaged away, and no overflow
  // on the way (the sanitizer build sees one)
  Bytes fast = wav(ramp(50));
  for (int i = 24; i < 28; ++i) fast[i] = 0xFF;
  EXPECT_EQ(converted(fast), Bytes{ramp(50).back()});
  // one sample a second would become 11025 each: a damaged header must not make a few
  // kilobytes into a hundred megabytes, nor 200000 samples into more than a wave's length
  for (std::size_t n : {7000, 200000}) {
    Bytes slow = wav(constant(n, 100), 1, 1, 8);
    EXPECT_EQ(load_error(slow),
              "Unable to allocate memory for waveform data.  Try making more memory available by "
              "closing other applications.")
        << n;
  }
  // channels and sample size at their largest, at the largest rate: refused, and no overflow on
  // the way to the frame size
  Bytes wide = wav(ramp(40));
  for (int i : {22, 23, 34, 35}) wide[i] = 0xFF;
  for (int i = 24; i < 28; ++i) wide[i] = 0xFF;
  EXPECT_EQ(load_error(wide), "File format not supported");
}

TEST_F(WaveTest, ChunksBeforeAndBetweenAreSkippedWithTheirPadding) {
  start();
  Bytes img = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
  Bytes full = wav(ramp(10));
  img.insert(img.end(), list.begin(), list.end());
  img.insert(img.end(), full.begin() + 12, full.begin() + 36);  // fmt
  img.insert(img.end(), list.begin(), list.end());
  img.insert(img.end(), full.begin() + 36, full.end());  // data
  std::uint32_t n = static_cast<std::uint32_t>(img.size() - 8);
  for (int i = 0; i < 4; ++i) img[4 + i] = static_cast<std::uint8_t>(n >> (8 * i));
  EXPECT_EQ(converted(img), ramp(10));
}

TEST_F(WaveTest, SixteenBitStereo22050BecomesEightBitMono11025) {
  start();
  // frames (L, R) of 16-bit samples; the high bytes with the top bit flipped are the 8-bit ones
  auto s16 = [](int v) {
    return Bytes{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF)};
  };
  std::vector<std::pair<int, int>> frames = {
      {0x1000, 0x3000}, {-0x2000, 0x0000}, {0x7F00, 0x7F00}, {-0x8000, -0x8000}, {0x0100, 0x0300}};
  Bytes data;
  for (auto [l, r] : frames) {
    Bytes a = s16(l), b = s16(r);
    data.insert(data.end(), a.begin(), a.end());
    data.insert(data.end(), b.begin(), b.end());
  }
  // 8-bit: (0x90,0xB0) (0x60,0x80) (0xFF,0xFF) (0x00,0x00) (0x81,0x83)
  // mono: 0xA0 0x70 0xFF 0x00 0x82; then every two frames averaged around 128, the last copied
  Bytes want = {static_cast<std::uint8_t>(128 + ((0xA0 - 128) + (0x70 - 128)) / 2),
                static_cast<std::uint8_t>(128 + ((0xFF - 128) + (0x00 - 128)) / 2), 0x82};
  EXPECT_EQ(converted(wav(data, 2, 22050, 16)), want);
}

TEST_F(WaveTest, RateRulesUpAndDown) {
  start();
  // 8000 per second: the factor 11025/8000 is 1, the samples are kept
  EXPECT_EQ(converted(wav(ramp(50), 1, 8000)), ramp(50));
  // 44100 -> 11025: k = 4, each output the average of four, one input frame copied at the end
  Bytes in = {130, 134, 138, 142, 10, 20, 30, 40, 200};
  Bytes want = {static_cast<std::uint8_t>(128 + (2 + 6 + 10 + 14) / 4),
                static_cast<std::uint8_t>(128 + (-118 - 108 - 98 - 88) / 4), 200};
  EXPECT_EQ(converted(wav(in, 1, 44100)), want);
  // 5512 -> 11025: k = 2, each frame followed by one frame a step toward the next
  Bytes up = {100, 110, 105};
  EXPECT_EQ(converted(wav(up, 1, 5512)), (Bytes{100, 105, 110, 108, 105, 105}));
}

TEST_F(WaveTest, StereoSessionRepeatsMonoAndSteps22050ToFrames) {
  game::MixConfig cfg;
  cfg.flags = 1 | 2;
  cfg.channels = 2;
  cfg.rate = 22;
  start("", true, &cfg);
  auto i = game::MixerInfo(s);
  EXPECT_EQ(i.format.channels, 2);
  EXPECT_EQ(i.format.samples_per_sec, 22050);
  EXPECT_EQ(i.format.bytes_per_sec, 44100);
  EXPECT_EQ(i.block_len, 4096);
  // mono 11025 -> stereo (repeat) -> 22050 (k = 2, stepping per side)
  EXPECT_EQ(converted(wav(Bytes{100, 120}, 1, 11025)),
            (Bytes{100, 100, 110, 110, 120, 120, 120, 120}));
  // odd data of 8-bit stereo keeps whole frames only
  EXPECT_EQ(converted(wav(Bytes{1, 2, 3}, 2, 22050)), (Bytes{1, 2}));
}

TEST_F(WaveTest, NamesAndSources) {
  std::string dir = temp_dir("waves");
  write_file(dir + "/a.wav", wav(ramp(20)));
  start();
  game::MixWave* f = game::MixerOpenWave(s, dir + "/a.wav");
  EXPECT_EQ(std::string(f->name), (dir + "/a.wav").substr(0, 15));
  EXPECT_EQ(Bytes(f->data, f->data + f->length), ramp(20));
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWave(s, dir + "/none.wav"); }),
            "Failed to open wave file " + dir + "/none.wav");

  Bytes img = wav(ramp(9));
  game::MixModule mod;
  mod.waves.push_back({"", 7, img.data(), img.size()});
  mod.waves.push_back({"chime", 0, img.data(), img.size()});
  mod.waves.push_back({"locked", 0, nullptr, 0});
  mod.waves.push_back({"empty", 0, img.data(), 0});
  EXPECT_EQ(std::string(game::MixerOpenWaveResource(s, mod, "", 7)->name), "res#7");
  EXPECT_EQ(std::string(game::MixerOpenWaveResource(s, mod, "chime", 0)->name), "chime");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveResource(s, mod, "", 8); }),
            "Failed to open \"WAVE\" resource 8");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveResource(s, mod, "bell", 0); }),
            "Failed to open \"WAVE\" resource bell");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveResource(s, mod, "locked", 0); }),
            "Failed to lock \"WAVE\" resource");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveResource(s, mod, "empty", 0); }),
            "Failed to open resource, mmioOpen error= 259.#13May need to make sure resource is "
            "marked read-write");
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveMemory(s, nullptr, 10); }),
            "Failed to open memory file, mmioOpen error=259.#13May need to make sure memory is "
            "read-write");
  dev.format_ok = false;
  EXPECT_EQ(mixer_error([&] { game::MixerOpenWaveMemory(s, img.data(), img.size()); }),
            "The waveform device can\xB4t play this format");
}

}  // namespace
