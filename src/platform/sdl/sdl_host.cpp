#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/canvas.h"
#include "platform/i18n.h"
#include "platform/sdl/box_picture.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_comforts.h"
#include "platform/sjis.h"

namespace plat {

namespace {
// Room kept for the window's title bar and frame when the starting size is chosen: the usable
// area counts them, the scale applies to the picture alone.
constexpr int decoration_allowance = 48;
// The game's clock counts days from 1899-12-30; the Unix epoch is day 25569 of it.
constexpr double unix_epoch_days = 25569.0;

bool nav_key_of(SDL_Keycode k, NavKey& out) {
  switch (k) {
    case SDLK_UP:
      out = NavKey::up;
      return true;
    case SDLK_DOWN:
      out = NavKey::down;
      return true;
    case SDLK_PAGEUP:
      out = NavKey::page_up;
      return true;
    case SDLK_PAGEDOWN:
      out = NavKey::page_down;
      return true;
    case SDLK_HOME:
      out = NavKey::home;
      return true;
    case SDLK_END:
      out = NavKey::end;
      return true;
    default:
      return false;
  }
}

// The digits by the key's place on the main row (whatever the layout prints on it) or on the
// keypad, and Space. Presses with Ctrl, Alt or the system key held belong to the desktop.
bool press_key_of(const SDL_Keysym& k, PressKey& out) {
  if (k.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) return false;
  if (k.scancode == SDL_SCANCODE_1 || k.sym == SDLK_1 || k.sym == SDLK_KP_1) {
    out = PressKey::one;
  } else if (k.scancode == SDL_SCANCODE_2 || k.sym == SDLK_2 || k.sym == SDLK_KP_2) {
    out = PressKey::two;
  } else if (k.scancode == SDL_SCANCODE_3 || k.sym == SDLK_3 || k.sym == SDLK_KP_3) {
    out = PressKey::three;
  } else if (k.sym == SDLK_SPACE) {
    out = PressKey::space;
  } else {
    return false;
  }
  return true;
}

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// A window nobody can see is no window: with no display, SDL would fall back to drawing off
// screen and the game would sit there unseen. Asked before SDL starts (no `driver`) and again
// with the driver SDL chose. A driver asked for by name (SDL_VIDEODRIVER, as the tests ask for
// "dummy") is taken as it is.
bool display_reachable(std::string& why, const char* driver = nullptr) {
  if (!env("SDL_VIDEODRIVER").empty()) return true;
  if (!driver) {
    if (!env("DISPLAY").empty() || !env("WAYLAND_DISPLAY").empty()) return true;
    why = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return false;
  }
  if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
  why = "no display could be reached";
  if (!env("DISPLAY").empty()) why += " (DISPLAY is " + env("DISPLAY") + ")";
  return false;
}
}  // namespace

Placement place_picture(int window_w, int window_h, int picture_w, int picture_h) {
  Placement p;
  p.scale = std::max(1, std::min(window_w / picture_w, window_h / picture_h));
  p.x = (window_w - picture_w * p.scale) / 2;
  p.y = (window_h - picture_h * p.scale) / 2;
  return p;
}

bool window_to_picture(const Placement& p, int picture_w, int picture_h, int wx, int wy, int& px,
                       int& py) {
  const int dx = wx - p.x, dy = wy - p.y;
  if (dx < 0 || dy < 0) return false;
  px = dx / p.scale;
  py = dy / p.scale;
  return px < picture_w && py < picture_h;
}

void window_to_picture_clamped(const Placement& p, int picture_w, int picture_h, int wx, int wy,
                               int& px, int& py) {
  // Floor division, so points left of or above the picture land on its edge too.
  auto to_pixel = [&](int d, int size) {
    const int v = d >= 0 ? d / p.scale : -((-d + p.scale - 1) / p.scale);
    return std::clamp(v, 0, size - 1);
  };
  px = to_pixel(wx - p.x, picture_w);
  py = to_pixel(wy - p.y, picture_h);
}

int initial_scale(int usable_w, int usable_h, int picture_w, int picture_h) {
  return std::max(1, std::min(usable_w / picture_w, (usable_h - decoration_allowance) / picture_h));
}

void compose_held(const Bitmap& under, const Bitmap& held, int w, int h, int px, int py,
                  Bitmap& out) {
  if (out.width() != under.width() || out.height() != under.height())
    out.resize(under.width(), under.height());
  Canvas c(out);
  c.copy(0, 0, under);
  if (!held.empty() && w > 0 && h > 0) c.stretch_transparent(px - w / 2, py - h / 2, w, h, held);
}

SdlHost::SdlHost() = default;

SdlHost::~SdlHost() {
  comforts_.reset();
  audio_.reset();  // closes the output (and its thread) before any window goes
  if (box_texture_) SDL_DestroyTexture(box_texture_);
  if (box_renderer_) SDL_DestroyRenderer(box_renderer_);
  if (box_) SDL_DestroyWindow(box_);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlHost::open(const std::string& caption_utf8, int picture_w, int picture_h) {
  pw_ = picture_w;
  ph_ = picture_h;
  std::string no_display;
  if (!display_reachable(no_display)) {
    std::fprintf(stderr, "florinet: cannot open a window: %s\n", no_display.c_str());
    return false;
  }
  if (!choice_.app_id.empty()) SDL_SetHint("SDL_VIDEO_WAYLAND_WMCLASS", choice_.app_id.c_str());
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "florinet: cannot open a window: %s\n", SDL_GetError());
    return false;
  }
  if (!display_reachable(no_display, SDL_GetCurrentVideoDriver())) {
    std::fprintf(stderr, "florinet: cannot open a window: %s\n", no_display.c_str());
    return false;
  }
  // Pixels stay sharp at every scale.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  int fits = 0;  // 0: the display's size is not known
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0)
    fits = initial_scale(usable.w, usable.h, pw_, ph_);
  int scale = fits > 0 ? fits : 1;
  if (choice_.scale > 0)
    scale = choice_.fit_display && fits > 0 ? std::min(choice_.scale, fits) : choice_.scale;
  window_ = SDL_CreateWindow(caption_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             pw_ * scale, ph_ * scale,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN |
                                 (choice_.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
  if (!window_) {
    std::fprintf(stderr, "florinet: cannot open a window: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetWindowMinimumSize(window_, pw_, ph_);
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) {
    std::fprintf(stderr, "florinet: cannot draw in the window: %s\n", SDL_GetError());
    return false;
  }
  texture_ =
      SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, pw_, ph_);
  if (!texture_) {
    std::fprintf(stderr, "florinet: cannot draw in the window: %s\n", SDL_GetError());
    return false;
  }
  task_event_ = SDL_RegisterEvents(1);
  comforts_ = std::make_unique<SdlComforts>(window_, renderer_, caption_utf8, pw_, ph_);
  comforts_->on_opened(scale, choice_.fullscreen);
  SDL_ShowWindow(window_);
  redraw();
  audio_ = std::make_unique<SdlAudioDevice>(this);
  comforts_->set_audio(audio_.get());
  next_tick_ = SDL_GetTicks64() + std::uint64_t(interval_);
  return true;
}

void SdlHost::set_timer_interval(int ms) {
  // A new interval restarts the count, as a window timer does when it is set again.
  interval_ = std::max(1, ms);
  next_tick_ = SDL_GetTicks64() + std::uint64_t(interval_);
}

double SdlHost::now_days() const {
  using namespace std::chrono;
  const double ms =
      double(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
  return unix_epoch_days + ms / 86400000.0;
}

unsigned SdlHost::clock_seed() const {
  using namespace std::chrono;
  return unsigned(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
}

void SdlHost::present(const Bitmap& picture) {
  if (!texture_ || picture.width() != pw_ || picture.height() != ph_) return;
  // The picture's 0x00RRGGBB words are the texture's format already.
  SDL_UpdateTexture(texture_, nullptr, picture.pixels().data(), pw_ * 4);
  have_picture_ = true;
  if (comforts_) comforts_->on_present(picture);
  redraw();
}

void SdlHost::hold_under_pointer(const Bitmap* under, const Bitmap* held, int w, int h) {
  held_under_ = under && held ? under : nullptr;
  held_ = held_under_ ? held : nullptr;
  held_w_ = w;
  held_h_ = h;
}

void SdlHost::show_held(int px, int py) {
  // Of a burst of moves only the last is drawn.
  if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) > 0) return;
  if (held_under_->width() != pw_ || held_under_->height() != ph_) return;
  compose_held(*held_under_, *held_, held_w_, held_h_, px, py, held_frame_);
  present(held_frame_);
}

Placement SdlHost::placement() const {
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  return place_picture(w, h, pw_, ph_);
}

void SdlHost::redraw() {
  if (!renderer_) return;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (have_picture_) {
    const Placement p = placement();
    SDL_Rect dst{p.x, p.y, pw_ * p.scale, ph_ * p.scale};
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  }
  SDL_RenderPresent(renderer_);
}

void SdlHost::toggle_fullscreen() {
  // Desktop fullscreen only: the display mode never changes.
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  if (comforts_) comforts_->before_fullscreen_toggle();
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  redraw();
}

bool SdlHost::process_messages() {
  if (quit_ || !window_) return false;
  SDL_Event e;
  std::uint64_t now = SDL_GetTicks64();
  // Pending events first; the timer's tick comes when nothing else waits, as window timers do,
  // unless a stream of events (a fast mouse) has held it back for a whole interval.
  const bool overdue = now >= next_tick_ + std::uint64_t(interval_);
  if (!overdue && SDL_PollEvent(&e)) {
    handle(e);
    return !quit_;
  }
  if (now < next_tick_) {
    // Sleep until the next event or the next tick.
    if (SDL_WaitEventTimeout(&e, int(next_tick_ - now))) {
      handle(e);
      return !quit_;
    }
    now = SDL_GetTicks64();
    if (now < next_tick_) return !quit_;
  }
  // A late tick is not made up: the next one counts from now.
  next_tick_ += std::uint64_t(interval_);
  if (next_tick_ <= now) next_tick_ = now + std::uint64_t(interval_);
  if (handler_) handler_->on_timer();
  if (comforts_) comforts_->on_idle(SDL_GetTicks64());
  return !quit_;
}

void SdlHost::quit() {
  if (quit_) return;
  quit_ = true;
  if (handler_) handler_->on_close_request();
}

void SdlHost::close_window() {
  quit();
}

void SdlHost::handle(const SDL_Event& e) {
  if (task_event_ != 0 && e.type == task_event_) {
    auto fn = reinterpret_cast<void (*)(void*)>(e.user.data1);
    if (fn) fn(e.user.data2);
    return;
  }
  switch (e.type) {
    case SDL_QUIT:
      quit();
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        quit();
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        redraw();
      }
      break;
    case SDL_KEYDOWN: {
      const SDL_Keycode k = e.key.keysym.sym;
      // List keys repeat while held, as in any list box.
      NavKey nav;
      if (nav_key_of(k, nav)) {
        if (handler_) handler_->on_nav_key(nav);
        break;
      }
      // Every other key acts once per press: a held key does not press again.
      if (e.key.repeat) break;
      PressKey press;
      if (press_key_of(e.key.keysym, press)) {
        if (handler_) handler_->on_press_key(press, (e.key.keysym.mod & KMOD_SHIFT) != 0);
        break;
      }
      const bool enter = k == SDLK_RETURN || k == SDLK_KP_ENTER;
      if ((enter && (e.key.keysym.mod & KMOD_ALT)) || k == SDLK_F11) {
        toggle_fullscreen();
      } else if (enter && handler_) {
        handler_->on_key_enter();
      } else if (comforts_) {
        comforts_->on_key(k, e.key.keysym.mod);
      }
      break;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
      int px = 0, py = 0;
      // Presses in the letterbox are not on the picture.
      if (!window_to_picture(placement(), pw_, ph_, e.button.x, e.button.y, px, py)) break;
      if (handler_)
        handler_->on_press(
            e.button.button == SDL_BUTTON_LEFT ? MouseButton::left : MouseButton::right, px, py);
      break;
    }
    case SDL_MOUSEBUTTONUP: {
      if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
      int px = 0, py = 0;
      // A release ends a drag wherever it happens: clamped to the picture, never dropped.
      window_to_picture_clamped(placement(), pw_, ph_, e.button.x, e.button.y, px, py);
      if (handler_)
        handler_->on_release(
            e.button.button == SDL_BUTTON_LEFT ? MouseButton::left : MouseButton::right, px, py);
      break;
    }
    case SDL_MOUSEMOTION: {
      int px = 0, py = 0;
      const Placement p = placement();
      if (!window_to_picture(p, pw_, ph_, e.motion.x, e.motion.y, px, py)) {
        // Off the picture only a held button (a drag) is followed, at the picture's edge.
        if (!(e.motion.state & (SDL_BUTTON_LMASK | SDL_BUTTON_RMASK))) break;
        window_to_picture_clamped(p, pw_, ph_, e.motion.x, e.motion.y, px, py);
      }
      if (handler_) handler_->on_move(px, py);
      if (held_under_) show_held(px, py);
      break;
    }
    case SDL_MOUSEWHEEL: {
      float turned = e.wheel.preciseY;
      if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) turned = -turned;
      // Whole notches only; a touchpad's fine scrolling adds up to them.
      wheel_rest_ += turned;
      const int notches = int(wheel_rest_);
      wheel_rest_ -= float(notches);
      if (notches == 0) break;
      int px = 0, py = 0;
      if (!window_to_picture(placement(), pw_, ph_, e.wheel.mouseX, e.wheel.mouseY, px, py)) break;
      // SDL counts away from the player as positive; the game counts toward (down) as positive.
      if (handler_) handler_->on_wheel(-notches, px, py);
      break;
    }
    default:
      break;
  }
}

void SdlHost::post_task(void (*fn)(void*), void* ctx) {
  if (task_event_ == 0) return;
  SDL_Event e{};
  e.type = task_event_;
  e.user.data1 = reinterpret_cast<void*>(fn);
  e.user.data2 = ctx;
  SDL_PushEvent(&e);
}

void SdlHost::confirm_box(std::string_view sjis_text) {
  // A small window of its own, modal to the game's, drawn with the game's fonts so that the
  // Japanese text shows whatever fonts the X server has. The game keeps ticking behind it, as
  // behind a system message box; input to the game's window waits until the box is answered.
  int focus = 0;
  BoxPicture pic = draw_box_picture(sjis_text, focus);
  const int scale = std::max(1, placement().scale - 1);
  const int bw = pic.picture.width(), bh = pic.picture.height();
  // The box's window is made once and only hidden between uses: SDL may wake its waiting pump by
  // sending an X event to a window from the audio thread, and a window destroyed meanwhile would
  // make that a fatal X error.
  if (!box_) {
    box_ = SDL_CreateWindow(to_utf8(TR("フロリネット")).c_str(), SDL_WINDOWPOS_CENTERED,
                            SDL_WINDOWPOS_CENTERED, bw * scale, bh * scale,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR);
    box_renderer_ = box_ ? SDL_CreateRenderer(box_, -1, 0) : nullptr;
  }
  if (box_texture_ && (box_tw_ != bw || box_th_ != bh)) {
    SDL_DestroyTexture(box_texture_);
    box_texture_ = nullptr;
  }
  if (box_renderer_ && !box_texture_) {
    box_texture_ = SDL_CreateTexture(box_renderer_, SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, bw, bh);
    box_tw_ = bw;
    box_th_ = bh;
  }
  if (!box_texture_) {
    std::fprintf(stderr, "florinet: cannot show a message box: %s\n", SDL_GetError());
    return;
  }
  SDL_Window* box = box_;
  SDL_Renderer* r = box_renderer_;
  SDL_Texture* t = box_texture_;
  SDL_SetWindowSize(box, bw * scale, bh * scale);
  SDL_SetWindowPosition(box, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  SDL_SetWindowModalFor(box, window_);
  SDL_ShowWindow(box);
  SDL_RaiseWindow(box);
  const std::uint32_t box_id = SDL_GetWindowID(box);
  auto show = [&] {
    SDL_UpdateTexture(t, nullptr, pic.picture.pixels().data(), bw * 4);
    SDL_RenderClear(r);
    SDL_RenderCopy(r, t, nullptr, nullptr);
    SDL_RenderPresent(r);
  };
  auto refocus = [&](int f) {
    focus = f;
    pic = draw_box_picture(sjis_text, focus);
    show();
  };
  show();

  bool answered = false, closing = false;
  while (!answered && !closing) {
    SDL_Event e;
    const std::uint64_t now = SDL_GetTicks64();
    const bool got = now < next_tick_ ? SDL_WaitEventTimeout(&e, int(next_tick_ - now)) != 0
                                      : SDL_PollEvent(&e) != 0;
    if (!got) {
      if (SDL_GetTicks64() < next_tick_) continue;
      next_tick_ += std::uint64_t(interval_);
      if (next_tick_ <= SDL_GetTicks64()) next_tick_ = SDL_GetTicks64() + std::uint64_t(interval_);
      if (handler_) handler_->on_timer();
      continue;
    }
    if (task_event_ != 0 && e.type == task_event_) {
      handle(e);
      continue;
    }
    switch (e.type) {
      case SDL_QUIT:
        closing = true;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.windowID == box_id) {
          if (e.window.event == SDL_WINDOWEVENT_CLOSE)
            answered = true;
          else if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
            show();
        } else if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
          closing = true;
        } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                   e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          redraw();
        }
        break;
      case SDL_KEYDOWN: {
        const SDL_Keycode k = e.key.keysym.sym;
        if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE || k == SDLK_ESCAPE ||
            k == SDLK_y || k == SDLK_n) {
          if (!e.key.repeat) answered = true;
        } else if (k == SDLK_LEFT || k == SDLK_RIGHT || k == SDLK_TAB) {
          refocus(1 - focus);
        }
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.windowID == box_id && e.button.button == SDL_BUTTON_LEFT) {
          const int x = e.button.x / scale, y = e.button.y / scale;
          if (pic.yes.contains(x, y) || pic.no.contains(x, y)) answered = true;
        }
        break;
      default:
        break;  // the game's window takes no input meanwhile
    }
  }
  SDL_HideWindow(box);
  redraw();
  // A close request that came while the box was up is the game's close request now.
  if (closing) quit();
}

AudioDevice* SdlHost::audio_device() {
  return audio_.get();
}

}  // namespace plat
