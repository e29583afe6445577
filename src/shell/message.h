// The message log and click waits: scripts push lines and wait for the player's click.
#pragma once
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

// The colour code of a colour name ("green" 301 ... "blue2" 312; any other name 4).
int colour_code(const plat::sjis& name);

// The click marker `click_l`: shown while a wait is in progress.
bool click_marker_shown();

}  // namespace game
