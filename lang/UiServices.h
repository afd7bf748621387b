#pragma once

#include <string>

// What the core needs from the window system: message boxes and pumping the event queue.
// The desktop program implements it with Qt; tests with a scripted fake.
class UiServices {
 public:
  virtual ~UiServices() = default;

  // Shows text in a message box captioned "MALVER"; flags as below; returns the button.
  virtual int MessageBox(const std::string& text, int flags) = 0;
  // Lets the window repaint during a long operation.
  virtual void ProcessEvents() = 0;
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
