#pragma once

#include <cstdint>

#include "charts/DiagnosticCharts.h"
#include "charts/PlotGeometry.h"

// The chart kinds by which the main window tells the map view what to show.
namespace chart {

inline constexpr int kNoChart = -1;
inline constexpr int kRpmCorrectionKind = 1;
inline constexpr int kReducerTemperatureKind = 2;
inline constexpr int kGasTemperatureKind = 3;
inline constexpr int kPressureCurveKind = 4;
inline constexpr int kEmulatorHiKind = 5;
inline constexpr int kKaviEmulatorHiKind = 6;
inline constexpr int kInjectionOffsetKind = 8;
inline constexpr int kAdmixtureKind = 9;
inline constexpr int kEnrichmentKind = 10;
inline constexpr int kPetrolAdditionKind = 11;
inline constexpr int kPressureMapKind = 12;
inline constexpr int kGasAdvanceKind = 13;
inline constexpr int kPetrolDoseKind = 14;
inline constexpr int kEmulatorLoKind = 15;
inline constexpr int kSecondEmulatorLoKind = 16;  // setting 17 = 2
inline constexpr int kLastKind = 18;

// Plotted into the view's pictures, as opposed to the tables shown in grids.
bool IsPlotKind(int kind);
bool IsGridKind(int kind);
// The area read when the kind is chosen (0: none), so that the chart shows the controller's
// table rather than what the image held before.
uint32_t ReadOnSelection(int kind);

}  // namespace chart
