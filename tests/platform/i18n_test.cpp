// Translation catalogues: the MO reader and its plural rules, which language is chosen, and the
// lookups and formats the game's texts go through.
#include "platform/i18n.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/mo.h"
#include "support/mo_file.h"
#include "support/scratch_dir.h"

using namespace plat;
using namespace std::string_literals;
using test_support::mo_file;

namespace {

const std::string words = mo_file({{"Start", "Begin"},
                                   {"包む", "Wrap"},
                                   {"総数 %d品\0総数 %d品"s, "%d item\0%d items"s},
                                   {"caption\x04次", "Next"},
                                   {"値段:\\ %d円", "Price: ¥%d"},
                                   {"untranslated", ""}});

// Puts the Japanese game back whatever a test did.
struct japanese_after {
  ~japanese_after() { use_catalogue(MoCatalogue(), ""); }
};

}  // namespace

TEST(MoCatalogue, ReadsBothByteOrdersWithContextsAndPlurals) {
  for (bool big : {false, true}) {
    MoCatalogue c;
    std::string why;
    ASSERT_TRUE(c.parse(mo_file({{"Start", "Begin"}, {"a\0b"s, "x\0y"s}, {"ctx\x04k", "K"}},
                                "Content-Type: text/plain; charset=UTF-8\n", big),
                        &why))
        << why;
    ASSERT_NE(c.find("Start"), nullptr);
    EXPECT_EQ(*c.find("Start"), "Begin");
    EXPECT_EQ(*c.find("ctx\x04k"), "K");
    EXPECT_EQ(c.find("k"), nullptr);
    // No Plural-Forms header: gettext's own rule, n != 1.
    EXPECT_EQ(*c.find_plural("a", 1), "x");
    EXPECT_EQ(*c.find_plural("a", 0), "y");
    EXPECT_EQ(*c.find_plural("a", 7), "y");
  }
}

TEST(MoCatalogue, RefusesDamagedFilesWhole) {
  MoCatalogue c;
  std::string why;
  // Every cut of a good file loses at least the last string's end: refused, with a reason, and
  // nothing of it kept.
  for (std::size_t n = 0; n < words.size(); ++n) {
    EXPECT_FALSE(c.parse(words.substr(0, n), &why)) << n;
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(c.size(), 0u);
  }
  std::string bad = words;
  bad[0] = 'X';
  EXPECT_FALSE(c.parse(bad, &why));
  bad = words;
  bad[12] = char(0xF0);  // the originals' table points far past the end
  EXPECT_FALSE(c.parse(bad, &why));
  EXPECT_FALSE(c.parse(mo_file({{"a", "b"}}, "Content-Type: text/plain; charset=EUC-JP\n"), &why));
  EXPECT_FALSE(c.parse(mo_file({{"a", "\xff\xfe"}}), &why)) << "a translation that is not UTF-8";
  EXPECT_FALSE(c.parse(mo_file({{"a", "b"}}, "Plural-Forms: nplurals=2; plural=(n>1;\n"), &why));
  EXPECT_TRUE(c.parse(words, &why)) << why;
  EXPECT_EQ(c.size(), 6u) << "the header is not a text";
}

TEST(PluralRule, EvaluatesTheRulesTranslatorsWrite) {
  PluralRule slavic;
  ASSERT_TRUE(slavic.compile(
      "n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2", nullptr));
  const unsigned long expect[][2] = {{1, 0},  {2, 1},  {4, 1},  {5, 2},   {11, 2}, {12, 2},
                                     {21, 0}, {22, 1}, {25, 2}, {111, 2}, {0, 2}};
  for (const auto& e : expect) EXPECT_EQ(slavic.evaluate(e[0]), e[1]) << e[0];
  PluralRule r;
  ASSERT_TRUE(r.compile("(n != 1)", nullptr));
  EXPECT_EQ(r.evaluate(1), 0u);
  EXPECT_EQ(r.evaluate(2), 1u);
  ASSERT_TRUE(r.compile("n / 0 + n % 0 + !n", nullptr));
  EXPECT_EQ(r.evaluate(5), 0u) << "division by zero answers 0, never traps";
  std::string why;
  for (const char* broken : {"", "n +", "(n", "n ? 1", "x", "n <> 1", "99999999999"})
    EXPECT_FALSE(r.compile(broken, &why)) << broken;
  EXPECT_FALSE(r.compile(std::string(5000, '(') + "n" + std::string(5000, ')'), &why))
      << "a rule nesting deeper than any language needs";
  EXPECT_FALSE(r.compile(std::string(5000, '!') + "n", &why));
}

TEST(Language, ChosenByOptionThenSettingsThenEnvironment) {
  static const char* env[][2] = {{"LANGUAGE", "fr_CA:de"},
                                 {"LC_ALL", ""},
                                 {"LC_MESSAGES", "en_GB.UTF-8@euro"},
                                 {"LANG", "it_IT.UTF-8"}};
  auto getenv_from = [](const char* name) -> const char* {
    for (const auto& e : env)
      if (std::string(name) == e[0]) return e[1];
    return nullptr;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(language_candidates({"en", "de"}, getenv_from), V{"en"});
  EXPECT_EQ(language_candidates({"", "pt_BR"}, getenv_from), (V{"pt_BR", "pt"}));
  // LANGUAGE's list first, then the locale: LC_ALL (empty: unset), LC_MESSAGES; LANG is not read
  // once LC_MESSAGES names the locale.
  EXPECT_EQ(language_candidates({}, getenv_from), (V{"fr_CA", "fr", "de", "en_GB", "en"}));
  EXPECT_EQ(language_candidates({},
                                [](const char* n) -> const char* {
                                  return std::string(n) == "LANG" ? "C.UTF-8" : nullptr;
                                }),
            V{})
      << "the C locale asks for no language";
  EXPECT_EQ(language_candidates({},
                                [](const char* n) -> const char* {
                                  return std::string(n) == "LANGUAGE" ? "../../etc:en" : nullptr;
                                }),
            V{"en"})
      << "nothing that could leave the catalogue folder is taken";
  EXPECT_TRUE(is_source_language("ja_JP"));
  EXPECT_FALSE(is_language_code("en/../x"));
  EXPECT_FALSE(is_language_code(".."));
}

TEST(Language, StartsWithTheFirstCatalogueThatCanBeReadElseJapanese) {
  japanese_after reset;
  test_support::scratch_dir d("i18n");
  auto put = [&](const std::string& lang, const std::string& bytes) {
    std::filesystem::create_directories(d.dir + "/" + lang + "/LC_MESSAGES");
    std::ofstream(d.dir + "/" + lang + "/LC_MESSAGES/florinet.mo", std::ios::binary) << bytes;
  };
  put("en", words);
  put("de", words.substr(0, 40));  // damaged

  LanguageResult r = start_language({"de", "en"}, {d.dir + "/none", d.dir}, "florinet");
  EXPECT_EQ(r.language, "en");
  EXPECT_EQ(current_language(), "en");
  EXPECT_EQ(tr("Start"), "Begin");

  r = start_language({"de"}, {d.dir}, "florinet");
  EXPECT_EQ(r.language, "");
  EXPECT_NE(r.warning.find("damaged"), std::string::npos) << r.warning;
  EXPECT_EQ(tr("Start"), "Start");
  EXPECT_FALSE(breaks_at_blanks());

  r = start_language({"ja", "en"}, {d.dir}, "florinet");
  EXPECT_EQ(r.language, "");
  EXPECT_TRUE(r.warning.empty()) << "Japanese is the game's own: no catalogue needed";
  r = start_language({"sv"}, {d.dir}, "florinet");
  EXPECT_NE(r.warning.find("sv"), std::string::npos);
}

TEST(Lookup, TranslatesFormatsAndFallsBackToTheGamesOwnText) {
  japanese_after reset;
  // The Japanese game: the literal's own bytes.
  EXPECT_EQ(TR("包む"), to_sjis("包む"));
  EXPECT_EQ(TRN("総数 %d品", "総数 %d品", 3), to_sjis("総数 %d品"));

  MoCatalogue c;
  ASSERT_TRUE(c.parse(words, nullptr));
  EXPECT_EQ(use_catalogue(std::move(c), "en"), 0);
  EXPECT_TRUE(breaks_at_blanks());
  EXPECT_EQ(TR("包む"), "Wrap") << "a call site looks up again when the language changes";
  EXPECT_EQ(TRC("caption", "次"), "Next");
  EXPECT_EQ(tr("次"), to_sjis("次")) << "no translation without the context";
  EXPECT_EQ(tr("untranslated"), "untranslated") << "an empty translation is none";
  EXPECT_EQ(format(TRN("総数 %d品", "総数 %d品", 1), {1}), "1 item");
  EXPECT_EQ(format(TRN("総数 %d品", "総数 %d品", 12), {12}), "12 items");
  EXPECT_EQ(TRF("値段:\\ %d円", 40), "Price: \\40") << "the yen sign is the code page's own";

  // Parts in the order the text names them; what has no part writes nothing.
  EXPECT_EQ(format("%2$s %1$d%% %s", {7, "a", "b"}), "a 7% 7");
  EXPECT_EQ(format("%s and %s", {"one"}), "one and ");
  EXPECT_EQ(format("100% sure %", {}), "100% sure %");

  // A translation the game cannot show stays Japanese, and the catalogue says how many.
  ASSERT_TRUE(c.parse(mo_file({{"包む", "Empaqueter ✓"}}), nullptr));
  EXPECT_EQ(use_catalogue(std::move(c), "fr"), 1);
  EXPECT_EQ(TR("包む"), to_sjis("包む"));
}

TEST(Lookup, BreaksTranslatedLinesBetweenWords) {
  auto cut = [](std::string_view t, std::size_t limit) {
    const blank_cut c = break_at_blank(t, limit);
    return std::string(t.substr(0, c.length)) + "|" + std::string(t.substr(c.next));
  };
  EXPECT_EQ(cut("a pair of socks", 15), "a pair of socks|") << "exactly at the limit: whole";
  EXPECT_EQ(cut("a pair of socks", 14), "a pair of|socks");
  EXPECT_EQ(cut("a pair of  socks", 11), "a pair of|socks") << "no blank hangs at either end";
  EXPECT_EQ(cut("a pair of socks", 10), "a pair of|socks") << "a blank right at the limit";
  EXPECT_EQ(cut("Supercalifragilistic day", 8), "Supercal|ifragilistic day")
      << "a word longer than the line is cut where the line ends";
}
