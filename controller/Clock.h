#pragma once

#include <chrono>
#include <cstdint>

// Where the link reads the time. The program uses the steady clock; tests move a fake one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t Milliseconds() = 0;
};

class SteadyClock : public Clock {
 public:
  int64_t Milliseconds() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};
