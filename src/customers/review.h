// The day's end: the seal association's award, the totals montage, the ten-day history and
// chart, and the owner's review, which leads into the evening stocking (or ends the game).
#pragma once
#include "platform/canvas.h"
#include "platform/sjis.h"

namespace game {

// The day is over (the last customer served, or the printer's panel closed).
void end_day();

// The owner comes into the shop ("ten.bmp", now and then with a laugh) and speaks: each of his
// lines in blue, read with its own click.
void owner_enters();
void owner_says(const plat::sjis& text);
// Frame layers: the totals montage (step 7) and the ten-day chart (step 15).
void draw_totals(plat::Canvas& cg, plat::Canvas& bak);
void draw_chart(plat::Canvas& cg);

// The montage begins: login.bmp doubled into the montage buffer (picture slot 10), the sold
// goods' pictures read, the cursor at 1. Frames then draw it until the cursor goes back to 0.
void start_montage();

// ---- the rules, reckoned from the state (the review uses them; tests check them) -------------

// The seal association's award is due (`lovely` at least `award_count` + 10).
bool award_due();
// The seal of the award: up to 999 draws of draw(999), the first seal with a name priced at most
// `award_count` × 10 + 30; seal 103 when none is found or only after draw 900.
int award_seal();
// Where the montage draws its `count`-th unit (the centre of the picture).
plat::Point montage_point(int count, bool grid);
// The chart's k-th point (0..9) of the satisfaction and of the takings line.
plat::Point satisfaction_point(int k);
plat::Point takings_point(int k);

// Takings against the quota in percent, at most 100 (a quota of 0 or less counts as 1).
int achievement();
// The owner's score band verdict in money: what he fines (never more than `money`) and what
// he pays, for a score of 0..200 at the current mode, money and clerk level.
int review_fine(int score);
int review_pay(int score);
// The month's rent asked, and what the landlord takes (all of it, or two thirds of the money
// when it is short).
int rent_due();
int rent_taken();

}  // namespace game
