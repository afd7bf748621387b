#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/DemoRecordings.h"
#include "app/ProgramInfo.h"
#include "app/Unitmain.h"
#include "serial/ComPorts.h"

namespace {

const char kUsage[] =
    "usage: malver [--port P] [--elm-port P] [--no-splash] [FILE.set | FILE.osc]\n"
    "       malver --list-demos | --version | --help\n"
    "P is a port number or a device path to connect at once, the controller's (--port) or the\n"
    "OBD adapter's (--elm-port); a settings file or scope recording is opened once the splash\n"
    "is gone. --list-demos prints the demonstration recordings this program finds (File, Demo\n"
    "mode) and exits, 1 when there are none.\n";

// What File, Demo mode plays, as the installed program finds it.
int ListDemos(const std::string& programPath) {
  int found = 0;
  for (const DemoRecording& demo : DemoRecordings()) {
    const std::string path = DemoPath(programPath, demo);
    if (!std::filesystem::is_regular_file(path)) continue;
    std::printf("%s\t%s\n", demo.caption, path.c_str());
    ++found;
  }
  return found > 0 ? 0 : 1;
}

}  // namespace

// malver [--port P] [--elm-port P] [FILE.set | FILE.osc]: see kUsage.
int main(int argc, char** argv) {
  if (AnswerVersionOrHelp(argc, argv, "malver", kUsage)) return 0;
  QApplication application(argc, argv);
  MainWindowSetup setup;
  setup.programPath = QCoreApplication::applicationFilePath().toStdString();
  if (argc == 2 && std::string(argv[1]) == "--list-demos") return ListDemos(setup.programPath);
  setup.documentsFolder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
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
