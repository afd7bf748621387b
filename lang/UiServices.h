#pragma once

#include <string>
#include <vector>

// One entry of a file dialog's list of file types: what the user reads, and the names it
// matches.
struct FileFilter {
  std::string caption;  // "Settings file (*.set)"
  std::string pattern;  // "*.set"
};

// What a file dialog shows.
struct FileDialogRequest {
  std::string title;
  std::vector<FileFilter> filters;  // the first one is selected
  std::string folder;               // empty: wherever the window system starts
  std::string defaultExtension;     // added to a name typed without one; no dot
};

// What the core needs from the window system: message boxes, file dialogs and pumping the
// event queue. The desktop program implements it with Qt; tests with a scripted fake.
class UiServices {
 public:
  virtual ~UiServices() = default;

  // Shows text in a message box captioned "MALVER"; flags as below; returns the button.
  virtual int MessageBox(const std::string& text, int flags) = 0;
  // Asks for a file to read, or a file to write; the chosen path, empty when cancelled.
  virtual std::string OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::string SaveFileDialog(const FileDialogRequest& request) = 0;
  // Lets the window repaint during a long operation.
  virtual void ProcessEvents() = 0;
  // Opens an address (a web page, a mail, a folder) with the desktop's default program.
  virtual void OpenAddress(const std::string& address) = 0;
  // Starts another program by its file name, found first beside this one; nothing is said
  // when it is missing.
  virtual void StartProgram(const std::string& name) = 0;
};

// Message-box flags and answers, with the values the installers' dialogs have always used.
namespace mb {
inline constexpr int kOk = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kIconStop = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;

inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb
