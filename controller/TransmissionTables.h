#pragma once

#include <cstdint>
#include <span>

#include "controller/Protocol.h"

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

// When a command's bit leaves FlagiRozkazow.
enum class Cleared { ByReply, WhenSent, ByLastChunk, OnItsTurn };

struct Command {
  uint32_t bit;
  uint8_t code;
  const char* log;
  int pause;
  Cleared cleared;
  bool greyLog;  // the log shows the rarer commands in grey
};

const Command& CommandOfBit(uint32_t bit);
// The bits a reply of this code clears (two commands share the leak and valve test's code).
uint32_t CommandBitsAnsweredBy(uint8_t code);

// Commands of FlagiRozkazow in the order of the two passes of a transmit turn.
inline constexpr uint32_t kFirstCommandPass[] = {
    CommandBit::Identify,         CommandBit::ReadErrors,           CommandBit::LiveCommand,
    CommandBit::ClearErrors,      CommandBit::FuelChangeAuto,       CommandBit::FuelChangeFast,
    CommandBit::SendInjectorMask, CommandBit::ObdReadDtc,           CommandBit::ObdClearDtc,
    CommandBit::SendLedColours,   CommandBit::ClearEmergencyStarts, CommandBit::ReadPetrolScope,
    CommandBit::SwitchToPetrol};
inline constexpr uint32_t kSecondCommandPass[] = {CommandBit::SpeakerTest, CommandBit::LeakTest,
                                                  CommandBit::ValveTest,
                                                  CommandBit::FactorySettings};

}  // namespace transmission
