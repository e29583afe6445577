#include "app/language.h"

#include <cstdio>
#include <cstdlib>

#include "platform/i18n.h"
#include "platform/settings.h"
#include "platform/xdg.h"

namespace app {

std::vector<std::string> locale_dirs(const program_folder& folder) {
  return {folder.dir + "/locale", folder.dir + "/../locale"};
}

std::string settings_language() {
  const std::string config = plat::config_home(plat::user_env());
  if (config.empty()) return {};
  return plat::read_settings(config + "/florinet/settings.ini").language;
}

void start_language(const std::string& lang_option, const std::vector<std::string>& dirs,
                    const char* program) {
  plat::LanguageAsked asked;
  asked.command_line = lang_option;
  if (lang_option.empty()) asked.settings = settings_language();
  const auto candidates = plat::language_candidates(
      asked, [](const char* name) -> const char* { return std::getenv(name); });
  const plat::LanguageResult r = plat::start_language(candidates, dirs, "florinet");
  if (!r.warning.empty()) std::fprintf(stderr, "%s: %s\n", program, r.warning.c_str());
}

}  // namespace app
