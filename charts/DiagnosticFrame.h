#pragma once

#include <string>

#include "charts/ChartColours.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

// What every plot kind's background shares: the window's colour, the plot's box, dotted grid
// lines, the ticks, labels and titles of the axes. Each kind says where they go.
namespace chart {

class DiagnosticFrame {
 public:
  DiagnosticFrame(Picture& picture, const PlotGeometry& plot, const ChartColours& colours)
      : picture_(picture), plot_(plot), colours_(colours) {}

  // The whole bitmap in the window's colour, the plot in its own inside the frame.
  void Box();
  void VerticalGridLine(int x);
  void HorizontalGridLine(int y);
  // A tick below the plot and its label.
  void BottomTick(int x, std::string label);
  // Centred on the bitmap's width.
  void BottomTitle(std::string title);
  // Labels right-aligned before the left ticks, after the right ones; raised to the tick.
  void LeftTick(int y, std::string label);
  void RightTick(int y, std::string label);
  // Reading upwards, centred on the plot's height.
  void LeftTitle(std::string title);
  void RightTitle(std::string title, int x);

 private:
  void Tick(Point from, Point to);
  void Label(Point at, std::string text, Align align);
  void VerticalTitle(std::string title, int x);

  Picture& picture_;
  const PlotGeometry& plot_;
  const ChartColours& colours_;
};

}  // namespace chart
