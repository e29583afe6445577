#include "shell/hooks.h"

namespace game {
game_hooks hooks;
}
