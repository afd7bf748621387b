#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/DemoRecordings.h"
#include "app/ProgramDataFolder.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// The program finds its demonstration recordings and firmware images in the build tree (beside
// the program) and in the installed tree (share/malver beside bin/), the build tree first.
TEST(InstalledLayoutTest, DataFoldersAreFoundBesideTheProgramOrInstalled) {
  struct Case {
    const char* name;
    std::vector<const char*> folders;  // made below the case's root
    const char* expected;              // relative to the root
  };
  const Case cases[] = {
      {"build tree", {"bin/Demo"}, "bin/Demo"},
      {"installed", {"share/malver/Demo"}, "share/malver/Demo"},
      {"both: the build tree's own wins", {"bin/Demo", "share/malver/Demo"}, "bin/Demo"},
      {"neither: beside the program", {}, "bin/Demo"},
      {"another program's data is not ours", {"share/other/Demo"}, "bin/Demo"},
  };
  TempFolder temp("malver-installed-layout");
  for (const Case& c : cases) {
    const fs::path root = fs::path(temp.Path()) / c.name;
    fs::create_directories(root / "bin");
    for (const char* folder : c.folders)
      fs::create_directories(root / folder);
    EXPECT_EQ(ProgramDataFolder((root / "bin" / "Demo").string()), (root / c.expected).string())
        << c.name;
  }
}

TEST(InstalledLayoutTest, DemoRecordingOfAnInstalledProgram) {
  TempFolder temp("malver-installed-demo");
  const fs::path usr(temp.Path());
  fs::create_directories(usr / "bin");
  fs::create_directories(usr / "share" / "malver" / "Demo");
  const DemoRecording& demo = DemoRecordings().front();
  std::ofstream(usr / "share" / "malver" / "Demo" / demo.file) << "x";
  const std::string path = DemoPath((usr / "bin" / "malver").string(), demo);
  EXPECT_EQ(path, (usr / "share" / "malver" / "Demo" / demo.file).string());
  EXPECT_TRUE(fs::is_regular_file(path));
}

}  // namespace
