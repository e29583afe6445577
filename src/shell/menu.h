// The three choice buttons sel1..sel3 and input routing from the host.
#pragma once
#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/sjis.h"

namespace game {

// Menus (an empty caption hides its button).
void show_menu(const plat::sjis& c1, const plat::sjis& c2, const plat::sjis& c3);
int ask_choice(const plat::sjis& c1, const plat::sjis& c2, const plat::sjis& c3);
// Changes one caption of the open menu in place (n = 1..3), as the Ex-wrapping toggle does.
void set_caption(int n, const plat::sjis& caption);

// Button geometry: left 500 while parked, 256 from the title picture's click on; tops 176/204/232.
void park_buttons(bool parked);
int button_left();
int button_top(int n);  // n = 1..3
// The button (1..3) under a picture position, 0 for none.
int button_at(int x, int y);

// Input routing, called by the form's host handler.
void press_picture(plat::MouseButton b, int x, int y);
void move_picture(int x, int y);
void press_button(int n, plat::MouseButton b, int local_x, int local_y);
void move_button(int n, int local_x, int local_y);
void key_enter();
// The keys 1, 2, 3 (a left press; Shift+3 a right press) on the button of that number while its
// caption is on offer, and Space on a wait or a start screen.
void key_choice(int n, plat::MouseButton b);
void key_space();

// Frame driver layer: slide the menu and draw the buttons.
void draw_buttons(plat::Canvas& cg);
// The twelve-tick pulse from white to pink used by the captions and "-CLICK HERE-".
plat::rgb cycling_colour(int frame_counter);
// Button plate size.
// A caption's lettering, and the width it has before the picture's edge when its button rests.
plat::TextStyle caption_style(int frame_counter);
constexpr int caption_room = 390 - (256 + 25);
constexpr int button_width = 133;
constexpr int button_height = 29;

}  // namespace game
