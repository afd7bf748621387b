#include "app/CommandButtons.h"

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

using Colour = CommandButton::Colour;

constexpr int kSettingsTab = 0, kCalibrationTab = 1, kDiagnosticsTab = 3;

enum Tag : int {
  FactorySettings = 101,
  DeletePetrolMap = 311,
  DeleteGasMap = 312,
  DeleteAdjustments = 313,
  DeleteErrors = 401,
  SpeakerTest = 402,
  LeakTest = 403,
  ValvesTest = 404,
};

bool Confirmed(UiServices& ui, int textId) {
  return LangMessageBox(ui, textId, mb::kYesNo | mb::kIconExclamation) == mb::kIdYes;
}

// The tightness tests close the valves: the installer is told to stop a running engine first.
void WarnIfEngineRuns(const TSterownik& link, UiServices& ui) {
  if (link.StanSilnika() & WorkFlag::EngineTurning) LangMessageBox(ui, 2109, mb::kIconExclamation);
}

// The multiplier clear of the bank in view: both banks while they are edited together.
int BankMask(int bank) {
  return bank == 0 ? 3 : bank;
}

}  // namespace

bool RestoreFactorySettings(TSterownik& link, UiServices& ui) {
  if (!Confirmed(ui, 2100)) return false;
  if (link.StanIdent() == ident_state::PasswordLocked) {
    ui.MessageBox(LangText(2203) + ".", mb::kIconInformation);
    return false;
  }
  link.NastawyFabryczne();
  return true;
}

CommandRow CommandsOfTab(int tab) {
  switch (tab) {
    case kSettingsTab:
      return {{{}, {}, {}, {FactorySettings, 1260, Colour::Selected}}};
    case kCalibrationTab:
      return {{{}, {}, {}, {kCalibrationCommand, 1261, Colour::Selected}}};
    case kDiagnosticsTab:
      return {{{SpeakerTest, 1265, Colour::Text},
               {LeakTest, 1266, Colour::Text},
               {ValvesTest, 1257, Colour::Text},
               {DeleteErrors, 1264, Colour::Selected}}};
    default:
      return {};
  }
}

bool RunCommand(TSterownik& link, UiServices& ui, int tag) {
  switch (tag) {
    case FactorySettings:
      return RestoreFactorySettings(link, ui);
    case kCalibrationCommand:
      link.StartStopKalibracji();
      return true;
    case DeleteErrors:
      link.RozkazDoSterownika(CommandBit::ClearErrors);
      return true;
    case DeletePetrolMap:
      if (!Confirmed(ui, 2101)) return false;
      link.KasujMapeEcuBen();
      return true;
    case DeleteGasMap:
      if (!Confirmed(ui, 2102)) return false;
      link.KasujMapeEcuGaz();
      return true;
    case DeleteAdjustments:
      if (!Confirmed(ui, 2103)) return false;
      link.KasujMnoznik(BankMask(link.AktalnyBank()));
      return true;
    case SpeakerTest:
      link.RozkazDoSterownika(CommandBit::SpeakerTest);
      return true;
    case LeakTest:
      WarnIfEngineRuns(link, ui);
      link.RozkazDoSterownika(CommandBit::LeakTest);
      return true;
    case ValvesTest:
      WarnIfEngineRuns(link, ui);
      link.RozkazDoSterownika(CommandBit::ValveTest);
      return true;
    default:
      return false;
  }
}
