// Closing time: the last customer has gone; a visitor may knock before the day's end.
#pragma once

namespace game {

// "『あ、時間だ、今日はもう終わりだ・・・』", then the printer's daughter or a visitor story, then
// the day's end.
void close_shop();

}  // namespace game
