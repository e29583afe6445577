// Mixing throughput: blocks of the output stream filled from 1 and 5 simultaneous sources,
// against a plain memcpy of the same number of bytes, in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/headless/headless_audio.h"
#include "sound/mixer.h"

namespace {

std::vector<std::uint8_t> wav_image(std::size_t n, int seed) {
  std::vector<std::uint8_t> b = {'R',  'I',  'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V',  'E',  'f', 'm',
                                 't',  ' ',  16,  0,   0, 0, 1, 0, 1,   0,   0x11, 0x2B, 0,   0,
                                 0x11, 0x2B, 0,   0,   1, 0, 8, 0, 'd', 'a', 't',  'a'};
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  for (std::size_t i = 0; i < n; ++i)
    b.push_back(static_cast<std::uint8_t>((i * 7 + seed * 13) & 0xFF));
  std::uint32_t riff = static_cast<std::uint32_t>(b.size() - 8);
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
  return b;
}

// Plays `sources` endless loops and lets the headless device consume blocks; each block done
// refills one block of 2048 bytes.
void mix_sources(benchmark::State& state) {
  const int sources = static_cast<int>(state.range(0));
  plat::HeadlessAudioDevice dev;
  game::MixerUseDevice(&dev);
  game::MixerUseSettingsFile("/nonexistent/MIXER.INI");
  game::MixSession* s = game::MixerInit();
  game::MixerActivate(s, true);
  game::MixerOpenChannel(s, 0, 1);
  for (int i = 0; i < sources; ++i) {
    auto img = wav_image(10007 + 101 * static_cast<std::size_t>(i), i);
    game::MixPlayParams p;
    p.session = s;
    p.channel = i;
    p.wave = game::MixerOpenWaveMemory(s, img.data(), img.size());
    p.loops = game::kLoopForever;
    p.flags = i + 1 < sources ? game::kPlayWait : 0u;
    game::MixerPlay(&p);
  }
  const double block_ms = 2048.0 * 1000.0 / 11025.0;
  for (auto _ : state) dev.advance(block_ms);  // one block played, one block mixed
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2048);
  game::MixerCloseSession(s);
}
BENCHMARK(mix_sources)->Arg(1)->Arg(5)->Arg(8);

void memcpy_block(benchmark::State& state) {
  std::vector<std::uint8_t> src(2048, 7), dst(2048);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 2048);
}
BENCHMARK(memcpy_block);

}  // namespace
