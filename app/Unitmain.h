#pragma once

#include <QMainWindow>

// The main window: the program.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
};

// "MALVER ver2.16.2"
QString MainWindowCaption();
