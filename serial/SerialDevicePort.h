#pragma once

#include <memory>
#include <string>

#include "serial/BytePort.h"
#include "serial/LineSettings.h"
#include "serial/OpenError.h"

// A serial device through termios, opened raw and exclusively.
class SerialDevicePort : public BytePort {
 public:
  static constexpr int kNoHandle = -1;

  // Null when the device cannot be opened or another program holds it; error says why.
  static std::unique_ptr<SerialDevicePort> Open(const std::string& path, PortOpenError& error);
  // Gives the exclusive use up before closing.
  ~SerialDevicePort() override;

  enum class ConfigureResult { kOk, kReadSettingsFailed, kApplySettingsFailed };
  // Raw, no flow control, DTR and RTS low, reads that return at once with what is buffered, at
  // any rate the driver accepts (not only the standard ones).
  ConfigureResult Configure(const LineSettings& line);

  int Handle() const { return fd_; }

  int Read(unsigned char* buffer, int count) override;
  // Gives up after 2 ms plus 2 ms per byte when the line does not take the bytes.
  int Write(const unsigned char* buffer, int count) override;
  int InQueueCount() const override;
  void PurgeRx() override;
  void PurgeTx() override;
  // False once the device has gone (unplugged converter, closed pseudo-terminal master).
  bool Connected() const override;

 private:
  explicit SerialDevicePort(int fd) : fd_(fd) {}
  const int fd_;
};
