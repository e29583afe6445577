// The dispatcher and the title scenes, run against the headless host: every click wait is answered
// by a click on the picture (or by closing the window), so a scene runs from its caption to the
// menu it offers. The whole scenes through the driver are in tests/app/title_scenarios.cpp.
#include "scenario/dispatch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "goods/catalogue.h"
#include "scenario/progress.h"
#include "scenario_test_util.h"
#include "shell/form.h"
#include "shell/message.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "support/scripted_game.h"

namespace game {
namespace {

using scenario_test::file_exists;
using scenario_test::read_all;
using scenario_test::scratch_folder;

plat::sjis S(const char* utf8) {
  return plat::to_sjis(utf8);
}

class TitleScenes : public scripted_game::stage {
 protected:
  void SetUp() override {
    stage::SetUp();
    gs.stage_mode = 0;
    set_program_dir(folder.dir());
    build_picture_store();
  }

  // Each time a scene waits and nothing is queued, the player clicks (or closes the window).
  void answer_wait(plat::HeadlessHost& h) override {
    if (waits_before_close == 0) {
      h.queue_close();
      waits_before_close = -1;
    } else {
      if (waits_before_close > 0) --waits_before_close;
      stage::answer_wait(h);
    }
  }

  scratch_folder folder;
  int waits_before_close = -1;  // -1: never close
};

TEST_F(TitleScenes, CaptionsMatchOnlyByExactBytes) {
  for (const char* near : {"about", "ABOUT", "About ", " About", "Abou", "Ａｂｏｕｔ", "New game",
                           "描画速度", "", "Collection\n"}) {
    dispatch(S(near));
  }
  EXPECT_TRUE(traced.empty()) << traced.front();
  EXPECT_EQ(gs.draw_speed, 0);
}

TEST_F(TitleScenes, SystemStepsTheDrawingRateRoundAndRound) {
  dispatch(S("System"));
  EXPECT_EQ(lines("msg"),
            (std::vector<std::string>{"0 もし動作が重い場合は", "0 描画速度を変更してみてね"}));
  EXPECT_EQ(count_traced("wait"), 0);
  EXPECT_EQ(lines("menu"), (std::vector<std::string>{"描画速度変更||Back"}));

  const char* said[] = {"0 描画速度を[中]にしました", "0 描画速度を[低]にしました",
                        "0 描画速度を[普通]にしました", "0 描画速度を[中]にしました"};
  const int speeds[] = {1, 2, 0, 1};
  for (int i = 0; i < 4; ++i) {
    traced.clear();
    dispatch(S("描画速度変更"));
    EXPECT_EQ(gs.draw_speed, speeds[i]);
    EXPECT_EQ(lines("msg"), (std::vector<std::string>{said[i]}));
    EXPECT_EQ(lines("menu"), (std::vector<std::string>{"描画速度変更||Back"}));
  }
  // A value only a hand-edited file could hold goes back to 普通.
  gs.draw_speed = 7;
  dispatch(S("描画速度変更"));
  EXPECT_EQ(gs.draw_speed, 0);
}

TEST_F(TitleScenes, BackReturnsToTheTitleMenuWithoutTheLetter) {
  gs.message_log[0].text = "old";
  gs.progress[3] = 0;
  gs.collected.fill(1);  // even with everything collected the letter is a start-up offer only
  dispatch(S("Back"));
  EXPECT_EQ(traced[0], "bg login.bmp");
  EXPECT_EQ(traced[1], "music not");
  EXPECT_EQ(lines("menu"), (std::vector<std::string>{"|About|Start"}));
  EXPECT_TRUE(gs.message_log[0].text.empty());

  traced.clear();
  gs.play_count = 2;
  dispatch(S("Back"));
  EXPECT_EQ(lines("menu"), (std::vector<std::string>{"Collection|About|Start"}));
}

TEST_F(TitleScenes, NewGameDoesNothingOnceTheWindowCloses) {
  for (int clicks : {0, 1, 2}) {
    SCOPED_TRACE(clicks);
    new_host();
    gs.click_state = 1;
    gs.money = 3000;
    gs.collected[120] = 1;
    traced.clear();
    waits_before_close = clicks;
    dispatch(S("New Game"));
    EXPECT_EQ(gs.click_state, -1);
    EXPECT_EQ(gs.money, 3000);
    EXPECT_EQ(gs.collected[120], 1);
    EXPECT_EQ(count_traced("save"), 0);
    EXPECT_FALSE(file_exists(folder.dat("my.dat")));
    EXPECT_TRUE(lines("menu").empty());
    EXPECT_EQ(count_traced("sound 1 save.wav"), clicks >= 2 ? 1 : 0);
  }
}

// New Game when its save cannot be written: the player reads why, and whether the last save is
// still there, before the title menu comes back; a save that works adds no line.
TEST_F(TitleScenes, NewGameTellsThePlayerWhenItCouldNotSave) {
  const std::vector<std::string> new_game = {"0 ....それでは初期化します", "0 ........",
                                             "0 ....初期化しました"};
  auto said_after_reset = [&] {
    std::vector<std::string> m = lines("msg");
    m.erase(m.begin(), m.begin() + std::min(m.size(), new_game.size()));
    return m;
  };
  const std::string failed = "307 セーブに失敗しました…";

  // A read-only program folder with a last save in it. The superuser writes anywhere: the game
  // runs as an ordinary user, in a child.
  scenario_test::write_all(folder.dat("my.dat"), "old");
  ::chmod(folder.dir().c_str(), 0555);
  ::chmod((folder.dir() + "/dat").c_str(), 0555);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(9);
    // No other place to save to either.
    ::setenv("HOME", "/proc/florinet-nowhere", 1);
    ::setenv("XDG_DATA_HOME", "/proc/florinet-nowhere", 1);
    dispatch(S("New Game"));
    const bool told =
        said_after_reset() ==
            std::vector<std::string>{failed, "0 セーブ先のフォルダに書き込めないみたいです",
                                     "0 前のセーブはそのまま残っています"} &&
        traced.back() == "menu |About|Start" && count_traced("wait") == 4;
    ::_exit(told ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::chmod(folder.dir().c_str(), 0755);
  ::chmod((folder.dir() + "/dat").c_str(), 0755);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not told, or told wrongly";
  EXPECT_EQ(read_all(folder.dat("my.dat")), "old");

  // A full disk and no earlier save: nothing is said to be kept.
  std::filesystem::remove(folder.dat("my.dat"));
  save_ops.open = [](const char*, int, mode_t) {
    errno = ENOSPC;
    return -1;
  };
  traced.clear();
  gs.click_state = 1;
  dispatch(S("New Game"));
  save_ops = system_file_ops();
  EXPECT_EQ(said_after_reset(),
            (std::vector<std::string>{failed, "0 ディスクの空きが足りないみたいです"}));
  EXPECT_EQ(lines("menu"), (std::vector<std::string>{"|About|Start"}));
  EXPECT_FALSE(file_exists(folder.dat("my.dat")));

  // Saved: not a word more.
  traced.clear();
  dispatch(S("New Game"));
  EXPECT_EQ(lines("msg"), new_game);
  EXPECT_EQ(count_traced("wait"), 3);
  EXPECT_TRUE(file_exists(folder.dat("my.dat")));
}

}  // namespace
}  // namespace game
