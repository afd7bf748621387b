#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "serial/ComPorts.h"
#include "serial/Tserial.h"

namespace {

namespace fs = std::filesystem;

// A machine described by a folder: /sys/class/tty entries and /dev/pts nodes.
class FakeMachine {
 public:
  FakeMachine() : root_(fs::temp_directory_path() / ("malver-ports-" + std::to_string(getpid()))) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "dev/pts");
  }
  ~FakeMachine() { fs::remove_all(root_); }

  void Tty(const std::string& name, const char* type = nullptr) {
    const fs::path dir = root_ / "sys/class/tty" / name;
    fs::create_directories(dir);
    if (type) std::ofstream(dir / "type") << type << "\n";
  }
  void Pts(const std::string& name) { std::ofstream(root_ / "dev/pts" / name); }
  std::string root() const { return root_.string(); }

 private:
  fs::path root_;
};

TEST(PortListTest, ListsFittedDevicesInNumberOrder) {
  FakeMachine machine;
  machine.Tty("ttyS0", "4");
  machine.Tty("ttyS1", "0");  // an empty UART slot
  machine.Tty("ttyUSB0");
  machine.Tty("ttyACM2");
  machine.Tty("tty5");  // a console, not a serial port
  machine.Pts("3");
  machine.Pts("ptmx");

  TSerial port("no-ftdi-library-here.so");
  port.PortNumber = 101;
  const auto entries = port.PortList(machine.root());
  std::vector<std::pair<std::string, int>> seen;
  for (const auto& e : entries)
    seen.emplace_back(e.caption, e.tag);
  const std::vector<std::pair<std::string, int>> expected = {{"COM1 - ttyS0", 1},
                                                             {"COM101 - ttyUSB0 (*)", 101},
                                                             {"COM203 - ttyACM2", 203},
                                                             {"COM304 - pts/3", 304}};
  EXPECT_EQ(seen, expected);
  for (const auto& e : entries)
    EXPECT_FALSE(e.checked);
}

TEST(PortListTest, NothingPresentGivesNoEntries) {
  FakeMachine machine;
  TSerial port("no-ftdi-library-here.so");
  EXPECT_TRUE(port.PortList(machine.root()).empty());
}

TEST(PortListTest, ClickingEntries) {
  TSerial port("no-ftdi-library-here.so");
  int fixedEntryTag = 0;
  port.PortNumber = 0;
  port.PortOnClick(fixedEntryTag);
  EXPECT_EQ(fixedEntryTag, 0) << "Connect with nothing selected opens nothing";
  EXPECT_FALSE(port.PortConnected());

  int portEntryTag = 150;  // a converter that is not plugged in
  port.PortOnClick(portEntryTag);
  EXPECT_EQ(port.PortNumber, 150);
  EXPECT_FALSE(port.PortConnected());
}

}  // namespace
