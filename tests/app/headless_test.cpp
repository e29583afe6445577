// The real florinet-headless program driven by scripts: the start screens up to the title menu,
// the protocol's answers and errors, the trace and the screenshots.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "process.h"
#include "shell/program_folder.h"

namespace {

using shell_test::ProgramFolder;
namespace fs = std::filesystem;

const std::string headless = std::string(FLORINET_GAME_DIR) + "/florinet-headless";

std::vector<std::string> lines_of(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream is(s);
  for (std::string l; std::getline(is, l);) out.push_back(l);
  return out;
}

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_.put_standard(); }

  // Runs a script with the given extra options; answers the output lines.
  std::vector<std::string> play(const std::string& script,
                                std::vector<std::string> opts = {"--trace"}) {
    const std::string file = folder_.path() + "/script.txt";
    std::ofstream(file) << script;
    std::vector<std::string> argv{headless,   "--root", folder_.path(), "--seed", "3",
                                  "--script", file};
    argv.insert(argv.end(), opts.begin(), opts.end());
    const proc::result r = proc::run(argv, {}, folder_.path() + "/stderr.txt");
    status_ = r.status;
    return lines_of(r.out);
  }
  std::string shot(const std::string& name) const { return folder_.path() + "/" + name; }

  // The answers to queries: the lines that are JSON.
  static std::vector<std::string> answers(const std::vector<std::string>& out) {
    std::vector<std::string> a;
    for (const auto& l : out)
      if (!l.empty() && (l[0] == '{' || l[0] == '[')) a.push_back(l);
    return a;
  }
  static int field(const std::string& json, const std::string& name) {
    const auto p = json.find("\"" + name + "\":");
    if (p == std::string::npos) return -99999;
    return std::atoi(json.c_str() + p + name.size() + 3);
  }
  static std::vector<std::string> only(const std::vector<std::string>& out,
                                       const std::string& kind) {
    std::vector<std::string> r;
    for (const auto& l : out)
      if (l.rfind(kind + " ", 0) == 0 || l == kind) r.push_back(l);
    return r;
  }

  ProgramFolder folder_;
  int status_ = -1;
};

TEST_F(HeadlessTest, StartScreensLeadToTheTitleMenu) {
  const auto out = play("tick\nstate\nshot " + shot("s1.bmp") +
                        "\n"
                        "click 120 80\ntick\nstate\nshot " +
                        shot("s2.bmp") +
                        "\n"
                        "click 120 80\ntick 8\nstate\nmenu\nshot " +
                        shot("s3.bmp") + "\n");
  EXPECT_EQ(status_, 0);
  const auto a = answers(out);
  ASSERT_EQ(a.size(), 4u);
  // The first tick retunes the timer from 90 to 80 ms; the start screens are not drawn by ticks.
  EXPECT_EQ(field(a[0], "timer_interval"), 80);
  EXPECT_EQ(field(a[0], "stage_mode"), -2);
  EXPECT_EQ(field(a[0], "click_state"), 1);
  EXPECT_EQ(field(a[1], "stage_mode"), -1);
  EXPECT_EQ(field(a[2], "stage_mode"), 0);
  EXPECT_EQ(field(a[2], "menu_slide_x"), 0);  // slid all the way in after 8 ticks
  EXPECT_EQ(a[3], "[\"\",\"About\",\"Start\"]");

  // The sounds and backgrounds of the two clicks, in order.
  const std::vector<std::string> events = [&] {
    std::vector<std::string> e;
    for (const auto& l : out)
      if (l.rfind("sound ", 0) == 0 || l.rfind("bg ", 0) == 0) e.push_back(l);
    return e;
  }();
  EXPECT_EQ(events, (std::vector<std::string>{"sound 1 start.wav", "bg title.bmp",
                                              "sound 4 start2.wav", "bg login.bmp"}));
  EXPECT_EQ(only(out, "menu"), (std::vector<std::string>{"menu |About|Start"}));
  EXPECT_EQ(out.back(), "exit");

  // The pictures: 390×260 each; start screen, title picture, title menu over login.bmp.
  plat::Bitmap s1, s2, s3;
  ASSERT_EQ(plat::read_bmp_file(shot("s1.bmp"), s1), plat::BmpError::none);
  ASSERT_EQ(plat::read_bmp_file(shot("s2.bmp"), s2), plat::BmpError::none);
  ASSERT_EQ(plat::read_bmp_file(shot("s3.bmp"), s3), plat::BmpError::none);
  EXPECT_EQ(s3.width(), 390);
  EXPECT_EQ(s3.height(), 260);
  EXPECT_EQ(s1.pixel(10, 10), shell_test::c_bg);
  EXPECT_EQ(s2.pixel(10, 10), shell_test::c_title);
  EXPECT_EQ(s2.pixel(380, 250), shell_test::c_title);
  EXPECT_EQ(s3.pixel(10, 10), shell_test::c_login);
  // The two button plates at rest stand 7 pixels left of the buttons' left edge (256).
  EXPECT_EQ(s3.pixel(256 - 7 + 5, 204 - 14 + 4), shell_test::c_box);
  EXPECT_EQ(s3.pixel(256 - 7 + 5, 232 - 14 + 4), shell_test::c_box);
  EXPECT_EQ(s3.pixel(256 - 7 + 5, 176 - 14 + 4), shell_test::c_login);  // no caption: no plate
}

TEST_F(HeadlessTest, ReadyBeforeEveryCommandAndExitAtTheEnd) {
  const auto out = play("# a comment\n\ntick 2\n  menu  \n");
  EXPECT_EQ(status_, 0);
  // One ready before each read line, blank and comment lines included, and one at the end.
  EXPECT_EQ(only(out, "ready").size(), 5u);
  EXPECT_EQ(out.back(), "exit");
  // Without --trace only the answers are printed.
  const auto quiet = play("tick\nmenu\n", {});
  EXPECT_EQ(quiet, (std::vector<std::string>{"[\"\",\"About\",\"Start\"]"}));
}

TEST_F(HeadlessTest, BadCommandsAnswerWithAnErrorAndTheScriptGoesOn) {
  const auto out = play(
      "fly away\nclick 10\nclick a b\nclick 390 10\nmove 0 -1\nrclick 5 260\ntick 0\ntick "
      "-2\nbutton 4\nhover x\nkey shift+1\nshot\n"
      "shot /nonexistent/dir/x.bmp\nmenu\n",
      {});
  EXPECT_EQ(status_, 0);
  ASSERT_EQ(out.size(), 14u);
  EXPECT_EQ(out[0], "error: unknown command fly");
  for (int i = 1; i < 13; ++i)
    EXPECT_EQ(out[std::size_t(i)].rfind("error: ", 0), 0u) << out[std::size_t(i)];
  EXPECT_EQ(out[13], "[\"\",\"About\",\"Start\"]");
}

TEST_F(HeadlessTest, CloseEndsTheProgramAndEnterShowsTheHintBox) {
  const auto out = play("key enter\nclose\nmenu\n");
  EXPECT_EQ(status_, 0);
  const auto dialogs = only(out, "dialog");
  ASSERT_EQ(dialogs.size(), 1u);
  // The box's line break stays on one trace line.
  EXPECT_EQ(
      dialogs[0],
      "dialog おっと、初期化したい時は、タイトル画面でAboutを選んで\\rそこでNewgameを選択してくれや"
      "ーいっ)");
  // Nothing after close is read.
  EXPECT_TRUE(answers(out).empty());
  EXPECT_EQ(out.back(), "exit");
}

TEST_F(HeadlessTest, OptionsAreChecked) {
  play("", {"--seed", "many"});
  EXPECT_EQ(status_, 2);
  play("", {"--frobnicate"});
  EXPECT_EQ(status_, 2);
  const proc::result r = proc::run({headless, "--script", folder_.path() + "/none.txt"});
  EXPECT_EQ(r.status, 2);
}

TEST_F(HeadlessTest, StateHasEveryFieldAndTheTimer) {
  const auto a = answers(play("state\n", {}));
  ASSERT_EQ(a.size(), 1u);
  for (const char* name : {"money", "stage_mode", "click_state", "menu_label", "message_log",
                           "frame_counter", "next_rate_check", "stock", "timer_interval"})
    EXPECT_NE(a[0].find(std::string("\"") + name + "\":"), std::string::npos) << name;
  EXPECT_EQ(field(a[0], "timer_interval"), 90);  // no tick yet
}

}  // namespace
