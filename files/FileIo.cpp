#include "files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

FileResult Failed(const std::string& path, const std::string& cause) {
  return {false, path + ": " + cause};
}

FileResult FailedWithErrno(const std::string& path) {
  return Failed(path, std::strerror(errno));
}

}  // namespace

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FailedWithErrno(path);
  struct stat info {};
  FileResult result;
  if (::fstat(fd, &info) != 0) {
    result = FailedWithErrno(path);
  } else if (!S_ISREG(info.st_mode)) {
    result = Failed(path, S_ISDIR(info.st_mode) ? "is a folder, not a file" : "is not a file");
  } else if (static_cast<size_t>(info.st_size) > maxBytes) {
    result = Failed(path, "is too large (" + std::to_string(info.st_size) + " bytes)");
  } else {
    std::vector<uint8_t> read(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < read.size()) {
      const ssize_t n = ::read(fd, read.data() + done, read.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    if (done != read.size())
      result = Failed(path, "could not be read whole");
    else
      bytes = std::move(read);
  }
  ::close(fd);
  return result;
}

FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  int fd = -1;
  const FileResult result = WriteFileAtomicallyKeepOpen(path, bytes, fd);
  if (result.ok) ::close(fd);
  return result;
}

FileResult WriteFileAtomicallyKeepOpen(const std::string& path, std::span<const uint8_t> bytes,
                                       int& fd) {
  const std::string temporary = path + ".tmp";
  fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return FailedWithErrno(path);
  const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  const int writeError = errno;
  if (!written) {
    ::close(fd);
    fd = -1;
    ::unlink(temporary.c_str());
    return Failed(path, std::strerror(writeError));
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const FileResult failed = FailedWithErrno(path);
    ::close(fd);
    fd = -1;
    ::unlink(temporary.c_str());
    return failed;
  }
  return {};
}

FileResult WriteFileAtomically(const std::string& path, const std::string& text) {
  return WriteFileAtomically(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}
