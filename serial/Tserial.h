#pragma once

#include <memory>
#include <string>
#include <vector>

#include "serial/BytePort.h"
#include "serial/Ftd2xx.h"
#include "serial/OpenError.h"
#include "serial/SerialDevicePort.h"

struct LineSettings;

// One entry of a connection menu's port list; the window turns it into a radio item of
// group 1 that checks itself when clicked.
struct PortEntry {
  std::string caption;
  int tag;  // the port number
  bool checked;
};

// The byte transport under both device links: a COM port or an FTDI converter (or a port
// attached in their place), opened, read and written without ever blocking on the line. It
// knows nothing of frames.
class TSerial {
 public:
  static constexpr int kFtdiBase = 1024;

  explicit TSerial(const std::string& ftdiLibraryName = ftdi::kDefaultLibraryName);
  virtual ~TSerial();
  TSerial(const TSerial&) = delete;
  TSerial& operator=(const TSerial&) = delete;

  // Selects port n (when n > 0) and opens it; n = -1 reopens the port already selected.
  bool PortOpen(int n);
  void PortOpenComm();
  bool PortOpenFtdiByDescription(const std::string& description);
  void PortClose();
  bool PortConnected() const;
  int PortRead(unsigned char* buffer, int count);
  int PortWrite(const unsigned char* buffer, int count);
  int PortInQueCount() const;
  void PortPurgeRx();
  void PortPurgeTx();
  // The administrator's step of the rate, kept within what the line can run at; returns the
  // new rate, which the next open applies.
  int StepBaudRate(int delta);
  // Closes whatever is open and puts port in its place, as if it had just been opened: tests
  // and fuzz targets run the links over a memory port this way.
  void PortAttach(std::unique_ptr<BytePort> port);

  // The port entries of a connection menu: FTDI devices first, then COM ports.
  std::vector<PortEntry> PortList(const std::string& root = "");
  // The default click of a connection-menu entry; entryTag is the entry's tag, which the
  // fixed Connect/Disconnect entry (tag below 1) rewrites.
  void PortOnClick(int& entryTag);

  // The open COM port's descriptor (a HANDLE on Windows), or SerialDevicePort::kNoHandle.
  SerialDevicePort::NativeHandle CommHandle() const;
  bool CommOpen() const { return SerialDevice() != nullptr; }
  // The open FTDI converter's handle, or null.
  ftdi::Handle FtdiHandle() const;

  std::unique_ptr<ftdi::Library> FtdiLibrary;
  std::string PortName = "Com1";
  bool JustOpened = false;
  int PortNumber = 0;
  int BaudRate = 38400;  // clamped at each open to kMinBaudRate..kMaxBaudRate
  unsigned char ByteSize = 8;
  unsigned char Parity = 0;
  int StopBits = 1;
  // Outcome of the last COM open: 0 ok, 1 the device could not be opened, 2 its line settings
  // could not be read, 3 they could not be applied.
  int OpenStatus = 0;
  // Why the last COM open failed (OpenStatus 1); an FTDI converter's library does not say.
  PortOpenError OpenError = PortOpenError::kNone;

 private:
  SerialDevicePort* SerialDevice() const;
  LineSettings Line() const;
  std::vector<PortEntry> FtdiEntries();
  std::vector<PortEntry> ComEntries(const std::string& root);

  // Declared after FtdiLibrary, so an FTDI port is closed before the library goes.
  std::unique_ptr<BytePort> port_;
};
