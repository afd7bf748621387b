#include "app/MapSubViews.h"

#include <algorithm>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "charts/TableNames.h"
#include "controller/Protocol.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

using Colour = CommandButton::Colour;

constexpr int kFirstSecondRow = 6;  // position of SpeedButton21 in kMapButtons
constexpr int kDiMpiBoard = 12;     // the two-bank board: its banks are DI and MPI
// Setting 15 says how the rail-pressure emulator works; in this mode it learns its table.
constexpr int kEmulatorMode = 15;
constexpr int kLearnedEmulation = 3;
// Setting 48: what the emulators' rows stand for; 2 is a voltage with breakpoints of its own.
constexpr int kEmulatorAxis = 48;
constexpr int kVoltageAxis = 2;

using namespace command_tag;

int PositionOf(int button) {
  const auto* it = std::find(kMapButtons.begin(), kMapButtons.end(), button);
  return it == kMapButtons.end() ? -1 : static_cast<int>(it - kMapButtons.begin());
}

bool KaviPressureEmulation(const TSterownik& link) {
  return link.WersjaProgramu() > 13 && link.Nastawy()[138] == 2;
}

// Chart kind, strip height and strip mode of each button, by family where they differ; the
// tables' kinds are those the core shows each table in.
MapSubView Layout(const TSterownik& link, int button) {
  const bool kavi = link.Czy_KAVI();
  const int firmware = link.WersjaProgramu();
  const auto table = [&link](int area) { return chart::GridKindShowing(link, area); };
  switch (button) {
    case 11:
      return {chart::kInjectionMapKind, 96, 20};
    case 12:
      return {chart::kRpmCorrectionKind, 30, 27};
    case 13:
      return {chart::kReducerTemperatureKind};
    case 14:
      return {chart::kGasTemperatureKind};
    case 15:
      return {chart::kPressureCurveKind};
    case 16:
      return {KaviPressureEmulation(link) ? chart::kEmulationCharacteristicKind
                                          : table(img::EmulacjaHi),
              96, 21};
    case 21:
      return kavi ? MapSubView{table(img::Domieszka), 96, 22} : MapSubView{table(img::Domieszka)};
    case 22:
      if (kavi) return {table(img::MapaCis), 96, 23};
      return firmware > 12 ? MapSubView{table(img::MapaCis), 52, 28}
                           : MapSubView{table(img::MapaCis)};
    case 23:
      return {table(img::PrzesGaz), kavi ? 118 : 74, 24};
    case 24:
      return {table(img::DawkaBen), kavi ? 96 : 74, 25};
    case 26:
      return {table(img::EmulacjaLo), 74, 26};
    default:
      return {};
  }
}

}  // namespace

MapRows MapRowsOf(const TSterownik& link, int adminLevel, bool extendedTabs) {
  MapRows rows;
  const bool extended = adminLevel > 1 || extendedTabs;
  const int firmware = link.WersjaProgramu();
  for (size_t i = 0; i < 6; ++i)
    rows.visible[i] = true;
  if (link.Czy_KAVI()) {
    rows.height = 50;
    for (int b : {21, 22, 26})
      rows.visible[PositionOf(b)] = true;
    rows.visible[PositionOf(23)] = rows.visible[PositionOf(24)] = firmware > 14;
    rows.captionId = {1210, 1211, 1212, 1213, 1214, 1215, 1219, 1220, 1223, 1224, 0, 1221};
    return rows;
  }
  if (!link.Czy_MALVER()) return rows;
  rows.height = extended ? 50 : 25;
  const bool corrections = !link.Czy_LUMO() && link.OpisSpecjalny() != 11;
  for (int b : {13, 14, 15, 16})
    rows.visible[PositionOf(b)] = corrections;
  rows.visible[PositionOf(22)] = true;
  rows.visible[PositionOf(21)] = true;
  if (firmware > 12) {
    rows.height = 50;
    rows.visible[PositionOf(21)] = extended;
    rows.admixtureHidden = !extended;
  }
  rows.captionId = {1210, 1211, 1212, 1213, 1214, 1215, 1216, firmware > 12 ? 4560 : 1218,
                    1223, 1224, 0,    1221};
  return rows;
}

namespace {

// The emulators' erase button, its caption spaced out as the row shows it.
CommandButton EraseButton(int tag) {
  return {tag, 1258, Colour::Purple, "   " + LangText(1258) + "   "};
}

CommandButton LearningButton(const TSterownik& link) {
  const bool on = link.UczenieEmulacji();
  return {EmulatorLearning, 0, on ? Colour::Red : Colour::Selected,
          "  " + LangText(1201) + " " + LangText(on ? 1263 : 1261) + "  "};
}

CommandRow CommandsOf(const TSterownik& link, int button, int kind) {
  const bool kavi = link.Czy_KAVI();
  switch (button) {
    case 11:
      return {{{DeletePetrolMap, 1268, Colour::Red},
               {DeleteGasMap, 1269, Colour::Green},
               {DeleteAdjustments, 1271, Colour::Purple},
               {}}};
    case 12:
      return {{{DeleteUpperPetrolMap, 1268, Colour::Red},
               {DeleteUpperGasMap, 1269, Colour::Green},
               {DeleteRpmCorrections, 1272, Colour::Selected},
               {}}};
    case 13:
    case 14:
    case 15:
      return {{{DeleteCurve, 1272, Colour::Purple}, {}, {}, {}}};
    case 16: {
      CommandRow row{};
      if (kind != chart::kEmulationCharacteristicKind)
        row = {{EraseButton(kavi ? EraseKaviEmulatorHi : EraseEmulatorHi),
                {ReadEmulatorHi, 1115},
                {SaveEmulatorHi, 1116},
                {}}};
      if (EmulatorLearningOffered(link)) row[3] = LearningButton(link);
      return row;
    }
    case 21:
      return {{{kavi ? EraseAdmixture : EraseDelays, 1258, Colour::Purple}, {}, {}, {}}};
    case 22:
      if (kavi)
        return {{{ErasePressureMap, 1258, Colour::Purple},
                 {WritePressureMap, 1357, Colour::Red},
                 {ReadPressureMap, 1115},
                 {SavePressureMap, 1116}}};
      return {{{kind == chart::kPetrolAdditionKind ? EraseExtraInjections : EraseEnrichment, 1258,
                Colour::Purple},
               {},
               {},
               {}}};
    case 23:
      return {{{EraseGasAdvance, 1258, Colour::Purple}, {}, {}, {}}};
    case 24:
      return {{{ErasePetrolDose, 1258, Colour::Purple}, {}, {}, {}}};
    case 26:
      return {{EraseButton(EraseEmulatorLo), {ReadEmulatorLo, 1115}, {SaveEmulatorLo, 1116}, {}}};
    default:
      return {};
  }
}

}  // namespace

MapSubView MapSubViewOf(const TSterownik& link, int button) {
  MapSubView view = Layout(link, button);
  view.help = button >= 11 && button <= 16;
  view.scopeAbove = button == 16 || button == 26;
  view.commands = CommandsOf(link, button, view.kind);
  return view;
}

bool EmulatorLearningOffered(const TSterownik& link) {
  return link.Nastawy()[kEmulatorMode] == kLearnedEmulation ||
         link.Rodzina() == Family::RailEmulator;
}

bool MapSubViewInUse(const TSterownik& link, int button) {
  const bool kavi = link.Czy_KAVI();
  const uint8_t* s = link.Nastawy();
  switch (button) {
    case 12:
      return link.CzyKoretkaOdObr();
    case 13:
      return link.CzyKoretkaOdTempRed();
    case 14:
      return link.CzyKoretkaOdTempGazu();
    case 15:
      return link.CzyKoretkaOdCisGazu();
    case 16:
      return kavi ? s[138] != 0 : s[15] != 0;
    case 21:
      return kavi && link.CzyDomieszkaBenzyny();
    case 22:
      return kavi ? link.CzyMapaCisnienia() : link.CzyDotryskiBenzyny();
    case 23:
      return kavi && s[261] != 0;
    case 24:
      return kavi && s[257] != 0;
    case 26:
      return kavi && s[17] != 0;
    default:
      return false;
  }
}

bool MapToolPanelShown(int kind) {
  return kind == 0 || kind == 1 || kind == 5 || kind == 6 || kind == 15;
}

MapTools MapToolsOf(const TSterownik& link, int kind, int upperTable) {
  MapTools tools;
  if (!MapToolPanelShown(kind) || kind == chart::kInjectionMapKind) return tools;
  tools.plusMinus = true;
  if (kind != chart::kRpmCorrectionKind) {
    tools.range = link.Nastawy()[kEmulatorAxis] == kVoltageAxis;
    return tools;
  }
  const bool kavi = link.Czy_KAVI();
  tools.viewRow = upperTable != 0;
  tools.axis = !kavi;
  tools.nearest = tools.smooth = true;
  tools.range = link.Nastawy()[chart::setting::kCorrectionAxis] == 0 || kavi;
  return tools;
}

BankRow BankRowOf(const TSterownik& link, int kind) {
  BankRow row;
  row.shown = link.DwaBanki() && MapToolPanelShown(kind) && kind != 5 && kind != 6 && kind != 15;
  if (!row.shown) return row;
  row.pressed = link.AktalnyBank();
  if (link.Wyrob() == kDiMpiBoard) {
    row.bothShown = false;
    row.captions = {"", "DI", "MPI"};
    return row;
  }
  const std::string bank = LangText(1720);
  row.captions = {bank + " 1&2", bank + " 1", bank + " 2"};
  row.copyTag = row.pressed == 1 ? 3 : row.pressed == 2 ? 4 : 0;
  return row;
}
