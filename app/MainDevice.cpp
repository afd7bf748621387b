// The device window from the main window: the file menu's Device info, Service and Firmware
// (Ctrl+P, for the workshop password, is taken with the other keys), and the firmware
// upload's events.

#include <QAction>
#include <QMenu>

#include "app/Unit3.h"
#include "app/Unitmain.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr int kTitles[] = {1330, 1340, 1360, 2201};  // by the window's mode 1..4

}  // namespace

void TForm1::BuildDeviceMenu() {
  deviceInfoAction_ = fileMenu_->addAction(QString());
  connect(deviceInfoAction_, &QAction::triggered, this,
          [this] { OpenDeviceWindow(TForm3::kDeviceInfo); });
  serviceAction_ = fileMenu_->addAction(QString());
  connect(serviceAction_, &QAction::triggered, this, &TForm1::OpenServiceWindow);
  firmwareAction_ = fileMenu_->addAction(QString());
  connect(firmwareAction_, &QAction::triggered, this, [this] {
    link_->RozkazDoSterownika(CommandBit::SwitchToPetrol);
    OpenDeviceWindow(TForm3::kFirmware);
  });
  fileMenu_->addSeparator();
}

// The statistics and the reminder are read with the engine on petrol.
void TForm1::OpenServiceWindow() {
  link_->RozkazDoSterownika(CommandBit::SwitchToPetrol);
  OpenDeviceWindow(TForm3::kService);
}

void TForm1::OpenDeviceWindow(int mode) {
  if (mode < TForm3::kDeviceInfo || mode > TForm3::kPassword) return;
  device_->Prepare(static_cast<TForm3::Mode>(mode),
                   Q("MALVER - " + LangText(kTitles[mode - TForm3::kDeviceInfo])));
  device_->open();
}

void TForm1::FirmwareEvent(const LinkEvent& event) {
  switch (event.code) {
    case firmware_event::Progress:
      device_->Progress(event.aux);
      break;
    case firmware_event::Finished:
      device_->Progress(-1);
      break;
    case firmware_event::InBootloader:
      // A cut upload: the firmware window offers the update again.
      if (!device_->isVisible() || device_->mode() != TForm3::kFirmware)
        OpenDeviceWindow(TForm3::kFirmware);
      break;
    default:
      break;
  }
}
