// Where the robot's lives start: program folders of its own and the progress files it starts
// from (a fresh game, or a late game it prepares), and each life's seed.
#pragma once
#include <string>

namespace autoplay {

// A program folder of our own in `dir`: the game's pictures, sounds and settings linked from
// `game`, the progress file (and the ledger the saves write beside it) our own. Answers false
// with `why` set when it cannot be made.
bool make_program_folder(const std::string& game, const std::string& dir, std::string& why);

// The progress file of a new game, as the game's own full reset leaves the state.
std::string fresh_progress();
// A late game: a level-9 collector's shop a step from the ending (see starts.cpp).
std::string late_progress(unsigned seed);

bool write_text(const std::string& path, const std::string& text);

// A life's seed: the run's own for the first life, then a mix of it and the life's number.
unsigned life_seed(unsigned seed, int life);

}  // namespace autoplay
