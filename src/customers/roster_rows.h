// The cast as written in roster_data.cpp (UTF-8 text, converted once when the roster is built).
#pragma once
#include <vector>

namespace game::rows {

struct man_row {
  int no;
  const char* name;
  const char* pic;
  int min_lv;
  std::vector<int> visit_image;  // from slot 0; -1 keeps a gap
  std::vector<int> hate_flyer;   // from slot 0
  std::vector<int> want;         // slots 0..8, from slot 0
  std::vector<int> want_extra;   // slots 9 and on (never drawn)
  std::vector<int> like_seal;    // favourite, second favourite, the rest; 0 keeps a gap
  std::vector<int> hate_seal;    // 0 keeps a gap
  int gift;                      // 0: gives nothing
  std::vector<const char*> req_a, req_b, bye_a, bye_b;
};

const std::vector<man_row>& cast();

}  // namespace game::rows
