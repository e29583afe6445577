// Which language the game speaks: --lang, else language= in the settings file, else the
// environment's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else Japanese, the game's own. The
// translation catalogues lie in the program folder's locale/ (a build folder, a portable copy)
// or beside it in ../locale (installed: PREFIX/share/locale).
#pragma once
#include <string>
#include <vector>

#include "app/folders.h"

namespace app {

std::vector<std::string> locale_dirs(const program_folder& folder);

// The language= line of the player's settings file ($XDG_CONFIG_HOME/florinet/settings.ini);
// empty when there is none.
std::string settings_language();

// Puts the chosen language into use before the game starts. What cannot be had (no catalogue
// for the language asked, a damaged catalogue) is one line on stderr, starting with `program`,
// and the game is Japanese.
void start_language(const std::string& lang_option, const std::vector<std::string>& dirs,
                    const char* program);

}  // namespace app
