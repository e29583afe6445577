// The worst drawn frame: every layer of the picture at once, with the program folder's own
// pictures — a customer at the counter with goods, a flyer on them and the shop front; the day's
// totals montage and the ten-day chart; the four log labels; fifty live effects with the chain's
// fanfare at ten; the choice menu with the Ex hint and "-CLICK HERE-"; the status panel with the
// item card; the seal box holding 112 seals with a name under the pointer (or, in the other
// variant, a seal in the hand); and the item panel, which the window shows composed over the
// picture. No frame of the game draws all of these together, so this is a bound above any frame.
// It is measured as the timer's tick draws it, and set against the 90 ms tick and against a plain
// memcpy of the frame's bytes in the same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "customers/review.h"
#include "customers/roster.h"
#include "effects/effects.h"
#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "goods/stocking.h"
#include "platform/headless/headless_host.h"
#include "scenario/install.h"
#include "scenario/progress.h"
#include "shell/form.h"
#include "shell/frame.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "wrapping/seal_box.h"

namespace {

using game::gs;

constexpr int frame_bytes = 390 * 260 * 4;  // the picture's 32-bit pixels

// Spawns fifty effects of every kind the game starts, the chain's fanfare at ten among them.
void fill_effects() {
  static constexpr int kinds[] = {66, 127, 128, 129, 140, 157, 158, 161, 162, 163, 164};
  int n = 0;
  // The fanfare of a tenth good reaction: the lightning, the streaks and the chain picture.
  game::spawn_particle(245, 35, 420, 120, 166), ++n;
  game::spawn_particle(245, 35, 110, -50, 166), ++n;
  game::spawn_effect(245, 35, 165), ++n;
  game::spawn_effect(245, 30, 160), ++n;
  for (int i = 0; n < game::effect_slots_used; ++i, ++n)
    game::spawn_effect(120 + 5 * i % 200, 60 + 3 * i % 150, kinds[i % std::size(kinds)]);
}

struct whole_game {
  plat::HeadlessHost host{7};
  std::string dir;
  whole_game() {
    // The game itself on the program folder's pictures; its progress kept in a folder of ours.
    char tmpl[] = "/tmp/florinet-bench-XXXXXX";
    dir = ::mkdtemp(tmpl);
    game::gs = game::game_state{};
    game::reset_all();
    {
      std::FILE* f = std::fopen((dir + "/my.dat").c_str(), "wb");
      const std::string text = game::progress_text(gs);
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
    game::set_save_files(dir + "/my.dat", dir + "/ledger.txt");
    game::set_program_dir(FLORINET_GAME_DIR);
    game::set_host(&host);
    game::install_game();
    game::form_create();
    gs.stage_mode = 1;
    game::park_buttons(false);
    game::build_catalogue_at(4);
    gs.clerk_lv = 4, gs.money = 98765, gs.day = 9;

    // The item panel of the evening, a seal selected in a list longer than the panel shows.
    game::evening_stocking();
    game::select_line(12);

    // The counter: a customer, goods of size 1 (the Ex hint shows), a flyer laid on them.
    game::set_shop_scene(game::man[3].pic);
    gs.sel_item = 19;
    game::set_goods_picture(game::item[19].pic);
    gs.stock[19] = 5;
    gs.stock[209] = 2;
    gs.flyer_kind = 3;
    game::show_flyer_picture();
    gs.item_card = 1, gs.item_card_x = 0;
    game::show_menu(SJ("断る"), SJ("チラシを入れる"), SJ("包む"));
    gs.menu_slide_x = 0, gs.hovered_button = 3;
    gs.click_state = 0;  // "-CLICK HERE-"

    // The status panel, slid in, with every gauge blinking.
    gs.panel_visible = 1, gs.panel_x = 0;
    gs.hours_left = 7, gs.quota = 1300, gs.sales_today = 4321, gs.satisfaction = 88;
    gs.satis_goal = 70, gs.lovely = 20, gs.bad_service = 12, gs.poor_stock = 11;
    gs.shop_image = 7;

    // The log's four labels, one of them in the twelve hues of "blue2".
    const int colours[] = {0, 312, 308, 310};
    for (int i = 0; i < 4; ++i) {
      gs.message_log[std::size_t(i)].text = SJ("【ハートのチール】を取った、どこに貼ろっかな");
      gs.message_log[std::size_t(i)].colour = colours[i];
    }

    // The totals montage with many goods sold, and the whole ten-day chart.
    for (int id : {1, 2, 4, 7, 11, 19, 33, 302, 310}) gs.sold_today[std::size_t(id)] = 3;
    for (int k = 0; k < 10; ++k)
      gs.satisfaction_history[std::size_t(k)] = 9 * k, gs.sales_history[std::size_t(k)] = 300 * k;
    game::start_montage();
    gs.chart_count = 100;

    // 112 seals held: the box's eight visible rows full.
    int units = 0;
    for (int id = 100; id < game::item_count && units < 112; ++id)
      if (game::item[std::size_t(id)].kind == game::kind_seal)
        gs.stock[std::size_t(id)] = 8, units += 8;
    game::open_seal_box_for_placing();
    gs.box_x = 0, gs.seal_box_state = 2;
    gs.mouse_x = 20 + 25 * 6 + 10, gs.mouse_y = 20 + 30 * 5 + 10;  // a name under the pointer

    gs.chain = 10;
    fill_effects();
  }
  ~whole_game() {
    game::hide_item_box();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

void BM_EveryLayer(benchmark::State& st) {
  whole_game g;
  if (st.range(0) == 1) {
    // The seal taken from the box and held over the goods: the box is gone, and each frame keeps
    // the picture under the held seal for the window.
    gs.picked_seal = game::seal_in_cell(3, 2);
    game::set_hand_seal_picture(game::item[std::size_t(gs.picked_seal)].pic);
    gs.seal_box_state = 4;
    gs.mouse_x = 200, gs.mouse_y = 150;
  }
  int frames = 0;
  for (auto _ : st) {
    // Keep the pool full and the montage running: every effect is restarted before the shortest
    // one ends, the montage piles its goods up again from time to time.
    if (++frames % 5 == 0) fill_effects();
    if (frames % 40 == 0) gs.totals_cursor = 1;
    gs.click_state = 0;
    game::advance_tick();
    benchmark::DoNotOptimize(game::window_image().row(0));
  }
  if (!game::item_box_visible()) st.SkipWithError("the item panel was not shown");
}
BENCHMARK(BM_EveryLayer)->Arg(0)->Arg(1)->ArgName("held")->Unit(benchmark::kMillisecond);

// The least a frame could cost: its bytes copied once.
void BM_MemcpyFrame(benchmark::State& st) {
  std::vector<unsigned char> from(frame_bytes, 0x5a), to(frame_bytes);
  for (auto _ : st) {
    std::memcpy(to.data(), from.data(), frame_bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(int64_t(st.iterations()) * frame_bytes);
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMillisecond);

// Prints the benchmarks as usual, then the worst frame against the tick and the memcpy.
class reporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (!r.error_occurred && r.run_type == Run::RT_Iteration)
        ms_[r.benchmark_name()] = r.GetAdjustedRealTime() * to_ms(r.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }
  void summary() const {
    double worst = 0, copy = 0;
    std::string worst_name;
    for (const auto& [name, ms] : ms_) {
      if (name.rfind("BM_EveryLayer", 0) == 0 && ms > worst) worst = ms, worst_name = name;
      if (name.rfind("BM_MemcpyFrame", 0) == 0) copy = ms;
    }
    if (worst <= 0 || copy <= 0) return;
    std::printf(
        "worst frame (%s): %.3f ms, %.2f %% of the 90 ms tick; %.0f times a memcpy of the "
        "frame's %d bytes (%.4f ms)\n",
        worst_name.c_str(), worst, worst / 90 * 100, worst / copy, frame_bytes, copy);
  }

 private:
  static double to_ms(benchmark::TimeUnit u) {
    switch (u) {
      case benchmark::kNanosecond:
        return 1e-6;
      case benchmark::kMicrosecond:
        return 1e-3;
      case benchmark::kMillisecond:
        return 1;
      default:
        return 1e3;
    }
  }
  std::map<std::string, double> ms_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  reporter r;
  benchmark::RunSpecifiedBenchmarks(&r);
  r.summary();
  benchmark::Shutdown();
  return 0;
}
