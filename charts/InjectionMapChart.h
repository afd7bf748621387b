#pragma once

#include "charts/ChartColours.h"
#include "charts/MultiplierNodes.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

class TSterownik;

// Chart kind 0: the learned petrol and gas injection-time maps against petrol time with their
// trends, their deviation with its regression and advice, and the multiplier of the bank in view
// with its nodes.
namespace chart {

struct InjectionMapOptions {
  bool deviationPoints = false;  // PunktyOdchylki: the deviation's points and line
  int selectedNode = -1;         // WybranyWezel
  bool focused = false;          // the keys go to the nodes
};

// Frame, axes, bank caption, petrol-time marker and the arrow buttons: what changes only with
// the data or the size.
Picture InjectionMapBackground(const TSterownik& link, const PlotGeometry& plot,
                               const ChartColours& colours, const InjectionMapOptions& options);
// The map points and trends, the deviation and the multiplier, over the background.
Picture InjectionMapData(const TSterownik& link, const PlotGeometry& plot,
                         const ChartColours& colours, const InjectionMapOptions& options,
                         const TextWidth& width);

// The legend's lines and the deviation's check mark, drawn over the data.
Picture InjectionMapLegend(const TSterownik& link, const PlotGeometry& plot,
                           const ChartColours& colours, const InjectionMapOptions& options);

// The check mark of the deviation's points, beside the deviation's legend line.
inline Point DeviationCheckCentre(const PlotGeometry& plot) {
  return {plot.x0 + 10, plot.Top() + 87};
}

// What a press on the chart asks of the view.
struct MapPress {
  bool toggleDeviationPoints = false;  // and a new background
  bool focus = false;                  // the keys go to the nodes from now on
  Edit edit = Edit::None;
};
MapPress PressOnInjectionMap(const TSterownik& link, MultiplierNodes& nodes, int& selected,
                             const PlotGeometry& plot, int x, int y, bool rightButton);

}  // namespace chart
