#pragma once

#include <string>

// A shared library loaded while the program runs, so that its absence costs only what it offers
// (the FTDI converters). One file per system: dlopen here, LoadLibraryW on Windows.

// The loaded module, or null when it cannot be loaded. fileName is UTF-8.
void* LoadRuntimeLibrary(const std::string& fileName);
// The entry point's address, or null.
void* RuntimeLibrarySymbol(void* module, const char* name);
void UnloadRuntimeLibrary(void* module);
