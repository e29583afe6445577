// The host: the window (or the headless driver), its events, the timer and the one message pump.
// Chosen at run time; the game talks to it only through this interface.
#pragma once
#include <string_view>

#include "platform/bitmap.h"

namespace plat {

class AudioDevice;  // platform/audio.h

enum class MouseButton { left, right };

// The keys that move through a list; the host repeats them while held.
enum class NavKey { up, down, page_up, page_down, home, end };

// Keys that stand for a press: the digits 1 to 3 (main row or keypad) and Space. Delivered once
// per press, never repeated while the key is held, with whether Shift was down.
enum class PressKey { one, two, three, space };

// What the host delivers, always on the UI thread, from inside process_messages().
class HostHandler {
 public:
  virtual ~HostHandler() = default;
  virtual void on_timer() = 0;
  // Picture coordinates (0..389, 0..259); presses in a letterbox are never delivered.
  virtual void on_press(MouseButton b, int x, int y) = 0;
  virtual void on_move(int x, int y) = 0;
  virtual void on_key_enter() = 0;
  virtual void on_close_request() = 0;
  // The button going up. While a button is held the pointer is followed even off the picture:
  // moves and the release then come clamped to its edge, so a drag always ends.
  virtual void on_release(MouseButton, int /*x*/, int /*y*/) {}
  // Wheel turned by whole notches (positive toward the player, scrolling down) with the pointer
  // at (x, y) on the picture.
  virtual void on_wheel(int /*notches*/, int /*x*/, int /*y*/) {}
  virtual void on_nav_key(NavKey) {}
  virtual void on_press_key(PressKey, bool /*shift*/) {}
};

class Host {
 public:
  virtual ~Host() = default;

  virtual void set_handler(HostHandler* h) = 0;

  // The periodic timer; its interval may change while it runs.
  virtual void set_timer_interval(int ms) = 0;
  virtual int timer_interval() const = 0;
  // Wall-clock time in days (with fractions); the virtual clock in the headless host.
  virtual double now_days() const = 0;
  // A clock seed for the game's random generator.
  virtual unsigned clock_seed() const = 0;

  // Shows the 390×260 picture (called after each drawn tick and when a scene copies at once).
  virtual void present(const Bitmap& picture) = 0;

  // The one message pump. Handles what is pending; if nothing is, blocks until the next event
  // or timer tick and handles that. Re-entrant: handlers may call it again (click waits).
  // Returns false once the host has nothing more to deliver (window gone / script ended).
  virtual bool process_messages() = 0;

  // The program closes its own window (the game is over), as the player's close would: the
  // handler hears on_close_request at once, and process_messages answers false from then on, so
  // the running script unwinds and the main loop ends. A second call does nothing.
  virtual void close_window() = 0;

  // Runs fn(ctx) on the UI thread from inside the pump. Safe to call from any thread.
  virtual void post_task(void (*fn)(void*), void* ctx) = 0;

  // A picture held under the pointer, such as a seal in the player's hand. Until called again
  // (nullptr ends it), each pointer move over the picture shows `under` with `held` stretched to
  // w × h and centred on the pointer at once, so that the held picture keeps up with the pointer
  // between the timer's frames; present() goes on showing what it is given. Both pictures must
  // live until then. Presentation only: nothing reaches the handler, and a host without a
  // pointer of its own (the headless driver) leaves it alone.
  virtual void hold_under_pointer(const Bitmap* /*under*/, const Bitmap* /*held*/, int /*w*/,
                                  int /*h*/) {}

  // A modal Yes/No box with Shift-JIS text ('\r' breaks the line). The answer is not reported.
  virtual void confirm_box(std::string_view sjis_text) = 0;

  // The wave-output device (never null: a silent device when the machine has none).
  virtual AudioDevice* audio_device() = 0;
};

}  // namespace plat
