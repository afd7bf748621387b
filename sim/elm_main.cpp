// malver-elm-sim: a simulated ELM327 adapter with a car behind it on a pseudo-terminal, for
// trying the OBD page and `malver-cli obd` without a car. Prints the terminal's path and its
// COM number.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ProgramInfo.h"
#include "sim/ElmAdapter.h"
#include "sim/PtyServer.h"

// The server polls the adapter's output every 20 ms at most: half a second late or so.
constexpr int kSlowPolls = 25;

const char kUsage[] =
    "usage: malver-elm-sim [--protocol 1-9] [--no-car] [--silent] [--garbage] [--slow]\n"
    "                      [--two-ecus]\n"
    "Serves a simulated ELM327 adapter with a car behind it on a pseudo-terminal; prints its\n"
    "path and port number.\n";

int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver-elm-sim", kUsage)) return 0;
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
    } else if (arg == "--slow") {
      adapter.slowness = kSlowPolls;
    } else if (arg == "--two-ecus") {
      adapter.ecus.push_back(sim::TransmissionEcu(adapter.protocol));
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  return sim::ServeUntilStopped(adapter, "malver-elm-sim");
}
