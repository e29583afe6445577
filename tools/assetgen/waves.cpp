// The game's sound effects and voices, synthesised: blips, chimes, paper, coins, knocks, thunder,
// the chain's fanfares, and the customers', the owner's and the visitors' spoken reactions. Each
// sound belongs to a family whose level it is set to, so that a day sounds even: buttons and the
// typing tick a step under the rewards, voices up where they carry, and the sounds a good
// reaction starts together inside the 8-bit mixer's range.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "assets.h"
#include "paint.h"
#include "synth.h"
#include "voice.h"

namespace ag {

namespace {

using namespace snd;

using Maker = std::function<Buf()>;

// An arpeggio of bell-ish plucks.
void arp(Buf& b, float t0, float step, std::initializer_list<float> notes, float amp, Wave w = TRI,
         float len = 0.25f) {
  float t = t0;
  for (float n : notes) {
    tone(b, t, len, mf(n), mf(n), amp, w, 0.003f, len / 3);
    tone(b, t, len, mf(n + 12), mf(n + 12), amp * 0.25f, SINE, 0.003f, len / 4);
    t += step;
  }
}

// A brass-like chord stab: a few saws per note, slightly detuned, with a swell.
void brass(Buf& b, float t0, float len, std::initializer_list<float> notes, float amp) {
  for (float n : notes) {
    tone(b, t0, len, mf(n) * 0.997f, mf(n) * 0.997f, amp, SAW, 0.02f, len * 0.8f);
    tone(b, t0, len, mf(n) * 1.003f, mf(n) * 1.003f, amp * 0.8f, SQUARE, 0.02f, len * 0.8f);
  }
}

// A cymbal's shimmer.
void shimmer(Buf& b, float t0, float len, float amp, std::uint32_t seed) {
  band_noise(b, t0, len, amp, 7000, 0.8f, 0.002f, len / 3, seed);
  band_noise(b, t0, len, amp * 0.6f, 4200, 1.2f, 0.002f, len / 4, seed + 1);
}

// A knock on a wooden door: the knuckle's crack and the panel's ring.
void knock(Buf& b, float t0, float amp, std::uint32_t seed) {
  band_noise(b, t0, 0.012f, amp * 1.2f, 2400, 1.0f, 0.0003f, 0.003f, seed);
  band_noise(b, t0, 0.14f, amp * 2.4f, 520, 7.0f, 0.0005f, 0.045f, seed + 1);
  band_noise(b, t0, 0.1f, amp * 1.5f, 1150, 8.0f, 0.0005f, 0.03f, seed + 2);
  tone(b, t0, 0.14f, 150, 120, amp * 0.9f, SINE, 0.001f, 0.05f);
  tone(b, t0, 0.1f, 330, 300, amp * 0.5f, SINE, 0.001f, 0.035f);
}

// A creak: a hinge slipping and sticking, each slip ringing the wood.
void creak(Buf& b, float t0, float len, float rate0, float rate1, float amp, std::uint32_t seed) {
  Rng r(seed);
  float t = 0;
  while (t < len) {
    const float u = t / len;
    const float e = std::sin(u * 3.14159f);
    band_noise(b, t0 + t, 0.02f, amp * e * r.range(0.6f, 1.0f), 900 + 500 * u, 9, 0.0003f, 0.004f,
               r.next());
    band_noise(b, t0 + t, 0.015f, amp * 0.5f * e, 2300, 6, 0.0003f, 0.003f, r.next());
    t += 1 / (rate0 + (rate1 - rate0) * u) * r.range(0.85f, 1.15f);
  }
}

// Speakers and their lines.
Maker say(const Speaker& who, Line line, std::uint32_t seed) {
  return [=] {
    Buf b;
    speak(b, 0, who, line, 1, seed);
    return b;
  };
}

// Sobbing: a few wavering cries with a catch of breath between them.
Buf sobs(const Speaker& who, std::initializer_list<const char*> cries, float pitch,
         std::uint32_t seed) {
  Buf b;
  Rng r(seed);
  float t = 0;
  int i = 0;
  for (const char* c : cries) {
    const float p = pitch + r.range(-0.7f, 0.7f) - float(i) * 0.6f;
    Line l{c, {{0, p + 1}, {0.25f, p + 2.5f}, {1, p - 3}}, 1, 0.3f, 0.9f, 7.5f, 0.12f};
    speak(b, t, who, l, 1, seed + unsigned(i));
    t += line_seconds(l) - 0.06f;
    if (i % 2 == 1) {
      Line in{". =130", {{0, 0}}, 1, 0, 0, 5.5f, 0.3f};
      speak(b, t, who, in, 0.6f, seed + 50 + unsigned(i));
      t += line_seconds(in) - 0.06f;
    }
    i++;
  }
  return b;
}

std::map<std::string, Maker> recipes() {
  std::map<std::string, Maker> m;
  auto blip = [](float f0, float f1, float len, Wave w, float amp = 0.6f) {
    Buf b;
    tone(b, 0, len, f0, f1, amp, w, 0.002f, len / 2.5f);
    return b;
  };
  // --- interface ---
  m["1.wav"] = [=] { return blip(880, 880, 0.06f, SINE); };
  m["3.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.05f, 1400, 1100, 0.5f, TRI, 0.001f, 0.02f);
    return b;
  };
  m["4.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.09f, 900, 600, 0.5f, TRI, 0.002f, 0.04f);
    tone(b, 0.07f, 0.1f, 600, 450, 0.4f, TRI, 0.002f, 0.04f);
    return b;
  };
  m["key.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.035f, 2600, 2600, 0.35f, SINE, 0.001f, 0.01f);
    return b;
  };
  m["key2.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.05f, 1760, 1760, 0.4f, SINE, 0.001f, 0.015f);
    tone(b, 0.03f, 0.05f, 2350, 2350, 0.3f, SINE, 0.001f, 0.015f);
    return b;
  };
  m["pi.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.08f, 1318, 1318, 0.45f, SQUARE, 0.002f, 0.04f);
    tone(b, 0, 0.08f, 2637, 2637, 0.15f, SINE, 0.002f, 0.03f);
    return b;
  };
  m["moji.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.032f, 3100, 2900, 0.3f, SQUARE, 0.0005f, 0.012f);
    noise(b, 0, 0.012f, 0.15f, 0.8f, 0.4f, 0.0005f, 0.003f, 7);
    return b;
  };
  m["shift.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.14f, 500, 1600, 0.4f, TRI, 0.003f, 0.1f);
    swish(b, 0, 0.14f, 0.3f, 0.1f, 0.6f, 3);
    return b;
  };
  m["back.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.16f, 1200, 500, 0.45f, TRI, 0.003f, 0.08f);
    return b;
  };
  m["box.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {72, 76, 79}, 0.4f);
    thump(b, 0, 180, 0.3f, 11);
    return b;
  };
  m["point.wav"] = [=] {
    Buf b;
    thump(b, 0, 300, 0.5f, 5);
    tone(b, 0.005f, 0.1f, 1800, 1200, 0.25f, SINE, 0.001f, 0.03f);
    return b;
  };
  m["set.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.08f, 1568, 1568, 0.35f, TRI, 0.001f, 0.03f);
    thump(b, 0, 400, 0.25f, 13);
    return b;
  };
  m["katan.wav"] = [=] {
    Buf b;
    thump(b, 0, 220, 0.7f, 17);
    thump(b, 0.11f, 160, 0.6f, 19);
    noise(b, 0.11f, 0.08f, 0.2f, 0.6f, 0.1f, 0.001f, 0.02f, 21);
    return b;
  };
  m["pen.wav"] = [=] {
    Buf b;
    swish(b, 0, 0.25f, 0.5f, 0.5f, 0.9f, 23);
    swish(b, 0.22f, 0.18f, 0.4f, 0.6f, 0.9f, 24);
    return b;
  };
  m["draw.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 4; i++)
      swish(b, 0.11f * float(i), 0.12f, 0.45f, 0.5f, 0.95f, 30u + unsigned(i));
    tone(b, 0.45f, 0.12f, 1568, 1568, 0.3f, TRI, 0.002f, 0.05f);
    return b;
  };
  // --- wrapping: paper and boxes ---
  auto paper = [](std::uint32_t seed, float len, float lp) {
    Buf b;
    Rng r(seed);
    for (int i = 0; i < 6; i++)
      swish(b, float(i) * len / 7, len / 4 + r.range(0, len / 8), 0.5f, lp * r.range(0.5f, 1), lp,
            seed + unsigned(i));
    return b;
  };
  m["paper.wav"] = [=] { return paper(41, 0.5f, 0.7f); };
  m["paper2.wav"] = [=] {
    Buf b = paper(43, 0.3f, 0.8f);
    tone(b, 0.25f, 0.1f, 1760, 2093, 0.2f, SINE, 0.002f, 0.05f);
    return b;
  };
  m["small.wav"] = [=] { return paper(51, 0.22f, 0.85f); };
  m["small2.wav"] = [=] {
    Buf b = paper(52, 0.15f, 0.9f);
    tone(b, 0.14f, 0.07f, 2093, 2093, 0.25f, SINE, 0.001f, 0.03f);
    return b;
  };
  m["white0.wav"] = [=] { return paper(53, 0.3f, 0.75f); };
  m["white.wav"] = [=] {
    Buf b = paper(54, 0.2f, 0.8f);
    thump(b, 0.19f, 500, 0.2f, 55);
    return b;
  };
  m["mis.wav"] = [=] { return paper(56, 0.4f, 0.6f); };
  m["mis2.wav"] = [=] {
    Buf b = paper(57, 0.25f, 0.65f);
    thump(b, 0.24f, 300, 0.3f, 58);
    return b;
  };
  m["don.wav"] = [=] {
    Buf b = paper(59, 0.45f, 0.45f);
    thump(b, 0, 90, 0.6f, 60);
    return b;
  };
  m["big.wav"] = [=] {
    Buf b = paper(61, 0.35f, 0.5f);
    thump(b, 0.3f, 110, 0.5f, 62);
    return b;
  };
  m["dan.wav"] = [=] {
    Buf b;
    thump(b, 0, 140, 0.7f, 63);
    noise(b, 0, 0.12f, 0.2f, 0.3f, 0.05f, 0.001f, 0.04f, 64);
    return b;
  };
  m["hako2.wav"] = [=] {
    Buf b;
    thump(b, 0, 180, 0.6f, 65);
    thump(b, 0.09f, 240, 0.5f, 66);
    return b;
  };
  m["hako3.wav"] = [=] {
    Buf b;
    thump(b, 0, 100, 0.7f, 67);
    noise(b, 0.01f, 0.2f, 0.15f, 0.2f, 0.05f, 0.001f, 0.06f, 68);
    return b;
  };
  m["hako4.wav"] = [=] {
    Buf b;
    thump(b, 0, 120, 0.6f, 69);
    thump(b, 0.12f, 160, 0.6f, 70);
    tone(b, 0.2f, 0.12f, 1320, 1320, 0.15f, SINE, 0.002f, 0.04f);
    return b;
  };
  m["tesage.wav"] = [=] {
    Buf b = paper(71, 0.3f, 0.55f);
    swish(b, 0.2f, 0.2f, 0.3f, 0.2f, 0.5f, 72);
    return b;
  };
  m["tesage2.wav"] = [=] {
    Buf b = paper(73, 0.2f, 0.6f);
    tone(b, 0.18f, 0.12f, 1046, 1568, 0.25f, TRI, 0.002f, 0.06f);
    return b;
  };
  m["kami.wav"] = [=] { return paper(74, 0.35f, 0.95f); };
  m["kami2.wav"] = [=] {
    Buf b = paper(75, 0.25f, 0.95f);
    swish(b, 0.2f, 0.15f, 0.4f, 0.9f, 0.6f, 76);
    return b;
  };
  m["s_hako0.wav"] = [=] {
    Buf b;
    thump(b, 0, 200, 0.5f, 77);
    arp(b, 0.05f, 0.05f, {84, 88, 91}, 0.3f, SINE);
    return b;
  };
  m["s_hako1.wav"] = [=] {
    Buf b;
    thump(b, 0, 220, 0.5f, 78);
    arp(b, 0.05f, 0.06f, {88, 91, 96}, 0.3f, SINE);
    return b;
  };
  m["s_fukuro0.wav"] = [=] {
    Buf b = paper(79, 0.25f, 0.8f);
    arp(b, 0.15f, 0.05f, {79, 84, 88}, 0.25f, SINE);
    return b;
  };
  m["s_fukuro1.wav"] = [=] {
    Buf b = paper(80, 0.2f, 0.8f);
    arp(b, 0.12f, 0.05f, {84, 88, 91, 96}, 0.25f, SINE);
    return b;
  };
  m["ex_fukuro.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.05f, {84, 88, 91, 96, 100}, 0.35f, SINE, 0.3f);
    return b;
  };
  // --- money and rewards ---
  m["coin.wav"] = [=] {
    Buf b;
    bell(b, 0, 1975, 0.35f, 0.3f);
    bell(b, 0.07f, 2637, 0.35f, 0.45f);
    return b;
  };
  m["buy.wav"] = [=] {
    Buf b;
    bell(b, 0, 1568, 0.3f, 0.25f);
    bell(b, 0.06f, 1975, 0.3f, 0.25f);
    thump(b, 0.12f, 200, 0.3f, 82);
    bell(b, 0.14f, 2637, 0.3f, 0.4f);
    return b;
  };
  m["item.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.07f, {76, 79, 84, 88}, 0.4f, TRI, 0.3f);
    return b;
  };
  m["kira.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 8; i++)
      bell(b, 0.05f * float(i), mf(88.0f + float((i * 5) % 12)), 0.2f, 0.35f);
    return b;
  };
  m["exp.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.22f, 600, 1500, 0.4f, TRI, 0.09f, 0.15f);
    bell(b, 0.15f, 1760, 0.25f, 0.3f);
    return b;
  };
  m["up2.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {79, 83, 86}, 0.4f, SQUARE, 0.15f);
    return b;
  };
  m["love4.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {77, 81, 84, 89}, 0.35f, TRI, 0.3f);
    bell(b, 0.32f, mf(93), 0.2f, 0.4f);
    return b;
  };
  m["great.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.06f, {72, 76, 79, 84, 88, 91}, 0.35f, SQUARE, 0.2f);
    bell(b, 0.36f, mf(96), 0.3f, 0.5f);
    return b;
  };
  // The chain's fanfares, in the order the chain reaches them (4-5, 6-7, 8-9, 10): each a step
  // higher, longer and fuller than the one before.
  m["combo4.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.055f, {72, 76, 79}, 0.4f, SQUARE, 0.16f);
    tone(b, 0.165f, 0.25f, mf(84), mf(84), 0.32f, SQUARE, 0.004f, 0.12f);
    return b;
  };
  m["combo6.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.05f, {74, 78, 81, 86}, 0.4f, SQUARE, 0.16f);
    brass(b, 0.2f, 0.36f, {74, 78, 81}, 0.11f);
    tone(b, 0.2f, 0.4f, mf(90), mf(90), 0.3f, SQUARE, 0.004f, 0.2f, 0.004f);
    shimmer(b, 0.2f, 0.35f, 0.12f, 85);
    return b;
  };
  m["combo3.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.045f, {76, 80, 83, 88, 92}, 0.4f, SQUARE, 0.16f);
    brass(b, 0.23f, 0.16f, {64, 71, 76, 80}, 0.09f);
    brass(b, 0.4f, 0.65f, {64, 71, 76, 80, 83}, 0.1f);
    tone(b, 0.4f, 0.65f, mf(95), mf(95), 0.3f, SQUARE, 0.004f, 0.35f, 0.005f);
    tone(b, 0.23f, 0.16f, mf(52), mf(52), 0.35f, TRI, 0.004f, 0.1f);
    tone(b, 0.4f, 0.6f, mf(52), mf(52), 0.35f, TRI, 0.004f, 0.3f);
    shimmer(b, 0.4f, 0.65f, 0.2f, 86);
    return b;
  };
  m["combo5.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.04f, {77, 81, 84, 89, 93, 96}, 0.4f, SQUARE, 0.16f);
    brass(b, 0.24f, 0.3f, {65, 72, 77, 81}, 0.09f);
    brass(b, 0.56f, 1.05f, {67, 74, 79, 83, 86}, 0.1f);
    tone(b, 0.56f, 1.1f, mf(98), mf(98), 0.3f, SQUARE, 0.004f, 0.6f, 0.006f);
    tone(b, 0.24f, 0.3f, mf(41), mf(41), 0.4f, TRI, 0.004f, 0.2f);
    tone(b, 0.56f, 1.0f, mf(43), mf(43), 0.45f, TRI, 0.004f, 0.5f);
    // the tenth brings down lightning
    noise(b, 0.56f, 1.0f, 0.5f, 0.06f, 0.004f, 0.003f, 0.4f, 87);
    shimmer(b, 0.56f, 1.0f, 0.22f, 88);
    return b;
  };
  m["lvup.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {67.f, 67.f, 67.f, 72.f}) {
      tone(b, t, 0.13f, mf(n), mf(n), 0.35f, SQUARE, 0.003f, 0.1f);
      t += 0.12f;
    }
    tone(b, t, 0.6f, mf(76), mf(76), 0.35f, SQUARE, 0.005f, 0.4f);
    tone(b, t, 0.6f, mf(72), mf(72), 0.25f, TRI, 0.005f, 0.4f);
    tone(b, t, 0.6f, mf(48), mf(48), 0.3f, TRI, 0.005f, 0.4f);
    return b;
  };
  m["cong.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {72.f, 76.f, 79.f, 84.f, 79.f, 84.f}) {
      tone(b, t, 0.16f, mf(n), mf(n), 0.3f, SQUARE, 0.003f, 0.12f);
      t += 0.12f;
    }
    bell(b, t, mf(88), 0.35f, 0.8f);
    for (float n : {60.f, 64.f, 67.f}) tone(b, t, 0.8f, mf(n), mf(n), 0.15f, TRI, 0.01f, 0.5f);
    return b;
  };
  m["takara.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {79, 78, 79, 84, 88}, 0.35f, TRI, 0.3f);
    bell(b, 0.4f, mf(91), 0.3f, 0.6f);
    return b;
  };
  m["tirasi.wav"] = [=] {
    Buf b = paper(86, 0.3f, 0.8f);
    arp(b, 0.25f, 0.07f, {72, 77, 81, 84}, 0.35f, TRI, 0.25f);
    return b;
  };
  m["save.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.09f, {72, 79, 84}, 0.35f, SINE, 0.5f);
    bell(b, 0.27f, mf(88), 0.3f, 0.8f);
    return b;
  };
  m["gun.wav"] = [=] {
    Buf b;
    noise(b, 0, 0.35f, 0.9f, 0.6f, 0.02f, 0.0005f, 0.07f, 87);
    tone(b, 0, 0.25f, 160, 50, 0.6f, SINE, 0.001f, 0.07f);
    return b;
  };
  m["hit.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.12f, 1200, 1700, 0.35f, SQUARE, 0.002f, 0.06f);
    tone(b, 0.13f, 0.12f, 1300, 1800, 0.35f, SQUARE, 0.002f, 0.06f);
    return b;
  };
  // --- start screens ---
  m["start.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.07f, {72, 76, 79, 84, 88}, 0.35f, TRI, 0.4f);
    return b;
  };
  m["start2.wav"] = [=] {
    Buf b;
    bell(b, 0, mf(84), 0.35f, 0.7f);
    bell(b, 0.12f, mf(91), 0.3f, 0.8f);
    return b;
  };
  m["start3.wav"] = [=] {
    Buf b;
    arp(b, 0, 0.08f, {67, 72, 76, 79}, 0.35f, SQUARE, 0.2f);
    tone(b, 0.32f, 0.4f, mf(84), mf(84), 0.3f, SQUARE, 0.005f, 0.25f);
    return b;
  };
  // --- bad news ---
  m["no.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.16f, 196, 196, 0.5f, SQUARE, 0.002f, 1e9f);
    tone(b, 0.18f, 0.26f, 147, 147, 0.5f, SQUARE, 0.002f, 1e9f);
    return b;
  };
  m["down.wav"] = [=] {
    Buf b;
    tone(b, 0, 0.35f, 700, 200, 0.45f, TRI, 0.003f, 0.25f);
    return b;
  };
  m["bad.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 3; i++)
      tone(b, 0.18f * float(i), 0.2f, mf(60.0f - 3.0f * float(i)), mf(59.0f - 3.0f * float(i)),
           0.4f, SAW, 0.005f, 0.15f);
    return b;
  };
  m["gameover.wav"] = [=] {
    Buf b;
    float t = 0;
    for (float n : {67.f, 66.f, 65.f, 64.f}) {
      tone(b, t, 0.3f, mf(n), mf(n), 0.35f, SAW, 0.005f, 0.25f);
      t += 0.28f;
    }
    tone(b, t, 1.0f, mf(52), mf(50), 0.4f, SAW, 0.01f, 0.5f);
    return b;
  };
  // --- the day and the night ---
  m["night.wav"] = [=] {
    Buf b;
    const float notes[] = {84, 81, 77, 76, 72};
    for (int i = 0; i < 5; i++) bell(b, 0.16f * float(i), mf(notes[i]), 0.2f, 0.6f);
    return b;
  };
  m["koke.wav"] = [=] {
    Buf b;  // cock-a-doodle-doo
    float t = 0;
    for (auto [len, f0, f1] : std::vector<std::tuple<float, float, float>>{
             {0.1f, 700, 800}, {0.1f, 800, 900}, {0.12f, 900, 1000}, {0.45f, 1000, 700}}) {
      tone(b, t, len, f0, f1, 0.35f, SAW, 0.01f, 1e9f, 0.02f);
      tone(b, t, len, f0 * 2, f1 * 2, 0.12f, SINE, 0.01f, 1e9f, 0.02f);
      t += len + 0.02f;
    }
    return b;
  };
  m["milk.wav"] = [=] {
    Buf b;
    bell(b, 0, 1046, 0.2f, 0.3f);
    tone(b, 0.1f, 0.3f, 1200, 1200, 0.1f, SINE);
    for (int i = 0; i < 2; i++)
      tone(b, 0.1f + 0.18f * float(i), 0.12f, 2000, 2000, 0.2f, SQUARE, 0.002f, 0.05f);
    return b;
  };
  // A wolf far off in the night: a howl that swells up, holds and sinks, through an open
  // "oo-ah-oo" mouth, and its echo off the hills.
  m["wolf.wav"] = [=] {
    const Speaker wolf{430, 1.15f, 0.55f, 0.45f, 0.09f, 0.004f, 0.04f, 0.0f, 0.0f, 1.1f};
    const Line howl{"u=180 o=250 a=520 o=300 u=260",
                    {{0, -6}, {0.2f, 1}, {0.35f, 4}, {0.7f, 3.5f}, {0.88f, 0}, {1, -7}},
                    1,
                    -0.2f,
                    0.25f,
                    4.8f,
                    0.06f};
    Buf b;
    speak(b, 0, wolf, howl, 1, 89);
    Buf echo;
    speak(echo, 0, wolf, howl, 1, 89);
    b.ensure(at(0.3f) + echo.s.size());
    for (std::size_t i = 0; i < echo.s.size(); i++) b.s[at(0.3f) + i] += echo.s[i] * 0.22f;
    return b;
  };
  m["dorobou.wav"] = [=] {
    Buf b;
    for (int i = 0; i < 4; i++)
      tone(b, 0.12f * float(i), 0.1f, mf(i % 2 ? 58 : 61), mf(i % 2 ? 58 : 61), 0.35f, TRI, 0.01f,
           0.06f);
    tone(b, 0.5f, 0.3f, mf(54), mf(54), 0.3f, TRI, 0.01f, 0.2f);
    return b;
  };
  m["kaminari.wav"] = [=] {
    Buf b;
    noise(b, 0, 1.6f, 1.0f, 0.08f, 0.003f, 0.003f, 0.5f, 90);
    noise(b, 0, 0.2f, 0.6f, 0.7f, 0.1f, 0.001f, 0.05f, 91);
    noise(b, 0.3f, 1.2f, 0.6f, 0.05f, 0.002f, 0.1f, 0.4f, 92);
    return b;
  };
  // The shop's door opening for a visitor: the latch, a short creak of the hinge and the
  // little bell over the door.
  m["door.wav"] = [=] {
    Buf b;
    band_noise(b, 0, 0.02f, 0.5f, 3200, 2, 0.0003f, 0.004f, 93);
    tone(b, 0.002f, 0.05f, 2900, 2900, 0.08f, SINE, 0.0005f, 0.012f);
    tone(b, 0.002f, 0.05f, 4100, 4100, 0.05f, SINE, 0.0005f, 0.01f);
    creak(b, 0.06f, 0.32f, 45, 70, 0.35f, 94);
    bell(b, 0.2f, 2350, 0.16f, 0.5f);
    bell(b, 0.31f, 2790, 0.13f, 0.5f);
    bell(b, 0.43f, 2350, 0.09f, 0.45f);
    knock(b, 0.5f, 0.12f, 95);  // the door swings to against its stop
    return b;
  };
  // "ドンドン": a fist on the shop's wooden door, twice and twice again.
  m["nock.wav"] = [=] {
    Buf b;
    knock(b, 0, 0.5f, 96);
    knock(b, 0.17f, 0.45f, 97);
    knock(b, 0.5f, 0.5f, 98);
    knock(b, 0.67f, 0.45f, 99);
    return b;
  };

  // --- voices ---
  // The owner: gruff, low and pressed, so that he carries across the shop.
  m["fun.wav"] = say(kOwner, {"f=90 u=70 N=230", {{0, 3}, {0.3f, 4}, {1, -3}}, 1, 0.5f}, 101);
  m["aha.wav"] = say(
      kOwner,
      {"a! Q=35 h a! Q=25 h a Q=20 h a:", {{0, 8}, {0.3f, 7}, {0.6f, 5}, {1, 0}}, 1.1f, 0.7f}, 102);
  m["eto.wav"] = say(kOwner, {"e:: t o::", {{0, 1}, {0.45f, 2}, {0.6f, 1}, {1, -2}}, 1, 0.1f}, 103);
  m["kora.wav"] =
      say(kOwner, {"k o! r a!: Q", {{0, 7}, {0.35f, 10}, {0.8f, 5}, {1, 2}}, 1.1f, 1.0f}, 104);
  m["yosi.wav"] = say(kOwner, {"y o! sh i", {{0, 4}, {0.4f, 6}, {1, 1}}, 1, 0.6f}, 105);
  m["aa.wav"] =
      say(kOwner, {"a::: a", {{0, 3}, {0.5f, 1}, {1, -4}}, 0.9f, -0.1f, 0, 5.5f, 0.12f}, 106);
  // The landlord, 乱造: an old man's chuckle, shaky and breathy.
  m["ran.wav"] =
      say(kLandlord, {"h o Q=40 h o Q=40 h o::", {{0, 5}, {0.4f, 4}, {1, 0}}, 1, 0.2f}, 98);
  // Customers and visitors.
  m["sealwa.wav"] =
      say(kGirl, {"sh i: r u w a!:", {{0, 2}, {0.45f, 1}, {0.7f, 4}, {1, 8}}, 1.1f, 0.7f}, 81);
  m["suki.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {"s u k i!::", {{0, 4}, {0.4f, 6}, {0.75f, 11}, {1, 8}}, 1, 0.5f}, 1, 83);
    arp(b, 0.32f, 0.06f, {84, 88, 91}, 0.04f, SINE);
    return b;
  };
  m["oha.wav"] = [=] {
    Buf b;
    speak(b, 0, kGirl, {"o h a y o:: !", {{0, 2}, {0.3f, 5}, {0.55f, 8}, {1, 3}}, 1, 0.35f}, 1, 88);
    bell(b, 0.5f, mf(84), 0.05f, 0.4f);
    return b;
  };
  m["nene.wav"] =
      say(kGirl, {"n e: n e:!", {{0, 4}, {0.35f, 7}, {0.5f, 4}, {0.8f, 9}, {1, 8}}, 1, 0.4f}, 99);
  m["kimi.wav"] = [=] {
    Buf b;  // a visitor from space sings what she picked up
    const float mel[] = {76, 79, 81, 79, 76, 72, 74, 76};
    const char* syl[] = {"r a", "r a", "r i", "r o", "r a", "r u", "r e", "r a:"};
    float t = 0;
    for (int i = 0; i < 8; i++) {
      const float st = 12 * std::log2(mf(mel[i]) / kRobot.f0);
      Line l{syl[i], {{0, st}, {1, st}}, 0.9f, 0.2f, i == 7 ? 0.5f : 0.2f, 6};
      speak(b, t, kRobot, l, 1, 100u + unsigned(i));
      t += 0.21f;
    }
    return b;
  };
  m["naki.wav"] = [=] { return sobs(kChild, {"u: e:", "e: e: N", "u: e::"}, 3, 110); };
  m["naki2.wav"] = [=] { return sobs(kGirl, {"e: e:", "u: e:", "e: N", "e::"}, 4, 111); };
  m["naki3.wav"] = [=] { return sobs(kLady, {"u: u:", "u: e: N", "u::"}, 2, 112); };
  m["naki4.wav"] = [=] { return sobs(kBoy, {"w a: a:", "a: N"}, 3, 113); };
  m["kangae.wav"] =
      say(kGirl, {"u:: N=100 _=60 u: N::", {{0, 1}, {0.4f, 2}, {0.55f, 0}, {1, -2}}, 1, 0}, 114);
  m["iranai.wav"] = say(kChild, {"i r a n a i:", {{0, 3}, {0.5f, 2}, {1, -3}}, 1.1f, 0.3f}, 115);
  m["konna.wav"] =
      say(kLady, {"k o N n a n o::", {{0, 4}, {0.4f, 3}, {1, -4}}, 1, 0.2f, 0, 5.5f, 0.08f}, 116);
  m["dasai.wav"] = say(kGirl, {"d a! s a i:", {{0, 5}, {0.45f, 3}, {1, -3}}, 1, 0.5f}, 117);
  m["oe.wav"] = [=] {
    Speaker sick = kLady;
    sick.growl = 0.25f;
    sick.jitter = 0.02f;
    Buf b;
    speak(b, 0, sick, {"o e:! Q", {{0, -2}, {0.35f, 3}, {1, -5}}, 0.9f, 0.6f, 0, 5.5f, 0.08f}, 1,
          118);
    return b;
  };
  m["kirai.wav"] = say(kChild, {"k i r a i!:", {{0, 6}, {0.5f, 4}, {1, -1}}, 1, 0.8f}, 119);
  m["e.wav"] = say(kGirl, {"e::!", {{0, 0}, {0.35f, 0}, {1, 8}}, 1, 0.4f}, 120);
  m["ii.wav"] = say(kChild, {"i::! Q", {{0, 3}, {1, 6}}, 1, 0.8f}, 121);
  m["mu.wav"] = say(kChild, {"m=70 u! Q", {{0, 0}, {1, -3}}, 1, 0.3f}, 122);
  m["funn.wav"] = say(kGirl, {"f u! N=120", {{0, 5}, {0.4f, 6}, {1, -1}}, 1.1f, 0.6f}, 123);
  m["are.wav"] = say(kLady, {"a r e::", {{0, 0}, {0.4f, 1}, {1, 7}}, 1, 0.1f}, 124);
  m["a-a.wav"] =
      say(kGirl, {"a:: a:", {{0, 4}, {0.55f, 3}, {0.62f, 5}, {1, -3}}, 1, 0, 0, 5.5f, 0.1f}, 125);
  m["naizo.wav"] = say(kBoy, {"n a i z o:", {{0, 3}, {0.5f, 2}, {1, -3}}, 1, 0.3f}, 127);
  m["naino.wav"] = say(kGirl, {"n a i n o:", {{0, 1}, {0.55f, 1}, {1, 7}}, 1, 0.4f}, 128);
  m["nainoka.wav"] = say(kBoy, {"n a i n o k a:", {{0, 2}, {0.6f, 1}, {1, -4}}, 0.9f, 0}, 129);
  m["yame.wav"] = say(kBoy, {"y a m e t a", {{0, 4}, {0.5f, 2}, {1, -3}}, 1, 0.2f}, 130);
  m["haa.wav"] = say(kLady, {"h=120 a:: h", {{0, 3}, {1, -5}}, 0.9f, -0.2f, 0, 5.5f, 0.25f}, 131);
  m["mo.wav"] = say(kGirl, {"m o::! Q", {{0, 5}, {0.3f, 9}, {1, 4}}, 1, 0.9f}, 132);
  m["choto.wav"] = say(kLady, {"ch o Q t o!", {{0, 4}, {0.55f, 6}, {1, 2}}, 1.1f, 0.8f}, 133);
  m["choto2.wav"] =
      say(kGirl, {"ch o Q t o::", {{0, 3}, {0.55f, 6}, {0.8f, 3}, {1, 5}}, 1, 0.3f}, 134);
  return m;
}

}  // namespace

std::string wave_kind(const std::string& name) {
  static const std::map<std::string, std::string> kinds = [] {
    std::map<std::string, std::string> k;
    auto put = [&](const char* kind, std::initializer_list<const char*> names) {
      for (const char* n : names) k[n] = kind;
    };
    put("ui", {"1.wav", "3.wav", "4.wav", "key.wav", "key2.wav", "pi.wav", "moji.wav", "shift.wav",
               "back.wav", "box.wav", "point.wav"});
    put("wrap",
        {"paper.wav",   "paper2.wav",  "small.wav",     "small2.wav",    "white0.wav", "white.wav",
         "mis.wav",     "mis2.wav",    "don.wav",       "big.wav",       "dan.wav",    "hako2.wav",
         "hako3.wav",   "hako4.wav",   "tesage.wav",    "tesage2.wav",   "kami.wav",   "kami2.wav",
         "s_hako0.wav", "s_hako1.wav", "s_fukuro0.wav", "s_fukuro1.wav", "set.wav",    "katan.wav",
         "pen.wav",     "draw.wav"});
    put("reward", {"coin.wav", "buy.wav", "item.wav", "kira.wav", "exp.wav", "up2.wav", "love4.wav",
                   "great.wav", "lvup.wav", "cong.wav", "takara.wav", "tirasi.wav", "save.wav",
                   "ex_fukuro.wav", "start.wav", "start2.wav", "start3.wav", "hit.wav"});
    put("fanfare", {"combo3.wav", "combo4.wav", "combo5.wav", "combo6.wav"});
    put("bad", {"no.wav", "down.wav", "bad.wav", "gameover.wav"});
    put("event", {"night.wav", "koke.wav", "milk.wav", "wolf.wav", "dorobou.wav", "kaminari.wav",
                  "door.wav", "nock.wav", "gun.wav"});
    put("owner", {"fun.wav", "aha.wav", "eto.wav", "kora.wav", "yosi.wav", "aa.wav"});
    return k;
  }();
  auto it = kinds.find(name);
  return it != kinds.end() ? it->second : "voice";
}

namespace {

// Each family's level: its loudest moment (A-weighted, Fast) and the peak it may reach.
Level level_of(const std::string& name) {
  const std::string kind = wave_kind(name);
  // A good reaction starts the reaction, the click ("3.wav"), the chain's fanfare and the
  // satisfaction chime ("exp.wav") together: those keep their peaks low enough to add up
  // inside the mixer's range.
  if (name == "moji.wav") return {-23, 0.22f};  // once per line of text: the softest
  if (name == "3.wav") return {-21, 0.16f};
  if (name == "exp.wav") return {-19, 0.2f};
  if (name == "suki.wav") return {-17, 0.28f};
  // the other buttons, and the knocks and thumps that sound on their own: short sounds need
  // higher peaks for the same loudness
  if (kind == "ui") return {-21, 0.36f};
  if (kind == "wrap") return {-18, 0.6f};
  if (name == "great.wav" || name == "love4.wav" || name == "up2.wav") return {-17, 0.28f};
  if (kind == "reward") return {-17, 0.33f};
  if (kind == "fanfare") {
    // growing with the chain
    const int step = name == "combo4.wav"   ? 0
                     : name == "combo6.wav" ? 1
                     : name == "combo3.wav" ? 2
                                            : 3;
    return {-18.0 + step, 0.28f};
  }
  if (kind == "bad") return {-18, 0.42f};
  if (kind == "event") return {-17, 0.7f};
  if (kind == "owner") return {-16, 0.45f};
  return {-17, 0.38f};  // voices
}

}  // namespace

std::vector<std::string> wave_names() {
  std::vector<std::string> v;
  for (auto& [name, fn] : recipes()) v.push_back(name);
  return v;
}

Bytes make_wave(const std::string& name) {
  static const auto table = recipes();
  auto it = table.find(name);
  if (it == table.end()) return {};
  // voices stay dry: an echo would fill the little silences that make their consonants
  const std::string kind = wave_kind(name);
  return encode_wav_16(finish(it->second(), level_of(name), kind != "voice" && kind != "owner"),
                       kRate);
}

Bytes encode_wav_16(const std::vector<float>& samples, int rate) {
  Bytes out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; i++) out.push_back(std::uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
  };
  auto tag = [&](const char* four) {
    for (int i = 0; i < 4; i++) out.push_back(std::uint8_t(four[i]));
  };
  std::uint32_t data = std::uint32_t(samples.size() * 2);
  out.reserve(44 + data);
  tag("RIFF");
  u32(36 + data);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(std::uint32_t(rate));
  u32(std::uint32_t(rate * 2));
  u16(2);
  u16(16);
  tag("data");
  u32(data);
  for (float v : samples) {
    int q = int(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
    u16(std::uint16_t(std::int16_t(q)));
  }
  return out;
}

}  // namespace ag
