#include "serial/ComPorts.h"
#include "serial/Tserial.h"

std::vector<PortEntry> TSerial::PortList(const std::string& root) {
  std::vector<PortEntry> entries = FtdiEntries();
  std::vector<PortEntry> com = ComEntries(root);
  entries.insert(entries.end(), com.begin(), com.end());
  return entries;
}

// The port last used is marked " (*)" while closed and checked while open.
std::vector<PortEntry> TSerial::FtdiEntries() {
  std::vector<PortEntry> entries;
  if (!FtdiLibrary) return entries;
  const ftdi::Api& f = FtdiLibrary->api();
  ftdi::Dword count = 0, listed = 0;
  f.ListDevicesCount(&count, nullptr, ftdi::kListNumberOnly);
  f.CreateDeviceInfoList(&listed);
  const bool connected = FtdiHandle() && PortConnected();
  for (ftdi::Dword i = 0; i < count; ++i) {
    ftdi::Dword flags = 0, type = 0, id = 0, locId = 0;
    char serial[ftdi::kSerialNumberSize + 1] = {};
    char description[ftdi::kDescriptionSize + 1] = {};
    ftdi::Handle handle = nullptr;
    f.GetDeviceInfoDetail(i, &flags, &type, &id, &locId, serial, description, &handle);
    const std::string serialText(serial), descriptionText(description);
    PortEntry e;
    e.caption = (!serialText.empty() && !descriptionText.empty())
                    ? descriptionText + " - " + serialText
                    : "FTDI " + std::to_string(i);
    e.tag = kFtdiBase + static_cast<int>(i);
    e.checked = connected && e.tag == PortNumber;
    if (!connected && e.tag == PortNumber) e.caption += " (*)";
    entries.push_back(e);
  }
  return entries;
}

std::vector<PortEntry> TSerial::ComEntries(const std::string& root) {
  std::vector<PortEntry> entries;
  for (const ComPort& port : PresentComPorts(root)) {
    PortEntry e;
    e.caption = "COM" + std::to_string(port.number);
    if (!port.device.empty()) e.caption += " - " + port.device;
    e.tag = port.number;
    e.checked = CommOpen() && port.number == PortNumber;
    if (!CommOpen() && port.number == PortNumber) e.caption += " (*)";
    entries.push_back(e);
  }
  return entries;
}
