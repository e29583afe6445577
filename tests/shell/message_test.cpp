// The message log: split rules, colour names, typing sound, click waits and the close request.
#include "shell/message.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/i18n.h"
#include "shell/menu.h"
#include "shell/script_host.h"
#include "support/mo_file.h"

using game::gs;
using testing_host::traced;

namespace {

class MessageLog : public ::testing::Test {
 protected:
  void SetUp() override { testing_host::fresh_game(host); }
  void TearDown() override { game::set_trace_sink(nullptr); }
  testing_host::ScriptHost host;
};

std::string bytes(int n, char first = 'a') {
  std::string s;
  for (int i = 0; i < n; ++i) s += char(first + i % 26);
  return s;
}

const std::string& wide_space() {
  return SJ("　");
}

// ---- the long-line rule (70/68) -------------------------------------------------------------

TEST_F(MessageLog, LongLineRuleSplitsAt70Bytes) {
  // 69 bytes: one entry.
  game::post_message(bytes(69));
  EXPECT_EQ(gs.message_log[0].text, bytes(69));
  EXPECT_TRUE(gs.message_log[1].text.empty());

  // 70 bytes: the first 68, then a full-width space and the last two bytes.
  game::clear_message_log();
  const std::string t70 = bytes(70);
  game::post_message(t70);
  EXPECT_EQ(gs.message_log[1].text, t70.substr(0, 68));
  EXPECT_EQ(gs.message_log[0].text, wide_space() + t70.substr(68));
  EXPECT_EQ(gs.message_log[0].text.size(), 4u);

  // 71 bytes: padded to 72 first, so the continuation carries four bytes, the last a space.
  game::clear_message_log();
  const std::string t71 = bytes(71);
  game::post_message(t71);
  EXPECT_EQ(gs.message_log[1].text, t71.substr(0, 68));
  EXPECT_EQ(gs.message_log[0].text, wide_space() + t71.substr(68) + " ");
}

TEST_F(MessageLog, LongLineKeepsEveryByteOfAVeryLongText) {
  const std::string t = bytes(200);
  game::post_and_wait(t);  // no host events: the wait ends as a close would
  EXPECT_EQ(gs.message_log[1].text, t.substr(0, 68));
  EXPECT_EQ(gs.message_log[0].text, wide_space() + t.substr(68));
}

TEST_F(MessageLog, ColouredLongLineColoursBothHalves) {
  game::post_colored(bytes(80), "red");
  EXPECT_EQ(gs.message_log[0].colour, 307);
  EXPECT_EQ(gs.message_log[1].colour, 307);
  EXPECT_EQ(traced("msg").size(), 2u);
  EXPECT_EQ(traced("msg")[0].rfind("307 ", 0), 0u);
}

TEST_F(MessageLog, SplitCountsBytesOfFullWidthText) {
  // 35 full-width characters are 70 bytes: split after the 34th character.
  std::string text;
  for (int i = 0; i < 35; ++i) text += SJ("あ");
  ASSERT_EQ(text.size(), 70u);
  game::post_message(text);
  EXPECT_EQ(gs.message_log[1].text.size(), 68u);
  EXPECT_EQ(gs.message_log[0].text, wide_space() + SJ("あ"));
}

TEST_F(MessageLog, SplitMayCutADoubleByteCharacter) {
  // One half-width letter before 35 full-width ones: 71 bytes, padded to 72, and byte 68 is the
  // first half of the 34th full-width character. The split point does not move.
  std::string text = "a";
  for (int i = 0; i < 35; ++i) text += SJ("あ");
  ASSERT_EQ(text.size(), 71u);
  game::post_message(text);
  const std::string& first = gs.message_log[1].text;
  const std::string& second = gs.message_log[0].text;
  ASSERT_EQ(first.size(), 68u);
  EXPECT_EQ(first, text.substr(0, 68));
  EXPECT_EQ(first.back(), SJ("あ")[0]);  // a lead byte alone at the end
  EXPECT_EQ(second, wide_space() + text.substr(68) + " ");
  EXPECT_EQ(second[2], SJ("あ")[1]);  // its trail byte opens the continuation
  EXPECT_EQ(first.size() + second.size() - 2, 72u);
}

// ---- the speech rule (50/58) ----------------------------------------------------------------

TEST_F(MessageLog, SpeechRule) {
  // A 52-byte line stays one entry: its blank continuation is dropped.
  game::post_speech(bytes(52));
  gs.click_state = 1;
  EXPECT_EQ(gs.message_log[0].text, bytes(52));
  EXPECT_EQ(gs.message_log[0].colour, 310);
  EXPECT_TRUE(gs.message_log[1].text.empty());

  // 58 bytes: still one entry.
  game::clear_message_log();
  game::post_speech(bytes(58));
  gs.click_state = 1;
  EXPECT_EQ(gs.message_log[0].text, bytes(58));
  EXPECT_TRUE(gs.message_log[1].text.empty());

  // 59 bytes: padded to 60, the continuation is a full-width space and two bytes.
  game::clear_message_log();
  game::post_speech(bytes(59));
  gs.click_state = 1;
  EXPECT_EQ(gs.message_log[1].text, bytes(58));
  EXPECT_EQ(gs.message_log[0].text, wide_space() + bytes(59).substr(58) + " ");
  EXPECT_EQ(gs.message_log[0].colour, 310);

  // A continuation of blanks only is dropped.
  game::clear_message_log();
  game::post_speech(bytes(58) + "  ");
  gs.click_state = 1;
  EXPECT_EQ(gs.message_log[0].text, bytes(58));
  EXPECT_TRUE(gs.message_log[1].text.empty());

  // Under 50 bytes no padding is added.
  game::clear_message_log();
  game::post_speech(bytes(49));
  EXPECT_EQ(gs.message_log[0].text, bytes(49));
}

// ---- a translation's lines break between words ---------------------------------------------

TEST_F(MessageLog, TranslatedLinesBreakBetweenWordsWithinTheBytesAndThePicture) {
  plat::MoCatalogue c;
  ASSERT_TRUE(c.parse(test_support::mo_file({{"x", "y"}}), nullptr));
  plat::use_catalogue(std::move(c), "en");
  auto entries = [](const std::string& t, bool speech) {
    const game::log_split s = game::split_log_text(t, speech);
    return s.count == 1 ? s.entry[0] : s.entry[0] + "|" + s.entry[1];
  };
  // 69 bytes of narrow words: one entry, as in Japanese.
  const std::string narrow = "it is " + std::string(60, 'i') + " ok";
  ASSERT_EQ(narrow.size(), 69u);
  EXPECT_EQ(entries(narrow, false), narrow);
  // A longer line breaks at the last blank that leaves the first entry within 68 bytes and the
  // picture's width; the rest is indented by two blanks.
  const auto fits = [](const std::string& t) {
    return plat::Canvas::text_width(t, game::log_text_style()) <= game::log_line_room;
  };
  const std::string words =
      "the owner counts the takings twice and frowns at the ledger every night";
  const game::log_split w = game::split_log_text(words, false);
  ASSERT_EQ(w.count, 2);
  EXPECT_EQ(w.entry[0] + " " + w.entry[1].substr(2), words);
  EXPECT_EQ(w.entry[1].substr(0, 2), "  ");
  EXPECT_TRUE(fits(w.entry[0]));
  const std::string next = w.entry[1].substr(2, w.entry[1].find(' ', 2) - 2);
  EXPECT_FALSE(fits(w.entry[0] + " " + next)) << "the break is the last one that fits";
  // Speech: 58 bytes stay one entry, 59 break before the last word.
  const std::string said = "Could you wrap this up nicely for me? It is a present, ok?";
  ASSERT_EQ(said.size(), 58u);
  EXPECT_EQ(entries(said, true), said);
  EXPECT_EQ(entries(said + "!", true),
            "Could you wrap this up nicely for me? It is a present,|  ok?!");
  // A word longer than the line is cut where the line ends.
  const game::log_split x = game::split_log_text(std::string(80, 'x'), false);
  ASSERT_EQ(x.count, 2);
  EXPECT_TRUE(fits(x.entry[0]));
  EXPECT_FALSE(fits(x.entry[0] + "x"));
  EXPECT_EQ(x.entry[0] + x.entry[1].substr(2), std::string(80, 'x'));
  // Wide letters break earlier than the bytes allow: no entry runs off the picture.
  const std::string wide = "WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW WWWW";
  const game::log_split s = game::split_log_text(wide, false);
  ASSERT_EQ(s.count, 2);
  EXPECT_LE(plat::Canvas::text_width(s.entry[0], game::log_text_style()), game::log_line_room);
  EXPECT_EQ(s.entry[0] + " " + s.entry[1].substr(2), wide);
  // Japanese text keeps the byte rule even while a translation is in use (a line not yet
  // translated): a 70-byte text is cut after byte 68.
  EXPECT_EQ(
      game::split_log_text(
          SJ("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや"), false)
          .count,
      2);
  plat::use_catalogue(plat::MoCatalogue(), "");
}

// ---- colour names -----------------------------------------------------------------------------

TEST_F(MessageLog, ColourNames) {
  const std::pair<const char*, int> names[] = {{"green", 301}, {"yellow", 302},  {"blue", 303},
                                               {"pink", 304},  {"purple", 305},  {"aqua", 306},
                                               {"red", 307},   {"yellow2", 308}, {"orange", 309},
                                               {"pink2", 310}, {"blue2", 312}};
  for (const auto& [name, code] : names) EXPECT_EQ(game::colour_code(name), code) << name;
  // Names are compared exactly: another case, a blank or an unknown name is code 4.
  for (const char* other : {"Red", "RED", "red ", "", "blue3", "Green", "pink 2"})
    EXPECT_EQ(game::colour_code(other), 4) << "'" << other << "'";
  game::post_colored("x", "Red");
  EXPECT_EQ(gs.message_log[0].colour, 4);
}

// ---- the log ----------------------------------------------------------------------------------

TEST_F(MessageLog, NewestFirstAndTwentyOneEntries) {
  for (int i = 0; i < 25; ++i) game::post_message("line" + std::to_string(i));
  EXPECT_EQ(gs.message_log[0].text, "line24");
  EXPECT_EQ(gs.message_log[20].text, "line4");
  game::post_message("");  // an empty text pushes an empty line
  EXPECT_TRUE(gs.message_log[0].text.empty());
  EXPECT_EQ(gs.message_log[1].text, "line24");

  game::clear_message_log();
  for (int i = 0; i <= 19; ++i) {
    EXPECT_TRUE(gs.message_log[i].text.empty()) << i;
    EXPECT_EQ(gs.message_log[i].colour, 0) << i;
  }
}

TEST_F(MessageLog, TypingSoundOnSlotOneOrFive) {
  for (int i = 0; i < 40; ++i) game::post_message("x");
  int one = 0, five = 0;
  for (const auto& s : traced("sound")) {
    if (s == "1 moji.wav")
      ++one;
    else if (s == "5 moji.wav")
      ++five;
    else
      ADD_FAILURE() << s;
  }
  EXPECT_EQ(one + five, 40);
  EXPECT_GT(one, 5);
  EXPECT_GT(five, 5);

  // Waiting lines and spoken lines make no typing sound.
  traced().clear();
  game::post_and_wait("y");
  gs.click_state = 1;
  game::post_speech("z");
  EXPECT_TRUE(traced("sound").empty());
}

// ---- click waits ------------------------------------------------------------------------------

TEST_F(MessageLog, ClickOnThePictureEndsAWait) {
  int ticks = 0;
  host.events.push_back([&] { ++ticks; });
  host.events.push_back([] { game::press_picture(plat::MouseButton::right, 10, 10); });
  host.events.push_back([&] {
    EXPECT_EQ(gs.click_state, 0);  // still waiting after the right press
    EXPECT_TRUE(game::click_marker_shown());
    game::press_picture(plat::MouseButton::left, 10, 20);
  });
  host.events.push_back([] { ADD_FAILURE() << "the wait pumped past its click"; });
  game::post_and_wait("wait for me");
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(gs.click_state, 1);
  EXPECT_FALSE(game::click_marker_shown());
  EXPECT_EQ(gs.mouse_y, 20);
  EXPECT_EQ(traced("sound"), std::vector<std::string>{"1 3.wav"});
  EXPECT_EQ(traced("wait").size(), 1u);
}

TEST_F(MessageLog, CloseDuringAWaitUnwindsTheScript) {
  host.events.push_back([] { game::close_request(); });
  host.events.push_back([] { ADD_FAILURE() << "pumped after the close"; });
  game::post_message("before");
  game::wait_click();
  EXPECT_EQ(gs.click_state, -1);
  const int pumps = host.pumps;

  // Every later call is a no-op: nothing pushed, nothing sounded, no waiting.
  traced().clear();
  game::post_message("after");
  game::post_colored("after", "red");
  game::post_and_wait("after");
  game::post_speech("after");
  game::wait_click();
  game::clear_message_log();
  EXPECT_EQ(gs.message_log[0].text, "before");
  EXPECT_TRUE(traced().empty());
  EXPECT_EQ(host.pumps, pumps);

  // A stray click after the close does not revive the waits.
  game::take_click();
  EXPECT_EQ(gs.click_state, -1);
}

TEST_F(MessageLog, AHostThatEndsStopsTheWait) {
  // No events at all: the pump reports the end at once and the wait must not spin.
  game::wait_click();
  EXPECT_EQ(host.pumps, 1);
  EXPECT_EQ(gs.click_state, -1);
}

TEST_F(MessageLog, TakeClickWithoutAWaitIsSilent) {
  gs.click_state = 1;
  game::take_click();
  EXPECT_EQ(gs.click_state, 1);
  EXPECT_TRUE(traced("sound").empty());
}

TEST_F(MessageLog, AButtonStartsANestedScriptInsideAWait) {
  // The title's About script waits; a button press in that wait starts another script, which
  // waits in turn; the outer wait returns only after the inner script has finished.
  std::vector<std::string> order;
  static std::vector<std::string>* log = nullptr;
  log = &order;
  game::hooks.dispatch = [](const plat::sjis& caption) {
    log->push_back("dispatch " + caption);
    game::post_and_wait("inner");
    log->push_back("inner done");
  };
  game::show_menu("", "About", "");
  host.events.push_back([] { game::press_button(2, plat::MouseButton::left, 5, 5); });
  host.events.push_back([] { game::press_picture(plat::MouseButton::left, 1, 1); });
  game::post_and_wait("outer");
  order.push_back("outer done");
  EXPECT_EQ(order, (std::vector<std::string>{"dispatch About", "inner done", "outer done"}));
  EXPECT_EQ(traced("wait").size(), 2u);
}

}  // namespace
