#pragma once

#include <memory>

#include "serial/BytePort.h"
#include "serial/Ftd2xx.h"
#include "serial/LineSettings.h"

// An FTDI converter through the D2XX library. The library must outlive the port.
class FtdiPort : public BytePort {
 public:
  // The converter with D2XX index `index`; null when it cannot be opened.
  static std::unique_ptr<FtdiPort> Open(const ftdi::Api& api, int index, const LineSettings& line);
  ~FtdiPort() override;

  ftdi::Handle Handle() const { return handle_; }

  // Callers ask only for what InQueueCount reported, so the library's read returns at once.
  int Read(unsigned char* buffer, int count) override;
  int Write(const unsigned char* buffer, int count) override;
  int InQueueCount() const override;
  void PurgeRx() override;
  void PurgeTx() override;
  // False once the converter has been unplugged.
  bool Connected() const override;

 private:
  FtdiPort(const ftdi::Api& api, ftdi::Handle handle) : api_(api), handle_(handle) {}
  const ftdi::Api& api_;
  const ftdi::Handle handle_;
};
