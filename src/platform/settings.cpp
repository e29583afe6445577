#include "platform/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/i18n.h"
#include "platform/xdg.h"

namespace plat {

namespace {

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool number(const std::string& s, int lo, int hi, int& out) {
  int v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool flag(const std::string& s, bool& out) {
  int v = 0;
  if (!number(s, 0, 1, v)) return false;
  out = v == 1;
  return true;
}

}  // namespace

WindowSettings parse_settings(const std::string& text) {
  WindowSettings s;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    line = trim(line);
    if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
    if (key == "mute") {
      flag(value, s.mute);
    } else if (key == "fullscreen") {
      flag(value, s.fullscreen);
    } else if (key == "scale") {
      number(value, 1, max_window_scale, s.scale);
    } else if (key == "language") {
      if (is_language_code(value)) s.language = value;
    }
  }
  return s;
}

std::string settings_text(const WindowSettings& s) {
  std::string t =
      "# florinet's window: M mutes, F11 or Alt+Enter toggles fullscreen, the window's size sets "
      "the scale\n[window]\n";
  t += "mute=" + std::to_string(s.mute ? 1 : 0) + "\n";
  if (s.scale >= 1 && s.scale <= max_window_scale) t += "scale=" + std::to_string(s.scale) + "\n";
  t += "fullscreen=" + std::to_string(s.fullscreen ? 1 : 0) + "\n";
  if (!s.language.empty()) t += "language=" + s.language + "\n";
  return t;
}

WindowSettings read_settings(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return {};
  // A settings file is a few lines; a huge one is not ours and is not read whole.
  std::string text;
  char buf[4096];
  while (text.size() < 65536 && f.read(buf, sizeof buf).gcount() > 0)
    text.append(buf, std::size_t(f.gcount()));
  return parse_settings(text);
}

bool write_settings(const std::string& path, const WindowSettings& s, std::string* why) {
  const auto slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !make_folders(path.substr(0, slash), why))
    return false;
  const std::string tmp = path + ".new-" + std::to_string(::getpid());
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (why) *why = "cannot create " + tmp + ": " + std::strerror(errno);
    return false;
  }
  const std::string text = settings_text(s);
  const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
  const int err = errno;
  if (::close(fd) != 0 || !written || ::rename(tmp.c_str(), path.c_str()) != 0) {
    if (why) *why = std::strerror(written ? errno : err);
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace plat
