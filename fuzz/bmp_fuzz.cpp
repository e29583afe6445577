// Fuzz target: the BMP reader on arbitrary bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so a read one byte past the end is caught.
  std::vector<std::uint8_t> copy(data, data + size);
  plat::Bitmap pic(1, 1, 0x123456);
  plat::BmpError e = plat::read_bmp_memory(copy.empty() ? nullptr : copy.data(), copy.size(), pic);
  if (e != plat::BmpError::none) {
    if (pic.width() != 1 || pic.pixel(0, 0) != 0x123456)
      std::abort();  // rejected input left a mark
    return 0;
  }
  if (pic.empty() || pic.pixels().size() != std::size_t(pic.width()) * std::size_t(pic.height()))
    std::abort();
  // What was read writes and reads back the same.
  std::vector<std::uint8_t> again = plat::encode_bmp(pic);
  plat::Bitmap back;
  if (plat::read_bmp_memory(again.data(), again.size(), back) != plat::BmpError::none) std::abort();
  if (back.pixels() != pic.pixels()) std::abort();
  return 0;
}
