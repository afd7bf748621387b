#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "files/FileIo.h"

// A file written under a unique name of its own in its target's folder and, once complete and
// synced to the disk, renamed over the target, so that a crash, a full disk or a failed write
// leaves the old file as it was. The temporary file is created new (never through a link and
// never over anything already there). The target must be a regular file or nothing: a folder,
// a device, a named pipe or a socket is refused, since renaming over one would replace it
// rather than write into it. A link to a regular file stays a link: the file it names is the
// one replaced, and keeps its permissions. A link that names nothing, or anything but a
// regular file, is refused.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  // An unfinished file is removed; the target stays as it was.
  ~ReplacingFile();

  // Checks the target and creates the temporary file beside it.
  FileResult Open(const std::string& path);
  // Appends; the first failure is kept for Finish to report. False once a write has failed.
  bool Write(std::span<const uint8_t> bytes);
  bool Write(std::string_view text);
  // Syncs the file, renames it over the target and syncs the folder.
  FileResult Finish();
  // The same, handing over the descriptor, still open for appending, in fd (-1 on failure).
  FileResult FinishKeepingOpen(int& fd);

 private:
  FileResult Failed(const std::string& cause) const;
  FileResult Replace();
  void Discard();

  std::string path_;    // as the caller named it, for messages
  std::string target_;  // the file replaced: path_, or the file a link at path_ names
  std::string temporary_;
  int fd_ = -1;
  int writeError_ = 0;
};
