// The user's folders on a Linux desktop, as the XDG base-directory and user-directory
// conventions place them: data, settings and pictures.
#pragma once
#include <string>

namespace plat {

// What the folders are reckoned from: $HOME (else the password entry), $XDG_DATA_HOME and
// $XDG_CONFIG_HOME, as they stand.
struct UserEnv {
  std::string home;
  std::string data_home;    // $XDG_DATA_HOME
  std::string config_home;  // $XDG_CONFIG_HOME
};
UserEnv user_env();

// $XDG_DATA_HOME, else ~/.local/share. A relative value is not one of ours: ignored. Empty when
// neither it nor a home folder is known.
std::string data_home(const UserEnv& env);
// $XDG_CONFIG_HOME, else ~/.config.
std::string config_home(const UserEnv& env);
// The pictures folder named in <config home>/user-dirs.dirs, else ~/Pictures.
std::string pictures_dir(const UserEnv& env);
// The value of `key` (e.g. XDG_PICTURES_DIR) in user-dirs.dirs text: "$HOME/…" or an absolute
// path, in double quotes. Empty when the text does not name it well.
std::string user_dir_from(const std::string& text, const std::string& key, const std::string& home);

// Makes `path` and the folders above it; those it makes are private to the user (0700), as the
// conventions ask. False with `why` when it cannot.
bool make_folders(const std::string& path, std::string* why);

}  // namespace plat
