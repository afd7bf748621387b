#include "app/Unitmain.h"

QString MainWindowCaption() {
  return QStringLiteral("MALVER ver2.%1.2").arg(16);
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(MainWindowCaption());
  resize(740, 480);
  setMinimumSize(640, 480);
}
