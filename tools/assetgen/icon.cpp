// The game's icon, for the desktop's menus and the window: a present in pink paper tied with a
// ribbon, a gold seal with a heart stuck on its front, as the clerk wraps them all day. Drawn
// afresh at each size so the small ones stay crisp.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "assets.h"
#include "paint.h"
#include "pics.h"
#include "platform/png.h"

namespace ag {

namespace {

Img draw_icon(int size) {
  Img im(size, size);
  im.smooth = true;                      // a desktop icon, seen at its own size: smooth edges
  const float k = float(size) / 256.0f;  // the drawing is laid out on a 256 square
  auto P = [k](float v) { return v * k; };
  const float line = std::max(1.0f, 4.0f * k);
  const Col paper = hex(0xff9cc0), lid = hex(0xffb3cf), ribbon = pal::mint;

  // a soft shadow under the box
  im.fill(ellipse(P(128), P(232), P(100), P(14)), pal::ink, 0.22f, std::max(1.0f, P(10)));
  // the box, then its lid a little wider
  im.toon(box(P(40), P(116), P(216), P(228), P(12)), paper, line);
  im.toon(box(P(28), P(88), P(228), P(128), P(12)), lid, line);
  // the ribbon round box and lid
  im.toon(box(P(110), P(129), P(146), P(227)), ribbon, line * 0.75f);
  im.toon(box(P(110), P(89), P(146), P(127)), ribbon, line * 0.75f);
  // the bow: two loops, two tails, a knot
  im.toon(capsule2(P(124), P(84), P(8), P(100), P(104), P(10)), ribbon, line);
  im.toon(capsule2(P(132), P(84), P(8), P(158), P(104), P(10)), ribbon, line);
  im.toon(rotated(ellipse(P(88), P(62), P(40), P(24)), P(88), P(62), -24), ribbon, line);
  im.toon(rotated(ellipse(P(168), P(62), P(40), P(24)), P(168), P(62), 24), ribbon, line);
  im.fill(rotated(ellipse(P(90), P(62), P(18), P(8)), P(90), P(62), -24), darken(ribbon, 0.25f));
  im.fill(rotated(ellipse(P(166), P(62), P(18), P(8)), P(166), P(62), 24), darken(ribbon, 0.25f));
  im.toon(circle(P(128), P(78), P(17)), lighten(ribbon, 0.1f), line);
  // the seal: gold, a white heart on it
  im.toon(circle(P(180), P(186), P(34)), pal::gold, line);
  im.fill(ring(circle(P(180), P(186), P(26)), std::max(0.6f, P(1.6f))), darken(pal::gold, 0.2f));
  im.toon(heart(P(180), P(190), P(16)), pal::white, std::max(0.8f, line * 0.6f), pal::red);
  // a sparkle on the lid
  im.glint(P(56), P(100), P(14), pal::white, 0.9f);
  im.gloss(P(70), P(140), P(14), P(6), 0.35f);
  return im;
}

}  // namespace

Bytes icon_rgba(int size) {
  const Img im = draw_icon(size);
  Bytes out(std::size_t(size) * std::size_t(size) * 4);
  for (std::size_t i = 0; i < std::size_t(size) * std::size_t(size); ++i) {
    const float a = std::min(1.0f, im.a[i]);
    auto channel = [&](float premultiplied) {
      const float v = a > 0 ? premultiplied / im.a[i] : 0.0f;
      return std::uint8_t(std::clamp(v + 0.5f, 0.0f, 255.0f));
    };
    out[i * 4 + 0] = channel(im.r[i]);
    out[i * 4 + 1] = channel(im.g[i]);
    out[i * 4 + 2] = channel(im.b[i]);
    out[i * 4 + 3] = std::uint8_t(std::clamp(a * 255.0f + 0.5f, 0.0f, 255.0f));
  }
  return out;
}

Bytes make_icon_png(int size) {
  return plat::encode_png_rgba(size, size, icon_rgba(size));
}

std::string window_icon_source(int size) {
  const Bytes px = icon_rgba(size);
  std::string s =
      "// The window's icon, " + std::to_string(size) + " x " + std::to_string(size) +
      " pixels of red, green, blue and alpha.\n// Written by tools/assetgen at build time.\n"
      "namespace app {\nextern const int window_icon_size;\n"
      "extern const unsigned char window_icon_rgba[];\n"
      "const int window_icon_size = " +
      std::to_string(size) + ";\nconst unsigned char window_icon_rgba[] = {\n";
  char num[8];
  for (std::size_t i = 0; i < px.size(); ++i) {
    std::snprintf(num, sizeof num, "%u,", unsigned(px[i]));
    s += num;
    if (i % 32 == 31) s += '\n';
  }
  s += "};\n}  // namespace app\n";
  return s;
}

const std::vector<int>& icon_sizes() {
  static const std::vector<int> sizes = {48, 64, 128, 256};
  return sizes;
}

int write_desktop_files(const std::string& dir, const std::string& app_id, std::string* error) {
  namespace fs = std::filesystem;
  int n = 0;
  auto put = [&](const fs::path& p, const Bytes& b) {
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    if (b.empty() || !write_file(p.string(), b)) {
      if (error && error->empty()) *error = "cannot write " + p.string();
      return;
    }
    n++;
  };
  for (int size : icon_sizes()) {
    const std::string px = std::to_string(size);
    put(fs::path(dir) / "icons" / "hicolor" / (px + "x" + px) / "apps" / (app_id + ".png"),
        make_icon_png(size));
  }
  // The progress file an installation ships: always the fresh game's, never a player's.
  put(fs::path(dir) / "my.dat", make_my_dat());
  return n;
}

}  // namespace ag
