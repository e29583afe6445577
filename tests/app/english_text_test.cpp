// The English game's texts, walked through the rules that show them: every translated line put
// through the log's own breaking fits the picture in at most two entries; names are as distinct as
// the Japanese ones (captions, list lines and customers are told apart by their text) and fit the
// evening list, the item card and the detail box; the captions and the panels' words fit their
// places. Texts a catalogue leaves untranslated are passed over here (a translator checks a part
// with FLORINET_TEST_LOCALE_DIR naming a locale folder of their own); EveryTextIsPlainEnglish
// holds the project's catalogue to translating all of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "customers/roster.h"
#include "goods/catalogue.h"
#include "goods/item_panel.h"
#include "platform/i18n.h"
#include "scenario/dispatch.h"
#include "shell/menu.h"
#include "shell/message.h"
#include "shell/status_panel.h"

namespace {

using plat::sjis;

std::string locale_dir() {
  const char* d = std::getenv("FLORINET_TEST_LOCALE_DIR");
  return d && *d ? d : std::string(FLORINET_GAME_DIR) + "/locale";
}
std::string mo_path() {
  return locale_dir() + "/en/LC_MESSAGES/florinet.mo";
}

int width(std::string_view t, const plat::TextStyle& st) {
  return plat::Canvas::text_width(t, st);
}
// A translated text: plain ASCII (an untranslated one is Japanese and is someone else's check).
bool english(std::string_view t) {
  return !t.empty() && plat::is_ascii(t);
}

class EnglishText : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const plat::LanguageResult r = plat::start_language({"en"}, {locale_dir()}, "florinet");
    ASSERT_EQ(r.language, "en") << r.warning;
    game::build_catalogue_at(9);
    game::build_roster();
  }
  static void TearDownTestSuite() { plat::use_catalogue(plat::MoCatalogue(), ""); }

  // Every translated form of the catalogue, in the game's bytes.
  static std::vector<sjis> forms() {
    std::ifstream in(mo_path(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    plat::MoCatalogue c;
    EXPECT_TRUE(c.parse(ss.str(), nullptr));
    std::vector<sjis> out;
    c.each_form([&](const std::string&, const std::string& f) {
      bool ok = true;
      const sjis s = plat::to_sjis(yen_to_game(f), &ok);
      if (!f.empty() && ok) out.push_back(s);
    });
    return out;
  }
  // The yen sign of a translation is written "¥" in the catalogue.
  // (Copied byte by byte: GCC 12 at -O3 takes the in-place replace of two bytes by one for an
  // overlapping copy and warns, which breaks the Release build with warnings as errors.)
  static std::string yen_to_game(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s.compare(i, 2, "\xC2\xA5") == 0) {
        out += '\\';
        ++i;
      } else {
        out += s[i];
      }
    }
    return out;
  }
};

TEST_F(EnglishText, EveryTextIsPlainEnglish) {
  std::ifstream in(mo_path(), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  plat::MoCatalogue c;
  ASSERT_TRUE(c.parse(ss.str(), nullptr));
  std::vector<std::string> japanese;
  c.each_form([&](const std::string& key, const std::string& f) {
    // The tilde's byte is drawn as an overline by the game's Japanese font.
    if (!plat::is_ascii(yen_to_game(f)) || f.find('~') != std::string::npos)
      japanese.push_back(key + " -> " + f);
  });
  EXPECT_TRUE(japanese.empty()) << japanese.size() << " forms are not plain ASCII, e.g. "
                                << japanese.front();
  // What the player reads of the tables: every name and description.
  int tables = 0;
  for (const game::titem& t : game::item)
    if (!t.name.empty()) tables += !plat::is_ascii(t.name) + !plat::is_ascii(t.info);
  for (const game::tman& m : game::man) tables += !plat::is_ascii(m.name);
  EXPECT_EQ(tables, 0) << "names and descriptions of the catalogue and the roster in Japanese";
}

TEST_F(EnglishText, EveryLineFitsTheLogInAtMostTwoEntries) {
  // The parts a line may hold at their widest: the widest name of a customer, goods or design,
  // and a five-digit number.
  const plat::TextStyle log = game::log_text_style();
  sjis widest = "Wwwwwwwwwwww";
  auto consider = [&](const sjis& n) {
    if (english(n) && width(n, log) > width(widest, log)) widest = n;
  };
  for (const game::titem& t : game::item) consider(t.name);
  for (const game::tman& m : game::man) consider(m.name);
  for (const game::titem& t : game::tirasi) consider(t.name);

  std::vector<std::string> over;
  for (const sjis& form : forms()) {
    // The item panel's details (lines broken with "\r") are shown in the panel, not the log.
    if (!english(form) || form.find('\r') != sjis::npos) continue;
    const sjis line = plat::format(form, {widest, 88888, 88888, 88888});
    const game::log_split s = game::split_log_text(line, true);
    for (int i = 0; i < s.count; ++i)
      if (width(s.entry[std::size_t(i)], log) > game::log_line_room) {
        over.push_back(form);
        break;
      }
  }
  EXPECT_TRUE(over.empty()) << over.size() << " lines run off the picture in two log entries "
                            << "(with the widest name, \"" << widest << "\"), e.g.:\n"
                            << (over.empty() ? "" : over.front());
  for (const std::string& o : over) ADD_FAILURE() << o;
}

TEST_F(EnglishText, NamesAreDistinctAndFitTheEveningList) {
  const plat::TextStyle list = game::list_text_style();
  std::map<sjis, int> lines;  // a list line and the entry it resolves to
  for (int id = 0; id < game::item_count; ++id) {
    const sjis& n = game::item[std::size_t(id)].name;
    if (n.empty() || id == game::sold_out_wrapping) continue;
    EXPECT_TRUE(lines.emplace(n, id).second) << "two entries named \"" << n << "\"";
    if (english(n)) {
      EXPECT_LE(width("   " + n, list), game::list_text_room) << n;
    }
  }
  for (int d = 0; d < game::flyer_count; ++d) {
    const sjis& n = game::tirasi[std::size_t(d)].name;
    if (!english(n)) continue;
    const sjis line = TRF("%sチラシ", n);
    EXPECT_TRUE(lines.emplace(line, 1000 + d).second) << line;
    EXPECT_LE(width(line, list), game::list_text_room) << line;
    EXPECT_LE(width(TRF("%sショップ", n), game::panel_text_style(8)), game::left_line_room)
        << n << ": the shop's image on the status panel";
  }
  EXPECT_EQ(lines.count(TR("   ――――――――――")), 0u) << "the separator reads like no entry";
  std::set<sjis> people;
  for (const game::tman& m : game::man)
    if (!m.name.empty()) {
      EXPECT_TRUE(people.insert(m.name).second) << m.name;
    }
  // The captions the dispatcher tells apart.
  std::set<sjis> captions;
  for (int i = 0; i < game::dispatch_caption_count(); ++i) {
    const sjis& c = game::dispatch_caption(i);
    EXPECT_TRUE(captions.insert(c).second) << "two captions read \"" << c << "\"";
    if (english(c)) {
      EXPECT_LE(width(c, game::caption_style(0)), game::caption_room) << c;
    }
  }
}

TEST_F(EnglishText, DescriptionsFitTheCardAndTheDetailBox) {
  const plat::TextStyle name_style = game::panel_text_style(9), desc = game::panel_text_style(8);
  for (int id = 0; id < game::item_count; ++id) {
    const game::titem& t = game::item[std::size_t(id)];
    if (t.name.empty() || !english(t.name) || !english(t.info)) continue;
    EXPECT_LE(width(t.name, name_style), game::card_room) << t.name << ": its card";
    std::array<std::string_view, 3> l;
    const int n = game::description_lines(t.info, l);
    for (int i = 0; i < n; ++i)
      EXPECT_LE(width(l[std::size_t(i)], desc), game::card_room) << t.name << ": " << t.info;
    // The evening panel's details, with the largest count and price the panel shows.
    EXPECT_TRUE(game::detail_text_fits(
        plat::format(TR("%s\r(所持: %d個)\r\r%s\r\r値段:\\ %d円"), {t.name, 999, t.info, 99999})))
        << t.name << ": " << t.info;
    EXPECT_TRUE(game::detail_text_fits(
        plat::format(TR("%s\r(在庫: %d個)\r\r%s\r\r卸値:\\ %d円"), {t.name, 999, t.info, 99999})))
        << t.name;
  }
  for (const game::titem& d : game::tirasi) {
    if (d.name.empty() || !english(d.info)) continue;
    const sjis effect = TRF("%sショップとして認知されているよ☆", d.name);
    EXPECT_TRUE(game::detail_text_fits(
        TRF("<チラシ>\r%sチラシ\r\r%s\r\r印刷費:\\ %d円\r\r<現在のチラシ効果>\r%s", d.name, d.info,
            99999, effect)))
        << d.name << ": " << d.info;
  }
}

TEST_F(EnglishText, PanelWordsFitTheirPlaces) {
  const plat::TextStyle gauge = game::panel_text_style(7), small = game::panel_text_style(8);
  for (const sjis& label : {TR("ラブリー "), TR("　ふまん "), TR("クレーム ")})
    if (english(label)) {
      EXPECT_LE(width(label, gauge), game::gauge_label_room) << label;
    }
  const sjis day = TRF("オープンから %d日目", 9999);
  if (english(day)) {
    EXPECT_LE(width(day, small), game::left_line_room) << day;
  }
  const sjis hours = TR("閉店まで ") + "12" + TRN(" 時間", " 時間", 12);
  if (english(hours)) {
    EXPECT_LE(width(hours, small) + 8, game::left_line_room) << hours << " (the number is larger)";
  }
  const plat::TextStyle big = game::panel_text_style(15);
  for (const auto& [label, unit] :
       {std::pair{TR("売り上げ \\ "), TR(" 円")}, std::pair{TR("売り上げノルマ "), TR(" ％")},
        std::pair{TR("客の満足度 "), TR(" ％")}})
    if (english(label)) {
      EXPECT_LE(width(label, small) + width("100", big) + width(unit, small), game::right_line_room)
          << label;
    }
  // The item panel's buttons and lines (9 pt bold): the action caption in its 97 px, the close
  // button's word in 65, the money and totals lines in the panel's 213.
  const plat::TextStyle nine = game::panel_text_style(9);
  for (const sjis& b : {TR("買う"), TR("仕入れる"), TR("印刷"), TR("使う"), TR("仕入れモード"),
                        TR("袋チールモード")})
    if (english(b)) {
      EXPECT_LE(width(b, nine), 97) << b;
    }
  if (english(TR("閉じる"))) {
    EXPECT_LE(width(TR("閉じる"), nine), 65);
  }
  const sjis totals = TRF("チール総数: %d枚 / 在庫総数: %d個", 9999, 9999);
  if (english(totals)) {
    EXPECT_LE(width(totals, nine), 213) << totals;
  }
  // The third button's two wrapping captions leave room for the right-press hint beside them.
  for (const sjis& c : {TR("包む"), TR("【Ex】包装")})
    if (english(c)) {
      EXPECT_LE(width(c, game::caption_style(0)), 75) << c;
    }
}

}  // namespace
