// The story table against the cast: a visitor leaves under the name the game gives them
// everywhere else, spelt the same.
#include "customers/story_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "customers/roster_rows.h"
#include "customers/story_scripts.h"

namespace game {
namespace {

TEST(StoryTable, EveryVisitorLeavesUnderTheirOwnName) {
  std::set<std::string> cast;
  std::map<std::string, std::string> face;  // a customer's picture -> their name
  for (const rows::man_row& m : rows::cast()) {
    cast.insert(m.name);
    face[m.pic] = m.name;
  }
  const std::string gone = "去っていった....";
  for (const story_row& r : story_table()) {
    SCOPED_TRACE("slot " + std::to_string(r.slot));
    const std::string first = leaving_line(r, 1);
    const auto cut = first.rfind("は" + gone);
    ASSERT_NE(cut, std::string::npos) << first;
    const std::string name = first.substr(0, cut);

    // Every later stage sends the same visitor away, however they go.
    for (int stage = 2; stage <= r.stages; ++stage) {
      const std::string line = leaving_line(r, stage);
      EXPECT_EQ(line.rfind(name + "は", 0), 0u) << line;
      EXPECT_TRUE(line.ends_with(gone)) << line;
    }

    // A visitor who shows a customer's face leaves under that customer's name.
    bool says_own_name = false;
    for (int stage = 1; stage <= r.stages; ++stage) {
      const story_stage st = story_script(r.slot, stage);
      for (int i = 0; i < st.count; ++i) {
        const story_step& step = st.steps[i];
        if (step.kind == story_step::picture && face.count(step.text)) {
          EXPECT_EQ(name, face[step.text]) << step.text;
        }
        if (step.kind == story_step::say && std::string(step.text).find(name) != std::string::npos)
          says_own_name = true;
      }
    }

    // The name is the roster's. Two visitors never shop under their own names: the landlord,
    // and Love7's manager, whom the roster knows only in her disguise; they name themselves
    // in their scenes instead.
    if (name == "乱造" || name == "わたっ娘") {
      EXPECT_TRUE(says_own_name) << name;
    } else {
      EXPECT_TRUE(cast.count(name)) << name << " is nobody in the roster";
    }
  }
}

}  // namespace
}  // namespace game
