#include "platform/headless/headless_host.h"

namespace plat {

namespace {
// The virtual clock starts on a fixed day (days since 1899-12-30, as the game's clock counts),
// so a script runs the same way every time.
constexpr double clock_epoch_days = 45000.0;
constexpr double ms_per_day = 86400000.0;
}  // namespace

HeadlessHost::HeadlessHost(unsigned seed) : seed_(seed) {}

void HeadlessHost::queue_press(MouseButton b, int x, int y) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::press, b, x, y, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_release(MouseButton b, int x, int y) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::release, b, x, y, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_wheel(int notches) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::wheel, MouseButton::left, 0, 0, notches, {}, nullptr, nullptr});
}

void HeadlessHost::queue_nav_key(NavKey k) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::nav_key, MouseButton::left, 0, 0, int(k), {}, nullptr, nullptr});
}

void HeadlessHost::queue_press_key(PressKey k, bool shift) {
  std::lock_guard lock(mu_);
  queue_.push_back(
      event{kind::press_key, MouseButton::left, shift ? 1 : 0, 0, int(k), {}, nullptr, nullptr});
}

void HeadlessHost::queue_move(int x, int y) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::move, MouseButton::left, x, y, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_key_enter() {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::key_enter, MouseButton::left, 0, 0, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_ticks(int n) {
  if (n <= 0) return;
  std::lock_guard lock(mu_);
  // One entry for the whole run of ticks (a script may ask for millions); it hands out one tick
  // at a time and stays at the head of the queue until the run is over.
  queue_.push_back(event{kind::tick, MouseButton::left, n, 0, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_close() {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::close, MouseButton::left, 0, 0, 0, {}, nullptr, nullptr});
}

void HeadlessHost::queue_call(std::function<void()> fn) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::call, MouseButton::left, 0, 0, 0, std::move(fn), nullptr, nullptr});
}

void HeadlessHost::post_task(void (*fn)(void*), void* ctx) {
  std::lock_guard lock(mu_);
  queue_.push_back(event{kind::task, MouseButton::left, 0, 0, 0, {}, fn, ctx});
}

double HeadlessHost::now_days() const {
  return clock_epoch_days + double(clock_ms_) / ms_per_day;
}

void HeadlessHost::present(const Bitmap&) {
  ++presents_;
}

void HeadlessHost::confirm_box(std::string_view sjis_text) {
  // Nobody answers; the game ignores the answer anyway.
  if (dialog_) dialog_(sjis_text);
}

bool HeadlessHost::pop(event& e) {
  std::lock_guard lock(mu_);
  if (queue_.empty()) return false;
  event& head = queue_.front();
  if (head.k == kind::tick && head.x > 1) {
    --head.x;  // ticks left in the run (x holds the count)
    e = event{kind::tick, MouseButton::left, 1, 0, 0, {}, nullptr, nullptr};
    return true;
  }
  e = std::move(head);
  queue_.pop_front();
  return true;
}

bool HeadlessHost::process_messages() {
  if (closed_) return false;
  event e;
  while (!pop(e)) {
    // Out of events: ask for more; with nothing more to come the window is closed.
    if (feeder_done_ || !feeder_) {
      queue_close();
    } else if (!feeder_(*this)) {
      feeder_done_ = true;
    }
  }
  deliver(e);
  return !closed_;
}

void HeadlessHost::close_window() {
  // The events still queued are never delivered: a closed window hears nothing more.
  if (closed_) return;
  closed_ = true;
  if (handler_) handler_->on_close_request();
}

void HeadlessHost::deliver(event& e) {
  switch (e.k) {
    case kind::press:
      pointer_x_ = e.x, pointer_y_ = e.y;
      if (handler_) handler_->on_press(e.button, e.x, e.y);
      break;
    case kind::release:
      pointer_x_ = e.x, pointer_y_ = e.y;
      if (handler_) handler_->on_release(e.button, e.x, e.y);
      break;
    case kind::move:
      pointer_x_ = e.x, pointer_y_ = e.y;
      if (handler_) handler_->on_move(e.x, e.y);
      break;
    case kind::wheel:
      if (handler_) handler_->on_wheel(e.n, pointer_x_, pointer_y_);
      break;
    case kind::nav_key:
      if (handler_) handler_->on_nav_key(NavKey(e.n));
      break;
    case kind::key_enter:
      if (handler_) handler_->on_key_enter();
      break;
    case kind::press_key:
      if (handler_) handler_->on_press_key(PressKey(e.n), e.x != 0);
      break;
    case kind::tick: {
      // Time passes by the interval the timer runs at now; the sound plays for that long.
      const int ms = interval_;
      clock_ms_ += ms;
      audio_.advance(double(ms));
      if (handler_) handler_->on_timer();
      break;
    }
    case kind::close:
      close_window();
      break;
    case kind::call:
      if (e.call) e.call();
      break;
    case kind::task:
      if (e.task) e.task(e.ctx);
      break;
  }
}

}  // namespace plat
