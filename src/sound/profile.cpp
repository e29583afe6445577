#include "sound/profile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <fstream>
#include <sstream>

namespace game {

namespace {

std::string trim(const std::string& s) {
  std::size_t a = 0;
  std::size_t b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Leading sign and digits; stops at the first other character. Wraps like a 32-bit register.
int parse_int(const std::string& v) {
  std::size_t i = 0;
  bool neg = false;
  if (i < v.size() && (v[i] == '+' || v[i] == '-')) neg = v[i++] == '-';
  unsigned base = 10;
  if (i + 1 < v.size() && v[i] == '0' && (v[i + 1] == 'x' || v[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  unsigned long long n = 0;
  for (; i < v.size(); ++i) {
    int d;
    char c = v[i];
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) {
      d = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    } else {
      break;
    }
    n = (n * base + static_cast<unsigned>(d)) & 0xFFFFFFFFull;
  }
  auto u = static_cast<unsigned>(n);
  if (neg) u = 0u - u;
  return static_cast<int>(u);
}

}  // namespace

bool Profile::load(const std::string& path) {
  entries_.clear();
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::stringstream ss;
  ss << f.rdbuf();
  load_text(ss.str());
  return true;
}

void Profile::load_text(const std::string& text) {
  entries_.clear();
  std::string section;
  bool in_section = false;
  std::vector<std::string> seen;  // a section named again later is not read: the first one wins
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::string t = trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      std::size_t close = t.find(']');
      section =
          lower(trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
      in_section = std::find(seen.begin(), seen.end(), section) == seen.end();
      if (in_section) seen.push_back(section);
      continue;
    }
    if (!in_section) continue;  // keys before any section belong to none
    std::size_t eq = t.find('=');
    if (eq == std::string::npos) continue;
    std::string value = trim(t.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    entries_.push_back({section, lower(trim(t.substr(0, eq))), value});
  }
}

const std::string* Profile::get(const std::string& section, const std::string& key) const {
  std::string s = lower(trim(section));
  std::string k = lower(trim(key));
  for (const Entry& e : entries_)
    if (e.section == s && e.key == k) return &e.value;
  return nullptr;
}

int Profile::get_int(const std::string& section, const std::string& key, int def) const {
  const std::string* v = get(section, key);
  if (!v || v->empty()) return def;
  return parse_int(*v);
}

}  // namespace game
