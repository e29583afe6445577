// The small comforts of the game's window, apart from the game itself: M mutes and unmutes all
// sound and music, F12 saves a screenshot of the picture, short notes in the window's caption,
// the window's icon, and the window's settings remembered between runs. Nothing here touches the
// game's state or its progress.
#pragma once
#include <cstdint>
#include <string>

#include "platform/bitmap.h"
#include "platform/settings.h"

struct SDL_Window;
struct SDL_Renderer;

namespace plat {

class SdlAudioDevice;

class SdlComforts {
 public:
  SdlComforts(SDL_Window* window, SDL_Renderer* renderer, std::string caption_utf8, int picture_w,
              int picture_h);

  // The settings file and what it held at the start. What the player changes in the window
  // (mute, the window's scale, fullscreen) is written back; what a command line chose for this
  // run only is not.
  void remember_in(const std::string& settings_file, const WindowSettings& from_file);
  // Writes the window's settings if the player changed them during the run (at the exit).
  void save_settings();
  // Where F12 puts its pictures (made when the first one is saved).
  void set_screenshot_dir(const std::string& dir) { screenshot_dir_ = dir; }
  void set_audio(SdlAudioDevice* audio) { audio_ = audio; }
  // Mutes or unmutes the sound effects and the music; `announce` shows it in the caption.
  void set_muted(bool muted, bool announce);
  bool muted() const { return muted_; }
  // The window's icon: w × h pixels of red, green, blue and alpha.
  void set_icon(int w, int h, const std::uint8_t* rgba);

  // From the host. A key the game does not use: true when it was one of ours.
  bool on_key(int keycode, int modifiers);
  void on_present(const Bitmap& picture) { picture_ = &picture; }
  void on_opened(int scale, bool fullscreen);
  void before_fullscreen_toggle();
  // Puts the plain caption back once a note has been shown long enough.
  void on_idle(std::uint64_t now_ms);

  // Saves the picture last shown, at the scale the window shows it, as a new PNG file in the
  // screenshot folder. Answers its path, or "" with `why`.
  std::string save_screenshot(std::string* why);

 private:
  void note(const std::string& text_utf8);
  int display_scale() const;   // the scale the picture is drawn at now
  int windowed_scale() const;  // the window's scale out of fullscreen
  bool fullscreen() const;

  SDL_Window* window_;
  SDL_Renderer* renderer_;
  std::string caption_;
  int pw_, ph_;
  const Bitmap* picture_ = nullptr;
  SdlAudioDevice* audio_ = nullptr;
  bool muted_ = false;
  std::string screenshot_dir_;
  std::string settings_file_;
  WindowSettings file_;
  int opened_scale_ = 0;
  bool opened_fullscreen_ = false;
  int last_windowed_scale_ = 0;
  std::uint64_t note_until_ = 0;  // SDL milliseconds; 0: the plain caption shows
};

}  // namespace plat
