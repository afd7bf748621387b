#pragma once

#include <array>
#include <string>
#include <vector>

class TObd;
class TSterownik;
class UiServices;

// The tags that name the bottom bar's commands.
namespace command_tag {
enum : int {
  FactorySettings = 101,
  Calibration = 201,  // starts or stops the automatic calibration; its caption follows it
  DeletePetrolMap = 311,
  DeleteGasMap = 312,
  DeleteAdjustments = 313,
  DeleteUpperPetrolMap = 321,  // the maps over the RPM corrections, whichever they show
  DeleteUpperGasMap = 322,
  DeleteRpmCorrections = 323,
  DeleteCurve = 331,
  EraseEmulatorHi = 340,
  EraseKaviEmulatorHi = 341,
  ReadEmulatorHi = 342,
  SaveEmulatorHi = 343,
  EmulatorLearning = 344,
  EraseEmulatorLo = 345,
  ReadEmulatorLo = 346,
  SaveEmulatorLo = 347,
  EraseGasAdvance = 348,
  ErasePetrolDose = 349,
  EraseDelays = 361,
  EraseAdmixture = 362,
  EraseEnrichment = 371,
  ErasePressureMap = 372,
  WritePressureMap = 373,
  ReadPressureMap = 374,
  SavePressureMap = 375,
  EraseExtraInjections = 381,
  ConnectElm = 390,
  ReadElmCodes = 391,
  ClearElmCodes = 392,
  ReadModuleCodes = 395,  // through the gas controller's own OBD module
  ClearModuleCodes = 396,
  DeleteErrors = 401,
  SpeakerTest = 402,
  LeakTest = 403,
  ValvesTest = 404,
};
}  // namespace command_tag

// The bottom bar's command buttons of a tab: caption, colour role and the tag that names the
// command, and what each command does.
struct CommandButton {
  enum class Colour { Text, Selected, Red, Green, Purple };
  int tag = 0;  // 0: the button is hidden
  int captionId = 0;
  Colour colour = Colour::Text;
  std::string caption{};  // when set, shown instead of the text of captionId
};
using CommandRow = std::array<CommandButton, 4>;  // Btn51 .. Btn54

inline constexpr int kCalibrationCommand = command_tag::Calibration;

// The buttons of the Settings (0), Calibration (1) and Diagnostics (3) tabs; the Map tab's
// come with its sub-view (MapSubViews.h).
CommandRow CommandsOfTab(int tab);

// The OBD tab's buttons: the ELM adapter's (sub-tab 0) or the controller module's (sub-tab 2).
CommandRow CommandsOfObdSubTab(int podZakladkaObd);

// The factory settings after the installer's Yes (the command button and the File menu).
bool RestoreFactorySettings(TSterownik& link, UiServices& ui);

// What the Map tab's commands act on beside the link.
struct CommandContext {
  int chartKind = -1;           // the map view's kind: which correction curve is shown
  int upperTable = 0;           // GornaTabela: what the maps over the RPM corrections show
  std::string documentsFolder;  // where the table files' dialogs open
  TObd* obd = nullptr;          // the ELM adapter's link, for the OBD tab's commands
};

// The calibration's Start or Stop (its button and Enter); a refused start is explained.
bool StartOrStopCalibration(TSterownik& link, UiServices& ui);

// Runs a command with its confirmation; true when it ran.
bool RunCommand(TSterownik& link, UiServices& ui, int tag, const CommandContext& context = {});

// The margin each command button keeps beside its caption: 20 pixels while the buttons fit
// `room` with `gap` between them, else the 8 of buttons packed close (their gap stays).
int CommandButtonMargin(int room, const std::vector<int>& captionWidths, int gap);
