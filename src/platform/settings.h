// The window's own settings, kept between runs in a small text file of the user's settings
// folder: whether sound is muted, the picture's scale in the window and fullscreen. They belong
// to the window, not to the game: the progress file knows nothing of them.
#pragma once
#include <string>

namespace plat {

constexpr int max_window_scale = 10;

struct WindowSettings {
  bool mute = false;
  int scale = 0;  // 1..max_window_scale; 0: none remembered (the largest that fits)
  bool fullscreen = false;
  std::string language;  // the game's language ("en", "ja"...); empty: the environment's
};

// Reads "key=value" lines (sections and comments allowed). A line that is not one of ours, or a
// value out of range, is passed over and the setting keeps its default: a damaged file never
// stops the game.
WindowSettings parse_settings(const std::string& text);
std::string settings_text(const WindowSettings& s);

// A missing or unreadable file gives the defaults.
WindowSettings read_settings(const std::string& path);
// Writes through a temporary file renamed over the old one, making the folder if needed. False
// with `why` on failure (the old file is then as it was).
bool write_settings(const std::string& path, const WindowSettings& s, std::string* why);

}  // namespace plat
