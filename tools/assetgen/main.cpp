// assetgen GAME_DIR            writes the program folder's pictures, sounds, music and data
// assetgen --sheet OUT.bmp [PREFIX...]   writes a contact sheet of the pictures (all, or those
//                                        whose names start with one of the prefixes), the
//                                        English lettered ones after them as en/NAME
// assetgen --desktop DIR APP_ID          writes the icons and the fresh my.dat an installation adds
// assetgen --window-icon OUT.cpp SIZE    writes the window's icon as C++ source
// assetgen --sounds DIR [NAME...]        writes the sounds and tunes (all, or those named) into
// DIR,
//                                        without the pictures: quick to hear a change
// assetgen --png IN.bmp OUT.png SCALE     writes a picture (a headless screenshot) as a PNG file,
//                                        each pixel a SCALE × SCALE square
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets.h"
#include "platform/png.h"

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--sheet") == 0) {
    std::vector<ag::Picture> pics;
    for (auto& name : ag::picture_names()) {
      bool want = argc == 3;
      for (int i = 3; i < argc; i++)
        if (name.rfind(argv[i], 0) == 0) want = true;
      if (want) pics.push_back(ag::make_picture(name));
    }
    // and the lettered pictures in the other languages, "en/NAME", picked by the same prefixes
    for (auto& language : ag::picture_languages())
      for (auto& name : ag::lettered_picture_names()) {
        const std::string shown = language + "/" + name;
        bool want = argc == 3;
        for (int i = 3; i < argc; i++)
          if (shown.rfind(argv[i], 0) == 0 || name.rfind(argv[i], 0) == 0) want = true;
        if (want) pics.push_back(ag::make_picture(name, language));
      }
    plat::Bitmap sheet = ag::contact_sheet(pics, 8);
    if (plat::write_bmp_file(argv[2], sheet) != plat::BmpError::none) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", argv[2]);
      return 1;
    }
    std::printf("assetgen: %zu pictures on %s\n", pics.size(), argv[2]);
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--desktop") == 0) {
    std::string error;
    const int n = ag::write_desktop_files(argv[2], argv[3], &error);
    if (!error.empty()) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return 1;
    }
    std::printf("assetgen: %d desktop files in %s\n", n, argv[2]);
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "--window-icon") == 0) {
    const int size = std::atoi(argv[3]);
    const std::string src = size >= 16 && size <= 256 ? ag::window_icon_source(size) : "";
    if (src.empty() || !ag::write_file(argv[2], ag::Bytes(src.begin(), src.end()))) {
      std::fprintf(stderr, "assetgen: cannot write the window icon %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "--sounds") == 0) {
    int n = 0;
    auto want = [&](const std::string& name) {
      bool all = argc == 3;
      for (int i = 3; i < argc; i++) all = all || name == argv[i];
      return all;
    };
    auto put = [&](const std::string& name, const ag::Bytes& bytes) {
      if (!ag::write_file(std::string(argv[2]) + "/" + name, bytes)) {
        std::fprintf(stderr, "assetgen: cannot write %s/%s\n", argv[2], name.c_str());
        std::exit(1);
      }
      n++;
    };
    for (auto& name : ag::wave_names())
      if (want(name)) put(name, ag::make_wave(name));
    for (auto& name : ag::music_names())
      if (want(name)) put(name, ag::make_music(name));
    std::printf("assetgen: %d sounds and tunes in %s\n", n, argv[2]);
    return 0;
  }
  if (argc == 5 && std::strcmp(argv[1], "--png") == 0) {
    plat::Bitmap picture;
    const int scale = std::atoi(argv[4]);
    if (plat::read_bmp_file(argv[2], picture) != plat::BmpError::none || scale < 1 || scale > 8) {
      std::fprintf(stderr, "assetgen: cannot read %s, or a scale not from 1 to 8\n", argv[2]);
      return 1;
    }
    const ag::Bytes png = plat::encode_png(picture, scale);
    if (png.empty() || !ag::write_file(argv[3], png)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", argv[3]);
      return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr,
                 "usage: assetgen GAME_DIR | assetgen --sheet OUT.bmp [PREFIX...] |\n"
                 "       assetgen --desktop DIR APP_ID | assetgen --window-icon OUT.cpp SIZE |\n"
                 "       assetgen --sounds DIR [NAME...] | assetgen --png IN.bmp OUT.png SCALE\n");
    return 2;
  }
  std::string error;
  int n = ag::write_all(argv[1], &error);
  if (!error.empty()) {
    std::fprintf(stderr, "assetgen: %s\n", error.c_str());
    return 1;
  }
  std::printf("assetgen: %d files in %s\n", n, argv[1]);
  return 0;
}
