// The robot player. Everything it does goes through the headless driver's commands on a real
// HeadlessHost, so the game sees exactly what florinet-headless would feed it; everything it looks
// at is the game's own state, read between two events.
//
// It reads the scene from what the game offers: a click wait is clicked away, a blocking choice
// answered, the item panel shopped in, the seal box worked, and otherwise one of the captions on
// offer is pressed, the known ones by a player's sense, the unknown ones at random.
#include "robot.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "app/driver.h"
#include "customers/roster.h"
#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "platform/headless/headless_host.h"
#include "platform/i18n.h"
#include "platform/sjis.h"
#include "scenario/install.h"
#include "scenario/progress.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/state.h"
#include "shell/trace.h"
#include "wrapping/seal_box.h"

namespace autoplay {

namespace {

using game::gs;
using plat::sjis;

constexpr int history = 30;              // commands and lines kept for a failure's report
constexpr int wait_click_limit = 40;     // clicks one wait may take before it counts as stuck
constexpr int day_action_limit = 60000;  // events one day may take
constexpr int evening_action_limit = 300;

std::string read_file(const std::string& path, bool* ok = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (ok) *ok = bool(in);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool file_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void write_all(int fd, const std::string& s) {
  if (fd < 0) return;
  const char* p = s.data();
  std::size_t left = s.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n <= 0) return;
    p += n;
    left -= std::size_t(n);
  }
}

// A day that never ends within the wall-clock limit: the alarm reports it and stops the life.
void on_alarm(int) {
  static const char msg[] = "robot: HUNG: one day took longer than the limit\n";
  ssize_t ignored = ::write(2, msg, sizeof msg - 1);
  (void)ignored;
  ::_exit(life_hung);
}

int goods_held();
int seals_held();

// The longest part of a looked-up text that a format leaves as written, at most its first 20
// bytes (a long line reaches the log in two entries), in UTF-8, as traced.
std::string longest_plain_part(const sjis& text) {
  std::string best, part;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '%') {
      if (part.size() > best.size()) best = part;
      part.clear();
      if (i + 1 < text.size()) {
        // Skip the directive: %s, %d, or %N$s / %N$d.
        ++i;
        if (i + 1 < text.size() && text[i + 1] == '$') i += 2;
      }
      continue;
    }
    part += text[i];
  }
  if (best.size() > 20) best = best.substr(0, plat::break_at_blank(best, 20).length);
  return plat::to_utf8(best);
}

class robot {
 public:
  robot(plat::HeadlessHost& host, app::Driver& driver, FILE* driver_out, const life_options& o)
      : host_(host), driver_(driver), driver_out_(driver_out), o_(o), rng_(o.seed ^ 0x5eed5eedu) {
    progress_path_ = o.root + "/dat/my.dat";
    // The lines that mark scenes, as the game shows them in the language in use: the longest
    // stretch of each between the parts a format puts in.
    for (int i = 0; i < scene_count; ++i)
      for (const char* id : scene_marks[i].lines)
        if (id) scene_needles_[std::size_t(i)].push_back(longest_plain_part(plat::tr(id)));
    game_over_ = plat::to_utf8(TR("ゲームオーバー"));
    the_end_ = plat::to_utf8(TR("お・し・ま・い"));
  }

  // The host's feeder: called whenever the game has run out of events.
  bool feed();
  // After the shutdown: the last checks. Answers the life's exit status.
  int finish();

  void on_trace(std::string_view kind, std::string_view text);
  void on_picture(const std::string& path);

 private:
  // ---- acting ----
  void act(const std::string& command);
  void tick() { act("tick"); }
  void click(int x, int y) { act("click " + std::to_string(x) + " " + std::to_string(y)); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  int between(int lo, int hi) { return lo + pick(hi - lo + 1); }

  void decide();
  void end_wait();
  void answer_choice();
  void choose_caption();
  void press(int n);
  void note_caption(const sjis& caption);
  void pick_seal();
  void place_seal();
  void view_collection();
  void evening();
  bool stock_step();
  bool buy_step();
  void printing();
  void panel_noise();
  bool select_and_buy(int line, int id);
  void close_here();

  // ---- checking ----
  [[noreturn]] void fail(const std::string& why);
  void after_event();
  void check_frame();
  void check_state();
  void check_hours();
  void check_day();
  void verify_save();
  void check_purchase();
  void check_language();

  // ---- what the robot knows of the shop ----
  bool eligible(const game::tman& m) const;
  int seal_score(int id) const;
  int line_entry(int i) const;

  plat::HeadlessHost& host_;
  app::Driver& driver_;
  FILE* driver_out_;
  life_options o_;
  std::mt19937 rng_;

  // The run so far.
  long actions_ = 0;
  long day_actions_ = 0;
  int days_begun_ = 0;
  bool stop_ = false;    // enough days: close at the next chance
  bool closed_ = false;  // the robot closed the window
  bool quit_ = false;    // the robot quits to start again from the last save
  bool last_tick_ = false;
  int pending_ticks_ = 0;
  int presents_ = 0;
  std::deque<std::string> last_commands_;
  std::deque<std::string> last_lines_;
  bool game_over_seen_ = false;
  bool ending_seen_ = false;
  std::array<int, scene_count> seen_{};
  std::array<std::vector<std::string>, scene_count> scene_needles_;
  std::string game_over_, the_end_;  // the last lines of a bankruptcy and of the ending

  // Waits and choices.
  bool new_wait_ = false;
  int wait_clicks_ = 0;
  int waits_ = 0, choices_ = 0;
  bool choice_traced_ = false;
  bool in_close_child_ = false;

  // Hours and days.
  int prev_hours_ = -1;
  int prev_day_ = -1;
  int customers_this_hour_ = 0;
  bool new_game_pressed_ = false;

  // Saves.
  std::string progress_path_;
  std::string saved_bytes_;  // the progress file as the player last saved it (or found it)
  bool saved_exists_ = false;
  bool save_expected_ = false;  // the player's action that saves has just been taken
  bool verify_pending_ = false;
  std::array<int, game::progress_lines> saved_fields_{};
  int saves_ = 0;

  // Files the game asked for.
  std::unordered_set<std::string> files_ok_;
  std::string missing_file_;

  // The counter.
  int place_x_ = -1, place_y_ = -1;
  int collection_moves_ = 0;
  int collection_views_ = 0;

  // The evening.
  bool panel_was_shown_ = false;
  int evening_phase_ = 0;
  int evening_actions_ = 0;
  int evening_money_ = 0;
  int stock_buys_ = 0, seal_buys_ = 0;
  bool random_seal_done_ = false, ex_bag_done_ = false, random_goods_done_ = false;
  int print_choice_ = -1;  // -1 undecided, 0 no, 1 yes
  std::array<int, game::item_count> demand_{};
  std::array<bool, game::item_count> liked_{};
  // A purchase pressed: what the panel's action may take from the purse.
  bool purchase_pending_ = false;
  int purchase_money_ = 0, purchase_price_ = 0, purchase_item_ = -1, purchase_stock_ = 0;
  bool purchase_print_ = false;
};

robot* current = nullptr;

void trace_to_robot(std::string_view kind, std::string_view text) {
  if (current) current->on_trace(kind, text);
}
void picture_to_robot(const std::string& path) {
  if (current) current->on_picture(path);
}

// ---------------------------------------------------------------------------------------------
// Acting

void robot::act(const std::string& command) {
  last_commands_.push_back(command);
  if (int(last_commands_.size()) > history) last_commands_.pop_front();
  write_all(o_.script_fd, command + "\n");
  last_tick_ = command == "tick";
  const long before = std::ftell(driver_out_);
  const bool queued = driver_.run(command);
  std::fflush(driver_out_);
  if (!queued || std::ftell(driver_out_) != before)
    fail("the driver did not take the command \"" + command + "\"");
}

bool robot::feed() {
  if (actions_ == 0) {
    // The progress file as the start-up left it (a damaged one has been moved aside).
    bool ok = false;
    saved_bytes_ = read_file(progress_path_, &ok);
    saved_exists_ = ok;
  }
  after_event();
  if (closed_) return false;
  if (gs.click_state == 0 && new_wait_) {
    // A click wait (or a blocking choice's wait) has just begun.
    new_wait_ = false;
    wait_clicks_ = 0;
    ++waits_;
    if (choice_traced_) ++choices_;
    choice_traced_ = false;
    // Closed here in a copy of the game, unless the robot closes here itself anyway.
    if (o_.close_at_waits && !in_close_child_ && !stop_ && !quit_) {
      close_here();
      if (in_close_child_) return true;
    }
  }
  if (pending_ticks_ > 0) {
    --pending_ticks_;
    tick();
    return true;
  }
  if (stop_ || quit_) {
    closed_ = true;
    act("close");
    return true;
  }
  decide();
  return true;
}

void robot::decide() {
  if (gs.stage_mode < 0) {
    // The two start screens: any click on the picture goes on.
    click(between(0, 389), between(0, 259));
    return;
  }
  if (gs.choice_pending == 1) {
    answer_choice();
    return;
  }
  if (gs.click_state == 0) {
    end_wait();
    return;
  }
  wait_clicks_ = 0;
  new_game_pressed_ = false;  // its save, if it came, has come
  // Now and then the player simply watches for a moment.
  if (chance(0.15)) {
    pending_ticks_ = pick(3);
    tick();
    return;
  }
  if (chance(0.004)) {
    act("key enter");  // the reminder box about New Game; it changes nothing
    return;
  }
  if (game::item_box_visible()) {
    evening();
    return;
  }
  panel_was_shown_ = false;
  if (gs.box_mode == 1) {
    view_collection();
    return;
  }
  switch (gs.seal_box_state) {
    case 1:
    case 3:
      if (chance(0.1))
        click(between(0, 389), between(0, 259));  // a press while the box slides does nothing
      else
        tick();  // the box slides
      return;
    case 2:
    case 4:
      if (gs.leaving_flag == 0 && chance(0.03)) {
        // The choice buttons lie over the box and the held seal: a press on one reaches the
        // picture beneath it.
        act("button " + std::to_string(between(1, 3)));
        return;
      }
      if (gs.seal_box_state == 2)
        pick_seal();
      else
        place_seal();
      return;
    default:
      break;
  }
  if (chance(0.01)) {
    // A stray click on the picture with nothing to click for.
    click(between(0, 250), between(0, 259));
    return;
  }
  bool offered = false;
  for (const sjis& c : gs.menu_label) offered = offered || !c.empty();
  if (gs.menu_open == 1 && offered) {
    choose_caption();
    return;
  }
  fail(
      "the game cannot go on: no click wait, no choice, no item panel, no seal box and no "
      "caption on offer (menu_open " +
      std::to_string(gs.menu_open) + ", seal_box_state " + std::to_string(gs.seal_box_state) + ")");
}

void robot::end_wait() {
  if (++wait_clicks_ > wait_click_limit)
    fail("a click wait that " + std::to_string(wait_click_limit) + " clicks did not end");
  if (chance(0.1)) {
    tick();  // reading the line
    return;
  }
  const double r = std::uniform_real_distribution<double>(0, 1)(rng_);
  if (r < 0.02) {
    // A press on a choice button ends a wait too (and starts what it carries, if the menu is
    // open).
    const int n = between(1, 3);
    if (gs.menu_open == 1) note_caption(gs.menu_label[std::size_t(n - 1)]);
    act("button " + std::to_string(n));
  } else if (r < 0.025) {
    // A digit key presses only a caption on offer; it never ends the wait by itself.
    const int n = between(1, 3);
    if (gs.menu_open == 1 && !gs.menu_label[std::size_t(n - 1)].empty())
      note_caption(gs.menu_label[std::size_t(n - 1)]);
    act("key " + std::to_string(n));
  } else if (r < 0.035) {
    act("rclick " + std::to_string(between(0, 389)) + " " + std::to_string(between(0, 259)));
  } else if (r < 0.2) {
    act("key space");  // as a click on the picture
  } else {
    // Anywhere on the picture left of the buttons.
    click(between(0, 250), between(0, 259));
  }
}

void robot::answer_choice() {
  if (++wait_clicks_ > wait_click_limit)
    fail("a blocking choice that " + std::to_string(wait_click_limit) + " presses did not end");
  if (chance(0.05)) {
    // A click on the picture does not answer a choice.
    click(between(0, 250), between(0, 259));
    return;
  }
  std::vector<int> offered;
  for (int n = 1; n <= 3; ++n)
    if (!gs.menu_label[std::size_t(n - 1)].empty()) offered.push_back(n);
  if (offered.empty()) fail("a blocking choice with no caption to answer it");
  press(offered[std::size_t(pick(int(offered.size())))]);
}

// The captions the robot knows, and how much a player would want each.
double caption_weight(const sjis& c, bool seals_held, bool material_held, int collection_views) {
  if (c.empty()) return 0;
  if (c == TR("Start")) return 10;
  if (c == TR("手紙")) return 20;
  if (c == TR("About")) return 0.7;
  if (c == TR("Collection")) return collection_views > 0 ? 0.2 : 0.7;
  if (c == TR("Back")) return collection_views == 0 ? 0.6 : 3;
  if (c == TR("System")) return 1;
  if (c == TR("描画速度変更")) return 0.6;
  if (c == TR("New Game")) return 0.05;
  if (c == TR("ノーマル") || c == TR("キャラ")) return 1.5 / (1 + collection_views);
  if (c == TR("チラシを入れる")) return 0.8;
  if (c == TR("包む")) return material_held ? 1 : 0.1;
  if (c == TR("【Ex】包装")) return 1;
  if (c == TR("断る")) return material_held ? 0.02 : 3;
  if (c == TR("シール")) return seals_held ? 1 : 0.05;
  if (c == TR("はい終わり")) return seals_held ? 0.08 : 1;
  if (c == TR("セーブ")) return 1.5;
  return 1;  // every other scene: whatever it offers
}

void robot::choose_caption() {
  const auto& labels = gs.menu_label;
  bool seals_held = false;
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[std::size_t(id)].kind == game::kind_seal && gs.stock[std::size_t(id)] > 0)
      seals_held = true;
  const int normal = game::normal_wrap_for(gs.sel_item);
  const int ex = game::ex_wrap_for(gs.sel_item);
  const bool material_held = normal != 0 && gs.stock[std::size_t(normal)] > 0;
  const bool ex_held = ex != 0 && gs.stock[std::size_t(ex)] > 0;

  // The Ex wrapping: a right press on the third button (or Shift+3) switches to it and back.
  if (labels[2] == TR("包む") && ex_held && chance(0.3)) {
    act(chance(0.2) ? "key shift+3" : "rbutton 3");
    return;
  }
  if (labels[2] == TR("【Ex】包装") && chance(0.15)) {
    act(chance(0.2) ? "key shift+3" : "rbutton 3");
    return;
  }
  if (chance(0.01)) {
    // A right press anywhere else does nothing.
    act("rbutton " + std::to_string(between(1, 3)));
    return;
  }
  if (chance(0.01)) {
    act("hover " + std::to_string(between(1, 3)));
    return;
  }

  std::array<double, 3> w{};
  const bool random_caption = chance(0.04);
  for (int n = 0; n < 3; ++n) {
    const sjis& c = labels[std::size_t(n)];
    if (c.empty()) continue;
    if (random_caption)
      w[std::size_t(n)] = c == TR("New Game") ? 0.05 : 1;
    else
      w[std::size_t(n)] = caption_weight(
          c, seals_held, material_held || (n == 2 && c == TR("【Ex】包装")), collection_views_);
  }
  std::discrete_distribution<int> d(w.begin(), w.end());
  const int n = d(rng_) + 1;
  note_caption(labels[std::size_t(n - 1)]);
  press(n);
}

// A caption on offer pressed with the mouse, or one time in five with its digit key.
void robot::press(int n) {
  act((chance(0.2) ? "key " : "button ") + std::to_string(n));
}

// What pressing a caption means for the robot's own books.
void robot::note_caption(const sjis& chosen) {
  if (chosen == TR("次")) {
    if (gs.hours_left <= 0) fail("\"次\" is on offer with no hours left");
    ++customers_this_hour_;
  }
  if (chosen == TR("New Game")) new_game_pressed_ = true;
  if (chosen == TR("Collection")) collection_views_ = 0;
  if (chosen == TR("ノーマル") || chosen == TR("キャラ")) {
    ++collection_views_;
    ++seen_[std::size_t(scene_count - 2)];
  }
}

// ---------------------------------------------------------------------------------------------
// The seal box

int robot::seal_score(int id) const {
  if (gs.cur_man < 0 || gs.cur_man >= game::man_count) return 1;
  const game::tman& m = game::man[std::size_t(gs.cur_man)];
  if (id == game::save_seal) return -2;  // kept for the door
  auto listed = [id](const auto& list) {
    return std::find(list.begin(), list.end(), id) != list.end();
  };
  if (id == m.like_seal[0]) return 5;
  if (id == m.like_seal[1]) return 4;
  if (id == 129 || id == 133) return 3;
  if (listed(m.hate_seal)) return -1;
  if (listed(m.like_seal)) return 3;
  return 1;
}

void robot::pick_seal() {
  struct cell {
    int col, row, id;
  };
  std::vector<cell> cells;
  for (int row = 0; row < game::box_rows; ++row)
    for (int col = 0; col < game::cells_per_row; ++col)
      if (int id = game::seal_in_cell(col, row)) cells.push_back({col, row, id});
  if (cells.empty()) fail("the seal box is shown with no seal in it");

  const double r = std::uniform_real_distribution<double>(0, 1)(rng_);
  const cell* chosen = nullptr;
  if (r < 0.05) {
    // A press beside the cells picks nothing.
    click(between(360, 389), between(0, 259));
    return;
  }
  if (r < 0.15) {
    chosen = &cells[std::size_t(pick(int(cells.size())))];
  } else if (r < 0.2) {
    for (const cell& c : cells)
      if (seal_score(c.id) < 0 && c.id != game::save_seal) chosen = &c;
  }
  if (!chosen) {
    int best = -100;
    std::vector<const cell*> tops;
    for (const cell& c : cells) {
      const int s = seal_score(c.id);
      if (s > best) tops.clear(), best = s;
      if (s == best) tops.push_back(&c);
    }
    chosen = tops[std::size_t(pick(int(tops.size())))];
  }
  click(20 + 25 * chosen->col + between(2, 22), 20 + 30 * chosen->row + between(2, 27));
}

void robot::place_seal() {
  if (gs.leaving_flag == 1) {
    // The save seal on the shop door: sticking it anywhere saves.
    save_expected_ = true;
    click(between(0, 250), between(0, 259));
    return;
  }
  if (place_x_ < 0) {
    if (chance(0.08)) {
      // Stuck beside the goods.
      place_x_ = chance(0.5) ? between(5, 140) : between(250, 385);
      place_y_ = between(5, 100);
    } else {
      place_x_ = 195 + between(-20, 20);
      place_y_ = 160 + between(-20, 20);
    }
    if (chance(0.5)) {
      act("move " + std::to_string(place_x_) + " " + std::to_string(place_y_));
      return;
    }
  }
  const int x = place_x_, y = place_y_;
  place_x_ = place_y_ = -1;
  click(x, y);
}

void robot::view_collection() {
  if (gs.seal_box_state == 1 && chance(0.7)) {
    tick();
    return;
  }
  if (collection_moves_ < 4 && chance(0.6)) {
    ++collection_moves_;
    act("move " + std::to_string(20 + 25 * pick(14) + 12) + " " +
        std::to_string(20 + 30 * pick(6) + 15));
    return;
  }
  collection_moves_ = 0;
  click(between(0, 389), between(0, 259));  // any click closes the view
}

// ---------------------------------------------------------------------------------------------
// The evening: stock goods the customers who come want, then the bags they need and the seals
// they like; now and then whatever catches the eye.

bool robot::eligible(const game::tman& m) const {
  if (m.name.empty() || m.min_lv > gs.clerk_lv) return false;
  return std::find(m.visit_image.begin(), m.visit_image.end(), gs.shop_image) !=
         m.visit_image.end();
}

int robot::line_entry(int i) const {
  const sjis& l = game::list_line(i);
  if (game::panel_mode() == game::print_mode()) {
    for (int d = game::flyer_count - 1; d >= 0; --d) {
      const sjis& name = game::tirasi[std::size_t(d)].name;
      if (!name.empty() && TRF("%sチラシ", name) == l) return d;
    }
    return -1;
  }
  int n = game::find_item(l);
  if (n == 0 && l.size() > 3) n = game::find_item(l.substr(3));
  return n == 0 ? -1 : n;
}

void robot::evening() {
  if (!panel_was_shown_) {
    // A panel newly opened: plan the evening.
    panel_was_shown_ = true;
    evening_phase_ = 0;
    evening_actions_ = 0;
    evening_money_ = gs.money;
    stock_buys_ = seal_buys_ = 0;
    random_seal_done_ = ex_bag_done_ = random_goods_done_ = false;
    print_choice_ = -1;
    demand_.fill(0);
    liked_.fill(false);
    liked_[129] = liked_[133] = true;
    for (int c = 0; c < game::man_count; ++c) {
      const game::tman& m = game::man[std::size_t(c)];
      if (!eligible(m) && c != 0) continue;
      for (int s = 0; s < 9; ++s) {
        const int g = m.want[std::size_t(s)];
        if (g > 0 && g < game::item_count) demand_[std::size_t(g)] += 1;
      }
      for (int id : m.like_seal)
        if (id > 0 && id < game::item_count) liked_[std::size_t(id)] = true;
    }
  }
  if (++evening_actions_ > evening_action_limit) {
    act("panel close");
    return;
  }
  if (game::panel_mode() == game::print_mode()) {
    printing();
    return;
  }
  if (chance(0.06)) {
    panel_noise();
    return;
  }
  for (;;) {
    const sjis& mode = game::panel_mode();
    switch (evening_phase_) {
      case 0:  // to the goods
        if (mode == game::stock_mode()) {
          evening_phase_ = 1;
          break;
        }
        act("panel mode");
        return;
      case 1:
        if (stock_step()) return;
        evening_phase_ = 2;
        break;
      case 2:  // to the bags and seals
        if (mode == game::buy_mode()) {
          evening_phase_ = 3;
          break;
        }
        act("panel mode");
        return;
      case 3:
        if (buy_step()) return;
        evening_phase_ = 4;
        break;
      default:
        act("panel close");
        return;
    }
  }
}

// Selects line `line` if it is not selected yet, else presses the action on it. Answers true:
// one command was given.
bool robot::select_and_buy(int line, int id) {
  if (game::selected_line() != line || gs.sel_item != id) {
    act("panel select #" + std::to_string(line));
    return true;
  }
  purchase_pending_ = true;
  purchase_money_ = gs.money;
  purchase_item_ = id;
  purchase_print_ = game::panel_mode() == game::print_mode();
  purchase_price_ =
      purchase_print_ ? game::tirasi[std::size_t(id)].price : game::item[std::size_t(id)].price;
  purchase_stock_ = purchase_print_ ? 0 : gs.stock[std::size_t(id)];
  act("panel action");
  return true;
}

// Units held of the goods, and of the seals (the save seal left out: it is kept for the door).
int goods_held() {
  int n = 0;
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[std::size_t(id)].kind == game::kind_goods) n += gs.stock[std::size_t(id)];
  return n;
}
int seals_held() {
  int n = 0;
  for (int id = 0; id < game::item_count; ++id)
    if (game::item[std::size_t(id)].kind == game::kind_seal && id != game::save_seal)
      n += gs.stock[std::size_t(id)];
  return n;
}

bool robot::stock_step() {
  // Enough goods for every hour of tomorrow and a couple more, those the customers who come want
  // most and that sell dearest first, with at most 60% of the evening's money.
  const int hours = gs.clerk_lv + 8;
  if (stock_buys_ >= 3 * hours || goods_held() >= hours + 3) return false;
  const int budget = evening_money_ * 60 / 100;
  const int spent = evening_money_ - gs.money;
  int best = -1, best_id = -1;
  double best_score = 0;
  std::vector<std::pair<int, int>> affordable;
  for (int i = 0; i < game::list_count(); ++i) {
    const int id = line_entry(i);
    if (id <= 0 || id >= game::sold_out_wrapping) continue;
    const game::titem& t = game::item[std::size_t(id)];
    if (t.kind != game::kind_goods || t.price > gs.money || spent + t.price > budget) continue;
    affordable.emplace_back(i, id);
    const int held = gs.stock[std::size_t(id)];
    if (demand_[std::size_t(id)] == 0) continue;
    // Wanted often, and worth the selling: the quota rises with the level.
    const double score = double(demand_[std::size_t(id)]) * (t.price + 30) / (1 + held);
    if (score > best_score) best_score = score, best = i, best_id = id;
  }
  if (!random_goods_done_ && !affordable.empty() && chance(0.1)) {
    random_goods_done_ = true;
    const auto& c = affordable[std::size_t(pick(int(affordable.size())))];
    best = c.first, best_id = c.second;
  }
  if (best < 0) return false;
  if (game::selected_line() == best && gs.sel_item == best_id) ++stock_buys_;
  return select_and_buy(best, best_id);
}

bool robot::buy_step() {
  // A bag for each unit of goods held (up to twelve of a size) and now and then an Ex one; then
  // the save seal when it is offered; then a seal for every customer of tomorrow, liked ones
  // first (up to five of each, four of the others), keeping a tenth of the money back.
  std::array<int, 8> units{};
  for (int id = 0; id < game::item_count; ++id) {
    const game::titem& t = game::item[std::size_t(id)];
    if (t.kind == game::kind_goods && t.size >= 0 && t.size < 8 && gs.stock[std::size_t(id)] > 0)
      units[std::size_t(t.size)] += gs.stock[std::size_t(id)];
  }
  const int reserve = evening_money_ / 10;
  int target_line = -1, target_id = -1, target_rank = 0;
  const bool ex_wanted = !ex_bag_done_ && chance(0.3);
  const int hours = gs.clerk_lv + 8;
  const bool seals_wanted = seal_buys_ < 3 * hours && seals_held() < hours + 2;
  for (int i = 0; i < game::list_count(); ++i) {
    const int id = line_entry(i);
    if (id <= 0 || id >= game::sold_out_wrapping) continue;
    const game::titem& t = game::item[std::size_t(id)];
    if (t.price > gs.money) continue;
    const int held = gs.stock[std::size_t(id)];
    // The more needed, the higher the rank; the first line of the best rank is taken.
    int rank = 0;
    if (id >= 200 && id <= 207 && held < std::min(units[std::size_t(id - 200)], 12))
      rank = 5;
    else if (id >= 208 && id <= 211 && ex_wanted && held < 2)
      rank = 4;
    else if (id == game::save_seal && held < 1)
      rank = 3;
    else if (t.kind == game::kind_seal && id != game::save_seal && seals_wanted &&
             gs.money - t.price >= reserve)
      rank = liked_[std::size_t(id)] && held < 5 ? 2 : held < 4 ? 1 : 0;
    if (rank > target_rank) target_rank = rank, target_line = i, target_id = id;
  }
  if (target_rank == 4) ex_bag_done_ = true;
  if (target_line < 0 && !random_seal_done_ && chance(0.2)) {
    random_seal_done_ = true;
    std::vector<std::pair<int, int>> seals;
    for (int i = 0; i < game::list_count(); ++i) {
      const int id = line_entry(i);
      if (id > 0 && id < game::sold_out_wrapping &&
          game::item[std::size_t(id)].kind == game::kind_seal &&
          game::item[std::size_t(id)].price <= gs.money)
        seals.emplace_back(i, id);
    }
    if (!seals.empty()) {
      const auto& c = seals[std::size_t(pick(int(seals.size())))];
      target_line = c.first, target_id = c.second;
    }
  }
  if (target_line < 0) return false;
  if (game::item[std::size_t(target_id)].kind == game::kind_seal &&
      game::selected_line() == target_line && gs.sel_item == target_id)
    ++seal_buys_;
  return select_and_buy(target_line, target_id);
}

void robot::printing() {
  if (print_choice_ < 0) print_choice_ = chance(0.7) ? 1 : 0;
  if (print_choice_ == 1) {
    std::vector<std::pair<int, int>> designs;
    for (int i = 0; i < game::list_count(); ++i) {
      const int d = line_entry(i);
      if (d >= 0 && game::tirasi[std::size_t(d)].price <= gs.money) designs.emplace_back(i, d);
    }
    if (!designs.empty()) {
      // The one already selected, if it is affordable; else one at random.
      for (const auto& [line, d] : designs)
        if (line == game::selected_line() && d == gs.sel_item) {
          select_and_buy(line, d);
          return;
        }
      const auto& c = designs[std::size_t(pick(int(designs.size())))];
      select_and_buy(c.first, c.second);
      return;
    }
  }
  act("panel close");
}

void robot::panel_noise() {
  const int lines = game::list_count();
  switch (pick(9)) {
    case 0:
    case 1:
      if (lines > 0) {
        act("panel select #" + std::to_string(pick(lines)));
        return;
      }
      break;
    case 2: {
      // Whatever is selected, bought: the purse must hold.
      const int id = gs.sel_item;
      const bool print = game::panel_mode() == game::print_mode();
      purchase_pending_ = true;
      purchase_money_ = gs.money;
      purchase_item_ = id;
      purchase_print_ = print;
      const bool valid =
          print ? id >= 0 && id < game::flyer_count : id > 0 && id < game::item_count;
      purchase_price_ = !valid  ? 0
                        : print ? game::tirasi[std::size_t(id)].price
                                : game::item[std::size_t(id)].price;
      purchase_stock_ = !valid || print ? 0 : gs.stock[std::size_t(id)];
      act("panel action");
      return;
    }
    case 3: {
      static const char* const keys[] = {"up", "down", "pageup", "pagedown", "home", "end"};
      act(std::string("key ") + keys[pick(6)]);
      return;
    }
    case 4:
      act("move " + std::to_string(between(225, 380)) + " " + std::to_string(between(10, 250)));
      return;
    case 5:
      act("wheel " + std::to_string(chance(0.5) ? between(1, 3) : -between(1, 3)));
      return;
    case 7:
      act("drag 382 " + std::to_string(between(10, 250)) + " 382 " +
          std::to_string(between(0, 259)));
      return;
    case 6:
      if (game::mode_switch_shown()) {
        act("panel mode");
        return;
      }
      break;
    default:
      break;
  }
  tick();
}

// ---------------------------------------------------------------------------------------------
// Closing the window at a wait, in a copy of the game.

void robot::close_here() {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid < 0) fail("cannot fork to close at a wait");
  if (pid == 0) {
    in_close_child_ = true;
    o_.script_fd = -1;
    o_.report_fd = -1;
    ::alarm(0);
    act("close");
    return;
  }
  // The copy must unwind, shut down and exit 0 within a minute.
  int status = 0;
  for (int i = 0; i < 6000; ++i) {
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("the window closed at wait #" + std::to_string(waits_) + " ended with " +
             (WIFEXITED(status) ? "status " + std::to_string(WEXITSTATUS(status))
                                : "signal " + std::to_string(WTERMSIG(status))));
      return;
    }
    ::usleep(10000);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  fail("the window closed at wait #" + std::to_string(waits_) + " did not end within a minute");
}

// ---------------------------------------------------------------------------------------------
// Checking

void robot::fail(const std::string& why) {
  std::string r = "robot: FAILED: " + why + "\n";
  r += "  seed " + std::to_string(o_.seed) + ", day " + std::to_string(gs.day) + " (the " +
       std::to_string(days_begun_) + (days_begun_ == 1 ? "st" : "th") +
       " day of this life), after " + std::to_string(actions_) + " events\n";
  r += "  money " + std::to_string(gs.money) + ", clerk_lv " + std::to_string(gs.clerk_lv) +
       ", hours_left " + std::to_string(gs.hours_left) + ", satisfaction " +
       std::to_string(gs.satisfaction) + ", chain " + std::to_string(gs.chain) + "\n";
  r += "  menu: [" + plat::to_utf8(gs.menu_label[0]) + "|" + plat::to_utf8(gs.menu_label[1]) + "|" +
       plat::to_utf8(gs.menu_label[2]) + "]\n";
  r += "  last actions:";
  for (const auto& c : last_commands_) r += " " + c + ";";
  r += "\n  last lines:\n";
  for (const auto& l : last_lines_) r += "    " + l + "\n";
  write_all(2, r);
  write_all(o_.report_fd, "fail " + why + "\n");
  ::_exit(life_failed);
}

void robot::after_event() {
  ++actions_;
  if (++day_actions_ > day_action_limit)
    fail("one day has taken " + std::to_string(day_action_limit) + " events");
  if (!missing_file_.empty()) fail("the game asked for " + missing_file_ + ", which is missing");
  const bool drew = host_.presents() != presents_;
  presents_ = host_.presents();
  if (last_tick_ && drew) check_frame();
  check_state();
}

void robot::check_frame() {
  auto within = [this](const char* name, int v, int lo, int hi) {
    if (v < lo || v > hi)
      fail(std::string(name) + " is " + std::to_string(v) + " after a drawn frame (" +
           std::to_string(lo) + ".." + std::to_string(hi) + ")");
  };
  within("satisfaction", gs.satisfaction, 0, 100);
  within("money", gs.money, 0, 999999999);
  within("bad_service", gs.bad_service, 0, 15);
  within("poor_stock", gs.poor_stock, 0, 15);
  within("hours_left", gs.hours_left, 0, std::max(0, gs.clerk_lv + 8));
}

void robot::check_state() {
  for (int id = 0; id < game::item_count; ++id)
    if (gs.stock[std::size_t(id)] < 0)
      fail("stock of " + std::to_string(id) + " (" +
           plat::to_utf8(game::item[std::size_t(id)].name) + ") is " +
           std::to_string(gs.stock[std::size_t(id)]));
  if (gs.chain < 0 || gs.chain > 10) fail("chain is " + std::to_string(gs.chain));
  // The ten-day history keeps each day's satisfaction, and the progress file keeps the history.
  for (int i = 0; i < 20; ++i)
    if (gs.satisfaction_history[std::size_t(i)] < 0 ||
        gs.satisfaction_history[std::size_t(i)] > 100)
      fail("satisfaction_history[" + std::to_string(i) + "] is " +
           std::to_string(gs.satisfaction_history[std::size_t(i)]));
  if (purchase_pending_) check_purchase();
  if (verify_pending_) verify_save();
  check_hours();
  check_day();
  if (plat::breaks_at_blanks()) check_language();
  // The save seal's click saves at once, within that click; after it no save is the player's.
  save_expected_ = false;
}

// In a translation, everything the player reads is in it: plain ASCII in the game's bytes (no
// Japanese byte left), and the captions and the log's newest lines fit the picture.
void robot::check_language() {
  auto read = [this](const char* where, const sjis& text) {
    if (!plat::is_ascii(text))
      fail(std::string(where) + " is not translated: " + plat::to_utf8(text));
  };
  for (std::size_t i = 0; i < gs.message_log.size(); ++i)
    read("a log line", gs.message_log[i].text);
  const plat::TextStyle caption = game::caption_style(0);
  for (const sjis& c : gs.menu_label) {
    read("a caption", c);
    if (plat::Canvas::text_width(c, caption) > game::caption_room)
      fail("the caption \"" + plat::to_utf8(c) + "\" is wider than its button");
  }
  const plat::TextStyle log = game::log_text_style();
  for (std::size_t i = 0; i < 4; ++i)
    if (plat::Canvas::text_width(gs.message_log[i].text, log) > game::log_line_room)
      fail("the log line \"" + plat::to_utf8(gs.message_log[i].text) +
           "\" is wider than the picture");
  if (!game::item_box_visible()) return;
  read("the panel's mode", game::panel_mode());
  read("the panel's details", game::detail_text());
  read("the panel's money line", game::money_line());
  read("the panel's totals line", game::totals_line());
  for (int i = 0; i < game::list_count(); ++i) read("a panel line", game::list_line(i));
}

void robot::check_purchase() {
  purchase_pending_ = false;
  if (gs.money < 0) fail("money went below zero through a purchase: " + std::to_string(gs.money));
  if (gs.money == purchase_money_) return;  // nothing bought (unaffordable, nothing selected)
  if (gs.money != purchase_money_ - purchase_price_)
    fail("a purchase of " + std::to_string(purchase_item_) + " at " +
         std::to_string(purchase_price_) + " yen took " +
         std::to_string(purchase_money_ - gs.money) + " yen");
  if (!purchase_print_) {
    const game::titem& t = game::item[std::size_t(purchase_item_)];
    const int units = t.bundle >= 1 ? t.bundle : 1;
    if (gs.stock[std::size_t(purchase_item_)] != purchase_stock_ + units)
      fail("a purchase of " + std::to_string(purchase_item_) + " changed its stock from " +
           std::to_string(purchase_stock_) + " to " +
           std::to_string(gs.stock[std::size_t(purchase_item_)]));
  }
}

void robot::check_hours() {
  const int h = gs.hours_left;
  if (prev_hours_ < 0 || h == prev_hours_) {
    prev_hours_ = h;
    return;
  }
  if (h > prev_hours_) {
    // A day opens (or a run starts afresh) with the whole day ahead.
    if (h != gs.clerk_lv + 8)
      fail("hours_left rose from " + std::to_string(prev_hours_) + " to " + std::to_string(h) +
           " at clerk_lv " + std::to_string(gs.clerk_lv));
  } else {
    if (prev_hours_ - h != 1 || customers_this_hour_ != 1)
      fail("hours_left went from " + std::to_string(prev_hours_) + " to " + std::to_string(h) +
           " with " + std::to_string(customers_this_hour_) + " customers let in");
  }
  customers_this_hour_ = 0;
  prev_hours_ = h;
}

void robot::check_day() {
  const int d = gs.day;
  if (prev_day_ < 0 || d == prev_day_) {
    prev_day_ = d;
    return;
  }
  if (d < prev_day_) {
    // A save holds the counts it writes within the file's thousand million (a hand-made file at
    // that edge, played on); otherwise only New Game takes the day back, to 0.
    if (d == 1000000000) {
      prev_day_ = d;
      return;
    }
    if (!new_game_pressed_ || d != 0)
      fail("the day went back from " + std::to_string(prev_day_) + " to " + std::to_string(d));
    new_game_pressed_ = false;
    prev_day_ = d;
    return;
  }
  if (d != prev_day_ + 1)
    fail("the day jumped from " + std::to_string(prev_day_) + " to " + std::to_string(d));
  prev_day_ = d;
  customers_this_hour_ = 0;
  day_actions_ = 0;
  if (days_begun_ >= o_.days) {
    stop_ = true;  // the days asked for are played: close here, at the next morning
    return;
  }
  if (days_begun_ > 0 && chance(0.03)) {
    // Now and then the player leaves before the day's work and comes back from the last save.
    quit_ = true;
    return;
  }
  ++days_begun_;
  ::alarm(unsigned(o_.hang_seconds));
  write_all(o_.report_fd,
            "day " + std::to_string(days_begun_) + " " + std::to_string(gs.clerk_lv) + "\n");
}

void robot::verify_save() {
  verify_pending_ = false;
  save_expected_ = false;
  const game::save_result& r = game::last_save();
  if (!r.saved) fail("a save failed (error " + std::to_string(r.error) + ")");
  bool ok = false;
  const std::string bytes = read_file(progress_path_, &ok);
  if (!ok) fail("the progress file cannot be read after a save");
  std::string why;
  std::array<int, game::progress_lines> values{};
  if (!game::parse_progress(bytes, values, &why)) fail("the save does not load: " + why);
  for (int i = 0; i < game::progress_lines; ++i)
    if (values[std::size_t(i)] != saved_fields_[std::size_t(i)])
      fail("line " + std::to_string(i + 1) + " of the save reads " +
           std::to_string(values[std::size_t(i)]) + " but the state saved held " +
           std::to_string(saved_fields_[std::size_t(i)]));
  // And the file reads back into a whole state the same way the game loads it.
  game::game_state back;
  if (game::read_progress_file(progress_path_, back, &why) != game::progress_read::ok)
    fail("the save does not load: " + why);
  saved_bytes_ = bytes;
  saved_exists_ = true;
  ++saves_;
  write_all(o_.report_fd, "save\n");
}

void robot::on_trace(std::string_view kind, std::string_view text) {
  if (kind == "wait") {
    new_wait_ = true;
    wait_clicks_ = 0;
  } else if (kind == "choice") {
    choice_traced_ = true;
  } else if (kind == "msg") {
    for (int i = 0; i < scene_count; ++i)
      for (const std::string& needle : scene_needles_[std::size_t(i)])
        if (text.find(needle) != std::string_view::npos) {
          ++seen_[std::size_t(i)];
          break;
        }
    last_lines_.emplace_back(text);
    if (int(last_lines_.size()) > 12) last_lines_.pop_front();
    if (text.find(game_over_) != std::string_view::npos) game_over_seen_ = true;
    if (text.find(the_end_) != std::string_view::npos) ending_seen_ = true;
  } else if (kind == "save") {
    if (!save_expected_ && !new_game_pressed_) fail("a save the player did not ask for");
    // The state being saved, as the file is about to hold it.
    const auto fields = game::progress_fields(gs);
    for (int i = 0; i < game::progress_lines; ++i)
      saved_fields_[std::size_t(i)] = *fields[std::size_t(i)];
    verify_pending_ = true;
  } else if (kind == "sound" || kind == "music") {
    // "sound SLOT FILE" / "music FILE"; "not" stops the music.
    std::string name(text);
    if (kind == "sound") {
      const auto sp = name.find(' ');
      name = sp == std::string::npos ? std::string() : name.substr(sp + 1);
    }
    if (name.empty() || (kind == "music" && name == "not")) return;
    const std::string path = o_.root + "/dat/" + name;
    if (files_ok_.count(path)) return;
    if (!file_exists(path)) {
      if (missing_file_.empty()) missing_file_ = "dat/" + name;
      return;
    }
    files_ok_.insert(path);
  }
}

void robot::on_picture(const std::string& path) {
  if (files_ok_.count(path)) return;
  if (!file_exists(path)) {
    if (missing_file_.empty()) missing_file_ = path.substr(o_.root.size() + 1);
    return;
  }
  files_ok_.insert(path);
}

int robot::finish() {
  if (!missing_file_.empty()) fail("the game asked for " + missing_file_ + ", which is missing");
  if (verify_pending_) verify_save();
  // Nothing but the player's saves wrote the progress file: it is as the last one left it.
  bool ok = false;
  const std::string bytes = read_file(progress_path_, &ok);
  if (ok != saved_exists_ || bytes != saved_bytes_)
    fail(ok ? "the progress file changed without a save of the player's"
            : "the progress file is gone");
  for (int i = 0; i < scene_count; ++i)
    if (seen_[std::size_t(i)] > 0)
      write_all(o_.report_fd,
                "seen " + std::to_string(i) + " " + std::to_string(seen_[std::size_t(i)]) + "\n");
  if (o_.close_at_waits && !in_close_child_)
    write_all(o_.report_fd,
              "closed " + std::to_string(waits_) + " " + std::to_string(choices_) + "\n");
  std::string reason = "days";
  if (ending_seen_)
    reason = "ending";
  else if (game_over_seen_)
    reason = "bankrupt";
  else if (quit_)
    reason = "quit";
  else if (!closed_ && !in_close_child_)
    fail("the game closed itself with neither a bankruptcy nor an ending");
  write_all(o_.report_fd, "end " + reason + "\n");
  return life_ok;
}

}  // namespace

int play_life(const life_options& o) {
  ::signal(SIGALRM, on_alarm);
  ::alarm(unsigned(o.hang_seconds));
  // What the driver would print (only its refusals): kept apart and watched.
  FILE* driver_out = std::tmpfile();
  if (!driver_out) return life_failed;
  plat::HeadlessHost host(o.seed);
  std::istringstream no_script;
  app::Driver driver(host, no_script, driver_out, false);
  robot r(host, driver, driver_out, o);
  current = &r;
  host.set_feeder([&r](plat::HeadlessHost&) { return r.feed(); });
  game::set_trace_sink(trace_to_robot);
  game::watch_picture_paths(picture_to_robot);
  game::set_program_dir(o.root);
  game::run_game(host);
  game::watch_picture_paths(nullptr);
  game::set_trace_sink(nullptr);
  const int status = r.finish();
  current = nullptr;
  std::fclose(driver_out);
  ::alarm(0);
  return status;
}

}  // namespace autoplay
