#include "controller/PendingWrites.h"

#include <utility>

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

constexpr int kWritingText = 6141, kUnsentText = 6140;

using namespace AreaBit;

// Both banks of a table share their title.
constexpr std::pair<uint32_t, int> kTitles[] = {
    {Settings | Settings2, 1200},
    {Multiplier1 | Multiplier2, 1709},
    {RpmCorrection1 | RpmCorrection2, 1211},
    {PetrolMap, 1712},
    {GasMap, 1713},
    {ObdPetrolMap1 | ObdPetrolMap2, 1715},
    {ObdGasMap1 | ObdGasMap2, 1716},
    {PressureCorrection, 1214},
    {ReducerTempCorrection, 1212},
    {GasTempCorrection, 1213},
    {EmulatorHi, 1222},
    {EmulatorLo, 1221},
    {Admixture, 1219},
    {PressureMap, 1220},
    {GasAdvance, 1223},
    {PetrolDose, 1224},
    {History, 1359},
    {Description, 1371},
    {Password, 2200},
};

}  // namespace

std::string AreaTitles(uint32_t areas) {
  std::string titles;
  for (const auto& [bits, textId] : kTitles) {
    if (!(areas & bits)) continue;
    if (!titles.empty()) titles += ", ";
    titles += LangText(textId);
  }
  return titles;
}

std::string PendingWritesText(const TSterownik& link) {
  // The history entry a write leaves behind is the program's own bookkeeping.
  const uint32_t pending = (link.FlagiZapisu() | link.FlagiZapisuWToku()) & ~History;
  if (pending == 0) return {};
  return LangText(kWritingText) + " " + AreaTitles(pending);
}

std::string UnsentWritesMessage(uint32_t areas) {
  return LangText(kUnsentText) + " " + AreaTitles(areas) + ".";
}
