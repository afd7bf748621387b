// malver-make-demo: writes the demonstration recordings the desktop program offers from its
// "Demo" folder. The build runs it; anyone may run it again into another folder.

#include <cstdio>
#include <filesystem>

#include "files/FileIo.h"
#include "sim/DemoRecordings.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: malver-make-demo OUTDIR\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "malver-make-demo: %s: %s\n", argv[1], error.message().c_str());
    return 6;
  }
  for (const sim::DemoRecording& demo : sim::DemoRecordings()) {
    const std::vector<uint8_t> file = sim::RecordDrive(demo.identity, sim::kDemoRecords);
    if (file.empty()) {
      std::fprintf(stderr, "malver-make-demo: %s: the controller was not read out\n",
                   demo.fileName.c_str());
      return 4;
    }
    const FileResult written = WriteFileAtomically((folder / demo.fileName).string(), file);
    if (!written.ok) {
      std::fprintf(stderr, "malver-make-demo: %s\n", written.error.c_str());
      return 6;
    }
  }
  return 0;
}
