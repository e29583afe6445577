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

// A state as the rules see it: without the texts that the language words differently (the
// log's lines and the captions on offer, arrays of JSON strings that may hold brackets).
std::string rules_state(std::string state) {
  for (const std::string key : {"\"message_log\":[", "\"menu_label\":["}) {
    const std::size_t from = state.find(key);
    if (from == std::string::npos) continue;
    std::size_t i = from + key.size();
    for (int depth = 1; i < state.size() && depth > 0; ++i) {
      if (state[i] == '"') {
        while (++i < state.size() && state[i] != '"') i += state[i] == '\\';
      } else {
        depth += state[i] == '[' ? 1 : state[i] == ']' ? -1 : 0;
      }
    }
    state.erase(from, i - from);
  }
  return state;
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
  for (int i = 0; i < 4; ++i) script += "panel select #" + std::to_string(i) + "\npanel action\n";
  script += "panel\npanel mode\npanel\npanel close\n" + clicks(6) + "tick 30\nmenu\n";
  for (int i = 0; i < 4; ++i) script += serve_one();
  script += "catalogue\nroster\n";
  play_in_both(31, my_dat(), script, 150);
}

// Plays on from a progress file as a player would, deciding from the game's state alone (never
// from its words, so that both languages are played alike): clicks through waits, answers
// choices with the third button, prints a flyer when the printer calls, closes the evening
// panel, serves each customer by the rightmost caption but hands the goods over without a
// sticker. Answers every line the driver wrote, the commands it was given and the last state.
struct played {
  std::vector<std::string> out, commands;
  std::string state;
};
played play_days(const program_folder& r, int days, const std::vector<std::string>& options,
                 const std::string& sticker) {
  driver_test::session s(r.root(), r.seed(), options);
  played p;
  auto send = [&](const std::string& c) {
    p.commands.push_back(c);
    for (auto& l : s.send(c)) p.out.push_back(std::move(l));
  };
  for (const char* c : {"click 100 100", "click 100 100", "tick 8", "button 3"}) send(c);
  int first_day = -1;
  for (int step = 0; step < 4000 && !s.ended(); ++step) {
    jsonmini::value st, panel;
    for (const auto& l : s.send("state"))
      if (l.rfind("{", 0) == 0) jsonmini::parser(l).parse(st);
    for (const auto& l : s.send("panel"))
      if (l.rfind("{", 0) == 0) {
        jsonmini::parser(l).parse(panel);
        p.out.push_back(l);  // read as the player reads it
      }
    const int day = int(st["day"].num);
    if (first_day < 0) first_day = day;
    if (panel["visible"].b) {
      if (panel["mode_switch"].kind == jsonmini::value::null) {
        send("panel select #0");
        send("panel action");
      } else if (day >= first_day + days) {
        break;  // the evening of the last day: done
      } else {
        send("panel close");
      }
    } else if (st["click_state"].num == 0 || st["choice_pending"].num == 1) {
      send(st["choice_pending"].num == 1 ? "button 3" : "click 200 100");
    } else {
      const auto& labels = st["menu_label"].items;
      int n = 0;
      for (int i = 0; i < 3 && i < int(labels.size()); ++i)
        if (!labels[std::size_t(i)].str.empty()) n = i + 1;
      if (n == 3 && labels[2].str == sticker) n = 2;  // handed over without a sticker
      send(n ? "button " + std::to_string(n) : std::string("tick 5"));
    }
  }
  for (const auto& l : s.send("state"))
    if (l.rfind("{\"want_item\"", 0) == 0) p.state = l;
  return p;
}

TEST(EnglishScenario, APrintersDayAVisitorsEveningAndTheReviewsReadInEnglish) {
  // A level-6 shop on day 11 with goods and bags for its customers: day 12 closes with the
  // printer's daughter (print mode), day 13 with a visitor and a story, and each with the owner.
  my_dat d({{8, 1}, {1201, 20000}, {1205, 6}, {1206, 11}, {1208, 1}});
  for (int id : {1, 2, 3, 4, 5, 10, 12, 13, 18, 29, 33, 39}) d.line(101 + id) = 5;
  for (int id = 200; id <= 207; ++id) d.line(101 + id) = 30;
  program_folder ja(12), en(12);
  ja.progress(d);
  en.progress(d);
  const played in_japanese = play_days(ja, 2, {}, "シール");
  const played in_english = play_days(en, 2, english, "Sticker");
  // The days held what they were chosen for.
  EXPECT_EQ(driver_test::count_of(in_japanese.out, "menu ||扉をあける"), 2);
  EXPECT_FALSE(starting(in_japanese.out, "msg 0 印刷").empty() &&
               starting(in_japanese.out, "msg 310 おっけ").empty())
      << "the printer printed";
  EXPECT_FALSE(starting(in_japanese.out, "picture 1 ").empty());
  // Played alike, to the same state and progress file; read as English.
  EXPECT_EQ(in_japanese.commands, in_english.commands);
  EXPECT_EQ(rules_state(in_japanese.state), rules_state(in_english.state));
  EXPECT_GE(read_as_a_player(in_english.out), 300);
}

TEST(EnglishScenario, ADamagedCatalogueLeavesTheGameJapaneseWithOneLine) {
  program_folder r(3);
  std::filesystem::create_directories(r.root() + "/locale/en/LC_MESSAGES");
  test_support::write_all(r.root() + "/locale/en/LC_MESSAGES/florinet.mo",
                          std::string("\xde\x12\x04\x95", 4) + std::string(60, '\x7f'));
  r.progress(my_dat());
  const auto run = r.run("menu\n", english);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "[" << run.err << "]";
  // The catalogue beside the driver's own program folder was not asked for: a damaged one
  // found first means Japanese, not a second look elsewhere.
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "[\"\",\"About\",\"Start\"]"),
            run.lines.end());
}

}  // namespace
