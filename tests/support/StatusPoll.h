#pragma once

#include <cstdint>
#include <vector>

#include "controller/Protocol.h"
#include "controller/Ramka.h"
#include "sim/SimController.h"

// Asks a simulated controller for one status frame, without a link: the frame comes back plain,
// as the link's receive path sees it after unscrambling.
inline std::vector<uint8_t> PollStatus(sim::SimController& controller,
                                       uint8_t pollCode = code::Poll) {
  std::vector<uint8_t> poll(ramka::kHeaderSize);
  poll.resize(ramka::Build(poll.data(), ramka::kRequestStart, pollCode, 0));
  controller.Receive(poll.data(), poll.size());
  std::vector<uint8_t> frame = controller.TakeOutput();
  ramka::Unscramble(frame.data(), static_cast<int>(frame.size()));
  return frame;
}

// A loop of the scripted drive, frame by frame.
inline std::vector<std::vector<uint8_t>> DriveFrames(sim::SimController& controller, int count) {
  controller.drive = true;
  std::vector<std::vector<uint8_t>> frames;
  for (int i = 0; i < count; ++i)
    frames.push_back(PollStatus(controller));
  return frames;
}
