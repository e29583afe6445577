// Where the game finds its own files and where it keeps the player's progress.
//
// The program folder (cg/, dat/, MIXER.INI) lies beside the program in a build folder or a
// portable copy, and in PREFIX/share/florinet when installed (beside PREFIX/bin). The progress
// file and the sales ledger stay in a program folder beside the program as long as it can be
// written; an installed game, or one that cannot write its folder, keeps them in the player's
// data folder ($XDG_DATA_HOME/florinet), which the first start fills with the program folder's
// own my.dat. A progress file already there is never replaced.
#pragma once
#include <string>

namespace app {

struct program_folder {
  std::string dir;
  bool installed = false;
  bool found = true;  // false: no cg/ and dat/ anywhere; `dir` is the executable's folder
};
// `built_in` is the folder the build was configured to install into (a last resort).
program_folder find_program_folder(const std::string& exe_dir, const std::string& built_in);

// Whether new files can be made in the program folder and its dat/.
bool program_folder_writable(const std::string& dir);

struct save_place {
  std::string dir;       // the folder holding both files
  std::string progress;  // the progress file
  std::string ledger;    // the sales ledger
  bool beside_program = false;
};
// `data_dir_option`: --data-dir (wins when given); `user_data_home`: $XDG_DATA_HOME or
// ~/.local/share. `dir` is empty when no folder can be named (no home folder).
save_place choose_save_place(const program_folder& p, bool program_writable,
                             const std::string& data_dir_option, const std::string& user_data_home);

// Makes the save folder and, when it holds no progress file yet, copies `shipped_progress` into
// it (atomically: a half-copied file never appears). Nothing to do beside the program. False with
// `why` when the folder cannot be made or written.
bool prepare_save_place(const save_place& s, const std::string& shipped_progress, std::string* why);

// Points the game at its folders: the pictures and sounds read from `p`, the progress and the
// ledger kept in `s` (prepared first, from the folder's own fresh my.dat). False, with `why`,
// when the save place cannot be prepared; the game is then told nothing.
bool use_folders(const program_folder& p, const save_place& s, std::string* why);

}  // namespace app
