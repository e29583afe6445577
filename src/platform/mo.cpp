// The MO file: a little header of seven 32-bit words (magic, revision, count, the two tables'
// offsets, the hash table's size and offset), then two tables of (length, offset) pairs, the
// originals and their translations, each string followed by a NUL. The hash table is an
// optional speed-up of gettext's own; we index the strings ourselves and never read it.
#include "platform/mo.h"

#include <cstring>
#include <string>

namespace plat {

// ---- The plural rule --------------------------------------------------------------------------

namespace {

constexpr int max_depth = 64;  // real rules nest a few levels; a fuzzer's may nest thousands
constexpr std::size_t max_nodes = 512;

class rule_parser {
 public:
  rule_parser(std::string_view s, std::vector<PluralRule::node>& nodes) : s_(s), nodes_(nodes) {}

  int parse(std::string* why) {
    const int root = conditional(0);
    skip_blanks();
    if (root >= 0 && pos_ != s_.size()) fail("unexpected text after the expression");
    if (failed_) {
      if (why) *why = error_;
      return -1;
    }
    return root;
  }

 private:
  void fail(const char* what) {
    if (!failed_) error_ = what;
    failed_ = true;
  }
  void skip_blanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n')) ++pos_;
  }
  bool take(std::string_view tok) {
    skip_blanks();
    if (s_.substr(pos_, tok.size()) != tok) return false;
    // "<" must not take the first half of "<=", nor "!" that of "!=", nor "=" alone.
    if (tok.size() == 1 && pos_ + 1 < s_.size() && s_[pos_ + 1] == '=' &&
        (tok == "<" || tok == ">" || tok == "!"))
      return false;
    pos_ += tok.size();
    return true;
  }
  int make(char op, char op2, int a, int b = -1, int c = -1, unsigned long v = 0) {
    if (failed_) return -1;
    if (nodes_.size() >= max_nodes) {
      fail("the expression is too long");
      return -1;
    }
    nodes_.push_back(PluralRule::node{op, op2, v, a, b, c});
    return int(nodes_.size()) - 1;
  }

  int conditional(int depth) {
    if (depth > max_depth) {
      fail("the expression nests too deeply");
      return -1;
    }
    const int cond = binary(0, depth);
    if (failed_ || !take("?")) return cond;
    const int yes = conditional(depth + 1);
    if (!take(":")) fail("'?' without ':'");
    const int no = conditional(depth + 1);
    return make('?', 0, cond, yes, no);
  }

  // Binary operators by precedence level, loosest first.
  int binary(int level, int depth) {
    static constexpr std::string_view levels[][4] = {
        {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
    if (level == 6) return unary(depth);
    int left = binary(level + 1, depth);
    for (;;) {
      if (failed_) return -1;
      std::string_view op;
      for (std::string_view t : levels[level])
        if (!t.empty() && take(t)) {
          op = t;
          break;
        }
      if (op.empty()) return left;
      const int right = binary(level + 1, depth);
      left = make(op[0], op.size() > 1 ? op[1] : 0, left, right);
    }
  }

  int unary(int depth) {
    if (depth > max_depth) {
      fail("the expression nests too deeply");
      return -1;
    }
    if (take("!")) return make('N', 0, unary(depth + 1));
    skip_blanks();
    if (pos_ >= s_.size()) {
      fail("the expression ends too soon");
      return -1;
    }
    const char c = s_[pos_];
    if (c == 'n') {
      ++pos_;
      return make('n', 0, -1);
    }
    if (c >= '0' && c <= '9') {
      unsigned long v = 0;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
        v = v * 10 + unsigned(s_[pos_] - '0');
        if (v > 0xFFFFFFFFul) {
          fail("a number is too large");
          return -1;
        }
        ++pos_;
      }
      return make('#', 0, -1, -1, -1, v);
    }
    if (take("(")) {
      const int inner = conditional(depth + 1);
      if (!take(")")) fail("'(' without ')'");
      return inner;
    }
    fail("unexpected character in the expression");
    return -1;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  std::vector<PluralRule::node>& nodes_;
  bool failed_ = false;
  std::string error_;
};

unsigned long eval(const std::vector<PluralRule::node>& nodes, int i, unsigned long n) {
  const PluralRule::node& x = nodes[std::size_t(i)];
  switch (x.op) {
    case 'n':
      return n;
    case '#':
      return x.value;
    case 'N':
      return !eval(nodes, x.a, n);
    case '?':
      return eval(nodes, x.a, n) ? eval(nodes, x.b, n) : eval(nodes, x.c, n);
    default:
      break;
  }
  const unsigned long l = eval(nodes, x.a, n);
  // The two logical operators look at their right side only when they must, as C does.
  if (x.op == '|') return l || eval(nodes, x.b, n);
  if (x.op == '&') return l && eval(nodes, x.b, n);
  const unsigned long r = eval(nodes, x.b, n);
  switch (x.op) {
    case '=':
      return l == r;
    case '!':
      return l != r;
    case '<':
      return x.op2 == '=' ? l <= r : l < r;
    case '>':
      return x.op2 == '=' ? l >= r : l > r;
    case '+':
      return l + r;
    case '-':
      return l - r;
    case '*':
      return l * r;
    case '/':
      return r == 0 ? 0 : l / r;
    case '%':
      return r == 0 ? 0 : l % r;
    default:
      return 0;
  }
}

}  // namespace

bool PluralRule::compile(std::string_view expr, std::string* why) {
  nodes_.clear();
  root_ = rule_parser(expr, nodes_).parse(why);
  if (root_ < 0) {
    nodes_.clear();
    return false;
  }
  return true;
}

unsigned long PluralRule::evaluate(unsigned long n) const {
  if (root_ < 0) return n != 1;
  return eval(nodes_, root_, n);
}

// ---- The MO file ------------------------------------------------------------------------------

namespace {

constexpr std::uint32_t mo_magic = 0x950412DEu;

class reader {
 public:
  explicit reader(std::string_view b) : b_(b) {}
  bool swapped = false;
  bool word(std::size_t at, std::uint32_t& v) const {
    if (at > b_.size() || b_.size() - at < 4) return false;
    unsigned char x[4];
    std::memcpy(x, b_.data() + at, 4);
    v = swapped ? (std::uint32_t(x[0]) << 24 | std::uint32_t(x[1]) << 16 |
                   std::uint32_t(x[2]) << 8 | x[3])
                : (std::uint32_t(x[3]) << 24 | std::uint32_t(x[2]) << 16 |
                   std::uint32_t(x[1]) << 8 | x[0]);
    return true;
  }
  // The string a (length, offset) pair at `at` names, which must lie in the file with its NUL.
  bool string(std::size_t at, std::string_view& s) const {
    std::uint32_t len = 0, off = 0;
    if (!word(at, len) || !word(at + 4, off)) return false;
    if (off > b_.size() || b_.size() - off <= len) return false;  // room for the NUL too
    if (b_[off + len] != '\0') return false;
    s = b_.substr(off, len);
    return true;
  }

 private:
  std::string_view b_;
};

// The value of "Name: value" in a catalogue's header, or an empty view.
std::string_view header_field(std::string_view header, std::string_view name) {
  std::size_t at = 0;
  while (at < header.size()) {
    std::size_t end = header.find('\n', at);
    if (end == std::string_view::npos) end = header.size();
    const std::string_view line = header.substr(at, end - at);
    if (line.size() > name.size() && line.compare(0, name.size(), name) == 0 &&
        line[name.size()] == ':') {
      std::string_view v = line.substr(name.size() + 1);
      while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
      return v;
    }
    at = end + 1;
  }
  return {};
}

bool valid_utf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (more < 0 || (more == 1 && c < 0xC2) || (more == 3 && c > 0xF4)) return false;
    if (s.size() - i <= std::size_t(more)) return false;
    for (int k = 1; k <= more; ++k)
      if ((static_cast<unsigned char>(s[i + std::size_t(k)]) >> 6) != 2) return false;
    i += std::size_t(more) + 1;
  }
  return true;
}

std::string lower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return r;
}

}  // namespace

MoCatalogue::MoCatalogue() = default;
MoCatalogue::~MoCatalogue() = default;
MoCatalogue::MoCatalogue(MoCatalogue&&) noexcept = default;
MoCatalogue& MoCatalogue::operator=(MoCatalogue&&) noexcept = default;

bool MoCatalogue::parse(std::string_view bytes, std::string* why) {
  *this = MoCatalogue();
  auto refuse = [&](const char* what) {
    *this = MoCatalogue();
    if (why) *why = what;
    return false;
  };
  reader r(bytes);
  std::uint32_t magic = 0, revision = 0, count = 0, originals = 0, translations = 0;
  if (!r.word(0, magic)) return refuse("too short to be an MO file");
  if (magic != mo_magic) {
    r.swapped = true;
    r.word(0, magic);
    if (magic != mo_magic) return refuse("not an MO file (wrong magic number)");
  }
  if (!r.word(4, revision) || !r.word(8, count) || !r.word(12, originals) ||
      !r.word(16, translations))
    return refuse("the header is cut short");
  if ((revision >> 16) > 1) return refuse("an MO revision this reader does not know");
  // Each string takes a table entry of 8 bytes in both tables and at least its NUL.
  if (count > bytes.size() / 16) return refuse("more strings than the file can hold");

  std::string_view plural_expr;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string_view id, text;
    if (!r.string(originals + 8u * std::size_t(i), id) ||
        !r.string(translations + 8u * std::size_t(i), text))
      return refuse("a string lies outside the file");
    if (!valid_utf8(id) || !valid_utf8(text)) return refuse("a string is not UTF-8");
    if (id.empty()) {
      header_ = std::string(text);
      continue;
    }
    // "id\0plural" for a text with a plural: the key is the singular.
    const std::string_view key = id.substr(0, id.find('\0'));
    entry e;
    std::size_t at = 0;
    for (;;) {
      const std::size_t end = text.find('\0', at);
      e.forms.emplace_back(text.substr(at, end == std::string_view::npos ? end : end - at));
      if (end == std::string_view::npos) break;
      at = end + 1;
    }
    entries_[std::string(key)] = std::move(e);
  }

  const std::string type = lower(header_field(header_, "Content-Type"));
  const std::size_t cs = type.find("charset=");
  if (cs != std::string::npos) {
    const std::string charset = type.substr(cs + 8, type.find_first_of("; \n", cs + 8) - cs - 8);
    if (charset != "utf-8" && charset != "utf8" && charset != "ascii" && charset != "us-ascii")
      return refuse("the catalogue is not in UTF-8");
  }
  plural_expr = header_field(header_, "Plural-Forms");
  if (!plural_expr.empty()) {
    const std::size_t np = plural_expr.find("nplurals=");
    const std::size_t pl = plural_expr.find("plural=", np == std::string_view::npos ? 0 : np + 9);
    if (np == std::string_view::npos || pl == std::string_view::npos)
      return refuse("the Plural-Forms header is incomplete");
    int n = 0;
    for (std::size_t i = np + 9;
         i < plural_expr.size() && plural_expr[i] >= '0' && plural_expr[i] <= '9' && n < 1000; ++i)
      n = n * 10 + (plural_expr[i] - '0');
    if (n < 1 || n > 6)
      return refuse("the Plural-Forms header asks for an unusual number of forms");
    nplurals_ = n;
    std::string_view expr = plural_expr.substr(pl + 7);
    expr = expr.substr(0, expr.find(';'));
    std::string err;
    if (!plural_.compile(expr, &err)) return refuse("the plural rule cannot be read");
  }
  return true;
}

unsigned long MoCatalogue::plural_form(unsigned long n) const {
  const unsigned long k = plural_.evaluate(n);
  return k < unsigned(nplurals_) ? k : 0;
}

const std::string* MoCatalogue::find(std::string_view key) const {
  return find_plural(key, 1);
}

const std::string* MoCatalogue::find_plural(std::string_view key, unsigned long n) const {
  const auto it = entries_.find(std::string(key));
  if (it == entries_.end()) return nullptr;
  const auto& forms = it->second.forms;
  std::size_t form = forms.size() > 1 ? std::size_t(plural_form(n)) : 0;
  if (form >= forms.size()) form = 0;
  if (forms[form].empty()) return nullptr;
  return &forms[form];
}

}  // namespace plat
