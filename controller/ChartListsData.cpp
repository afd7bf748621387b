#include "controller/ChartListsData.h"

namespace charts {

namespace {

// clang-format off

constexpr Row kMalverRows[] = {
    {   0,    0,  10, 11,       1.0, 0, 0x000000,  1.0, 0x00,   0.0,    0.0, kAnyFirmware      },  // 0 empty
    {1400, 1056,  17, 11,      10.0, 0, 0xFD7000,  1.4, 0x33,   0.0, 6500.0, kAnyFirmware      },  // 1 Revolutions
    {1402, 1057,  17, 11,      10.0, 0, 0xFD7000,  1.4, 0x00,   0.0,  100.0, kAnyFirmware      },  // 2 Engine load
    {1404, 1051,  44, 11,      0.01, 2, 0x009090,  5.0, 0x33,   0.0,    4.3, kAnyFirmware      },  // 3 Vacuum
    {1406, 1051,  48, 11,      0.01, 2, 0x00A000,  5.0, 0x33,   0.0,    4.3, kAnyFirmware      },  // 4 Gas pressure
    {1408, 1051,  46, 11,      0.01, 2, 0x80A000,  3.0, 0x03,   0.0,    4.3, kAnyFirmware      },  // 5 ABS gas press.
    {1410, 1054,  40, 20,       1.0, 0, 0x4080FF,  1.0, 0x33, -40.0,  130.0, kAnyFirmware      },  // 6 Reducer temp.
    {1412, 1054,  42, 20,       1.0, 0, 0x8601FF,  1.0, 0x33, -40.0,  130.0, kAnyFirmware      },  // 7 Gas temp.
    {1418, 1050,  58, 11,     0.005, 2, 0xFF00FF,  1.0, 0x00,   0.0,    5.0, kAnyFirmware      },  // 8 Lambda
    {1420, 1050,  58, 11,     0.005, 2, 0xFF00FF,  2.5, 0x33,   0.0,    5.0, kAnyFirmware      },  // 9 Lambda 1
    {1422, 1050,  56, 11,     0.005, 2, 0x800080,  2.5, 0x03,   0.0,    5.0, kAnyFirmware      },  // 10 Lambda 2
    {1434, 1050,  54, 11,     0.005, 2, 0x008000,  1.0, 0x03,   0.0,   12.0, kAnyFirmware      },  // 11 PWM
    {1436, 1050,  27, 14,     0.005, 2, 0x0000FF,  2.5, 0x03,   0.0,    5.0, kAnyFirmware      },  // 12 Emulation
    {1430, 1050,  50, 10,      0.02, 2, 0xFF5000,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 13 Level sensor
    {1432, 1050,  52, 11,     0.005, 2, 0x8000FF,  1.0, 0x23,   0.0,   16.0, kAnyFirmware      },  // 14 Power supply
    {1450,    0,  97, 23,       1.0, 0, 0x306090,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 15 Fuel sys 1
    {1452, 1057,  99, 22,       1.0, 1, 0x60D060,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 16 SHRT FT 1
    {1454, 1057, 100, 22,       1.0, 1, 0xB8B800,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 17 LONG FT 1
    {1456,    0,  98, 23,       1.0, 0, 0x205080,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 18 Fuel sys 2
    {1458, 1057, 101, 22,       1.0, 1, 0x50C050,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 19 SHRT FT 2
    {1460, 1057, 102, 22,       1.0, 1, 0xA0A000,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 20 LONG FT 2
    {4230,    0,  95, 10,       1.0, 0, 0xFF00FF,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 21 User PID
    {4230,    0,  96, 10,       1.0, 0, 0x800080,  1.0, 0x03,   0.0,    0.0, kAnyFirmware      },  // 22 User PID
    {1501, 1053,  60, 11,     0.004, 2, 0x0000FF, 0.16, 0x51,   0.0,   25.0, kAnyFirmware      },  // 23 P 1
    {1601, 1053,  62, 11,     0.004, 2, 0x00A000, 0.16, 0x51,   0.0,   25.0, kAnyFirmware      },  // 24 G 1
    {1502, 1053,  64, 11,     0.004, 2, 0x2828FF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 25 P 2
    {1602, 1053,  66, 11,     0.004, 2, 0x28A028, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 26 G 2
    {1503, 1053,  68, 11,     0.004, 2, 0x4646FF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 27 P 3
    {1603, 1053,  70, 11,     0.004, 2, 0x46A046, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 28 G 3
    {1504, 1053,  72, 11,     0.004, 2, 0x5A5AFF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 29 P 4
    {1604, 1053,  74, 11,     0.004, 2, 0x5AA05A, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 30 G 4
    {1505, 1053,  76, 11,     0.004, 2, 0x0000FF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 31 P 5
    {1605, 1053,  78, 11,     0.004, 2, 0x00A000, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 32 G 5
    {1506, 1053,  80, 11,     0.004, 2, 0x2828FF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 33 P 6
    {1606, 1053,  82, 11,     0.004, 2, 0x28A028, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 34 G 6
    {1507, 1053,  84, 11,     0.004, 2, 0x4646FF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 35 P 7
    {1607, 1053,  86, 11,     0.004, 2, 0x46A046, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 36 G 7
    {1508, 1053,  88, 11,     0.004, 2, 0x5A5AFF, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 37 P 8
    {1608, 1053,  90, 11,     0.004, 2, 0x5AA05A, 0.16, 0x41,   0.0,   25.0, kAnyFirmware      },  // 38 G 8
    {1430, 1057,  51, 10,       0.4, 1, 0x00FF00,  1.0, 0x03,   0.0,    0.0, kFromSwitchVersion},  // 39 Level sensor
    { 920,    0,  11,  0,       1.0, 0, 0x800080,  0.9, 0x04,   0.0,    0.0, kAnyFirmware      },  // 40 flaga ACC
    { 921,    0,  11,  1,       1.0, 0, 0xFD7000,  0.9, 0x04,   0.0,    0.0, kAnyFirmware      },  // 41 flaga RPM
    { 922,    0,  14, 10,       1.0, 0, 0x808080, 10.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 42 LED STAN
    { 923,    0,  13, 10,       1.0, 0, 0x808080,  3.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 43 LED POZIOM
    { 924,    0,   6, 10,       1.0, 0, 0x808080,  0.9, 0x04,   0.0,    0.0, kAnyFirmware      },  // 44 STAN
    { 931, 1053,  60, 12,     0.004, 3, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 45 omzwb(-)
    { 932,    0,  31, 10,      0.01, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 46 mnożnik
    { 933,    0,  33, 10,      0.01, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 47 kor. obr.
    { 934,    0,  35, 10, 0.0078125, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 48 kor. cis.
    { 935,    0,  36, 10, 0.0078125, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 49 kor. temp.
    { 936,    0,  30, 10, 0.0078125, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 50 kor. razem
    { 937, 1053,  37, 20,     0.025, 3, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 51 omzwg(+)
    { 938, 1053,  38, 10,       0.1, 1, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 52 otw.
    { 939,    0,  29, 10,       1.0, 0, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kAnyFirmware      },  // 53 test
    { 940,    0,   1, 36,       1.0, 0, 0x800080,  0.9, 0x08,   0.0,    0.0, kAnyFirmware      },  // 54 *stacyjka
    { 941,    0,   1, 35,       1.0, 0, 0x800080,  0.9, 0x08,   0.0,    0.0, kAnyFirmware      },  // 55 *+ben
    { 942,    0,   0, 36,       1.0, 0, 0xFD7000,  0.9, 0x08,   0.0,    0.0, kAnyFirmware      },  // 56 *imp.obr.
    { 943,    0,   0, 35,       1.0, 0, 0xFD7000,  0.9, 0x08,   0.0,    0.0, kAnyFirmware      },  // 57 *+zaw.
    { 944,    0,   0, 30,       1.0, 0, 0x0000FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 58 *b1
    { 945,    0,   1, 30,       1.0, 0, 0x00A000,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 59 *g1
    { 946,    0,   0, 31,       1.0, 0, 0x2828FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 60 *b2
    { 947,    0,   1, 31,       1.0, 0, 0x28A028,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 61 *g2
    { 948,    0,   0, 32,       1.0, 0, 0x4646FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 62 *b3
    { 949,    0,   1, 32,       1.0, 0, 0x46A046,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 63 *g3
    { 950,    0,   0, 33,       1.0, 0, 0x5A5AFF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 64 *b4
    { 951,    0,   1, 33,       1.0, 0, 0x5AA05A,  0.9, 0x01,   0.0,    0.0, kAnyFirmware      },  // 65 *g4
};

constexpr Row kKaviRows[] = {
    {   0,    0,  10, 11,       1.0, 0, 0x000000,  1.0, 0x00,   0.0,    0.0, kAnyFirmware       },  // 0 empty
    {1400, 1056,  17, 11,      10.0, 0, 0xFD7000,  1.4, 0x33,   0.0, 6500.0, kAnyFirmware       },  // 1 Revolutions
    {1402, 1057,  17, 11,      10.0, 0, 0xFD7000,  1.4, 0x00,   0.0,  100.0, kAnyFirmware       },  // 2 Engine load
    {1404, 1051,  44, 11,      0.01, 2, 0x009090,  5.0, 0x33,   0.0,    4.3, kAnyFirmware       },  // 3 Vacuum
    {1406, 1051,  48, 11,      0.01, 2, 0x00A000,  5.0, 0x33,   0.0,    4.3, kAnyFirmware       },  // 4 Gas pressure
    {1408, 1051,  46, 11,      0.01, 2, 0x80A000,  3.0, 0x03,   0.0,    4.3, kAnyFirmware       },  // 5 ABS gas press.
    {1410, 1054,  40, 20,       1.0, 0, 0x4080FF,  1.0, 0x33, -40.0,  130.0, kAnyFirmware       },  // 6 Reducer temp.
    {1412, 1054,  42, 20,       1.0, 0, 0x8601FF,  1.0, 0x33, -40.0,  130.0, kAnyFirmware       },  // 7 Gas temp.
    {1418, 1050,  58, 11,     0.005, 2, 0xFF00FF,  1.0, 0x00,   0.0,    5.0, kAnyFirmware       },  // 8 Lambda
    {1420, 1050,  58, 11,     0.005, 2, 0xFF00FF,  2.5, 0x03,   0.0,    5.0, kAnyFirmware       },  // 9 Lambda 1
    {1422, 1050,  56, 11,     0.005, 2, 0x800080,  2.5, 0x03,   0.0,    5.0, kAnyFirmware       },  // 10 Lambda 2
    {1440, 1050,  54, 11,     0.005, 2, 0x008000,  1.5, 0x33,   0.0,    5.0, kAnyFirmware       },  // 11 Fuel pressure
    {1436, 1050,  27, 14,     0.005, 2, 0x0000FF,  1.5, 0x03,   0.0,    5.0, kAnyFirmware       },  // 12 Emulation
    {1430, 1050,  50, 10,      0.02, 2, 0xFF5000,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 13 Level sensor
    {1432, 1050,  52, 11,     0.005, 2, 0x8000FF,  0.3, 0x03,   0.0,   16.0, kAnyFirmware       },  // 14 Power supply
    {1450,    0,  97, 23,       1.0, 0, 0x306090,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 15 Fuel sys 1
    {1452, 1057,  99, 22,       1.0, 1, 0x60D060,  1.0, 0x33,   0.0,    0.0, kAnyFirmware       },  // 16 SHRT FT 1
    {1454, 1057, 100, 22,       1.0, 1, 0xB8B800,  1.0, 0x33,   0.0,    0.0, kAnyFirmware       },  // 17 LONG FT 1
    {1456,    0,  98, 23,       1.0, 0, 0x205080,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 18 Fuel sys 2
    {1458, 1057, 101, 22,       1.0, 1, 0x50C050,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 19 SHRT FT 2
    {1460, 1057, 102, 22,       1.0, 1, 0xA0A000,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 20 LONG FT 2
    {4230,    0,  95, 10,       1.0, 0, 0xFF00FF,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 21 User PID
    {4230,    0,  96, 10,       1.0, 0, 0x800080,  1.0, 0x03,   0.0,    0.0, kAnyFirmware       },  // 22 User PID
    {1501, 1053,  60, 11,     0.004, 2, 0x0000FF,  0.5, 0x51,   0.0,   25.0, kAnyFirmware       },  // 23 P 1
    {1601, 1053,  62, 11,     0.004, 2, 0x00A000, 0.16, 0x51,   0.0,   25.0, kAnyFirmware       },  // 24 G 1
    {1502, 1053,  64, 11,     0.004, 2, 0x2828FF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 25 P 2
    {1602, 1053,  66, 11,     0.004, 2, 0x28A028, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 26 G 2
    {1503, 1053,  68, 11,     0.004, 2, 0x4646FF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 27 P 3
    {1603, 1053,  70, 11,     0.004, 2, 0x46A046, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 28 G 3
    {1504, 1053,  72, 11,     0.004, 2, 0x5A5AFF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 29 P 4
    {1604, 1053,  74, 11,     0.004, 2, 0x5AA05A, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 30 G 4
    {1505, 1053,  76, 11,     0.004, 2, 0x0000FF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 31 P 5
    {1605, 1053,  78, 11,     0.004, 2, 0x00A000, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 32 G 5
    {1506, 1053,  80, 11,     0.004, 2, 0x2828FF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 33 P 6
    {1606, 1053,  82, 11,     0.004, 2, 0x28A028, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 34 G 6
    {1507, 1053,  84, 11,     0.004, 2, 0x4646FF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 35 P 7
    {1607, 1053,  86, 11,     0.004, 2, 0x46A046, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 36 G 7
    {1508, 1053,  88, 11,     0.004, 2, 0x5A5AFF,  0.5, 0x41,   0.0,   25.0, kAnyFirmware       },  // 37 P 8
    {1608, 1053,  90, 11,     0.004, 2, 0x5AA05A, 0.16, 0x41,   0.0,   25.0, kAnyFirmware       },  // 38 G 8
    {1430, 1057,  51, 10,       0.4, 1, 0x00FF00,  1.0, 0x03,   0.0,    0.0, kFromSwitchVersion },  // 39 Level sensor
    {1444, 1053,  37, 11,     0.004, 1, 0x00FF00,  1.0, 0x03,   0.0,    0.0, kFromSwitchVersion },  // 40 Time G-P
    {1414, 1051,  39, 10,      0.01, 2, 0x0000FF,  1.0, 0x03,   0.0,    0.0, kFromSwitchVersion },  // 41 Set pressure
    {1442, 1057,  21, 10,       1.0, 0, 0x0000FF,  2.5, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 42 Petrol share
    { 920,    0,  11,  0,       1.0, 0, 0x800080,  0.9, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 43 flaga ACC
    { 921,    0,  11,  1,       1.0, 0, 0xFD7000,  0.9, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 44 flaga RPM
    { 922,    0,  14, 10,       1.0, 0, 0x808080, 10.0, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 45 LED STAN
    { 923,    0,  13, 10,       1.0, 0, 0x808080,  3.0, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 46 LED POZIOM
    { 924,    0,   6, 10,       1.0, 0, 0x808080,  0.9, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 47 STAN
    { 925,  966,  31, 11,      0.01, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 48 przepływ
    { 926,    0,  33, 11,     0.004, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 49 dawka
    { 928, 1053,  35, 11,     0.004, 3, 0x00FF00,  1.0, 0x03,   0.0,    0.0, kFromSwitchVersion },  // 50 60V
    { 939,    0,  29, 10,       1.0, 0, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kFromSwitchVersion },  // 51 test
    {1442, 1057,  21, 10,       1.0, 0, 0x0000FF,  2.5, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 39 Petrol share
    { 920,    0,  11,  0,       1.0, 0, 0x800080,  0.9, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 40 flaga ACC
    { 921,    0,  11,  1,       1.0, 0, 0xFD7000,  0.9, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 41 flaga RPM
    { 922,    0,  14, 10,       1.0, 0, 0x808080, 10.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 42 LED STAN
    { 923,    0,  13, 10,       1.0, 0, 0x808080,  3.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 43 LED POZIOM
    { 924,    0,   6, 10,       1.0, 0, 0x808080,  0.9, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 44 STAN
    { 925,  966,  31, 11,      0.01, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 45 przepływ
    { 926,    0,  33, 11,     0.004, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 46 dawka
    { 928, 1053,  35, 11,     0.004, 3, 0x00FF00,  1.0, 0x03,   0.0,    0.0, kBelowSwitchVersion},  // 47 60V
    { 936,    0,  30, 10, 0.0078125, 2, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 48 kor. razem
    { 937, 1053,  37, 20,     0.025, 3, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 49 omzwg(+)
    { 938, 1053,  38, 10,       0.1, 1, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 50 otw.
    { 939,    0,  29, 10,       1.0, 0, 0x00FF00,  1.0, 0x04,   0.0,    0.0, kBelowSwitchVersion},  // 51 test
    { 956,    0,   0, 36,       1.0, 0, 0x800080,  0.9, 0x08,   0.0,    0.0, kAnyFirmware       },  // 52 *ext1
    { 957,    0,   1, 36,       1.0, 0, 0x800080,  0.9, 0x08,   0.0,    0.0, kAnyFirmware       },  // 53 *ext2
    { 944,    0,   0, 30,       1.0, 0, 0x0000FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 54 *b1
    { 945,    0,   1, 30,       1.0, 0, 0x00A000,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 55 *g1
    { 946,    0,   0, 31,       1.0, 0, 0x2828FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 56 *b2
    { 947,    0,   1, 31,       1.0, 0, 0x28A028,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 57 *g2
    { 948,    0,   0, 32,       1.0, 0, 0x4646FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 58 *b3
    { 949,    0,   1, 32,       1.0, 0, 0x46A046,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 59 *g3
    { 950,    0,   0, 33,       1.0, 0, 0x5A5AFF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 60 *b4
    { 951,    0,   1, 33,       1.0, 0, 0x5AA05A,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 61 *g4
    { 952,    0,   0, 34,       1.0, 0, 0x0000FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 62 *b5
    { 953,    0,   1, 34,       1.0, 0, 0x00A000,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 63 *g5
    { 954,    0,   0, 35,       1.0, 0, 0x2828FF,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 64 *b6
    { 955,    0,   1, 35,       1.0, 0, 0x28A028,  0.9, 0x01,   0.0,    0.0, kAnyFirmware       },  // 65 *g6
};

constexpr Row kEmulatorRows[] = {
    {   0,    0, 10, 11,   1.0, 0, 0x000000, 1.0, 0x00, 0.0, 0.0, kAnyFirmware},  // 0 empty
    {1400, 1056, 14, 11,  10.0, 0, 0xFD7000, 1.4, 0x33, 0.0, 0.0, kAnyFirmware},  // 1 Revolutions
    {1434, 1050, 22, 11, 0.005, 2, 0x008000, 1.0, 0x33, 0.0, 0.0, kAnyFirmware},  // 2 PWM
    {1440, 1050, 18, 11, 0.005, 2, 0xFF00FF, 2.5, 0x33, 0.0, 0.0, kAnyFirmware},  // 3 Fuel pressure
    {1436, 1050, 11, 10,  0.02, 2, 0x0000FF, 2.5, 0x33, 0.0, 0.0, kAnyFirmware},  // 4 Emulation
    {1432, 1050, 16, 11, 0.005, 2, 0x8000FF, 1.0, 0x23, 0.0, 0.0, kAnyFirmware},  // 5 Power supply
};

constexpr Row kPumpRows[] = {
    {   0,    0, 10, 11,     1.0, 0, 0x000000, 1.0, 0x00, 0.0,    0.0, kAnyFirmware},  // 0 empty
    {1400, 1056, 17, 11,    10.0, 0, 0xFD7000, 1.4, 0x00, 0.0, 6500.0, kAnyFirmware},  // 1 Revolutions
    {1402, 1057, 17, 11,    10.0, 0, 0xFD7000, 1.4, 0x00, 0.0,  100.0, kAnyFirmware},  // 2 Engine load
    {1404, 1051, 44, 11,    0.01, 2, 0x009090, 5.0, 0x00, 0.0,    4.3, kAnyFirmware},  // 3 Vacuum
    {1406, 1051, 48, 11,    0.01, 2, 0x00A000, 5.0, 0x00, 0.0,    4.3, kAnyFirmware},  // 4 Gas pressure
    {1408, 1051, 46, 11,    0.01, 2, 0x80A000, 3.0, 0x00, 0.0,    4.3, kAnyFirmware},  // 5 ABS gas press.
    { 910, 1053, 60, 11,   0.004, 3, 0x4080FF, 1.0, 0x33, 0.0,   25.0, kAnyFirmware},  // 6 TimeIn
    { 911, 1053, 62, 11,   0.004, 3, 0x8601FF, 1.0, 0x33, 0.0,   25.0, kAnyFirmware},  // 7 TimeOut
    { 912, 1057, 50, 10, 0.78125, 1, 0xFF00FF, 1.0, 0x33, 0.0,    5.0, kAnyFirmware},  // 8 Emulation
    { 913, 1050, 58, 11,   0.005, 2, 0xFF00FF, 2.5, 0x33, 0.0,    5.0, kAnyFirmware},  // 9 AnIn1
    { 914, 1050, 56, 11,   0.005, 2, 0x800080, 2.5, 0x00, 0.0,    5.0, kAnyFirmware},  // 10 AnIn2
    {1434, 1050, 54, 11,   0.005, 2, 0x008000, 1.0, 0x00, 0.0,   12.0, kAnyFirmware},  // 11 PWM
    {1436, 1050, 27, 14,   0.005, 2, 0x0000FF, 2.5, 0x00, 0.0,    5.0, kAnyFirmware},  // 12 Emulation
    {1430, 1050, 50, 10,    0.02, 2, 0xFF5000, 1.0, 0x00, 0.0,    0.0, kAnyFirmware},  // 13 Level sensor
    {1432, 1050, 52, 11,   0.005, 2, 0x8000FF, 1.0, 0x33, 0.0,   16.0, kAnyFirmware},  // 14 Power supply
};

// clang-format on

}  // namespace

const std::span<const Row> kMalverList{kMalverRows};
const std::span<const Row> kKaviList{kKaviRows};
const std::span<const Row> kEmulatorList{kEmulatorRows};
const std::span<const Row> kPumpList{kPumpRows};

}  // namespace charts
