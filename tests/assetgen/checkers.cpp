#include "checkers.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "bytes.h"

namespace agtest {

using ag::be16;
using ag::be32;
using ag::le16;
using ag::le32;

WavInfo read_wav(const std::vector<std::uint8_t>& b) {
  WavInfo w;
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) {
    w.why = "not RIFF WAVE";
    return w;
  }
  if (le32(b.data() + 4) + 8 != b.size()) {
    w.why = "RIFF size does not match the file";
    return w;
  }
  bool fmt = false;
  for (std::size_t p = 12; p + 8 <= b.size();) {
    std::uint32_t len = le32(b.data() + p + 4);
    if (p + 8 + len > b.size()) {
      w.why = "chunk runs past the end";
      return w;
    }
    const std::uint8_t* c = b.data() + p + 8;
    if (!std::memcmp(b.data() + p, "fmt ", 4) && len >= 16) {
      w.format = le16(c), w.channels = le16(c + 2), w.rate = int(le32(c + 4)),
      w.bits = le16(c + 14);
      fmt = true;
    } else if (!std::memcmp(b.data() + p, "data", 4)) {
      if (!fmt) {
        w.why = "data before fmt";
        return w;
      }
      int frame = w.channels * w.bits / 8;
      if (frame <= 0) {
        w.why = "bad frame size";
        return w;
      }
      for (std::uint32_t i = 0; i + std::uint32_t(frame) <= len; i += std::uint32_t(frame)) {
        float v = w.bits == 16 ? float(std::int16_t(le16(c + i))) / 32768.0f
                               : (float(c[i]) - 128.0f) / 128.0f;
        w.samples.push_back(v);
      }
      w.ok = true;
    }
    p += 8 + len + (len & 1);
  }
  if (!w.ok) w.why = "no data chunk";
  return w;
}

MidiInfo read_midi(const std::vector<std::uint8_t>& b) {
  MidiInfo m;
  if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) || be32(b.data() + 4) != 6) {
    m.why = "no MThd";
    return m;
  }
  m.format = be16(b.data() + 8), m.tracks = be16(b.data() + 10), m.division = be16(b.data() + 12);
  if (m.division <= 0 || (m.division & 0x8000)) {
    m.why = "not ticks per quarter";
    return m;
  }
  std::map<long, int> tempo;  // tick -> microseconds per quarter
  long last_tick = 0;
  int ended = 0;
  std::size_t p = 14;
  for (int t = 0; t < m.tracks; t++) {
    if (p + 8 > b.size() || std::memcmp(b.data() + p, "MTrk", 4)) {
      m.why = "missing MTrk";
      return m;
    }
    std::size_t len = be32(b.data() + p + 4), q = p + 8, end = q + len;
    if (end > b.size()) {
      m.why = "track runs past the end";
      return m;
    }
    long tick = 0;
    int status = 0;
    std::map<int, int> open;
    while (q < end) {
      std::uint32_t dt = 0;
      do dt = (dt << 7) | (b[q] & 0x7F);
      while (b[q++] & 0x80 && q < end);
      tick += long(dt);
      if (q >= end) break;
      int s = b[q];
      if (s & 0x80) q++, status = s;
      if (status == 0xFF) {
        int type = b[q++];
        std::uint32_t l = 0;
        do l = (l << 7) | (b[q] & 0x7F);
        while (b[q++] & 0x80);
        if (type == 0x51 && l == 3) tempo[tick] = (b[q] << 16) | (b[q + 1] << 8) | b[q + 2];
        if (type == 0x2F) ended++;
        q += l;
        status = 0;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        std::uint32_t l = 0;
        do l = (l << 7) | (b[q] & 0x7F);
        while (b[q++] & 0x80);
        q += l;
        continue;
      }
      int hi = status & 0xF0;
      int d1 = b[q++];
      int d2 = (hi == 0xC0 || hi == 0xD0) ? 0 : b[q++];
      if (hi == 0x90 && d2 > 0) m.notes_on++, open[(status & 15) * 128 + d1]++;
      if (hi == 0x80 || (hi == 0x90 && d2 == 0)) m.notes_off++, open[(status & 15) * 128 + d1]--;
      if (hi == 0xC0) m.programs.push_back(d1);
    }
    last_tick = std::max(last_tick, tick);
    p = end;
  }
  m.every_track_ends = ended == m.tracks;
  // seconds from the tempo map
  double sec = 0;
  long at = 0;
  int us = 500000;
  for (auto& [tk, v] : tempo) {
    if (tk > last_tick) break;
    sec += double(tk - at) * us / 1e6 / m.division;
    at = tk, us = v;
  }
  sec += double(last_tick - at) * us / 1e6 / m.division;
  m.seconds = sec;
  m.ok = true;
  return m;
}

}  // namespace agtest
