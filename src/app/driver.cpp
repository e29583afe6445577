#include "app/driver.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <vector>

#include "app/folders.h"
#include "app/language.h"
#include "app/program_dir.h"
#include "customers/roster.h"
#include "customers/story_table.h"
#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "platform/bitmap.h"
#include "platform/i18n.h"
#include "platform/xdg.h"
#include "scenario/install.h"
#include "scenario/progress.h"
#include "shell/form.h"
#include "shell/menu.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace app {

namespace {

std::FILE* trace_out = stdout;

void print_trace(std::string_view kind, std::string_view text) {
  std::string line(kind);
  if (!text.empty()) {
    line += ' ';
    line += text;
  }
  // One event, one line: a line break inside a text is written as the two characters \r or \n.
  std::string out;
  out.reserve(line.size() + 1);
  for (char c : line) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  out += '\n';
  std::fputs(out.c_str(), trace_out);
  std::fflush(trace_out);
}

bool parse_int(std::string_view s, int& v) {
  if (s.empty()) return false;
  const char* b = s.data();
  const char* e = b + s.size();
  if (*b == '+') ++b;
  auto r = std::from_chars(b, e, v);
  return r.ec == std::errc() && r.ptr == e;
}

std::vector<std::string> words(const std::string& s) {
  std::vector<std::string> w;
  std::istringstream is(s);
  for (std::string x; is >> x;) w.push_back(x);
  return w;
}

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string log_json() {
  // Newest first; the empty entries after the oldest line are left out.
  int n = int(game::gs.message_log.size());
  while (n > 0 && game::gs.message_log[std::size_t(n - 1)].text.empty() &&
         game::gs.message_log[std::size_t(n - 1)].colour == 0)
    --n;
  std::string out = "[";
  for (int i = 0; i < n; ++i) {
    const auto& e = game::gs.message_log[std::size_t(i)];
    if (i) out += ',';
    out += "{\"text\":" + game::json_text(e.text) + ",\"colour\":" + std::to_string(e.colour) + "}";
  }
  return out + "]";
}

std::string menu_json() {
  std::string out = "[";
  for (std::size_t i = 0; i < game::gs.menu_label.size(); ++i) {
    if (i) out += ',';
    out += game::json_text(game::gs.menu_label[i]);
  }
  return out + "]";
}

// The item-list line a `panel select TEXT` means: the line that reads TEXT exactly, else the
// first whose name (after the three-byte count column) or whose text without its blanks does;
// -1 for none.
int find_panel_line(const std::string& utf8) {
  const plat::sjis want = plat::to_sjis(utf8);
  auto trimmed = [](const plat::sjis& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == plat::sjis::npos) return plat::sjis();
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
  };
  const int n = game::list_count();
  for (int i = 0; i < n; ++i)
    if (game::list_line(i) == want) return i;
  for (int i = 0; i < n; ++i) {
    const plat::sjis& l = game::list_line(i);
    if ((l.size() > 3 && l.compare(3, plat::sjis::npos, want) == 0) || trimmed(l) == trimmed(want))
      return i;
  }
  return -1;
}

// Local position used for presses and moves on a choice button: the middle of its area.
constexpr int button_mid_x = game::button_width / 2;
constexpr int button_mid_y = game::button_height / 2;

}  // namespace

bool parse_options(int argc, char** argv, driver_options& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        error = a + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    if (a == "--root") {
      if (!value(o.root)) return false;
    } else if (a == "--script") {
      if (!value(o.script)) return false;
    } else if (a == "--audio-out") {
      if (!value(o.audio_out)) return false;
    } else if (a == "--trace") {
      o.trace = true;
    } else if (a == "--lang") {
      if (!value(o.lang)) return false;
      if (!plat::is_language_code(o.lang)) {
        error = "--lang wants a language code such as en or ja, not '" + o.lang + "'";
        return false;
      }
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--seed") {
      std::string v;
      if (!value(v)) return false;
      unsigned long long n = 0;
      auto r = std::from_chars(v.data(), v.data() + v.size(), n);
      if (r.ec != std::errc() || r.ptr != v.data() + v.size() || n > 0xFFFFFFFFull) {
        error = "--seed wants a number from 0 to 4294967295, not " + v;
        return false;
      }
      o.seeded = true;
      o.seed = unsigned(n);
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  return true;
}

Driver::Driver(plat::HeadlessHost& host, std::istream& in, std::FILE* out, bool trace)
    : host_(host), in_(in), out_(out), trace_(trace) {}

bool Driver::panel(const std::string& line, const std::vector<std::string>& w) {
  auto error = [&](const std::string& what) {
    print("error: " + what);
    return false;
  };
  if (w.size() == 1) {
    print(game::item_panel_json());
    return false;
  }
  const std::string& sub = w[1];
  if (!game::item_box_visible()) return error("the item panel is not shown");
  if (sub == "action" || sub == "close" || sub == "mode") {
    if (w.size() != 2) return error("panel " + sub + " takes nothing more");
    // A press on the button, as the player's click on it.
    if (sub == "mode" && !game::mode_switch_shown()) return error("the mode switch is hidden");
    host_.queue_call(sub == "action"  ? game::press_action
                     : sub == "close" ? game::press_close
                                      : game::press_mode_switch);
    return true;
  }
  if (sub != "select") return error("panel knows select, action, close and mode");
  // Everything after "select " is the text, or #I for a line number.
  const std::size_t at = line.find("select") + 6;
  std::string text = line.size() > at + 1 ? line.substr(at + 1) : std::string();
  int index = -1;
  if (text.size() > 1 && text[0] == '#') {
    if (!parse_int(std::string_view(text).substr(1), index) || index < 0 ||
        index >= game::list_count())
      return error("no line " + text + " in the item list");
  } else {
    index = find_panel_line(text);
    if (index < 0) return error("no line \"" + text + "\" in the item list");
  }
  host_.queue_call([index] { game::select_line(index); });
  return true;
}

void Driver::print(const std::string& line) {
  std::fputs(line.c_str(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

bool Driver::feed() {
  for (;;) {
    if (trace_) game::trace("ready", "");
    std::string line;
    if (!std::getline(in_, line)) return false;
    if (run(line)) return true;
  }
}

bool Driver::run(const std::string& raw) {
  const std::string line = trim(raw);
  if (line.empty() || line[0] == '#') return false;
  const std::vector<std::string> w = words(line);
  const std::string& cmd = w[0];
  auto error = [&](const std::string& what) {
    print("error: " + what);
    return false;
  };
  // A position on the picture: the window never delivers one outside it.
  auto on_picture = [](int x, int y) {
    return x >= 0 && y >= 0 && x < game::cg_image().width() && y < game::cg_image().height();
  };
  auto two_ints = [&](int& x, int& y) {
    return w.size() == 3 && parse_int(w[1], x) && parse_int(w[2], y) && on_picture(x, y);
  };
  auto button_number = [&](int& n) {
    return w.size() == 2 && parse_int(w[1], n) && n >= 1 && n <= 3;
  };

  if (cmd == "click" || cmd == "rclick") {
    int x, y;
    if (!two_ints(x, y)) return error(cmd + " wants X Y on the picture (0..389, 0..259)");
    const auto b = cmd == "click" ? plat::MouseButton::left : plat::MouseButton::right;
    host_.queue_press(b, x, y);
    host_.queue_release(b, x, y);
    return true;
  }
  if (cmd == "drag") {
    // Press at the first point, move to the second, release there: a scroll bar's thumb dragged.
    int x0, y0, x1, y1;
    const bool ok = w.size() == 5 && parse_int(w[1], x0) && parse_int(w[2], y0) &&
                    parse_int(w[3], x1) && parse_int(w[4], y1) && on_picture(x0, y0) &&
                    on_picture(x1, y1);
    if (!ok) return error("drag wants X1 Y1 X2 Y2 on the picture (0..389, 0..259)");
    host_.queue_press(plat::MouseButton::left, x0, y0);
    host_.queue_move(x1, y1);
    host_.queue_release(plat::MouseButton::left, x1, y1);
    return true;
  }
  if (cmd == "wheel") {
    int n;
    if (w.size() != 2 || !parse_int(w[1], n) || n == 0)
      return error("wheel wants a number of notches, negative up, not 0");
    host_.queue_wheel(n);
    return true;
  }
  if (cmd == "move") {
    int x, y;
    if (!two_ints(x, y)) return error("move wants X Y on the picture (0..389, 0..259)");
    host_.queue_move(x, y);
    return true;
  }
  if (cmd == "button" || cmd == "rbutton") {
    int n;
    if (!button_number(n)) return error(cmd + " wants a button number 1 to 3");
    const auto b = cmd == "button" ? plat::MouseButton::left : plat::MouseButton::right;
    // A press on the button control itself, wherever the button stands (even parked).
    host_.queue_call([n, b] { game::press_button(n, b, button_mid_x, button_mid_y); });
    return true;
  }
  if (cmd == "hover") {
    int n;
    if (!button_number(n)) return error("hover wants a button number 1 to 3");
    host_.queue_call([n] { game::move_button(n, button_mid_x, button_mid_y); });
    return true;
  }
  if (cmd == "key") {
    static const struct {
      const char* name;
      plat::NavKey key;
    } nav[] = {{"up", plat::NavKey::up},          {"down", plat::NavKey::down},
               {"pageup", plat::NavKey::page_up}, {"pagedown", plat::NavKey::page_down},
               {"home", plat::NavKey::home},      {"end", plat::NavKey::end}};
    static const struct {
      const char* name;
      plat::PressKey key;
      bool shift;
    } press[] = {{"1", plat::PressKey::one, false},
                 {"2", plat::PressKey::two, false},
                 {"3", plat::PressKey::three, false},
                 {"shift+3", plat::PressKey::three, true},
                 {"space", plat::PressKey::space, false}};
    if (w.size() == 2 && w[1] == "enter") {
      host_.queue_key_enter();
      return true;
    }
    for (const auto& k : nav)
      if (w.size() == 2 && w[1] == k.name) {
        host_.queue_nav_key(k.key);
        return true;
      }
    for (const auto& k : press)
      if (w.size() == 2 && w[1] == k.name) {
        host_.queue_press_key(k.key, k.shift);
        return true;
      }
    return error(
        "key knows enter, 1, 2, 3, shift+3, space, up, down, pageup, pagedown, home and end");
  }
  if (cmd == "tick") {
    int n = 1;
    if (w.size() > 2 || (w.size() == 2 && (!parse_int(w[1], n) || n < 1)))
      return error("tick wants a count of 1 or more");
    host_.queue_ticks(n);
    return true;
  }
  if (cmd == "close") {
    host_.queue_close();
    return true;
  }
  if (cmd == "state") {
    std::string s = game::state_json(game::gs);
    s.pop_back();
    s += ",\"timer_interval\":" + std::to_string(host_.timer_interval()) + "}";
    print(s);
    return false;
  }
  if (cmd == "log") {
    print(log_json());
    return false;
  }
  if (cmd == "menu") {
    print(menu_json());
    return false;
  }
  if (cmd == "shot") {
    if (w.size() < 2) return error("shot wants a file name");
    const std::string file = trim(line.substr(line.find(' ')));
    const plat::BmpError e = plat::write_bmp_file(file, game::window_image());
    if (e != plat::BmpError::none) return error("cannot write " + file + ": " + plat::to_string(e));
    return false;
  }
  if (cmd == "panel") return panel(line, w);
  if (cmd == "catalogue") {
    print(game::catalogue_json());
    return false;
  }
  if (cmd == "roster") {
    print(game::roster_json());
    return false;
  }
  if (cmd == "stories") {
    print(game::stories_json());
    return false;
  }
  return error("unknown command " + cmd);
}

const char* headless_usage() {
  return "usage: florinet-headless [--root DIR] [--seed N] [--script FILE] [--trace] "
         "[--audio-out FILE.wav] [--lang CODE]\n";
}

int run_headless(int argc, char** argv) {
  driver_options o;
  std::string why;
  if (!parse_options(argc, argv, o, why)) {
    std::fprintf(stderr, "florinet-headless: %s\n%s", why.c_str(), headless_usage());
    return 2;
  }
  if (o.help) {
    std::printf(
        "%s\n"
        "The game driven by a script of commands (standard input, or --script FILE), for tests\n"
        "and tools: a virtual clock, real pixels, the sound captured instead of played.\n"
        "\n"
        "  --root DIR          the program folder (cg/, dat/, MIXER.INI; the progress file and\n"
        "                      the ledger are kept there too); default: the game's own folder,\n"
        "                      with the player's own progress where the game keeps it\n"
        "  --seed N            seed the game's random generator (0 to 4294967295)\n"
        "  --script FILE       read the commands from FILE\n"
        "  --trace             print the game's events as they happen\n"
        "  --audio-out FILE.wav\n"
        "                      write the sound played as a WAV file\n"
        "  --lang CODE         the game's language: en or ja (default: language= in\n"
        "                      settings.ini, else the environment's, else Japanese)\n"
        "  --help              show this help and exit\n"
        "\n"
        "Commands, one a line (# starts a comment), picture coordinates 0..389, 0..259:\n"
        "  events   click X Y, rclick X Y, move X Y, drag X1 Y1 X2 Y2, wheel N, button N,\n"
        "           rbutton N, hover N, key enter|1|2|3|shift+3|space|up|down|pageup|\n"
        "           pagedown|home|end, tick [N], panel select TEXT|#I, panel action,\n"
        "           panel close, panel mode, close\n"
        "  queries  state, log, menu, panel, catalogue, roster, stories, shot FILE.bmp\n"
        "The manual page florinet-headless(6) describes each command and the trace.\n",
        headless_usage());
    return 0;
  }
  std::ifstream file;
  if (!o.script.empty()) {
    file.open(o.script);
    if (!file) {
      std::fprintf(stderr, "florinet-headless: cannot read %s\n", o.script.c_str());
      return 2;
    }
  }
  std::istream& in = o.script.empty() ? std::cin : file;

  // The catalogues: beside a --root folder first, then the game's own.
  const program_folder own =
      find_program_folder(executable_dir(argv[0]), FLORINET_INSTALLED_DATA_DIR);
  std::vector<std::string> dirs = locale_dirs(own);
  if (!o.root.empty()) dirs.insert(dirs.begin(), o.root + "/locale");
  start_language(o.lang, dirs, "florinet-headless");

  const unsigned seed = o.seeded ? o.seed : unsigned(std::random_device{}());
  plat::HeadlessHost host(seed);
  Driver driver(host, in, stdout, o.trace);
  host.set_feeder([&driver](plat::HeadlessHost&) { return driver.feed(); });
  if (o.trace) {
    game::set_trace_sink(print_trace);
    host.set_dialog_sink([](std::string_view text) { game::trace("dialog", plat::to_utf8(text)); });
  }
  if (!o.audio_out.empty()) host.audio().set_capture(true);

  if (o.root.empty()) {
    // The game's own folder, found as the game finds it; installed, the progress is the
    // player's, kept in their data folder as the game keeps it.
    const save_place place = choose_save_place(own, program_folder_writable(own.dir), "",
                                               plat::data_home(plat::user_env()));
    if (!use_folders(own, place, &why)) {
      std::fprintf(stderr, "florinet-headless: cannot keep the progress in %s: %s\n",
                   place.dir.c_str(), why.c_str());
      return 1;
    }
  } else {
    game::set_program_dir(o.root);
  }
  game::run_game(host);

  int status = 0;
  if (!o.audio_out.empty() && !host.audio().write_wav(o.audio_out)) {
    std::fprintf(stderr, "florinet-headless: cannot write %s\n", o.audio_out.c_str());
    status = 1;
  }
  if (o.trace) game::trace("exit", "");
  game::set_trace_sink(nullptr);
  return status;
}

}  // namespace app
