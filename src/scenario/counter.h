// The counter's scenes of the dispatcher: the next customer, a flyer handed out, the save.
#pragma once

namespace game {

// "次": the next customer is let in.
void scene_next();
// "チラシを入れる": a flyer goes into the customer's bag (or comes back).
void scene_flyer();
// "セーブ": the save seal in hand, to be stuck on the shop door.
void scene_save();

}  // namespace game
