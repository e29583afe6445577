// The headless driver: runs the real game in a HeadlessHost from a script of commands, printing
// the answers to queries and (with --trace) the game's events. The protocol is fixed in
// ARCHITECTURE.md; tests and tools depend on it.
#pragma once
#include <cstdio>
#include <istream>
#include <string>
#include <vector>

#include "platform/headless/headless_host.h"

namespace app {

struct driver_options {
  std::string root;  // program folder; empty = the executable's folder
  bool seeded = false;
  unsigned seed = 0;
  std::string script;  // empty = standard input
  bool trace = false;
  std::string audio_out;  // WAV file of the mixed output, empty = none
  std::string lang;       // --lang: the game's language; empty = as the player's settings say
  bool help = false;
};

// The driver's usage lines.
const char* headless_usage();

// Parses the command line; on a bad option returns false with `error` set.
bool parse_options(int argc, char** argv, driver_options& o, std::string& error);

class Driver {
 public:
  Driver(plat::HeadlessHost& host, std::istream& in, std::FILE* out, bool trace);

  // The host's feeder: reads commands, answering queries at once, until one queues an event.
  // False at the end of the script.
  bool feed();
  // Runs one command line; answers whether it queued an event.
  bool run(const std::string& line);

 private:
  void print(const std::string& line);
  bool panel(const std::string& line, const std::vector<std::string>& words);

  plat::HeadlessHost& host_;
  std::istream& in_;
  std::FILE* out_;
  bool trace_;
};

// The whole program: options, form creation, the script, shutdown. Returns the exit status.
int run_headless(int argc, char** argv);

}  // namespace app
