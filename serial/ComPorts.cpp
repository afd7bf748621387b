#include "serial/ComPorts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Each family of devices owns a block of numbers: COM first + k is <prefix>k.
struct DeviceFamily {
  const char* prefix;  // below /dev
  int first;
  int count;
};

constexpr DeviceFamily kFamilies[] = {
    {"ttyS", 1, 99},      // onboard ports: ttyS0 is COM1, as on the PCs installers know
    {"ttyUSB", 101, 99},  // USB serial converters
    {"ttyACM", 201, 99},  // USB modems and CDC devices
    {"pts/", 301, 723},   // pseudo-terminals, e.g. the simulated controller
};

bool ParseIndex(const std::string& text, int& value) {
  if (text.empty() || text.size() > 4) return false;
  value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

int NumberOfDevice(const std::string& device) {
  for (const DeviceFamily& f : kFamilies) {
    const std::string prefix = f.prefix;
    int index = 0;
    if (device.rfind(prefix, 0) == 0 && ParseIndex(device.substr(prefix.size()), index) &&
        index < f.count)
      return f.first + index;
  }
  return 0;
}

std::string ReadFirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// An onboard ttyS node exists whether or not a UART sits behind it; serial_core reports
// type 0 for an empty slot.
bool OnboardPortFitted(const fs::path& sysEntry) {
  const std::string type = ReadFirstLine(sysEntry / "type");
  return !type.empty() && type != "0";
}

}  // namespace

std::string ComDevicePath(int n) {
  for (const DeviceFamily& f : kFamilies)
    if (n >= f.first && n < f.first + f.count)
      return std::string("/dev/") + f.prefix + std::to_string(n - f.first);
  return {};
}

int ComPortNumber(const std::string& path) {
  std::error_code error;
  fs::path resolved = fs::canonical(path, error);
  if (error) resolved = path;
  const std::string text = resolved.string();
  const std::string dev = "/dev/";
  if (text.rfind(dev, 0) != 0) return 0;
  return NumberOfDevice(text.substr(dev.size()));
}

std::vector<ComPort> PresentComPorts(const std::string& root) {
  std::vector<ComPort> ports;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(root + "/sys/class/tty", error)) {
    const std::string name = entry.path().filename().string();
    const int number = NumberOfDevice(name);
    if (number == 0) continue;
    if (name.rfind("ttyS", 0) == 0 && !OnboardPortFitted(entry.path())) continue;
    ports.push_back({number, name});
  }
  for (const auto& entry : fs::directory_iterator(root + "/dev/pts", error)) {
    const std::string name = "pts/" + entry.path().filename().string();
    if (const int number = NumberOfDevice(name)) ports.push_back({number, name});
  }
  std::sort(ports.begin(), ports.end(),
            [](const ComPort& a, const ComPort& b) { return a.number < b.number; });
  return ports;
}
