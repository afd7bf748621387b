#pragma once

#include <span>
#include <vector>

// Where the scope puts things in a view width x height pixels: the plot, the overview strip
// and its window marker, the bands of the traces. Plain arithmetic for the widget to draw.
namespace scope {

// How the main window shows the scope.
enum class DisplayKind { Normal = 0, Calibration = 1, Docked = 2, PetrolInput = 3 };
// One band for all traces, five bands by definition index, or one band per trace.
enum class Layout { OneBand = 1, FiveBands = 2, BandPerTrace = 3 };

// The plot's frame: left 10, top 40, right width - 110, bottom height - bottomArea.
struct PlotFrame {
  int width = 0;
  int height = 0;
  int bottomArea = 20;  // 20, plus 21 per digital row

  int PlotWidth() const { return width - 120; }
  int Left() const { return 10; }
  int Top() const { return 40; }
  int Right() const { return width - 110; }
  int Bottom() const { return height - bottomArea; }
  bool InPlot(int x, int y) const;   // where the measuring cursor follows the mouse
  bool InStrip(int x, int y) const;  // the overview strip above the plot
};

// The height below the traces for d digital rows (none in the docked view).
int BottomArea(int digitalRows, DisplayKind kind);

// The overview strip's marker of the shown window, in view x; shown only with more than 10
// records and outside live following.
struct Marker {
  bool shown = false;
  int x1 = 0;
  int x2 = 0;
};
Marker WindowMarker(int first, int end, int count, int plotWidth, bool following);
// The record of the strip at plot column x (1 .. plotWidth - 1), for the strip's trace and colours.
int StripRecord(int x, int count, int plotWidth);
// The right-edge record after a click at view x in the strip: the window centred on it, or
// the first full window near the left end; never beyond the recording.
int EndAfterStripClick(int x, int count, int plotWidth, int first, int end);

// Where each analogue trace sits: its baseline y and the y of its legend line.
struct TracePlace {
  int baseline = 0;
  int legendY = 0;
};
// The height of one band: D = height - bottomArea - 58 split by the layout (by three in the
// docked view), at least 1.
int BandHeight(const PlotFrame& frame, Layout layout, DisplayKind kind, int analogueTraces);
// Band 1..5 of the five-band layout by the definition's index in its list.
int FiveBandOf(int definitionIndex);
// One place per analogue trace, given each trace's definition index in the list.
std::vector<TracePlace> PlaceTraces(std::span<const int> definitionIndexes, Layout layout,
                                    DisplayKind kind, int bandHeight);
// The y of the horizontal grid lines: the first baseline and every band below it.
std::vector<int> BandLines(const PlotFrame& frame, int bandHeight);

}  // namespace scope
