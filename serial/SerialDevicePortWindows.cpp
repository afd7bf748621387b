#include <windows.h>

#include <chrono>

#include "serial/SerialDevicePort.h"

namespace {

HANDLE Native(SerialDevicePort::NativeHandle handle) {
  return static_cast<HANDLE>(handle);
}

// Parity codes as the line settings store them (0 none, 1 odd, 2 even) are the DCB's own.
BYTE StopBitsCode(int stopBits) {
  return stopBits > 1 ? TWOSTOPBITS : ONESTOPBIT;
}

// A COM port another program holds refuses a second open with ERROR_ACCESS_DENIED: Windows
// opens COM ports exclusively, so that is "busy", not a matter of rights. ERROR_SHARING_VIOLATION
// comes from some drivers for the same reason.
PortOpenError OpenErrorOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
      return PortOpenError::kBusy;
    case ERROR_PRIVILEGE_NOT_HELD:
      return PortOpenError::kNoPermission;
    default:
      return PortOpenError::kOther;
  }
}

std::wstring WidePath(const std::string& path) {
  // Port paths are "\\.\COMn": ASCII only.
  return std::wstring(path.begin(), path.end());
}

}  // namespace

std::unique_ptr<SerialDevicePort> SerialDevicePort::Open(const std::string& path,
                                                         PortOpenError& error) {
  error = PortOpenError::kNone;
  const HANDLE h = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = OpenErrorOf(::GetLastError());
    return nullptr;
  }
  return std::unique_ptr<SerialDevicePort>(new SerialDevicePort(h));
}

// Some interfaces are powered or reset from DTR and RTS; the controllers want neither, also
// after we have gone.
SerialDevicePort::~SerialDevicePort() {
  ::EscapeCommFunction(Native(fd_), CLRDTR);
  ::EscapeCommFunction(Native(fd_), CLRRTS);
  ::CloseHandle(Native(fd_));
}

SerialDevicePort::ConfigureResult SerialDevicePort::Configure(const LineSettings& line) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(Native(fd_), &dcb)) return ConfigureResult::kReadSettingsFailed;
  dcb.BaudRate = static_cast<DWORD>(line.baudRate);
  dcb.ByteSize = static_cast<BYTE>(line.byteSize);
  dcb.Parity = static_cast<BYTE>(line.parity);
  dcb.StopBits = StopBitsCode(line.stopBits);
  dcb.fBinary = TRUE;
  dcb.fParity = line.parity != 0;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fNull = FALSE;
  dcb.fAbortOnError = FALSE;
  if (!::SetCommState(Native(fd_), &dcb)) return ConfigureResult::kApplySettingsFailed;
  // Reads return at once with what has arrived; writes give up after 2 ms plus 2 ms per byte,
  // as on the other systems.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.WriteTotalTimeoutMultiplier = 2;
  timeouts.WriteTotalTimeoutConstant = 2;
  if (!::SetCommTimeouts(Native(fd_), &timeouts)) return ConfigureResult::kApplySettingsFailed;
  ::PurgeComm(Native(fd_), PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
  return ConfigureResult::kOk;
}

int SerialDevicePort::Read(unsigned char* buffer, int count) {
  if (count <= 0) return 0;
  DWORD read = 0;
  if (!::ReadFile(Native(fd_), buffer, static_cast<DWORD>(count), &read, nullptr)) return -1;
  return static_cast<int>(read);
}

int SerialDevicePort::Write(const unsigned char* buffer, int count) {
  if (count <= 0) return 0;
  DWORD written = 0;
  if (!::WriteFile(Native(fd_), buffer, static_cast<DWORD>(count), &written, nullptr) &&
      ::GetLastError() != ERROR_TIMEOUT)
    return -1;
  return static_cast<int>(written);
}

int SerialDevicePort::InQueueCount() const {
  DWORD errors = 0;
  COMSTAT status{};
  if (!::ClearCommError(Native(fd_), &errors, &status)) return -1;
  return static_cast<int>(status.cbInQue);
}

void SerialDevicePort::PurgeRx() {
  ::PurgeComm(Native(fd_), PURGE_RXCLEAR | PURGE_RXABORT);
}
void SerialDevicePort::PurgeTx() {
  ::PurgeComm(Native(fd_), PURGE_TXCLEAR | PURGE_TXABORT);
}

// An unplugged USB converter fails every call on its handle from then on.
bool SerialDevicePort::Connected() const {
  DWORD errors = 0;
  COMSTAT status{};
  return ::ClearCommError(Native(fd_), &errors, &status) != 0;
}
