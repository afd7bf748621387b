#pragma once

#include <cstdint>
#include <span>

#include "controller/Protocol.h"

// The fast digital samples of a long status frame. From frame byte 128 on, a controller logs
// the edges of its digital inputs during a short window before the frame: events of three bytes
// (e, time low, time high). An e with bit 7 clear is the new state A (petrol injector inputs
// and the engine-speed pulse), one with bit 7 set the new state B (gas injector outputs and the
// supplies). Times count 0.1 ms from the start of the window.
//
// The frame's byte 2 counts its payload in 16-bit words: a 256-byte frame says 126, so a
// reader takes 126 x 2 - 128 = 124 bytes from byte 128 as events, 42 of them, the last one
// starting at byte 251. Every one of the 42 is a real event: after the last edge the final
// states are repeated at the end of the window.
namespace sim {

inline constexpr int kFastSampleEvents = 42;
inline constexpr int kFastSampleWindow = 1600;  // 160 ms in 0.1 ms
inline constexpr uint8_t kStateB = 0x80;

// Fills frame bytes 128..253 of a long status frame's payload from what its short record
// (already in the payload) says of the engine: its speed, the channels' injection times, the
// work state and the ignition. The frame number places the engine's cycle in the window, as
// the crankshaft turns on between frames.
void PutFastSamples(Family family, int frameNumber, std::span<uint8_t> payload);

}  // namespace sim
