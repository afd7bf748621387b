#pragma once

// The settings (byte index in Nastawy page 0) that the calibration, the reference correction,
// the adaptation and the learning of tables read and write.
namespace calibration_setting {
inline constexpr int EmulatorSignal = 6;  // which lambda input the emulator table learns from
inline constexpr int EngineType = 10;
inline constexpr int Emulation = 15;
inline constexpr int FuelType = 20;
inline constexpr int PetrolInjectors = 31;  // by bit: the injectors kept on petrol
inline constexpr int PressureMapBlocked = 39;
inline constexpr int PerInjector = 82;  // bit 0: a coarse pass for each injector in turn
inline constexpr int PetrolReference = 83;
inline constexpr int RailPressure = 84;
inline constexpr int GasTemperature = 85;
inline constexpr int WorkingPressure = 86;
inline constexpr int ReducerTemperature = 87;
inline constexpr int ManifoldPressure = 88;
inline constexpr int ExtraInjection = 89;
inline constexpr int IdleCorrection1 = 90;
inline constexpr int IdleCorrection2 = 92;
inline constexpr int ReferenceCorrection = 94;
inline constexpr int PressureMapSource = 108;

// Values they take.
inline constexpr int kEmulationLearned = 3;  // Emulation: the emulator follows its table
inline constexpr int kCompressedGas = 1;     // FuelType: CNG, which settles more slowly
}  // namespace calibration_setting
