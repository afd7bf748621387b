#pragma once

#include <cstdint>
#include <string>

#include "settings/EditorView.h"

class TSterownik;
struct DecodedStatus;

// How the settings editor draws a setting: name, suffix, colours and what its help area opens.

// The text id of a setting's name as the editor shows it.
int NameId(const TSterownik& link, const EditorView& view, int setting);
// The bank a multiplier or idle correction belongs to, while the banks differ.
std::string BankSuffix(const TSterownik& link, int setting);
// The hover help of a setting: the text id after its name's, or 0 when it has none.
int HoverTextId(const TSterownik& link, int setting);

// Which corrections act now, from a status frame: 0 none, 1 idle corrections (settings 90
// and 92), 2 multipliers (190 and 164), plus 4 for the petrol addition (89).
int WorkIndicator(const TSterownik& link, const DecodedStatus& status);
bool Highlighted(int setting, int indicator);

// What a press in a setting's help area opens.
enum class HelpTarget { None, InjectorSequence, LevelSensor, HelpPanel };
HelpTarget HelpFor(const TSterownik& link, const EditorView& view, int setting);

struct EditorColours {
  uint32_t valueBackground, valueText, outsideNorm, selectedBackground, selectedText,
      hiddenBackground, hiddenText, warningBackground;
};
// The editor's colours in a scheme (0..5), from the scheme's list background and option text.
EditorColours EditorColoursFor(int scheme, uint32_t listBackground, uint32_t optionText);
// The value lies outside its normal range: its text takes the outsideNorm colour.
bool OutsideNorm(const TSterownik& link, int setting);
// A working pressure or reducer temperature that deserves a second look.
bool WarningBackground(const TSterownik& link, int setting);

// The address of help video n (1..17) in a language; empty when it has none.
std::string HelpVideoAddress(int n, int language);
