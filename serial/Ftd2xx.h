#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The FTDI D2XX library bound at run time. Only what the transport calls is typed here; the
// vendor's Linux library keeps the Windows calling shapes (DWORD is 32 bits, handles are
// pointers), and on 64-bit Windows there is one calling convention.
namespace ftdi {

using Handle = void*;
using Status = uint32_t;
using Dword = uint32_t;

inline constexpr Status kOk = 0;
inline constexpr Dword kListNumberOnly = 0x80000000;
inline constexpr Dword kListByIndex = 0x40000000;
inline constexpr Dword kOpenByDescription = 2;
inline constexpr Dword kPurgeRx = 1;
inline constexpr Dword kPurgeTx = 2;

inline constexpr int kSerialNumberSize = 16;
inline constexpr int kDescriptionSize = 64;

struct Api {
  Status (*ListDevicesCount)(void* count, void* unused, Dword flags);
  Status (*ListDevicesByIndex)(void* index, void* text, Dword flags);
  Status (*Open)(int index, Handle* handle);
  Status (*OpenEx)(void* arg, Dword flags, Handle* handle);
  Status (*Close)(Handle handle);
  Status (*ResetDevice)(Handle handle);
  Status (*SetDataCharacteristics)(Handle handle, uint8_t wordLength, uint8_t stopBits,
                                   uint8_t parity);
  Status (*SetBaudRate)(Handle handle, Dword rate);
  Status (*SetDivisor)(Handle handle, uint16_t divisor);
  Status (*Write)(Handle handle, void* buffer, Dword count, Dword* written);
  Status (*Read)(Handle handle, void* buffer, Dword count, Dword* read);
  Status (*GetQueueStatus)(Handle handle, Dword* count);
  Status (*Purge)(Handle handle, Dword mask);
  Status (*CreateDeviceInfoList)(Dword* count);
  Status (*GetDeviceInfoList)(void* list, Dword* count);
  Status (*GetDeviceInfoDetail)(Dword index, Dword* flags, Dword* type, Dword* id, Dword* locId,
                                void* serialNumber, void* description, Handle* handle);
};

// A loaded library with every entry point bound; dropping it unloads the library.
class Library {
 public:
  // Null when the library is absent or any one entry point is missing.
  static std::unique_ptr<Library> Load(const std::string& fileName);
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  const Api& api() const { return api_; }

 private:
  Library(void* module, const Api& api) : module_(module), api_(api) {}
  void* module_;
  Api api_;
};

#ifdef _WIN32
inline constexpr const char* kDefaultLibraryName = "ftd2xx.dll";
#else
inline constexpr const char* kDefaultLibraryName = "libftd2xx.so";
#endif

}  // namespace ftdi
