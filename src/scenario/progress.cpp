#include "scenario/progress.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "goods/catalogue.h"
#include "platform/i18n.h"
#include "shell/form.h"
#include "shell/trace.h"

namespace game {

std::array<int*, progress_lines> progress_fields(game_state& s) {
  std::array<int*, progress_lines> f{};
  std::size_t n = 0;
  auto put = [&](int& v) { f[n++] = &v; };
  for (int i = 0; i < 100; ++i) put(s.progress[i]);
  for (int i = 0; i < 1000; ++i) put(s.stock[i]);
  for (int i = 0; i < 100; ++i) put(s.man_fond[i]);
  put(s.money);
  put(s.lovely);
  put(s.bad_service);
  put(s.poor_stock);
  put(s.clerk_lv);
  put(s.day);
  put(s.save_marker);
  put(s.play_count);
  put(s.progress[105]);  // best clerk level
  put(s.progress[106]);  // best day count
  for (int i = 0; i < 20; ++i) {
    put(s.sales_history[i]);
    put(s.satisfaction_history[i]);
  }
  for (int i = 0; i < 1000; ++i) put(s.collected[i]);
  put(s.best_sales);
  put(s.flyer_kind);
  put(s.shop_image);
  put(s.flyer_used);
  put(s.image_days);
  put(s.award_count);
  put(s.spare_counter);
  put(s.draw_speed);
  put(s.mode);
  return f;
}

std::string progress_text(game_state& s) {
  std::string out;
  out.reserve(progress_lines * 4);
  for (int* v : progress_fields(s)) {
    out += std::to_string(*v);
    out += "\r\n";
  }
  return out;
}

namespace {

// Counts the game adds to and takes from a step at a time, by their lines in the file. Within a
// thousand million either way (far past anything played, money's own ceiling included) every
// step stays inside 32 bits: the reader refuses a count beyond that as no count of ours, and a
// save holds a count that has stepped past it at the edge, so that every save reads back.
struct counts {
  int first, last;  // lines, 1-based
  const char* what;
};
constexpr counts stepped_counts[] = {
    {101, 1100, "stock"},       {1101, 1200, "fondness"},    {1201, 1201, "money"},
    {1202, 1202, "lovely"},     {1203, 1203, "bad service"}, {1204, 1204, "poor stock"},
    {1206, 1206, "day"},        {1208, 1208, "play count"},  {2254, 2254, "flyers handed out"},
    {2255, 2255, "image days"},
};
constexpr int count_limit = 1000000000;

void hold_counts(game_state& s) {
  const auto fields = progress_fields(s);
  for (const counts& c : stepped_counts)
    for (int line = c.first; line <= c.last; ++line) {
      int& v = *fields[std::size_t(line - 1)];
      v = v < -count_limit ? -count_limit : v > count_limit ? count_limit : v;
    }
}

bool blank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// One line of the progress file: optional blanks, an optional sign, decimal digits, optional
// blanks. Anything else, or a value outside the 32-bit range, is not a number of ours.
bool parse_line(const char* b, const char* e, int& out) {
  while (b < e && blank(*b)) ++b;
  while (e > b && blank(e[-1])) --e;
  bool neg = false;
  if (b < e && (*b == '-' || *b == '+')) neg = (*b++ == '-');
  if (b == e) return false;
  long long v = 0;
  for (; b < e; ++b) {
    if (*b < '0' || *b > '9') return false;
    v = v * 10 + (*b - '0');
    if (v > 2147483648LL) return false;
  }
  if (neg) v = -v;
  if (v < -2147483648LL || v > 2147483647LL) return false;
  out = int(v);
  return true;
}

bool slurp(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

std::array<plat::sjis, name_count> names;

}  // namespace

bool parse_progress(const std::string& text, std::array<int, progress_lines>& values,
                    std::string* why) {
  std::size_t pos = 0;
  for (int line = 0; line < progress_lines; ++line) {
    if (pos >= text.size()) {
      if (why)
        *why = "only " + std::to_string(line) + " of " + std::to_string(progress_lines) + " lines";
      return false;
    }
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string::npos ? text.size() : nl;
    if (!parse_line(text.data() + pos, text.data() + end, values[line])) {
      if (why) *why = "line " + std::to_string(line + 1) + " is not a number";
      return false;
    }
    pos = nl == std::string::npos ? text.size() : nl + 1;
  }
  // Values the game can never reach and that other parts index tables or divide with: a file
  // holding them is garbage, not progress. The clerk never passes level 10 (the ending); its
  // bound keeps the day's length, the quota target and the pay, all reckoned from the level,
  // well inside 32 bits, while leaving room for a player's own edits.
  struct range {
    int line;
    const char* what;
    int lo, hi;
  };
  static constexpr range ranges[] = {
      {1205, "clerk level", 0, 9999},
      {2252, "flyer design", -1, 99},
      {2253, "shop image", 0, 99},
      {2256, "award count", 0, 99},
  };
  for (const range& r : ranges) {
    const int v = values[std::size_t(r.line - 1)];
    if (v < r.lo || v > r.hi) {
      if (why) *why = "line " + std::to_string(r.line) + " (" + r.what + ") is out of range";
      return false;
    }
  }
  for (const counts& c : stepped_counts)
    for (int line = c.first; line <= c.last; ++line) {
      const int v = values[std::size_t(line - 1)];
      if (v < -count_limit || v > count_limit) {
        if (why) *why = "line " + std::to_string(line) + " (" + c.what + ") is out of range";
        return false;
      }
    }
  return true;
}

progress_read read_progress_file(const std::string& path, game_state& s, std::string* why) {
  if (!exists(path)) return progress_read::missing;
  std::string text;
  if (!slurp(path, text)) {
    if (why) *why = std::strerror(errno);
    return progress_read::unreadable;
  }
  std::array<int, progress_lines> values;
  if (!parse_progress(text, values, why)) return progress_read::damaged;
  auto fields = progress_fields(s);
  for (int i = 0; i < progress_lines; ++i) *fields[i] = values[i];
  return progress_read::ok;
}

const std::array<plat::sjis, name_count>& name_list() {
  return names;
}

bool read_name_file(const std::string& path) {
  for (auto& n : names) n.clear();
  std::string text;
  if (!slurp(path, text)) return false;
  std::size_t pos = 0;
  for (int i = 0; i < name_count && pos < text.size(); ++i) {
    std::size_t nl = text.find('\n', pos);
    std::size_t end = nl == std::string::npos ? text.size() : nl;
    std::size_t cut = end;
    if (cut > pos && text[cut - 1] == '\r') --cut;
    names[i] = text.substr(pos, cut - pos);
    pos = nl == std::string::npos ? text.size() : nl + 1;
  }
  return true;
}

const char* ledger_file_name() {
  return "うりあげ帳.txt";
}

plat::sjis ledger_text(const game_state& s) {
  const plat::sjis crlf = "\r\n";
  int normal = 0, chara = 0;
  for (int id = 0; id < item_count; ++id) {
    const titem& t = item[id];
    // (The sold-out stand-in is no seal a clerk can stick, whatever a damaged file says.)
    if (t.kind != kind_seal || t.name.empty() || id == sold_out_item || s.collected[id] < 1)
      continue;
    if (t.chara == 1) {
      ++chara;
    } else {
      ++normal;
    }
  }
  plat::sjis mode_text;
  switch (s.mode) {
    case 0:
      mode_text = TR("(ようちえんモード)");
      break;
    case 1:
      mode_text = TR("(小学生モード)");
      break;
    case 2:
      mode_text = TR("(大人モード)");
      break;
    default:
      break;
  }
  plat::sjis out;
  out += TR("★フロリネット ver1.5") + crlf;
  out += TRF("最高レベル: %d 最高日数:%d日 %s", s.progress[105], s.progress[106], mode_text) + crlf;
  out += TRF("最高売り上げ: ￥%d円", s.best_sales) + crlf;
  out += TRF("ノーマルチールコレクション: %d種類", normal) + crlf;
  out += TRF("キャラチールコレクション: %d種類", chara) + crlf;
  out += TR("私の好きなチール:           (←ここには貴方の一番好きなチールを書いてね)") + crlf;
  if (s.progress[3] >= 1) out += TR("＜シールマスター＞");
  if (s.progress[4] >= 1) out += TR("＜クリアしたよ＞");
  out += crlf;
  return out;
}

namespace {

int sys_open(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

}  // namespace

const save_file_ops& system_file_ops() {
  static const save_file_ops ops{sys_open, ::write, ::fsync, ::close, ::rename, ::unlink};
  return ops;
}

save_file_ops save_ops = system_file_ops();

namespace {

// A save cut off by a crash or a power cut leaves its temporary "NAME.new-PID" behind. Once a
// save has gone through, those of processes that are gone are removed; a running game's own
// (another copy saving at this moment) is left alone, and so is anything else in the folder.
void remove_stale_temporaries(const std::string& folder, const std::string& name) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  const std::string prefix = name + ".new-";
  std::vector<std::string> stale;
  while (const dirent* e = ::readdir(d)) {
    const std::string file = e->d_name;
    if (file.size() <= prefix.size() || file.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string digits = file.substr(prefix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const long pid = std::stol(digits);
    if (pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;  // alive, or not ours to judge
    stale.push_back(folder + "/" + file);
  }
  ::closedir(d);
  for (const std::string& f : stale) save_ops.unlink(f.c_str());
}

}  // namespace

bool write_file_safely(const std::string& path, const std::string& bytes, std::string* why,
                       int* err) {
  const save_file_ops& op = save_ops;
  const std::string tmp = path + ".new-" + std::to_string(::getpid());
  auto fail = [&](const std::string& step, int code, int fd) {
    if (fd >= 0) op.close(fd);
    op.unlink(tmp.c_str());
    if (why) *why = step + ": " + std::strerror(code);
    if (err) *err = code;
    return false;
  };
  int fd = op.open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    const int code = errno;
    if (why) *why = "cannot create " + tmp + ": " + std::strerror(code);
    if (err) *err = code;
    return false;
  }
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = op.write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail("write", errno, fd);
    if (n == 0) return fail("write", ENOSPC, fd);  // no progress: no room, whatever it says
    p += n;
    left -= std::size_t(n);
  }
  if (op.fsync(fd) != 0) return fail("sync", errno, fd);
  if (op.close(fd) != 0) return fail("close", errno, -1);
  if (op.rename(tmp.c_str(), path.c_str()) != 0) return fail("rename", errno, -1);
  // The rename itself reaches the disk with the folder. A folder that cannot be synced (some
  // file systems refuse) leaves the new file in place all the same: the save is done.
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : path.substr(0, slash);
  int dfd = op.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (dfd >= 0) {
    op.fsync(dfd);
    op.close(dfd);
  }
  remove_stale_temporaries(folder, path.substr(slash == std::string::npos ? 0 : slash + 1));
  return true;
}

namespace {

// Moves a progress file we cannot use out of the way, to the first free my.dat.damaged-N, so that
// no later save can replace it: the player keeps it. Answers where it went ("" if it stayed).
std::string keep_aside(const std::string& path) {
  for (int n = 1; n < 1000000; ++n) {
    const std::string aside = path + ".damaged-" + std::to_string(n);
    if (exists(aside)) continue;
    return ::rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
  }
  errno = EEXIST;
  return {};
}

void start_afresh_from_unusable(const std::string& path, const char* what, const std::string& why) {
  const std::string aside = keep_aside(path);
  if (!aside.empty()) {
    std::fprintf(stderr, "florinet: %s %s (%s); kept as %s, starting from a new game\n",
                 path.c_str(), what, why.c_str(), aside.c_str());
  } else {
    std::fprintf(stderr,
                 "florinet: %s %s (%s) and could not be moved aside (%s); "
                 "starting from a new game\n",
                 path.c_str(), what, why.c_str(), std::strerror(errno));
  }
  reset_all();
}

}  // namespace

void load_progress_file(const std::string& path) {
  std::string why;
  switch (read_progress_file(path, gs, &why)) {
    case progress_read::ok:
      break;
    case progress_read::missing:
      std::fprintf(stderr, "florinet: %s not found; starting from a new game\n", path.c_str());
      reset_all();
      break;
    case progress_read::unreadable:
      // It may read again another day (a permission, a disk not there): kept like a damaged one.
      start_afresh_from_unusable(path, "cannot be read", why);
      break;
    case progress_read::damaged:
      start_afresh_from_unusable(path, "is damaged", why);
      break;
  }
}

namespace {
save_result last;
}  // namespace

const save_result& last_save() {
  return last;
}

bool save_progress_files(const std::string& path, const std::string& ledger) {
  hold_counts(gs);
  trace("save", "");
  std::string why;
  last = save_result{};
  bool ok = write_file_safely(path, progress_text(gs), &why, &last.error);
  if (!ok) {
    last.saved = false;
    last.old_kept = exists(path);
    std::fprintf(stderr, "florinet: could not save %s (%s)%s\n", path.c_str(), why.c_str(),
                 last.old_kept ? "; the previous progress is kept" : "");
  }
  if (!write_file_safely(ledger, ledger_text(gs), &why)) {
    std::fprintf(stderr, "florinet: could not write %s (%s)\n", ledger.c_str(), why.c_str());
  }
  return ok;
}

void load_progress_from(const std::string& dir) {
  load_progress_file(dir + "/dat/my.dat");
  read_name_file(dir + "/dat/name.dat");
}

bool save_progress_to(const std::string& dir) {
  return save_progress_files(dir + "/dat/my.dat", dir + "/" + ledger_file_name());
}

namespace {
std::string save_progress_path, save_ledger_path;
}  // namespace

void set_save_files(const std::string& progress_path, const std::string& ledger_path) {
  save_progress_path = progress_path;
  save_ledger_path = ledger_path;
}

void load_progress() {
  if (save_progress_path.empty()) {
    load_progress_from(program_dir());
    return;
  }
  load_progress_file(save_progress_path);
  read_name_file(program_dir() + "/dat/name.dat");
}

bool save_progress() {
  if (save_progress_path.empty()) return save_progress_to(program_dir());
  return save_progress_files(save_progress_path, save_ledger_path);
}

}  // namespace game
