// The grid kinds' background: the window and the captions around the grids.

#include <string>

#include "charts/ChartFrame.h"
#include "charts/ChartKinds.h"
#include "charts/CheckMark.h"
#include "charts/MapSettings.h"
#include "charts/TableCells.h"
#include "charts/TablePicture.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace chart {
namespace {

// Narrower bitmaps leave out the upper grid's title and legend; a little wider ones start the
// title at the left.
constexpr int kUpperCaptionsWidth = 500;
constexpr int kCentredTitleWidth = 600;
constexpr int kNoText = 5803;  // kind 14 by petrol dose has a title the text table lacks

Text Caption(Point at, std::string text, uint32_t colour, Align align = Align::Left) {
  return Text{at, std::move(text), colour, 8, align};
}

Text BoldCaption(Point at, std::string text, uint32_t colour, Align align) {
  Text t = Caption(at, std::move(text), colour, align);
  t.bold = true;
  return t;
}

// "RPM correction [%]" and the bank in view with its cylinders.
std::string RpmCorrectionTitle(const TSterownik& link) {
  const std::string title = LangText(1719) + " " + LangText(1057);
  const int bank = link.AktalnyBank();
  if (bank != 1 && bank != 2) return title;
  if (link.Czy_DI_MPI()) return title + (bank == 1 ? " - DI" : " - MPI");
  const std::string shown = LangText(1720) + " " + std::to_string(bank) + " ( ";
  if (link.Czy_KAVI()) return shown + (bank == 1 ? "1 2 3 " : "4 5 6 ") + ")";
  return title + "  " + shown + BankCylinders(link, bank) + ")";
}

// Where the check marks of the top line begin: a caption of that line ends before it.
int ChecksLeft(const UpperTableChecks& checks) {
  const Point leftmost = checks.obdCorrections ? *checks.obdCorrections : checks.injectionTimes;
  return leftmost.x - 10;
}

// A caption of the top line, centred on the bitmap where that keeps it clear of the check
// marks, else from the left edge. Bold is measured a tenth wider than the regular face.
Text TopLineCaption(std::string text, uint32_t colour, bool bold, int plotWidth, int checksLeft,
                    const TextWidth& width) {
  const int textWidth = width(text, 8) * (bold ? 11 : 10) / 10;
  const bool centred = plotWidth / 2 + textWidth / 2 < checksLeft - 4;
  Text t = Caption({centred ? plotWidth / 2 : 2, 2}, std::move(text), colour,
                   centred ? Align::Centre : Align::Left);
  t.bold = bold;
  return t;
}

void DeviationLegend(Picture& p, int y, const TextWidth& width) {
  struct Piece {
    std::string text;
    uint32_t colour;
    uint32_t background;
    int gap;
  };
  const std::string petrol = LangText(1244), gas = LangText(1249);
  const Piece pieces[] = {
      {"    " + petrol + "    ", kBlack, kPetrolShade, 6},
      {"    " + gas + "    ", kBlack, kGasShade, 6},
      {"    " + gas + " & " + petrol + "    ", kBlack, kBothShade, 6},
      {"- " + LangText(1710) + "    ", kLeanText, kBothShade, 0},
      {"+ " + LangText(1711) + "    ", kRichText, kBothShade, 0},
  };
  int x = 7;
  for (const Piece& piece : pieces) {
    Text t = Caption({x, y}, piece.text, piece.colour);
    t.hasBackground = true;
    t.background = piece.background;
    p.Add(t);
    x += width(piece.text, 8) + piece.gap;
  }
}

void UpperCaptions(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                   const ChartColours& colours, const TableOptions& options,
                   const GridGeometry& upper, const TextWidth& width) {
  if (plot.width <= kUpperCaptionsWidth) return;
  const auto table = static_cast<UpperTable>(options.upperTable);
  const std::string title = LangText(UpperTitleId(link, table, options.shown));
  const uint32_t colour =
      table == UpperTable::InjectionTimes ? colours.text : colours.secondaryText;
  const int checksLeft = ChecksLeft(UpperTableChecksOf(link, plot.width, width));
  if (plot.width > kCentredTitleWidth)
    p.Add(TopLineCaption(title, colour, false, plot.width, checksLeft, width));
  else
    p.Add(Caption({0, 2}, title, colour));
  if (options.shown == MapShown::Deviation) DeviationLegend(p, upper.Bottom() + 6, width);
}

void UpperTableMarks(Picture& p, const TSterownik& link, const PlotGeometry& plot,
                     const ChartColours& colours, const TableOptions& options,
                     const TextWidth& width) {
  const UpperTableChecks checks = UpperTableChecksOf(link, plot.width, width);
  const Point first = checks.injectionTimes;
  p.Add(Caption({plot.width - 20, 2}, LangText(1728), colours.text, Align::Right));
  p.Append(CheckMark(first, options.upperTable == 1, colours));
  if (!checks.obdCorrections) return;
  p.Add(Caption({first.x - 20, 2}, LangText(1729), colours.secondaryText, Align::Right));
  p.Append(CheckMark(*checks.obdCorrections, options.upperTable == 2, colours));
}

Picture RpmCorrectionCaptions(const TSterownik& link, const PlotGeometry& plot,
                              const ChartColours& colours, const TableOptions& options,
                              const TextWidth& width) {
  Picture p;
  const TableGrids grids =
      TableGridsOf(kRpmCorrectionKind, options.upperTable, plot.width, plot.height);
  if (grids.upper)
    p.Add(BoldCaption({plot.width / 2, plot.height / 2 + 7}, RpmCorrectionTitle(link), colours.text,
                      Align::Centre));
  else
    p.Add(TopLineCaption(RpmCorrectionTitle(link), colours.text, true, plot.width,
                         ChecksLeft(UpperTableChecksOf(link, plot.width, width)), width));
  if (grids.upper) UpperCaptions(p, link, plot, colours, options, *grids.upper, width);
  UpperTableMarks(p, link, plot, colours, options, width);
  return p;
}

// The quantity along the rows: a voltage, or what the kind's table goes by.
int LeftTitleId(const TSterownik& link, int kind) {
  const uint8_t* s = link.Nastawy();
  const bool byVoltage =
      kind == kEmulatorHiKind || kind == kKaviEmulatorHiKind || kind == kSecondEmulatorLoKind ||
      (kind == kAdmixtureKind && s[setting::kAdmixtureAxis] == 0) ||
      (kind == kPetrolDoseKind && s[setting::kDoseAxis] == setting::kDoseByVoltage);
  if (byVoltage) return 1440;
  if (kind == kPetrolAdditionKind && link.WersjaProgramu() > 14 && s[setting::kCorrectionAxis] == 1)
    return 5580;
  if (kind == kPetrolDoseKind && s[setting::kDoseAxis] == setting::kDoseByPetrolDose)
    return kNoText;
  return 1404;
}

std::string LeftTitle(const TSterownik& link, int kind) {
  if (kind == kEmulatorLoKind && link.Nastawy()[setting::kEmulatorLoType] == 1)
    return LangText(1440) + " (" + LangText(1422) + ")";
  return LangText(LeftTitleId(link, kind));
}

int TopTitleId(int kind) {
  switch (kind) {
    case kAdmixtureKind:
      return 1739;
    case kPressureMapKind:
      return 1741;
    case kGasAdvanceKind:
      return 1743;
    case kPetrolDoseKind:
      return 1745;
    default:
      return 0;
  }
}

Picture TableCaptions(const TSterownik& link, int kind, const PlotGeometry& plot,
                      const ChartColours& colours) {
  Picture p;
  const GridGeometry grid = TableGridsOf(kind, 0, plot.width, plot.height).main;
  Text left = Caption({5, grid.top + grid.Height() / 2}, LeftTitle(link, kind), colours.text);
  left.vertical = true;
  left.hasBackground = true;
  left.background = colours.window;
  p.Add(left);
  if (const int title = TopTitleId(kind))
    p.Add(BoldCaption({plot.width / 2, 2}, LangText(title), colours.text, Align::Centre));
  return p;
}

}  // namespace

Picture TableBackground(const TSterownik& link, int kind, const PlotGeometry& plot,
                        const ChartColours& colours, const TableOptions& options,
                        const TextWidth& width) {
  Picture p = WindowBackground(plot, colours);
  p.Append(kind == kRpmCorrectionKind ? RpmCorrectionCaptions(link, plot, colours, options, width)
                                      : TableCaptions(link, kind, plot, colours));
  return p;
}

UpperTableChecks UpperTableChecksOf(const TSterownik& link, int bitmapWidth,
                                    const TextWidth& width) {
  UpperTableChecks checks;
  const int firstText = bitmapWidth - 20 - width(LangText(1728), 8);
  checks.injectionTimes = {firstText - 10, 8};
  if (link.Czy_LUMO()) return checks;
  const int secondText = checks.injectionTimes.x - 20 - width(LangText(1729), 8);
  checks.obdCorrections = Point{secondText - 10, 8};
  return checks;
}

std::optional<int> UpperTableAfterPress(const TSterownik& link, int gornaTabela, int bitmapWidth,
                                        const TextWidth& width, int x, int y) {
  const UpperTableChecks checks = UpperTableChecksOf(link, bitmapWidth, width);
  const auto toggled = [gornaTabela](int table) { return gornaTabela == table ? 0 : table; };
  if (OnCheckMark(checks.injectionTimes, x, y)) return toggled(1);
  if (checks.obdCorrections && OnCheckMark(*checks.obdCorrections, x, y)) return toggled(2);
  return std::nullopt;
}

}  // namespace chart
