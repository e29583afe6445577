#include "platform/i18n.h"

#include <algorithm>
#include <fstream>
#include <unordered_map>

namespace plat {

namespace {

struct in_use {
  std::string language;
  MoCatalogue catalogue;
  // Each translated form in the game's code page, converted once when the catalogue is taken.
  std::unordered_map<const std::string*, sjis> converted;
  int generation = 0;
};

in_use& current() {
  static in_use c;
  return c;
}

// A translation in the game's code page. The yen sign is the code page's backslash byte, which
// the game's font shows as a yen sign: a translator writes "¥" and gets the game's own.
bool to_game_bytes(const std::string& utf8, sjis& out) {
  std::string s;
  s.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8.compare(i, 2, "\xC2\xA5") == 0) {
      s += '\\';
      ++i;
    } else {
      s += utf8[i];
    }
  }
  bool ok = false;
  out = to_sjis(s, &ok);
  return ok;
}

// "en_GB.UTF-8@euro" -> "en_GB", then "en".
void add_forms(std::string code, std::vector<std::string>& out) {
  code = code.substr(0, code.find_first_of(".@"));
  if (!is_language_code(code) || code == "C" || code == "POSIX") return;
  auto add = [&](const std::string& c) {
    for (const auto& have : out)
      if (have == c) return;
    out.push_back(c);
  };
  add(code);
  const std::size_t u = code.find('_');
  if (u != std::string::npos && u > 0) add(code.substr(0, u));
}

// A catalogue is read whole; one larger than any real catalogue (the game's English is 150 kB)
// is not read to its end, and then fails the check of its strings as damaged.
bool read_file(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  constexpr std::size_t most = 16u << 20;
  char buf[65536];
  bytes.clear();
  while (bytes.size() < most && in.read(buf, sizeof buf).gcount() > 0)
    bytes.append(buf, std::size_t(in.gcount()));
  return true;
}

struct string_sink {
  sjis& s;
  void put(std::string_view v) { s.append(v); }
  void number(long long v) { s += std::to_string(v); }
};

}  // namespace

std::vector<std::string> language_candidates(const LanguageAsked& asked,
                                             const char* (*env)(const char*)) {
  std::vector<std::string> out;
  if (!asked.command_line.empty()) {
    add_forms(asked.command_line, out);
    return out;
  }
  if (!asked.settings.empty()) {
    add_forms(asked.settings, out);
    return out;
  }
  auto get = [&](const char* name) -> std::string {
    const char* v = env ? env(name) : nullptr;
    return v ? v : "";
  };
  // The locale: the first of LC_ALL, LC_MESSAGES and LANG that is set, as the C library takes it.
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = get(name);
    if (!locale.empty()) break;
  }
  // LANGUAGE, a list of languages in the order the user prefers them, comes first.
  std::string list = get("LANGUAGE");
  std::size_t at = 0;
  while (at <= list.size() && !list.empty()) {
    const std::size_t end = list.find(':', at);
    add_forms(list.substr(at, end == std::string::npos ? end : end - at), out);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  add_forms(locale, out);
  return out;
}

bool is_language_code(std::string_view code) {
  if (code.empty() || code.size() > 32 ||
      !((code[0] >= 'a' && code[0] <= 'z') || (code[0] >= 'A' && code[0] <= 'Z')))
    return false;
  for (char c : code) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '.' || c == '@' || c == '-';
    if (!ok) return false;
  }
  return true;
}

bool is_source_language(std::string_view code) {
  return code == "ja" || code.substr(0, 3) == "ja_";
}

LanguageResult start_language(const std::vector<std::string>& candidates,
                              const std::vector<std::string>& dirs, const std::string& domain) {
  LanguageResult r;
  std::string trouble;
  for (const std::string& code : candidates) {
    if (is_source_language(code)) {
      use_catalogue(MoCatalogue(), "");
      return r;
    }
    for (const std::string& dir : dirs) {
      const std::string path = dir + "/" + code + "/LC_MESSAGES/" + domain + ".mo";
      std::string bytes;
      if (!read_file(path, bytes)) continue;
      MoCatalogue c;
      std::string why;
      if (!c.parse(bytes, &why)) {
        // The language's own catalogue is damaged: the next language asked for, if any.
        if (trouble.empty()) trouble = "the catalogue " + path + " is damaged (" + why + ")";
        break;
      }
      const int lost = use_catalogue(std::move(c), code);
      r.language = current_language();  // a catalogue without a text leaves the game Japanese
      if (lost > 0)
        r.warning = std::to_string(lost) + " texts of " + path +
                    " cannot be shown in the game's characters; they stay Japanese";
      return r;
    }
  }
  use_catalogue(MoCatalogue(), "");
  if (!trouble.empty())
    r.warning = trouble + "; the game stays Japanese";
  else if (!candidates.empty())
    r.warning = "no translation for \"" + candidates.front() + "\"; the game stays Japanese";
  return r;
}

int use_catalogue(MoCatalogue catalogue, const std::string& language) {
  in_use& c = current();
  c.catalogue = std::move(catalogue);
  c.language = c.catalogue.size() > 0 ? language : std::string();
  c.converted.clear();
  int lost = 0;
  c.catalogue.each_form([&](const std::string&, const std::string& form) {
    sjis s;
    if (!form.empty() && !to_game_bytes(form, s)) {
      ++lost;
      s.clear();
    }
    c.converted.emplace(&form, std::move(s));
  });
  ++c.generation;
  return lost;
}

const std::string& current_language() {
  return current().language;
}

bool breaks_at_blanks() {
  return !current().language.empty();
}

int catalogue_generation() {
  return current().generation;
}

namespace {

// The game's bytes of a translated form, or nullptr (then the Japanese text is used).
const sjis* converted(const std::string* form) {
  if (!form) return nullptr;
  const auto& m = current().converted;
  const auto it = m.find(form);
  return it == m.end() || it->second.empty() ? nullptr : &it->second;
}

}  // namespace

sjis tr(std::string_view id) {
  if (!current().language.empty())
    if (const sjis* t = converted(current().catalogue.find(id))) return *t;
  return to_sjis(id);
}

sjis trc(std::string_view context, std::string_view id) {
  if (!current().language.empty()) {
    std::string key(context);
    key += '\x04';
    key += id;
    if (const sjis* t = converted(current().catalogue.find(key))) return *t;
  }
  return to_sjis(id);
}

namespace {

// Negative counts take the form of their size, as a translator would say them.
unsigned long count_of(long long n) {
  return n < 0 ? 0ul - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
}

}  // namespace

sjis trn(std::string_view id, std::string_view plural, long long n) {
  if (!current().language.empty())
    if (const sjis* t = converted(current().catalogue.find_plural(id, count_of(n)))) return *t;
  return to_sjis(n == 1 ? id : plural);
}

blank_cut break_at_blank(std::string_view t, std::size_t limit) {
  if (t.size() <= limit) return {t.size(), t.size()};
  std::size_t cut = limit;
  while (cut > 0 && t[cut] != ' ') --cut;
  std::size_t end = cut;
  while (end > 0 && t[end - 1] == ' ') --end;  // no blanks left hanging at the line's end
  if (end == 0) end = cut = limit;             // one word longer than the line
  std::size_t next = cut;
  while (next < t.size() && t[next] == ' ') ++next;
  return {end, next};
}

bool is_ascii(std::string_view t) {
  for (char c : t)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

sjis format(std::string_view f, std::initializer_list<fmt_arg> args) {
  sjis s;
  string_sink sink{s};
  format_to(sink, f, args);
  return s;
}

const sjis& tr_cached(tr_slot& slot, const char* context, const char* id) {
  const int g = catalogue_generation();
  if (slot.generation != g) {
    if (current().language.empty()) {
      // The Japanese game: the literal itself, which must convert (tests reach every literal).
      bool done = false;
      literal_checked(id, slot.text, done);
    } else {
      slot.text = context ? trc(context, id) : tr(id);
    }
    slot.generation = g;
  }
  return slot.text;
}

const sjis& trn_cached(trn_slot& slot, const char* id, const char* plural, long long n) {
  const int g = catalogue_generation();
  in_use& c = current();
  const int forms =
      c.language.empty() ? 2 : std::min(c.catalogue.plural_forms(), trn_slot::max_forms);
  if (slot.generation != g) {
    if (c.language.empty()) {
      bool done = false;
      literal_checked(id, slot.forms[0], done);
      done = false;
      literal_checked(plural, slot.forms[1], done);
    } else {
      // Form k is the one the catalogue's rule gives for some count; look each up by a count
      // that the rule maps to it (the rule is a function of n alone, so scan small counts).
      for (int k = 0; k < forms; ++k) slot.forms[k].clear();
      for (unsigned long m = 0; m < 1000; ++m) {
        const unsigned long k = c.catalogue.plural_form(m);
        if (k >= unsigned(forms) || !slot.forms[k].empty()) continue;
        slot.forms[k] = trn(id, plural, static_cast<long long>(m));
      }
    }
    slot.generation = g;
  }
  unsigned long k = c.language.empty() ? (n == 1 ? 0 : 1) : c.catalogue.plural_form(count_of(n));
  if (k >= unsigned(forms) || slot.forms[k].empty()) k = 0;
  return slot.forms[k];
}

}  // namespace plat
