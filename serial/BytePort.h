#pragma once

// What carries the transport's bytes while a port is open: a serial device, an FTDI converter,
// or memory standing in for a line. Destroying it closes it. No call waits for the line.
class BytePort {
 public:
  BytePort() = default;
  virtual ~BytePort() = default;
  BytePort(const BytePort&) = delete;
  BytePort& operator=(const BytePort&) = delete;

  // Bytes read (at most count, only what has arrived), or -1 when the port failed.
  virtual int Read(unsigned char* buffer, int count) = 0;
  // Bytes the line took, or -1.
  virtual int Write(const unsigned char* buffer, int count) = 0;
  // Bytes waiting to be read, or -1.
  virtual int InQueueCount() const = 0;
  virtual void PurgeRx() = 0;
  virtual void PurgeTx() = 0;
  // False once the device behind the port has gone away.
  virtual bool Connected() const = 0;
};
