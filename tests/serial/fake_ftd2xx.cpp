// A stand-in for the vendor's D2XX library: the entry points the transport binds, over
// converters that exist only in memory. Built once complete and once without
// FT_GetDeviceInfoDetail. Tests steer it through the FakeFtdi_ functions.

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

using Status = uint32_t;
using Dword = uint32_t;
constexpr Status kOk = 0, kInvalidHandle = 1, kDeviceNotFound = 2, kOtherError = 18;

struct Device {
  std::string description, serial;
  bool open = false, unplugged = false;
  std::deque<unsigned char> toHost, fromHost;
};

std::vector<Device> devices;
int lastDivisor = -1;

Device* DeviceOf(void* handle) {
  const auto index = reinterpret_cast<uintptr_t>(handle);
  if (index == 0 || index > devices.size() || !devices[index - 1].open) return nullptr;
  return &devices[index - 1];
}

}  // namespace

extern "C" {

void FakeFtdi_Reset() {
  devices.clear();
  lastDivisor = -1;
}
void FakeFtdi_AddDevice(const char* description, const char* serial) {
  Device d;
  d.description = description;
  d.serial = serial;
  devices.push_back(d);
}
void FakeFtdi_Unplug(int index) {
  devices[index].unplugged = true;
}
int FakeFtdi_LastDivisor() {
  return lastDivisor;
}
void FakeFtdi_Feed(int index, const unsigned char* bytes, int count) {
  devices[index].toHost.insert(devices[index].toHost.end(), bytes, bytes + count);
}
int FakeFtdi_Take(int index, unsigned char* bytes, int max) {
  auto& q = devices[index].fromHost;
  int n = 0;
  for (; n < max && !q.empty(); ++n, q.pop_front())
    bytes[n] = q.front();
  return n;
}

Status FT_ListDevices(void* arg1, void* arg2, Dword flags) {
  if (flags & 0x80000000) {
    *static_cast<Dword*>(arg1) = static_cast<Dword>(devices.size());
    return kOk;
  }
  const auto index = reinterpret_cast<uintptr_t>(arg1);
  if (index >= devices.size()) return kDeviceNotFound;
  std::strcpy(static_cast<char*>(arg2), devices[index].description.c_str());
  return kOk;
}

Status FT_Open(int index, void** handle) {
  if (index < 0 || index >= static_cast<int>(devices.size()) || devices[index].unplugged)
    return kDeviceNotFound;
  devices[index].open = true;
  *handle = reinterpret_cast<void*>(static_cast<uintptr_t>(index + 1));
  return kOk;
}
Status FT_OpenEx(void*, Dword, void**) {
  return kOtherError;
}
Status FT_Close(void* handle) {
  Device* d = DeviceOf(handle);
  if (!d) return kInvalidHandle;
  d->open = false;
  return kOk;
}
Status FT_ResetDevice(void* handle) {
  return DeviceOf(handle) ? kOk : kInvalidHandle;
}
Status FT_SetDataCharacteristics(void* handle, unsigned char, unsigned char, unsigned char) {
  return DeviceOf(handle) ? kOk : kInvalidHandle;
}
Status FT_SetBaudRate(void*, Dword) {
  return kOtherError;
}
Status FT_SetDivisor(void* handle, uint16_t divisor) {
  if (!DeviceOf(handle)) return kInvalidHandle;
  lastDivisor = divisor;
  return kOk;
}
Status FT_GetQueueStatus(void* handle, Dword* count) {
  Device* d = DeviceOf(handle);
  if (!d) return kInvalidHandle;
  if (d->unplugged) return kDeviceNotFound;
  *count = static_cast<Dword>(d->toHost.size());
  return kOk;
}
Status FT_Read(void* handle, void* buffer, Dword count, Dword* read) {
  Device* d = DeviceOf(handle);
  if (!d || d->unplugged) return kDeviceNotFound;
  auto* out = static_cast<unsigned char*>(buffer);
  *read = 0;
  for (; *read < count && !d->toHost.empty(); ++*read, d->toHost.pop_front())
    out[*read] = d->toHost.front();
  return kOk;
}
Status FT_Write(void* handle, void* buffer, Dword count, Dword* written) {
  Device* d = DeviceOf(handle);
  if (!d || d->unplugged) return kDeviceNotFound;
  auto* in = static_cast<unsigned char*>(buffer);
  d->fromHost.insert(d->fromHost.end(), in, in + count);
  *written = count;
  return kOk;
}
Status FT_Purge(void* handle, Dword mask) {
  Device* d = DeviceOf(handle);
  if (!d) return kInvalidHandle;
  if (mask & 1) d->toHost.clear();
  if (mask & 2) d->fromHost.clear();
  return kOk;
}
Status FT_CreateDeviceInfoList(Dword* count) {
  *count = static_cast<Dword>(devices.size());
  return kOk;
}
Status FT_GetDeviceInfoList(void*, Dword*) {
  return kOtherError;
}

#ifndef FAKE_FTDI_INCOMPLETE
Status FT_GetDeviceInfoDetail(Dword index, Dword* flags, Dword* type, Dword* id, Dword* locId,
                              void* serial, void* description, void** handle) {
  if (index >= devices.size()) return kDeviceNotFound;
  *flags = *type = *id = *locId = 0;
  *handle = nullptr;
  std::strcpy(static_cast<char*>(serial), devices[index].serial.c_str());
  std::strcpy(static_cast<char*>(description), devices[index].description.c_str());
  return kOk;
}
#endif

}  // extern "C"
