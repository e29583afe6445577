// A gettext MO file written in memory, as msgfmt writes one, for the catalogue tests.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

inline std::string mo_file(std::vector<std::pair<std::string, std::string>> entries,
                           const std::string& header =
                               "Content-Type: text/plain; charset=UTF-8\n"
                               "Plural-Forms: nplurals=2; plural=(n != 1);\n",
                           bool big_endian = false) {
  entries.emplace_back("", header);
  std::sort(entries.begin(), entries.end());
  auto word = [big_endian](std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char(v >> (big_endian ? 24 - 8 * i : 8 * i));
  };
  const auto n = std::uint32_t(entries.size());
  const std::uint32_t originals = 28, translations = originals + 8 * n, data = translations + 8 * n;
  std::string head, otab, ttab, blob;
  for (const auto& [k, v] : entries)
    word(otab, std::uint32_t(k.size())), word(otab, data + std::uint32_t(blob.size())),
        blob += k + '\0';
  for (const auto& [k, v] : entries)
    word(ttab, std::uint32_t(v.size())), word(ttab, data + std::uint32_t(blob.size())),
        blob += v + '\0';
  for (std::uint32_t w : {0x950412DEu, 0u, n, originals, translations, 0u, data}) word(head, w);
  return head + otab + ttab + blob;
}

}  // namespace test_support
