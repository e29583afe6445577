// Reads back the PNG files we write (8-bit RGB or RGBA, unfiltered rows), checking every chunk's
// CRC and the zlib stream on the way. Test-side only; any other PNG is refused.
#pragma once
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace png_test {

struct image {
  int w = 0, h = 0, channels = 0;
  std::vector<std::uint8_t> px;  // w × h × channels, top row first
  std::uint8_t at(int x, int y, int c) const {
    return px[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * std::size_t(channels) +
              std::size_t(c)];
  }
};

inline std::uint32_t be32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// False with `why` for anything but a whole, well-formed file of ours.
inline bool decode(const std::vector<std::uint8_t>& f, image& out, std::string& why) {
  static const std::uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (f.size() < 8 || !std::equal(sig, sig + 8, f.begin())) return why = "no signature", false;
  std::vector<std::uint8_t> idat;
  bool ended = false;
  for (std::size_t i = 8; i < f.size();) {
    if (f.size() - i < 12) return why = "cut chunk", false;
    const std::uint32_t n = be32(&f[i]);
    if (f.size() - i - 12 < n) return why = "chunk past the end", false;
    const std::string type(f.begin() + std::ptrdiff_t(i + 4), f.begin() + std::ptrdiff_t(i + 8));
    const std::uint8_t* data = &f[i + 8];
    uLong crc = crc32(0L, &f[i + 4], uInt(n + 4));
    if (crc != be32(&f[i + 8 + n])) return why = "bad CRC in " + type, false;
    if (type == "IHDR") {
      if (n != 13 || data[8] != 8 || data[10] || data[11] || data[12])
        return why = "unexpected header", false;
      out.w = int(be32(data));
      out.h = int(be32(data + 4));
      out.channels = data[9] == 2 ? 3 : data[9] == 6 ? 4 : 0;
      if (!out.channels) return why = "colour type", false;
    } else if (type == "IDAT") {
      idat.insert(idat.end(), data, data + n);
    } else if (type == "IEND") {
      ended = true;
    }
    i += 12 + n;
  }
  if (!ended || !out.w) return why = "no IEND or IHDR", false;
  const std::size_t line = 1 + std::size_t(out.w) * std::size_t(out.channels);
  std::vector<std::uint8_t> raw(line * std::size_t(out.h));
  uLongf size = uLongf(raw.size());
  if (uncompress(raw.data(), &size, idat.data(), uLong(idat.size())) != Z_OK || size != raw.size())
    return why = "pixel data does not inflate to the picture's size", false;
  out.px.clear();
  for (int y = 0; y < out.h; ++y) {
    const std::uint8_t* row = raw.data() + std::size_t(y) * line;
    if (row[0] != 0) return why = "a filtered row", false;
    out.px.insert(out.px.end(), row + 1, row + line);
  }
  return true;
}

}  // namespace png_test
