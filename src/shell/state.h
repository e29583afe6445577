// The one game state record. Every Part reads and writes its fields by their game names.
// The fields are listed once, in state/*.inc, so the record, its dump and its reset agree.
//
// Field kinds:  F_INT(name)  F_DOUBLE(name)  F_ARR(name, n) int[n]
//               F_STRS(name, n) Shift-JIS string[n]   F_LOG(name, n) message log entries[n]
#pragma once
#include <array>
#include <string>

#include "platform/sjis.h"

namespace game {

using plat::sjis;

struct log_entry {
  sjis text;
  int colour = 0;  // colour code (301..312, 4 = keep the last colour)
};

struct game_state {
#define F_INT(n) int n = 0;
#define F_DOUBLE(n) double n = 0;
#define F_ARR(n, k) std::array<int, k> n{};
#define F_STRS(n, k) std::array<sjis, k> n{};
#define F_LOG(n, k) std::array<log_entry, k> n{};
#include "shell/state/customers.inc"
#include "shell/state/goods.inc"
#include "shell/state/scenario.inc"
#include "shell/state/shell.inc"
#include "shell/state/wrapping.inc"
#undef F_INT
#undef F_DOUBLE
#undef F_ARR
#undef F_STRS
#undef F_LOG
};

// The one instance, alive for the whole program.
extern game_state gs;

// Every field as one JSON object by its game name: arrays of more than 20 entries as objects of
// their non-zero entries keyed by index, shorter arrays as arrays, strings as UTF-8.
std::string state_json(const game_state& s);
// A Shift-JIS text as a quoted JSON string of UTF-8.
std::string json_text(const sjis& s);

// The run reset and the New Game reset.
void reset_run();
void reset_all();

}  // namespace game
