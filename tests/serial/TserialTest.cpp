#include "serial/Tserial.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "serial/ComPorts.h"
#include "tests/support/PtyMaster.h"

namespace {

// A port whose far end is a pseudo-terminal master held by the test.
class PtyPortTest : public ::testing::Test {
 protected:
  PtyPortTest() : port("no-ftdi-library-here.so"), number(ComPortNumber(pty.slavePath())) {}

  PtyMaster pty;
  TSerial port;
  int number;
};

TEST_F(PtyPortTest, BytesTravelBothWaysAndAreCounted) {
  ASSERT_GT(number, 0) << pty.slavePath();
  ASSERT_TRUE(port.PortOpen(number));
  EXPECT_TRUE(port.JustOpened);
  EXPECT_TRUE(port.PortConnected());
  EXPECT_EQ(port.OpenStatus, 0);
  EXPECT_EQ(port.PortName, pty.slavePath());

  const std::vector<unsigned char> request = {0x65, 0xB3, 0x00, 0xE8};
  EXPECT_EQ(port.PortWrite(request.data(), 4), 4);
  EXPECT_EQ(pty.Read(4), request);

  pty.Write({0x56, 0x01, 0x02, 0x03, 0xFF});
  ASSERT_TRUE(PtyMaster::WaitForInput(port.CommHandle(), 5));
  EXPECT_EQ(port.PortInQueCount(), 5);
  unsigned char buffer[8] = {};
  EXPECT_EQ(port.PortRead(buffer, 3), 3);
  EXPECT_EQ(buffer[0], 0x56);
  EXPECT_EQ(port.PortInQueCount(), 2);
  EXPECT_EQ(port.PortRead(buffer, 8), 2);
  EXPECT_EQ(buffer[1], 0xFF);
  EXPECT_EQ(port.PortRead(buffer, 8), 0) << "a read never waits for the line";
}

TEST_F(PtyPortTest, PurgeDropsWaitingBytes) {
  ASSERT_TRUE(port.PortOpen(number));
  pty.Write({1, 2, 3});
  ASSERT_TRUE(PtyMaster::WaitForInput(port.CommHandle(), 3));
  ASSERT_EQ(port.PortInQueCount(), 3);
  port.PortPurgeRx();
  EXPECT_EQ(port.PortInQueCount(), 0);
  port.PortPurgeTx();
  EXPECT_TRUE(port.PortConnected());
}

TEST_F(PtyPortTest, ReopenAndNoPortRules) {
  TSerial unselected("no-ftdi-library-here.so");
  EXPECT_FALSE(unselected.PortOpen(0)) << "PortNumber 0 and n 0 change nothing";
  EXPECT_FALSE(unselected.PortConnected());

  ASSERT_TRUE(port.PortOpen(number));
  port.JustOpened = false;
  EXPECT_TRUE(port.PortOpen(-1)) << "-1 reopens the selected port";
  EXPECT_TRUE(port.JustOpened);
  EXPECT_EQ(port.PortNumber, number);
  EXPECT_TRUE(port.PortOpen(0)) << "0 with a port selected reopens it too";

  port.PortClose();
  EXPECT_FALSE(port.PortConnected());
  EXPECT_FALSE(port.JustOpened);
  EXPECT_EQ(port.PortRead(nullptr, 1), -1);
  EXPECT_EQ(port.PortWrite(nullptr, 1), -1);
  EXPECT_EQ(port.PortInQueCount(), -1);
  port.PortClose();
}

TEST_F(PtyPortTest, SecondOpenOfABusyPortFails) {
  ASSERT_TRUE(port.PortOpen(number));
  TSerial other("no-ftdi-library-here.so");
  EXPECT_FALSE(other.PortOpen(number));
  EXPECT_EQ(other.OpenStatus, 1);
  EXPECT_EQ(other.OpenError, PortOpenError::kBusy)
      << "refused by the exclusive mode (EBUSY), or for root by the lock";
  EXPECT_FALSE(other.PortConnected());

  port.PortClose();
  EXPECT_TRUE(other.PortOpen(-1));
  EXPECT_EQ(other.OpenError, PortOpenError::kNone) << "no cause left over from the failure";
}

// A converter's node that the user may not open, as before the udev rule or the dialout group.
TEST_F(PtyPortTest, DeviceTheUserMayNotOpenSaysSo) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens a device whatever its permissions";
  ASSERT_EQ(::chmod(pty.slavePath().c_str(), 0), 0);
  EXPECT_FALSE(port.PortOpen(number));
  EXPECT_EQ(port.OpenStatus, 1);
  EXPECT_EQ(port.OpenError, PortOpenError::kNoPermission);
}

TEST_F(PtyPortTest, MissingDeviceHasNoCauseToTell) {
  TSerial missing("no-ftdi-library-here.so");
  missing.PortName = "/dev/pts/no-such-terminal";
  missing.PortOpenComm();
  EXPECT_EQ(missing.OpenStatus, 1);
  EXPECT_EQ(missing.OpenError, PortOpenError::kOther);
}

bool ExclusiveMode(int fd) {
  int exclusive = 0;
  return ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

// The far end stays open throughout, as the simulated controller keeps it between connections.
TEST_F(PtyPortTest, ClosedPortCanBeOpenedAgainByAnyone) {
  ASSERT_TRUE(port.PortOpen(number));
  EXPECT_TRUE(ExclusiveMode(port.CommHandle()));
  port.PortClose();

  const int fd = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0) << "a user who is not root is shut out after our close";
  EXPECT_FALSE(ExclusiveMode(fd)) << "only root gets past the mode we left behind";
  ::close(fd);
  EXPECT_TRUE(port.PortOpen(-1));
  EXPECT_TRUE(ExclusiveMode(port.CommHandle()));
}

TEST_F(PtyPortTest, VanishedDeviceReadsAsNotConnected) {
  ASSERT_TRUE(port.PortOpen(number));
  pty.Close();
  EXPECT_FALSE(port.PortConnected());
  unsigned char buffer[4];
  EXPECT_LE(port.PortRead(buffer, 4), 0);
  // The kernel may take a moment to remove the node; until then it opens but reads as hung up.
  EXPECT_FALSE(port.PortOpen(-1) && port.PortConnected()) << "the device is gone";
}

TEST_F(PtyPortTest, AdministratorBaudRatesOpen) {
  for (int rate : {38400, 38300, 38500, 37400}) {
    port.BaudRate = rate;
    EXPECT_TRUE(port.PortOpen(number)) << rate;
    EXPECT_EQ(port.OpenStatus, 0) << rate;
  }
}

TEST(ComPortsTest, NumbersMapToDevicesAndBack) {
  struct Case {
    int number;
    const char* path;
  };
  const Case cases[] = {{1, "/dev/ttyS0"},     {9, "/dev/ttyS8"},      {99, "/dev/ttyS98"},
                        {101, "/dev/ttyUSB0"}, {150, "/dev/ttyUSB49"}, {201, "/dev/ttyACM0"},
                        {301, "/dev/pts/0"},   {1023, "/dev/pts/722"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ComDevicePath(c.number), c.path);
    EXPECT_EQ(ComPortNumber(c.path), c.number) << c.path;
  }
  for (int unused : {0, -1, 100, 200, 300, 1024})
    EXPECT_EQ(ComDevicePath(unused), "") << unused;
  for (const char* foreign : {"/dev/ttyUSB99", "/dev/pts/723", "/dev/null", "/tmp/x", "ttyS0"})
    EXPECT_EQ(ComPortNumber(foreign), 0) << foreign;
}
}  // namespace
