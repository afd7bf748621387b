#pragma once

// The settings the map view's charts read, by their byte in the settings block.
namespace chart::setting {

inline constexpr int kLoadSignal = 4;  // kMafVoltage: the load is a MAF voltage, not a pressure
inline constexpr int kMafVoltage = 2;
inline constexpr int kEngineType = 10;
inline constexpr int kAdmixtureAxis = 12;   // 0: the admixture table goes by a voltage
inline constexpr int kEmulatorLoType = 17;  // kSecondEmulatorLo: the Lo table's second kind
inline constexpr int kSecondEmulatorLo = 2;
inline constexpr int kEmulatorAxis = 48;         // 0, 1: fixed steps; kEmulatorByVoltage
inline constexpr int kEmulatorByVoltage = 2;     // the Hi emulator table goes by a voltage
inline constexpr int kBankCylinders = 30;        // bit n: cylinder n + 1 is in bank 2
inline constexpr int kPetrolOnly = 31;           // bit n: cylinder n + 1 stays on petrol
inline constexpr int kCorrectionAxis = 76;       // 1: the RPM corrections go by injection time
inline constexpr int kAdaptationMode = 81;       // 0: the controller does not adapt
inline constexpr int kPetrolMarker = 83;         // a petrol time, 0.05 ms; 0 = none
inline constexpr int kVoltageBreakpoints = 140;  // 16 rows, 0.02 V
inline constexpr int kLoadBreakpoints = 224;     // 16 rows, 0.01 bar (0.02 V for a MAF signal)
inline constexpr int kFullScaleLoad = 239;       // the last of them
inline constexpr int kRpmBreakpoints = 240;      // 16 columns, 50 rpm
inline constexpr int kTimeBreakpoints = 272;     // 16 rows of injection time, 0.1 ms
inline constexpr int kDoseAxis = 295;            // 1: by a voltage, 2: by the petrol dose
inline constexpr int kDoseByVoltage = 1;
inline constexpr int kDoseByPetrolDose = 2;

// What the tables' cells are measured against.
inline constexpr int kShortestDose = 7;          // 0.1 ms: shorter petrol doses show red
inline constexpr int kAdmixtureUnused = 2;       // setting 12: the admixture table is not used
inline constexpr int kAdaptationToSetValue = 3;  // setting 81: OBD corrections aim at setting 108
inline constexpr int kAdaptationSetValue = 108;  // raw OBD correction, 128 = none
inline constexpr int kPetrolAdditionMode = 156;  // below 2: the petrol addition table is not used
inline constexpr int kDoseMode = 257;            // above 1: the petrol dose table is used
inline constexpr int kAdvanceMode = 261;         // kAdvanceByTable: the gas advance table is used
inline constexpr int kAdvanceByTable = 2;
inline constexpr int kAdvanceAngle = 262;  // the injection window: 0, 1 or more

// The learned maps and every other table: 16 x 16 cells.
inline constexpr int kMapSize = 16;

}  // namespace chart::setting
