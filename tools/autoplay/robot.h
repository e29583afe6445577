// The robot player: plays the game in this process through the headless driver's own commands,
// choosing as a player might, and checks the game's invariants after every frame and every
// action. Each command it gives is written out as a line of a driver script, so whatever it did
// can be replayed with florinet-headless.
#pragma once
#include <string>

namespace autoplay {

// One life: the game started from the program folder `root` (its dat/my.dat is the progress
// file), played until `days` working days have begun and been played to their night, or until
// the game ends itself (bankruptcy, an ending) or the robot quits to start again from the save.
struct life_options {
  std::string root;
  unsigned seed = 1;   // the game's generator and the robot's own choices
  int days = 1;        // working days to begin; the robot closes the window at the next
  int script_fd = -1;  // each command, one line, as florinet-headless reads it
  int report_fd = -1;  // progress lines for whoever runs the life (see play_life)
  bool close_at_waits = false;
  int hang_seconds = 600;  // wall-clock seconds one day may take before it counts as a hang
};

// Exit statuses of a life.
constexpr int life_ok = 0;      // the days played, the game ended itself or the robot quit
constexpr int life_failed = 3;  // an invariant broke; the report is on standard error
constexpr int life_hung = 4;    // a day took longer than hang_seconds

// Scenes the robot has been through, counted from the lines the game shows.
// A scene is known by a line the game shows in it, named by the game's own text (a format's
// parts left out), so that it is known in every language.
struct scene_mark {
  const char* name;
  const char* lines[2];  // UTF-8 message ids; nullptr: no (second) line
};
constexpr scene_mark scene_marks[] = {
    {"printer visits", {"私、印刷屋の子なの、チラシ刷ってみや..しなーーーい？"}},
    {"batches printed", {"%sなチラシを印刷したわーよ"}},
    {"flyers handed out", {"%sを入れた(残: %d枚)"}},
    {"flyers handed back", {"チラシを返されてしまった..(残: %d枚)"}},
    {"visitors at the door", {"誰か来た...."}},
    {"Ex wraps paid", {"Ex包装＞チップUp!!"}},
    {"seals misplaced", {"ちょっと、ちゃんと貼ってよ!!"}},
    {"customers refused", {"%sは泣きながらどこかへ行った"}},
    {"awards", {"なんとあなたはチール協会から表彰されました!!"}},
    {"ten-day charts", {"10日間のレポートでーーす（ピンク:売上 青:満足度）"}},
    {"promotions", {"なかなかよくやった！昇進じゃ！"}},
    {"demotions", {"おまえにはもっと修行が必要だな、降格させてもらう"}},
    {"rents", {"%d円没収されてしまった...."}},
    {"burglaries", {"泥棒が侵入した!!"}},
    {"rumours",
     {"なんと、この店は接客の悪い悪徳店だという噂が町中に広まってしまった……!!",
      "なんと、この店は品揃えの悪いボロい店だという噂が町中に広まってしまった…!!"}},
    {"letters read", {"以上が、あなた様に届いた、シール王からのお便りです"}},
    {"collection views", {nullptr}},  // counted by the robot itself
    {"New Games", {"....初期化しました"}},
};
constexpr int scene_count = int(sizeof scene_marks / sizeof scene_marks[0]);

// Plays one life in this process and answers its exit status. Lines written to report_fd:
//   "day N LV"         the N-th working day of this life has begun, at clerk level LV
//   "save"             a save the player made was read back and found whole
//   "closed W C"       with close_at_waits: W click waits and C blocking choices closed at
//   "seen I N"         scene_marks[I] came N times (at the end of the life)
//   "end REASON"       days | bankrupt | ending | quit
//   "fail TEXT"        the invariant that broke (the full report goes to standard error)
int play_life(const life_options& o);

}  // namespace autoplay
