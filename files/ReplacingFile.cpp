#include "files/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include "files/PrintableText.h"

namespace {

// Tries of a fresh name before giving up: each one taken already is someone else's file.
constexpr int kNameAttempts = 100;
// Room for the temporary name's additions within the system's longest file name.
constexpr size_t kLongestNamePart = 200;
constexpr mode_t kNewFileMode = 0644;

struct Target {
  std::string path;     // the file that is replaced
  bool exists = false;  // and its permissions, when it exists
  mode_t mode = 0;
  std::string refusal;  // why nothing may be written there; empty when it may
  int error = 0;        // errno of a failure to look
};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string KindRefusal(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder, not a file";
  return S_ISREG(mode) ? std::string() : "is not a file";
}

Target Missing(const std::string& path) {
  Target target;
  target.path = path;
  return target;
}

Target Refused(const std::string& path, const std::string& refusal) {
  Target target = Missing(path);
  target.refusal = refusal;
  return target;
}

Target LookFailed(const std::string& path) {
  Target target = Missing(path);
  target.error = errno;
  return target;
}

Target Existing(const std::string& path, const struct stat& info) {
  Target target = Refused(path, KindRefusal(info.st_mode));
  target.exists = true;
  target.mode = static_cast<mode_t>(info.st_mode & 07777);
  return target;
}

// The file a write to path replaces, or why it may not.
Target TargetOf(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? Missing(path) : LookFailed(path);
  if (!S_ISLNK(info.st_mode)) return Existing(path, info);
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved)
    return errno == ENOENT ? Refused(path, "is a link that names no file") : LookFailed(path);
  const std::string named = resolved;
  std::free(resolved);
  if (::stat(named.c_str(), &info) != 0) return LookFailed(path);
  Target target = Existing(named, info);
  if (!target.refusal.empty())
    target.refusal = "is a link to " + Printable(named) + ", which " + target.refusal;
  return target;
}

// A name no one is likely to have taken; the exclusive create below makes sure of it.
std::string TemporaryNameFor(const std::string& target) {
  thread_local unsigned counter = 0;
  thread_local std::mt19937 random{std::random_device{}()};
  const std::string name = NameOf(target).substr(0, kLongestNamePart);
  const std::string folder = FolderOf(target);
  return (folder == "/" ? "" : folder) + "/." + name + "." + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + "-" + std::to_string(random()) + ".tmp";
}

// Nothing already at the name is ever opened: neither a file nor a link planted there.
int CreateTemporary(const std::string& target, std::string& temporary) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = TemporaryNameFor(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The rename is on the disk only once the folder that holds the name is. A file system that
// cannot sync a folder has nothing to sync.
bool SyncFolder(const std::string& file) {
  const int fd = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  const int error = errno;
  ::close(fd);
  errno = error;
  return synced;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
  Discard();
}

FileResult ReplacingFile::Failed(const std::string& cause) const {
  return {false, Printable(path_) + ": " + cause};
}

FileResult ReplacingFile::Open(const std::string& path) {
  Discard();
  path_ = path;
  const Target target = TargetOf(path);
  if (target.error != 0) return Failed(std::strerror(target.error));
  if (!target.refusal.empty()) return Failed(target.refusal);
  target_ = target.path;
  fd_ = CreateTemporary(target_, temporary_);
  if (fd_ < 0) {
    const FileResult failed = Failed(std::strerror(errno));
    temporary_.clear();
    return failed;
  }
  // A file replaced keeps who may read it: a private record stays private.
  if (target.exists) ::fchmod(fd_, target.mode);
  writeError_ = 0;
  return {};
}

bool ReplacingFile::Write(std::span<const uint8_t> bytes) {
  if (fd_ < 0 || writeError_ != 0) return false;
  if (!WriteAll(fd_, bytes.data(), bytes.size())) writeError_ = errno;
  return writeError_ == 0;
}

bool ReplacingFile::Write(std::string_view text) {
  return Write({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

FileResult ReplacingFile::Finish() {
  int fd = -1;
  const FileResult result = FinishKeepingOpen(fd);
  if (!result.ok) return result;
  if (::close(fd) != 0) return Failed(std::strerror(errno));
  return {};
}

FileResult ReplacingFile::FinishKeepingOpen(int& fd) {
  fd = -1;
  const FileResult replaced = Replace();
  if (!replaced.ok) {
    Discard();
    return replaced;
  }
  fd = fd_;
  fd_ = -1;
  return {};
}

FileResult ReplacingFile::Replace() {
  if (fd_ < 0) return Failed("no file open");
  if (writeError_ != 0) return Failed(std::strerror(writeError_));
  if (::fsync(fd_) != 0) return Failed(std::strerror(errno));
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Failed(std::strerror(errno));
  temporary_.clear();
  if (!SyncFolder(target_))
    return Failed(std::string("written, but its folder could not be synced: ") +
                  std::strerror(errno));
  return {};
}

void ReplacingFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}
