// A throw-away program folder with a few plain pictures, and a fresh game on a headless host.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/headless/headless_host.h"
#include "shell/form.h"
#include "shell/hooks.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/state.h"
#include "shell/trace.h"

namespace shell_test {

namespace fs = std::filesystem;

// Solid colours that no two test pictures share.
constexpr plat::rgb c_bg = plat::RGB(10, 20, 30), c_title = plat::RGB(200, 40, 40),
                    c_login = plat::RGB(40, 200, 40), c_not = plat::RGB(1, 2, 3),
                    c_goods = plat::RGB(250, 200, 0), c_man = plat::RGB(0, 120, 250),
                    c_box = plat::RGB(90, 60, 30), c_front = plat::RGB(70, 70, 140);

class ProgramFolder {
 public:
  ProgramFolder() {
    static int n = 0;
    dir_ = fs::temp_directory_path() /
           ("florinet-shell-" + std::to_string(::getpid()) + "-" + std::to_string(n++));
    fs::create_directories(dir_ / "cg");
    fs::create_directories(dir_ / "dat");
  }
  ~ProgramFolder() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string path() const { return dir_.string(); }
  void put(const std::string& name, const plat::Bitmap& b) const {
    ASSERT_EQ(plat::write_bmp_file((dir_ / "cg" / name).string(), b), plat::BmpError::none);
  }
  void put_solid(const std::string& name, int w, int h, plat::rgb c) const {
    put(name, plat::Bitmap(w, h, c));
  }
  void put_bytes(const std::string& name, const std::string& bytes) const {
    FILE* f = std::fopen((dir_ / "cg" / name).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }

  // The pictures the start-up and the start screens load.
  void put_standard() const {
    put_solid("00.bmp", 390, 260, c_bg);
    put_solid("not.bmp", 4, 4, c_not);
    put_solid("title.bmp", 195, 130, c_title);
    put_solid("login.bmp", 195, 130, c_login);
    put_solid("key01.bmp", 30, 20, c_goods);
    put_solid("girl00.bmp", 40, 60, c_man);
    // The plate: black corners (see-through through the mask) around a coloured middle.
    plat::Bitmap box(20, 10, 0);
    for (int y = 2; y < 8; ++y)
      for (int x = 2; x < 18; ++x) box.set_pixel(x, y, c_box);
    put("box.bmp", box);
    put_solid("front_mid.bmp", 30, 30, c_front);
  }

 private:
  fs::path dir_;
};

inline std::vector<std::string>& traced() {
  static std::vector<std::string> lines;
  return lines;
}
inline void record(std::string_view kind, std::string_view text) {
  traced().push_back(std::string(kind) + (text.empty() ? "" : " ") + std::string(text));
}
inline bool was_traced(const std::string& line) {
  for (const auto& l : traced())
    if (l == line) return true;
  return false;
}

// A fresh game on a headless host in a fresh program folder, no subsystems above the shell.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = std::make_unique<plat::HeadlessHost>(7);
    game::gs = game::game_state{};
    game::hooks = game::game_hooks{};
    traced().clear();
    game::set_trace_sink(record);
    game::set_host(host_.get());
    game::set_program_dir(folder_.path());
    game::park_buttons(true);
    game::gs.click_state = 1;
  }
  void TearDown() override {
    game::set_trace_sink(nullptr);
    game::free_picture_store();
  }
  plat::HeadlessHost& host() { return *host_; }

  ProgramFolder folder_;
  std::unique_ptr<plat::HeadlessHost> host_;
};

}  // namespace shell_test
