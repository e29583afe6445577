// PNG files: the screenshots and the desktop icons. Eight bits a channel, every row unfiltered,
// the pixels deflated by zlib.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace plat {

using Bytes = std::vector<std::uint8_t>;

// The picture enlarged `scale` times (each pixel a scale × scale square), as an RGB PNG.
// Empty for an empty picture or a scale below 1.
Bytes encode_png(const Bitmap& picture, int scale = 1);

// `rgba` (w × h pixels, top row first, red, green, blue, then alpha, not premultiplied) as an RGBA
// PNG. Empty when the sizes disagree.
Bytes encode_png_rgba(int w, int h, const Bytes& rgba);

// Writes `bytes` as a new file: never replaces one that exists. False with `why` on failure
// (`why` is "exists" when the name is taken).
bool write_new_file(const std::string& path, const Bytes& bytes, std::string* why);

}  // namespace plat
