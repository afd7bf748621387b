// The transmit turn: the single most urgent pending request is framed and sent.

#include <cstring>

#include "controller/SettingsCatalogue.h"
#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kData = 6;  // frame byte where data begins, after the 2-byte payload header
constexpr int kHeaderPayload = 2;

}  // namespace

void TSterownik::NadawanieTx() {
  if (PrzerwaNadawania > 0) {
    --PrzerwaNadawania;
    return;
  }
  BuforNadawania[4] = static_cast<uint8_t>(nonce_() & 0xFF);
  BuforNadawania[5] = 0;
  const uint32_t pendingWrites = FlagiZapisu | FlagiZapisuWToku;
  LicznikTur = ObrazSterownika[img::Firma] ? LicznikTur + 1 : 0;

  if (SkokDoBootloadera) {
    JumpToOrFromBootloader(true);
  } else if (PowrotZBootloadera) {
    JumpToOrFromBootloader(false);
  } else if (FlagiRozkazow & 0x2000) {
    SendCommand(0x2000);
  } else if (LicznikTur % 2 == 1) {
    if (LogParamBiez) Log("\n  Paramerte bieżące - co drugi", log_colour::kSilver);
    SendPoll();
  } else if (!SendFirstPending(pendingWrites) && ObrazSterownika[img::Firma]) {
    if (LogParamBiez) Log("\n  Paramerte bieżące - brak innych", log_colour::kSilver);
    if (ObrazSterownika[img::DaneObdDoWyslania])
      SendPollWithFuelTrims();
    else
      SendPoll();
  }
}

// Commands, then writes, then the slow commands, then reads; true when one was served.
bool TSterownik::SendFirstPending(uint32_t pendingWrites) {
  for (uint32_t bit : transmission::kFirstCommandPass)
    if ((FlagiRozkazow & bit) && SendCommand(bit)) return true;
  for (const transmission::DataArea& area : transmission::DataAreas())
    if (pendingWrites & area.bit) return SendWrite(area);
  for (uint32_t bit : transmission::kSecondCommandPass)
    if ((FlagiRozkazow & bit) && SendCommand(bit)) return true;
  for (const transmission::DataArea& area : transmission::DataAreas())
    if (area.readCode != 0 && (FlagiCzytania & area.bit)) return SendRead(area);
  return false;
}

void TSterownik::JumpToOrFromBootloader(bool jump) {
  Log(jump ? "\n  Skok do bootloader-a" : "\n  Powrót z bootloader-a", log_colour::kGrey);
  PrzerwaNadawania = 8;
  (jump ? SkokDoBootloadera : PowrotZBootloadera) = false;
  FlagiRozkazow |= 0x1;
  Ramka(jump ? 0x8E : 0x8F, 0);
  if (jump) HistoriaZmian(0);
}

// Sends one command; false only for the switch to petrol, which is dropped without sending
// while the engine already runs on petrol (the turn then ends).
bool TSterownik::SendCommand(uint32_t bit) {
  const transmission::Command& command = transmission::CommandOfBit(bit);
  uint8_t* data = &BuforNadawania[kData];
  int dataLength = 0;
  switch (bit) {
    case 0x1:
      if (ObrazSterownika[img::RekordHasla] != 0) {
        std::memcpy(data, &ObrazSterownika[img::RekordHasla], img::kAreaSize);
        dataLength = img::kAreaSize;
      } else {
        data[0] = 0x10;
        data[1] = 0x00;
        dataLength = 2;
      }
      break;
    case 0x100:
      data[0] = ZalaczoneWtryskiwacze;
      dataLength = 1;
      break;
    case 0x400:
    case 0x800:
      data[0] = bit == 0x800 ? 1 : 0;
      dataLength = 1;
      break;
    case 0x2000:
      std::memcpy(data, &ObrazSterownika[img::NumSerProc], 12);
      dataLength = 12;
      break;
    case 0x4000:
      std::memcpy(data, &ObrazSterownika[img::KoloryLed], 30);
      dataLength = 30;
      break;
    case 0x8000:
      std::memset(data, 0, 4);
      dataLength = 4;
      break;
    case 0x20000:
      FlagiRozkazow &= ~bit;
      if (StanPaliwa == 0) return true;
      break;
    default:
      break;
  }
  const bool grey = bit == 0x2000 || bit >= 0x4000;
  Log(command.log, grey ? log_colour::kGrey : log_colour::kSilver);
  PrzerwaNadawania = bit == 0x1 && dataLength == img::kAreaSize ? 2 : command.pause;
  if (bit == 0x2000 || bit == 0x4000) FlagiRozkazow &= ~bit;
  Ramka(command.code, kHeaderPayload + dataLength);
  if (bit == 0x20) HistoriaZmian(2);
  if (bit == 0x1000) HistoriaZmian(1);
  return true;
}

bool TSterownik::SendWrite(const transmission::DataArea& area) {
  FlagiZapisuWToku |= area.bit;
  FlagiZapisu &= ~area.bit;
  PrzerwaNadawania = area.writePause;
  uint8_t* data = &BuforNadawania[kData];
  std::memcpy(data, &ObrazSterownika[area.offset], img::kAreaSize);
  const bool settingsPage = area.offset == img::Nastawy || area.offset == img::Nastawy2;
  // The page goes out with a fresh checksum in its byte 0; the image keeps its own byte.
  if (settingsPage) data[0] = PageChecksum(data);
  Log(area.writeLog, log_colour::kSilver);
  Ramka(area.writeCode, kHeaderPayload + img::kAreaSize);
  if (settingsPage) NazwyWykresow(1);
  if (area.recordsHistory) HistoriaZmian(3);
  return true;
}

bool TSterownik::SendRead(const transmission::DataArea& area) {
  Log(std::string("\n  ") + area.readLog, log_colour::kSilver);
  Ramka(area.readCode, 0);
  return true;
}

void TSterownik::SendPoll() {
  Ramka(0x90 | StronaParam, 0);
}

// The poll that also hands the controller the fuel-system status and fuel trims which the OBD
// link read from the car.
void TSterownik::SendPollWithFuelTrims() {
  ObrazSterownika[img::DaneObdDoWyslania] = 0;
  std::memcpy(&BuforNadawania[kData], &ZewnRekordObd[0][5], 6);
  Ramka(0x94 | StronaParam, kHeaderPayload + 6);
}
