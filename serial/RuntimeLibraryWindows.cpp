#include <windows.h>

#include "serial/RuntimeLibrary.h"

namespace {

std::wstring Wide(const std::string& utf8) {
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

}  // namespace

void* LoadRuntimeLibrary(const std::string& fileName) {
  return ::LoadLibraryW(Wide(fileName).c_str());
}

void* RuntimeLibrarySymbol(void* module, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name));
}

void UnloadRuntimeLibrary(void* module) {
  ::FreeLibrary(static_cast<HMODULE>(module));
}
