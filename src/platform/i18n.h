// The game in other languages. Every text a player reads is written in the source in Japanese
// (UTF-8) and passes through one lookup: with no catalogue in use it is the Japanese text itself,
// byte for byte what it always was; with one, the translation from the catalogue (a gettext MO
// file compiled from po/LL.po), or the Japanese text where the catalogue has none. Either way
// the result is the game's Shift-JIS bytes, so every byte-counted rule works on both.
//
// Markers (xgettext extracts the texts by them; see po/README.md):
//   TR("テキスト")                 a text, looked up once per call site and language
//   TRF("%s円", args...)          a text with parts put in (%s, %d, or %1$s to reorder)
//   TRN("%d枚", "%d枚", n)         a text whose words follow a count (English "1 flyer", "3
//   flyers");
//                                 the form is chosen, the count is put in with format()
//   TRC("ctx", "テキスト")          a text that needs its own translation in one place
//   N_("テキスト")                  marks a table's text; the table is looked up with tr()
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mo.h"
#include "platform/sjis.h"

namespace plat {

// ---- Choosing the language ----------------------------------------------------------------------

// Where the language was asked for, in the order the game looks: the command line, the settings
// file, the environment (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).
struct LanguageAsked {
  std::string command_line;  // --lang
  std::string settings;      // language= in settings.ini
};

// The language codes to try, in order, each in the forms to look for ("en_GB.UTF-8" gives
// "en_GB", then "en"). `env` answers an environment variable (nullptr when unset). The locale
// "C" and "POSIX" ask for no language and give nothing.
std::vector<std::string> language_candidates(const LanguageAsked& asked,
                                             const char* (*env)(const char*));

// Whether `code` may name a language (a letter, then letters, digits and "_.@-", at most 32
// characters): it becomes part of a path, so nothing else is taken.
bool is_language_code(std::string_view code);

// True for a code of the game's own language, Japanese ("ja", "ja_JP"...).
bool is_source_language(std::string_view code);

struct LanguageResult {
  std::string language;  // the code in use; empty: Japanese, the game's own
  std::string warning;   // one line for stderr when what was asked cannot be had; else empty
};

// Puts the first candidate into use that is Japanese or has a catalogue
// DIR/CODE/LC_MESSAGES/DOMAIN.mo in one of `dirs` (tried in order). A catalogue that cannot be
// read is passed over with a warning; when nothing asked for can be had the game is Japanese.
LanguageResult start_language(const std::vector<std::string>& candidates,
                              const std::vector<std::string>& dirs, const std::string& domain);

// ---- The catalogue in use -----------------------------------------------------------------------

// Puts a catalogue into use for `language` (an empty code and catalogue: Japanese). Messages that
// cannot be written in the game's code page stay Japanese; how many is answered.
int use_catalogue(MoCatalogue catalogue, const std::string& language);
// The language in use ("" for Japanese).
const std::string& current_language();
// Whether texts of this language break between words at blanks, not anywhere.
bool breaks_at_blanks();
// Changes whenever the catalogue in use changes; per-call-site caches compare it.
int catalogue_generation();

// The lookups: each answers the game's Shift-JIS bytes.
sjis tr(std::string_view id);
sjis trc(std::string_view context, std::string_view id);
sjis trn(std::string_view id, std::string_view plural, long long n);

// Where a line of a language that breaks at blanks ends when it may hold `limit` bytes: the whole
// text if it fits, else before the last blank that leaves at most `limit` bytes on the line, else
// (one word longer than the line) at `limit` itself. `next` is where the following line starts,
// past the blanks.
struct blank_cut {
  std::size_t length, next;
};
blank_cut break_at_blank(std::string_view text, std::size_t limit);
// Whether a text is plain ASCII (the yen sign, the code page's backslash, is ASCII too).
bool is_ascii(std::string_view text);

// ---- Putting parts into a text ------------------------------------------------------------------

// An argument of a format: a text (Shift-JIS bytes) or a number.
struct fmt_arg {
  fmt_arg(std::string_view s) : text(s) {}
  fmt_arg(const std::string& s) : text(s) {}
  fmt_arg(const char* s) : text(s) {}
  fmt_arg(int v) : is_number(true), number(v) {}
  fmt_arg(long v) : is_number(true), number(v) {}
  fmt_arg(long long v) : is_number(true), number(v) {}
  bool is_number = false;
  long long number = 0;
  std::string_view text;
};

// Writes `format` with each %s or %d replaced by the next argument (%1$s, %2$d: by the one of
// that number), "%%" by "%". A directive with no argument writes nothing. Byte 0x25 never occurs
// inside a double-byte Shift-JIS character, so the Japanese texts are read safely.
template <class Sink>
void format_to(Sink& out, std::string_view format, std::initializer_list<fmt_arg> args);
sjis format(std::string_view format, std::initializer_list<fmt_arg> args);

// A per-call-site cache of one looked-up text (TR, TRC).
struct tr_slot {
  int generation = -1;
  sjis text;
};
const sjis& tr_cached(tr_slot& slot, const char* context, const char* id);

// A per-call-site cache of a text with plural forms (TRN): every form is looked up once per
// language, so choosing one for a count allocates nothing (the status panel does it each frame).
struct trn_slot {
  static constexpr int max_forms = 6;
  int generation = -1;
  sjis forms[max_forms];
};
const sjis& trn_cached(trn_slot& slot, const char* id, const char* plural, long long n);

}  // namespace plat

#define N_(lit) lit

#define TR(lit)                                    \
  ([]() -> const ::plat::sjis& {                   \
    static ::plat::tr_slot slot_;                  \
    return ::plat::tr_cached(slot_, nullptr, lit); \
  }())

#define TRC(ctx, lit)                          \
  ([]() -> const ::plat::sjis& {               \
    static ::plat::tr_slot slot_;              \
    return ::plat::tr_cached(slot_, ctx, lit); \
  }())

#define TRF(lit, ...) (::plat::format(TR(lit), {__VA_ARGS__}))

#define TRN(lit, plural, n)            \
  (::plat::trn_cached(                 \
      []() -> ::plat::trn_slot& {      \
        static ::plat::trn_slot slot_; \
        return slot_;                  \
      }(),                             \
      lit, plural, (n)))

// ---- Template definitions -----------------------------------------------------------------------

namespace plat {

template <class Sink>
void format_to(Sink& out, std::string_view f, std::initializer_list<fmt_arg> args) {
  std::size_t next = 0;  // the argument a plain %s or %d takes
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%' || i + 1 >= f.size()) {
      out.put(f.substr(i, 1));
      continue;
    }
    std::size_t j = i + 1;
    if (f[j] == '%') {
      out.put("%");
      i = j;
      continue;
    }
    std::size_t which = next;
    bool positional = false;
    if (f[j] >= '1' && f[j] <= '9' && j + 1 < f.size() && f[j + 1] == '$') {
      which = std::size_t(f[j] - '1');
      positional = true;
      j += 2;
    }
    if (j >= f.size() || (f[j] != 's' && f[j] != 'd')) {
      out.put(f.substr(i, 1));  // not a directive of ours: the '%' stands as written
      continue;
    }
    if (!positional) ++next;
    if (which < args.size()) {
      const fmt_arg& a = args.begin()[which];
      if (a.is_number)
        out.number(a.number);
      else
        out.put(a.text);
    }
    i = j;
  }
}

}  // namespace plat
