// What the installer changes in the live-parameter definitions from the windows: where a
// parameter is shown and in which colour, and what the configuration file keeps of it.

#include "controller/Tsterownik.h"

namespace {

// The short scope record ends before the data of the later definitions.
constexpr int kLastDefinitionInShortRecord = 52;
constexpr int kStoredColours = 38;
constexpr int kStoredFlagGroups = 4;
constexpr int kStoredFlagEntries = 22;

bool StoredFlagExists(int group, int entry) {
  return group >= 1 && group <= kStoredFlagGroups && entry >= 1 && entry <= kStoredFlagEntries;
}

// Byte `entry` of group g is img FlagiWykresow - 1 + (g - 1) * 25 + entry.
int TraceFlagOffset(int group, int entry) {
  return img::FlagiWykresow - 1 + (group - 1) * img::kTraceFlagGroupStride + entry;
}

}  // namespace

Wykres* TSterownik::Definition(int index) {
  if (index < 0 || index >= static_cast<int>(listaWykresow_.size())) return nullptr;
  return &listaWykresow_[static_cast<size_t>(index)];
}

void TSterownik::ToggleReadingsPanel(int definition) {
  if (Wykres* w = Definition(definition)) {
    w->flagi ^= ChartPlace::Readings;
    w->ostatnia = kNothingShown;
  }
}

void TSterownik::ToggleScopeTrace(int definition) {
  if (Wykres* w = Definition(definition)) w->flagi ^= ChartPlace::ScopeTrace;
}

void TSterownik::SetTraceColour(int definition, uint32_t colour) {
  if (Wykres* w = Definition(definition)) w->kolor = colour;
}

void TSterownik::ShowBasicReadings() {
  for (int entry : {1, 3, 4, 6, 7})
    if (Wykres* w = Definition(entry)) w->flagi |= ChartPlace::ScopeTrace | ChartPlace::Readings;
}

void TSterownik::ForgetShownValues() {
  for (Wykres& w : listaWykresow_)
    w.ostatnia = kNothingShown;
}

bool TSterownik::ReadsLongRecord(int definition) {
  return definition > kLastDefinitionInShortRecord;
}

bool TSterownik::NeedsLongRecord(int definition) const {
  return ReadsLongRecord(definition) && rozmiarRekordu_ == status_frame::kShortRecord;
}

void TSterownik::SetStoredTraceColour(int record, uint32_t colour) {
  if (record >= 1 && record <= kStoredColours)
    koloryWykresow_[static_cast<size_t>(record - 1)] = colour;
}

uint8_t& TSterownik::TraceFlagByte(int group, int entry) {
  return obraz_[TraceFlagOffset(group, entry)];
}

void TSterownik::SetStoredTraceFlags(int group, int entry, uint8_t flags) {
  if (StoredFlagExists(group, entry)) TraceFlagByte(group, entry) = flags;
}

uint8_t TSterownik::StoredTraceFlags(int group, int entry) const {
  return StoredFlagExists(group, entry) ? obraz_[TraceFlagOffset(group, entry)] : 0;
}
