#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scope/Records.h"
#include "scope/ScopeLayout.h"

class TSterownik;

// Which definitions the scope draws, and what it reads of a record beyond the traces: the work
// state and the controller's messages. Plain rules for the widget and the tests.
namespace scope {

struct ShownTraces {
  std::vector<int> analogue;  // definition indexes, in list order
  std::vector<int> digital;
};
// The definitions with the scope flag; the docked view shows four fixed ones instead.
ShownTraces TracesShown(const TSterownik& link, DisplayKind kind);

// The work state's colour (0x00BBGGRR) and text of a record; black and empty outside the
// recording.
uint32_t WorkStateColourAt(const TSterownik& link, int record);
std::string WorkStateTextAt(const TSterownik& link, int record);
// The information code of a record (0 none, 1 a message, 2 a function active).
int InformationAt(const TSterownik& link, int record);
// The first message of the records around one, for the cursor's read-out.
std::string InformationNear(const TSterownik& link, int record, double rate);

// The x of the petrol-input view's vertical grid lines in a plot plotWidth wide (from x = 10):
// five divisions, or the engine's own spacing when setting 300 asks for it.
std::vector<int> PetrolGridLines(const TSterownik& link, int plotWidth);

// The scope's colours by scheme: light schemes are even, dark ones odd.
struct ScopeColours {
  uint32_t window = 0;
  uint32_t text = 0;
  uint32_t plot = 0;
  uint32_t frame = 0;
  uint32_t grid = 0;
  uint32_t cursor = 0;
};
ScopeColours ScopeColoursOf(int scheme, uint32_t window, uint32_t text);

}  // namespace scope
