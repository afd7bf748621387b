#include "charts/TableAxes.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartKinds.h"
#include "charts/MapSettings.h"
#include "charts/TableText.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

constexpr int kRpmUnit = 50;
constexpr int kLowestRpm = 50;
constexpr int kHighestRpm = 10000;
constexpr int kLastRow = setting::kMapSize - 1;
constexpr int kHighestBreakpoint = 255;
// The firmware from which the RPM corrections, and after which the petrol addition, may go by
// the injection-time breakpoints; the KAVI has none of its own.
constexpr int kTimeAxisFirmware = 14;
constexpr int kPetrolAdditionTimeAxisFirmware = 15;

// Corner texts: "ms\rpm", "bar\rpm", "V\rpm", "-\rpm".
constexpr int kCornerTime = 960;
constexpr int kCornerPressure = 961;
constexpr int kCornerVoltage = 962;
constexpr int kCornerNone = 967;

constexpr RowAxis kVoltageAxis{RowStore::Voltage, setting::kVoltageBreakpoints, 0.02, 2,
                               kCornerVoltage};
constexpr RowAxis kTimeAxis{RowStore::Time, setting::kTimeBreakpoints, 0.1, 1, kCornerTime};
// Steps the controller keeps to itself: row k ends at (k + 1) x the step.
constexpr RowAxis kTimeSteps{RowStore::Fixed, 0, 1.6, 1, kCornerTime};
constexpr RowAxis kEmulatorSteps{RowStore::Fixed, 0, 0.8, 1, kCornerVoltage};
constexpr RowAxis kFineEmulatorSteps{RowStore::Fixed, 0, 0.32, 2, kCornerVoltage};
constexpr RowAxis kDoseSteps{RowStore::Fixed, 0, 16, 0, kCornerNone};

// The load breakpoints read in bar, or in volt for a MAF signal, on every axis that shows them,
// so that a typed value stores what the header shows.
RowAxis LoadAxis(const uint8_t* s) {
  const bool maf = s[setting::kLoadSignal] == setting::kMafVoltage;
  return {RowStore::Load, setting::kLoadBreakpoints, maf ? 0.02 : 0.01, 2,
          maf ? kCornerVoltage : kCornerPressure};
}

bool ByTime(const uint8_t* s) {
  return s[setting::kCorrectionAxis] == 1;
}

RowAxis MainRowAxis(const TSterownik& link, int kind) {
  const uint8_t* s = link.Nastawy();
  const int firmware = link.WersjaProgramu();
  const bool ownTimeAxis = !link.Czy_KAVI();
  switch (kind) {
    case kRpmCorrectionKind:
      if (!ByTime(s)) return LoadAxis(s);
      return ownTimeAxis && firmware >= kTimeAxisFirmware ? kTimeAxis : kTimeSteps;
    case kEmulatorHiKind:
      if (s[setting::kEmulatorAxis] == 0) return kEmulatorSteps;
      if (s[setting::kEmulatorAxis] == 1) return kFineEmulatorSteps;
      [[fallthrough]];
    case kKaviEmulatorHiKind:
      return s[setting::kEmulatorAxis] == setting::kEmulatorByVoltage ? kVoltageAxis : LoadAxis(s);
    case kAdmixtureKind:
      return s[setting::kAdmixtureAxis] == 0 ? kVoltageAxis : LoadAxis(s);
    case kPetrolAdditionKind:
      return ByTime(s) && ownTimeAxis && firmware >= kPetrolAdditionTimeAxisFirmware ? kTimeAxis
                                                                                     : LoadAxis(s);
    case kPetrolDoseKind:
      if (s[setting::kDoseAxis] == setting::kDoseByVoltage) return kVoltageAxis;
      return s[setting::kDoseAxis] == setting::kDoseByPetrolDose ? kDoseSteps : LoadAxis(s);
    case kEmulatorLoKind:
      return kFineEmulatorSteps;
    case kSecondEmulatorLoKind:
      return kVoltageAxis;
    default:
      return LoadAxis(s);
  }
}

// The cell editor's text as one number, the first "," read as a decimal point.
FieldNumber ReadTyped(const std::string& text) {
  const TextRows rows = SplitRows(text, '\n');
  if (rows.size() != 1) return {0, NumberProblem::NotANumber};
  return ReadNumber(rows[0][0], true);
}

int Units(double value, double unit) {
  // Held before rounding: a number far beyond the breakpoints does not fit a long.
  return static_cast<int>(std::lround(std::clamp(value / unit, 0.0, double{kHighestBreakpoint})));
}

void StoreSetting(TSterownik& link, int number, int value) {
  if (link.Nastawy()[number] != value) link.ChangeSetting(number, value, 0);
}

}  // namespace

RowAxis RowAxisOf(const TSterownik& link, int kind, bool upper) {
  return upper ? LoadAxis(link.Nastawy()) : MainRowAxis(link, kind);
}

RowAxis RowAxisOf(const TSterownik& link, const TableView& view) {
  return RowAxisOf(link, view.kind, view.upper);
}

std::string ColumnHeaderText(const TSterownik& link, int column) {
  return std::to_string(link.Nastawy()[setting::kRpmBreakpoints + column] * kRpmUnit);
}

double RowHeaderValue(const TSterownik& link, const RowAxis& axis, int row) {
  const double value = axis.store == RowStore::Fixed
                           ? (row + 1) * axis.unit
                           : link.Nastawy()[axis.firstSetting + row] * axis.unit;
  const double power = std::pow(10.0, axis.decimals);
  return std::round(value * power) / power;
}

std::string RowHeaderText(const TSterownik& link, const RowAxis& axis, int row) {
  return FormatNumber(RowHeaderValue(link, axis, row), axis.decimals, link.DecimalSeparator());
}

Typeable TypeableOf(const TSterownik& link, int kind) {
  const RowStore store = MainRowAxis(link, kind).store;
  const bool emulatorHi = kind == kEmulatorHiKind || kind == kKaviEmulatorHiKind;
  return {
      IsGridKind(kind),
      IsGridKind(kind) && store != RowStore::Fixed && (!emulatorHi || store == RowStore::Voltage),
      kind == kPressureMapKind};
}

std::optional<double> TypedNumber(const std::string& text) {
  const FieldNumber typed = ReadTyped(text);
  if (typed.problem == NumberProblem::OutOfRange) return std::nullopt;
  return typed.value;
}

TableEdit CommitColumnHeader(TSterownik& link, int column, const std::string& text) {
  if (column < 0 || column > kLastRow) return TableEdit::Beep;
  const FieldNumber typed = ReadTyped(text);
  const bool whole = typed && std::trunc(typed.value) == typed.value;
  if (!whole) return TableEdit::Refill;  // the header shows the old rpm again
  const int rpm =
      static_cast<int>(std::clamp(typed.value, double{kLowestRpm}, double{kHighestRpm}));
  StoreSetting(link, setting::kRpmBreakpoints + column, rpm / kRpmUnit);
  return TableEdit::Refill;
}

TableEdit CommitRowHeader(TSterownik& link, int kind, int row, const std::string& text) {
  if (row < 0 || row > kLastRow || !TypeableOf(link, kind).rowHeaders) return TableEdit::Beep;
  const RowAxis axis = MainRowAxis(link, kind);
  const std::optional<double> typed = TypedNumber(text);
  if (!typed) return TableEdit::Beep;
  const int units = Units(*typed, axis.unit);
  if (units != 0 || row == 0) StoreSetting(link, axis.firstSetting + row, units);
  return TableEdit::Refill;
}

void AutomaticRange(TSterownik& link, int kind) {
  const int first = MainRowAxis(link, kind).store == RowStore::Voltage
                        ? setting::kVoltageBreakpoints
                        : setting::kLoadBreakpoints;
  const int last = first + kLastRow;
  int low = link.Nastawy()[first];
  int high = link.Nastawy()[last];
  if (high < low) std::swap(low, high);
  StoreSetting(link, first, low);
  StoreSetting(link, last, high);
  for (int e = 1; e < kLastRow; ++e)
    StoreSetting(link, first + e, e * (high - low) / kLastRow + low);
}

}  // namespace chart
