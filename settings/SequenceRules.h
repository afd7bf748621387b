#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/EditorView.h"

class TSterownik;
struct DecodedStatus;

// The injector sequence window's rules: which petrol input drives which gas channel (settings
// 32..39, with 31 the channels left on petrol), the banks (setting 30) and the injection order
// (settings 288..295, rotated by setting 135). Rows and channels count from 1 as drawn.
namespace sequence {

// The window serves the MALVER families' controllers of 4, 6 or 8 injector channels.
bool Applies(const TSterownik& link);
// The rotation list from firmware 13 on, the order table from firmware 15 on.
bool HasRotation(const TSterownik& link);
bool HasOrderTable(const TSterownik& link);

// Petrol input `row` drives gas channel `channel`.
bool Assigned(const TSterownik& link, int row, int channel);
// The petrol injection type (setting 8) expects this assignment: the cell is tinted.
bool Expected(const TSterownik& link, int row, int channel);
// The channel has no petrol input (its bit in setting 31).
bool OnPetrolOnly(const TSterownik& link, int channel);
// The petrol input drives no channel.
bool InputUnused(const TSterownik& link, int row);
// The channel belongs to bank 2 (its bit in setting 30).
bool InBank2(const TSterownik& link, int channel);

// A matrix cell toggles the assignment; the channel leaves every other input.
void ClickCell(TSterownik& link, const EditorView& view, int row, int channel);
// The cell below the matrix: a channel left on petrol takes the input of its own number, any
// other channel goes back to petrol.
void ClickBelow(TSterownik& link, const EditorView& view, int channel);
void SetBank(TSterownik& link, const EditorView& view, int channel, int bank);

// The order check and what the used channels' pattern decides for the rotation list.
struct OrderCheck {
  int pattern = 0;  // bit mask of the channels with a petrol input
  bool valid = false;
  int mode = 0;     // 0 in line, 1 two banks of three, 2 three and three with a gap, 3 4 + 4
  int entries = 1;  // of the setting 135 list
};
// The check of positions (one per channel from channel 1) for the channels in use.
OrderCheck CheckOrder(uint8_t petrolOnly, std::span<const uint8_t> positions, int channels);
// The check of the order the settings hold.
OrderCheck CheckOrder(const TSterownik& link);

// The order table's second row: the channel's position + 1, "-" for a channel on petrol.
std::string PositionText(const TSterownik& link, int channel);
// The typed text in the column of `channel`: its number - 1 when that names a channel,
// else 0.
void TypePosition(TSterownik& link, const EditorView& view, int channel, const std::string& text);

// The rotation list: the text of setting 135's value 0, then "-1", "-2", ...
std::vector<std::string> RotationItems(const TSterownik& link);
// Entry k of the rotation list: stored in setting 135, and the order rewritten.
void Rotate(TSterownik& link, const EditorView& view, int k);

// The firing order the controller detects, shown while the engine turns slowly: the smoothed
// speed follows every status frame the window sees.
struct Detection {
  std::string text;  // the used channels' positions + 1, joined by "-"
  bool valid = false;
};
class DetectionDisplay {
 public:
  // What to show for this frame; nothing while the engine runs fast or the controller does
  // not report a detection (no bytes, or positions past the channels).
  std::optional<Detection> Frame(const TSterownik& link, const DecodedStatus& status);

 private:
  int avg10_ = 30000;
};

}  // namespace sequence
