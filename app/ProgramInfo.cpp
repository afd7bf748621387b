#include "app/ProgramInfo.h"

#include <cstdio>
#include <string>

bool AnswerVersionOrHelp(int argc, char** argv, const char* program, const char* usage) {
  if (argc != 2) return false;
  const std::string arg = argv[1];
  if (arg == "--version") {
    std::printf("%s %s\n", program, MALVER_VERSION);
    return true;
  }
  if (arg == "--help") {
    std::fputs(usage, stdout);
    return true;
  }
  return false;
}
