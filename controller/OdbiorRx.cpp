// The receive path: one reply frame per tick is assembled, checked and dispatched.

#include <algorithm>
#include <cstring>

#include "controller/Tsterownik.h"

namespace {

constexpr int kStatusRecordStart = 60;  // per-channel injection times, 4 bytes a channel
constexpr int kObdRecordStart = 92;
constexpr int kObdKindByte = 103;
constexpr int kShortStatusFrame = 128;

}  // namespace

int TSterownik::OdbiorRx() {
  int waiting = PortInQueCount();
  if (waiting < 1) return -1;
  if (OdebraneBajty == 0 && waiting < ramka::kHeaderSize) return -1;
  if (OdebraneBajty + waiting >= kRozmiarBuforaOdbioru) {
    Log("  przekroczenie bufora", log_colour::kRed);
    EmptyReceiveState();
    PortPurgeRx();
    return -1;
  }
  uint8_t* frame = BuforOdbioru.data();
  if (OdebraneBajty == 0) {
    if (PortRead(frame, ramka::kHeaderSize) != ramka::kHeaderSize) {
      EmptyReceiveState();
      return -1;
    }
    OdebraneBajty = ramka::kHeaderSize;
    waiting -= ramka::kHeaderSize;
    if (!ramka::IsReplyStart(frame[0])) {
      const std::string text = "  brak bajtu startowego :" + ramka::HexText(frame, 4);
      Log(text, log_colour::kRed);
      EmptyReceiveState();
      PortPurgeRx();
      return -1;
    }
    OczekiwaneBajty = 2 * frame[2];
    if (waiting < OczekiwaneBajty) return -2;
  }
  if (waiting >= OczekiwaneBajty) {
    const int length = ramka::kHeaderSize + OczekiwaneBajty;
    const int read =
        OczekiwaneBajty > 0 ? PortRead(frame + ramka::kHeaderSize, OczekiwaneBajty) : 0;
    EmptyReceiveState();
    if (read != length - ramka::kHeaderSize) return -1;
    AnalizaOdbioru(length);
    return length;
  }
  CountUnanswered();
  return -2;
}

void TSterownik::AnalizaOdbioru(int length) {
  uint8_t* frame = BuforOdbioru.data();
  ramka::Unscramble(frame, length);
  if (ramka::Total(frame, length) != 0) {
    Log("  błąd sumy ", log_colour::kRed);
    return;
  }
  const uint8_t code = frame[3];
  if (code != 0x81 && ObrazSterownika[img::Firma] != 1) {
    Log("  niezgodna firma", log_colour::kRed);
    FlagiRozkazow = 1;
    return;
  }
  const bool status = (code & 0xF0) == 0x90;
  const bool accepted = status ? StatusFrame(length) : Reply(length);
  if (OnTekst && (!status || LogParamBiez))
    Log(ramka::LogText("  RX:", frame, length), log_colour::kBlue);
  if (!accepted) return;
  LiczDoBrakuPolaczenia = 0;
  Event(0, code, 0, length);
}

void TSterownik::OdbiorOsc(int record) {
  if (PortConnected()) return;
  const size_t start = static_cast<size_t>(record) * static_cast<size_t>(RozmiarRekordu);
  if (record < 0 || start + kShortStatusFrame > BuforOsc.size()) return;
  std::memcpy(BuforOdbioru.data(), BuforOsc.data() + start, kShortStatusFrame);
  Event(6, 0, 0, kShortStatusFrame);
}

bool TSterownik::StatusFrame(int length) {
  if (length == ramka::kHeaderSize) return true;
  const uint8_t* frame = BuforOdbioru.data();
  switch (Rodzina()) {
    case 13:
      StanPaliwa = frame[10];
      StanSilnika = frame[11];
      StanBajt12 = frame[12];
      return true;
    case 8:
      return true;
    case 2:
    case 5:
    case 6:
    case 255:
      GasControllerStatus(length);
      return true;
    default:
      return false;
  }
}

// Status frame of the MALVER and KAVI families.
void TSterownik::GasControllerStatus(int length) {
  uint8_t* frame = BuforOdbioru.data();
  StanPaliwa = frame[10];
  StanSilnika = frame[11];
  StanBajt12 = frame[12];
  if (Rodzina() == 255 && KanalyFsi > 0) PutChannelsInCylinderOrder();
  if ((FlagiRozkazow & 0x100) == 0) ZalaczoneWtryskiwacze = frame[22];
  StatusSubRecord();
  if (OnTekst) LogEepromWrites();
  if (length >= kShortStatusFrame) {
    std::memcpy(OstatniRekordObd.data(), frame + kObdRecordStart, kRozmiarRekorduObd);
    if (frame[kObdKindByte] != 0) Event(102, frame[kObdKindByte], 0, 0);
  }
  SubstituteObdRecord(length);
}

void TSterownik::PutChannelsInCylinderOrder() {
  uint8_t* records = BuforOdbioru.data() + kStatusRecordStart;
  std::array<uint8_t, 4 * 8> copy{};
  std::memcpy(copy.data(), records, 4 * static_cast<size_t>(KanalyFsi));
  for (int channel = 0; channel < KanalyFsi; ++channel) {
    const int from = FsiPozKanalu(channel);
    if (from != channel && from >= 0 && from < KanalyFsi)
      std::memcpy(records + 4 * channel, copy.data() + 4 * from, 4);
  }
}

// Byte 6 names what bytes 7..9 carry: idle trims of either bank, or a learned map cell.
void TSterownik::StatusSubRecord() {
  const uint8_t* frame = BuforOdbioru.data();
  static constexpr int kMapOfReport[] = {img::MapaEcuBen, img::MapaObdBen1, img::MapaObdBen2,
                                         img::MapaEcuGaz, img::MapaObdGaz1, img::MapaObdGaz2};
  switch (frame[6]) {
    case 0xF3:
      ObrazSterownika[349] = frame[7];
      ObrazSterownika[350] = frame[8];
      break;
    case 0xF4:
      ObrazSterownika[351] = frame[7];
      ObrazSterownika[352] = frame[8];
      break;
    case 0:
      if (frame[9] != 0 && frame[7] < std::size(kMapOfReport))
        ObrazSterownika[kMapOfReport[frame[7]] + frame[8]] = frame[9];
      break;
    default:
      break;
  }
}

void TSterownik::LogEepromWrites() {
  struct Flag {
    uint8_t subRecord, bit;
    const char* text;
  };
  static constexpr Flag kFlags[] = {
      {0xF1, 0x1, "Zapis eeprom - dane"},      {0xF1, 0x2, "Zapis eeprom - mapy"},
      {0xF1, 0x4, "Zapis eeprom - błędy"},     {0xF1, 0x8, "Zapis eeprom - kasuj błędy"},
      {0xF2, 0x1, "Zapis flash - nastawy"},    {0xF2, 0x2, "Zapis flash - kor.czas"},
      {0xF2, 0x4, "Zapis flash - kor.czas"},   {0xF2, 0x8, "Zapis flash - kor.obr.1"},
      {0xF2, 0x10, "Zapis flash - kor.obr.2"}, {0xF2, 0x20, "Zapis flash - his/kor"},
  };
  const uint8_t* frame = BuforOdbioru.data();
  for (const Flag& f : kFlags)
    if (frame[6] == f.subRecord && (frame[7] & f.bit)) Log(f.text, log_colour::kBlack);
}

// The OBD link's own readings stand in for the controller's when it has prepared them.
void TSterownik::SubstituteObdRecord(int length) {
  uint8_t* frame = BuforOdbioru.data();
  auto active = [](const std::array<uint8_t, kRozmiarRekorduObd>& r) {
    return r[0] != 0 && r[1] == 0xC0;
  };
  for (int k = 0; k < 2; ++k) {
    if (!active(ZewnRekordObd[k])) continue;
    std::memcpy(frame + kObdRecordStart, ZewnRekordObd[k].data(), kRozmiarRekorduObd);
    frame[kObdRecordStart] |= k == 0 ? 0xC0 : 0x80;
    return;
  }
  if (!OnTekst || !LogDaneObd || frame[kObdRecordStart] == 0 || length <= kObdRecordStart) return;
  static constexpr std::pair<uint8_t, const char*> kKinds[] = {{1, " + TRAN:"}, {2, " + VAR:"},
                                                               {4, " + ECU:"},  {8, " + SUP:"},
                                                               {16, " + PID:"}, {32, " + DTC:"}};
  std::string text = "  Stan pracy OBD sterownika";
  for (const auto& [kind, name] : kKinds)
    if (frame[kObdKindByte] == kind) text += name;
  Log(text, log_colour::kSilver);
  const int head = std::min(length, kObdKindByte + 1) - kObdRecordStart;
  std::string bytes = "  RX:" + ramka::HexText(frame + kObdRecordStart, head);
  if (length > kObdKindByte + 1)
    bytes += "  " + ramka::HexText(frame + kObdKindByte + 1, length - kObdKindByte - 1);
  Log(bytes, log_colour::kBlue);
}
