#pragma once

#include <cstdio>
#include <string>

#include "lang/UiServices.h"

// The core's window services on a terminal: messages go to standard error; a question is
// answered No, so a script never agrees to anything by accident. A terminal has no file
// dialogs: the command line names its files.
class ConsoleUi : public UiServices {
 public:
  int MessageBox(const std::string& text, int flags) override {
    std::fprintf(stderr, "MALVER: %s\n", text.c_str());
    return (flags & 0x0F) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
  }
  std::string OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::string SaveFileDialog(const FileDialogRequest&) override { return {}; }
  void ProcessEvents() override {}
};
