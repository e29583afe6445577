// florinet-headless: the game driven by a command script, for tests and tools.
#include "app/driver.h"

int main(int argc, char** argv) {
  return app::run_headless(argc, argv);
}
