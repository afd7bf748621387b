#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <string>

#include "app/Unitmain.h"
#include "serial/ComPorts.h"

// malver [--port P] [FILE.set | FILE.osc]: P is a port number or a device path to connect at
// once; a settings file or scope recording is opened once the splash is gone.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  MainWindowSetup setup;
  setup.documentsFolder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      const std::string port = argv[++i];
      setup.port = port.find_first_not_of("0123456789") == std::string::npos ? std::stoi(port)
                                                                             : ComPortNumber(port);
      if (setup.port <= 0) std::fprintf(stderr, "malver: %s is not a serial port\n", port.c_str());
    } else if (arg == "--no-splash") {
      setup.splash = false;
    } else if (setup.file.empty() && arg.rfind("--", 0) != 0) {
      setup.file = arg;
    }
  }
  TForm1 window(setup);
  window.show();
  return application.exec();
}
