#include "platform/png.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>

namespace plat {

namespace {

void put32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

// A chunk: length, type, data, and the CRC of type and data.
void chunk(Bytes& out, const char (&type)[5], const Bytes& data) {
  put32(out, std::uint32_t(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + start, uInt(out.size() - start));
  put32(out, std::uint32_t(crc));
}

// `raw` is the scanlines, each led by its filter byte (0: none).
Bytes assemble(int w, int h, int colour_type, const Bytes& raw) {
  uLongf packed_size = compressBound(uLong(raw.size()));
  Bytes packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), uLong(raw.size()), 6) != Z_OK) return {};
  packed.resize(packed_size);

  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  put32(header, std::uint32_t(w));
  put32(header, std::uint32_t(h));
  header.push_back(8);  // bits a channel
  header.push_back(std::uint8_t(colour_type));
  header.push_back(0);  // deflate
  header.push_back(0);  // adaptive filtering (every row "none")
  header.push_back(0);  // not interlaced
  chunk(out, "IHDR", header);
  chunk(out, "IDAT", packed);
  chunk(out, "IEND", {});
  return out;
}

}  // namespace

Bytes encode_png(const Bitmap& picture, int scale) {
  if (picture.empty() || scale < 1) return {};
  const std::size_t w = std::size_t(picture.width()) * std::size_t(scale);
  const std::size_t h = std::size_t(picture.height()) * std::size_t(scale);
  if (w > 0x7FFFFFFF / 4 || h > 0x7FFFFFFF / 4) return {};
  const std::size_t line = 1 + 3 * w;
  Bytes raw(line * h);
  for (int y = 0; y < picture.height(); ++y) {
    std::uint8_t* first = raw.data() + std::size_t(y) * std::size_t(scale) * line;
    std::uint8_t* p = first + 1;  // after the filter byte, which stays 0
    const rgb* src = picture.row(y);
    for (int x = 0; x < picture.width(); ++x)
      for (int k = 0; k < scale; ++k) {
        *p++ = std::uint8_t(red_of(src[x]));
        *p++ = std::uint8_t(green_of(src[x]));
        *p++ = std::uint8_t(blue_of(src[x]));
      }
    // The other rows of the pixel square repeat the first.
    for (int k = 1; k < scale; ++k) std::memcpy(first + std::size_t(k) * line, first, line);
  }
  return assemble(int(w), int(h), 2, raw);
}

Bytes encode_png_rgba(int w, int h, const Bytes& rgba) {
  if (w < 1 || h < 1 || rgba.size() != std::size_t(w) * std::size_t(h) * 4) return {};
  const std::size_t row = std::size_t(w) * 4;
  Bytes raw;
  raw.reserve((row + 1) * std::size_t(h));
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);
    const auto from = rgba.begin() + std::ptrdiff_t(std::size_t(y) * row);
    raw.insert(raw.end(), from, from + std::ptrdiff_t(row));
  }
  return assemble(w, h, 6, raw);
}

bool write_new_file(const std::string& path, const Bytes& bytes, std::string* why) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (why) *why = errno == EEXIST ? "exists" : std::strerror(errno);
    return false;
  }
  const std::uint8_t* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (why) *why = std::strerror(errno);
      ::close(fd);
      ::unlink(path.c_str());  // never leave half a file behind
      return false;
    }
    p += n;
    left -= std::size_t(n);
  }
  if (::close(fd) != 0) {
    if (why) *why = std::strerror(errno);
    ::unlink(path.c_str());
    return false;
  }
  return true;
}

}  // namespace plat
