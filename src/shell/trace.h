// Trace of game events for the headless driver (--trace). Off unless a sink is set.
#pragma once
#include <string_view>

namespace game {

// kind: "msg", "sound", "music", "menu", "wait", "choice", "bg", "picture", "effect", "dialog",
// "save"; text: UTF-8 fields already joined by single spaces.
using trace_sink = void (*)(std::string_view kind, std::string_view text);
void set_trace_sink(trace_sink sink);
void trace(std::string_view kind, std::string_view text);
bool tracing();

}  // namespace game
