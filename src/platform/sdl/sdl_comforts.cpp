#include "platform/sdl/sdl_comforts.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>

#include "platform/i18n.h"
#include "platform/midi/midi.h"
#include "platform/png.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_host.h"
#include "platform/xdg.h"

namespace plat {

namespace {
// How long a note stays in the caption.
constexpr std::uint64_t note_ms = 2500;
}  // namespace

SdlComforts::SdlComforts(SDL_Window* window, SDL_Renderer* renderer, std::string caption_utf8,
                         int picture_w, int picture_h)
    : window_(window),
      renderer_(renderer),
      caption_(std::move(caption_utf8)),
      pw_(picture_w),
      ph_(picture_h) {}

void SdlComforts::remember_in(const std::string& settings_file, const WindowSettings& from_file) {
  settings_file_ = settings_file;
  file_ = from_file;
}

void SdlComforts::on_opened(int scale, bool fullscreen) {
  opened_scale_ = scale;
  opened_fullscreen_ = fullscreen;
  last_windowed_scale_ = scale;
}

bool SdlComforts::fullscreen() const {
  return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

int SdlComforts::display_scale() const {
  int w = 0, h = 0;
  if (!renderer_ || SDL_GetRendererOutputSize(renderer_, &w, &h) != 0) return 1;
  return place_picture(w, h, pw_, ph_).scale;
}

int SdlComforts::windowed_scale() const {
  if (fullscreen() || !window_) return last_windowed_scale_;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return place_picture(w, h, pw_, ph_).scale;
}

void SdlComforts::before_fullscreen_toggle() {
  if (!fullscreen()) last_windowed_scale_ = windowed_scale();
}

void SdlComforts::save_settings() {
  if (settings_file_.empty()) return;
  WindowSettings s = file_;
  s.mute = muted_;
  const int scale = windowed_scale();
  if (scale != opened_scale_ && scale >= 1 && scale <= max_window_scale) s.scale = scale;
  if (fullscreen() != opened_fullscreen_) s.fullscreen = fullscreen();
  if (s.mute == file_.mute && s.scale == file_.scale && s.fullscreen == file_.fullscreen) return;
  std::string why;
  if (write_settings(settings_file_, s, &why)) {
    file_ = s;
  } else {
    std::fprintf(stderr, "florinet: cannot keep the window's settings in %s (%s)\n",
                 settings_file_.c_str(), why.c_str());
  }
}

void SdlComforts::set_muted(bool muted, bool announce) {
  muted_ = muted;
  if (audio_) audio_->set_muted(muted);
  MidiSetMuted(muted);
  if (announce) note(to_utf8(muted ? TR("消音中 (M で音を戻す)") : TR("音あり (M で消音)")));
}

void SdlComforts::set_icon(int w, int h, const std::uint8_t* rgba) {
  if (!window_ || !rgba || w < 1 || h < 1) return;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba), w, h, 32,
                                                      w * 4, SDL_PIXELFORMAT_RGBA32);
  if (!s) return;
  SDL_SetWindowIcon(window_, s);
  SDL_FreeSurface(s);
}

bool SdlComforts::on_key(int keycode, int modifiers) {
  // Plain keys only: Ctrl+M or Alt+F12 may mean something to the desktop.
  if (modifiers & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) return false;
  if (keycode == SDLK_m) {
    set_muted(!muted_, true);
    // Remembered at once: a run that ends badly still keeps the player's choice.
    if (!settings_file_.empty() && file_.mute != muted_) {
      WindowSettings s = file_;
      s.mute = muted_;
      std::string why;
      if (write_settings(settings_file_, s, &why)) file_ = s;
    }
    return true;
  }
  if (keycode == SDLK_F12) {
    std::string why;
    const std::string path = save_screenshot(&why);
    if (!path.empty()) {
      std::fprintf(stderr, "florinet: screenshot saved as %s\n", path.c_str());
      note(
          to_utf8(TRF("スクリーンショット: %s", to_sjis(path.substr(path.find_last_of('/') + 1)))));
    } else {
      std::fprintf(stderr, "florinet: cannot save a screenshot: %s\n", why.c_str());
      note(to_utf8(TR("スクリーンショットを保存できませんでした")));
    }
    return true;
  }
  return false;
}

std::string SdlComforts::save_screenshot(std::string* why) {
  if (!picture_ || picture_->empty()) {
    if (why) *why = "nothing shown yet";
    return {};
  }
  if (screenshot_dir_.empty()) {
    if (why) *why = "no pictures folder (HOME is not set)";
    return {};
  }
  const Bytes png = encode_png(*picture_, display_scale());
  if (png.empty()) {
    if (why) *why = "the picture could not be encoded";
    return {};
  }
  if (!make_folders(screenshot_dir_, why)) return {};
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
  // Two in one second get -2, -3 …: a screenshot never replaces another.
  for (int n = 1; n < 1000; ++n) {
    std::string path = screenshot_dir_ + "/florinet-" + stamp;
    if (n > 1) path += '-' + std::to_string(n);
    path += ".png";
    std::string err;
    if (write_new_file(path, png, &err)) return path;
    if (err != "exists") {
      if (why) *why = path + ": " + err;
      return {};
    }
  }
  if (why) *why = "too many screenshots in one second";
  return {};
}

void SdlComforts::note(const std::string& text_utf8) {
  if (!window_) return;
  // Only characters every X title encoding holds (an em dash would lose the title on X11).
  SDL_SetWindowTitle(window_, (caption_ + "  [" + text_utf8 + "]").c_str());
  note_until_ = SDL_GetTicks64() + note_ms;
}

void SdlComforts::on_idle(std::uint64_t now_ms) {
  if (note_until_ == 0 || now_ms < note_until_) return;
  note_until_ = 0;
  if (window_) SDL_SetWindowTitle(window_, caption_.c_str());
}

}  // namespace plat
