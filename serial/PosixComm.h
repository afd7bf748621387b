#pragma once

#include <string>

// The operating-system side of a COM port: a termios device opened raw and exclusively,
// never blocking on the line.
namespace posix_comm {

inline constexpr int kNoHandle = -1;

// Opens path exclusively; kNoHandle on failure.
int Open(const std::string& path);
// Gives the exclusive use up before closing.
void Close(int fd);

enum class ConfigureResult { kOk, kReadSettingsFailed, kApplySettingsFailed };
// Raw 8 data bits (or byteSize), no flow control, DTR and RTS low, reads that return at once
// with what is buffered, at baudRate (any rate the driver accepts, not only the standard ones).
ConfigureResult Configure(int fd, int baudRate, int byteSize, int parity, int stopBits);

int Read(int fd, unsigned char* buffer, int count);
// Gives up after 2 ms plus 2 ms per byte when the line does not take the bytes.
int Write(int fd, const unsigned char* buffer, int count);
int InQueueCount(int fd);
void PurgeRx(int fd);
void PurgeTx(int fd);
// The device went away (unplugged converter, closed pseudo-terminal master).
bool HungUp(int fd);

// Sets a rate that has no B-constant; false when the driver refuses it.
bool SetArbitraryBaudRate(int fd, int baudRate);

}  // namespace posix_comm
