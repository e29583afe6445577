#include "platform/xdg.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace plat {

namespace {

std::string env_or_empty(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

bool absolute(const std::string& p) {
  return !p.empty() && p[0] == '/';
}

// `base` if it is absolute, else the home folder + `fallback`.
std::string base_dir(const std::string& base, const std::string& home, const char* fallback) {
  if (absolute(base)) return base;
  if (!absolute(home)) return {};
  return home + fallback;
}

}  // namespace

UserEnv user_env() {
  UserEnv e;
  e.home = env_or_empty("HOME");
  if (e.home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) e.home = pw->pw_dir;
  }
  e.data_home = env_or_empty("XDG_DATA_HOME");
  e.config_home = env_or_empty("XDG_CONFIG_HOME");
  return e;
}

std::string data_home(const UserEnv& env) {
  return base_dir(env.data_home, env.home, "/.local/share");
}

std::string config_home(const UserEnv& env) {
  return base_dir(env.config_home, env.home, "/.config");
}

std::string user_dir_from(const std::string& text, const std::string& key,
                          const std::string& home) {
  std::istringstream in(text);
  std::string found;
  for (std::string line; std::getline(in, line);) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] == '#') continue;
    if (line.compare(i, key.size(), key) != 0) continue;
    i += key.size();
    if (i >= line.size() || line[i] != '=') continue;
    // KEY="value", with \" and \\ standing for themselves.
    if (++i >= line.size() || line[i] != '"') continue;
    std::string value;
    bool closed = false;
    for (++i; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        value += line[++i];
      } else if (line[i] == '"') {
        closed = true;
        break;
      } else {
        value += line[i];
      }
    }
    if (!closed) continue;
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
      if (!absolute(home)) continue;
      value = home + value.substr(5);
    }
    if (absolute(value)) found = value;  // the last good line counts
  }
  return found;
}

std::string pictures_dir(const UserEnv& env) {
  const std::string config = config_home(env);
  if (!config.empty()) {
    std::ifstream f(config + "/user-dirs.dirs");
    if (f) {
      const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      std::string dir = user_dir_from(text, "XDG_PICTURES_DIR", env.home);
      // The home folder itself means "no pictures folder" to the conventions' own tools.
      while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
      if (!dir.empty() && dir != env.home) return dir;
    }
  }
  return absolute(env.home) ? env.home + "/Pictures" : std::string();
}

bool make_folders(const std::string& path, std::string* why) {
  if (path.empty()) {
    if (why) *why = "no folder named";
    return false;
  }
  std::size_t pos = 0;
  while (pos != std::string::npos) {
    pos = path.find('/', pos + 1);
    const std::string part = path.substr(0, pos);
    if (part.empty()) continue;
    struct stat st;
    if (::stat(part.c_str(), &st) == 0) {
      if (!S_ISDIR(st.st_mode)) {
        if (why) *why = part + " is not a folder";
        return false;
      }
      continue;
    }
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      if (why) *why = "cannot make " + part + ": " + std::strerror(errno);
      return false;
    }
  }
  return true;
}

}  // namespace plat
