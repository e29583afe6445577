// florinet: the game in its window.
#include "app/program_dir.h"
#include "platform/sdl/sdl_host.h"
#include "scenario/install.h"
#include "shell/form.h"

int main(int, char** argv) {
  plat::SdlHost host;
  if (!host.open("フロリネット ver1.4 - florinet makers")) return 1;
  game::set_program_dir(app::executable_dir(argv[0]));
  game::set_host(&host);
  game::install_game();
  game::form_create();
  // The one message loop; it ends when the window has been closed.
  while (host.process_messages()) {
  }
  game::form_destroy();
  return 0;
}
