// The day's totals as pictures: the montage of the goods sold today (one step per drawn frame)
// and the ten-day report chart on the blackboard. Frames only read what start_montage prepared:
// a frame reads no file and allocates nothing.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "customers/review.h"
#include "goods/catalogue.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/line_text.h"
#include "shell/pictures.h"
#include "shell/sounds.h"
#include "shell/state.h"

namespace game {

using plat::RGB;

namespace {

constexpr int montage_slot = 10;  // the picture slot that holds the montage buffer
constexpr int last_item = 999;    // the cursor stops here; one more step ends the montage
constexpr int montage_done = 1000;

// Goods pictures of the montage, read when it starts and kept (they never change).
std::array<plat::Bitmap, item_count> goods_pics;

const plat::rgb white = RGB(255, 255, 255);
const plat::rgb grey = RGB(128, 128, 128);
const plat::rgb chart_blue = RGB(80, 140, 255);  // reads on the green board
const plat::rgb chart_pink = RGB(255, 105, 180);

// White text with its grey copy one pixel down and to the right behind it.
void shadowed(plat::Canvas& cg, int x, int y, std::string_view text, plat::TextStyle st) {
  st.colour = grey;
  cg.text_out(x + 1, y + 1, text, st);
  st.colour = white;
  cg.text_out(x, y, text, st);
}

void shadowed_centred(plat::Canvas& cg, int cx, int y, std::string_view text,
                      const plat::TextStyle& st) {
  shadowed(cg, cx - plat::Canvas::text_width(text, st) / 2, y, text, st);
}

// Coordinates reckoned wide and held to a sane range: history values from a hand-edited
// progress file must not overflow them.
int coord(long long v) {
  return int(std::clamp(v, -100000LL, 100000LL));
}

int history_index(int k) {
  return std::clamp(k, 0, 9);
}

void draw_goods(plat::Canvas& buffer, int id) {
  const int units = gs.sold_today[std::size_t(id)];
  const plat::Bitmap& pic = goods_pics[std::size_t(id)];
  // More units than the screen could ever show are counted, not drawn.
  const int drawn = std::min(units, 999);
  for (int u = 0; u < drawn; ++u) {
    const plat::Point p = montage_point(gs.totals_count, gs.totals_grid == 1);
    if (!pic.empty()) buffer.draw_transparent(p.x - pic.width() / 2, p.y - pic.height() / 2, pic);
    play_sound(2 + gs.totals_count % 4, SJ("set.wav"));
    ++gs.totals_count;
  }
  gs.totals_count += units - drawn;
}

// The takings shown move a fifth of the way (and one more yen) towards the day's takings.
void ease_takings() {
  const long long diff = (long long)gs.sales_today - gs.totals_shown;
  if (diff == 0) return;
  const long long step = std::llabs(diff) / 5 + 1;
  gs.totals_shown = int(gs.totals_shown + (diff > 0 ? step : -step));
}

}  // namespace

void start_montage() {
  plat::Bitmap& buffer = picture(montage_slot);
  if (buffer.width() != 390 || buffer.height() != 260) buffer.resize(390, 260, 0);
  plat::Canvas canvas(buffer);
  plat::Bitmap login;
  if (plat::read_bmp_file(cg_path(SJ("login.bmp")), login) == plat::BmpError::none)
    canvas.stretch(0, 0, 390, 260, login, 0, 0, 195, 130);
  else
    canvas.clear(0);
  for (int id = 1; id < last_item; ++id) {
    if (gs.sold_today[std::size_t(id)] == 0 || !goods_pics[std::size_t(id)].empty()) continue;
    if (item[std::size_t(id)].pic.empty()) continue;
    plat::Bitmap pic;
    if (plat::read_bmp_file(cg_path(item[std::size_t(id)].pic), pic) == plat::BmpError::none)
      goods_pics[std::size_t(id)] = std::move(pic);
  }
  // The montage's frames play these: read now, they are played from memory.
  prepare_sound(SJ("set.wav"));
  prepare_sound(SJ("katan.wav"));
  gs.totals_cursor = 1;
}

plat::Point montage_point(int count, bool grid) {
  if (grid) return {(count % 11) * 30 + 50, (count / 11) * 30 + 50};
  const double angle = count * 30 * 3.1415 / 180;
  const int r = count * 2 + 40;
  return {195 + int(std::trunc(r * std::cos(angle))),
          90 + int(std::trunc((r / 2) * std::sin(angle)))};
}

void draw_totals(plat::Canvas& cg, plat::Canvas&) {
  if (gs.totals_cursor <= 0) return;
  if (gs.totals_cursor == 1) {
    gs.totals_count = 0;
    gs.totals_shown = 0;
    gs.totals_grid = draw(2);
  }
  plat::Bitmap& buffer_pic = picture(montage_slot);
  cg.copy(0, 0, 390, 260, buffer_pic);

  plat::TextStyle st;
  st.point = 11;
  st.bold = true;
  shadowed(cg, 2, 2, TR("本日の集計"), st);
  line_text takings;
  takings.format(TR("売り上げ \\ %d円"), {gs.totals_shown});
  shadowed_centred(cg, 195, 165, takings.view(), st);
  line_text count;
  count.format(TRN("総数 %d品", "総数 %d品", gs.totals_count), {gs.totals_count});
  shadowed_centred(cg, 195, 180, count.view(), st);

  ease_takings();
  ease_takings();
  if (gs.totals_cursor >= montage_done) {
    gs.totals_shown = gs.sales_today;
    return;
  }
  // The next goods sold today, drawn into the buffer so that the pictures pile up.
  while (gs.totals_cursor < last_item && gs.sold_today[std::size_t(gs.totals_cursor)] == 0)
    ++gs.totals_cursor;
  if (gs.totals_cursor < last_item) {
    plat::Canvas buffer(buffer_pic);
    draw_goods(buffer, gs.totals_cursor);
  }
  ++gs.totals_cursor;
  if (gs.totals_cursor == montage_done) play_sound(1, SJ("katan.wav"));
}

plat::Point satisfaction_point(int k) {
  k = history_index(k);
  const long long v = gs.satisfaction_history[std::size_t(k)];
  return {70 + 30 * k, coord(240 - v * 2 - k)};
}

// The takings line keeps below the board's top edge, its first point too.
plat::Point takings_point(int k) {
  k = history_index(k);
  const long long v = gs.sales_history[std::size_t(k)];
  return {70 + 30 * k, coord(std::max(20LL, 240 - v / 15 - k))};
}

void draw_chart(plat::Canvas& cg) {
  if (gs.chart_count <= 0) return;
  const int last = std::min(gs.chart_count, 9);
  plat::TextStyle label;
  label.point = 8;
  label.bold = true;

  // Satisfaction in blue, its first value at the left, the tenth day's once the line is there;
  // then the takings in pink, "\" and the yen.
  const auto series = [&](plat::Point (*point)(int), plat::rgb colour) {
    plat::Point from = point(0);
    for (int k = 1; k <= last; ++k) {
      const plat::Point to = point(k);
      cg.line(from.x, from.y, to.x, to.y, colour, 2);
      from = to;
    }
    label.colour = colour;
  };
  const auto value_at = [&](int x, long long y, const char* before, long long value,
                            const char* after) {
    line_text text;
    text << before << value << after;
    cg.text_out(x, coord(std::max(0LL, y)), text.view(), label);
  };
  const auto& satis = gs.satisfaction_history;
  const auto& sales = gs.sales_history;
  series(satisfaction_point, chart_blue);
  value_at(55, 220 - 2LL * satis[0], "", satis[0], "%");
  if (gs.chart_count > 8) value_at(340, 220 - 2LL * satis[9], "", satis[9], "%");
  series(takings_point, chart_pink);
  value_at(50, 220 - sales[0] / 15LL, "\\", sales[0], "");
  if (gs.chart_count > 8) value_at(335, 220 - sales[9] / 15LL, "\\", sales[9], "");

  // The line is drawn a step further each frame.
  if (gs.chart_count < 10) ++gs.chart_count;
}

}  // namespace game
