#include "serial/SerialDevicePort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "serial/ArbitraryBaud.h"

namespace {

speed_t StandardSpeed(int baudRate) {
  switch (baudRate) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return B0;
  }
}

tcflag_t CharacterSize(int byteSize) {
  switch (byteSize) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

// Parity codes as the line settings store them: 0 none, 1 odd, 2 even.
void ApplyParity(termios& t, int parity) {
  t.c_cflag &= ~(PARENB | PARODD);
  if (parity == 1) t.c_cflag |= PARENB | PARODD;
  if (parity == 2) t.c_cflag |= PARENB;
}

// Some interfaces are powered or reset from DTR and RTS, which the open raised and settings
// that leave B0 raise again; the controllers want neither. A pseudo-terminal has no such lines
// and refuses the request, which changes nothing.
void LowerModemLines(int fd) {
  const int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIC, &lines);
}

// A terminal another opener holds in exclusive mode refuses a second open() with EBUSY (root
// gets past that mode, but not past the lock, which then fails with EWOULDBLOCK).
PortOpenError OpenErrorOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return PortOpenError::kNoPermission;
    case EBUSY:
    case EWOULDBLOCK:
      return PortOpenError::kBusy;
    default:
      return PortOpenError::kOther;
  }
}

}  // namespace

std::unique_ptr<SerialDevicePort> SerialDevicePort::Open(const std::string& path,
                                                         PortOpenError& error) {
  error = PortOpenError::kNone;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = OpenErrorOf(errno);
    return nullptr;
  }
  // Exclusive like a Windows COM handle: a second program (or a second link of ours) must not
  // read half of the controller's replies.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
    error = OpenErrorOf(errno);
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<SerialDevicePort>(new SerialDevicePort(fd));
}

// A pseudo-terminal keeps its exclusive mode for as long as its far end stays open, so left set
// it would shut every later open out, ours included, for anyone but root.
SerialDevicePort::~SerialDevicePort() {
  ::ioctl(fd_, TIOCNXCL);
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
}

SerialDevicePort::ConfigureResult SerialDevicePort::Configure(const LineSettings& line) {
  termios t{};
  if (::tcgetattr(fd_, &t) != 0) return ConfigureResult::kReadSettingsFailed;
  ::cfmakeraw(&t);
  t.c_cflag &= ~(CSIZE | CSTOPB | CRTSCTS | HUPCL);
  t.c_cflag |= CharacterSize(line.byteSize) | CLOCAL | CREAD;
  if (line.stopBits > 1) t.c_cflag |= CSTOPB;
  ApplyParity(t, line.parity);
  t.c_iflag &= ~(IXON | IXOFF | IXANY);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  const speed_t speed = StandardSpeed(line.baudRate);
  if (speed != B0) ::cfsetspeed(&t, speed);
  if (::tcsetattr(fd_, TCSANOW, &t) != 0) return ConfigureResult::kApplySettingsFailed;
  if (speed == B0 && !SetArbitraryBaudRate(fd_, line.baudRate))
    return ConfigureResult::kApplySettingsFailed;
  LowerModemLines(fd_);
  ::tcflush(fd_, TCIOFLUSH);
  return ConfigureResult::kOk;
}

int SerialDevicePort::Read(unsigned char* buffer, int count) {
  if (count <= 0) return 0;
  const ssize_t n = ::read(fd_, buffer, static_cast<size_t>(count));
  if (n >= 0) return static_cast<int>(n);
  return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

int SerialDevicePort::Write(const unsigned char* buffer, int count) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(2 + 2 * count);
  int written = 0;
  while (written < count) {
    const ssize_t n = ::write(fd_, buffer + written, static_cast<size_t>(count - written));
    if (n > 0) {
      written += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return -1;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd p{fd_, POLLOUT, 0};
    ::poll(&p, 1, static_cast<int>(left));
  }
  return written;
}

int SerialDevicePort::InQueueCount() const {
  int count = 0;
  return ::ioctl(fd_, FIONREAD, &count) == 0 ? count : -1;
}

void SerialDevicePort::PurgeRx() {
  ::tcflush(fd_, TCIFLUSH);
}
void SerialDevicePort::PurgeTx() {
  ::tcflush(fd_, TCOFLUSH);
}

bool SerialDevicePort::Connected() const {
  pollfd p{fd_, 0, 0};
  return ::poll(&p, 1, 0) <= 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}
