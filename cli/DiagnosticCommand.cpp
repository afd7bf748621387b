#include "cli/DiagnosticCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "charts/EmulationChart.h"
#include "charts/GasPressureChart.h"
#include "charts/InjectionTimesChart.h"
#include "cli/ConsoleUi.h"
#include "cli/ScopeCommands.h"
#include "controller/Clock.h"
#include "controller/NumberText.h"

namespace {

struct ChartOptions {
  std::string scope;
  int kind = -1;
  bool csv = false;
};

int KindNamed(const std::string& name) {
  if (name == "injection") return chart::kInjectionTimesKind;
  if (name == "pressure") return chart::kGasPressureKind;
  if (name == "emulation") return chart::kEmulationCharacteristicKind;
  return -1;
}

bool Parse(std::span<char* const> arguments, ChartOptions& o) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    const bool value = i + 1 < arguments.size();
    if (arg == "--scope" && value)
      o.scope = arguments[++i];
    else if (arg == "--kind" && value)
      o.kind = KindNamed(arguments[++i]);
    else if (arg == "--csv")
      o.csv = true;
    else
      return false;
  }
  return !o.scope.empty() && o.kind >= 0;
}

std::string Number(std::optional<double> value) {
  return value ? FormatNumber(*value, 2) : "-";
}

class Printer {
 public:
  explicit Printer(bool csv) : csv_(csv) {}

  void Row(const std::string& name, const std::string& value) const {
    if (csv_)
      std::printf("%s;%s\n", name.c_str(), value.c_str());
    else
      std::printf("%-26s %s\n", (name + ":").c_str(), value.c_str());
  }
  bool Csv() const { return csv_; }

 private:
  bool csv_;
};

// Where the chart draws does not change its numbers.
chart::PlotGeometry AnySize(int kind) {
  return chart::PlotGeometryFor(1920, 1080, kind);
}

void InjectionTimes(const TSterownik& link, const Printer& out) {
  chart::DiagnosticState fresh;
  const auto s =
      chart::SummariseInjectionTimes(link, AnySize(chart::kInjectionTimesKind), false, fresh);
  auto ms = [](const std::optional<chart::MarkedTime>& t) {
    return Number(t ? std::optional(t->ms) : std::nullopt);
  };
  out.Row("records", std::to_string(link.IleRekordow()));
  out.Row("drawn", std::to_string(s.records));
  out.Row("petrol shortest [ms]", ms(s.petrolMin));
  out.Row("petrol longest [ms]", ms(s.petrolMax));
  out.Row("gas shortest [ms]", ms(s.gasMin));
  out.Row("gas longest [ms]", ms(s.gasMax));
  out.Row("gas / petrol shortest", Number(s.ShortestRatio()));
  out.Row("gas / petrol longest", Number(s.LongestRatio()));
  out.Row("gas pressure lowest [bar]",
          Number(s.pressureMin ? std::optional(s.pressureMin->bar) : std::nullopt));
  out.Row("gas pressure mean [bar]", Number(s.PressureMean()));
}

void GasPressure(const TSterownik& link, const Printer& out) {
  const auto s = chart::SummariseGasPressure(link, AnySize(chart::kGasPressureKind));
  if (!out.Csv()) {
    out.Row("records", std::to_string(link.IleRekordow()));
    out.Row("drawn", std::to_string(s.records));
    out.Row("full scale [bar]", FormatNumber(s.fullScale, 1));
  }
  std::printf(out.Csv() ? "flow [%%];records;absolute [bar];gas [bar]\n"
                        : "flow [%%]  records  absolute [bar]  gas [bar]\n");
  for (size_t percent = 0; percent < s.bins.size(); ++percent) {
    const chart::PressureBin& bin = s.bins[percent];
    if (bin.records == 0) continue;
    const std::string absolute = Number(bin.AbsoluteMean());
    const std::string gas = Number(bin.GasMean());
    if (out.Csv())
      std::printf("%zu;%d;%s;%s\n", percent, bin.records, absolute.c_str(), gas.c_str());
    else
      std::printf("%8zu  %7d  %14s  %9s\n", percent, bin.records, absolute.c_str(), gas.c_str());
  }
}

void Emulation(const TSterownik& link, const Printer& out) {
  const auto s = chart::SummariseEmulation(link, AnySize(chart::kEmulationCharacteristicKind));
  if (out.Csv()) {
    std::printf("input [V];output [V]\n");
    for (const chart::EmulationPoint& p : s.characteristic)
      std::printf("%s;%s\n", Number(p.input).c_str(), Number(p.output).c_str());
    return;
  }
  out.Row("records", std::to_string(link.IleRekordow()));
  out.Row("on petrol", std::to_string(s.petrolRecords));
  out.Row("slope", FormatNumber(s.slope, 0));
  out.Row("offset [V]", Number(s.offset));
  out.Row("floor [V]", Number(s.floor));
  out.Row("cap [V]", Number(s.cap));
  if (s.characteristic.empty()) {
    out.Row("characteristic", "flat on the bottom edge (slope 0)");
    return;
  }
  for (size_t i = 0; i < s.characteristic.size(); i += 50) {
    const chart::EmulationPoint& p = s.characteristic[i];
    out.Row("at " + Number(p.input) + " V [V]", Number(p.output));
  }
}

}  // namespace

int Chart(std::span<char* const> arguments) {
  ChartOptions o;
  if (!Parse(arguments, o)) return kUsage;
  ConsoleUi ui;
  SteadyClock clock;
  TSterownik link(ui, clock);
  if (const int loaded = LoadScopeFile(link, o.scope); loaded != kOk) return loaded;
  const Printer out(o.csv);
  switch (o.kind) {
    case chart::kInjectionTimesKind:
      InjectionTimes(link, out);
      break;
    case chart::kGasPressureKind:
      GasPressure(link, out);
      break;
    default:
      Emulation(link, out);
  }
  return kOk;
}
