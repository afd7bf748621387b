#pragma once

#include <optional>
#include <string>

#include "controller/Tsterownik.h"
#include "settings/EditorView.h"

// Whether the view lets the installer change the setting: visible, an administrator's setting
// only in administrator mode, and nothing of the calibration panel at the basic level.
bool Changeable(const TSterownik& link, const EditorView& view, int setting);

// The one way every change of a setting goes: refused where the setting is not changeable (the
// caller beeps), otherwise stored with what it drives (TSterownik::ChangeSetting).
SettingChange SetValue(TSterownik& link, const EditorView& view, int setting, int value, int kind,
                       const OpenViews& open = {});

// Settings 190 and 164 show their multiplier table's first entry in hundredths.
bool IsMultiplier(int setting);

// One step of the minus or plus button (or the arrow keys): a raw unit, or for the multiplier
// settings 190 and 164 a hundredth of their table. Not stored at the setting's limits.
SettingChange StepSetting(TSterownik& link, const EditorView& view, int setting, int direction);

// How the editor takes a setting's value: stepped with minus and plus, picked from a list,
// toggled (yes/no, or the bit flag), or typed (trouble codes).
enum class Input { None, Stepper, List, Toggle, TroubleCode };
Input InputOf(const TSterownik& link, int setting);

// A yes/no setting flips; the bit-flag kind flips its bit 1.
SettingChange ToggleSetting(TSterownik& link, const EditorView& view, int setting);

// A trouble code as typed: a letter P, C, B or U and four hexadecimal digits (any case).
std::optional<int> ParseTroubleCode(const std::string& typed);
