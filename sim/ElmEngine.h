#pragma once

#include <vector>

namespace sim {

// The data bytes a running engine answers for mode 01 PID `pid` at moment `clock` (one step per
// request of that PID): idle with a gentle blip of the throttle, warming up, fuel trims hunting
// round zero, the oxygen sensor swinging rich and lean. `count` bytes, the catalogue's length of
// the PID.
std::vector<int> EngineData(int pid, int count, int clock);

}  // namespace sim
