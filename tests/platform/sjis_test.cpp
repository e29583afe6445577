// Shift-JIS text: conversions both ways, byte lengths, errors, and the display decoder.
#include "platform/sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plat;

namespace {

std::vector<char32_t> decode_all(std::string_view s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t before = i;
    out.push_back(decode_display_char(s, i));
    EXPECT_GT(i, before) << "the decoder must always move on";
  }
  return out;
}

}  // namespace

TEST(Sjis, ConvertsGameTextToCodePageBytes) {
  bool ok = false;
  // Full-width characters are two bytes, ASCII and half-width katakana one.
  EXPECT_EQ(to_sjis("包む", &ok), "\x95\xEF\x82\xDE");
  EXPECT_TRUE(ok);
  EXPECT_EQ(to_sjis("次").size(), 2u);
  EXPECT_EQ(to_sjis("-CLICK HERE-").size(), 12u);
  EXPECT_EQ(to_sjis("ｱｲｳ"), "\xB1\xB2\xB3");
  EXPECT_EQ(to_sjis("オープンから 12日目").size(), 2u * 6 + 1 + 2 + 2 * 2);
  EXPECT_EQ(to_sjis(""), "");
  // The yen sign and the backslash are the same byte in this code page.
  EXPECT_EQ(to_sjis("¥"), "\\");
  EXPECT_EQ(to_sjis("\\"), "\\");
}

TEST(Sjis, CodePageExtensionsAndDashVariantsConvert) {
  bool ok = false;
  EXPECT_EQ(to_sjis("①", &ok), "\x87\x40");  // NEC special row
  EXPECT_TRUE(ok);
  EXPECT_EQ(to_sjis("髙", &ok), "\xFB\xFC");  // IBM extension
  EXPECT_TRUE(ok);
  // Both spellings of the wave dash and the minus reach the same code
  EXPECT_EQ(to_sjis("〜"), to_sjis("～"));
  EXPECT_EQ(to_sjis("−"), to_sjis("－"));
}

TEST(Sjis, UnconvertibleTextIsReportedNotDropped) {
  bool ok = true;
  std::string s = to_sjis("a😀b", &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(s, "a?b");  // the place of the character stays visible
  ok = true;
  to_sjis("한국", &ok);  // Hangul has no form in this code page
  EXPECT_FALSE(ok);
  ok = true;
  s = to_sjis("x\xFFy", &ok);  // not UTF-8 at all
  EXPECT_FALSE(ok);
  EXPECT_EQ(s, "x?y");
  ok = true;
  s = to_sjis("z\xE3\x81", &ok);  // UTF-8 cut inside a character
  EXPECT_FALSE(ok);
  EXPECT_EQ(s, "z?");
  // An error earlier does not poison the next conversion.
  EXPECT_EQ(to_sjis("店", &ok), "\x93\x58");
  EXPECT_TRUE(ok);
}

TEST(Sjis, RoundTripsThroughUtf8) {
  for (const char* t : {"フロリネット ver1.4", "【Ex】包装", "売り上げ ￥ 100 円", "ｼｰﾙ", "①ⅰ髙",
                        "ラブリー", "西部チール", "本日の集計", "閉店まで 3 時間"}) {
    bool ok = false;
    sjis s = to_sjis(t, &ok);
    ASSERT_TRUE(ok) << t;
    EXPECT_EQ(to_utf8(s), t);
  }
  // Every valid single byte survives the round trip too.
  for (int b = 0x20; b < 0x7F; ++b) {
    std::string one(1, char(b));
    EXPECT_EQ(to_sjis(to_utf8(one)), one);
  }
  // Logs keep 0x5C a backslash; only the display shows a yen sign.
  EXPECT_EQ(to_utf8("\\"), "\\");
}

TEST(Sjis, BrokenBytesBecomeReplacementCharacters) {
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(to_utf8("ab\x82"), "ab" + fffd);  // cut at the end
  EXPECT_EQ(to_utf8("\x82 a"), fffd + " a");  // lead byte then an invalid trail
  EXPECT_EQ(to_utf8("\x82"
                    "a"),
            "Ｂ");                          // ...while letters can be trails
  EXPECT_EQ(to_utf8("\x80x"), fffd + "x");  // byte that is no character
  EXPECT_EQ(to_utf8("\xA0\xFD\xFE\xFF"), fffd + fffd + fffd + fffd);
  // The text after the damage is intact.
  EXPECT_EQ(to_utf8("\x82\n" + to_sjis("包む")), fffd + "\n包む");
}

TEST(Sjis, DisplayDecoderShowsWhatTheGameShows) {
  EXPECT_EQ(decode_all("\\"), std::vector<char32_t>{0xA5});
  EXPECT_EQ(decode_all("A~"), (std::vector<char32_t>{'A', '~'}));
  EXPECT_EQ(decode_all("\xA1\xB1\xDF"), (std::vector<char32_t>{0xFF61, 0xFF71, 0xFF9F}));
  EXPECT_EQ(decode_all(to_sjis("包む")), (std::vector<char32_t>{0x5305, 0x3080}));
  EXPECT_EQ(decode_all(to_sjis("①ⅰ髙")), (std::vector<char32_t>{0x2460, 0x2170, 0x9AD9}));
  EXPECT_EQ(decode_all(to_sjis("〜")), std::vector<char32_t>{0xFF5E});
}

TEST(Sjis, CutAndInvalidCharactersAreHarmless) {
  // A message split at an odd byte leaves a lone lead byte at the end of the first half and a
  // lone trail byte at the start of the second.
  sjis whole = to_sjis("aお店");
  std::string first = whole.substr(0, 2), second = whole.substr(2);
  EXPECT_EQ(decode_all(first), (std::vector<char32_t>{'a', 0xFFFD}));
  std::vector<char32_t> rest = decode_all(second);
  ASSERT_FALSE(rest.empty());
  EXPECT_EQ(rest.back(), 0x5E97);  // the last character is still found
  // Lead byte followed by a byte that cannot be a trail: one byte is skipped, the next kept.
  EXPECT_EQ(decode_all("\x88\x0D"
                       "a"),
            (std::vector<char32_t>{0xFFFD, 0x0D, 'a'}));
  EXPECT_EQ(decode_all("\x81\x7F"), (std::vector<char32_t>{0xFFFD, 0x7F}));
  // Unassigned pair and bytes outside the code page.
  EXPECT_EQ(decode_all("\x85\x40"), (std::vector<char32_t>{0xFFFD, '@'}));
  EXPECT_EQ(decode_all("\x80\xA0\xFD"), (std::vector<char32_t>{0xFFFD, 0xFFFD, 0xFFFD}));
  // Reading at or past the end never moves the index beyond the string.
  std::string_view s = "a";
  std::size_t i = 5;
  EXPECT_EQ(decode_display_char(s, i), char32_t(0xFFFD));
  EXPECT_EQ(i, 1u);
}

TEST(Sjis, EveryDoubleByteCodeDecodesWithinBounds) {
  // Every lead and trail combination, at the very end of a buffer (no reads past it).
  int decoded = 0;
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (int trail = 0; trail <= 0xFF; ++trail) {
      std::string s{char(lead), char(trail)};
      std::size_t i = 0;
      char32_t c = decode_display_char(s, i);
      ASSERT_TRUE(i == 1 || i == 2);
      if (i == 2) {
        ++decoded;
        EXPECT_NE(c, char32_t(0xFFFD));
      }
    }
  }
  // CP932 has 7915 double-byte characters incl. its extensions; well over 7000 must decode.
  EXPECT_GT(decoded, 7000);
}

TEST(Sjis, LiteralsConvertOnce) {
  const sjis& a = SJ("包む");
  EXPECT_EQ(a, to_sjis("包む"));
  // The same call site gives the same storage every time.
  auto site = []() -> const sjis& { return SJ("折る"); };
  EXPECT_EQ(&site(), &site());
  EXPECT_EQ(site().size(), 4u);
}

TEST(SjisDeathTest, LiteralWithoutCodePageFormAborts) {
  EXPECT_DEATH({ (void)SJ("😀"); }, "no Shift-JIS form");
}
