#include "charts/RecordingSignals.h"

#include <algorithm>

#include "controller/Tsterownik.h"

namespace chart {

RecordSpan UsableRecords(const TSterownik& link) {
  RecordSpan records = link.Nagranie();
  if (records.size <= 0) return {records.bytes, records.size, 0};
  const size_t whole = records.bytes.size() / static_cast<size_t>(records.size);
  const size_t counted = static_cast<size_t>(std::max(records.count, 0));
  records.count = static_cast<int>(std::min(counted, whole));
  return records;
}

std::optional<int> ByteAt(std::span<const uint8_t> record, int offset) {
  if (offset < 0 || static_cast<size_t>(offset) >= record.size()) return std::nullopt;
  return record[static_cast<size_t>(offset)];
}

std::optional<int> WordAt(std::span<const uint8_t> record, int offset) {
  if (offset < 0 || static_cast<size_t>(offset) + 1 >= record.size()) return std::nullopt;
  const size_t at = static_cast<size_t>(offset);
  return record[at] | record[at + 1] << 8;
}

DefinitionSignal::DefinitionSignal(std::span<const Wykres> definitions, int index) {
  if (index < 0 || static_cast<size_t>(index) >= definitions.size()) return;
  offset_ = definitions[static_cast<size_t>(index)].przesuniecie;
  scale_ = definitions[static_cast<size_t>(index)].skala;
}

std::optional<double> DefinitionSignal::In(std::span<const uint8_t> record) const {
  const std::optional<int> raw = WordAt(record, offset_);
  if (!raw) return std::nullopt;
  return *raw * scale_;
}

std::optional<int> DefinitionSignal::FirstByteIn(std::span<const uint8_t> record) const {
  return ByteAt(record, offset_);
}

}  // namespace chart
