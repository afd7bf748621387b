#pragma once

#include <deque>
#include <limits>
#include <span>
#include <vector>

#include "serial/BytePort.h"

// A line in memory, for tests and fuzz targets that run a link without a device: they push
// the bytes the program will read and take the bytes it wrote, and can make the line refuse
// writes, take only part of them, or go away.
class MemoryPort : public BytePort {
 public:
  // Queued after the bytes still waiting to be read.
  void Push(std::span<const unsigned char> bytes);
  // Every byte written since the last call.
  std::vector<unsigned char> TakeWritten();

  // From now on each write takes at most `count` bytes, as a line that cannot keep up.
  void TakeAtMost(int count);
  // From now on writes fail (or, with false, go through again).
  void RefuseWrites(bool refuse = true);
  // The device has gone: from now on the port is not connected and every transfer fails.
  void Disconnect();

  int Read(unsigned char* buffer, int count) override;
  int Write(const unsigned char* buffer, int count) override;
  int InQueueCount() const override;
  void PurgeRx() override;
  void PurgeTx() override;
  bool Connected() const override;

 private:
  std::deque<unsigned char> incoming_;
  std::vector<unsigned char> written_;
  int writeLimit_ = std::numeric_limits<int>::max();
  bool refuseWrites_ = false;
  bool connected_ = true;
};
