// The injection-time map's background: frame and axes, the deviation scale, the bank caption,
// the petrol-time marker, the legend, the deviation check mark and the arrow buttons.

#include <string>

#include "charts/ArrowButtons.h"
#include "charts/ChartFrame.h"
#include "charts/CheckMark.h"
#include "charts/InjectionMapChart.h"
#include "charts/InjectionMapScale.h"
#include "charts/MapCells.h"
#include "charts/MapSettings.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

using namespace injection_map;

int Bank(const TSterownik& link) {
  return link.AktalnyBank();
}

std::string ShownBank(int bank) {
  return LangText(1720) + " " + std::to_string(bank);
}

std::vector<Tick> TimeTicks(const TSterownik& link, const PlotGeometry& plot, int range) {
  const int step = link.Czy_KAVI() ? 10 : 20;
  std::vector<Tick> ticks;
  for (int t = 0; t <= range; t += step)
    ticks.push_back({TimeX(plot, t, range), std::to_string(t / 10)});
  return ticks;
}

// Load in per cent of full scale on the right; OBD correction for the KAVI.
void RightAxis(const TSterownik& link, const PlotGeometry& plot, AxesLayout& axes) {
  const uint8_t* s = link.Nastawy();
  const bool maf = s[setting::kLoadSignal] == setting::kMafVoltage;
  const double perCent = s[setting::kFullScaleLoad] * 0.0001 * (maf ? 2 : 1);
  for (int k = 0; k <= 100; k += 10) {
    const std::string label = link.Czy_KAVI()
                                  ? std::to_string(k - 50)
                                  : FormatNumber(k * perCent, 0, link.DecimalSeparator());
    axes.rightTicks.push_back({plot.yb - plot.h * k / 100, label});
  }
  axes.rightTitle = link.Czy_KAVI() ? LangText(1729) + " " + LangText(1057)
                    : maf           ? LangText(3043) + " " + LangText(1050)
                                    : LangText(1707);
  axes.rightTitleGap = 27;
}

void LeftAxis(const TSterownik& link, const PlotGeometry& plot, AxesLayout& axes) {
  const char separator = link.DecimalSeparator();
  if (multiplier::ExtendedRange(link.Nastawy())) {
    for (int v = 0; v <= 25; v += 5)
      axes.leftTicks.push_back({plot.yb - v * plot.h / 25, FormatNumber(v * 0.1, 1, separator)});
  } else {
    for (int k = 0; k <= 10; ++k)
      axes.leftTicks.push_back(
          {plot.yb - k * plot.h / 10, FormatNumber(k * 0.1 + 0.5, 1, separator)});
  }
  axes.leftTitle = LangText(1709);
}

AxesLayout AxesOf(const TSterownik& link, const PlotGeometry& plot) {
  const int range = TimeRange(link.ZakresMnoznika());
  AxesLayout axes;
  const int columns = link.Czy_KAVI() ? 8 : 10;
  for (int i = 1; i < columns; ++i)
    axes.verticalGrid.push_back(plot.x0 + i * plot.w / columns);
  axes.bottomTicks = TimeTicks(link, plot, range);
  axes.bottomTitle = LangText(1703);
  for (int k = 1; k <= 9; ++k)
    axes.horizontalGrid.push_back(plot.yb - k * plot.h / 10);
  // The neutral multiplier x1.00 sits lower on the extended scale.
  const bool extended = multiplier::ExtendedRange(link.Nastawy()) && !link.Czy_KAVI();
  axes.referenceLine = plot.yb - plot.h * (extended ? 4 : 5) / 10;
  RightAxis(link, plot, axes);
  LeftAxis(link, plot, axes);
  return axes;
}

// -4 .. +4 ms of deviation around its zero line.
void DeviationScale(Picture& p, const PlotGeometry& plot) {
  static const char* const kLabels[] = {"-4", "0", "+4"};
  for (int k = -1; k <= 1; ++k) {
    const int y = static_cast<int>(plot.yb - 0.2 * plot.h - plot.h * k / 10.0) - 6;
    p.Add(Text{{plot.Right() - 2, y}, kLabels[k + 1], kDeviation, 8, Align::Right});
  }
  const int zero = Baseline(plot, 0.2);
  p.Add(Line{{plot.x0, zero}, {plot.Right(), zero}, kDeviation, 1, Pen::Dotted});
}

void BankCaption(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                 const ChartColours& colours) {
  const int bank = Bank(link);
  if ((bank != 1 && bank != 2) || link.Czy_DI_MPI()) return;
  const std::string cylinders =
      link.Czy_KAVI() ? (bank == 1 ? "1 2 3 " : "4 5 6 ") : BankCylinders(link, bank);
  p.Add(Text{{plot.x0, 2}, ShownBank(bank) + " ( " + cylinders + ")", colours.text});
}

void PetrolMarker(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                  const ChartColours& colours) {
  const int marker = link.Nastawy()[setting::kPetrolMarker];
  if (marker == 0) return;
  const int x = MarkerX(plot, marker, TimeRange(link.ZakresMnoznika()));
  p.Add(Line{{x, plot.yb}, {x, plot.Top()}, colours.grid, 1, Pen::Dashed});
  const std::string ms = FormatNumber(marker * 0.05, 2, link.DecimalSeparator());
  p.Add(Text{{x + 1, plot.yb - 16}, " " + ms + " ", colours.grid});
}

std::string MultiplierLegend(const TSterownik& link) {
  const int bank = Bank(link);
  std::string legend = "----" + LangText(1709);
  if (bank != 1 && bank != 2) return legend;
  if (link.Czy_DI_MPI()) return legend + (bank == 1 ? "  DI" : "  MPI");
  return legend + "   " + ShownBank(bank);
}

}  // namespace

Picture InjectionMapLegend(const TSterownik& link, const PlotGeometry& plot,
                           const ChartColours& colours, const InjectionMapOptions& options) {
  Picture p;
  const std::pair<std::string, uint32_t> lines[] = {{MultiplierLegend(link), colours.curve},
                                                    {"----" + LangText(1700), kPetrol},
                                                    {"----" + LangText(1701), kGas},
                                                    {"----" + LangText(1702), kDeviation}};
  int y = plot.Top() + 20;
  for (const auto& [text, colour] : lines) {
    Text line{{plot.x0 + 20, y}, text, colour};
    line.hasBackground = true;
    line.background = colours.plotBackground;
    p.Add(line);
    y += 20;
  }
  if (!link.Czy_KAVI())
    p.Append(CheckMark(DeviationCheckCentre(plot), options.deviationPoints, colours));
  return p;
}

Picture InjectionMapBackground(const TSterownik& link, const PlotGeometry& plot,
                               const ChartColours& colours, const InjectionMapOptions& options) {
  Picture p = WindowBackground(plot, colours);
  p.Append(PlotFrame(plot, colours));
  p.Append(Axes(plot, colours, AxesOf(link, plot)));
  const bool deviationCheck = !link.Czy_KAVI();
  if (deviationCheck && options.deviationPoints) DeviationScale(p, plot);
  BankCaption(p, link, plot, colours);
  PetrolMarker(p, link, plot, colours);
  p.Append(ArrowButtons(plot, colours));
  return p;
}

}  // namespace chart
