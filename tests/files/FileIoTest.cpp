// Whole-file reads: what is not a plain file, and files refused by their size and their first
// bytes before the rest of them is read.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <limits>

#include "files/FileIo.h"
#include "files/PrintableText.h"
#include "tests/support/TempFolder.h"

namespace {

// A file of size bytes that takes no room on the disk: zeros, except what begins it.
std::string SparseFile(const TempFolder& folder, const std::string& name, off_t size,
                       const std::string& start = {}) {
  const std::string path = folder.File(name);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(::write(fd, start.data(), start.size()), static_cast<ssize_t>(start.size()));
  EXPECT_EQ(::ftruncate(fd, size), 0);
  ::close(fd);
  return path;
}

// A kind of file that begins with "MAGIC": the check sees what it was handed.
struct MagicKind {
  size_t headerSeen = 0;
  size_t sizeSeen = 0;
  int checks = 0;

  FileKind Kind(size_t largest) {
    return {.name = "a magic file",
            .largest = largest,
            .headerSize = 16,
            .refuse = [this](std::span<const uint8_t> header, size_t size) {
              ++checks;
              headerSeen = header.size();
              sizeSeen = size;
              const bool magic = header.size() >= 5 && std::memcmp(header.data(), "MAGIC", 5) == 0;
              return magic ? std::string() : std::string("does not begin with MAGIC");
            }};
  }
};

// Nothing may ever write into the pipe: the read must not wait for it.
TEST(FileIoTest, NamedPipeIsRefusedAtOnce) {
  TempFolder folder("malver-fileio");
  const std::string pipe = folder.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::vector<uint8_t> bytes = {1};
  const FileResult read = ReadWholeFile(pipe, bytes);
  EXPECT_FALSE(read.ok);
  EXPECT_FALSE(read.wrongKind);
  EXPECT_EQ(read.error, pipe + ": is not a file");
  EXPECT_EQ(bytes, std::vector<uint8_t>{1}) << "nothing read, nothing changed";
}

TEST(FileIoTest, FolderAndDeviceAreRefused) {
  TempFolder folder("malver-fileio-folder");
  std::vector<uint8_t> bytes;
  EXPECT_EQ(ReadWholeFile(folder.Path(), bytes).error, folder.Path() + ": is a folder, not a file");
  EXPECT_EQ(ReadWholeFile("/dev/zero", bytes).error, "/dev/zero: is not a file");
}

// A terabyte of zeros read whole would take the machine's memory: the first bytes refuse it.
TEST(FileIoTest, FileOfAnotherKindIsRefusedByItsFirstBytesBeforeTheRestIsRead) {
  TempFolder folder("malver-fileio-header");
  const off_t terabyte = off_t{1} << 40;
  const std::string path = SparseFile(folder, "zeros", terabyte);
  MagicKind magic;
  std::vector<uint8_t> bytes = {7};
  const FileResult read =
      ReadWholeFile(path, bytes, magic.Kind(std::numeric_limits<size_t>::max()));
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.wrongKind);
  EXPECT_EQ(read.error, path + ": does not begin with MAGIC");
  EXPECT_EQ(magic.headerSeen, 16u);
  EXPECT_EQ(magic.sizeSeen, static_cast<size_t>(terabyte));
  EXPECT_EQ(bytes, std::vector<uint8_t>{7});
}

// Its first bytes say what it is; its size, that it is not one of them.
TEST(FileIoTest, FileLargerThanItsKindIsRefusedAfterItsFirstBytes) {
  TempFolder folder("malver-fileio-size");
  const std::string path = SparseFile(folder, "big", off_t{1} << 40, "MAGIC");
  MagicKind magic;
  std::vector<uint8_t> bytes;
  const FileResult read = ReadWholeFile(path, bytes, magic.Kind(6144));
  EXPECT_TRUE(read.wrongKind);
  EXPECT_EQ(read.error, path + ": 1099511627776 bytes, more than a magic file has (6144 bytes)");
  EXPECT_EQ(magic.checks, 1);
  EXPECT_TRUE(bytes.empty());
}

TEST(FileIoTest, FileOfTheKindIsReadWhole) {
  TempFolder folder("malver-fileio-whole");
  struct Case {
    std::string content;
    size_t header;  // bytes the check is handed
    bool ok;
  };
  const Case cases[] = {
      {"MAGIC and what follows it, beyond the first sixteen bytes", 16, true},
      {"MAGIC", 5, true},  // shorter than a header: the check has all of it
      {"MAGIC, exactly 16", 16, true},
      {"", 0, false},
      {"NOT MAGIC", 9, false},
  };
  for (const Case& c : cases) {
    const std::string path =
        SparseFile(folder, "file", static_cast<off_t>(c.content.size()), c.content);
    MagicKind magic;
    std::vector<uint8_t> bytes;
    const FileResult read = ReadWholeFile(path, bytes, magic.Kind(1024));
    EXPECT_EQ(read.ok, c.ok) << c.content;
    EXPECT_EQ(read.wrongKind, !c.ok) << c.content;
    EXPECT_EQ(magic.headerSeen, c.header) << c.content;
    if (c.ok) {
      EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.content);
    }
  }
}

TEST(PrintableTextTest, ControlCharactersAreEscaped) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"drive.osc", "drive.osc"},
      {"a\nb.set", "a\\nb.set"},
      {"tab\there\r", "tab\\there\\r"},
      {std::string("nul\0cut", 7), "nul\\0cut"},
      {"\x1b[31mred\x7f", "\\x1b[31mred\\x7f"},
      {"Zażółć gęślą.set", "Zażółć gęślą.set"},  // UTF-8 stays as it is
      {"C:\\Users\\x", "C:\\Users\\x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Printable(c.text), c.shown) << c.shown;
    EXPECT_EQ(Printable(Printable(c.text)), c.shown) << "escaping twice changes nothing more";
  }
}

}  // namespace
