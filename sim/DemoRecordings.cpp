#include "sim/DemoRecordings.h"

#include <algorithm>

#include "controller/Clock.h"
#include "controller/Tsterownik.h"
#include "lang/UiServices.h"
#include "scope/ScopeFile.h"
#include "sim/MemoryPairing.h"

namespace sim {

namespace {

constexpr int kReadOutTicks = 2000;
constexpr int kRecordSize = status_frame::kShortRecord;

// Nobody watches the recording: no question is answered Yes, and there are no file dialogs.
class NoWindows : public UiServices {
 public:
  int MessageBox(const std::string&, int flags) override {
    return (flags & 0x0F) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
  }
  std::string OpenFileDialog(const FileDialogRequest&) override { return {}; }
  std::string SaveFileDialog(const FileDialogRequest&) override { return {}; }
  void ProcessEvents() override {}
  void OpenAddress(const std::string&) override {}
  void StartProgram(const std::string&) override {}
};

// The ticks are not timed: the link never sees a receive step stall.
class StillClock : public Clock {
 public:
  int64_t Milliseconds() override { return 0; }
};

// A KAVI for engines with direct and port injection: four cylinders, eight injectors.
Identity KaviDual() {
  Identity id = DefaultIdentity(static_cast<int>(Family::Kavi));
  id.model = 12;
  id.boardVariant = 16;
  id.hardwareRevision = 18;
  id.injectors = 8;
  id.cylinders = 8;
  return id;
}

}  // namespace

std::vector<DemoRecording> DemoRecordings() {
  auto of = [](Family family) { return DefaultIdentity(static_cast<int>(family)); };
  return {{"MALVER lumo.osc", of(Family::Lumo)},
          {"MALVER rumo.osc", of(Family::Rumo)},
          {"MALVER FORTIX.osc", of(Family::Fortix)},
          {"KAVI.osc", of(Family::Kavi)},
          {"KAVI DUAL.osc", KaviDual()},
          {"MIRVANE.osc", of(Family::RailEmulator)}};
}

std::vector<uint8_t> RecordDrive(const Identity& identity, int records) {
  NoWindows ui;
  StillClock clock;
  SimController controller(identity);
  TSterownik link(ui, clock, "no-ftdi-library-needed.so");
  MemoryPairing pairing(link, controller);
  if (!pairing.TickUntil([&] { return link.ReadOutComplete(); }, kReadOutTicks)) return {};

  // A status reply of the idling controller may still be on its way: one more tick takes it,
  // while the poll that tick sends already gets the drive's first frame.
  controller.drive = true;
  controller.RestartLiveValues();
  pairing.Tick();

  std::vector<uint8_t> recorded;
  int count = 0;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind != EventKind::ReplyAccepted || !code::IsStatus(static_cast<uint8_t>(e.code))) return;
    const size_t at = recorded.size();
    recorded.resize(at + kRecordSize, 0);
    std::copy_n(e.frame.begin(), std::min<size_t>(e.frame.size(), kRecordSize),
                recorded.begin() + static_cast<long>(at));
    ++count;
  };
  if (!pairing.TickUntil([&] { return count == records; }, 4 * records)) return {};
  return scope_file::Bytes(link, {recorded, kRecordSize, count});
}

}  // namespace sim
