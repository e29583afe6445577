// The window host: one SDL2 window showing the 390×260 picture at an integer scale.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/host.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace plat {

class SdlAudioDevice;
class SdlComforts;

// Where the picture lies in a window of a given size: the largest integer scale that fits (at
// least 1), centred; the rest is letterbox.
struct Placement {
  int scale = 1;
  int x = 0, y = 0;  // top-left of the picture in window pixels
};
Placement place_picture(int window_w, int window_h, int picture_w, int picture_h);
// Window pixel -> picture pixel; false for a point in the letterbox.
bool window_to_picture(const Placement& p, int picture_w, int picture_h, int wx, int wy, int& px,
                       int& py);
// The same for a point anywhere (the pointer followed during a drag): clamped to the picture's
// edge.
void window_to_picture_clamped(const Placement& p, int picture_w, int picture_h, int wx, int wy,
                               int& px, int& py);
// The starting scale: the largest integer factor whose window fits the usable display area.
int initial_scale(int usable_w, int usable_h, int picture_w, int picture_h);
// The picture shown while a picture is held under the pointer at (px, py): `under`, with `held`
// stretched to w × h and centred there (see-through on its transparent colour).
void compose_held(const Bitmap& under, const Bitmap& held, int w, int h, int px, int py,
                  Bitmap& out);

// How the window opens: the picture's scale (0: the largest that fits the display; a remembered
// scale is held to what fits, an asked one is not) and fullscreen.
// `app_id` names the window to a Wayland desktop, which matches it with the menu entry.
struct WindowChoice {
  int scale = 0;
  bool fit_display = true;
  bool fullscreen = false;
  std::string app_id;
};

class SdlHost final : public Host {
 public:
  SdlHost();
  ~SdlHost() override;

  // Before open().
  void choose_window(const WindowChoice& c) { choice_ = c; }
  // The window's comforts (mute, screenshot, icon, settings); null until the window is open.
  SdlComforts* comforts() { return comforts_.get(); }

  // Opens the window with a UTF-8 caption; false (with a message on stderr) if SDL cannot.
  bool open(const std::string& caption_utf8, int picture_w = 390, int picture_h = 260);

  void set_handler(HostHandler* h) override { handler_ = h; }
  void set_timer_interval(int ms) override;
  int timer_interval() const override { return interval_; }
  double now_days() const override;
  unsigned clock_seed() const override;
  void present(const Bitmap& picture) override;
  bool process_messages() override;
  void close_window() override;
  void post_task(void (*fn)(void*), void* ctx) override;
  void hold_under_pointer(const Bitmap* under, const Bitmap* held, int w, int h) override;
  void confirm_box(std::string_view sjis_text) override;
  AudioDevice* audio_device() override;

 private:
  void handle(const SDL_Event& e);
  void quit();  // the close request, once
  void redraw();
  Placement placement() const;  // where the picture stands in the window's drawable now
  void toggle_fullscreen();
  void show_held(int px, int py);

  HostHandler* handler_ = nullptr;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int pw_ = 390, ph_ = 260;
  std::uint32_t task_event_ = 0;
  int interval_ = 90;
  std::uint64_t next_tick_ = 0;  // SDL milliseconds
  float wheel_rest_ = 0;         // part of a notch turned so far (touchpads scroll finely)
  bool quit_ = false;
  bool have_picture_ = false;
  // The picture held under the pointer (see hold_under_pointer) and the frame made from it.
  const Bitmap* held_under_ = nullptr;
  const Bitmap* held_ = nullptr;
  int held_w_ = 0, held_h_ = 0;
  Bitmap held_frame_;
  // The Yes/No box, made at its first use and kept (hidden) until the host goes.
  SDL_Window* box_ = nullptr;
  SDL_Renderer* box_renderer_ = nullptr;
  SDL_Texture* box_texture_ = nullptr;
  int box_tw_ = 0, box_th_ = 0;
  std::unique_ptr<SdlAudioDevice> audio_;
  WindowChoice choice_;
  std::unique_ptr<SdlComforts> comforts_;
};

}  // namespace plat
