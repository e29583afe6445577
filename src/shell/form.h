// The one window (the form): the host it runs in, the picture surface and the work image.
#pragma once
#include <string>

#include "platform/bitmap.h"
#include "platform/host.h"
#include "platform/sjis.h"

namespace game {

// The host the form lives in (set by the mains before form creation).
void set_host(plat::Host* h);
plat::Host& host();
bool has_host();

plat::Bitmap& cg_image();   // the 390×260 picture surface `cg`
plat::Bitmap& bak_image();  // the hidden work image `bak`, ORed onto `cg` each drawn tick
// The window as the player sees it: the picture, with the item panel over it while it is shown.
const plat::Bitmap& window_image();
// Shows the window image (after each drawn tick, after input that changed a control, and when a
// scene copies to the picture at once).
void present_window();
// The form's handler of the host's events (the hosts' one handler), for tests that route input
// exactly as the window does.
plat::HostHandler& form_events();

// The program folder (ends without a slash); pictures in cg/, sounds and data in dat/.
void set_program_dir(const std::string& dir);
const std::string& program_dir();
std::string cg_path(const plat::sjis& name);   // program folder + "/cg/" + name
std::string dat_path(const plat::sjis& name);  // program folder + "/dat/" + name
// Tools: `fn` is told the path of every picture the game is about to read from cg/ (the robot
// player checks that the program folder has each one); nullptr stops it.
void watch_picture_paths(void (*fn)(const std::string& path));

// Form events: creation, destruction, the close request.
void form_create();
void form_destroy();
void close_request();
// The window is closing (the player's close or close_program): every wait returns at once and the
// running script unwinds.
bool window_closing();
// The game is over (bankruptcy, the endings): the program closes its window itself, just as the
// player's close would. Every later wait and message is a no-op, so the running script unwinds;
// nothing is saved.
void close_program();

// The game's one random generator: a uniform integer 0..n-1, draw(n).
int draw(int n);
void seed_random(unsigned seed);
// Tests: answer every draw from `fn` (given n, it returns the draw) instead of the generator;
// nullptr goes back to the generator.
void script_draws(int (*fn)(int n));

}  // namespace game
