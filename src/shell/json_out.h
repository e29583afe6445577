// Small JSON writers for the headless driver's dumps: the state, the catalogue and the roster.
#pragma once
#include <cstdio>
#include <string>

#include "platform/sjis.h"

namespace game::json {

// A game text (Shift-JIS) as a JSON string in UTF-8.
inline void text(std::string& out, const plat::sjis& s) {
  const std::string u = plat::to_utf8(s);
  out += '"';
  for (unsigned char c : u) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += char(c);
        }
    }
  }
  out += '"';
}

// "name": (the caller writes the value next)
inline void key(std::string& out, const char* name) {
  out += '"';
  out += name;
  out += "\":";
}

template <class Array>
void ints(std::string& out, const Array& a) {
  out += '[';
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(a[i]);
  }
  out += ']';
}

template <class Array>
void texts(std::string& out, const Array& a) {
  out += '[';
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i) out += ',';
    text(out, a[i]);
  }
  out += ']';
}

}  // namespace game::json
