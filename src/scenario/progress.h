// The progress file dat/my.dat, the name file dat/name.dat and the sales ledger うりあげ帳.txt.
//
// my.dat is 2259 lines of decimal integers in a fixed order, each ended by CR LF; the reader and
// the writer walk the same list of fields, so a saved file reads back exactly.
//
// A save never destroys the last good progress: the new file is written beside the old one, flushed
// to disk and only then renamed over it. A damaged my.dat found at start-up is moved aside, never
// deleted, and the game starts from the full-reset state.
#pragma once
#include <sys/types.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/sjis.h"
#include "shell/state.h"

namespace game {

constexpr int progress_lines = 2259;
constexpr int name_count = 226;

// The saved fields of a state record, in the file's line order (2259 pointers into `s`).
std::array<int*, progress_lines> progress_fields(game_state& s);

// The progress file as text: every saved field of `s`, one per line, CR LF.
std::string progress_text(game_state& s);

// How reading a progress file went.
enum class progress_read { ok, missing, unreadable, damaged };

// Parses progress file text into `values` (2259 numbers). Lines past the 2259th are ignored; a
// line that is not a plain decimal integer within the 32-bit range, or too few lines, is damage
// (`why` then says which line and how).
bool parse_progress(const std::string& text, std::array<int, progress_lines>& values,
                    std::string* why = nullptr);

// Reads `path` into `s`. On anything but `ok` the state is not touched.
progress_read read_progress_file(const std::string& path, game_state& s,
                                 std::string* why = nullptr);

// The list of names read from name.dat (226 entries; missing lines stay empty).
const std::array<plat::sjis, name_count>& name_list();
// Reads name.dat; a missing file leaves every name empty. Answers whether the file was read.
bool read_name_file(const std::string& path);

// The ledger's seven lines, each ended by CR LF, as Shift-JIS bytes.
plat::sjis ledger_text(const game_state& s);
// The ledger's file name in the program folder (UTF-8 on this platform).
const char* ledger_file_name();

// The file operations a save goes through (the system's own), in one table so that a test can
// make any step fail, or stop the program between two steps, and see what is left on disk.
struct save_file_ops {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*unlink)(const char* path);
};
extern save_file_ops save_ops;
// The system's own operations, to put back (or to call through).
const save_file_ops& system_file_ops();

// Writes `bytes` to `path` through a temporary file in the same folder, flushed and synced, then
// renamed over `path` and the folder synced. On failure the old file is left as it was, the
// temporary file is removed, `why` says what failed and `err` (if given) holds the system's error
// number of the step that failed.
bool write_file_safely(const std::string& path, const std::string& bytes, std::string* why,
                       int* err = nullptr);

// Start-up load of the progress file `path`. A missing file starts from the full-reset state; a
// damaged one is moved aside as <path>.damaged-N and the game starts from the full-reset state.
// Both cases are reported on standard error.
void load_progress_file(const std::string& path);
// Save: the progress file, then the ledger. Answers whether the progress file was written (a
// ledger that cannot be written is only reported on standard error).
bool save_progress_files(const std::string& progress_path, const std::string& ledger_path);

// The same with the program folder `dir` holding both (dir/dat/my.dat, the ledger in dir); the
// load also reads dir/dat/name.dat.
void load_progress_from(const std::string& dir);
bool save_progress_to(const std::string& dir);

// How the last save went, for telling the player.
struct save_result {
  bool saved = true;      // the progress file holds the state saved
  int error = 0;          // when not: the system's error number of the step that failed
  bool old_kept = false;  // when not: an earlier progress file is still there, whole
};
const save_result& last_save();

// Where the game's calls keep the progress file and the ledger. By default (both empty) they lie
// in the program folder; an installed game keeps them in the player's own data folder.
void set_save_files(const std::string& progress_path, const std::string& ledger_path);

// The game's calls: the progress file and the ledger where set_save_files put them, name.dat in
// the program folder.
void load_progress();
bool save_progress();

// The save the player asks for ("New Game", the save seal on the door): save_progress(), and when
// my.dat could not be written the player is told in the message log (what failed, a hint at why,
// whether the last save is still there) and the script waits for a click. Nothing is posted when
// the save succeeds. Answers whether it saved. Installed as hooks.save_progress.
bool save_and_tell();

}  // namespace game
