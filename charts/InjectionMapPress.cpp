// Presses on the injection-time map: the arrow buttons, the deviation check mark, and the
// multiplier's nodes inside the plot.

#include "charts/ArrowButtons.h"
#include "charts/CheckMark.h"
#include "charts/InjectionMapChart.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

constexpr int kMargin = 5;  // presses this close outside the plot still reach its nodes

bool NearPlot(const PlotGeometry& plot, int x, int y) {
  return x >= plot.x0 - kMargin && x <= plot.Right() + kMargin && y >= plot.Top() - kMargin &&
         y <= plot.yb + kMargin;
}

}  // namespace

MapPress PressOnInjectionMap(const TSterownik& link, MultiplierNodes& nodes, int& selected,
                             const PlotGeometry& plot, int x, int y, bool rightButton) {
  MapPress press;
  if (const int step = ArrowButtonAt(plot, x, y); step != 0) {
    press.edit = ZmienWezly(nodes, selected, step);
  } else if (!link.Czy_KAVI() && OnCheckMark(DeviationCheckCentre(plot), x, y)) {
    press.toggleDeviationPoints = true;
  } else if (NearPlot(plot, x, y)) {
    press.focus = true;
    press.edit = PressOnNodes(nodes, selected, plot, x, y, rightButton);
  }
  return press;
}

}  // namespace chart
