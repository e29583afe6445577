// The desktop's files: PNG pictures read back pixel for pixel, the window's settings file (a
// damaged one never stops the game), and the user's folders as the XDG conventions name them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/png.h"
#include "platform/settings.h"
#include "platform/xdg.h"
#include "png_decode.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace plat;

using test_support::read_all;

struct scratch : test_support::scratch_dir {
  scratch() : scratch_dir("desktop") {}
};

TEST(Png, APictureReadsBackWithEachPixelAScaleSquare) {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) b.set_pixel(x, y, RGB(x * 50, y * 100, 255 - x * 7 - y));
  for (int scale : {1, 3}) {
    png_test::image img;
    std::string why;
    ASSERT_TRUE(png_test::decode(encode_png(b, scale), img, why)) << why;
    ASSERT_EQ(img.w, 5 * scale);
    ASSERT_EQ(img.h, 3 * scale);
    ASSERT_EQ(img.channels, 3);
    for (int y = 0; y < img.h; ++y)
      for (int x = 0; x < img.w; ++x) {
        const rgb c = b.pixel(x / scale, y / scale);
        ASSERT_EQ(img.at(x, y, 0), red_of(c)) << x << "," << y << " at scale " << scale;
        ASSERT_EQ(img.at(x, y, 1), green_of(c));
        ASSERT_EQ(img.at(x, y, 2), blue_of(c));
      }
  }
  EXPECT_TRUE(encode_png(Bitmap(), 1).empty());
  EXPECT_TRUE(encode_png(b, 0).empty());
}

TEST(Png, RgbaKeepsItsAlphaAndSizesMustAgree) {
  const Bytes px = {255, 0, 0, 0, 0, 255, 0, 128, 0, 0, 255, 255, 9, 8, 7, 6};
  png_test::image img;
  std::string why;
  ASSERT_TRUE(png_test::decode(encode_png_rgba(2, 2, px), img, why)) << why;
  EXPECT_EQ(img.channels, 4);
  EXPECT_EQ(img.px, px);
  EXPECT_TRUE(encode_png_rgba(2, 3, px).empty());
  EXPECT_TRUE(encode_png_rgba(0, 0, {}).empty());
}

TEST(Png, ANewFileNeverReplacesOne) {
  scratch s;
  const std::string path = s.dir + "/shot.png";
  std::string why;
  ASSERT_TRUE(write_new_file(path, {1, 2, 3}, &why)) << why;
  EXPECT_FALSE(write_new_file(path, {4}, &why));
  EXPECT_EQ(why, "exists");
  EXPECT_EQ(read_all(path), std::string("\x01\x02\x03", 3));
  EXPECT_FALSE(write_new_file(s.dir + "/no/such/folder.png", {1}, &why));
  EXPECT_NE(why, "exists");
}

TEST(SettingsFile, WhatIsWrittenReadsBack) {
  scratch s;
  const std::string path = s.dir + "/made/on/demand/settings.ini";
  WindowSettings w;
  w.mute = true;
  w.scale = 4;
  w.fullscreen = true;
  std::string why;
  ASSERT_TRUE(write_settings(path, w, &why)) << why;
  WindowSettings r = read_settings(path);
  EXPECT_TRUE(r.mute);
  EXPECT_EQ(r.scale, 4);
  EXPECT_TRUE(r.fullscreen);
  // Written again over the old file; no scale remembered writes none.
  ASSERT_TRUE(write_settings(path, WindowSettings{}, &why)) << why;
  r = read_settings(path);
  EXPECT_FALSE(r.mute);
  EXPECT_EQ(r.scale, 0);
  EXPECT_FALSE(r.fullscreen);
  EXPECT_EQ(std::distance(fs::directory_iterator(s.dir + "/made/on/demand"), {}), 1)
      << "no temporary file left behind";
}

TEST(SettingsFile, DamagedContentIsPassedOverLineByLine) {
  // A missing file, an empty one and pure junk give the defaults.
  EXPECT_EQ(read_settings("/nonexistent/settings.ini").scale, 0);
  for (const std::string& junk : {std::string(), std::string("\x00\xff\x01=\x02", 5),
                                  std::string(100000, 'x'), std::string("=\n==\n[")}) {
    const WindowSettings d = parse_settings(junk);
    EXPECT_FALSE(d.mute);
    EXPECT_EQ(d.scale, 0);
    EXPECT_FALSE(d.fullscreen);
  }
  // Good lines count, bad ones around them do not; blanks and CR LF are fine.
  const WindowSettings w = parse_settings(
      "[window]\r\n mute = 1 \r\nscale=3\r\nscale=0\nscale=11\nscale=-2\nscale=2x\nscale=\n"
      "fullscreen=yes\nfullscreen=2\n# fullscreen=1\nvolume=7\nmute\n");
  EXPECT_TRUE(w.mute);
  EXPECT_EQ(w.scale, 3);
  EXPECT_FALSE(w.fullscreen);
  // The last good value of a repeated key counts.
  EXPECT_EQ(parse_settings("scale=2\nscale=5\n").scale, 5);
  EXPECT_EQ(parse_settings("scale=10").scale, max_window_scale);
  // The language is a plain code, kept when the window's settings are written back.
  EXPECT_EQ(parse_settings("language=en_GB\nlanguage=../../x\n").language, "en_GB");
  EXPECT_EQ(parse_settings(settings_text(parse_settings("language=en\nscale=2"))).language, "en");
}

TEST(UserFolders, TheBaseFoldersFollowTheEnvironmentAndIgnoreRelativeValues) {
  UserEnv e{"/home/k", "", ""};
  EXPECT_EQ(data_home(e), "/home/k/.local/share");
  EXPECT_EQ(config_home(e), "/home/k/.config");
  e.data_home = "/srv/data";
  e.config_home = "/srv/config";
  EXPECT_EQ(data_home(e), "/srv/data");
  EXPECT_EQ(config_home(e), "/srv/config");
  e.data_home = "relative/data";
  e.config_home = "./config";
  EXPECT_EQ(data_home(e), "/home/k/.local/share");
  EXPECT_EQ(config_home(e), "/home/k/.config");
  e.home = "";
  EXPECT_EQ(data_home(e), "");
  EXPECT_EQ(pictures_dir(e), "");
}

TEST(UserFolders, ThePicturesFolderIsReadFromUserDirs) {
  const std::string home = "/home/k";
  EXPECT_EQ(user_dir_from("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "XDG_PICTURES_DIR", home),
            "/home/k/Bilder");
  EXPECT_EQ(user_dir_from("# XDG_PICTURES_DIR=\"/no\"\nXDG_MUSIC_DIR=\"/m\"\n"
                          "  XDG_PICTURES_DIR=\"/data/写真 \\\"x\\\"\"\n",
                          "XDG_PICTURES_DIR", home),
            "/data/写真 \"x\"");
  // Not of the form the conventions allow: no quotes, relative, another variable, unclosed.
  for (const char* bad :
       {"XDG_PICTURES_DIR=$HOME/P\n", "XDG_PICTURES_DIR=\"Pictures\"\n",
        "XDG_PICTURES_DIR=\"$HOMEX/P\"\n", "XDG_PICTURES_DIR=\"/p\n", "XDG_PICTURES_DIRS=\"/p\"\n"})
    EXPECT_EQ(user_dir_from(bad, "XDG_PICTURES_DIR", home), "") << bad;

  scratch s;
  UserEnv e{s.dir + "/home", "", s.dir + "/config"};
  EXPECT_EQ(pictures_dir(e), s.dir + "/home/Pictures") << "no user-dirs.dirs";
  fs::create_directories(s.dir + "/config");
  std::ofstream(s.dir + "/config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/\"\n";
  EXPECT_EQ(pictures_dir(e), s.dir + "/home/Pictures") << "the home folder itself means none";
  std::ofstream(s.dir + "/config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/絵\"\n";
  EXPECT_EQ(pictures_dir(e), s.dir + "/home/絵");
}

TEST(UserFolders, FoldersAreMadeWithTheirParentsAndPrivate) {
  scratch s;
  std::string why;
  ASSERT_TRUE(make_folders(s.dir + "/a/b/c", &why)) << why;
  ASSERT_TRUE(make_folders(s.dir + "/a/b/c", &why)) << "again: " << why;
  struct stat st;
  ASSERT_EQ(::stat((s.dir + "/a/b").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  std::ofstream(s.dir + "/file") << "x";
  EXPECT_FALSE(make_folders(s.dir + "/file/d", &why));
  EXPECT_NE(why.find("not a folder"), std::string::npos) << why;
}

}  // namespace
