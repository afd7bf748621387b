#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "controller/Wykres.h"
#include "scope/Records.h"

class TSterownik;

// How the diagnostic charts read the scope recording: some signals where the family's chart
// definitions place them, others at fixed places of the status frame.
namespace chart {

// The records of the link's recording that lie whole in its buffer.
RecordSpan UsableRecords(const TSterownik& link);

// Nothing when the record is too short for the value.
std::optional<int> ByteAt(std::span<const uint8_t> record, int offset);
std::optional<int> WordAt(std::span<const uint8_t> record, int offset);  // little-endian

// A signal placed by one of the family's chart definitions: the 16-bit value at its offset
// times its scale. A family whose list lacks the definition has no such signal.
class DefinitionSignal {
 public:
  DefinitionSignal(std::span<const Wykres> definitions, int index);
  std::optional<double> In(std::span<const uint8_t> record) const;
  std::optional<int> FirstByteIn(std::span<const uint8_t> record) const;

 private:
  int offset_ = -1;
  double scale_ = 0.0;
};

}  // namespace chart
