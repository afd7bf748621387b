#include "app/Workstation.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "files/FileIo.h"

namespace {

constexpr size_t kLargestIdFile = 4096;

constexpr uint32_t kAdministratorWorkstations[8] = {0x5A3C96E1, 0x1F2E3D4C, 0x0BADC0DE, 0x7E57AB1E,
                                                    0x600DF00D, 0x13579BDF, 0x2468ACE0, 0x0F1E2D3C};
constexpr uint32_t kExtendedTabWorkstations[8] = {0x3C4B5A69, 0x48A1F00D, 0x6D2E1B0A, 0x1A2B3C4D,
                                                  0x55AA55AA, 0x0C0FFEE0, 0x7A7A7A7A, 0x11223344};

}  // namespace

bool WorkstationIdentifier(uint32_t& id, const std::string& machineIdFile) {
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(machineIdFile, bytes, kLargestIdFile).ok) return false;
  return WorkstationIdentifierOf(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), id);
}

bool WorkstationIdentifierOf(std::string_view machineId, uint32_t& id) {
  const std::string_view line = machineId.substr(0, machineId.find('\n'));
  if (line.empty()) return false;
  uint32_t hash = 2166136261u;  // FNV-1a
  for (unsigned char c : line)
    hash = (hash ^ c) * 16777619u;
  id = hash;
  return true;
}

bool IsAdministratorWorkstation(uint32_t id) {
  return std::find(std::begin(kAdministratorWorkstations), std::end(kAdministratorWorkstations),
                   id) != std::end(kAdministratorWorkstations);
}

bool HasExtendedTabs(uint32_t id) {
  return std::find(std::begin(kExtendedTabWorkstations), std::end(kExtendedTabWorkstations), id) !=
         std::end(kExtendedTabWorkstations);
}
