// The start of play, the night and the morning: the scenes that open and close a working day.
#pragma once

namespace game {

// "Start": the owner's entrance, the introduction and the difficulty, or the greeting.
void scene_start();
// "がんばるぞー♪": a returning player's day begins with a morning.
void scene_good_luck();
// "帰って寝る": the night, then the morning.
void scene_night();
// The morning of every day after the first.
void morning();
// Day 1 of a run, opened when the first evening's item panel is closed.
void open_first_day();

// The day's sales quota and satisfaction goal at a clerk level.
int day_quota(int lv);
int day_satis_goal(int lv);

}  // namespace game
