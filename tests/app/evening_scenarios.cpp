// A new player's first evening through florinet-headless: Start, the difficulty, the evening
// shop's buying and stocking with the mouse, wheel and keys, and the close that opens day 1.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/driver_session.h"

namespace {

using driver_test::clicks;
using driver_test::entry;
using driver_test::field;
using driver_test::program_folder;
using driver_test::starting;

constexpr int seed = 23;

std::string text(const std::string& json, const std::string& name) {
  std::smatch m;
  if (!std::regex_search(json, m, std::regex("\"" + name + "\":\"([^\"]*)\""))) return "?";
  return m[1];
}
std::vector<std::string> panel_lines(const std::string& panel) {
  std::smatch m;
  std::vector<std::string> out;
  if (!std::regex_search(panel, m, std::regex("\"lines\":\\[([^\\]]*)\\]"))) return out;
  const std::string body = m[1];
  const std::regex item("\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(body.begin(), body.end(), item); it != std::sregex_iterator();
       ++it)
    out.push_back((*it)[1]);
  return out;
}
// A catalogue entry's number and price, found by its name in the `catalogue` answer.
std::pair<int, int> catalogue_entry(const std::string& catalogue, const std::string& name) {
  std::smatch m;
  const std::regex re("\"([0-9]+)\":\\{\"pic\":\"[^\"]*\",\"name\":\"" + name +
                      "\",\"info\":\"[^\"]*\",\"price\":([0-9]+)");
  if (!std::regex_search(catalogue, m, re)) return {-1, -1};
  return {std::stoi(m[1]), std::stoi(m[2])};
}

// Past the start screens, Start, the owner's introduction, the easiest mode (1000 yen) and the
// owner's send-off: the item panel opens on the evening's offers.
const std::string to_evening =
    "click 100 100\nclick 100 100\ntick 8\nbutton 3\n" + clicks(7) + "button 1\n" + clicks(3);

TEST(EveningScenario, AFirstEveningBuysStocksSellsOutAndClosesIntoDayOne) {
  // The same seed draws the same offers: a first run reads them, the second plays the evening.
  int first_seal = -1;
  std::string seal_name;
  {
    program_folder look(seed);
    const auto offers = panel_lines(starting(look.play(to_evening + "panel\n"), "{\"visible")[0]);
    for (int i = 0; i + 1 < int(offers.size()); ++i)
      if (offers[std::size_t(i)] == "   ――――――――――") first_seal = i + 1;
    ASSERT_GT(first_seal, 4) << "the evening offers at least one seal";
    seal_name = offers[std::size_t(first_seal)].substr(3);
  }
  program_folder r(seed);
  std::string script = to_evening + "catalogue\npanel\nstate\n";
  // Buy: the small bag twice (a click on the action button, then its driver command); three
  // keys down; the tiny bag ten times in a row, until it may sell out.
  script +=
      "panel select 小さな袋\nclick 100 220\npanel action\npanel\n"
      "key down\nkey down\nkey down\npanel\n";
  script += "panel select #" + std::to_string(first_seal) + "\npanel action\n";
  script += "panel select #0\n";
  for (int i = 0; i < 10; ++i) script += "panel action\n";
  script += "panel\nstate\n";
  // Stock: the heart key ring once, through the mode switch and a click on the action button.
  script += "panel mode\npanel select ハートのキーホルダ\nclick 60 220\npanel\nstate\n";
  // Close: day 0's evening opens day 1.
  script += "panel close\n" + clicks(6) + "tick 30\npanel\nstate\nmenu\n";
  const auto out = r.play(script);

  const auto panels = starting(out, "{\"visible\"");
  const auto catalogues = starting(out, "{\"item\"");
  std::vector<std::string> states;
  for (const auto& l : starting(out, "{\""))
    if (l.find("\"stage_mode\"") != std::string::npos) states.push_back(l);
  ASSERT_EQ(panels.size(), 6u);
  ASSERT_EQ(states.size(), 4u);
  ASSERT_EQ(catalogues.size(), 1u);
  EXPECT_TRUE(starting(out, "error:").empty()) << starting(out, "error:")[0];

  // The evening opens in the buy mode with 1000 yen: the four plain bags first, the separator,
  // the seals after it.
  const std::string& opened = panels[0];
  EXPECT_EQ(text(opened, "mode"), "買う");
  EXPECT_EQ(text(opened, "money"), "1000円");
  EXPECT_EQ(text(opened, "totals"), "チール総数: 0枚 / 在庫総数: 0個");
  const auto offers = panel_lines(opened);
  ASSERT_GE(offers.size(), 6u);
  EXPECT_EQ(offers[0], "   ちっちゃな袋");
  EXPECT_EQ(offers[1], "   小さな袋");
  EXPECT_EQ(offers[std::size_t(first_seal - 1)], "   ――――――――――");
  EXPECT_EQ(field(states[0], "money"), 1000);
  EXPECT_EQ(field(states[0], "day"), 0);

  // Two small bags at their price; three keys down from the small bag.
  const auto tiny = catalogue_entry(catalogues[0], "ちっちゃな袋");
  const auto small = catalogue_entry(catalogues[0], "小さな袋");
  ASSERT_EQ(small.first, 201);
  EXPECT_EQ(panel_lines(panels[1])[1], " 2 小さな袋");
  EXPECT_EQ(text(panels[1], "money"), std::to_string(1000 - 2 * small.second) + "円");
  EXPECT_EQ(field(panels[2], "selected"), 4);

  // The tiny bag bought until it sold out or ten times: every unit paid at its price, a sold-out
  // line only from the eighth unit on, nothing bought after it.
  const int tiny_units = entry(states[1], "stock", tiny.first);
  EXPECT_GE(tiny_units, 8);
  EXPECT_LE(tiny_units, 10);
  const std::string tiny_line = panel_lines(panels[3])[0];
  if (tiny_units < 10)
    EXPECT_EQ(tiny_line, "    ―sold out―");
  else
    EXPECT_TRUE(tiny_line == "10 ちっちゃな袋" || tiny_line == "    ―sold out―") << tiny_line;
  // The seal, once, at its price.
  const auto seal = catalogue_entry(catalogues[0], seal_name);
  ASSERT_GT(seal.first, 0) << seal_name;
  EXPECT_EQ(entry(states[1], "stock", seal.first), 1);
  EXPECT_EQ(text(panels[3], "totals"), "チール総数: 1枚 / 在庫総数: 0個");
  const int after_buying = 1000 - 2 * small.second - seal.second - tiny_units * tiny.second;
  EXPECT_EQ(field(states[1], "money"), after_buying);
  EXPECT_EQ(text(panels[3], "money"), std::to_string(after_buying) + "円");

  // Stocking: the heart key ring bought at its wholesale price.
  const auto heart = catalogue_entry(catalogues[0], "ハートのキーホルダ");
  const std::string& stocked = panels[4];
  EXPECT_EQ(text(stocked, "mode"), "仕入れる");
  EXPECT_EQ(entry(states[2], "stock", heart.first), 1);
  EXPECT_EQ(field(states[2], "money"), after_buying - heart.second);
  EXPECT_EQ(text(stocked, "money"), std::to_string(after_buying - heart.second) + "円");
  EXPECT_EQ(text(stocked, "totals"), "チール総数: 1枚 / 在庫総数: 1個");

  // Closing the first evening: the music stops and day 1 opens with "次", the purchases kept.
  EXPECT_EQ(panels[5].rfind("{\"visible\":false", 0), 0u);
  EXPECT_FALSE(starting(out, "music not").empty());
  EXPECT_EQ(field(states[3], "day"), 1);
  EXPECT_EQ(field(states[3], "money"), after_buying - heart.second);
  EXPECT_EQ(entry(states[3], "stock", tiny.first), tiny_units);
  EXPECT_EQ(starting(out, "[\"").back(), "[\"\",\"\",\"次\"]");
}

}  // namespace
