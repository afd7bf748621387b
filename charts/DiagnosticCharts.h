#pragma once

#include "charts/ChartColours.h"
#include "charts/Picture.h"
#include "charts/PlotGeometry.h"

class TSterownik;

// The charts worked out from the scope recording the link holds: injection times against RPM
// (kind 17), gas pressure against flow (kind 18) and the petrol-pressure emulation
// characteristic (kind 7). They only read.
namespace chart {

inline constexpr int kEmulationCharacteristicKind = 7;
inline constexpr int kInjectionTimesKind = 17;
inline constexpr int kGasPressureKind = 18;
bool IsDiagnosticKind(int kind);

struct DiagnosticOptions {
  bool showGasPressure = false;  // PokazCisnienieGazu
  int adminFlags = 0;            // FlagiAdmin; bit 1 unlocks the gas-pressure extras

  bool AdminExtras() const { return (adminFlags & 0x2) != 0; }
  bool GasPressureDrawn() const { return showGasPressure && AdminExtras(); }
};

// What persists from one drawing to the next: the plotted speed is smoothed across them.
struct DiagnosticState {
  int smoothedRpm = 0;
};

Picture DiagnosticBackground(int kind, const TSterownik& link, const PlotGeometry& plot,
                             const ChartColours& colours, const DiagnosticOptions& options,
                             const TextWidth& width);
Picture DiagnosticData(int kind, const TSterownik& link, const PlotGeometry& plot,
                       const ChartColours& colours, const DiagnosticOptions& options,
                       DiagnosticState& state, const TextWidth& width);
// A press on the gas-pressure check mark of kind 17 (only offered with the admin bit).
bool DiagnosticCheckHit(int kind, const PlotGeometry& plot, const DiagnosticOptions& options, int x,
                        int y);

}  // namespace chart
