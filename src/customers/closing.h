// Closing time: the last customer has gone; a visitor may knock before the day's end.
#pragma once
#include "customers/story_table.h"

namespace game {

// "『あ、時間だ、今日はもう終わりだ・・・』", then the printer's daughter or a visitor story, then
// the day's end.
void close_shop();

// Someone knocks: "ドンドン", "誰か来た....", and the one button "扉をあける", which must be
// pressed. False when the window closed instead (the visit does not happen).
bool knock_at_door();

// The printer's daughter calls tonight (every twelfth day, no batch of flyers pending, 500 yen
// at hand, clerk level 2 or more).
bool printer_calls();

// The story stage that fires tonight, trying the stories in table order and each stage's tests
// in their order (one draw per stage whose level is met, until one fires). No row: none fires.
struct story_pick {
  const story_row* row = nullptr;
  int stage = 0;
};
story_pick pick_story();
// The visit itself: the slot advances, the knock, the scene, the leaving line and the gift.
void play_story(const story_row& row, int stage);

}  // namespace game
