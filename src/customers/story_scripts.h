// What happens on stage when an evening visitor calls, and what the owner tells of his past:
// the content only (lines, pictures, sounds, in the order they come), kept apart from the rules
// that decide when a story is told, knock at the door, and hand out the gifts.
#pragma once

namespace game {

// One step of a visitor's scene, played in order.
struct story_step {
  enum kind_t : unsigned char {
    say,         // the visitor speaks: a speech line, waiting for a click
    narrate,     // a narration line, waiting for a click
    picture,     // the visitor's picture (customer layer) becomes `text`
    background,  // the background becomes `text`
    sound,       // wave `text` plays on wave slot `slot`
  } kind;
  const char* text;  // the line (UTF-8) or the file name
  int slot = 0;      // sound: wave slot 1..5
};

struct story_stage {
  const story_step* steps = nullptr;
  int count = 0;
};

// Stage `stage` (1..4) of the story kept in progress slot `slot` (8..46), from the visitor's
// appearance to their last line; empty when the story has no such stage.
story_stage story_script(int slot, int stage);

// Lines as UTF-8 literals; count 0 = none.
struct said_lines {
  const char* const* lines = nullptr;
  int count = 0;
};

// The owner's tale kept in progress slot `slot` (0, 1, 2 or 6).
said_lines owner_tale(int slot);

}  // namespace game
