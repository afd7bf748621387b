#include "charts/ChartFrame.h"

namespace chart {
namespace {

constexpr int kTickLength = 6;
constexpr int kLabelRaise = 6;

void TimeAxis(Picture& p, const PlotGeometry& plot, const ChartColours& colours,
              const AxesLayout& axes) {
  for (const Tick& t : axes.bottomTicks) {
    p.Add(Line{{t.at, plot.yb}, {t.at, plot.yb + kTickLength}, colours.text});
    p.Add(Text{{t.at - 4, plot.yb + kTickLength}, t.label, colours.text});
  }
  p.Add(Text{{plot.width / 2, plot.yb + 20}, axes.bottomTitle, colours.text, 8, Align::Centre});
}

void LeftAxis(Picture& p, const PlotGeometry& plot, const ChartColours& colours,
              const AxesLayout& axes) {
  for (const Tick& t : axes.leftTicks) {
    p.Add(Line{{plot.x0 - kTickLength, t.at}, {plot.x0, t.at}, colours.text});
    if (axes.leftLabelsInside)
      p.Add(Text{{plot.x0 - 20, t.at - kLabelRaise}, t.label, colours.text});
    else
      p.Add(Text{
          {plot.x0 - kTickLength, t.at - kLabelRaise}, t.label, colours.text, 8, Align::Right});
  }
  Text title{{-2, plot.Top() + plot.h / 2}, axes.leftTitle, colours.text};
  title.vertical = true;
  p.Add(title);
}

void RightAxis(Picture& p, const PlotGeometry& plot, const ChartColours& colours,
               const AxesLayout& axes) {
  for (const Tick& t : axes.rightTicks) {
    p.Add(Line{{plot.Right(), t.at}, {plot.Right() + kTickLength, t.at}, colours.text});
    p.Add(Text{{plot.Right() + 8, t.at - kLabelRaise}, t.label, colours.text});
  }
  if (axes.rightTitle.empty()) return;
  Text title{
      {plot.Right() + axes.rightTitleGap, plot.Top() + plot.h / 2}, axes.rightTitle, colours.text};
  title.vertical = true;
  p.Add(title);
}

}  // namespace

Picture WindowBackground(const PlotGeometry& plot, const ChartColours& colours) {
  Picture p;
  p.Add(Rect{0, 0, plot.width, plot.height, colours.window});
  return p;
}

Picture PlotFrame(const PlotGeometry& plot, const ChartColours& colours) {
  Picture p;
  p.Add(Rect{plot.x0 - 1, plot.Top() - 1, plot.Right() + 1, plot.yb + 1, colours.plotBackground,
             true, colours.frame});
  return p;
}

Picture Axes(const PlotGeometry& plot, const ChartColours& colours, const AxesLayout& axes) {
  Picture p;
  for (int x : axes.verticalGrid)
    p.Add(Line{{x, plot.Top()}, {x, plot.yb}, colours.grid, 1, Pen::Dotted});
  for (int y : axes.horizontalGrid)
    p.Add(Line{{plot.x0, y}, {plot.Right(), y}, colours.grid, 1, Pen::Dotted});
  if (axes.referenceLine)
    p.Add(Line{{plot.x0, *axes.referenceLine}, {plot.Right(), *axes.referenceLine}, colours.grid});
  TimeAxis(p, plot, colours, axes);
  LeftAxis(p, plot, colours, axes);
  RightAxis(p, plot, colours, axes);
  return p;
}

}  // namespace chart
