#include "app/EventRefresh.h"

#include "controller/Tsterownik.h"

namespace {

Refresh ForReply(const LinkEvent& e) {
  Refresh r;
  switch (e.code) {
    case code::ErrorList:
      r.errorList = true;
      break;
    case code::InjectorMask:
      r.panels = r.chart = true;
      break;
    case code::Identification:
      r.identity = r.connected = true;
      break;
    default:
      if (const auto* area = transmission::AreaOfReadCode(static_cast<uint8_t>(e.code))) {
        r.panels = area->bit == AreaBit::Settings;
        // The description ends the identification: the window greets the controller then.
        r.identity = r.connected = r.description = area->bit == AreaBit::Description;
        r.chart = !r.identity;
      } else if (const auto* written =
                     transmission::AreaOfWriteCode(static_cast<uint8_t>(e.code))) {
        r.panels = written->bit == AreaBit::Settings;
        r.chart = r.panels || written->bit == AreaBit::EmulatorHi;
      }
      break;
  }
  return r;
}

}  // namespace

Refresh RefreshFor(const LinkEvent& e) {
  Refresh r;
  switch (e.kind) {
    case EventKind::ReplyAccepted:
      if (code::IsStatus(static_cast<uint8_t>(e.code)))
        r.statusFrame = e.status != nullptr;
      else
        r = ForReply(e);
      break;
    case EventKind::Calibration:
      r.calibration = true;
      break;
    case EventKind::PortOpened:
      r.baseTitle = e.code == 0;
      break;
    case EventKind::FileLoaded:
      r.fileLoaded = r.chart = true;
      break;
    case EventKind::ScopeRecording:
      r.recordingFile = true;
      break;
    case EventKind::Firmware:
      r.firmware = true;
      break;
    case EventKind::ObdSubRecord:
      r.obdModule = true;
      break;
    case EventKind::RecordReplayed:
      r.replayedRecord = e.status != nullptr;
      break;
    default:
      break;
  }
  return r;
}
