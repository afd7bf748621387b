#pragma once

#include <cstdint>

// The controller protocol's numbers, named once: families, event kinds, reply codes, the bits
// of the transmission flag words, and where things stand in a status frame.

// The family code a controller reports (img Schemat).
enum class Family : uint8_t {
  Unknown = 0,
  Rumo = 2,
  Fortix = 5,
  Lumo = 6,
  RailEmulator = 8,
  PumpEmulator = 13,
  Kavi = 255,
};

// What the link reports through OnZdarzenie.
enum class EventKind : int {
  ReplyAccepted = 0,
  FrameSent = 1,
  Calibration = 2,
  PortOpened = 3,
  FileLoaded = 4,
  ScopeRecording = 5,
  RecordReplayed = 6,
  Firmware = 7,  // code: a firmware_event
  ObdLink = 100,
  ObdSubRecord = 102,
};

// The code of a calibration event.
enum class CalibrationState : int {
  Started = 1,
  Progress = 2,
  Finished = 3,
  Aborted = 4,
  Stopped = 5,
};

// The code of a firmware event.
namespace firmware_event {
inline constexpr int Progress = 1;      // a block was acknowledged; aux: per cent sent
inline constexpr int Finished = 2;      // every block acknowledged; the return follows
inline constexpr int InBootloader = 3;  // the controller waits in its bootloader, no update on
}  // namespace firmware_event

// The bits of a change-history entry, by their number: what the program changed that day.
namespace history_kind {
inline constexpr int FirmwareWritten = 0;
inline constexpr int FactorySettings = 1;
inline constexpr int ErrorsCleared = 2;
inline constexpr int SettingsWritten = 3;
}  // namespace history_kind

// Codes of the requests and of the replies that answer them (a reply carries its request's
// code). The data areas' read and write codes are in the transmission tables.
namespace code {
inline constexpr uint8_t ObdDtcCleared = 0x74;
inline constexpr uint8_t ObdDtc = 0x76;
inline constexpr uint8_t PetrolScope = 0x77;
inline constexpr uint8_t EmergencyStartsCleared = 0x78;
inline constexpr uint8_t LedColours = 0x7B;
inline constexpr uint8_t LedColoursSet = 0x7C;
inline constexpr uint8_t LiveCommand = 0x80;
inline constexpr uint8_t Identification = 0x81;
inline constexpr uint8_t ErrorList = 0x82;
inline constexpr uint8_t ClearErrors = 0x83;
inline constexpr uint8_t FuelChangeAuto = 0x84;
inline constexpr uint8_t FuelChangeFast = 0x85;
inline constexpr uint8_t InjectorMask = 0x86;
inline constexpr uint8_t SpeakerTest = 0x87;
inline constexpr uint8_t LeakOrValveTest = 0x88;
inline constexpr uint8_t FactorySettings = 0x89;
inline constexpr uint8_t PasswordErased = 0x8D;
inline constexpr uint8_t BootloaderJump = 0x8E;
inline constexpr uint8_t BootloaderReturn = 0x8F;
inline constexpr uint8_t PasswordWritten = 0xDF;
inline constexpr uint8_t FirmwareBlock = 0xFF;
// Status frames: the poll's code with the page bits of StronaParam in its low nibble.
inline constexpr uint8_t Poll = 0x90;
inline constexpr uint8_t PollWithFuelTrims = 0x94;
inline constexpr uint8_t kPollFamilyMask = 0xF0;

inline constexpr bool IsStatus(uint8_t c) {
  return (c & kPollFamilyMask) == Poll;
}
}  // namespace code

// The status byte of the identification reply.
namespace ident_state {
inline constexpr uint8_t Normal = 0;
inline constexpr uint8_t InBootloader = 1;
inline constexpr uint8_t PasswordLocked = 2;
}  // namespace ident_state

// Bits of StronaParam, the low nibble of the poll.
namespace poll_page {
inline constexpr uint8_t CalibrationData = 0x1;
inline constexpr uint8_t LevelSensor = 0x2;
inline constexpr uint8_t LongRecord = 0x8;
}  // namespace poll_page

// FlagiRozkazow: one bit per command.
namespace CommandBit {
enum : uint32_t {
  Identify = 0x1,
  ReadErrors = 0x2,
  ObdReadDtc = 0x4,
  ObdClearDtc = 0x8,
  LiveCommand = 0x10,
  ClearErrors = 0x20,
  FuelChangeAuto = 0x40,
  FuelChangeFast = 0x80,
  SendInjectorMask = 0x100,
  SpeakerTest = 0x200,
  LeakTest = 0x400,
  ValveTest = 0x800,
  FactorySettings = 0x1000,
  ErasePassword = 0x2000,
  SendLedColours = 0x4000,
  ClearEmergencyStarts = 0x8000,
  ReadPetrolScope = 0x10000,
  SwitchToPetrol = 0x20000,
};
}  // namespace CommandBit

// FlagiCzytania and FlagiZapisu: one bit per data area, the same in both words.
namespace AreaBit {
enum : uint32_t {
  Settings = 0x1,
  Multiplier1 = 0x2,
  Multiplier2 = 0x4,
  RpmCorrection1 = 0x8,
  RpmCorrection2 = 0x10,
  Settings2 = 0x20,
  History = 0x80,
  PressureCorrection = 0x100,
  ReducerTempCorrection = 0x200,
  GasTempCorrection = 0x400,
  EmulatorHi = 0x800,
  Admixture = 0x1000,
  PressureMap = 0x2000,
  Description = 0x4000,
  Password = 0x8000,
  PetrolMap = 0x10000,
  GasMap = 0x20000,
  EmulatorLo = 0x40000,
  GasAdvance = 0x80000,
  PetrolDose = 0x100000,
  ObdPetrolMap1 = 0x1000000,
  ObdGasMap1 = 0x2000000,
  ObdPetrolMap2 = 0x4000000,
  ObdGasMap2 = 0x8000000,
};
}  // namespace AreaBit

namespace area_set {
using namespace AreaBit;
// What a gas controller's read-out asks for after identification, before the version extras.
inline constexpr uint32_t kGasControllerReadOut =
    Settings | Multiplier1 | Multiplier2 | RpmCorrection1 | RpmCorrection2 | History |
    PressureCorrection | ReducerTempCorrection | GasTempCorrection | Admixture | PressureMap |
    Description | PetrolMap | GasMap | ObdPetrolMap1 | ObdGasMap1 | ObdPetrolMap2 | ObdGasMap2;
// Read again after the factory settings were restored.
inline constexpr uint32_t kAfterFactorySettings =
    Settings | Multiplier1 | Multiplier2 | RpmCorrection1 | RpmCorrection2 | PressureCorrection |
    ReducerTempCorrection | GasTempCorrection | Admixture | PressureMap;
inline constexpr uint32_t kRailEmulatorReadOut = Settings | EmulatorHi;
inline constexpr uint32_t kPumpEmulatorReadOut = Settings;
}  // namespace area_set

// Where things stand in a status frame (frame byte 0 is the start byte).
namespace status_frame {
inline constexpr int kSubRecord = 6;  // names what bytes 7..9 carry
inline constexpr int kSubData = 7;
inline constexpr int kWorkState = 10;
inline constexpr int kWorkFlags = 11;
inline constexpr int kByte12 = 12;
inline constexpr int kLeds = 13;  // two bytes
// The learned maps' cell the engine works in: the load row and the RPM column.
inline constexpr int kMapRow = 15;
inline constexpr int kMapColumn = 16;
inline constexpr int kRpmTens = 17;              // engine speed / 10, 16 bits
inline constexpr int kAbsoluteGasPressure = 46;  // 0.01 bar, 16 bits
inline constexpr int kInjectorMask = 22;
inline constexpr int kEmulationHigh = 28;  // high byte of the emulation output
inline constexpr int kReducerTemperature = 40;
inline constexpr int kGasTemperature = 42;
inline constexpr int kManifoldPressure = 44;
inline constexpr int kGasPressure = 48;     // above the manifold, 0.01 bar, 16 bits
inline constexpr int kLevelVoltage = 50;    // the level sensor, 0.02 V
inline constexpr int kRailPressure = 54;    // 16 bits
inline constexpr int kLambda2 = 56;         // 16 bits
inline constexpr int kLambda = 58;          // 16 bits
inline constexpr int kInjectionTimes = 60;  // per channel: petrol and gas, 16 bits each
inline constexpr int kInjectionRecordSize = 4;
inline constexpr int kFirstGasTime = kInjectionTimes + 2;  // 0.004 ms, 16 bits
inline constexpr int kDetectedOrder = 70;  // per channel its detected firing position
inline constexpr int kObdRecord = 92;      // 36 bytes
inline constexpr int kObdRecordSize = 36;
inline constexpr int kObdKind = kObdRecord + 11;
inline constexpr int kObdCount = kObdKind + 1;
inline constexpr int kObdData = kObdKind + 2;
inline constexpr int kShortRecord = 128;
inline constexpr int kLongRecord = 256;
}  // namespace status_frame

// Status frame byte 13 while the level data is polled: the dashboard switch's LEDs.
namespace level_led {
enum : uint8_t {
  ReserveRed = 0x01,
  ReserveGreen = 0x02,
  Quarter = 0x04,
  Half = 0x08,
  ThreeQuarters = 0x10,
  Full = 0x20,
};
}  // namespace level_led

// Where things stand in a status frame of the rail-pressure emulator (family 8).
namespace rail_emulator_frame {
inline constexpr int kMapRow = 12;
inline constexpr int kMapColumn = 13;
inline constexpr int kRailSensor = 18;  // 16 bits
}  // namespace rail_emulator_frame

// Work states a gas controller reports in status frame byte 10 (StanPaliwa).
namespace fuel_state {
inline constexpr uint8_t Petrol = 0;
inline constexpr uint8_t Gas = 6;
}  // namespace fuel_state

// Byte 6 of a status frame.
namespace sub_record {
inline constexpr uint8_t MapCellReport = 0x00;
inline constexpr uint8_t Eeprom2Byte = 0xEF;
inline constexpr uint8_t Information = 0xF0;
inline constexpr uint8_t EepromWrites = 0xF1;
inline constexpr uint8_t FlashWrites = 0xF2;
inline constexpr uint8_t TrimsBank1 = 0xF3;
inline constexpr uint8_t TrimsBank2 = 0xF4;
}  // namespace sub_record

// Byte 11 of a status frame.
namespace WorkFlag {
enum : uint8_t {
  IgnitionOn = 0x01,
  EngineTurning = 0x02,
  DiagnosticNotice = 0x04,
  ErrorPresent = 0x08,
  FaultsStored = 0x10,
  InjectorWarming = 0x20,
  ColdLeaning = 0x40,  // stratified charge on KAVI
  PetrolAddition = 0x80,
};
}  // namespace WorkFlag

// The kind byte of the OBD sub-record.
namespace obd_kind {
inline constexpr uint8_t Transmission = 1;
inline constexpr uint8_t Variables = 2;
inline constexpr uint8_t Ecus = 4;
inline constexpr uint8_t Supported = 8;
inline constexpr uint8_t Pid = 16;
inline constexpr uint8_t TroubleCodes = 32;
}  // namespace obd_kind

// The OBD status word, bytes 92 and 93 of a status frame.
namespace obd_word {
inline constexpr int kSubstituted = 0xC0;        // the OBD link's own record stands in
inline constexpr int kModuleConnected = 0xC000;  // the controller's module talks to the car
inline constexpr int kProtocol = 0xFF;           // which protocol it found
inline constexpr int kModuleReports = 192;       // byte 93: byte 94 carries the module's flags
inline constexpr int kModuleFlags = status_frame::kObdRecord + 2;
inline constexpr uint8_t kCodesStored = 0x80;  // the engine has trouble codes
inline constexpr uint8_t kCodesClear = 0x40;   // it was asked and has none
}  // namespace obd_word

// Where a live parameter is shown: bits of a definition's flagi.
namespace ChartPlace {
enum : int32_t {
  ScopeList = 0x01,
  Offered = 0x02,
  AdminOfferedOrScope = 0x04,
  AdminScope = 0x08,
  ScopeTrace = 0x10,
  Readings = 0x20,
  InjectionTimes = 0x40,
};
}  // namespace ChartPlace

// Status-frame bytes the map view's live cursor and live cells follow (16-bit values are
// little-endian).
namespace status_frame {
inline constexpr int kEmulatorColumn = 12;  // the rail-pressure emulator's own cell
inline constexpr int kEmulatorRow = 13;
inline constexpr int kPetrolTime = 19;  // 0.1 ms
inline constexpr int kEmulationVoltage = 27;
inline constexpr int kInputByte = 28;  // an input scaled to one byte; its high nibble picks a row
inline constexpr int kPetrolDose = 33;
inline constexpr int kLoadPressure = 44;                // 0.01 bar
inline constexpr int kAnalogueInput = 54;               // PWM or fuel-pressure voltage
inline constexpr int kLambdaInput = 58;                 // lambda 1, or the MAF voltage
inline constexpr int kObdCorrections = kObdRecord + 7;  // four bytes, 128 = none
inline constexpr int kObdCorrectionCount = 4;
}  // namespace status_frame

// Byte 10 of a status frame while the engine runs on gas.
namespace status_frame {
inline constexpr uint8_t kWorkStateOnGas = 6;
}  // namespace status_frame
