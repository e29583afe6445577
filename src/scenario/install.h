// Connects the shell's hooks to the game's subsystems (scenes, sound, goods, customers, wrapping).
#pragma once

namespace plat {
class Host;
}

namespace game {

void install_game();

// The whole life of the game on a host, for every program that runs it: the hooks installed, the
// form created, the host's message loop pumped until the window has closed, the form destroyed.
// The program folder (set_program_dir) and where saves go are the caller's, set before.
void run_game(plat::Host& host);

}  // namespace game
