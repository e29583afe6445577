// Where the game finds its files and keeps the player's progress: the program folder beside the
// program or installed, the save folder chosen for a writable, a read-only and an installed game,
// the first start's copy of the shipped progress file, and a player's file never replaced.
#include "app/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "scenario/progress.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using app::choose_save_place;
using app::prepare_save_place;
using app::program_folder;

using test_support::read_all;
using test_support::write_all;

struct scratch : test_support::scratch_dir {
  scratch() : scratch_dir("folders") {}
  // A program folder (cg/ and dat/) at `rel`, returning its path.
  std::string game_at(const std::string& rel) const {
    fs::create_directories(dir + "/" + rel + "/cg");
    fs::create_directories(dir + "/" + rel + "/dat");
    return dir + "/" + rel;
  }
};

TEST(ProgramFolder, BesideTheProgramThenInstalledThenTheBuiltInPlace) {
  scratch s;
  // A build folder or a portable copy: the data beside the program.
  const std::string portable = s.game_at("portable");
  program_folder p = app::find_program_folder(portable, "");
  EXPECT_EQ(p.dir, portable);
  EXPECT_FALSE(p.installed);
  EXPECT_TRUE(p.found);
  // Installed: PREFIX/bin and PREFIX/share/florinet, wherever the prefix lies.
  fs::create_directories(s.dir + "/prefix/bin");
  const std::string share = s.game_at("prefix/share/florinet");
  p = app::find_program_folder(s.dir + "/prefix/bin", "");
  EXPECT_EQ(p.dir, share);
  EXPECT_TRUE(p.installed);
  // A program moved away from its data: the folder the build was made for.
  fs::create_directories(s.dir + "/elsewhere/bin");
  p = app::find_program_folder(s.dir + "/elsewhere/bin", share);
  EXPECT_EQ(p.dir, share);
  EXPECT_TRUE(p.installed);
  p = app::find_program_folder(s.dir + "/elsewhere/bin", s.dir + "/nothing");
  EXPECT_FALSE(p.found);
  EXPECT_EQ(p.dir, s.dir + "/elsewhere/bin");
}

TEST(SavePlace, WritableBesideTheProgramReadOnlyOrInstalledInTheUsersFolder) {
  const program_folder portable{"/games/florinet", false, true};
  const program_folder installed{"/usr/share/florinet", true, true};
  const std::string data = "/home/k/.local/share";

  // A build folder or a portable copy that can be written: as it always was.
  app::save_place s = choose_save_place(portable, true, "", data);
  EXPECT_TRUE(s.beside_program);
  EXPECT_EQ(s.progress, "/games/florinet/dat/my.dat");
  EXPECT_EQ(s.ledger, std::string("/games/florinet/") + game::ledger_file_name());

  // One that cannot be written, and an installed one even when it could (run by root).
  for (const auto& [folder, writable] :
       {std::pair{portable, false}, std::pair{installed, true}, std::pair{installed, false}}) {
    s = choose_save_place(folder, writable, "", data);
    EXPECT_FALSE(s.beside_program) << folder.dir << " " << writable;
    EXPECT_EQ(s.dir, "/home/k/.local/share/florinet");
    EXPECT_EQ(s.progress, "/home/k/.local/share/florinet/my.dat");
    EXPECT_EQ(s.ledger, std::string("/home/k/.local/share/florinet/") + game::ledger_file_name());
  }

  // --data-dir wins everywhere, made absolute; no home folder names no place.
  s = choose_save_place(portable, true, "/saves/", data);
  EXPECT_FALSE(s.beside_program);
  EXPECT_EQ(s.progress, "/saves/my.dat");
  s = choose_save_place(installed, false, "rel/saves", data);
  EXPECT_EQ(s.dir, (fs::current_path() / "rel/saves").string());
  s = choose_save_place(installed, false, "", "");
  EXPECT_EQ(s.dir, "");
  std::string why;
  EXPECT_FALSE(prepare_save_place(s, "/usr/share/florinet/dat/my.dat", &why));
  EXPECT_NE(why.find("no home folder"), std::string::npos) << why;
}

TEST(SavePlace, TheFirstStartCopiesTheShippedFileAndNeverReplacesThePlayers) {
  scratch s;
  const std::string game = s.game_at("share/florinet");
  const std::string shipped = game + "/dat/my.dat";
  write_all(shipped, "shipped progress\r\n");
  const app::save_place place =
      choose_save_place({game, true, true}, false, "", s.dir + "/home/.local/share");

  // The first start: the folder is made (private) and holds a copy of the shipped file.
  std::string why;
  ASSERT_TRUE(prepare_save_place(place, shipped, &why)) << why;
  EXPECT_EQ(read_all(place.progress), "shipped progress\r\n");
  struct stat st;
  ASSERT_EQ(::stat(place.dir.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(std::distance(fs::directory_iterator(place.dir), {}), 1) << "nothing else left there";

  // The player's progress, later: a new shipped file never replaces it, whatever either holds,
  // nor does a damaged file kept aside by the game.
  write_all(place.progress, "the player's own\r\n");
  write_all(shipped, "a newer release's\r\n");
  ASSERT_TRUE(prepare_save_place(place, shipped, &why)) << why;
  EXPECT_EQ(read_all(place.progress), "the player's own\r\n");
  write_all(place.progress, "");
  ASSERT_TRUE(prepare_save_place(place, shipped, &why)) << why;
  EXPECT_EQ(read_all(place.progress), "") << "an empty file is the player's too";

  // No shipped file: nothing to copy, the game starts a new one itself.
  fs::remove(place.progress);
  fs::remove(shipped);
  ASSERT_TRUE(prepare_save_place(place, shipped, &why)) << why;
  EXPECT_FALSE(fs::exists(place.progress));

  // Beside the program nothing is made or copied.
  app::save_place beside{game, game + "/dat/my.dat", game + "/ledger", true};
  ASSERT_TRUE(prepare_save_place(beside, s.dir + "/nonexistent", &why));
  EXPECT_FALSE(fs::exists(game + "/dat/my.dat"));
}

TEST(SavePlace, AFolderThatCannotBeMadeOrWrittenIsReported) {
  scratch s;
  write_all(s.dir + "/file", "x");
  app::save_place place = choose_save_place({s.dir, true, true}, false, s.dir + "/file/saves", "");
  std::string why;
  EXPECT_FALSE(prepare_save_place(place, "", &why));
  EXPECT_NE(why.find("not a folder"), std::string::npos) << why;

  const std::string game = s.game_at("portable");
  EXPECT_TRUE(app::program_folder_writable(game));
  EXPECT_FALSE(app::program_folder_writable(s.dir + "/missing"));
  fs::remove(game + "/dat");
  EXPECT_FALSE(app::program_folder_writable(game)) << "no dat/ to save into";
  fs::create_directories(game + "/dat");

  // Read-only for the player: both folders taken away from an ordinary user (root writes
  // anywhere, so run as root the checks run as "nobody", in a child of their own).
  fs::permissions(game + "/dat", fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(s.dir, fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(s.dir, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
  const app::save_place saves = choose_save_place({s.dir, true, true}, false, s.dir + "/saves", "");
  auto read_only_seen = [&] {
    std::string ignored;
    return !app::program_folder_writable(game) && !prepare_save_place(saves, "", &ignored);
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(read_only_seen());
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(!dropped ? 2 : read_only_seen() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a read-only folder taken for writable; 2: no user";
}

}  // namespace
