#pragma once

#include <QAction>
#include <QDir>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/QtColours.h"
#include "app/Unitmain.h"
#include "lang/Langtext.h"
#include "tests/support/SimLink.h"

// A menu entry of the main window by its caption's text id.
inline QAction* ActionNamed(const QWidget& window, int textId) {
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == Q(LangText(textId))) return action;
  return nullptr;
}

// The main window with a simulated controller on a pseudo-terminal; the test drives the link's
// ticks and the one-second watch itself, so nothing depends on timing.
class WindowSim {
 public:
  explicit WindowSim(int family, const std::string& documents = "",
                     const std::string& commandLineFile = "")
      : controller(sim::DefaultIdentity(family)), server(controller) {
    controller.frozenLiveValues = true;
    // A description greets every connection with the service window; the tests of that
    // greeting write one.
    std::fill_n(&controller.memory[img::OpisSterownika], img::kAreaSize, 0);
    MainWindowSetup setup;
    setup.documentsFolder = documents;
    setup.file = commandLineFile;
    setup.programPath =
        (std::filesystem::temp_directory_path() / "malver-test-bin" / "malver").string();
    setup.ftdiLibrary = "no-ftdi-library-here.so";
    setup.machineIdFile = "/nonexistent/machine-id";
    setup.splash = false;
    setup.timers = false;
    setup.ui = &ui;
    window = std::make_unique<TForm1>(setup);
    TSterownik& link = window->link();
    link.PortNumber = ComPortNumber(server.path());
    const auto handler = link.OnZdarzenie;
    link.OnZdarzenie = [this, handler](const LinkEvent& e) {
      if (e.kind == EventKind::FrameSent) sent += e.length;
      handler(e);
    };
  }

  TSterownik& link() { return window->link(); }

  void Tick() {
    sent = 0;
    link().Timer1OnTimer();
    if (sent > 0) server.Deliver(static_cast<size_t>(sent), 1000);
    Arrive([this] { return server.Flush(); });
  }
  void Inject(const std::vector<uint8_t>& bytes) {
    Arrive([&] { return server.Send(bytes); });
  }
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 400) {
    for (int i = 0; i < maxTicks && !done(); ++i)
      Tick();
    return done();
  }
  bool Connect() {
    window->OtworzPort();
    return TickUntil([&] { return link().ReadOutComplete() && link().LicznikTur() > 2; });
  }

  sim::SimController controller;
  sim::PtyServer server;
  FakeUi ui;
  std::unique_ptr<TForm1> window;
  int sent = 0;

 private:
  // Writes through `write` and waits until the link's port holds the bytes.
  template <typename Write>
  void Arrive(Write write) {
    const int before = link().PortInQueCount();
    const size_t written = write();
    if (written > 0)
      PtyMaster::WaitForInput(link().CommHandle(), std::max(before, 0) + static_cast<int>(written));
  }
};
