#include "app/options.h"

#include <charconv>

#include "platform/i18n.h"
#include "platform/settings.h"

namespace app {

namespace {

// "--name=value" splits into "--name" and "value".
bool split(std::string& name, std::string& value) {
  const auto eq = name.find('=');
  if (name.rfind("--", 0) != 0 || eq == std::string::npos) return false;
  value = name.substr(eq + 1);
  name.resize(eq);
  return true;
}

}  // namespace

bool parse_game_options(int argc, const char* const* argv, game_options& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i] ? argv[i] : "", value;
    const bool inline_value = split(name, value);
    // An option that takes a value takes the next argument when none was joined with '='.
    auto take_value = [&]() {
      if (inline_value) return true;
      if (i + 1 >= argc) {
        error = name + " needs a value";
        return false;
      }
      value = argv[++i];
      return true;
    };
    auto no_value = [&]() {
      if (inline_value) error = name + " takes no value";
      return !inline_value;
    };
    if (name == "--help" || name == "-h") {
      if (!no_value()) return false;
      o.help = true;
    } else if (name == "--version") {
      if (!no_value()) return false;
      o.version = true;
    } else if (name == "--fullscreen") {
      if (!no_value()) return false;
      o.fullscreen = true;
    } else if (name == "--scale") {
      if (!take_value()) return false;
      int n = 0;
      const auto r = std::from_chars(value.data(), value.data() + value.size(), n);
      if (value.empty() || r.ec != std::errc() || r.ptr != value.data() + value.size() || n < 1 ||
          n > plat::max_window_scale) {
        error = "--scale wants a whole number from 1 to " + std::to_string(plat::max_window_scale) +
                ", not '" + value + "'";
        return false;
      }
      o.scale = n;
    } else if (name == "--data-dir") {
      if (!take_value()) return false;
      if (value.empty()) {
        error = "--data-dir wants a folder";
        return false;
      }
      o.data_dir = value;
    } else if (name == "--lang") {
      if (!take_value()) return false;
      if (!plat::is_language_code(value)) {
        error = "--lang wants a language code such as en or ja, not '" + value + "'";
        return false;
      }
      o.lang = value;
    } else if (name.rfind("-", 0) == 0) {
      error = "unknown option " + name;
      return false;
    } else {
      error = "unexpected argument '" + name + "'";
      return false;
    }
  }
  return true;
}

std::string game_usage() {
  return "usage: florinet [--fullscreen] [--scale N] [--data-dir DIR] [--lang CODE] [--help] "
         "[--version]\n";
}

std::string game_help(const std::string& progress_place) {
  return game_usage() +
         "\n"
         "フロリネット (florinet): the clerk of a little fancy-goods shop wraps each customer's\n"
         "purchase and sticks a seal on it. Played with the mouse. The game's text is Japanese;\n"
         "--lang en plays it in English.\n"
         "\n"
         "  --fullscreen     start in fullscreen (F11 or Alt+Enter toggles it)\n"
         "  --scale N        show the picture N times its size, 1 to " +
         std::to_string(plat::max_window_scale) +
         " (default: the largest that fits)\n"
         "  --data-dir DIR   keep the progress file and the sales ledger in DIR\n"
         "  --lang CODE      play in this language: en (English) or ja (Japanese, the game's\n"
         "                   own); else language= in settings.ini, else LANGUAGE, LC_ALL,\n"
         "                   LC_MESSAGES or LANG, else Japanese\n"
         "  --help           show this help and exit\n"
         "  --version        show the version and exit\n"
         "\n"
         "Keys: 1, 2 and 3 press the choice button of that number, Shift+3 switches 包む (Wrap)\n"
         "to the 【Ex】 wrapping and back, Space goes on where the game waits for a click. In the\n"
         "window: M mutes and unmutes all sound, F12 saves a screenshot into your pictures\n"
         "folder, F11 or Alt+Enter toggles fullscreen.\n"
         "\n"
         "The game is saved only when you stick the save seal (西部チール, the Wild Save ticker,\n"
         "sold in the evening shop) on the shop's door with セーブ (Save) before going home:\n"
         "there is no autosave.\n"
         "Progress (my.dat) and the sales ledger (うりあげ帳.txt) are kept in\n  " +
         progress_place + "\n";
}

std::string version_text(const std::string& build) {
  return "florinet 1.4 (フロリネット ver1.4)\nbuild " + build + "\n";
}

}  // namespace app
