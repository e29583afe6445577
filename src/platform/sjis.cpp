// Shift-JIS (CP932) text: conversion to and from UTF-8 through iconv, and the display decoder.
#include "platform/sjis.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace plat {
namespace {

// One iconv conversion descriptor per direction, opened on first use and kept for the program's
// life (opening one costs far more than a short conversion).
struct Converter {
  iconv_t cd = reinterpret_cast<iconv_t>(-1);
  Converter(const char* to, const char* from) {
    cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      std::fprintf(stderr, "florinet: the C library cannot convert %s to %s (iconv)\n", from, to);
    }
  }
  ~Converter() {
    if (ok()) iconv_close(cd);
  }
  bool ok() const { return cd != reinterpret_cast<iconv_t>(-1); }
  void reset() const {
    if (ok()) iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
};

const Converter& to_cp932() {
  static const Converter c("CP932", "UTF-8");
  return c;
}
const Converter& from_cp932() {
  static const Converter c("UTF-8", "CP932");
  return c;
}

// Runs iconv over the whole input. On a byte sequence it cannot convert it calls `bad`, which
// appends a replacement to `out`, and goes on `skip` bytes further. Returns false if anything
// had to be replaced.
template <class Bad>
bool convert(const Converter& c, std::string_view in, std::string& out, std::size_t skip, Bad bad) {
  out.clear();
  if (!c.ok()) {
    bad(out);
    return false;
  }
  c.reset();
  bool clean = true;
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  std::array<char, 256> buf;
  while (left > 0) {
    char* dst = buf.data();
    std::size_t room = buf.size();
    std::size_t r = iconv(c.cd, &src, &left, &dst, &room);
    out.append(buf.data(), std::size_t(dst - buf.data()));
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ (no mapping / invalid) or EINVAL (cut at the end): replace and step over it.
    clean = false;
    bad(out);
    std::size_t step = skip;
    if (step == 0) {  // a whole UTF-8 sequence
      auto b = static_cast<unsigned char>(*src);
      step = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      // never step over bytes that do not continue the sequence
      std::size_t k = 1;
      while (k < step && k < left && (static_cast<unsigned char>(src[k]) & 0xC0) == 0x80) ++k;
      step = k;
    }
    if (step > left) step = left;
    src += step;
    left -= step;
    c.reset();
  }
  return clean;
}

// Display table of every CP932 double-byte pair: lead 0x81..0x9F, 0xE0..0xFC; trail 0x40..0xFC.
// 0 marks a pair with no character. Built once through iconv, so the drawing path stays a lookup.
constexpr int kTrails = 0xFD - 0x40;
int lead_index(std::uint8_t b) {
  return b <= 0x9F ? b - 0x81 : b - 0xE0 + 31;
}

const std::array<char16_t, 60 * kTrails>& pair_table() {
  static std::array<char16_t, 60 * kTrails> table{};
  static std::once_flag once;
  std::call_once(once, [] {
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!is_lead_byte(std::uint8_t(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        char in[2] = {char(lead), char(trail)};
        unsigned char out[4] = {};
        char* src = in;
        char* dst = reinterpret_cast<char*>(out);
        std::size_t left = 2, room = 4;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1)) continue;
        if (room != 2) continue;  // not exactly one BMP character
        table[std::size_t(lead_index(std::uint8_t(lead)) * kTrails + (trail - 0x40))] =
            char16_t(out[0] | (out[1] << 8));
      }
    }
    iconv_close(cd);
  });
  return table;
}

}  // namespace

sjis to_sjis(std::string_view utf8, bool* ok) {
  sjis out;
  bool clean = convert(to_cp932(), utf8, out, 0, [](std::string& o) { o += '?'; });
  if (ok) *ok = clean;
  return out;
}

std::string to_utf8(std::string_view cp932) {
  std::string out;
  convert(from_cp932(), cp932, out, 1, [](std::string& o) { o += "\xEF\xBF\xBD"; });
  return out;
}

char32_t decode_display_char(std::string_view s, std::size_t& i) {
  if (i >= s.size()) {
    i = s.size();
    return 0xFFFD;
  }
  auto b = static_cast<std::uint8_t>(s[i]);
  if (b == 0x5C) {
    ++i;
    return 0xA5;  // the yen sign of the Japanese code page
  }
  if (b < 0x80) {
    ++i;
    return b;
  }
  if (b >= 0xA1 && b <= 0xDF) {
    ++i;
    return char32_t(0xFF61 + (b - 0xA1));  // half-width katakana
  }
  if (is_lead_byte(b) && i + 1 < s.size()) {
    auto t = static_cast<std::uint8_t>(s[i + 1]);
    if (t >= 0x40 && t <= 0xFC && t != 0x7F) {
      char16_t u = pair_table()[std::size_t(lead_index(b) * kTrails + (t - 0x40))];
      if (u != 0) {
        i += 2;
        return u;
      }
    }
  }
  ++i;  // a cut character, a stray byte or an unassigned pair: one byte, shown as a blank box
  return 0xFFFD;
}

const sjis& literal_checked(const char* utf8, sjis& slot, bool& done) {
  if (!done) {
    bool ok = false;
    slot = to_sjis(utf8, &ok);
    if (!ok) {
      std::fprintf(stderr, "florinet: text literal has no Shift-JIS form: \"%s\"\n", utf8);
      std::abort();
    }
    done = true;
  }
  return slot;
}

}  // namespace plat
