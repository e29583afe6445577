// Text drawing speed: the status panel and message labels redraw every 90 ms tick, so a frame's
// worth of text must cost little once its glyphs are cached.
#include <benchmark/benchmark.h>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/sjis.h"

namespace {

plat::TextStyle style(int point, bool bold, bool opaque = false) {
  plat::TextStyle s;
  s.point = point;
  s.bold = bold;
  s.colour = 0xFFFFFF;
  s.opaque = opaque;
  s.background = plat::RGB(136, 68, 85);
  return s;
}

// About the text of one busy frame: panel lines, four message labels, a caption.
void frame_text(plat::Canvas& c) {
  c.text_out(3, 2, SJ("オープンから 12日目"), style(8, true));
  c.text_out(3, 15, SJ("閉店まで "), style(8, true));
  c.text_out(60, 10, "7", style(12, true));
  c.text_out(250, 33, SJ("売り上げ \\ "), style(8, true));
  c.text_out(310, 29, "12800", style(11, true));
  c.text_out(250, 80, SJ("客の満足度 "), style(8, true));
  c.text_out(320, 73, "85", style(15, true));
  for (int i = 0; i < 4; ++i)
    c.text_out(2, 247 - 13 * i, SJ("【ピンクのリボン】を貼った"), style(9, true, true));
  c.text_out(330, 30, SJ("包む"), style(10, true));
}

void BM_FrameTextCached(benchmark::State& st) {
  plat::Bitmap b(390, 260, 0);
  plat::Canvas c(b);
  frame_text(c);  // fills the cache
  for (auto _ : st) {
    frame_text(c);
    benchmark::DoNotOptimize(b.row(0));
  }
  st.counters["renders"] = double(plat::glyph_cache_stats().renders);
}
BENCHMARK(BM_FrameTextCached);

void BM_TextWidth(benchmark::State& st) {
  const plat::sjis& t = SJ("売り上げノルマ 100 ％");
  plat::Canvas::text_width(t, style(8, true));
  for (auto _ : st) benchmark::DoNotOptimize(plat::Canvas::text_width(t, style(8, true)));
}
BENCHMARK(BM_TextWidth);

// The price of a cold cache: every glyph of a line rendered afresh.
void BM_LineUncached(benchmark::State& st) {
  plat::Bitmap b(390, 40, 0);
  plat::Canvas c(b);
  for (auto _ : st) {
    plat::clear_glyph_cache();
    c.text_out(2, 2, SJ("【ピンクのリボン】を貼った"), style(9, true));
  }
}
BENCHMARK(BM_LineUncached);

}  // namespace
