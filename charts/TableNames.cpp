#include "charts/TableNames.h"

#include <algorithm>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

constexpr int kAdditionFirmware = 13;  // MALVER firmware from which MapaCis is the petrol addition

// clang-format off
constexpr NamedTable kNames[] = {
  {"KorOdObr1",   img::KorOdObr1},
  {"KorOdObr2",   img::KorOdObr2},
  {"EmulacjaHi",  img::EmulacjaHi},
  {"EmulacjaLo",  img::EmulacjaLo},
  {"Domieszka",   img::Domieszka},
  {"MapaCis",     img::MapaCis},
  {"PrzesGaz",    img::PrzesGaz},
  {"DawkaBen",    img::DawkaBen},
  {"MapaEcuBen",  img::MapaEcuBen},
  {"MapaEcuGaz",  img::MapaEcuGaz},
  {"MapaObdBen1", img::MapaObdBen1},
  {"MapaObdGaz1", img::MapaObdGaz1},
  {"MapaObdBen2", img::MapaObdBen2},
  {"MapaObdGaz2", img::MapaObdGaz2},
};

// The learned maps as the upper grid shows them.
struct UpperMap {
  int area;
  uint32_t write;
  UpperTable table;
  MapShown shown;
};
constexpr UpperMap kUpperMaps[] = {
  {img::MapaEcuBen,  AreaBit::PetrolMap,     UpperTable::InjectionTimes, MapShown::Petrol},
  {img::MapaEcuGaz,  AreaBit::GasMap,        UpperTable::InjectionTimes, MapShown::Gas},
  {img::MapaObdBen1, AreaBit::ObdPetrolMap1, UpperTable::ObdCorrections, MapShown::Petrol},
  {img::MapaObdGaz1, AreaBit::ObdGasMap1,    UpperTable::ObdCorrections, MapShown::Gas},
  {img::MapaObdBen2, AreaBit::ObdPetrolMap2, UpperTable::ObdCorrections, MapShown::Petrol},
  {img::MapaObdGaz2, AreaBit::ObdGasMap2,    UpperTable::ObdCorrections, MapShown::Gas},
};
// clang-format on

constexpr uint32_t kRpmCorrectionWrites[] = {AreaBit::RpmCorrection1, AreaBit::RpmCorrection2};

}  // namespace

std::span<const NamedTable> TableNames() {
  return kNames;
}

const NamedTable* TableNamed(std::string_view name) {
  const auto* it = std::find_if(std::begin(kNames), std::end(kNames),
                                [name](const NamedTable& t) { return t.name == name; });
  return it == std::end(kNames) ? nullptr : it;
}

int GridKindShowing(const TSterownik& link, int area) {
  const bool kavi = link.Czy_KAVI();
  switch (area) {
    case img::KorOdObr1:
    case img::KorOdObr2:
      return kRpmCorrectionKind;
    case img::EmulacjaHi:
      return kavi ? kKaviEmulatorHiKind : kEmulatorHiKind;
    case img::Domieszka:
      return kavi ? kAdmixtureKind : kInjectionOffsetKind;
    case img::MapaCis:
      if (kavi) return kPressureMapKind;
      return link.WersjaProgramu() >= kAdditionFirmware ? kPetrolAdditionKind : kEnrichmentKind;
    case img::PrzesGaz:
      return kGasAdvanceKind;
    case img::DawkaBen:
      return kPetrolDoseKind;
    case img::EmulacjaLo:
      return link.Nastawy()[setting::kEmulatorLoType] == setting::kSecondEmulatorLo
                 ? kSecondEmulatorLoKind
                 : kEmulatorLoKind;
    default:
      return kNoChart;
  }
}

std::optional<TableView> TableViewOf(const TSterownik& link, int area) {
  for (const UpperMap& map : kUpperMaps)
    if (map.area == area) {
      TableView view = UpperTableInView(link, map.table, map.shown);
      view.area = map.area;  // the named bank, whichever is in view
      view.write = map.write;
      return view;
    }
  const GridKind* kind = GridKindOf(GridKindShowing(link, area));
  if (!kind) return std::nullopt;
  TableView view = MainTableInView(link, *kind);
  if (kind->kind == kRpmCorrectionKind) {
    view.area = area;
    view.write = kRpmCorrectionWrites[area == img::KorOdObr2];
  }
  return view;
}

}  // namespace chart
