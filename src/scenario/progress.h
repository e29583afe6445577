// The progress file dat/my.dat, the name file dat/name.dat and the sales ledger うりあげ帳.txt.
//
// my.dat is 2259 lines of decimal integers in a fixed order, each ended by CR LF; the reader and
// the writer walk the same list of fields, so a saved file reads back exactly.
//
// A save never destroys the last good progress: the new file is written beside the old one, flushed
// to disk and only then renamed over it. A damaged my.dat found at start-up is moved aside, never
// deleted, and the game starts from the full-reset state.
#pragma once
#include <array>
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

// Writes `bytes` to `path` through a temporary file in the same folder, flushed and synced, then
// renamed over `path`. On failure the old file is left as it was, the temporary file is removed
// and `why` says what failed.
bool write_file_safely(const std::string& path, const std::string& bytes, std::string* why);

// Start-up load of the progress file `path`. A missing file starts from the full-reset state; a
// damaged one is moved aside as <path>.damaged-N and the game starts from the full-reset state.
// Both cases are reported on standard error.
void load_progress_file(const std::string& path);
// Save: the progress file, then the ledger. Answers whether the progress file was written.
bool save_progress_files(const std::string& progress_path, const std::string& ledger_path);

// The same with the program folder `dir` holding both (dir/dat/my.dat, the ledger in dir); the
// load also reads dir/dat/name.dat.
void load_progress_from(const std::string& dir);
bool save_progress_to(const std::string& dir);

// Where the game's calls keep the progress file and the ledger. By default (both empty) they lie
// in the program folder; an installed game keeps them in the player's own data folder.
void set_save_files(const std::string& progress_path, const std::string& ledger_path);

// The game's calls: the progress file and the ledger where set_save_files put them, name.dat in
// the program folder.
void load_progress();
bool save_progress();

}  // namespace game
