// malver-sim: a simulated gas controller on a pseudo-terminal, for demonstrations and for
// trying the program without a car. Prints the terminal's path and its COM number.

#include <cstdio>
#include <cstring>
#include <string>

#include "app/ProgramInfo.h"
#include "sim/PtyServer.h"
#include "sim/SimController.h"

namespace {

// The names of the bootloader's acknowledgement layouts on the command line.
struct AckLayoutName {
  const char* name;
  sim::AckLayout layout;
};
constexpr AckLayoutName kAckLayouts[] = {{"number", sim::AckLayout::kBlockNumber},
                                         {"low-byte", sim::AckLayout::kLowByte},
                                         {"zeros", sim::AckLayout::kZeros},
                                         {"empty", sim::AckLayout::kEmpty}};

bool ParseAckLayout(const std::string& name, sim::AckLayout& layout) {
  for (const AckLayoutName& a : kAckLayouts) {
    if (name != a.name) continue;
    layout = a.layout;
    return true;
  }
  return false;
}

const char kUsage[] =
    "usage: malver-sim [--family 2|5|6|8|13|255] [--firmware N] [--bootloader]\n"
    "                  [--password] [--maker N] [--silent] [--silent-after N] [--silent-for N]\n"
    "                  [--split] [--delay N] [--drop-every N] [--corrupt-every N]\n"
    "                  [--frozen] [--drive] [--learn-every N] [--stall-after N]\n"
    "                  [--lose-speed-after N] [--area-reads N]\n"
    "                  [--flash-mode N] [--drop-ack-at K] [--duplicate-ack-at K]\n"
    "                  [--cut-at-block K] [--power-cut-at-block K] [--ignore-jump]\n"
    "                  [--ack-layout number|low-byte|zeros|empty]\n"
    "Serves a simulated controller on a pseudo-terminal; prints its path and port number.\n";

}  // namespace

int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver-sim", kUsage)) return 0;
  int family = 2;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--family") == 0) family = std::atoi(argv[i + 1]);
  sim::SimController controller(sim::DefaultIdentity(family));
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--family" && hasValue) {
      ++i;
    } else if (arg == "--firmware" && hasValue) {
      controller.identity.firmware = std::atoi(argv[++i]);
    } else if (arg == "--maker" && hasValue) {
      controller.identity.maker = std::atoi(argv[++i]);
    } else if (arg == "--delay" && hasValue) {
      controller.delayCalls = std::atoi(argv[++i]);
    } else if (arg == "--flash-mode" && hasValue) {
      controller.identity.boardVersion = std::atoi(argv[++i]);
    } else if (arg == "--drop-ack-at" && hasValue) {
      controller.dropAckAt = std::atoi(argv[++i]);
    } else if (arg == "--duplicate-ack-at" && hasValue) {
      controller.duplicateAckAt = std::atoi(argv[++i]);
    } else if (arg == "--cut-at-block" && hasValue) {
      controller.silentAtBlock = std::atoi(argv[++i]);
    } else if (arg == "--power-cut-at-block" && hasValue) {
      controller.powerCutAtBlock = std::atoi(argv[++i]);
    } else if (arg == "--ack-layout" && hasValue &&
               ParseAckLayout(argv[i + 1], controller.ackLayout)) {
      ++i;
    } else if (arg == "--ignore-jump") {
      controller.ignoreJump = true;
    } else if (arg == "--bootloader") {
      controller.state = sim::State::kBootloader;
    } else if (arg == "--password") {
      controller.password.assign(256, 0x5A);
    } else if (arg == "--silent") {
      controller.silent = true;
    } else if (arg == "--silent-after" && hasValue) {
      controller.silentAfter = std::atoi(argv[++i]);
    } else if (arg == "--silent-for" && hasValue) {
      controller.silentFor = std::atoi(argv[++i]);
    } else if (arg == "--drop-every" && hasValue) {
      controller.dropEvery = std::atoi(argv[++i]);
    } else if (arg == "--corrupt-every" && hasValue) {
      controller.corruptEvery = std::atoi(argv[++i]);
    } else if (arg == "--split") {
      controller.splitReplies = true;
    } else if (arg == "--frozen") {
      controller.frozenLiveValues = true;
    } else if (arg == "--drive") {
      controller.drive = true;
    } else if (arg == "--learn-every" && hasValue) {
      controller.learnEvery = std::atoi(argv[++i]);
    } else if (arg == "--stall-after" && hasValue) {
      controller.stallAfter = std::atoi(argv[++i]);
    } else if (arg == "--lose-speed-after" && hasValue) {
      controller.loseSpeedAfter = std::atoi(argv[++i]);
    } else if (arg == "--area-reads" && hasValue) {
      controller.areaReads = std::atoi(argv[++i]);
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  return sim::ServeUntilStopped(controller, "malver-sim");
}
