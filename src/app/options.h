// florinet's command line.
#pragma once
#include <string>

namespace app {

struct game_options {
  bool help = false;
  bool version = false;
  bool fullscreen = false;
  int scale = 0;         // 0: not given
  std::string data_dir;  // where progress is kept; empty: not given
  std::string lang;      // --lang: the game's language; empty: not given
};

// Parses the arguments after the program's name. `--name value` and `--name=value` are both
// understood; the last of a repeated option counts. False with `error` (one line) on an unknown
// option, a missing or bad value, or an argument that is not an option.
bool parse_game_options(int argc, const char* const* argv, game_options& o, std::string& error);

// The one-line usage, the --help text (told where progress is kept) and the --version text (the
// game's version and the build's).
std::string game_usage();
std::string game_help(const std::string& progress_place);
std::string version_text(const std::string& build);

}  // namespace app
