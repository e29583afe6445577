// A tiny JSON reader for checking the driver's dumps: objects keep their key order.
#pragma once
#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace jsonmini {

struct value {
  enum kind_t { null, boolean, number, string, array, object } kind = null;
  bool b = false;
  double num = 0;
  std::string str;
  std::vector<value> items;
  std::vector<std::pair<std::string, value>> members;

  const value* find(const std::string& k) const {
    for (const auto& m : members)
      if (m.first == k) return &m.second;
    return nullptr;
  }
  const value& operator[](const std::string& k) const {
    static const value none;
    const value* v = find(k);
    return v ? *v : none;
  }
};

class parser {
 public:
  explicit parser(const std::string& s) : s_(s) {}
  // Parses one value filling the whole text; false on any syntax error.
  bool parse(value& out) {
    if (!val(out)) return false;
    ws();
    return i_ == s_.size();
  }

 private:
  const std::string& s_;
  std::size_t i_ = 0;

  void ws() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  bool lit(const char* w) {
    std::size_t n = std::char_traits<char>::length(w);
    if (s_.compare(i_, n, w) != 0) return false;
    i_ += n;
    return true;
  }
  bool str(std::string& out) {
    if (i_ >= s_.size() || s_[i_] != '"') return false;
    ++i_;
    while (i_ < s_.size() && s_[i_] != '"') {
      char c = s_[i_++];
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c == '\\') {
        if (i_ >= s_.size()) return false;
        char e = s_[i_++];
        switch (e) {
          case '"':
            out += '"';
            break;
          case '\\':
            out += '\\';
            break;
          case '/':
            out += '/';
            break;
          case 'n':
            out += '\n';
            break;
          case 'r':
            out += '\r';
            break;
          case 't':
            out += '\t';
            break;
          case 'b':
            out += '\b';
            break;
          case 'f':
            out += '\f';
            break;
          case 'u': {
            if (i_ + 4 > s_.size()) return false;
            unsigned cp = std::strtoul(s_.substr(i_, 4).c_str(), nullptr, 16);
            i_ += 4;
            if (cp >= 0x80) return false;  // the dumps escape control characters only
            out += char(cp);
            break;
          }
          default:
            return false;
        }
      } else {
        out += c;
      }
    }
    if (i_ >= s_.size()) return false;
    ++i_;
    return true;
  }
  bool val(value& v) {
    ws();
    if (i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') {
      v.kind = value::object;
      ++i_;
      ws();
      if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
      for (;;) {
        ws();
        std::string k;
        if (!str(k)) return false;
        ws();
        if (i_ >= s_.size() || s_[i_] != ':') return false;
        ++i_;
        value m;
        if (!val(m)) return false;
        v.members.emplace_back(std::move(k), std::move(m));
        ws();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
        return false;
      }
    }
    if (c == '[') {
      v.kind = value::array;
      ++i_;
      ws();
      if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
      for (;;) {
        value m;
        if (!val(m)) return false;
        v.items.push_back(std::move(m));
        ws();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
        return false;
      }
    }
    if (c == '"') {
      v.kind = value::string;
      return str(v.str);
    }
    if (lit("true")) return v.kind = value::boolean, v.b = true, true;
    if (lit("false")) return v.kind = value::boolean, true;
    if (lit("null")) return true;
    std::size_t start = i_;
    if (s_[i_] == '-') ++i_;
    while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                              s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
      ++i_;
    if (i_ == start) return false;
    v.kind = value::number;
    v.num = std::strtod(s_.substr(start, i_ - start).c_str(), nullptr);
    return true;
  }
};

inline bool parse(const std::string& text, value& out) {
  return parser(text).parse(out);
}

}  // namespace jsonmini
