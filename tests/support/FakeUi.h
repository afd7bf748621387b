#pragma once

#include <deque>
#include <string>
#include <vector>

#include "lang/UiServices.h"

// Records what the core asked of the window system and answers as the test told it.
class FakeUi : public UiServices {
 public:
  struct Message {
    std::string text;
    int flags;
  };

  int MessageBox(const std::string& text, int flags) override {
    messages.push_back({text, flags});
    if (answers.empty()) return (flags & 0x0F) == mb::kYesNo ? mb::kIdYes : mb::kIdOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ProcessEvents() override { ++eventPumps; }

  std::vector<Message> messages;
  std::deque<int> answers;
  int eventPumps = 0;
};
