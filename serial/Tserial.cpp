#include "serial/Tserial.h"

#include "serial/ComPorts.h"
#include "serial/FtdiPort.h"
#include "serial/LineSettings.h"
#include "serial/SerialDevicePort.h"

TSerial::TSerial(const std::string& ftdiLibraryName)
    : FtdiLibrary(ftdi::Library::Load(ftdiLibraryName)) {}

TSerial::~TSerial() {
  PortClose();
}

bool TSerial::PortOpen(int n) {
  if (n > 0) PortNumber = n;
  if (PortNumber < 1) return false;
  PortClose();
  OpenError = PortOpenError::kNone;
  bool result = false;
  if (PortNumber < kFtdiBase) {
    PortName = ComDevicePath(PortNumber);
    PortOpenComm();
    result = CommOpen();
  } else if (FtdiLibrary) {
    port_ = FtdiPort::Open(FtdiLibrary->api(), PortNumber - kFtdiBase, Line());
    result = port_ != nullptr;
  }
  JustOpened = result;
  return result;
}

void TSerial::PortOpenComm() {
  OpenStatus = 0;
  OpenError = PortOpenError::kNone;
  if (!CommOpen()) {
    OpenError = PortOpenError::kOther;
    std::unique_ptr<SerialDevicePort> device =
        PortName.empty() ? nullptr : SerialDevicePort::Open(PortName, OpenError);
    if (!device) {
      OpenStatus = 1;
      return;
    }
    port_ = std::move(device);
  }
  // The port counts as open even when configuring it failed; OpenStatus says what failed.
  switch (SerialDevice()->Configure(Line())) {
    case SerialDevicePort::ConfigureResult::kOk:
      break;
    case SerialDevicePort::ConfigureResult::kReadSettingsFailed:
      OpenStatus = 2;
      break;
    case SerialDevicePort::ConfigureResult::kApplySettingsFailed:
      OpenStatus = 3;
      break;
  }
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
  port_.reset();
  JustOpened = false;
}

void TSerial::PortAttach(std::unique_ptr<BytePort> port) {
  PortClose();
  port_ = std::move(port);
  JustOpened = port_ != nullptr;
}

// A vanished device (unplugged converter, closed pseudo-terminal) reads as disconnected.
bool TSerial::PortConnected() const {
  return port_ && port_->Connected();
}

int TSerial::PortRead(unsigned char* buffer, int count) {
  return port_ ? port_->Read(buffer, count) : -1;
}

int TSerial::PortWrite(const unsigned char* buffer, int count) {
  return port_ ? port_->Write(buffer, count) : -1;
}

int TSerial::PortInQueCount() const {
  return port_ ? port_->InQueueCount() : -1;
}

void TSerial::PortPurgeRx() {
  if (port_) port_->PurgeRx();
}

void TSerial::PortPurgeTx() {
  if (port_) port_->PurgeTx();
}

int TSerial::StepBaudRate(int delta) {
  BaudRate = ClampBaudRate(int64_t{BaudRate} + delta);
  return BaudRate;
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

SerialDevicePort::NativeHandle TSerial::CommHandle() const {
  const SerialDevicePort* device = SerialDevice();
  return device ? device->Handle() : SerialDevicePort::kNoHandle;
}

ftdi::Handle TSerial::FtdiHandle() const {
  const auto* converter = dynamic_cast<const FtdiPort*>(port_.get());
  return converter ? converter->Handle() : nullptr;
}

SerialDevicePort* TSerial::SerialDevice() const {
  return dynamic_cast<SerialDevicePort*>(port_.get());
}

LineSettings TSerial::Line() const {
  return {ClampBaudRate(BaudRate), ByteSize, Parity, StopBits};
}
