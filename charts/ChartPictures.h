#pragma once

#include "charts/ChartColours.h"
#include "charts/DiagnosticCharts.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"
#include "charts/TableKinds.h"
#include "charts/TableLayout.h"

class TSterownik;

// What the map view shows for each chart kind, as its two pictures: the background, drawn when
// the data or the size change, and the data composed over it.
namespace chart {

// The view's state that the pictures depend on.
struct ViewState {
  int kind = -1;
  bool deviationPoints = false;   // PunktyOdchylki
  bool gasPressureShown = false;  // PokazCisnienieGazu
  int adminFlags = 0;             // FlagiAdmin
  int selectedNode = -1;          // WybranyWezel
  bool focused = false;           // the keys go to the chart
  int selectedPoint = -1;         // WybranyPunkt
  int upperTable = 0;             // GornaTabela
  int widok = 2;                  // petrol, gas or their deviation
  Block selection;                // the selected block of a grid kind's table
};

// No chart (kind -1) shows the window's background alone.
Picture BackgroundPicture(const TSterownik& link, const PlotGeometry& plot,
                          const ChartColours& colours, const ViewState& view,
                          const TextWidth& width);
Picture DataPicture(const TSterownik& link, const PlotGeometry& plot, const ChartColours& colours,
                    const ViewState& view, DiagnosticState& diagnostic, const TextWidth& width,
                    const TextHeight& height = TextHeightEstimate);

}  // namespace chart
