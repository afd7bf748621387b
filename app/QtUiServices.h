#pragma once

#include "lang/UiServices.h"

class QWidget;

// The core's window services answered by Qt.
class QtUiServices : public UiServices {
 public:
  explicit QtUiServices(QWidget* parent) : parent_(parent) {}
  int MessageBox(const std::string& text, int flags) override;
  void ProcessEvents() override;

 private:
  QWidget* parent_;
};
