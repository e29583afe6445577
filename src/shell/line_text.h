// One line of a frame's text put together without touching the heap: the panels and the day's
// totals are drawn every tick, and a drawn frame allocates nothing. What does not fit is cut.
#pragma once
#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "platform/i18n.h"

namespace game {

class line_text {
 public:
  line_text& operator<<(std::string_view s) {
    const std::size_t k = std::min(s.size(), sizeof buf_ - n_);
    if (k == 0) return *this;  // an empty view may carry no pointer at all
    std::memcpy(buf_ + n_, s.data(), k);
    n_ += k;
    return *this;
  }
  line_text& operator<<(long long v) {
    const auto r = std::to_chars(buf_ + n_, buf_ + sizeof buf_, v);
    if (r.ec == std::errc()) n_ = std::size_t(r.ptr - buf_);
    return *this;
  }
  line_text& operator<<(int v) { return *this << static_cast<long long>(v); }
  // A looked-up text with its parts put in (TR's format directives), still without the heap.
  line_text& format(std::string_view f, std::initializer_list<plat::fmt_arg> args) {
    plat::format_to(*this, f, args);
    return *this;
  }
  void put(std::string_view s) { *this << s; }
  void number(long long v) { *this << v; }
  std::string_view view() const { return {buf_, n_}; }

 private:
  char buf_[128];
  std::size_t n_ = 0;
};

}  // namespace game
