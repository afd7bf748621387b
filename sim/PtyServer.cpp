#include "sim/PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <vector>

#include "serial/ComPorts.h"
#include "sim/ByteDevice.h"

namespace sim {

namespace {

void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
}

bool WaitReadable(int fd, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN);
}

}  // namespace

PtyServer::PtyServer(ByteDevice& device) : device_(device) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
  path_ = ptsname(master_);
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  MakeRaw(master_);
  if (slave_ >= 0) MakeRaw(slave_);
}

PtyServer::~PtyServer() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

size_t PtyServer::Deliver(size_t count, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::vector<uint8_t> buffer(4096);
  size_t total = 0;
  while (total < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left < 0 || !WaitReadable(master_, static_cast<int>(left))) break;
    const ssize_t n = ::read(master_, buffer.data(), std::min(buffer.size(), count - total));
    if (n <= 0) break;
    device_.Receive(buffer.data(), static_cast<size_t>(n));
    total += static_cast<size_t>(n);
  }
  return total;
}

size_t PtyServer::Flush() {
  return Send(device_.TakeOutput());
}

size_t PtyServer::Send(const std::vector<uint8_t>& out) {
  size_t written = 0;
  while (written < out.size()) {
    const ssize_t n = ::write(master_, out.data() + written, out.size() - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  return written;
}

void PtyServer::Serve(int timeoutMs) {
  if (WaitReadable(master_, timeoutMs)) Deliver(65536, 0);
  Flush();
}

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
  stopRequested = 1;
}

}  // namespace

int ServeUntilStopped(ByteDevice& device, const char* program) {
  PtyServer server(device);
  if (!server.ok()) {
    std::fprintf(stderr, "%s: cannot create a pseudo-terminal\n", program);
    return 1;
  }
  std::printf("%s COM%d\n", server.path().c_str(), ComPortNumber(server.path()));
  std::fflush(stdout);
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  while (!stopRequested)
    server.Serve(20);
  return 0;
}

}  // namespace sim
