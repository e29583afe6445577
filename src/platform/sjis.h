// The game's text: Shift-JIS (CP932) bytes. Every length, split and column counts bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

using sjis = std::string;  // holds CP932 bytes, never UTF-8

// UTF-8 -> CP932. Characters with no CP932 form are an error (ok=false), never dropped silently.
sjis to_sjis(std::string_view utf8, bool* ok = nullptr);
// CP932 -> UTF-8 for logs, traces and JSON. Byte 0x5C stays a backslash here (it is only the
// display that shows a yen sign). A cut or invalid double-byte character becomes U+FFFD.
std::string to_utf8(std::string_view cp932);

// True if byte b starts a double-byte CP932 character.
constexpr bool is_lead_byte(std::uint8_t b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Decodes one displayed character at s[i] into a Unicode code point for drawing, advancing i.
// 0x5C shows as U+00A5 (yen), half-width katakana map to U+FF61..U+FF9F, a lead byte at the end
// of the string (a cut character) or an invalid pair gives U+FFFD and advances one byte.
char32_t decode_display_char(std::string_view s, std::size_t& i);

// Converts a UTF-8 literal once, at its first use; a literal that does not convert is a
// programming error and aborts at that first use (tests reach every literal).
const sjis& literal_checked(const char* utf8, sjis& slot, bool& done);

}  // namespace plat

// SJ("テキスト"): the Shift-JIS bytes of a UTF-8 literal, converted once per call site.
#define SJ(lit)                                        \
  ([]() -> const ::plat::sjis& {                       \
    static ::plat::sjis slot_;                         \
    static bool done_ = false;                         \
    return ::plat::literal_checked(lit, slot_, done_); \
  }())
