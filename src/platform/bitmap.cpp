// Pictures and the BMP file format: reader for every depth the game's pictures come in, a 24-bit
// writer, and one-bit masks.
#include "platform/bitmap.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>

namespace plat {

void Bitmap::resize(int w, int h, rgb fill) {
  if (w <= 0 || h <= 0) {
    w_ = h_ = 0;
    px_.clear();
    return;
  }
  w_ = w;
  h_ = h;
  px_.assign(std::size_t(w) * std::size_t(h), fill);
}

rgb Bitmap::pixel_or_black(int x, int y) const {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
  return pixel(x, y);
}

const char* to_string(BmpError e) {
  switch (e) {
    case BmpError::none:
      return "ok";
    case BmpError::cannot_open:
      return "cannot open the file";
    case BmpError::truncated:
      return "the file is cut short";
    case BmpError::bad_header:
      return "not a valid BMP header";
    case BmpError::unsupported:
      return "a BMP variant this reader does not handle";
    case BmpError::bad_data:
      return "corrupt picture data";
    case BmpError::cannot_write:
      return "cannot write the file";
  }
  return "unknown error";
}

namespace {

// Largest picture accepted: no side above 16384 pixels and no more than 32 M pixels in all.
// The game's pictures are a few hundred pixels; anything near these limits is a broken file.
constexpr int kMaxSide = 16384;
constexpr std::size_t kMaxPixels = std::size_t(1) << 25;

// Little-endian reads from a bounded byte range; every read is checked by the caller first.
std::uint16_t u16(const std::uint8_t* p) {
  return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t u32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}

enum Compression : std::uint32_t {
  bi_rgb = 0,
  bi_rle8 = 1,
  bi_rle4 = 2,
  bi_bitfields = 3,
  bi_alphabitfields = 6
};

// One colour channel taken out of a packed 16- or 32-bit pixel by its mask, scaled to 0..255.
struct Channel {
  int shift = 0, bits = 0;
  std::uint32_t mask = 0;
  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m);
  }
  int get(std::uint32_t v) const {
    if (bits == 0) return 0;
    std::uint32_t x = (v & mask) >> shift;
    if (bits >= 8) return int(x >> (bits - 8));
    return int(x * 255u / ((1u << bits) - 1u));
  }
};

struct Header {
  int width = 0, height = 0;  // height as in the file: negative for top-down
  int bpp = 0;
  std::uint32_t compression = 0;
  std::uint32_t image_size = 0;
  std::uint32_t colours_used = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::size_t palette_offset = 0;
  int palette_entry = 4;  // bytes per palette entry (3 in the old core header)
};

BmpError decode(const std::uint8_t* d, std::size_t n, Bitmap& out) {
  if (n < 14 + 12)
    return n >= 2 && (d[0] != 'B' || d[1] != 'M') ? BmpError::bad_header : BmpError::truncated;
  if (d[0] != 'B' || d[1] != 'M') return BmpError::bad_header;
  const std::uint32_t file_size = u32(d + 2);
  const std::uint32_t bits_offset = u32(d + 10);
  const std::uint32_t hsize = u32(d + 14);
  // A file shorter than its own header claims was cut.
  if (file_size > n) return BmpError::truncated;

  Header h;
  if (hsize == 12) {  // old core header
    h.width = u16(d + 18);
    h.height = u16(d + 20);
    if (u16(d + 22) != 1) return BmpError::bad_header;
    h.bpp = u16(d + 24);
    h.palette_entry = 3;
    h.palette_offset = 14 + 12;
  } else if (hsize == 40 || hsize == 52 || hsize == 56 || hsize == 108 || hsize == 124) {
    if (n < 14 + std::size_t(hsize)) return BmpError::truncated;
    h.width = std::int32_t(u32(d + 18));
    h.height = std::int32_t(u32(d + 22));
    if (u16(d + 26) != 1) return BmpError::bad_header;
    h.bpp = u16(d + 28);
    h.compression = u32(d + 30);
    h.image_size = u32(d + 34);
    h.colours_used = u32(d + 46);
    h.palette_offset = 14 + hsize;
    if (h.compression == bi_bitfields || h.compression == bi_alphabitfields) {
      if (hsize == 40) {  // the masks follow the header
        std::size_t mask_bytes = h.compression == bi_alphabitfields ? 16 : 12;
        if (n < 54 + mask_bytes) return BmpError::truncated;
        h.palette_offset += mask_bytes;
      }
      for (int i = 0; i < 3; ++i) h.masks[i] = u32(d + 54 + 4 * i);
    }
  } else {
    return BmpError::unsupported;
  }

  if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) return BmpError::bad_header;
  const bool top_down = h.height < 0;
  const int W = h.width;
  const int H = top_down ? -h.height : h.height;
  if (W > kMaxSide || H > kMaxSide || std::size_t(W) * std::size_t(H) > kMaxPixels)
    return BmpError::unsupported;

  switch (h.compression) {
    case bi_rgb:
      if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        return BmpError::unsupported;
      break;
    case bi_rle8:
      if (h.bpp != 8 || top_down) return BmpError::bad_header;
      break;
    case bi_rle4:
      if (h.bpp != 4 || top_down) return BmpError::bad_header;
      break;
    case bi_bitfields:
    case bi_alphabitfields:
      if (h.bpp != 16 && h.bpp != 32) return BmpError::bad_header;
      for (std::uint32_t m : h.masks) {
        // each mask must be one unbroken run of bits, and the channels must not overlap
        if (m != 0 && std::popcount(m) != 32 - std::countl_zero(m) - std::countr_zero(m))
          return BmpError::bad_data;
      }
      if ((h.masks[0] & h.masks[1]) || (h.masks[0] & h.masks[2]) || (h.masks[1] & h.masks[2]))
        return BmpError::bad_data;
      break;
    default:
      return BmpError::unsupported;
  }

  // The palette.
  rgb palette[256] = {};
  int palette_size = 0;
  if (h.bpp <= 8) {
    std::uint32_t count = h.colours_used ? h.colours_used : (1u << h.bpp);
    if (count > (1u << h.bpp)) return BmpError::bad_header;
    if (h.palette_offset + std::size_t(count) * std::size_t(h.palette_entry) > n)
      return BmpError::truncated;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* p = d + h.palette_offset + i * std::size_t(h.palette_entry);
      palette[i] = RGB(p[2], p[1], p[0]);
    }
    palette_size = int(count);
  }
  // An index past the palette's end shows black, as the system's own loader does.
  auto colour = [&](unsigned index) -> rgb {
    return int(index) < palette_size ? palette[index] : 0;
  };

  if (bits_offset < h.palette_offset) return BmpError::bad_header;
  if (bits_offset > n) return BmpError::truncated;
  const std::uint8_t* bits = d + bits_offset;
  std::size_t avail = n - bits_offset;

  Bitmap pic(W, H, h.bpp <= 8 && palette_size > 0 ? palette[0] : 0);

  if (h.compression == bi_rle8 || h.compression == bi_rle4) {
    if (h.image_size != 0) {
      if (h.image_size > avail) return BmpError::truncated;
      avail = h.image_size;
    }
    const bool four = h.compression == bi_rle4;
    std::size_t i = 0;
    int x = 0, y = 0;  // y counts rows from the bottom
    auto put = [&](unsigned index) {
      if (x < W && y < H) pic.set_pixel(x, H - 1 - y, colour(index));
      ++x;
    };
    bool ended = false;
    while (!ended) {
      if (i + 2 > avail) return BmpError::truncated;
      unsigned count = bits[i], value = bits[i + 1];
      i += 2;
      if (count > 0) {  // a run
        for (unsigned k = 0; k < count; ++k)
          put(four ? ((k & 1) ? value & 15 : value >> 4) : value);
        continue;
      }
      switch (value) {
        case 0:  // end of line
          x = 0;
          ++y;
          break;
        case 1:  // end of picture
          ended = true;
          break;
        case 2: {  // move right and up
          if (i + 2 > avail) return BmpError::truncated;
          x += bits[i];
          y += bits[i + 1];
          i += 2;
          break;
        }
        default: {  // `value` literal pixels, the run padded to a 16-bit boundary
          std::size_t bytes = four ? (value + 1) / 2 : value;
          std::size_t padded = (bytes + 1) & ~std::size_t(1);
          if (i + padded > avail) return BmpError::truncated;
          for (unsigned k = 0; k < value; ++k) {
            if (four) {
              unsigned b = bits[i + k / 2];
              put((k & 1) ? b & 15 : b >> 4);
            } else {
              put(bits[i + k]);
            }
          }
          i += padded;
          break;
        }
      }
      if (y > H + 255) return BmpError::bad_data;  // far past the top: not a picture
    }
  } else {
    const std::size_t stride = ((std::size_t(W) * std::size_t(h.bpp) + 31) / 32) * 4;
    if (stride * std::size_t(H) > avail) return BmpError::truncated;
    Channel r, g, b;
    if (h.compression == bi_bitfields || h.compression == bi_alphabitfields) {
      r = Channel(h.masks[0]);
      g = Channel(h.masks[1]);
      b = Channel(h.masks[2]);
    } else if (h.bpp == 16) {  // 5-5-5
      r = Channel(0x7C00);
      g = Channel(0x03E0);
      b = Channel(0x001F);
    } else if (h.bpp == 32) {
      r = Channel(0xFF0000);
      g = Channel(0x00FF00);
      b = Channel(0x0000FF);
    }
    for (int row = 0; row < H; ++row) {
      const std::uint8_t* s = bits + stride * std::size_t(row);
      rgb* o = pic.row(top_down ? row : H - 1 - row);
      switch (h.bpp) {
        case 1:
          for (int xx = 0; xx < W; ++xx) o[xx] = colour((s[xx >> 3] >> (7 - (xx & 7))) & 1);
          break;
        case 4:
          for (int xx = 0; xx < W; ++xx)
            o[xx] = colour((xx & 1) ? s[xx >> 1] & 15 : s[xx >> 1] >> 4);
          break;
        case 8:
          for (int xx = 0; xx < W; ++xx) o[xx] = colour(s[xx]);
          break;
        case 16:
          for (int xx = 0; xx < W; ++xx) {
            std::uint32_t v = u16(s + 2 * xx);
            o[xx] = RGB(r.get(v), g.get(v), b.get(v));
          }
          break;
        case 24:
          for (int xx = 0; xx < W; ++xx) o[xx] = RGB(s[3 * xx + 2], s[3 * xx + 1], s[3 * xx]);
          break;
        case 32:
          for (int xx = 0; xx < W; ++xx) {
            std::uint32_t v = u32(s + 4 * xx);
            o[xx] = RGB(r.get(v), g.get(v), b.get(v));
          }
          break;
      }
    }
  }
  out = std::move(pic);
  return BmpError::none;
}

}  // namespace

BmpError read_bmp_memory(const std::uint8_t* data, std::size_t size, Bitmap& out) {
  if (data == nullptr) return BmpError::truncated;
  return decode(data, size, out);
}

BmpError read_bmp_file(const std::string& path, Bitmap& out) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f) return BmpError::cannot_open;
  // Larger than any picture the reader would accept.
  constexpr long kMaxFile = 160L << 20;
  if (std::fseek(f.get(), 0, SEEK_END) != 0) return BmpError::cannot_open;
  long len = std::ftell(f.get());
  if (len < 0) return BmpError::cannot_open;
  if (len > kMaxFile) return BmpError::unsupported;
  std::rewind(f.get());
  std::vector<std::uint8_t> buf(static_cast<std::size_t>(len));
  if (len > 0 && std::fread(buf.data(), 1, buf.size(), f.get()) != buf.size())
    return BmpError::cannot_open;
  return decode(buf.data(), buf.size(), out);
}

std::vector<std::uint8_t> encode_bmp(const Bitmap& bmp) {
  const int W = bmp.width(), H = bmp.height();
  const std::size_t stride = ((std::size_t(W) * 3 + 3) / 4) * 4;
  const std::size_t image = stride * std::size_t(H);
  std::vector<std::uint8_t> f(54 + image, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) {
    f[at] = std::uint8_t(v);
    f[at + 1] = std::uint8_t(v >> 8);
  };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, std::uint32_t(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(W));
  put32(22, std::uint32_t(H));
  put16(26, 1);
  put16(28, 24);
  put32(34, std::uint32_t(image));
  put32(38, 3780);  // 96 dots per inch
  put32(42, 3780);
  for (int y = 0; y < H; ++y) {
    std::uint8_t* o = f.data() + 54 + stride * std::size_t(H - 1 - y);
    const rgb* s = bmp.row(y);
    for (int x = 0; x < W; ++x) {
      o[3 * x] = std::uint8_t(blue_of(s[x]));
      o[3 * x + 1] = std::uint8_t(green_of(s[x]));
      o[3 * x + 2] = std::uint8_t(red_of(s[x]));
    }
  }
  return f;
}

BmpError write_bmp_file(const std::string& path, const Bitmap& bmp) {
  std::vector<std::uint8_t> data = encode_bmp(bmp);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return BmpError::cannot_write;
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fclose(f) == 0) && ok;
  return ok ? BmpError::none : BmpError::cannot_write;
}

Bitmap make_mask(const Bitmap& picture, rgb key) {
  Bitmap m(picture.width(), picture.height(), 0);
  for (int y = 0; y < picture.height(); ++y) {
    const rgb* s = picture.row(y);
    rgb* o = m.row(y);
    for (int x = 0; x < picture.width(); ++x)
      o[x] = (s[x] & 0xFFFFFF) == (key & 0xFFFFFF) ? 0xFFFFFF : 0;
  }
  return m;
}

}  // namespace plat
