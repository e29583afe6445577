// The top of the game: connects the shell to the subsystems built on it. Called once by each
// main before the form is created.
#include "scenario/install.h"

#include "scenario/dispatch.h"
#include "scenario/progress.h"
#include "shell/hooks.h"

namespace game {

void install_game() {
  hooks.dispatch = dispatch;
  hooks.load_progress = load_progress;
}

}  // namespace game
