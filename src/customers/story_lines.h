// What the evening visitors say at each stage of their stories, and the owner's own tales: the
// texts only, kept apart from the rules that decide when they are told.
#pragma once

namespace game {

// Lines as UTF-8 literals (the caller converts them to Shift-JIS once); count 0 = none.
struct said_lines {
  const char* const* lines = nullptr;
  int count = 0;
};

// A visitor's lines at one stage (1..4) of the story kept in progress slot `slot` (8..46).
said_lines story_lines(int slot, int stage);
// The owner's tale kept in progress slot `slot` (0, 1, 2 or 6).
said_lines owner_tale(int slot);

}  // namespace game
