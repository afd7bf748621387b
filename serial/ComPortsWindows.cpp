#include <windows.h>
// After windows.h: these need its types.
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "serial/ComPorts.h"

// Windows names its serial ports itself: COM n is the port n, listed under SERIALCOMM in the
// registry, with the friendly name its driver gives it ("USB Serial Port (COM3)").

namespace {

constexpr int kLastComNumber = 1023;

std::string Narrow(const std::wstring& wide) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                        nullptr, nullptr);
  return text;
}

// "COM12" gives 12; anything else 0.
int NumberOfName(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (name.rfind("COM", 0) != 0 || name.size() < 4 || name.size() > 7) return 0;
  int value = 0;
  for (char c : name.substr(3)) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    value = value * 10 + (c - '0');
  }
  return value <= kLastComNumber ? value : 0;
}

std::wstring RegistryText(HKEY key, const wchar_t* name) {
  wchar_t data[256] = {};
  DWORD size = sizeof data - sizeof(wchar_t), type = 0;
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return {};
  return data;
}

// The port names the system has now, as SERIALCOMM lists them ("COM3").
std::vector<std::string> RegisteredPortNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    wchar_t valueName[256];
    DWORD nameSize = 256, type = 0;
    wchar_t data[64] = {};
    DWORD dataSize = sizeof data - sizeof(wchar_t);
    const LONG status = ::RegEnumValueW(key, i, valueName, &nameSize, nullptr, &type,
                                        reinterpret_cast<BYTE*>(data), &dataSize);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_SUCCESS && type == REG_SZ) names.push_back(Narrow(data));
  }
  ::RegCloseKey(key);
  return names;
}

// Friendly names of the ports whose drivers give one, by COM number.
std::map<int, std::string> FriendlyNames() {
  std::map<int, std::string> names;
  const HDEVINFO devices = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr,
                                                  DIGCF_PRESENT);
  if (devices == INVALID_HANDLE_VALUE) return names;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD i = 0; ::SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
    const HKEY key =
        ::SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) continue;
    const int number = NumberOfName(Narrow(RegistryText(key, L"PortName")));
    ::RegCloseKey(key);
    wchar_t friendly[256] = {};
    if (number > 0 && ::SetupDiGetDeviceRegistryPropertyW(
                          devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                          reinterpret_cast<BYTE*>(friendly), sizeof friendly - sizeof(wchar_t),
                          nullptr))
      names[number] = Narrow(friendly);
  }
  ::SetupDiDestroyDeviceInfoList(devices);
  return names;
}

}  // namespace

// COM9 opens as "COM9"; from COM10 on only the device namespace knows the name.
std::string ComDevicePath(int n) {
  if (n < 1 || n > kLastComNumber) return {};
  return (n > 9 ? "\\\\.\\COM" : "COM") + std::to_string(n);
}

int ComPortNumber(const std::string& path) {
  const std::string deviceNamespace = "\\\\.\\";
  return NumberOfName(path.rfind(deviceNamespace, 0) == 0 ? path.substr(deviceNamespace.size())
                                                          : path);
}

// root describes a machine of the tests' own on other systems; Windows keeps its list in the
// registry, which has no such stand-in.
std::vector<ComPort> PresentComPorts(const std::string&) {
  std::vector<ComPort> ports;
  const std::map<int, std::string> friendly = FriendlyNames();
  for (const std::string& name : RegisteredPortNames()) {
    const int number = NumberOfName(name);
    if (number == 0) continue;
    const auto found = friendly.find(number);
    ports.push_back({number, found != friendly.end() ? found->second : std::string()});
  }
  std::sort(ports.begin(), ports.end(),
            [](const ComPort& a, const ComPort& b) { return a.number < b.number; });
  return ports;
}
