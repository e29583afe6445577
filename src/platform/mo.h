// A translation catalogue read from a gettext MO file: what a translator's PO file becomes after
// msgfmt. Only what the game needs is kept: each original text (with its context and plural, as
// gettext writes them) and its translated forms, and the rule that picks a plural form for a
// count. The file is checked whole before anything of it is used; a damaged file is refused with
// the reason, never half read.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace plat {

// The plural rule of a catalogue's "Plural-Forms" header: a C expression over n, compiled once.
class PluralRule {
 public:
  // False with `why` when the text is not an expression gettext would accept (or nests deeper
  // than any real rule does); the rule is then n != 1, as gettext's own default.
  bool compile(std::string_view expr, std::string* why);
  // The form for count n, from 0; a rule that divides by zero answers 0.
  unsigned long evaluate(unsigned long n) const;

  // The compiled expression: a node is an operator with up to three operands (indices into
  // nodes_), the count n, or a number.
  struct node {
    char op = 0;   // 'n', '#' (number), 'N' (not), '?', or a binary operator's first character
    char op2 = 0;  // second character of a two-character operator ("==", "<=", "&&" ...)
    unsigned long value = 0;
    int a = -1, b = -1, c = -1;
  };

 private:
  std::vector<node> nodes_;
  int root_ = -1;
};

class MoCatalogue {
 public:
  MoCatalogue();
  ~MoCatalogue();
  MoCatalogue(MoCatalogue&&) noexcept;
  MoCatalogue& operator=(MoCatalogue&&) noexcept;

  // Reads an MO file's bytes (either byte order). False with `why` for anything that is not a
  // whole, consistent MO file in UTF-8: the catalogue is then empty.
  bool parse(std::string_view bytes, std::string* why);

  // The translation of `id` (for a text with a context, "context\x04id"), form 0; nullptr when
  // the catalogue has none (or an empty one, which gettext also treats as missing).
  const std::string* find(std::string_view key) const;
  // The translated form for count n; nullptr when there is no translation.
  const std::string* find_plural(std::string_view key, unsigned long n) const;

  // The form the catalogue's rule chooses for count n (0 .. plural_forms()-1).
  unsigned long plural_form(unsigned long n) const;

  std::size_t size() const { return entries_.size(); }
  int plural_forms() const { return nplurals_; }
  // The catalogue's header, whole (the translation of the empty text).
  const std::string& header() const { return header_; }
  // Calls f(key, form) for every translated form.
  template <class F>
  void each_form(F f) const {
    for (const auto& [key, e] : entries_)
      for (const std::string& form : e.forms) f(key, form);
  }

 private:
  struct entry {
    std::vector<std::string> forms;  // form 0 .. nplurals-1 (one for a text without plural)
  };
  std::unordered_map<std::string, entry> entries_;
  std::string header_;
  int nplurals_ = 2;
  PluralRule plural_;
};

}  // namespace plat
