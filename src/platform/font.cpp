// Fonts: the game asks for "ＭＳ Ｐゴシック" and "ＭＳ ゴシック"; on Linux these are the IPA Gothic
// faces (proportional and fixed), found through fontconfig and rendered with FreeType. Rendered
// glyphs live in one fixed-size cache for the program's life, so drawing text that was drawn
// before allocates nothing and renders nothing.
#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <strings.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace plat {
namespace {

// Families tried in order for each face; the family fontconfig returns must be the one asked for
// (fontconfig always returns *some* font, often one without any Japanese in it).
constexpr const char* kProportional[] = {"IPAPGothic",   "IPAexGothic",      "VL PGothic",
                                         "TakaoPGothic", "Noto Sans CJK JP", "Source Han Sans JP",
                                         "IPAGothic",    "VL Gothic",        "TakaoGothic"};
constexpr const char* kFixed[] = {
    "IPAGothic",  "TakaoGothic", "VL Gothic",  "Noto Sans Mono CJK JP",
    "IPAPGothic", "IPAexGothic", "VL PGothic", "Noto Sans CJK JP"};

struct Located {
  std::string file, family;
  int index = 0;
};

bool family_matches(FcPattern* font, const char* wanted) {
  FcChar8* fam = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &fam) == FcResultMatch; ++i)
    if (strcasecmp(reinterpret_cast<const char*>(fam), wanted) == 0) return true;
  return false;
}

bool covers_japanese(FcPattern* font) {
  FcCharSet* cs = nullptr;
  if (FcPatternGetCharSet(font, FC_CHARSET, 0, &cs) != FcResultMatch) return false;
  // hiragana a, katakana a, the kanji for "shop" and the full-width yen sign
  for (FcChar32 c : {0x3042u, 0x30A2u, 0x5E97u, 0xFFE5u})
    if (!FcCharSetHasChar(cs, c)) return false;
  return true;
}

Located take(FcPattern* font) {
  Located l;
  FcChar8* file = nullptr;
  FcChar8* fam = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch)
    l.file = reinterpret_cast<const char*>(file);
  if (FcPatternGetString(font, FC_FAMILY, 0, &fam) == FcResultMatch)
    l.family = reinterpret_cast<const char*>(fam);
  FcPatternGetInteger(font, FC_INDEX, 0, &l.index);
  return l;
}

FcPattern* match(const char* family) {
  FcPattern* p = FcPatternCreate();
  if (family) FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddString(p, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  FcPatternAddBool(p, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, p, FcMatchPattern);
  FcDefaultSubstitute(p);
  FcResult r = FcResultNoMatch;
  FcPattern* m = FcFontMatch(nullptr, p, &r);
  FcPatternDestroy(p);
  return m;
}

template <std::size_t N>
Located locate(const char* const (&families)[N]) {
  if (!FcInit()) return {};
  for (const char* fam : families) {
    FcPattern* m = match(fam);
    if (!m) continue;
    Located l;
    if (family_matches(m, fam) && covers_japanese(m)) l = take(m);
    FcPatternDestroy(m);
    if (!l.file.empty()) return l;
  }
  // Any installed font that covers Japanese.
  Located l;
  if (FcPattern* m = match(nullptr)) {
    if (covers_japanese(m)) l = take(m);
    FcPatternDestroy(m);
  }
  return l;
}

// The glyph cache: open addressing over a fixed table, coverage bytes in one fixed pool. When
// either fills up the whole cache is dropped and refilled (no game screen comes near that).
constexpr std::size_t kSlots = 8192;  // power of two
constexpr std::size_t kPoolBytes = std::size_t(4) << 20;

struct Slot {
  std::uint64_t key = 0;  // 0 = empty
  Glyph glyph;
};

struct Fonts {
  FT_Library lib = nullptr;
  FT_Face faces[2] = {nullptr, nullptr};
  Located where[2];
  bool tried = false;
  bool available = false;
  GlyphMode mode = GlyphMode::monochrome;
  BoldMode bold_mode = BoldMode::smear;

  std::unique_ptr<Slot[]> slots{new Slot[kSlots]};
  std::unique_ptr<std::uint8_t[]> pool{new std::uint8_t[kPoolBytes]};
  std::size_t pool_used = 0;
  std::size_t entries = 0;
  std::uint64_t renders = 0, flushes = 0;
  // Metrics per face and pixel size; ascent < 0 marks "not yet measured".
  std::array<std::array<FontMetrics, kMaxFontPixels + 1>, 2> metrics;
  std::uint8_t scratch[(kMaxFontPixels * 3) * (kMaxFontPixels * 3)];

  Fonts() {
    for (auto& row : metrics)
      for (auto& m : row) m.ascent = -1;
  }
  ~Fonts() {
    for (FT_Face f : faces)
      if (f) FT_Done_Face(f);
    if (lib) FT_Done_FreeType(lib);
  }

  void open() {
    if (tried) return;
    tried = true;
    if (FT_Init_FreeType(&lib) != 0) {
      std::fprintf(stderr, "florinet: FreeType could not start; text will not be drawn\n");
      return;
    }
    where[0] = locate(kProportional);
    where[1] = locate(kFixed);
    // Fonts are looked up once; fontconfig's tables are not needed after this.
    FcFini();
    for (int i = 0; i < 2; ++i) {
      if (where[i].file.empty()) continue;
      if (FT_New_Face(lib, where[i].file.c_str(), where[i].index, &faces[i]) != 0) {
        faces[i] = nullptr;
        where[i] = {};
      }
    }
    // One face can stand in for the other.
    for (int i = 0; i < 2; ++i) {
      const int other = 1 - i;
      if (faces[i] || !faces[other]) continue;
      if (FT_New_Face(lib, where[other].file.c_str(), where[other].index, &faces[i]) == 0)
        where[i] = where[other];
      else
        faces[i] = nullptr;
    }
    available = faces[0] && faces[1];
    if (!available)
      std::fprintf(stderr,
                   "florinet: no Japanese font found; text will not be drawn. Install the Debian "
                   "package fonts-ipafont-gothic (apt-get install fonts-ipafont-gothic).\n");
  }

  void flush() {
    for (std::size_t i = 0; i < kSlots; ++i) slots[i].key = 0;
    pool_used = 0;
    entries = 0;
    ++flushes;
  }

  FT_Face face(Face f) { return faces[f == Face::gothic ? 1 : 0]; }

  FontMetrics measure(Face f, int px) {
    FontMetrics& m = metrics[f == Face::gothic ? 1 : 0][std::size_t(px)];
    if (m.ascent >= 0) return m;
    open();
    FT_Face fc = face(f);
    if (fc && FT_Set_Pixel_Sizes(fc, 0, FT_UInt(px)) == 0) {
      // The face's design ascent and descent, scaled to the em size and rounded to whole pixels.
      const double em = fc->units_per_EM;
      int asc = fc->ascender, desc = -fc->descender;
      m.ascent = int(asc * px / em + 0.5);
      m.descent = int(desc * px / em + 0.5);
    } else {
      m.ascent = px - px / 8;
      m.descent = px / 8;
    }
    return m;
  }

  static bool narrow(char32_t cp) { return cp < 0x100 || (cp >= 0xFF61 && cp <= 0xFF9F); }

  const Glyph& glyph(Face f, int px, bool bold, char32_t cp) {
    const std::uint64_t key = (std::uint64_t(1) << 63) | (std::uint64_t(f == Face::gothic) << 40) |
                              (std::uint64_t(bold) << 39) | (std::uint64_t(px) << 24) |
                              std::uint64_t(cp & 0xFFFFFF);
    std::size_t h = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 51) & (kSlots - 1);
    for (;;) {
      Slot& s = slots[h];
      if (s.key == key) return s.glyph;
      if (s.key == 0) break;
      h = (h + 1) & (kSlots - 1);
    }
    if (entries * 4 >= kSlots * 3) {  // keep the probes short
      flush();
      return glyph(f, px, bold, cp);
    }
    Glyph g = render(f, px, bold, cp);
    if (g.width * g.rows > 0) {
      std::size_t need = std::size_t(g.width) * std::size_t(g.rows);
      if (pool_used + need > kPoolBytes) {
        flush();
        return glyph(f, px, bold, cp);
      }
      std::memcpy(pool.get() + pool_used, g.coverage, need);
      g.coverage = pool.get() + pool_used;
      pool_used += need;
    } else {
      g.width = g.rows = 0;
      g.coverage = nullptr;
    }
    Slot& s = slots[h];
    s.key = key;
    s.glyph = g;
    ++entries;
    return s.glyph;
  }

  // Renders into `scratch`; the caller copies the coverage into the pool.
  Glyph render(Face f, int px, bool bold, char32_t cp) {
    ++renders;
    open();
    Glyph g;
    FT_Face fc = face(f);
    if (!fc || FT_Set_Pixel_Sizes(fc, 0, FT_UInt(px)) != 0) {
      g.advance = (narrow(cp) ? px / 2 : px) + (bold ? 1 : 0);
      return g;
    }
    const bool mono = mode == GlyphMode::monochrome;
    FT_Int32 flags = mono ? (FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) : FT_LOAD_TARGET_NORMAL;
    FT_UInt index = FT_Get_Char_Index(fc, cp);
    if (FT_Load_Glyph(fc, index, flags) != 0 && FT_Load_Glyph(fc, 0, flags) != 0) {
      g.advance = (narrow(cp) ? px / 2 : px) + (bold ? 1 : 0);
      return g;
    }
    FT_GlyphSlot slot = fc->glyph;
    bool smear = bold;
    if (bold && bold_mode == BoldMode::outline && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      FT_Outline_EmboldenXY(&slot->outline, 64, 0);
      smear = false;
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) {
      g.advance = int((slot->advance.x + 32) >> 6) + (bold ? 1 : 0);
      return g;
    }
    const FT_Bitmap& b = slot->bitmap;
    g.advance = int((slot->advance.x + 32) >> 6) + (bold ? 1 : 0);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    const int w = int(b.width), rows = int(b.rows);
    const int ow = w + (smear && w > 0 ? 1 : 0);
    if (w <= 0 || rows <= 0 || std::size_t(ow) * std::size_t(rows) > sizeof scratch) return g;
    for (int y = 0; y < rows; ++y) {
      const unsigned char* src = b.buffer + std::ptrdiff_t(y) * b.pitch;
      std::uint8_t* dst = scratch + std::size_t(y) * std::size_t(ow);
      for (int x = 0; x < w; ++x) {
        std::uint8_t v;
        if (b.pixel_mode == FT_PIXEL_MODE_MONO)
          v = (src[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
        else if (b.pixel_mode == FT_PIXEL_MODE_GRAY)
          v = b.num_grays == 256 ? src[x]
                                 : std::uint8_t(src[x] * 255 / std::max(1, b.num_grays - 1));
        else
          v = 0;
        dst[x] = v;
      }
      if (smear) {  // the system's simulated bold: each pixel also one to the right
        dst[w] = 0;
        for (int x = w; x > 0; --x) dst[x] = std::max(dst[x], dst[x - 1]);
      }
    }
    g.width = ow;
    g.rows = rows;
    g.coverage = scratch;
    return g;
  }
};

Fonts& fonts() {
  static Fonts* f = new Fonts();  // kept to the end: text may still be measured during shutdown
  return *f;
}

int clamp_px(int px) {
  return std::clamp(px, 1, kMaxFontPixels);
}

}  // namespace

void set_glyph_mode(GlyphMode m) {
  fonts().mode = m;
  fonts().flush();
}
GlyphMode glyph_mode() {
  return fonts().mode;
}
void set_bold_mode(BoldMode m) {
  fonts().bold_mode = m;
  fonts().flush();
}

bool fonts_available() {
  fonts().open();
  return fonts().available;
}
std::string font_file(Face f) {
  fonts().open();
  return fonts().where[f == Face::gothic ? 1 : 0].file;
}
std::string font_family(Face f) {
  fonts().open();
  return fonts().where[f == Face::gothic ? 1 : 0].family;
}

FontMetrics font_metrics(Face f, int px) {
  return fonts().measure(f, clamp_px(px));
}

const Glyph& font_glyph(Face f, int px, bool bold, char32_t cp) {
  return fonts().glyph(f, clamp_px(px), bold, cp);
}

GlyphCacheStats glyph_cache_stats() {
  const Fonts& f = fonts();
  return {f.renders, f.flushes, f.entries};
}
void clear_glyph_cache() {
  fonts().flush();
}

}  // namespace plat
