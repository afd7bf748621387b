#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Unitmain.h"
#include "serial/ComPorts.h"

// malver [--port P] [--elm-port P] [FILE.set | FILE.osc]: P is a port number or a device path
// to connect at once, the controller's or the OBD adapter's; a settings file or scope
// recording is opened once the splash is gone.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  MainWindowSetup setup;
  setup.documentsFolder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  auto portArgument = [](const std::string& port) {
    const int number = port.find_first_not_of("0123456789") == std::string::npos
                           ? std::atoi(port.c_str())
                           : ComPortNumber(port);
    if (number <= 0) std::fprintf(stderr, "malver: %s is not a serial port\n", port.c_str());
    return number;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      setup.port = portArgument(argv[++i]);
    } else if (arg == "--elm-port" && i + 1 < argc) {
      setup.elmPort = portArgument(argv[++i]);
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
