// The title menu through florinet-headless: hover and press sounds, the Enter box, the slide out
// and back in, and the order of the message log.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"

namespace {

using driver_test::count_of;
using driver_test::program_folder;

// No pictures or sounds needed: missing files are quiet.
program_folder menu_folder() {
  return program_folder(5, program_folder::content::bare);
}

// Past the two start screens to the title menu.
const char* to_title = "click 100 100\nclick 100 100\n";

int index_of(const std::vector<std::string>& lines, const std::string& what, int from = 0) {
  for (int i = from; i < int(lines.size()); ++i)
    if (lines[i] == what) return i;
  return -1;
}

// The value of an integer field in each printed state.
std::vector<int> field_in_each(const std::vector<std::string>& lines, const std::string& name) {
  std::vector<int> out;
  const std::regex re("\"" + name + "\":(-?[0-9]+)");
  for (const auto& l : lines) {
    std::smatch m;
    if (!l.empty() && l[0] == '{' && std::regex_search(l, m, re)) out.push_back(std::stoi(m[1]));
  }
  return out;
}

TEST(TitleMenu, HoverAndPressSounds) {
  const program_folder m = menu_folder();
  const auto out = m.play(std::string(to_title) +
                          "tick 8\nhover 2\nhover 2\nhover 3\nhover 1\nmove 10 10\nhover 3\n"
                          "button 2\ntick 1\n");
  const int menu = index_of(out, "menu |About|Start");
  ASSERT_GE(menu, 0);
  // One hover sound per entered button with a caption: 2, 3, and 3 again after leaving it.
  EXPECT_EQ(count_of(out, "sound 1 key.wav"), 3);
  const int press = index_of(out, "sound 5 pi.wav", menu);
  ASSERT_GT(press, menu);
  EXPECT_EQ(count_of(out, "sound 5 pi.wav"), 1);
  // The press starts About: its first line follows the press.
  bool msg_after = false;
  for (int i = press; i < int(out.size()); ++i)
    if (out[i].rfind("msg ", 0) == 0) msg_after = true;
  EXPECT_TRUE(msg_after);
}

TEST(TitleMenu, EnterBoxLeavesTheGameAsItWas) {
  const program_folder m = menu_folder();
  const auto out = m.play(std::string(to_title) + "tick 3\nstate\nkey enter\nstate\n");
  std::vector<std::string> states;
  for (const auto& l : out)
    if (!l.empty() && l[0] == '{') states.push_back(l);
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(states[0], states[1]);
  const int snd = index_of(out, "sound 1 1.wav");
  ASSERT_GE(snd, 0);
  ASSERT_LT(snd + 1, int(out.size()));
  EXPECT_EQ(out[std::size_t(snd + 1)].rfind("dialog おっと、初期化したい時は", 0), 0u);
}

TEST(TitleMenu, SlidesOutOnAPressAndInWithTheNextMenu) {
  const program_folder m = menu_folder();
  std::string script = to_title;
  for (int i = 0; i < 8; ++i) script += "tick\nstate\n";
  script += "button 2\n";  // About: the menu slides out while its text waits
  for (int i = 0; i < 8; ++i) script += "tick\nstate\n";
  const auto out = m.play(script);
  const auto xs = field_in_each(out, "menu_slide_x");
  ASSERT_EQ(xs.size(), 16u);
  EXPECT_EQ(std::vector<int>(xs.begin(), xs.begin() + 8),
            (std::vector<int>{-99, -49, -24, -11, -5, -2, 0, 0}));
  EXPECT_EQ(std::vector<int>(xs.begin() + 8, xs.end()),
            (std::vector<int>{-81, -121, -141, -151, -156, -159, -160, -160}));
  const auto open = field_in_each(out, "menu_open");
  EXPECT_EQ(open.front(), 1);
  EXPECT_EQ(open.back(), 0);
}

TEST(TitleMenu, EveryNewMenuSlidesInFromTheRight) {
  const program_folder m = menu_folder();
  // About's menu after its four texts, then "Back" to the title menu, which empties the log.
  std::string script = std::string(to_title) + "tick 8\nbutton 2\n";
  for (int i = 0; i < 4; ++i) script += "tick 2\nclick 50 50\n";
  for (int i = 0; i < 8; ++i) script += "tick\nstate\n";
  script += "log\nbutton 3\n";
  for (int i = 0; i < 8; ++i) script += "tick\nstate\n";
  script += "log\nmenu\n";
  const auto out = m.play(script);
  ASSERT_GE(index_of(out, "menu System|New Game|Back"), 0);
  const std::vector<int> in{-99, -49, -24, -11, -5, -2, 0, 0};
  const auto xs = field_in_each(out, "menu_slide_x");
  ASSERT_EQ(xs.size(), 16u);
  EXPECT_EQ(std::vector<int>(xs.begin(), xs.begin() + 8), in);
  EXPECT_EQ(std::vector<int>(xs.begin() + 8, xs.end()), in);
  for (int open : field_in_each(out, "menu_open")) EXPECT_EQ(open, 1);
  // About's four lines were in the log; back on the title menu it is empty.
  std::vector<std::string> logs;
  for (const auto& l : out)
    if (!l.empty() && l[0] == '[' && l != "[\"\",\"About\",\"Start\"]") logs.push_back(l);
  ASSERT_EQ(logs.size(), 2u);
  EXPECT_EQ(std::count(logs[0].begin(), logs[0].end(), '{'), 4);
  EXPECT_EQ(logs[1], "[]");
  EXPECT_EQ(out[out.size() - 2], "[\"\",\"About\",\"Start\"]");
}

TEST(TitleMenu, AboutTextsWaitAndTheLogKeepsTheNewestFirst) {
  const program_folder m = menu_folder();
  // About, then click through its texts until it offers its own menu.
  std::string script = std::string(to_title) + "tick 2\nbutton 2\n";
  for (int i = 0; i < 12; ++i) script += "tick 2\nclick 50 50\n";
  script += "tick 2\nlog\nmenu\n";
  const auto out = m.play(script);
  std::vector<std::string> pushed;
  for (const auto& l : out)
    if (l.rfind("msg ", 0) == 0) pushed.push_back(l.substr(l.find(' ', 4) + 1));
  ASSERT_GE(pushed.size(), 2u);
  // Every text waits for its click: a "wait" follows each line of About.
  EXPECT_GE(count_of(out, "wait"), 2);
  // The printed log holds the lines newest first.
  std::string log;
  for (const auto& l : out)
    if (!l.empty() && l[0] == '[' && l.find("\"text\"") != std::string::npos) log = l;
  ASSERT_FALSE(log.empty());
  const std::size_t newest = log.find("\"" + pushed.back() + "\"");
  const std::size_t older = log.find("\"" + pushed[pushed.size() - 2] + "\"");
  ASSERT_NE(newest, std::string::npos);
  ASSERT_NE(older, std::string::npos);
  EXPECT_LT(newest, older);
  // Clicks on the picture during the texts end their waits with the click sound.
  EXPECT_GE(count_of(out, "sound 1 3.wav"), 2);
}

}  // namespace
