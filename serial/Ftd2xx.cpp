#include "serial/Ftd2xx.h"

#include "serial/RuntimeLibrary.h"

namespace ftdi {

namespace {

template <typename F>
bool Bind(void* module, const char* name, F& entry) {
  entry = reinterpret_cast<F>(RuntimeLibrarySymbol(module, name));
  return entry != nullptr;
}

}  // namespace

std::unique_ptr<Library> Library::Load(const std::string& fileName) {
  void* module = LoadRuntimeLibrary(fileName);
  if (!module) return nullptr;
  Api a{};
  // FT_ListDevices serves both as the counting and as the listing call.
  const bool complete =
      Bind(module, "FT_ListDevices", a.ListDevicesCount) &&
      Bind(module, "FT_ListDevices", a.ListDevicesByIndex) && Bind(module, "FT_Open", a.Open) &&
      Bind(module, "FT_OpenEx", a.OpenEx) && Bind(module, "FT_Close", a.Close) &&
      Bind(module, "FT_ResetDevice", a.ResetDevice) &&
      Bind(module, "FT_SetDataCharacteristics", a.SetDataCharacteristics) &&
      Bind(module, "FT_SetBaudRate", a.SetBaudRate) &&
      Bind(module, "FT_SetDivisor", a.SetDivisor) && Bind(module, "FT_Write", a.Write) &&
      Bind(module, "FT_Read", a.Read) && Bind(module, "FT_GetQueueStatus", a.GetQueueStatus) &&
      Bind(module, "FT_Purge", a.Purge) &&
      Bind(module, "FT_CreateDeviceInfoList", a.CreateDeviceInfoList) &&
      Bind(module, "FT_GetDeviceInfoList", a.GetDeviceInfoList) &&
      Bind(module, "FT_GetDeviceInfoDetail", a.GetDeviceInfoDetail);
  if (!complete) {
    UnloadRuntimeLibrary(module);
    return nullptr;
  }
  return std::unique_ptr<Library>(new Library(module, a));
}

Library::~Library() {
  UnloadRuntimeLibrary(module_);
}

}  // namespace ftdi
