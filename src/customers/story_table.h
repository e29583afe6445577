// The evening visitors' stories: who may knock, under which shop image, how often, from which
// clerk level each stage, how each visit ends and what the visitor leaves behind. The rows are
// data (story_table.cpp); what happens on stage is story_script's; the rules that decide when a
// story is told are close_shop's.
#pragma once
#include <array>
#include <string>

namespace game {

struct story_row {
  int slot;                  // progress slot holding the stage reached (0 = not started)
  int image;                 // the shop image the story needs
  int chance;                // n of "1 in n", drawn for each stage tested
  int stages;                // 1..4
  std::array<int, 4> level;  // lowest clerk level of each stage
  // The leaving narration of each stage (UTF-8); nullptr repeats the stage before.
  std::array<const char*, 4> leaving;
  int gift;  // seal given three at a time in the two easier modes; 0 = none
};

constexpr int story_count = 38;  // slots 8 to 46; slot 33 holds no story

// The stories, in the order they are tested at closing time.
const std::array<story_row, story_count>& story_table();
// The row of progress slot `slot`; nullptr when that slot holds no story.
const story_row* find_story(int slot);
// The leaving narration of stage `stage` (1..stages) of `row`, UTF-8.
const char* leaving_line(const story_row& row, int stage);

// The headless driver's `stories` dump: the table keyed by slot, with the pictures and the
// visitors' lines of each stage as story_script plays them, in UTF-8.
std::string stories_json();

}  // namespace game
