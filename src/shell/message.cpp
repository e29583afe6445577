// The message log and click waits. Scripts push lines into the 21-entry log (entry 0 the newest)
// and block in wait_click() while the message pump keeps the timer and the mouse alive.
#include "shell/message.h"

#include <string>
#include <utility>

#include "platform/i18n.h"
#include "platform/sjis.h"  // before form.h, which uses it
#include "shell/form.h"
#include "shell/sounds.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace game {

namespace {

bool marker_shown = false;  // the click marker `click_l`

void push(const sjis& text, int colour) {
  for (int i = int(gs.message_log.size()) - 1; i > 0; --i)
    gs.message_log[i] = std::move(gs.message_log[i - 1]);
  gs.message_log[0].text = text;
  gs.message_log[0].colour = colour;
  if (tracing()) trace("msg", std::to_string(colour) + " " + plat::to_utf8(text));
}

// Long lines: a text of 70 bytes or more is split after byte 68 and the rest continues on a
// second entry indented by a full-width space. The split counts bytes, as the log shows them.
// Spoken lines wrap at 58 bytes; a continuation that would show only blanks is dropped.
// A translation's line breaks between words instead (blank_split).
void push_entries(const sjis& text, bool speech, int colour) {
  const log_split s = split_log_text(text, speech);
  push(s.entry[0], colour);
  if (s.count == 2) push(s.entry[1], colour);
}

// A translated line is broken before a blank, so that no word is cut, within the same byte
// limits as the Japanese rules and within the width the log shows without clipping; the second
// entry is indented by two blanks, the width of the full-width space.
log_split blank_split(const sjis& text, bool speech) {
  const std::size_t threshold = speech ? 58 : 69, limit = speech ? 58 : 68;
  const plat::TextStyle st = log_text_style();
  auto fits = [&](std::string_view t) { return plat::Canvas::text_width(t, st) <= log_line_room; };
  log_split s;
  if (text.size() <= threshold && fits(text)) {
    s.entry[0] = text;
    return s;
  }
  plat::blank_cut c = plat::break_at_blank(text, limit);
  while (!fits(std::string_view(text).substr(0, c.length)) && c.length > 1) {
    const plat::blank_cut shorter = plat::break_at_blank(text, c.length - 1);
    if (shorter.length >= c.length) break;
    c = shorter;
  }
  s.entry[0] = text.substr(0, c.length);
  if (c.next < text.size()) {
    s.entry[1] = "  " + text.substr(c.next);
    s.count = 2;
  }
  return s;
}

void typing_sound() {
  play_sound(draw(2) == 0 ? 1 : 5, "moji.wav");
}

}  // namespace

plat::TextStyle log_text_style() {
  plat::TextStyle st;
  st.point = 9;
  st.bold = true;
  return st;
}

log_split split_log_text(const sjis& text, bool speech) {
  if (plat::breaks_at_blanks() && plat::is_ascii(text)) return blank_split(text, speech);
  log_split s;
  if (text.size() < (speech ? 50u : 70u)) {
    s.entry[0] = text;
    return s;
  }
  sjis t = text;
  if (t.size() % 2 == 1) t += ' ';
  const std::size_t at = speech ? 58 : 68;
  s.entry[0] = t.substr(0, at);
  s.entry[1] = SJ("　") + (t.size() > at ? t.substr(at) : sjis());
  s.count = 2;
  const sjis& r = s.entry[1];
  if (speech && (r == SJ("　") || r == SJ("　 ") || r == SJ("　　") || r == SJ("　  ") ||
                 r == " " || r.empty()))
    s.count = 1;
  return s;
}

int colour_code(const sjis& name) {
  static const struct {
    const char* name;
    int code;
  } names[] = {{"green", 301},  {"yellow", 302}, {"blue", 303}, {"pink", 304},
               {"purple", 305}, {"aqua", 306},   {"red", 307},  {"yellow2", 308},
               {"orange", 309}, {"pink2", 310},  {"blue2", 312}};
  for (const auto& n : names)
    if (name == n.name) return n.code;
  return 4;
}

void post_message(const sjis& text) {
  if (window_closing()) return;
  typing_sound();
  push_entries(text, false, 0);
}

void post_colored(const sjis& text, const sjis& colour_name) {
  if (window_closing()) return;
  typing_sound();
  push_entries(text, false, colour_code(colour_name));
}

void post_and_wait(const sjis& text) {
  if (window_closing()) return;
  push_entries(text, false, 0);
  wait_click();
}

void post_speech(const sjis& text) {
  if (window_closing()) return;
  push_entries(text, true, 310);
  wait_click();
}

void show_and_wait(const sjis& text) {
  post_message(text);
  wait_click();
}

void show_coloured_and_wait(const sjis& text, const sjis& colour_name) {
  post_colored(text, colour_name);
  wait_click();
}

void wait_click() {
  if (window_closing()) return;
  gs.click_state = 0;
  marker_shown = true;
  trace("wait", "");
  while (gs.click_state == 0) {
    // A host with nothing more to deliver (window gone, script ended) is a close: the wait must
    // not spin, and the script that waits unwinds through the no-op calls that follow.
    if (!host().process_messages()) {
      gs.click_state = -1;
      break;
    }
  }
  marker_shown = false;
}

void take_click() {
  if (gs.choice_pending == 1) return;  // a three-way choice is ended by its buttons only
  if (gs.click_state == 0) {
    play_sound(1, "3.wav");
    gs.click_state = 1;
  } else if (gs.click_state != -1) {
    // A click with no wait in progress; a close request stays in force.
    gs.click_state = 1;
  }
}

void clear_message_log() {
  if (window_closing()) return;
  for (int i = 0; i <= 19; ++i) {
    gs.message_log[i].text.clear();
    gs.message_log[i].colour = 0;
  }
}

bool click_marker_shown() {
  return marker_shown;
}

}  // namespace game
