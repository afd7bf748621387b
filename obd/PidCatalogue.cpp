#include "obd/PidCatalogue.h"

const std::array<PidRecord, kPidCount>& Pidy() {
  // The names are the program's own and stay English in every language, as the adapter's
  // vocabulary does. Some names repeat (0x13 and 0x1D, the two lambda ranges): the grid tells
  // them apart by the PID number.
  static const std::array<PidRecord, kPidCount> catalogue = {{
      {4, 0, "PIDs supported 01 - 20", "", ""},                                         // 00
      {4, 1, "Monitor status since DTCs cleared.", "", ""},                             // 01
      {2, 2, "Freeze DTC", "", ""},                                                     // 02
      {2, 3, "Fuel system status", "Fuel sys", ""},                                     // 03
      {1, 4, "Calculated engine load value", "Load", "%"},                              // 04
      {1, 5, "Engine coolant temperature", "ETC", "°C"},                                // 05
      {1, 6, "Short term fuel Bank 1", "SHRT FT1", "%"},                                // 06
      {1, 6, "Long term fuel Bank 1", "LONG FT1", "%"},                                 // 07
      {1, 6, "Short term fuel Bank 2", "SHRT FT2", "%"},                                // 08
      {1, 6, "Long term fuel Bank 2", "LONG FT2", "%"},                                 // 09
      {1, 10, "Fuel pressure", "Fuel P", "kPa"},                                        // 0A
      {1, 11, "Intake manifold absolute pressure", "MAP", "kPa"},                       // 0B
      {2, 12, "Engine RPM", "RPM", "rpm"},                                              // 0C
      {1, 11, "Vehicle speed", "VSS", "km/h"},                                          // 0D
      {1, 14, "Timing advance", "TA", "°"},                                             // 0E
      {1, 5, "Intake air temperature", "IAT", "°C"},                                    // 0F
      {2, 16, "MAF air flow rate", "MAF", "g/sec"},                                     // 10
      {1, 4, "Throttle position", "TPS", "%"},                                          // 11
      {1, 18, "Commanded secondary air status", "Air stat", ""},                        // 12
      {1, 19, "Oxygen sensors present", "O2", ""},                                      // 13
      {2, 20, "Bank 1 Sensor 1: Oxygen sensor voltage", "O2 B1S1", "V"},                // 14
      {2, 20, "Bank 1 Sensor 2: Oxygen sensor voltage", "O2 B1S2", "V"},                // 15
      {2, 20, "Bank 1 Sensor 3: Oxygen sensor voltage", "O2 B1S3", "V"},                // 16
      {2, 20, "Bank 1 Sensor 4: Oxygen sensor voltage", "O2 B1S4", "V"},                // 17
      {2, 20, "Bank 2 Sensor 1: Oxygen sensor voltage", "O2 B2S1", "V"},                // 18
      {2, 20, "Bank 2 Sensor 2: Oxygen sensor voltage", "O2 B2S2", "V"},                // 19
      {2, 20, "Bank 2 Sensor 3: Oxygen sensor voltage", "O2 B2S3", "V"},                // 1A
      {2, 20, "Bank 2 Sensor 4: Oxygen sensor voltage", "O2 B2S4", "V"},                // 1B
      {1, 28, "OBD standards this vehicle conforms to", "OBDSUP", ""},                  // 1C
      {1, 29, "Oxygen sensors present", "O2", ""},                                      // 1D
      {1, 30, "Auxiliary input status", "PTO", ""},                                     // 1E
      {2, 31, "Run time since engine start", "Run time", "sec"},                        // 1F
      {4, 32, "PIDs supported 21-40", "", ""},                                          // 20
      {2, 31, "Distance traveled with malfunction indicator (MIL)", "MIL dist", "km"},  // 21
      {2, 34, "Fuel Rail Pressure (relative to manifold vacuum)", "FRP", "kPa"},        // 22
      {2, 35, "Fuel Rail Pressure (diesel)", "FRP", "kPa"},                             // 23
      {4, 36, "O2S1_WR_lambda(1)", "O2 S1", ""},                                        // 24
      {4, 36, "O2S2_WR_lambda(1)", "O2 S2", ""},                                        // 25
      {4, 36, "O2S3_WR_lambda(1)", "O2 S3", ""},                                        // 26
      {4, 36, "O2S4_WR_lambda(1)", "O2 S4", ""},                                        // 27
      {4, 36, "O2S5_WR_lambda(1)", "O2 S5", ""},                                        // 28
      {4, 36, "O2S6_WR_lambda(1)", "O2 S6", ""},                                        // 29
      {4, 36, "O2S7_WR_lambda(1)", "O2 S7", ""},                                        // 2A
      {4, 36, "O2S8_WR_lambda(1)", "O2 S8", ""},                                        // 2B
      {1, 4, "Commanded EGR", "EGR", "%"},                                              // 2C
      {1, 6, "EGR Error", "EGR ERR", "%"},                                              // 2D
      {1, 4, "Commanded evaporative purge", "EVAP", "%"},                               // 2E
      {1, 4, "Fuel Level Input", "Fuel Lvl", "%"},                                      // 2F
      {1, 11, "# of warm-ups since codes cleared ", "Warm ups", ""},                    // 30
      {2, 31, "Distance traveled since codes cleared", "Clear Dist", "km"},             // 31
      {2, 50, "Evap. System Vapor Pressure", "EVAP P", "Pa"},                           // 32
      {1, 11, "Barometric pressure (Absolute) ", "BARO", "kPa"},                        // 33
      {4, 52, "O2S1_WR_lambda(1)", "O2 S1", ""},                                        // 34
      {4, 52, "O2S2_WR_lambda(1)", "O2 S2", ""},                                        // 35
      {4, 52, "O2S3_WR_lambda(1)", "O2 S3", ""},                                        // 36
      {4, 52, "O2S4_WR_lambda(1)", "O2 S4", ""},                                        // 37
      {4, 52, "O2S5_WR_lambda(1)", "O2 S5", ""},                                        // 38
      {4, 52, "O2S6_WR_lambda(1)", "O2 S6", ""},                                        // 39
      {4, 52, "O2S7_WR_lambda(1)", "O2 S7", ""},                                        // 3A
      {4, 52, "O2S8_WR_lambda(1)", "O2 S8", ""},                                        // 3B
      {2, 60, "Catalyst Temperature Bank 1, Sensor 1", "CAT TEMP11", "°C"},             // 3C
      {2, 60, "Catalyst Temperature Bank 2, Sensor 1", "CAT TEMP21", "°C"},             // 3D
      {2, 60, "Catalyst Temperature Bank 1, Sensor 2", "CAT TEMP12", "°C"},             // 3E
      {2, 60, "Catalyst Temperature Bank 2, Sensor 2", "CAT TEMP22", "°C"},             // 3F
      {4, 64, "PIDs supported 41-60", "", ""},                                          // 40
      {4, 65, "Monitor status this drive cycle", "", ""},                               // 41
      {2, 66, "Control module voltage", "VPWR", "V"},                                   // 42
      {2, 67, "Absolute load value", "LOAD ABS", "%"},                                  // 43
      {2, 68, "Command equivalence ratio", "EQ RAT", ""},                               // 44
      {1, 4, "Relative throttle position", "TP R", ""},                                 // 45
      {1, 5, "Ambient air temperature", "AAT", "°C"},                                   // 46
      {1, 4, "Absolute throttle position B", "TPS B", "%"},                             // 47
      {1, 4, "Absolute throttle position C", "TPS C", "%"},                             // 48
      {1, 4, "Accelerator pedal position D", "APP D", "%"},                             // 49
      {1, 4, "Accelerator pedal position E", "APP E", "%"},                             // 4A
      {1, 4, "Accelerator pedal position F", "APP F", "%"},                             // 4B
      {1, 4, "Commanded throttle actuator", "", "%"},                                   // 4C
      {2, 31, "Time run with MIL", "MIL TIME", "min"},                                  // 4D
      {2, 31, "Time since trouble codes cleared", "CLR TIME", "min"},                   // 4E
      {4, 79, "Maximum value for equivalence ratio", "", ""},                           // 4F
      {4, 80, "Maximum value for air flow rate", "", "g/s"},                            // 50
      {1, 81, "Fuel Type", "", ""},                                                     // 51
      {1, 4, "Ethanol fuel", "", "%"},                                                  // 52
      {2, 83, "Absoulute Evap system Vapour Pressure", "", "kpa"},                      // 53
      {2, 84, "Evap system vapor pressure", "", "Pa"},                                  // 54
      {2, 85, "Short term secondary O2S trim bank 1,3", "", "%"},                       // 55
      {2, 85, "Long term secondary O2S trim bank 1,3", "", "%"},                        // 56
      {2, 85, "Short term secondary O2S trim bank 2,4", "", "%"},                       // 57
      {2, 85, "Long term secondary O2S trim bank 2,4", "", "%"},                        // 58
      {2, 35, "Fuel rail pressure (absolute)", "FRP abs", "kPa"},                       // 59
      {1, 4, "Relative accelerator pedal position", "", "%"},                           // 5A
      {1, 4, "Hybrid battery pack remaining life", "", "%"},                            // 5B
      {1, 5, "Engine oil temperature", "", "°C"},                                       // 5C
      {2, 93, "Fuel injection timing", "", "°"},                                        // 5D
      {2, 94, "Engine fuel rate", "", "L/h"},                                           // 5E
      {1, 95, "Emission requirements to which vehicle is designed", "", ""},            // 5F
      {4, 96, "PIDs supported 61-80", "", ""},                                          // 60
      {1, 97, "Driver's demand engine - percent torque", "", "%"},                      // 61
      {1, 97, "Actual engine - percent torque", "", "%"},                               // 62
      {2, 31, "Engine reference torque", "", "Nm"},                                     // 63
      {5, 100, "Engine percent torque data", "", "%"},                                  // 64
      {2, kPidHex, "Auxiliary input / output supported", "", ""},                       // 65
      {5, kPidHex, "Mass air flow sensor", "", ""},                                     // 66
      {3, kPidHex, "Engine coolant temperature", "", ""},                               // 67
      {7, kPidHex, "Intake air temperature sensor", "", ""},                            // 68
      {7, kPidHex, "Commanded EGR and EGR Error", "", ""},                              // 69
      {5, kPidHex, "Commanded Diesel intake air flow control", "", ""},                 // 6A
      {5, kPidHex, "Exhaust gas recirculation temperature", "", ""},                    // 6B
      {5, kPidHex, "Commanded throttle actuator control", "", ""},                      // 6C
      {6, kPidHex, "Fuel pressure control system", "", ""},                             // 6D
      {5, kPidHex, "Injection pressure control system", "", ""},                        // 6E
      {3, kPidHex, "Turbocharger compressor inlet pressure", "", ""},                   // 6F
      {9, kPidHex, "Boost pressure control", "", ""},                                   // 70
      {5, kPidHex, "Variable Geometry turbo control", "VGT", ""},                       // 71
      {5, kPidHex, "Wastegate control", "", ""},                                        // 72
      {5, kPidHex, "Exhaust pressure", "", ""},                                         // 73
      {5, kPidHex, "Turbocharger RPM", "", ""},                                         // 74
      {7, kPidHex, "Turbocharger temperature", "", ""},                                 // 75
      {7, kPidHex, "Turbocharger temperature", "", ""},                                 // 76
      {5, kPidHex, "Charge air cooler temperature", "CACT", ""},                        // 77
      {9, kPidHex, "Exhaust Gas temperature", "EGT", ""},                               // 78
      {9, kPidHex, "Exhaust Gas temperature", "EGT", ""},                               // 79
      {7, kPidHex, "Diesel particulate filter", "DPF", ""},                             // 7A
      {7, kPidHex, "Diesel particulate filter", "DPF", ""},                             // 7B
      {9, kPidHex, "Diesel particulate filter", "DPF", ""},                             // 7C
      {1, kPidHex, "NOx NTE control area status", "", ""},                              // 7D
      {1, kPidHex, "PM NTE control area status", "", ""},                               // 7E
      {13, kPidHex, "Engine run time", "", ""},                                         // 7F
      {4, kPidHex, "PIDs supported 81-A0", "", ""},                                     // 80
  }};
  return catalogue;
}
