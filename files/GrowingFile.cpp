#include "files/GrowingFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/PrintableText.h"
#include "files/ReplacingFile.h"

namespace {
constexpr int64_t kSyncIntervalMs = 1000;
}  // namespace

FileResult GrowingFile::Create(const std::string& path, std::span<const uint8_t> start,
                               int64_t nowMs) {
  Close();
  ReplacingFile file;
  if (const FileResult opened = file.Open(path); !opened.ok) return opened;
  file.Write(start);
  const FileResult result = file.FinishKeepingOpen(fd_);
  if (result.ok) {
    path_ = path;
    lastSyncMs_ = nowMs;
  }
  return result;
}

FileResult GrowingFile::Append(std::span<const uint8_t> bytes, int64_t nowMs) {
  if (fd_ < 0) return {false, "no file open"};
  if (!WriteAll(fd_, bytes.data(), bytes.size())) return Failed();
  if (nowMs - lastSyncMs_ >= kSyncIntervalMs) {
    // Some file systems tell of a full disk only when the data goes to it.
    if (::fdatasync(fd_) != 0) return Failed();
    lastSyncMs_ = nowMs;
  }
  return {};
}

FileResult GrowingFile::Close() {
  if (fd_ < 0) return {};
  FileResult result = ::fdatasync(fd_) == 0 ? FileResult{} : Failed();
  if (::close(fd_) != 0 && result.ok) result = Failed();
  fd_ = -1;
  path_.clear();
  return result;
}

FileResult GrowingFile::Failed() const {
  return {false, Printable(path_) + ": " + std::strerror(errno)};
}
