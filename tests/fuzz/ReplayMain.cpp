// Runs a fuzz target over files and folders of inputs, for builds without libFuzzer: the test
// command replays every checked-in seed this way, so a crash once found stays a test.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "files/FileIo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> files;
    if (fs::is_directory(argv[i])) {
      for (const auto& entry : fs::directory_iterator(argv[i]))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else {
      files.emplace_back(argv[i]);
    }
    for (const fs::path& file : files) {
      std::vector<uint8_t> bytes;
      if (const FileResult read = ReadWholeFile(file.string(), bytes); !read.ok) {
        std::fprintf(stderr, "%s\n", read.error.c_str());
        return 1;
      }
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++inputs;
    }
  }
  std::printf("%d inputs, no crash\n", inputs);
  return inputs > 0 ? 0 : 1;
}
