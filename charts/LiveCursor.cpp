#include "charts/LiveCursor.h"

#include <algorithm>

#include "charts/ChartKinds.h"
#include "charts/InjectionMapScale.h"
#include "charts/MapSettings.h"
#include "controller/DecodedStatus.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

// Qualified: the chart colours share some of the frame bytes' names.
namespace frame = status_frame;

constexpr int kFirstTimeBreakpointsFirmware = 14;

int Word(const DecodedStatus& s, int offset) {
  return s.Byte(offset) | s.Byte(offset + 1) << 8;
}

// The KAVI's mean OBD correction (128 = none), the others' load against full scale.
std::optional<int> InjectionMapRow(const TSterownik& link, const DecodedStatus& s,
                                   const PlotGeometry& plot) {
  if (link.Czy_KAVI()) {
    if (!s.Has(frame::kObdCorrections, frame::kObdCorrectionCount)) return std::nullopt;
    int sum = 0, count = 0;
    for (int i = 0; i < frame::kObdCorrectionCount; ++i) {
      const int b = s.Byte(frame::kObdCorrections + i);
      sum += b;
      count += b != 0;
    }
    const int v = std::clamp(count > 0 ? sum / count : 128, 78, 178);
    return plot.yb - plot.h * (v - 78) / 100;
  }
  const int fullScale = link.Nastawy()[setting::kFullScaleLoad];
  if (fullScale == 0) return std::nullopt;  // no load scale to place it on
  if (link.Nastawy()[setting::kLoadSignal] == setting::kMafVoltage) {
    if (!s.Has(frame::kLambdaInput, 2)) return std::nullopt;
    const int v = std::min(Word(s, frame::kLambdaInput), 4 * fullScale);
    return plot.yb - v * plot.h / fullScale / 4;
  }
  if (!s.Has(frame::kLoadPressure, 2)) return std::nullopt;
  const int v = std::min(Word(s, frame::kLoadPressure), fullScale);
  return plot.yb - v * plot.h / fullScale;
}

std::optional<LiveCursor> InjectionMapCursor(const TSterownik& link, const DecodedStatus& s,
                                             const PlotGeometry& plot) {
  if (!s.Has(frame::kPetrolTime)) return std::nullopt;
  const int range = injection_map::TimeRange(link.ZakresMnoznika());
  const int t = std::min<int>(s.Byte(frame::kPetrolTime), range);
  return LiveCursor{injection_map::TimeX(plot, t, range), InjectionMapRow(link, s, plot)};
}

std::optional<LiveCursor> TemperatureCursor(int offset, const DecodedStatus& s,
                                            const PlotGeometry& plot) {
  if (!s.Has(offset)) return std::nullopt;
  const int v = std::clamp(s.Byte(offset) - 98, 0, 130);
  return LiveCursor{plot.x0 + v * plot.w / 130, std::nullopt};
}

std::optional<LiveCursor> PressureCursor(const DecodedStatus& s, const PlotGeometry& plot) {
  if (!s.Has(frame::kGasPressure, 2)) return std::nullopt;
  const int v = std::clamp(static_cast<int>((Word(s, frame::kGasPressure) - 50) * 1.28), 0, 256);
  return LiveCursor{plot.x0 + v * plot.w / 256, std::nullopt};
}

// The emulator's input across, the emulated pressure (or on gas the emulation voltage) up.
std::optional<LiveCursor> EmulationCursor(const DecodedStatus& s, const PlotGeometry& plot) {
  if (!s.Has(frame::kWorkState) || !s.Has(frame::kLambdaInput, 2) ||
      !s.Has(frame::kAnalogueInput, 2))
    return std::nullopt;
  const int v = std::clamp(static_cast<int>(Word(s, frame::kLambdaInput) * 0.25), 0, 256);
  const int raw = s.Byte(frame::kWorkState) == frame::kWorkStateOnGas
                      ? Word(s, frame::kEmulationVoltage)
                      : Word(s, frame::kAnalogueInput);
  const int u = std::clamp(static_cast<int>(raw * 0.25), 0, 256);
  return LiveCursor{plot.x0 + v * plot.w / 256, plot.yb - u * plot.h / 256};
}

// The first time breakpoint at or above the petrol time.
int TimeRow(const uint8_t* settings, int time) {
  for (int b = 0; b < setting::kMapSize - 1; ++b)
    if (settings[setting::kTimeBreakpoints + b] >= time) return b;
  return setting::kMapSize - 1;
}

int GridRow(int kind, const TSterownik& link, const DecodedStatus& s) {
  const uint8_t* settings = link.Nastawy();
  const bool byTime = settings[setting::kCorrectionAxis] == 1;
  const int time = s.Byte(frame::kPetrolTime);
  if (kind == kRpmCorrectionKind && byTime)
    return link.Czy_KAVI() || link.WersjaProgramu() < kFirstTimeBreakpointsFirmware
               ? time >> 4
               : TimeRow(settings, time);
  if (kind == kPetrolAdditionKind && byTime && !link.Czy_KAVI()) return TimeRow(settings, time);
  if (kind == kPetrolDoseKind && settings[setting::kDoseAxis] == 2)
    return (s.Byte(frame::kPetrolDose) + 256 * s.Byte(frame::kPetrolDose + 1)) / 400;
  const bool byVoltage = kind == kEmulatorHiKind || kind == kKaviEmulatorHiKind ||
                         (kind == kAdmixtureKind && settings[setting::kAdmixtureAxis] == 0) ||
                         (kind == kPetrolDoseKind && settings[setting::kDoseAxis] == 1);
  if (byVoltage) return s.Byte(frame::kInputByte) >> 4;
  return s.Byte(frame::kMapColumn);
}

std::optional<GridCell> Inside(int column, int row) {
  if (column < 0 || column >= setting::kMapSize || row < 0 || row >= setting::kMapSize)
    return std::nullopt;
  return GridCell{column, row};
}

}  // namespace

std::optional<LiveCursor> LiveCursorOf(int kind, const TSterownik& link,
                                       const DecodedStatus& status, const PlotGeometry& plot) {
  switch (kind) {
    case kInjectionMapKind:
      return InjectionMapCursor(link, status, plot);
    case kReducerTemperatureKind:
      return TemperatureCursor(frame::kReducerTemperature, status, plot);
    case kGasTemperatureKind:
      return TemperatureCursor(frame::kGasTemperature, status, plot);
    case kPressureCurveKind:
      return PressureCursor(status, plot);
    case kEmulationCharacteristicKind:
      return EmulationCursor(status, plot);
    default:
      return std::nullopt;
  }
}

Picture CursorLines(const LiveCursor& cursor, const PlotGeometry& plot, uint32_t colour) {
  Picture p;
  p.Add(Line{{cursor.x, plot.yb}, {cursor.x, plot.Top()}, colour});
  if (cursor.y) p.Add(Line{{plot.x0, *cursor.y}, {plot.Right(), *cursor.y}, colour});
  return p;
}

// Byte 15 picks the grid's column and byte 16 its row (whatever the map cell's bytes are called
// elsewhere); the rail-pressure emulator reports its own cell.
std::optional<GridCell> LiveCell(int kind, const TSterownik& link, const DecodedStatus& status) {
  if (!IsGridKind(kind)) return std::nullopt;
  if (link.Rodzina() == Family::RailEmulator) {
    if (!status.Has(frame::kEmulatorRow)) return std::nullopt;
    return Inside(status.Byte(frame::kEmulatorColumn), status.Byte(frame::kEmulatorRow));
  }
  if (!status.Has(frame::kMapColumn)) return std::nullopt;
  return Inside(status.Byte(frame::kMapRow), GridRow(kind, link, status));
}

std::optional<GridCell> UpperLiveCell(const DecodedStatus& status) {
  if (!status.Has(frame::kMapColumn)) return std::nullopt;
  return Inside(status.Byte(frame::kMapRow), status.Byte(frame::kMapColumn));
}

}  // namespace chart
