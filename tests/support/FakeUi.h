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
  // The next scripted path, or empty (cancelled) when none is left.
  std::string OpenFileDialog(const FileDialogRequest& request) override {
    return Dialog(false, request);
  }
  std::string SaveFileDialog(const FileDialogRequest& request) override {
    return Dialog(true, request);
  }
  void ProcessEvents() override { ++eventPumps; }
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  void StartProgram(const std::string& name) override { opened.push_back(name); }

  struct FileDialog {
    bool save;
    FileDialogRequest request;
  };

  std::vector<Message> messages;
  std::deque<int> answers;
  std::vector<FileDialog> dialogs;
  std::deque<std::string> paths;
  int eventPumps = 0;
  std::vector<std::string> opened;

 private:
  std::string Dialog(bool save, const FileDialogRequest& request) {
    dialogs.push_back({save, request});
    if (paths.empty()) return {};
    std::string path = paths.front();
    paths.pop_front();
    return path;
  }
};
