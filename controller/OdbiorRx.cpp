// The receive path: one reply frame per tick is assembled, checked and dispatched; a status
// frame is decoded once for every view.

#include <algorithm>
#include <cstring>

#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"

namespace {

using namespace status_frame;

}  // namespace

int TSterownik::OdbiorRx() {
  int waiting = PortInQueCount();
  if (waiting < 1) return -1;
  if (odebraneBajty_ == 0 && waiting < ramka::kHeaderSize) return -1;
  if (odebraneBajty_ + waiting >= kRozmiarBuforaOdbioru) {
    Log("  przekroczenie bufora", log_colour::kRed);
    EmptyReceiveState();
    PortPurgeRx();
    return -1;
  }
  uint8_t* frame = buforOdbioru_.data();
  if (odebraneBajty_ == 0) {
    if (PortRead(frame, ramka::kHeaderSize) != ramka::kHeaderSize) {
      EmptyReceiveState();
      return -1;
    }
    odebraneBajty_ = ramka::kHeaderSize;
    waiting -= ramka::kHeaderSize;
    if (!ramka::IsReplyStart(frame[0])) {
      const std::string text = "  brak bajtu startowego :" + ramka::HexText(frame, 4);
      Log(text, log_colour::kRed);
      EmptyReceiveState();
      PortPurgeRx();
      return -1;
    }
    oczekiwaneBajty_ = 2 * frame[2];
    if (waiting < oczekiwaneBajty_) return -2;
  }
  if (waiting >= oczekiwaneBajty_) {
    const int length = ramka::kHeaderSize + oczekiwaneBajty_;
    const int read =
        oczekiwaneBajty_ > 0 ? PortRead(frame + ramka::kHeaderSize, oczekiwaneBajty_) : 0;
    EmptyReceiveState();
    if (read != length - ramka::kHeaderSize) return -1;
    AnalizaOdbioru(length);
    return length;
  }
  CountUnanswered();
  return -2;
}

std::span<const uint8_t> TSterownik::Received(int length) const {
  return {buforOdbioru_.data(), static_cast<size_t>(length)};
}

void TSterownik::AnalizaOdbioru(int length) {
  uint8_t* frame = buforOdbioru_.data();
  ramka::Unscramble(frame, length);
  if (ramka::Total(frame, length) != 0) {
    Log("  błąd sumy ", log_colour::kRed);
    return;
  }
  const uint8_t c = frame[3];
  if (c != code::Identification && obraz_[img::Firma] != 1) {
    Log("  niezgodna firma", log_colour::kRed);
    flagiRozkazow_ = CommandBit::Identify;
    return;
  }
  const bool status = code::IsStatus(c);
  const bool accepted = status ? StatusFrame(length) : Reply(length);
  if (OnTekst && (!status || logParamBiez_))
    Log(ramka::LogText("  RX:", frame, length), log_colour::kBlue);
  if (!accepted) return;
  liczDoBrakuPolaczenia_ = 0;
  LinkEvent event{
      .kind = EventKind::ReplyAccepted, .code = c, .length = length, .frame = Received(length)};
  if (status && length > ramka::kHeaderSize) event.status = &status_;
  Event(event);
  if (!status) RestoreAfterReconnection();
}

void TSterownik::OdbiorOsc(int record) {
  if (PortConnected()) return;
  const size_t start = static_cast<size_t>(record) * static_cast<size_t>(rozmiarRekordu_);
  if (record < 0 || start + kShortRecord > buforOsc_.size()) return;
  TakeFrame(code::Poll, {buforOsc_.data() + start, kShortRecord}, status_);
  DecodeLastStatus();
  Event({.kind = EventKind::RecordReplayed,
         .length = kShortRecord,
         .frame = status_.Frame(),
         .status = &status_});
}

void TSterownik::DecodeLastStatus() {
  DecodeStatus({Rodzina(), listaWykresow_, Nastawy(), decimalSeparator_}, status_);
}

// A status frame with a payload is decoded; only what arrived counts.
bool TSterownik::StatusFrame(int length) {
  if (length == ramka::kHeaderSize) return true;
  const FamilyTraits& traits = Traits();
  if (!traits.gasController && !traits.emulator) return false;
  TakeFrame(buforOdbioru_[3], Received(length), status_);
  if (traits.gasController || Rodzina() == Family::PumpEmulator) CopyWorkState();
  if (traits.gasController) GasControllerStatus();
  if (Rodzina() == Family::RailEmulator) LearnRailEmulation();
  DecodeLastStatus();
  if (status_.serviceDataChanged) obraz_[img::Eeprom2] = status_.bytes[kSubData];
  return true;
}

void TSterownik::CopyWorkState() {
  if (status_.Has(kWorkState)) stanPaliwa_ = status_.bytes[kWorkState];
  if (status_.Has(kWorkFlags)) stanSilnika_ = status_.bytes[kWorkFlags];
  if (status_.Has(kByte12)) stanBajt12_ = status_.bytes[kByte12];
}

// Status frame of the MALVER and KAVI families.
void TSterownik::GasControllerStatus() {
  const bool kavi = Rodzina() == Family::Kavi;
  if (kavi && kanalyFsi_ > 0) PutChannelsInCylinderOrder();
  // A frame the calibration poll asked for that arrives after the run ended takes no step.
  if ((status_.code & poll_page::CalibrationData) && KalibracjaTrwa()) {
    if (kavi)
      KalibracjaKavi();
    else
      KalibracjaMalver();
  }
  if (!(flagiRozkazow_ & CommandBit::SendInjectorMask) && status_.Has(kInjectorMask))
    zalaczoneWtryskiwacze_ = status_.bytes[kInjectorMask];
  LearnRailEmulation();
  LearnPressureMap();
  StatusSubRecord();
  if (OnTekst) LogEepromWrites();
  TakeObdRecord();
  SubstituteObdRecord();
}

// The views see the injection times by cylinder, not by the channel that carried them.
void TSterownik::PutChannelsInCylinderOrder() {
  const int bytes = kInjectionRecordSize * kanalyFsi_;
  if (!status_.Has(kInjectionTimes, bytes)) return;
  uint8_t* records = &status_.bytes[kInjectionTimes];
  std::array<uint8_t, kInjectionRecordSize * 8> copy{};
  std::memcpy(copy.data(), records, static_cast<size_t>(bytes));
  for (int channel = 0; channel < kanalyFsi_; ++channel) {
    const int from = FsiPozKanalu(channel);
    if (from != channel && from >= 0 && from < kanalyFsi_)
      std::memcpy(records + kInjectionRecordSize * channel,
                  copy.data() + kInjectionRecordSize * from, kInjectionRecordSize);
  }
}

// Byte 6 names what bytes 7..9 carry: idle trims of either bank, or a learned map cell.
void TSterownik::StatusSubRecord() {
  static constexpr int kMapOfReport[] = {img::MapaEcuBen, img::MapaObdBen1, img::MapaObdBen2,
                                         img::MapaEcuGaz, img::MapaObdGaz1, img::MapaObdGaz2};
  if (!status_.Has(kSubRecord)) return;
  const uint8_t* data = &status_.bytes[kSubData];
  switch (status_.bytes[kSubRecord]) {
    case sub_record::TrimsBank1:
    case sub_record::TrimsBank2:
      if (status_.Has(kSubData, 2)) {
        const bool second = status_.bytes[kSubRecord] == sub_record::TrimsBank2;
        std::copy_n(data, 2, &obraz_[img::Eeprom1 + (second ? 2 : 0)]);
      }
      break;
    case sub_record::MapCellReport:
      if (!status_.Has(kSubData, 3) || data[2] == 0) break;
      if (data[0] < std::size(kMapOfReport)) {
        obraz_[kMapOfReport[data[0]] + data[1]] = data[2];
        learnedCells_.Note(kMapOfReport[data[0]] + data[1]);
      }
      status_.mapsChanged = true;
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
      {sub_record::EepromWrites, 0x1, "Zapis eeprom - dane"},
      {sub_record::EepromWrites, 0x2, "Zapis eeprom - mapy"},
      {sub_record::EepromWrites, 0x4, "Zapis eeprom - błędy"},
      {sub_record::EepromWrites, 0x8, "Zapis eeprom - kasuj błędy"},
      {sub_record::FlashWrites, 0x1, "Zapis flash - nastawy"},
      {sub_record::FlashWrites, 0x2, "Zapis flash - kor.czas"},
      {sub_record::FlashWrites, 0x4, "Zapis flash - kor.czas"},
      {sub_record::FlashWrites, 0x8, "Zapis flash - kor.obr.1"},
      {sub_record::FlashWrites, 0x10, "Zapis flash - kor.obr.2"},
      {sub_record::FlashWrites, 0x20, "Zapis flash - his/kor"},
  };
  if (!status_.Has(kSubData)) return;
  for (const Flag& f : kFlags)
    if (status_.bytes[kSubRecord] == f.subRecord && (status_.bytes[kSubData] & f.bit))
      Log(f.text, log_colour::kBlack);
}

// The controller's own OBD record, as far as the frame carries it; its kind byte tells the
// owner what the controller's OBD module did last.
void TSterownik::TakeObdRecord() {
  if (status_.length <= kObdRecord) return;
  for (int i = 0; i < kObdRecordSize; ++i)
    ostatniRekordObd_[static_cast<size_t>(i)] = status_.Byte(kObdRecord + i);
  const uint8_t kind = ostatniRekordObd_[kObdKind - kObdRecord];
  if (kind != 0)
    Event({.kind = EventKind::ObdSubRecord,
           .code = kind,
           .length = kObdRecordSize,
           .frame = ostatniRekordObd_});
}

// The OBD link's own readings stand in for the controller's when it has prepared them. A
// frame too short to hold the whole record keeps what it carries.
void TSterownik::SubstituteObdRecord() {
  auto active = [](const RekordObd& r) { return r[0] != 0 && r[1] == 0xC0; };
  for (size_t k = 0; k < zewnRekordObd_.size(); ++k) {
    if (!active(zewnRekordObd_[k])) continue;
    if (!status_.Has(kObdRecord, kObdRecordSize)) return;
    std::copy(zewnRekordObd_[k].begin(), zewnRekordObd_[k].end(), &status_.bytes[kObdRecord]);
    status_.bytes[kObdRecord] |= k == 0 ? 0xC0 : 0x80;
    return;
  }
  if (OnTekst && logDaneObd_ && status_.Byte(kObdRecord) != 0) LogObdRecord();
}

void TSterownik::LogObdRecord() {
  static constexpr std::pair<uint8_t, const char*> kKinds[] = {
      {obd_kind::Transmission, " + TRAN:"}, {obd_kind::Variables, " + VAR:"},
      {obd_kind::Ecus, " + ECU:"},          {obd_kind::Supported, " + SUP:"},
      {obd_kind::Pid, " + PID:"},           {obd_kind::TroubleCodes, " + DTC:"}};
  std::string text = "  Stan pracy OBD sterownika";
  for (const auto& [kind, name] : kKinds)
    if (status_.Byte(kObdKind) == kind) text += name;
  Log(text, log_colour::kSilver);
  const int length = status_.length;
  const uint8_t* frame = status_.bytes.data();
  const int head = std::min(length, kObdKind + 1) - kObdRecord;
  std::string bytes = "  RX:" + ramka::HexText(frame + kObdRecord, head);
  if (length > kObdKind + 1)
    bytes += "  " + ramka::HexText(frame + kObdKind + 1, length - kObdKind - 1);
  Log(bytes, log_colour::kBlue);
}
