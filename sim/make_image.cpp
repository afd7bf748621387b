// malver-make-image: writes a firmware image file for the simulated controller of a family,
// for tests and demonstrations of the firmware update.
//
//   malver-make-image [--family F] [--flash-mode M] [--version V] [--beta B] [--blocks16 N] OUT
//
// Exit codes: 0 written, 2 usage, 6 the file could not be written.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/ProgramInfo.h"
#include "files/FileIo.h"
#include "sim/FirmwareImages.h"

namespace {

const char kUsage[] =
    "usage: malver-make-image [--family F] [--flash-mode M] [--version V] [--beta B]\n"
    "                         [--blocks16 N] OUT\n"
    "Writes a firmware image of version V for the simulated controller of family F.\n";

}  // namespace

int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver-make-image", kUsage)) return 0;
  int family = 2;
  sim::ImageRequest request;
  std::string out;
  bool usage = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--family" && hasValue)
      family = std::atoi(argv[++i]);
    else if (arg == "--flash-mode" && hasValue)
      request.flashMode = std::atoi(argv[++i]);
    else if (arg == "--version" && hasValue)
      request.version = std::atoi(argv[++i]);
    else if (arg == "--beta" && hasValue)
      request.beta = std::atoi(argv[++i]);
    else if (arg == "--blocks16" && hasValue)
      request.blocksBy16 = std::atoi(argv[++i]);
    else if (out.empty() && arg.rfind("--", 0) != 0)
      out = arg;
    else
      usage = true;
  }
  if (usage || out.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const auto image = sim::MakeFirmwareImage(sim::DefaultIdentity(family), request);
  if (const FileResult written = WriteFileAtomically(out, image); !written.ok) {
    std::fprintf(stderr, "malver-make-image: %s\n", written.error.c_str());
    return 6;
  }
  return 0;
}
