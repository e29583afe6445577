// The game's two Japanese faces, rendered with FreeType from fonts found through fontconfig, and
// the glyph cache behind Canvas::text_out. Sizes are pixel heights of the em square; the game
// speaks in points at 96 dots per inch (see font_pixels).
#pragma once
#include <cstdint>
#include <string>

#include "platform/canvas.h"

namespace plat {

// Points at 96 dots per inch to pixels, rounded as the system's MulDiv does (9 pt -> 12 px).
constexpr int font_pixels(int point) {
  return point <= 0 ? 0 : (point * 96 + 36) / 72;
}

// Largest em height the cache renders; larger requests are drawn at this size.
constexpr int kMaxFontPixels = 160;

struct FontMetrics {
  int ascent = 0;   // pixels above the baseline in the text cell
  int descent = 0;  // pixels below it; the cell height is ascent + descent
};

// One rendered glyph: a coverage map (0 = none, 255 = full) placed relative to the pen position
// on the baseline; `top` counts upward from the baseline, as FreeType does.
struct Glyph {
  int left = 0, top = 0;
  int width = 0, rows = 0;
  int advance = 0;
  const std::uint8_t* coverage = nullptr;  // width * rows bytes, row by row
};

// How glyphs are rasterised. Monochrome keeps every pixel either text colour or untouched, the
// look of the system fonts at small sizes on the original platform.
enum class GlyphMode { monochrome, antialiased };
void set_glyph_mode(GlyphMode m);  // clears the cache
GlyphMode glyph_mode();

// How bold is synthesised: `smear` ORs each glyph with itself one pixel to the right (the system's
// own simulated bold); `outline` thickens the outline by one pixel before rasterising.
enum class BoldMode { smear, outline };
void set_bold_mode(BoldMode m);  // clears the cache

// False if no Japanese face could be found (a one-line message then names the Debian package).
bool fonts_available();
// The file and family chosen for a face ("" when none was found).
std::string font_file(Face f);
std::string font_family(Face f);

FontMetrics font_metrics(Face f, int px);
// The cached glyph; rendered on the first request for this (face, size, bold, code point).
const Glyph& font_glyph(Face f, int px, bool bold, char32_t cp);

// Cache counters, for tests and benchmarks: glyphs rendered so far, and cache flushes.
struct GlyphCacheStats {
  std::uint64_t renders = 0;
  std::uint64_t flushes = 0;
  std::size_t entries = 0;
};
GlyphCacheStats glyph_cache_stats();
void clear_glyph_cache();

}  // namespace plat
