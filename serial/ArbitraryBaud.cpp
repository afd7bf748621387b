// Kept apart: the kernel's termios2 header cannot share a unit with <termios.h>.
#include "serial/ArbitraryBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

bool SetArbitraryBaudRate(int fd, int baudRate) {
  struct termios2 t {};
  if (::ioctl(fd, TCGETS2, &t) != 0) return false;
  t.c_cflag &= ~CBAUD;
  t.c_cflag |= BOTHER;
  t.c_ispeed = static_cast<speed_t>(baudRate);
  t.c_ospeed = static_cast<speed_t>(baudRate);
  return ::ioctl(fd, TCSETS2, &t) == 0;
}
