#pragma once

#include <cstdint>
#include <span>

// What each transmission flag bit sends: the data areas behind the read and write bits, and
// the commands. The tables are in the order the transmit turn serves them.
namespace transmission {

struct DataArea {
  uint32_t bit;      // the same bit in FlagiCzytania and FlagiZapisu
  int offset;        // img offset of the 256 bytes
  uint8_t readCode;  // 0 = the area is never read
  const char* readLog;
  uint8_t writeCode;
  const char* writeLog;
  int writePause;       // ticks to skip after sending the write
  bool recordsHistory;  // a write leaves a change-history entry
};

// Reads are served in this order; writes too, with the password block last.
std::span<const DataArea> DataAreas();
const DataArea* AreaOfReadCode(uint8_t code);
const DataArea* AreaOfWriteCode(uint8_t code);

struct Command {
  uint32_t bit;
  uint8_t code;
  const char* log;
  int pause;
};

const Command& CommandOfBit(uint32_t bit);

// Commands of FlagiRozkazow in the order of the two passes of a transmit turn.
inline constexpr uint32_t kFirstCommandPass[] = {0x1, 0x2, 0x10,   0x20,   0x40,    0x80,   0x100,
                                                 0x4, 0x8, 0x4000, 0x8000, 0x10000, 0x20000};
inline constexpr uint32_t kSecondCommandPass[] = {0x200, 0x400, 0x800, 0x1000};

}  // namespace transmission
