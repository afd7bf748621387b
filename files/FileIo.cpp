#include "files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/PrintableText.h"
#include "files/ReplacingFile.h"

namespace {

FileResult Failed(const std::string& path, const std::string& cause) {
  return {false, Printable(path) + ": " + cause};
}

FileResult WrongKind(const std::string& path, const std::string& cause) {
  return {false, Printable(path) + ": " + cause, true};
}

// Reads exactly size bytes; false when the file ends first or the system refuses.
bool ReadExactly(int fd, uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::read(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// The header is read and judged first, then the size: a file of another kind, or too large for
// its kind, is refused without its rest ever being read.
FileResult ReadOpenFile(int fd, const std::string& path, std::vector<uint8_t>& bytes,
                        const FileKind& kind) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Failed(path, std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return Failed(path, "is a folder, not a file");
  if (!S_ISREG(info.st_mode)) return Failed(path, "is not a file");
  const auto size = static_cast<size_t>(info.st_size);
  std::vector<uint8_t> read(std::min(size, kind.headerSize));
  if (!ReadExactly(fd, read.data(), read.size())) return Failed(path, "could not be read whole");
  if (kind.refuse)
    if (const std::string cause = kind.refuse(read, size); !cause.empty())
      return WrongKind(path, cause);
  if (size > kind.largest)
    return WrongKind(path, std::to_string(size) + " bytes, more than " + kind.name + " has (" +
                               std::to_string(kind.largest) + " bytes)");
  const size_t headerRead = read.size();
  read.resize(size);
  if (!ReadExactly(fd, read.data() + headerRead, size - headerRead))
    return Failed(path, "could not be read whole");
  bytes = std::move(read);
  return {};
}

}  // namespace

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                         const FileKind& kind) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer that may never come.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Failed(path, std::strerror(errno));
  const FileResult result = ReadOpenFile(fd, path, bytes, kind);
  ::close(fd);
  return result;
}

FileResult ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes) {
  return ReadWholeFile(path, bytes, FileKind{.largest = maxBytes});
}

FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  ReplacingFile file;
  if (const FileResult opened = file.Open(path); !opened.ok) return opened;
  file.Write(bytes);
  return file.Finish();
}

FileResult WriteFileAtomically(const std::string& path, std::string_view text) {
  return WriteFileAtomically(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}
