// Writes through a temporary file renamed over the target: what may stand at the target and
// what is refused, for a whole file and for a recording that grows; a failed write keeps the
// old file; nothing is ever left beside it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "files/FileIo.h"
#include "files/GrowingFile.h"
#include "files/ReplacingFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kNew = "new contents\n";
const std::string kOld = "old contents\n";

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Put(const std::string& path, const std::string& text) {
  ASSERT_TRUE(WriteFileAtomically(path, text).ok);
}

std::set<std::string> Names(const TempFolder& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(folder.Path()))
    names.insert(e.path().filename().string());
  return names;
}

// What stands at the name written to, and what must hold afterwards.
struct Target {
  std::string name;
  // Makes what stands there; returns the path written to.
  std::function<std::string(const TempFolder&)> make;
  std::string refusal;  // the message's end when the write is refused; empty when it succeeds
  // Holds after the write, whether it succeeded or not.
  std::function<void(const TempFolder&, const std::string& path)> check;
};

std::string Link(const TempFolder& f, const std::string& to, const std::string& name) {
  fs::create_symlink(to, f.File(name));
  return f.File(name);
}

const Target kTargets[] = {
    {"RegularFile",
     [](const TempFolder& f) {
       Put(f.File("out"), kOld);
       return f.File("out");
     },
     "", [](const TempFolder&, const std::string& path) { EXPECT_EQ(Contents(path), kNew); }},
    {"Missing", [](const TempFolder& f) { return f.File("out"); }, "",
     [](const TempFolder&, const std::string& path) { EXPECT_EQ(Contents(path), kNew); }},
    {"NullDevice", [](const TempFolder&) { return std::string("/dev/null"); }, ": is not a file",
     [](const TempFolder&, const std::string& path) { EXPECT_TRUE(fs::is_character_file(path)); }},
    {"FullDevice", [](const TempFolder&) { return std::string("/dev/full"); }, ": is not a file",
     [](const TempFolder&, const std::string& path) { EXPECT_TRUE(fs::is_character_file(path)); }},
    {"NamedPipe",
     [](const TempFolder& f) {
       EXPECT_EQ(::mkfifo(f.File("pipe").c_str(), 0600), 0);
       return f.File("pipe");
     },
     ": is not a file",
     [](const TempFolder&, const std::string& path) { EXPECT_TRUE(fs::is_fifo(path)); }},
    {"Folder",
     [](const TempFolder& f) {
       fs::create_directory(f.File("folder"));
       return f.File("folder");
     },
     ": is a folder, not a file",
     [](const TempFolder&, const std::string& path) { EXPECT_TRUE(fs::is_directory(path)); }},
    // The old temporary name: whatever a link planted there names is never touched.
    {"LinkAtTheOldTemporaryName",
     [](const TempFolder& f) {
       Put(f.File("victim"), kOld);
       Link(f, f.File("victim"), "out.tmp");
       return f.File("out");
     },
     "",
     [](const TempFolder& f, const std::string& path) {
       EXPECT_EQ(Contents(path), kNew);
       EXPECT_EQ(Contents(f.File("victim")), kOld);
       EXPECT_TRUE(fs::is_symlink(f.File("out.tmp")));
     }},
    {"LinkToAFile",
     [](const TempFolder& f) {
       fs::create_directory(f.File("elsewhere"));
       Put(f.File("elsewhere/named"), kOld);
       return Link(f, "elsewhere/named", "out");
     },
     "",
     [](const TempFolder& f, const std::string& path) {
       EXPECT_TRUE(fs::is_symlink(path)) << "the link stays a link";
       EXPECT_EQ(Contents(f.File("elsewhere/named")), kNew);
       EXPECT_EQ(fs::directory_iterator(f.File("elsewhere"))->path().filename(), "named")
           << "and nothing is left beside the file it names";
     }},
    {"LinkToAPipe",
     [](const TempFolder& f) {
       EXPECT_EQ(::mkfifo(f.File("pipe").c_str(), 0600), 0);
       return Link(f, f.File("pipe"), "out");
     },
     ", which is not a file",
     [](const TempFolder& f, const std::string&) { EXPECT_TRUE(fs::is_fifo(f.File("pipe"))); }},
    {"LinkToNothing", [](const TempFolder& f) { return Link(f, f.File("gone"), "out"); },
     ": is a link that names no file",
     [](const TempFolder& f, const std::string&) { EXPECT_FALSE(fs::exists(f.File("gone"))); }},
};

void PrintTo(const Target& target, std::ostream* out) {
  *out << target.name;
}

// Both writers refuse and replace alike: a whole file, and a recording's start.
struct Writer {
  std::string name;
  std::function<FileResult(const std::string& path)> write;
};

const Writer kWriters[] = {
    {"WholeFile", [](const std::string& path) { return WriteFileAtomically(path, kNew); }},
    {"GrowingFile",
     [](const std::string& path) {
       GrowingFile file;
       const std::string half = kNew.substr(0, 4);
       FileResult created =
           file.Create(path, {reinterpret_cast<const uint8_t*>(half.data()), half.size()}, 0);
       if (!created.ok) return created;
       const std::string rest = kNew.substr(4);
       return file.Append({reinterpret_cast<const uint8_t*>(rest.data()), rest.size()}, 0);
     }},
};

class ReplacingFileTest : public ::testing::TestWithParam<std::tuple<Target, Writer>> {};

TEST_P(ReplacingFileTest, ReplacesOnlyAFileAndLeavesNothingBeside) {
  const auto& [target, writer] = GetParam();
  TempFolder folder("malver-replacing");
  const std::string path = target.make(folder);
  const std::set<std::string> before = Names(folder);
  const FileResult written = writer.write(path);
  EXPECT_EQ(written.ok, target.refusal.empty()) << written.error;
  if (!target.refusal.empty()) {
    EXPECT_EQ(written.error.rfind(path, 0), 0u) << written.error;
    EXPECT_TRUE(written.error.ends_with(target.refusal)) << written.error;
  }
  target.check(folder, path);
  std::set<std::string> after = Names(folder);
  after.insert("out");  // a missing target is created
  std::set<std::string> expected = before;
  expected.insert("out");
  EXPECT_EQ(after, expected) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Targets, ReplacingFileTest,
                         ::testing::Combine(::testing::ValuesIn(kTargets),
                                            ::testing::ValuesIn(kWriters)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
                         });

TEST(ReplacingFileFailureTest, FailedWriteIsReportedAndKeepsTheOldFile) {
  TempFolder folder("malver-replacing-full");
  const std::string path = folder.File("out");
  Put(path, kOld);
  const std::string large(64 * 1024, 'x');
  FileResult written;
  {
    const FileSizeLimit limit(4096);
    written = WriteFileAtomically(path, large);
  }
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.error, path + ": File too large");
  EXPECT_EQ(Contents(path), kOld);
  EXPECT_EQ(Names(folder), std::set<std::string>{"out"});
}

TEST(ReplacingFileFailureTest, StreamedWriteStopsAtTheFirstFailure) {
  TempFolder folder("malver-replacing-stream");
  const std::string path = folder.File("out");
  ReplacingFile file;
  ASSERT_TRUE(file.Open(path).ok);
  const std::string piece(4096, 'x');
  FileResult finished;
  {
    const FileSizeLimit limit(6000);
    EXPECT_TRUE(file.Write(piece));
    EXPECT_FALSE(file.Write(piece));
    EXPECT_FALSE(file.Write(piece)) << "nothing more after a failure";
    finished = file.Finish();
  }
  EXPECT_FALSE(finished.ok);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(Names(folder).empty());
}

TEST(ReplacingFileFailureTest, ReadOnlyFolderIsRefused) {
  TempFolder folder("malver-replacing-readonly");
  const std::string path = folder.File("out");
  Put(path, kOld);
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(folder.Path().c_str(), W_OK) == 0) {
    fs::permissions(folder.Path(), fs::perms::owner_all);
    GTEST_SKIP() << "this user writes into read-only folders";
  }
  const FileResult written = WriteFileAtomically(path, kNew);
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_EQ(written.error, path + ": Permission denied");
  EXPECT_EQ(Contents(path), kOld);
}

// A record the user made private stays private when it is written again.
TEST(ReplacingFileTest, ReplacedFileKeepsItsPermissions) {
  TempFolder folder("malver-replacing-mode");
  const std::string path = folder.File("password.bin");
  Put(path, kOld);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(path, kNew).ok);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
