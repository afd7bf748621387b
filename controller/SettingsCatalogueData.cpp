#include "controller/SettingsCatalogueData.h"

namespace catalogue {
namespace {

// clang-format off

constexpr Row kMalverRowsData[] = {
    {  1, 3000, kList,            0,   0,   0,   8, 1.0,       kNoUnit,  3011,  0, kAnyFirmware      },  // RPM signal
    {  2, 3020, kNumber,          0,   1,   1, 120, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // RPM signal divider
    {  3, 3030, kNumber,          2,   5,  50, 200, 0.06,      kVolt,       0,  0, kAnyFirmware      },  // RPM detection treshold
    {  4, 3040, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  3041,  0, kAnyFirmware      },  // RPM wire
    {  5, 3050, kList,            0,   0,   1,   1, 1.0,       kNoUnit,  3051,  0, kAnyFirmware      },  // Ignition wire
    {  6, 3060, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3061,  6, kAnyFirmware      },  // Signal source
    {  7, 3070, kList,            0,   0,   0,   3, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // Lamdba type
    {  8, 3080, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  3081,  0, kAnyFirmware      },  // Petrol injection type
    {  9, 3090, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3091,  0, kAnyFirmware      },  // Petrol injectors activated by
    { 10, 3100, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3101,  0, kAnyFirmware      },  // Engine type
    { 11, 3110, kNumber,          1,   0,   0,  25, 0.1,       kMs,         0,  0, kAnyFirmware      },  // Extra-injections switch off time
    { 12, 3120, kNumber,          0,   0,   0, 100, 1.0,       kPercent,    0,  0, kAnyFirmware      },  // Petrol admixture
    { 13,  984, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Renix
    { 14, 3140, kNumber,          1,   1,   8,   8, 0.1,       kMs,         0,  5, kAnyFirmware      },  // RPM sensitivity
    { 15, 3150, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  3151,  6, kAnyFirmware      },  // Emulation
    { 16, 3160, kSigned,          2,  28, 128, 228, 0.02,      kVolt,       0,  6, kAnyFirmware      },  // Shift
    { 17, 3170, kNumber,          0,   0,   8,  30, 100.0,     kMs,         0,  6, kAnyFirmware      },  // Delay
    { 18, 3180, kNumber,          3,   0,   0, 100, 0.005,     kVolt,       0,  6, kAnyFirmware      },  // Modulation
    { 19, 3190, kNumber,          1,   0,   0, 100, 0.1,       kSecond,     0,  6, kAnyFirmware      },  // Period
    { 20, 3200, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3201,  0, kAnyFirmware      },  // Fuel type
    { 21, 3210, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Turn on injectors warming
    { 23, 3230, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Minimal GAS time
    { 24, 3240, kList,            0,   1,   1,  31, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Injectors
    { 25,  990, kNumber,          1,   0,  19, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // czas piku prądu
    { 26,  991, kSigned,          3,   0, 140, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  // czas otw. - zam.
    { 27,  992, kSigned,          3,   0, 168, 255, 0.025,     kNoUnit,     0,  0, kAnyFirmware      },  // nachylenie od cis.
    { 28,  993, kNumber,          0,   0,  50, 100, 1.0,       kPercent,    0,  0, kAnyFirmware      },  // wypełnienie pwm
    { 29,  994, kNumber,          2,   0,   0,   4, 0.05,      kMs,         0,  0, kAnyFirmware      },  // czas wyłączenia po piku
    { 31, 3310, kNumber,          0,   0,   0, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Switch selected Injectors on GASOLINE
    { 40, 3400, kList,            0,   0,   0,  11, 1.0,       kNoUnit,  3401,  0, kAnyFirmware      },  // Gas level sensor
    { 45, 3450, kList,            0,   1,   2,   4, 1.0,       kNoUnit,  3451,  0, kAnyFirmware      },  // Reducer temp. sensor
    { 46, 3460, kList,            0,   1,   4,   4, 1.0,       kNoUnit,  3451,  0, kAnyFirmware      },  // Gas temp. sensor
    { 47, 3470, kList,            0,   0,   2,   5, 1.0,       kNoUnit,     0, 11, kAnyFirmware      },  // Sampling period
    { 48, 3480, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // PWM signal
    { 49, 3490, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kAnyFirmware      },  // Signaling the work on petrol
    { 50, 3500, kNumber,          0,   0,  70, 255, 10.0,      kRpm,        0,  0, kAnyFirmware      },  // Switching to GAS when RPM rises above
    { 51, 3510, kSigned,          0, 128, 168, 218, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // Switching to GAS when temp. rises above
    { 52, 3520, kNumber,          0,   1,   6,  60, 1.0,       kSecond,     0,  0, kAnyFirmware      },  // Delay after ignition
    { 53, 3530, kNumber,          1,   0,  20, 200, 0.1,       kSecond,     0,  0, kAnyFirmware      },  // Delay after the solenoid valve
    { 54, 3540, kNumber,          0,   0,  10, 250, 1.0,       kSecond,     0,  0, kAnyFirmware      },  // Delay for a cold engine
    { 55, 3550, kNumber,          1,   0,  10, 200, 0.1,       kSecond,     0,  0, kAnyFirmware      },  // Changeover delay per cyl.
    { 56, 3560, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  3561,  0, kAnyFirmware      },  // Switching type
    { 57, 3570, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  3571,  0, kAnyFirmware      },  // Fast start ( hot engine )
    { 58, 3580, kSigned,          0, 138, 168, 218, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // Reducer temperature
    { 59, 3590, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0,  0, kAnyFirmware      },  // Enrichment switching
    { 60, 3600, kNumber,          0,   0,  30, 255, 10.0,      kRpm,        0,  0, kAnyFirmware      },  // Minimum RPM on GAS
    { 61, 3610, kNumber,          0,  60, 200, 200, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // Maximum RPM on GAS
    { 62, 3620, kSigned,          0, 108, 128, 148, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // Minimum gas temperature
    { 63, 3630, kNumber,          2,   0,  60, 250, 0.01,      kBar,        0,  0, kAnyFirmware      },  // Minimum gas pressure
    { 64, 3640, kNumber,          2,   0,  20, 255, 0.01,      kSecond,     0,  0, kAnyFirmware      },  // Pressure error time
    { 65, 3650, kNumber,          1,   3,   5,  50, 0.1,       kSecond,     0,  0, kAnyFirmware      },  // RPM signal loss time
    { 66, 3660, kNumber,          1,   3,  20,  50, 0.1,       kMs,         0,  0, kAnyFirmware      },  // Time ignition no signal
    { 67, 3670, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Fast RPM signal fault detection
    { 68, 3680, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Enable full petrol injection
    { 69, 3690, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Switch off with the first pressure drop
    { 70, 3700, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Switch off before full open injector
    { 71, 3710, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Pressure sensor
    { 72, 3720, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware      },  // Power supply from the solenoid valve
    { 73,  996, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0,  8, kAnyFirmware      },  // oscylator
    { 74, 3740, kNumber,          0,   0,   0,  10, 1.0,       kSecond,     0,  6, kAnyFirmware      },  // Switch BG turn off
    { 75, 3750, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3751,  4, kAnyFirmware      },  // Adaptation type
    { 77, 3770, kSigned,          0, 128, 168, 188, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // Temperature collection map
    { 78, 3780, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Faster map collection
    { 79, 3790, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Blockade
    { 81, 3810, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  3811,  0, kAnyFirmware      },  // Adaptation
    { 82, 3820, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Calibration per cylinder
    { 83, 3830, kNumber,          2,   0,  60, 255, 0.05,      kMs,         0,  0, kAnyFirmware      },  // Petrol time
    { 85, 3850, kSigned,          0,   0, 178, 255, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // Gas temperature
    { 86, 3860, kNumber,          2,   0, 100, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // Working pressure
    { 89, 3890, kNumber,          3,   0,  60, 255, 0.004,     kMs,         0,  0, kAnyFirmware      },  // Extra injection correction
    { 90, 3900, kSigned,          2,   0, 113, 255, 0.02,      kMs,         0,  0, kAnyFirmware      },  // Idle RPM correction
    { 92, 3900, kSigned,          2,   0, 113, 255, 0.02,      kMs,         0,  0, kAnyFirmware      },  // Idle RPM correction
    { 93, 3930, kList,            0,   0,   0,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // (no text)
    { 95, 3950, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kAnyFirmware      },  // Reducer temp. signal
    { 96, 3960, kList,            0,   0,   1,   3, 1.0,       kNoUnit,  3961,  0, kAnyFirmware      },  // Switching signal
    { 97, 3970, kSigned,          0, 158, 168, 218, 1.0,       kCelsius,    0,  5, kAnyFirmware      },  // Reducer temperature
    { 98, 3980, kNumber,          0,   0,   4,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Volume
    { 99, 3990, kNumber,          0,   0,   4,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Brightness
    {103, 4030, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Inverted LTFT corrections
    {104, 4040, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Inverted STFT corrections
    {105, 4050, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD correction average
    {106, 4060, kNumber,          1,   0,  10,  26, 0.78125,   kPercent,    0,  0, kAnyFirmware      },  // Max. OBD correction
    {107, 4070, kNumber,          1,   0,   5,  26, 0.78125,   kPercent,    0,  0, kAnyFirmware      },  // Acceptable adjustments
    {108, 4080, kSigned,          1,  96, 128, 160, 0.78125,   kPercent,    0,  5, kAnyFirmware      },  // Set correction value
    {109, 4090, kList,            0,   0,   0,   8, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD protocol
    {110, 4100, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Monitor
    {111, 4110, kHex,             0,   0,   0, 255, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // ECU address
    {112, 4120, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Delete all OBD errors
    {113, 4130, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Delete fuel trim errors
    {114, 4140, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Delete selected errors
    {115, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD errors
    {117, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD errors
    {119, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD errors
    {121, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // OBD errors
    {123, 4230, kList,            0,   0,   0,  40, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // User PID
    {124, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // User PID
    {125, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // User PID
    {126, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware      },  // User PID
    {127, 4270, kNumber,          0,  10,  33, 250, 10.0,      kMs,         0,  6, kAnyFirmware      },  // PID reading scope
    {128, 4280, kNumber,          0,   5,  10, 250, 10.0,      kMs,         0,  6, kAnyFirmware      },  // PID reading scope (CAN)
    {129, 4290, kNumber,          0,   0,   0, 120, 1.0,       kSecond,     0,  6, kAnyFirmware      },  // DTC reading scope
    {130, 4300, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware      },  // Swith off after error
    {131, 4310, kNumber,          0,   0,   0, 240, 1.0,       kSecond,     0,  9, kAnyFirmware      },  // Delay after ignition
    {133, 4432, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 11, kFirmwareAbove12  },  // Enriching / depletion
    {134, 4442, kNumber,          0,   0, 100, 100, 1.0,       kPercent,    0, 13, kFirmwareAbove12  },  // During acceleration
    {135, 5610, kList,            0,   0,   0,   7, 1.0,       kNoUnit,     0, 13, kAnyFirmware      },  // Gas injection advance
    {136, 4462, kNumber,          0,   0, 100, 100, 1.0,       kPercent,    0, 13, kFirmwareAbove12  },  // Below 50°C
    {139, 4390, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  4391,  8, kAnyFirmware      },  // Led color
    {156, 4560, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  4561, 13, kFirmwareAbove12  },  // Petrol addition
    {157, 4570, kNumber,          1,   0,  20, 250, 0.1,       kMs,         0,  5, kAnyFirmware      },  // Petrol post-injection time
    {158, 4580, kNumber,          1,   0, 130, 250, 0.1,       kMs,         0,  5, kAnyFirmware      },  // From injection time
    {159, 4590, kNumber,          0,   0,  60, 200, 50.0,      kRpm,        0,  5, kAnyFirmware      },  // From RPM
    {160, 4600, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kAnyFirmware      },  // Leaning on cold
    {161, 4610, kNumber,          1,   0, 130, 200, 0.1,       kMs,         0,  5, kAnyFirmware      },  // Maximum injection time
    {162, 4620, kSigned,          0, 128, 168, 218, 1.0,       kCelsius,    0,  5, kAnyFirmware      },  // For reducer temperature
    {163, 4630, kNumber,          0,   0,  60, 120, 50.0,      kRpm,        0,  5, kAnyFirmware      },  // For RPM
    {164, 1709, kNumber,          2,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Multiplier
    {190, 1709, kNumber,          2,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // Multiplier
    {216,  900, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    1
    {217,  901, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    2
    {218,  902, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    3
    {219,  903, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    4
    {220,  904, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    5
    {221,  905, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    6
    {222,  906, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    7
    {223,  907, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware      },  //    8
    {296, 5960, kNumber,          0,   0,  70, 200, 50.0,      kRpm,        0, 15, kAnyFirmware      },  // From RPM
    {297, 5970, kNumber,          2,   0,  75, 255, 0.01,      kBar,        0, 15, kAnyFirmware      },  // From manifold pressure
    {300, 5960, kNumber,          0,   0,  24, 200, 50.0,      kRpm,        0, 15, kAnyFirmware      },  // From RPM
    {301, 5970, kNumber,          2,   0,   0, 255, 0.01,      kBar,        0, 15, kAnyFirmware      },  // From manifold pressure
    {305, 6050, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 15, kAnyFirmware      },  // Hybrid
    {133, 4430, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 11, kFirmware12OrLower},  // Enriching during acceleration
    {134, 4440, kSigned,          0,  78, 138, 228, 1.0,       kPercent,    0, 11, kFirmware12OrLower},  // Enriching
    {136, 4460, kNumber,          2,   0,  20,  50, 0.01,      kBar,        0, 11, kFirmware12OrLower},  // From pressure drop
    {137, 4470, kNumber,          0,   0,  10,  50, 1.0,       kNoUnit,     0, 11, kFirmware12OrLower},  // Number of cycles
    {138, 4480, kNumber,          0,   0,  60, 200, 50.0,      kRpm,        0, 11, kFirmware12OrLower},  // To RPM value
    {156, 4560, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kFirmware12OrLower},  // Petrol addition
    { 22,    0, kSigned,          0, 108, 128, 168, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // hidden
    { 30,    0, kNumber,          0,   0,   0, 255, 0.0,       kNoUnit,     0,  4, kAnyFirmware      },  // hidden: bank-2 channel mask
    { 32,    0, kNumber,          0,   0,   1, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 1
    { 33,    0, kNumber,          0,   0,   2, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 2
    { 34,    0, kNumber,          0,   0,   4, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 3
    { 35,    0, kNumber,          0,   0,   8, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 4
    { 36,    0, kNumber,          0,   0,  16, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 5
    { 37,    0, kNumber,          0,   0,  32, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 6
    { 38,    0, kNumber,          0,   0,  64, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 7
    { 39,    0, kNumber,          0,   0, 128, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: gas channels driven by petrol input 8
    { 41,    0, kNumber,          2,   0,  44, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: gas level sensor
    { 42,    0, kNumber,          2,   0,  39, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: gas level sensor
    { 43,    0, kNumber,          2,   0,  20, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: gas level sensor
    { 44,    0, kNumber,          2,   0,   8, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: gas level sensor
    { 80,    0, kBitFlag,         0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: extended multiplier range
    { 87,    0, kSigned,          0,   0, 128, 255, 1.0,       kCelsius,    0,  0, kAnyFirmware      },  // hidden: autocalibration reducer temperature
    { 88,    0, kNumber,          2,   0,   0, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: autocalibration pressure
    { 94,    0, kNumber,          2,   0, 181, 255, 0.0078125, kNoUnit,     0,  0, kAnyFirmware      },  // hidden: reference correction
    {100,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: service control
    {101,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: service control
    {102,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: service control
    {116,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: OBD errors, high byte
    {118,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: OBD errors, high byte
    {120,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: OBD errors, high byte
    {122,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: OBD errors, high byte
    {137,    0, kNumber,          0,   0,   0, 255, 1.0,       kPercent,    0, 13, kFirmwareAbove12  },  // hidden
    {138,    0, kNumber,          0,   0,   0, 255, 1.0,       kPercent,    0, 13, kFirmwareAbove12  },  // hidden
    {140,    0, kNumber,          0,   0,  50, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {141,    0, kNumber,          0,   0,  60, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {142,    0, kNumber,          0,   0,  70, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {143,    0, kNumber,          0,   0,  80, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {144,    0, kNumber,          0,   0,  90, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {145,    0, kNumber,          0,   0, 100, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {146,    0, kNumber,          0,   0, 110, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {147,    0, kNumber,          0,   0, 120, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {148,    0, kNumber,          0,   0, 130, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {149,    0, kNumber,          0,   0, 140, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {150,    0, kNumber,          0,   0, 150, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {151,    0, kNumber,          0,   0, 160, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {152,    0, kNumber,          0,   0, 170, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {153,    0, kNumber,          0,   0, 180, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {154,    0, kNumber,          0,   0, 190, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {155,    0, kNumber,          0,   0, 200, 255, 0.02,      kVolt,       0,  0, kAnyFirmware      },  // hidden: map voltage axis
    {165,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {166,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {167,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {168,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {169,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {170,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {171,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {172,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {173,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {174,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {175,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {176,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {177,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {178,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {179,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {180,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {181,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {182,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {183,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {184,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {185,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {186,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {187,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {188,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier curve node
    {191,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {192,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {193,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {194,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {195,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {196,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {197,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {198,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {199,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {200,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {201,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {202,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {203,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {204,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {205,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {206,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {207,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {208,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {209,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {210,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {211,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {212,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {213,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {214,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier curve node
    {189,    0, kNumber,          0,   0, 200, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-2 multiplier injection-time range
    {215,    0, kNumber,          0,   0, 200, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: bank-1 multiplier injection-time range
    {224,    0, kNumber,          0,   0,  25, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {225,    0, kNumber,          0,   0,  30, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {226,    0, kNumber,          0,   0,  35, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {227,    0, kNumber,          0,   0,  40, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {228,    0, kNumber,          0,   0,  45, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {229,    0, kNumber,          0,   0,  50, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {230,    0, kNumber,          0,   0,  55, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {231,    0, kNumber,          0,   0,  60, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {232,    0, kNumber,          0,   0,  65, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {233,    0, kNumber,          0,   0,  70, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {234,    0, kNumber,          0,   0,  75, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {235,    0, kNumber,          0,   0,  80, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {236,    0, kNumber,          0,   0,  85, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {237,    0, kNumber,          0,   0,  90, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {238,    0, kNumber,          0,   0,  95, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {239,    0, kNumber,          0,   0, 100, 255, 0.01,      kBar,        0,  0, kAnyFirmware      },  // hidden: map load axis
    {240,    0, kNumber,          0,   0,  12, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {241,    0, kNumber,          0,   0,  18, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {242,    0, kNumber,          0,   0,  24, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {243,    0, kNumber,          0,   0,  30, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {244,    0, kNumber,          0,   0,  36, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {245,    0, kNumber,          0,   0,  42, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {246,    0, kNumber,          0,   0,  48, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {247,    0, kNumber,          0,   0,  54, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {248,    0, kNumber,          0,   0,  60, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {249,    0, kNumber,          0,   0,  66, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {250,    0, kNumber,          0,   0,  72, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {251,    0, kNumber,          0,   0,  80, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {252,    0, kNumber,          0,   0,  90, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {253,    0, kNumber,          0,   0, 100, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {254,    0, kNumber,          0,   0, 110, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {255,    0, kNumber,          0,   0, 120, 255, 50.0,      kRpm,        0,  0, kAnyFirmware      },  // hidden: map RPM axis
    {272,    0, kNumber,          0,   0,  15, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {273,    0, kNumber,          0,   0,  30, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {274,    0, kNumber,          0,   0,  45, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {275,    0, kNumber,          0,   0,  60, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {276,    0, kNumber,          0,   0,  75, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {277,    0, kNumber,          0,   0,  90, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {278,    0, kNumber,          0,   0, 105, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {279,    0, kNumber,          0,   0, 120, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {280,    0, kNumber,          0,   0, 135, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {281,    0, kNumber,          0,   0, 150, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {282,    0, kNumber,          0,   0, 165, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {283,    0, kNumber,          0,   0, 180, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {284,    0, kNumber,          0,   0, 195, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {285,    0, kNumber,          0,   0, 210, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {286,    0, kNumber,          0,   0, 225, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {287,    0, kNumber,          0,   0, 255, 255, 0.1,       kMs,         0,  0, kAnyFirmware      },  // hidden: injection-time axis
    {288,    0, kNumber,          0,   0,   0,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {289,    0, kNumber,          0,   0,   1,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {290,    0, kNumber,          0,   0,   2,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {291,    0, kNumber,          0,   0,   3,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {292,    0, kNumber,          0,   0,   4,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {293,    0, kNumber,          0,   0,   5,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {294,    0, kNumber,          0,   0,   6,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
    {295,    0, kNumber,          0,   0,   7,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware      },  // hidden: injector order
};

constexpr Row kKaviRowsData[] = {
    {  1, 3000, kList,            0,   0,   0,  13, 1.0,       kNoUnit,  3011,  0, kAnyFirmware},  // RPM signal
    {  2, 3020, kNumber,          0,   1,   1, 120, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // RPM signal divider
    {  3, 3030, kNumber,          2,   5,  50, 200, 0.06,      kVolt,       0,  0, kAnyFirmware},  // RPM detection treshold
    {  5, 4750, kNumber,          1,   0,   5,  25, 0.1,       kMs,         0,  9, kAnyFirmware},  // End-of-injection filter
    {  6,  987, kBitFlag,         1,   0,   9, 255, 1.0,       kNoUnit,     0, 12, kAnyFirmware},  // przeł. emulator na środku
    {  7, 4770, kNumber,          1,   0,   3,  10, 0.1,       kMs,         0,  9, kAnyFirmware},  // Injection start filter
    {  9,  989, kNumber,          3,   0, 100, 255, 0.008,     kMs,         0, 12, kAnyFirmware},  // czas cięcia wtr. ben. (v14)
    { 10, 3100, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3101,  0, kAnyFirmware},  // Engine type
    { 11, 4810, kList,            0,   0,   0,   5, 1.0,       kNoUnit,     0, 12, kAnyFirmware},  // Petrol signal type
    { 12, 3120, kList,            0,   0,   1,   2, 1.0,       kNoUnit,     0, 12, kAnyFirmware},  // Petrol admixture
    { 13, 4830, kNumber,          2,   0, 240, 255, 0.05,      kVolt,       0,  9, kAnyFirmware},  // Pull-up ecu pin
    { 14, 3140, kNumber,          1,   1,   8,   8, 0.1,       kMs,         0,  5, kAnyFirmware},  // RPM sensitivity
    { 16, 4640, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Pull up
    { 17, 4650, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  4651, 14, kAnyFirmware},  // Petrol pressure emulation
    { 18, 3180, kNumber,          3,   0,   0, 100, 0.005,     kVolt,       0,  6, kAnyFirmware},  // Modulation
    { 19, 3190, kNumber,          1,   0,   0, 100, 0.1,       kSecond,     0,  6, kAnyFirmware},  // Period
    { 20, 3200, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  3201,  0, kAnyFirmware},  // Fuel type
    { 21, 3370, kNumber,          2,   0,   0, 255, 0.01,      kNoUnit,     0, 12, kAnyFirmware},  // Dynamic emulation
    { 23, 3230, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Minimal GAS time
    { 24, 3240, kList,            0,   1,   1,  31, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Injectors
    { 25,  990, kNumber,          1,   0,  15, 255, 0.1,       kMs,         0,  0, kAnyFirmware},  // czas piku prądu
    { 26,  991, kSigned,          3,   0, 148, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  // czas otw. - zam.
    { 27,  992, kSigned,          3,   0, 160, 255, 0.025,     kNoUnit,     0,  0, kAnyFirmware},  // nachylenie od cis.
    { 28,  993, kNumber,          0,   0,  30, 100, 1.0,       kPercent,    0,  0, kAnyFirmware},  // wypełnienie pwm
    { 29,  994, kNumber,          2,   0,   0,   4, 0.05,      kMs,         0,  0, kAnyFirmware},  // czas wyłączenia po piku
    { 31, 3310, kNumber,          0,   0,   0, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // Switch selected Injectors on GASOLINE
    { 38, 3380, kNumber,          2, 110, 130, 150, 0.01,      kNoUnit,     0, 12, kAnyFirmware},  // Treshold
    { 39, 3390, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 12, kAnyFirmware},  // Block the map
    { 40, 3400, kList,            0,   0,   0,  11, 1.0,       kNoUnit,  3401,  0, kAnyFirmware},  // Gas level sensor
    { 45, 3450, kList,            0,   1,   2,   4, 1.0,       kNoUnit,  3451,  0, kAnyFirmware},  // Reducer temp. sensor
    { 46, 3460, kList,            0,   1,   4,   4, 1.0,       kNoUnit,  3451,  0, kAnyFirmware},  // Gas temp. sensor
    { 47, 3470, kList,            0,   0,   2,   5, 1.0,       kNoUnit,     0, 11, kAnyFirmware},  // Sampling period
    { 48, 3480, kList,            0,   0,   2,   2, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // PWM signal
    { 49, 3490, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kAnyFirmware},  // Signaling the work on petrol
    { 50, 3500, kNumber,          0,   0,  70, 255, 10.0,      kRpm,        0,  0, kAnyFirmware},  // Switching to GAS when RPM rises above
    { 51, 3510, kSigned,          0, 128, 168, 218, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // Switching to GAS when temp. rises above
    { 52, 3520, kNumber,          0,   1,   6,  60, 1.0,       kSecond,     0,  0, kAnyFirmware},  // Delay after ignition
    { 53, 3530, kNumber,          1,   0,  20, 200, 0.1,       kSecond,     0,  0, kAnyFirmware},  // Delay after the solenoid valve
    { 54, 3540, kNumber,          0,   0,  10, 250, 1.0,       kSecond,     0,  0, kAnyFirmware},  // Delay for a cold engine
    { 55, 3550, kNumber,          1,   0,  10, 200, 0.1,       kSecond,     0,  0, kAnyFirmware},  // Changeover delay per cyl.
    { 57, 3570, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  3571,  0, kAnyFirmware},  // Fast start ( hot engine )
    { 58, 3580, kSigned,          0, 138, 168, 218, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // Reducer temperature
    { 59, 3590, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0,  0, kAnyFirmware},  // Enrichment switching
    { 60, 3600, kNumber,          0,   0,  30, 255, 10.0,      kRpm,        0,  0, kAnyFirmware},  // Minimum RPM on GAS
    { 61, 3610, kNumber,          0,  60, 200, 200, 50.0,      kRpm,        0,  0, kAnyFirmware},  // Maximum RPM on GAS
    { 62, 3620, kSigned,          0, 108, 128, 148, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // Minimum gas temperature
    { 63, 3630, kNumber,          2,   0,  60, 250, 0.01,      kBar,        0,  0, kAnyFirmware},  // Minimum gas pressure
    { 64, 3640, kNumber,          2,   0,  20, 255, 0.01,      kSecond,     0,  0, kAnyFirmware},  // Pressure error time
    { 65, 3650, kNumber,          1,   3,   5,  50, 0.1,       kSecond,     0,  0, kAnyFirmware},  // RPM signal loss time
    { 66, 3660, kNumber,          1,   3,  20,  50, 0.1,       kMs,         0,  0, kAnyFirmware},  // Time ignition no signal
    { 67,  982, kNumber,          0,   0,  48, 143, 5.0,       kKm,         0,  0, kAnyFirmware},  // opóźnienie wrt. gaz. (v14)
    { 69, 3690, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Switch off with the first pressure drop
    { 70, 3700, kNumber,          1,  64,  96, 128, 0.78125,   kPercent,    0, 12, kAnyFirmware},  // Switch off before full open injector
    { 71, 3710, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Pressure sensor
    { 72, 3720, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Power supply from the solenoid valve
    { 73,  996, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0,  8, kAnyFirmware},  // oscylator
    { 74, 3740, kNumber,          0,   0,   0,  10, 1.0,       kSecond,     0,  6, kAnyFirmware},  // Switch BG turn off
    { 75,  985, kNumber,          2,   0,   0, 255, 0.02,      kVolt,       0, 14, kAnyFirmware},  // Min.
    { 76,  986, kNumber,          2,   0, 255, 255, 0.02,      kVolt,       0, 14, kAnyFirmware},  // Max.
    { 77, 3770, kSigned,          0, 128, 168, 188, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // Temperature collection map
    { 78, 3780, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Faster map collection
    { 79, 3790, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Blockade
    { 81, 3810, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  3811,  0, kAnyFirmware},  // Adaptation
    { 82, 3820, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Calibration per cylinder
    { 83, 3830, kNumber,          2,   0,  24, 255, 0.05,      kMs,         0,  0, kAnyFirmware},  // Petrol time
    { 84, 3840, kNumber,          2,   0,  50, 255, 0.02,      kVolt,       0, 12, kAnyFirmware},  // Fuel pressure
    { 85, 3850, kSigned,          0,   0, 178, 255, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // Gas temperature
    { 86, 3860, kNumber,          2,   0, 130, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // Working pressure
    { 89, 3890, kNumber,          3,   0,  50, 255, 0.004,     kMs,         0,  0, kAnyFirmware},  // Extra injection correction
    { 90, 3900, kSigned,          2,   0, 103, 255, 0.02,      kMs,         0,  0, kAnyFirmware},  // Idle RPM correction
    { 92, 3900, kSigned,          2,   0, 103, 255, 0.02,      kMs,         0,  0, kAnyFirmware},  // Idle RPM correction
    { 93, 4710, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0, 12, kAnyFirmware},  // Firing order
    { 95, 3950, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  5, kAnyFirmware},  // Reducer temp. signal
    { 96, 3960, kList,            0,   0,   1,   3, 1.0,       kNoUnit,  3961,  0, kAnyFirmware},  // Switching signal
    { 97, 3970, kSigned,          0, 158, 168, 218, 1.0,       kCelsius,    0,  5, kAnyFirmware},  // Reducer temperature
    { 98, 3980, kNumber,          0,   0,   4,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Volume
    { 99, 3990, kNumber,          0,   0,   4,   7, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Brightness
    {103, 4030, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Inverted LTFT corrections
    {104, 4040, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Inverted STFT corrections
    {105, 4050, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD correction average
    {106, 4060, kNumber,          1,   0,  10,  26, 0.78125,   kPercent,    0,  0, kAnyFirmware},  // Max. OBD correction
    {107, 4070, kNumber,          1,   0,   5,  26, 0.78125,   kPercent,    0,  0, kAnyFirmware},  // Acceptable adjustments
    {108, 4840, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  4841, 15, kAnyFirmware},  // Dynamic admixture
    {109, 4090, kList,            0,   0,   0,   8, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD protocol
    {110, 4100, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Monitor
    {111, 4110, kHex,             0,   0,   0, 255, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // ECU address
    {112, 4120, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Delete all OBD errors
    {113, 4130, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Delete fuel trim errors
    {114, 4140, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Delete selected errors
    {115, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD errors
    {117, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD errors
    {119, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD errors
    {121, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // OBD errors
    {123, 4230, kList,            0,   0,   0,  40, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // User PID
    {124, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // User PID
    {125, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // User PID
    {126, 4230, kList,            0,   0,   0,  32, 1.0,       kNoUnit,     0,  6, kAnyFirmware},  // User PID
    {127, 4270, kNumber,          0,  10,  33, 250, 10.0,      kMs,         0,  6, kAnyFirmware},  // PID reading scope
    {128, 4280, kNumber,          0,   5,  10, 250, 10.0,      kMs,         0,  6, kAnyFirmware},  // PID reading scope (CAN)
    {129, 4290, kNumber,          0,   0,   0, 120, 1.0,       kSecond,     0,  6, kAnyFirmware},  // DTC reading scope
    {130, 4300, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Swith off after error
    {131, 4310, kNumber,          0,   0,   0, 240, 1.0,       kSecond,     0,  9, kAnyFirmware},  // Delay after ignition
    {132, 4320, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0, 15, kAnyFirmware},  // UDS protocol
    {134, 4340, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  4341,  9, kAnyFirmware},  // Injection addition service
    {135, 4350, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // CUT-OFF on petrol
    {136, 4360, kNumber,          2,   0, 128, 255, 0.0078125, kNoUnit,     0,  9, kAnyFirmware},  // Petrol pressure correction
    {137, 4370, kNumber,          2,   0,  66, 120, 0.05,      kVolt,       0,  9, kAnyFirmware},  // Petrol detection treshold
    {138, 4380, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Petrol pressure emulation
    {139, 4390, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  4391,  8, kAnyFirmware},  // Led color
    {157, 3060, kList,            0,   0,   0,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Signal source
    {158, 4670, kNumber,          2,   0,  15, 250, 0.02,      kBar,        0,  9, kAnyFirmware},  // To value
    {159, 4590, kNumber,          0,   0,  20, 200, 50.0,      kRpm,        0,  9, kAnyFirmware},  // From RPM
    {161, 4680, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0,  9, kAnyFirmware},  // Full power on gasoline
    {162, 4690, kNumber,          0,   0, 200, 200, 50.0,      kRpm,        0,  9, kAnyFirmware},  // Start above turnover
    {163, 4700, kNumber,          0,   0,  72, 200, 50.0,      kRpm,        0,  9, kAnyFirmware},  // Finish below turnover
    {164, 1709, kNumber,          2,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Multiplier
    {190, 1709, kNumber,          2,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // Multiplier
    {216,  900, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    1
    {217,  901, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    2
    {218,  902, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    3
    {219,  903, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    4
    {220,  904, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    5
    {221,  905, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    6
    {222,  906, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    7
    {223,  907, kSigned,          0,   0, 128, 255, 0.025,     kMs,         0,  0, kAnyFirmware},  //    8
    {257, 5570, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  5571, 15, kAnyFirmware},  // Petrol injection
    {258, 5580, kNumber,          3,   0,  50, 255, 0.008,     kMs,         0, 15, kAnyFirmware},  // Petrol injection time
    {259,  983, kNumber,          1,  64,  96, 102, 0.78125,   kNoUnit,     0, 16, kAnyFirmware},  // det. dotryskow (% OWR)
    {260, 5600, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  5601, 16, kAnyFirmware},  // Gasoline detection type
    {261, 5610, kList,            0,   0,   0,   4, 1.0,       kNoUnit,  5611, 15, kAnyFirmware},  // Gas injection advance
    {262, 5620, kList,            0,   0,   0,   1, 1.0,       kNoUnit,     0, 15, kAnyFirmware},  // Maximum angle
    {263, 5630, kNumber,          0,   0,   0,  60, 50.0,      kRpm,        0, 16, kAnyFirmware},  // From RPM
    {264,  981, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 15, kAnyFirmware},  // HEMI, ACT, ECO
    {265, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // OBD errors
    {267, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // OBD errors
    {269, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // OBD errors
    {271, 4150, kTroubleCode,     0,   0,   0, 255, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // OBD errors
    {273,  979, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // Test Plus 60V
    {274,  980, kYesNo,           0,   0,   1,   1, 1.0,       kNoUnit,     0, 16, kAnyFirmware},  // Test Cewka
    {275,  975, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0, 16, kAnyFirmware},  // Wył. DI poniżej
    {276,  976, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0, 16, kAnyFirmware},  // Zał. DI powyżej
    {277,  977, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0, 16, kAnyFirmware},  // Wył. MPI poniżej
    {278,  978, kNumber,          1,   0,   0, 100, 0.1,       kMs,         0, 16, kAnyFirmware},  // Zał. MPI powyżej
    {280, 3170, kNumber,          0,   1,  16, 255, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Delay
    {281, 3170, kNumber,          0,   1,  16, 255, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Delay
    {282, 4430, kNumber,          2,   0,   0, 255, 0.0078125, kNoUnit,     0, 17, kAnyFirmware},  // Enriching during acceleration
    {283, 5830, kList,            0,   0,   0,   3, 1.0,       kNoUnit,  5831, 17, kAnyFirmware},  // Electronic reducer
    {284, 5840, kNumber,          2,   0, 120, 250, 0.01,      kBar,        0, 17, kAnyFirmware},  // Pressure
    {285, 5850, kNumber,          2,   0,  90, 250, 0.01,      kBar,        0, 17, kAnyFirmware},  // Min. pressure
    {286, 5860, kNumber,          2,   0, 250, 250, 0.01,      kBar,        0, 17, kAnyFirmware},  // Max. pressure
    {287, 5870, kNumber,          2,   0, 128, 255, 0.0078125, kNoUnit,     0, 17, kAnyFirmware},  // P correction
    {288, 5880, kNumber,          2,   0,   0, 255, 0.0078125, kNoUnit,     0, 17, kAnyFirmware},  // I correction
    {289, 5890, kNumber,          2,   0,   0, 255, 0.0078125, kNoUnit,     0, 17, kAnyFirmware},  // D correction
    {290, 5900, kNumber,          0,   0,   0, 200, 0.5,       kPercent,    0, 17, kAnyFirmware},  // Min. PWM
    {291, 5910, kNumber,          0,   0, 200, 200, 0.5,       kPercent,    0, 17, kAnyFirmware},  // Max. PWM
    {295, 5950, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  5951, 17, kAnyFirmware},  // Source
    {296, 5960, kNumber,          0,   0,  70, 200, 50.0,      kRpm,        0, 17, kAnyFirmware},  // From RPM
    {297, 5970, kNumber,          2,   0,  75, 255, 0.01,      kBar,        0, 17, kAnyFirmware},  // From manifold pressure
    {298,  973, kList,            0,   0,   0,  13, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // ext1
    {299,  974, kList,            0,   0,   0,  13, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // ext2
    {300, 6000, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  6001, 17, kAnyFirmware},  // Type
    {301, 6010, kList,            0,   0,   0,   1, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Source
    {302, 6020, kList,            0,   0,   0,   1, 1.0,       kNoUnit,  6021, 17, kAnyFirmware},  // Slope
    {303, 6030, kNumber,          2,   0,  20, 255, 0.3,       kNoUnit,     0, 17, kAnyFirmware},  // Level
    {304, 6040, kList,            0,   0,   0,   3, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Sample
    {305, 6050, kYesNo,           0,   0,   0,   1, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Hybrid
    {306, 6060, kSigned,          1,   0, 128, 255, 0.1,       kMs,         0, 17, kAnyFirmware},  // Shift
    {307, 6070, kList,            0,   0,   0,   2, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // (no text)
    {308, 6080, kList,            0,   0,   0,   2, 1.0,       kNoUnit,  6081, 17, kAnyFirmware},  // Injection on a cold engine
    {309, 6090, kSigned,          0, 128, 188, 228, 1.0,       kCelsius,    0, 17, kAnyFirmware},  // For temperature  IAT OBD
    {310, 6100, kNumber,          0,   0,   0,  10, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // From the injection
    {311, 6110, kSigned,          0,  78, 128, 128, 1.0,       kPercent,    0, 17, kAnyFirmware},  // Correction
    {312,  988, kNumber,          0,   0,  16,  50, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // hybryda ilość cykli na ben.
    {313, 6130, kNumber,          0,   0,  16,  50, 1.0,       kNoUnit,     0, 17, kAnyFirmware},  // Number of cycles on petrol
    {314,  972, kNumber,          0,   0,   0, 144, 2.5,       kKpa,        0, 17, kAnyFirmware},  // MPI
    { 22,    0, kSigned,          0, 108, 128, 168, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // hidden
    { 30,    0, kNumber,          0,   0,   0, 255, 0.0,       kNoUnit,     0,  4, kAnyFirmware},  // hidden: bank-2 channel mask
    { 32,    0, kNumber,          0,   0,   1, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 1
    { 33,    0, kNumber,          0,   0,   2, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 2
    { 34,    0, kNumber,          0,   0,   4, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 3
    { 35,    0, kNumber,          0,   0,   8, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 4
    { 36,    0, kNumber,          0,   0,  16, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 5
    { 37,    0, kNumber,          0,   0,  32, 255, 0.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: gas channels driven by petrol input 6
    { 41,    0, kNumber,          2,   0,  44, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: gas level sensor
    { 42,    0, kNumber,          2,   0,  39, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: gas level sensor
    { 43,    0, kNumber,          2,   0,  20, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: gas level sensor
    { 44,    0, kNumber,          2,   0,   8, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: gas level sensor
    { 80,    0, kBitFlag,         0,   0,   1, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: extended multiplier range
    { 87,    0, kSigned,          0,   0, 128, 255, 1.0,       kCelsius,    0,  0, kAnyFirmware},  // hidden: autocalibration reducer temperature
    { 88,    0, kNumber,          2,   0,   0, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: autocalibration pressure
    { 94,    0, kNumber,          2,   0, 181, 255, 0.0078125, kNoUnit,     0,  0, kAnyFirmware},  // hidden: reference correction
    {100,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: service control
    {101,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: service control
    {102,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: service control
    {116,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {118,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {120,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {122,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {266,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {268,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {270,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {272,    0, kTroubleCodeHigh, 0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: OBD errors, high byte
    {140,    0, kNumber,          0,   0,  50, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {141,    0, kNumber,          0,   0,  57, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {142,    0, kNumber,          0,   0,  65, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {143,    0, kNumber,          0,   0,  73, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {144,    0, kNumber,          0,   0,  80, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {145,    0, kNumber,          0,   0,  88, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {146,    0, kNumber,          0,   0,  96, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {147,    0, kNumber,          0,   0, 103, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {148,    0, kNumber,          0,   0, 111, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {149,    0, kNumber,          0,   0, 119, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {150,    0, kNumber,          0,   0, 126, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {151,    0, kNumber,          0,   0, 134, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {152,    0, kNumber,          0,   0, 142, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {153,    0, kNumber,          0,   0, 149, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {154,    0, kNumber,          0,   0, 157, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {155,    0, kNumber,          0,   0, 165, 255, 0.02,      kVolt,       0,  0, kAnyFirmware},  // hidden: map voltage axis
    {165,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {166,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {167,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {168,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {169,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {170,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {171,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {172,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {173,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {174,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {175,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {176,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {177,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {178,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {179,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {180,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {181,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {182,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {183,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {184,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {185,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {186,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {187,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {188,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier curve node
    {191,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {192,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {193,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {194,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {195,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {196,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {197,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {198,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {199,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {200,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {201,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {202,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {203,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {204,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {205,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {206,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {207,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {208,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {209,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {210,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {211,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {212,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {213,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {214,    0, kNumber,          0,   0,   0, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier curve node
    {189,    0, kNumber,          0,   0,  80, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-2 multiplier injection-time range
    {215,    0, kNumber,          0,   0,  80, 255, 1.0,       kNoUnit,     0,  0, kAnyFirmware},  // hidden: bank-1 multiplier injection-time range
    {224,    0, kNumber,          0,   0,  25, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {225,    0, kNumber,          0,   0,  30, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {226,    0, kNumber,          0,   0,  35, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {227,    0, kNumber,          0,   0,  40, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {228,    0, kNumber,          0,   0,  45, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {229,    0, kNumber,          0,   0,  50, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {230,    0, kNumber,          0,   0,  55, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {231,    0, kNumber,          0,   0,  60, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {232,    0, kNumber,          0,   0,  65, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {233,    0, kNumber,          0,   0,  70, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {234,    0, kNumber,          0,   0,  75, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {235,    0, kNumber,          0,   0,  80, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {236,    0, kNumber,          0,   0,  85, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {237,    0, kNumber,          0,   0,  90, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {238,    0, kNumber,          0,   0,  95, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {239,    0, kNumber,          0,   0, 100, 255, 0.01,      kBar,        0,  0, kAnyFirmware},  // hidden: map load axis
    {240,    0, kNumber,          0,   0,  12, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {241,    0, kNumber,          0,   0,  18, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {242,    0, kNumber,          0,   0,  24, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {243,    0, kNumber,          0,   0,  30, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {244,    0, kNumber,          0,   0,  36, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {245,    0, kNumber,          0,   0,  42, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {246,    0, kNumber,          0,   0,  48, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {247,    0, kNumber,          0,   0,  54, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {248,    0, kNumber,          0,   0,  60, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {249,    0, kNumber,          0,   0,  66, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {250,    0, kNumber,          0,   0,  72, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {251,    0, kNumber,          0,   0,  80, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {252,    0, kNumber,          0,   0,  90, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {253,    0, kNumber,          0,   0, 100, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {254,    0, kNumber,          0,   0, 110, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {255,    0, kNumber,          0,   0, 120, 255, 50.0,      kRpm,        0,  0, kAnyFirmware},  // hidden: map RPM axis
    {279,    0, kNumber,          3,   0,   0, 255, 0.008,     kMs,         0, 17, kAnyFirmware},  // hidden
};

constexpr ImageException kMalverImageExceptionsData[] = {
    { 1, 14,  45,   4},
    { 1, 14,  90, 128},
    { 1, 14,  92, 128},
    { 1, 12, 224,   6},
    { 1, 12, 225,  12},
    { 1, 12, 226,  18},
    { 1, 12, 227,  25},
    { 1, 12, 228,  31},
    { 1, 12, 229,  37},
    { 1, 12, 230,  43},
    { 1, 12, 231,  50},
    { 1, 12, 232,  56},
    { 1, 12, 233,  62},
    { 1, 12, 234,  68},
    { 1, 12, 235,  75},
    { 1, 12, 236,  81},
    { 1, 12, 237,  87},
    { 1, 12, 238,  93},
    { 1, 10,  47,   0},
    { 1, 10, 134,   0},
    { 1, 10, 136,   0},
    { 1, 10, 137,   0},
    { 1, 10, 138,   0},
    { 1,  6, 140,   0},
    { 1,  6, 141,   0},
    { 1,  6, 142,   0},
    { 1,  6, 143,   0},
    { 1,  6, 144,   0},
    { 1,  6, 145,   0},
    { 1,  6, 146,   0},
    { 1,  6, 147,   0},
    { 1,  6, 148,   0},
    { 1,  6, 149,   0},
    { 1,  6, 150,   0},
    { 1,  6, 151,   0},
    { 1,  6, 152,   0},
    { 1,  6, 153,   0},
    { 1,  6, 154,   0},
    { 1,  6, 155,   0},
    { 1,  5, 105,   0},
    { 1,  4,  14,   0},
    { 1,  4,  16,   0},
    { 1,  4,  17,   0},
    { 1,  4,  67,   0},
    { 1,  4,  97,   0},
    { 1,  4, 108,   0},
    { 1,  4, 127,   0},
    { 1,  4, 128,   0},
    { 1,  4, 157,   0},
    { 1,  4, 158,   0},
    { 1,  4, 159,   0},
    { 1,  4, 161,   0},
    { 1,  4, 162,   0},
    { 1,  4, 163,   0},
    { 5,  5,  17, 128},
    { 1,  1,  41,  45},
    { 1,  1,  42,  35},
    { 1,  1,  43,  17},
    { 1,  1,  44,   5},
    {14, 14, 289,   0},
    {14, 14, 290,   0},
    {14, 14, 291,   0},
    {14, 14, 292,   0},
    {14, 14, 293,   0},
    {14, 14, 294,   0},
    {14, 14, 295,   0},
    {14, 14, 296,   0},
    {14, 14, 297,   0},
    {14, 14, 300,   0},
    {15, 15, 134, 138},
    {15, 15, 136,  20},
    {15, 15, 137,  10},
    {15, 15, 138,  60},
};

constexpr ImageException kKaviImageExceptionsData[] = {
    {11, 16,  45,   4},
    {11, 16,  72,   0},
    {11, 16, 137,  80},
    {11, 11, 162,  80},
    {12, 16, 162,  78},
    {11, 14,  67,   0},
    {11, 14, 189, 200},
    {11, 14, 224,   6},
    {11, 14, 225,  12},
    {11, 14, 226,  18},
    {11, 14, 227,  25},
    {11, 14, 228,  31},
    {11, 14, 229,  37},
    {11, 14, 230,  43},
    {11, 14, 231,  50},
    {11, 14, 232,  56},
    {11, 14, 233,  62},
    {11, 14, 234,  68},
    {11, 14, 235,  75},
    {11, 14, 236,  81},
    {11, 14, 237,  87},
    {11, 14, 238,  93},
    {12, 14, 134,   3},
    {11, 13,   6,   0},
    {11, 13,  13,   0},
    {11, 13,  47,   0},
    {11, 13,  76,   0},
    {11, 13, 108, 128},
    {11, 12,   9,   0},
    {11, 12,  25,  19},
    {11, 12,  26, 140},
    {11, 12,  27, 168},
    {11, 12,  28,  50},
    {11, 11,  12,   0},
    {11, 11,  38,  64},
    {11, 11,  39, 128},
    {11, 11,  40,   6},
    {11, 11,  70,   0},
    {11, 11,  78,   0},
    {11, 11,  86, 100},
    {11, 11,  91, 100},
    {11, 11,  93,   5},
    {11, 11, 158,  50},
    {11, 11, 159,  40},
    {11, 11, 161,   0},
    {11, 11, 163,  60},
    {12, 12,  70, 102},
    {15, 16, 258, 100},
    {15, 16, 264,   1},
    {15, 16, 280,   0},
    {15, 16, 281,   0},
    {15, 16, 284,   0},
    {15, 16, 285,   0},
    {15, 16, 286,   0},
    {15, 16, 287,   0},
    {15, 16, 291,   0},
    {15, 16, 296,   0},
    {15, 16, 297,   0},
    {15, 16, 303,   0},
    {15, 16, 306,   0},
    {15, 16, 309,   0},
    {15, 16, 311,   0},
    {15, 16, 312,   0},
    {15, 16, 313,   0},
    {15, 15, 259,   0},
    {15, 15, 274,   0},
    {16, 16, 273,   1},
    {16, 16, 275,  15},
    {16, 16, 276,  18},
    {16, 16, 277,  20},
    {16, 16, 278,  25},
};

// clang-format on

}  // namespace

const std::span<const Row> kMalverRows{kMalverRowsData};
const std::span<const Row> kKaviRows{kKaviRowsData};
const std::span<const ImageException> kMalverImageExceptions{kMalverImageExceptionsData};
const std::span<const ImageException> kKaviImageExceptions{kKaviImageExceptionsData};

}  // namespace catalogue
