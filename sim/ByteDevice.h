#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

// A simulated device as a line sees it: bytes in, bytes out.
class ByteDevice {
 public:
  virtual ~ByteDevice() = default;
  virtual void Receive(const uint8_t* bytes, size_t count) = 0;
  virtual std::vector<uint8_t> TakeOutput() = 0;
};

}  // namespace sim
