// The transmit turn: the single most urgent pending request is framed and sent.

#include <algorithm>
#include <cstring>

#include "controller/SettingsCatalogue.h"
#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kData = 6;  // frame byte where data begins, after the 2-byte payload header
constexpr int kHeaderPayload = 2;
constexpr int kBootloaderPause = 8;
constexpr int kFuelTrimBytes = 6;
constexpr int kFuelTrimsInRecord = 5;  // where the OBD link's record keeps them

}  // namespace

void TSterownik::NadawanieTx() {
  if (przerwaNadawania_ > 0) {
    --przerwaNadawania_;
    return;
  }
  buforNadawania_[4] = static_cast<uint8_t>(nonce_() & 0xFF);
  buforNadawania_[5] = 0;
  const uint32_t pendingWrites = flagiZapisu_ | flagiZapisuWToku_;
  licznikTur_ = obraz_[img::Firma] ? licznikTur_ + 1 : 0;

  if (skokDoBootloadera_) {
    JumpToOrFromBootloader(true);
  } else if (powrotZBootloadera_) {
    JumpToOrFromBootloader(false);
  } else if (zapisFlash_) {
    SendFirmwareBlock();
  } else if (flagiRozkazow_ & CommandBit::ErasePassword) {
    SendCommand(CommandBit::ErasePassword);
  } else if (licznikTur_ % 2 == 1) {
    if (logParamBiez_) Log("\n  Paramerte bieżące - co drugi", log_colour::kSilver);
    SendPoll();
  } else if (!SendFirstPending(pendingWrites) && obraz_[img::Firma]) {
    if (logParamBiez_) Log("\n  Paramerte bieżące - brak innych", log_colour::kSilver);
    if (obraz_[img::DaneObdDoWyslania])
      SendPollWithFuelTrims();
    else
      SendPoll();
  }
}

// Commands, then writes, then the slow commands, then reads; true when one was served.
bool TSterownik::SendFirstPending(uint32_t pendingWrites) {
  for (uint32_t bit : transmission::kFirstCommandPass)
    if ((flagiRozkazow_ & bit) && SendCommand(bit)) return true;
  for (const transmission::DataArea& area : transmission::DataAreas())
    if (pendingWrites & area.bit) return SendWrite(area);
  for (uint32_t bit : transmission::kSecondCommandPass)
    if ((flagiRozkazow_ & bit) && SendCommand(bit)) return true;
  for (const transmission::DataArea& area : transmission::DataAreas())
    if (area.readCode != 0 && (flagiCzytania_ & area.bit)) return SendRead(area);
  return false;
}

void TSterownik::JumpToOrFromBootloader(bool jump) {
  Log(jump ? "\n  Skok do bootloader-a" : "\n  Powrót z bootloader-a", log_colour::kGrey);
  przerwaNadawania_ = kBootloaderPause;
  (jump ? skokDoBootloadera_ : powrotZBootloadera_) = false;
  flagiRozkazow_ |= CommandBit::Identify;
  Ramka(jump ? code::BootloaderJump : code::BootloaderReturn, 0);
}

// Sends one command; false only for the switch to petrol, which is dropped without sending
// while the engine already runs on petrol (the turn then ends).
bool TSterownik::SendCommand(uint32_t bit) {
  const transmission::Command& command = transmission::CommandOfBit(bit);
  uint8_t* data = &buforNadawania_[kData];
  int dataLength = 0;
  switch (bit) {
    case CommandBit::Identify:
      if (obraz_[img::RekordHasla] != 0) {
        std::memcpy(data, &obraz_[img::RekordHasla], img::kAreaSize);
        dataLength = img::kAreaSize;
      } else {
        data[0] = 0x10;
        data[1] = 0x00;
        dataLength = 2;
      }
      break;
    case CommandBit::SendInjectorMask:
      data[0] = zalaczoneWtryskiwacze_;
      dataLength = 1;
      break;
    case CommandBit::LeakTest:
    case CommandBit::ValveTest:
      data[0] = bit == CommandBit::ValveTest ? 1 : 0;
      dataLength = 1;
      break;
    case CommandBit::ErasePassword:
      std::memcpy(data, &obraz_[img::NumSerProc], 12);
      dataLength = 12;
      break;
    case CommandBit::SendLedColours:
      std::memcpy(data, &obraz_[img::KoloryLed], 30);
      dataLength = 30;
      break;
    case CommandBit::ClearEmergencyStarts:
      std::memset(data, 0, 4);
      dataLength = 4;
      break;
    case CommandBit::SwitchToPetrol:
      flagiRozkazow_ &= ~bit;
      if (stanPaliwa_ == 0) return true;
      break;
    default:
      break;
  }
  Log(command.log, command.greyLog ? log_colour::kGrey : log_colour::kSilver);
  const bool withPassword = bit == CommandBit::Identify && dataLength == img::kAreaSize;
  przerwaNadawania_ = withPassword ? 2 : command.pause;
  if (!Ramka(command.code, kHeaderPayload + dataLength)) {
    if (command.cleared == transmission::Cleared::OnItsTurn) flagiRozkazow_ |= bit;
    return true;
  }
  if (command.cleared == transmission::Cleared::WhenSent) flagiRozkazow_ &= ~bit;
  if (bit == CommandBit::ClearErrors) HistoriaZmian(history_kind::ErrorsCleared);
  if (bit == CommandBit::FactorySettings) HistoriaZmian(history_kind::FactorySettings);
  return true;
}

bool TSterownik::SendWrite(const transmission::DataArea& area) {
  przerwaNadawania_ = area.writePause;
  uint8_t* data = &buforNadawania_[kData];
  std::memcpy(data, &obraz_[area.offset], img::kAreaSize);
  const bool settingsPage = area.bit == AreaBit::Settings || area.bit == AreaBit::Settings2;
  // The page goes out with a fresh checksum in its byte 0; the image keeps its own byte.
  if (settingsPage) data[0] = PageChecksum(data);
  Log(area.writeLog, log_colour::kSilver);
  if (!Ramka(area.writeCode, kHeaderPayload + img::kAreaSize)) return true;
  flagiZapisuWToku_ |= area.bit;
  flagiZapisu_ &= ~area.bit;
  if (settingsPage) NazwyWykresow(1);
  if (area.recordsHistory) HistoriaZmian(history_kind::SettingsWritten);
  return true;
}

bool TSterownik::SendRead(const transmission::DataArea& area) {
  Log(std::string("\n  ") + area.readLog, log_colour::kSilver);
  Ramka(area.readCode, 0);
  return true;
}

void TSterownik::SendPoll() {
  Ramka(code::Poll | stronaParam_, 0);
}

// The poll that also hands the controller the fuel-system status and fuel trims which the OBD
// link read from the car.
void TSterownik::SendPollWithFuelTrims() {
  std::memcpy(&buforNadawania_[kData], &zewnRekordObd_[0][kFuelTrimsInRecord], kFuelTrimBytes);
  if (Ramka(code::PollWithFuelTrims | stronaParam_, kHeaderPayload + kFuelTrimBytes))
    obraz_[img::DaneObdDoWyslania] = 0;
}
