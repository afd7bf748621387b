#include "serial/Tserial.h"

#include "serial/ComPorts.h"
#include "serial/PosixComm.h"

TSerial::TSerial(const std::string& ftdiLibraryName)
    : FtdiLibrary(ftdi::Library::Load(ftdiLibraryName)), CommHandle(posix_comm::kNoHandle) {}

TSerial::~TSerial() {
  PortClose();
}

bool TSerial::PortOpen(int n) {
  if (n > 0) PortNumber = n;
  if (PortNumber < 1) return false;
  PortClose();
  bool result = false;
  if (PortNumber < kFtdiBase) {
    PortName = ComDevicePath(PortNumber);
    PortOpenComm();
    result = CommOpen;
  } else if (FtdiLibrary) {
    result = OpenFtdi(PortNumber - kFtdiBase);
  }
  JustOpened = result;
  return result;
}

void TSerial::PortOpenComm() {
  OpenStatus = 0;
  if (CommHandle == posix_comm::kNoHandle) {
    CommHandle = PortName.empty() ? posix_comm::kNoHandle : posix_comm::Open(PortName);
    if (CommHandle == posix_comm::kNoHandle) {
      OpenStatus = 1;
      CommOpen = false;
      return;
    }
    CommOpen = true;
  }
  // The port counts as open even when configuring it failed; OpenStatus says what failed.
  switch (posix_comm::Configure(CommHandle, BaudRate, ByteSize, Parity, StopBits)) {
    case posix_comm::ConfigureResult::kOk:
      break;
    case posix_comm::ConfigureResult::kReadSettingsFailed:
      OpenStatus = 2;
      break;
    case posix_comm::ConfigureResult::kApplySettingsFailed:
      OpenStatus = 3;
      break;
  }
}

// The rate goes through the divisor: 3 MHz / 78 at 38400 baud, about 38462 baud, which is what
// the controllers have always been talked to with. The configuration results are not looked
// at; only the open decides.
bool TSerial::OpenFtdi(int index) {
  const ftdi::Api& f = FtdiLibrary->api();
  const ftdi::Status status = f.Open(index, &FtdiHandle);
  f.SetDataCharacteristics(FtdiHandle, ByteSize, StopBits == 1 ? 0 : StopBits, Parity);
  f.SetDivisor(FtdiHandle, static_cast<uint16_t>(3000000 / BaudRate));
  f.ResetDevice(FtdiHandle);
  if (status != ftdi::kOk) FtdiHandle = nullptr;
  return status == ftdi::kOk;
}

bool TSerial::PortOpenFtdiByDescription(const std::string& description) {
  PortClose();
  bool result = false;
  if (FtdiLibrary) {
    const ftdi::Api& f = FtdiLibrary->api();
    ftdi::Dword count = 0, listed = 0;
    f.ListDevicesCount(&count, nullptr, ftdi::kListNumberOnly);
    f.CreateDeviceInfoList(&listed);
    for (ftdi::Dword i = 0; i < count; ++i) {
      char text[ftdi::kDescriptionSize] = {};
      if (f.ListDevicesByIndex(reinterpret_cast<void*>(static_cast<uintptr_t>(i)), text,
                               ftdi::kListByIndex | ftdi::kOpenByDescription) != ftdi::kOk) {
        ftdi::Dword flags, type, id, locId;
        char serial[ftdi::kSerialNumberSize] = {};
        ftdi::Handle handle = nullptr;
        f.GetDeviceInfoDetail(i, &flags, &type, &id, &locId, serial, text, &handle);
      }
      text[ftdi::kDescriptionSize - 1] = 0;
      // No early stop: of several converters with one description the last stays open.
      if (description == text) result = PortOpen(kFtdiBase + static_cast<int>(i));
    }
  }
  JustOpened = result;
  return result;
}

void TSerial::PortClose() {
  if (CommOpen) {
    posix_comm::Close(CommHandle);
    CommHandle = posix_comm::kNoHandle;
  }
  if (FtdiLibrary && FtdiHandle) {
    FtdiLibrary->api().Close(FtdiHandle);
    FtdiHandle = nullptr;
  }
  CommOpen = false;
  JustOpened = false;
}

bool TSerial::PortConnected() {
  if (PortNumber <= 0) return false;
  // A vanished device (unplugged converter, closed pseudo-terminal) reads as disconnected, as
  // an unplugged FTDI converter does below.
  if (PortNumber < kFtdiBase) return CommOpen && !posix_comm::HungUp(CommHandle);
  if (!FtdiLibrary || !FtdiHandle) return false;
  ftdi::Dword count = 0;
  return FtdiLibrary->api().GetQueueStatus(FtdiHandle, &count) == ftdi::kOk;
}

int TSerial::PortRead(unsigned char* buffer, int count) {
  if (CommOpen) return posix_comm::Read(CommHandle, buffer, count);
  if (!FtdiLibrary || !FtdiHandle) return -1;
  const ftdi::Api& f = FtdiLibrary->api();
  ftdi::Dword queued = 0, read = 0;
  if (f.GetQueueStatus(FtdiHandle, &queued) != ftdi::kOk) return -1;
  if (f.Read(FtdiHandle, buffer, static_cast<ftdi::Dword>(count), &read) != ftdi::kOk) return -1;
  return static_cast<int>(read);
}

int TSerial::PortWrite(const unsigned char* buffer, int count) {
  if (CommOpen) return posix_comm::Write(CommHandle, buffer, count);
  if (!FtdiLibrary || !FtdiHandle) return -1;
  ftdi::Dword written = 0;
  if (FtdiLibrary->api().Write(FtdiHandle, const_cast<unsigned char*>(buffer),
                               static_cast<ftdi::Dword>(count), &written) != ftdi::kOk)
    return -1;
  return static_cast<int>(written);
}

int TSerial::PortInQueCount() {
  if (CommOpen) return posix_comm::InQueueCount(CommHandle);
  if (!FtdiLibrary || !FtdiHandle) return -1;
  ftdi::Dword count = 0;
  if (FtdiLibrary->api().GetQueueStatus(FtdiHandle, &count) != ftdi::kOk) return -1;
  return static_cast<int>(count);
}

void TSerial::PortPurgeRx() {
  if (CommOpen) posix_comm::PurgeRx(CommHandle);
  if (FtdiLibrary && FtdiHandle) FtdiLibrary->api().Purge(FtdiHandle, ftdi::kPurgeRx);
}

void TSerial::PortPurgeTx() {
  if (CommOpen) posix_comm::PurgeTx(CommHandle);
  if (FtdiLibrary && FtdiHandle) FtdiLibrary->api().Purge(FtdiHandle, ftdi::kPurgeTx);
}

void TSerial::PortOnClick(int& entryTag) {
  if (entryTag >= 1) {
    PortNumber = entryTag;
    PortOpen(-1);
  } else if (PortConnected()) {
    PortClose();
    entryTag = -1;
  } else {
    PortOpen(-1);
    entryTag = 0;
  }
}
