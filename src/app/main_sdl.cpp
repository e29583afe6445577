// florinet: the game in its window.
#include <cstdio>

#include "app/folders.h"
#include "app/language.h"
#include "app/options.h"
#include "app/program_dir.h"
#include "platform/i18n.h"
#include "platform/sdl/sdl_comforts.h"
#include "platform/sdl/sdl_host.h"
#include "platform/settings.h"
#include "platform/xdg.h"
#include "scenario/install.h"
#include "scenario/progress.h"
#include "shell/form.h"

namespace app {
extern const char* const build_description;  // written at build time
extern const int window_icon_size;
extern const unsigned char window_icon_rgba[];
}  // namespace app

int main(int argc, char** argv) {
  app::game_options o;
  std::string error;
  if (!app::parse_game_options(argc, argv, o, error)) {
    std::fprintf(stderr, "florinet: %s\n%s", error.c_str(), app::game_usage().c_str());
    return 2;
  }

  const app::program_folder folder =
      app::find_program_folder(app::executable_dir(argv[0]), FLORINET_INSTALLED_DATA_DIR);
  const plat::UserEnv user = plat::user_env();
  const app::save_place place = app::choose_save_place(
      folder, app::program_folder_writable(folder.dir), o.data_dir, plat::data_home(user));
  if (o.help) {
    const std::string where = place.dir.empty()
                                  ? "nowhere: no home folder (set HOME, or use --data-dir)"
                                  : place.progress + "\n  " + place.ledger;
    std::fputs(app::game_help(where).c_str(), stdout);
    return 0;
  }
  if (o.version) {
    std::fputs(app::version_text(app::build_description).c_str(), stdout);
    return 0;
  }
  app::start_language(o.lang, app::locale_dirs(folder), "florinet");
  if (!folder.found)
    std::fprintf(stderr,
                 "florinet: the game's pictures and sounds (cg/, dat/) are neither beside the "
                 "program nor in %s\n",
                 FLORINET_INSTALLED_DATA_DIR);

  // The window's own settings: a scale asked for on the command line is taken as it is, a
  // remembered one only as far as the display holds it.
  const std::string config = plat::config_home(user);
  const std::string settings_file = config.empty() ? "" : config + "/florinet/settings.ini";
  const plat::WindowSettings settings =
      settings_file.empty() ? plat::WindowSettings{} : plat::read_settings(settings_file);
  plat::WindowChoice choice;
  choice.scale = o.scale ? o.scale : settings.scale;
  choice.fit_display = o.scale == 0;
  choice.fullscreen = o.fullscreen || settings.fullscreen;
  choice.app_id = FLORINET_APP_ID;

  plat::SdlHost host;
  host.choose_window(choice);
  if (!host.open(plat::to_utf8(TR("フロリネット ver1.4 - florinet makers")))) return 1;
  plat::SdlComforts& comforts = *host.comforts();
  comforts.set_icon(app::window_icon_size, app::window_icon_size, app::window_icon_rgba);
  comforts.remember_in(settings_file, settings);
  comforts.set_screenshot_dir(plat::pictures_dir(user));
  // A game that starts muted says so, or the silence would puzzle.
  comforts.set_muted(settings.mute, settings.mute);

  if (!app::use_folders(folder, place, &error)) {
    std::fprintf(stderr, "florinet: cannot keep the progress in %s: %s\n",
                 place.dir.empty() ? "a folder of yours" : place.dir.c_str(), error.c_str());
    return 1;
  }
  game::run_game(host);  // until the window has been closed
  comforts.save_settings();
  return 0;
}
