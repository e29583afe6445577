// The headless driver's `catalogue` and `roster` answers after a real start-up: they print the
// tables exactly as built, and the save seal is priced by the clerk level read from my.dat.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "customers/roster.h"
#include "customers/story_table.h"
#include "goods/catalogue.h"
#include "goods/json_mini.h"
#include "shell/state.h"

namespace game {
namespace {

namespace fs = std::filesystem;

constexpr int my_dat_lines = 2259;
constexpr int clerk_lv_line = 1205;
constexpr int save_marker_line = 1207;
constexpr int flyer_kind_line = 2252;

// A program folder holding nothing but dat/ (and my.dat when a clerk level is given).
class bare_folder {
 public:
  bare_folder() {
    char tmpl[] = "/tmp/florinet-dumps-XXXXXX";
    root_ = ::mkdtemp(tmpl);
    fs::create_directory(fs::path(root_) / "dat");
  }
  ~bare_folder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  void write_my_dat(int clerk_lv) const {
    std::vector<int> v(my_dat_lines, 0);
    v[clerk_lv_line - 1] = clerk_lv;
    v[save_marker_line - 1] = 1;
    v[flyer_kind_line - 1] = -1;
    std::ofstream out(root_ + "/dat/my.dat", std::ios::binary);
    for (int x : v) out << x << "\r\n";
  }
  // Runs the driver on `script`; answers its standard output, line by line.
  std::vector<std::string> run(const std::string& script) const {
    {
      std::ofstream out(root_ + "/script.txt", std::ios::binary);
      out << script;
    }
    const std::string cmd = std::string("'") + FLORINET_GAME_DIR + "/florinet-headless' --root '" +
                            root_ + "' --script '" + root_ + "/script.txt' 2>/dev/null";
    std::vector<std::string> lines;
    std::FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return lines;
    std::string out;
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    status_ = ::pclose(p);
    for (std::size_t pos = 0; pos < out.size();) {
      std::size_t nl = out.find('\n', pos);
      if (nl == std::string::npos) nl = out.size();
      lines.push_back(out.substr(pos, nl - pos));
      pos = nl + 1;
    }
    return lines;
  }
  int status() const { return status_; }

 private:
  std::string root_;
  mutable int status_ = -1;
};

TEST(DriverDumps, PrintTheTablesAsBuiltAtTheLoadedClerkLevel) {
  for (int lv : {0, 9}) {
    SCOPED_TRACE(lv);
    bare_folder folder;
    if (lv) folder.write_my_dat(lv);
    const std::vector<std::string> out = folder.run("catalogue\nroster\n");
    ASSERT_EQ(folder.status(), 0);
    ASSERT_EQ(out.size(), 2u);

    gs = game_state{};
    build_catalogue_at(lv);
    build_roster();
    // Compared whole, but reported briefly: the dumps are a hundred kilobytes.
    EXPECT_TRUE(out[0] == catalogue_json()) << "the catalogue dump differs from the built tables";
    EXPECT_TRUE(out[1] == roster_json()) << "the roster dump differs from the built roster";

    jsonmini::value doc;
    ASSERT_TRUE(jsonmini::parse(out[0], doc));
    EXPECT_EQ(doc["item"]["506"]["price"].num, lv * 5 + 30);  // 30 yen at level 0, 75 at 9
    EXPECT_EQ(doc["item"]["506"]["name"].str, "西部チール");
    jsonmini::value cast;
    ASSERT_TRUE(jsonmini::parse(out[1], cast));
    EXPECT_EQ(cast.members.size(), 40u);
  }
}

}  // namespace
}  // namespace game

namespace game {
namespace {

TEST(DriverDumps, StoriesPrintTheTableWithTheScenesAsPlayed) {
  bare_folder folder;
  const std::vector<std::string> out = folder.run("stories\n");
  ASSERT_EQ(folder.status(), 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_TRUE(out[0] == stories_json());
  jsonmini::value doc;
  ASSERT_TRUE(jsonmini::parse(out[0], doc));
  EXPECT_EQ(doc.members.size(), 38u);
  EXPECT_EQ(doc["46"]["chance"].num, 30);
  EXPECT_EQ(doc["46"]["gift"].num, 0);
  EXPECT_EQ(doc["18"]["leaving"].items[1].str, "ムンは去っていった....");
  EXPECT_EQ(doc["18"]["leaving"].items[2].str, "ムンは寂しそうに去っていった....");
  EXPECT_EQ(doc["8"]["lines"].items[2].items.size(), 5u);
}

}  // namespace
}  // namespace game
