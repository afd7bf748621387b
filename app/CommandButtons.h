#pragma once

#include <array>

class TSterownik;
class UiServices;

// The bottom bar's command buttons of a tab: caption, colour role and the tag that names the
// command, and what each command does.
struct CommandButton {
  enum class Colour { Text, Selected, Red, Green, Purple };
  int tag = 0;  // 0: the button is hidden
  int captionId = 0;
  Colour colour = Colour::Text;
};
using CommandRow = std::array<CommandButton, 4>;  // Btn51 .. Btn54

// Starts or stops the automatic calibration; its caption follows the calibration.
inline constexpr int kCalibrationCommand = 201;

// The buttons of the Settings (0), Calibration (1) and Diagnostics (3) tabs; the Map tab's
// come with its sub-view (MapSubViews.h).
CommandRow CommandsOfTab(int tab);

// The factory settings after the installer's Yes (the command button and the File menu).
bool RestoreFactorySettings(TSterownik& link, UiServices& ui);

// Runs a command with its confirmation; true when it ran.
bool RunCommand(TSterownik& link, UiServices& ui, int tag);
