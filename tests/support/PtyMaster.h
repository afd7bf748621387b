#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

// The far end of a pseudo-terminal pair: the port under test opens slavePath() like any
// serial device, the test talks through the master.
class PtyMaster {
 public:
  PtyMaster() {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    grantpt(fd_);
    unlockpt(fd_);
    slave_ = ptsname(fd_);
    // Raw on the master side too, so no byte is translated on the way.
    termios t{};
    tcgetattr(fd_, &t);
    cfmakeraw(&t);
    tcsetattr(fd_, TCSANOW, &t);
  }
  ~PtyMaster() { Close(); }
  PtyMaster(const PtyMaster&) = delete;
  PtyMaster& operator=(const PtyMaster&) = delete;

  const std::string& slavePath() const { return slave_; }

  void Write(const std::vector<unsigned char>& bytes) {
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    (void)n;
  }
  // Reads until count bytes have come or the line stays quiet for a second.
  std::vector<unsigned char> Read(size_t count) {
    std::vector<unsigned char> out;
    unsigned char buffer[4096];
    while (out.size() < count && WaitReadable(fd_)) {
      const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - out.size()));
      if (n <= 0) break;
      out.insert(out.end(), buffer, buffer + n);
    }
    return out;
  }

  // The kernel hands bytes to the other side of a pseudo-terminal a moment later; waits until
  // fd holds count bytes. False when they have not come within a second.
  static bool WaitForInput(int fd, int count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int waiting = 0;
    while (::ioctl(fd, FIONREAD, &waiting) == 0 && waiting < count &&
           std::chrono::steady_clock::now() < deadline)
      WaitReadable(fd);
    return waiting >= count;
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  static bool WaitReadable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 1000) > 0 && (p.revents & POLLIN);
  }
  int fd_ = -1;
  std::string slave_;
};
