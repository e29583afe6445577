// Pictures: 24-bit colour held as 0x00RRGGBB words, top row first.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

using rgb = std::uint32_t;  // 0x00RRGGBB
constexpr rgb RGB(int r, int g, int b) {
  return (rgb(r & 255) << 16) | (rgb(g & 255) << 8) | rgb(b & 255);
}
constexpr int red_of(rgb c) {
  return int((c >> 16) & 255);
}
constexpr int green_of(rgb c) {
  return int((c >> 8) & 255);
}
constexpr int blue_of(rgb c) {
  return int(c & 255);
}

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int w, int h, rgb fill = 0) { resize(w, h, fill); }

  void resize(int w, int h, rgb fill = 0);
  int width() const { return w_; }
  int height() const { return h_; }
  bool empty() const { return w_ <= 0 || h_ <= 0; }

  rgb* row(int y) { return px_.data() + std::size_t(y) * std::size_t(w_); }
  const rgb* row(int y) const { return px_.data() + std::size_t(y) * std::size_t(w_); }
  rgb pixel(int x, int y) const { return row(y)[x]; }
  void set_pixel(int x, int y, rgb c) { row(y)[x] = c; }
  // Bounds-checked read: 0 outside the picture.
  rgb pixel_or_black(int x, int y) const;

  // The platform's "automatic transparent colour": the bottom-left pixel.
  rgb transparent_colour() const { return empty() ? 0 : pixel(0, h_ - 1); }

  const std::vector<rgb>& pixels() const { return px_; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<rgb> px_;
};

enum class BmpError {
  none,
  cannot_open,
  truncated,
  bad_header,
  unsupported,
  bad_data,
  cannot_write
};
const char* to_string(BmpError e);

// Reads 1/4/8/24/32-bit BMPs, uncompressed or RLE4/RLE8, bottom-up or top-down, into 24-bit colour.
// A corrupt or truncated file gives an error and leaves `out` untouched.
BmpError read_bmp_file(const std::string& path, Bitmap& out);
BmpError read_bmp_memory(const std::uint8_t* data, std::size_t size, Bitmap& out);
// Writes a 24-bit bottom-up BMP.
BmpError write_bmp_file(const std::string& path, const Bitmap& bmp);
std::vector<std::uint8_t> encode_bmp(const Bitmap& bmp);

// One-bit mask from a key colour: white (0xFFFFFF) where the picture's pixel equals `key`,
// black elsewhere. Drawn with AND then the picture with OR, the key colour becomes see-through.
Bitmap make_mask(const Bitmap& picture, rgb key);

}  // namespace plat
