#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/Drive.h"
#include "sim/SimController.h"

// The demonstration recordings that lie in the "Demo" folder beside the desktop program: one
// scripted drive per controller family, recorded through the real controller link.
namespace sim {

struct DemoRecording {
  std::string fileName;
  Identity identity;
};

// One loop of the drive: three minutes of status frames.
inline constexpr int kDemoRecords = kDriveLoopFrames;

// The recordings the program's File menu offers, by their file names.
std::vector<DemoRecording> DemoRecordings();

// The link identifies and reads out a simulated controller of the identity over a memory line,
// then records its status frames through the drive from its start, as the scope keeps them
// (128-byte records). The result is the whole scope file; empty when the link could not read
// the controller out or the frames stopped coming.
std::vector<uint8_t> RecordDrive(const Identity& identity, int records);

}  // namespace sim
