// The game in English through florinet-headless, as a new player would meet it: the start screens,
// the owner, the first evening's shop in both list modes, the first day's customers, a visitor's
// evening, the printer's day in print mode and the owner's review; everything read back must be
// English and fit its place; and the same script and seed end in the same state in both
// languages, the progress file the same file.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"
#include "goods/item_panel.h"
#include "platform/i18n.h"
#include "shell/menu.h"
#include "shell/message.h"

namespace {

using driver_test::clicks;
using driver_test::field;
using driver_test::my_dat;
using driver_test::program_folder;
using driver_test::starting;

const std::vector<std::string> english = {"--lang", "en"};

// A JSON string's text as the game holds it (the answers are UTF-8; English is ASCII).
std::string unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char c = s[++i];
      out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    } else {
      out += s[i];
    }
  }
  return out;
}
std::vector<std::string> strings_of(const std::string& json, const std::string& key) {
  std::vector<std::string> out;
  std::smatch m;
  const std::regex array("\"" + key + "\":\\[((?:\"(?:[^\"\\\\]|\\\\.)*\",?)*)\\]");
  const std::regex one("\"" + key + "\":\"((?:[^\"\\\\]|\\\\.)*)\"");
  if (std::regex_search(json, m, array)) {
    const std::string body = m[1];
    const std::regex item("\"((?:[^\"\\\\]|\\\\.)*)\"");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), item);
         it != std::sregex_iterator(); ++it)
      out.push_back(unescape((*it)[1]));
  } else if (std::regex_search(json, m, one)) {
    out.push_back(unescape(m[1]));
  }
  return out;
}

// What the player read in a run, each checked in its place: the captions offered, the log's
// lines and the item panel's texts. Answers how many texts were read.
int read_as_a_player(const std::vector<std::string>& out) {
  const plat::TextStyle caption = game::caption_style(0), log = game::log_text_style();
  int read = 0;
  auto english_text = [&](const std::string& t, const std::string& where) {
    ++read;
    EXPECT_TRUE(plat::is_ascii(t)) << where << ": " << t;
  };
  for (const std::string& l : starting(out, "menu ")) {
    std::size_t at = 5;
    for (int n = 0; n < 3; ++n) {
      const std::size_t bar = l.find('|', at);
      const std::string c = l.substr(at, bar == std::string::npos ? bar : bar - at);
      english_text(c, "caption");
      EXPECT_LE(plat::Canvas::text_width(c, caption), game::caption_room) << c;
      at = bar + 1;
    }
  }
  for (const std::string& l : starting(out, "msg ")) {
    const std::string t = l.substr(l.find(' ', 4) + 1);
    english_text(t, "log line");
    EXPECT_LE(plat::Canvas::text_width(t, log), game::log_line_room) << t;
  }
  for (const std::string& p : starting(out, "{\"visible\":true")) {
    for (const char* key : {"mode", "mode_switch", "detail", "money", "totals"})
      for (const std::string& t : strings_of(p, key)) english_text(t, key);
    for (const std::string& t : strings_of(p, "detail"))
      EXPECT_TRUE(game::detail_text_fits(t)) << t;
    for (const std::string& t : strings_of(p, "lines")) {
      english_text(t, "panel line");
      EXPECT_LE(plat::Canvas::text_width(t, game::list_text_style()), game::list_text_room) << t;
    }
  }
  return read;
}

// A state as the rules see it: without the texts that the language words differently.
std::string rules_state(std::string state) {
  state = std::regex_replace(state, std::regex("\"message_log\":\\[[^\\]]*\\],"), "");
  return std::regex_replace(state, std::regex("\"menu_label\":\\[[^\\]]*\\],"), "");
}

// Plays a script in Japanese and in English from the same progress file and seed: the English
// run reads as English, and both end in the same state with the same progress file.
void play_in_both(int seed, const my_dat& start, const std::string& script, int at_least_read) {
  program_folder ja(seed), en(seed);
  ja.progress(start);
  en.progress(start);
  const auto in_japanese = ja.play(script + "state\n");
  const auto in_english = en.play(script + "state\n", english);
  EXPECT_TRUE(starting(in_english, "error:").empty());
  EXPECT_GE(read_as_a_player(in_english), at_least_read);
  const auto state_ja = starting(in_japanese, "{\"want_item\"");
  const auto state_en = starting(in_english, "{\"want_item\"");
  ASSERT_FALSE(state_ja.empty());
  ASSERT_EQ(state_ja.size(), state_en.size());
  EXPECT_EQ(rules_state(state_ja.back()), rules_state(state_en.back()));
  EXPECT_EQ(test_support::read_all(ja.my_dat_path()), test_support::read_all(en.my_dat_path()));
  // The sounds and pictures of both runs, event for event.
  auto events = [](const std::vector<std::string>& lines) {
    std::vector<std::string> e;
    for (const auto& l : lines)
      if (l.rfind("sound ", 0) == 0 || l.rfind("bg ", 0) == 0 || l.rfind("picture ", 0) == 0 ||
          l == "wait" || l == "choice")
        e.push_back(l);
    return e;
  };
  EXPECT_EQ(events(in_japanese), events(in_english));
}

// Past the start screens, Start, the owner's introduction, the easiest mode and his send-off.
const std::string to_evening =
    "click 100 100\nclick 100 100\ntick 8\nbutton 3\n" + clicks(7) + "button 1\n" + clicks(3);

// A customer served at the counter: in, wrapped, folded, handed over without a sticker (or
// refused when the goods cannot be wrapped), and the clicks of the outcome.
std::string serve_one() {
  return "button 3\n" + clicks(4) + "button 3\ntick 3\nbutton 3\ntick 3\nbutton 2\n" + clicks(5) +
         "button 2\n" + clicks(4) + "tick 20\n";
}

TEST(EnglishScenario, TheStartTheFirstEveningAndDayOneReadInEnglish) {
  std::string script = to_evening + "panel\n";
  // The evening shop in both list modes: bags bought, the mode switched, goods stocked.
  script +=
      "panel select #1\npanel action\npanel action\npanel action\npanel select #0\n"
      "panel action\npanel\nkey down\nkey down\nkey down\npanel\n";
  script += "panel mode\npanel\n";
  for (int i = 0; i < 6; ++i) script += "panel select #" + std::to_string(i) + "\npanel action\n";
  script += "panel\npanel mode\npanel\npanel close\n" + clicks(6) + "tick 30\nmenu\n";
  for (int i = 0; i < 4; ++i) script += serve_one();
  script += "catalogue\nroster\n";
  play_in_both(31, my_dat(), script, 150);
}

TEST(EnglishScenario, APrintersDayAndAVisitorsEveningReadInEnglish) {
  // A level-6 shop on day 11 with stock for its customers: the twelfth day's closing brings the
  // printer's daughter (print mode), and a later evening a visitor's knock and story.
  my_dat d({{1201, 20000}, {1205, 6}, {1206, 11}, {1208, 1}});
  for (int id : {1, 2, 3, 4, 5, 10, 12, 13, 18, 29, 33, 39})
    d.line(101 + id) = 5;  // goods in stock
  for (int id = 200; id <= 207; ++id) d.line(101 + id) = 30;
  std::string script = "click 100 100\nclick 100 100\ntick 8\nbutton 3\n" + clicks(3) + "tick 20\n";
  for (int day = 0; day < 3; ++day) {
    for (int i = 0; i < 16; ++i) script += serve_one();
    // Closing: the knock, a visitor or the printer (print mode: a design printed), the review.
    script += "button 3\n" + clicks(12) + "panel\npanel select #0\npanel action\n" + clicks(40) +
              "panel\npanel close\n" + clicks(6) + "button 3\n" + clicks(8) + "tick 30\n";
  }
  script += "stories\n";
  play_in_both(12, d, script, 300);
}

TEST(EnglishScenario, ADamagedCatalogueLeavesTheGameJapaneseWithOneLine) {
  program_folder r(3);
  std::filesystem::create_directories(r.root() + "/locale/en/LC_MESSAGES");
  test_support::write_all(r.root() + "/locale/en/LC_MESSAGES/florinet.mo",
                          std::string("\xde\x12\x04\x95", 4) + std::string(60, '\x7f'));
  const auto run = r.run("menu\n", english);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  // The catalogue beside the driver's own program folder was not asked for: a damaged one
  // found first means Japanese, not a second look elsewhere.
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "[\"\",\"About\",\"Start\"]"),
            run.lines.end());
}

}  // namespace
