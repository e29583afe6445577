// The scene dispatcher: a pressed caption becomes the next scripted scene. The captions on offer
// are the scene; there is no other scene variable besides the start-screen stage.
#pragma once
#include "platform/sjis.h"

namespace game {

// Runs the action of one caption. Captions are compared byte for byte, in the table's order; a
// caption in no row does nothing.
void dispatch(const plat::sjis& caption);
// The captions the dispatcher knows, as the player reads them in the language in use.
int dispatch_caption_count();
const plat::sjis& dispatch_caption(int i);

// "Collection" (when a run has been started) or nothing, "About", "Start"; empties the log.
void show_title_menu();

// The title scenes, one per caption.
void scene_about();              // "About"
void scene_back();               // "Back"
void scene_system();             // "System"
void scene_change_draw_speed();  // "描画速度変更"
void scene_new_game();           // "New Game"
void scene_collection();         // "Collection"
void scene_letter();             // "手紙"

}  // namespace game
