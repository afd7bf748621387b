#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/FileIo.h"

// A file that grows while the program runs, such as a scope recording: created whole through
// ReplacingFile (so its creation refuses what ReplacingFile refuses), then appended to. Every
// append goes straight to the system, so a killed program loses nothing; the disk is synced at
// least once a second, so a power cut loses at most the last second.
class GrowingFile {
 public:
  GrowingFile() = default;
  GrowingFile(const GrowingFile&) = delete;
  GrowingFile& operator=(const GrowingFile&) = delete;
  ~GrowingFile() { Close(); }

  FileResult Create(const std::string& path, std::span<const uint8_t> start, int64_t nowMs);
  // nowMs: the caller's clock, which decides when the next sync is due.
  FileResult Append(std::span<const uint8_t> bytes, int64_t nowMs);
  // Syncs and closes the file; a failure of either (a full disk, an I/O error) is reported.
  FileResult Close();
  bool IsOpen() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }

 private:
  FileResult Failed() const;

  int fd_ = -1;
  std::string path_;
  int64_t lastSyncMs_ = 0;
};
