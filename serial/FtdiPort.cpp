#include "serial/FtdiPort.h"

// The rate goes through the divisor: 3 MHz / 78 at 38400 baud, about 38462 baud, which is what
// the controllers have always been talked to with. The configuration results are not looked
// at; only the open decides.
std::unique_ptr<FtdiPort> FtdiPort::Open(const ftdi::Api& api, int index,
                                         const LineSettings& line) {
  ftdi::Handle handle = nullptr;
  if (api.Open(index, &handle) != ftdi::kOk) return nullptr;
  api.SetDataCharacteristics(handle, static_cast<uint8_t>(line.byteSize),
                             static_cast<uint8_t>(line.stopBits == 1 ? 0 : line.stopBits),
                             static_cast<uint8_t>(line.parity));
  api.SetDivisor(handle, FtdiDivisor(line.baudRate));
  api.ResetDevice(handle);
  return std::unique_ptr<FtdiPort>(new FtdiPort(api, handle));
}

FtdiPort::~FtdiPort() {
  api_.Close(handle_);
}

int FtdiPort::Read(unsigned char* buffer, int count) {
  if (InQueueCount() < 0) return -1;
  if (count <= 0) return 0;
  ftdi::Dword read = 0;
  if (api_.Read(handle_, buffer, static_cast<ftdi::Dword>(count), &read) != ftdi::kOk) return -1;
  return static_cast<int>(read);
}

int FtdiPort::Write(const unsigned char* buffer, int count) {
  if (count <= 0) return 0;
  ftdi::Dword written = 0;
  // The library's prototype lacks the const; it does not write to the buffer.
  if (api_.Write(handle_, const_cast<unsigned char*>(buffer), static_cast<ftdi::Dword>(count),
                 &written) != ftdi::kOk)
    return -1;
  return static_cast<int>(written);
}

int FtdiPort::InQueueCount() const {
  ftdi::Dword count = 0;
  if (api_.GetQueueStatus(handle_, &count) != ftdi::kOk) return -1;
  return static_cast<int>(count);
}

void FtdiPort::PurgeRx() {
  api_.Purge(handle_, ftdi::kPurgeRx);
}

void FtdiPort::PurgeTx() {
  api_.Purge(handle_, ftdi::kPurgeTx);
}

bool FtdiPort::Connected() const {
  return InQueueCount() >= 0;
}
