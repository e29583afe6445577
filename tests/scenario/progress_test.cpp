// The progress file my.dat and the name file: line order, round trips, damaged and missing files,
// and saves that fail half-way.
#include "scenario/progress.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "scenario_test_util.h"
#include "shell/form.h"
#include "shell/state.h"

namespace game {
namespace {

using scenario_test::file_exists;
using scenario_test::read_all;
using scenario_test::scratch_folder;
using scenario_test::write_all;

// Every saved field by name, each with its own value (some negative), independent of the
// reader's field list.
void fill_saved(game_state& s) {
  int v = 1;
  auto next = [&v] {
    v += 7;
    return (v % 3 == 0) ? -v : v;
  };
  for (int i = 0; i < 100; ++i) s.progress[i] = next();
  s.progress[105] = next();
  s.progress[106] = next();
  for (int& x : s.stock) x = next();
  for (int& x : s.collected) x = next();
  for (int& x : s.man_fond) x = next();
  for (int& x : s.sales_history) x = next();
  for (int& x : s.satisfaction_history) x = next();
  s.mode = next();
  s.money = -1000000000;  // the edge of the counts the game steps
  s.clerk_lv = 12;
  s.day = next();
  s.lovely = next();
  s.award_count = 98;
  s.bad_service = next();
  s.poor_stock = next();
  s.play_count = next();
  s.best_sales = INT_MIN;  // a record, never stepped: anything 32 bits hold
  s.flyer_used = next();
  s.flyer_kind = -1;
  s.shop_image = 9;
  s.image_days = next();
  s.save_marker = next();
  s.spare_counter = next();
  s.draw_speed = next();
}

// Line n (1-based) of a test file holds n, or -n on odd lines; the four lines whose values have a
// range hold values at its edges.
int line_value(int n) {
  switch (n) {
    case 1205:
      return 1205;  // clerk level, 0..9999
    case 2252:
      return -1;  // flyer design, -1..99
    case 2253:
      return 11;  // shop image, 0..99
    case 2256:
      return 99;  // award count, 0..99
    default:
      return n % 2 ? -n : n;
  }
}
std::string numbered_file() {
  std::string t;
  for (int n = 1; n <= progress_lines; ++n) t += std::to_string(line_value(n)) + "\r\n";
  return t;
}

class ProgressFile : public ::testing::Test {
 protected:
  void SetUp() override { gs = game_state{}; }
  scratch_folder folder;
};

TEST_F(ProgressFile, EverySavedFieldSurvivesASaveAndALoad) {
  fill_saved(gs);
  for (int i = 100; i <= 104; ++i) gs.progress[i] = 55;  // never saved
  gs.hours_left = 3;                                     // a working-day value, never saved
  ASSERT_TRUE(save_progress_to(folder.dir()));

  game_state expected{};
  fill_saved(expected);

  gs = game_state{};
  load_progress_from(folder.dir());
  EXPECT_EQ(state_json(gs), state_json(expected));
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_EQ(gs.money, -1000000000);
  EXPECT_EQ(gs.best_sales, INT_MIN);
}

TEST_F(ProgressFile, ACountSteppedPastTheFilesBoundIsSavedAtItAndReadsBack) {
  // A file may hold counts up to a thousand million either way; what was gained or lost since
  // is held at that edge by the save, which therefore always loads again.
  gs.stock[130] = 1000000001;
  gs.play_count = INT_MAX;
  gs.money = -1000000005;
  gs.best_sales = INT_MAX;  // a record, not a count the game steps: kept as it is
  ASSERT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(gs.stock[130], 1000000000) << "the state saved is the state in the file";
  gs = game_state{};
  load_progress_from(folder.dir());
  ASSERT_TRUE(file_exists(folder.dat("my.dat"))) << "not moved aside as damaged";
  EXPECT_EQ(gs.stock[130], 1000000000);
  EXPECT_EQ(gs.play_count, 1000000000);
  EXPECT_EQ(gs.money, -1000000000);
  EXPECT_EQ(gs.best_sales, INT_MAX);
}

TEST_F(ProgressFile, ReadsEachFieldFromItsOwnLine) {
  write_all(folder.dat("my.dat"), numbered_file());
  load_progress_from(folder.dir());
  EXPECT_EQ(gs.progress[0], line_value(1));
  EXPECT_EQ(gs.progress[99], line_value(100));
  EXPECT_EQ(gs.stock[0], line_value(101));
  EXPECT_EQ(gs.stock[999], line_value(1100));
  EXPECT_EQ(gs.man_fond[0], line_value(1101));
  EXPECT_EQ(gs.man_fond[99], line_value(1200));
  EXPECT_EQ(gs.money, line_value(1201));
  EXPECT_EQ(gs.lovely, line_value(1202));
  EXPECT_EQ(gs.bad_service, line_value(1203));
  EXPECT_EQ(gs.poor_stock, line_value(1204));
  EXPECT_EQ(gs.clerk_lv, line_value(1205));
  EXPECT_EQ(gs.day, line_value(1206));
  EXPECT_EQ(gs.save_marker, line_value(1207));
  EXPECT_EQ(gs.play_count, line_value(1208));
  EXPECT_EQ(gs.progress[105], line_value(1209));
  EXPECT_EQ(gs.progress[106], line_value(1210));
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(gs.sales_history[i], line_value(1211 + 2 * i)) << i;
    EXPECT_EQ(gs.satisfaction_history[i], line_value(1212 + 2 * i)) << i;
  }
  EXPECT_EQ(gs.collected[0], line_value(1251));
  EXPECT_EQ(gs.collected[500], line_value(1751));
  EXPECT_EQ(gs.collected[999], line_value(2250));
  EXPECT_EQ(gs.best_sales, line_value(2251));
  EXPECT_EQ(gs.flyer_kind, line_value(2252));
  EXPECT_EQ(gs.shop_image, line_value(2253));
  EXPECT_EQ(gs.flyer_used, line_value(2254));
  EXPECT_EQ(gs.image_days, line_value(2255));
  EXPECT_EQ(gs.award_count, line_value(2256));
  EXPECT_EQ(gs.spare_counter, line_value(2257));
  EXPECT_EQ(gs.draw_speed, line_value(2258));
  EXPECT_EQ(gs.mode, line_value(2259));
  for (int i = 100; i <= 104; ++i)
    EXPECT_EQ(gs.progress[i], 0) << "progress[" << i << "] is not in the file";
}

TEST_F(ProgressFile, WritesTheSameOrderItReads) {
  write_all(folder.dat("my.dat"), numbered_file());
  load_progress_from(folder.dir());
  EXPECT_EQ(progress_text(gs), numbered_file());
}

TEST_F(ProgressFile, WritesPlainDecimalLinesEndedByCrLf) {
  gs.flyer_kind = -1;
  gs.money = 1000;
  gs.stock[7] = -20;
  const std::string text = progress_text(gs);
  int lines = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    const std::string line = text.substr(pos, end - pos);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find_first_not_of("-0123456789"), std::string::npos) << line;
    if (line != "0") {
      const std::size_t first_digit = line[0] == '-' ? 1 : 0;
      EXPECT_NE(line[first_digit], '0') << "no leading zeros: " << line;
    }
    pos = end + 2;
    ++lines;
  }
  EXPECT_EQ(lines, progress_lines);
  EXPECT_NE(text.find("\r\n-20\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n1000\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "no bare line feeds";
}

TEST(ProgressParse, AcceptsWhatAnEditorMightLeaveAndRejectsGarbage) {
  std::array<int, progress_lines> v{};
  std::string ok = numbered_file();
  EXPECT_TRUE(parse_progress(ok, v));
  EXPECT_EQ(v[2258], -2259);

  // Line feeds alone, extra trailing lines and blanks around the numbers are fine.
  std::string lf;
  for (int n = 1; n <= progress_lines; ++n) {
    lf += ' ';
    lf += std::to_string(line_value(n));
    lf += " \n";
  }
  EXPECT_TRUE(parse_progress(lf + "99\nextra\n", v));
  EXPECT_EQ(v[0], -1);
  EXPECT_EQ(v[2258], -2259);
  // The last line may lack its line end.
  EXPECT_TRUE(parse_progress(ok.substr(0, ok.size() - 2), v));
  // The 32-bit extremes are numbers of ours.
  std::string extremes = "-2147483648\r\n2147483647\r\n" + ok.substr(ok.find("\r\n-3\r\n") + 2);
  ASSERT_TRUE(parse_progress(extremes, v));
  EXPECT_EQ(v[0], INT_MIN);
  EXPECT_EQ(v[1], INT_MAX);

  auto with_line = [&](int n, const std::string& text) {
    std::string t;
    for (int i = 1; i <= progress_lines; ++i)
      t += (i == n ? text : std::to_string(line_value(i))) + "\r\n";
    return t;
  };
  std::string why;
  for (const char* bad : {"", "abc", "12x", "1.5", "--3", "-", "2147483648", "-2147483649",
                          "99999999999999999999", "1 2", "0x10"}) {
    EXPECT_FALSE(parse_progress(with_line(1500, bad), v, &why)) << '"' << bad << '"';
    EXPECT_NE(why.find("1500"), std::string::npos) << why;
  }
  // Values the game never reaches in the lines other parts index or divide with.
  const struct {
    int line;
    const char* value;
  } out_of_range[] = {{1205, "-1"},
                      {1205, "10000"},
                      {1205, "2147483647"},
                      {2252, "-2"},
                      {2252, "100"},
                      {2253, "-1"},
                      {2253, "100"},
                      {2256, "-1"},
                      {2256, "100"},
                      // Counts the game steps: one step from these would not fit in 32 bits.
                      {1208, "2147483647"},
                      {1206, "1000000001"},
                      {101, "-1000000001"},
                      {1100, "2000000000"},
                      {1150, "-2147483648"},
                      {1201, "2147483647"},
                      {1202, "-1500000000"},
                      {2254, "1000000001"},
                      {2255, "-1000000001"}};
  for (const auto& o : out_of_range) {
    EXPECT_FALSE(parse_progress(with_line(o.line, o.value), v, &why)) << o.line << " " << o.value;
    EXPECT_NE(why.find(std::to_string(o.line)), std::string::npos) << why;
  }
  EXPECT_TRUE(parse_progress(with_line(2253, "0"), v));
  EXPECT_TRUE(parse_progress(with_line(1205, "0"), v));
  // A hand-edited clerk level far past the ending still reads, and so do counts far past play.
  EXPECT_TRUE(parse_progress(with_line(1205, "9999"), v));
  EXPECT_TRUE(parse_progress(with_line(1208, "1000000000"), v));
  EXPECT_TRUE(parse_progress(with_line(101, "-1000000000"), v));
  // Too short, by one line or entirely.
  std::string short_file = ok.substr(0, ok.rfind("-2259\r\n"));
  EXPECT_FALSE(parse_progress(short_file, v, &why));
  EXPECT_NE(why.find("2258"), std::string::npos) << why;
  EXPECT_FALSE(parse_progress("", v));
}

TEST(ProgressParse, SurvivesRandomDamage) {
  // Bytes flipped, cut out or doubled anywhere: the reader answers yes or no, never more, and a
  // yes holds 2259 values of which the ranged ones are in range.
  const std::string good = numbered_file();
  std::uint32_t seed = 12345;
  auto rnd = [&seed](std::size_t n) {
    seed = seed * 1664525u + 1013904223u;
    return std::size_t(seed >> 8) % n;
  };
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    std::string t = good;
    for (int k = 0, edits = 1 + int(rnd(4)); k < edits; ++k) {
      const std::size_t at = rnd(t.size());
      switch (rnd(3)) {
        case 0:
          t[at] = char(rnd(256));
          break;
        case 1:
          t.erase(at, 1 + rnd(40));
          break;
        default:
          t.insert(at, t.substr(at, 1 + rnd(40)));
          break;
      }
    }
    std::array<int, progress_lines> v{};
    if (!parse_progress(t, v)) continue;
    ++accepted;
    EXPECT_GE(v[1205 - 1], 0);
    EXPECT_LE(v[1205 - 1], 9999);
    EXPECT_GE(v[2252 - 1], -1);
    EXPECT_LE(v[2252 - 1], 99);
    EXPECT_GE(v[2253 - 1], 0);
    EXPECT_LE(v[2256 - 1], 99);
  }
  EXPECT_GT(accepted, 0) << "some edits (a digit for a digit, a doubled tail) stay readable";
}

TEST_F(ProgressFile, ADamagedFileIsKeptAsideAndTheGameStartsAfresh) {
  gs.collected[120] = 1;  // left from anything before the load
  gs.progress[3] = 1;
  gs.mode = 2;
  gs.draw_speed = 1;
  std::string damaged = numbered_file();
  damaged.replace(damaged.find("\r\n2000\r\n") + 2, 4, "20x0");
  write_all(folder.dat("my.dat"), damaged);

  load_progress_from(folder.dir());
  EXPECT_FALSE(file_exists(folder.dat("my.dat")));
  EXPECT_EQ(read_all(folder.dat("my.dat.damaged-1")), damaged) << "kept byte for byte";
  // Nothing of the damaged file was taken in: the state is the full reset.
  EXPECT_EQ(gs.progress[0], 0);
  EXPECT_EQ(gs.progress[3], 0);
  EXPECT_EQ(gs.collected[120], 0);
  EXPECT_EQ(gs.stock[0], 0);
  EXPECT_EQ(gs.save_marker, 1);
  EXPECT_EQ(gs.flyer_kind, -1);
  EXPECT_EQ(gs.mode, 2) << "the full reset keeps the mode";
  EXPECT_EQ(gs.draw_speed, 1);

  // A second damaged file never overwrites the first one kept.
  write_all(folder.dat("my.dat"), "short\r\n");
  load_progress_from(folder.dir());
  EXPECT_EQ(read_all(folder.dat("my.dat.damaged-1")), damaged);
  EXPECT_EQ(read_all(folder.dat("my.dat.damaged-2")), "short\r\n");
}

TEST_F(ProgressFile, ATooShortOrEmptyFileIsDamaged) {
  std::string t = numbered_file();
  write_all(folder.dat("my.dat"), t.substr(0, t.size() / 2));
  load_progress_from(folder.dir());
  EXPECT_TRUE(file_exists(folder.dat("my.dat.damaged-1")));
  EXPECT_EQ(gs.progress[0], 0);
  write_all(folder.dat("my.dat"), "");
  load_progress_from(folder.dir());
  EXPECT_TRUE(file_exists(folder.dat("my.dat.damaged-2")));
}

TEST_F(ProgressFile, AnUnreadableFileIsKeptAsideSoNoSaveReplacesIt) {
  // A link to a place that is not there (a disk not mounted today): it cannot be read.
  const std::string gone = folder.dir() + "/elsewhere/my.dat";
  ASSERT_EQ(::symlink(gone.c_str(), folder.dat("my.dat").c_str()), 0);
  gs.collected[150] = 1;
  load_progress_from(folder.dir());
  EXPECT_EQ(gs.collected[150], 0) << "the game starts from the full reset";
  EXPECT_FALSE(file_exists(folder.dat("my.dat")));
  ASSERT_TRUE(file_exists(folder.dat("my.dat.damaged-1")));
  EXPECT_EQ(std::filesystem::read_symlink(folder.dat("my.dat.damaged-1")).string(), gone);

  // The next save writes a new my.dat and leaves the kept one alone.
  ASSERT_TRUE(save_progress_to(folder.dir()));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.dat("my.dat.damaged-1")));
  EXPECT_FALSE(std::filesystem::is_symlink(folder.dat("my.dat")));

  if (::geteuid() != 0) {  // permissions do not stop the superuser
    ::chmod(folder.dat("my.dat").c_str(), 0);
    load_progress_from(folder.dir());
    EXPECT_FALSE(file_exists(folder.dat("my.dat")));
    EXPECT_TRUE(file_exists(folder.dat("my.dat.damaged-2")));
  }
}

TEST_F(ProgressFile, AMissingFileStartsAfreshAndCreatesNothing) {
  gs.collected[150] = 1;
  gs.best_sales = 900;
  load_progress_from(folder.dir());
  EXPECT_EQ(gs.collected[150], 0);
  EXPECT_EQ(gs.best_sales, 0);
  EXPECT_EQ(gs.save_marker, 1);
  EXPECT_FALSE(file_exists(folder.dat("my.dat")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.dir() + "/dat"),
                          std::filesystem::directory_iterator{}),
            0);
}

TEST_F(ProgressFile, AFailedSaveKeepsThePreviousProgress) {
  fill_saved(gs);
  ASSERT_TRUE(save_progress_to(folder.dir()));
  const std::string good = read_all(folder.dat("my.dat"));

  // The write runs out of room half-way: the file size limit cuts the new file short.
  gs.money = 12345;
  struct rlimit old_limit;
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  struct rlimit small = old_limit;
  small.rlim_cur = 4096;
  auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = save_progress_to(folder.dir());
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(read_all(folder.dat("my.dat")), good);

  // No temporary file is left behind.
  for (const auto& e : std::filesystem::directory_iterator(folder.dir() + "/dat"))
    EXPECT_EQ(e.path().filename(), "my.dat");

  // The next save that can write replaces it whole.
  ASSERT_TRUE(save_progress_to(folder.dir()));
  gs = game_state{};
  load_progress_from(folder.dir());
  EXPECT_EQ(gs.money, 12345);
}

TEST_F(ProgressFile, ASaveBlockedByADirectoryReportsFailure) {
  std::filesystem::create_directory(folder.dat("my.dat"));
  EXPECT_FALSE(save_progress_to(folder.dir()));
  EXPECT_TRUE(std::filesystem::is_directory(folder.dat("my.dat")));
  // Without a dat folder at all nothing can be written either.
  std::filesystem::remove_all(folder.dir() + "/dat");
  EXPECT_FALSE(save_progress_to(folder.dir()));
}

TEST_F(ProgressFile, NewGameWritesAFullResetKeepingModeAndDrawingRate) {
  fill_saved(gs);
  gs.mode = 1;
  gs.draw_speed = 2;
  gs.sales_history[4] = 700;  // history is not part of the reset
  reset_all();
  ASSERT_TRUE(save_progress_to(folder.dir()));
  const std::string text = read_all(folder.dat("my.dat"));

  std::array<int, progress_lines> v{};
  ASSERT_TRUE(parse_progress(text, v));
  EXPECT_EQ(v[1207 - 1], 1) << "save_marker";
  EXPECT_EQ(v[1208 - 1], 0) << "play_count";
  EXPECT_EQ(v[2252 - 1], -1) << "flyer_kind";
  EXPECT_EQ(v[2258 - 1], 2) << "draw_speed";
  EXPECT_EQ(v[2259 - 1], 1) << "mode";
  EXPECT_EQ(v[1211 + 8 - 1], 700) << "sales_history[4]";
  for (int line : {1,    4,    5,    100,  101,  1100, 1101, 1201, 1205, 1206,
                   1209, 1210, 1251, 2250, 2251, 2253, 2254, 2255, 2256, 2257})
    EXPECT_EQ(v[line - 1], 0) << "line " << line;
}

TEST_F(ProgressFile, NamesAreReadWholeAndAMissingNameFileIsHarmless) {
  std::string t;
  for (int i = 0; i < name_count + 3; ++i) t += "name " + std::to_string(i) + "\r\n";
  write_all(folder.dat("name.dat"), t);
  ASSERT_TRUE(read_name_file(folder.dat("name.dat")));
  EXPECT_EQ(name_list()[0], "name 0");
  EXPECT_EQ(name_list()[225], "name 225");

  write_all(folder.dat("name.dat"), "\x83\x41 x\nsecond");
  ASSERT_TRUE(read_name_file(folder.dat("name.dat")));
  EXPECT_EQ(name_list()[0], "\x83\x41 x");
  EXPECT_EQ(name_list()[1], "second");
  EXPECT_EQ(name_list()[2], "");

  std::filesystem::remove(folder.dat("name.dat"));
  write_all(folder.dat("my.dat"), numbered_file());
  load_progress_from(folder.dir());  // still loads the progress
  EXPECT_EQ(gs.money, line_value(1201));
  EXPECT_EQ(name_list()[0], "");
}

// An installed game: the progress file and the ledger in the player's folder, name.dat still in
// the program folder, nothing written beside the program.
TEST_F(ProgressFile, KeptOutsideTheProgramFolderWhereverTheyAreSet) {
  scratch_folder saves;
  const std::string progress = saves.dir() + "/my.dat", ledger = saves.dir() + "/ledger.txt";
  set_program_dir(folder.dir());
  set_save_files(progress, ledger);
  write_all(folder.dat("name.dat"), "program's name\r\n");
  write_all(folder.dat("my.dat"), "not the one to read");
  write_all(progress, numbered_file());
  load_progress();
  EXPECT_EQ(gs.money, line_value(1201));
  EXPECT_EQ(name_list()[0], "program's name");

  gs.money = 31415;
  ASSERT_TRUE(save_progress());
  EXPECT_EQ(read_all(progress), progress_text(gs));
  EXPECT_EQ(read_all(ledger), ledger_text(gs));
  EXPECT_EQ(read_all(folder.dat("my.dat")), "not the one to read");
  EXPECT_FALSE(file_exists(folder.dir() + "/" + ledger_file_name()));

  // A damaged file is kept aside where it lies.
  write_all(progress, "12\r\n");
  load_progress();
  EXPECT_TRUE(file_exists(progress + ".damaged-1"));
  EXPECT_FALSE(file_exists(folder.dat("my.dat.damaged-1")));

  set_save_files("", "");  // back to the program folder
  write_all(folder.dat("my.dat"), numbered_file());
  gs = game_state{};
  load_progress();
  EXPECT_EQ(gs.money, line_value(1201));
  set_program_dir(".");
}

}  // namespace
}  // namespace game
