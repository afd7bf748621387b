#pragma once

#include "lang/UiServices.h"

class QWidget;

// The core's window services answered by Qt.
class QtUiServices : public UiServices {
 public:
  explicit QtUiServices(QWidget* parent) : parent_(parent) {}
  int MessageBox(const std::string& text, int flags) override;
  std::string OpenFileDialog(const FileDialogRequest& request) override;
  std::string SaveFileDialog(const FileDialogRequest& request) override;
  void ProcessEvents() override;
  void OpenAddress(const std::string& address) override;
  void StartProgram(const std::string& name) override;

 private:
  std::string FileDialog(const FileDialogRequest& request, bool save);

  QWidget* parent_;
};
