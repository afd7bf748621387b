#include <QApplication>

#include "app/Unitmain.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TForm1 window;
  window.show();
  return application.exec();
}
