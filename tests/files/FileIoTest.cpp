// Whole-file reads of what is not a plain file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/FileIo.h"
#include "tests/support/TempFolder.h"

namespace {

// Nothing may ever write into the pipe: the read must not wait for it.
TEST(FileIoTest, NamedPipeIsRefusedAtOnce) {
  TempFolder folder("malver-fileio");
  const std::string pipe = folder.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::vector<uint8_t> bytes = {1};
  const FileResult read = ReadWholeFile(pipe, bytes);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.error, pipe + ": is not a file");
  EXPECT_EQ(bytes, std::vector<uint8_t>{1}) << "nothing read, nothing changed";
}

TEST(FileIoTest, FolderIsRefused) {
  TempFolder folder("malver-fileio-folder");
  std::vector<uint8_t> bytes;
  const FileResult read = ReadWholeFile(folder.Path(), bytes);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.error, folder.Path() + ": is a folder, not a file");
}

}  // namespace
