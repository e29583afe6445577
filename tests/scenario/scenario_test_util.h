// Helpers shared by the scenario tests: a scratch program folder and whole-file reads.
#pragma once
#include <filesystem>
#include <string>

#include "support/scratch_dir.h"

namespace scenario_test {

using test_support::file_exists;
using test_support::read_all;
using test_support::write_all;

// A fresh program folder with an empty dat/ inside, removed at the end of the test.
class scratch_folder {
 public:
  scratch_folder() { std::filesystem::create_directory(tmp_.dir + "/dat"); }

  const std::string& dir() const { return tmp_.dir; }
  std::string dat(const std::string& name) const { return tmp_.dir + "/dat/" + name; }

 private:
  test_support::scratch_dir tmp_{"title"};
};

}  // namespace scenario_test
