// Replies other than status frames: acknowledgements clear their requests, data replies fill
// their areas of the image.

#include <cstring>

#include "controller/TransmissionTables.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kDataStart = 6;
constexpr int kDataReplyLength = ramka::kHeaderSize + 2 + img::kAreaSize;
constexpr int kScopeChunk = 500;
constexpr int kScopeChunks = 8;

}  // namespace

bool TSterownik::Reply(int length) {
  const uint8_t* frame = BuforOdbioru.data();
  const uint8_t code = frame[3];
  switch (code) {
    case 0x74:
      FlagiRozkazow &= ~0x8u;
      return true;
    case 0x76:
      FlagiRozkazow &= ~0x4u;
      return true;
    case 0x77:
      return PetrolScopeChunk(length);
    case 0x78:
      FlagiRozkazow &= ~0x8000u;
      return true;
    case 0x7B:
    case 0x7C:
    case 0x8E:
    case 0x8F:
      return true;
    case 0x80:
      FlagiRozkazow &= ~0x10u;
      if (OnTekst && LogParamBiez) Log("\n Stan pracy komp", log_colour::kSilver);
      return OstatniRozkaz == 0x80;
    case 0x81:
      return IdentificationReply(length);
    case 0x82:
      FlagiRozkazow &= ~0x2u;
      return true;
    case 0x83:
      FlagiRozkazow &= ~0x20u;
      FlagiRozkazow |= 0x2;
      return true;
    case 0x84:
      FlagiRozkazow &= ~0x40u;
      return true;
    case 0x85:
      FlagiRozkazow &= ~0x80u;
      return true;
    case 0x86:
      FlagiRozkazow &= ~0x100u;
      return true;
    case 0x87:
      FlagiRozkazow &= ~0x200u;
      return true;
    case 0x88:
      FlagiRozkazow &= ~0xC00u;
      return true;
    case 0x89:
      FlagiRozkazow &= ~0x1000u;
      FlagiCzytania = 0x371F | VersionDependentReads();
      return true;
    case 0x8D:
      FlagiRozkazow = 1;
      return true;
    case 0xDF:
      FlagiZapisuWToku &= ~0x8000u;
      FlagiRozkazow = 1;
      return true;
    case 0xFF:
      return true;
    default:
      break;
  }
  if (const transmission::DataArea* area = transmission::AreaOfWriteCode(code)) {
    FlagiZapisuWToku &= ~area->bit;
    return true;
  }
  if (transmission::AreaOfReadCode(code)) return DataReadReply(code, length);
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
  const uint8_t* data = BuforOdbioru.data() + kDataStart;
  FlagiCzytania &= ~area.bit;
  std::memcpy(&ObrazSterownika[area.offset], data, img::kAreaSize);
  if (code != 0xE8 && code != 0xE7) return true;

  const uint8_t total = ramka::Total(data, img::kAreaSize);
  if (total != 0) Log(std::to_string(total) + "  błąd sumy nastaw", log_colour::kRed);
  if (code == 0xE7) RepairInjectionTimeAxis();
  NazwyWykresow(1);
  return true;
}

// Controllers that never had the injection-time axis send zeros in it.
void TSterownik::RepairInjectionTimeAxis() {
  constexpr int kAxis = img::Nastawy + 272;
  if (Rodzina() == 255 || WersjaProgramu() <= 13) return;
  bool hole = false;
  for (int i = 0; i < 16; ++i)
    hole |= ObrazSterownika[kAxis + i] == 0;
  if (!hole) return;
  for (int i = 0; i < 16; ++i)
    ObrazSterownika[kAxis + i] = static_cast<uint8_t>(15 * (i + 1));
}

bool TSterownik::PetrolScopeChunk(int length) {
  const uint8_t* frame = BuforOdbioru.data();
  if (frame[4] == 0) {
    FlagiRozkazow &= ~0x10000u;
  } else if (frame[4] == '0') {
    const int chunk = frame[5];
    if (chunk >= kScopeChunks || length < kDataStart + kScopeChunk) return false;
    std::memcpy(&OscWejBen[static_cast<size_t>(chunk) * kScopeChunk], frame + kDataStart,
                kScopeChunk);
    if (chunk == kScopeChunks - 1) FlagiRozkazow &= ~0x10000u;
  }
  return true;
}
