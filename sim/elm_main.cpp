// malver-elm-sim: a simulated ELM327 adapter with a car behind it on a pseudo-terminal, for
// trying the OBD page and `malver-cli obd` without a car. Prints the terminal's path and its
// COM number.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "sim/ElmAdapter.h"
#include "sim/PtyServer.h"

int main(int argc, char** argv) {
  sim::ElmAdapter adapter;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--protocol" && i + 1 < argc) {
      adapter = sim::ElmAdapter(std::atoi(argv[++i]));
    } else if (arg == "--no-car") {
      adapter.protocol = 0;
    } else if (arg == "--silent") {
      adapter.silent = true;
    } else if (arg == "--garbage") {
      adapter.garbage = true;
    } else {
      std::fprintf(stderr,
                   "usage: malver-elm-sim [--protocol 1-9] [--no-car] [--silent] [--garbage]\n");
      return 2;
    }
  }
  return sim::ServeUntilStopped(adapter, "malver-elm-sim");
}
