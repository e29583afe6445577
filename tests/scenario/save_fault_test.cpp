// Saves under faults: each file operation of a save made to fail in turn, the program stopped
// between any two of them, a real read-only folder. Whatever happens, my.dat on disk is the last
// save or the new one, whole and loadable, and a save that did not happen says so.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "scenario/progress.h"
#include "scenario_test_util.h"
#include "shell/state.h"

namespace game {
namespace {

using scenario_test::file_exists;
using scenario_test::read_all;
using scenario_test::scratch_folder;

enum class step { open, write, fsync, close, rename, unlink };
const char* step_name(step s) {
  static const char* const names[] = {"open", "write", "fsync", "close", "rename", "unlink"};
  return names[int(s)];
}

// What the replaced operations do: fail one step (its n-th call), cut writes short, stop the
// program before the k-th operation, and keep a log of what reached the system.
struct fault_plan {
  bool failing = false;
  step where = step::open;
  int nth = 1;                // the call of `where` that fails (1 = the first)
  int error = 0;              // its errno
  bool zero = false;          // a failing write answers 0 instead of -1
  std::size_t write_cap = 0;  // 0: writes are whole; else at most this many bytes a call
  bool interrupt = false;     // every other write is interrupted before writing anything
  int stop_before = -1;       // the operation (0-based, of any kind) before which we die
  int rename_at = -1;         // the operation that gave the new file my.dat's name
  int ops = 0;                // operations so far
  int calls[6] = {};
  std::vector<std::string> log;
};
fault_plan plan;

// Counts the call; answers true when this one is to fail (errno set).
bool fails(step s) {
  if (plan.stop_before == plan.ops) ::_exit(0);  // the program stops here, as in a crash
  ++plan.ops;
  ++plan.calls[int(s)];
  if (!plan.failing || plan.where != s || plan.calls[int(s)] != plan.nth) return false;
  errno = plan.error;
  return true;
}

const save_file_ops& sys() {
  return system_file_ops();
}

int fake_open(const char* path, int flags, mode_t mode) {
  if (fails(step::open)) return -1;
  int fd = sys().open(path, flags, mode);
  plan.log.push_back("open " + std::string(path) + " " + std::to_string(fd));
  return fd;
}
ssize_t fake_write(int fd, const void* data, std::size_t size) {
  if (fails(step::write)) return plan.zero ? 0 : -1;
  if (plan.interrupt && plan.calls[int(step::write)] % 2 == 1) {
    errno = EINTR;
    return -1;
  }
  if (plan.write_cap) size = std::min(size, plan.write_cap);
  plan.log.push_back("write " + std::to_string(fd));
  return sys().write(fd, data, size);
}
int fake_fsync(int fd) {
  if (fails(step::fsync)) return -1;
  plan.log.push_back("fsync " + std::to_string(fd));
  return sys().fsync(fd);
}
int fake_close(int fd) {
  // A close that reports failure has closed the descriptor all the same.
  const bool fail = fails(step::close);
  const int saved = errno;
  sys().close(fd);
  plan.log.push_back("close " + std::to_string(fd));
  errno = saved;
  return fail ? -1 : 0;
}
int fake_rename(const char* from, const char* to) {
  if (fails(step::rename)) return -1;
  plan.log.push_back("rename " + std::string(from) + " " + to);
  if (std::string(to).ends_with("/my.dat")) plan.rename_at = plan.ops - 1;
  return sys().rename(from, to);
}
int fake_unlink(const char* path) {
  if (fails(step::unlink)) return -1;
  plan.log.push_back("unlink " + std::string(path));
  return sys().unlink(path);
}

class SaveUnderFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    plan = fault_plan{};
    save_ops = {fake_open, fake_write, fake_fsync, fake_close, fake_rename, fake_unlink};
    reset_all();
    gs.money = 1111;
    gs.day = 5;
    old_text = progress_text(gs);
    gs.money = 2222;
    gs.day = 6;
    gs.stock[201] = 3;
    gs.collected[150] = 1;
    new_text = progress_text(gs);
  }
  void TearDown() override { save_ops = system_file_ops(); }

  std::string my_dat() const { return folder.dat("my.dat"); }
  // A last save on disk holding the old state, written through the system's own calls.
  void save_old() {
    const save_file_ops fakes = save_ops;
    save_ops = system_file_ops();
    std::string why;
    EXPECT_TRUE(write_file_safely(my_dat(), old_text, &why)) << why;
    save_ops = fakes;
  }
  // The saves' folder holds nothing but these (no temporary file left behind).
  std::vector<std::string> dat_files() const {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder.dir() + "/dat"))
      out.push_back(e.path().filename());
    std::sort(out.begin(), out.end());
    return out;
  }
  // What the next start-up finds: the saved money, -1 for no save (a new game), -2 for a file
  // it could not use.
  int money_at_next_start() {
    if (!file_exists(my_dat())) return -1;
    const game_state kept = gs;
    gs = game_state{};
    load_progress_from(folder.dir());
    const int money = file_exists(my_dat()) ? gs.money : -2;
    gs = kept;
    return money;
  }

  scratch_folder folder;
  std::string old_text, new_text;
};

TEST_F(SaveUnderFaults, EachFailingStepKeepsTheLastSaveWholeAndSaysSo) {
  struct fault {
    step where;
    int error;
    int nth = 1;
    std::size_t cap = 0;
    bool zero = false;
  };
  const fault faults[] = {
      {step::open, EACCES},         {step::open, EROFS},
      {step::open, ENOSPC},         {step::write, ENOSPC},
      {step::write, EIO},           {step::write, ENOSPC, 3, 1024},  // cut short, then no room
      {step::write, 0, 1, 0, true},                                  // a write that writes nothing
      {step::fsync, EIO},           {step::close, EIO},
      {step::rename, EACCES},       {step::rename, EXDEV},
  };
  for (const fault& f : faults) {
    SCOPED_TRACE(std::string(step_name(f.where)) + " " + std::strerror(f.error));
    save_old();
    plan = fault_plan{};
    plan.failing = true;
    plan.where = f.where;
    plan.nth = f.nth;
    plan.error = f.error;
    plan.write_cap = f.cap;
    plan.zero = f.zero;
    EXPECT_FALSE(save_progress_to(folder.dir()));
    EXPECT_FALSE(last_save().saved);
    EXPECT_EQ(last_save().error, f.zero ? ENOSPC : f.error);
    EXPECT_TRUE(last_save().old_kept);
    EXPECT_EQ(read_all(my_dat()), old_text);
    EXPECT_EQ(dat_files(), std::vector<std::string>{"my.dat"});
    EXPECT_EQ(money_at_next_start(), 1111);
  }

  // The temporary file cannot even be removed: it stays, and my.dat is still the last save.
  plan = fault_plan{};
  plan.failing = true;
  plan.where = step::write;
  plan.error = ENOSPC;
  plan.write_cap = 100;
  plan.nth = 2;
  save_ops.unlink = [](const char*) {
    errno = EACCES;
    return -1;
  };
  EXPECT_FALSE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(my_dat()), old_text);
  EXPECT_EQ(money_at_next_start(), 1111);

  // With no earlier save, a failed one leaves none (the next start is a new game), and says so.
  std::filesystem::remove_all(folder.dir() + "/dat");
  std::filesystem::create_directory(folder.dir() + "/dat");
  plan = fault_plan{};
  plan.failing = true;
  plan.where = step::fsync;
  plan.error = EIO;
  save_ops.unlink = fake_unlink;
  EXPECT_FALSE(save_progress_to(folder.dir()));
  EXPECT_FALSE(last_save().old_kept);
  EXPECT_TRUE(dat_files().empty());
  EXPECT_EQ(money_at_next_start(), -1);

  // The next save that can write replaces it whole.
  plan = fault_plan{};
  EXPECT_TRUE(save_progress_to(folder.dir()));
  EXPECT_TRUE(last_save().saved);
  EXPECT_EQ(read_all(my_dat()), new_text);
}

TEST_F(SaveUnderFaults, ShortAndInterruptedWritesStillSaveEverything) {
  save_old();
  plan.write_cap = 7;
  plan.interrupt = true;
  EXPECT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(my_dat()), new_text);
  EXPECT_EQ(money_at_next_start(), 2222);

  // The ledger comes second: failing to write it leaves the progress saved.
  save_old();
  plan = fault_plan{};
  plan.failing = true;
  plan.where = step::open;
  plan.nth = 3;  // my.dat's temporary file, its folder, then the ledger's temporary file
  plan.error = EACCES;
  EXPECT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(my_dat()), new_text);

  // A folder that refuses to be synced (some file systems do) does not undo a save either.
  save_old();
  plan = fault_plan{};
  plan.failing = true;
  plan.where = step::fsync;
  plan.nth = 2;
  plan.error = EINVAL;
  EXPECT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(my_dat()), new_text);
}

TEST_F(SaveUnderFaults, StoppingBetweenAnyTwoStepsLeavesTheOldSaveOrTheNew) {
  // A whole save, to count its steps and see their order.
  save_old();
  plan = fault_plan{};
  ASSERT_TRUE(save_progress_to(folder.dir()));
  const int steps = plan.ops;
  const int rename_at = plan.rename_at;
  const std::vector<std::string> log = plan.log;
  const std::string tmp_open = "open " + my_dat() + ".new-";
  std::string tmp_fd;
  int last_write = -1, synced = -1, renamed = -1, folder_synced = -1;
  for (int i = 0; i < int(log.size()); ++i) {
    const std::string& l = log[std::size_t(i)];
    if (l.rfind(tmp_open, 0) == 0 && tmp_fd.empty()) tmp_fd = l.substr(l.rfind(' ') + 1);
    if (!tmp_fd.empty() && l == "write " + tmp_fd && renamed < 0) last_write = i;
    if (!tmp_fd.empty() && l == "fsync " + tmp_fd && renamed < 0) synced = i;
    if (l.rfind("rename ", 0) == 0 && l.find(" " + my_dat()) != std::string::npos) renamed = i;
    if (renamed >= 0 && folder_synced < 0 && l.rfind("fsync ", 0) == 0 && i > renamed)
      folder_synced = i;
  }
  // Against a power cut: the new file's bytes are on the disk before it takes my.dat's name, and
  // the name is on the disk (the folder synced) before the save is done.
  ASSERT_GE(last_write, 0);
  EXPECT_GT(synced, last_write);
  EXPECT_GT(renamed, synced);
  EXPECT_GT(folder_synced, renamed);

  ASSERT_GT(rename_at, 0);
  for (int k = 0; k <= steps; ++k) {
    SCOPED_TRACE("stopped before step " + std::to_string(k) + " of " + std::to_string(steps));
    save_old();
    plan = fault_plan{};
    plan.stop_before = k;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      save_progress_to(folder.dir());
      ::_exit(plan.calls[int(step::rename)] > 0 ? 3 : 2);  // got through: no stop
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), k < steps ? 0 : 3);

    const std::string text = read_all(my_dat());
    ASSERT_TRUE(text == old_text || text == new_text) << "my.dat is neither save";
    // Until the new file has my.dat's name the last save is the save; from then on, the new one.
    EXPECT_EQ(text == new_text, k > rename_at);
    EXPECT_EQ(money_at_next_start(), text == new_text ? 2222 : 1111);
    // A temporary file left by the stop is not taken for progress, and the next save goes on.
    // (Cleared here, so that every stop finds the same steps; a save clears them itself, below.)
    for (const auto& e : std::filesystem::directory_iterator(folder.dir() + "/dat"))
      if (e.path().filename() != "my.dat") std::filesystem::remove(e.path());
    for (const auto& e : std::filesystem::directory_iterator(folder.dir()))
      if (e.path().filename().string().find(".new-") != std::string::npos)
        std::filesystem::remove(e.path());
  }
}

TEST_F(SaveUnderFaults, AReadOnlyFolderIsReportedNeverSilent) {
  save_ops = system_file_ops();
  save_old();
  // The superuser writes anywhere: the save runs as an ordinary user, in a child.
  ASSERT_EQ(::chmod(folder.dir().c_str(), 0555), 0);
  ASSERT_EQ(::chmod((folder.dir() + "/dat").c_str(), 0555), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(9);
    const bool saved = save_progress_to(folder.dir());
    const save_result r = last_save();
    ::_exit(saved ? 1 : r.saved ? 2 : r.error != EACCES ? 3 : !r.old_kept ? 4 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::chmod(folder.dir().c_str(), 0755);
  ::chmod((folder.dir() + "/dat").c_str(), 0755);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1 saved, 2 said saved, 3 other error, 4 old not kept";
  EXPECT_EQ(read_all(my_dat()), old_text);
  EXPECT_EQ(dat_files(), std::vector<std::string>{"my.dat"});
}

TEST_F(SaveUnderFaults, ASaveClearsWhatCrashedSavesLeftBehindAndNothingElse) {
  save_ops = system_file_ops();
  save_old();
  const pid_t gone = ::fork();  // a game that crashed mid-save, long gone
  ASSERT_GE(gone, 0);
  if (gone == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
  const std::string running = "my.dat.new-" + std::to_string(::getppid());
  test_support::write_all(my_dat() + ".new-" + std::to_string(gone), "half a save");
  test_support::write_all(folder.dat(running), "another game saving at this moment");
  test_support::write_all(my_dat() + ".new-notes", "not a save of ours");
  test_support::write_all(my_dat() + ".damaged-1", "kept aside for the player");
  ASSERT_TRUE(save_progress_to(folder.dir()));
  EXPECT_EQ(read_all(my_dat()), new_text);
  std::vector<std::string> kept{"my.dat", "my.dat.damaged-1", "my.dat.new-notes", running};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(dat_files(), kept);
}

}  // namespace
}  // namespace game
