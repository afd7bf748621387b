#pragma once

#include <QDialog>

// The splash: the program's picture on a borderless window.
class TFormLogo : public QDialog {
  Q_OBJECT

 public:
  explicit TFormLogo(QWidget* parent = nullptr);
};
