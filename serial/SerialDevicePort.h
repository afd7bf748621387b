#pragma once

#include <memory>
#include <string>

#include "serial/BytePort.h"
#include "serial/LineSettings.h"
#include "serial/OpenError.h"

// A serial device opened raw and exclusively: through termios (SerialDevicePort.cpp), or a
// Windows COM port (SerialDevicePortWindows.cpp).
class SerialDevicePort : public BytePort {
 public:
#ifdef _WIN32
  using NativeHandle = void*;  // the port's HANDLE
  static constexpr NativeHandle kNoHandle = nullptr;
#else
  using NativeHandle = int;  // the device's descriptor
  static constexpr NativeHandle kNoHandle = -1;
#endif

  // Null when the device cannot be opened or another program holds it; error says why.
  static std::unique_ptr<SerialDevicePort> Open(const std::string& path, PortOpenError& error);
  // Gives the exclusive use up before closing.
  ~SerialDevicePort() override;

  enum class ConfigureResult { kOk, kReadSettingsFailed, kApplySettingsFailed };
  // Raw, no flow control, DTR and RTS low, reads that return at once with what is buffered, at
  // any rate the driver accepts (not only the standard ones).
  ConfigureResult Configure(const LineSettings& line);

  NativeHandle Handle() const { return fd_; }

  int Read(unsigned char* buffer, int count) override;
  // Gives up after 2 ms plus 2 ms per byte when the line does not take the bytes.
  int Write(const unsigned char* buffer, int count) override;
  int InQueueCount() const override;
  void PurgeRx() override;
  void PurgeTx() override;
  // False once the device has gone (unplugged converter, closed pseudo-terminal master).
  bool Connected() const override;

 private:
  explicit SerialDevicePort(NativeHandle fd) : fd_(fd) {}
  const NativeHandle fd_;
};
