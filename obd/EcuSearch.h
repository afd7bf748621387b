#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Ecu {
  int adres;      // header byte, or the 11-bit CAN identifier
  uint32_t mapa;  // the supported-PID bitmap it answered, first byte most significant
};

// The ECUs answering "0100" in a reply with headers, in the order they answered.
std::vector<Ecu> ZnajdzEcu(const std::string& odpowiedz, int protokol);

// Of the ECUs found, the engine's: the first, unless a later one supports the bank-1 fuel trims.
int AdresSilnika(const std::vector<Ecu>& ecu);

// "7E9h 7E8h ": each address in hexadecimal with at least two digits.
std::string ListaEcu(const std::vector<Ecu>& ecu);

// The four data bytes after "41 pp " of the first line answering `pid`, first most significant.
std::optional<uint32_t> CzteryBajty(const std::string& odpowiedz, int pid);
