// The customer roster: the fixed cast who walk into the shop, by customer number. Built once at
// start-up after the catalogue and read only afterwards.
#pragma once
#include <array>
#include <string>

#include "platform/sjis.h"

namespace game {

using plat::sjis;

constexpr int man_count = 100;  // records 0..39 are filled, the rest stay empty
constexpr int msg_slots = 50;
constexpr int msg_set_b = 5;  // the second set of lines starts at this slot

struct tman {
  sjis pic;                             // picture in cg/ while the customer is in the shop
  sjis name;                            // empty = no customer in this slot
  std::array<sjis, msg_slots> req_msg;  // lines on arrival: set A from slot 0, set B from slot 5
  std::array<sjis, msg_slots> bye_msg;  // lines on leaving pleased, the same two sets
  std::array<int, 20> want{};           // goods wanted; only slots 0..8 are ever drawn; 0 = empty
  std::array<int, 100> like_seal{};     // slot 0 the favourite, slot 1 the second; 0 = empty
  std::array<int, 100> hate_seal{};     // 0 = empty
  int min_lv = 0;                       // lowest clerk level at which the customer comes
  std::array<int, 10> hate_flyer{};     // flyer designs handed back; -1 = empty slot
  std::array<int, 10> visit_image{};    // shop images under which the customer comes; -1 = empty
  int gift = 0;                         // seal given when fondness reaches 10; 0 = none
};

extern std::array<tman, man_count> man;

// Fills every record from the fixed cast (records 40..99 are left empty, with no shop image).
void build_roster();

// The headless driver's `roster` dump: the named customers keyed by number, in UTF-8.
std::string roster_json();

}  // namespace game
