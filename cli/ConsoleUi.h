#pragma once

#include <cstdio>
#include <string>

#include "lang/UiServices.h"

// The core's window services on a terminal: messages go to standard error; a question is
// answered No unless the command line said Yes, so a script never agrees to anything by
// accident. A terminal has no file dialogs: the command line names its files.
class ConsoleUi : public UiServices {
 public:
  explicit ConsoleUi(bool answerYes = false) : answerYes_(answerYes) {}

  int MessageBox(const std::string& text, int flags) override {
    if ((flags & 0x0F) != mb::kYesNo) {
      std::fprintf(stderr, "MALVER: %s\n", text.c_str());
      return mb::kIdOk;
    }
    ++questions;
    std::fprintf(stderr, "MALVER: %s %s\n", text.c_str(), answerYes_ ? "Yes" : "No");
    return answerYes_ ? mb::kIdYes : mb::kIdNo;
  }
  std::string OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::string SaveFileDialog(const FileDialogRequest&) override { return {}; }
  void ProcessEvents() override {}
  void OpenAddress(const std::string& address) override {
    std::fprintf(stdout, "%s\n", address.c_str());
  }
  void StartProgram(const std::string&) override {}

  int questions = 0;  // asked so far

 private:
  bool answerYes_;
};
