// Fuzz target: a translation catalogue (locale/LL/LC_MESSAGES/florinet.mo) as the game reads it.
// Any bytes give a catalogue or a refusal with a reason, never a crash or a stray read; a refused
// file leaves nothing behind; every lookup of an accepted one, singular or with any count, answers
// a translation or none; the plural rule always names a form the catalogue has; and the catalogue
// put into use gives the game only texts it can show.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/i18n.h"
#include "platform/mo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  plat::MoCatalogue c;
  std::string why;
  if (!c.parse(bytes, &why)) {
    if (why.empty() || c.size() != 0 || !c.header().empty()) __builtin_trap();
    return 0;
  }
  for (unsigned long n : {0ul, 1ul, 2ul, 5ul, 11ul, 21ul, 101ul, 1000000ul, ~0ul})
    if (c.plural_form(n) >= unsigned(c.plural_forms())) __builtin_trap();
  c.each_form([&](const std::string& key, const std::string&) {
    for (unsigned long n : {0ul, 1ul, 3ul, 22ul}) (void)c.find_plural(key, n);
    if (c.find(key) && c.find(key)->empty()) __builtin_trap();
  });
  plat::use_catalogue(std::move(c), "xx");
  const plat::sjis t = plat::tr("Start");
  (void)plat::trn("%d", "%d", 7);
  (void)plat::format(t, {"a", 1, 2, 3});
  plat::use_catalogue(plat::MoCatalogue(), "");
  return 0;
}
