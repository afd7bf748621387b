#pragma once

#include <cstdint>
#include <span>
#include <string>

// What a file the program reads or writes holds, told from its name and bytes, for the
// command line's inspect: a settings file, a table file, a scope recording or a controller
// image.

enum class StoredFileKind { Settings, Table, Scope, Image, Unknown };

struct FileInspection {
  StoredFileKind kind = StoredFileKind::Unknown;
  int level = 0;       // of a settings file or a scope recording
  uint32_t areas = 0;  // the data areas (AreaBit) carried; a table file holds one of them
  std::string fault;   // empty for a file the program loads
  // Of a scope recording: its records, their size, and the bytes of a record cut off at the end.
  int records = 0;
  int recordSize = 0;
  int trailingBytes = 0;
};

// Everything but the identity is told by the file's name, its first bytes and its size.
inline constexpr size_t kInspectedHeaderSize = 16;
FileInspection InspectFile(const std::string& path, std::span<const uint8_t> header, size_t size);
FileInspection InspectFile(const std::string& path, std::span<const uint8_t> bytes);
const char* KindName(StoredFileKind kind);
