// How long the build's generator takes for the kinds of files it makes (the whole folder must
// stay well under a minute on two cores).
#include <benchmark/benchmark.h>

#include "assets.h"

static void BM_Background(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_picture("haikei2.bmp"));
}
BENCHMARK(BM_Background)->Unit(benchmark::kMillisecond);

static void BM_Customer(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_picture("girl02.bmp"));
}
BENCHMARK(BM_Customer)->Unit(benchmark::kMillisecond);

static void BM_Seal(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_picture("seal57.bmp"));
}
BENCHMARK(BM_Seal)->Unit(benchmark::kMillisecond);

static void BM_Wave(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_wave("lvup.wav"));
}
BENCHMARK(BM_Wave)->Unit(benchmark::kMillisecond);

static void BM_Tune(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_music("shop.mid"));
}
BENCHMARK(BM_Tune)->Unit(benchmark::kMillisecond);

static void BM_AllPictures(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(ag::make_pictures());
}
BENCHMARK(BM_AllPictures)->Unit(benchmark::kSecond)->Iterations(1);
