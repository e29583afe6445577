// The item catalogue: every goods entry, seal and wrapping the shop deals in, by catalogue
// number, and the flyer designs the printer's daughter can print. Both tables are filled once
// at start-up and read only afterwards.
#pragma once
#include <array>
#include <string>

#include "platform/sjis.h"

namespace game {

using plat::sjis;

// Kind codes of catalogue entries.
constexpr int kind_goods = 99;
constexpr int kind_seal = 44;
constexpr int kind_wrapping = 98;

// Catalogue numbers with a fixed meaning.
constexpr int sold_out_wrapping = 998;  // stands for a sold-out wrapping in the evening lists
constexpr int sold_out_item = 999;      // stands for sold-out seals and goods
constexpr int save_seal = 506;          // "西部チール": sticking it on the door saves

constexpr int item_count = 1000;
constexpr int flyer_count = 100;

// One entry of the catalogue or of the flyer designs.
struct titem {
  sjis pic;         // picture file in cg/ (empty in flyer designs and the placeholders)
  sjis name;        // shown name, also the lookup key; empty = no entry
  sjis info;        // description for the item panel
  int price = 0;    // goods: wholesale; seals, wrappings: evening price; flyers: a batch of 10
  int kind = 0;     // kind_goods, kind_seal or kind_wrapping
  int bundle = 0;   // goods: units one purchase adds when 1 or more (0 everywhere)
  int min_lv = 0;   // goods and flyers: lowest clerk level that may stock or print it
  int size = 0;     // goods: size class 0..7, which picks the wrapping
  int chara = 0;    // seals: 1 for a customer's face
  int limited = 0;  // goods: 1 when only stocked under shop image 11
};

extern std::array<titem, item_count> item;
extern std::array<titem, flyer_count> tirasi;

// Fills both tables; 506's price follows the given clerk level (level × 5 + 30).
void build_catalogue_at(int clerk_lv);
// Form creation's build: the same at the clerk level just loaded from the progress file.
void build_catalogue();

// Highest catalogue number whose name is exactly `name`; 0 when none (or when `name` is empty).
int find_item(const sjis& name);

// Normal and Ex wrapping for a size class; 0 outside 0..7 (and for sizes without Ex wrapping).
int normal_wrap_of_size(int size);
int ex_wrap_of_size(int size);
// The same for goods number n (0 for numbers outside the catalogue).
int normal_wrap_for(int n);
int ex_wrap_for(int n);

// Sums of the owned counts (`stock`) of the goods and of the seals, counting only counts of 1 or
// more.
int owned_goods_total();
int owned_seals_total();

// Shown rarity of entry n: price / 10 followed by "pt.".
sjis shown_rarity(int n);

// Every catalogue entry of the seal kind has been collected at least once (the letter's test).
bool all_seals_collected();

// Form creation step 9: random goods number, drawing 0..998 with `rnd` until one names goods.
// Answers 0 when the catalogue holds no goods at all.
int pick_title_goods(int (*rnd)(int));
// The same with the game's generator, answering the picture's file name (empty when none).
const sjis& random_title_goods();

// The headless driver's `catalogue` dump: {"item": {...}, "tirasi": {...}} in UTF-8.
std::string catalogue_json();

}  // namespace game
