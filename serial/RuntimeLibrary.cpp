#include "serial/RuntimeLibrary.h"

#include <dlfcn.h>

void* LoadRuntimeLibrary(const std::string& fileName) {
  return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* RuntimeLibrarySymbol(void* module, const char* name) {
  return dlsym(module, name);
}

void UnloadRuntimeLibrary(void* module) {
  dlclose(module);
}
