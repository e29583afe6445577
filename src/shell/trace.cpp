#include "shell/trace.h"

namespace game {

namespace {
trace_sink sink_ = nullptr;
}

void set_trace_sink(trace_sink sink) {
  sink_ = sink;
}
bool tracing() {
  return sink_ != nullptr;
}
void trace(std::string_view kind, std::string_view text) {
  if (sink_) sink_(kind, text);
}

}  // namespace game
