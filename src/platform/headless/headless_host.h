// The headless host: no window, a virtual clock, real pixels. Events come from whoever feeds it
// (the command-script driver, or a test); when nothing is queued the pump asks the feeder for
// more, and once the feeder has nothing left the host delivers a close request and stops.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>

#include "platform/headless/headless_audio.h"
#include "platform/host.h"

namespace plat {

class HeadlessHost final : public Host {
 public:
  // Asked for more events when the queue runs dry; returns false when there will be no more.
  using Feeder = std::function<bool(HeadlessHost&)>;
  // Receives the text of each confirmation box (Shift-JIS bytes, as given).
  using DialogSink = std::function<void(std::string_view sjis_text)>;

  explicit HeadlessHost(unsigned seed = 1);

  void set_feeder(Feeder f) { feeder_ = std::move(f); }
  void set_dialog_sink(DialogSink s) { dialog_ = std::move(s); }

  // Events, delivered in order from inside process_messages().
  void queue_press(MouseButton b, int x, int y);
  void queue_release(MouseButton b, int x, int y);
  void queue_move(int x, int y);
  // Wheel notches (positive down) wherever the pointer was left by the last press, release or
  // move, at first (0, 0).
  void queue_wheel(int notches);
  void queue_key_enter();
  void queue_nav_key(NavKey k);
  void queue_press_key(PressKey k, bool shift);
  void queue_ticks(int n);  // each: the clock advances by the current interval, then on_timer
  void queue_close();
  void queue_call(std::function<void()> fn);  // any other action, run inside the pump

  // Host
  void set_handler(HostHandler* h) override { handler_ = h; }
  void set_timer_interval(int ms) override { interval_ = ms; }
  int timer_interval() const override { return interval_; }
  double now_days() const override;
  unsigned clock_seed() const override { return seed_; }
  void present(const Bitmap& picture) override;
  bool process_messages() override;
  void close_window() override;
  void post_task(void (*fn)(void*), void* ctx) override;
  void confirm_box(std::string_view sjis_text) override;
  AudioDevice* audio_device() override { return &audio_; }

  HeadlessAudioDevice& audio() { return audio_; }
  std::int64_t clock_ms() const { return clock_ms_; }
  int presents() const { return presents_; }
  bool closed() const { return closed_; }

 private:
  enum class kind {
    press,
    release,
    move,
    wheel,
    key_enter,
    nav_key,
    press_key,
    tick,
    close,
    call,
    task
  };
  struct event {
    kind k;
    MouseButton button = MouseButton::left;
    int x = 0, y = 0;
    int n = 0;  // wheel notches, the NavKey, or the PressKey (x: 1 with Shift)
    std::function<void()> call;
    void (*task)(void*) = nullptr;
    void* ctx = nullptr;
  };
  bool pop(event& e);
  void deliver(event& e);

  HostHandler* handler_ = nullptr;
  Feeder feeder_;
  DialogSink dialog_;
  std::mutex mu_;  // post_task may come from any thread
  std::deque<event> queue_;
  int interval_ = 90;
  int pointer_x_ = 0, pointer_y_ = 0;  // where the last press, release or move left it
  std::int64_t clock_ms_ = 0;
  unsigned seed_;
  int presents_ = 0;
  bool feeder_done_ = false;
  bool closed_ = false;
  HeadlessAudioDevice audio_{this};
};

}  // namespace plat
