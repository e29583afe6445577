// The message log and click waits: scripts push lines and wait for the player's click.
#pragma once
#include <array>

#include "platform/canvas.h"
#include "platform/sjis.h"

namespace game {

void post_message(const plat::sjis& text);
void post_colored(const plat::sjis& text, const plat::sjis& colour_name);
void post_and_wait(const plat::sjis& text);
void post_speech(const plat::sjis& text);
// The scripts' two shorthands: post_message or post_colored, then wait_click.
void show_and_wait(const plat::sjis& text);
void show_coloured_and_wait(const plat::sjis& text, const plat::sjis& colour_name);
void wait_click();
void take_click();
void clear_message_log();

// How a pushed text becomes log entries: one, or two when it is long. Japanese text follows the
// byte rules: a line of 70 bytes or more is cut after byte 68, a spoken one of 50 or more after
// byte 58 (odd lengths padded with a blank first), the rest indented by a full-width space, and a
// spoken rest of nothing but blanks dropped. A translation's plain-ASCII line breaks between
// words within the same limits and within log_line_room pixels.
struct log_split {
  std::array<plat::sjis, 2> entry;
  int count = 1;
};
log_split split_log_text(const plat::sjis& text, bool speech);

// The log's lettering (the screen effects draw the newest lines with it) and the widest line it
// shows whole: the label's round cap must stay inside the picture.
plat::TextStyle log_text_style();
constexpr int log_line_room = 376;

// The colour code of a colour name ("green" 301 ... "blue2" 312; any other name 4).
int colour_code(const plat::sjis& name);

// The click marker `click_l`: shown while a wait is in progress.
bool click_marker_shown();

}  // namespace game
