#include <dlfcn.h>
#include <gtest/gtest.h>

#include "serial/Tserial.h"

namespace {

// Steers the fake D2XX library that the transport loads by the same path.
class FakeFtdi {
 public:
  FakeFtdi() : module_(dlopen(FAKE_FTD2XX_PATH, RTLD_NOW)) { Call<void (*)()>("FakeFtdi_Reset")(); }
  ~FakeFtdi() { dlclose(module_); }

  void AddDevice(const char* description, const char* serial) {
    Call<void (*)(const char*, const char*)>("FakeFtdi_AddDevice")(description, serial);
  }
  void Unplug(int index) { Call<void (*)(int)>("FakeFtdi_Unplug")(index); }
  int LastDivisor() { return Call<int (*)()>("FakeFtdi_LastDivisor")(); }
  void Feed(int index, std::vector<unsigned char> bytes) {
    Call<void (*)(int, const unsigned char*, int)>("FakeFtdi_Feed")(index, bytes.data(),
                                                                    static_cast<int>(bytes.size()));
  }
  std::vector<unsigned char> Take(int index) {
    std::vector<unsigned char> out(64);
    out.resize(Call<int (*)(int, unsigned char*, int)>("FakeFtdi_Take")(index, out.data(), 64));
    return out;
  }

 private:
  template <typename F>
  F Call(const char* name) {
    return reinterpret_cast<F>(dlsym(module_, name));
  }
  void* module_;
};

TEST(FtdiTest, LibraryAbsentOrIncompleteMeansNoFtdiPorts) {
  for (const char* library : {"/nonexistent/libftd2xx.so", FAKE_FTD2XX_INCOMPLETE_PATH}) {
    TSerial port(library);
    EXPECT_EQ(port.FtdiLibrary, nullptr) << library;
    EXPECT_FALSE(port.PortOpen(1024)) << library;
    EXPECT_FALSE(port.PortConnected()) << library;
    EXPECT_EQ(port.PortRead(nullptr, 1), -1);
  }
}

TEST(FtdiTest, OpenSetsTheDivisorAndCarriesBytes) {
  FakeFtdi fake;
  fake.AddDevice("MALVER USB", "A1B2C3");
  fake.AddDevice("Second", "XYZ");
  TSerial port(FAKE_FTD2XX_PATH);
  ASSERT_NE(port.FtdiLibrary, nullptr);

  ASSERT_TRUE(port.PortOpen(1025)) << "index 1 is port 1025";
  EXPECT_TRUE(port.JustOpened);
  EXPECT_TRUE(port.PortConnected());
  EXPECT_EQ(fake.LastDivisor(), 78) << "3000000 / 38400";

  const unsigned char request[] = {0x65, 0xB3, 0x00, 0xE8};
  EXPECT_EQ(port.PortWrite(request, 4), 4);
  EXPECT_EQ(fake.Take(1), std::vector<unsigned char>(request, request + 4));
  fake.Feed(1, {0x56, 0x10, 0x20});
  EXPECT_EQ(port.PortInQueCount(), 3);
  port.PortPurgeRx();
  EXPECT_EQ(port.PortInQueCount(), 0);
  fake.Feed(1, {0x76, 0x11});
  unsigned char buffer[4] = {};
  EXPECT_EQ(port.PortRead(buffer, 2), 2);
  EXPECT_EQ(buffer[1], 0x11);

  fake.Unplug(1);
  EXPECT_FALSE(port.PortConnected()) << "an unplugged converter reads as disconnected";
  EXPECT_EQ(port.PortRead(buffer, 1), -1);

  port.PortClose();
  EXPECT_EQ(port.FtdiHandle(), nullptr) << "a second close has nothing to close";
  port.PortClose();
  EXPECT_FALSE(port.PortOpen(1030)) << "no such device";
}

TEST(FtdiTest, RatesOutsideTheRangeOpenAtItsEnds) {
  FakeFtdi fake;
  fake.AddDevice("MALVER USB", "A1B2C3");
  TSerial port(FAKE_FTD2XX_PATH);
  const std::pair<int, int> rateAndDivisor[] = {{0, 65217}, {45, 65217}, {3000001, 1}};
  for (const auto& [rate, divisor] : rateAndDivisor) {
    port.BaudRate = rate;
    EXPECT_TRUE(port.PortOpen(1024)) << rate;
    EXPECT_EQ(fake.LastDivisor(), divisor) << rate;
  }
}

TEST(FtdiTest, OpenByDescriptionKeepsTheLastMatch) {
  FakeFtdi fake;
  fake.AddDevice("Same", "1");
  fake.AddDevice("Other", "2");
  fake.AddDevice("Same", "3");
  TSerial port(FAKE_FTD2XX_PATH);
  EXPECT_TRUE(port.PortOpenFtdiByDescription("Same"));
  EXPECT_EQ(port.PortNumber, 1026);
  EXPECT_TRUE(port.JustOpened);
  EXPECT_FALSE(port.PortOpenFtdiByDescription("Missing"));
  EXPECT_FALSE(port.PortConnected());
}

TEST(FtdiTest, PortListCaptionsAndMarks) {
  FakeFtdi fake;
  fake.AddDevice("MALVER USB", "A1B2C3");
  fake.AddDevice("", "");
  TSerial port(FAKE_FTD2XX_PATH);
  port.PortNumber = 1025;
  auto entries = port.PortList("/nonexistent-root");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].caption, "MALVER USB - A1B2C3");
  EXPECT_EQ(entries[0].tag, 1024);
  EXPECT_EQ(entries[1].caption, "FTDI 1 (*)") << "the closed port last used";
  EXPECT_FALSE(entries[1].checked);

  ASSERT_TRUE(port.PortOpen(-1));
  entries = port.PortList("/nonexistent-root");
  EXPECT_EQ(entries[1].caption, "FTDI 1");
  EXPECT_TRUE(entries[1].checked);
  EXPECT_FALSE(entries[0].checked);
}

}  // namespace
