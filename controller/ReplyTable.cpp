// Replies other than status frames: acknowledgements clear their requests, data replies fill
// their areas of the image.

#include <algorithm>

#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kDataStart = 6;
constexpr int kDataReplyLength = ramka::kHeaderSize + 2 + img::kAreaSize;
constexpr int kScopeChunk = 500;
constexpr int kScopeChunks = 8;
constexpr uint8_t kScopeChunkMarker = '0';

}  // namespace

bool TSterownik::Reply(int length) {
  const uint8_t c = buforOdbioru_[3];
  switch (c) {
    case code::PetrolScope:
      return PetrolScopeChunk(length);
    case code::LiveCommand:
      flagiRozkazow_ &= ~CommandBit::LiveCommand;
      if (OnTekst && logParamBiez_) Log("\n Stan pracy komp", log_colour::kSilver);
      return ostatniRozkaz_ == code::LiveCommand;
    case code::Identification:
      return IdentificationReply(length);
    case code::LedColours:
    case code::LedColoursSet:
    case code::BootloaderJump:
    case code::BootloaderReturn:
      return true;
    case code::FirmwareBlock:
      return FirmwareBlockAcknowledged(length);
    case code::PasswordErased:
      flagiRozkazow_ = CommandBit::Identify;  // the controller asks to be identified again
      return true;
    default:
      break;
  }
  if (const uint32_t bits = transmission::CommandBitsAnsweredBy(c)) {
    flagiRozkazow_ &= ~bits;
    if (c == code::ClearErrors) RozkazDoSterownika(CommandBit::ReadErrors);  // the list again
    if (c == code::FactorySettings)
      flagiCzytania_ = area_set::kAfterFactorySettings | VersionDependentReads();
    return true;
  }
  if (const transmission::DataArea* area = transmission::AreaOfWriteCode(c)) {
    flagiZapisuWToku_ &= ~area->bit;
    if (c == code::PasswordWritten) flagiRozkazow_ = CommandBit::Identify;
    return true;
  }
  if (transmission::AreaOfReadCode(c)) return DataReadReply(c, length);
  Log("\n Nie rozpoznany rozkaz", log_colour::kRed);
  return false;
}

bool TSterownik::DataReadReply(uint8_t code, int length) {
  // A short reply would fill the area with what an earlier frame left in the buffer.
  if (length < kDataReplyLength) {
    Log("  za krótka odpowiedź", log_colour::kRed);
    return false;
  }
  const transmission::DataArea& area = *transmission::AreaOfReadCode(code);
  // A read that crossed a change on the line carries the area as it was before the change:
  // taking it would undo the change and send the old bytes with the write. The area stays
  // asked for and is read again once the write is acknowledged.
  if ((flagiZapisu_ | flagiZapisuWToku_) & area.bit) return true;
  const uint8_t* data = buforOdbioru_.data() + kDataStart;
  flagiCzytania_ &= ~area.bit;
  std::copy_n(data, img::kAreaSize, &obraz_[area.offset]);
  if (area.bit == AreaBit::History) RecordFinishedUpdate();
  if (area.bit != AreaBit::Settings && area.bit != AreaBit::Settings2) return true;

  const uint8_t total = ramka::Total(data, img::kAreaSize);
  if (total != 0) Log(std::to_string(total) + "  błąd sumy nastaw", log_colour::kRed);
  if (area.bit == AreaBit::Settings2) RepairInjectionTimeAxis();
  PodmianaNastaw();
  NazwyWykresow(1);
  return true;
}

// The bootloader's identification drops every pending write, and the history is read again
// after the return, so a finished update is entered in the history the controller reports
// once it runs the new firmware. The identification has dropped an entry due to another
// controller.
void TSterownik::RecordFinishedUpdate() {
  if (!firmwareEntryDue_) return;
  firmwareEntryDue_.reset();
  HistoriaZmian(history_kind::FirmwareWritten);
}

// Controllers that never had the injection-time axis send zeros in it.
void TSterownik::RepairInjectionTimeAxis() {
  constexpr int kAxis = img::Nastawy + 272;
  if (Rodzina() == Family::Kavi || WersjaProgramu() <= 13) return;
  uint8_t* axis = &obraz_[kAxis];
  if (std::none_of(axis, axis + 16, [](uint8_t b) { return b == 0; })) return;
  for (int i = 0; i < 16; ++i)
    axis[i] = static_cast<uint8_t>(15 * (i + 1));
}

bool TSterownik::PetrolScopeChunk(int length) {
  const uint8_t* frame = buforOdbioru_.data();
  if (length < kDataStart) return true;  // no chunk header: nothing to keep
  if (frame[4] == 0) {
    flagiRozkazow_ &= ~CommandBit::ReadPetrolScope;
  } else if (frame[4] == kScopeChunkMarker) {
    const int chunk = frame[5];
    if (chunk >= kScopeChunks || length < kDataStart + kScopeChunk) return false;
    std::copy_n(frame + kDataStart, kScopeChunk,
                &oscWejBen_[static_cast<size_t>(chunk) * kScopeChunk]);
    if (chunk == kScopeChunks - 1) flagiRozkazow_ &= ~CommandBit::ReadPetrolScope;
  }
  return true;
}
