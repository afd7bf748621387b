#include "sim/SimController.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "controller/CalibrationSettings.h"
#include "controller/FamilyTraits.h"
#include "controller/Ramka.h"
#include "controller/SettingsCatalogue.h"
#include "controller/TransmissionTables.h"
#include "sim/DriveStatus.h"
#include "sim/FastSamples.h"
#include "sim/PayloadBytes.h"

namespace sim {

namespace {

constexpr uint8_t kIdentification = 0x81;
constexpr uint8_t kFirmwareBlock = 0xFF;
constexpr int kHeader = ramka::kHeaderSize;
constexpr int kSerialNumberBytes = 13;
constexpr int kSerialNumberSentWithErase = 12;

uint8_t SerialNumberByte(int i) {
  return static_cast<uint8_t>(0x30 + 7 * i);
}

// A correction curve as a controller keeps it after an installer's tuning: its code, its nodes
// (slot, position, value; slots 0 and 7 at the ends of the axis) and the values between them.
struct CurveNode {
  int slot, x, y;
};

void PutCurve(std::array<uint8_t, img::kSize>& memory, int area, uint8_t code,
              std::initializer_list<CurveNode> nodes) {
  uint8_t* record = &memory[static_cast<size_t>(area)];
  std::fill_n(record, img::kAreaSize, 0);
  record[0] = code;
  for (const CurveNode& n : nodes) {
    record[2 + 2 * n.slot] = static_cast<uint8_t>(n.x);
    record[3 + 2 * n.slot] = static_cast<uint8_t>(n.y);
  }
  constexpr int kFirstValue = 50;
  const CurveNode* previous = nodes.begin();
  for (int x = kFirstValue; x < img::kAreaSize; ++x) {
    while (previous + 1 != nodes.end() && (previous + 1)->x <= x)
      ++previous;
    const CurveNode* next = previous + 1 == nodes.end() ? previous : previous + 1;
    const int span = next->x - previous->x;
    const int y = span <= 0 || x < previous->x
                      ? previous->y
                      : previous->y + (x - previous->x) * (next->y - previous->y) / span;
    record[x] = static_cast<uint8_t>(y);
  }
}

}  // namespace

Identity DefaultIdentity(int family) {
  struct Row {
    int family, model, firmware, injectors, cylinders, boardVariant, hardwareRevision,
        specialVersion;
  };
  // clang-format off
  static constexpr Row kIdentities[] = {
    // family model firmware injectors cylinders variant revision special
    {2,      3,    15,      4,        4,        0,      0,       0},  // MALVER rumo
    {5,      4,    16,      8,        8,        0,      0,       3},  // MALVER FORTIX "Valvetronic"
    {6,      5,    14,      4,        4,        0,      0,       0},  // MALVER LUMO
    {255,    9,    17,      6,        6,        13,     13,      0},  // KAVI 6 CYL. V1.2
    {8,      8,    10,      4,        4,        0,      0,       0},  // MIRVANE v2.0 rail-pressure emulator
    {13,     13,   3,       4,        4,        0,      0,       0},  // Fuel Pump Emulator
  };
  // clang-format on
  Identity id;
  id.family = family;
  for (const Row& r : kIdentities) {
    if (r.family != family) continue;
    id.model = r.model;
    id.firmware = r.firmware;
    id.injectors = r.injectors;
    id.cylinders = r.cylinders;
    id.boardVariant = r.boardVariant;
    id.hardwareRevision = r.hardwareRevision;
    id.specialVersion = r.specialVersion;
  }
  return id;
}

SimController::SimController(const Identity& id) : identity(id) {
  FillDefaultMemory();
}

void SimController::FillDefaultMemory() {
  memory.fill(0);
  ObrazNastaw settings{};
  if (!FamilyIs(Family::PumpEmulator)) {
    const Katalog list = FamilyIs(Family::Kavi)
                             ? KaviCatalogue(identity.firmware, identity.boardVariant)
                             : MalverCatalogue(identity.firmware);
    for (int i = 0; i < kSettingsCount; ++i)
      settings[i] = list[i].domyslna;
  }
  settings[0] = PageChecksum(settings.data());
  settings[256] = PageChecksum(settings.data() + 256);
  std::copy(settings.begin(), settings.end(), memory.begin() + img::Nastawy);

  // Learned maps: injection times in 0.1 ms over RPM columns and load rows, a few cells empty.
  for (int column = 0; column < 16; ++column) {
    for (int row = 0; row < 16; ++row) {
      const int cell = column * 16 + row;
      const bool learned = column < 12 && row < 12;
      memory[img::MapaEcuBen + cell] = learned ? static_cast<uint8_t>(20 + 4 * row + column) : 0;
      memory[img::MapaEcuGaz + cell] = learned ? static_cast<uint8_t>(22 + 4 * row + column) : 0;
      memory[img::KorOdObr1 + cell] = memory[img::KorOdObr2 + cell] = 100;
    }
  }
  for (int i = 0; i < img::kAreaSize; ++i)
    memory[img::Mnoznik1 + i] = memory[img::Mnoznik2 + i] = static_cast<uint8_t>(110 - i / 16);
  // More gas with a cold reducer and cold gas, less at a high pressure.
  PutCurve(memory, img::KorOdTempRed, 9, {{0, 98, 150}, {1, 148, 128}, {7, 228, 124}});
  PutCurve(memory, img::KorOdTempGazu, 10, {{0, 98, 140}, {7, 228, 120}});
  PutCurve(memory, img::KorOdCis, 8, {{0, 50, 128}, {1, 120, 128}, {7, 250, 116}});
  if (FamilyIs(Family::Kavi)) {
    // The KAVI's own tables as delivered: injections at 180 degrees, the petrol dose and the
    // low-pressure emulator neutral.
    std::fill_n(&memory[img::PrzesGaz], img::kAreaSize, 72);
    std::fill_n(&memory[img::DawkaBen], img::kAreaSize, 50);
    std::fill_n(&memory[img::EmulacjaLo], img::kAreaSize, 128);
  }
  // The description is UTF-16, little-endian.
  const char description[] = "Workshop demo controller";
  for (size_t i = 0; i + 1 < sizeof description; ++i)
    memory[img::OpisSterownika + 2 * i] = static_cast<uint8_t>(description[i]);
  // One history entry: the controller as delivered.
  const uint8_t delivered[8] = {0x08, 24, 5, 17, 0x12, 0x34, 0xAB, 0xCD};
  std::memcpy(&memory[img::HistoriaZmian], delivered, sizeof delivered);
}

void SimController::Receive(const uint8_t* bytes, size_t count) {
  input_.insert(input_.end(), bytes, bytes + count);
  for (;;) {
    // Resynchronise on the request start byte.
    const auto start = std::find(input_.begin(), input_.end(), ramka::kRequestStart);
    input_.erase(input_.begin(), start);
    if (input_.size() < kHeader) return;
    const bool block = input_[3] == kFirmwareBlock && input_[2] == 1;
    const size_t length = kHeader + (block ? ramka::kLargestPayload : 2 * input_[2]);
    if (input_.size() < length) return;
    std::vector<uint8_t> frame(input_.begin(), input_.begin() + static_cast<long>(length));
    input_.erase(input_.begin(), input_.begin() + static_cast<long>(length));
    HandleFrame(frame);
  }
}

std::vector<uint8_t> SimController::TakeOutput() {
  std::vector<uint8_t> out;
  while (!output_.empty()) {
    Pending& next = output_.front();
    if (next.waitCalls > 0) {
      --next.waitCalls;
      break;
    }
    if (splitReplies && !next.split && next.bytes.size() > 1) {
      const size_t half = next.bytes.size() / 2;
      out.insert(out.end(), next.bytes.begin(), next.bytes.begin() + static_cast<long>(half));
      next.bytes.erase(next.bytes.begin(), next.bytes.begin() + static_cast<long>(half));
      next.split = true;
      break;
    }
    out.insert(out.end(), next.bytes.begin(), next.bytes.end());
    output_.pop_front();
  }
  return out;
}

namespace {
constexpr size_t kLedColourBytes = 30;
}  // namespace

void SimController::HandleFrame(std::vector<uint8_t>& frame) {
  const int length = static_cast<int>(frame.size());
  ramka::Unscramble(frame.data(), length);
  if (ramka::Total(frame.data(), length) != 0) return;  // a garbled request is ignored
  if (powerOffFor_ > 0) {
    --powerOffFor_;
    return;
  }
  const uint8_t code = frame[3];
  ++requestsSeen;
  lastRequestCodes.push_back(code);
  lastRequest = frame;
  const std::vector<uint8_t> data(frame.begin() + std::min<long>(kHeader + 2, length), frame.end());

  if (code == kIdentification) return Answer(code, IdentificationPayload(data));
  if ((code & 0xF0) == 0x90) return Answer(code, StatusPayload(code));
  if (const auto* area = transmission::AreaOfReadCode(code)) {
    if (areaReads == 0) return;
    if (areaReads > 0) --areaReads;
    std::vector<uint8_t> payload(2 + img::kAreaSize, 0);
    std::copy_n(&memory[area->offset], img::kAreaSize, payload.begin() + 2);
    return Answer(code, payload);
  }
  if (const auto* area = transmission::AreaOfWriteCode(code)) {
    if (code == code::PasswordWritten && !unlocked_) return;
    if (data.size() >= img::kAreaSize)
      std::copy_n(data.begin(), img::kAreaSize, &memory[area->offset]);
    if (code == code::PasswordWritten) StorePassword(data);
    return Answer(code, {});
  }
  switch (code) {
    case 0x82:  // error list: nothing stored
    case 0x76:  // OBD module trouble codes: none
      return Answer(code, std::vector<uint8_t>(2 + 16, 0));
    case 0x77: {  // petrol-input scope, one 500-byte chunk per request
      std::vector<uint8_t> payload(2 + 500);
      payload[0] = '0';
      payload[1] = static_cast<uint8_t>(scopeChunk_);
      for (int i = 0; i < 500; ++i)
        payload[2 + i] = static_cast<uint8_t>(128 + 100 * std::sin((scopeChunk_ * 500 + i) / 20.0));
      scopeChunk_ = (scopeChunk_ + 1) % 8;
      return Answer(code, payload);
    }
    case code::PasswordErased:
      ErasePassword(data);
      return Answer(code, {});
    case code::EmergencyStartsCleared:
      statistics.emergencyStarts = 0;
      return Answer(code, {});
    case 0x8E:
      if (!ignoreJump) state = State::kBootloader;
      return Answer(code, {});
    case 0x8F:
      Answer(code, {});
      return LeaveBootloader();
    case kFirmwareBlock:
      return FirmwareBlock(frame);
    case code::FuelChangeAuto:
    case code::FuelChangeFast:
      engine_.FuelChange(code == code::FuelChangeFast);
      return Answer(code, {});
    case code::InjectorMask:
      if (!data.empty()) engine_.SetInjectorMask(data[0]);
      return Answer(code, {});
    case code::LedColours:  // the switch takes them over and keeps them
      std::copy_n(data.begin(), std::min<size_t>(data.size(), kLedColourBytes),
                  &memory[img::KoloryLed]);
      return Answer(code, {});
    case 0x74:
    case 0x80:
    case 0x83:
    case 0x87:
    case 0x88:
    case 0x89:
      return Answer(code, {});
    default:
      return;  // a controller stays quiet about what it does not know
  }
}

void SimController::Answer(uint8_t code, const std::vector<uint8_t>& payload) {
  const bool fallenSilent = silentAfter >= 0 && requestsSeen > silentAfter &&
                            (silentFor < 0 || requestsSeen <= silentAfter + silentFor);
  if (silent || fallenSilent) return;
  ++repliesMade_;
  const bool dropNow = dropEvery > 0 && repliesMade_ % dropEvery == 0;
  const bool corruptNow = corruptEvery > 0 && repliesMade_ % corruptEvery == 0;
  if (dropReplies > 0 || dropNow) {
    if (!dropNow) --dropReplies;
    return;
  }
  std::vector<uint8_t> frame(kHeader + payload.size() + 1, 0);
  std::copy(payload.begin(), payload.end(), frame.begin() + kHeader);
  const uint8_t start = code == kIdentification ? ramka::kReplyStart : ramka::kReplyStartLower;
  frame.resize(ramka::Build(frame.data(), start, code, static_cast<int>(payload.size())));
  ramka::Scramble(frame.data(), static_cast<int>(frame.size()));
  if ((corruptReplies > 0 || corruptNow) && frame.size() > kHeader) {
    if (!corruptNow) --corruptReplies;
    frame.back() ^= 0x5A;
  }
  output_.push_back({frame, delayCalls, false});
}

// Only the bootloader takes blocks; each is acknowledged, with its number where other requests
// carry their payload header, or in the layout the test chose.
void SimController::FirmwareBlock(const std::vector<uint8_t>& frame) {
  if (state != State::kBootloader || frame.size() < kHeader + 2) return;
  const std::span<const uint8_t> payload(frame.begin() + kHeader, frame.end());
  const int block = payload[0] | payload[1] << 8;
  auto fires = [block](int& knob) {
    if (knob != block) return false;
    knob = -1;
    return true;
  };
  if (fires(powerCutAtBlock)) {
    powerOffFor_ = powerOffRequests;
    return;
  }
  if (fires(silentAtBlock)) {
    silent = true;
    return;
  }
  bootloader.Write(payload);
  if (fires(dropAckAt)) return;
  const std::vector<uint8_t> ack = AcknowledgementOf(ackLayout, block);
  Answer(kFirmwareBlock, ack);
  if (fires(duplicateAckAt)) Answer(kFirmwareBlock, ack);
}

std::vector<uint8_t> AcknowledgementOf(AckLayout layout, int block) {
  const uint8_t low = static_cast<uint8_t>(block & 0xFF);
  switch (layout) {
    case AckLayout::kBlockNumber:
      return {low, static_cast<uint8_t>(block >> 8)};
    case AckLayout::kLowByte:
      return {low, 0};
    case AckLayout::kZeros:
      return {0, 0};
    case AckLayout::kEmpty:
      break;
  }
  return {};
}

// The application starts when it is whole, and runs the version its record names; a half
// written one does not, and the bootloader stays.
void SimController::LeaveBootloader() {
  if (state != State::kBootloader) return;
  const std::optional<SimFirmwareRecord> application = bootloader.WholeApplication();
  if (!application) return;
  state = State::kNormal;
  identity.firmware = application->version;
  identity.beta = application->beta;
}

// A block of zeros clears the password.
void SimController::StorePassword(const std::vector<uint8_t>& block) {
  password.assign(block.begin(), block.begin() + std::min<size_t>(block.size(), img::kAreaSize));
  if (std::all_of(password.begin(), password.end(), [](uint8_t b) { return b == 0; }))
    password.clear();
}

// Only the controller's own serial number erases its password.
void SimController::ErasePassword(const std::vector<uint8_t>& serialNumber) {
  if (serialNumber.size() < kSerialNumberSentWithErase) return;
  for (int i = 0; i < kSerialNumberSentWithErase; ++i)
    if (serialNumber[static_cast<size_t>(i)] != SerialNumberByte(i)) return;
  password.clear();
}

bool SimController::Unlocks(const std::vector<uint8_t>& request) const {
  return password.empty() || (request.size() >= password.size() &&
                              std::equal(password.begin(), password.end(), request.begin()));
}

std::vector<uint8_t> SimController::IdentificationPayload(const std::vector<uint8_t>& request) {
  std::vector<uint8_t> p(100 - kHeader, 0);  // a 100-byte reply: the whole block fits
  unlocked_ = Unlocks(request);
  State shown = state;
  if (state == State::kNormal && !unlocked_) shown = State::kPasswordLocked;
  Put8(p, 5, static_cast<int>(shown));
  for (size_t i = 0; i < 16 && i < identity.barcode.size(); ++i)
    Put8(p, 6 + static_cast<int>(i), identity.barcode[i]);
  for (int i = 0; i < kSerialNumberBytes; ++i)
    Put8(p, 22 + i, SerialNumberByte(i));
  Put8(p, 36, password.empty() ? 0 : 1);
  const int board[8] = {identity.model,  identity.boardVariant, identity.maker,        1,
                        identity.family, identity.injectors,    identity.boardVersion, 2};
  for (int i = 0; i < 8; ++i)
    Put8(p, 38 + i, board[i]);
  Put8(p, 46, 24);  // produced 2024.05.17
  Put8(p, 47, 5);
  Put8(p, 48, 17);
  Put8(p, 50, 0x1A);
  Put8(p, 51, 0x2B);
  Put8(p, 52, 0x3C);
  Put8(p, 53, 0);
  const int program[8] = {
      identity.specialVersion, identity.hardwareRevision, identity.maker,    identity.beta,
      identity.family,         identity.cylinders,        identity.firmware, 8};
  for (int i = 0; i < 8; ++i)
    Put8(p, 54 + i, program[i]);
  Put8(p, 62, 25);  // firmware built 2025.02.03
  Put8(p, 63, 2);
  Put8(p, 64, 3);
  Put8(p, 65, identity.requiredLevel);
  for (int i = 0; i < 4; ++i)
    Put8(p, 66 + i, 128);  // idle trims: none
  Put16(p, 70, statistics.petrolSeconds);
  Put16(p, 72, statistics.petrolHours);
  Put16(p, 74, statistics.gasSeconds);
  Put16(p, 76, statistics.gasHours);
  Put8(p, 82, statistics.emergencyStarts);
  return p;
}

std::vector<uint8_t> SimController::StatusPayload(uint8_t code) {
  const bool longRecord = code & poll_page::LongRecord;
  std::vector<uint8_t> p(
      (longRecord ? status_frame::kLongRecord : status_frame::kShortRecord) - kHeader, 0);
  const int frame = liveTick_;
  if (!frozenLiveValues) ++liveTick_;
  ++statusFrames_;
  engine_.NextFrame();
  if (drive) {
    PutDriveStatus(identity, DriveAt(frame), p);
  } else {
    PutIdleOnGas(frame, p);
    PutEngine(code & poll_page::CalibrationData, p);
  }
  PutLearned(frame, p);
  PutEmergencyStarts(p);
  if (longRecord) PutFastSamples(FamilyOf(static_cast<uint8_t>(identity.family)), frame, p);
  return p;
}

// The idling engine of a gas controller: its fuel, injectors and speed; the steady idle of a
// calibration when the poll asks for one.
void SimController::PutEngine(bool calibration, std::span<uint8_t> p) const {
  if (!TraitsOf(FamilyOf(static_cast<uint8_t>(identity.family))).gasController) return;
  if (calibration) engine_.PutCalibrationIdle(identity, memory, statusFrames_, p);
  const bool stalled = stallAfter >= 0 && statusFrames_ > stallAfter;
  const bool speedLost = loseSpeedAfter >= 0 && statusFrames_ > loseSpeedAfter;
  engine_.PutState(stalled, speedLost, p);
}

// Now and then a gas controller tells what it has learned, in the sub-record when the frame
// carries no message: the cell of the map it works in, or the idle trims of a bank. Driving, or
// every learnEvery-th frame, the cell learns the petrol time of the moment and keeps it in the
// controller's memory; an idling engine has nothing new to learn and reports the cell as it
// stands.
void SimController::PutLearned(int frame, std::span<uint8_t> p) {
  using namespace status_frame;
  constexpr int kEvery = 100;
  constexpr int kMapCell = 25, kTrims1 = 50, kTrims2 = 75;
  if (!TraitsOf(FamilyOf(static_cast<uint8_t>(identity.family))).gasController) return;
  if (Get8(p, kSubRecord) != 0 || Get8(p, kSubData) != 0) return;
  const bool learning = learnEvery > 0 && statusFrames_ % learnEvery == 0;
  const int phase = frame % kEvery;
  if (phase == kMapCell || learning) {
    PutMapCellReport(drive || learning, p);
  } else if (phase == kTrims1 || phase == kTrims2) {
    const bool second = phase == kTrims2;
    const std::array<uint8_t, 4> trims = Trims();
    Put8(p, kSubRecord, second ? sub_record::TrimsBank2 : sub_record::TrimsBank1);
    Put8(p, kSubData, trims[second ? 2 : 0]);
    Put8(p, kSubData + 1, trims[second ? 3 : 1]);
  }
}

void SimController::PutMapCellReport(bool learn, std::span<uint8_t> p) {
  using namespace status_frame;
  const bool onGas = Get8(p, kWorkState) == work_state::kGas;
  const int cell =
      16 * std::min<int>(Get8(p, kMapColumn), 15) + std::min<int>(Get8(p, kMapRow), 15);
  uint8_t& learned = memory[(onGas ? img::MapaEcuGaz : img::MapaEcuBen) + cell];
  const int tenths = std::min(Get16(p, kInjectionTimes) / 25, 255);  // 0.004 ms to 0.1 ms
  if (learn && tenths != 0) learned = static_cast<uint8_t>(tenths);
  if (learned == 0) return;
  Put8(p, kSubRecord, sub_record::MapCellReport);
  Put8(p, kSubData, onGas ? 3 : 0);
  Put8(p, kSubData + 1, cell);
  Put8(p, kSubData + 2, learned);
}

// Every hundred frames, frozen or not, an idling gas controller repeats its count of emergency
// starts; a drive's frames stay those of the recorded drive.
void SimController::PutEmergencyStarts(std::span<uint8_t> p) const {
  using namespace status_frame;
  constexpr int kEvery = 100, kPhase = 90;
  if (drive || !TraitsOf(FamilyOf(static_cast<uint8_t>(identity.family))).gasController) return;
  if (statusFrames_ % kEvery != kPhase || Get8(p, kSubRecord) != 0) return;
  Put8(p, kSubRecord, sub_record::Eeprom2Byte);
  Put8(p, kSubData, statistics.emergencyStarts);
}

// The controller's own adaptation drifts towards what the engine needs: the MALVER families
// trim their multipliers, the KAVI family its idle corrections; an eighth of the way, so that
// a controller near the mark reports no trim at all.
std::array<uint8_t, 4> SimController::Trims() const {
  auto trim = [](int right, int current) {
    return static_cast<uint8_t>(std::clamp(128 + (right - current) / 8, 0, 255));
  };
  const uint8_t* settings = &memory[img::Nastawy];
  if (FamilyIs(Family::Kavi))
    return {trim(IdleEngine::kRightIdleCorrection, settings[calibration_setting::IdleCorrection1]),
            128,
            trim(IdleEngine::kRightIdleCorrection, settings[calibration_setting::IdleCorrection2]),
            128};
  return {128, trim(IdleEngine::kRightMultiplier, memory[img::Mnoznik1]), 128,
          trim(IdleEngine::kRightMultiplier, memory[img::Mnoznik2])};
}

// Live values move slowly around idle on gas unless frozen, so a test can predict the text.
void SimController::PutIdleOnGas(int frame, std::span<uint8_t> p) const {
  const double phase = frozenLiveValues ? 0.0 : std::sin(frame / 12.0);
  const int rpm = static_cast<int>(85 + 10 * phase);  // x10 rpm
  if (FamilyIs(Family::RailEmulator)) {
    Put8(p, 10, 1);  // emulating
    Put8(p, 11, 125);
    Put16(p, 14, rpm);
    Put16(p, 16, 2800);
    Put16(p, 18, static_cast<int>(400 + 40 * phase));
    Put16(p, 22, 500);
    return;
  }
  Put8(p, 10, 6);     // work state: gas
  Put8(p, 11, 0x03);  // ignition on, engine turning
  Put8(p, 13, 2);
  Put8(p, 14, 1);
  Put8(p, 22, 0xFF);  // every injector on gas
  if (FamilyIs(Family::PumpEmulator)) {
    Put16(p, 27, 300);
    Put8(p, 50, 64);
    Put16(p, 52, 2800);
    Put16(p, 54, 500);
    Put16(p, 56, 300);
    Put16(p, 58, 200);
    Put16(p, 60, static_cast<int>(800 + 50 * phase));
    Put16(p, 62, static_cast<int>(900 + 50 * phase));
    return;
  }
  Put16(p, 17, rpm);
  Put8(p, 21, 0);                                   // petrol share
  Put16(p, 27, 300);                                // emulation 1.50 V
  Put16(p, 37, 100);                                // gas-petrol time
  Put8(p, 39, 120);                                 // set pressure
  Put8(p, 40, 128 + 55);                            // reducer 55 °C
  Put8(p, 42, 128 + 30);                            // gas 30 °C
  Put16(p, 44, static_cast<int>(35 + 5 * phase));   // vacuum 0.35 bar
  Put16(p, 46, 155);                                // absolute gas pressure
  Put16(p, 48, static_cast<int>(120 + 3 * phase));  // gas pressure 1.20 bar
  Put8(p, 50, 80);                                  // level sensor 1.60 V
  Put8(p, 51, 156);                                 // level 62.4 %
  Put16(p, 52, 2800);                               // supply 14.00 V
  Put16(p, 54, 500);                                // PWM 2.50 V
  Put16(p, 56, 100);                                // lambda 2 0.50 V
  Put16(p, 58, static_cast<int>(90 + 60 * phase));  // lambda 0.45 V
  for (int channel = 0; channel < identity.injectors && channel < 8; ++channel) {
    Put16(p, 60 + 4 * channel, static_cast<int>(800 + 40 * phase) + 5 * channel);  // petrol
    Put16(p, 62 + 4 * channel, static_cast<int>(900 + 40 * phase) + 5 * channel);  // gas
  }
}

}  // namespace sim
