#pragma once

#include <cstdint>
#include <vector>

#include "sim/SimController.h"

// Firmware image files for the simulated controller: a header made for the controller of the
// identity, and blocks of varied bytes that start with the simulated firmware's own record.
namespace sim {

struct ImageRequest {
  int flashMode = 1;  // the board's version byte of the controller it is made for
  int version = 18;   // what the controller reports after the update
  int beta = 0;
  int blocksBy16 = 2;  // flash modes 4 and 5
};

std::vector<uint8_t> MakeFirmwareImage(const Identity& identity, const ImageRequest& request);

}  // namespace sim
