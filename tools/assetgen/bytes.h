// Little- and big-endian numbers read from a file's bytes: RIFF WAVE is little-endian, standard
// MIDI big-endian. Shared by the audio report and the tests that read the generated files.
#pragma once
#include <cstdint>

namespace ag {

inline std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}
inline std::uint16_t le16(const std::uint8_t* p) {
  return std::uint16_t(p[0] | (p[1] << 8));
}
inline std::uint32_t be32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}
inline std::uint16_t be16(const std::uint8_t* p) {
  return std::uint16_t((p[0] << 8) | p[1]);
}

}  // namespace ag
