#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

class ByteDevice;

// Serves a simulated device on a pseudo-terminal: the program opens path() like any serial
// port. The server keeps the terminal's far side open itself, so the program may close and
// reopen its port at will.
class PtyServer {
 public:
  explicit PtyServer(ByteDevice& device);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  bool ok() const { return master_ >= 0; }
  const std::string& path() const { return path_; }

  // Reads up to `count` bytes that the program sent, waiting at most timeoutMs for them, and
  // hands them to the device. Returns the bytes read.
  size_t Deliver(size_t count, int timeoutMs);
  // Writes what the device has to say. Returns the bytes written.
  size_t Flush();
  // Writes bytes as they are, e.g. a frame no sound controller would send.
  size_t Send(const std::vector<uint8_t>& bytes);
  // One round of a serving loop: waits up to timeoutMs for input, delivers it, flushes.
  void Serve(int timeoutMs);

 private:
  ByteDevice& device_;
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

// A simulator program's life: the device served on a new pseudo-terminal, whose path and COM
// number are printed first, until SIGINT or SIGTERM. Returns the program's exit status.
int ServeUntilStopped(ByteDevice& device, const char* program);

}  // namespace sim
