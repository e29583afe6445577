// A settings file in the Windows private-profile form ("[section]" headers, "key=value" lines,
// ';' comments), read the way the mixer's MIXER.INI has always been read: section and key names
// compare without regard to case, the first section and the first key of a name win, a missing
// file, section, key or empty value gives the caller's default, and a value is read as a signed
// integer from its leading characters (decimal, or 0x hexadecimal; anything else reads as 0).
#pragma once
#include <string>
#include <vector>

namespace game {

class Profile {
 public:
  // Reads the file; false (and an empty profile) if it cannot be read.
  bool load(const std::string& path);
  void load_text(const std::string& text);
  int get_int(const std::string& section, const std::string& key, int def) const;
  // The raw value, or nullptr when the key is absent.
  const std::string* get(const std::string& section, const std::string& key) const;

 private:
  struct Entry {
    std::string section;  // lower case
    std::string key;      // lower case
    std::string value;    // trimmed
  };
  std::vector<Entry> entries_;
};

}  // namespace game
