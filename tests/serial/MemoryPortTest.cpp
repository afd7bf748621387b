#include "serial/MemoryPort.h"

#include <gtest/gtest.h>

#include <functional>

#include "serial/ComPorts.h"
#include "serial/Tserial.h"
#include "tests/support/PtyMaster.h"

namespace {

// A memory port attached to the transport; `line` is its far end, valid while it stays attached.
class MemoryPortTest : public ::testing::Test {
 protected:
  MemoryPortTest() { line = Attach(); }

  MemoryPort* Attach() {
    auto memory = std::make_unique<MemoryPort>();
    MemoryPort* attached = memory.get();
    port.PortAttach(std::move(memory));
    return attached;
  }

  TSerial port{"no-ftdi-library-here.so"};
  MemoryPort* line;
};

TEST_F(MemoryPortTest, AttachClosesTheOpenDeviceAndCountsAsJustOpened) {
  PtyMaster pty;
  const int number = ComPortNumber(pty.slavePath());
  ASSERT_TRUE(port.PortOpen(number));
  port.JustOpened = false;

  line = Attach();
  EXPECT_TRUE(port.JustOpened) << "the link starts its conversation on the next tick";
  EXPECT_TRUE(port.PortConnected());
  EXPECT_FALSE(port.CommOpen());
  TSerial other("no-ftdi-library-here.so");
  EXPECT_TRUE(other.PortOpen(number)) << "the device was let go";
}

TEST_F(MemoryPortTest, BytesTravelBothWaysAndAreCounted) {
  line->Push(std::vector<unsigned char>{0x56, 0x01, 0x02, 0x03, 0xFF});
  EXPECT_EQ(port.PortInQueCount(), 5);
  unsigned char buffer[8] = {};
  EXPECT_EQ(port.PortRead(buffer, 3), 3);
  EXPECT_EQ(buffer[2], 0x02);
  EXPECT_EQ(port.PortInQueCount(), 2);
  line->Push(std::vector<unsigned char>{0x76});
  EXPECT_EQ(port.PortRead(buffer, 8), 3) << "a read takes only what has arrived";
  EXPECT_EQ(buffer[2], 0x76) << "in the order it arrived";

  const unsigned char request[] = {0x65, 0xB3, 0x00, 0xE8};
  EXPECT_EQ(port.PortWrite(request, 4), 4);
  EXPECT_EQ(port.PortWrite(request, 2), 2);
  EXPECT_EQ(line->TakeWritten(), (std::vector<unsigned char>{0x65, 0xB3, 0x00, 0xE8, 0x65, 0xB3}));
  EXPECT_TRUE(line->TakeWritten().empty());

  line->Push(std::vector<unsigned char>{1, 2, 3});
  port.PortPurgeRx();
  EXPECT_EQ(port.PortInQueCount(), 0);
  EXPECT_EQ(port.PortRead(buffer, 8), 0);
}

TEST_F(MemoryPortTest, WritesRefusedOrTakenInPart) {
  struct Case {
    const char* what;
    std::function<void(MemoryPort&)> steer;
    int result;
    size_t taken;
  };
  const Case cases[] = {
      {"a line that keeps up", [](MemoryPort&) {}, 4, 4},
      {"a slow line", [](MemoryPort& m) { m.TakeAtMost(3); }, 3, 3},
      {"a busy line", [](MemoryPort& m) { m.TakeAtMost(0); }, 0, 0},
      {"a failing line", [](MemoryPort& m) { m.RefuseWrites(); }, -1, 0},
      {"a vanished device", [](MemoryPort& m) { m.Disconnect(); }, -1, 0},
  };
  const unsigned char request[] = {0x65, 0xB3, 0x00, 0xE8};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    line = Attach();
    c.steer(*line);
    EXPECT_EQ(port.PortWrite(request, 4), c.result);
    const std::vector<unsigned char> taken = line->TakeWritten();
    EXPECT_EQ(taken, std::vector<unsigned char>(request, request + c.taken));
  }
}

TEST_F(MemoryPortTest, VanishedDeviceFailsEveryTransfer) {
  line->Push(std::vector<unsigned char>{1, 2, 3});
  line->Disconnect();
  EXPECT_FALSE(port.PortConnected());
  unsigned char buffer[4];
  EXPECT_EQ(port.PortRead(buffer, 4), -1);
  EXPECT_EQ(port.PortInQueCount(), -1);
}

}  // namespace
