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
    "                      [--two-ecus] [--refuse-clear | --ignore-clear]\n"
    "Serves a simulated ELM327 adapter with a car behind it on a pseudo-terminal; prints its\n"
    "path and port number. --refuse-clear: the car refuses to clear its trouble codes\n"
    "(conditions not correct); --ignore-clear: it does not answer the clearing.\n";

struct Flags {
  int protocol = sim::ElmAdapter::kDefaultProtocol;
  bool noCar = false;
  bool silent = false;
  bool garbage = false;
  bool slow = false;
  bool twoEcus = false;
  sim::ElmAdapter::Clearing clearing = sim::ElmAdapter::Clearing::Clears;
};

bool Parse(int argc, char** argv, Flags& f) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--protocol" && i + 1 < argc)
      f.protocol = std::atoi(argv[++i]);
    else if (arg == "--no-car")
      f.noCar = true;
    else if (arg == "--silent")
      f.silent = true;
    else if (arg == "--garbage")
      f.garbage = true;
    else if (arg == "--slow")
      f.slow = true;
    else if (arg == "--two-ecus")
      f.twoEcus = true;
    else if (arg == "--refuse-clear")
      f.clearing = sim::ElmAdapter::Clearing::Refuses;
    else if (arg == "--ignore-clear")
      f.clearing = sim::ElmAdapter::Clearing::Ignores;
    else
      return false;
  }
  return true;
}

// Built once every flag is known, whatever their order: the car's protocol decides the ECUs'
// addresses.
sim::ElmAdapter Adapter(const Flags& f) {
  sim::ElmAdapter adapter(f.protocol);
  if (f.twoEcus) adapter.ecus.push_back(sim::TransmissionEcu(f.protocol));
  if (f.noCar) adapter.protocol = 0;
  adapter.clearing = f.clearing;
  adapter.silent = f.silent;
  adapter.garbage = f.garbage;
  if (f.slow) adapter.slowness = kSlowPolls;
  return adapter;
}

int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver-elm-sim", kUsage)) return 0;
  Flags flags;
  if (!Parse(argc, argv, flags)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  sim::ElmAdapter adapter = Adapter(flags);
  return sim::ServeUntilStopped(adapter, "malver-elm-sim");
}
