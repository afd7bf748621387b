// The correction curves' kinds, their records and the curve recomputed from the nodes.

#include "charts/CorrectionCurve.h"

#include <algorithm>

#include "controller/NumberText.h"
#include "controller/Tsterownik.h"

namespace chart {
namespace {

using curve::kFirstValue;
using curve::kLastNode;
using curve::kLastValue;

constexpr int kPressureSwitchSetting = 63;  // minimum gas pressure, 0.01 bar
constexpr int kReducerSwitchSetting = 51;   // gas above this reducer temperature, °C + 128
constexpr int kGasTemperatureSetting = 62;  // minimum gas temperature, °C + 128

// clang-format off
const CurveKind kCurveKinds[] = {
  {kReducerTemperatureKind, curve::kReducerTemperature, CurveUnit::Celsius, 10, 1705,
   kReducerSwitchSetting},
  {kGasTemperatureKind, curve::kGasTemperature, CurveUnit::Celsius, 10, 1706,
   kGasTemperatureSetting},
  {kPressureCurveKind, curve::kPressure, CurveUnit::Bar, 25, 1707, kPressureSwitchSetting},
};
// clang-format on

// The inner nodes in order: the first present node after an inner slot that stands lower
// changes places with it, until none is left. Slots 0 and 7 never move.
void SortInnerNodes(CorrectionCurve& c, int& selected) {
  for (int i = 1; i < kLastNode - 1;) {
    int j = i + 1;
    while (j < kLastNode && !c.Present(j))
      ++j;
    if (j == kLastNode || c.X(i) <= c.X(j)) {
      ++i;
      continue;
    }
    const int xi = c.X(i), yi = c.Y(i);
    c.Set(i, c.X(j), c.Y(j));
    c.Set(j, xi, yi);
    if (selected == i)
      selected = j;
    else if (selected == j)
      selected = i;
    i = 1;
  }
}

// Only the curve's values are written: a node off the axis (a garbled record) must not reach
// the code and the nodes in front of them.
void Put(CorrectionCurve& c, int x, int value) {
  if (x < kFirstValue || x > kLastValue) return;
  c.record[static_cast<size_t>(x)] = static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void Interpolate(CorrectionCurve& c, int a, int b) {
  const int xa = c.X(a), ya = c.Y(a), xb = c.X(b), yb = c.Y(b);
  if (xb <= xa) return;
  for (int x = xa; x <= xb; ++x)
    Put(c, x, static_cast<int>(ya - static_cast<double>(x - xa) * (ya - yb) / (xb - xa)));
}

// From the end nodes out to the ends of the record. An absent end node has no value to give.
void FillEnds(CorrectionCurve& c) {
  if (c.Present(0))
    for (int x = kFirstValue; x < c.X(0); ++x)
      Put(c, x, c.Y(0));
  if (c.Present(kLastNode) && c.X(kLastNode) != kLastValue)
    for (int x = c.X(kLastNode); x <= kLastValue; ++x)
      Put(c, x, c.Y(kLastNode));
}

}  // namespace

const CurveKind* CurveKindOf(int kind) {
  for (const CurveKind& k : kCurveKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

int KodKrzywej(int kind) {
  const CurveKind* k = CurveKindOf(kind);
  return k ? k->curve.code : 0;
}

std::string CurvePositionText(const CurveKind& kind, int x, char decimalSeparator) {
  if (kind.unit == CurveUnit::Celsius) return std::to_string(x - kCelsiusZero);
  return FormatNumber(x * 0.01, 2, decimalSeparator);
}

int CurveCorrectionShown(int y) {
  return static_cast<int>(y * curve::kPerCentPerUnit - 100);
}

std::string CurveCorrectionText(int y) {
  return (y > curve::kNeutral ? "+" : "") + std::to_string(CurveCorrectionShown(y));
}

const char* CurveUnitName(const CurveKind& kind) {
  return kind.unit == CurveUnit::Celsius ? "°C" : "bar";
}

void CorrectionCurve::Set(int i, int x, int y) {
  record[static_cast<size_t>(curve::NodeX(i))] = static_cast<uint8_t>(x);
  record[static_cast<size_t>(curve::NodeY(i))] = static_cast<uint8_t>(y);
}

int CorrectionCurve::PresentCount() const {
  int count = 0;
  for (int i = 0; i < curve::kNodes; ++i)
    count += Present(i);
  return count;
}

int CorrectionCurve::ValueAt(int x) const {
  return record[static_cast<size_t>(std::clamp(x, kFirstValue, kLastValue))];
}

CorrectionCurve CurveInView(const TSterownik& link, const CurveKind& kind) {
  CorrectionCurve c;
  c.kind = &kind;
  std::copy_n(link.ObrazSterownika().begin() + kind.curve.area, img::kAreaSize, c.record.begin());
  return c;
}

bool CurveNeedsReset(const TSterownik& link, const CurveKind& kind) {
  if (link.FlagiCzytania() & kind.curve.write) return false;
  return CurveInView(link, kind).PresentCount() <= 1;
}

void KasujKrzywa(TSterownik& link, const CurveKind& kind) {
  link.ZapiszObszar(kind.curve.area, curve::NeutralRecord(kind.curve), kind.curve.write);
}

void PorzadkujPunkty(CorrectionCurve& c, int& selected) {
  SortInnerNodes(c, selected);
  for (int a = 0; a < kLastNode; ++a) {
    if (!c.Present(a)) continue;
    int b = a + 1;
    while (b <= kLastNode && !c.Present(b))
      ++b;
    if (b <= kLastNode) Interpolate(c, a, b);
  }
  FillEnds(c);
}

void StoreCurve(TSterownik& link, const CorrectionCurve& c) {
  link.ZapiszObszar(c.kind->curve.area, c.record, c.kind->curve.write);
}

bool StoreCurveNodes(TSterownik& link, CorrectionCurve c) {
  int selected = -1;
  PorzadkujPunkty(c, selected);
  if (c.record == CurveInView(link, *c.kind).record) return false;
  StoreCurve(link, c);
  return true;
}

}  // namespace chart
