// Golden pictures: exact pixels compared with a BMP stored under tests/golden/. The stored
// pictures change only on purpose: run the test program with --update-expected (or the environment
// variable FLORINET_UPDATE_EXPECTED=1) to rewrite them.
// Text in them depends on the font: they are made with the IPA Gothic fonts (fonts-ipafont-gothic).
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/bitmap.h"

namespace golden {

inline bool updating() {
  const char* v = std::getenv("FLORINET_UPDATE_EXPECTED");
  if (v && *v && std::string(v) != "0") return true;
  // The switch on the test program's own command line (GoogleTest leaves unknown switches be).
  std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
  std::string arg;
  while (std::getline(cmdline, arg, '\0'))
    if (arg == "--update-expected") return true;
  return false;
}

inline std::string path_of(const std::string& name) {
  return std::string(FLORINET_SOURCE_DIR) + "/tests/golden/" + name + ".bmp";
}

// Compares `actual` with the stored picture; on a mismatch writes the actual picture next to the
// build for inspection and reports the first differing pixel.
inline ::testing::AssertionResult matches(const std::string& name, const plat::Bitmap& actual) {
  const std::string path = path_of(name);
  if (updating()) {
    if (plat::write_bmp_file(path, actual) != plat::BmpError::none)
      return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess();
  }
  plat::Bitmap expected;
  if (plat::read_bmp_file(path, expected) != plat::BmpError::none)
    return ::testing::AssertionFailure()
           << "no stored picture " << path << " (make it with FLORINET_UPDATE_EXPECTED=1)";
  const std::string got = std::string(FLORINET_BINARY_DIR) + "/" + name + ".actual.bmp";
  if (expected.width() != actual.width() || expected.height() != actual.height()) {
    plat::write_bmp_file(got, actual);
    return ::testing::AssertionFailure() << name << ": size differs, actual picture in " << got;
  }
  int differing = 0, fx = -1, fy = -1;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y)) {
        if (differing++ == 0) fx = x, fy = y;
      }
  if (differing == 0) return ::testing::AssertionSuccess();
  plat::write_bmp_file(got, actual);
  return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ, first at ("
                                       << fx << "," << fy << "); actual picture in " << got;
}

}  // namespace golden
