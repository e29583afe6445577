// The six tunes. Each is its own piece for its own scene: a swing and a bossa nova and a little
// march for the evening shop, a calm evening for the nights the shop stays quiet (and the
// printer's flyers), a lilting, slightly mysterious 6/8 for a visitor's evening, and a music-box
// waltz for the collection. Each melody grows from a motif a player can hum; the sections differ
// in their accompaniment, instruments and dynamics; each loop lasts two minutes or more.
#include "score.h"

namespace ag::music {

namespace {

// General MIDI programs, 0-based.
enum Gm {
  piano = 0,
  epiano = 4,
  celesta = 8,
  glock = 9,
  musicbox = 10,
  vibes = 11,
  marimba = 12,
  nylon = 24,
  jazzgtr = 26,
  acbass = 32,
  fingerbass = 33,
  cello = 42,
  contrabass = 43,
  pizz = 45,
  harp = 46,
  strings = 48,
  slowstrings = 49,
  trumpet = 56,
  horn = 60,
  oboe = 68,
  clarinet = 71,
  piccolo = 72,
  flute = 73,
  panflute = 75,
  warmpad = 89,
};

// The evening shop: a light swing in F, clarinet and vibes over a walking bass.
Score shop() {
  Score s;
  s.gain_db = 3.3f;
  s.bpm = 112;
  s.key = 65;  // F
  s.swing = 0.33f;
  s.seed = 202;
  s.lead = {clarinet, 112, 58};
  s.comp = {piano, 74, 72};
  s.bass = {acbass, 96, 64};
  s.counter = {vibes, 84, 44};
  s.pad = {strings, 58, 64};
  const char* a =
      "1 - 3 5 6 - 5 - | 3 - 2 1 2 - - - | 4 - 6 1' 2' - 1' 6 | 5 - - - . . 6, 7, |"
      "1 - 3 5 1' - 6 - | #1' - 6 - 5 - 3 - | 6 - 4 2 5 - 7, - | 1 - - - . . . .";
  const char* a_chords = "I | vi7 | ii7 | V7 | I | VI7 | ii7 V7 | I";
  s.sections = {
      // the motif on the vibes, over the band
      {"I6 | ii7 V7 | iii7 VI7 | ii7 V7",
       "1' - 6 5 3 - 5 - | 6 - 5 3 2 - . . | 3 - 2 1 #1 - 2 - | 5 - 4 3 2 - 6, 7,",
       Comp::charleston, Bass::halves, Kit::brush, 0.85f, vibes, piano},
      {a_chords, a, Comp::charleston, Bass::halves, Kit::swing, 0.95f, clarinet},
      // again, the vibes answering, and a new close leading up to the bridge
      {a_chords,
       "1 - 3 5 6 - 5 - | 3 - 2 1 2 - - - | 4 - 6 1' 2' - 1' 6 | 5 - - - . . 6, 7, |"
       "3 - 5 1' 3' - 1' - | #1' - 3' 2' #1' - 6 - | 1' - 6 4 2' - 7 - | 1' - - - . . 5 6",
       Comp::stabs, Bass::walking, Kit::swing, 1.0f, vibes},
      // the bridge: the guitar comps, the flute sings
      {"IV | IV | iii7 | VI7 | ii7 | V7 | iii7 VI7 | ii7 V7",
       "4 - 5 6 1' - 6 - | 5 - 4 2 4 - - - | 3 - 5 7 2' - 1' - | #1' - 6 5 3 - . . |"
       "2 - 4 6 1' - 6 4 | 5 - 4 2 7, - 1 2 | 3 - 5 - #1' - 6 - | 4 - 2 - 5 - 6, 7,",
       Comp::stabs, Bass::walking, Kit::swing, 0.9f, flute, jazzgtr, 0, "", -1, false, true},
      // the tune again, strings underneath and the vibes holding the guide tones
      {a_chords, a, Comp::charleston, Bass::walking, Kit::swing, 1.05f, clarinet, piano, 0,
       "3, - - - - - - - | 5, - - - - - - - | 4, - - - - - - - | 4, - - - - - - - |"
       "3, - - - - - - - | 5, - - - - - - - | 4, - - - - - - - | 3, - - - - - - -",
       vibes, true, false, true},
      // quieter, in the minor: the vibes alone over broken chords
      {"vi | vi | ii | ii | III7 | III7 | vi | V7",
       "6 - - - 5 - 6 - | 3 - - - . . 2 3 | 4 - - - 2 - 4 - | 6 - - - . . 4 6 |"
       "#5 - - - 3 - 7 - | 2' - - - #5 - 3 - | 6 - 3 - 1 - 3 - | 5 - - - . . 6, 7,",
       Comp::arp, Bass::whole, Kit::brush, 0.8f, vibes, piano, 0, "", -1, true, false, false, 0.82f,
       1.0f},
      // the bridge once more, louder, the clarinet leading
      {"IV | IV | iii7 | VI7 | ii7 | V7 | iii7 VI7 | ii7 V7",
       "4 - 5 6 1' - 6 - | 5 - 4 2 4 - - - | 3 - 5 7 2' - 1' - | #1' - 6 5 3 - . . |"
       "2 - 4 6 1' - 6 4 | 5 - 4 2 7, - 1 2 | 3 - 5 - #1' - 6 - | 4 - 2 - 5 - 6, 7,",
       Comp::charleston, Bass::walking, Kit::swing, 1.0f, clarinet, jazzgtr, 0, "", -1, false, true,
       true},
      // the last chorus: the vibes answer each phrase; a turnaround back to the start
      {"I | vi7 | ii7 | V7 | I | VI7 | ii7 V7 | I V7", a, Comp::stabs, Bass::walking, Kit::swing,
       1.05f, clarinet, piano, 0,
       ". . . . . . . . | . . . . 1' 6 5 3 | . . . . . . . . | . . . . 2' 1' 6 5 |"
       ". . . . . . . . | . . . . 3' 2' #1' 6 | . . . . . . . . | . . . . . . . .",
       vibes, false, true, true},
  };
  return s;
}

// The evening shop: a bossa nova in G, flute and nylon guitar.
Score shop3() {
  Score s;
  s.gain_db = 5.5f;
  s.bpm = 120;
  s.key = 67;  // G
  s.seed = 303;
  s.legato = 0.95f;
  s.lead = {flute, 108, 60};
  s.comp = {nylon, 96, 74};
  s.bass = {acbass, 94, 64};
  s.counter = {vibes, 80, 48};
  s.pad = {slowstrings, 56, 64};
  const char* a_head = "3 - - 5 - 3 2 3 | 1 - - - . 2 3 5 | 6 - - 5 - 4 3 4 | 2 - - - . . . . |";
  const char* a1 = "5 - - 7 - 5 3 5 | 3 - - - . 3 5 #1' | 2' - - 1' - 6 5 6 | 5 - - - . . . .";
  const char* a2 = "5 - - 7 - 5 3 5 | 3 - - - . 3 5 #1' | 2' - - 1' 6 - 5 - | 1' - - - . . . .";
  const char* b =
      "6 - - 5 - 3 5 - | 4 - - b3 - 1 b7, - | 5 - - 3 - 2 3 - | #1 - - - 3 - - - |"
      "1' - - 6 - 5 6 - | #4 - - 6 - 2' - - | 1' - - - 6 - 5 - | 6 - - - 5 - . .";
  const char* b_chords = "IVM7 | iv7 | iii7 | VI7 | ii7 | II7 | ii7 | V7";
  static const std::string a_melody = std::string(a_head) + a1, a_end = std::string(a_head) + a2;
  s.sections = {
      // the guitar alone, then the band
      {"IM7 | ii7 | iii7 | VI7 | ii7 | V7 | IM7 | V7", "", Comp::bossa, Bass::bossa, Kit::bossa,
       0.85f, -1, -1, 0,
       ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
       "3 - - 5 - 3 2 3 | 1 - - - . . . . | . . . . . . . . | . . . . . . . .",
       vibes},
      {"IM7 | IM7 | ii7 | V7 | iii7 | VI7 | ii7 | V7", a_melody.c_str(), Comp::bossa, Bass::bossa,
       Kit::bossa, 0.95f, flute},
      {"IM7 | IM7 | ii7 | V7 | iii7 | VI7 | ii7 V7 | IM7", a_end.c_str(), Comp::bossa, Bass::bossa,
       Kit::bossa, 1.0f, flute, -1, 0,
       ". . . . . . . . | . . . . 7, 1 2 3 | . . . . . . . . | . . . . 1 7, 6, 5, |"
       ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . 3 2 1 7,",
       vibes},
      // the bridge: the vibes take the tune, strings come in, the guitar strums
      {b_chords, b, Comp::halves, Bass::bossa, Kit::bossa, 0.9f, vibes, -1, 0, "", -1, true},
      {"IM7 | IM7 | ii7 | V7 | iii7 | VI7 | ii7 | V7", a_melody.c_str(), Comp::bossa, Bass::bossa,
       Kit::bossa, 1.0f, flute, -1, 0,
       "5, - - - - - - - | 3, - - - - - - - | 1 - - - - - - - | 4, - - - - - - - |"
       "2 - - - - - - - | #1 - - - - - - - | 1 - - - - - - - | 7, - - - - - - -",
       slowstrings},
      // an interlude on the piano: long chords, the vibes floating over them
      {"IVM7 | IVM7 | iii7 | iii7 | ii7 | ii7 | bVII7 | V7",
       "5 - - - - - 3 5 | 6 - - - - - . . | 7 - - - - - 5 7 | 6 - - - - 5 3 2 |"
       "5 - - - - - 3 5 | 6 - - - - - . . | 4 - - - 2 - - - | 5 - - - 7, - 6, 7,",
       Comp::arp, Bass::bossa, Kit::bossa, 0.8f, vibes, piano, 0, "", -1, true, false, false, 0.85f,
       1.0f},
      {b_chords, b, Comp::bossa, Bass::bossa, Kit::bossa, 1.0f, flute, nylon, 0, "", -1, true,
       true},
      {"IM7 | IM7 | ii7 | V7 | iii7 | VI7 | ii7 V7 | IM7", a_end.c_str(), Comp::bossa, Bass::bossa,
       Kit::bossa, 1.0f, flute, -1, 0,
       "3, - - - - - - - | 5, - - - - - - - | 6, - - - - - - - | 4, - - - - - - - |"
       "5, - - - - - - - | 3, - - - - - - - | 4, - - - - - - - | 5, - - - - - - -",
       vibes},
      // a tag that turns back to the start
      {"IM7 | vi7 | ii7 | V7", "", Comp::bossa, Bass::bossa, Kit::bossa, 0.9f, -1, -1, 0,
       "1' - - 7 - 5 3 5 | 6 - - - - - - - | 5 - - - - - - - | . . . . . . . .", vibes, false,
       true},
  };
  return s;
}

// The evening shop: a bright little march in D, trumpet and marimba, with a trio in G.
Score shop4() {
  Score s;
  s.gain_db = 5.8f;
  s.bpm = 120;
  s.key = 62;  // D
  s.seed = 404;
  s.legato = 0.85f;
  s.lead = {trumpet, 100, 64};
  s.comp = {marimba, 92, 76};
  s.bass = {pizz, 82, 60};
  s.counter = {glock, 70, 44};
  s.pad = {strings, 60, 64};
  const char* a =
      "5 - 1' - 7 6 5 - | 6 - 5 4 3 - 2 - | 4 - 6 - 1' - 6 - | 5 - - - . . 5 (6 7) |"
      "1' - 5 - 3' - 2' 1' | 6 - 4 - 1' - 6 - | 2 - 4 - 7 - 5 - | 1 - - - . . . .";
  const char* a_chords = "I | vi | IV | V | I | IV | ii V7 | I";
  const char* b =
      "1' - - 7 6 - 5 - | 3 - - - 5 - 7 - | 6 - - 5 4 - 6 - | 5 - - - 3 - . . |"
      "1' - - 7 6 - 3' - | 2' - 1' 6 #4 - 6 - | 7 - 6 5 2 - 3 - | 5 - - - . . 5 (6 7)";
  const char* b_chords = "vi | iii | IV | I | vi | II7 | V | V7";
  const char* trio =
      "6 - - 5 4 - 6 - | b7 - - 6 5 - 4 - | 5 - - - 1' - 3' - | 2' - 1' - 6 - - - |"
      "6 - - 1' 2' - 1' 6 | 2' - - - b7 - 6 - | 5 - 3 - 1' - b7 - | 6 - - - . . . .";
  const char* trio_chords = "IV | bVII | I7 | IV | IV | bVII | I7 | IV";
  s.sections = {
      // the glockenspiel calls the tune
      {"I | IV | I | V7",
       "5 - 1' - 7 6 5 - | 6 - 4 - 6 - 1' - | 3' - 2' 1' 5 - 6 7 | 5 - - - . . . .", Comp::pulse,
       Bass::halves, Kit::march, 0.85f, glock, marimba, 0, "", -1, false, true, true},
      {a_chords, a, Comp::alberti, Bass::halves, Kit::march, 0.95f, trumpet},
      {a_chords, a, Comp::pulse, Bass::eighths, Kit::pop, 1.0f, oboe, marimba, 0,
       ". . . . 3' 2' 1' - | . . . . 2' 1' 6 - | . . . . 3' 2' 1' - | . . . . . . . . |"
       ". . . . 5' 4' 3' - | . . . . 3' 2' 1' - | . . . . 2' - 1' - | . . . . . . . .",
       glock, false, true},
      // the middle: in the minor, legato, strings keeping time
      {b_chords, b, Comp::stabs, Bass::halves, Kit::march, 0.9f, oboe, pizz, 0, "", -1, true},
      {a_chords, a, Comp::alberti, Bass::eighths, Kit::pop, 1.05f, trumpet, marimba, 0,
       "3 - - - - - - - | 3 - - - - - - - | 4 - - - - - - - | 2 - - - - - - - |"
       "3 - - - - - - - | 4 - - - - - - - | 4 - - - 5 - - - | 3 - - - - - - -",
       horn, false, false, true},
      // the trio, in G: the clarinet, softer, the strings holding
      {trio_chords, trio, Comp::block, Bass::halves, Kit::brush, 0.85f, clarinet, strings},
      {trio_chords, trio, Comp::pulse, Bass::halves, Kit::march, 1.0f, trumpet, marimba, 0,
       "4 - - - - - - - | 3 - - - - - - - | 3 - - - - - - - | 4 - - - - - - - |"
       "4 - - - - - - - | 5 - - - - - - - | 3 - - - - - - - | 4 - - - - - - -",
       horn, true, true},
      {b_chords, b, Comp::stabs, Bass::eighths, Kit::pop, 0.95f, oboe, marimba, 0, "", -1, false,
       true},
      {a_chords, a, Comp::pulse, Bass::eighths, Kit::pop, 1.05f, trumpet, marimba, 0,
       ". . . . 3' 2' 1' - | . . . . 2' 1' 6 - | . . . . 3' 2' 1' - | . . . . . . . . |"
       ". . . . 5' 4' 3' - | . . . . 3' 2' 1' - | . . . . 2' - 1' - | . . . . . . . .",
       glock, true, true, true},
      // the turn back to the start
      {"I | IV | ii | V7", "", Comp::alberti, Bass::halves, Kit::march, 0.85f, -1, -1, 0,
       "1' - - - 7 - 6 - | 6 - - - 4 - - - | 4 - - - 6 - - - | 5 - - - . . . .", glock, false,
       true},
  };
  return s;
}

// The evening, when the shop is quiet: slow and warm, electric piano, flute and strings.
Score star() {
  Score s;
  s.gain_db = 4.0f;
  s.bpm = 76;
  s.key = 63;  // E flat
  s.seed = 505;
  s.legato = 0.98f;
  s.lead = {flute, 96, 60, 1.2f};
  s.comp = {epiano, 100, 70, 1.15f};
  s.bass = {fingerbass, 86, 64};
  s.counter = {cello, 74, 50};
  s.pad = {warmpad, 60, 64};
  s.comp_low = 51;
  s.comp_high = 70;
  const char* a_head = "5 - - 6 5 - 3 - | 2 - - 3 1 - - - | 4 - - 5 6 - 1' - | 7 - - - 6 - 5 - |";
  const char* a1 = "5 - - 6 5 - 3' - | 2' - - 1' 5 - 6 - | 1' - - 6 4 - 6 - | 5 - - - . . . .";
  const char* a2 = "3' - - 2' 7 - 5 - | 6 - - 5 #1' - 3' - | 2' - - 1' 7 - 6 - | 1' - - - . . . .";
  static const std::string a_one = std::string(a_head) + a1, a_two = std::string(a_head) + a2;
  s.sections = {
      {"IM7 | IVM7", "", Comp::arp, Bass::whole, Kit::none, 0.8f, flute},
      {"IM7 | vi7 | ii7 | V7 | IM7 | vi7 | IVM7 | V7sus V7", a_one.c_str(), Comp::halves,
       Bass::whole, Kit::none, 0.85f},
      {"IM7 | vi7 | ii7 | V7 | iii7 | VI7 | ii7 V7 | IM7", a_two.c_str(), Comp::arp, Bass::halves,
       Kit::none, 0.9f, -1, -1, 0, "", -1, true},
      // the horn, warmer, over a gentle shaker
      {"IVM7 | iv6 | iii7 | VI7 | ii7 | V7 | IVM7 | V7sus",
       "6 - - - 5 - 6 1' | 2' - - - b6 - 4 - | 5 - - - 3 - 2 3 | #1' - - - 6 - - - |"
       "4 - - 6 1' - 6 - | 7 - - 5 2' - 7 - | 1' - - 6 5 - 6 - | 5 - - - . . . .",
       Comp::arp, Bass::halves, Kit::shaker, 0.72f, horn, -1, 0, "", -1, true},
      // the night sky: a harp over far-away chords
      {"bVIM7 | bVII | IM7 | IM7 | bVIM7 | bVII | V7sus | V7",
       "b3 - - - 1 - - - | 4 - - - 2 - - - | 3 - - - 5 - - - | 5 - - - - - . . |"
       "b3' - - 2' 1' - b6 - | 4 - - - 2' - 1' - | 1' - - - 2' - - - | 7 - - - . . . .",
       Comp::arp_up, Bass::whole, Kit::none, 0.8f, panflute, harp, 0, "", -1, true, false, false,
       0.8f, 1.0f},
      // the tune a last time, the cello singing under it
      {"IM7 | vi7 | ii7 | V7 | IM7 | vi7 | IVM7 | V7sus V7", a_one.c_str(), Comp::arp, Bass::halves,
       Kit::shaker, 0.95f, flute, epiano, 0,
       "5, - - - - - - - | 5, - - - - - - - | 4, - - - - - - - | 4, - - - - - - - |"
       "3, - - - - - - - | 3, - - - - - - - | 6, - - - - - - - | 2, - - - - - - -",
       cello, true},
      {"IVM7 | V7sus", "", Comp::arp, Bass::whole, Kit::none, 0.8f, -1, -1, 0, "", -1, false, false,
       false, 1.0f, 0.85f},
  };
  return s;
}

// A visitor's evening: a lilting 6/8 in D minor, celesta and harp, a little mysterious.
Score star2() {
  Score s;
  s.gain_db = 7.8f;
  s.bpm = 84;
  s.beats = 6;
  s.unit = 8;
  s.slots = 6;
  s.key = 62;  // D
  s.minor = true;
  s.seed = 606;
  s.legato = 0.96f;
  s.lead = {celesta, 120, 60, 1.25f};
  s.comp = {harp, 88, 72};
  s.bass = {cello, 60, 60};
  s.counter = {flute, 78, 44};
  s.pad = {slowstrings, 60, 64};
  const char* a =
      "5 - 6 5 - 3 | 4 - 3 2 - 1 | 1 - 3 6 - 5 | 5 - - #7 - - |"
      "1' - 7 1' - 5 | #6 - 5 4 - 2 | 3 - 4 #7, - 2 | 1 - - - - -";
  const char* a_chords = "i | bVII | bVI | V7 | i | IV | bVI V7 | i";
  const char* b =
      "3 - 5 1' - 7 | 7 - 1' 2' - 1' | 6 - 5 4 - 5 | 5 - - 3 - - |"
      "1' - 7 6 - 5 | 5 - 6 7 - 6 | 2' - #7 5 - 2' | #7 - - - - -";
  const char* b_chords = "bIII | bVII | iv | i | bVI | bIII | V7 | V7";
  s.sections = {
      {"i | IV | i | V7", "", Comp::rolls, Bass::rolls, Kit::none, 0.8f, celesta, harp},
      {a_chords, a, Comp::rolls, Bass::rolls, Kit::none, 0.85f},
      {a_chords, a, Comp::rolls, Bass::rolls, Kit::shaker, 0.9f, celesta, -1, 0,
       "3 - - - - - | 2 - - - - - | 3 - - - - - | #7, - - - - - |"
       "3 - - - - - | 2 - - - - - | 1 - - #7, - - | 1 - - - - -",
       flute},
      // the story turns warm: the relative major, strings underneath
      {b_chords, b, Comp::arp, Bass::rolls, Kit::shaker, 0.95f, clarinet, -1, 0, "", -1, true},
      {a_chords, a, Comp::arp_up, Bass::rolls, Kit::none, 0.9f, celesta, -1, 1, "", -1, true},
      // the mystery: the Neapolitan's shadow, low and soft
      {"i | bII | i | bII | bVI | bVII | V7 | V7",
       "1 - - 3 - - | b2 - - 4 - - | 5 - 4 3 - 2 | 4 - - b2 - - |"
       "6 - 5 3 - 1 | 7 - 1' 2' - - | #7 - 2' 5 - 4 | 5 - - - - -",
       Comp::rolls, Bass::whole, Kit::none, 0.75f, clarinet, harp, 0, "", -1, true, false, false,
       0.75f, 1.0f},
      {b_chords, b, Comp::rolls, Bass::rolls, Kit::shaker, 1.0f, flute, -1, 0,
       "1 - - - - - | 5, - - - - - | 4, - - - - - | 5, - - - - - |"
       "4, - - - - - | 3, - - - - - | 2 - - - - - | 2 - - - - -",
       cello, true},
      {a_chords, a, Comp::rolls, Bass::rolls, Kit::none, 0.9f, celesta, harp, 0, "", -1, false,
       false, false, 1.0f, 0.9f},
      {"i | V7", "", Comp::rolls, Bass::rolls, Kit::none, 0.8f},
  };
  return s;
}

// The collection: a music-box waltz in A, harp and pizzicato strings.
Score col() {
  Score s;
  s.gain_db = 5.8f;
  s.bpm = 92;
  s.beats = 3;
  s.slots = 6;
  s.key = 69;  // A
  s.seed = 101;
  s.legato = 0.97f;
  s.lead = {musicbox, 120, 64, 1.25f};
  s.comp = {harp, 90, 76};
  s.bass = {pizz, 88, 56};
  s.counter = {celesta, 84, 44};
  s.pad = {slowstrings, 58, 64};
  s.comp_low = 54;
  s.comp_high = 74;
  const char* a =
      "3 - - 2 1 - | 4 - - 3 2 - | 5 - 4 3 2 1 | 2 - - - 5, - |"
      "6 - - 5 4 - | 4 - - 3 2 - | 2 - - 7, 5, - | 1 - - - - -";
  const char* a_chords = "I | IV | I | V | vi | ii | V7 | I";
  const char* b =
      "6 - 5 4 - 6 | 5 - - 3 - - | 4 - 6 1' - 6 | 5 - - - - - |"
      "3 - 4 3 - 1 | 7, - 1 2 - 3 | 4 - 3 2 - 7, | 1 - - - - -";
  const char* b_chords = "IV | I | IV | V | vi | iii | V7 | I";
  s.sections = {
      {"I | IV | I | V7", "", Comp::waltz, Bass::waltz, Kit::none, 0.8f, musicbox, harp, 0,
       "3 - - 2 1 - | 4 - - 3 2 - | 5 - - - - - | 2 - - - - -", celesta},
      {a_chords, a, Comp::waltz, Bass::waltz, Kit::none, 0.9f},
      {a_chords, a, Comp::arp, Bass::waltz, Kit::none, 0.95f, musicbox, -1, 1, "", -1, true},
      // the middle: the flute, over a flowing harp
      {b_chords, b, Comp::rolls, Bass::whole, Kit::none, 0.9f, flute, -1, 0, "", -1, true},
      {a_chords, a, Comp::waltz, Bass::waltz, Kit::none, 1.0f, musicbox, harp, 0,
       "1 - - - - - | 6, - - - - - | 1 - - - - - | 7, - - - - - |"
       "1 - - - - - | 6, - - - - - | 7, - - - - - | 1 - - - - -",
       flute},
      // the minor: a memory
      {"i | iv | bVII | bIII | bVI | iv | V7 | V7",
       "5 - - b3 - 1 | 4 - - b6 - 4 | b7 - - 4 - 2 | b3 - - 5 - - |"
       "b6 - 4 b3 - 1 | 4 - b3 2 - 1 | 7, - 1 2 - 4 | 2 - - - - -",
       Comp::block, Bass::whole, Kit::none, 0.8f, celesta, harp, 0, "", -1, true, false, false,
       0.8f, 1.0f},
      {b_chords, b, Comp::waltz, Bass::waltz, Kit::none, 0.95f, musicbox, -1, 0,
       "4 - - - - - | 3 - - - - - | 4 - - - - - | 2 - - - - - |"
       "1 - - - - - | 3, - - - - - | 7, - - - - - | 1 - - - - -",
       flute},
      {a_chords, a, Comp::arp, Bass::waltz, Kit::none, 1.0f, musicbox, -1, 1,
       "5 - - - - - | 6 - - - - - | 5 - - - - - | 5 - - - - - |"
       "1 - - - - - | 6, - - - - - | 4 - - - - - | 3 - - - - -",
       celesta, true},
      {"I | IV | I | V7", "", Comp::waltz, Bass::waltz, Kit::none, 0.85f, -1, -1, 0,
       "1' - - - - - | 1' - - 6 - - | 5 - - - - - | 5 - - - - -", celesta},
  };
  return s;
}

}  // namespace

std::vector<std::string> tune_names() {
  return {"col.mid", "shop.mid", "shop3.mid", "shop4.mid", "star.mid", "star2.mid"};
}

Score tune(const std::string& name) {
  if (name == "col.mid") return col();
  if (name == "shop.mid") return shop();
  if (name == "shop3.mid") return shop3();
  if (name == "shop4.mid") return shop4();
  if (name == "star.mid") return star();
  return star2();
}

}  // namespace ag::music
