#pragma once

#include <cstdio>
#include <string>

#include "lang/UiServices.h"

// The core's window services on a terminal: messages go to standard error; a question is
// answered No, so a script never agrees to anything by accident.
class ConsoleUi : public UiServices {
 public:
  int MessageBox(const std::string& text, int flags) override {
    std::fprintf(stderr, "MALVER: %s\n", text.c_str());
    return (flags & 0x0F) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
  }
  void ProcessEvents() override {}
};
