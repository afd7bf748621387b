// Arbitrary bytes as a scope recording: inspected; loaded without a controller, every record
// replayed into the link's views, exported as CSV, dumped as OBD data and drawn as the three
// diagnostic charts; and loaded over a connected controller of the family the first byte picks.

#include <algorithm>

#include "charts/DiagnosticCharts.h"
#include "controller/FileInspection.h"
#include "scope/ObdDump.h"
#include "scope/ScopeCsv.h"
#include "tests/fuzz/FuzzLink.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::span<const uint8_t> file(data + 1, size - 1);
  InspectFile("fuzz.osc", file);
  // The reader's first look: the first bytes, and a size that may be far beyond them.
  InspectFile("fuzz.osc", file.first(std::min(file.size(), kInspectedHeaderSize)),
              file.size() * data[0]);

  OfflineLink offline;
  const int records = offline.link.LoadScope(file, "fuzz.osc");
  for (int r = 0; r < records; ++r)
    offline.link.OdbiorOsc(r);
  scope::ScopeCsv(offline.link.Nagranie(), offline.link.ListaWykresow(), offline.link.Nastawy(),
                  ',');
  ObdDumpLines(offline.link.Nagranie());
  const chart::PlotGeometry plot = chart::PlotGeometryFor(320, 240, chart::kInjectionTimesKind);
  const chart::DiagnosticOptions options{true, data[0]};
  chart::DiagnosticState state;
  for (int kind :
       {chart::kEmulationCharacteristicKind, chart::kInjectionTimesKind, chart::kGasPressureKind}) {
    chart::DiagnosticBackground(kind, offline.link, plot, {}, options, chart::TextWidthEstimate);
    chart::DiagnosticData(kind, offline.link, plot, {}, options, state, chart::TextWidthEstimate);
  }

  FuzzLink connected(data[0]);
  connected.link.LoadScope(file, "fuzz.osc");
  return 0;
}
