#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole files in and out. A read refuses what it cannot read with a message naming the file
// and the cause; a write goes to a temporary file beside the target that is renamed over it,
// so a crash or a full disk never leaves a half-written file behind.

struct FileResult {
  bool ok = true;
  std::string error;  // "<path>: <cause>" when not ok
};

// Reads a regular file of at most maxBytes.
FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                         size_t maxBytes = 64 * 1024 * 1024);
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
FileResult WriteFileAtomically(const std::string& path, const std::string& text);
// The same, leaving the renamed file open for writing on; its descriptor in fd (-1 on failure).
FileResult WriteFileAtomicallyKeepOpen(const std::string& path, std::span<const uint8_t> bytes,
                                       int& fd);
// Writes everything to a descriptor, retrying what the system took only in part.
bool WriteAll(int fd, const uint8_t* data, size_t size);
