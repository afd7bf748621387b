#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whole files in and out. A read refuses what it cannot read, or what is not of the kind asked
// for, with a message naming the file and the cause; a write goes through ReplacingFile, so a
// crash or a full disk never leaves a half-written file behind.

struct FileResult {
  bool ok = true;
  std::string error;  // "<path>: <cause>" when not ok, the path shown as Printable shows it
  // A read refused for the file's size or header, not because it could not be read.
  bool wrongKind = false;
};

// What a reader knows of a kind of file before it reads one: its largest sensible size, and a
// check of the file's first bytes and its size that runs before the rest is read, so that a
// large file of another kind is refused at once.
struct FileKind {
  std::string name = "a file of its kind";  // as the message of a file too large says it
  size_t largest = 0;
  size_t headerSize = 0;
  // Why a file that begins with header (fewer bytes when the file is shorter) and has size
  // bytes is not of this kind; empty when it may be.
  std::function<std::string(std::span<const uint8_t> header, size_t size)> refuse = {};
};

// Reads a regular file of the kind whole.
FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                         const FileKind& kind);
// Reads a regular file of at most maxBytes.
FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                         size_t maxBytes = 64 * 1024 * 1024);

// Writes the file whole through ReplacingFile.
FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
FileResult WriteFileAtomically(const std::string& path, std::string_view text);

// Writes everything to a descriptor, retrying what the system took only in part; false with
// errno set when the system refused the rest.
bool WriteAll(int fd, const uint8_t* data, size_t size);
