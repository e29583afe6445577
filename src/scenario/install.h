// Connects the shell's hooks to the game's subsystems (scenes, sound, goods, customers, wrapping).
#pragma once

namespace game {

void install_game();

}  // namespace game
