// The catalogue's fixed rows as written in catalogue_data.cpp (UTF-8 text, converted to
// Shift-JIS once when the catalogue is built).
#pragma once

namespace game::rows {

struct goods_row {
  int no;
  const char* pic;
  const char* name;
  int price;
  int min_lv;
  int size;
  int limited;
  const char* info;
};

struct seal_row {
  int no;
  const char* pic;
  const char* name;
  int price;  // -1: the save seal, priced by clerk level when the catalogue is built
  int chara;
  const char* info;  // nullptr for character seals, which all read "キャラチール"
};

struct wrap_row {
  int no;
  const char* pic;
  const char* name;
  int price;
  const char* info;
};

struct flyer_row {
  int no;
  const char* name;
  int price;
  int min_lv;
  const char* info;
};

extern const goods_row goods[];
extern const int goods_count;
extern const seal_row seals[];
extern const int seal_count;
extern const wrap_row wraps[];
extern const int wrap_count;
extern const flyer_row flyers[];
extern const int flyer_row_count;

}  // namespace game::rows
